#pragma once

#include "schedule/week_record.h"

#include <array>
#include <memory>
#include <QDate>
#include <QFont>
#include <QString>

class QLocale;
class QPagedPaintDevice;
class QTextDocument;

// A week as it goes on paper: a title with its first and last day, then each day's heading over
// its whole text, and the week's notes. A text is wrapped at the page's width (inside a word
// where a word is wider than the page) and runs on over as many pages as it needs; pages carry
// their number. Black on white whatever the desktop's colours; an empty day keeps its heading.
struct WeekSheet
{
    QString title;
    std::array<QString, kWeekFieldCount> headings;
    WeekTexts texts; // LF line breaks

    // The title of the week starting at `weekStart`: its first and last day in long form.
    static QString titleOf(QDate weekStart, const QLocale &locale);

    std::unique_ptr<QTextDocument> document(const QFont &font) const;
    void print(const QFont &font, QPagedPaintDevice *device) const;
};
