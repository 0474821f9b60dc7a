#include "week_sheet.h"

#include "schedule/week.h"

#include <memory>
#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPageLayout>
#include <QPageRanges>
#include <QPainter>
#include <QTextLayout>
#include <vector>

namespace {

// The least margin from the paper's edge: the printer's own margins are often only what it
// cannot reach.
constexpr qreal kLeastMarginMm = 20;
constexpr qreal kMmPerInch = 25.4;

// `text` wrapped at `width` on `device`, line under line from the top.
std::unique_ptr<QTextLayout> laidOut(const QString &text, const QFont &font,
                                     QPagedPaintDevice *device, qreal width,
                                     Qt::Alignment alignment = Qt::AlignLeft)
{
    auto layout = std::make_unique<QTextLayout>(text, font, device);
    QTextOption option(alignment);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout->setTextOption(option);
    layout->beginLayout();
    qreal y = 0;
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLeadingIncluded(true);
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout->endLayout();
    return layout;
}

qreal heightOf(const QTextLayout &layout)
{
    const QTextLine last = layout.lineAt(layout.lineCount() - 1);
    return last.y() + last.height();
}

// What goes onto a page whole: the title, a heading, or one line of a text.
struct Piece
{
    int box;                   // of a line: the day or the notes it belongs to
    const QTextLayout *layout; // laid out from its top
    int line;                  // of a text; -1: the whole layout, a title or heading
    qreal gap;                 // above it, unless it starts a page
    qreal height;
    qreal top; // on its page, below the top of the text
};

// Pieces [first, end) of the sheet, under the heading of `continued` marked so, where the page
// goes on with that text.
struct Page
{
    size_t first;
    size_t end;
    int continued;
};

} // namespace

QString WeekSheet::titleOf(QDate weekStart, const QLocale &locale)
{
    return locale.toString(weekStart, QLocale::LongFormat) + QStringLiteral(" – ") +
           locale.toString(weekStart.addDays(kDaysPerWeek - 1), QLocale::LongFormat);
}

QString WeekSheet::weekOf(QDate weekStart, const QLocale &locale)
{
    return QStringLiteral("Week of ") + locale.toString(weekStart, QLocale::LongFormat);
}

QString WeekSheet::footOf(const QString &week, int page, int pageCount)
{
    return QStringLiteral("%1 · page %2 of %3").arg(week).arg(page).arg(pageCount);
}

QString WeekSheet::continuedOf(const QString &heading)
{
    return heading + QStringLiteral(" (continued)");
}

int WeekSheet::print(const QFont &font, QPagedPaintDevice *device) const
{
    // The printable rectangle in the painter's coordinates, which start at the page layout's
    // paint rectangle (the whole page in full-page mode): inside both that and the least margin.
    const QPageLayout pageLayout = device->pageLayout();
    const int dpi = device->logicalDpiY();
    const QRectF paper(pageLayout.fullRectPixels(dpi));
    const QRectF paintRect(pageLayout.paintRectPixels(dpi));
    const qreal margin = kLeastMarginMm / kMmPerInch * dpi;
    const QRectF body = QRectF(QPointF(qMax(paper.left() + margin, paintRect.left()),
                                       qMax(paper.top() + margin, paintRect.top())),
                               QPointF(qMin(paper.right() - margin, paintRect.right()),
                                       qMin(paper.bottom() - margin, paintRect.bottom())))
                            .translated(-paintRect.topLeft());
    if (body.isEmpty())
        return 0;

    QFont heading = font;
    heading.setBold(true);
    QFont titleFont = heading;
    titleFont.setPointSizeF(font.pointSizeF() * 1.5);
    const qreal lineHeight = QFontMetricsF(font, device).lineSpacing();
    const qreal width = body.width();

    std::vector<std::unique_ptr<QTextLayout>> layouts;
    std::vector<Piece> pieces;
    const auto whole = [&](const QString &text, const QFont &in, qreal gap) {
        layouts.push_back(laidOut(text, in, device, width));
        pieces.push_back({-1, layouts.back().get(), -1, gap, heightOf(*layouts.back()), 0});
    };
    whole(title, titleFont, 0);
    std::array<std::unique_ptr<QTextLayout>, kWeekFieldCount> continued;
    for (int box = 0; box < kWeekFieldCount; ++box) {
        whole(headings[box], heading, lineHeight);
        continued[box] = laidOut(continuedOf(headings[box]), heading, device, width);
        // Each line break starts a paragraph; an empty text is one empty line.
        for (const QString &paragraph : texts[box].split(u'\n')) {
            layouts.push_back(laidOut(paragraph, font, device, width));
            const QTextLayout &lines = *layouts.back();
            for (int line = 0; line < lines.lineCount(); ++line)
                pieces.push_back({box, &lines, line, 0, lines.lineAt(line).height(), 0});
        }
    }

    // The foot at the bottom, a line below the text; measured with the widest page numbers that
    // a sheet may need, so that every page has the same room for its text.
    const qreal footHeight = heightOf(*laidOut(footOf(week, 99999, 99999), font, device, width));
    const qreal textHeight = body.height() - footHeight - lineHeight;

    std::vector<Page> pages;
    for (size_t next = 0; next < pieces.size();) {
        Page page{next, next, -1};
        qreal y = 0;
        if (pieces[next].line >= 0) {
            page.continued = pieces[next].box;
            y = heightOf(*continued[page.continued]);
        }
        for (; next < pieces.size(); ++next) {
            Piece &piece = pieces[next];
            piece.top = next == page.first ? y : y + piece.gap;
            // A title or heading keeps the next piece (the first line of its text) with it.
            const qreal below = piece.line < 0 ? pieces[next + 1].height : 0;
            if (next > page.first && piece.top + piece.height + below > textHeight)
                break; // every page takes at least one piece, however small the page
            y = piece.top + piece.height;
        }
        page.end = next;
        pages.push_back(page);
    }

    const int pageCount = int(pages.size());
    const QPageRanges ranges = device->pageRanges();
    QPainter painter;
    for (int number = 1; number <= pageCount; ++number) {
        if (!ranges.isEmpty() && !ranges.contains(number))
            continue;
        if (painter.isActive()) {
            if (!device->newPage())
                return 0;
        } else if (!painter.begin(device)) {
            return 0;
        }
        painter.setPen(Qt::black);
        const Page &page = pages[number - 1];
        if (page.continued >= 0)
            continued[page.continued]->draw(&painter, body.topLeft());
        for (size_t at = page.first; at < page.end; ++at) {
            const Piece &piece = pieces[at];
            const QPointF top = body.topLeft() + QPointF(0, piece.top);
            if (piece.line < 0) {
                piece.layout->draw(&painter, top);
            } else {
                const QTextLine line = piece.layout->lineAt(piece.line);
                line.draw(&painter, top - QPointF(0, line.y()));
            }
        }
        laidOut(footOf(week, number, pageCount), font, device, width, Qt::AlignHCenter)
            ->draw(&painter, QPointF(body.left(), body.bottom() - footHeight));
    }
    return pageCount;
}
