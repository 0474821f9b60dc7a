#include "controls/month_view.h"
#include "controls/month_view_accessible.h"

#include <QAccessible>
#include <QApplication>
#include <QLocale>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// What the calendar told assistive technology: each event's type and the name of what it was
// about, read as it arrived (a cell may be gone by the time the test looks).
struct Heard
{
    QAccessible::Event type;
    QAccessible::Role role;
    QString name;
};
QList<Heard> heard;

void record(QAccessibleEvent *event)
{
    QAccessibleInterface *iface = event->accessibleInterface();
    heard.append({event->type(), iface ? iface->role() : QAccessible::NoRole,
                  iface ? iface->text(QAccessible::Name) : QString()});
}

QString longDate(QDate day)
{
    return QLocale().toString(day, QLocale::LongFormat);
}

QDate iso(const QString &text)
{
    return QDate::fromString(text, Qt::ISODate);
}

} // namespace

class TestMonthViewAccessible : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void aTableForEachMonthACellForEachDay_data();
    void aTableForEachMonthACellForEachDay();
    void theHighlightedRangeIsSelected_data();
    void theHighlightedRangeIsSelected();
    void descriptionsSayWhatADayHolds_data();
    void descriptionsSayWhatADayHolds();
    void daysOutsideTheRangeAreUnavailable_data();
    void daysOutsideTheRangeAreUnavailable();
    void theCursorsDayIsTheFocusedCell_data();
    void theCursorsDayIsTheFocusedCell();
    void pagingRenamesTheTablesAndMakesCellsAnew_data();
    void pagingRenamesTheTablesAndMakesCellsAnew();
    void aPointFindsItsMonth_data();
    void aPointFindsItsMonth();
    void onlyTheCursorsMonthHasAFocusedCell();

private:
    QAccessibleInterface *calendar() const;
    QAccessibleInterface *cellOf(QDate day) const;
    QList<Heard> heardOf(QAccessible::Event type) const;

    std::unique_ptr<QWidget> m_window;
    MonthView *m_view = nullptr;
};

void TestMonthViewAccessible::initTestCase()
{
    MonthViewAccessible::setListener(record);
    QCOMPARE(QLocale().toString(QDate(2026, 12, 6), QLocale::LongFormat),
             u"Sunday, 6 December 2026"_s);
}

void TestMonthViewAccessible::init()
{
    m_window = std::make_unique<QWidget>();
    m_window->resize(640, 200);
    m_view = new MonthView(m_window.get());
    QFont font(u"Arial"_s, 9);
    font.setBold(true);
    m_view->setFont(font);
    m_view->setGeometry(0, 0, 607, 178);
    m_view->setToday(QDate(2026, 12, 9));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QCOMPARE(m_view->monthCount(), 3);
    heard.clear();
}

void TestMonthViewAccessible::cleanup()
{
    m_window.reset();
}

QAccessibleInterface *TestMonthViewAccessible::calendar() const
{
    return QAccessible::queryAccessibleInterface(m_view);
}

// The cell of a day, found as a reader would: the table named by its month, the cell at its
// row and column there.
QAccessibleInterface *TestMonthViewAccessible::cellOf(QDate day) const
{
    const QString month =
        QLocale().standaloneMonthName(day.month()) + u' ' + QString::number(day.year());
    for (int i = 0; i < calendar()->childCount(); ++i) {
        QAccessibleInterface *table = calendar()->child(i);
        if (table->text(QAccessible::Name) != month)
            continue;
        for (int row = 0; row < table->tableInterface()->rowCount(); ++row) {
            for (int column = 0; column < 7; ++column) {
                QAccessibleInterface *cell = table->tableInterface()->cellAt(row, column);
                if (cell->text(QAccessible::Name) == longDate(day))
                    return cell;
            }
        }
    }
    return nullptr;
}

QList<Heard> TestMonthViewAccessible::heardOf(QAccessible::Event type) const
{
    QList<Heard> events;
    for (const Heard &event : std::as_const(heard)) {
        if (event.type == type)
            events.append(event);
    }
    return events;
}

void TestMonthViewAccessible::aTableForEachMonthACellForEachDay_data()
{
    QTest::addColumn<QDate>("month");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<QList<int>>("firstColumns");
    QTest::newRow("December 2026 starts on a Tuesday")
        << QDate(2026, 12, 1)
        << QStringList{u"December 2026"_s, u"January 2027"_s, u"February 2027"_s}
        << QList<int>{5, 6, 5} << QList<int>{2, 5, 1};
    QTest::newRow("August 2026 starts on a Saturday: six rows")
        << QDate(2026, 8, 1)
        << QStringList{u"August 2026"_s, u"September 2026"_s, u"October 2026"_s}
        << QList<int>{6, 5, 5} << QList<int>{6, 2, 4};
    QTest::newRow("February 2015 fills exactly four rows")
        << QDate(2015, 2, 1) << QStringList{u"February 2015"_s, u"March 2015"_s, u"April 2015"_s}
        << QList<int>{4, 5, 5} << QList<int>{0, 0, 3};
}

void TestMonthViewAccessible::aTableForEachMonthACellForEachDay()
{
    QFETCH(QDate, month);
    QFETCH(QStringList, names);
    QFETCH(QList<int>, rows);
    QFETCH(QList<int>, firstColumns);
    m_view->showMonth(month);
    QAccessibleInterface *view = calendar();
    QVERIFY(view);
    QCOMPARE(view->role(), QAccessible::Pane);
    QCOMPARE(view->childCount(), names.size());
    for (int i = 0; i < names.size(); ++i) {
        QAccessibleInterface *table = view->child(i);
        QCOMPARE(table->role(), QAccessible::Table);
        QCOMPARE(table->text(QAccessible::Name), names.at(i));
        QCOMPARE(table->parent(), view);
        QCOMPARE(view->indexOfChild(table), i);
        QAccessibleTableInterface *grid = table->tableInterface();
        QVERIFY(grid);
        QCOMPARE(grid->columnCount(), 7);
        QCOMPARE(grid->rowCount(), rows.at(i));
        QCOMPARE(table->childCount(), 7 * rows.at(i));
        QCOMPARE(grid->columnDescription(0), u"Sunday"_s);
        QCOMPARE(grid->columnDescription(6), u"Saturday"_s);

        // Every place of the grid has a cell (AT-SPI asks for each); the days are named by
        // their dates, in the column of their weekday, one after the other.
        const QDate first = month.addMonths(i);
        for (int row = 0; row < grid->rowCount(); ++row) {
            for (int column = 0; column < 7; ++column) {
                QAccessibleInterface *cell = grid->cellAt(row, column);
                QVERIFY(cell);
                QCOMPARE(cell->role(), QAccessible::Cell);
                QCOMPARE(cell->parent(), table);
                QCOMPARE(cell->tableCellInterface()->rowIndex(), row);
                QCOMPARE(cell->tableCellInterface()->columnIndex(), column);
                QCOMPARE(table->indexOfChild(cell), row * 7 + column);
                QCOMPARE(table->child(row * 7 + column), cell);
                const int number = row * 7 + column - firstColumns.at(i) + 1;
                const bool blank = number < 1 || number > first.daysInMonth();
                QCOMPARE(cell->text(QAccessible::Name),
                         blank ? QString() : longDate(first.addDays(number - 1)));
                QCOMPARE(cell->state().invisible, blank);
                if (!blank)
                    QVERIFY(
                        cell->text(QAccessible::Name).startsWith(grid->columnDescription(column)));
            }
        }
        QVERIFY(!grid->cellAt(rows.at(i), 0));
        QVERIFY(!grid->cellAt(0, 7));
    }
}

void TestMonthViewAccessible::theHighlightedRangeIsSelected_data()
{
    QTest::addColumn<QDate>("selStart");
    QTest::addColumn<QDate>("selEnd");
    QTest::addColumn<QList<int>>("selectedInEachTable");
    // On view: December 2026 to February 2027.
    QTest::newRow("a week inside a month")
        << QDate(2026, 12, 6) << QDate(2026, 12, 12) << QList<int>{7, 0, 0};
    QTest::newRow("a week across two months")
        << QDate(2026, 12, 27) << QDate(2027, 1, 2) << QList<int>{5, 2, 0};
    QTest::newRow("one day") << QDate(2027, 2, 14) << QDate(2027, 2, 14) << QList<int>{0, 0, 1};
    QTest::newRow("a week before the months on view")
        << QDate(2026, 11, 22) << QDate(2026, 11, 28) << QList<int>{0, 0, 0};
}

void TestMonthViewAccessible::theHighlightedRangeIsSelected()
{
    QFETCH(QDate, selStart);
    QFETCH(QDate, selEnd);
    QFETCH(QList<int>, selectedInEachTable);
    m_view->showMonth(QDate(2026, 12, 1));
    m_view->setSelStart(selStart);
    m_view->setSelEnd(selEnd);
    for (int i = 0; i < 3; ++i) {
        QAccessibleTableInterface *grid = calendar()->child(i)->tableInterface();
        QCOMPARE(grid->selectedCellCount(), selectedInEachTable.at(i));
        for (QAccessibleInterface *cell : grid->selectedCells()) {
            const QDate day = QLocale().toDate(cell->text(QAccessible::Name), QLocale::LongFormat);
            QVERIFY2(day >= selStart && day <= selEnd, qPrintable(day.toString()));
        }
    }
    // Its ends and the days just outside them.
    for (QDate day = selStart.addDays(-1); day <= selEnd.addDays(1); day = day.addDays(1)) {
        QAccessibleInterface *cell = cellOf(day);
        if (!cell)
            continue; // not on view
        const bool inRange = day >= selStart && day <= selEnd;
        QCOMPARE(cell->state().selected, inRange);
        QCOMPARE(cell->tableCellInterface()->isSelected(), inRange);
        QVERIFY(cell->state().selectable);
    }
}

void TestMonthViewAccessible::descriptionsSayWhatADayHolds_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("says");
    // Today is 9 December 2026; on view December 2026 to February 2027.
    QTest::newRow("today") << u"2026-12-09"_s << u"today"_s;
    QTest::newRow("a day with text") << u"2026-12-10"_s << u"has text"_s;
    QTest::newRow("today with text, today moved there")
        << u"2026-12-10 today"_s << u"today, has text"_s;
    QTest::newRow("an empty day") << u"2026-12-11"_s << QString();
    QTest::newRow("a Sunday whose week's notes hold text")
        << u"2026-12-13"_s << u"the week's notes have text"_s;
    QTest::newRow("the Monday of that week") << u"2026-12-14"_s << QString();
    QTest::newRow("the 1st, first of its row, whose week started in the month before")
        << u"2027-01-01"_s << u"the week's notes have text"_s;
    QTest::newRow("the Sunday of that week, in the month before")
        << u"2026-12-27"_s << u"has text, the week's notes have text"_s;
}

void TestMonthViewAccessible::descriptionsSayWhatADayHolds()
{
    QFETCH(QString, day);
    QFETCH(QString, says);
    m_view->showMonth(QDate(2026, 12, 1));
    if (day.endsWith(u" today")) {
        day.chop(6);
        m_view->setToday(iso(day));
    }
    m_view->setMarks({{QDate(2026, 12, 10), 2}, {QDate(2026, 12, 27), 1}},
                     {{QDate(2026, 12, 13), 3}, {QDate(2026, 12, 27), 1}});
    QAccessibleInterface *cell = cellOf(iso(day));
    QVERIFY(cell);
    QCOMPARE(cell->text(QAccessible::Description), says);
}

void TestMonthViewAccessible::daysOutsideTheRangeAreUnavailable_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<bool>("available");
    // The range: 10 December 2026 to 20 February 2027.
    QTest::newRow("the day before the first") << u"2026-12-09"_s << false;
    QTest::newRow("the first") << u"2026-12-10"_s << true;
    QTest::newRow("the last") << u"2027-02-20"_s << true;
    QTest::newRow("the day after the last") << u"2027-02-21"_s << false;
}

void TestMonthViewAccessible::daysOutsideTheRangeAreUnavailable()
{
    QFETCH(QString, day);
    QFETCH(bool, available);
    m_view->setDateRange(QDate(2026, 12, 10), QDate(2027, 2, 20));
    m_view->showMonth(QDate(2026, 12, 1));
    QAccessibleInterface *cell = cellOf(iso(day));
    QVERIFY(cell);
    QCOMPARE(cell->state().disabled, !available);
    QCOMPARE(cell->state().focusable, available);
}

void TestMonthViewAccessible::theCursorsDayIsTheFocusedCell_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("place"); // of its month on view
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("to");
    // Today is 9 December 2026.
    QTest::newRow("taking the focus") << u"2026-12-30"_s << 0 << 0 << u"2026-12-30"_s;
    QTest::newRow("Right") << u"2026-12-30"_s << 0 << int(Qt::Key_Right) << u"2026-12-31"_s;
    QTest::newRow("Right into the next month, which pages")
        << u"2026-12-31"_s << 2 << int(Qt::Key_Right) << u"2027-01-01"_s;
    QTest::newRow("Left") << u"2026-12-30"_s << 0 << int(Qt::Key_Left) << u"2026-12-29"_s;
    QTest::newRow("Down") << u"2026-12-30"_s << 0 << int(Qt::Key_Down) << u"2027-01-06"_s;
    QTest::newRow("Up") << u"2026-12-30"_s << 0 << int(Qt::Key_Up) << u"2026-12-23"_s;
    QTest::newRow("Home goes to today")
        << u"2026-12-30"_s << 0 << int(Qt::Key_Home) << u"2026-12-09"_s;
    QTest::newRow("Down past the months on view, which pages")
        << u"2027-02-25"_s << 2 << int(Qt::Key_Down) << u"2027-03-04"_s;
    QTest::newRow("PageDown: the cursor shows on the same day of a month on view")
        << u"2026-12-30"_s << 0 << int(Qt::Key_PageDown) << u"2027-01-30"_s;
    QTest::newRow("PageUp, from the 31st of the last month on view")
        << u"2027-03-31"_s << 2 << int(Qt::Key_PageUp) << u"2027-02-28"_s;
    QTest::newRow("PageDown, the cursor still on view, stays")
        << u"2027-01-15"_s << 1 << int(Qt::Key_PageDown) << u"2027-01-15"_s;
}

void TestMonthViewAccessible::theCursorsDayIsTheFocusedCell()
{
    QFETCH(QString, from);
    QFETCH(int, place);
    QFETCH(int, key);
    QFETCH(QString, to);
    m_view->setValue(iso(from));
    m_view->showMonth(iso(from).addMonths(-place));
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    heard.clear();
    m_view->setFocus(Qt::TabFocusReason);
    QVERIFY(m_view->hasFocus());
    // Taking the focus tells of the cursor's cell once Qt has told of the calendar's.
    QTRY_COMPARE(heardOf(QAccessible::Focus).size(), 1);
    QCOMPARE(heardOf(QAccessible::Focus).constLast().name, longDate(iso(from)));
    if (key != 0) {
        heard.clear();
        QTest::keyClick(m_view, Qt::Key(key));
        QCOMPARE(heardOf(QAccessible::Focus).size(), 1);
    }
    QCOMPARE(m_view->cursorShown(), iso(to));
    const Heard focus = heardOf(QAccessible::Focus).constLast();
    QCOMPARE(focus.role, QAccessible::Cell);
    QCOMPARE(focus.name, longDate(iso(to)));

    QAccessibleInterface *cell = cellOf(iso(to));
    QVERIFY2(cell, "the cursor's day is on view, where its frame is drawn");
    QVERIFY(cell->state().focused);
    QCOMPARE(calendar()->focusChild(), cell);
    for (const QDate next : {iso(to).addDays(-1), iso(to).addDays(1)}) {
        if (QAccessibleInterface *other = cellOf(next))
            QVERIFY(!other->state().focused);
    }

    // Without the focus no cell has it.
    m_view->clearFocus();
    QVERIFY(!cell->state().focused);
}

void TestMonthViewAccessible::pagingRenamesTheTablesAndMakesCellsAnew_data()
{
    QTest::addColumn<int>("pages");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("forward") << 1
                             << QStringList{u"January 2027"_s, u"February 2027"_s, u"March 2027"_s};
    QTest::newRow("back") << -1
                          << QStringList{u"November 2026"_s, u"December 2026"_s, u"January 2027"_s};
    QTest::newRow("a year") << 12
                            << QStringList{u"December 2027"_s, u"January 2028"_s,
                                           u"February 2028"_s};
    QTest::newRow("not past the last month")
        << 0 << QStringList{u"October 9999"_s, u"November 9999"_s, u"December 9999"_s};
}

void TestMonthViewAccessible::pagingRenamesTheTablesAndMakesCellsAnew()
{
    QFETCH(int, pages);
    QFETCH(QStringList, names);
    const bool atTheEnd = names.last() == u"December 9999";
    m_view->showMonth(atTheEnd ? QDate(9999, 10, 1) : QDate(2026, 12, 1));
    QAccessibleInterface *view = calendar();
    QList<QAccessibleInterface *> tables;
    for (int i = 0; i < view->childCount(); ++i)
        tables.append(view->child(i));
    QAccessibleInterface *oldCell = tables.first()->tableInterface()->cellAt(1, 1);
    const QAccessible::Id oldId = QAccessible::uniqueId(oldCell);
    const QString oldName = oldCell->text(QAccessible::Name);
    heard.clear();

    m_view->pageMonths(atTheEnd ? 1 : pages);
    QCOMPARE(view->childCount(), 3);
    QStringList now;
    for (int i = 0; i < view->childCount(); ++i)
        now.append(view->child(i)->text(QAccessible::Name));
    QCOMPARE(now, names);

    // A reader hears each table's new name; cells of the months that went are gone, not left
    // to name days no longer there.
    QStringList renamed;
    for (const Heard &event : heardOf(QAccessible::NameChanged))
        renamed.append(event.name);
    QCOMPARE(renamed, atTheEnd ? QStringList() : names);
    QCOMPARE(heardOf(QAccessible::TableModelChanged).size(), atTheEnd ? 0 : 3);
    QAccessibleInterface *newCell = view->child(0)->tableInterface()->cellAt(1, 1);
    if (atTheEnd) {
        QCOMPARE(QAccessible::accessibleInterface(oldId), oldCell);
    } else {
        QVERIFY(!QAccessible::accessibleInterface(oldId));
        QVERIFY(newCell->text(QAccessible::Name) != oldName);
    }
    QCOMPARE(newCell->parent(), view->child(0));
}

void TestMonthViewAccessible::aPointFindsItsMonth_data()
{
    QTest::addColumn<QString>("where"); // "title" or "day" of a month, or "outside"
    QTest::addColumn<int>("month");     // its index on view; -1: none
    for (int month = 0; month < 3; ++month) {
        QTest::addRow("the title of month %d", month) << u"title"_s << month;
        QTest::addRow("the 15th of month %d", month) << u"day"_s << month;
    }
    QTest::newRow("beside the calendar") << u"outside"_s << -1;
}

// What a reader's pointer review finds under the mouse.
void TestMonthViewAccessible::aPointFindsItsMonth()
{
    QFETCH(QString, where);
    QFETCH(int, month);
    QPoint at(m_view->width() + 10, 10);
    if (where == "title"_L1)
        at = m_view->titleRect(month).center();
    else if (where == "day"_L1)
        at = m_view->dayRect(m_view->firstShownMonth().addMonths(month).addDays(14)).center();
    const QPoint global = m_view->mapToGlobal(at);
    QAccessibleInterface *found = calendar()->childAt(global.x(), global.y());
    QCOMPARE(found, month < 0 ? nullptr : calendar()->child(month));
}

void TestMonthViewAccessible::onlyTheCursorsMonthHasAFocusedCell()
{
    m_view->setValue(QDate(2026, 12, 9));
    m_view->setFocus();
    QTRY_VERIFY(m_view->hasFocus());
    const QDate cursor = m_view->cursorShown();
    for (int i = 0; i < calendar()->childCount(); ++i) {
        QAccessibleInterface *table = calendar()->child(i);
        const bool cursorsMonth = table->text(QAccessible::Name) ==
                                  QLocale().standaloneMonthName(cursor.month()) + u' ' +
                                      QString::number(cursor.year());
        QCOMPARE(table->focusChild(), cursorsMonth ? cellOf(cursor) : nullptr);
    }
    m_view->clearFocus();
    for (int i = 0; i < calendar()->childCount(); ++i)
        QCOMPARE(calendar()->child(i)->focusChild(), nullptr);
}

QTEST_MAIN(TestMonthViewAccessible)
#include "tst_month_view_accessible.moc"
