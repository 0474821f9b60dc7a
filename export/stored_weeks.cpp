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
    if (!m_connectionName.isEmpty())
        QSqlDatabase::removeDatabase(std::exchange(m_connectionName, {}));
}

bool StoredWeeks::open(const QString &databasePath)
{
    close();
    m_rows.clear();
    m_next = 0;
    static std::atomic<int> serial{0};
    m_connectionName = QStringLiteral("StoredWeeks-%1").arg(++serial);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    useExistingFile(db, databasePath, true);
    if (!db.open()) {
        m_error = db.lastError().text();
        return false;
    }
    // The keys first, a few bytes a week; the texts follow one week at a time.
    QSqlQuery keys(db);
    keys.setForwardOnly(true);
    if (!keys.exec(QStringLiteral("SELECT rowid, StartWeekDate FROM tblCalendar"))) {
        m_error = keys.lastError().text();
        return false;
    }
    while (keys.next()) {
        const QString key = keys.value(1).toString();
        const QDate day = dayOfWeekKey(key);
        if (day.isValid())
            m_rows.push_back(
                {day.toJulianDay(), key != day.toString(Qt::ISODate), keys.value(0).toLongLong()});
    }
    if (keys.lastError().isValid()) {
        m_error = keys.lastError().text();
        return false;
    }
    std::sort(m_rows.begin(), m_rows.end(), [](const Row &a, const Row &b) {
        return std::tie(a.day, a.otherForm, a.rowid) < std::tie(b.day, b.otherForm, b.rowid);
    });
    m_rows.erase(std::unique(m_rows.begin(), m_rows.end(),
                             [](const Row &a, const Row &b) { return a.day == b.day; }),
                 m_rows.end());
    m_fetch = std::make_unique<QSqlQuery>(db);
    if (!m_fetch->prepare(QStringLiteral("SELECT WeekData FROM tblCalendar WHERE rowid = ?"))) {
        m_error = m_fetch->lastError().text();
        return false;
    }
    return true;
}

bool StoredWeeks::next(QDate &weekStart, WeekTexts &texts)
{
    if (!m_fetch || m_next >= m_rows.size())
        return false;
    const Row &row = m_rows[m_next++];
    m_fetch->bindValue(0, row.rowid);
    if (!m_fetch->exec()) {
        m_error = m_fetch->lastError().text();
        return false;
    }
    // A row gone since the keys were read (the window deletes none) reads as an empty week.
    const QString record = m_fetch->next() ? m_fetch->value(0).toString() : QString();
    m_fetch->finish();
    const QStringList fields = decodeWeekRecord(record);
    for (int i = 0; i < kWeekFieldCount; ++i)
        texts[i] = fields.value(i);
    weekStart = QDate::fromJulianDay(row.day);
    return true;
}
