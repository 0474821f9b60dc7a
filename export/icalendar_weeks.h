#pragma once

#include "schedule/week_record.h"

#include <array>
#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QDateTime>

// Weeks as iCalendar (RFC 5545): one VJOURNAL per box that holds anything, dated by its day (the
// week's notes by its Sunday), the text as its DESCRIPTION. Each entry's UID comes from its week
// and box alone, so that importing a later export updates the entries instead of adding them
// twice. Lines end in CR LF and are folded at 75 octets, never inside a character. Texts are
// UTF-8.
namespace ICalendarWeeks {

QByteArray begin();
// The DTSTAMP value of an export made at `moment`.
QByteArray stampOf(const QDateTime &moment);
// Appends the week's entries to `out`; `stamp` is stampOf the export's moment.
void appendWeek(QByteArray &out, QDate weekStart,
                const std::array<QByteArrayView, kWeekFieldCount> &texts, QByteArrayView stamp);
QByteArray end();

} // namespace ICalendarWeeks
