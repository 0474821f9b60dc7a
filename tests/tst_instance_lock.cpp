// One Orvanta per database: which lock files are another run's and which are left over.
#include "desktop/instance_lock.h"
#include "desktop/process_signals.h"

#include <csignal>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <sys/mount.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

class TestInstanceLock : public QObject
{
    Q_OBJECT
private slots:
    void aLiveLockHoldsAndALeftOverOneIsTakenOver_data();
    void aLiveLockHoldsAndALeftOverOneIsTakenOver();
    void aSecondLockNamesOnlyItsOwnHolder();
    void runtimeLockNamesTheFileNotItsMedium();
    void aFolderThatTakesNoLock_data();
    void aFolderThatTakesNoLock();
    void noComeForwardSignalWithoutAProcess_data();
    void noComeForwardSignalWithoutAProcess();
    void aBurstOfSignalsNeverBlocksTheProgram();
};

void TestInstanceLock::aLiveLockHoldsAndALeftOverOneIsTakenOver_data()
{
    QTest::addColumn<QString>("holder");
    QTest::addColumn<QByteArray>("leftOver"); // a lock file's content, where no run holds it
    QTest::addColumn<InstanceLock::Outcome>("outcome");
    using enum InstanceLock::Outcome;
    QTest::newRow("a live run, started an hour ago") << u"live, old"_s << QByteArray() << HeldHere;
    QTest::newRow("a live run, reached through a link to the file in another folder")
        << u"live, linked file"_s << QByteArray() << HeldHere;
    QTest::newRow("an empty file (a power cut before the first write)")
        << QString() << ""_ba << Ours;
    QTest::newRow("garbled") << QString() << "\x01\x02zz\n"_ba << Ours;
    QTest::newRow("naming process 0") << QString() << "0\norvanta\nthis-computer\n"_ba << Ours;
    QTest::newRow("naming no process") << QString() << "\norvanta\nthis-computer\n"_ba << Ours;
    // A shared folder: whether that run still lives cannot be told from here, however old.
    QTest::newRow("another computer's, an hour old")
        << QString() << "4242\norvanta\nanother-computer\n"_ba << HeldElsewhere;
    // Its holder has just made it and not yet written it: held, by no process to name.
    QTest::newRow("a live run's, not yet written")
        << u"live, garbled"_s << QByteArray() << HeldHere;
}

void TestInstanceLock::aLiveLockHoldsAndALeftOverOneIsTakenOver()
{
    QFETCH(QString, holder);
    QFETCH(QByteArray, leftOver);
    QFETCH(InstanceLock::Outcome, outcome);
    QTemporaryDir folder;
    const QString database = folder.filePath(u"dbCalendar.mdb"_s);
    QFile(database).open(QIODevice::WriteOnly);
    QString reachedAs = database;

    InstanceLock first;
    if (holder.isEmpty()) {
        QFile lock(database + u".lock"_s);
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(leftOver);
        QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                 QFileDevice::FileModificationTime));
    } else {
        QCOMPARE(first.lock(database), InstanceLock::Outcome::Ours);
        // Qt's own rule would call a lock stale after 30 s, whoever holds it.
        QFile lock(database + u".lock"_s);
        QVERIFY(lock.open(QIODevice::ReadWrite));
        QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                 QFileDevice::FileModificationTime));
        if (holder.contains(u"garbled")) {
            QVERIFY(lock.resize(0));
            lock.write("\x01\x02");
        }
        if (holder.contains(u"linked")) {
            QTemporaryDir elsewhere;
            reachedAs = elsewhere.filePath(u"dbCalendar.mdb"_s);
            QVERIFY(QFile::link(database, reachedAs));
            InstanceLock second;
            QCOMPARE(second.lock(reachedAs), outcome);
            QCOMPARE(second.holderPid(), QCoreApplication::applicationPid());
            return;
        }
    }
    InstanceLock second;
    QCOMPARE(second.lock(reachedAs), outcome);
    if (outcome == InstanceLock::Outcome::HeldHere)
        QCOMPARE(second.holderPid(),
                 holder.contains(u"garbled") ? 0 : QCoreApplication::applicationPid());
    if (outcome == InstanceLock::Outcome::HeldElsewhere)
        QCOMPARE(second.holderHost(), u"another-computer"_s);
}

void TestInstanceLock::aSecondLockNamesOnlyItsOwnHolder()
{
    // Asked again, the lock names the holder it found this time, never the last one: a
    // process number from another computer is no process here to signal.
    QTemporaryDir folder;
    const QString shared = folder.filePath(u"shared.mdb"_s),
                  local = folder.filePath(u"local.mdb"_s);
    QFile(shared).open(QIODevice::WriteOnly);
    QFile(local).open(QIODevice::WriteOnly);
    {
        QFile lock(shared + u".lock"_s);
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write("4242\norvanta\nanother-computer\n");
    }
    InstanceLock holder;
    QCOMPARE(holder.lock(local), InstanceLock::Outcome::Ours);
    {
        QFile lock(local + u".lock"_s);
        QVERIFY(lock.open(QIODevice::ReadWrite));
        QVERIFY(lock.resize(0)); // still held, not yet written
    }
    InstanceLock asked;
    QCOMPARE(asked.lock(shared), InstanceLock::Outcome::HeldElsewhere);
    QCOMPARE(asked.holderPid(), 4242);
    QCOMPARE(asked.lock(local), InstanceLock::Outcome::HeldHere);
    QCOMPARE(asked.holderPid(), 0);
}

void TestInstanceLock::runtimeLockNamesTheFileNotItsMedium()
{
    QTemporaryDir folder;
    const QString one = folder.filePath(u"one.mdb"_s), other = folder.filePath(u"other.mdb"_s);
    QFile(one).open(QIODevice::WriteOnly);
    QFile(other).open(QIODevice::WriteOnly);
    QVERIFY(QFile::link(one, folder.filePath(u"link.mdb"_s)));
    const QString path = InstanceLock::runtimeLockPath(one);
    QVERIFY(!path.isEmpty());
    QVERIFY(path != InstanceLock::runtimeLockPath(other)); // two files on one medium
    QCOMPARE(InstanceLock::runtimeLockPath(folder.filePath(u"link.mdb"_s)), path);
}

void TestInstanceLock::aFolderThatTakesNoLock_data()
{
    // The database's folder is read-only media; the user's runtime folder is...
    QTest::addColumn<QString>("runtime"); // "usable", "read-only" or "none"
    QTest::addColumn<bool>("secondRunHeld");
    QTest::newRow("usable: the lock lies there") << u"usable"_s << true;
    QTest::newRow("read-only too: the run goes on, unlocked") << u"read-only"_s << false;
    QTest::newRow("not there, nor can it be made: the run goes on, unlocked") << u"none"_s << false;
}

void TestInstanceLock::aFolderThatTakesNoLock()
{
    QFETCH(QString, runtime);
    QFETCH(bool, secondRunHeld);
    QTemporaryDir folder;
    const QByteArray target = QFile::encodeName(folder.path());
    // A small file system of its own, read-only once the database is on it, with the
    // permissions a runtime folder must have.
    if (::mount("tmpfs", target.constData(), "tmpfs", 0, "size=64k,mode=0700") != 0)
        QSKIP("mounting a tmpfs needs root");
    const auto unmount = qScopeGuard([&] { ::umount2(target.constData(), MNT_DETACH); });
    const QString database = folder.filePath(u"dbCalendar.mdb"_s);
    QVERIFY(QFile(database).open(QIODevice::WriteOnly));
    QCOMPARE(::mount("tmpfs", target.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr), 0);

    const QByteArray runtimeBefore = qgetenv("XDG_RUNTIME_DIR"), tmpBefore = qgetenv("TMPDIR");
    const auto restore = qScopeGuard([&] {
        qputenv("XDG_RUNTIME_DIR", runtimeBefore);
        qputenv("TMPDIR", tmpBefore);
    });
    if (runtime == u"read-only") {
        qputenv("XDG_RUNTIME_DIR", target);
    } else if (runtime == u"none") {
        // Qt's stand-in for a missing runtime folder is made in the temporary folder.
        qunsetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", target);
    }
    QCOMPARE(InstanceLock::runtimeLockPath(database).isEmpty(), runtime == u"none");

    InstanceLock first;
    QCOMPARE(first.lock(database), InstanceLock::Outcome::Ours);
    InstanceLock second;
    QCOMPARE(second.lock(database),
             secondRunHeld ? InstanceLock::Outcome::HeldHere : InstanceLock::Outcome::Ours);
    if (secondRunHeld)
        QCOMPARE(second.holderPid(), QCoreApplication::applicationPid());
}

void TestInstanceLock::noComeForwardSignalWithoutAProcess_data()
{
    QTest::addColumn<qint64>("pid");
    QTest::newRow("0, which would signal our own process group") << qint64(0);
    QTest::newRow("-1, which would signal every process") << qint64(-1);
}

void TestInstanceLock::noComeForwardSignalWithoutAProcess()
{
    QFETCH(qint64, pid);
    // Were a signal sent, its default action would end this test program.
    QVERIFY(!ProcessSignals::askToComeForward(pid));
}

void TestInstanceLock::aBurstOfSignalsNeverBlocksTheProgram()
{
    // While the window is busy nobody reads the signal socket: once it is full, a handler
    // that waited on it would hang the program for good. An alarm ends the test instead.
    ProcessSignals processSignals;
    ::alarm(20);
    for (int i = 0; i < 5000; ++i)
        ::raise(SIGHUP);
    ::alarm(0);
    QSignalSpy terminations(&processSignals, &ProcessSignals::terminationRequested);
    QTRY_VERIFY(!terminations.isEmpty());
}

QTEST_GUILESS_MAIN(TestInstanceLock)
#include "tst_instance_lock.moc"
