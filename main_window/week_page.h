#pragma once

#include "schedule/week_record.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <QCoreApplication>
#include <QDate>
#include <QStringList>

class CalendarConnection;
class DraftKeeper;
class MonthView;
class QDateTime;
class QLabel;
class QPlainTextEdit;

// The week on show: which week the calendar, the eight headings and the eight boxes show, and
// how its texts move between the boxes and the database. Exactly one week is shown from
// ShowCurrentWeek on; typing changes only the boxes until the next SaveWeek.
class WeekPage
{
    Q_DECLARE_TR_FUNCTIONS(WeekPage)

public:
    struct Controls
    {
        MonthView *monthView = nullptr;
        std::array<QLabel *, kWeekFieldCount> headings{};
        std::array<QPlainTextEdit *, kWeekFieldCount> boxes{};
    };

    // A failed save writes the week to a recovery file in the first of `recoveryFolders`
    // that takes it. Drafts of the week being typed go to `draftPath`, where one is given.
    WeekPage(const Controls &controls, CalendarConnection &connection, QStringList recoveryFolders,
             const QString &draftPath = {});
    ~WeekPage();

    // Shows the week that holds `day`: the calendar's current date becomes the week's
    // Sunday, its range the seven days, and the headings their dates. Leaves the boxes alone.
    void SelectWeek(QDate day);
    void ClearWeek();
    // Fills the boxes from the row of the week that starts at the calendar's range start.
    bool LoadWeek();
    // Writes the boxes to the shown week's row, unless the week has a row and the boxes hold
    // exactly what was loaded: then the row stays as it is. On failure the texts go to a
    // recovery file and errorText() names it; textsOnlyOnScreen() tells when no folder would
    // take one either.
    bool SaveWeek();
    bool textsOnlyOnScreen() const { return m_textsOnlyOnScreen; }
    // Keeps the boxes' texts in the draft file, written on a thread of its own, unless they are
    // what the database holds: then there is no draft. A successful save removes the draft.
    void keepDraft();
    DraftKeeper *draft() const { return m_draft.get(); }
    // Saves the week being left, then shows and loads the clicked day's week.
    bool CalendarDateClicked(QDate clickedDay);
    // Shows the week of `now`, or of `day` where one is given (a week that came back from a
    // draft); the calendar's today is `now`'s day either way.
    bool ShowCurrentWeek(const QDateTime &now, QDate day = {});

    // The shown week's first day as the user's short date text, and as the day itself, which
    // is what keys the week: short formats may have two-digit years.
    QString WeekStartText() const { return m_weekStartText; }
    QDate weekStart() const { return m_weekStart; }

    QString errorText() const { return m_errorText; }

    // The boxes' texts as typed, with LF line breaks: what a recovery file shows.
    WeekTexts texts() const;

    // Told after each save that wrote the shown week: the week, and its texts as stored before
    // and after, with LF line breaks.
    using Written = std::function<void(QDate week, const WeekTexts &before, const WeekTexts &after)>;
    void setWritten(Written written) { m_written = std::move(written); }
    // The texts the boxes were loaded with, or last saved, with LF line breaks.
    WeekTexts storedTexts() const;
    // The shown week's row as it is now, with LF line breaks; nullopt where it cannot be read
    // (errorText() says why).
    std::optional<WeekTexts> readStored();
    // Another writer (a sync) left `stored` in the shown week's row: the next save writes
    // only where the boxes differ from it.
    void takeStored(const WeekTexts &stored);

private:
    // The boxes' texts as their documents hold them.
    WeekTexts rawTexts() const;
    // Whether the week has a row and `raw` is exactly what it gave the boxes (or last saved).
    bool holdsWhatIsStored(const WeekTexts &raw) const;

    Controls m_controls;
    CalendarConnection &m_connection;
    QStringList m_recoveryFolders;
    QString m_weekStartText;
    QDate m_weekStart;
    QString m_errorText;
    bool m_stored = false; // the shown week has a row
    WeekTexts m_loaded;    // the boxes' texts as that row gave them, or as last saved
    bool m_textsOnlyOnScreen = false;
    std::unique_ptr<DraftKeeper> m_draft;
    Written m_written;
};
