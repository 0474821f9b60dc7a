// Every stored week written to a file: the formats' names, the progress callback's answer, and
// the file on disk before it takes its name. What is written is read back in export_check.py.
#include "export/stored_weeks.h"
#include "export/week_export.h"
#include "open_files.h"
#include "other_connection.h"
#include "schedule/calendar_files.h"
#include "schedule/week_record.h"

#include <cerrno>
#include <dlfcn.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <QRegularExpression>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;
using WeekExport::Format;

namespace {

// What the syncs of regular files did while an export ran.
struct SyncWatch
{
    QByteArray target;  // the export's file name
    bool fail = false;  // every sync fails, as on a failing disk
    struct Sync
    {
        dev_t device;
        ino_t inode;
        bool named; // the file had the target's name already
    };
    QList<Sync> syncs;
};
SyncWatch *g_watch = nullptr;

int watchedSync(int fd, const char *name)
{
    if (g_watch) {
        struct stat file = {}, target = {};
        if (::fstat(fd, &file) == 0 && S_ISREG(file.st_mode)) {
            const bool named = ::stat(g_watch->target.constData(), &target) == 0 &&
                               target.st_dev == file.st_dev && target.st_ino == file.st_ino;
            g_watch->syncs.append({file.st_dev, file.st_ino, named});
        }
        if (g_watch->fail) {
            errno = EIO;
            return -1;
        }
    }
    using Sync = int (*)(int);
    static const auto real = reinterpret_cast<Sync>(::dlsym(RTLD_NEXT, name));
    return real(fd);
}

} // namespace

// These take the place of the C library's syncs in this program, Qt's own calls included.
extern "C" int fsync(int fd)
{
    return watchedSync(fd, "fsync");
}
extern "C" int fdatasync(int fd)
{
    return watchedSync(fd, "fdatasync");
}

class TestWeekExport : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void formatsByName_data();
    void formatsByName();
    void theProgressCallbackDecides_data();
    void theProgressCallbackDecides();
    void theFileIsOnDiskBeforeItTakesItsName_data();
    void theFileIsOnDiskBeforeItTakesItsName();
    void aFileThatCannotTakeItsNameFailsTheExport();
    void theDatabaseIsNeverTheTarget_data();
    void theDatabaseIsNeverTheTarget();
    void storedWeeksReadAgain_data();
    void storedWeeksReadAgain();

private:
    // A store of `weeks` weeks, each with a word on its Sunday, every other keyed "MM/dd/yyyy"
    // where `monthFirst`, and a target that holds "kept".
    void prepare(int weeks, bool monthFirst = false);

    QTemporaryDir m_folder;
    QString m_database, m_target;
};

void TestWeekExport::prepare(int weeks, bool monthFirst)
{
    QVERIFY(m_folder.isValid());
    m_database = databasePath(m_folder.path());
    m_target = m_folder.filePath(u"weeks.md"_s);
    QFile::remove(m_database);
    QFile::remove(m_target); // a link an earlier case left
    QVERIFY(createEmptyCalendarDatabase(m_database));
    OtherConnection other(m_database);
    QVERIFY(other.exec(u"BEGIN"_s));
    for (int week = 0; week < weeks; ++week)
        QVERIFY(other.exec(
            u"INSERT INTO tblCalendar VALUES (?, ?)"_s,
            {QDate(2000, 1, 2)
                 .addDays(7 * week)
                 .toString(monthFirst && week % 2 ? u"MM/dd/yyyy"_s : u"yyyy-MM-dd"_s),
             u"word"_s + WeekDataSeparator.repeated(8)}));
    QVERIFY(other.exec(u"COMMIT"_s));
    QFile target(m_target);
    QVERIFY(target.open(QIODevice::WriteOnly | QIODevice::Truncate));
    target.write("kept");
}

void TestWeekExport::init()
{
    QTest::failOnWarning(QRegularExpression(u".+"_s)); // e.g. a connection removed while in use
}

void TestWeekExport::formatsByName_data()
{
    // By a file's extension, and by a name on the command line; -1: none.
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("byFile");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("byName");
    const int md = int(Format::Markdown), ics = int(Format::ICalendar);
    QTest::newRow("md") << u"weeks.md"_s << md << u"md"_s << md;
    QTest::newRow("markdown") << u"weeks.markdown"_s << md << u"markdown"_s << md;
    QTest::newRow("ics") << u"weeks.ics"_s << ics << u"ics"_s << ics;
    QTest::newRow("icalendar") << u"weeks.icalendar"_s << ics << u"icalendar"_s << ics;
    QTest::newRow("capitals") << u"WEEKS.ICS"_s << ics << u"Markdown"_s << md;
    QTest::newRow("another") << u"weeks.txt"_s << -1 << u"txt"_s << -1;
    QTest::newRow("none") << u"md"_s << -1 << u""_s << -1;
}

void TestWeekExport::formatsByName()
{
    QFETCH(QString, fileName);
    QFETCH(int, byFile);
    QFETCH(QString, name);
    QFETCH(int, byName);
    const auto id = [](std::optional<Format> format) { return format ? int(*format) : -1; };
    QCOMPARE(id(WeekExport::formatOfFile(fileName)), byFile);
    QCOMPARE(id(WeekExport::formatNamed(name)), byName);
    if (byName >= 0) // the extension a save dialog offers names the format
        QCOMPARE(id(WeekExport::formatNamed(WeekExport::extensionOf(Format(byName)))), byName);
}

void TestWeekExport::theProgressCallbackDecides_data()
{
    // Told every 256 weeks; "stop at" is the call that answers false (0: none does).
    QTest::addColumn<int>("weeks");
    QTest::addColumn<int>("stopAt");
    QTest::addColumn<QList<qsizetype>>("told"); // the weeks written at each call
    QTest::newRow("300 weeks") << 300 << 0 << QList<qsizetype>{0, 256, 300};
    QTest::newRow("600 weeks") << 600 << 0 << QList<qsizetype>{0, 256, 512, 600};
    QTest::newRow("300 weeks, stopped at the start") << 300 << 1 << QList<qsizetype>{0};
    QTest::newRow("300 weeks, stopped after the first call") << 300 << 2
                                                             << QList<qsizetype>{0, 256};
    QTest::newRow("600 weeks, stopped after the first call") << 600 << 2
                                                             << QList<qsizetype>{0, 256};
}

void TestWeekExport::theProgressCallbackDecides()
{
    QFETCH(int, weeks);
    QFETCH(int, stopAt);
    QFETCH(QList<qsizetype>, told);
    prepare(weeks);
    QList<qsizetype> calls;
    bool totalsRight = true;
    const WeekExport::Result result = WeekExport::exportWeeks(
        m_database, m_target, Format::Markdown, QDateTime(QDate(2026, 1, 1), QTime(9, 0)),
        [&](qsizetype written, qsizetype total) {
            totalsRight = totalsRight && total == weeks;
            calls.append(written);
            return calls.size() != stopAt;
        });
    QCOMPARE(calls, told);
    QVERIFY(totalsRight);
    QCOMPARE(openDatabaseFiles(), QStringList()); // the database let go
    QFile target(m_target);
    QVERIFY(target.open(QIODevice::ReadOnly));
    const QByteArray written = target.readAll();
    if (stopAt) {
        QVERIFY(!result.ok);
        QVERIFY(result.cancelled);
        QCOMPARE(written, "kept"_ba);
    } else {
        QVERIFY2(result.ok, qPrintable(result.error));
        QVERIFY(!result.cancelled);
        QCOMPARE(result.weeks, weeks);
        QCOMPARE(written.count("# Week of "), weeks);
        QVERIFY(written.endsWith(QDate(2000, 1, 2).addDays(7 * (weeks - 1)).toString(Qt::ISODate)
                                     .toUtf8() +
                                 "\n\nword\n\n"));
    }
    QCOMPARE(QDir(m_folder.path()).entryList(QDir::Files | QDir::Hidden),
             (QStringList{QFileInfo(m_database).fileName(), u"weeks.md"_s})); // nothing else
}

void TestWeekExport::theFileIsOnDiskBeforeItTakesItsName_data()
{
    QTest::addColumn<QString>("disk");
    QTest::newRow("the disk syncs") << u"syncs"_s;
    QTest::newRow("the disk fails to sync") << u"fails to sync"_s;
    QTest::newRow("the disk is full") << u"full"_s;
}

void TestWeekExport::theFileIsOnDiskBeforeItTakesItsName()
{
    // A crash or a power cut just after the export leaves the old file or the whole new one; a
    // disk that cannot sync or holds no more is a failed export, the old file kept.
    QFETCH(QString, disk);
    const int weeks = 300; // more than the file may hold where the disk is "full"
    prepare(weeks);
    SyncWatch watch{QFile::encodeName(m_target), disk == u"fails to sync", {}};
    rlimit fileSize = {};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &fileSize), 0);
    const rlimit full = {4096, fileSize.rlim_max};
    const auto ignored = std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead
    g_watch = &watch;
    if (disk == u"full")
        ::setrlimit(RLIMIT_FSIZE, &full);
    const WeekExport::Result result = WeekExport::exportWeeks(
        m_database, m_target, Format::Markdown, QDateTime(QDate(2026, 1, 1), QTime(9, 0)));
    ::setrlimit(RLIMIT_FSIZE, &fileSize);
    g_watch = nullptr;
    std::signal(SIGXFSZ, ignored);
    QFile target(m_target);
    QVERIFY(target.open(QIODevice::ReadOnly));
    if (disk != u"syncs") {
        QVERIFY(!result.ok);
        QVERIFY2(result.error.contains(u"weeks.md cannot be written"_s), qPrintable(result.error));
        QCOMPARE(target.readAll(), "kept"_ba);
        QCOMPARE(QDir(m_folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
        return;
    }
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(target.readAll().count("# Week of "), weeks);
    struct stat placed = {};
    QCOMPARE(::fstat(target.handle(), &placed), 0);
    const bool syncedBefore =
        std::any_of(watch.syncs.cbegin(), watch.syncs.cend(), [&](const SyncWatch::Sync &s) {
            return s.device == placed.st_dev && s.inode == placed.st_ino && !s.named;
        });
    QVERIFY(syncedBefore);
}

void TestWeekExport::aFileThatCannotTakeItsNameFailsTheExport()
{
    // Written and synced, but a folder has taken its name meanwhile: no success to report.
    prepare(3);
    bool taken = false;
    const WeekExport::Result result = WeekExport::exportWeeks(
        m_database, m_target, Format::Markdown, QDateTime(QDate(2026, 1, 1), QTime(9, 0)),
        [&](qsizetype, qsizetype) {
            if (!taken)
                taken = QFile::remove(m_target) && QDir().mkdir(m_target);
            return true;
        });
    QVERIFY(taken);
    QVERIFY(!result.ok);
    QVERIFY2(result.error.contains(u"weeks.md cannot be written"_s), qPrintable(result.error));
    QVERIFY(QDir().rmdir(m_target));
}

void TestWeekExport::theDatabaseIsNeverTheTarget_data()
{
    // As `orvanta-cli export --format md dbCalendar.mdb` would ask.
    QTest::addColumn<QString>("how");
    QTest::newRow("its own name") << u"name"_s;
    QTest::newRow("a symbolic link to it") << u"symbolic"_s;
}

void TestWeekExport::theDatabaseIsNeverTheTarget()
{
    QFETCH(QString, how);
    prepare(2);
    QVERIFY(QFile::remove(m_target));
    QString target = m_database;
    if (how == u"symbolic") // which the file written follows
        QVERIFY(QFile::link(m_database, target = m_target));
    const WeekExport::Result result = WeekExport::exportWeeks(
        m_database, target, Format::Markdown, QDateTime(QDate(2026, 1, 1), QTime(9, 0)));
    QVERIFY(!result.ok);
    QVERIFY2(result.error.contains(u"is the calendar database"_s), qPrintable(result.error));
    QCOMPARE(OtherConnection(m_database).rows().size(), 2);
}

void TestWeekExport::storedWeeksReadAgain_data()
{
    QTest::addColumn<bool>("monthFirst");
    QTest::newRow("read in the keys' order") << false;
    QTest::newRow("some keys MM/dd/yyyy, sorted") << true;
}

void TestWeekExport::storedWeeksReadAgain()
{
    // One reader opened again, after a file it could not read and after reading to the end.
    QFETCH(bool, monthFirst);
    prepare(3, monthFirst);
    {
        StoredWeeks weeks;
        QVERIFY(!weeks.open(m_folder.filePath(u"none.mdb"_s)));
        QVERIFY(!weeks.error().isEmpty());
        for (int round = 0; round < 2; ++round) {
            QVERIFY(weeks.open(m_database));
            QList<QDate> read;
            QDate weekStart;
            StoredWeeks::Texts texts;
            while (weeks.next(weekStart, texts))
                read.append(weekStart);
            QCOMPARE(read,
                     (QList<QDate>{QDate(2000, 1, 2), QDate(2000, 1, 9), QDate(2000, 1, 16)}));
            QVERIFY(weeks.error().isEmpty());
        }
    }
    QCOMPARE(openDatabaseFiles(), QStringList()); // every connection it made let go
}

QTEST_GUILESS_MAIN(TestWeekExport)
#include "tst_week_export.moc"
