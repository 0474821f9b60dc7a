#include "backup_schedule.h"

#include "desktop/clock.h"

#include <cstdio>
#include <QCoreApplication>
#include <QDir>

BackupSchedule::BackupSchedule(const Clock *clock, QString databasePath, int checkInterval,
                               QObject *parent)
    : QObject(parent), m_clock(clock), m_databasePath(std::move(databasePath)),
      m_checkInterval(checkInterval)
{
    connect(&m_timer, &QTimer::timeout, this, &BackupSchedule::backUpToday);
}

BackupSchedule::~BackupSchedule()
{
    if (m_thread.joinable())
        m_thread.join();
}

void BackupSchedule::start(int delay)
{
    m_stopped = false;
    QTimer::singleShot(delay, this, &BackupSchedule::backUpToday);
    m_timer.start(m_checkInterval);
}

void BackupSchedule::stop()
{
    m_stopped = true;
    m_timer.stop();
}

void BackupSchedule::backUpToday()
{
    const QDate today = m_clock->now().date();
    if (m_stopped || today == m_day || m_running)
        return;
    m_day = today;
    m_running = true;
    if (m_thread.joinable())
        m_thread.join();
    m_thread = std::thread([this, today] {
        const DailyBackup::Result result = DailyBackup::run(m_databasePath, today);
        QMetaObject::invokeMethod(
            this, [this, result] { finished(result); }, Qt::QueuedConnection);
        m_running = false;
    });
}

void BackupSchedule::finished(const DailyBackup::Result &result)
{
    if (result.kind == DailyBackup::Result::Failed)
        std::fprintf(stderr, "Orvanta: no backup today: %s\n", qPrintable(result.detail));
    if (result.kind != DailyBackup::Result::Damaged || m_stopped)
        return;
    const QString path = QDir::toNativeSeparators(m_databasePath);
    emit damaged(tr("%1 is damaged (%2). No copy was made of it today, so the copies "
                                "in %3 are all from before.")
                     .arg(path, result.detail,
                          QDir::toNativeSeparators(DailyBackup::folderFor(m_databasePath))) +
                 backupAdvice(m_databasePath));
}

QString backupAdvice(const QString &databasePath)
{
    const QString newest = DailyBackup::newest(databasePath);
    if (newest.isEmpty())
        return QCoreApplication::translate("BackupSchedule", " There is no backup of it yet.");
    return QCoreApplication::translate("BackupSchedule", " The newest backup is %1: to go back to it, close Orvanta and copy it "
                          "over %2.")
        .arg(QDir::toNativeSeparators(newest), QDir::toNativeSeparators(databasePath));
}
