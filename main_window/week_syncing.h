#pragma once

#include "schedule/week_record.h"
#include "sync/sync_engine.h"

#include <array>
#include <functional>
#include <optional>
#include <QDate>
#include <QMap>
#include <QObject>
#include <QSet>
#include <QTimer>

class Alerts;
class CalendarConnection;
class Clock;
class QPlainTextEdit;
class QWidget;
class SyncDialog;
class SyncRunner;
class WeekPage;

// Sync from the window: "Sync…" and "Sync now", the automatic syncs where an account is set
// up (and nothing at all where none is: no file read beyond a look for the sync's state, no
// thread, no timer), the shown week saved before each sync, the sync's texts taken into the
// shown week without losing what the user typed meanwhile, the tray's line about sync, the
// days changed on both sides told once, and a last sync of at most a few seconds at close.
class WeekSyncing : public QObject
{
    Q_OBJECT
public:
    struct Window
    {
        QWidget *main = nullptr;
        QString databasePath;
        const Clock *clock = nullptr;
        Alerts *alerts = nullptr;
        WeekPage *page = nullptr;
        CalendarConnection *connection = nullptr; // the window's own, for other weeks' rows
        std::array<QPlainTextEdit *, kWeekFieldCount> boxes{};
        std::function<bool()> saveShownWeek; // false: it failed and the window has said so
        std::function<void(const QString &tip)> setTrayTip;
        std::function<void()> storedWeeksChanged; // the calendar's marks
    };
    // The longest the close waits for its last sync.
    static constexpr int kLastSyncLimit = 5000; // ms
    // How often the tray's line is brought up to date ("2 minutes ago").
    static constexpr int kTipInterval = 60 * 1000; // ms

    explicit WeekSyncing(Window window, QObject *parent = nullptr);
    ~WeekSyncing() override;

    // Once the window shows: where an account is set up, the automatic syncs start.
    void start();
    void openDialog(const QString &why = {});
    void syncNow();
    // After the close's own save: the last sync, waiting for it at most kLastSyncLimit.
    void finishAtClose();

    // Null where no account is set up.
    SyncRunner *runner() const { return m_runner; }
    SyncDialog &dialog();
    // Tests give the runner and the dialog their engine, password store and questions.
    void setPrepareRunner(std::function<void(SyncRunner &)> prepare)
    {
        m_prepareRunner = std::move(prepare);
    }
    void setPrepareDialog(std::function<void(SyncDialog &)> prepare)
    {
        m_prepareDialog = std::move(prepare);
    }

signals:
    // A sync ended and the window has taken its texts.
    void synced(const SyncOutcome &outcome);

private:
    struct Written
    {
        WeekTexts before;
        WeekTexts after;
    };
    void makeRunner();
    void dropRunner();
    bool beforeRun();
    void weekWritten(QDate week, const WeekTexts &before, const WeekTexts &after);
    void finished(const SyncOutcome &outcome);
    void tell(const SyncOutcome &outcome, QList<QDate> conflictDays, bool onDemand);
    // The days whose box got both texts.
    QList<QDate> takeIntoShownWeek(const std::optional<Written> &during);
    void keepBothInStored(QDate week, const Written &written);
    void askForPassword();
    void showStatus();

    Window m_window;
    SyncRunner *m_runner = nullptr;
    SyncDialog *m_dialog = nullptr;
    std::function<void(SyncRunner &)> m_prepareRunner;
    std::function<void(SyncDialog &)> m_prepareDialog;
    QTimer m_tipClock;
    // Weeks the window wrote while a sync ran, which the sync may have written over.
    QMap<QDate, Written> m_writtenDuringRun;
    bool m_savingForSync = false;
    bool m_closing = false;
    bool m_passwordAsked = false;
    bool m_onDemand = false;
};
