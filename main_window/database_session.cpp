#include "database_session.h"

#include "backup_schedule.h"
#include "desktop/process_signals.h"
#include "jet/jet_file.h"
#include "schedule/week_draft.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

DatabaseSession::DatabaseSession(QString databasePath, ComeForward comeForward)
    : m_path(std::move(databasePath)),
      m_comeForward(comeForward ? std::move(comeForward) : &ProcessSignals::askToComeForward)
{}

bool DatabaseSession::fail(const QString &message, bool warning)
{
    m_message = message;
    m_messageIsWarning = warning;
    return false;
}

bool DatabaseSession::CheckDatabaseFile()
{
    const QFileInfo file(m_path);
    if (file.isFile())
        return true;
    const QString shown = QDir::toNativeSeparators(m_path);
    // Only a name that is not there at all is "not found"; a folder, a pipe, a device or a link
    // to nothing under that name is there, and is no database.
    if (!file.exists() && !file.isSymLink())
        return fail(tr("%1 not found.").arg(shown), true);
    return fail(tr("%1 is not a database file.").arg(shown));
}

// One Orvanta per database, settled before the database is read.
bool DatabaseSession::claimDatabase()
{
    const QString shown = QDir::toNativeSeparators(m_path);
    switch (m_instanceLock.lock(m_path)) {
    case InstanceLock::Outcome::Ours:
        return true;
    case InstanceLock::Outcome::HeldHere:
        // Started again, likely while hidden in the tray: that one comes forward, this one
        // ends without a window and without writing anything.
        if (m_comeForward(m_instanceLock.holderPid())) {
            m_cameForward = true;
            return false;
        }
        return fail(tr("%1 is open in another Orvanta that cannot be reached "
                                   "(process %2).")
                        .arg(shown)
                        .arg(m_instanceLock.holderPid()));
    case InstanceLock::Outcome::HeldElsewhere:
        return fail(tr("%1 is open in Orvanta on the computer %2. Close it there "
                                   "first: Orvanta ends here without changing anything.")
                        .arg(shown, m_instanceLock.holderHost()));
    }
    return false;
}

bool DatabaseSession::OpenCalendarDatabase()
{
    return m_connection.open(m_path) || fail(m_connection.lastError() + damageAdvice());
}

bool DatabaseSession::isEarlierProgramFile() const
{
    // Looked at only where SQLite refused the file, so a normal start reads nothing more.
    return m_connection.lastProblem() == CalendarConnection::Problem::NotADatabase &&
           JetFile::isJetOrAceFile(m_path);
}

void DatabaseSession::CloseCalendarDatabase()
{
    if (m_connection.isOpen())
        m_connection.close();
}

QString DatabaseSession::damageAdvice() const
{
    return m_connection.lastProblem() == CalendarConnection::Problem::Damaged ? backupAdvice(m_path)
                                                                              : QString();
}

// A draft left behind by a run that did not end well holds the last typing of its week: it is
// saved as that week's row before anything is shown. Where that fails, the start ends and the
// draft stays for the next one, so that nothing typed now can overwrite it.
bool DatabaseSession::recoverDraft()
{
    const QString path = WeekDraft::pathFor(m_path);
    QString unreadable;
    const std::optional<WeekDraft::Draft> draft = WeekDraft::read(path, &unreadable);
    if (!draft) {
        if (unreadable.isEmpty())
            return true;
        return fail(tr("The draft %1 cannot be read (%2). Move it away to start "
                                   "Orvanta; it may hold typing that was never saved.")
                        .arg(QDir::toNativeSeparators(path), unreadable));
    }
    const QString week = QLocale().toString(draft->firstDay, QLocale::LongFormat);
    if (!m_connection.saveWeekData(draft->firstDay, draft->record)) {
        return fail(tr("The texts of the week of %1, typed before Orvanta last ended "
                                   "without saving them, could not be recovered: %2\n\nThey are "
                                   "kept in %3 for the next start.")
                        .arg(week, m_connection.lastError(), QDir::toNativeSeparators(path)));
    }
    QFile::remove(path);
    m_recoveredWeek = draft->firstDay;
    m_message = tr("Orvanta last ended without saving the week of %1. Its texts as "
                               "last typed have been recovered.")
                    .arg(week);
    return true;
}
