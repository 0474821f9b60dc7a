#pragma once

#include "sync/sync_engine.h"
#include "sync/sync_state.h"
#include "sync_status.h"

#include <functional>
#include <memory>
#include <optional>
#include <QObject>
#include <QTimer>

class QThread;

// Runs the sync of one database on a thread of its own, one at a time: a sync asked for while
// one runs follows it. Syncs run by themselves a moment after start(), a few seconds after
// each save (runSoon), every five minutes, and after a failure less and less often; a server
// that refuses the password, or a certificate that no longer matches, stops them until the
// user sets the account up again. No widgets.
class SyncRunner : public QObject
{
    Q_OBJECT
public:
    using Engine = std::function<SyncOutcome(const SyncEngine::Setup &)>;
    using ReadPassword = std::function<std::optional<QString>(const SyncAccount &)>;

    static constexpr int kAfterStart = 3 * 1000;          // ms, after the window shows
    static constexpr int kAfterSave = 5 * 1000;           // ms, so typing on saves once
    static constexpr int kPeriod = 5 * 60 * 1000;         // ms
    static constexpr int kLongestRetry = 60 * 60 * 1000;  // ms
    static constexpr int kTimeout = 30 * 1000;            // ms, for each request's answer
    // How long the automatic syncs wait after `failures` failures in a row: the period, then
    // twice as long after each, up to an hour.
    static int retryDelay(int failures);

    explicit SyncRunner(QString databasePath, QObject *parent = nullptr);
    ~SyncRunner() override; // a sync under way is stopped

    void setEngine(Engine engine) { m_engine = std::move(engine); }
    void setReadPassword(ReadPassword read) { m_readPassword = std::move(read); }
    // Runs on this thread before each sync but the last one at close: false skips that sync.
    void setBeforeRun(std::function<bool()> before) { m_beforeRun = std::move(before); }
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }
    // The password the user gave in this run; automatic syncs go on again with it.
    void setPassword(const QString &password);

    // Reads where the last sync left things and starts the automatic syncs.
    void start();
    // A sync a few seconds from now, unless one comes sooner: after a save.
    void runSoon();
    // A sync at once, or right after the one under way.
    void runNow();
    // Stops the sync under way soon; its outcome still comes.
    void stop();
    // For the close, after its last save: a last sync, waiting at most `ms` for it (and for
    // one under way first) before stopping it. Never runs the before-run step.
    void finishWithin(int ms);

    bool isRunning() const { return m_run != nullptr; }
    bool runsByItself() const { return m_automatic; }
    // What the tooltip's line is made of, as of the last sync.
    SyncStatus::Facts facts() const;
    // When the next automatic sync is due.
    QTimer &nextRun() { return m_next; }

signals:
    void started();
    void finished(const SyncOutcome &outcome);
    // No password is known, or the server refused it: ask the user once.
    void passwordNeeded();

private:
    struct Run;
    void begin();
    void end();
    void scheduleIn(int ms);
    bool launch();

    QString m_databasePath;
    Engine m_engine;
    ReadPassword m_readPassword;
    std::function<bool()> m_beforeRun;
    std::function<QDateTime()> m_clock;
    std::optional<QString> m_password;
    std::shared_ptr<Run> m_run;
    QThread *m_thread = nullptr;
    QTimer m_next;
    bool m_pending = false;
    bool m_automatic = false;
    int m_failures = 0;
    SyncStatus::Facts m_facts;
};
