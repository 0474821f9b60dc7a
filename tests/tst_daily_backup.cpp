// The daily copy of the database: one a day while something changes, the last seven kept, each
// a whole database with the same weeks, and never one made from a damaged file.
#include "open_files.h"
#include "other_connection.h"
#include "schedule/calendar_files.h"
#include "schedule/daily_backup.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestDailyBackup : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void aCopyADayWhileSomethingChanges();
    void aChangeInTheCopysOwnTick_data();
    void aChangeInTheCopysOwnTick();
    void neverFromADamagedFile();

private:
    void addWeek(int i);
    QStringList copies() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
};

void TestDailyBackup::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_path = databasePath(m_dir->path());
    QVERIFY(createEmptyCalendarDatabase(m_path));
}

void TestDailyBackup::addWeek(int i)
{
    OtherConnection(m_path).exec(
        u"INSERT INTO tblCalendar VALUES (?, ?)"_s,
        {QDate(2026, 1, 4).addDays(7 * i).toString(Qt::ISODate), u"week %1"_s.arg(i)});
}

QStringList TestDailyBackup::copies() const
{
    return QDir(DailyBackup::folderFor(m_path)).entryList(QDir::Files, QDir::Name);
}

void TestDailyBackup::aCopyADayWhileSomethingChanges()
{
    const QDate monday(2026, 12, 7);
    addWeek(0);
    // A copy that a crash cut short is no obstacle.
    QVERIFY(QDir().mkpath(DailyBackup::folderFor(m_path)));
    QFile part(QDir(DailyBackup::folderFor(m_path)).filePath(u"dbCalendar 2026-12-07.mdb.part"_s));
    QVERIFY(part.open(QIODevice::WriteOnly));
    part.write("half a copy");
    part.close();
    const DailyBackup::Result first = DailyBackup::run(m_path, monday);
    QVERIFY2(first.kind == DailyBackup::Result::Made, qPrintable(first.detail));
    QVERIFY(!part.exists());
    addWeek(1);
    QCOMPARE(DailyBackup::run(m_path, monday).kind, DailyBackup::Result::NotNeeded); // one a day
    QCOMPARE(DailyBackup::run(m_path, monday.addDays(1)).kind, DailyBackup::Result::Made);
    QCOMPARE(DailyBackup::run(m_path, monday.addDays(2)).kind,
             DailyBackup::Result::NotNeeded); // nothing changed since

    // The copy is a database of its own with the same weeks.
    const QString tuesday = DailyBackup::newest(m_path);
    QVERIFY(tuesday.endsWith(u"dbCalendar backups/dbCalendar 2026-12-08.mdb"_s));
    const QList<QStringList> copied = OtherConnection(tuesday).rows();
    QCOMPARE(copied, OtherConnection(m_path).rows());
    QCOMPARE(copied.size(), 2);

    for (int day = 3; day < 12; ++day) {
        addWeek(day);
        QCOMPARE(DailyBackup::run(m_path, monday.addDays(day)).kind, DailyBackup::Result::Made);
    }
    QStringList lastSeven;
    for (int day = 5; day < 12; ++day)
        lastSeven.append(u"dbCalendar %1.mdb"_s.arg(monday.addDays(day).toString(Qt::ISODate)));
    QCOMPARE(copies(), lastSeven);
}

void TestDailyBackup::aChangeInTheCopysOwnTick_data()
{
    QTest::addColumn<bool>("changed");
    QTest::addColumn<DailyBackup::Result::Kind>("expected");
    QTest::newRow("a week saved") << true << DailyBackup::Result::Made;
    QTest::newRow("nothing saved") << false << DailyBackup::Result::NotNeeded;
}

// A file's time moves in steps of some milliseconds: a week saved just after the copy may leave
// the database with the copy's own time, and must not go without a copy the next day.
void TestDailyBackup::aChangeInTheCopysOwnTick()
{
    QFETCH(bool, changed);
    QFETCH(DailyBackup::Result::Kind, expected);
    addWeek(0);
    QCOMPARE(DailyBackup::run(m_path, QDate(2026, 12, 7)).kind, DailyBackup::Result::Made);
    if (changed)
        addWeek(1);
    QFile copy(DailyBackup::newest(m_path));
    QVERIFY(copy.open(QIODevice::ReadWrite));
    QFile database(m_path);
    QVERIFY(database.open(QIODevice::ReadWrite));
    const QDateTime tick = copy.fileTime(QFileDevice::FileModificationTime);
    QVERIFY(database.setFileTime(tick, QFileDevice::FileModificationTime));
    database.close();
    copy.close();
    QCOMPARE(DailyBackup::run(m_path, QDate(2026, 12, 8)).kind, expected);
    QCOMPARE(openDatabaseFiles(), QStringList()); // none left behind
}

void TestDailyBackup::neverFromADamagedFile()
{
    addWeek(0);
    QCOMPARE(DailyBackup::run(m_path, QDate(2026, 12, 7)).kind, DailyBackup::Result::Made);
    const QStringList good = copies();
    { // a page of the table overwritten
        QFile file(m_path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.seek(4096));
        file.write(QByteArray(4096, '\x5a'));
    }
    const DailyBackup::Result result = DailyBackup::run(m_path, QDate(2026, 12, 8));
    QCOMPARE(result.kind, DailyBackup::Result::Damaged);
    QVERIFY(!result.detail.isEmpty());
    QCOMPARE(copies(), good);
}

QTEST_GUILESS_MAIN(TestDailyBackup)
#include "tst_daily_backup.moc"
