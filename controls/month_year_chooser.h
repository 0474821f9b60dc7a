#pragma once

#include <QDate>
#include <QFrame>

class QSpinBox;
class QTableWidget;
class QTableWidgetItem;

// A small popup that chooses a month and a year: the twelve months in a grid under a year box.
// Arrows move among the months and on across years, a letter to a month it begins, digits there
// start a year; Enter chooses what stands, a click chooses a month, Escape or a click elsewhere
// chooses nothing.
class MonthYearChooser : public QFrame
{
    Q_OBJECT
public:
    explicit MonthYearChooser(QWidget *parent = nullptr);

    // Only months that hold a day from `minDate` to `maxDate` can be chosen. Ignored unless
    // both are valid and in order.
    void setRange(QDate minDate, QDate maxDate);
    // The month the choice starts from (kept within the range).
    void setMonth(QDate anyDayOfMonth);
    // The first day of the month as it stands.
    QDate month() const;

    // Shows the chooser with its top left at `globalPos`, moved as far as needed to stay on
    // the screen there, with the keyboard on the months.
    void popup(QPoint globalPos);

signals:
    void chosen(QDate firstOfMonth);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QDate clampedMonth(int year, int month) const;
    QTableWidgetItem *itemOf(int month) const;
    void showMonthOf(QDate month);
    void yearChanged();
    void choose();

    QSpinBox *m_year;
    QTableWidget *m_months;
    QDate m_minMonth{1753, 1, 1};
    QDate m_maxMonth{9999, 12, 1};
};
