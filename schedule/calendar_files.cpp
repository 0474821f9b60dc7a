#include "calendar_files.h"

#include "sqlite_database.h"

#include <fcntl.h>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <sys/stat.h>
#include <unistd.h>

QString databasePath(const QString &programFolder)
{
    return QDir(programFolder).filePath(kDatabaseFileName);
}

QString existingFileUri(const QString &path, bool readOnly)
{
    // mode=rw and mode=ro open an existing file and never create one.
    QUrl uri = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    uri.setQuery(readOnly ? QStringLiteral("mode=ro") : QStringLiteral("mode=rw"));
    return uri.toString(QUrl::FullyEncoded);
}

bool createEmptyCalendarDatabase(const QString &path, QString *error)
{
    const auto failWith = [error](const QString &text) {
        if (error)
            *error = text;
        return false;
    };
    if (QFileInfo::exists(path))
        return failWith(QCoreApplication::translate("CalendarFiles", "%1 already exists; left as it is.")
                            .arg(QDir::toNativeSeparators(path)));

    Sqlite::Database db;
    bool ok = db.openOrCreate(path);
    for (const char *statement : {
             "CREATE TABLE tblCalendar (StartWeekDate DATE, WeekData TEXT)",
             "CREATE INDEX idxCalendarStartWeekDate ON tblCalendar (StartWeekDate)",
         }) {
        if (!ok)
            break;
        ok = db.execute(statement);
    }
    if (!ok)
        return failWith(QCoreApplication::translate("CalendarFiles", "cannot create %1: %2")
                            .arg(QDir::toNativeSeparators(path), db.errorMessage()));
    return true;
}

bool sameFile(const QString &a, const QString &b)
{
    struct stat sa
    {
    }, sb{};
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

bool syncToDisk(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}
