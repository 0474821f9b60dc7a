#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

// The line the tray's tooltip shows about sync, from what the last sync left. No widgets.
namespace SyncStatus {

struct Facts
{
    QDateTime now;
    QDateTime lastSync;     // when a sync last ended without an error
    QDateTime waitingSince; // when the oldest change still waiting for the server was seen
    bool lastFailed = false;
    bool passwordRefused = false;
    bool certificateRefused = false;
    int conflictDays = 0; // days the last sync of this run found changed on both sides
};

// "Synced 2 minutes ago", "Offline: 3 days waiting", "2 days changed on both sides"...
QString line(const Facts &facts);

// The tooltip: the program's name, then the line where there is one.
QString tip(const QString &line);

} // namespace SyncStatus
