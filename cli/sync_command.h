#pragma once

#include <QString>
#include <QStringList>

// orvanta-cli sync: the window's sync for scripts and cron. `arguments` follow "sync".
int syncCommand(const QString &database, const QStringList &arguments);
