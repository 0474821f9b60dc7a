#pragma once

#include "schedule/week_record.h"

#include <array>
#include <QByteArray>
#include <QByteArrayView>
#include <QDate>

// Weeks as Markdown (CommonMark) in UTF-8: a level-1 heading per week, a level-2 heading per box
// that holds anything, and the box's text so that a Markdown reader shows exactly what was
// typed. Every line break is a hard break, markup characters are escaped with a backslash, and
// what a reader would otherwise drop or read as markup (white space at a line's edges, breaks
// at the text's edges, a lone CR) is written as a character reference. Texts are UTF-8, whose
// multi-byte characters hold no ASCII byte, so that only ASCII is ever looked at.
namespace MarkdownWeeks {

// Appends the week, its eight texts in UTF-8, to `out`.
void appendWeek(QByteArray &out, QDate weekStart,
                const std::array<QByteArrayView, kWeekFieldCount> &texts);

} // namespace MarkdownWeeks
