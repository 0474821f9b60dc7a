#pragma once

#include <QDate>
#include <QDialog>

class QCalendarWidget;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// "Go to date": a field that takes a day as the user's language writes it (or a month, or a
// year), a calendar to pick one from, and a line that says which day that is, or why it is
// none. Enter or Go chooses it; Escape closes.
class GoToDateDialog : public QDialog
{
    Q_OBJECT
public:
    // Days outside `first` to `last` cannot be chosen; `today` is what a year left out means.
    GoToDateDialog(QDate first, QDate last, QWidget *parent = nullptr);

    // Opens (or brings forward) the dialog with `shown` in the field, selected, so that typing
    // replaces it.
    void ask(QDate shown, QDate today);

    QLineEdit *field() const { return m_field; }
    QLabel *hint() const { return m_hint; }
    QToolButton *calendarButton() const { return m_calendarButton; }
    QCalendarWidget *calendar() const { return m_calendar; }
    // The day the field names now; invalid where it names none that can be chosen.
    QDate day() const { return m_day; }

signals:
    void dateChosen(QDate day);

private:
    void readField();
    void choose();

    QDate m_first;
    QDate m_last;
    QDate m_today;
    QDate m_day;
    QLineEdit *m_field = nullptr;
    QLabel *m_hint = nullptr;
    QToolButton *m_calendarButton = nullptr;
    QCalendarWidget *m_calendar = nullptr;
    QPushButton *m_go = nullptr;
};
