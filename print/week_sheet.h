#pragma once

#include "schedule/week_record.h"

#include <array>
#include <QDate>
#include <QFont>
#include <QString>

class QLocale;
class QPagedPaintDevice;

// A week as it goes on paper: a title with its first and last day, then each day's heading over
// its whole text, and the week's notes. A text is wrapped at the page's width (inside a word
// where a word is wider than the page) and runs on over as many pages as it needs; a page that
// goes on with a text starts with its heading marked "(continued)", and a heading never ends a
// page without the first line of its text. Every page's foot names the week and says "page N
// of M". Black on white whatever the desktop's colours; an empty day keeps its heading.
struct WeekSheet
{
    QString title;
    QString week; // what each page's foot calls the week
    std::array<QString, kWeekFieldCount> headings;
    WeekTexts texts; // LF line breaks

    // The title of the week starting at `weekStart`: its first and last day in long form.
    static QString titleOf(QDate weekStart, const QLocale &locale);
    // The week's name in the foot: "Week of " and its first day in long form.
    static QString weekOf(QDate weekStart, const QLocale &locale);
    // Page `page`'s foot: "Week of Sunday, 6 December 2026 · page 2 of 11".
    static QString footOf(const QString &week, int page, int pageCount);
    // A heading again at the top of a page that goes on with its text.
    static QString continuedOf(const QString &heading);

    // Paints the sheet on `device`'s pages, in `font` (its headings bold), at least 2 cm from
    // the paper's edge and within the device's margins. Where the device has page ranges (the
    // print dialog's "Pages from … to"), only those pages. Returns how many pages the whole
    // sheet has; 0 where the paper has no room inside those margins or the device could not be
    // painted on.
    int print(const QFont &font, QPagedPaintDevice *device) const;
};
