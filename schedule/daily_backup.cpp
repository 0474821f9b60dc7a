#include "daily_backup.h"

#include "calendar_files.h"
#include "sqlite_database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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
Result checkAndCopy(const QString &databasePath, const QString &partPath)
{
    Sqlite::Database db;
    if (!db.openExisting(databasePath, true))
        return {Result::Failed, db.errorMessage(), {}};
    // One read transaction, begun by the check's first read, for the check and the copy: the
    // copy holds the weeks checked.
    if (!db.execute("BEGIN"))
        return {Result::Failed, db.errorMessage(), {}};
    QStringList problems;
    {
        Sqlite::Statement check(db, "PRAGMA quick_check");
        while (check.next())
            problems.append(check.text(0));
        if (!check.done())
            return {Result::Damaged, db.errorMessage(), {}};
    }
    if (problems != QStringList{QStringLiteral("ok")})
        return {Result::Damaged, problems.value(0), {}};

    // SQLite's online backup copies the file's pages as they stand: the same weeks, the same
    // encoding and page size.
    Sqlite::Database copy;
    if (!copy.openOrCreate(partPath))
        return {Result::Failed, copy.errorMessage(), {}};
    // The copy is synced and named by its day only once whole: its own journal would add
    // nothing.
    copy.execute("PRAGMA journal_mode=OFF");
    copy.execute("PRAGMA synchronous=OFF");
    sqlite3_backup *backup = sqlite3_backup_init(copy.handle(), "main", db.handle(), "main");
    if (!backup)
        return {Result::Failed, copy.errorMessage(), {}};
    const int stepped = sqlite3_backup_step(backup, -1);
    const int finished = sqlite3_backup_finish(backup);
    if (stepped != SQLITE_DONE || finished != SQLITE_OK)
        return {Result::Failed, copy.errorMessage(), {}};
    return {Result::Made, {}, {}};
}

// Whether the copy holds the weeks the database holds: asked only where their times are the same,
// for a file's time moves in steps of a few milliseconds and a week saved just after a copy can
// leave it where the copy's is.
bool sameWeeks(const QString &databasePath, const QString &copyPath)
{
    Sqlite::Database db;
    if (!db.openExisting(databasePath, true))
        return false;
    Sqlite::Statement attach(db, "ATTACH ? AS copy");
    attach.bind(existingFileUri(copyPath, true));
    if (!attach.run())
        return false;
    Sqlite::Statement compare(db, "SELECT (SELECT count(*) FROM main.tblCalendar) = "
                                  "(SELECT count(*) FROM copy.tblCalendar) AND NOT EXISTS "
                                  "(SELECT * FROM main.tblCalendar EXCEPT "
                                  "SELECT * FROM copy.tblCalendar)");
    return compare.next() && compare.integer(0) == 1;
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
    Result result = checkAndCopy(databasePath, part);
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
