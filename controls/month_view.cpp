#include "month_view.h"

#include "colour_contrast.h"
#include "month_view_accessible.h"
#include "month_year_chooser.h"

#include <algorithm>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

namespace {

constexpr int kRows = 6; // a month touches at most six Sunday-to-Saturday rows
constexpr int kMargin = 4;

// The marks: a dot under the number of a day that holds text, a bar in the margin (which is at
// least kMargin wide) before the row of a week whose notes do. WCAG's least contrast for what
// must be seen but is no text: they stand out this much from whatever is behind them.
constexpr int kDot = 6;
constexpr int kDotGap = 2;
constexpr int kNotesBar = 4;
constexpr double kMarkContrast = 3.0;

QDate monthOf(QDate day)
{
    return QDate(day.year(), day.month(), 1);
}

int monthsBetween(QDate fromMonth, QDate toMonth)
{
    return (toMonth.year() - fromMonth.year()) * 12 + toMonth.month() - fromMonth.month();
}

// The grid's column of a day: rows start on Sunday (Qt counts Monday = 1 ... Sunday = 7).
int sundayColumn(QDate day)
{
    return day.dayOfWeek() % 7;
}

// Position of a day in its month's grid.
int cellIndex(QDate day)
{
    return sundayColumn(monthOf(day)) + day.day() - 1;
}

// The Sunday that starts a row of a month's grid, or an invalid date for a row after its last day.
QDate rowSunday(QDate month, int row)
{
    const QDate sunday = month.addDays(row * 7 - sundayColumn(month));
    return sunday < month.addMonths(1) ? sunday : QDate();
}

QString linesText(int lines)
{
    return MonthView::tr("%n line(s)", nullptr, lines);
}

} // namespace

MonthView::MonthView(QWidget *parent) : QWidget(parent), m_firstMonth(monthOf(m_minDate))
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    MonthViewAccessible::install();
}

void MonthView::setValue(QDate day)
{
    if (!day.isValid())
        return;
    m_value = day;
    m_cursor = std::clamp(day, m_minDate, m_maxDate);
    const QDate month = monthOf(m_cursor);
    const int offset = monthsBetween(m_firstMonth, month);
    if (offset < 0 || offset >= monthCount())
        showMonth(month);
    update();
    announceCursor();
}

void MonthView::setDateRange(QDate minDate, QDate maxDate)
{
    if (!minDate.isValid() || !maxDate.isValid() || minDate > maxDate)
        return;
    m_minDate = minDate;
    m_maxDate = maxDate;
    if (m_cursor.isValid())
        m_cursor = std::clamp(m_cursor, m_minDate, m_maxDate);
    showMonth(m_firstMonth);
}

bool MonthView::isSelectable(QDate day) const
{
    return day.isValid() && day >= m_minDate && day <= m_maxDate;
}

void MonthView::setSelStart(QDate day)
{
    m_selStart = day;
    update();
}

void MonthView::setSelEnd(QDate day)
{
    m_selEnd = day;
    update();
}

bool MonthView::isHighlighted(QDate day) const
{
    return day.isValid() && m_selStart.isValid() && m_selEnd.isValid() && day >= m_selStart &&
           day <= m_selEnd;
}

void MonthView::setToday(QDate day)
{
    m_today = day;
    update();
}

int MonthView::monthCount() const
{
    const QFontMetrics fm(font());
    const int minimumMonthWidth =
        7 * (fm.horizontalAdvance(QStringLiteral("00")) + 8) + 2 * kMargin;
    return std::clamp(width() / std::max(1, minimumMonthWidth), 1, 12);
}

QDate MonthView::lastFirstMonth() const
{
    return std::max(monthOf(m_maxDate).addMonths(1 - monthCount()), monthOf(m_minDate));
}

void MonthView::showMonth(QDate anyDayOfMonth)
{
    if (!anyDayOfMonth.isValid())
        return;
    m_firstMonth = std::clamp(monthOf(anyDayOfMonth), monthOf(m_minDate), lastFirstMonth());
    update();
    // Paging, and a width that holds another number of months, show other days.
    if (const QDate last = lastShownDay(); last != m_lastShown || m_firstMonth != m_shownFrom) {
        m_shownFrom = m_firstMonth;
        m_lastShown = last;
        if (MonthViewAccessible *accessible = MonthViewAccessible::of(this))
            accessible->pageChanged();
        emit pageChanged();
    }
}

QDate MonthView::cursorShown() const
{
    if (!m_cursor.isValid())
        return {};
    const int offset = monthsBetween(m_firstMonth, monthOf(m_cursor));
    if (offset >= 0 && offset < monthCount())
        return m_cursor;
    const QDate month = offset < 0 ? m_firstMonth : m_firstMonth.addMonths(monthCount() - 1);
    const QDate day(month.year(), month.month(), std::min(m_cursor.day(), month.daysInMonth()));
    return std::clamp(day, m_minDate, m_maxDate);
}

void MonthView::announceCursor()
{
    if (MonthViewAccessible *accessible = hasFocus() ? MonthViewAccessible::of(this) : nullptr)
        accessible->cursorMoved();
}

QDate MonthView::lastShownDay() const
{
    const QDate lastMonth = m_firstMonth.addMonths(monthCount() - 1);
    return lastMonth.addDays(lastMonth.daysInMonth() - 1);
}

void MonthView::setMarks(QHash<QDate, int> dayLines, QHash<QDate, int> notesLines)
{
    if (dayLines == m_dayLines && notesLines == m_notesLines)
        return;
    m_dayLines = std::move(dayLines);
    m_notesLines = std::move(notesLines);
    update();
}

QSet<QDate> MonthView::markedDays() const
{
    const QList<QDate> days = m_dayLines.keys();
    return QSet<QDate>(days.cbegin(), days.cend());
}

QString MonthView::toolTipAt(QPoint point, QRect *area) const
{
    const Metrics m = metrics();
    QStringList holds;
    QRect where;
    if (const QDate day = dayAt(m, point); m_dayLines.contains(day)) {
        holds.append(linesText(m_dayLines.value(day)));
        where = dayRect(m, day);
    }
    QDate sunday;
    if (const QRect start = weekStartRect(m, point, &sunday); m_notesLines.contains(sunday)) {
        holds.append(tr("Notes: %1").arg(linesText(m_notesLines.value(sunday))));
        where |= start;
    }
    if (area)
        *area = where;
    return holds.join(u'\n');
}

QString MonthView::dayDescription(QDate day) const
{
    QStringList says;
    if (day.isValid() && day == m_today)
        says.append(tr("today"));
    if (m_dayLines.value(day) > 0)
        says.append(tr("has text"));
    // The notes go with the first day of each row the week has, as their bar does.
    if (day.isValid() && (sundayColumn(day) == 0 || day.day() == 1) &&
        m_notesLines.contains(day.addDays(-sundayColumn(day))))
        says.append(tr("the week's notes have text"));
    //: Joins what is said of a day: "today, has text".
    return says.join(tr(", "));
}

QString MonthView::monthTitle(QDate month)
{
    const QLocale locale;
    //: A month's title: %1 its name, %2 its year ("December 2026").
    return tr("%1 %2").arg(locale.standaloneMonthName(month.month())).arg(month.year());
}

QRect MonthView::titleRect(int index) const
{
    const Metrics m = metrics();
    QRect title = monthRect(m, index);
    title.setHeight(m.titleHeight);
    return title;
}

void MonthView::chooseMonth(int index)
{
    if (index < 0 || index >= monthCount())
        return;
    if (!m_chooser) {
        m_chooser = new MonthYearChooser(this);
        // The chosen month goes where the clicked one was, or as near as the range lets it.
        connect(m_chooser, &MonthYearChooser::chosen, this,
                [this](QDate month) { showMonth(month.addMonths(-m_chooserIndex)); });
    }
    m_chooserIndex = index;
    m_chooser->setRange(m_minDate, m_maxDate);
    m_chooser->setMonth(m_firstMonth.addMonths(index));
    m_chooser->popup(mapToGlobal(titleRect(index).bottomLeft() + QPoint(0, 1)));
}

void MonthView::pageMonths(int months)
{
    const QDate from = m_firstMonth;
    showMonth(m_firstMonth.addMonths(months));
    // The focused cell was one of the months that went: the cursor's is focused anew.
    if (m_firstMonth != from)
        announceCursor();
}

MonthView::Metrics MonthView::metrics() const
{
    const QFontMetrics fm(font());
    Metrics m;
    m.months = monthCount();
    m.monthWidth = width() / m.months;
    m.titleHeight = fm.height() + 8;
    m.namesHeight = fm.height() + 4;
    m.rowHeight = std::max(1, (height() - m.titleHeight - m.namesHeight - kMargin) / kRows);
    m.columnWidth = (m.monthWidth - 2 * kMargin) / 7;
    m.gridLeft = (m.monthWidth - 7 * m.columnWidth) / 2;
    // A day's number and the room for its dot below, together in the middle of the row.
    m.groupHeight = fm.capHeight() + kDotGap + kDot;
    m.groupTop = (m.rowHeight - m.groupHeight) / 2;
    m.baseline = m.groupTop + fm.capHeight();
    return m;
}

QRect MonthView::monthRect(const Metrics &m, int index) const
{
    return QRect(index * m.monthWidth, 0, m.monthWidth, height());
}

QRect MonthView::dayRect(QDate day) const
{
    return dayRect(metrics(), day);
}

QRect MonthView::dayRect(const Metrics &m, QDate day) const
{
    if (!day.isValid())
        return {};
    const int index = monthsBetween(m_firstMonth, monthOf(day));
    if (index < 0 || index >= m.months)
        return {};
    const int cell = cellIndex(day);
    return QRect(index * m.monthWidth + m.gridLeft + (cell % 7) * m.columnWidth,
                 m.titleHeight + m.namesHeight + (cell / 7) * m.rowHeight, m.columnWidth,
                 m.rowHeight);
}

QDate MonthView::dateAt(QPoint point) const
{
    const QDate day = dayAt(metrics(), point);
    return isSelectable(day) ? day : QDate();
}

QDate MonthView::dayAt(const Metrics &m, QPoint point) const
{
    const int index = point.x() / std::max(1, m.monthWidth);
    const int x = point.x() - index * m.monthWidth - m.gridLeft;
    const int y = point.y() - m.titleHeight - m.namesHeight;
    if (index < 0 || index >= m.months || x < 0 || y < 0 || x >= 7 * m.columnWidth)
        return {};
    const int cell = (y / m.rowHeight) * 7 + x / m.columnWidth;
    const QDate month = m_firstMonth.addMonths(index);
    const QDate day = month.addDays(cell - sundayColumn(month));
    return monthOf(day) == month ? day : QDate();
}

QRect MonthView::weekStartRect(const Metrics &m, QPoint point, QDate *sunday) const
{
    // The room before a row and its Sunday's cell, drawn or blank.
    const int index = point.x() / std::max(1, m.monthWidth);
    const int x = point.x() - index * m.monthWidth;
    const int y = point.y() - m.titleHeight - m.namesHeight;
    if (index >= m.months || x < 0 || y < 0 || x >= m.gridLeft + m.columnWidth)
        return {};
    const int row = y / m.rowHeight;
    *sunday = rowSunday(m_firstMonth.addMonths(index), row);
    if (!sunday->isValid())
        return {};
    return QRect(index * m.monthWidth, m.titleHeight + m.namesHeight + row * m.rowHeight,
                 m.gridLeft + m.columnWidth, m.rowHeight);
}

QRect MonthView::previousArrowRect() const
{
    const Metrics m = metrics();
    return QRect(kMargin, 2, m.titleHeight, m.titleHeight - 4);
}

QRect MonthView::nextArrowRect() const
{
    const Metrics m = metrics();
    const QRect last = monthRect(m, m.months - 1);
    return QRect(last.right() - kMargin - m.titleHeight, 2, m.titleHeight, m.titleHeight - 4);
}

QSize MonthView::sizeHint() const
{
    return {607, 178};
}

void MonthView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    const Metrics m = metrics();
    for (int index = 0; index < m.months; ++index)
        paintMonth(painter, m, index);

    const auto drawArrow = [&](const QRect &box, bool enabled, bool left) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(enabled ? palette().buttonText() : palette().mid());
        const QPoint c = box.center();
        const int s = std::max(3, box.height() / 4);
        const QPoint tip(c.x() + (left ? -s : s), c.y());
        const QPoint back1(c.x() + (left ? s : -s), c.y() - s - 1);
        const QPoint back2(c.x() + (left ? s : -s), c.y() + s + 1);
        painter.drawPolygon(QPolygon({tip, back1, back2}));
    };
    drawArrow(previousArrowRect(), m_firstMonth > monthOf(m_minDate), true);
    drawArrow(nextArrowRect(), m_firstMonth < lastFirstMonth(), false);

    if (const QRect cursor = dayRect(m, cursorShown()); hasFocus() && cursor.isValid()) {
        // In the number's colour where that stands out from the cell, as the marks are: the
        // cursor is most often on the highlighted week.
        const bool highlighted = isHighlighted(cursorShown());
        painter.setBrush(Qt::NoBrush);
        painter.setPen(
            QPen(ColourContrast::readableOn(
                     highlighted ? palette().highlight().color() : palette().base().color(),
                     highlighted ? palette().highlightedText().color() : palette().text().color(),
                     kMarkContrast),
                 1, Qt::DotLine));
        painter.drawRect(cursor.adjusted(1, 1, -2, -2));
    }
}

void MonthView::paintMonth(QPainter &painter, const Metrics &m, int index) const
{
    const QLocale locale;
    const QDate month = m_firstMonth.addMonths(index);
    const QRect area = monthRect(m, index);

    const QRect title(area.left(), 0, area.width(), m.titleHeight);
    painter.fillRect(title.adjusted(1, 1, -1, -1), palette().button());
    painter.setPen(palette().buttonText().color());
    painter.drawText(title, Qt::AlignCenter, monthTitle(month));

    painter.setPen(palette().placeholderText().color());
    const QFontMetrics fm(font());
    for (int column = 0; column < 7; ++column) {
        const int qtDay = column == 0 ? 7 : column; // Qt: Monday = 1 ... Sunday = 7
        QString name = locale.standaloneDayName(qtDay, QLocale::ShortFormat);
        if (fm.horizontalAdvance(name) > m.columnWidth)
            name = locale.standaloneDayName(qtDay, QLocale::NarrowFormat);
        painter.drawText(QRect(area.left() + m.gridLeft + column * m.columnWidth, m.titleHeight,
                               m.columnWidth, m.namesHeight),
                         Qt::AlignCenter, name);
    }
    const int lineY = m.titleHeight + m.namesHeight - 1;
    painter.drawLine(area.left() + m.gridLeft, lineY, area.left() + m.gridLeft + 7 * m.columnWidth,
                     lineY);

    // The marks in the number's colour where that stands out from the cell, or in black or
    // white: a theme's highlighted text may be too pale on its own highlight.
    const QColor markOnBase = ColourContrast::readableOn(palette().base().color(),
                                                         palette().text().color(), kMarkContrast);
    const QColor markOnHighlight = ColourContrast::readableOn(
        palette().highlight().color(), palette().highlightedText().color(), kMarkContrast);
    for (int row = 0; rowSunday(month, row).isValid(); ++row) {
        // Before the row, outside the highlight, as tall as a number and its dot: a week whose
        // only text is in its notes shows that it holds some.
        if (m_notesLines.contains(rowSunday(month, row)))
            painter.fillRect(area.left() + m.gridLeft - kNotesBar,
                             m.titleHeight + m.namesHeight + row * m.rowHeight + m.groupTop,
                             kNotesBar, m.groupHeight, markOnBase);
    }

    for (QDate day = month; day.month() == month.month() && day.isValid(); day = day.addDays(1)) {
        const QRect cell = dayRect(m, day);
        const bool highlighted = isHighlighted(day);
        if (highlighted)
            painter.fillRect(cell, palette().highlight());
        if (!isSelectable(day))
            painter.setPen(palette().placeholderText().color());
        else
            painter.setPen(highlighted ? palette().highlightedText().color()
                                       : palette().text().color());
        painter.drawText(
            QRect(cell.left(), cell.top() + m.baseline - fm.ascent(), cell.width(), fm.height()),
            Qt::AlignHCenter | Qt::AlignTop, QString::number(day.day()));
        if (m_dayLines.contains(day)) {
            // A dot under the number (bold numbers could not be told apart by weight), centred
            // on a pixel's corner so that its middle is solid at any scale.
            painter.save();
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(Qt::NoPen);
            painter.setBrush(highlighted ? markOnHighlight : markOnBase);
            painter.drawEllipse(
                QPointF(cell.center().x(), cell.top() + m.baseline + kDotGap + kDot / 2),
                kDot / 2.0, kDot / 2.0);
            painter.restore();
        }
        if (day == m_today) {
            painter.setPen(QPen(QColor(0xC0, 0x00, 0x00), 1));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(cell.adjusted(0, 0, -1, -1));
        }
    }
}

void MonthView::mousePressEvent(QMouseEvent *event)
{
    m_pressed = {};
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint();
    if (previousArrowRect().contains(at)) {
        pageMonths(-1);
    } else if (nextArrowRect().contains(at)) {
        pageMonths(1);
    } else if (at.y() < metrics().titleHeight) {
        for (int index = 0; index < monthCount(); ++index) {
            if (titleRect(index).contains(at))
                chooseMonth(index);
        }
    } else {
        m_pressed = dateAt(at);
        if (m_pressed.isValid()) {
            m_cursor = m_pressed;
            update();
            announceCursor();
        }
    }
}

void MonthView::mouseReleaseEvent(QMouseEvent *event)
{
    const QDate pressed = m_pressed;
    m_pressed = {};
    if (event->button() == Qt::LeftButton && pressed.isValid() &&
        dateAt(event->position().toPoint()) == pressed)
        emit dateClicked(pressed);
}

bool MonthView::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    QRect area;
    // No text hides the tip: nothing marked here says nothing, nor does a tip of the window's.
    QToolTip::showText(help->globalPos(), toolTipAt(help->pos(), &area), this, area);
    return true;
}

void MonthView::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        moveCursor(cursorShown().addDays(-1));
        break;
    case Qt::Key_Right:
        moveCursor(cursorShown().addDays(1));
        break;
    case Qt::Key_Up:
        moveCursor(cursorShown().addDays(-7));
        break;
    case Qt::Key_Down:
        if (event->modifiers().testFlag(Qt::AltModifier))
            chooseMonthAtCursor();
        else
            moveCursor(cursorShown().addDays(7));
        break;
    case Qt::Key_F4:
        chooseMonthAtCursor();
        break;
    case Qt::Key_PageUp:
        pageMonths(-1);
        break;
    case Qt::Key_PageDown:
        pageMonths(1);
        break;
    case Qt::Key_Home:
        moveCursor(m_today);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (isSelectable(cursorShown()))
            emit dateClicked(cursorShown());
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void MonthView::chooseMonthAtCursor()
{
    // The month the cursor shows in, where its frame is.
    const int index = monthsBetween(m_firstMonth, monthOf(cursorShown()));
    chooseMonth(index >= 0 && index < monthCount() ? index : 0);
}

void MonthView::moveCursor(QDate to)
{
    if (!isSelectable(to))
        return;
    m_cursor = to;
    const int offset = monthsBetween(m_firstMonth, monthOf(to));
    if (offset < 0)
        showMonth(to);
    else if (offset >= monthCount())
        showMonth(monthOf(to).addMonths(1 - monthCount()));
    update();
    announceCursor();
}

void MonthView::wheelEvent(QWheelEvent *event)
{
    const int steps = event->angleDelta().y() / 120;
    if (steps != 0)
        pageMonths(-steps);
    event->accept();
}

void MonthView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        showMonth(m_firstMonth); // the number of months on view may have changed
    QWidget::changeEvent(event);
}

void MonthView::resizeEvent(QResizeEvent *event)
{
    showMonth(m_firstMonth);
    QWidget::resizeEvent(event);
}

void MonthView::focusInEvent(QFocusEvent *event)
{
    // The keyboard cursor is drawn only with the focus, and then always: on the current date,
    // or where none was set on the first selectable day on view.
    if (!m_cursor.isValid())
        m_cursor = std::clamp(m_value.isValid() ? m_value : m_firstMonth, m_minDate, m_maxDate);
    update();
    QWidget::focusInEvent(event);
    // After Qt's own news of the calendar taking the focus, which follows this event, so that
    // the cell is what a reader hears last.
    QMetaObject::invokeMethod(this, &MonthView::announceCursor, Qt::QueuedConnection);
}

void MonthView::focusOutEvent(QFocusEvent *event)
{
    update();
    QWidget::focusOutEvent(event);
}
