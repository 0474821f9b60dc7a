#pragma once

#include <QDate>

// A week runs from a Sunday to the following Saturday and is known by its Sunday.

// The month calendar offers these days and no others.
inline const QDate kFirstSelectableDate{1753, 1, 1};
inline const QDate kLastSelectableDate{9999, 12, 31};

inline constexpr int kDaysPerWeek = 7;

// 1 = Sunday, 2 = Monday, ... 7 = Saturday: the numbering the week code counts with.
int weekdayNumber(QDate day);

// The Sunday on or before `day`. For 1 January 1753 this is 31 December 1752, a day the
// calendar itself does not offer: the week keeps its real first day all the same.
QDate firstDayOfWeek(QDate day);
