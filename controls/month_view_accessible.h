#pragma once

#include <QAccessibleWidget>
#include <QDate>
#include <QHash>
#include <QList>

class MonthView;

// The month calendar as a screen reader finds it: a table per month on view, named by its month
// and year, seven columns named by the days, and in it a cell for every place of the month's
// grid: the days, named by their full date, and the blank places before the first and after the
// last day (AT-SPI asks for a cell at every row and column). The keyboard cursor's day is the
// focused cell.
//
// Tables stay for their place on view; cells last as long as their months stay where they are.
class MonthViewAccessible : public QAccessibleWidget
{
public:
    explicit MonthViewAccessible(MonthView *view);
    ~MonthViewAccessible() override;
    MonthViewAccessible(const MonthViewAccessible &) = delete;
    MonthViewAccessible &operator=(const MonthViewAccessible &) = delete;

    // Gives every MonthView this interface; calling it again does nothing.
    static void install();
    // The calendar's interface while someone listens (a screen reader, or the listener below);
    // null otherwise, so that a start without one makes none.
    static MonthViewAccessible *of(MonthView *view);

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;

    MonthView *view() const;
    // The table of the month at `index` on view, and the cell at a place of its grid.
    QAccessibleInterface *table(int index) const;
    QAccessibleInterface *cell(int tableIndex, int gridIndex) const;
    // The cell of a day on view, or null.
    QAccessibleInterface *cellOf(QDate day) const;

    // Every event the calendar sends goes to Qt's accessibility and, where set, to `listener`
    // as well: Qt passes events on only while a platform's bridge is active, which tests on the
    // offscreen platform never have.
    using Listener = void (*)(QAccessibleEvent *event);
    static void setListener(Listener listener);

    // The keyboard cursor moved, or the calendar took the focus: its day is the focused cell.
    void cursorMoved();
    // Other months came into view: their tables are renamed and their cells made anew (the
    // focused one too, which the calendar then announces again).
    void pageChanged();

private:
    static void send(QAccessibleEvent &event);
    void dropCells() const;
    void dropTablesFrom(int count) const;

    mutable QList<QAccessible::Id> m_tables;
    mutable QHash<int, QAccessible::Id> m_cells; // by table index * 64 + grid index
    mutable QDate m_cellsFrom;                   // the first month on view when they were made
    QList<QDate> m_named;                        // the tables' months when a reader last heard
};
