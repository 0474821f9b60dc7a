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
