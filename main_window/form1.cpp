#include "form1.h"

#include "backup_schedule.h"
#include "box_menu.h"
#include "controls/month_view.h"
#include "controls/skin_framework.h"
#include "cursor_in_view.h"
#include "day_marks.h"
#include "desktop/alerts.h"
#include "desktop/clock.h"
#include "earlier_program_offer.h"
#include "find_in_weeks.h"
#include "form1_design.h"
#include "go_to_date/go_to_date_dialog.h"
#include "guide/about_box.h"
#include "guide/guide_text.h"
#include "guide/user_guide_window.h"
#include "main_module.h"
#include "readable_colours.h"
#include "schedule/calendar_files.h"
#include "schedule/recovery_file.h"
#include "schedule/week.h"
#include "schedule/week_draft.h"
#include "screen_fit.h"
#include "spelling/spell_check.h"
#include "text_size/text_size.h"
#include "tray/csystray.h"
#include "trace/startup_trace.h"
#include "tray_menu.h"
#include "week_exporting.h"
#include "week_importing.h"
#include "week_page.h"
#include "week_printing.h"
#include "week_syncing.h"
#include "window_actions.h"
#include "window_pointer.h"

#include <algorithm>
#include <cstdio>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <vector>

namespace {

// Lets the event loop handle everything already queued, twice, as the close sequence does
// between its steps.
void processPendingEvents()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

QStringList recoveryFolders(const QString &programFolder)
{
    // Beside the database first; a read-only medium sends the texts to the user's own folders.
    return {programFolder, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
            QDir::homePath(), QDir::tempPath()};
}

// The tray control as stored with the window: off, with the tip it was made with, and the
// hand as its picture.
PropertyBag storedTrayProperties()
{
    QString error;
    const PictureRef hand =
        StdPicture::LoadPicture(QString::fromLatin1(Form1Design::kTrayIconResource), &error);
    Q_ASSERT_X(hand, "storedTrayProperties", qPrintable(error)); // built into the program
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("InTray"), false);
    bag.WriteProperty(QStringLiteral("TrayIcon"), QVariant::fromValue(hand));
    bag.WriteProperty(QStringLiteral("TrayTip"), QStringLiteral("Telnet Server"));
    return bag;
}

} // namespace

Form1::Form1(Services services, QWidget *parent)
    : QWidget(parent), m_services(std::move(services)),
      m_session(databasePath(m_services.programFolder), m_services.comeForward),
      m_backups(m_services.clock, m_session.path(), m_services.backupCheckInterval)
{
    setObjectName(QStringLiteral("Form1"));
    if (!m_services.endProgram)
        m_services.endProgram = [](int code) { QCoreApplication::exit(code); };
    createControls();
    m_pointer = std::make_unique<WindowPointer>(*this, *m_page);
    m_screenFit = std::make_unique<ScreenFitKeeper>(*this, size());
    m_weekPage = std::make_unique<WeekPage>(
        WeekPage::Controls{m_monthView1, m_label1, m_text1}, m_session.connection(),
        m_services.recoveryFolders.isEmpty() ? recoveryFolders(m_services.programFolder)
                                             : m_services.recoveryFolders,
        WeekDraft::pathFor(m_session.path()));
    connect(&m_backups, &BackupSchedule::damaged, this, &Form1::tellWarning);
    // A draft of the shown week a little after the typing pauses; never on every key.
    m_draftTimer.setSingleShot(true);
    m_draftTimer.setInterval(kDraftDelay);
    for (QPlainTextEdit *box : m_text1)
        connect(box, &QPlainTextEdit::textChanged, &m_draftTimer, qOverload<>(&QTimer::start));
    m_afterFirstFrame.setSingleShot(true);
    connect(&m_afterFirstFrame, &QTimer::timeout, this, &Form1::afterFirstFrame);
    connect(&m_draftTimer, &QTimer::timeout, this, [this] {
        if (m_state == State::Running)
            m_weekPage->keepDraft();
    });
    connect(m_monthView1, &MonthView::dateClicked, this, &Form1::onDateClicked);
    connect(m_cSysTray1, &cSysTray::MouseDblClick, this, &Form1::cSysTray1_MouseDblClick);
    createMenuAndKeys();
}

Form1::~Form1() = default;

void Form1::createMenuAndKeys()
{
    using Id = WindowActions::Id;
    m_actions = new WindowActions(*this, this);
    const auto on = [this](Id id, auto slot) {
        connect(m_actions->action(id), &QAction::triggered, this, slot);
    };
    // A right click on the calendar, where no box offers a menu of its own, opens the window's.
    m_monthView1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_monthView1, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { m_actions->menu().popup(m_monthView1->mapToGlobal(at)); });

    m_dayMarks = new DayMarks(*m_monthView1, m_session.connection(), this);
    m_cursorInView = new CursorInView(*m_scrollArea, m_text1, this);
    m_findInWeeks =
        new FindInWeeks({this, m_weekPage.get(), m_text1, [this](QDate day) { onDateClicked(day); },
                         [this] { comeForward(); }, m_actions->action(Id::Find)},
                        m_session.path(), this);
    const QList<QPlainTextEdit *> boxes(m_text1.begin(), m_text1.end());
    m_spelling = new SpellCheck(this);
    for (QPlainTextEdit *box : boxes)
        m_spelling->attach(box);
    m_boxMenu = new BoxMenu(boxes, m_actions->action(Id::Find), m_spelling, this);
    m_textSize = new TextSize(boxes, Form1Design::kFontPoints, this);
    m_weekPrinting = new WeekPrinting(*this, *m_weekPage, m_label1, this);
    m_weekPrinting->setTellError([this](const QString &text) { tellError(text); });
    if (!m_services.printModule.isEmpty())
        m_weekPrinting->setModulePath(m_services.printModule);
    m_weekExporting = new WeekExporting({this, m_session.path(), m_services.clock,
                                         m_services.alerts, [this] { return saveShownWeek(); }},
                                        this);
    m_weekImporting = new WeekImporting({this, m_session.path(), m_services.clock,
                                         m_services.alerts, [this] { return saveShownWeek(); },
                                         [this] { reloadShownWeek(); }},
                                        this);
    m_weekSyncing = new WeekSyncing(
        {this, m_session.path(), m_services.clock, m_services.alerts, m_weekPage.get(),
         &m_session.connection(), m_text1, [this] { return saveShownWeek(); },
         [this](const QString &tip) { m_cSysTray1->setTrayTip(tip); },
         [this] { m_dayMarks->refresh(); }},
        this);

    on(Id::GoToDate, &Form1::askForDate);
    on(Id::ThisWeek, [this] {
        if (m_services.clock)
            onDateClicked(m_services.clock->now().date());
    });
    on(Id::PreviousWeek, [this] { onDateClicked(m_weekPage->weekStart().addDays(-kDaysPerWeek)); });
    on(Id::NextWeek, [this] { onDateClicked(m_weekPage->weekStart().addDays(kDaysPerWeek)); });
    on(Id::SaveWeek, &Form1::saveShownWeek);
    on(Id::Find, [this] { m_findInWeeks->find(); });
    on(Id::FindNext, [this] { m_findInWeeks->goToNext(1); });
    on(Id::FindPrevious, [this] { m_findInWeeks->goToNext(-1); });
    on(Id::Print, [this] { m_weekPrinting->print(); });
    on(Id::PrintPreview, [this] { m_weekPrinting->preview(); });
    on(Id::ExportAll, [this] { m_weekExporting->exportAll(); });
    on(Id::ImportWeeks, [this] { m_weekImporting->importWeeks(); });
    on(Id::Sync, [this] { m_weekSyncing->openDialog(); });
    on(Id::SyncNow, [this] { m_weekSyncing->syncNow(); });
    on(Id::LargerText, [this] { m_textSize->makeLarger(); });
    on(Id::SmallerText, [this] { m_textSize->makeSmaller(); });
    on(Id::UsualTextSize, [this] { m_textSize->makeUsual(); });
    on(Id::Guide, &Form1::showGuide);
    on(Id::About, &Form1::showAbout);
    on(Id::Quit, &Form1::quit);
}

void Form1::createControls()
{
    using namespace Form1Design;
    // A fixed frame: minimise and close, no maximise, no resizing.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    const QSize designed(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));
    setFixedSize(designed);
    // No icon of the window's own: the stored one is fully transparent, which X11 desktops
    // draw as a black square. Without one, the desktop shows its default or the launcher's.
    QFont windowFont(QString::fromLatin1(kFontFamily), kFontPoints);
    windowFont.setBold(true);
    setFont(windowFont);
    ReadableColours::setFixedBackground(*this, QColor::fromRgb(kBackColor), QPalette::WindowText);
    setAutoFillBackground(true);

    // The controls sit on a surface of the designed size, which scrolls where the screen is
    // smaller than the window; elsewhere the scroll area is exactly that surface. The window's
    // own background shows through both.
    m_scrollArea = new QScrollArea(this);
    m_scrollArea->setObjectName(QStringLiteral("ScrollArea"));
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setFocusPolicy(Qt::NoFocus); // the focus goes from box to box, as designed
    m_scrollArea->viewport()->setAutoFillBackground(false);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scrollArea);
    m_page = new QWidget;
    m_page->setObjectName(QStringLiteral("Page"));
    m_page->setFixedSize(designed);
    m_scrollArea->setWidget(m_page); // after the size: the area takes the page as it is
    m_page->setAutoFillBackground(false);

    m_monthView1 = new MonthView(m_page);
    m_monthView1->setObjectName(QStringLiteral("MonthView1"));
    m_monthView1->setGeometry(kMonthView1.pixels());
    m_monthView1->setDateRange(kMonthView1MinDate, kMonthView1MaxDate);

    m_cSysTray1 = new cSysTray(*m_services.shell, m_page);
    m_cSysTray1->setObjectName(QStringLiteral("cSysTray1"));
    m_cSysTray1->setGeometry(kCSysTray1.pixels());
    m_cSysTray1->ReadProperties(storedTrayProperties());

    m_skinFramework1 = new SkinFramework(m_page);
    m_skinFramework1->setObjectName(QStringLiteral("SkinFramework1"));
    m_skinFramework1->setGeometry(kSkinFramework1.pixels());

    // Headings first, so that each box is drawn over its heading's last pixel row.
    for (int k = 0; k < kWeekFieldCount; ++k) {
        auto *heading = new QLabel(m_page);
        heading->setObjectName(QStringLiteral("Label1(%1)").arg(k));
        heading->setGeometry(kLabel1[k].pixels());
        heading->setTextFormat(Qt::PlainText);
        heading->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        heading->setAutoFillBackground(true);
        // The desktop's button-text colour on the fixed yellow, where it can be read there.
        ReadableColours::setFixedBackground(*heading, QColor::fromRgb(kHeadingBackColor),
                                            QPalette::ButtonText);
        m_label1[k] = heading;
    }
    for (int k = 0; k < kWeekFieldCount; ++k) {
        auto *box = new QPlainTextEdit(m_page);
        box->setObjectName(QStringLiteral("Text1(%1)").arg(k));
        box->setGeometry(kText1[k].pixels());
        box->setTabChangesFocus(true);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        m_label1[k]->setBuddy(box); // the heading labels its box for a screen reader
        m_text1[k] = box;
    }

    // Tab order by the stored tab indices; headings never take the focus.
    std::vector<std::pair<int, QWidget *>> order{{kMonthView1.tabIndex, m_monthView1}};
    for (int k = 0; k < kWeekFieldCount; ++k)
        order.emplace_back(kText1[k].tabIndex, m_text1[k]);
    std::sort(order.begin(), order.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1].second, order[i].second);
    order.front().second->setFocus();
}

bool Form1::Load()
{
    // L1
    if (!m_session.CheckDatabaseFile() || !m_session.claimDatabase()) {
        if (m_session.cameForward())
            m_exitCode = 0;
        else if (m_session.messageIsWarning())
            tellWarning(m_session.message());
        else
            tellError(m_session.message());
        return false;
    }
    // U1
    QString skinError;
    if (!Main::ApplySkin(*this, *m_skinFramework1, m_services.programFolder, &skinError)) {
        tellError(skinError);
        return false;
    }
    m_screenFit->fit(); // U2: CenterForm, and again once the frame is known
    // L2, and the typing that a run which died left in its draft. A file that is no SQLite
    // database may be the earlier program's own: its weeks come over into a new one first, if
    // the user wants them.
    bool opened = m_session.OpenCalendarDatabase();
    QString converted; // what to tell of the weeks that came over, once they show
    if (!opened && m_session.isEarlierProgramFile()) {
        const auto offered =
            EarlierProgramOffer::offer({m_session.path(), m_services.jetReader, m_services.alerts});
        if (offered.outcome != EarlierProgramOffer::Outcome::Converted) {
            m_exitCode = offered.outcome == EarlierProgramOffer::Outcome::Declined ? 0 : 1;
            return false;
        }
        converted = offered.told;
        opened = m_session.OpenCalendarDatabase();
    }
    if (!opened || !m_session.recoverDraft()) {
        tellError(m_session.message());
        m_session.CloseCalendarDatabase();
        return false;
    }
    StartupTrace::mark("database");
    if (m_session.recoveredWeek().isValid())
        tellInformation(m_session.message());
    // U3
    QString pointerError;
    if (!m_pointer->loadPointerImage(m_services.programFolder, &pointerError)) {
        tellError(pointerError);
        m_session.CloseCalendarDatabase();
        return false;
    }
    // U4, seeded from the seconds since midnight
    if (m_services.random && m_services.launcher) {
        const float seconds = m_services.clock->now().time().msecsSinceStartOfDay() / 1000.0f;
        Main::MaybeVisitHomePage(seconds, *m_services.random, *m_services.launcher);
    }
    // L3
    const QString caption = QStringLiteral("Orvanta");
    setWindowTitle(caption);
    // T1. T2, the icon itself, follows the window's first show (showEvent), so that the
    // desktop's tray is not in the way of the window; the tip is set first all the same, so the
    // icon is added once with icon, tip and callback together.
    m_cSysTray1->setTrayTip(caption);
    // L4; after a recovery, the recovered week, so that the user sees what came back; after a
    // conversion, the newest week that came over rather than an empty today
    QDate day = m_session.recoveredWeek();
    if (!converted.isEmpty() && !day.isValid())
        day = EarlierProgramOffer::weekToShow(m_session.connection(),
                                              m_services.clock->now().date(), converted);
    const bool shown = m_weekPage->ShowCurrentWeek(m_services.clock->now(), day);
    m_draftTimer.stop(); // the boxes were filled, not typed into
    StartupTrace::mark("week");
    if (!shown) {
        tellError(m_weekPage->errorText() + m_session.damageAdvice());
        m_session.CloseCalendarDatabase();
        return false;
    }
    if (!converted.isEmpty())
        tellInformation(converted);
    m_state = State::Running; // the calendar's marks follow the first frame
    return true;
}

// Messages name files by the path that reaches them; where that is a handle on the program's
// folder rather than its name, people read the name.
QString Form1::forPeople(QString text) const
{
    const QString &folderName = m_services.programFolderName;
    if (!folderName.isEmpty() && folderName != m_services.programFolder)
        text.replace(QDir::toNativeSeparators(m_services.programFolder),
                     QDir::toNativeSeparators(folderName));
    return text;
}

void Form1::tellInformation(const QString &text)
{
    m_services.alerts->information(forPeople(text));
}

void Form1::tellWarning(const QString &text)
{
    m_services.alerts->warning(forPeople(text));
}

void Form1::tellError(const QString &text)
{
    m_services.alerts->error(forPeople(text));
}

void Form1::onDateClicked(QDate day)
{
    if (m_state != State::Running)
        return;
    if (m_weekPage->CalendarDateClicked(day)) {
        m_draftTimer.stop(); // the boxes were filled, not typed into
        m_dayMarks->refresh();
        return;
    }
    tellFailedSave();
}

bool Form1::saveShownWeek()
{
    if (m_state != State::Running)
        return false;
    if (m_weekPage->SaveWeek()) {
        m_dayMarks->refresh();
        return true;
    }
    tellFailedSave();
    return false;
}

// After an import the stored week may hold more than the boxes, which were saved just before
// it: the boxes take the stored texts, with no save that would write the old ones back; also
// when the window is closing, since its last save follows.
void Form1::reloadShownWeek()
{
    if (m_state == State::Starting)
        return;
    m_weekPage->ClearWeek();
    if (!m_weekPage->LoadWeek())
        tellError(m_weekPage->errorText());
    m_draftTimer.stop(); // the boxes were filled, not typed into
    m_dayMarks->refresh();
}

// A save that failed while the window runs: where the window holds the only copy of the texts,
// it keeps the week and says so; otherwise the texts are in a recovery file, and the program
// ends with the message that names it.
void Form1::tellFailedSave()
{
    if (m_weekPage->textsOnlyOnScreen()) {
        // The week could not be left: the window keeps it, the only copy of its texts.
        tellError(m_weekPage->errorText());
        return;
    }
    endWithError(m_weekPage->errorText());
}

void Form1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // T2 and what else the first frame does not show follow that frame (afterFirstFrame): the
    // window goes to the screen first. A window that is never painted (started minimised, say)
    // gets them a moment later all the same.
    if (!m_firstFrameAwaited && m_state == State::Running) {
        m_firstFrameAwaited = true;
        m_afterFirstFrame.start(kFirstFrameWait);
    }
}

bool Form1::event(QEvent *event)
{
    const bool handled = QWidget::event(event);
    // Queued behind the paint: the frame reaches the screen before the work below starts.
    if (event->type() == QEvent::Paint && m_afterFirstFrame.isActive())
        m_afterFirstFrame.start(0);
    return handled;
}

void Form1::afterFirstFrame()
{
    if (m_state != State::Running)
        return; // not for a window that is closing already
    trayMenu(); // made, and offered to the desktop's tray host, before the icon appears
    putIconInTray();
    m_dayMarks->refresh();
    StartupTrace::mark("marks");
    m_spelling->start(); // the dictionary loads once the window is on the screen
    m_backups.start(m_services.backupDelay);
    m_weekSyncing->start(); // only where an account is set up
}

void Form1::putIconInTray()
{
    if (m_state != State::Running)
        return; // not for a window that is closing already
    m_cSysTray1->setInTray(true);
    StartupTrace::mark("tray");
}

TrayMenu &Form1::trayMenu()
{
    if (m_trayMenu)
        return *m_trayMenu;
    using Id = WindowActions::Id;
    m_trayMenu = new TrayMenu(*this, *m_cSysTray1, this);
    connect(m_trayMenu, &TrayMenu::showRequested, this, &Form1::comeForward);
    connect(m_trayMenu, &TrayMenu::hideRequested, this,
            [this] { setWindowState(windowState() | Qt::WindowMinimized); });
    for (const Id id :
         {Id::Find, Id::GoToDate, Id::Print, Id::ExportAll, Id::ImportWeeks, Id::SyncNow, Id::Sync})
        m_trayMenu->addEntry(m_actions->action(id));
    m_trayMenu->addLast(m_actions->action(Id::Quit));
    if (m_services.offerTrayMenu)
        m_services.offerTrayMenu(&m_trayMenu->menu());
    return *m_trayMenu;
}

void Form1::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    keepFixedSize();
    minimiseToTray();
}

void Form1::keepFixedSize()
{
    // The window has no layout: it keeps its size. Window managers honour the fixed size hints
    // for maximising, but a full-screen request (icewm's Alt+F11) stretches the frame anyway,
    // so the window hands such a state straight back.
    const Qt::WindowStates stretched = Qt::WindowFullScreen | Qt::WindowMaximized;
    if (windowState() & stretched)
        setWindowState(windowState() & ~stretched);
}

void Form1::minimiseToTray()
{
    if (!(windowState() & Qt::WindowMinimized) || m_minimizedToTray)
        return;
    // Without a tray that shows the icon, a hidden window could never come back: then this
    // stays an ordinary minimise. Asked now, since a panel can start or stop at any time.
    if (!m_cSysTray1->IconVisible())
        return;
    hide(); // no taskbar entry
    // The state stays minimised while hidden and the restore makes it normal: on X11,
    // leaving the minimised state maps the window at once.
    m_minimizedToTray = true;
}

void Form1::cSysTray1_MouseDblClick(qint16 Button, qint32 Id)
{
    Q_UNUSED(Button)
    Q_UNUSED(Id)
    restoreWindow();
}

void Form1::restoreWindow()
{
    if (m_state != State::Running)
        return;
    // Show and focus, never a toggle; back in the normal state, also after an ordinary
    // minimise (the tray was missing then). Shown first, so that the window's place is
    // known to the window manager before leaving the minimised state maps it.
    show();
    setWindowState(windowState() & ~Qt::WindowMinimized);
    activateWindow();
    m_minimizedToTray = false;
}

void Form1::comeForward()
{
    restoreWindow();
    raise(); // above the window of whatever the user started Orvanta from
}

void Form1::quit()
{
    // The user chose it, so a save that fails with the texts only on screen asks; kept, the
    // window shows them.
    if (!runCloseSequence(true))
        comeForward();
}

void Form1::askForDate()
{
    if (m_state != State::Running)
        return;
    if (!m_goToDate) {
        m_goToDate = new GoToDateDialog(Form1Design::kMonthView1MinDate,
                                        Form1Design::kMonthView1MaxDate, this);
        connect(m_goToDate, &GoToDateDialog::dateChosen, this, &Form1::onDateClicked);
    }
    comeForward();
    m_goToDate->ask(m_weekPage->weekStart(), m_services.clock->now().date());
}

void Form1::showGuide()
{
    if (!m_guide)
        m_guide = new UserGuideWindow(this);
    QList<GuideText::Key> keys;
    for (const WindowActions::KeyLine &line : WindowActions::keyLines())
        keys.append({line.text, line.keys});
    m_guide->showGuide(GuideText::markdown(GuideText::builtInGuide(), keys));
}

void Form1::showAbout()
{
    auto *about = new AboutBox(m_session.path(), this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->open();
}

void Form1::closeEvent(QCloseEvent *event)
{
    // A close is never refused, unless the window holds the only copy of the week's texts and
    // the user, asked at the window, keeps them.
    if (m_state != State::Running || runCloseSequence(event->spontaneous()))
        event->accept();
    else
        event->ignore();
}

bool Form1::runCloseSequence(bool userCanAnswer)
{
    if (m_state != State::Running)
        return true;
    m_state = State::Ending;
    m_backups.stop();
    // An import under way (a signal's close, the session ending) stops with nothing changed
    // before the last save.
    m_weekImporting->cancelAndWait();
    m_cSysTray1->setInTray(false);             // T3
    processPendingEvents();                    // C1
    const bool saved = m_weekPage->SaveWeek(); // C2
    if (!saved && !keepOrLoseTexts(userCanAnswer)) {
        m_state = State::Running;
        putIconInTray();
        m_backups.start(m_services.backupDelay);
        return false;
    }
    if (saved)
        m_weekSyncing->finishAtClose(); // what was just saved, a few seconds at the most
    processPendingEvents();               // C3
    m_session.CloseCalendarDatabase();    // C4
    processPendingEvents();               // C5
    m_services.endProgram(saved ? 0 : 1); // C6
    return true;
}

// After a failed save at closing: whether the program may end. Where a recovery file holds the
// texts, it says so and ends. Where the window holds the only copy, the user at the window is
// asked (No keeps it open); a close that nobody can answer (a signal, the session ending)
// writes the texts to standard error, the last place left.
bool Form1::keepOrLoseTexts(bool userCanAnswer)
{
    const QString problem = m_weekPage->errorText();
    if (!m_weekPage->textsOnlyOnScreen()) {
        tellError(problem);
        return true;
    }
    if (userCanAnswer) {
        const QString week = QLocale().toString(m_weekPage->weekStart(), QLocale::LongFormat);
        return m_services.alerts->question(
            forPeople(problem) +
            tr("\n\nClose and lose the texts of the week of %1?").arg(week));
    }
    const QByteArray texts = recoveryText(m_weekPage->weekStart(), m_weekPage->texts()).toUtf8();
    std::fwrite(texts.constData(), 1, std::size_t(texts.size()), stderr);
    std::fflush(stderr);
    return true;
}

void Form1::requestClose()
{
    if (m_state == State::Running)
        close();
    else if (m_state == State::Starting)
        m_services.endProgram(1);
}

void Form1::endWithError(const QString &message)
{
    m_state = State::Ending;
    m_backups.stop();
    // An import under way (a signal's close, the session ending) stops with nothing changed
    // before the last save.
    m_weekImporting->cancelAndWait();
    m_cSysTray1->setInTray(false);
    tellError(message);
    hide();
    m_session.CloseCalendarDatabase();
    m_services.endProgram(1);
}
