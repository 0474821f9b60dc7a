#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <sys/stat.h>

// Puts something that is not a regular file where a reader of outside files expects one:
// "fifo" (a pipe nobody writes), "zero" (a link to /dev/zero, which never ends), "folder", or
// "dangling" (a link to nothing). False for any other kind, or when it cannot be made.
inline bool makeOddFile(const QString &kind, const QString &path)
{
    if (kind == QLatin1String("fifo"))
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    if (kind == QLatin1String("zero"))
        return QFile::link(QStringLiteral("/dev/zero"), path);
    if (kind == QLatin1String("folder"))
        return QDir().mkpath(path);
    if (kind == QLatin1String("dangling"))
        return QFile::link(path + QStringLiteral(".gone"), path);
    return false;
}
