#include "week_exporting.h"

#include "desktop/alerts.h"
#include "desktop/clock.h"
#include "thread_run.h"
#include "translations/app_language.h"

#include <algorithm>
#include <atomic>
#include <climits>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QLocale>
#include <QProgressDialog>
#include <QStandardPaths>

namespace {

const QString kMarkdownFilter = QStringLiteral("Markdown (*.md)");
const QString kICalendarFilter = QStringLiteral("iCalendar (*.ics)");

QString askForFile(QWidget *parent)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString filter = kMarkdownFilter;
    QString file = QFileDialog::getSaveFileName(
        parent, QCoreApplication::translate("WeekExporting", "Export All Weeks"),
        QDir(folder).filePath(QCoreApplication::translate("WeekExporting", "Orvanta weeks.md")),
        kMarkdownFilter + QStringLiteral(";;") + kICalendarFilter, &filter);
    // A name without the format's extension gets the one of the chosen file type.
    if (!file.isEmpty() && !WeekExport::formatOfFile(file))
        file += u'.' + WeekExport::extensionOf(filter == kICalendarFilter
                                                   ? WeekExport::Format::ICalendar
                                                   : WeekExport::Format::Markdown);
    return file;
}

} // namespace

// One export under way: its thread, its progress as the thread tells it, and its dialog.
struct WeekExporting::Run : ThreadRun
{
    std::atomic<qsizetype> written = 0;
    std::atomic<qsizetype> total = 0;
    WeekExport::Result result;
};

WeekExporting::WeekExporting(Window window, QObject *parent)
    : QObject(parent), m_window(std::move(window)), m_choose(askForFile)
{}

WeekExporting::~WeekExporting()
{
    if (m_running)
        m_running->cancelAndWait();
}

void WeekExporting::exportAll()
{
    if (m_running)
        return;
    const QString target = m_choose(m_window.main);
    if (target.isEmpty())
        return;
    const std::optional<WeekExport::Format> format = WeekExport::formatOfFile(target);
    if (!format) {
        m_window.alerts->warning(
            tr("%1 names no format Orvanta writes: name it .md for Markdown or .ics "
                           "for iCalendar.")
                .arg(QDir::toNativeSeparators(target)));
        return;
    }
    // The week on screen goes out as it is on screen.
    if (!m_window.saveShownWeek())
        return;

    m_running = std::make_unique<Run>();
    Run *run = m_running.get();
    const QDateTime stamp = m_window.clock->now();
    run->thread = QThread::create([run, database = m_window.databasePath, target, format, stamp] {
        run->result = WeekExport::exportWeeks(database, target, *format, stamp,
                                              [run](qsizetype written, qsizetype total) {
                                                  run->written = written;
                                                  run->total = total;
                                                  return !run->cancelled;
                                              });
    });
    run->openDialog(tr("Exporting all weeks…"), m_window.main);
    connect(&run->poll, &QTimer::timeout, this, [run] {
        run->dialog->setMaximum(int(std::min<qsizetype>(run->total, INT_MAX)));
        run->dialog->setValue(int(std::min<qsizetype>(run->written, INT_MAX)));
    });
    connect(run->thread, &QThread::finished, this, [this, target] {
        const WeekExport::Result result = m_running->result;
        m_running->thread->deleteLater();
        m_running.reset();
        report(target, result);
        emit finished(result);
    });
    emit started();
    run->start();
}

QProgressDialog *WeekExporting::progressDialog() const
{
    return m_running ? m_running->dialog.get() : nullptr;
}

void WeekExporting::report(const QString &target, const WeekExport::Result &result)
{
    const QString file = QDir::toNativeSeparators(target);
    if (result.cancelled)
        return; // the user knows; the file is as it was
    if (!result.ok) {
        m_window.alerts->error(tr("The weeks were not exported. %1").arg(result.error));
        return;
    }
    const int weeks = AppLanguage::pluralCount(result.weeks); // a local: lupdate reads no call here
    m_window.alerts->information(tr("%Ln week(s) were exported to %1.", nullptr, weeks).arg(file));
}
