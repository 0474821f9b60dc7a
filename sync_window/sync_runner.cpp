#include "sync_runner.h"

#include "sync/password_store.h"

#include <atomic>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QThread>
#include <utility>

namespace {

// How long a stopped sync may take to notice before the close goes on without it.
constexpr int kStopGrace = 1000; // ms

} // namespace

// One sync: what its thread reads and writes, shared with the thread, so that a thread left
// behind at the program's end never reaches into a runner that is gone.
struct SyncRunner::Run
{
    std::atomic<bool> stop = false;
    SyncOutcome outcome;
    QDateTime lastSync;
    QDateTime waitingSince;
};

int SyncRunner::retryDelay(int failures)
{
    if (failures <= 1)
        return kPeriod;
    const qint64 delay = qint64(kPeriod) << std::min(failures - 1, 8);
    return int(std::min<qint64>(delay, kLongestRetry));
}

SyncRunner::SyncRunner(QString databasePath, QObject *parent)
    : QObject(parent), m_databasePath(std::move(databasePath)), m_engine(&SyncEngine::run),
      m_readPassword([](const SyncAccount &account) {
          return PasswordStore::read(account.server.toString(), account.user);
      }),
      m_clock([] { return QDateTime::currentDateTimeUtc(); })
{
    m_next.setSingleShot(true);
    connect(&m_next, &QTimer::timeout, this, &SyncRunner::begin);
}

// A sync that would not stop in time ends with the program: its thread is kept here, where it
// is still reachable, rather than deleted while it runs.
static void leaveBehind(QThread *thread)
{
    static auto *const threads = new QList<QThread *>; // never destroyed: outlives the exit
    threads->append(thread);
}

SyncRunner::~SyncRunner()
{
    if (!m_thread)
        return;
    m_run->stop = true;
    m_thread->disconnect(this);
    if (m_thread->wait(QDeadlineTimer(kStopGrace)))
        delete m_thread;
    else
        leaveBehind(m_thread); // deleting a running thread would abort the program
}

void SyncRunner::setPassword(const QString &password)
{
    m_password = password;
    m_automatic = true;
}

void SyncRunner::start()
{
    const QString statePath = SyncState::pathFor(m_databasePath);
    SyncState state;
    if (QFileInfo::exists(statePath) && state.open(statePath)) {
        m_facts.lastSync = state.lastSync();
        m_facts.waitingSince = state.waitingSince();
        // Something waits only where a sync failed.
        m_facts.lastFailed = m_facts.waitingSince.isValid();
    }
    m_automatic = true;
    scheduleIn(kAfterStart);
}

void SyncRunner::runSoon()
{
    if (!m_automatic)
        return;
    if (isRunning())
        m_pending = true; // the sync under way may have read the week before this save
    else
        scheduleIn(kAfterSave);
}

void SyncRunner::runNow()
{
    begin();
}

void SyncRunner::stop()
{
    if (m_run)
        m_run->stop = true;
}

SyncStatus::Facts SyncRunner::facts() const
{
    SyncStatus::Facts facts = m_facts;
    facts.now = m_clock();
    return facts;
}

void SyncRunner::scheduleIn(int ms)
{
    if (!m_automatic)
        return;
    if (!m_next.isActive() || m_next.remainingTime() > ms)
        m_next.start(ms);
}

void SyncRunner::begin()
{
    if (isRunning()) {
        m_pending = true;
        return;
    }
    if (m_beforeRun && !m_beforeRun()) {
        // The shown week could not be saved, which the window said: not now.
        if (m_automatic)
            m_next.start(kPeriod);
        return;
    }
    if (!launch())
        return;
    emit started();
}

// Starts the thread; false where no password is known, which is asked for once.
bool SyncRunner::launch()
{
    const QString statePath = SyncState::pathFor(m_databasePath);
    if (!m_password && m_readPassword) {
        SyncState state;
        if (QFileInfo::exists(statePath) && state.open(statePath))
            m_password = m_readPassword(state.account());
    }
    if (!m_password) {
        m_automatic = false;
        m_next.stop();
        emit passwordNeeded();
        return false;
    }
    auto run = std::make_shared<Run>();
    SyncEngine::Setup setup;
    setup.databasePath = m_databasePath;
    setup.password = *m_password;
    setup.clock = m_clock;
    setup.timeoutMs = kTimeout;
    setup.stop = &run->stop;
    m_run = run;
    m_thread = QThread::create([run, setup, engine = m_engine, statePath] {
        run->outcome = engine(setup);
        SyncState state;
        if (QFileInfo::exists(statePath) && state.open(statePath)) {
            run->lastSync = state.lastSync();
            run->waitingSince = state.waitingSince();
        }
    });
    m_thread->setObjectName(QStringLiteral("Sync"));
    connect(m_thread, &QThread::finished, this, &SyncRunner::end);
    m_thread->start();
    return true;
}

// The thread has ended: what it came to, and what runs next.
void SyncRunner::end()
{
    if (!m_thread || m_thread->isRunning())
        return;
    delete std::exchange(m_thread, nullptr);
    const std::shared_ptr<Run> run = std::exchange(m_run, nullptr);
    const SyncOutcome &outcome = run->outcome;
    const bool failed = outcome.result == SyncOutcome::Result::Failed;
    m_facts.lastSync = run->lastSync;
    m_facts.waitingSince = run->waitingSince;
    m_facts.lastFailed = failed;
    m_facts.passwordRefused = outcome.passwordRefused;
    m_facts.certificateRefused = !outcome.untrustedCertificate.isEmpty();
    m_facts.conflictDays = int(outcome.conflictDays.size());
    m_failures = failed ? m_failures + 1 : 0;
    const bool refused = outcome.passwordRefused || !outcome.untrustedCertificate.isEmpty();
    if (refused) {
        // Only the user can put this right: no retry, which the server might take for an
        // attack on the account.
        m_automatic = false;
        m_pending = false;
        m_next.stop();
        if (outcome.passwordRefused)
            m_password.reset();
    } else if (m_automatic) {
        m_next.start(retryDelay(m_failures));
    }
    emit finished(outcome);
    if (outcome.passwordRefused)
        emit passwordNeeded();
    if (std::exchange(m_pending, false))
        begin();
}

void SyncRunner::finishWithin(int ms)
{
    const QDeadlineTimer deadline(ms);
    m_automatic = false;
    m_pending = false;
    m_next.stop();
    const auto waitOrStop = [this, &deadline] {
        if (m_thread->wait(deadline)) {
            end();
            return true;
        }
        m_run->stop = true;
        if (m_thread->wait(QDeadlineTimer(kStopGrace))) {
            end();
            return false;
        }
        // Left to end with the program: the close never waits longer on the network.
        m_thread->disconnect(this);
        leaveBehind(std::exchange(m_thread, nullptr));
        m_run.reset();
        return false;
    };
    if (isRunning() && !waitOrStop())
        return;
    if (!m_password || !launch()) // no password: no keychain to wait for while closing
        return;
    emit started();
    waitOrStop();
}
