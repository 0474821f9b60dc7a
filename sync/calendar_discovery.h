#pragma once

#include "dav_client.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QUrl>

// Finds the user's journal calendar from whatever address they were given: a calendar's own,
// their principal's, or the server's root (through /.well-known/caldav,
// current-user-principal and calendar-home-set), and makes one where none takes journals.
namespace CalendarDiscovery {

struct Calendar
{
    QUrl url;
    QString name;
    bool takesJournals = false;
};

struct Result
{
    bool ok = false;
    QUrl calendar;           // the one chosen or made
    bool created = false;    // made by MKCALENDAR
    QList<Calendar> found;   // every calendar of the home
    QString message;         // why none, for a person
    bool passwordRefused = false;
    QByteArray untrustedCertificate;
};

// The calendar named `name` where one is; without a name the first that takes journals. Where
// none fits, a journal calendar is made, named `name` or "Orvanta".
Result find(DavClient &client, const QUrl &start, const QString &name);

} // namespace CalendarDiscovery
