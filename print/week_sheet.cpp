#include "week_sheet.h"

#include "schedule/week.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

QString WeekSheet::titleOf(QDate weekStart, const QLocale &locale)
{
    return locale.toString(weekStart, QLocale::LongFormat) + QStringLiteral(" – ") +
           locale.toString(weekStart.addDays(kDaysPerWeek - 1), QLocale::LongFormat);
}

std::unique_ptr<QTextDocument> WeekSheet::document(const QFont &font) const
{
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(font);
    QTextOption wrapping = document->defaultTextOption();
    wrapping.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document->setDefaultTextOption(wrapping);

    QTextCharFormat text;
    text.setFont(font);
    text.setForeground(Qt::black);
    QTextCharFormat heading = text;
    heading.setFontWeight(QFont::Bold);
    QTextCharFormat titleFormat = heading;
    titleFormat.setFontPointSize(font.pointSizeF() * 1.5);

    const qreal lineHeight = QFontMetricsF(font).lineSpacing();
    QTextBlockFormat headingBlock;
    headingBlock.setTopMargin(lineHeight);
    headingBlock.setPageBreakPolicy(QTextFormat::PageBreak_Auto);
    QTextBlockFormat textBlock;

    QTextCursor cursor(document.get());
    cursor.setBlockFormat(QTextBlockFormat());
    cursor.insertText(title, titleFormat);
    for (int box = 0; box < kWeekFieldCount; ++box) {
        cursor.insertBlock(headingBlock, heading);
        cursor.insertText(headings[box], heading);
        cursor.insertBlock(textBlock, text);
        cursor.insertText(texts[box], text); // each line break starts a paragraph of its own
    }
    return document;
}

void WeekSheet::print(const QFont &font, QPagedPaintDevice *device) const
{
    // Left without a page size, the document is laid out for the device's page with margins and
    // page numbers.
    document(font)->print(device);
}
