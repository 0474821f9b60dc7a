#include "week.h"

int weekdayNumber(QDate day)
{
    // Qt counts Monday = 1 ... Sunday = 7.
    return day.dayOfWeek() % kDaysPerWeek + 1;
}

QDate firstDayOfWeek(QDate day)
{
    return day.addDays(1 - weekdayNumber(day));
}
