#include "week_importing.h"

#include "desktop/alerts.h"
#include "desktop/clock.h"
#include "jet/jet_file.h"
#include "thread_run.h"
#include "translations/app_language.h"

#include <QApplication>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>

namespace {

QString askForFile(QWidget *parent)
{
    return QFileDialog::getOpenFileName(
        parent, QCoreApplication::translate("WeekImporting", "Import Weeks"),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
        QCoreApplication::translate("WeekImporting", "Databases (*.mdb *.accdb);;All files (*)"));
}

QString progressText(const QString &file, qint64 rows)
{
    const QString reading =
        QCoreApplication::translate("WeekImporting", "Importing the weeks of %1…").arg(file);
    const int read = AppLanguage::pluralCount(rows);
    return rows == 0 ? reading
                     : reading + QCoreApplication::translate("WeekImporting", " %Ln row(s)",
                                                             nullptr, read);
}

// What a person does to a window: keys, clicks, the wheel, closing it.
bool isInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::Drop:
    case QEvent::Close:
        return true;
    default:
        return false;
    }
}

} // namespace

// One import under way: its thread, its progress as the thread tells it, and its dialog.
struct WeekImporting::Run : ThreadRun
{
    QString file;
    std::atomic<qint64> rows = 0;
    WeekImport::Result result;
};

WeekImporting::WeekImporting(Window window, QObject *parent)
    : QObject(parent), m_window(std::move(window)), m_choose(askForFile)
{
    if (m_window.readerProgram.isEmpty())
        m_window.readerProgram = JetFile::readerProgram();
}

WeekImporting::~WeekImporting()
{
    // Nothing is told and nothing loaded: the window is going. Qt takes the filter off.
    if (m_running) {
        m_running->cancelAndWait();
        delete m_running->thread;
    }
}

void WeekImporting::importWeeks()
{
    if (m_running)
        return;
    const QString file = m_choose(m_window.main);
    if (file.isEmpty())
        return;
    // The shown week goes into the database first, so that what comes is merged with it.
    if (!m_window.saveShownWeek())
        return;

    m_running = std::make_unique<Run>();
    Run *run = m_running.get();
    run->file = file;
    WeekImport::Setup setup{
        m_window.databasePath, file, m_window.readerProgram,
        m_window.clock ? m_window.clock->now().date() : QDate::currentDate()};
    setup.progress = [run](qint64 rows) {
        run->rows = rows;
        return !run->cancelled;
    };
    run->thread = QThread::create([run, setup] { run->result = WeekImport::importWeeks(setup); });
    const QString name = QFileInfo(file).fileName();
    run->openDialog(progressText(name, 0), m_window.main);
    run->dialog->setValue(0); // shown once the minimum duration has passed
    connect(&run->poll, &QTimer::timeout, this,
            [run, name] { run->dialog->setLabelText(progressText(name, run->rows)); });
    connect(run->thread, &QThread::finished, this, [this] { finish(true); });
    // Until the dialog shows, typing would go into boxes that the reload then fills anew.
    qApp->installEventFilter(this);
    emit started();
    run->start();
}

void WeekImporting::finish(bool tell)
{
    if (!m_running)
        return; // cancelAndWait() finished it
    qApp->removeEventFilter(this);
    const WeekImport::Result result = m_running->result;
    const QString file = m_running->file;
    m_running->thread->deleteLater();
    m_running.reset();
    if (result.ok)
        m_window.reloadShownWeek();
    if (tell) {
        const QString told = WeekImport::describe(result, file);
        if (result.ok || result.cancelled)
            m_window.alerts->information(told);
        else
            m_window.alerts->error(told);
    }
    emit finished(result);
}

void WeekImporting::cancelAndWait()
{
    if (!m_running)
        return;
    m_running->cancelAndWait();
    finish(false); // the window is closing: nothing to tell
}

QProgressDialog *WeekImporting::progressDialog() const
{
    return m_running ? m_running->dialog.get() : nullptr;
}

bool WeekImporting::eventFilter(QObject *watched, QEvent *event)
{
    if (isInput(event->type()) && watched->isWidgetType() &&
        static_cast<QWidget *>(watched)->window() == m_window.main) {
        // An accepted ShortcutOverride keeps a key from being a shortcut; an ignored close
        // keeps the window open.
        event->setAccepted(event->type() != QEvent::Close);
        return true;
    }
    return QObject::eventFilter(watched, event);
}
