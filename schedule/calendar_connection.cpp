#include "calendar_connection.h"

#include <atomic>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QUrl>
#include <QVariant>

namespace {

QString keyText(QDate day)
{
    return day.toString(Qt::ISODate);
}

QString describe(const QSqlError &error)
{
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return text.isEmpty() ? QStringLiteral("unknown error") : text;
}

} // namespace

CalendarConnection::CalendarConnection()
{
    static std::atomic<int> serial{0};
    m_connectionName = QStringLiteral("CalendarConnection-%1").arg(++serial);
}

CalendarConnection::~CalendarConnection()
{
    close();
}

bool CalendarConnection::fail(const QString &problem)
{
    m_lastError = QStringLiteral("%1 %2").arg(m_displayPath, problem);
    return false;
}

bool CalendarConnection::open(const QString &databasePath)
{
    close();
    m_displayPath = QDir::toNativeSeparators(databasePath);

    const QFileInfo info(databasePath);
    if (!info.isFile())
        return fail(QStringLiteral("does not exist."));

    if (!openFile(info.absoluteFilePath()) || !checkTable()) {
        close();
        return false;
    }
    // The folder beside the program may be a USB stick or a network share, where WAL's
    // shared memory does not work; one small write per week change can afford full syncs.
    QSqlQuery pragma(QSqlDatabase::database(m_connectionName, false));
    pragma.exec(QStringLiteral("PRAGMA journal_mode=DELETE"));
    pragma.exec(QStringLiteral("PRAGMA synchronous=FULL"));
    m_utf8Text = pragma.exec(QStringLiteral("PRAGMA encoding")) && pragma.next() &&
                 pragma.value(0).toString() == QLatin1String("UTF-8");
    return true;
}

bool CalendarConnection::openFile(const QString &absolutePath)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    if (!db.isValid())
        return fail(QStringLiteral("cannot be opened: Qt's SQLite driver is not installed."));
    // mode=rw opens an existing file and never creates one.
    QUrl uri = QUrl::fromLocalFile(absolutePath);
    uri.setQuery(QStringLiteral("mode=rw"));
    db.setDatabaseName(uri.toString(QUrl::FullyEncoded));
    // Another program holding the file gets a few seconds to let go before a save fails.
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=3000"));
    if (!db.open())
        return fail(QStringLiteral("cannot be opened (%1).").arg(describe(db.lastError())));
    // Functions named in the file's schema run only where SQLite knows them to be harmless.
    QSqlQuery(db).exec(QStringLiteral("PRAGMA trusted_schema=OFF"));
    QSqlQuery(db).exec(QStringLiteral("PRAGMA cell_size_check=ON"));
    return true;
}

bool CalendarConnection::checkTable()
{
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    QSqlQuery query(db);
    // The first read of the file tells whether it is a database at all.
    if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
        return fail(
            QStringLiteral("is not an SQLite database (%1).").arg(describe(query.lastError())));
    if (!query.exec(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND "
                                   "name = 'tblCalendar' COLLATE NOCASE")) ||
        !query.next())
        return fail(QStringLiteral("has no table tblCalendar."));
    if (!query.exec(QStringLiteral("SELECT StartWeekDate, WeekData FROM tblCalendar LIMIT 0")))
        return fail(
            QStringLiteral(
                "has a table tblCalendar without the columns StartWeekDate and WeekData (%1).")
                .arg(describe(query.lastError())));
    // A trigger is code kept in the file that a save would run: it could delete weeks while
    // the save reports success. The file is left as it is for the user to look at.
    if (!query.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'trigger' AND "
                                   "tbl_name = 'tblCalendar' COLLATE NOCASE ORDER BY name")))
        return fail(QStringLiteral("could not be read (%1).").arg(describe(query.lastError())));
    QStringList triggers;
    while (query.next())
        triggers.append(query.value(0).toString());
    if (!triggers.isEmpty())
        return fail(QStringLiteral("has code that would run when a week is saved (the trigger "
                                   "%1 on tblCalendar). Orvanta does not run code kept in its "
                                   "database: remove the trigger with another tool.")
                        .arg(triggers.join(QStringLiteral(", "))));
    return true;
}

bool CalendarConnection::isOpen() const
{
    return QSqlDatabase::contains(m_connectionName) &&
           QSqlDatabase::database(m_connectionName, false).isOpen();
}

void CalendarConnection::close()
{
    if (!QSqlDatabase::contains(m_connectionName))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

bool CalendarConnection::loadWeekData(QDate firstDay, std::optional<QString> &record)
{
    record.reset();
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    query.setForwardOnly(true);
    if (!query.prepare(QStringLiteral("SELECT WeekData FROM tblCalendar WHERE StartWeekDate = ? "
                                      "ORDER BY rowid LIMIT 1")))
        return fail(QStringLiteral("could not be read (%1).").arg(describe(query.lastError())));
    query.addBindValue(keyText(firstDay));
    if (!query.exec())
        return fail(QStringLiteral("could not be read (%1).").arg(describe(query.lastError())));
    if (query.next())
        record = query.value(0).toString(); // NULL becomes empty text
    return true;
}

bool CalendarConnection::saveWeekData(QDate firstDay, const QByteArray &record)
{
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    const auto failSave = [&](const QSqlError &error) {
        db.rollback();
        return fail(QStringLiteral("could not be written (%1).").arg(describe(error)));
    };
    if (!db.transaction())
        return failSave(db.lastError());

    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral(
        "SELECT rowid FROM tblCalendar WHERE StartWeekDate = ? ORDER BY rowid LIMIT 1"));
    query.addBindValue(keyText(firstDay));
    if (!query.exec())
        return failSave(query.lastError());

    // Bytes bound to the statement are a BLOB, which CAST turns into TEXT as they stand, in the
    // file's text encoding: a UTF-8 file takes the record without SQLite converting it from
    // UTF-16 first. A file kept in UTF-16 gets text.
    const QVariant weekData = m_utf8Text ? QVariant(record) : QVariant(QString::fromUtf8(record));
    // OR ABORT overrides whatever the file's schema says to do on a conflict: an ON CONFLICT
    // REPLACE there would delete another week's row to make room for this one.
    if (query.next()) {
        const QVariant rowId = query.value(0);
        query.finish();
        query.prepare(QStringLiteral("UPDATE OR ABORT tblCalendar SET StartWeekDate = ?, "
                                     "WeekData = CAST(? AS TEXT) WHERE rowid = ?"));
        query.addBindValue(keyText(firstDay));
        query.addBindValue(weekData);
        query.addBindValue(rowId);
    } else {
        query.finish();
        query.prepare(QStringLiteral("INSERT OR ABORT INTO tblCalendar (StartWeekDate, WeekData) "
                                     "VALUES (?, CAST(? AS TEXT))"));
        query.addBindValue(keyText(firstDay));
        query.addBindValue(weekData);
    }
    if (!query.exec())
        return failSave(query.lastError());
    query.finish();
    if (!db.commit())
        return failSave(db.lastError());
    return true;
}
