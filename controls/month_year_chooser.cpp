#include "month_year_chooser.h"

#include <algorithm>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLocale>
#include <QScreen>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kRows = 3, kColumns = 4; // of months

QDate monthOf(QDate day)
{
    return QDate(day.year(), day.month(), 1);
}

} // namespace

MonthYearChooser::MonthYearChooser(QWidget *parent)
    : QFrame(parent, Qt::Popup | Qt::FramelessWindowHint), m_year(new QSpinBox(this)),
      m_months(new QTableWidget(kRows, kColumns, this))
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    setAccessibleName(tr("Month and year"));

    m_year->setAccessibleName(tr("Year"));
    m_year->setRange(m_minMonth.year(), m_maxMonth.year());
    m_year->setAlignment(Qt::AlignCenter);
    connect(m_year, &QSpinBox::valueChanged, this, &MonthYearChooser::yearChanged);

    const QLocale locale;
    const QFontMetrics fm(font());
    int widest = 0;
    for (int month = 1; month <= 12; ++month) {
        auto *item = new QTableWidgetItem(locale.standaloneMonthName(month, QLocale::ShortFormat));
        item->setTextAlignment(Qt::AlignCenter);
        item->setData(Qt::UserRole, month);
        widest = std::max(widest, fm.horizontalAdvance(item->text()));
        m_months->setItem((month - 1) / kColumns, (month - 1) % kColumns, item);
    }
    // A grid of names, not a table: no headers, lines or scrolling, every month in view with
    // room around the longest name. The items' flags, set by showMonthOf, allow no editing.
    m_months->setAccessibleName(tr("Month"));
    m_months->setShowGrid(false);
    m_months->setFrameShape(QFrame::NoFrame);
    m_months->horizontalHeader()->hide();
    m_months->verticalHeader()->hide();
    m_months->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_months->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QSize cell(widest + fm.height(), 2 * fm.height());
    m_months->horizontalHeader()->setDefaultSectionSize(cell.width());
    m_months->verticalHeader()->setDefaultSectionSize(cell.height());
    m_months->setFixedSize(kColumns * cell.width(), kRows * cell.height());
    connect(m_months, &QTableWidget::itemClicked, this, [this](QTableWidgetItem *item) {
        if (item->flags().testFlag(Qt::ItemIsEnabled))
            choose();
    });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_year);
    layout->addWidget(m_months);

    m_months->installEventFilter(this); // arrows across years, letters, digits for the year
    showMonthOf(m_minMonth);
}

void MonthYearChooser::setRange(QDate minDate, QDate maxDate)
{
    if (!minDate.isValid() || !maxDate.isValid() || minDate > maxDate)
        return;
    const QDate month = this->month();
    m_minMonth = monthOf(minDate);
    m_maxMonth = monthOf(maxDate);
    const QSignalBlocker quiet(m_year); // the range may move the year; the month follows below
    m_year->setRange(m_minMonth.year(), m_maxMonth.year());
    showMonthOf(month);
}

void MonthYearChooser::setMonth(QDate anyDayOfMonth)
{
    if (anyDayOfMonth.isValid())
        showMonthOf(anyDayOfMonth);
}

QDate MonthYearChooser::month() const
{
    const QTableWidgetItem *current = m_months->currentItem();
    return clampedMonth(m_year->value(), current ? current->data(Qt::UserRole).toInt() : 1);
}

QDate MonthYearChooser::clampedMonth(int year, int month) const
{
    return std::clamp(QDate(year, month, 1), m_minMonth, m_maxMonth);
}

void MonthYearChooser::showMonthOf(QDate month)
{
    month = clampedMonth(month.year(), month.month());
    {
        const QSignalBlocker quiet(m_year);
        m_year->setValue(month.year());
    }
    for (int other = 1; other <= 12; ++other) {
        const QDate first(month.year(), other, 1);
        const bool offered = first >= m_minMonth && first <= m_maxMonth;
        itemOf(other)->setFlags(offered ? Qt::ItemIsEnabled | Qt::ItemIsSelectable
                                        : Qt::NoItemFlags);
    }
    m_months->setCurrentItem(itemOf(month.month()));
}

QTableWidgetItem *MonthYearChooser::itemOf(int month) const
{
    return m_months->item((month - 1) / kColumns, (month - 1) % kColumns);
}

void MonthYearChooser::yearChanged()
{
    // The same month in the other year, or the nearest one offered there.
    showMonthOf(month());
}

void MonthYearChooser::choose()
{
    const QDate chosenMonth = month();
    close();
    emit chosen(chosenMonth);
}

void MonthYearChooser::popup(QPoint globalPos)
{
    adjustSize();
    QRect place(globalPos, size());
    // The screen at the point, or for a point off every screen the one the parent is on.
    const QScreen *screen = QGuiApplication::screenAt(globalPos);
    if (!screen)
        screen = parentWidget() ? parentWidget()->screen() : this->screen();
    if (screen) {
        const QRect room = screen->availableGeometry();
        place.moveRight(std::min(place.right(), room.right()));
        place.moveBottom(std::min(place.bottom(), room.bottom()));
        place.moveTopLeft(
            QPoint(std::max(place.left(), room.left()), std::max(place.top(), room.top())));
    }
    move(place.topLeft());
    show();
    m_months->setFocus(Qt::PopupFocusReason);
}

void MonthYearChooser::keyPressEvent(QKeyEvent *event)
{
    // Enter wherever the keyboard is: the year box and the months pass it on.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        choose();
    else
        QFrame::keyPressEvent(event); // which closes a popup on Escape
}

bool MonthYearChooser::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_months || event->type() != QEvent::KeyPress)
        return QFrame::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    // Arrows go on from one year into the next, as the grid's own do not.
    const int step = key->key() == Qt::Key_Left    ? -1
                     : key->key() == Qt::Key_Right ? 1
                     : key->key() == Qt::Key_Up    ? -kColumns
                     : key->key() == Qt::Key_Down  ? kColumns
                                                   : 0;
    if (step != 0) {
        showMonthOf(month().addMonths(step));
        return true;
    }
    const QString text = key->text();
    if (text.size() != 1 || !text.front().isLetterOrNumber())
        return QFrame::eventFilter(watched, event);
    if (text.front().isDigit()) {
        m_year->setFocus(Qt::OtherFocusReason);
        m_year->selectAll();
        QCoreApplication::sendEvent(m_year, event);
        return true;
    }
    // A letter: the next month of the year on offer whose name begins with it.
    const QDate now = month();
    for (int step = 1; step <= 12; ++step) {
        const int other = (now.month() - 1 + step) % 12 + 1;
        const QTableWidgetItem *item = itemOf(other);
        if (item->flags().testFlag(Qt::ItemIsEnabled) &&
            item->text().startsWith(text, Qt::CaseInsensitive)) {
            showMonthOf(QDate(now.year(), other, 1));
            break;
        }
    }
    return true;
}
