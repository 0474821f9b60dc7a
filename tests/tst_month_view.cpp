#include "controls/colour_contrast.h"
#include "controls/month_view.h"

#include <QSignalSpy>
#include <QTest>

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
}

QTEST_MAIN(TestMonthView)
#include "tst_month_view.moc"
