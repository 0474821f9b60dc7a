#pragma once

#include "schedule/daily_backup.h"

#include <atomic>
#include <QDate>
#include <QObject>
#include <QTimer>
#include <thread>

class Clock;

// The day's backup of the database, on a thread of its own, so that neither the window nor the
// typing waits for it: a while after the window first shows, and again each new day that the
// window stays open. A damaged database is reported on the window's thread.
class BackupSchedule : public QObject
{
    Q_OBJECT
public:
    // How often a window left open looks for a new day.
    static constexpr int kCheckInterval = 60 * 60 * 1000; // ms

    BackupSchedule(const Clock *clock, QString databasePath, int checkInterval = kCheckInterval,
                   QObject *parent = nullptr);
    ~BackupSchedule() override; // waits for a copy under way

    // The first backup `delay` ms from now, then a look for a new day every hour; after a stop
    // too.
    void start(int delay);
    // No backup begins from now on (the program is ending).
    void stop();

signals:
    // The database is damaged; `message` says so, and where the copies are.
    void damaged(const QString &message);

private:
    void backUpToday();
    void finished(const DailyBackup::Result &result);

    const Clock *m_clock;
    const QString m_databasePath;
    const int m_checkInterval;
    QTimer m_timer;
    QDate m_day;
    bool m_stopped = false;
    std::atomic<bool> m_running = false;
    std::thread m_thread;
};

// What to tell the user of a damaged database: its newest backup and how to go back to it.
QString backupAdvice(const QString &databasePath);
