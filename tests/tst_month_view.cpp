#include "controls/colour_contrast.h"
#include "controls/month_view.h"
#include "english_texts.h"
#include "controls/month_year_chooser.h"

#include <QApplication>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <cmath>
#include <QTest>
#include <QToolTip>

using namespace Qt::StringLiterals;

class TestMonthView : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void everyDayOnViewIsHitWhereItIsDrawn_data();
    void everyDayOnViewIsHitWhereItIsDrawn();
    void pagingStopsAtTheSelectableDates_data();
    void pagingStopsAtTheSelectableDates();
    void clicksReportOnlyWholeClicksOnDays();
    void clicksOffADayOrWithAnotherButtonReportNothing_data();
    void clicksOffADayOrWithAnotherButtonReportNothing();
    void keyboardMovesAndChoosesWithoutSelecting();
    void contrastFollowsWcag_data();
    void contrastFollowsWcag();
    void contrastIsWcagsFormulaAtEveryLevel();
    void marksStandOutFromWhatIsBehindThem_data();
    void marksStandOutFromWhatIsBehindThem();
    void tooltipsSayWhatADayHolds_data();
    void tooltipsSayWhatADayHolds();
    void aMonthsNameChoosesTheMonthForItsPlace_data();
    void aMonthsNameChoosesTheMonthForItsPlace();
    void theChooserKeepsToItsRange_data();
    void theChooserKeepsToItsRange();
    void theChooserShowsEveryMonthWhole();

private:
    std::unique_ptr<MonthView> m_view;
};

void TestMonthView::init()
{
    m_view = std::make_unique<MonthView>();
    QFont font(QStringLiteral("Arial"), 9);
    font.setBold(true);
    m_view->setFont(font);
    m_view->setGeometry(0, 0, 607, 178);
}

void TestMonthView::everyDayOnViewIsHitWhereItIsDrawn_data()
{
    QTest::addColumn<QDate>("month");
    QTest::newRow("December 2026") << QDate(2026, 12, 1);
    QTest::newRow("August 2026 starts on a Saturday: six rows") << QDate(2026, 8, 1);
    QTest::newRow("February 2015 fills exactly four rows") << QDate(2015, 2, 1);
    QTest::newRow("January 1753, the first month") << QDate(1753, 1, 1);
}

void TestMonthView::everyDayOnViewIsHitWhereItIsDrawn()
{
    QFETCH(QDate, month);
    m_view->showMonth(month);
    QCOMPARE(m_view->monthCount(), 3);
    for (int i = 0; i < m_view->monthCount(); ++i) {
        const QDate first = month.addMonths(i);
        for (QDate day = first; day.month() == first.month(); day = day.addDays(1)) {
            const QRect cell = m_view->dayRect(day);
            QVERIFY2(m_view->rect().contains(cell), qPrintable(day.toString()));
            QCOMPARE(m_view->dateAt(cell.center()), day);
            if (day > first)
                QVERIFY(cell.left() > m_view->dayRect(day.addDays(-1)).left() ||
                        day.dayOfWeek() == Qt::Sunday); // rows start on Sunday
        }
    }
}

void TestMonthView::pagingStopsAtTheSelectableDates_data()
{
    QTest::addColumn<QDate>("minDate");
    QTest::addColumn<QDate>("maxDate");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QDate>("firstShown");

    const QDate first(1753, 1, 1), last(9999, 12, 31); // the control's own range
    QTest::newRow("back from the first month")
        << first << last << QDate(1753, 1, 15) << -1 << QDate(1753, 1, 1);
    QTest::newRow("forward to the end shows the last three months")
        << first << last << QDate(9999, 12, 31) << 5 << QDate(9999, 10, 1);
    QTest::newRow("an ordinary page")
        << first << last << QDate(2026, 12, 7) << 1 << QDate(2027, 1, 1);
    QTest::newRow("a range of the window's own, back")
        << QDate(2026, 3, 10) << QDate(2026, 9, 20) << QDate(2026, 4, 1) << -3 << QDate(2026, 3, 1);
    QTest::newRow("a range of the window's own, forward")
        << QDate(2026, 3, 10) << QDate(2026, 9, 20) << QDate(2026, 4, 1) << 9 << QDate(2026, 7, 1);
}

void TestMonthView::pagingStopsAtTheSelectableDates()
{
    QFETCH(QDate, minDate);
    QFETCH(QDate, maxDate);
    QFETCH(QDate, start);
    QFETCH(int, pages);
    QFETCH(QDate, firstShown);
    m_view->setDateRange(minDate, maxDate);
    m_view->showMonth(start);
    m_view->pageMonths(pages);
    QCOMPARE(m_view->firstShownMonth(), firstShown);
    // Days of its first month before the range are drawn but cannot be chosen.
    QSignalSpy clicked(m_view.get(), &MonthView::dateClicked);
    m_view->showMonth(minDate);
    for (QDate day = minDate.addDays(1 - minDate.day()); day <= minDate; day = day.addDays(1))
        QTest::mouseClick(m_view.get(), Qt::LeftButton, {}, m_view->dayRect(day).center());
    QCOMPARE(clicked.size(), 1);
}

void TestMonthView::clicksReportOnlyWholeClicksOnDays()
{
    m_view->showMonth(QDate(2026, 12, 1));
    m_view->setValue(QDate(2026, 12, 6));
    m_view->setSelStart(QDate(2026, 12, 6));
    m_view->setSelEnd(QDate(2026, 12, 12));
    QSignalSpy clicked(m_view.get(), &MonthView::dateClicked);

    QTest::mouseClick(m_view.get(), Qt::LeftButton, {},
                      m_view->dayRect(QDate(2027, 1, 1)).center());
    QCOMPARE(clicked.size(), 1);
    QCOMPARE(clicked.takeFirst().at(0).toDate(), QDate(2027, 1, 1));

    // A press on one day released on another is no click.
    QTest::mousePress(m_view.get(), Qt::LeftButton, {},
                      m_view->dayRect(QDate(2026, 12, 8)).center());
    QTest::mouseRelease(m_view.get(), Qt::LeftButton, {},
                        m_view->dayRect(QDate(2026, 12, 20)).center());
    QCOMPARE(clicked.size(), 0);

    // The arrows page the months and leave the current date and the range alone.
    QTest::mouseClick(m_view.get(), Qt::LeftButton, {}, m_view->nextArrowRect().center());
    QCOMPARE(m_view->firstShownMonth(), QDate(2027, 1, 1));
    QTest::mouseClick(m_view.get(), Qt::LeftButton, {}, m_view->previousArrowRect().center());
    QTest::mouseClick(m_view.get(), Qt::LeftButton, {}, m_view->previousArrowRect().center());
    QCOMPARE(m_view->firstShownMonth(), QDate(2026, 11, 1));
    QCOMPARE(clicked.size(), 0);
    QCOMPARE(m_view->value(), QDate(2026, 12, 6));
    QCOMPARE(m_view->selStart(), QDate(2026, 12, 6));
    QCOMPARE(m_view->selEnd(), QDate(2026, 12, 12));
}

void TestMonthView::clicksOffADayOrWithAnotherButtonReportNothing_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<Qt::MouseButton>("press");
    QTest::addColumn<Qt::MouseButton>("release");
    // Shown: December 2026 (begins on a Tuesday), January and February 2027 (ends on a Sunday).
    QTest::newRow("a blank cell before the 1st") << u"before"_s << Qt::LeftButton << Qt::LeftButton;
    QTest::newRow("a blank cell after the last day")
        << u"after"_s << Qt::LeftButton << Qt::LeftButton;
    QTest::newRow("the pixel right of Saturday") << u"strip"_s << Qt::LeftButton << Qt::LeftButton;
    QTest::newRow("the right button") << u"day"_s << Qt::RightButton << Qt::RightButton;
    QTest::newRow("the middle button") << u"day"_s << Qt::MiddleButton << Qt::MiddleButton;
    QTest::newRow("right press, left release") << u"day"_s << Qt::RightButton << Qt::LeftButton;
    QTest::newRow("left press, right release") << u"day"_s << Qt::LeftButton << Qt::RightButton;
}

void TestMonthView::clicksOffADayOrWithAnotherButtonReportNothing()
{
    QFETCH(QString, where);
    QFETCH(Qt::MouseButton, press);
    QFETCH(Qt::MouseButton, release);
    m_view->showMonth(QDate(2026, 12, 1));
    const QRect tuesday1 = m_view->dayRect(QDate(2026, 12, 1));
    const QRect sunday28 = m_view->dayRect(QDate(2027, 2, 28));
    const QRect saturday = m_view->dayRect(QDate(2026, 12, 12));
    QPoint at = m_view->dayRect(QDate(2026, 12, 9)).center();
    if (where == u"before")
        at = tuesday1.center() - QPoint(2 * tuesday1.width(), 0);
    else if (where == u"after")
        at = sunday28.center() + QPoint(sunday28.width(), 0);
    else if (where == u"strip")
        at = QPoint(saturday.right() + 1, saturday.center().y());
    QSignalSpy clicked(m_view.get(), &MonthView::dateClicked);
    QTest::mousePress(m_view.get(), press, {}, at);
    QTest::mouseRelease(m_view.get(), release, {}, at);
    QCOMPARE(clicked.size(), 0);
}

void TestMonthView::keyboardMovesAndChoosesWithoutSelecting()
{
    m_view->setValue(QDate(2026, 12, 30));
    QSignalSpy clicked(m_view.get(), &MonthView::dateClicked);

    QTest::keyClick(m_view.get(), Qt::Key_Down);     // 6 January 2027
    QTest::keyClick(m_view.get(), Qt::Key_PageDown); // pages, cursor stays
    QCOMPARE(m_view->cursorDate(), QDate(2027, 1, 6));
    QCOMPARE(m_view->value(), QDate(2026, 12, 30));
    QCOMPARE(clicked.size(), 0);

    QTest::keyClick(m_view.get(), Qt::Key_Return);
    QCOMPARE(clicked.size(), 1);
    QCOMPARE(clicked.takeFirst().at(0).toDate(), QDate(2027, 1, 6));

    // The cursor cannot leave the selectable days.
    m_view->setValue(QDate(1753, 1, 1));
    QTest::keyClick(m_view.get(), Qt::Key_Left);
    QCOMPARE(m_view->cursorDate(), QDate(1753, 1, 1));
    m_view->setValue(QDate(9999, 12, 31));
    QTest::keyClick(m_view.get(), Qt::Key_Down);
    QCOMPARE(m_view->cursorDate(), QDate(9999, 12, 31));
}

void TestMonthView::contrastFollowsWcag_data()
{
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("preferred");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<QColor>("readable"); // at 3:1

    const QColor black(Qt::black), white(Qt::white);
    QTest::newRow("black on white") << white << black << 21.0 << black;
    QTest::newRow("grey #767676 on white, WCAG's 4.5:1")
        << white << QColor(0x76, 0x76, 0x76) << 4.54 << QColor(0x76, 0x76, 0x76);
    QTest::newRow("white on a pale highlight falls back to black")
        << QColor(0x3D, 0xAE, 0xE9) << white << 2.49 << black;
    QTest::newRow("dark grey on near black falls back to white")
        << QColor(0x20, 0x20, 0x20) << QColor(0x50, 0x50, 0x50) << 2.02 << white;
    QTest::newRow("a colour on itself")
        << QColor(0x80, 0x20, 0x20) << QColor(0x80, 0x20, 0x20) << 1.0 << white;
}

void TestMonthView::contrastFollowsWcag()
{
    QFETCH(QColor, background);
    QFETCH(QColor, preferred);
    QFETCH(double, ratio);
    QFETCH(QColor, readable);
    QCOMPARE(qRound(ColourContrast::ratio(background, preferred) * 100), qRound(ratio * 100));
    QCOMPARE(ColourContrast::ratio(preferred, background),
             ColourContrast::ratio(background, preferred));
    QCOMPARE(ColourContrast::readableOn(background, preferred, 3.0), readable);
    // Reaching the least contrast is enough.
    QCOMPARE(ColourContrast::readableOn(background, preferred,
                                        ColourContrast::ratio(background, preferred)),
             preferred);
}

// The sRGB curve as WCAG writes it, with the maths library's pow(), against every grey and
// every channel level on black: the same ratio to twelve digits.
void TestMonthView::contrastIsWcagsFormulaAtEveryLevel()
{
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    for (int level = 0; level <= 255; ++level) {
        for (const QColor &colour : {QColor(level, level, level), QColor(level, 0, 0),
                                     QColor(0, level, 0), QColor(0, 0, level)}) {
            const double lum = 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
                               0.0722 * linear(colour.blueF());
            const double expected = (lum + 0.05) / 0.05;
            const double actual = ColourContrast::ratio(colour, Qt::black);
            QVERIFY2(std::abs(actual - expected) <= 1e-12 * expected,
                     qPrintable(u"%1: %2 against %3"_s.arg(colour.name()).arg(actual, 0, 'g', 17)
                                    .arg(expected, 0, 'g', 17)));
        }
    }
}

namespace {

QPalette paletteOf(QColor base, QColor text, QColor highlight, QColor highlightedText)
{
    QPalette palette;
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::HighlightedText, highlightedText);
    return palette;
}

// The side of the largest square of pixels in `area` of `marked` that differ from `plain` by a
// contrast of at least 3:1: a mark as the eye sees it against what is behind it.
int solidSquare(const QImage &marked, const QImage &plain, const QRect &area)
{
    int largest = 0;
    QList<int> previous(area.width() + 1, 0), current(area.width() + 1, 0);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const int i = x - area.left() + 1;
            const bool strong =
                ColourContrast::ratio(marked.pixelColor(x, y), plain.pixelColor(x, y)) >= 3.0;
            current[i] = strong ? 1 + std::min({previous[i], previous[i - 1], current[i - 1]}) : 0;
            largest = std::max(largest, current[i]);
        }
        std::swap(previous, current);
    }
    return largest;
}

// The bounds of the pixels in `area` where the two images differ.
QRect changed(const QImage &a, const QImage &b, const QRect &area)
{
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

QRect scaled(const QRect &logical, qreal ratio)
{
    return QRect((QRectF(logical).topLeft() * ratio).toPoint(),
                 (QSizeF(logical.size()) * ratio).toSize());
}

// Presses `keys` in the chooser as a person would, each where the keyboard is by then: a key's
// name ("Enter", "Left"), digits one by one, or "click Mar" on a month.
void press(MonthYearChooser &chooser, const QStringList &keys)
{
    for (const QString &key : keys) {
        QWidget *keyboard = QApplication::focusWidget();
        QVERIFY(keyboard && chooser.isAncestorOf(keyboard));
        if (key.startsWith(u"click ")) {
            auto *months = chooser.findChild<QTableWidget *>();
            const QList<QTableWidgetItem *> found = months->findItems(key.mid(6), Qt::MatchExactly);
            QCOMPARE(found.size(), 1);
            QTest::mouseClick(months->viewport(), Qt::LeftButton, {},
                              months->visualItemRect(found.front()).center());
        } else if (key.front().isDigit()) {
            for (const QChar digit : key)
                QTest::keyClick(QApplication::focusWidget(), digit.toLatin1());
        } else {
            QTest::keyClick(keyboard, QKeySequence::fromString(key)[0].key());
        }
    }
}

} // namespace

void TestMonthView::marksStandOutFromWhatIsBehindThem_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::addColumn<bool>("highlighted");
    QTest::addColumn<int>("width");

    const QColor white(Qt::white), black(Qt::black);
    const QList<std::pair<const char *, QPalette>> palettes{
        {"light", paletteOf(white, black, QColor(0x30, 0x8C, 0xC6), white)},
        {"dark", paletteOf(QColor(0x2A, 0x2A, 0x2A), white, QColor(0x2A, 0x82, 0xDA), white)},
        // Pale text on a pale highlight, as Breeze Dark has it.
        {"dark, highlighted text too pale",
         paletteOf(QColor(0x23, 0x26, 0x29), QColor(0xEF, 0xF0, 0xF1), QColor(0x3D, 0xAE, 0xE9),
                   white)},
        // Text nearly the colour of the cell.
        {"text too faint", paletteOf(QColor(0xE0, 0xE0, 0xE0), QColor(0xB0, 0xB0, 0xB0),
                                     QColor(0x10, 0x10, 0x60), QColor(0x30, 0x30, 0x80))},
    };
    for (const auto &[name, palette] : palettes) {
        QTest::addRow("%s", name) << palette << false << 607;
        QTest::addRow("%s, in the highlighted week", name) << palette << true << 607;
    }
    // Months 197 pixels wide leave only the four of the margin before each Sunday.
    QTest::newRow("light, with the least room before the rows")
        << palettes.front().second << true << 3 * 197;
}

void TestMonthView::marksStandOutFromWhatIsBehindThem()
{
    QFETCH(QPalette, palette);
    QFETCH(bool, highlighted);
    QFETCH(int, width);
    m_view->setPalette(palette);
    m_view->resize(width, m_view->height());
    m_view->showMonth(QDate(2026, 11, 1)); // November 2026 to January 2027
    // The week of 29 November, which reaches into December: its Wednesday holds text, and
    // its notes.
    const QDate sunday(2026, 11, 29), wednesday(2026, 12, 2);
    if (highlighted) {
        m_view->setSelStart(sunday);
        m_view->setSelEnd(sunday.addDays(6));
    }
    const QImage plain = m_view->grab().toImage();
    m_view->setMarks({{wednesday, 1}}, {});
    const QImage dayMarked = m_view->grab().toImage();
    m_view->setMarks({{wednesday, 1}}, {{sunday, 2}}); // the notes change alone
    const QImage notesMarked = m_view->grab().toImage();

    const qreal ratio = plain.devicePixelRatio();
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) // the run on a scaled screen
        QCOMPARE(ratio, qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
    const int leastSide = qCeil(4 * ratio);
    const QColor cellColour = highlighted ? palette.highlight().color() : palette.base().color();
    const auto drawnOn = [&](const QRect &mark, const QImage &markedImage, const QColor &colour) {
        for (int y = mark.top(); y <= mark.bottom(); ++y) {
            for (int x = mark.left(); x <= mark.right(); ++x) {
                if (markedImage.pixel(x, y) != plain.pixel(x, y) &&
                    plain.pixelColor(x, y) != colour)
                    return false;
            }
        }
        return true;
    };

    // The day's mark: under its number, clear of it, on the cell's colour.
    const QRect cell = scaled(m_view->dayRect(wednesday), ratio);
    const QRect dot = changed(plain, dayMarked, plain.rect());
    QVERIFY(cell.contains(dot));
    QVERIFY(drawnOn(dot, dayMarked, cellColour));
    QRect number;
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
        for (int x = cell.left(); x <= cell.right(); ++x) {
            if (plain.pixelColor(x, y) != cellColour)
                number |= QRect(x, y, 1, 1);
        }
    }
    QVERIFY(number.isValid());
    QVERIFY(number.bottom() < dot.top());
    QVERIFY(solidSquare(dayMarked, plain, dot) >= leastSide);
    // The number and its mark together in the middle of the cell, clear of the next row.
    const int above = number.top() - cell.top(), below = cell.bottom() - dot.bottom();
    QVERIFY2(below > 0 && std::abs(above - below) <= 2 * ratio,
             qPrintable(u"%1 pixels above, %2 below"_s.arg(above).arg(below)));

    // The notes' mark: before the week's row in both months, on the calendar's base.
    const int column = m_view->dayRect(wednesday).width();
    QRect bars;
    for (const QRect &sundayCell :
         {m_view->dayRect(sunday), m_view->dayRect(wednesday).translated(-3 * column, 0)}) {
        const int monthLeft =
            m_view->titleRect(sundayCell.left() / m_view->titleRect(0).width()).left();
        const QRect before = scaled(
            QRect(monthLeft, sundayCell.top(), sundayCell.left() - monthLeft, sundayCell.height()),
            ratio);
        const QRect bar = changed(dayMarked, notesMarked, before);
        QVERIFY(bar.isValid());
        QVERIFY(drawnOn(bar, notesMarked, palette.base().color()));
        QVERIFY(solidSquare(notesMarked, plain, bar) >= leastSide);
        bars |= bar;
    }
    QCOMPARE(changed(dayMarked, notesMarked, plain.rect()), bars);
}

void TestMonthView::tooltipsSayWhatADayHolds_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("says");
    // On view: October 2026 (ends on a Saturday) to December 2026.
    QTest::newRow("a day of three lines") << u"2026-12-09"_s << u"3 lines"_s;
    QTest::newRow("a day of one line") << u"2026-12-10"_s << u"1 line"_s;
    QTest::newRow("a day that holds nothing") << u"2026-12-11"_s << QString();
    QTest::newRow("a Sunday with text and notes") << u"2026-12-13"_s << u"1 line\nNotes: 1 line"_s;
    QTest::newRow("a Sunday with notes only") << u"2026-11-29"_s << u"Notes: 2 lines"_s;
    QTest::newRow("the Monday of a week with notes") << u"2026-11-30"_s << QString();
    QTest::newRow("the bar before a week with notes") << u"bar"_s << u"Notes: 2 lines"_s;
    QTest::newRow("the week's blank Sunday in the next month")
        << u"blank Sunday"_s << u"Notes: 2 lines"_s;
    QTest::newRow("blank cells after a month") << u"after"_s << QString();
    QTest::newRow("the notes of a week that starts a month")
        << u"2026-11-01"_s << u"Notes: 4 lines"_s;
    QTest::newRow("the blank row after a month that ends on a Saturday")
        << u"row after"_s << QString();
    // The edges of the room before a row and its Sunday.
    QTest::newRow("the first pixel before a row") << u"first pixel"_s << u"Notes: 2 lines"_s;
    QTest::newRow("the first pixel of its Monday") << u"Monday's first pixel"_s << QString();
    QTest::newRow("the day names over it") << u"day names"_s << QString();
    QTest::newRow("the sliver past the last month") << u"past the last"_s << QString();
}

void TestMonthView::tooltipsSayWhatADayHolds()
{
    QFETCH(QString, where);
    QFETCH(QString, says);
    m_view->showMonth(QDate(2026, 10, 1));
    // The notes of 27 December would show in January's first row, the month after the last.
    m_view->setMarks({{QDate(2026, 12, 9), 3}, {QDate(2026, 12, 10), 1}, {QDate(2026, 12, 13), 1}},
                     {{QDate(2026, 11, 1), 4},
                      {QDate(2026, 11, 29), 2},
                      {QDate(2026, 12, 13), 1},
                      {QDate(2026, 12, 27), 1}});
    // In a window with a tip of its own, which must not show over the calendar's days.
    QWidget window;
    window.setToolTip(u"the window's own"_s);
    window.resize(m_view->size());
    m_view->setParent(&window);
    const auto giveBack = qScopeGuard([this] { m_view->setParent(nullptr); });
    m_view->move(0, 0);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const QRect december2 = m_view->dayRect(QDate(2026, 12, 2));
    const QRect december31 = m_view->dayRect(QDate(2026, 12, 31));
    QPoint at;
    if (where == u"bar")
        at = QPoint(december2.left() - 3 * december2.width() - 2, december2.center().y());
    else if (where == u"blank Sunday")
        at = december2.center() - QPoint(3 * december2.width(), 0);
    else if (where == u"after")
        at = december31.center() + QPoint(december31.width(), 0);
    else if (where == u"row after") // under Sunday 25 October, where 1 November's week is not
        at = m_view->dayRect(QDate(2026, 10, 25)).center() + QPoint(0, december2.height());
    else if (where == u"first pixel")
        at = QPoint(m_view->titleRect(2).left(), december2.top());
    else if (where == u"Monday's first pixel")
        at = december2.topLeft() - QPoint(2 * december2.width(), 0);
    else if (where == u"day names")
        at = december2.topLeft() - QPoint(3 * december2.width() - 2, 2);
    else if (where == u"past the last")
        at = QPoint(m_view->width() - 1, december2.top() + 2);
    else
        at = m_view->dayRect(QDate::fromString(where, Qt::ISODate)).center();
    QRect area;
    QCOMPARE(m_view->toolTipAt(at, &area), says);
    // The tip stays up while the pointer is where the same holds, and only there.
    QCOMPARE(area.contains(at), !says.isEmpty());
    for (QDate day(2026, 10, 1); day <= QDate(2026, 12, 31); day = day.addDays(1)) {
        if (const QPoint centre = m_view->dayRect(day).center(); area.contains(centre))
            QCOMPARE(m_view->toolTipAt(centre), says);
    }

    // As the desktop asks: a tip that says it, or none, even where one was up a moment ago.
    const auto ask = [&](QPoint point) {
        QHelpEvent help(QEvent::ToolTip, point, m_view->mapToGlobal(point));
        QApplication::sendEvent(m_view.get(), &help);
    };
    ask(m_view->dayRect(QDate(2026, 12, 9)).center());
    QTRY_COMPARE(QToolTip::text(), u"3 lines"_s);
    ask(at);
    if (says.isEmpty())
        QTRY_VERIFY(!QToolTip::isVisible());
    else
        QCOMPARE(QToolTip::text(), says);
    QToolTip::hideText();
}

void TestMonthView::aMonthsNameChoosesTheMonthForItsPlace_data()
{
    QTest::addColumn<QString>("open");
    QTest::addColumn<int>("place");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QDate>("firstShown");
    QTest::addColumn<QPoint>("at"); // where the calendar is on the screen
    QTest::addColumn<QDate>("minDate");
    QTest::addColumn<QDate>("maxDate");

    // On view: November 2026 to January 2027; the keyboard's cursor in December.
    const QDate november(2026, 11, 1);
    const QDate first(1753, 1, 1), last(9999, 12, 31); // the calendar's own range
    QTest::newRow("Enter takes the month as it stands: nothing moves")
        << u"click"_s << 1 << QStringList{u"Enter"_s} << november << QPoint() << first << last;
    QTest::newRow("the next month, in the middle: arrows go on into the next year")
        << u"click"_s << 1 << QStringList{u"Right"_s, u"Enter"_s} << QDate(2026, 12, 1) << QPoint()
        << first << last;
    QTest::newRow("a row up is four months back")
        << u"click"_s << 0 << QStringList{u"Up"_s, u"Up"_s, u"Up"_s, u"Enter"_s}
        << QDate(2025, 11, 1) << QPoint() << first << last;
    QTest::newRow("a row down is four months on, at the right")
        << u"click"_s << 2 << QStringList{u"Down"_s, u"Return"_s} << QDate(2027, 3, 1) << QPoint()
        << first << last;
    QTest::newRow("a year typed on the months")
        << u"click"_s << 0 << QStringList{u"1999"_s, u"Enter"_s} << QDate(1999, 11, 1) << QPoint()
        << first << last;
    QTest::newRow("a year typed, then a month clicked")
        << u"click"_s << 0 << QStringList{u"2031"_s, u"click Mar"_s} << QDate(2031, 3, 1)
        << QPoint() << first << last;
    QTest::newRow("Escape chooses nothing")
        << u"click"_s << 0 << QStringList{u"2000"_s, u"Escape"_s} << november << QPoint() << first
        << last;
    QTest::newRow("the first month at the last place: the range's start comes first")
        << u"click"_s << 2 << QStringList{u"1753"_s, u"Enter"_s} << QDate(1753, 1, 1) << QPoint()
        << first << last;
    QTest::newRow("the last month at the first place: the range's end comes last")
        << u"click"_s << 0 << QStringList{u"9999"_s, u"Right"_s, u"Enter"_s} << QDate(9999, 10, 1)
        << QPoint() << first << last;
    QTest::newRow("with the calendar partly off the screen's bottom right it stays on the screen")
        << u"click"_s << 1 << QStringList{u"Left"_s, u"Enter"_s} << QDate(2026, 10, 1)
        << QPoint(930, 904) << first << last;
    QTest::newRow("with the calendar partly off the screen's left it stays on the screen")
        << u"click"_s << 1 << QStringList{u"Escape"_s} << november << QPoint(-300, 0) << first
        << last;
    QTest::newRow("Alt+Down opens it for the cursor's month")
        << u"Alt+Down"_s << 1 << QStringList{u"Left"_s, u"Enter"_s} << QDate(2026, 10, 1)
        << QPoint() << first << last;
    QTest::newRow("F4 with the cursor's month paged away opens it for the first month")
        << u"PgDown PgDown PgDown F4"_s << 0 << QStringList{u"Right"_s, u"Enter"_s}
        << QDate(2027, 3, 1) << QPoint() << first << last;
    QTest::newRow("F4 opens it for the cursor's month")
        << u"F4"_s << 1 << QStringList{u"2027"_s, u"Enter"_s} << QDate(2027, 11, 1) << QPoint()
        << first << last;
    QTest::newRow("a range of the window's own: the chooser offers only that")
        << u"click"_s << 2 << QStringList{u"Down"_s, u"Down"_s, u"Enter"_s} << QDate(2027, 7, 1)
        << QPoint() << QDate(2026, 3, 10) << QDate(2027, 9, 20);
}

void TestMonthView::aMonthsNameChoosesTheMonthForItsPlace()
{
    QFETCH(QString, open);
    QFETCH(int, place);
    QFETCH(QStringList, keys);
    QFETCH(QDate, firstShown);
    QFETCH(QPoint, at);
    QFETCH(QDate, minDate);
    QFETCH(QDate, maxDate);
    m_view->move(at);
    m_view->setDateRange(minDate, maxDate);
    m_view->showMonth(QDate(2026, 11, 1));
    m_view->setValue(QDate(2026, 12, 9));
    m_view->setSelStart(QDate(2026, 12, 6));
    m_view->setSelEnd(QDate(2026, 12, 12));
    m_view->show();
    QVERIFY(QTest::qWaitForWindowActive(m_view.get()));
    QSignalSpy clicked(m_view.get(), &MonthView::dateClicked);

    m_view->chooseMonth(-1); // no such places on view
    m_view->chooseMonth(m_view->monthCount());
    QVERIFY(!QApplication::activePopupWidget());
    if (open == u"click") {
        QTest::mouseClick(m_view.get(), Qt::LeftButton, {}, m_view->titleRect(place).center());
    } else {
        for (const QString &key : open.split(u' ')) {
            const QKeyCombination combination = QKeySequence::fromString(key)[0];
            QTest::keyClick(m_view.get(), combination.key(), combination.keyboardModifiers());
        }
    }
    const QDate opened = m_view->firstShownMonth();
    auto *chooser = qobject_cast<MonthYearChooser *>(QApplication::activePopupWidget());
    QVERIFY(chooser);
    QCOMPARE(chooser->month(), opened.addMonths(place));
    // Under the month's name, or as near as the screen lets it.
    const QRect screen = chooser->screen()->availableGeometry();
    QVERIFY(screen.contains(chooser->frameGeometry()));
    const QRect title(m_view->mapToGlobal(m_view->titleRect(place).topLeft()),
                      m_view->titleRect(place).size());
    QCOMPARE(chooser->pos(),
             QPoint(std::clamp(title.left(), screen.left(), screen.right() + 1 - chooser->width()),
                    std::min(title.bottom() + 1, screen.bottom() + 1 - chooser->height())));
    QCOMPARE(m_view->cursorDate(), QDate(2026, 12, 9));
    const auto *year = chooser->findChild<QSpinBox *>();
    QCOMPARE(year->minimum(), minDate.year());
    QCOMPARE(year->maximum(), maxDate.year());
    QSignalSpy paged(m_view.get(), &MonthView::pageChanged);

    press(*chooser, keys);
    if (QTest::currentTestFailed())
        return;
    QTRY_VERIFY(!chooser->isVisible());
    QCOMPARE(m_view->firstShownMonth(), firstShown);
    QCOMPARE(paged.size(), firstShown == opened ? 0 : 1);
    // Only what is on view changes: no day was clicked, the week and its day stay.
    QCOMPARE(clicked.size(), 0);
    QCOMPARE(m_view->value(), QDate(2026, 12, 9));
    QCOMPARE(m_view->selStart(), QDate(2026, 12, 6));
}

void TestMonthView::theChooserKeepsToItsRange_data()
{
    QTest::addColumn<QDate>("minDate");
    QTest::addColumn<QDate>("maxDate");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QDate>("stands");        // the month as it stands then
    QTest::addColumn<QStringList>("offered"); // the months of its year that can be chosen

    const QDate min(2026, 3, 10), max(2027, 9, 20);
    const QStringList months{u"Jan"_s, u"Feb"_s, u"Mar"_s, u"Apr"_s, u"May"_s, u"Jun"_s,
                             u"Jul"_s, u"Aug"_s, u"Sep"_s, u"Oct"_s, u"Nov"_s, u"Dec"_s};
    const QStringList from2026 = months.mid(2), to2027 = months.mid(0, 9);
    QTest::newRow("arrows stop at the range's first month")
        << min << max << QDate(2026, 5, 1) << QStringList{u"Left"_s, u"Left"_s, u"Left"_s}
        << QDate(2026, 3, 1) << from2026;
    QTest::newRow("arrows stop at the range's last month")
        << min << max << QDate(2027, 8, 1) << QStringList{u"Down"_s} << QDate(2027, 9, 1) << to2027;
    QTest::newRow("another year keeps the month")
        << min << max << QDate(2027, 5, 1) << QStringList{u"2026"_s} << QDate(2026, 5, 1)
        << from2026;
    QTest::newRow("or takes the nearest one offered there")
        << min << max << QDate(2027, 1, 1) << QStringList{u"2026"_s} << QDate(2026, 3, 1)
        << from2026;
    QTest::newRow("a year past the range is not taken")
        << min << max << QDate(2027, 5, 1) << QStringList{u"2030"_s} << QDate(2027, 5, 1) << to2027;
    QTest::newRow("a month outside the range cannot be clicked")
        << min << max << QDate(2026, 5, 1) << QStringList{u"click Feb"_s} << QDate(2026, 5, 1)
        << from2026;
    QTest::newRow("the start is brought into the range")
        << min << max << QDate(2020, 6, 15) << QStringList() << QDate(2026, 3, 1) << from2026;
    QTest::newRow("a range the wrong way round is ignored")
        << max << min << QDate(1800, 2, 1) << QStringList() << QDate(1800, 2, 1) << months;
    QTest::newRow("a range without an end is ignored")
        << min << QDate() << QDate(1800, 2, 1) << QStringList() << QDate(1800, 2, 1) << months;
    QTest::newRow("a range of one day")
        << QDate(2026, 7, 15) << QDate(2026, 7, 15) << QDate(2026, 5, 1) << QStringList()
        << QDate(2026, 7, 1) << QStringList{u"Jul"_s};
    QTest::newRow("without a month to start from, the range's first")
        << min << max << QDate() << QStringList() << QDate(2026, 3, 1) << from2026;
    QTest::newRow("a letter goes to the next month it begins")
        << min << max << QDate(2026, 5, 1) << QStringList{u"o"_s} << QDate(2026, 10, 1) << from2026;
    QTest::newRow("the same letter again goes on, round the year")
        << min << max << QDate(2027, 6, 1) << QStringList{u"j"_s, u"j"_s} << QDate(2027, 1, 1)
        << to2027;
    QTest::newRow("a letter of no month on offer leaves the month")
        << min << max << QDate(2026, 5, 1) << QStringList{u"f"_s} << QDate(2026, 5, 1) << from2026;
}

void TestMonthView::theChooserKeepsToItsRange()
{
    QFETCH(QDate, minDate);
    QFETCH(QDate, maxDate);
    QFETCH(QDate, start);
    QFETCH(QStringList, keys);
    QFETCH(QDate, stands);
    QFETCH(QStringList, offered);
    MonthYearChooser chooser;
    QSignalSpy chosen(&chooser, &MonthYearChooser::chosen);
    chooser.setRange(minDate, maxDate);
    chooser.setMonth(start);
    chooser.popup(QPoint(100, 100));
    QVERIFY(QTest::qWaitForWindowExposed(&chooser));
    press(chooser, keys);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(chooser.month(), stands);
    QStringList enabled;
    const auto *months = chooser.findChild<QTableWidget *>();
    for (int index = 0; index < 12; ++index) {
        const QTableWidgetItem *item = months->item(index / 4, index % 4);
        if (item->flags().testFlag(Qt::ItemIsEnabled))
            enabled.append(item->text());
    }
    QCOMPARE(enabled, offered);
    QVERIFY(chooser.isVisible());
    QCOMPARE(chosen.size(), 0);
}

void TestMonthView::theChooserShowsEveryMonthWhole()
{
    MonthYearChooser chooser;
    chooser.popup(QPoint(100, 100));
    QVERIFY(QTest::qWaitForWindowExposed(&chooser));
    const auto *year = chooser.findChild<QSpinBox *>();
    const auto *months = chooser.findChild<QTableWidget *>();
    // A bordered popup, the year over the months, every name whole in view without scrolling.
    QVERIFY(chooser.frameWidth() > 0);
    QVERIFY(year->geometry().bottom() < months->geometry().top());
    QVERIFY(chooser.contentsRect().contains(months->geometry()));
    QVERIFY(!months->horizontalScrollBar()->isVisible());
    QVERIFY(!months->verticalScrollBar()->isVisible());
    const QFontMetrics fm(months->font());
    for (int index = 0; index < 12; ++index) {
        const QTableWidgetItem *item = months->item(index / 4, index % 4);
        const QRect cell = months->visualItemRect(item);
        QVERIFY2(months->viewport()->rect().contains(cell), qPrintable(item->text()));
        QVERIFY(cell.width() > fm.horizontalAdvance(item->text()));
        QVERIFY(cell.height() > fm.height());
    }
    // Named for screen readers.
    QVERIFY(!chooser.accessibleName().isEmpty());
    QVERIFY(!year->accessibleName().isEmpty());
    QVERIFY(!months->accessibleName().isEmpty());
}

QTEST_MAIN(TestMonthView)
#include "tst_month_view.moc"
