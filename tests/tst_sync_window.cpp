// Sync in the window: the tray's line, the runner's schedule, the Sync dialog with its keys and
// against a real CalDAV server (Radicale), and the window taking a sync's texts without losing
// what the user typed meanwhile. The window's syncs run a stand-in engine that writes the
// database as a sync from the server would, waiting where a test types during the sync.
#include "radicale_server.h"
#include "main_window/form1.h"
#include "main_window/week_page.h"
#include "main_window/week_syncing.h"
#include "main_window/window_actions.h"
#include "recording_shell.h"
#include "schedule/calendar_connection.h"
#include "schedule/calendar_files.h"
#include "start_up_doubles.h"
#include "sync/sync_state.h"
#include "sync_window/sync_dialog.h"
#include "sync_window/sync_runner.h"
#include "sync_window/sync_status.h"
#include "translations/app_language.h"
#include "tray/csystray.h"
#include "window_doubles.h"

#include <atomic>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSemaphore>
#include <QSignalSpy>
#include <QThread>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString S = u"||MySeparator123||"_s;
const QDate kWeek(2025, 12, 28); // the week shown on 1 January 2026
constexpr int kMinute = 60 * 1000;

SyncOutcome outcomeOf(SyncOutcome::Result result, const QString &message = {})
{
    SyncOutcome outcome;
    outcome.result = result;
    outcome.message = message;
    return outcome;
}

QDateTime at(int secondsBefore)
{
    return QDateTime(QDate(2026, 1, 10), QTime(12, 0)).addSecs(-secondsBefore);
}

// What the server would have the sync do: wait where the test types during the sync, then
// write these boxes of these weeks into the database.
struct FakeSync
{
    SyncOutcome run(const SyncEngine::Setup &setup)
    {
        ++runs;
        CalendarConnection db;
        db.open(setup.databasePath);
        std::optional<QString> record;
        db.loadWeekData(kWeek, record);
        seen = record.value_or(QString());
        if (waits) {
            while (!go.tryAcquire(1, 50)) {
                if (setup.stop && *setup.stop) {
                    stopped = true;
                    return outcomeOf(SyncOutcome::Result::Failed, u"stopped"_s);
                }
            }
        }
        SyncOutcome outcome = this->outcome;
        for (auto week = writes.cbegin(); week != writes.cend(); ++week) {
            db.loadWeekData(week.key(), record);
            QStringList fields = record ? record->split(S) : QStringList();
            while (fields.size() < 8)
                fields.append(QString());
            for (auto box = week->cbegin(); box != week->cend(); ++box) {
                fields[box.key()] = box.value();
                outcome.changedDays.append(week.key().addDays(box.key() % 7));
            }
            db.saveWeekData(week.key(), fields.join(S).toUtf8());
        }
        writes.clear(); // once: the syncs after it find nothing new
        return outcome;
    }

    SyncOutcome outcome = outcomeOf(SyncOutcome::Result::Synced);
    QMap<QDate, QMap<int, QString>> writes;
    bool waits = false;
    QSemaphore go;
    std::atomic<int> runs = 0;
    std::atomic<bool> stopped = false;
    QString seen; // the shown week's row as the sync found it
};

QString weekRow(const QString &path, QDate week)
{
    CalendarConnection db;
    std::optional<QString> record;
    if (!db.open(path) || !db.loadWeekData(week, record))
        return u"unreadable"_s;
    return record.value_or(QString());
}

bool setUpAccount(const QString &databasePath)
{
    SyncState state;
    SyncAccount account;
    account.server = QUrl(u"http://127.0.0.1:9/"_s);
    account.user = u"ann"_s;
    account.calendar = QUrl(u"http://127.0.0.1:9/ann/weeks/"_s);
    return state.open(SyncState::pathFor(databasePath)) && state.setAccount(account);
}

} // namespace

Q_DECLARE_METATYPE(SyncStatus::Facts)

class TestSyncWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { AppLanguage::installForUser(*qApp); } // English's counted forms
    void init();
    void cleanup();
    void theTrayLineSaysHowSyncStands_data();
    void theTrayLineSaysHowSyncStands();
    void failuresSpaceTheRetriesOut_data();
    void failuresSpaceTheRetriesOut();
    void oneSyncAtATimeAndASaveDuringOneRunsAnother();
    void stopReachesTheSyncUnderWay();
    void aSyncThatWillNotStopIsLeftBehindAtClose();
    void aRefusedPasswordIsAskedForOnceAndStopsTheSchedule_data();
    void aRefusedPasswordIsAskedForOnceAndStopsTheSchedule();
    void theDialogWorksByKeyboard();
    void plainHttpToAnotherComputerIsAskedFirst();
    void theDialogConnectsToARealServer_data();
    void theDialogConnectsToARealServer();
    void withoutAnAccountNothingSyncs();
    void theShownWeekTakesTheSyncedTexts_data();
    void theShownWeekTakesTheSyncedTexts();
    void aWeekLeftDuringTheSyncKeepsItsWords();
    void conflictsAreToldOnceAndShownInTheTray();
    void aFailureIsToldOnlyWhenTheSyncWasAskedFor();
    void theCloseSyncsWhatItSavedAndWaitsOnlySoLong_data();
    void theCloseSyncsWhatItSavedAndWaitsOnlySoLong();

private:
    void loadAndShow(const QString &record);
    QPlainTextEdit *box(int k) const { return m_form->text1(k); }

    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_dbPath;
    FixedClock m_clock;
    RecordingAlerts m_alerts;
    RecordingShell m_shell;
    ScriptedDraw m_draw;
    RecordingLauncher m_launcher;
    QList<int> m_endings;
    FakeSync m_sync;
    std::unique_ptr<Form1> m_form;
};

void TestSyncWindow::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    m_dbPath = databasePath(m_folder->path());
    m_alerts = RecordingAlerts();
    m_endings.clear();
    m_sync.outcome = outcomeOf(SyncOutcome::Result::Synced);
    m_sync.writes.clear();
    m_sync.waits = false;
    m_sync.runs = 0;
    m_sync.stopped = false;
}

void TestSyncWindow::cleanup()
{
    m_sync.go.release(100); // a sync still waiting ends
    m_form.reset();
    m_sync.go.acquire(m_sync.go.available());
}

// The window on 1 January 2026 with the week's row, its syncs run by m_sync.
void TestSyncWindow::loadAndShow(const QString &record)
{
    if (!QFileInfo::exists(m_dbPath))
        QVERIFY(createEmptyCalendarDatabase(m_dbPath));
    CalendarConnection db;
    QVERIFY(db.open(m_dbPath));
    QVERIFY(db.saveWeekData(kWeek, record.toUtf8()));
    Form1::Services services{&m_clock, &m_alerts, &m_shell, m_folder->path(),
                             [this](int code) { m_endings.append(code); }, &m_draw, &m_launcher};
    m_form = std::make_unique<Form1>(std::move(services));
    m_form->weekSyncing().setPrepareRunner([this](SyncRunner &runner) {
        runner.setEngine([this](const SyncEngine::Setup &setup) { return m_sync.run(setup); });
        runner.setReadPassword([](const SyncAccount &) { return u"secret"_s; });
    });
    QVERIFY(m_form->Load());
    m_form->show();
    m_form->activateWindow();
    QTRY_COMPARE(QGuiApplication::focusWindow(), m_form->windowHandle());
    QTRY_VERIFY(m_form->cSysTray1()->InTray()); // the start's work after the first frame is done
}

void TestSyncWindow::theTrayLineSaysHowSyncStands_data()
{
    QTest::addColumn<SyncStatus::Facts>("facts");
    QTest::addColumn<QString>("line");
    const QDateTime now = at(0);
    const auto synced = [now](int secondsAgo) {
        return SyncStatus::Facts{now, at(secondsAgo), {}, false, false, false, 0};
    };
    SyncStatus::Facts never;
    never.now = now;
    QTest::newRow("never") << never << u"Not synced yet"_s;
    QTest::newRow("59 s") << synced(59) << u"Synced just now"_s;
    QTest::newRow("a minute") << synced(60) << u"Synced 1 minute ago"_s;
    QTest::newRow("2 min") << synced(150) << u"Synced 2 minutes ago"_s;
    QTest::newRow("59 min") << synced(3599) << u"Synced 59 minutes ago"_s;
    QTest::newRow("an hour") << synced(3600) << u"Synced 1 hour ago"_s;
    QTest::newRow("23 h") << synced(86399) << u"Synced 23 hours ago"_s;
    QTest::newRow("a day") << synced(86400) << u"Synced 1 day ago"_s;
    QTest::newRow("3 days") << synced(3 * 86400 + 5) << u"Synced 3 days ago"_s;
    QTest::newRow("a clock set back") << synced(-600) << u"Synced just now"_s;
    const auto offline = [now](int waitingFor) {
        return SyncStatus::Facts{now, at(9 * 86400), waitingFor < 0 ? QDateTime() : at(waitingFor),
                                 true, false, false, 0};
    };
    QTest::newRow("offline, 3 days") << offline(3 * 86400) << u"Offline: 3 days waiting"_s;
    QTest::newRow("offline, 1 day") << offline(86400) << u"Offline: 1 day waiting"_s;
    QTest::newRow("offline, 5 h") << offline(5 * 3600 + 1) << u"Offline: 5 hours waiting"_s;
    QTest::newRow("offline, 2 min") << offline(120) << u"Offline: 2 minutes waiting"_s;
    QTest::newRow("offline, a moment") << offline(10) << u"Offline: changes waiting"_s;
    QTest::newRow("offline, nothing known") << offline(-1) << u"Offline"_s;
    SyncStatus::Facts conflicts = synced(0);
    conflicts.conflictDays = 2;
    QTest::newRow("2 days on both sides") << conflicts << u"2 days changed on both sides"_s;
    conflicts.conflictDays = 1;
    QTest::newRow("1 day on both sides") << conflicts << u"1 day changed on both sides"_s;
    SyncStatus::Facts refused = offline(3 * 86400);
    refused.passwordRefused = true;
    QTest::newRow("password refused, before offline")
        << refused << u"Sync stopped: the server refused the password"_s;
    SyncStatus::Facts certificate = offline(60);
    certificate.certificateRefused = true;
    QTest::newRow("certificate changed")
        << certificate << u"Sync stopped: the server's certificate changed"_s;
}

void TestSyncWindow::theTrayLineSaysHowSyncStands()
{
    QFETCH(SyncStatus::Facts, facts);
    QFETCH(QString, line);
    QCOMPARE(SyncStatus::line(facts), line);
    QCOMPARE(SyncStatus::tip(SyncStatus::line(facts)), u"Orvanta\n"_s + line);
}

void TestSyncWindow::failuresSpaceTheRetriesOut_data()
{
    QTest::addColumn<QList<bool>>("results"); // of the syncs in a row: true where it worked
    QTest::addColumn<QList<int>>("minutes");  // till the next automatic sync after each
    QTest::newRow("working") << QList<bool>{true, true} << QList<int>{5, 5};
    QTest::newRow("failing, doubling up to an hour")
        << QList<bool>{false, false, false, false, false, false}
        << QList<int>{5, 10, 20, 40, 60, 60};
    QTest::newRow("working again") << QList<bool>{false, false, true, false}
                                   << QList<int>{5, 10, 5, 5};
}

void TestSyncWindow::failuresSpaceTheRetriesOut()
{
    QFETCH(QList<bool>, results);
    QFETCH(QList<int>, minutes);
    SyncRunner runner(m_folder->filePath(u"dbCalendar.mdb"_s));
    qsizetype next = 0;
    runner.setEngine([&](const SyncEngine::Setup &) {
        return outcomeOf(results[next] ? SyncOutcome::Result::Synced
                                       : SyncOutcome::Result::Failed);
    });
    runner.setPassword(u"secret"_s);
    runner.start();
    QVERIFY(runner.nextRun().isActive());
    QCOMPARE(runner.nextRun().interval(), SyncRunner::kAfterStart);
    QSignalSpy finished(&runner, &SyncRunner::finished);
    for (next = 0; next < results.size(); ++next) {
        runner.runNow();
        QVERIFY(finished.wait(10000));
        QVERIFY(runner.nextRun().isActive());
        QCOMPARE(runner.nextRun().interval(), minutes[next] * kMinute);
        QCOMPARE(runner.facts().lastFailed, !results[next]);
    }
}

void TestSyncWindow::stopReachesTheSyncUnderWay()
{
    SyncRunner runner(m_folder->filePath(u"dbCalendar.mdb"_s));
    std::atomic<bool> began = false;
    runner.setEngine([&](const SyncEngine::Setup &setup) {
        began = true;
        while (!*setup.stop)
            QThread::yieldCurrentThread();
        return outcomeOf(SyncOutcome::Result::Failed, u"stopped"_s);
    });
    runner.setPassword(u"secret"_s);
    QSignalSpy finished(&runner, &SyncRunner::finished);
    runner.runNow();
    QTRY_VERIFY_WITH_TIMEOUT(began, 10000);
    runner.stop();
    QVERIFY(finished.wait(10000));
    QVERIFY(!runner.isRunning());
}

void TestSyncWindow::aSyncThatWillNotStopIsLeftBehindAtClose()
{
    // Outlives the test: the sync left behind ends on it after the runner has gone.
    static QSemaphore release;
    auto *runner = new SyncRunner(m_folder->filePath(u"dbCalendar.mdb"_s));
    std::atomic<bool> began = false;
    runner->setEngine([&began](const SyncEngine::Setup &) {
        began = true;
        release.acquire(); // deaf to the stop, as a network call can be
        return outcomeOf(SyncOutcome::Result::Failed);
    });
    runner->setPassword(u"secret"_s);
    runner->runNow();
    QTRY_VERIFY_WITH_TIMEOUT(began, 10000);
    runner->finishWithin(100);
    QVERIFY(!runner->isRunning());
    delete runner; // the close goes on: no wait, no crash
    release.release();
}

void TestSyncWindow::oneSyncAtATimeAndASaveDuringOneRunsAnother()
{
    SyncRunner runner(m_folder->filePath(u"dbCalendar.mdb"_s));
    std::atomic<int> running = 0, most = 0;
    QSemaphore go;
    runner.setEngine([&](const SyncEngine::Setup &) {
        most = std::max(most.load(), ++running);
        go.acquire();
        --running;
        return outcomeOf(SyncOutcome::Result::Synced);
    });
    runner.setPassword(u"secret"_s);
    runner.start();
    QSignalSpy started(&runner, &SyncRunner::started);
    QSignalSpy finished(&runner, &SyncRunner::finished);
    runner.runNow();
    QVERIFY(runner.isRunning());
    runner.runNow();  // remembered
    runner.runSoon(); // a save meanwhile: the same second sync
    QCOMPARE(started.count(), 1);
    go.release(2);
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 2, 10000);
    QCOMPARE(started.count(), 2);
    QCOMPARE(most.load(), 1);
    // A save with nothing running: a sync a few seconds later, not at once.
    runner.runSoon();
    QVERIFY(!runner.isRunning());
    QVERIFY(runner.nextRun().isActive());
    QCOMPARE(runner.nextRun().interval(), SyncRunner::kAfterSave);
}

void TestSyncWindow::aRefusedPasswordIsAskedForOnceAndStopsTheSchedule_data()
{
    QTest::addColumn<bool>("known"); // a password is kept; the server refuses it
    QTest::newRow("refused by the server") << true;
    QTest::newRow("none kept") << false;
}

void TestSyncWindow::aRefusedPasswordIsAskedForOnceAndStopsTheSchedule()
{
    QFETCH(bool, known);
    QVERIFY(createEmptyCalendarDatabase(m_dbPath));
    QVERIFY(setUpAccount(m_dbPath));
    SyncRunner runner(m_dbPath);
    int runs = 0;
    runner.setEngine([&](const SyncEngine::Setup &setup) {
        ++runs;
        SyncOutcome refused = outcomeOf(SyncOutcome::Result::Failed, u"refused"_s);
        refused.passwordRefused = setup.password == u"old"_s;
        return refused;
    });
    runner.setReadPassword([&](const SyncAccount &account) {
        return known && account.user == u"ann"_s ? std::optional<QString>(u"old"_s) : std::nullopt;
    });
    QSignalSpy asked(&runner, &SyncRunner::passwordNeeded);
    QSignalSpy finished(&runner, &SyncRunner::finished);
    runner.start();
    runner.nextRun().start(0);
    QVERIFY(asked.wait(10000));
    QCOMPARE(runs, known ? 1 : 0);
    QVERIFY(!runner.runsByItself());
    QVERIFY(!runner.nextRun().isActive());
    runner.runSoon(); // a save: no sync, no question
    QVERIFY(!runner.nextRun().isActive());
    QCOMPARE(asked.count(), 1);
    QCOMPARE(runner.facts().passwordRefused, known);
    // The password given in the dialog: syncs go on by themselves.
    runner.setPassword(u"new"_s);
    runner.runNow();
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), known ? 2 : 1, 10000);
    QVERIFY(runner.runsByItself());
    QVERIFY(runner.nextRun().isActive());
    QCOMPARE(asked.count(), 1);
}

void TestSyncWindow::theDialogWorksByKeyboard()
{
    SyncDialog dialog(m_dbPath);
    dialog.ask();
    QTRY_COMPARE(QApplication::activeWindow(), &dialog);
    QCOMPARE(QApplication::focusWidget(), dialog.serverField());
    QCOMPARE(dialog.passwordField()->echoMode(), QLineEdit::Password);
    const QList<std::pair<Qt::Key, QWidget *>> mnemonics{{Qt::Key_U, dialog.userField()},
                                                         {Qt::Key_P, dialog.passwordField()},
                                                         {Qt::Key_L, dialog.calendarField()},
                                                         {Qt::Key_S, dialog.serverField()}};
    for (const auto &[key, field] : mnemonics) {
        QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), field);
        QVERIFY(!field->accessibleName().isEmpty());
    }
    // Enter connects: here, to nothing, which it says.
    QTest::keyClick(dialog.serverField(), Qt::Key_Return);
    QVERIFY(dialog.statusText().contains(u"address of your CalDAV server"_s));
    QVERIFY(dialog.isVisible());
    QVERIFY(!dialog.isConnecting());
    QVERIFY(!QFileInfo::exists(SyncState::pathFor(m_dbPath)));
    QTest::keyClick(dialog.serverField(), Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
}

void TestSyncWindow::plainHttpToAnotherComputerIsAskedFirst()
{
    SyncDialog dialog(m_dbPath);
    QStringList questions;
    dialog.setAsk([&](QWidget *, const QString &question) {
        questions.append(question);
        return false;
    });
    dialog.ask();
    dialog.serverField()->setText(u"http://192.0.2.1/dav/"_s);
    dialog.userField()->setText(u"ann"_s);
    QSignalSpy ended(&dialog, &SyncDialog::connectEnded);
    dialog.connectButton()->click();
    QCOMPARE(questions.size(), 1);
    QVERIFY(questions[0].contains(u"plain HTTP"_s));
    QCOMPARE(ended.count(), 1);
    QVERIFY(!dialog.isConnecting()); // No: no request at all
    QVERIFY(!QFileInfo::exists(SyncState::pathFor(m_dbPath)));
}

void TestSyncWindow::theDialogConnectsToARealServer_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("storeTakesIt");
    QTest::addColumn<QString>("said");
    QTest::newRow("kept in the store") << u"secret"_s << true << u"desktop's password store"_s;
    QTest::newRow("no store: for this run") << u"secret"_s << false << u"until it ends"_s;
    QTest::newRow("a wrong password") << u"wrong"_s << true << u"refused the user name"_s;
}

void TestSyncWindow::theDialogConnectsToARealServer()
{
    QFETCH(QString, password);
    QFETCH(bool, storeTakesIt);
    QFETCH(QString, said);
    if (!RadicaleServer::installed())
        QSKIP("Radicale is not installed (scripts/setup-debian e2e)");
    QTemporaryDir serverFolder;
    RadicaleServer radicale;
    QVERIFY(radicale.start(serverFolder.path()));
    QVERIFY(createEmptyCalendarDatabase(m_dbPath));

    SyncDialog dialog(m_dbPath);
    QStringList stored;
    dialog.setWritePassword([&](const SyncAccount &account, const QString &given) {
        stored.append(account.user + u':' + given);
        return storeTakesIt;
    });
    dialog.ask();
    dialog.serverField()->setText(radicale.url().toString());
    dialog.userField()->setText(u"alice"_s);
    dialog.passwordField()->setText(password);
    QSignalSpy ended(&dialog, &SyncDialog::connectEnded);
    QSignalSpy connected(&dialog, &SyncDialog::connected);
    QTest::keyClick(dialog.passwordField(), Qt::Key_Return);
    QVERIFY(dialog.isConnecting());
    QVERIFY(!dialog.connectButton()->isEnabled());
    QVERIFY(ended.wait(30000));
    QVERIFY2(dialog.statusText().contains(said), qPrintable(dialog.statusText()));
    SyncState state;
    const bool right = password == u"secret"_s;
    QCOMPARE(ended.first().first().toBool(), right);
    if (!right) {
        QVERIFY(stored.isEmpty());
        QVERIFY(connected.isEmpty());
        return;
    }
    QCOMPARE(stored, QStringList(u"alice:secret"_s));
    QCOMPARE(connected.first().first().toString(), u"secret"_s);
    QVERIFY(state.open(SyncState::pathFor(m_dbPath)));
    QVERIFY(state.account().isSet());
    QCOMPARE(state.account().calendar.port(), radicale.url().port());

    // A week here reaches the server through the runner's real sync.
    CalendarConnection db;
    QVERIFY(db.open(m_dbPath));
    QVERIFY(db.saveWeekData(kWeek, (S + u"Dentist at 9"_s + S.repeated(6)).toUtf8()));
    SyncRunner runner(m_dbPath);
    runner.setPassword(u"secret"_s);
    QSignalSpy finished(&runner, &SyncRunner::finished);
    runner.runNow();
    QVERIFY(finished.wait(30000));
    const auto outcome = finished.first().first().value<SyncOutcome>();
    QVERIFY2(outcome.result == SyncOutcome::Result::Synced, qPrintable(outcome.message));
    QCOMPARE(outcome.sent, 1);
    QCOMPARE(SyncStatus::line(runner.facts()), u"Synced just now"_s);
}

void TestSyncWindow::withoutAnAccountNothingSyncs()
{
    loadAndShow(QString());
    QVERIFY(!m_form->weekSyncing().runner());
    QCOMPARE(m_form->cSysTray1()->TrayTip(), u"Orvanta"_s);
    QTest::keyClicks(box(1), u"typed"_s);
    QTest::keyClick(box(1), Qt::Key_S, Qt::ControlModifier); // a save
    QTest::keyClick(box(1), Qt::Key_F5);                     // Sync now: the dialog instead
    QVERIFY(m_form->weekSyncing().dialog().isVisible());
    QVERIFY(m_form->weekSyncing().dialog().statusText().contains(u"not set up"_s));
    QVERIFY(!m_form->weekSyncing().runner());
    QCOMPARE(m_sync.runs.load(), 0);
    QVERIFY(!QFileInfo::exists(SyncState::pathFor(m_dbPath)));
}

void TestSyncWindow::theShownWeekTakesTheSyncedTexts_data()
{
    QTest::addColumn<QString>("typed");  // at the end of Monday's box during the sync
    QTest::addColumn<QString>("server"); // Monday's text the sync brings
    QTest::addColumn<QString>("shown");  // Monday's box, and its row, after the sync
    QTest::addColumn<bool>("told");      // that Monday changed on both sides
    const QString line = u"\n\u2014 changed on another device (2026-01-01 10:00) \u2014\n"_s;
    QTest::newRow("untouched: the server's text")
        << QString() << u"Gym with Ann"_s << u"Gym with Ann"_s << false;
    QTest::newRow("typed meanwhile: both texts")
        << u" at 6"_s << u"Gym with Ann"_s << u"Gym at 6"_s + line + u"Gym with Ann"_s << true;
    QTest::newRow("the same typed on both sides")
        << u" with Ann"_s << u"Gym with Ann"_s << u"Gym with Ann"_s << false;
    QTest::newRow("emptied there, typed here: the typing")
        << u" at 6"_s << QString() << u"Gym at 6"_s << false;
    QTest::newRow("several lines") << u"\nthen sauna"_s << u"Gym\nbring towel"_s
                                   << u"Gym\nthen sauna"_s + line + u"Gym\nbring towel"_s << true;
}

void TestSyncWindow::theShownWeekTakesTheSyncedTexts()
{
    QFETCH(QString, typed);
    QFETCH(QString, server);
    QFETCH(QString, shown);
    QFETCH(bool, told);
    QVERIFY(setUpAccount(m_dbPath));
    loadAndShow(S + u"Gym"_s + S + u"Cinema"_s + S + u"Dentist"_s + S.repeated(5));
    QTRY_VERIFY(m_form->weekSyncing().runner());
    m_form->weekSyncing().runner()->nextRun().stop(); // the test says when
    // Typing in Tuesday's box before the sync: saved by it, then left alone.
    box(2)->setFocus();
    box(2)->moveCursor(QTextCursor::End);
    QTest::keyClicks(box(2), u"!"_s);
    box(2)->moveCursor(QTextCursor::Left);
    const int cursor = box(2)->textCursor().position();
    m_sync.writes[kWeek] = {{1, server}, {3, u"Dentist at 9"_s}};
    m_sync.waits = true;
    QSignalSpy synced(&m_form->weekSyncing(), &WeekSyncing::synced);
    QTest::keyClick(box(2), Qt::Key_F5);
    QVERIFY(m_form->weekSyncing().runner()->isRunning());
    box(1)->moveCursor(QTextCursor::End);
    box(1)->insertPlainText(typed);
    m_sync.go.release();
    QVERIFY(synced.wait(10000));

    QCOMPARE(m_sync.seen, S + u"Gym"_s + S + u"Cinema!"_s + S + u"Dentist"_s + S.repeated(5));
    QCOMPARE(box(1)->toPlainText(), shown);
    QCOMPARE(box(3)->toPlainText(), u"Dentist at 9"_s);
    QCOMPARE(box(2)->toPlainText(), u"Cinema!"_s); // untouched: its cursor and undo as they were
    QCOMPARE(box(2)->textCursor().position(), cursor);
    QVERIFY(box(2)->document()->isUndoAvailable());
    // Written by the window's save, with its CR LF breaks, where Monday's box differs from
    // what the sync wrote.
    QCOMPARE(weekRow(m_dbPath, kWeek), S + QString(shown).replace(u"\n"_s, u"\r\n"_s) + S +
                                           u"Cinema!"_s + S + u"Dentist at 9"_s + S.repeated(5));
    QCOMPARE(m_alerts.messages.size(), told ? 1 : 0);
    if (told)
        QVERIFY(m_alerts.messages[0].contains(u"Monday, 29 December 2025"_s));
}

void TestSyncWindow::aWeekLeftDuringTheSyncKeepsItsWords()
{
    QVERIFY(setUpAccount(m_dbPath));
    loadAndShow(S + u"Gym"_s + S.repeated(7));
    QTRY_VERIFY(m_form->weekSyncing().runner());
    m_form->weekSyncing().runner()->nextRun().stop();
    // The sync read "Gym" and writes what it made of it and the server's, after the user
    // typed on and went to the next week, which saved the typing.
    m_sync.writes[kWeek] = {{1, u"Gym with Ann"_s}};
    m_sync.waits = true;
    QSignalSpy synced(&m_form->weekSyncing(), &WeekSyncing::synced);
    QTest::keyClick(box(1), Qt::Key_F5);
    box(1)->moveCursor(QTextCursor::End);
    QTest::keyClicks(box(1), u" at 6"_s);
    QTest::keyClick(box(1), Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(m_form->weekPage().weekStart(), kWeek.addDays(7));
    m_sync.go.release();
    QVERIFY(synced.wait(10000));
    const QString row = weekRow(m_dbPath, kWeek);
    QVERIFY2(row.contains(u"Gym at 6"_s) && row.contains(u"Gym with Ann"_s), qPrintable(row));
}

void TestSyncWindow::conflictsAreToldOnceAndShownInTheTray()
{
    QVERIFY(setUpAccount(m_dbPath));
    loadAndShow(QString());
    QTRY_VERIFY(m_form->weekSyncing().runner());
    m_form->weekSyncing().runner()->nextRun().stop();
    QCOMPARE(m_form->cSysTray1()->TrayTip(), u"Orvanta\nNot synced yet"_s);
    m_sync.outcome.result = SyncOutcome::Result::SyncedWithConflicts;
    m_sync.outcome.conflictDays = {QDate(2025, 12, 29), QDate(2025, 12, 30)};
    QSignalSpy synced(&m_form->weekSyncing(), &WeekSyncing::synced);
    m_form->actions().action(WindowActions::SyncNow)->trigger();
    QVERIFY(synced.wait(10000));
    QCOMPARE(m_form->cSysTray1()->TrayTip(), u"Orvanta\n2 days changed on both sides"_s);
    QCOMPARE(m_alerts.messages.size(), 1);
    QVERIFY(m_alerts.messages[0].contains(u"Monday, 29 December 2025"_s));
    QVERIFY(m_alerts.messages[0].contains(u"Tuesday, 30 December 2025"_s));

    m_sync.outcome = outcomeOf(SyncOutcome::Result::Synced);
    m_form->actions().action(WindowActions::SyncNow)->trigger();
    QVERIFY(synced.wait(10000));
    QCOMPARE(m_alerts.messages.size(), 1);
    QVERIFY(!m_form->cSysTray1()->TrayTip().contains(u"both sides"_s));
}

void TestSyncWindow::aFailureIsToldOnlyWhenTheSyncWasAskedFor()
{
    QVERIFY(setUpAccount(m_dbPath));
    loadAndShow(QString());
    QTRY_VERIFY(m_form->weekSyncing().runner());
    SyncRunner &runner = *m_form->weekSyncing().runner();
    runner.nextRun().stop();
    QSignalSpy synced(&m_form->weekSyncing(), &WeekSyncing::synced);
    // Asked for, and it worked: nothing to tell.
    m_form->actions().action(WindowActions::SyncNow)->trigger();
    QVERIFY(synced.wait(10000));
    QCOMPARE(m_alerts.messages.size(), 0);
    // Run by itself, and it failed: the tray says so, no message interrupts.
    m_sync.outcome = outcomeOf(SyncOutcome::Result::Failed, u"the server is away"_s);
    runner.runNow();
    QVERIFY(synced.wait(10000));
    QCOMPARE(m_alerts.messages.size(), 0);
    // Asked for, and it failed: told, with why.
    m_form->actions().action(WindowActions::SyncNow)->trigger();
    QVERIFY(synced.wait(10000));
    QCOMPARE(m_alerts.messages.size(), 1);
    QVERIFY(m_alerts.messages[0].contains(u"the server is away"_s));
}

void TestSyncWindow::theCloseSyncsWhatItSavedAndWaitsOnlySoLong_data()
{
    QTest::addColumn<bool>("slowServer"); // the sync ends only when stopped
    QTest::newRow("a quick server") << false;
    QTest::newRow("a server that does not answer") << true;
}

void TestSyncWindow::theCloseSyncsWhatItSavedAndWaitsOnlySoLong()
{
    QFETCH(bool, slowServer);
    QVERIFY(setUpAccount(m_dbPath));
    loadAndShow(QString());
    QTRY_VERIFY(m_form->weekSyncing().runner());
    m_form->weekSyncing().runner()->nextRun().stop();
    // A sync earlier in the run: the password is known (the close never waits for the
    // desktop's password store).
    QSignalSpy synced(&m_form->weekSyncing(), &WeekSyncing::synced);
    QTest::keyClick(box(4), Qt::Key_F5);
    QVERIFY(synced.wait(10000));
    QTest::keyClicks(box(4), u"typed at close"_s);
    m_sync.waits = slowServer;
    QVERIFY(m_form->runCloseSequence());
    QCOMPARE(m_sync.runs.load(), 2);
    QCOMPARE(m_sync.seen, S.repeated(4) + u"typed at close"_s + S.repeated(4));
    QCOMPARE(m_sync.stopped.load(), slowServer);
    QCOMPARE(m_endings, QList<int>{0});
}

QTEST_MAIN(TestSyncWindow)
#include "tst_sync_window.moc"
