#pragma once

#include "schedule/week_record.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>

// Weeks as iCalendar (RFC 5545): one VJOURNAL per box that holds anything, dated by its day (the
// week's notes by its Sunday), the text as its DESCRIPTION. Each entry's UID comes from its week
// and box alone, so that importing a later export updates the entries instead of adding them
// twice. Lines end in CR LF and are folded at 75 octets, never inside a character.
namespace ICalendarWeeks {

QByteArray begin();
QByteArray week(QDate weekStart, const WeekTexts &texts, const QDateTime &stamp);
QByteArray end();

// `value` as an iCalendar TEXT value: backslash, semicolon and comma escaped, each line break
// (CR LF, LF or a lone CR) as \n.
QString escaped(QStringView value);
// A content line as it goes in the file: folded, ending in CR LF.
QByteArray folded(const QByteArray &line);

} // namespace ICalendarWeeks
