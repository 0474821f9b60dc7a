#pragma once

#include <QDir>
#include <QFile>
#include <QStringList>

// The database files (their names hold ".mdb": a database, its journal, a copy being made) that
// this process still holds open: none once the code that opened them is done with them.
inline QStringList openDatabaseFiles()
{
    const QDir descriptors(QStringLiteral("/proc/self/fd"));
    QStringList open;
    for (const QString &fd :
         descriptors.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        const QString target = QFile::symLinkTarget(descriptors.filePath(fd));
        if (target.contains(QLatin1String(".mdb")))
            open.append(target);
    }
    return open;
}
