#include "instance_lock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QSysInfo>
#include <sys/stat.h>

QString InstanceLock::runtimeLockPath(const QString &databasePath)
{
    struct stat status = {};
    if (::stat(QFile::encodeName(databasePath).constData(), &status) != 0)
        return {};
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        return {};
    return QDir(folder).filePath(QStringLiteral("orvanta-%1-%2.lock")
                                     .arg(quint64(status.st_dev))
                                     .arg(quint64(status.st_ino)));
}

InstanceLock::InstanceLock() = default;
InstanceLock::~InstanceLock() = default;

InstanceLock::Outcome InstanceLock::lock(const QString &databasePath)
{
    // Beside the file itself, every link resolved: a link to the database in another folder
    // meets the same lock.
    const QString file = QFileInfo(databasePath).canonicalFilePath();
    bool couldNotCreate = false;
    const Outcome beside = tryLockAt(
        (file.isEmpty() ? databasePath : file) + QStringLiteral(".lock"), &couldNotCreate);
    if (!couldNotCreate)
        return beside;
    const QString elsewhere = runtimeLockPath(databasePath);
    if (elsewhere.isEmpty())
        return Outcome::Ours; // no lock anywhere: better the user's start than none
    const Outcome runtime = tryLockAt(elsewhere, &couldNotCreate);
    return couldNotCreate ? Outcome::Ours : runtime;
}

InstanceLock::Outcome InstanceLock::tryLockAt(const QString &lockPath, bool *couldNotCreate)
{
    *couldNotCreate = false;
    auto file = std::make_unique<QLockFile>(lockPath);
    // Only a dead holder makes a lock stale, never its age: a database stays open for weeks.
    file->setStaleLockTime(0);
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (file->tryLock(0)) {
            m_file = std::move(file);
            return Outcome::Ours;
        }
        if (file->error() != QLockFile::LockFailedError) {
            *couldNotCreate = true;
            return Outcome::Ours;
        }
        QString application;
        m_holderPid = 0;
        m_holderHost.clear();
        if (file->getLockInfo(&m_holderPid, &m_holderHost, &application) && m_holderPid > 0)
            return m_holderHost.isEmpty() || m_holderHost == QSysInfo::machineHostName()
                       ? Outcome::HeldHere
                       : Outcome::HeldElsewhere;
        // Empty or garbled: what a power cut between the lock's creation and its first write
        // leaves. Its holder died, unless one still holds the file's own lock (taken right
        // after the creation): only then does the removal fail.
        if (!file->removeStaleLockFile())
            break;
    }
    return Outcome::HeldHere;
}
