#include "month_view_accessible.h"

#include "month_view.h"

#include <QLocale>
#include <QPointer>
#include <utility>

namespace {

constexpr int kColumns = 7;
constexpr int kGridStride = 64; // more than the places of a month's grid

QDate monthOf(QDate day)
{
    return QDate(day.year(), day.month(), 1);
}

// The grid's column of a day: rows start on Sunday (Qt counts Monday = 1 ... Sunday = 7).
int sundayColumn(QDate day)
{
    return day.dayOfWeek() % 7;
}

int monthsBetween(QDate fromMonth, QDate toMonth)
{
    return (toMonth.year() - fromMonth.year()) * 12 + toMonth.month() - fromMonth.month();
}

// The Sunday-to-Saturday rows that hold a month's days.
int rowsOf(QDate month)
{
    return (sundayColumn(month) + month.daysInMonth() + kColumns - 1) / kColumns;
}

// The day at a place of a month's grid; invalid for the blank places around the month.
QDate dayAtPlace(QDate month, int gridIndex)
{
    const QDate day = month.addDays(gridIndex - sundayColumn(month));
    return monthOf(day) == month ? day : QDate();
}

QAccessible::Id idOf(QAccessibleInterface *iface)
{
    return QAccessible::registerAccessibleInterface(iface);
}

class MonthTableAccessible;

// A place of a month's grid: a day, or a blank before the first or after the last.
class MonthCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface
{
public:
    MonthCellAccessible(const MonthViewAccessible *calendar, int tableIndex, QDate month,
                        int gridIndex)
        : m_calendar(calendar), m_view(calendar->view()), m_tableIndex(tableIndex), m_month(month),
          m_gridIndex(gridIndex), m_day(dayAtPlace(month, gridIndex))
    {}

    QDate day() const { return m_day; }
    int tableIndex() const { return m_tableIndex; }
    int gridIndex() const { return m_gridIndex; }

    bool isValid() const override
    {
        return m_view && m_view->firstShownMonth().addMonths(m_tableIndex) == m_month;
    }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_calendar->window(); }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override { return m_calendar->table(m_tableIndex); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }

    QString text(QAccessible::Text t) const override
    {
        if (!m_day.isValid() || !m_view)
            return {};
        if (t == QAccessible::Name)
            return QLocale().toString(m_day, QLocale::LongFormat);
        if (t == QAccessible::Description)
            return m_view->dayDescription(m_day);
        return {};
    }
    void setText(QAccessible::Text, const QString &) override {}

    QRect rect() const override
    {
        if (!m_view)
            return {};
        // A blank place lies where the month's first day would be, so many columns and rows on.
        const QRect first = m_view->dayRect(m_month);
        const int from = sundayColumn(m_month);
        const QRect place = first.translated((m_gridIndex % kColumns - from) * first.width(),
                                             (m_gridIndex / kColumns) * first.height());
        return QRect(m_view->mapToGlobal(place.topLeft()), place.size());
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!m_view || !m_view->isVisible() || !m_day.isValid()) {
            state.invisible = true;
            return state;
        }
        if (!m_view->isSelectable(m_day)) {
            state.disabled = true;
            return state;
        }
        state.selectable = true;
        state.focusable = true;
        state.selected = isSelected();
        state.focused = m_view->hasFocus() && m_view->cursorShown() == m_day;
        return state;
    }
    void *interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface *>(this)
                   : nullptr;
    }

    bool isSelected() const override { return m_view && m_view->isHighlighted(m_day); }
    QList<QAccessibleInterface *> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_gridIndex % kColumns; }
    int rowIndex() const override { return m_gridIndex / kColumns; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return parent(); }

private:
    const MonthViewAccessible *m_calendar; // which deletes its cells before it goes
    QPointer<MonthView> m_view;
    int m_tableIndex;
    QDate m_month;
    int m_gridIndex;
    QDate m_day;
};

// The month at a place on view.
class MonthTableAccessible : public QAccessibleInterface, public QAccessibleTableInterface
{
public:
    MonthTableAccessible(const MonthViewAccessible *calendar, int index)
        : m_calendar(calendar), m_view(calendar->view()), m_index(index)
    {}

    QDate month() const { return m_view ? m_view->firstShownMonth().addMonths(m_index) : QDate(); }

    bool isValid() const override { return m_view && m_index < m_view->monthCount(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_calendar->window(); }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        if (!m_view)
            return nullptr;
        const QDate day = m_view->dateAt(m_view->mapFromGlobal(QPoint(x, y)));
        return day.isValid() && monthOf(day) == month() ? m_calendar->cellOf(day) : nullptr;
    }
    QAccessibleInterface *focusChild() const override
    {
        if (!m_view || !m_view->hasFocus() || monthOf(m_view->cursorShown()) != month())
            return nullptr;
        return m_calendar->cellOf(m_view->cursorShown());
    }
    QAccessibleInterface *parent() const override
    {
        return const_cast<MonthViewAccessible *>(m_calendar);
    }
    QAccessibleInterface *child(int index) const override
    {
        return index >= 0 && index < childCount() ? m_calendar->cell(m_index, index) : nullptr;
    }
    int childCount() const override { return isValid() ? rowCount() * kColumns : 0; }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const auto *cell = dynamic_cast<const MonthCellAccessible *>(child);
        return cell && cell->tableIndex() == m_index && cell->isValid() ? cell->gridIndex() : -1;
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? MonthView::monthTitle(month()) : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect title = m_view->titleRect(m_index);
        const QRect place(title.left(), 0, title.width(), m_view->height());
        return QRect(m_view->mapToGlobal(place.topLeft()), place.size());
    }
    QAccessible::Role role() const override { return QAccessible::Table; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = !m_view || !m_view->isVisible();
        state.readOnly = true;
        return state;
    }
    void *interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface *>(this)
                                                : nullptr;
    }

    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override
    {
        if (row < 0 || row >= rowCount() || column < 0 || column >= kColumns)
            return nullptr;
        return m_calendar->cell(m_index, row * kColumns + column);
    }
    int selectedCellCount() const override { return int(selectedCells().size()); }
    QList<QAccessibleInterface *> selectedCells() const override
    {
        QList<QAccessibleInterface *> cells;
        const QDate first = month();
        for (QDate day = first; isValid() && monthOf(day) == first; day = day.addDays(1)) {
            if (m_view->isHighlighted(day))
                cells.append(m_calendar->cellOf(day));
        }
        return cells;
    }
    QString columnDescription(int column) const override
    {
        if (column < 0 || column >= kColumns)
            return {};
        return QLocale().standaloneDayName(column == 0 ? 7 : column, QLocale::LongFormat);
    }
    QString rowDescription(int) const override { return {}; }
    // Rows and columns are never selected whole: a week is a range of days, which may start
    // in one month and end in the next.
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return kColumns; }
    int rowCount() const override { return isValid() ? rowsOf(month()) : 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    // The highlighted week changes only as the window shows another week.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *) override {}

private:
    const MonthViewAccessible *m_calendar; // which deletes its tables before it goes
    QPointer<MonthView> m_view;
    int m_index;
};

MonthViewAccessible::Listener listener = nullptr;

QAccessibleInterface *monthViewFactory(const QString &className, QObject *object)
{
    if (className == u"MonthView" && object && object->isWidgetType())
        return new MonthViewAccessible(static_cast<MonthView *>(object));
    return nullptr;
}

} // namespace

MonthViewAccessible::MonthViewAccessible(MonthView *view)
    : QAccessibleWidget(view, QAccessible::Pane)
{
    for (int index = 0; index < view->monthCount(); ++index)
        m_named.append(view->firstShownMonth().addMonths(index));
}

MonthViewAccessible::~MonthViewAccessible()
{
    dropCells();
    dropTablesFrom(0);
}

void MonthViewAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(monthViewFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

MonthViewAccessible *MonthViewAccessible::of(MonthView *view)
{
    // With nobody listening there is nobody to tell: the start makes no interface at all. A
    // screen reader that comes later asks for it, and from then on Qt says one listens.
    if (!QAccessible::isActive() && !listener)
        return nullptr;
    return dynamic_cast<MonthViewAccessible *>(QAccessible::queryAccessibleInterface(view));
}

void MonthViewAccessible::setListener(Listener newListener)
{
    listener = newListener;
}

void MonthViewAccessible::send(QAccessibleEvent &event)
{
    if (listener)
        listener(&event);
    QAccessible::updateAccessibility(&event);
}

MonthView *MonthViewAccessible::view() const
{
    return static_cast<MonthView *>(widget());
}

QString MonthViewAccessible::text(QAccessible::Text t) const
{
    QString text = QAccessibleWidget::text(t);
    if (t == QAccessible::Name && text.isEmpty())
        text = MonthView::tr("Calendar");
    return text;
}

int MonthViewAccessible::childCount() const
{
    return isValid() ? view()->monthCount() : 0;
}

QAccessibleInterface *MonthViewAccessible::child(int index) const
{
    return index >= 0 && index < childCount() ? table(index) : nullptr;
}

int MonthViewAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    if (!child)
        return -1;
    const QAccessible::Id id = QAccessible::uniqueId(const_cast<QAccessibleInterface *>(child));
    const int index = int(m_tables.indexOf(id));
    return index < childCount() ? index : -1;
}

QAccessibleInterface *MonthViewAccessible::childAt(int x, int y) const
{
    if (!isValid())
        return nullptr;
    const QPoint at = view()->mapFromGlobal(QPoint(x, y));
    for (int index = 0; index < childCount(); ++index) {
        if (const QRect title = view()->titleRect(index);
            at.x() >= title.left() && at.x() <= title.right() && view()->rect().contains(at))
            return table(index);
    }
    return nullptr;
}

QAccessibleInterface *MonthViewAccessible::focusChild() const
{
    if (!isValid() || !view()->hasFocus())
        return nullptr;
    if (QAccessibleInterface *cell = cellOf(view()->cursorShown()))
        return cell;
    return const_cast<MonthViewAccessible *>(this);
}

QAccessibleInterface *MonthViewAccessible::table(int index) const
{
    if (index < 0 || !isValid())
        return nullptr;
    while (m_tables.size() <= index)
        m_tables.append(idOf(new MonthTableAccessible(this, int(m_tables.size()))));
    return QAccessible::accessibleInterface(m_tables.at(index));
}

QAccessibleInterface *MonthViewAccessible::cell(int tableIndex, int gridIndex) const
{
    if (!isValid() || tableIndex < 0 || tableIndex >= view()->monthCount() || gridIndex < 0 ||
        gridIndex >= kGridStride)
        return nullptr;
    // Cells of months that have moved on are never handed out.
    if (m_cellsFrom != view()->firstShownMonth()) {
        dropCells();
        m_cellsFrom = view()->firstShownMonth();
    }
    QAccessible::Id &id = m_cells[tableIndex * kGridStride + gridIndex];
    if (!id) {
        id = idOf(new MonthCellAccessible(
            this, tableIndex, view()->firstShownMonth().addMonths(tableIndex), gridIndex));
    }
    return QAccessible::accessibleInterface(id);
}

QAccessibleInterface *MonthViewAccessible::cellOf(QDate day) const
{
    if (!day.isValid() || !isValid())
        return nullptr;
    const QDate month = monthOf(day);
    const int index = monthsBetween(view()->firstShownMonth(), month);
    if (index < 0 || index >= view()->monthCount())
        return nullptr;
    return cell(index, sundayColumn(month) + day.day() - 1);
}

void MonthViewAccessible::cursorMoved()
{
    if (!isValid() || !view()->hasFocus())
        return;
    if (QAccessibleInterface *cell = cellOf(view()->cursorShown())) {
        QAccessibleEvent focus(cell, QAccessible::Focus);
        send(focus);
    }
}

void MonthViewAccessible::pageChanged()
{
    if (!isValid())
        return;
    // What a reader may still hold of the old months names nothing once they are gone.
    dropCells();
    const int count = view()->monthCount();
    const bool countChanged = count != m_named.size();
    dropTablesFrom(count);
    m_named.resize(count);
    for (int index = 0; index < count; ++index) {
        const QDate month = view()->firstShownMonth().addMonths(index);
        if (m_named.at(index) == month)
            continue;
        m_named[index] = month;
        // AT-SPI hears the new name; the reset tells other bridges that every cell is new.
        QAccessibleEvent named(table(index), QAccessible::NameChanged);
        send(named);
        QAccessibleTableModelChangeEvent reset(table(index),
                                               QAccessibleTableModelChangeEvent::ModelReset);
        send(reset);
    }
    if (countChanged) {
        QAccessibleEvent reorder(view(), QAccessible::ObjectReorder);
        send(reorder);
    }
}

void MonthViewAccessible::dropCells() const
{
    const QHash<int, QAccessible::Id> cells = std::exchange(m_cells, {});
    for (const QAccessible::Id id : cells)
        QAccessible::deleteAccessibleInterface(id);
}

void MonthViewAccessible::dropTablesFrom(int count) const
{
    while (m_tables.size() > count)
        QAccessible::deleteAccessibleInterface(m_tables.takeLast());
}
