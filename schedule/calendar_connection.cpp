#include "calendar_connection.h"

#include "calendar_files.h"
#include "sqlite_database.h"
#include "week.h"
#include "week_record.h"

#include <algorithm>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {

QString keyText(QDate day)
{
    return day.toString(Qt::ISODate);
}

// The forms a week's first day may have been stored in, as equal keys that the index on
// StartWeekDate finds: the program's own (ISO 8601) first, then the original program's
// (month/day/year) and the usual conversion tools' (with a zero time).
QStringList keyForms(QDate day)
{
    return {keyText(day), day.toString(QStringLiteral("MM/dd/yyyy")),
            day.toString(QStringLiteral("yyyy-MM-dd 00:00:00")),
            day.toString(QStringLiteral("yyyy-MM-ddT00:00:00"))};
}

// `columns` of the week's row: a row keyed in the program's own form comes first, then the
// oldest.
QByteArray findWeek(const char *columns)
{
    return QByteArray("SELECT ") + columns +
           " FROM tblCalendar WHERE StartWeekDate IN (?, ?, ?, ?) "
           "ORDER BY StartWeekDate = ? DESC, rowid LIMIT 1";
}

// A statement that finds a week, its five parameters bound: the forms of the day, then the
// program's own again for the order.
void bindWeek(Sqlite::Statement &statement, QDate day)
{
    for (const QString &form : keyForms(day))
        statement.bind(form);
    statement.bind(keyText(day));
}

} // namespace

CalendarConnection::CalendarConnection() = default;

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

bool CalendarConnection::failWith(const QString &doing)
{
    return failWith(m_db.errorCode(), m_db.errorMessage(), doing);
}

// Says what an error (SQLite's code, extended or not, and its message) means for the user's
// file: held by another program, damaged, or, while `doing` something, failed for another reason.
bool CalendarConnection::failWith(int code, const QString &message, const QString &doing)
{
    const QString described = message.isEmpty() ? tr("unknown error") : message;
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return fail(tr("is in use by another program."), Problem::InUse);
    case SQLITE_CORRUPT:
        return fail(tr("is damaged (%1).").arg(described), Problem::Damaged);
    default:
        return fail(QStringLiteral("%1 (%2).").arg(doing, described));
    }
}

bool CalendarConnection::open(const QString &databasePath)
{
    close();
    m_displayPath = QDir::toNativeSeparators(databasePath);

    const QFileInfo info(databasePath);
    if (!info.isFile())
        return fail(tr("does not exist."));

    if (!openFile(info.absoluteFilePath()) || !checkTable()) {
        close();
        return false;
    }
    // The folder beside the program may be a USB stick or a network share, where WAL's
    // shared memory does not work; one small write per week change can afford full syncs.
    m_db.execute("PRAGMA journal_mode=DELETE");
    m_db.execute("PRAGMA synchronous=FULL");
    return true;
}

bool CalendarConnection::openFile(const QString &absolutePath)
{
    if (!m_db.openExisting(absolutePath, false)) {
        const QString message = m_db.errorMessage();
        close();
        return fail(tr("cannot be opened (%1).").arg(message));
    }
    // Functions named in the file's schema run only where SQLite knows them to be harmless.
    m_db.execute("PRAGMA trusted_schema=OFF");
    m_db.execute("PRAGMA cell_size_check=ON");
    return true;
}

bool CalendarConnection::checkTable()
{
    // The first read of the file tells whether it is a database at all; it waits for another
    // program's lock as a save does.
    {
        Sqlite::Statement count(m_db, "SELECT count(*) FROM sqlite_master");
        if (!count.prepared() || !count.next()) {
            if (m_db.primaryErrorCode() == SQLITE_NOTADB)
                return fail(tr("is not an SQLite database."), Problem::NotADatabase);
            return failWith(tr("cannot be read"));
        }
    }
    {
        Sqlite::Statement table(m_db, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND "
                                      "name = 'tblCalendar' COLLATE NOCASE");
        if (!table.prepared() || !table.next())
            return fail(tr("has no table tblCalendar."));
    }
    {
        Sqlite::Statement columns(m_db, "SELECT StartWeekDate, WeekData FROM tblCalendar LIMIT 0");
        if (columns.prepared())
            columns.next();
        if (!columns.prepared() || !columns.done())
            return fail(
                tr(
                    "has a table tblCalendar without the columns StartWeekDate and WeekData (%1).")
                    .arg(m_db.errorMessage()));
    }
    // A trigger is code kept in the file that a save would run: it could delete weeks while
    // the save reports success. The file is left as it is for the user to look at.
    Sqlite::Statement trigger(m_db, "SELECT name FROM sqlite_master WHERE type = 'trigger' AND "
                                    "tbl_name = 'tblCalendar' COLLATE NOCASE ORDER BY name");
    if (!trigger.prepared())
        return failWith(tr("cannot be read"));
    QStringList triggers;
    while (trigger.next())
        triggers.append(trigger.text(0));
    if (!trigger.done())
        return failWith(tr("cannot be read"));
    if (!triggers.isEmpty())
        return fail(tr("has code that would run when a week is saved (the trigger "
                                   "%1 on tblCalendar). Orvanta does not run code kept in its "
                                   "database: remove the trigger with another tool.")
                        .arg(triggers.join(QStringLiteral(", "))));
    return true;
}

bool CalendarConnection::isOpen() const
{
    return m_db.isOpen();
}

void CalendarConnection::close()
{
    m_db.close();
}

bool CalendarConnection::loadWeekData(QDate firstDay, std::optional<QString> &record)
{
    record.reset();
    Sqlite::Statement week(m_db, findWeek("WeekData"));
    if (!week.prepared())
        return failWith(tr("could not be read"));
    bindWeek(week, firstDay);
    if (week.next())
        record = week.text(0); // NULL becomes empty text
    else if (!week.done())
        return failWith(tr("could not be read"));
    return true;
}

bool CalendarConnection::newestWeekWithTextUpTo(QDate day, QDate &week)
{
    week = {};
    // The earlier program stored every week it was shown, empty or not: the newest rows may
    // hold nothing, so they are read newest first until one holds text.
    Sqlite::Statement rows(m_db, "SELECT StartWeekDate, WeekData FROM tblCalendar WHERE "
                                 "StartWeekDate < ? ORDER BY StartWeekDate DESC");
    if (!rows.prepared())
        return failWith(tr("could not be read"));
    rows.bind(keyText(day.addDays(1)));
    while (rows.next()) {
        const QDate first = dayOfWeekKey(rows.text(0));
        const QStringList texts = decodeWeekRecord(rows.text(1));
        const bool holdsText = std::any_of(texts.begin(), texts.end(), [](const QString &text) {
            return !text.trimmed().isEmpty();
        });
        if (first.isValid() && first <= day && holdsText) {
            week = first;
            return true;
        }
    }
    if (!rows.done())
        return failWith(tr("could not be read"));
    return true;
}

bool CalendarConnection::loadWeeksBetween(QDate first, QDate last,
                                          QList<std::pair<QDate, QString>> &weeks)
{
    weeks.clear();
    // The program's own keys as a range (a time after one still sorts before the next day);
    // the other forms of each Sunday in it by name.
    QStringList values{keyText(first), keyText(last.addDays(1))};
    QByteArrayList others;
    for (QDate sunday = firstDayOfWeek(first); sunday <= last; sunday = sunday.addDays(7)) {
        if (sunday < first)
            continue;
        values.append(keyForms(sunday)[1]); // month/day/year, the one that sorts elsewhere
        others.append("?");
    }
    QByteArray sql = "SELECT StartWeekDate, WeekData FROM tblCalendar WHERE "
                     "(StartWeekDate >= ? AND StartWeekDate < ?)";
    if (!others.isEmpty())
        sql += " OR StartWeekDate IN (" + others.join(',') + ')';
    Sqlite::Statement rows(m_db, sql);
    if (!rows.prepared())
        return failWith(tr("could not be read"));
    for (const QString &value : std::as_const(values))
        rows.bind(value);
    while (rows.next()) {
        if (const QDate day = dayOfWeekKey(rows.text(0)); day.isValid())
            weeks.append({day, rows.text(1)});
    }
    if (!rows.done())
        return failWith(tr("could not be read"));
    return true;
}

QString CalendarConnection::weekLookupPlan() const
{
    Sqlite::Statement plan(m_db, "EXPLAIN QUERY PLAN " + findWeek("WeekData"));
    QStringList steps;
    if (plan.prepared()) {
        bindWeek(plan, QDate(2026, 12, 6));
        while (plan.next())
            steps.append(plan.text(3));
    }
    return steps.join(u'\n');
}

QString CalendarConnection::setting(const char *pragma) const
{
    Sqlite::Statement read(m_db, QByteArray("PRAGMA ") + pragma);
    return read.prepared() && read.next() ? read.text(0) : QString();
}

// The error as it stands, before the rollback can replace it.
bool CalendarConnection::failSave()
{
    const int code = m_db.errorCode();
    const QString message = m_db.errorMessage();
    m_db.execute("ROLLBACK");
    return failWith(code, message, tr("could not be written"));
}

bool CalendarConnection::saveWeekData(QDate firstDay, const QByteArray &record)
{
    if (!m_db.execute("BEGIN") || !writeWeek(firstDay, record))
        return failSave();
    // A commit that another program's read holds up is "in use", like any other wait that ran
    // out.
    if (!m_db.execute("COMMIT"))
        return failSave();
    return true;
}

bool CalendarConnection::updateWeeks(const QList<QDate> &weeks, const WeekChange &change)
{
    // IMMEDIATE: the write lock is taken before the first read, so what is read stays so.
    if (!m_db.execute("BEGIN IMMEDIATE"))
        return failSave();
    for (const QDate firstDay : weeks) {
        std::optional<QString> stored;
        if (!loadWeekData(firstDay, stored)) {
            m_db.execute("ROLLBACK");
            return false;
        }
        const std::optional<QByteArray> record = change(firstDay, stored);
        if (record && !writeWeek(firstDay, *record))
            return failSave();
    }
    if (!m_db.execute("COMMIT"))
        return failSave();
    return true;
}

bool CalendarConnection::writeWeek(QDate firstDay, const QByteArray &record)
{
    sqlite3_int64 rowId = 0;
    bool found = false;
    {
        Sqlite::Statement week(m_db,
                               findWeek("rowid")); // not the old texts: a week may hold megabytes
        if (!week.prepared())
            return false;
        bindWeek(week, firstDay);
        found = week.next();
        if (!found && !week.done())
            return false;
        if (found)
            rowId = week.integer(0);
    }
    // OR ABORT overrides whatever the file's schema says to do on a conflict: an ON CONFLICT
    // REPLACE there would delete another week's row to make room for this one. A row found under
    // another form of the day gets the program's own form.
    Sqlite::Statement write(m_db,
                            found ? "UPDATE OR ABORT tblCalendar SET StartWeekDate = ?, "
                                    "WeekData = CAST(? AS TEXT) WHERE rowid = ?"
                                  : "INSERT OR ABORT INTO tblCalendar (StartWeekDate, WeekData) "
                                    "VALUES (?, CAST(? AS TEXT))");
    if (!write.prepared())
        return false;
    write.bind(keyText(firstDay));
    write.bindUtf8Text(record);
    if (found)
        write.bindInteger(rowId);
    write.next();
    return write.done();
}
