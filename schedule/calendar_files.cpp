#include "calendar_files.h"

#include <fcntl.h>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QVariant>
#include <sys/stat.h>
#include <unistd.h>

QString databasePath(const QString &programFolder)
{
    return QDir(programFolder).filePath(kDatabaseFileName);
}

void useExistingFile(QSqlDatabase &db, const QString &path, bool readOnly)
{
    db.setDatabaseName(existingFileUri(path, readOnly));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=3000"));
}

QString existingFileUri(const QString &path, bool readOnly)
{
    // mode=rw and mode=ro open an existing file and never create one.
    QUrl uri = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    uri.setQuery(readOnly ? QStringLiteral("mode=ro") : QStringLiteral("mode=rw"));
    return uri.toString(QUrl::FullyEncoded);
}

WeekDataBytes::WeekDataBytes(const QSqlDatabase &db)
{
    QSqlQuery pragma(db);
    m_utf8 = pragma.exec(QStringLiteral("PRAGMA encoding")) && pragma.next() &&
             pragma.value(0).toString() == QLatin1String("UTF-8");
}

QString WeekDataBytes::column() const
{
    return m_utf8 ? QStringLiteral("CAST(WeekData AS BLOB)") : QStringLiteral("WeekData");
}

QByteArray WeekDataBytes::utf8(const QVariant &value) const
{
    return m_utf8 ? value.toByteArray() : value.toString().toUtf8();
}

bool createEmptyCalendarDatabase(const QString &path, QString *error)
{
    const auto failWith = [error](const QString &text) {
        if (error)
            *error = text;
        return false;
    };
    if (QFileInfo::exists(path))
        return failWith(QStringLiteral("%1 already exists; left as it is.")
                            .arg(QDir::toNativeSeparators(path)));

    const QString name = QStringLiteral("create-empty-calendar");
    bool ok = true;
    QString problem;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        ok = db.open();
        QSqlQuery query(db);
        for (const char *statement : {
                 "CREATE TABLE tblCalendar (StartWeekDate DATE, WeekData TEXT)",
                 "CREATE INDEX idxCalendarStartWeekDate ON tblCalendar (StartWeekDate)",
             }) {
            if (!ok)
                break;
            ok = query.exec(QString::fromLatin1(statement));
        }
        if (!ok)
            problem = query.lastError().text().isEmpty() ? db.lastError().text()
                                                         : query.lastError().text();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    if (!ok)
        return failWith(
            QStringLiteral("cannot create %1: %2").arg(QDir::toNativeSeparators(path), problem));
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
