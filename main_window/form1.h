#pragma once

#include "backup_schedule.h"
#include "database_session.h"
#include "schedule/week_record.h"

#include <array>
#include <functional>
#include <memory>
#include <QTimer>
#include <QWidget>

class Alerts;
class BoxMenu;
class Clock;
class CursorInView;
class DayMarks;
class FindInWeeks;
class GoToDateDialog;
class MonthView;
class NotifyIconShell;
class ProcessLauncher;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QScrollArea;
class RandomDraw;
class ScreenFitKeeper;
class SkinFramework;
class SpellCheck;
class TextSize;
class TrayMenu;
class UserGuideWindow;
class WeekExporting;
class WeekImporting;
class WeekPage;
class WeekPrinting;
class WeekSyncing;
class WindowActions;
class WindowPointer;
class cSysTray;

// The main window: it carries the calendar, the eight headings and the eight boxes, and owns
// the program's life: the load sequence that starts it and the close sequence that ends it.
class Form1 : public QWidget
{
    Q_OBJECT
public:
    struct Services
    {
        const Clock *clock = nullptr;
        Alerts *alerts = nullptr;
        NotifyIconShell *shell = nullptr;    // the desktop's notification area
        QString programFolder;               // a path to where dbCalendar.mdb lies
        std::function<void(int)> endProgram; // ends the run with an exit code
        // The home page's draw and what opens it; without them there is no home page.
        RandomDraw *random = nullptr;
        ProcessLauncher *launcher = nullptr;
        // The folder's name in messages, where programFolder is some other path to it.
        QString programFolderName = {};
        // Where the texts of a week that cannot be saved go, first that takes them; empty:
        // beside the database, then the user's documents, home and temporary folders.
        QStringList recoveryFolders = {};
        // When the day's backup starts after the window's first show, and how often a window
        // left open looks for a new day.
        int backupDelay = kBackupDelay;                           // ms
        int backupCheckInterval = BackupSchedule::kCheckInterval; // ms
        // Hands the tray menu to desktops whose tray shows an icon's menu itself.
        std::function<void(QMenu *)> offerTrayMenu = {};
        // Asks the Orvanta that has the database to come forward; empty: by its signal.
        DatabaseSession::ComeForward comeForward = {};
        // What reads the earlier program's database; empty: orvanta-jet-reader beside the
        // program.
        QString jetReader = {};
        // The printing module; empty: orvanta-print.so beside the program.
        QString printModule = {};
    };

    // How long typing pauses before the shown week's draft is written.
    static constexpr int kDraftDelay = 2000; // ms
    // The longest the tray icon and the marks wait for a first frame that does not come.
    static constexpr int kFirstFrameWait = 500; // ms
    // When the day's backup starts after the window's first show: once start-up and the first
    // typing are past.
    static constexpr int kBackupDelay = 10 * 1000; // ms

    explicit Form1(Services services, QWidget *parent = nullptr);
    ~Form1() override;

    // The load sequence. False when the program must end here, with the window never shown,
    // and exitCode(): 0 where another Orvanta has the database and came forward, else 1.
    bool Load();
    int exitCode() const { return m_exitCode; }

    MonthView *monthView1() const { return m_monthView1; }
    QLabel *label1(int k) const { return m_label1.at(k); }
    QPlainTextEdit *text1(int k) const { return m_text1.at(k); }
    cSysTray *cSysTray1() const { return m_cSysTray1; }
    WeekPage &weekPage() const { return *m_weekPage; }
    WindowPointer &pointer() const { return *m_pointer; }
    // Made after the first frame, or when first asked for.
    TrayMenu &trayMenu();
    FindInWeeks &findInWeeks() const { return *m_findInWeeks; }
    WeekPrinting &weekPrinting() const { return *m_weekPrinting; }
    WeekExporting &weekExporting() const { return *m_weekExporting; }
    WeekImporting &weekImporting() const { return *m_weekImporting; }
    WeekSyncing &weekSyncing() const { return *m_weekSyncing; }
    WindowActions &actions() const { return *m_actions; }
    SpellCheck &spelling() const { return *m_spelling; }
    TextSize &textSize() const { return *m_textSize; }
    // What scrolls the calendar and the week where the screen is smaller than the window.
    QScrollArea *scrollArea() const { return m_scrollArea; }

    // True from a minimise that hid the window in the tray until the icon's double-click.
    bool MinimizedToTray() const { return m_minimizedToTray; }

public slots:
    // The close sequence, run once whatever ends the program: the close button, a
    // termination signal, the desktop session ending. Only a user at the window can be asked
    // anything; false when they chose to keep the window open.
    bool runCloseSequence(bool userCanAnswer = false);
    // A termination signal: close as the close button does; during start-up, just end.
    void requestClose();
    // Another start on the same database asks this one to come forward: shown, normal,
    // focused and on top, from the tray or wherever it is.
    void comeForward();
    // Saves the shown week at once, as a day click does, and keeps it shown. False when it
    // could not be saved, which the window has said.
    bool saveShownWeek();
    void reloadShownWeek();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;

private:
    enum class State { Starting, Running, Ending };

    void createControls();
    void createMenuAndKeys();
    void onDateClicked(QDate day);
    void tellFailedSave();
    void afterFirstFrame();
    void putIconInTray();
    void restoreWindow();
    void quit();
    void askForDate();
    void showGuide();
    void showAbout();
    void keepFixedSize();
    void minimiseToTray();
    void cSysTray1_MouseDblClick(qint16 Button, qint32 Id);
    void endWithError(const QString &message);
    bool keepOrLoseTexts(bool userCanAnswer);
    QString forPeople(QString text) const;
    void tellInformation(const QString &text);
    void tellWarning(const QString &text);
    void tellError(const QString &text);

    Services m_services;
    DatabaseSession m_session;
    BackupSchedule m_backups;
    State m_state = State::Starting;
    QScrollArea *m_scrollArea = nullptr;
    QWidget *m_page = nullptr; // the window's surface, under the controls
    MonthView *m_monthView1 = nullptr;
    std::array<QLabel *, kWeekFieldCount> m_label1{};
    std::array<QPlainTextEdit *, kWeekFieldCount> m_text1{};
    cSysTray *m_cSysTray1 = nullptr;
    SkinFramework *m_skinFramework1 = nullptr;
    std::unique_ptr<WeekPage> m_weekPage;
    std::unique_ptr<WindowPointer> m_pointer;
    std::unique_ptr<ScreenFitKeeper> m_screenFit;
    WindowActions *m_actions = nullptr;
    TrayMenu *m_trayMenu = nullptr;
    CursorInView *m_cursorInView = nullptr;
    GoToDateDialog *m_goToDate = nullptr; // made when first asked for, as are the two below
    UserGuideWindow *m_guide = nullptr;
    DayMarks *m_dayMarks = nullptr;
    FindInWeeks *m_findInWeeks = nullptr;
    SpellCheck *m_spelling = nullptr;
    BoxMenu *m_boxMenu = nullptr;
    TextSize *m_textSize = nullptr;
    WeekPrinting *m_weekPrinting = nullptr;
    WeekExporting *m_weekExporting = nullptr;
    WeekImporting *m_weekImporting = nullptr;
    WeekSyncing *m_weekSyncing = nullptr;
    QTimer m_draftTimer;
    QTimer m_afterFirstFrame; // from the first show to the end of the first frame
    int m_exitCode = 1;
    bool m_firstFrameAwaited = false;
    bool m_minimizedToTray = false;
};
