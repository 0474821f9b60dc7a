#pragma once

#include <QObject>

class CalendarConnection;
class MonthView;

// Marks the days on view in the calendar whose box holds text (anything but white space), so
// that a filled week stands out from an empty one; the notes mark nothing. Read again for each
// page of months, and whenever the window says the weeks changed.
class DayMarks : public QObject
{
    Q_OBJECT
public:
    DayMarks(MonthView &calendar, CalendarConnection &connection, QObject *parent = nullptr);

public slots:
    // Reads the marks again, once the event loop turns.
    void refresh();

private:
    void read();

    MonthView &m_calendar;
    CalendarConnection &m_connection;
    bool m_pending = false;
};
