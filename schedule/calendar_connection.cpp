#include "calendar_connection.h"

#include "calendar_files.h"
#include "week.h"
#include "week_record.h"

#include <algorithm>
#include <atomic>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

namespace {

QString keyText(QDate day)
{
    return day.toString(Qt::ISODate);
}

// The forms a week's first day may have been stored in, as equal keys that the index on
// StartWeekDate finds: the program's own (ISO 8601) first, then the original program's
// (month/day/year) and the usual conversion tools' (with a zero time).
QVariantList keyForms(QDate day)
{
    return {keyText(day), day.toString(QStringLiteral("MM/dd/yyyy")),
            day.toString(QStringLiteral("yyyy-MM-dd 00:00:00")),
            day.toString(QStringLiteral("yyyy-MM-ddT00:00:00"))};
}

// `columns` of the week's row: a row keyed in the program's own form comes first, then the
// oldest.
QString findWeek(const char *columns)
{
    return QStringLiteral("SELECT %1 FROM tblCalendar WHERE StartWeekDate IN (?, ?, ?, ?) "
                          "ORDER BY StartWeekDate = ? DESC, rowid LIMIT 1")
        .arg(QLatin1String(columns));
}

void bindWeek(QSqlQuery &query, QDate day)
{
    for (const QVariant &form : keyForms(day))
        query.addBindValue(form);
    query.addBindValue(keyText(day));
}

QString describe(const QSqlError &error)
{
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return text.isEmpty() ? QStringLiteral("unknown error") : text;
}

// SQLite's primary result code for an error (Qt reports the extended one where it can).
int resultCode(const QSqlError &error)
{
    return error.nativeErrorCode().toInt() & 0xff;
}

constexpr int kSqliteBusy = 5, kSqliteLocked = 6, kSqliteCorrupt = 11, kSqliteNotADatabase = 26;

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

bool CalendarConnection::fail(const QString &problem, Problem kind)
{
    m_lastError = QStringLiteral("%1 %2").arg(m_displayPath, problem);
    m_lastProblem = kind;
    return false;
}

// Says what `error` means for the user's file: held by another program, damaged, or, while
// `doing` something, failed for another reason.
bool CalendarConnection::failWith(const QSqlError &error, const QString &doing)
{
    switch (resultCode(error)) {
    case kSqliteBusy:
    case kSqliteLocked:
        return fail(QStringLiteral("is in use by another program."), Problem::InUse);
    case kSqliteCorrupt:
        return fail(QStringLiteral("is damaged (%1).").arg(describe(error)), Problem::Damaged);
    default:
        return fail(QStringLiteral("%1 (%2).").arg(doing, describe(error)));
    }
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
    m_utf8Text = WeekDataBytes(QSqlDatabase::database(m_connectionName, false)).fileIsUtf8();
    return true;
}

bool CalendarConnection::openFile(const QString &absolutePath)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    if (!db.isValid())
        return fail(QStringLiteral("cannot be opened: Qt's SQLite driver is not installed."));
    // Another program holding the file gets a few seconds to let go before a save fails.
    useExistingFile(db, absolutePath, false);
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
    // The first read of the file tells whether it is a database at all; it waits for another
    // program's lock as a save does.
    if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
        if (resultCode(query.lastError()) == kSqliteNotADatabase)
            return fail(QStringLiteral("is not an SQLite database."), Problem::NotADatabase);
        return failWith(query.lastError(), QStringLiteral("cannot be read"));
    }
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
        return failWith(query.lastError(), QStringLiteral("cannot be read"));
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
    query.prepare(findWeek("WeekData"));
    bindWeek(query, firstDay);
    if (!query.exec())
        return failWith(query.lastError(), QStringLiteral("could not be read"));
    if (query.next())
        record = query.value(0).toString(); // NULL becomes empty text
    else if (query.lastError().isValid())
        return failWith(query.lastError(), QStringLiteral("could not be read"));
    return true;
}

bool CalendarConnection::newestWeekWithTextUpTo(QDate day, QDate &week)
{
    week = {};
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    query.setForwardOnly(true);
    // The earlier program stored every week it was shown, empty or not: the newest rows may
    // hold nothing, so they are read newest first until one holds text.
    query.prepare(QStringLiteral("SELECT StartWeekDate, WeekData FROM tblCalendar WHERE "
                                 "StartWeekDate < ? ORDER BY StartWeekDate DESC"));
    query.addBindValue(keyText(day.addDays(1)));
    if (!query.exec())
        return failWith(query.lastError(), QStringLiteral("could not be read"));
    while (query.next()) {
        const QDate first = dayOfWeekKey(query.value(0).toString());
        const QStringList texts = decodeWeekRecord(query.value(1).toString());
        const bool holdsText = std::any_of(texts.begin(), texts.end(), [](const QString &text) {
            return !text.trimmed().isEmpty();
        });
        if (first.isValid() && first <= day && holdsText) {
            week = first;
            return true;
        }
    }
    if (query.lastError().isValid())
        return failWith(query.lastError(), QStringLiteral("could not be read"));
    return true;
}

bool CalendarConnection::loadWeeksBetween(QDate first, QDate last,
                                          QList<std::pair<QDate, QString>> &weeks)
{
    weeks.clear();
    // The program's own keys as a range (a time after one still sorts before the next day);
    // the other forms of each Sunday in it by name.
    QStringList others;
    QVariantList values{keyText(first), keyText(last.addDays(1))};
    for (QDate sunday = firstDayOfWeek(first); sunday <= last; sunday = sunday.addDays(7)) {
        if (sunday < first)
            continue;
        const QVariantList forms = keyForms(sunday);
        values.append(forms[1]); // month/day/year, the one that sorts elsewhere
        others.append(QStringLiteral("?"));
    }
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    query.setForwardOnly(true);
    query.prepare(
        QStringLiteral("SELECT StartWeekDate, WeekData FROM tblCalendar WHERE "
                       "(StartWeekDate >= ? AND StartWeekDate < ?)%1")
            .arg(others.isEmpty()
                     ? QString()
                     : QStringLiteral(" OR StartWeekDate IN (%1)").arg(others.join(u','))));
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec())
        return failWith(query.lastError(), QStringLiteral("could not be read"));
    while (query.next()) {
        if (const QDate day = dayOfWeekKey(query.value(0).toString()); day.isValid())
            weeks.append({day, query.value(1).toString()});
    }
    if (query.lastError().isValid())
        return failWith(query.lastError(), QStringLiteral("could not be read"));
    return true;
}

QString CalendarConnection::weekLookupPlan() const
{
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    query.prepare(QStringLiteral("EXPLAIN QUERY PLAN ") + findWeek("WeekData"));
    bindWeek(query, QDate(2026, 12, 6));
    QStringList steps;
    if (query.exec()) {
        while (query.next())
            steps.append(query.value(3).toString());
    }
    return steps.join(u'\n');
}

bool CalendarConnection::saveWeekData(QDate firstDay, const QByteArray &record)
{
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    const auto failSave = [&](const QSqlError &error) {
        db.rollback();
        return failWith(error, QStringLiteral("could not be written"));
    };
    if (!db.transaction())
        return failSave(db.lastError());

    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(findWeek("rowid")); // not the old texts: a week may hold megabytes
    bindWeek(query, firstDay);
    if (!query.exec())
        return failSave(query.lastError());

    // Bytes bound to the statement are a BLOB, which CAST turns into TEXT as they stand, in the
    // file's text encoding: a UTF-8 file takes the record without SQLite converting it from
    // UTF-16 first. A file kept in UTF-16 gets text.
    const QVariant weekData = m_utf8Text ? QVariant(record) : QVariant(QString::fromUtf8(record));
    // OR ABORT overrides whatever the file's schema says to do on a conflict: an ON CONFLICT
    // REPLACE there would delete another week's row to make room for this one. A row found under
    // another form of the day gets the program's own form.
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
    // Through a statement, not QSqlDatabase::commit(), which loses SQLite's result code: a
    // commit that another program's read holds up is "in use", like any other wait that ran out.
    if (!query.exec(QStringLiteral("COMMIT")))
        return failSave(query.lastError());
    return true;
}
