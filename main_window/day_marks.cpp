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
    // Once for everything that asked in this turn of the event loop: a day click that also
    // pages the calendar, a start-up that shows its first page.
    if (m_pending)
        return;
    m_pending = true;
    QMetaObject::invokeMethod(this, &DayMarks::read, Qt::QueuedConnection);
}

void DayMarks::read()
{
    m_pending = false;
    if (!m_connection.isOpen())
        return;
    // Whole weeks around the months on view: a week that starts before them still has days
    // in them.
    const QDate first = firstDayOfWeek(m_calendar.firstShownMonth());
    const QDate last = m_calendar.lastShownDay();
    QList<std::pair<QDate, QString>> weeks;
    if (!m_connection.loadWeeksBetween(first, last, weeks))
        return; // no marks is better than a message for each page
    // A week's first row, as the window shows the week (the query gives the program's own key
    // first); another row for the same Sunday marks nothing.
    QHash<QDate, int> dayLines;
    QHash<QDate, int> notesLines;
    QSet<QDate> seen;
    for (const auto &[weekStart, record] : weeks) {
        if (seen.contains(weekStart))
            continue;
        seen.insert(weekStart);
        const std::array<int, kWeekFieldCount> lines = linesWithText(record);
        for (int day = 0; day < kNotesField; ++day) {
            if (lines[day] > 0)
                dayLines.insert(weekStart.addDays(day), lines[day]);
        }
        if (lines[kNotesField] > 0)
            notesLines.insert(weekStart, lines[kNotesField]);
    }
    m_calendar.setMarks(std::move(dayLines), std::move(notesLines));
}
