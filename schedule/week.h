#pragma once

#include <QDate>

// A week runs from a Sunday to the following Saturday and is known by its Sunday.

inline constexpr int kDaysPerWeek = 7;

// 1 = Sunday, 2 = Monday, ... 7 = Saturday: the numbering the week code counts with.
int weekdayNumber(QDate day);

// The Sunday on or before `day`: the one rule for which week a day belongs to. For 1 January
// 1753, the calendar's first day, this is 31 December 1752, a day the calendar does not offer:
// the week keeps its real first day all the same.
QDate firstDayOfWeek(QDate day);

// The day a stored week key names, in any form the store may hold it: "yyyy-MM-dd" (the
// program's own), "MM/dd/yyyy" (the original program's), either with a time after it. Invalid
// where the key names no day.
QDate dayOfWeekKey(const QString &key);
