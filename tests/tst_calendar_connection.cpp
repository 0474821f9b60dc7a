#include "other_connection.h"
#include "schedule/calendar_connection.h"
#include "schedule/calendar_files.h"

#include <atomic>
#include <chrono>
#include <optional>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <thread>

using namespace Qt::StringLiterals;

class TestCalendarConnection : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void openRefuses_data();
    void openRefuses();
    void opensWhatElseTheFileHolds_data();
    void opensWhatElseTheFileHolds();
    void aSaveNeverRemovesAnotherWeek();
    void savesDurablyAndWaitsForABriefLock();
    void emptyTableHasNoWeek();
    void folderNameNeedsNoCare();
    void saveTwiceLeavesOneRowKeyedByIsoDate_data();
    void saveTwiceLeavesOneRowKeyedByIsoDate();
    void weekKeyedInAnotherFormIsFoundAndKeyedAgain_data();
    void weekKeyedInAnotherFormIsFoundAndKeyedAgain();
    void theOwnKeyWinsOverAnOlderRowInAnotherForm_data()
    {
        weekKeyedInAnotherFormIsFoundAndKeyedAgain_data();
    }
    void theOwnKeyWinsOverAnOlderRowInAnotherForm();
    void twoRowsForOneDayUseTheFirst();
    void nullWeekDataReadsEmpty();
    void lockedFileFailsTheSaveAndKeepsTheRow();
    void aCommitThatFailsIsNoSave();
    void keepsNoJournalBesideTheFileAndChecksItsCells();
    void shippedDatabaseIsNeverOverwritten();

private:
    QString m_path;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestCalendarConnection::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_path = m_dir->filePath(QStringLiteral("dbCalendar.mdb"));
}

void TestCalendarConnection::openRefuses_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("problem");

    QTest::newRow("missing file") << "none"
                                  << "does not exist";
    QTest::newRow("a folder of that name") << "folder"
                                           << "does not exist";
    QTest::newRow("a text file") << "text"
                                 << " is not an SQLite database.";
    QTest::newRow("a file another program holds") << "held"
                                                  << " is in use by another program.";
    QTest::newRow("a file cut short") << "truncated"
                                      << " is damaged (database disk image is malformed).";
    QTest::newRow("a database without tblCalendar") << "notable"
                                                    << "has no table tblCalendar";
    QTest::newRow("a table without WeekData") << "nocolumn"
                                              << "without the columns";
    QTest::newRow("a trigger on tblCalendar, which a save would run")
        << "trigger"
        << "(the trigger wipe on tblCalendar)";
}

void TestCalendarConnection::openRefuses()
{
    QFETCH(QString, setup);
    QFETCH(QString, problem);

    if (setup == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(m_path));
    } else if (setup == QLatin1String("text")) {
        QFile file(m_path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'x'));
    } else if (setup == QLatin1String("held")) {
        QVERIFY(createEmptyCalendarDatabase(m_path));
    } else if (setup == QLatin1String("truncated")) {
        QVERIFY(createEmptyCalendarDatabase(m_path));
        QFile file(m_path);
        QVERIFY(file.resize(2048));
    } else if (setup == QLatin1String("trigger")) {
        QVERIFY(createEmptyCalendarDatabase(m_path));
        OtherConnection peek(m_path);
        peek.exec(u"INSERT INTO tblCalendar VALUES ('2026-12-06', 'kept')"_s);
        peek.exec(u"CREATE TRIGGER wipe AFTER UPDATE ON TBLCALENDAR BEGIN "
                  u"DELETE FROM tblCalendar; END"_s);
    } else if (setup != QLatin1String("none")) {
        OtherConnection peek(m_path);
        peek.exec(setup == QLatin1String("notable")
                      ? QStringLiteral("CREATE TABLE other (x)")
                      : QStringLiteral("CREATE TABLE tblCalendar (StartWeekDate DATE)"));
    }

    std::optional<OtherConnection> holder;
    if (setup == QLatin1String("held")) {
        holder.emplace(m_path);
        QVERIFY(holder->exec(u"BEGIN EXCLUSIVE"_s));
    }
    CalendarConnection connection;
    QVERIFY(!connection.open(m_path));
    QVERIFY(!connection.isOpen());
    if (problem.startsWith(u' ')) // said exactly
        QCOMPARE(connection.lastError(), QDir::toNativeSeparators(m_path) + problem);
    QVERIFY2(connection.lastError().startsWith(QDir::toNativeSeparators(m_path)),
             qPrintable(connection.lastError()));
    QVERIFY2(connection.lastError().contains(problem), qPrintable(connection.lastError()));
    if (setup == QLatin1String("none"))
        QVERIFY(!QFile::exists(m_path));   // never created
    if (setup == QLatin1String("trigger")) // left as it was
        QCOMPARE(OtherConnection(m_path).rows(),
                 QList<QStringList>({{u"2026-12-06"_s, u"kept"_s}}));
}

void TestCalendarConnection::opensWhatElseTheFileHolds_data()
{
    QTest::addColumn<QStringList>("schema");
    const QString table = u"CREATE TABLE tblCalendar (StartWeekDate DATE, WeekData TEXT)"_s;
    const QString log = u"CREATE TABLE log (x)"_s;
    QTest::newRow("the table's name in capitals")
        << QStringList{u"CREATE TABLE TBLCALENDAR (StartWeekDate DATE, WeekData TEXT)"_s};
    QTest::newRow("a trigger on another table")
        << QStringList{table, log, u"CREATE TRIGGER t AFTER INSERT ON log BEGIN SELECT 1; END"_s};
    QTest::newRow("a trigger merely named like the table") << QStringList{
        table, log, u"CREATE TRIGGER tblCalendar AFTER INSERT ON log BEGIN SELECT 1; END"_s};
}

void TestCalendarConnection::opensWhatElseTheFileHolds()
{
    QFETCH(QStringList, schema);
    {
        OtherConnection maker(m_path);
        for (const QString &statement : schema)
            QVERIFY(maker.exec(statement));
    }
    CalendarConnection connection;
    QVERIFY2(connection.open(m_path), qPrintable(connection.lastError()));
    QVERIFY(connection.saveWeekData(QDate(2026, 12, 6), "saved"_ba));
    QCOMPARE(OtherConnection(m_path).rows(), QList<QStringList>({{u"2026-12-06"_s, u"saved"_s}}));
}

void TestCalendarConnection::aSaveNeverRemovesAnotherWeek()
{
    // The file's schema says to replace a row that holds the same texts.
    {
        OtherConnection maker(m_path);
        QVERIFY(maker.exec(u"CREATE TABLE tblCalendar (StartWeekDate DATE, "
                           u"WeekData TEXT UNIQUE ON CONFLICT REPLACE)"_s));
        QVERIFY(maker.exec(u"INSERT INTO tblCalendar VALUES ('2026-12-06', 'same'), "
                           u"('2026-12-13', 'other')"_s));
    }
    CalendarConnection connection;
    QVERIFY(connection.open(m_path));
    connection.saveWeekData(QDate(2026, 12, 20), "same"_ba);    // another week's very texts
    connection.saveWeekData(QDate(2026, 12, 13), "changed"_ba); // updated in place
    connection.saveWeekData(QDate(2026, 12, 13), "same"_ba);    // updated to another's texts
    const QStringList keys = OtherConnection(m_path).column(u"StartWeekDate"_s);
    QVERIFY2(keys.contains(u"2026-12-06"_s) && keys.contains(u"2026-12-13"_s),
             qPrintable(keys.join(u' ')));
}

void TestCalendarConnection::savesDurablyAndWaitsForABriefLock()
{
    QVERIFY(createEmptyCalendarDatabase(m_path));
    CalendarConnection connection;
    QVERIFY(connection.open(m_path));
    // Every save reaches the disk before it counts (the file may be on a USB stick).
    QCOMPARE(connection.setting("synchronous"), u"2"_s); // FULL

    // Another program holds the file for half a second: the save waits for it.
    std::atomic<bool> locked = false;
    std::thread other([&] {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"brief-lock"_s);
            db.setDatabaseName(m_path);
            db.open();
            QSqlQuery(db).exec(u"BEGIN EXCLUSIVE"_s);
            locked = true;
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            QSqlQuery(db).exec(u"COMMIT"_s);
            db.close();
        }
        QSqlDatabase::removeDatabase(u"brief-lock"_s);
    });
    while (!locked)
        std::this_thread::yield();
    const bool saved = connection.saveWeekData(QDate(2026, 12, 6), "after the wait"_ba);
    other.join();
    QVERIFY2(saved, qPrintable(connection.lastError()));
}

void TestCalendarConnection::emptyTableHasNoWeek()
{
    QVERIFY(createEmptyCalendarDatabase(m_path));
    CalendarConnection connection;
    QVERIFY2(connection.open(m_path), qPrintable(connection.lastError()));
    std::optional<QString> record = QStringLiteral("stale");
    QVERIFY(connection.loadWeekData(QDate(2026, 12, 6), record));
    QVERIFY(!record.has_value());
}

void TestCalendarConnection::folderNameNeedsNoCare()
{
    // Characters that mean something in a file: URI.
    const QString folder = m_dir->filePath(QStringLiteral("Wöche #1 ?a=b&c 100%"));
    QVERIFY(QDir().mkpath(folder));
    const QString path = QDir(folder).filePath(QStringLiteral("dbCalendar.mdb"));
    QVERIFY(createEmptyCalendarDatabase(path));
    CalendarConnection connection;
    QVERIFY2(connection.open(path), qPrintable(connection.lastError()));
    QVERIFY(connection.saveWeekData(QDate(2026, 12, 6), "x"_ba));
    QCOMPARE(OtherConnection(path).rows().size(), 1);
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList(QStringLiteral("dbCalendar.mdb")));
}

void TestCalendarConnection::saveTwiceLeavesOneRowKeyedByIsoDate_data()
{
    QTest::addColumn<QString>("encoding");
    QTest::newRow("a file in UTF-8, as SQLite makes it") << u"UTF-8"_s;
    QTest::newRow("a file in UTF-16, as another tool may make it") << u"UTF-16le"_s;
}

void TestCalendarConnection::saveTwiceLeavesOneRowKeyedByIsoDate()
{
    QFETCH(QString, encoding);
    {
        OtherConnection maker(m_path);
        QVERIFY(maker.exec(u"PRAGMA encoding = '%1'"_s.arg(encoding)));
        QVERIFY(maker.exec(u"CREATE TABLE tblCalendar (StartWeekDate DATE, WeekData TEXT)"_s));
    }
    CalendarConnection connection;
    QVERIFY(connection.open(m_path));
    const QDate sunday(2026, 12, 6);
    const QString second = u"second: Büro 会议 😀"_s;
    QVERIFY(connection.saveWeekData(sunday, "first"_ba));
    QVERIFY(connection.saveWeekData(sunday, second.toUtf8()));
    QVERIFY(connection.saveWeekData(QDate(1752, 12, 31), "oldest"_ba));

    std::optional<QString> record;
    QVERIFY(connection.loadWeekData(sunday, record));
    QCOMPARE(record.value(), second);

    OtherConnection peek(m_path);
    const QList<QStringList> expected{{QStringLiteral("2026-12-06"), second},
                                      {QStringLiteral("1752-12-31"), QStringLiteral("oldest")}};
    QCOMPARE(peek.rows(), expected);
    QCOMPARE(peek.column(u"typeof(WeekData)"_s), QStringList({u"text"_s, u"text"_s}));
}

void TestCalendarConnection::weekKeyedInAnotherFormIsFoundAndKeyedAgain_data()
{
    QTest::addColumn<QString>("key");
    QTest::newRow("month/day/year, as the original program wrote it") << u"03/01/2026"_s;
    QTest::newRow("with a zero time") << u"2026-03-01 00:00:00"_s;
    QTest::newRow("with a zero time after a T") << u"2026-03-01T00:00:00"_s;
}

void TestCalendarConnection::weekKeyedInAnotherFormIsFoundAndKeyedAgain()
{
    QFETCH(QString, key);
    QVERIFY(createEmptyCalendarDatabase(m_path));
    {
        OtherConnection peek(m_path);
        QVERIFY(peek.exec(u"INSERT INTO tblCalendar VALUES ('2026-02-22', 'before'), "
                          u"(?, 'stored'), ('2026-03-08', 'after')"_s,
                          {key}));
    }
    CalendarConnection connection;
    QVERIFY(connection.open(m_path));
    std::optional<QString> record;
    QVERIFY(connection.loadWeekData(QDate(2026, 3, 1), record));
    QCOMPARE(record.value_or(u"(no row)"_s), u"stored"_s);
    QVERIFY(connection.saveWeekData(QDate(2026, 3, 1), "changed"_ba));
    const QList<QStringList> rows{{u"2026-02-22"_s, u"before"_s},
                                  {u"2026-03-01"_s, u"changed"_s},
                                  {u"2026-03-08"_s, u"after"_s}};
    QCOMPARE(OtherConnection(m_path).rows(), rows); // in place, under the program's own key
    // Found through the index on StartWeekDate, not by reading the whole table.
    const QString plan = connection.weekLookupPlan();
    QVERIFY2(plan.contains(u"USING INDEX idxCalendarStartWeekDate"_s) ||
                 plan.contains(u"USING COVERING INDEX idxCalendarStartWeekDate"_s),
             qPrintable(plan));
}

// A week stored twice, as another tool may leave it: the row under the program's own key is the
// week's, however much older the other one is.
void TestCalendarConnection::theOwnKeyWinsOverAnOlderRowInAnotherForm()
{
    QFETCH(QString, key);
    QVERIFY(createEmptyCalendarDatabase(m_path));
    QVERIFY(OtherConnection(m_path).exec(
        u"INSERT INTO tblCalendar VALUES (?, 'older'), ('2026-03-01', 'own')"_s, {key}));
    CalendarConnection connection;
    QVERIFY(connection.open(m_path));
    std::optional<QString> record;
    QVERIFY(connection.loadWeekData(QDate(2026, 3, 1), record));
    QCOMPARE(record.value_or(u"(no row)"_s), u"own"_s);
    QVERIFY(connection.saveWeekData(QDate(2026, 3, 1), "changed"_ba));
    const QList<QStringList> rows{{key, u"older"_s}, {u"2026-03-01"_s, u"changed"_s}};
    QCOMPARE(OtherConnection(m_path).rows(), rows);
}

void TestCalendarConnection::twoRowsForOneDayUseTheFirst()
{
    QVERIFY(createEmptyCalendarDatabase(m_path));
    {
        OtherConnection peek(m_path);
        peek.exec(QStringLiteral("INSERT INTO tblCalendar VALUES ('2026-12-06', 'one')"));
        peek.exec(QStringLiteral("INSERT INTO tblCalendar VALUES ('2026-12-06', 'two')"));
    }
    CalendarConnection connection;
    QVERIFY(connection.open(m_path));
    std::optional<QString> record;
    QVERIFY(connection.loadWeekData(QDate(2026, 12, 6), record));
    QCOMPARE(record.value(), QStringLiteral("one"));
    QVERIFY(connection.saveWeekData(QDate(2026, 12, 6), "changed"_ba));

    OtherConnection peek(m_path);
    const QList<QStringList> expected{{QStringLiteral("2026-12-06"), QStringLiteral("changed")},
                                      {QStringLiteral("2026-12-06"), QStringLiteral("two")}};
    QCOMPARE(peek.rows(), expected);
}

void TestCalendarConnection::nullWeekDataReadsEmpty()
{
    QVERIFY(createEmptyCalendarDatabase(m_path));
    {
        OtherConnection peek(m_path);
        peek.exec(QStringLiteral("INSERT INTO tblCalendar VALUES ('2026-12-06', NULL)"));
    }
    CalendarConnection connection;
    QVERIFY(connection.open(m_path));
    std::optional<QString> record;
    QVERIFY(connection.loadWeekData(QDate(2026, 12, 6), record));
    QVERIFY(record.has_value());
    QVERIFY(record->isEmpty());
}

void TestCalendarConnection::lockedFileFailsTheSaveAndKeepsTheRow()
{
    QVERIFY(createEmptyCalendarDatabase(m_path));
    CalendarConnection connection;
    QVERIFY(connection.open(m_path));
    QVERIFY(connection.saveWeekData(QDate(2026, 12, 6), "kept"_ba));

    OtherConnection other(m_path); // another program holds the file for writing
    other.exec(QStringLiteral("BEGIN EXCLUSIVE"));
    QVERIFY(!connection.saveWeekData(QDate(2026, 12, 6), "lost?"_ba));
    QCOMPARE(connection.lastError(), m_path + u" is in use by another program."_s);
    other.exec(QStringLiteral("ROLLBACK"));

    const QList<QStringList> expected{{QStringLiteral("2026-12-06"), QStringLiteral("kept")}};
    QCOMPARE(other.rows(), expected);
    // The connection is still usable once the other program lets go.
    QVERIFY(connection.saveWeekData(QDate(2026, 12, 6), "later"_ba));
}

void TestCalendarConnection::aCommitThatFailsIsNoSave()
{
    QVERIFY(createEmptyCalendarDatabase(m_path));
    CalendarConnection connection;
    QVERIFY(connection.open(m_path));
    // Another program reads in a transaction: the save can write its journal, but its commit
    // never gets the file to itself.
    OtherConnection other(m_path);
    QVERIFY(other.exec(u"BEGIN"_s));
    QCOMPARE(other.rows().size(), 0);
    QVERIFY(!connection.saveWeekData(QDate(2026, 12, 6), "not saved"_ba));
    QCOMPARE(connection.lastError(), m_path + u" is in use by another program."_s);
    QVERIFY(other.exec(u"ROLLBACK"_s));
    QVERIFY(other.rows().isEmpty());
}

void TestCalendarConnection::keepsNoJournalBesideTheFileAndChecksItsCells()
{
    QVERIFY(createEmptyCalendarDatabase(m_path));
    QVERIFY(OtherConnection(m_path).exec(u"PRAGMA journal_mode=WAL"_s)); // as another tool left it
    CalendarConnection connection;
    QVERIFY(connection.open(m_path));
    QVERIFY(connection.saveWeekData(QDate(2026, 12, 6), "saved"_ba));
    // A USB stick or a network share takes no WAL: everything is in the one file.
    QVERIFY(!QFile::exists(m_path + u"-wal"_s));
    QCOMPARE(connection.setting("journal_mode"), u"delete"_s);
    // A damaged page's cells are checked before they are read, not trusted.
    QCOMPARE(connection.setting("cell_size_check"), u"1"_s);
    // Functions in the file's schema run only where SQLite knows them to be harmless.
    QCOMPARE(connection.setting("trusted_schema"), u"0"_s);
}

void TestCalendarConnection::shippedDatabaseIsNeverOverwritten()
{
    QVERIFY(createEmptyCalendarDatabase(m_path));
    {
        CalendarConnection connection;
        QVERIFY(connection.open(m_path));
        QVERIFY(connection.saveWeekData(QDate(2026, 12, 6), "user's week"_ba));
    }
    QString error;
    QVERIFY(!createEmptyCalendarDatabase(m_path, &error));
    QVERIFY(error.contains(QStringLiteral("already exists")));
    OtherConnection peek(m_path);
    QCOMPARE(peek.rows().size(), 1);
}

QTEST_GUILESS_MAIN(TestCalendarConnection)
#include "tst_calendar_connection.moc"
