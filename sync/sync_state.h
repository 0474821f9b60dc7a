#pragma once

#include "schedule/sqlite_database.h"

#include <optional>
#include <QByteArray>
#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QUrl>

// Where this computer's weeks and one CalDAV calendar stand with each other.
struct SyncAccount
{
    QUrl server;   // what the user gave: a server's root or a calendar's address
    QString user;
    QUrl calendar; // the journal calendar found or made there
    // The SHA-256 fingerprint (hex, lower case) of a certificate the user chose to trust though
    // it does not verify; empty where none is.
    QByteArray pinnedCertificate;
    bool plainHttpConfirmed = false; // plain HTTP to another computer, as the user allowed
    bool isSet() const { return calendar.isValid() && !calendar.isEmpty(); }
};

// A resource of the calendar as the last sync left it.
struct KnownEntry
{
    enum class Kind { Own, Adopted, Other };
    QString href;    // its path on the server
    QByteArray etag; // as the server last gave it; empty where it gave none
    // Own: one of this program's boxes, `day` its week's Sunday and `box` 0-7.
    // Adopted: another program's journal entry whose text is in the box of `day`; it is
    // deleted from the server once the box's own entry holds the text there.
    // Other: anything else (an event, a task...), never touched.
    Kind kind = Kind::Other;
    QDate day;
    int box = -1;
    QString base; // Own: the text both sides had at the last sync; Adopted: the text taken
};

struct HistoryItem
{
    QDate day;
    int box = -1;
    QDateTime at;
    QString why; // in English: the sync's own words, translated when shown (context SyncEngine)
    QString before;
};

// The sync's bookkeeping, in an SQLite file of its own beside the database (the week table
// stays as it is): the account (never the password), the server's sync token, every known
// resource with its base text and ETag, and the texts a sync replaced. Each change is written
// as soon as the server has taken it, so that a sync cut short anywhere goes on from there.
class SyncState
{
    Q_DECLARE_TR_FUNCTIONS(SyncState)

public:
    // The state file of `databasePath`: dbCalendar.mdb's is dbCalendar.sync beside it.
    static QString pathFor(const QString &databasePath);

    // Opens the file, creating it and its tables where there are none.
    bool open(const QString &path);
    QString error() const { return m_error; }

    SyncAccount account() const;
    bool setAccount(const SyncAccount &account);

    // The token of the last complete sync-collection answer; empty for none.
    QString token() const { return value("token"); }
    bool setToken(const QString &token) { return setValue("token", token); }

    // Whether a sync began changing things and did not end: its entries may be newer than the
    // token, and a server may never tell of one made and deleted after the token (Xandikos
    // does not), so the next sync compares everything.
    bool unsettled() const { return value("unsettled") == QLatin1String("yes"); }
    bool setUnsettled(bool unsettled)
    {
        return setValue("unsettled", unsettled ? QStringLiteral("yes") : QString());
    }

    // When the last sync ended without an error; invalid where none did.
    QDateTime lastSync() const;
    bool setLastSync(const QDateTime &when);
    // The days the last sync found changed on both sides.
    QList<QDate> conflictDays() const;
    bool setConflictDays(const QList<QDate> &days);
    // When the oldest change still waiting for the server was first seen waiting; invalid
    // where nothing waits.
    QDateTime waitingSince() const;
    bool setWaitingSince(const QDateTime &when);

    // How many days (a week's notes count as one) held changes that had not reached the
    // server when the last sync ended; 0 after a complete one.
    int waitingDays() const { return value("waitingDays").toInt(); }
    bool setWaitingDays(int days) { return setValue("waitingDays", QString::number(days)); }

    // Every known resource, by href.
    QHash<QString, KnownEntry> entries() const;
    bool putEntry(const KnownEntry &entry);
    bool removeEntry(const QString &href);
    // Forgets every resource and the token: for another calendar.
    bool forgetEntries();

    bool addHistory(const HistoryItem &item);
    QList<HistoryItem> history(QDate day) const;

    // Several changes at once, all or none.
    bool begin();
    bool commit();
    // Undoes the changes since begin(), where one is open: after a failure part way.
    void abandon();

private:
    QString value(const char *key) const;
    bool setValue(const char *key, const QString &value);
    bool fail(const QString &doing);

    Sqlite::Database m_db;
    QString m_error;
};
