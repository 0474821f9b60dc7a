#include "calendar_connection.h"

#include "calendar_files.h"
#include "week.h"
#include "week_record.h"

#include <algorithm>
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <sqlite3.h>

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

// One prepared statement, finalised when it goes; its parameters bound in order.
class Statement
{
public:
    Statement(sqlite3 *db, const QByteArray &sql)
    {
        m_code = sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &m_stmt, nullptr);
        m_prepared = m_code == SQLITE_OK;
    }
    ~Statement() { sqlite3_finalize(m_stmt); }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    bool prepared() const { return m_prepared; }
    void bind(const QString &text)
    {
        sqlite3_bind_text16(m_stmt, ++m_bound, text.utf16(), int(text.size() * sizeof(char16_t)),
                            SQLITE_TRANSIENT);
    }
    void bindBytes(const QByteArray &bytes)
    {
        sqlite3_bind_blob(m_stmt, ++m_bound, bytes.constData(), int(bytes.size()),
                          SQLITE_TRANSIENT);
    }
    void bindInteger(sqlite3_int64 value) { sqlite3_bind_int64(m_stmt, ++m_bound, value); }
    void bindWeek(QDate day)
    {
        for (const QString &form : keyForms(day))
            bind(form);
        bind(keyText(day));
    }
    // A row (true), or the end or an error (false: done() tells which).
    bool next()
    {
        m_code = sqlite3_step(m_stmt);
        return m_code == SQLITE_ROW;
    }
    bool done() const { return m_code == SQLITE_DONE || m_code == SQLITE_ROW; }
    // A column as text: a BLOB's bytes as UTF-8, NULL as empty text.
    QString text(int column) const
    {
        if (sqlite3_column_type(m_stmt, column) == SQLITE_BLOB)
            return QString::fromUtf8(static_cast<const char *>(sqlite3_column_blob(m_stmt, column)),
                                     sqlite3_column_bytes(m_stmt, column));
        const void *text = sqlite3_column_text16(m_stmt, column);
        return text ? QString::fromUtf16(static_cast<const char16_t *>(text),
                                         sqlite3_column_bytes16(m_stmt, column) / 2)
                    : QString();
    }
    sqlite3_int64 integer(int column) const { return sqlite3_column_int64(m_stmt, column); }

private:
    sqlite3_stmt *m_stmt = nullptr;
    int m_code = SQLITE_OK;
    bool m_prepared = false;
    int m_bound = 0;
};

// Runs `sql`, which returns no rows that matter.
int execute(sqlite3 *db, const char *sql)
{
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
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
    return failWith(sqlite3_extended_errcode(m_db), QString::fromUtf8(sqlite3_errmsg(m_db)), doing);
}

// Says what an error (SQLite's code, extended or not, and its message) means for the user's
// file: held by another program, damaged, or, while `doing` something, failed for another reason.
bool CalendarConnection::failWith(int code, const QString &message, const QString &doing)
{
    const QString described = message.isEmpty() ? QStringLiteral("unknown error") : message;
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return fail(QStringLiteral("is in use by another program."), Problem::InUse);
    case SQLITE_CORRUPT:
        return fail(QStringLiteral("is damaged (%1).").arg(described), Problem::Damaged);
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
        return fail(QStringLiteral("does not exist."));

    if (!openFile(info.absoluteFilePath()) || !checkTable()) {
        close();
        return false;
    }
    // The folder beside the program may be a USB stick or a network share, where WAL's
    // shared memory does not work; one small write per week change can afford full syncs.
    execute(m_db, "PRAGMA journal_mode=DELETE");
    execute(m_db, "PRAGMA synchronous=FULL");
    // A file in UTF-8, SQLite's usual encoding, takes a record's bytes as they stand.
    Statement encoding(m_db, "PRAGMA encoding");
    m_utf8Text = encoding.next() && encoding.text(0) == QLatin1String("UTF-8");
    return true;
}

bool CalendarConnection::openFile(const QString &absolutePath)
{
    const int opened = sqlite3_open_v2(existingFileUri(absolutePath, false).toUtf8().constData(),
                                       &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_URI, nullptr);
    if (opened != SQLITE_OK) {
        const QString message = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db))
                                     : QString::fromUtf8(sqlite3_errstr(opened));
        close();
        return fail(QStringLiteral("cannot be opened (%1).").arg(message));
    }
    sqlite3_extended_result_codes(m_db, 1);
    // Another program holding the file gets a few seconds to let go before a save fails.
    sqlite3_busy_timeout(m_db, 3000);
    // Functions named in the file's schema run only where SQLite knows them to be harmless.
    execute(m_db, "PRAGMA trusted_schema=OFF");
    execute(m_db, "PRAGMA cell_size_check=ON");
    return true;
}

bool CalendarConnection::checkTable()
{
    // The first read of the file tells whether it is a database at all; it waits for another
    // program's lock as a save does.
    {
        Statement count(m_db, "SELECT count(*) FROM sqlite_master");
        if (!count.prepared() || !count.next()) {
            if ((sqlite3_extended_errcode(m_db) & 0xff) == SQLITE_NOTADB)
                return fail(QStringLiteral("is not an SQLite database."), Problem::NotADatabase);
            return failWith(QStringLiteral("cannot be read"));
        }
    }
    {
        Statement table(m_db, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND "
                              "name = 'tblCalendar' COLLATE NOCASE");
        if (!table.prepared() || !table.next())
            return fail(QStringLiteral("has no table tblCalendar."));
    }
    {
        Statement columns(m_db, "SELECT StartWeekDate, WeekData FROM tblCalendar LIMIT 0");
        if (columns.prepared())
            columns.next();
        if (!columns.prepared() || !columns.done())
            return fail(
                QStringLiteral(
                    "has a table tblCalendar without the columns StartWeekDate and WeekData (%1).")
                    .arg(QString::fromUtf8(sqlite3_errmsg(m_db))));
    }
    // A trigger is code kept in the file that a save would run: it could delete weeks while
    // the save reports success. The file is left as it is for the user to look at.
    Statement trigger(m_db, "SELECT name FROM sqlite_master WHERE type = 'trigger' AND "
                            "tbl_name = 'tblCalendar' COLLATE NOCASE ORDER BY name");
    if (!trigger.prepared())
        return failWith(QStringLiteral("cannot be read"));
    QStringList triggers;
    while (trigger.next())
        triggers.append(trigger.text(0));
    if (!trigger.done())
        return failWith(QStringLiteral("cannot be read"));
    if (!triggers.isEmpty())
        return fail(QStringLiteral("has code that would run when a week is saved (the trigger "
                                   "%1 on tblCalendar). Orvanta does not run code kept in its "
                                   "database: remove the trigger with another tool.")
                        .arg(triggers.join(QStringLiteral(", "))));
    return true;
}

bool CalendarConnection::isOpen() const
{
    return m_db != nullptr;
}

void CalendarConnection::close()
{
    // Every statement is finalised where it was made; a close that still fails leaves nothing
    // to retry, so the handle goes either way.
    sqlite3_close_v2(m_db);
    m_db = nullptr;
}

bool CalendarConnection::loadWeekData(QDate firstDay, std::optional<QString> &record)
{
    record.reset();
    Statement week(m_db, findWeek("WeekData"));
    if (!week.prepared())
        return failWith(QStringLiteral("could not be read"));
    week.bindWeek(firstDay);
    if (week.next())
        record = week.text(0); // NULL becomes empty text
    else if (!week.done())
        return failWith(QStringLiteral("could not be read"));
    return true;
}

bool CalendarConnection::newestWeekWithTextUpTo(QDate day, QDate &week)
{
    week = {};
    // The earlier program stored every week it was shown, empty or not: the newest rows may
    // hold nothing, so they are read newest first until one holds text.
    Statement rows(m_db, "SELECT StartWeekDate, WeekData FROM tblCalendar WHERE "
                         "StartWeekDate < ? ORDER BY StartWeekDate DESC");
    if (!rows.prepared())
        return failWith(QStringLiteral("could not be read"));
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
        return failWith(QStringLiteral("could not be read"));
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
    Statement rows(m_db, sql);
    if (!rows.prepared())
        return failWith(QStringLiteral("could not be read"));
    for (const QString &value : std::as_const(values))
        rows.bind(value);
    while (rows.next()) {
        if (const QDate day = dayOfWeekKey(rows.text(0)); day.isValid())
            weeks.append({day, rows.text(1)});
    }
    if (!rows.done())
        return failWith(QStringLiteral("could not be read"));
    return true;
}

QString CalendarConnection::weekLookupPlan() const
{
    Statement plan(m_db, "EXPLAIN QUERY PLAN " + findWeek("WeekData"));
    QStringList steps;
    if (plan.prepared()) {
        plan.bindWeek(QDate(2026, 12, 6));
        while (plan.next())
            steps.append(plan.text(3));
    }
    return steps.join(u'\n');
}

QString CalendarConnection::setting(const char *pragma) const
{
    Statement read(m_db, QByteArray("PRAGMA ") + pragma);
    return read.prepared() && read.next() ? read.text(0) : QString();
}

bool CalendarConnection::saveWeekData(QDate firstDay, const QByteArray &record)
{
    // The error as it stands, before the rollback can replace it.
    const auto failSave = [this] {
        const int code = sqlite3_extended_errcode(m_db);
        const QString message = QString::fromUtf8(sqlite3_errmsg(m_db));
        execute(m_db, "ROLLBACK");
        return failWith(code, message, QStringLiteral("could not be written"));
    };
    if (execute(m_db, "BEGIN") != SQLITE_OK)
        return failSave();

    sqlite3_int64 rowId = 0;
    bool found = false;
    {
        Statement week(m_db, findWeek("rowid")); // not the old texts: a week may hold megabytes
        if (!week.prepared())
            return failSave();
        week.bindWeek(firstDay);
        found = week.next();
        if (!found && !week.done())
            return failSave();
        if (found)
            rowId = week.integer(0);
    }
    // OR ABORT overrides whatever the file's schema says to do on a conflict: an ON CONFLICT
    // REPLACE there would delete another week's row to make room for this one. A row found under
    // another form of the day gets the program's own form.
    Statement write(m_db, found ? "UPDATE OR ABORT tblCalendar SET StartWeekDate = ?, "
                                  "WeekData = CAST(? AS TEXT) WHERE rowid = ?"
                                : "INSERT OR ABORT INTO tblCalendar (StartWeekDate, WeekData) "
                                  "VALUES (?, CAST(? AS TEXT))");
    if (!write.prepared())
        return failSave();
    write.bind(keyText(firstDay));
    // Bytes bound to the statement are a BLOB, which CAST turns into TEXT as they stand, in the
    // file's text encoding: a UTF-8 file takes the record without SQLite converting it from
    // UTF-16 first. A file kept in UTF-16 gets text.
    if (m_utf8Text)
        write.bindBytes(record);
    else
        write.bind(QString::fromUtf8(record));
    if (found)
        write.bindInteger(rowId);
    write.next();
    if (!write.done())
        return failSave();
    // A commit that another program's read holds up is "in use", like any other wait that ran
    // out.
    if (execute(m_db, "COMMIT") != SQLITE_OK)
        return failSave();
    return true;
}
