#include "day_marks.h"

#include "controls/month_view.h"
#include "schedule/calendar_connection.h"
#include "schedule/week.h"
#include "schedule/week_record.h"

DayMarks::DayMarks(MonthView &calendar, CalendarConnection &connection, QObject *parent)
    : QObject(parent), m_calendar(calendar), m_connection(connection)
{
    connect(&m_calendar, &MonthView::pageChanged, this, &DayMarks::refresh);
}

void DayMarks::refresh()
{
    if (!m_connection.isOpen())
        return;
    // Whole weeks around the months on view: a week that starts before them still has days
    // in them.
    const QDate first = firstDayOfWeek(m_calendar.firstShownMonth());
    const QDate last = m_calendar.lastShownDay();
    QList<std::pair<QDate, QString>> weeks;
    if (!m_connection.loadWeeksBetween(first, last, weeks))
        return; // no marks is better than a message for each page
    QSet<QDate> marked;
    for (const auto &[weekStart, record] : weeks) {
        const QStringList fields = decodeWeekRecord(record);
        for (qsizetype day = 0; day < fields.size() && day < kDaysPerWeek; ++day) {
            if (!fields[day].trimmed().isEmpty())
                marked.insert(weekStart.addDays(day));
        }
    }
    m_calendar.setMarkedDays(std::move(marked));
}
