#pragma once

#include "schedule/week_record.h"

#include <array>
#include <functional>
#include <QObject>

class FindWindow;
class QPlainTextEdit;
class QWidget;
class TrayMenu;
class WeekPage;
struct FindResult;

// Finding words in every week from the main window: Ctrl+F, the tray menu's "Find…" and the
// boxes' "Find in all weeks…" open the find window; F3 and Shift+F3 go to the next and previous
// result while it is open; going to a result does what a day click does, then selects the match
// in its box.
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
    };

    FindInWeeks(Window window, const QString &databasePath, TrayMenu &trayMenu,
                QObject *parent = nullptr);
    ~FindInWeeks() override;

    FindWindow &findWindow() const { return *m_findWindow; }
    void open(const QString &query = {});

private:
    void goTo(const FindResult &result);
    void addFindToBox(QPlainTextEdit *box);

    Window m_window;
    FindWindow *m_findWindow = nullptr;
};
