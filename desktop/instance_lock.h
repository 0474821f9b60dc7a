#pragma once

#include <memory>
#include <QString>

class QLockFile;

// One Orvanta per database: a lock file that names the process and the computer holding the
// database, taken before the database is read and kept for the run.
//
// The lock lies beside the database file itself, every symbolic link resolved, so that every
// path to one file meets the same lock (a folder or the file reached through a link included).
// Where that folder takes no files (read-only media), it lies in the user's runtime folder,
// named after the file's device and inode. A lock left by a run that died (kill -9, a power cut)
// is taken over: its process is gone, the computer has started again since, or the lock file
// was left empty or garbled. A live holder's lock is never taken over, however old.
class InstanceLock
{
public:
    enum class Outcome {
        Ours,          // the database is this run's
        HeldHere,      // another Orvanta on this computer has it: holderPid()
        HeldElsewhere, // an Orvanta on another computer has it (a shared folder): holderHost()
    };

    InstanceLock();
    ~InstanceLock();
    InstanceLock(const InstanceLock &) = delete;
    InstanceLock &operator=(const InstanceLock &) = delete;

    Outcome lock(const QString &databasePath);
    // Where the lock goes when the database's own folder takes no files: a name that only this
    // file has (its device and inode), whatever path reaches it; empty where there is none.
    static QString runtimeLockPath(const QString &databasePath);
    qint64 holderPid() const { return m_holderPid; }
    QString holderHost() const { return m_holderHost; }

private:
    Outcome tryLockAt(const QString &lockPath, bool *couldNotCreate);

    std::unique_ptr<QLockFile> m_file;
    qint64 m_holderPid = 0;
    QString m_holderHost;
};
