#pragma once

#include "schedule/week_record.h"

#include <array>
#include <functional>
#include <QObject>

class FindWindow;
class QAction;
class QPlainTextEdit;
class QWidget;
class WeekPage;
struct FindResult;

// Finding words in every week from the main window: the find action (Ctrl+F, in the menus and
// in the boxes' own context menu) opens the find window, looking for the words selected in the
// box being typed in where there are some; the next and previous results (F3, Shift+F3) are
// gone to, from the find window's last query where it is closed; going to a result does what a
// day click does, then selects the match in its box.
class FindInWeeks : public QObject
{
    Q_OBJECT
public:
    struct Window
    {
        QWidget *main = nullptr;
        const WeekPage *page = nullptr;
        std::array<QPlainTextEdit *, kWeekFieldCount> boxes{};
        std::function<void(QDate)> showWeek; // as a click on that day
        std::function<void()> comeForward;   // the main window shown and focused
        QAction *find = nullptr;             // also offered in each box's context menu
    };

    FindInWeeks(Window window, const QString &databasePath, QObject *parent = nullptr);
    ~FindInWeeks() override;

    // Made on first use: most runs never look for anything, and the start does not wait for it.
    FindWindow &findWindow();
    void open(const QString &query = {});
    // The find action: the window brought forward, then the find window, with the words
    // selected in the box that has the focus, where they are on one line.
    void find();
    // The next (1) or previous (-1) result; with the find window closed, it opens again first.
    void goToNext(int step);

private:
    void goTo(const FindResult &result);

    Window m_window;
    QString m_databasePath;
    FindWindow *m_findWindow = nullptr;
};
