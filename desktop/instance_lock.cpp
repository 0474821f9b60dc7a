#include "instance_lock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QSysInfo>
#include <sys/stat.h>

namespace {

// Where the lock goes when the database's own folder takes no files: a name that only this file
// has, whatever path reaches it.
QString runtimeLockPath(const QString &databasePath)
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

} // namespace

InstanceLock::InstanceLock() = default;
InstanceLock::~InstanceLock() = default;

InstanceLock::Outcome InstanceLock::lock(const QString &databasePath)
{
    bool couldNotCreate = false;
    const Outcome beside = tryLockAt(databasePath + QStringLiteral(".lock"), &couldNotCreate);
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
    if (file->tryLock(0)) {
        m_file = std::move(file);
        return Outcome::Ours;
    }
    if (file->error() != QLockFile::LockFailedError) {
        *couldNotCreate = true;
        return Outcome::Ours;
    }
    QString application;
    file->getLockInfo(&m_holderPid, &m_holderHost, &application);
    return m_holderHost.isEmpty() || m_holderHost == QSysInfo::machineHostName()
               ? Outcome::HeldHere
               : Outcome::HeldElsewhere;
}
