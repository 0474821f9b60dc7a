#pragma once

#include "schedule/week_record.h"

#include <QDate>
#include <QString>

// Two versions of one week's texts brought together so that no word of either is lost: what
// this database holds (`here`) and what comes from elsewhere (`incoming`, a file being
// imported, a calendar synced). Box by box: equal texts stay; an empty side takes the other's
// text; a text already held by here, as an earlier merge of the same text left it, stays;
// otherwise here's text, a line naming where the other came from and when, and the other's
// text. Texts are compared with line breaks as the record keeps them (CR LF), and a box that
// holds only white space counts as empty. No widgets.
namespace WeekMerge {

// The line put between the two texts: "— imported from old.mdb (2026-12-07) —". Stored with
// the week, so it reads the same in any language.
QString markerLine(const QString &source, QDate day);

struct Box
{
    QString text;
    bool changed = false; // text differs from here's
};
Box mergeBox(const QString &here, const QString &incoming, const QString &markerLine);

struct Week
{
    WeekTexts texts;
    bool changed = false; // some box differs from here's
};
Week mergeWeek(const WeekTexts &here, const WeekTexts &incoming, const QString &markerLine);

// The week's texts as a stored record gives them (missing ones empty).
WeekTexts textsOf(const QString &record);
// True where no text of the week holds more than white space.
bool isBlank(const WeekTexts &texts);

} // namespace WeekMerge
