#pragma once

#include <QDate>
#include <QHash>
#include <QPointer>
#include <QSet>
#include <QWidget>

class MonthYearChooser;

// A lean month calendar: as many whole months side by side as fit its width, rows starting on
// Sunday, today marked, one highlighted range of days (drawn across month borders), arrows and
// keys to page months, a month and year to choose from each month's name, marks on the days and
// weeks that hold text, and a notice when a day is clicked or chosen with the keyboard.
//
// Paging and moving the keyboard cursor change only what is on view; the current date and the
// highlighted range change only through their setters.
class MonthView : public QWidget
{
    Q_OBJECT
public:
    explicit MonthView(QWidget *parent = nullptr);

    // The current date. Setting it brings its month into view.
    QDate value() const { return m_value; }
    void setValue(QDate day);

    // The first and last day the calendar offers: only these can be clicked or chosen, and
    // paging stops at their months.
    QDate minDate() const { return m_minDate; }
    QDate maxDate() const { return m_maxDate; }
    // Ignored unless both are valid and in order.
    void setDateRange(QDate minDate, QDate maxDate);
    bool isSelectable(QDate day) const;

    QDate selStart() const { return m_selStart; }
    void setSelStart(QDate day);
    QDate selEnd() const { return m_selEnd; }
    void setSelEnd(QDate day);
    // Whether a day is in the highlighted range, its first and last day included.
    bool isHighlighted(QDate day) const;

    void setToday(QDate day);
    QDate today() const { return m_today; }

    // The first day of the leftmost month on view; paging keeps it within the selectable dates.
    QDate firstShownMonth() const { return m_firstMonth; }
    void showMonth(QDate anyDayOfMonth);
    void pageMonths(int months);
    int monthCount() const;
    // The last day of the rightmost month on view.
    QDate lastShownDay() const;

    // What the days hold, for their marks: the lines of text of each day that has some (a dot
    // under its number), and of the notes of each week that has some, keyed by the week's
    // Sunday (a bar before the week's row). Every count is one or more.
    void setMarks(QHash<QDate, int> dayLines, QHash<QDate, int> notesLines);
    QHash<QDate, int> dayLines() const { return m_dayLines; }
    QHash<QDate, int> notesLines() const { return m_notesLines; }
    // Days drawn with a mark under their number.
    QSet<QDate> markedDays() const;
    // What the tooltip at `point` says: the lines of a marked day, and on a row's bar or in its
    // Sunday's column the lines of the week's notes; nothing elsewhere. `area`, where given,
    // gets where the same holds.
    QString toolTipAt(QPoint point, QRect *area = nullptr) const;
    // What a screen reader says of a day besides its date: today, holds text, and on the first
    // day of a row, that the week's notes hold text ("today, has text"); empty for none.
    QString dayDescription(QDate day) const;

    // The title of a month, as drawn over it ("December 2026").
    static QString monthTitle(QDate month);

    // The title over the month at `index` on view: a click there chooses another month and
    // year for that place, as Alt+Down or F4 does for the keyboard cursor's month.
    QRect titleRect(int index) const;
    void chooseMonth(int index);

    // The day drawn at a point (invalid where there is none), and where a day is drawn.
    QDate dateAt(QPoint point) const;
    QRect dayRect(QDate day) const;
    QRect previousArrowRect() const;
    QRect nextArrowRect() const;
    QDate cursorDate() const { return m_cursor; }
    // Where the keyboard cursor shows, and where its keys act from: its day, or while paging
    // has taken its month out of view, the same day of the nearest month on view (the cursor
    // comes back when its month does). Its frame is drawn whenever the calendar has the focus.
    QDate cursorShown() const;

    QSize sizeHint() const override;

signals:
    void dateClicked(QDate day);
    // Other months came into view.
    void pageChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    struct Metrics
    {
        int months = 1;
        int monthWidth = 0;
        int titleHeight = 0;
        int namesHeight = 0;
        int rowHeight = 0;
        int columnWidth = 0;
        int gridLeft = 0;
        int groupTop = 0; // of a day's number and dot together, from a row's top
        int groupHeight = 0;
        int baseline = 0; // of the numbers, from a row's top
    };
    Metrics metrics() const;
    QDate lastFirstMonth() const;
    QRect monthRect(const Metrics &m, int index) const;
    QRect dayRect(const Metrics &m, QDate day) const;
    QDate dayAt(const Metrics &m, QPoint point) const;
    QRect weekStartRect(const Metrics &m, QPoint point, QDate *sunday) const;
    void moveCursor(QDate to);
    void announceCursor();
    void chooseMonthAtCursor();
    void paintMonth(QPainter &painter, const Metrics &m, int index) const;

    QDate m_minDate{1753, 1, 1};
    QDate m_maxDate{9999, 12, 31};
    QDate m_value;
    QDate m_selStart;
    QDate m_selEnd;
    QDate m_today;
    QDate m_firstMonth;
    QDate m_cursor;
    QDate m_pressed;
    QHash<QDate, int> m_dayLines;
    QHash<QDate, int> m_notesLines;
    QPointer<MonthYearChooser> m_chooser;
    int m_chooserIndex = 0; // the place on view the chooser's month goes to
    QDate m_shownFrom;      // the days on view when pageChanged last said so
    QDate m_lastShown;
};
