#pragma once

#include "schedule/week_record.h"

#include <QByteArray>
#include <QDate>

// Weeks as Markdown (CommonMark) in UTF-8: a level-1 heading per week, a level-2 heading per box
// that holds anything, and the box's text so that a Markdown reader shows exactly what was
// typed. Every line break is a hard break, markup characters are escaped with a backslash, and
// what a reader would otherwise drop or read as markup (white space at a line's edges, breaks
// at the text's edges, a lone CR) is written as a character reference.
namespace MarkdownWeeks {

QByteArray week(QDate weekStart, const WeekTexts &texts);

// A box's text as Markdown: its lines joined by hard breaks.
QString text(QStringView text);

} // namespace MarkdownWeeks
