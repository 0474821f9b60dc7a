#include "stored_weeks.h"

#include "schedule/week.h"

#include <algorithm>

StoredWeeks::StoredWeeks() = default;

StoredWeeks::~StoredWeeks()
{
    close();
}

void StoredWeeks::close()
{
    m_fetch.reset();
    m_stream.reset();
    m_db.close();
}

bool StoredWeeks::fail()
{
    m_error = m_db.errorMessage();
    return false;
}

bool StoredWeeks::open(const QString &databasePath)
{
    close();
    m_rows.clear();
    m_next = 0;
    m_lastKey.clear();
    m_error.clear();
    // One read transaction for the whole export: every week as of one moment, and the file's
    // shared lock taken once rather than for each week.
    if (!m_db.openExisting(databasePath, true) || !m_db.execute("BEGIN"))
        return fail();
    {
        Sqlite::Statement count(
            m_db, "SELECT count(*), count(StartWeekDate) FILTER (WHERE "
                  "StartWeekDate NOT GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]') "
                  "FROM tblCalendar");
        if (!count.next())
            return fail();
        m_count = qsizetype(count.integer(0));
        if (count.integer(1) == 0) {
            m_stream = std::make_unique<Sqlite::Statement>(
                m_db, "SELECT StartWeekDate, WeekData FROM tblCalendar ORDER BY "
                      "StartWeekDate, rowid");
            return m_stream->prepared() || fail();
        }
    }
    Sqlite::Statement keys(m_db, "SELECT rowid, StartWeekDate FROM tblCalendar");
    if (!readKeys(keys))
        return fail();
    m_count = qsizetype(m_rows.size());
    m_fetch = std::make_unique<Sqlite::Statement>(
        m_db, "SELECT WeekData FROM tblCalendar WHERE rowid = ?");
    return m_fetch->prepared() || fail();
}

bool StoredWeeks::readKeys(Sqlite::Statement &keys)
{
    while (keys.next()) {
        const QString key = keys.text(1);
        const QDate day = dayOfWeekKey(key);
        if (day.isValid())
            m_rows.push_back(
                {day.toJulianDay(), key != day.toString(Qt::ISODate), keys.integer(0)});
    }
    if (!keys.done())
        return false;
    std::sort(m_rows.begin(), m_rows.end(), [](const Row &a, const Row &b) {
        return std::tie(a.day, a.otherForm, a.rowid) < std::tie(b.day, b.otherForm, b.rowid);
    });
    m_rows.erase(std::unique(m_rows.begin(), m_rows.end(),
                             [](const Row &a, const Row &b) { return a.day == b.day; }),
                 m_rows.end());
    return true;
}

void StoredWeeks::takeRecord(const Sqlite::Statement &query, int column)
{
    m_record = query.utf8(column).toByteArray(); // NULL reads as empty text
    if (!m_record.isValidUtf8())
        m_record = QString::fromUtf8(m_record).toUtf8();
}

bool StoredWeeks::next(QDate &weekStart, Texts &texts)
{
    if (m_stream) {
        for (;;) {
            if (!m_stream->next())
                return m_stream->done() ? false : fail();
            const QString key = m_stream->text(0);
            if (key == m_lastKey)
                continue; // a later row of the week just given
            m_lastKey = key;
            weekStart = dayOfWeekKey(key);
            if (weekStart.isValid())
                break;
        }
        takeRecord(*m_stream, 1);
    } else {
        if (!m_fetch || m_next >= m_rows.size())
            return false;
        const Row &row = m_rows[m_next++];
        m_fetch->reset();
        m_fetch->bindInteger(row.rowid);
        if (!m_fetch->next())
            return fail();
        takeRecord(*m_fetch, 0);
        weekStart = QDate::fromJulianDay(row.day);
    }
    const QList<QByteArrayView> fields = decodeWeekRecordUtf8(m_record);
    for (int i = 0; i < kWeekFieldCount; ++i)
        texts[i] = fields.value(i);
    return true;
}
