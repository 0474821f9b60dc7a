#pragma once

#include <atomic>
#include <functional>
#include <QByteArray>
#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QMetaType>
#include <QString>

// What one sync came to.
struct SyncOutcome
{
    enum class Result { Synced, SyncedWithConflicts, Failed };
    Result result = Result::Failed;
    QString message;          // what went wrong, for a person; empty where nothing did
    QList<QDate> conflictDays; // days changed on both sides, whose boxes now hold both texts
    QList<QDate> changedDays;  // days (a week's notes by its Sunday) whose text the sync changed
    int sent = 0;              // entries written to the server
    int received = 0;          // boxes whose text came from the server
    int removed = 0;           // entries deleted from the server
    int requests = 0;          // HTTP requests made
    int waitingDays = 0;       // days whose changes have not reached the server
    bool passwordRefused = false;         // a 401: ask for the password, do not retry
    bool stopped = false;                 // stopped by the caller (the window closing)
    QByteArray untrustedCertificate;      // SHA-256 of a certificate to show the user
};

// One two-way sync of a database's weeks with the account's calendar, on the calling thread
// (which it blocks: the window runs it on a thread of its own). Each box with text is one
// VJOURNAL; both sides' changes since the last sync are merged box by box, every upload is
// conditional, and the state is written after each step the server has taken, so a sync cut
// short anywhere loses nothing and the next one neither duplicates nor deletes.
Q_DECLARE_METATYPE(SyncOutcome)

namespace SyncEngine {

struct Setup
{
    QString databasePath;
    QString password;
    std::function<QDateTime()> clock = [] { return QDateTime::currentDateTimeUtc(); };
    int timeoutMs = 30000;
    int connections = 4;
    const std::atomic<bool> *stop = nullptr; // set from another thread to stop soon
    // Called once the weeks are read, before anything is written: where a test saves a box as
    // the window would while a sync runs.
    std::function<void()> afterReading = {};
};

SyncOutcome run(const Setup &setup);

} // namespace SyncEngine
