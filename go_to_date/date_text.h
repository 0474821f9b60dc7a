#pragma once

#include <optional>
#include <QDate>
#include <QString>

class QLocale;

// A day as people type it, in their language's ways: "2003-12-25" anywhere; "25.12.2003",
// "12/25/2003" or "2003/12/25" in the order the locale writes its short dates (a two-digit year
// is the one nearest `today`); "25 December 2003", "Dec 25, 2003" or "Thursday 25 Dez 2003"
// with the locale's month names (or English ones) in full or cut short. A month and a year give
// the month's first day ("Dec 2003", "12/2003", "2003-12"), a year alone its first day, a day
// and a month without a year that day of today's year. No widgets.
namespace DateText {

std::optional<QDate> parse(const QString &text, const QLocale &locale, QDate today);

// A day as the locale writes its short dates, with the year in full, so that parse() reads it
// back as that day.
QString format(QDate day, const QLocale &locale);

} // namespace DateText
