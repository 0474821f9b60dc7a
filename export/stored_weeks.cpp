#include "stored_weeks.h"

#include "schedule/calendar_files.h"
#include "schedule/week.h"

#include <algorithm>
#include <atomic>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

StoredWeeks::StoredWeeks() = default;

StoredWeeks::~StoredWeeks()
{
    close();
}

void StoredWeeks::close()
{
    m_fetch.reset();
    m_stream.reset();
    if (!m_connectionName.isEmpty())
        QSqlDatabase::removeDatabase(std::exchange(m_connectionName, {}));
}

bool StoredWeeks::fail(const QSqlQuery &query)
{
    m_error = query.lastError().text();
    return false;
}

bool StoredWeeks::open(const QString &databasePath)
{
    close();
    m_rows.clear();
    m_next = 0;
    m_lastKey.clear();
    m_error.clear();
    static std::atomic<int> serial{0};
    m_connectionName = QStringLiteral("StoredWeeks-%1").arg(++serial);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    useExistingFile(db, databasePath, true);
    // One read transaction for the whole export: every week as of one moment, and the file's
    // shared lock taken once rather than for each week.
    if (!db.open() || !db.transaction()) {
        m_error = db.lastError().text();
        return false;
    }
    QSqlQuery query(db);
    query.setForwardOnly(true);
    m_weekData.emplace(db);
    const QString record = m_weekData->column();

    if (!query.exec(
            QStringLiteral("SELECT count(*), count(StartWeekDate) FILTER (WHERE "
                           "StartWeekDate NOT GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]') "
                           "FROM tblCalendar")) ||
        !query.next())
        return fail(query);
    m_count = query.value(0).toLongLong();
    if (query.value(1).toLongLong() == 0) {
        query.finish();
        m_stream = std::make_unique<QSqlQuery>(db);
        m_stream->setForwardOnly(true);
        if (!m_stream->exec(QStringLiteral("SELECT StartWeekDate, %1 FROM tblCalendar ORDER BY "
                                           "StartWeekDate, rowid")
                                .arg(record)))
            return fail(*m_stream);
        return true;
    }
    if (!query.exec(QStringLiteral("SELECT rowid, StartWeekDate FROM tblCalendar")) ||
        !readKeys(query))
        return fail(query);
    m_count = qsizetype(m_rows.size());
    m_fetch = std::make_unique<QSqlQuery>(db);
    if (!m_fetch->prepare(QStringLiteral("SELECT %1 FROM tblCalendar WHERE rowid = ?").arg(record)))
        return fail(*m_fetch);
    return true;
}

bool StoredWeeks::readKeys(QSqlQuery &keys)
{
    while (keys.next()) {
        const QString key = keys.value(1).toString();
        const QDate day = dayOfWeekKey(key);
        if (day.isValid())
            m_rows.push_back(
                {day.toJulianDay(), key != day.toString(Qt::ISODate), keys.value(0).toLongLong()});
    }
    if (keys.lastError().isValid())
        return false;
    std::sort(m_rows.begin(), m_rows.end(), [](const Row &a, const Row &b) {
        return std::tie(a.day, a.otherForm, a.rowid) < std::tie(b.day, b.otherForm, b.rowid);
    });
    m_rows.erase(std::unique(m_rows.begin(), m_rows.end(),
                             [](const Row &a, const Row &b) { return a.day == b.day; }),
                 m_rows.end());
    return true;
}

void StoredWeeks::takeRecord(const QSqlQuery &query, int column)
{
    const QVariant value = query.value(column); // NULL reads as empty text
    m_record = m_weekData->utf8(value);
    if (!m_record.isValidUtf8())
        m_record = QString::fromUtf8(m_record).toUtf8();
}

bool StoredWeeks::next(QDate &weekStart, Texts &texts)
{
    if (m_stream) {
        for (;;) {
            if (!m_stream->next())
                return m_stream->lastError().isValid() ? fail(*m_stream) : false;
            const QString key = m_stream->value(0).toString();
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
        m_fetch->bindValue(0, row.rowid);
        if (!m_fetch->exec() || !m_fetch->next())
            return fail(*m_fetch);
        takeRecord(*m_fetch, 0);
        m_fetch->finish();
        weekStart = QDate::fromJulianDay(row.day);
    }
    const QList<QByteArrayView> fields = decodeWeekRecordUtf8(m_record);
    for (int i = 0; i < kWeekFieldCount; ++i)
        texts[i] = fields.value(i);
    return true;
}
