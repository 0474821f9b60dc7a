#include "week.h"

#include <QString>

int weekdayNumber(QDate day)
{
    // Qt counts Monday = 1 ... Sunday = 7.
    return day.dayOfWeek() % kDaysPerWeek + 1;
}

QDate firstDayOfWeek(QDate day)
{
    return day.addDays(1 - weekdayNumber(day));
}

QDate dayOfWeekKey(const QString &key)
{
    const QString day = key.trimmed().left(10);
    const QDate iso = QDate::fromString(day, Qt::ISODate);
    return iso.isValid() ? iso : QDate::fromString(day, QStringLiteral("MM/dd/yyyy"));
}
