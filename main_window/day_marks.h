#pragma once

#include <QObject>

class CalendarConnection;
class MonthView;

// Tells the calendar which days on view hold text (anything but white space) and which weeks'
// notes do, with their lines, so that a filled week stands out from an empty one. One query for
// each page of months, read again whenever the window says the weeks changed.
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
