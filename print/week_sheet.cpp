#include "week_sheet.h"

#include "schedule/week.h"

#include <memory>
#include <optional>
#include <QCoreApplication>
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
    QPointF position;
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLeadingIncluded(true); // lines as far apart as on screen
        line.setLineWidth(width);
        line.setPosition(position);
        position.ry() += line.height();
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
    const QTextLayout *layout; // laid out from its top
    qreal height;
    qreal gap{};  // above it, unless it starts a page
    bool whole{}; // the whole layout, a title or heading, rather than one line of it
    int line{};   // of a text: which line of its layout
    int box{};    // of a text: the day or the notes it belongs to
    qreal top{};  // on its page, below the top of the text
};

// Pieces [first, end) of the sheet, under the heading of the text it goes on with, marked so.
struct Page
{
    size_t first;
    size_t end;
    std::optional<int> continued;
};

// Page `page` of `pageCount`'s foot.
QString foot(const QString &week, const QString &page, const QString &pageCount)
{
    return QCoreApplication::translate("WeekSheet", "%1 · page %2 of %3").arg(week, page, pageCount);
}

} // namespace

QString WeekSheet::titleOf(QDate weekStart, const QLocale &locale)
{
    return locale.toString(weekStart, QLocale::LongFormat) + QStringLiteral(" – ") +
           locale.toString(weekStart.addDays(kDaysPerWeek - 1), QLocale::LongFormat);
}

QString WeekSheet::weekOf(QDate weekStart, const QLocale &locale)
{
    return QCoreApplication::translate("WeekSheet", "Week of %1")
        .arg(locale.toString(weekStart, QLocale::LongFormat));
}

QString WeekSheet::footOf(const QString &week, int page, int pageCount)
{
    return foot(week, QString::number(page), QString::number(pageCount));
}

QString WeekSheet::continuedOf(const QString &heading)
{
    return QCoreApplication::translate("WeekSheet", "%1 (continued)").arg(heading);
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
    const auto whole = [&](const QString &text, const QFont &in) {
        layouts.push_back(laidOut(text, in, device, width));
        pieces.push_back({.layout = layouts.back().get(),
                          .height = heightOf(*layouts.back()),
                          .gap = lineHeight,
                          .whole = true});
    };
    whole(title, titleFont);
    std::array<std::unique_ptr<QTextLayout>, kWeekFieldCount> continued;
    for (int box = 0; box < kWeekFieldCount; ++box) {
        whole(headings[box], heading);
        continued[box] = laidOut(continuedOf(headings[box]), heading, device, width);
        // Each line break starts a paragraph; an empty text is one empty line.
        for (const QString &paragraph : texts[box].split(u'\n')) {
            layouts.push_back(laidOut(paragraph, font, device, width));
            const QTextLayout &lines = *layouts.back();
            for (int line = 0; line < lines.lineCount(); ++line)
                pieces.push_back({.layout = &lines,
                                  .height = lines.lineAt(line).height(),
                                  .line = line,
                                  .box = box});
        }
    }

    // The foot at the bottom, a line below the text; measured with the widest page numbers that
    // a sheet may need, so that every page has the same room for its text.
    const qreal footHeight = heightOf(*laidOut(
        foot(week, QStringLiteral("99999"), QStringLiteral("99999")), font, device, width));
    const qreal textHeight = body.height() - footHeight - lineHeight;

    std::vector<Page> pages;
    for (size_t next = 0; next < pieces.size();) {
        Page page{next, next, {}};
        if (!pieces[next].whole)
            page.continued = pieces[next].box;
        qreal y = page.continued ? heightOf(*continued[*page.continued]) : qreal();
        for (; next < pieces.size(); ++next) {
            Piece &piece = pieces[next];
            piece.top = next == page.first ? y : y + piece.gap;
            // A title or heading keeps the next piece (the first line of its text) with it.
            qreal bottom = piece.top + piece.height;
            if (piece.whole)
                bottom += pieces[next + 1].height;
            if (next > page.first && bottom > textHeight)
                break; // every page takes at least one piece, however small the page
            y = piece.top + piece.height;
        }
        page.end = next;
        pages.push_back(page);
    }

    // A printer's painter starts with a black pen, which the text takes: the desktop's colours
    // play no part.
    const int pageCount = int(pages.size());
    const QPageRanges ranges = device->pageRanges();
    QPainter painter;
    for (int number = 1; number <= pageCount; ++number) {
        if (!ranges.isEmpty() && !ranges.contains(number))
            continue;
        const bool ready = painter.isActive() ? device->newPage() : painter.begin(device);
        if (!ready)
            return 0;
        const Page &page = pages[number - 1];
        if (page.continued)
            continued[*page.continued]->draw(&painter, body.topLeft());
        for (size_t at = page.first; at < page.end; ++at) {
            const Piece &piece = pieces[at];
            const QPointF top(body.left(), body.top() + piece.top);
            if (piece.whole) {
                piece.layout->draw(&painter, top);
            } else {
                // A line draws where its layout put it, so from the layout's top.
                const QTextLine line = piece.layout->lineAt(piece.line);
                line.draw(&painter, QPointF(top.x(), top.y() - line.y()));
            }
        }
        laidOut(footOf(week, number, pageCount), font, device, width, Qt::AlignHCenter)
            ->draw(&painter, QPointF(body.left(), body.bottom() - footHeight));
    }
    return pageCount;
}
