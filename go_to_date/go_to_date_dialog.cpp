#include "go_to_date_dialog.h"

#include "date_text.h"

#include <QCalendarWidget>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidgetAction>

GoToDateDialog::GoToDateDialog(QDate first, QDate last, QWidget *parent)
    : QDialog(parent), m_first(first), m_last(last)
{
    setObjectName(QStringLiteral("GoToDateDialog"));
    setWindowTitle(tr("Go to date"));

    auto *label = new QLabel(tr("&Date:"), this);
    m_field = new QLineEdit(this);
    m_field->setObjectName(QStringLiteral("GoToDateField"));
    label->setBuddy(m_field);

    // The calendar drops down from a button beside the field, as a date edit's does.
    m_calendar = new QCalendarWidget;
    m_calendar->setObjectName(QStringLiteral("GoToDateCalendar"));
    m_calendar->setFirstDayOfWeek(Qt::Sunday);
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_calendar->setDateRange(first, last);
    auto *popup = new QMenu(this);
    auto *holder = new QWidgetAction(popup);
    holder->setDefaultWidget(m_calendar);
    popup->addAction(holder);
    m_calendarButton = new QToolButton(this);
    m_calendarButton->setObjectName(QStringLiteral("GoToDateCalendarButton"));
    m_calendarButton->setText(QStringLiteral("…"));
    m_calendarButton->setToolTip(tr("Choose in a calendar"));
    m_calendarButton->setAccessibleName(tr("Choose in a calendar"));
    m_calendarButton->setMenu(popup);
    m_calendarButton->setPopupMode(QToolButton::InstantPopup);
    connect(popup, &QMenu::aboutToShow, this, [this] {
        if (m_day.isValid())
            m_calendar->setSelectedDate(m_day);
        m_calendar->setFocus();
    });
    connect(m_calendar, &QCalendarWidget::activated, this, [this, popup](QDate day) {
        popup->close();
        m_field->setText(DateText::format(day, locale()));
        m_field->setFocus();
    });
    connect(m_calendar, &QCalendarWidget::clicked, m_calendar, &QCalendarWidget::activated);

    m_hint = new QLabel(this);
    m_hint->setObjectName(QStringLiteral("GoToDateHint"));
    m_hint->setWordWrap(true);
    m_hint->setMinimumWidth(320);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    m_go = buttons->addButton(tr("&Go"), QDialogButtonBox::AcceptRole);
    m_go->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &GoToDateDialog::choose);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_field, 1);
    row->addWidget(m_calendarButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(m_hint);
    layout->addWidget(buttons);

    connect(m_field, &QLineEdit::textChanged, this, &GoToDateDialog::readField);
}

void GoToDateDialog::ask(QDate shown, QDate today)
{
    m_today = today;
    const QString example = DateText::format(today, locale());
    m_field->setPlaceholderText(example);
    m_field->setText(DateText::format(shown, locale()));
    readField();
    m_field->selectAll();
    m_field->setFocus();
    open();
    raise();
    activateWindow();
}

void GoToDateDialog::readField()
{
    const QLocale here = locale();
    const QString examples =
        tr("%1, %2 or %3")
            .arg(DateText::format(m_today, here), m_today.toString(Qt::ISODate),
                 tr("%1 %2", "a month's short name and a year, as the field reads them")
                     .arg(here.monthName(m_today.month(), QLocale::ShortFormat),
                          QString::number(m_today.year())));
    m_day = {};
    QString hint;
    if (m_field->text().trimmed().isEmpty()) {
        hint = tr("Type a day, such as %1.").arg(examples);
    } else if (const auto day = DateText::parse(m_field->text(), here, m_today); !day) {
        hint = tr("Orvanta cannot read this as a day. Try %1.").arg(examples);
    } else if (*day < m_first || *day > m_last) {
        hint = tr("Orvanta's calendar runs from %1 to %2.")
                   .arg(here.toString(m_first, QLocale::LongFormat),
                        here.toString(m_last, QLocale::LongFormat));
    } else {
        m_day = *day;
        hint = here.toString(m_day, QLocale::LongFormat);
    }
    m_hint->setText(hint);
    // A screen reader says with the field what the line below it says.
    m_field->setAccessibleDescription(hint);
    m_go->setEnabled(m_day.isValid());
}

void GoToDateDialog::choose()
{
    if (!m_day.isValid())
        return;
    accept();
    emit dateChosen(m_day);
}
