#include "daily_backup.h"

#include "calendar_files.h"

#include <atomic>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace DailyBackup {

namespace {

QString baseName(const QString &databasePath)
{
    return QFileInfo(databasePath).completeBaseName(); // "dbCalendar"
}

QString copyName(const QString &databasePath, QDate day)
{
    return QStringLiteral("%1 %2.mdb").arg(baseName(databasePath), day.toString(Qt::ISODate));
}

// The copies, oldest first: their names sort by day.
QStringList copies(const QString &databasePath)
{
    QDir folder(folderFor(databasePath));
    return folder.entryList({baseName(databasePath) +
                             QStringLiteral(" [0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9].mdb")},
                            QDir::Files, QDir::Name);
}

// Runs the check and the copy on a connection of its own, read-only.
Result checkAndCopy(const QString &connectionName, const QString &databasePath,
                    const QString &partPath)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    useExistingFile(db, databasePath, true);
    if (!db.open())
        return {Result::Failed, db.lastError().text(), {}};
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA quick_check")))
        return {Result::Damaged, query.lastError().databaseText(), {}};
    QStringList problems;
    while (query.next())
        problems.append(query.value(0).toString());
    if (problems != QStringList{QStringLiteral("ok")})
        return {Result::Damaged, problems.value(0), {}};
    query.prepare(QStringLiteral("VACUUM INTO ?"));
    query.addBindValue(partPath);
    if (!query.exec())
        return {Result::Failed, query.lastError().databaseText(), {}};
    return {Result::Made, {}, {}};
}

// Whether the copy holds the weeks the database holds: asked only where their times are the same,
// for a file's time moves in steps of a few milliseconds and a week saved just after a copy can
// leave it where the copy's is.
bool sameWeeks(const QString &databasePath, const QString &copyPath)
{
    static std::atomic<int> serial{0};
    const QString connectionName = QStringLiteral("DailyBackupCompare-%1").arg(++serial);
    bool same = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        useExistingFile(db, databasePath, true);
        QSqlQuery query(db);
        if (db.open() && query.prepare(QStringLiteral("ATTACH ? AS copy")) &&
            (query.addBindValue(copyPath), query.exec()) &&
            query.exec(QStringLiteral(
                "SELECT (SELECT count(*) FROM main.tblCalendar) = "
                "(SELECT count(*) FROM copy.tblCalendar) AND NOT EXISTS "
                "(SELECT * FROM main.tblCalendar EXCEPT SELECT * FROM copy.tblCalendar)")) &&
            query.next())
            same = query.value(0).toBool();
    }
    QSqlDatabase::removeDatabase(connectionName);
    return same;
}

} // namespace

QString folderFor(const QString &databasePath)
{
    return QFileInfo(databasePath)
        .dir()
        .filePath(baseName(databasePath) + QStringLiteral(" backups"));
}

QString newest(const QString &databasePath)
{
    const QStringList all = copies(databasePath);
    return all.isEmpty() ? QString() : QDir(folderFor(databasePath)).filePath(all.last());
}

Result run(const QString &databasePath, QDate today)
{
    const QDir folder(folderFor(databasePath));
    const QString file = folder.filePath(copyName(databasePath, today));
    const QString last = newest(databasePath);
    if (QFileInfo::exists(file))
        return {Result::NotNeeded, {}, {}}; // today's is there
    if (!last.isEmpty()) {
        const QDateTime changed = QFileInfo(databasePath).lastModified();
        const QDateTime copied = QFileInfo(last).lastModified();
        if (changed < copied || (changed == copied && sameWeeks(databasePath, last)))
            return {Result::NotNeeded, {}, {}}; // nothing changed since
    }
    if (!folder.exists() && !QDir().mkpath(folder.path()))
        return {
            Result::Failed, QStringLiteral("the folder %1 cannot be made").arg(folder.path()), {}};

    // Written under another name and renamed once whole and on disk, so that a copy named by
    // its day is always a good one.
    const QString part = file + QStringLiteral(".part");
    QFile::remove(part);
    static std::atomic<int> serial{0};
    const QString connectionName = QStringLiteral("DailyBackup-%1").arg(++serial);
    Result result = checkAndCopy(connectionName, databasePath, part);
    QSqlDatabase::removeDatabase(connectionName);
    if (result.kind == Result::Made && (!syncToDisk(part) || !QFile::rename(part, file)))
        result = {Result::Failed, QStringLiteral("the copy could not be written"), {}};
    if (result.kind != Result::Made) {
        QFile::remove(part);
        return result;
    }
    result.file = file;
    const QStringList all = copies(databasePath);
    for (qsizetype i = 0; i + kKept < all.size(); ++i)
        QFile::remove(folder.filePath(all[i]));
    return result;
}

} // namespace DailyBackup
