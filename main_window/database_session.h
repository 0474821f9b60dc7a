#pragma once

#include "desktop/instance_lock.h"
#include "schedule/calendar_connection.h"

#include <functional>
#include <QCoreApplication>
#include <QDate>
#include <QString>

// The database's side of the window's life: the check that dbCalendar.mdb is there, the claim
// that makes this Orvanta the only one on it, the connection, and the recovery of a draft that
// a run which died left behind. A step that fails leaves its message in message(), for the
// window to tell before it ends.
class DatabaseSession
{
    Q_DECLARE_TR_FUNCTIONS(DatabaseSession)

public:
    // Asks the Orvanta with the given process id to come forward; false where it cannot.
    using ComeForward = std::function<bool(qint64 pid)>;

    explicit DatabaseSession(QString databasePath, ComeForward comeForward = {});

    const QString &path() const { return m_path; }
    CalendarConnection &connection() { return m_connection; }

    // False without a regular file at the path: "not found" is a warning, anything else an
    // error (messageIsWarning()).
    bool CheckDatabaseFile();
    // False where another Orvanta has the database: cameForward() where it was asked to come
    // forward instead, and no message then.
    bool claimDatabase();
    bool OpenCalendarDatabase();
    // After OpenCalendarDatabase() failed: whether the file is the earlier Windows program's
    // (a Jet or ACE database), which can be converted.
    bool isEarlierProgramFile() const;
    void CloseCalendarDatabase();
    // Saves a draft left behind into its week's row and removes it. False where a draft is
    // there but cannot be read or saved: it stays for the next start. Where one came back,
    // recoveredWeek() is its week and message() says so.
    bool recoverDraft();

    QString message() const { return m_message; }
    bool messageIsWarning() const { return m_messageIsWarning; }
    bool cameForward() const { return m_cameForward; }
    QDate recoveredWeek() const { return m_recoveredWeek; }
    // For a damaged database: where its newest backup is and how to go back to it.
    QString damageAdvice() const;

private:
    bool fail(const QString &message, bool warning = false);

    const QString m_path;
    ComeForward m_comeForward;
    CalendarConnection m_connection;
    InstanceLock m_instanceLock;
    QString m_message;
    bool m_messageIsWarning = false;
    bool m_cameForward = false;
    QDate m_recoveredWeek;
};
