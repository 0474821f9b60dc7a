#include "controls/month_view.h"
#include "controls/std_picture.h"
#include "desktop/alerts.h"
#include "english_texts.h"
#include "desktop/clock.h"
#include "desktop/process_signals.h"
#include "find_window/find_window.h"
#include "main_window/find_in_weeks.h"
#include "main_window/form1.h"
#include "main_window/form1_design.h"
#include "main_window/main_module.h"
#include "main_window/tray_menu.h"
#include "main_window/week_exporting.h"
#include "main_window/week_importing.h"
#include "main_window/week_page.h"
#include "main_window/week_printing.h"
#include "main_window/window_actions.h"
#include "main_window/window_pointer.h"
#include "odd_files.h"
#include "jet_file_builder.h"
#include "other_connection.h"
#include "printed_text.h"
#include "recording_shell.h"
#include "schedule/calendar_files.h"
#include "schedule/week_draft.h"
#include "start_up_doubles.h"
#include "text_size/text_size.h"
#include "tray/csystray.h"
#include "window_doubles.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <functional>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QSettings>
#include <QProcess>
#include <QProgressDialog>
#include <QScopeGuard>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStyleHints>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QTextBrowser>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Counts the paints that reach a widget.
struct PaintCounter : QObject
{
    explicit PaintCounter(QWidget &widget) { widget.installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
    int paints = 0;
};

// The literal text, not the code's constant: a wrong separator of the same length must fail.
const QString S = QStringLiteral("||MySeparator123||");

// What `action` writes to standard error.
QByteArray capturedStandardError(const std::function<void()> &action)
{
    QTemporaryFile file;
    if (!file.open())
        return {};
    std::fflush(stderr);
    const int saved = ::dup(STDERR_FILENO);
    ::dup2(file.handle(), STDERR_FILENO);
    action();
    std::fflush(stderr);
    ::dup2(saved, STDERR_FILENO);
    ::close(saved);
    file.seek(0);
    return file.readAll();
}

} // namespace

class TestForm1 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
    } // recovery files stay out of $HOME
    void init();
    void cleanup();
    void missingDatabaseWarnsAndShowsNoWindow_data();
    void missingDatabaseWarnsAndShowsNoWindow();
    void unusableDatabaseEndsStartupNamingTheFile();
    void secondStartOnOneDatabaseBringsTheFirstForward_data();
    void secondStartOnOneDatabaseBringsTheFirstForward();
    void lockLeftBehindOrHeldElsewhere_data();
    void lockLeftBehindOrHeldElsewhere();
    void aDayIsBackedUpAndADamagedFileNamesTheBackup();
    void backupsFollowTheDaysAndWarnOnce();
    void readOnlyFolderKeepsItsLockElsewhere();
    void startShowsTodaysWeekWithItsTexts();
    void clickSavesTheWeekLeftAndLoadsTheNewOne();
    void weekLeftAsLoadedIsNotRewritten();
    void clickWithinTheShownWeekKeepsItsTexts();
    void pagingTheCalendarChangesNothingShown();
    void calendarEndsShowRealWeeks_data();
    void calendarEndsShowRealWeeks();
    void closeSavesExactlyOnce_data();
    void closeSavesExactlyOnce();
    void failedSaveWritesRecoveryFileAndEnds_data();
    void failedSaveWritesRecoveryFileAndEnds();
    void typingSurvivesACrashThroughItsDraft();
    void draftLeftBehind_data();
    void draftLeftBehind();
    void aDraftOnlyWhileTheBoxesHoldWhatIsNotStored_data();
    void aDraftOnlyWhileTheBoxesHoldWhatIsNotStored();
    void lastCopyOfTheWordsIsKept_data();
    void lastCopyOfTheWordsIsKept();
    void minimiseHidesInTrayUntilDoubleClick_data();
    void minimiseHidesInTrayUntilDoubleClick();
    void doubleClickOnAShownWindowOnlyFocusesIt();
    void trayMenuOnARightClick_data();
    void trayMenuOnARightClick();
    void findGoesToTheMatch_data();
    void findGoesToTheMatch();
    void calendarMarksTheDaysWithText();
    void weekKeysSaveAndMove_data();
    void weekKeysSaveAndMove();
    void keysOpenWhatTheMenuSays_data();
    void keysOpenWhatTheMenuSays();
    void theMenusShowEveryActionWithItsKey();
    void textGrowsByKeyAndStaysSoAfterARestart();
    void someKeysWorkInOrvantasOtherWindows_data();
    void someKeysWorkInOrvantasOtherWindows();
    void theNewestConvertedWeekIsShown_data();
    void theNewestConvertedWeekIsShown();
    void importedWeeksReachTheShownWeek_data();
    void importedWeeksReachTheShownWeek();
    void theLineBeingTypedStaysInView_data();
    void theLineBeingTypedStaysInView();
    void printAndExportTakeTheWeekOnScreen_data();
    void printAndExportTakeTheWeekOnScreen();
    void withoutATrayMinimiseStaysOrdinary();
    void startUpSkinsCentresLoadsThePointerAndDraws();
    void unusableSkinOrPointerImageEndsStartUp_data();
    void unusableSkinOrPointerImageEndsStartUp();
    void pointerResetsOnlyOverTheBareWindow_data();
    void pointerResetsOnlyOverTheBareWindow();

private:
    std::unique_ptr<Form1> makeForm();
    // Loads and shows the window on a database holding `rows` (StartWeekDate, WeekData).
    void loadAndShow(const QList<std::pair<QString, QString>> &rows = {});
    void click(QDate day);
    void minimise();
    void trayMessage(LPARAM mouseMessage);

    std::unique_ptr<QTemporaryDir> m_folder;
    FixedClock m_clock;
    ScriptedDraw m_draw;
    RecordingLauncher m_launcher;
    RecordingAlerts m_alerts;
    RecordingShell m_shell;
    QList<int> m_endings;
    QList<QMenu *> m_offeredMenus; // to a tray host that shows an icon's menu itself
    QString m_dbPath;
    std::unique_ptr<Form1> m_form;
};

void TestForm1::init()
{
    QSettings().clear(); // the text size and the spelling check as a first run finds them
    m_folder = std::make_unique<QTemporaryDir>();
    m_dbPath = databasePath(m_folder->path());
    m_alerts = RecordingAlerts();
    m_shell.calls.clear();
    m_offeredMenus.clear();
    m_shell.trayPresent = true;
    m_shell.onCall = {};
    m_draw = ScriptedDraw();
    m_launcher = RecordingLauncher();
    m_launcher.starts = false; // a desktop that cannot open the home page
    m_endings.clear();
    m_clock.m_now = QDateTime(QDate(2026, 1, 1), QTime(10, 0));
}

void TestForm1::cleanup()
{
    m_form.reset();
}

std::unique_ptr<Form1> TestForm1::makeForm()
{
    Form1::Services services{&m_clock, &m_alerts, &m_shell, m_folder->path(),
                             [this](int code) { m_endings.append(code); }, &m_draw, &m_launcher};
    services.printModule = u"" ORVANTA_PRINT_MODULE ""_s;
    services.offerTrayMenu = [this](QMenu *menu) { m_offeredMenus.append(menu); };
    return std::make_unique<Form1>(std::move(services));
}

void TestForm1::loadAndShow(const QList<std::pair<QString, QString>> &rows)
{
    QVERIFY(createEmptyCalendarDatabase(m_dbPath));
    for (const auto &[key, record] : rows)
        QVERIFY(OtherConnection(m_dbPath).exec(u"INSERT INTO tblCalendar VALUES (?, ?)"_s,
                                               {key, record}));
    m_form = makeForm();
    QVERIFY(m_form->Load());
    m_form->show();
    m_form->activateWindow();
    QTRY_COMPARE(QGuiApplication::focusWindow(), m_form->windowHandle());
}

// As the window manager does it: through the platform window, which reports the new state.
void TestForm1::minimise()
{
    m_form->windowHandle()->setWindowState(Qt::WindowMinimized);
    QCoreApplication::processEvents();
}

// As the shell reports a mouse action on the tray icon: posted to the control's window.
void TestForm1::trayMessage(LPARAM mouseMessage)
{
    QVERIFY(PostMessageA(m_form->cSysTray1()->hWnd(), TRAY_CALLBACK_MESSAGE, 0, mouseMessage));
    QCoreApplication::processEvents();
}

void TestForm1::click(QDate day)
{
    MonthView *calendar = m_form->monthView1();
    calendar->showMonth(day);
    QTest::mouseClick(calendar, Qt::LeftButton, {}, calendar->dayRect(day).center());
}

void TestForm1::missingDatabaseWarnsAndShowsNoWindow_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("no file") << u"missing"_s << u"warning: %1 not found."_s;
    const QString notDatabase = u"error: %1 is not a database file."_s;
    QTest::newRow("a folder") << u"folder"_s << notDatabase;
    QTest::newRow("a FIFO") << u"fifo"_s << notDatabase;
    QTest::newRow("a link to /dev/zero") << u"zero"_s << notDatabase;
    QTest::newRow("a link to nothing") << u"dangling"_s << notDatabase;
}

void TestForm1::missingDatabaseWarnsAndShowsNoWindow()
{
    QFETCH(QString, kind);
    QFETCH(QString, message);
    if (kind != u"missing")
        QVERIFY(makeOddFile(kind, m_dbPath));
    m_form = makeForm();
    QVERIFY(!m_form->Load());
    QCOMPARE(m_alerts.messages, QStringList(message.arg(QDir::toNativeSeparators(m_dbPath))));
    QVERIFY(!m_form->isVisible());
    QCOMPARE(QFileInfo(m_dbPath).exists(), kind == u"folder" || kind == u"fifo" || kind == u"zero");
    QVERIFY(m_shell.calls.isEmpty()); // never a tray icon
}

void TestForm1::unusableDatabaseEndsStartupNamingTheFile()
{
    QFile file(m_dbPath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a database, just words");
    file.close();

    m_form = makeForm();
    QVERIFY(!m_form->Load());
    QCOMPARE(m_alerts.messages.size(), 1);
    QVERIFY(m_alerts.messages[0].startsWith(QStringLiteral("error: ") +
                                            QDir::toNativeSeparators(m_dbPath)));
    QVERIFY(m_alerts.messages[0].contains(QStringLiteral("not an SQLite database")));
}

void TestForm1::secondStartOnOneDatabaseBringsTheFirstForward_data()
{
    QTest::addColumn<QString>("reachedThrough");
    QTest::addColumn<bool>("reachable");
    QTest::newRow("the same folder") << u"folder"_s << true;
    QTest::newRow("a link to the folder") << u"folder link"_s << true;
    QTest::newRow("a link to the file, in another folder") << u"file link"_s << true;
    QTest::newRow("a first that cannot be reached") << u"folder"_s << false;
}

void TestForm1::secondStartOnOneDatabaseBringsTheFirstForward()
{
    QFETCH(QString, reachedThrough);
    QFETCH(bool, reachable);
    ProcessSignals processSignals;
    loadAndShow();
    connect(&processSignals, &ProcessSignals::comeForwardRequested, m_form.get(),
            &Form1::comeForward);
    QTRY_COMPARE(m_shell.operations(), QList<quint32>{NIM_ADD});
    minimise();
    QVERIFY(!m_form->isVisible()); // hidden in the tray, where the user may not see it
    QFile file(m_dbPath);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray stored = file.readAll();

    QTemporaryDir elsewhere;
    QString folder = m_folder->path();
    if (reachedThrough == u"folder link") {
        folder = elsewhere.filePath(u"link"_s);
        QVERIFY(QFile::link(m_folder->path(), folder));
    } else if (reachedThrough == u"file link") {
        folder = elsewhere.path();
        QVERIFY(QFile::link(m_dbPath, databasePath(folder)));
    }
    Form1::Services services{&m_clock, &m_alerts, &m_shell, folder,
                             [this](int code) { m_endings.append(code); }};
    if (!reachable)
        services.comeForward = [](qint64) { return false; };
    Form1 second(std::move(services));
    QVERIFY(!second.Load());
    QCOMPARE(m_shell.operations(), QList<quint32>{NIM_ADD}); // no second icon
    QVERIFY(file.seek(0));
    QCOMPARE(file.readAll(), stored); // nothing written
    if (!reachable) {
        QCOMPARE(second.exitCode(), 1);
        QCOMPARE(m_alerts.messages,
                 QStringList(u"error: %1 is open in another Orvanta that cannot be reached "
                             u"(process %2)."_s.arg(QDir::toNativeSeparators(databasePath(folder)))
                                 .arg(QCoreApplication::applicationPid())));
        return;
    }
    QCOMPARE(second.exitCode(), 0);
    QVERIFY(m_alerts.messages.isEmpty());
    QTRY_VERIFY(m_form->isVisible());
    QCOMPARE(m_form->windowState(), Qt::WindowNoState);
    QTRY_COMPARE(QGuiApplication::focusWindow(), m_form->windowHandle());
}

void TestForm1::lockLeftBehindOrHeldElsewhere_data()
{
    QTest::addColumn<QString>("holder");
    QTest::addColumn<QString>("message");
    QTest::newRow("a run on this computer that died (kill -9)") << u"dead"_s << QString();
    QTest::newRow("a run on another computer, through a shared folder")
        << u"elsewhere"_s
        << u"error: %1 is open in Orvanta on the computer far-away. Close it there first: "
           u"Orvanta ends here without changing anything."_s;
}

void TestForm1::lockLeftBehindOrHeldElsewhere()
{
    QFETCH(QString, holder);
    QFETCH(QString, message);
    QVERIFY(createEmptyCalendarDatabase(m_dbPath));
    QProcess ended; // a process id that is no one's any more
    ended.start(u"true"_s);
    QVERIFY(ended.waitForStarted());
    const qint64 deadPid = ended.processId();
    QVERIFY(ended.waitForFinished());
    const bool here = holder == u"dead";
    const QStringList lines{QString::number(here ? deadPid : 4242), u"orvanta"_s,
                            here ? QSysInfo::machineHostName() : u"far-away"_s,
                            here ? QString::fromLatin1(QSysInfo::machineUniqueId()) : u"1234"_s,
                            here ? QString::fromLatin1(QSysInfo::bootUniqueId()) : u"5678"_s};
    writeFile(m_dbPath + u".lock"_s, (lines.join(u'\n') + u'\n').toUtf8());
    m_form = makeForm();
    QCOMPARE(m_form->Load(), message.isEmpty());
    QCOMPARE(m_alerts.messages, message.isEmpty()
                                    ? QStringList()
                                    : QStringList(message.arg(QDir::toNativeSeparators(m_dbPath))));
}

void TestForm1::aDayIsBackedUpAndADamagedFileNamesTheBackup()
{
    loadAndShow(); // today is 1 January 2026
    m_form->text1(0)->setPlainText(u"kept"_s);
    m_form->runCloseSequence(); // something to copy, and a day later...
    m_clock.m_now = m_clock.m_now.addDays(1);
    m_form = std::make_unique<Form1>(Form1::Services{&m_clock,
                                                     &m_alerts,
                                                     &m_shell,
                                                     m_folder->path(),
                                                     [](int) {},
                                                     nullptr,
                                                     nullptr,
                                                     {},
                                                     {},
                                                     100});
    QVERIFY(m_form->Load());
    m_form->show();
    const QString copy = m_folder->filePath(u"dbCalendar backups/dbCalendar 2026-01-02.mdb"_s);
    QTRY_VERIFY(QFile::exists(copy));
    m_form.reset();

    QFile file(m_dbPath);
    QVERIFY(file.resize(2048)); // cut short
    m_form = makeForm();
    QVERIFY(!m_form->Load());
    QCOMPARE(
        m_alerts.messages,
        QStringList(u"error: %1 is damaged (database disk image is malformed). The newest "
                    u"backup is %2: to go back to it, close Orvanta and copy it over %1."_s.arg(
                        QDir::toNativeSeparators(m_dbPath), QDir::toNativeSeparators(copy))));
}

void TestForm1::backupsFollowTheDaysAndWarnOnce()
{
    const QDir backups(m_folder->filePath(u"dbCalendar backups"_s));
    loadAndShow(); // the first copy waits ten seconds: start-up and the first typing come first
    QTest::qWait(500);
    QVERIFY(!backups.exists());
    m_form.reset();

    Form1::Services services{&m_clock, &m_alerts, &m_shell, m_folder->path(), [](int) {}};
    services.backupDelay = 0;
    services.backupCheckInterval = 50;
    m_form = std::make_unique<Form1>(std::move(services));
    QVERIFY(m_form->Load());
    m_form->show();
    QTRY_VERIFY(backups.exists(u"dbCalendar 2026-01-01.mdb"_s));
    // Left open over midnight, with a week changed: the new day gets its copy.
    OtherConnection(m_dbPath).exec(u"INSERT INTO tblCalendar VALUES ('2026-01-04', 'new')"_s);
    m_clock.m_now = m_clock.m_now.addDays(1);
    QTRY_VERIFY(backups.exists(u"dbCalendar 2026-01-02.mdb"_s));

    // Damaged the day after: said once that day, not at every look.
    {
        QFile file(m_dbPath);
        QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(4096));
        file.write(QByteArray(4096, '\x5a'));
    }
    m_clock.m_now = m_clock.m_now.addDays(1);
    QTRY_COMPARE(m_alerts.messages.size(), 1);
    QTest::qWait(500);
    QCOMPARE(m_alerts.messages.size(), 1);
    QVERIFY(m_alerts.messages[0].contains(u"is damaged"_s));
    m_form.reset();
}

void TestForm1::readOnlyFolderKeepsItsLockElsewhere()
{
    QVERIFY(createEmptyCalendarDatabase(m_dbPath));
    // Read-only media, as far as the root user that runs the tests can make a folder so.
    if (QProcess::execute(u"chattr"_s, {u"+i"_s, m_folder->path()}) != 0)
        QSKIP("chattr +i is not available here");
    const auto writable = qScopeGuard([this] {
        QProcess::execute(u"chattr"_s, {u"-i"_s, m_folder->path()});
    });
    ProcessSignals processSignals;
    m_form = makeForm();
    QVERIFY(m_form->Load()); // the start goes on
    QVERIFY(!QFile::exists(m_dbPath + u".lock"_s));
    Form1 second({&m_clock, &m_alerts, &m_shell, m_folder->path(), [](int) {}});
    QVERIFY(!second.Load()); // and the lock still holds, from the user's runtime folder
    QCOMPARE(second.exitCode(), 0);
}

void TestForm1::startShowsTodaysWeekWithItsTexts()
{
    QVERIFY(createEmptyCalendarDatabase(m_dbPath));
    {
        OtherConnection table(m_dbPath);
        QVERIFY(table.exec(
            QStringLiteral("INSERT INTO tblCalendar VALUES (?, ?)"),
            {QStringLiteral("2025-12-28"), QStringLiteral("Sunday line 1\r\nline 2") +
                                               S.repeated(4) + QStringLiteral("Thursday") +
                                               S.repeated(3) + QStringLiteral("notes") + S}));
    }
    m_form = makeForm();
    // The tray control as stored with the window: an icon and a tip, not in the tray.
    const cSysTray *tray = m_form->cSysTray1();
    QVERIFY(!tray->InTray());
    QCOMPARE(tray->TrayTip(), QStringLiteral("Telnet Server"));
    QCOMPARE(tray->TrayIcon()->Type(), StdPicture::vbPicTypeIcon);
    QVERIFY(m_shell.calls.isEmpty());

    QVERIFY(m_form->Load());
    QVERIFY(m_alerts.messages.isEmpty());
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Orvanta"));
    // The icon follows the window's first show: one add, hooked, with the stored icon, the
    // caption as its tip and the callback.
    QVERIFY(m_shell.calls.isEmpty());
    QVERIFY(m_offeredMenus.isEmpty());
    // ... and follows the window's first frame, which is on screen by then.
    PaintCounter painted(*m_form);
    int paintsAtAdd = -1;
    m_shell.onCall = [&](quint32) { paintsAtAdd = painted.paints; };
    m_form->show();
    QTRY_COMPARE(m_shell.operations(), QList<quint32>{NIM_ADD});
    QVERIFY(paintsAtAdd > 0);
    m_shell.onCall = {}; // `painted` goes with this scope
    // The tray menu came first, once, for hosts that show it themselves.
    QCOMPARE(m_offeredMenus, QList<QMenu *>{&m_form->trayMenu().menu()});
    QVERIFY(m_shell.calls[0].hooked);
    NOTIFYICONDATA added;
    std::memcpy(&added, m_shell.calls[0].record.constData(), sizeof added);
    QCOMPARE(added.uFlags, NIF_MESSAGE | NIF_ICON | NIF_TIP);
    QCOMPARE(added.uCallbackMessage, TRAY_CALLBACK_MESSAGE);
    QCOMPARE(added.hIcon, tray->TrayIcon()->Handle());
    QCOMPARE(tipField(added), QStringLiteral("Orvanta"));

    // Today is Thursday 1 January 2026: the week runs from Sunday 28 December 2025.
    MonthView *calendar = m_form->monthView1();
    QCOMPARE(calendar->value(), QDate(2025, 12, 28));
    QCOMPARE(calendar->selStart(), QDate(2025, 12, 28));
    QCOMPARE(calendar->selEnd(), QDate(2026, 1, 3));
    QCOMPARE(calendar->today(), QDate(2026, 1, 1));
    QCOMPARE(m_form->weekPage().weekStart(), QDate(2025, 12, 28));
    QCOMPARE(m_form->weekPage().WeekStartText(),
             QLocale().toString(QDate(2025, 12, 28), QLocale::ShortFormat));
    for (int k = 0; k < 7; ++k)
        QCOMPARE(m_form->label1(k)->text(),
                 QLocale().toString(QDate(2025, 12, 28).addDays(k), QLocale::LongFormat));
    QCOMPARE(m_form->label1(7)->text(), QStringLiteral("Additional Notes For The Week"));

    QCOMPARE(m_form->text1(0)->toPlainText(), QStringLiteral("Sunday line 1\nline 2"));
    QCOMPARE(m_form->text1(4)->toPlainText(), QStringLiteral("Thursday"));
    QCOMPARE(m_form->text1(7)->toPlainText(), QStringLiteral("notes"));
    QVERIFY(m_form->text1(1)->toPlainText().isEmpty());
    QCOMPARE(m_form->focusWidget(), m_form->text1(0));
}

void TestForm1::clickSavesTheWeekLeftAndLoadsTheNewOne()
{
    QVERIFY(createEmptyCalendarDatabase(m_dbPath));
    {
        OtherConnection table(m_dbPath);
        table.exec(QStringLiteral("INSERT INTO tblCalendar VALUES ('2026-01-11', ?)"),
                   {QStringLiteral("stored Sunday") + S.repeated(8)});
    }
    m_form = makeForm();
    QVERIFY(m_form->Load());
    m_form->show();

    QTest::keyClicks(m_form->text1(0), QStringLiteral("dentist"));
    QTest::keyClick(m_form->text1(0), Qt::Key_Return);
    QTest::keyClicks(m_form->text1(0), QStringLiteral("9\u00a0am"));
    QTest::keyClicks(m_form->text1(7), QStringLiteral("week notes"));
    click(QDate(2026, 1, 14)); // Wednesday of the next week

    QCOMPARE(m_form->monthView1()->selStart(), QDate(2026, 1, 11));
    QCOMPARE(m_form->text1(0)->toPlainText(), QStringLiteral("stored Sunday"));
    QVERIFY(m_form->text1(7)->toPlainText().isEmpty());
    QCOMPARE(m_form->label1(3)->text(),
             QLocale().toString(QDate(2026, 1, 14), QLocale::LongFormat));

    OtherConnection table(m_dbPath);
    const QString written =
        QStringLiteral("dentist\r\n9\u00a0am") + S.repeated(7) + QStringLiteral("week notes") + S;
    QCOMPARE(table.weekData(QStringLiteral("2025-12-28")), written);

    // A week left without typing is written as the empty record.
    click(QDate(2026, 2, 1));
    QCOMPARE(table.rows().size(), 2);
    click(QDate(2026, 3, 4));
    QCOMPARE(table.weekData(QStringLiteral("2026-02-01")), S.repeated(8));
}

void TestForm1::weekLeftAsLoadedIsNotRewritten()
{
    QVERIFY(createEmptyCalendarDatabase(m_dbPath));
    // Stored by another tool: bytes that are not UTF-8, a line separator, a noncharacter.
    const QByteArray foreign = "caf\xe9 \xe2\x80\xa8 \xef\xbf\xbf"_ba + S.toUtf8().repeated(8);
    {
        OtherConnection table(m_dbPath);
        QVERIFY(table.exec(u"INSERT INTO tblCalendar VALUES ('2025-12-28', CAST(? AS TEXT))"_s,
                           {foreign}));
    }
    const auto fileBytes = [this] {
        QFile file(m_dbPath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray untouched = fileBytes();
    m_form = makeForm();
    QVERIFY(m_form->Load());
    click(QDate(2025, 12, 31)); // browsing within the week
    click(QDate(2025, 12, 28));
    m_form->runCloseSequence();
    QCOMPARE(fileBytes(), untouched); // not one write: SQLite counts every one in the file

    // Typed into, the week is saved as usual.
    m_form = makeForm();
    QVERIFY(m_form->Load());
    QTest::keyClicks(m_form->text1(2), u"typed"_s);
    m_form->runCloseSequence();
    QCOMPARE(OtherConnection(m_dbPath).weekData(u"2025-12-28"_s).section(S, 2, 2), u"typed"_s);
}

void TestForm1::clickWithinTheShownWeekKeepsItsTexts()
{
    QVERIFY(createEmptyCalendarDatabase(m_dbPath));
    m_form = makeForm();
    QVERIFY(m_form->Load());
    for (int k = 0; k < 8; ++k)
        m_form->text1(k)->setPlainText(QStringLiteral("box %1\nsecond line").arg(k));
    const QString heading = m_form->label1(2)->text();
    click(QDate(2026, 1, 3));
    for (int k = 0; k < 8; ++k)
        QCOMPARE(m_form->text1(k)->toPlainText(), QStringLiteral("box %1\nsecond line").arg(k));
    QCOMPARE(m_form->label1(2)->text(), heading);
    QCOMPARE(OtherConnection(m_dbPath).rows().size(), 1);
}

void TestForm1::pagingTheCalendarChangesNothingShown()
{
    QVERIFY(createEmptyCalendarDatabase(m_dbPath));
    m_form = makeForm();
    QVERIFY(m_form->Load());
    m_form->show();
    m_form->text1(1)->setPlainText(QStringLiteral("typed"));
    MonthView *calendar = m_form->monthView1();
    QTest::mouseClick(calendar, Qt::LeftButton, {}, calendar->nextArrowRect().center());
    calendar->setFocus();
    QTest::keyClick(calendar, Qt::Key_PageDown);
    QTest::keyClick(calendar, Qt::Key_Right);

    QCOMPARE(calendar->selStart(), QDate(2025, 12, 28));
    QCOMPARE(m_form->weekPage().weekStart(), QDate(2025, 12, 28));
    QCOMPARE(m_form->text1(1)->toPlainText(), QStringLiteral("typed"));
    QVERIFY(OtherConnection(m_dbPath).rows().isEmpty());

    // Choosing a day with the keyboard is a click, on the day framed on view: the cursor's own
    // month was paged away, so the frame is on the same day in a month on view.
    const QDate framed = calendar->cursorShown();
    QVERIFY(framed >= calendar->firstShownMonth() && framed <= calendar->lastShownDay());
    QTest::keyClick(calendar, Qt::Key_Return);
    QCOMPARE(calendar->selStart(), framed.addDays(-(framed.dayOfWeek() % 7)));
    QCOMPARE(OtherConnection(m_dbPath).rows().size(), 1);
}

void TestForm1::calendarEndsShowRealWeeks_data()
{
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QDate>("sunday");
    QTest::newRow("1 January 1753, a Monday") << QDate(1753, 1, 1) << QDate(1752, 12, 31);
    QTest::newRow("31 December 9999, a Friday") << QDate(9999, 12, 31) << QDate(9999, 12, 26);
}

void TestForm1::calendarEndsShowRealWeeks()
{
    QFETCH(QDate, day);
    QFETCH(QDate, sunday);
    QVERIFY(createEmptyCalendarDatabase(m_dbPath));
    m_form = makeForm();
    QVERIFY(m_form->Load());
    click(day);
    QCOMPARE(m_form->weekPage().weekStart(), sunday);
    QCOMPARE(m_form->label1(0)->text(), QLocale().toString(sunday, QLocale::LongFormat));
    QCOMPARE(m_form->label1(6)->text(), QLocale().toString(sunday.addDays(6), QLocale::LongFormat));
    m_form->text1(6)->setPlainText(QStringLiteral("edge"));
    m_form->runCloseSequence();
    QCOMPARE(OtherConnection(m_dbPath).weekData(sunday.toString(Qt::ISODate)),
             S.repeated(6) + QStringLiteral("edge") + S.repeated(2));
}

void TestForm1::closeSavesExactlyOnce_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("close button") << "close";
    QTest::newRow("SIGTERM") << "SIGTERM";
    QTest::newRow("SIGINT") << "SIGINT";
    QTest::newRow("SIGHUP while hidden") << "SIGHUP";
    QTest::newRow("session ends") << "session";
    QTest::newRow("SIGTERM while in the tray") << "SIGTERM in tray";
    QTest::newRow("session ends while in the tray") << "session in tray";
}

void TestForm1::closeSavesExactlyOnce()
{
    QFETCH(QString, how);
    QVERIFY(createEmptyCalendarDatabase(m_dbPath));
    m_form = makeForm();
    ProcessSignals termination;
    connect(&termination, &ProcessSignals::terminationRequested, m_form.get(),
            &Form1::requestClose);
    QVERIFY(m_form->Load());
    m_form->show();
    QTRY_COMPARE(m_shell.operations(), QList<quint32>{NIM_ADD});
    m_form->text1(5)->setPlainText(QStringLiteral("Friday"));
    if (how.endsWith(QLatin1String(" in tray"))) {
        minimise();
        QVERIFY(!m_form->isVisible());
        how.chop(8);
    }
    // The icon goes first of all, before the week is saved.
    QString savedWhenIconWent = QStringLiteral("not yet");
    m_shell.onCall = [&](quint32 operation) {
        if (operation == NIM_DELETE)
            savedWhenIconWent = OtherConnection(m_dbPath).weekData(QStringLiteral("2025-12-28"));
    };

    if (how == QLatin1String("close")) {
        QVERIFY(m_form->close());
    } else if (how == QLatin1String("session")) {
        m_form->runCloseSequence(); // what commitDataRequest calls
    } else {
        if (how == QLatin1String("SIGHUP"))
            m_form->hide();
        const int signalNumber = how == QLatin1String("SIGTERM")  ? SIGTERM
                                 : how == QLatin1String("SIGINT") ? SIGINT
                                                                  : SIGHUP;
        ::raise(signalNumber);
        QTRY_COMPARE(m_endings.size(), 1);
    }
    QCOMPARE(m_endings, QList<int>{0});
    QVERIFY(m_alerts.messages.isEmpty());
    QCOMPARE(OtherConnection(m_dbPath).weekData(QStringLiteral("2025-12-28")),
             S.repeated(5) + QStringLiteral("Friday") + S.repeated(3));
    QCOMPARE(m_shell.operations(), (QList<quint32>{NIM_ADD, NIM_DELETE}));
    QCOMPARE(savedWhenIconWent, QString());

    // Whatever comes next, the sequence has run: no second save, no second ending, and a day
    // click changes nothing.
    m_form->text1(5)->setPlainText(QStringLiteral("changed after the end"));
    m_form->runCloseSequence();
    m_form->close();
    click(QDate(2026, 2, 10));
    QCOMPARE(m_form->weekPage().weekStart(), QDate(2025, 12, 28));
    QCOMPARE(m_endings, QList<int>{0});
    QCOMPARE(OtherConnection(m_dbPath).weekData(QStringLiteral("2025-12-28")),
             S.repeated(5) + QStringLiteral("Friday") + S.repeated(3));
}

void TestForm1::failedSaveWritesRecoveryFileAndEnds_data()
{
    QTest::addColumn<bool>("closing");
    QTest::newRow("leaving the week by a day click") << false;
    QTest::newRow("closing the window") << true;
}

void TestForm1::failedSaveWritesRecoveryFileAndEnds()
{
    QFETCH(bool, closing);
    QVERIFY(createEmptyCalendarDatabase(m_dbPath));
    m_form = makeForm();
    QVERIFY(m_form->Load());
    m_form->show();
    QTRY_COMPARE(m_shell.operations(), QList<quint32>{NIM_ADD});
    m_form->text1(0)->setPlainText(QStringLiteral("words that must not be lost"));
    m_form->text1(7)->setPlainText(QStringLiteral("notes too"));

    OtherConnection other(m_dbPath); // another program locks the file
    QVERIFY(other.exec(QStringLiteral("BEGIN EXCLUSIVE")));
    if (closing)
        QVERIFY(m_form->close());
    else
        click(QDate(2026, 2, 10));
    other.exec(QStringLiteral("ROLLBACK"));

    QCOMPARE(m_endings, QList<int>{1}); // a failure, whichever way the week was left
    QCOMPARE(m_shell.operations(), (QList<quint32>{NIM_ADD, NIM_DELETE})); // no icon left behind
    const QString recovery =
        QDir(m_folder->path()).filePath(QStringLiteral("Orvanta unsaved week of 2025-12-28.txt"));
    QVERIFY(QFile::exists(recovery));
    QCOMPARE(m_alerts.messages.size(), 1);
    QVERIFY2(m_alerts.messages[0].contains(QDir::toNativeSeparators(recovery)),
             qPrintable(m_alerts.messages[0]));
    QFile file(recovery);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QVERIFY(text.contains(QStringLiteral("words that must not be lost")));
    QVERIFY(text.contains(QStringLiteral("== Additional Notes For The Week ==\nnotes too")));
    // The shown week did not move on, and nothing half-written reached the table.
    QCOMPARE(m_form->weekPage().weekStart(), QDate(2025, 12, 28));
    QVERIFY(other.rows().isEmpty());
}

void TestForm1::typingSurvivesACrashThroughItsDraft()
{
    loadAndShow();
    const QString draft = m_dbPath + u".draft"_s;
    QTest::keyClicks(m_form->text1(4), u"saved by a click"_s);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(draft), 2 * Form1::kDraftDelay);
    QVERIFY(OtherConnection(m_dbPath).rows().isEmpty()); // the database waits for a click
    click(QDate(2026, 1, 2));                            // the week is saved: no draft
    QVERIFY(!QFile::exists(draft));

    m_form->text1(4)->moveCursor(QTextCursor::End);
    QTest::keyClicks(m_form->text1(4), u", then typed on"_s);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(draft), 2 * Form1::kDraftDelay);
    m_form->weekPage().draft()->waitUntilWritten();
    m_form.reset(); // the program dies: no close sequence, no save

    m_clock.m_now = m_clock.m_now.addDays(14); // and starts again two weeks later
    m_form = makeForm();
    QVERIFY(m_form->Load());
    // The week that came back is the one shown, and the calendar selects it.
    QCOMPARE(m_form->monthView1()->selStart(), QDate(2025, 12, 28));
    const QString week = QLocale().toString(QDate(2025, 12, 28), QLocale::LongFormat);
    QCOMPARE(m_alerts.messages,
             QStringList(u"information: Orvanta last ended without saving the week of %1. Its "
                         u"texts as last typed have been recovered."_s.arg(week)));
    QCOMPARE(m_form->text1(4)->toPlainText(), u"saved by a click, then typed on"_s);
    QCOMPARE(OtherConnection(m_dbPath).weekData(u"2025-12-28"_s),
             S.repeated(4) + u"saved by a click, then typed on"_s + S.repeated(4));
    QVERIFY(!QFile::exists(draft));
}

void TestForm1::draftLeftBehind_data()
{
    QTest::addColumn<QString>("draft");   // what lies at dbCalendar.mdb.draft
    QTest::addColumn<QString>("refusal"); // empty: the draft comes back
    QTest::newRow("a week of a megabyte comes back") << u"megabyte"_s << QString();
    QTest::newRow("a link to nothing") << u"dangling"_s << u"No such file or directory"_s;
    QTest::newRow("another program's file") << u"other"_s << u"it is not an Orvanta draft"_s;
    QTest::newRow("larger than any week") << u"huge"_s << u"it is too large"_s;
    QTest::newRow("its week cannot be saved") << u"held"_s << u"could not be recovered"_s;
}

// A draft that cannot come back ends the start and stays for the next one: a window opened over
// it would have its words overwritten by the next typing.
void TestForm1::draftLeftBehind()
{
    QFETCH(QString, draft);
    QFETCH(QString, refusal);
    QVERIFY(createEmptyCalendarDatabase(m_dbPath));
    const QString path = m_dbPath + u".draft"_s;
    const QString text(draft == u"megabyte" ? 1 << 20 : 10, u'w');
    if (draft == u"dangling") {
        QVERIFY(makeOddFile(draft, path));
    } else if (draft == u"other" || draft == u"huge") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Dear diary");
        if (draft == u"huge")
            QVERIFY(file.resize(WeekDraft::kMaxBytes + 1));
    } else {
        WeekTexts texts;
        texts[2] = text;
        QVERIFY(WeekDraft::write(path, QDate(2025, 12, 28), texts));
    }
    OtherConnection other(m_dbPath);
    if (draft == u"held") // another program writes: readable, but no save gets through
        QVERIFY(other.exec(u"BEGIN IMMEDIATE"_s));
    m_form = makeForm();
    const bool started = m_form->Load();
    other.exec(u"ROLLBACK"_s);
    QCOMPARE(started, refusal.isEmpty());
    QCOMPARE(m_alerts.messages.size(), 1);
    if (!refusal.isEmpty()) {
        QVERIFY2(m_alerts.messages[0].contains(refusal), qPrintable(m_alerts.messages[0]));
        QVERIFY(QFileInfo(path).isSymLink() || QFile::exists(path)); // kept for the next start
        QVERIFY(other.rows().isEmpty());
        return;
    }
    QCOMPARE(m_form->text1(2)->toPlainText(), text);
    QVERIFY(!QFile::exists(path));
}

void TestForm1::aDraftOnlyWhileTheBoxesHoldWhatIsNotStored_data()
{
    QTest::addColumn<QString>("what");
    QTest::newRow("started, with no row for the week, and left alone") << u"start"_s;
    QTest::newRow("typed, then undone") << u"undone"_s;
    QTest::newRow("typed, taken back, then saved unchanged") << u"saved unchanged"_s;
    QTest::newRow("typed, then closed at once") << u"closed"_s;
}

// A draft that outlives what the database lacks would be "recovered" at the next start, which
// would then announce a loss that never happened.
void TestForm1::aDraftOnlyWhileTheBoxesHoldWhatIsNotStored()
{
    QFETCH(QString, what);
    loadAndShow();
    const QString draft = m_dbPath + u".draft"_s;
    QPlainTextEdit *box = m_form->text1(1);
    if (what == u"saved unchanged") {
        box->setPlainText(u"stored"_s);
        m_form->saveShownWeek();
    }
    if (what != u"start") {
        box->moveCursor(QTextCursor::End);
        QTest::keyClicks(box, u"x"_s);
    }
    if (what == u"undone" || what == u"saved unchanged") {
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(draft), 2 * Form1::kDraftDelay);
        m_form->weekPage().draft()->waitUntilWritten();
        QTest::keyClick(box, what == u"undone" ? Qt::Key_Z : Qt::Key_Backspace,
                        what == u"undone" ? Qt::ControlModifier : Qt::NoModifier);
        if (what == u"saved unchanged")
            m_form->saveShownWeek();
        else
            QTest::qWait(Form1::kDraftDelay + 500);
    } else if (what == u"closed") {
        m_form->runCloseSequence();
        QTest::qWait(Form1::kDraftDelay + 500);
    } else {
        QTest::qWait(Form1::kDraftDelay + 500);
    }
    m_form->weekPage().draft()->waitUntilWritten();
    QVERIFY(!QFile::exists(draft));
}

void TestForm1::lastCopyOfTheWordsIsKept_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("a day click: the window keeps the week") << u"click"_s;
    QTest::newRow("closing, and keeping the texts") << u"keep"_s;
    QTest::newRow("closing, and letting them go") << u"lose"_s;
    QTest::newRow("the session ending: nobody to ask") << u"session"_s;
    QTest::newRow("a termination signal: nobody to ask") << u"signal"_s;
}

void TestForm1::lastCopyOfTheWordsIsKept()
{
    QFETCH(QString, how);
    QVERIFY(createEmptyCalendarDatabase(m_dbPath));
    Form1::Services services{&m_clock,
                             &m_alerts,
                             &m_shell,
                             m_folder->path(),
                             [this](int code) { m_endings.append(code); },
                             &m_draw,
                             &m_launcher,
                             {},
                             {m_folder->filePath(u"no such folder"_s)}}; // no folder takes one
    services.backupDelay = 0;
    services.backupCheckInterval = 50;
    m_form = std::make_unique<Form1>(std::move(services));
    QVERIFY(m_form->Load());
    m_form->show();
    QTRY_COMPARE(m_shell.operations(), QList<quint32>{NIM_ADD});
    const QDir backups(m_folder->filePath(u"dbCalendar backups"_s));
    QTRY_VERIFY(backups.exists(u"dbCalendar 2026-01-01.mdb"_s));
    m_form->text1(3)->setPlainText(u"only here"_s);
    OtherConnection other(m_dbPath);
    QVERIFY(other.exec(u"ALTER TABLE tblCalendar RENAME TO away"_s)); // every save fails

    QByteArray standardError;
    if (how == u"click") {
        click(QDate(2026, 2, 10));
    } else if (how == u"session") {
        standardError = capturedStandardError([this] { m_form->runCloseSequence(); });
    } else if (how == u"signal") {
        standardError = capturedStandardError([this] { m_form->requestClose(); });
    } else {
        m_alerts.answer = how == u"lose";
        QCOMPARE(m_form->runCloseSequence(true), how == u"lose");
    }
    const bool nobodyToAsk = how == u"session" || how == u"signal";
    const bool ends = how == u"lose" || nobodyToAsk;
    QCOMPARE(m_endings, ends ? QList<int>{1} : QList<int>{});
    QCOMPARE(m_alerts.messages.size(), nobodyToAsk ? 0 : 1);
    if (how == u"click")
        QVERIFY(m_alerts.messages[0].endsWith(u"the week's texts are only in the window. Copy "
                                              u"them somewhere safe."_s));
    if (how == u"keep" || how == u"lose")
        QVERIFY(m_alerts.messages[0].endsWith(u"Close and lose the texts of the week of %1?"_s.arg(
            QLocale().toString(QDate(2025, 12, 28), QLocale::LongFormat))));
    if (nobodyToAsk)
        QVERIFY(standardError.contains("only here"));
    if (ends)
        return;
    // The window kept open still gets its day's backup.
    QVERIFY(other.exec(u"CREATE TABLE changed (x)"_s));
    m_clock.m_now = m_clock.m_now.addDays(1);
    QTRY_VERIFY(backups.exists(u"dbCalendar 2026-01-02.mdb"_s));
    // The window stays with the week and its words, its icon back; a later close saves.
    QCOMPARE(m_form->weekPage().weekStart(), QDate(2025, 12, 28));
    QCOMPARE(m_form->text1(3)->toPlainText(), u"only here"_s);
    QCOMPARE(m_shell.shown.size(), 1);
    QVERIFY(other.exec(u"ALTER TABLE away RENAME TO tblCalendar"_s));
    QVERIFY(m_form->runCloseSequence(true));
    QCOMPARE(m_endings, QList<int>{0});
    QCOMPARE(other.weekData(u"2025-12-28"_s), S.repeated(3) + u"only here"_s + S.repeated(5));
}

void TestForm1::minimiseHidesInTrayUntilDoubleClick_data()
{
    QTest::addColumn<QList<LPARAM>>("mouse");
    QTest::addColumn<bool>("restores");
    QTest::newRow("left double-click")
        << QList<LPARAM>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP} << true;
    QTest::newRow("right double-click") << QList<LPARAM>{WM_RBUTTONDBLCLK} << true;
    QTest::newRow("left click") << QList<LPARAM>{WM_LBUTTONDOWN, WM_LBUTTONUP} << false;
    QTest::newRow("right click") << QList<LPARAM>{WM_RBUTTONDOWN, WM_RBUTTONUP} << false;
    QTest::newRow("middle double-click") << QList<LPARAM>{WM_MBUTTONDBLCLK} << false;
    QTest::newRow("hover") << QList<LPARAM>{WM_MOUSEMOVE} << false;
}

void TestForm1::minimiseHidesInTrayUntilDoubleClick()
{
    QFETCH(QList<LPARAM>, mouse);
    QFETCH(bool, restores);
    loadAndShow();
    const QRect place = m_form->geometry();

    // Twice: a window restored from the tray hides there again.
    for (int round = 0; round < 2; ++round) {
        minimise();
        QVERIFY(!m_form->isVisible());
        QVERIFY(m_form->MinimizedToTray());
        QVERIFY(m_form->cSysTray1()->IconVisible());

        for (const LPARAM message : mouse)
            trayMessage(message);
        QCOMPARE(m_form->isVisible(), restores);
        QCOMPARE(m_form->MinimizedToTray(), !restores);
        if (!restores)
            return;
        QCOMPARE(m_form->windowState(), Qt::WindowNoState);
        QCOMPARE(m_form->geometry(), place);
        QTRY_COMPARE(QGuiApplication::focusWindow(), m_form->windowHandle());
    }
    QCOMPARE(m_shell.operations(), QList<quint32>{NIM_ADD}); // the icon stayed throughout
    QVERIFY(m_endings.isEmpty());
}

void TestForm1::trayMenuOnARightClick_data()
{
    QTest::addColumn<QList<LPARAM>>("mouse");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<bool>("restores");
    QTest::newRow("right click: the menu")
        << QList<LPARAM>{WM_RBUTTONDOWN, WM_RBUTTONUP} << true << false;
    QTest::newRow("right double-click: restored, no menu")
        << QList<LPARAM>{WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK, WM_RBUTTONUP} << false
        << true;
    QTest::newRow("left click: nothing")
        << QList<LPARAM>{WM_LBUTTONDOWN, WM_LBUTTONUP} << false << false;
}

void TestForm1::trayMenuOnARightClick()
{
    QFETCH(QList<LPARAM>, mouse);
    QFETCH(bool, opens);
    QFETCH(bool, restores);
    loadAndShow();
    QTRY_VERIFY(m_form->cSysTray1()->IconVisible());
    QTest::keyClicks(m_form->text1(2), u"typed"_s);
    minimise();
    for (const LPARAM message : mouse)
        trayMessage(message);
    QMenu &menu = m_form->trayMenu().menu();
    if (opens) {
        QTRY_VERIFY(menu.isVisible());
    } else {
        QTest::qWait(2 * QGuiApplication::styleHints()->mouseDoubleClickInterval());
        QVERIFY(!menu.isVisible());
    }
    QCOMPARE(m_form->isVisible(), restores);
    if (!opens)
        return;

    // Show, Hide, then Quit: the close sequence, which saves.
    const QList<QAction *> entries = menu.actions();
    QCOMPARE(entries.first()->text(), u"&Show Orvanta"_s);
    entries.first()->trigger();
    QVERIFY(m_form->isVisible());
    menu.hide();
    emit menu.aboutToShow();
    QCOMPARE(entries.first()->text(), u"&Hide Orvanta"_s);
    entries.first()->trigger();
    QTRY_VERIFY(!m_form->isVisible());
    QVERIFY(m_form->MinimizedToTray());
    QCOMPARE(entries.last()->text(), u"&Quit"_s);
    entries.last()->trigger();
    QCOMPARE(m_endings, QList<int>{0});
    QCOMPARE(OtherConnection(m_dbPath).weekData(u"2025-12-28"_s),
             S.repeated(2) + u"typed"_s + S.repeated(6));
}

void TestForm1::findGoesToTheMatch_data()
{
    QTest::addColumn<QString>("how"); // how the find window is reached and left
    QTest::newRow("Ctrl+F, then Enter") << u"keys"_s;
    QTest::newRow("the tray menu's Find…, then F3 from the main window") << u"tray"_s;
    QTest::newRow("Ctrl+F in a box: its selection is the query") << u"box"_s;
}

void TestForm1::findGoesToTheMatch()
{
    QFETCH(QString, how);
    loadAndShow(
        {{u"2025-11-30"_s, S.repeated(2) + u"shopping\r\nthen the Café at noon"_s + S.repeated(6)},
         {u"03/01/2026"_s, S + u"cafe with Ann"_s + S.repeated(7)}});
    m_form->text1(4)->setPlainText(u"typed, not saved: café"_s);
    FindWindow &find = m_form->findInWeeks().findWindow();
    if (how == u"keys") {
        QTest::keyClick(m_form->text1(0), Qt::Key_F, Qt::ControlModifier);
    } else if (how == u"tray") {
        const QList<QAction *> entries = m_form->trayMenu().menu().actions();
        const auto entry = std::find_if(entries.begin(), entries.end(), [](QAction *action) {
            return action->text() == u"&Find in all weeks…"_s;
        });
        QVERIFY(entry != entries.end());
        (*entry)->trigger();
    } else {
        m_form->text1(4)->moveCursor(QTextCursor::End);
        m_form->text1(4)->moveCursor(QTextCursor::StartOfWord, QTextCursor::KeepAnchor);
        m_form->text1(4)->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), m_form->text1(4));
        QTest::keyClick(m_form->text1(4), Qt::Key_F, Qt::ControlModifier);
    }
    QTRY_VERIFY(find.isVisible());
    if (how == u"tray") { // Enter at once, before any result is there: the first, once it is
        QTest::keyClicks(find.queryField(), u"CAFE"_s);
        QTest::keyClick(find.queryField(), Qt::Key_Return);
        QTRY_COMPARE(m_form->monthView1()->selStart(), QDate(2026, 3, 1));
    } else if (how != u"box") {
        QTest::keyClicks(find.queryField(), u"CAFE"_s);
    }
    // The shown week as typed, once; the others newest first, whatever their key's form.
    QTRY_COMPARE(find.resultList()->count(), 3);
    QTRY_VERIFY(find.countLabel()->text().startsWith(u"3 results"_s));
    QCOMPARE(find.results()[0].weekStart, QDate(2026, 3, 1));
    QCOMPARE(find.results()[1].weekStart, QDate(2025, 12, 28));
    QCOMPARE(find.results()[2].weekStart, QDate(2025, 11, 30));
    QCOMPARE(find.results()[2].line, u"then the Café at noon"_s);
    if (how == u"keys") { // Escape closes; the next Ctrl+F has the query back, selected
        QTest::keyClick(find.queryField(), Qt::Key_Escape);
        QVERIFY(!find.isVisible());
        QTest::keyClick(m_form->text1(0), Qt::Key_F, Qt::ControlModifier);
        QTRY_VERIFY(find.isVisible());
        QCOMPARE(find.queryField()->selectedText(), u"CAFE"_s);
        // Closed again, F3 opens it on the same query and goes on from there.
        QTRY_VERIFY(find.isActiveWindow());
        QTest::keyClick(find.queryField(), Qt::Key_Escape);
        QVERIFY(!find.isVisible());
        QTest::keyClick(m_form->text1(0), Qt::Key_F3);
        QTRY_VERIFY(find.isVisible());
        QCOMPARE(find.queryField()->text(), u"CAFE"_s);
    }

    if (how == u"tray") {
        QTest::keyClick(m_form->text1(0), Qt::Key_F3); // after the first: the week typed in
        QTest::keyClick(m_form->text1(0), Qt::Key_F3); // and the oldest
    } else {
        QTest::keyClick(find.queryField(), Qt::Key_Down); // into the results, at the first
        QCOMPARE(find.focusWidget(), find.resultList());
        QTest::keyClick(find.resultList(), Qt::Key_Down);
        QTest::keyClick(find.resultList(), Qt::Key_Down);
        QTest::keyClick(find.resultList(), Qt::Key_Return);
    }
    // The week left was saved, the match's week is shown and the match selected in its box.
    QCOMPARE(OtherConnection(m_dbPath).weekData(u"2025-12-28"_s),
             S.repeated(4) + u"typed, not saved: café"_s + S.repeated(4));
    QCOMPARE(m_form->monthView1()->selStart(), QDate(2025, 11, 30));
    QPlainTextEdit *box = m_form->text1(2);
    QCOMPARE(box->textCursor().selectedText(), u"Café"_s);
    QTRY_COMPARE(QApplication::focusWidget(), box);
}

void TestForm1::calendarMarksTheDaysWithText()
{
    loadAndShow({{u"2025-11-30"_s,
                  S + u"Monday"_s + S + u"  \r\n "_s + S.repeated(5) + u"notes mark nothing"_s + S},
                 {u"2026-05-03"_s, u"far away"_s + S.repeated(8)}}); // December to February
    // The week of 30 November marks its Monday, in December: not the blank Tuesday, nor the
    // notes.
    MonthView *calendar = m_form->monthView1();
    QTRY_COMPARE(calendar->markedDays(), QSet<QDate>{QDate(2025, 12, 1)});
    m_form->text1(3)->setPlainText(u"typed"_s);
    m_form->saveShownWeek(); // a save marks its days
    QTRY_COMPARE(calendar->markedDays(), (QSet<QDate>{QDate(2025, 12, 1), QDate(2025, 12, 31)}));
    calendar->pageMonths(4); // paging reads the new months
    QTRY_COMPARE(calendar->markedDays(), QSet<QDate>{QDate(2026, 5, 3)});
}

void TestForm1::weekKeysSaveAndMove_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("shown");
    QTest::addColumn<QString>("dateTyped"); // into the go-to-date field, then Enter
    const QDate today(2025, 12, 28);
    QTest::newRow("Ctrl+S: saved, and the week stays")
        << int(Qt::Key_S) << Qt::KeyboardModifiers(Qt::ControlModifier) << today << today
        << QString();
    QTest::newRow("Ctrl+PageDown: the next week")
        << int(Qt::Key_PageDown) << Qt::KeyboardModifiers(Qt::ControlModifier) << today
        << QDate(2026, 1, 4) << QString();
    QTest::newRow("Ctrl+PageUp: the previous week")
        << int(Qt::Key_PageUp) << Qt::KeyboardModifiers(Qt::ControlModifier) << today
        << QDate(2025, 12, 21) << QString();
    QTest::newRow("Alt+Home: this week")
        << int(Qt::Key_Home) << Qt::KeyboardModifiers(Qt::AltModifier) << QDate(2026, 3, 1) << today
        << QString();
    QTest::newRow("Ctrl+G and a day: its week")
        << int(Qt::Key_G) << Qt::KeyboardModifiers(Qt::ControlModifier) << today
        << QDate(2003, 12, 21) << u"2003-12-25"_s;
    QTest::newRow("Ctrl+G and a month: the week of its first day")
        << int(Qt::Key_G) << Qt::KeyboardModifiers(Qt::ControlModifier) << QDate(2026, 3, 1)
        << QDate(2003, 11, 30) << u"Dec 2003"_s;
    QTest::newRow("Ctrl+G and a day of the shown week: it stays, saved")
        << int(Qt::Key_G) << Qt::KeyboardModifiers(Qt::ControlModifier) << today << today
        << u"2026-01-03"_s;
}

void TestForm1::weekKeysSaveAndMove()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QDate, from);
    QFETCH(QDate, shown);
    QFETCH(QString, dateTyped);
    loadAndShow();
    if (from != m_form->weekPage().weekStart())
        click(from);
    QTest::keyClicks(m_form->text1(3), u"typed"_s);
    QTest::keyClick(m_form->text1(3), Qt::Key(key), modifiers); // pressed in a box
    if (!dateTyped.isEmpty()) {
        QTRY_VERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget()));
        QCOMPARE(QApplication::focusWidget()->objectName(), u"GoToDateField"_s);
        QTest::keyClicks(QApplication::focusWidget(), dateTyped); // over the shown day
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    QCOMPARE(m_form->monthView1()->selStart(), shown);
    QCOMPARE(OtherConnection(m_dbPath).weekData(from.toString(Qt::ISODate)),
             S.repeated(3) + u"typed"_s + S.repeated(5));
    QCOMPARE(m_form->text1(3)->toPlainText(), from == shown ? u"typed"_s : QString());
    QVERIFY(m_alerts.messages.isEmpty());
}

namespace {

// The shown top-level window or menu of that name, if any.
QWidget *shownWindow(const QString &name)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name && widget->isVisible())
            return widget;
    }
    return nullptr;
}

} // namespace

void TestForm1::importedWeeksReachTheShownWeek_data()
{
    QTest::addColumn<QString>("stored"); // the shown week's Sunday box before; null: no row
    QTest::addColumn<QString>("typed");  // into it before Ctrl+I
    QTest::newRow("a week without a row") << QString() << QString();
    QTest::newRow("a week typed into, not yet saved") << QString() << u"mine"_s;
    QTest::newRow("a stored week") << u"mine"_s << QString();
}

// Ctrl+I brings another file's weeks in; the shown week takes what came, and neither the boxes
// saved before the import nor the close after it write the old texts back over it.
void TestForm1::importedWeeksReachTheShownWeek()
{
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    const QString sunday = u"2025-12-28"_s; // the shown week
    loadAndShow(stored.isNull() ? QList<std::pair<QString, QString>>{}
                                : QList<std::pair<QString, QString>>{{sunday, stored + S.repeated(8)}});
    const QString other = QDir(m_folder->path()).filePath(u"other.mdb"_s);
    QVERIFY(createEmptyCalendarDatabase(other));
    QVERIFY(OtherConnection(other).exec(u"INSERT INTO tblCalendar VALUES (?, ?)"_s,
                                        {sunday, u"theirs"_s + S.repeated(8)}));
    m_form->weekImporting().setChooseFile([other](QWidget *) { return other; });
    QSignalSpy finished(&m_form->weekImporting(), &WeekImporting::finished);
    QTest::keyClicks(m_form->text1(0), typed);
    QTest::keyClick(m_form->text1(0), Qt::Key_I, Qt::ControlModifier);
    QTRY_COMPARE(finished.size(), 1);

    const QString shown = m_form->text1(0)->toPlainText();
    QVERIFY2(shown.contains(u"theirs"_s), qPrintable(shown));
    QCOMPARE(shown.contains(u"mine"_s), !(stored + typed).isEmpty());
    QTest::keyClick(m_form->text1(0), Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(m_endings, QList<int>{0});
    QCOMPARE(OtherConnection(m_dbPath).weekData(sunday),
             QString(shown).replace(u'\n', u"\r\n"_s) + S.repeated(8));
}

void TestForm1::keysOpenWhatTheMenuSays_data()
{
    QTest::addColumn<QKeyCombination>("keys");
    QTest::addColumn<QString>("opens"); // a window's name; "file": the export asks for one
    QTest::newRow("F10: the window's menu") << QKeyCombination(Qt::Key_F10) << u"WindowMenu"_s;
    QTest::newRow("Alt+F: the window's menu") << (Qt::ALT | Qt::Key_F) << u"WindowMenu"_s;
    QTest::newRow("F1: the user's guide") << QKeyCombination(Qt::Key_F1) << u"UserGuide"_s;
    QTest::newRow("Ctrl+G: go to a date") << (Qt::CTRL | Qt::Key_G) << u"GoToDateDialog"_s;
    QTest::newRow("Ctrl+F: find") << (Qt::CTRL | Qt::Key_F) << u"FindWindow"_s;
    QTest::newRow("F3 before any find: find") << QKeyCombination(Qt::Key_F3) << u"FindWindow"_s;
    QTest::newRow("Ctrl+E: the export asks for a file") << (Qt::CTRL | Qt::Key_E) << u"file"_s;
    QTest::newRow("Ctrl+Shift+P: the print preview")
        << (Qt::CTRL | Qt::SHIFT | Qt::Key_P) << u"preview"_s;
    QTest::newRow("Ctrl+Q: the close sequence") << (Qt::CTRL | Qt::Key_Q) << QString();
}

void TestForm1::keysOpenWhatTheMenuSays()
{
    QFETCH(QKeyCombination, keys);
    QFETCH(QString, opens);
    loadAndShow();
    bool askedForFile = false, previewed = false;
    m_form->weekExporting().setChooseFile([&](QWidget *) {
        askedForFile = true;
        return QString();
    });
    m_form->weekPrinting().setShowPreview(
        [&](QPrinter &, const WeekPrinting::PaintPages &, QWidget *) { previewed = true; });
    QTest::keyClicks(m_form->text1(1), u"typed"_s);
    QTest::keyClick(m_form->text1(1), keys.key(), keys.keyboardModifiers());
    if (opens == u"file") {
        QVERIFY(askedForFile);
    } else if (opens == u"preview") {
        QVERIFY(previewed);
    } else if (opens.isEmpty()) { // saved and ended, as the close button does
        QCOMPARE(m_endings, QList<int>{0});
        QCOMPARE(OtherConnection(m_dbPath).weekData(u"2025-12-28"_s),
                 S + u"typed"_s + S.repeated(7));
    } else {
        QTRY_VERIFY2(shownWindow(opens), qPrintable(opens));
    }
    if (opens == u"UserGuide") {
        const QString guide = shownWindow(opens)->findChild<QTextBrowser *>()->toPlainText();
        QVERIFY(guide.contains(u"Go to date…"_s));
        QVERIFY(
            guide.contains(QKeySequence(Qt::CTRL | Qt::Key_G).toString(QKeySequence::NativeText)));
        QVERIFY(guide.contains(u"This menu\nF10 or Alt+F"_s)); // the table's last row
    }
    if (!opens.isEmpty())
        QVERIFY(m_endings.isEmpty());
}

void TestForm1::theMenusShowEveryActionWithItsKey()
{
    loadAndShow();
    QTest::keyClick(m_form->text1(0), Qt::Key_F10);
    QTRY_VERIFY(shownWindow(u"WindowMenu"_s));
    const QMenu &menu = m_form->actions().menu();
    QCOMPARE(menu.activeAction(), menu.actions().value(0)); // the arrows start at the top
    QCOMPARE(menu.title(), u"Orvanta"_s); // what a screen reader names it
    QList<QAction *> entries = menu.actions();
    // A line before each entry the table says starts a group.
    for (qsizetype i = 0, at = 0; i < entries.size(); ++i) {
        if (entries[i]->isSeparator())
            continue;
        QCOMPARE(i > 0 && entries[i - 1]->isSeparator(),
                 WindowActions::table()[size_t(at++)].separatorBefore);
    }
    entries.removeIf([](QAction *entry) { return entry->isSeparator(); });
    QCOMPARE(entries.size(), int(WindowActions::table().size()));
    for (int i = 0; i < entries.size(); ++i) {
        const WindowActions::Entry &entry = WindowActions::table()[size_t(i)];
        QCOMPARE(entries[i]->text(), QString::fromUtf8(entry.text));
        QCOMPARE(entries[i]->shortcut(), entry.keys); // shown beside it, and the key that works
        QVERIFY(entries[i]->isEnabled());
    }
    // Every key once: a key given twice would do nothing at all.
    QSet<QKeySequence> keys;
    for (const WindowActions::Entry &entry : WindowActions::table()) {
        QVERIFY(entry.keys.isEmpty() || !keys.contains(entry.keys));
        keys.insert(entry.keys);
    }
    // The tray's entries are the same actions, their keys shown there too.
    for (const auto id : {WindowActions::Find, WindowActions::GoToDate, WindowActions::Print,
                          WindowActions::ExportAll, WindowActions::SyncNow, WindowActions::Sync,
                          WindowActions::Quit})
        QVERIFY(m_form->trayMenu().menu().actions().contains(m_form->actions().action(id)));
    QCOMPARE(m_form->trayMenu().menu().actions().last(),
             m_form->actions().action(WindowActions::Quit));

    // About, from the menu: the version and where the weeks are.
    m_form->actions().menu().hide();
    m_form->actions().action(WindowActions::About)->trigger();
    QWidget *about = shownWindow(u"AboutBox"_s);
    QVERIFY(about);
    QVERIFY(about->findChild<QLabel *>()->text().contains(QDir::toNativeSeparators(m_dbPath)));
    about->close();

    // A right click on the calendar opens the same menu there.
    MonthView *calendar = m_form->monthView1();
    const QPoint at = calendar->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, calendar->mapToGlobal(at));
    QCoreApplication::sendEvent(calendar, &event);
    QTRY_VERIFY(shownWindow(u"WindowMenu"_s));
    m_form->actions().menu().hide();

    // A box's own menu offers the window's find, its key shown, and the spelling check's
    // switch after it.
    QList<QAction *> boxMenu;
    QStringList names;
    bool separatorBeforeFind = false;
    QTimer::singleShot(0, this, [&] {
        if (QWidget *popup = QApplication::activePopupWidget()) {
            boxMenu = popup->actions();
            for (const QAction *action : boxMenu)
                names.append(action->objectName());
            const qsizetype find = boxMenu.indexOf(m_form->actions().action(WindowActions::Find));
            separatorBeforeFind = find > 0 && boxMenu[find - 1]->isSeparator();
            popup->close();
        }
    });
    QPlainTextEdit *box = m_form->text1(2);
    QContextMenuEvent onBox(QContextMenuEvent::Mouse, box->rect().center(),
                            box->mapToGlobal(box->rect().center()));
    QCoreApplication::sendEvent(box->viewport(), &onBox);
    const qsizetype find = boxMenu.indexOf(m_form->actions().action(WindowActions::Find));
    QVERIFY(find > 0);
    QVERIFY(separatorBeforeFind); // apart from the box's own entries
    QVERIFY(names.indexOf(u"spellingEnabled"_s) > find);
}

void TestForm1::textGrowsByKeyAndStaysSoAfterARestart()
{
    loadAndShow();
    QList<QRect> places;
    for (int k = 0; k < 8; ++k)
        places.append(m_form->text1(k)->geometry());
    const QSize window = m_form->size();
    m_form->text1(3)->setFocus();
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(m_form->text1(3), Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(m_form->textSize().percent(), 150);
    for (int k = 0; k < 8; ++k) {
        QCOMPARE(m_form->text1(k)->font().pointSizeF(), 13.5);
        QCOMPARE(m_form->text1(k)->geometry(), places[k]);
    }
    QCOMPARE(m_form->size(), window);
    QCOMPARE(m_form->label1(3)->font().pointSizeF(), 9.0); // the headings keep the design's

    QVERIFY(m_form->runCloseSequence());
    m_form.reset();
    m_form = makeForm();
    QVERIFY(m_form->Load());
    m_form->show();
    m_form->activateWindow();
    QTRY_COMPARE(QGuiApplication::focusWindow(), m_form->windowHandle());
    QCOMPARE(m_form->textSize().percent(), 150);
    QCOMPARE(m_form->text1(7)->font().pointSizeF(), 13.5);
    QTest::keyClick(m_form->text1(0), Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(m_form->textSize().percent(), 125);
    QTest::keyClick(m_form->text1(0), Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(m_form->text1(0)->font().pointSizeF(), 9.0);
}

void TestForm1::someKeysWorkInOrvantasOtherWindows_data()
{
    QTest::addColumn<int>("from"); // the action whose window has the keyboard
    QTest::addColumn<QKeyCombination>("keys");
    QTest::addColumn<QString>("opens"); // a window's name; empty: Orvanta ends
    QTest::newRow("Ctrl+Q in the guide: quit")
        << int(WindowActions::Guide) << (Qt::CTRL | Qt::Key_Q) << QString();
    QTest::newRow("Ctrl+F in the guide: find")
        << int(WindowActions::Guide) << (Qt::CTRL | Qt::Key_F) << u"FindWindow"_s;
    QTest::newRow("F3 in the guide: find, as nothing was looked for yet")
        << int(WindowActions::Guide) << QKeyCombination(Qt::Key_F3) << u"FindWindow"_s;
    QTest::newRow("Shift+F3 in the guide: find")
        << int(WindowActions::Guide) << (Qt::SHIFT | Qt::Key_F3) << u"FindWindow"_s;
    QTest::newRow("F1 in the find window: the guide")
        << int(WindowActions::Find) << QKeyCombination(Qt::Key_F1) << u"UserGuide"_s;
    QTest::newRow("Ctrl+Q in the find window: quit")
        << int(WindowActions::Find) << (Qt::CTRL | Qt::Key_Q) << QString();
}

// Orvanta's other windows are windows of their own; the keys a user expects anywhere in Orvanta
// work there too.
void TestForm1::someKeysWorkInOrvantasOtherWindows()
{
    QFETCH(int, from);
    QFETCH(QKeyCombination, keys);
    QFETCH(QString, opens);
    loadAndShow();
    m_form->actions().action(WindowActions::Id(from))->trigger();
    QTRY_VERIFY(QApplication::activeWindow() && QApplication::activeWindow() != m_form.get());
    QWidget *window = QApplication::activeWindow();
    QWidget *focus = window->focusWidget() ? window->focusWidget() : window;
    QTest::keyClick(focus, keys.key(), keys.keyboardModifiers());
    if (opens.isEmpty())
        QCOMPARE(m_endings, QList<int>{0});
    else
        QTRY_VERIFY(shownWindow(opens));
}

void TestForm1::theLineBeingTypedStaysInView_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<int>("key"); // pressed after the lines are typed
    QTest::newRow("Saturday's box, lines typed") << 6 << 0;
    QTest::newRow("the notes, lines typed, then up with the arrow") << 7 << int(Qt::Key_Up);
}

void TestForm1::theLineBeingTypedStaysInView()
{
    QFETCH(int, box);
    QFETCH(int, key);
    loadAndShow();
    // As on a screen smaller than the window: the week scrolls, and is scrolled to its top.
    m_form->setFixedSize(m_form->width(), 400);
    QScrollArea *area = m_form->scrollArea();
    QTRY_VERIFY(area->verticalScrollBar()->maximum() > 0);
    QPlainTextEdit *typedIn = m_form->text1(box);
    typedIn->setFocus();
    area->verticalScrollBar()->setValue(0);
    const auto cursorInView = [&] {
        const QRect cursor = typedIn->cursorRect();
        const QRect seen(typedIn->viewport()->mapTo(area->viewport(), cursor.topLeft()),
                         cursor.size());
        return area->viewport()->rect().contains(seen);
    };
    QVERIFY(!cursorInView()); // the box lies below the window's edge
    // Text put in a box (a week loaded) moves no view; only typing does.
    m_form->text1(box == 6 ? 7 : 6)->setPlainText(u"1\n2\n3\n4\n5\n6\n7\n8"_s);
    m_form->text1(box == 6 ? 7 : 6)->moveCursor(QTextCursor::End);
    QCoreApplication::processEvents();
    QCOMPARE(area->verticalScrollBar()->value(), 0);
    for (int line = 1; line <= 12; ++line) {
        QTest::keyClicks(typedIn, u"line %1"_s.arg(line));
        QTest::keyClick(typedIn, Qt::Key_Return);
        QTRY_VERIFY2(cursorInView(), qPrintable(u"line %1"_s.arg(line)));
    }
    if (key != 0) {
        area->verticalScrollBar()->setValue(0);
        QTest::keyClick(typedIn, Qt::Key(key));
        QTRY_VERIFY(cursorInView());
    }
}

namespace {

// A Jet 4 file of the earlier program with one week a row, keyed by the day its key gives
// (days from 30 December 1899, as Jet keeps dates).
QByteArray earlierProgramFile(const QList<std::pair<QDate, QString>> &rows)
{
    QList<JetFileBuilder::Slot> pageSlots;
    for (const auto &[key, text] : rows) {
        const double date = double(QDate(1899, 12, 30).daysTo(key));
        pageSlots.append({JetFileBuilder::Slot::Kind::Live,
                      JetFileBuilder::Row{date, JetFileBuilder::storedText(
                                                    JetFileBuilder::Version::Jet4, text)},
                      0});
    }
    JetFileBuilder::Builder builder(JetFileBuilder::Version::Jet4);
    builder.addPage(pageSlots);
    return builder.file();
}

} // namespace

void TestForm1::theNewestConvertedWeekIsShown_data()
{
    QTest::addColumn<QString>("fixture"); // a file of the fixtures; empty: `built`
    QTest::addColumn<QByteArray>("built");
    QTest::addColumn<QDate>("shown");
    QTest::addColumn<QString>("told"); // after "information: "
    const QString kept = u" The original is kept as dbCalendar (earlier program).mdb."_s;
    QTest::newRow("59 weeks and a second row for one of them")
        << u"calendar-jet4.mdb"_s << QByteArray() << QDate(2004, 5, 2) // not 9999's, after today
        << u"59 weeks came over from the earlier program."_s + kept +
               u" 1 row that cannot be a week is kept, with its full text, in %1."_s +
               u" Orvanta shows the week of Sunday, 2 May 2004, the newest that came over."_s;
    // Sunday 2 November 2025 under day-first settings: 11 February, a Tuesday.
    QTest::newRow("one week stored day first, a row with no week's texts")
        << QString()
        << earlierProgramFile({{QDate(2025, 2, 11), u"first"_s + S.repeated(8)},
                               {QDate(2025, 11, 16), u"second"_s + S.repeated(8)},
                               {QDate(2025, 11, 23), u"no week"_s}})
        << QDate(2025, 11, 16)
        << u"2 weeks came over from the earlier program. One of them was stored with day and "
           u"month swapped, as day-first date settings wrote it, and now lies under its right "
           u"Sunday."_s +
               kept + u" 1 row that cannot be a week is kept, with its full text, in %1."_s +
               u" Orvanta shows the week of Sunday, 16 November 2025, the newest that came over."_s;
    // 30 weeks from 2 November 2025, the 13 whose Sunday is a 12th or earlier stored day first.
    QTest::newRow("weeks stored day first")
        << u"day-first-keys-jet4.mdb"_s << QByteArray() << QDate(2025, 12, 28)
        << u"30 weeks came over from the earlier program. 13 of them were stored with day and "
           u"month swapped, as day-first date settings wrote them, and now lie under their right "
           u"Sunday."_s +
               kept +
               u" Orvanta shows the week of Sunday, 28 December 2025, the newest that came over."_s;
    // The earlier program kept every week it showed, also those left empty.
    QTest::newRow("one week, and a newer one left empty")
        << QString()
        << earlierProgramFile({{QDate(2025, 12, 7), u"only"_s + S.repeated(8)},
                               {QDate(2025, 12, 14), S.repeated(8)}})
        << QDate(2025, 12, 7)
        << u"2 weeks came over from the earlier program."_s + kept +
               u" Orvanta shows the week of Sunday, 7 December 2025, the newest that came over."_s;
}

void TestForm1::theNewestConvertedWeekIsShown()
{
    QFETCH(QString, fixture);
    QFETCH(QByteArray, built);
    QFETCH(QDate, shown);
    QFETCH(QString, told);
    // The earlier program's file in Orvanta's place: once its weeks came over, the window shows
    // the newest week up to today that holds text, not an empty today, and says which.
    if (fixture.isEmpty()) {
        QFile file(m_dbPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(built), built.size());
    } else {
        QVERIFY(QFile::copy(QStringLiteral(ORVANTA_JET_FIXTURES "/") + fixture, m_dbPath));
        QVERIFY(QFile::setPermissions(m_dbPath, QFile::ReadOwner | QFile::WriteOwner));
    }
    m_alerts.answer = true; // Yes, bring them over
    Form1::Services services{&m_clock, &m_alerts, &m_shell, m_folder->path(),
                             [this](int code) { m_endings.append(code); }};
    services.jetReader = QStringLiteral(ORVANTA_JET_READER);
    m_form = std::make_unique<Form1>(std::move(services));
    QVERIFY(m_form->Load());
    QCOMPARE(m_form->weekPage().weekStart(), shown);
    QVERIFY(!m_form->text1(0)->toPlainText().isEmpty() ||
            !m_form->text1(7)->toPlainText().isEmpty());
    QCOMPARE(m_alerts.messages.size(), 2); // the offer, then how it went
    const QString report = QDir::toNativeSeparators(
        QDir(m_folder->path()).filePath(u"dbCalendar (earlier program) rows not converted.txt"_s));
    QCOMPARE(m_alerts.messages[1], u"information: "_s + QString(told).replace(u"%1"_s, report));
}

void TestForm1::doubleClickOnAShownWindowOnlyFocusesIt()
{
    loadAndShow();
    QWidget other;
    other.show();
    other.activateWindow();
    QTRY_COMPARE(QGuiApplication::focusWindow(), other.windowHandle());

    // Never a toggle: each double-click leaves the window shown and gives it the focus.
    for (const LPARAM button : {WM_LBUTTONDBLCLK, WM_RBUTTONDBLCLK}) {
        trayMessage(button);
        QVERIFY(m_form->isVisible());
        QCOMPARE(m_form->windowState(), Qt::WindowNoState);
        QVERIFY(!m_form->MinimizedToTray());
        QTRY_COMPARE(QGuiApplication::focusWindow(), m_form->windowHandle());
    }
}

void TestForm1::withoutATrayMinimiseStaysOrdinary()
{
    m_shell.trayPresent = false;
    loadAndShow();
    minimise();
    QVERIFY(m_form->isVisible()); // keeps its taskbar entry: the only way back
    QVERIFY(m_form->isMinimized());
    QVERIFY(!m_form->MinimizedToTray());

    // A panel that starts later shows the icon: its double-click brings the window back, and
    // from then on a minimise hides it in the tray.
    m_shell.trayPresent = true;
    trayMessage(WM_LBUTTONDBLCLK);
    QVERIFY(m_form->isVisible());
    QCOMPARE(m_form->windowState(), Qt::WindowNoState);
    minimise();
    QVERIFY(!m_form->isVisible());
    QVERIFY(m_form->MinimizedToTray());
}

void TestForm1::startUpSkinsCentresLoadsThePointerAndDraws()
{
    writeFile(Main::skinFilePath(m_folder->path()),
              "QWidget#Form1 { background-color: rgb(51, 102, 204); }");
    QVERIFY(QFile::copy(QString::fromLatin1(Form1Design::kTrayIconResource),
                        m_folder->filePath(u"HAND-M.CUR"_s)));
    m_draw.r = 0.065f; // n = 7: the home page, on a desktop that cannot open it
    loadAndShow();
    QVERIFY(m_alerts.messages.isEmpty());

    // The skin draws the bare window; the headings keep their yellow.
    const QImage drawn = m_form->grab().toImage();
    QCOMPARE(drawn.pixelColor(308, 250), QColor(51, 102, 204)); // between the two columns
    const QRect heading = m_form->label1(1)->geometry();
    QCOMPARE(drawn.pixelColor(heading.right() - 2, heading.top() + 2), QColor(0xFF, 0xFF, 0xC0));

    // Centred on the whole primary screen, by the size it knew before any frame was added.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(m_form->geometry().topLeft(),
             QPoint(qRound((screen.width() - m_form->width()) / 2.0),
                    qRound((screen.height() - m_form->height()) / 2.0)));

    // The pointer image is the window's, but the pointer stays the default arrow.
    QVERIFY(m_form->pointer().MouseIcon());
    QCOMPARE(m_form->pointer().MouseIcon()->hotSpot(), QPoint(5, 0));
    QCOMPARE(m_form->pointer().MousePointer(), int(WindowPointer::vbDefault));
    QCOMPARE(m_form->cursor().shape(), Qt::ArrowCursor);

    // Seeded from the seconds since midnight (10:00); the launch failed and nothing minded.
    QCOMPARE(m_draw.seeds, QList<float>{36000.0f});
    QCOMPARE(m_launcher.launches.size(), 1);
    QVERIFY(m_endings.isEmpty());
}

void TestForm1::unusableSkinOrPointerImageEndsStartUp_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");
    QTest::newRow("skin") << u"x/o.cjs"_s << "QWidget {"_ba
                          << u"The skin %1 cannot be used: line 1: '{' is never closed."_s;
    QTest::newRow("pointer image") << u"HAND-M.CUR"_s << "a picture of a hand"_ba
                                   << u"The pointer image %1 cannot be read: "
                                      u"not an icon or cursor file."_s;
}

void TestForm1::unusableSkinOrPointerImageEndsStartUp()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    QVERIFY(createEmptyCalendarDatabase(m_dbPath));
    const QString path = m_folder->filePath(file);
    writeFile(path, content);
    m_form = makeForm();
    QVERIFY(!m_form->Load());
    QCOMPARE(m_alerts.messages,
             QStringList(u"error: "_s + message.arg(QDir::toNativeSeparators(path))));
    QVERIFY(m_shell.calls.isEmpty()); // it ended before the tray icon
}

void TestForm1::pointerResetsOnlyOverTheBareWindow_data()
{
    QTest::addColumn<int>("pointer");
    QTest::addColumn<QString>("over");
    QTest::addColumn<int>("after");
    QTest::addColumn<Qt::CursorShape>("shape");
    const int cross = WindowPointer::vbCrosshair;
    QTest::newRow("cross, bare window") << cross << u""_s << 0 << Qt::ArrowCursor;
    QTest::newRow("hourglass, bare window")
        << int(WindowPointer::vbHourglass) << u""_s << 11 << Qt::WaitCursor;
    QTest::newRow("cross, a heading") << cross << u"Label1(2)"_s << cross << Qt::CrossCursor;
    QTest::newRow("cross, a box") << cross << u"Text1(2)"_s << cross << Qt::CrossCursor;
    QTest::newRow("cross, the calendar") << cross << u"MonthView1"_s << cross << Qt::CrossCursor;
}

void TestForm1::pointerResetsOnlyOverTheBareWindow()
{
    QFETCH(int, pointer);
    QFETCH(QString, over);
    QFETCH(int, after);
    QFETCH(Qt::CursorShape, shape);
    loadAndShow();
    m_form->pointer().setMousePointer(pointer);
    const QWidget *control = m_form->findChild<QWidget *>(over);
    const QPoint at = over.isEmpty() ? QPoint(308, 250) : control->geometry().center();
    QTest::mouseMove(m_form.get(), at - QPoint(3, 3));
    QTest::mouseMove(m_form.get(), at);
    QCOMPARE(m_form->pointer().MousePointer(), after);
    QCOMPARE(m_form->cursor().shape(), shape);
}

void TestForm1::printAndExportTakeTheWeekOnScreen_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("file"); // what the dialog gives, in the scratch folder
    QTest::addColumn<QString>("said"); // the message after it, with %1 the file
    QTest::newRow("Ctrl+P") << u"print key"_s << u"week.pdf"_s << QString();
    QTest::newRow("the tray menu's Print week…") << u"&Print week…"_s << u"week.pdf"_s << QString();
    QTest::newRow("print cancelled") << u"&Print week…"_s << QString() << QString();
    QTest::newRow("print to a folder that is not there")
        << u"print key"_s << u"gone/week.pdf"_s
        << u"error: The week was not printed: %1 cannot be written."_s;
    QTest::newRow("export to Markdown") << u"&Export all weeks…"_s << u"weeks.md"_s
                                        << u"information: 2 weeks were exported to %1."_s;
    QTest::newRow("export to iCalendar") << u"&Export all weeks…"_s << u"weeks.ics"_s
                                         << u"information: 2 weeks were exported to %1."_s;
    QTest::newRow("export cancelled") << u"cancel export"_s << u"weeks.md"_s << QString();
    QTest::newRow("export to a name of no format")
        << u"&Export all weeks…"_s << u"weeks.txt"_s
        << u"warning: %1 names no format Orvanta writes: name it .md for Markdown or .ics for "
           u"iCalendar."_s;
    QTest::newRow("export to a folder that is not there")
        << u"&Export all weeks…"_s << u"gone/weeks.md"_s
        << u"error: The weeks were not exported. weeks.md cannot be written: No such file or "
           u"directory"_s;
}

void TestForm1::printAndExportTakeTheWeekOnScreen()
{
    QFETCH(QString, how);
    QFETCH(QString, file);
    QFETCH(QString, said);
    loadAndShow({{u"2025-11-30"_s, u"stored earlier"_s + S.repeated(8)}});
    m_form->text1(3)->setPlainText(u"typed, not saved\nsecond line"_s);
    const QString target = file.isEmpty() ? QString() : m_folder->filePath(file);
    bool asked = false;
    m_form->weekPrinting().setChoosePrinter([&](QPrinter &printer, QWidget *) {
        asked = true;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(target);
        return !target.isEmpty();
    });
    m_form->weekExporting().setChooseFile([&](QWidget *) {
        asked = true;
        return target;
    });
    QSignalSpy exported(&m_form->weekExporting(), &WeekExporting::finished);
    if (how == u"cancel export") { // Cancel before a week is written: nothing, not a word
        connect(&m_form->weekExporting(), &WeekExporting::started, this,
                [this] { emit m_form->weekExporting().progressDialog()->canceled(); });
        how = u"&Export all weeks…"_s;
    }
    if (how == u"print key") {
        QTest::keyClick(m_form->text1(0), Qt::Key_P, Qt::ControlModifier);
    } else {
        const QList<QAction *> entries = m_form->trayMenu().menu().actions();
        const auto entry = std::find_if(entries.begin(), entries.end(),
                                        [&](QAction *action) { return action->text() == how; });
        QVERIFY(entry != entries.end());
        (*entry)->trigger();
    }
    QVERIFY(asked);
    if (how.contains(u"Export"_s) && !said.startsWith(u"warning"_s))
        QTRY_COMPARE(exported.count(), 1);
    if (said.isEmpty() && how.contains(u"Export"_s)) {
        QVERIFY(exported.first().first().value<WeekExport::Result>().cancelled);
        QVERIFY(!QFileInfo::exists(target));
        QVERIFY(m_alerts.messages.isEmpty());
        return;
    }
    if (said.contains(u"%1"_s))
        said = said.arg(QDir::toNativeSeparators(target));
    QCOMPARE(m_alerts.messages, said.isEmpty() ? QStringList() : QStringList(said));
    if (file.isEmpty() || (!said.isEmpty() && !said.startsWith(u"information"_s))) {
        QVERIFY(target.isEmpty() || !QFileInfo::exists(target));
        return;
    }
    if (file.endsWith(u".pdf"_s)) { // the page as on screen: title, headings, unsaved typing
        const QString printed = withoutSpaces(printedPages(target).join(QString()));
        QString expected = u"Sunday, 28 December 2025 – Saturday, 3 January 2026"_s;
        for (int box = 0; box < kWeekFieldCount; ++box)
            expected += m_form->label1(box)->text() + m_form->text1(box)->toPlainText();
        QCOMPARE(printed, withoutSpaces(expected));
        return;
    }
    // Saved first, as a day click does; both weeks exported, oldest first.
    QCOMPARE(OtherConnection(m_dbPath).weekData(u"2025-12-28"_s),
             S.repeated(3) + u"typed, not saved\r\nsecond line"_s + S.repeated(5));
    QFile out(target);
    QVERIFY(out.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(out.readAll());
    const qsizetype earlier = text.indexOf(u"stored earlier"_s);
    QVERIFY(earlier >= 0);
    QVERIFY(text.indexOf(u"typed"_s) > earlier);
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
