// Weeks imported from another Orvanta database and from the earlier program's Jet and ACE
// files (through the real reader): what comes, what is merged, what stays; the file never
// changes; a second import adds nothing; and whatever stops an import, the database stays as
// it was.
#include "import/week_import.h"
#include "jet/jet_file.h"
#include "odd_files.h"
#include "english_texts.h"
#include "open_files.h"
#include "other_connection.h"
#include "schedule/calendar_files.h"
#include "schedule/week_record.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using Rows = QList<QStringList>; // {StartWeekDate, WeekData}, in row order

namespace {

const QString kFixtures = QStringLiteral(ORVANTA_JET_FIXTURES);
const QDate kDay(2026, 12, 7); // the import's day
// The literal text, not the code's constants: a wrong separator or marker must fail here.
const QString S = u"||MySeparator123||"_s;

QString marker(const QString &file)
{
    return u"\r\n— imported from "_s + file + u" (2026-12-07) —\r\n"_s;
}

// A week's record: its Sunday's text and its notes, the other days empty.
QString week(const QString &sunday, const QString &notes = {})
{
    return sunday + S.repeated(7) + notes + S;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly) ? file.readAll()
                                                                       : QByteArray();
}

bool makeDatabase(const QString &path, const Rows &rows)
{
    if (!createEmptyCalendarDatabase(path))
        return false;
    OtherConnection db(path);
    db.exec(u"BEGIN"_s);
    for (const QStringList &row : rows) {
        if (!db.exec(u"INSERT INTO tblCalendar VALUES (?, ?)"_s, {row[0], row[1]}))
            return false;
    }
    return db.exec(u"COMMIT"_s);
}

Rows rowsOf(const QString &path)
{
    return OtherConnection(path).rows();
}

struct Expected
{
    QList<std::pair<QDate, QByteArray>> weeks; // in row order
    QList<qint64> reported;                    // row numbers
};

// The weeks a fixture's rows give: the first row of each week that is a week record.
Expected expectedOf(const QString &fixture)
{
    const QJsonObject json = QJsonDocument::fromJson(
                                 contents(QDir(kFixtures).filePath(fixture + u".expected.json"_s)))
                                 .object();
    Expected expected;
    QSet<QString> taken;
    for (const QJsonValue &value : json.value(u"rows").toArray()) {
        const QJsonObject row = value.toObject();
        const QString key = row.value(u"key").toString();
        const QByteArray text =
            QByteArray::fromHex(row.value(u"weekdata_utf8_hex").toString().toLatin1());
        if (!row.value(u"weekdata_utf8_hex").isNull() && text.endsWith(S.toUtf8()) &&
            text.count(S.toUtf8()) >= 8 && !taken.contains(key)) {
            taken.insert(key);
            expected.weeks.append({QDate::fromString(key, Qt::ISODate), text});
        } else {
            expected.reported.append(row.value(u"row").toInt());
        }
    }
    return expected;
}

WeekImport::Setup setupFor(const QString &database, const QString &file)
{
    return {database, file, QStringLiteral(ORVANTA_JET_READER), kDay};
}

} // namespace

class TestWeekImport : public QObject
{
    Q_OBJECT
private slots:
    // Nothing the import does is worth a warning.
    void init() { QTest::failOnWarning(QRegularExpression(u".*"_s)); }
    // Every file the import opened is let go, whatever happened.
    void cleanup() { QCOMPARE(openDatabaseFiles(), QStringList()); }
    void intoADatabaseKeptInUtf16();
    void fromAnotherDatabase_data();
    void fromAnotherDatabase();
    void fromEarlierProgramFile_data();
    void fromEarlierProgramFile();
    void nothingChanged_data();
    void nothingChanged();
    void told_data();
    void told();
};

void TestWeekImport::fromAnotherDatabase_data()
{
    QTest::addColumn<Rows>("here");
    QTest::addColumn<Rows>("file");
    QTest::addColumn<QList<int>>("cameMergedSame");
    QTest::addColumn<QList<QDate>>("mergedWeeks");
    QTest::addColumn<QList<qint64>>("rowsNotWeeks");
    QTest::addColumn<Rows>("after");

    const QString M = marker(u"other.mdb"_s);
    const QDate d1(2004, 1, 4), d2(2004, 1, 11);
    QTest::newRow("a week only in the file comes as it is")
        << Rows{} << Rows{{u"2004-01-04"_s, week(u"a\nb"_s)}} << QList<int>{1, 0, 0}
        << QList<QDate>{} << QList<qint64>{} << Rows{{u"2004-01-04"_s, week(u"a\nb"_s)}};
    QTest::newRow("the same texts stay as they are")
        << Rows{{u"2004-01-04"_s, week(u"a"_s)}} << Rows{{u"2004-01-04"_s, week(u"a"_s)}}
        << QList<int>{0, 0, 1} << QList<QDate>{} << QList<qint64>{}
        << Rows{{u"2004-01-04"_s, week(u"a"_s)}};
    QTest::newRow("other texts: both")
        << Rows{{u"2004-01-04"_s, week(u"a"_s, u"n"_s)}}
        << Rows{{u"2004-01-04"_s, week(u"b"_s, u"n"_s)}} << QList<int>{0, 1, 0}
        << QList<QDate>{d1} << QList<qint64>{}
        << Rows{{u"2004-01-04"_s, week(u"a"_s + M + u"b"_s, u"n"_s)}};
    QTest::newRow("an empty week here takes the file's as it is")
        << Rows{{u"2004-01-04"_s, week(u" "_s)}} << Rows{{u"2004-01-04"_s, week(u"b\nc"_s)}}
        << QList<int>{1, 0, 0} << QList<QDate>{} << QList<qint64>{}
        << Rows{{u"2004-01-04"_s, week(u"b\nc"_s)}};
    QTest::newRow("an empty week in the file leaves the week here")
        << Rows{{u"2004-01-04"_s, week(u"a"_s)}} << Rows{{u"2004-01-04"_s, week({})}}
        << QList<int>{0, 0, 1} << QList<QDate>{} << QList<qint64>{}
        << Rows{{u"2004-01-04"_s, week(u"a"_s)}};
    QTest::newRow("merged weeks listed oldest first")
        << Rows{{u"2004-01-11"_s, week(u"a"_s)}, {u"2004-01-04"_s, week(u"a"_s)}}
        << Rows{{u"2004-01-11"_s, week(u"b"_s)}, {u"2004-01-04"_s, week(u"c"_s)}}
        << QList<int>{0, 2, 0} << QList<QDate>{d1, d2} << QList<qint64>{}
        << Rows{{u"2004-01-11"_s, week(u"a"_s + M + u"b"_s)},
                {u"2004-01-04"_s, week(u"a"_s + M + u"c"_s)}};
    QTest::newRow("keys in the forms the store reads")
        << Rows{{u"01/04/2004"_s, week(u"a"_s)}}
        << Rows{{u"2004-01-11 00:00:00"_s, week(u"c"_s)}, {u"2004-01-04T00:00:00"_s, week(u"b"_s)}}
        << QList<int>{1, 1, 0} << QList<QDate>{d1} << QList<qint64>{}
        << Rows{{u"2004-01-04"_s, week(u"a"_s + M + u"b"_s)}, {u"2004-01-11"_s, week(u"c"_s)}};
    QTest::newRow("rows that are no weeks are named")
        << Rows{}
        << Rows{{u"2004-01-05"_s, week(u"a Monday"_s)},
                {u"no day"_s, week(u"x"_s)},
                {u"2004-01-04"_s, week(u"b"_s)},
                {u"01/04/2004"_s, week(u"a second row"_s)},
                {u"2004-01-11 13:45:00"_s, week(u"a time"_s)}}
        << QList<int>{1, 0, 0} << QList<QDate>{} << QList<qint64>{1, 2, 4, 5}
        << Rows{{u"2004-01-04"_s, week(u"b"_s)}};
    QTest::newRow("the file's first row keyed yyyy-MM-dd before an older one")
        << Rows{}
        << Rows{{u"01/04/2004"_s, week(u"older"_s)},
                {u"2004-01-04"_s, week(u"shown"_s)},
                {u"2004-01-04"_s, week(u"newer"_s)}}
        << QList<int>{1, 0, 0} << QList<QDate>{} << QList<qint64>{1, 3}
        << Rows{{u"2004-01-04"_s, week(u"shown"_s)}};
    QTest::newRow("the file's oldest row, none keyed yyyy-MM-dd")
        << Rows{}
        << Rows{{u"01/04/2004"_s, week(u"older"_s)}, {u"2004-01-04 00:00:00"_s, week(u"newer"_s)}}
        << QList<int>{1, 0, 0} << QList<QDate>{} << QList<qint64>{2}
        << Rows{{u"2004-01-04"_s, week(u"older"_s)}};
    QTest::newRow("rows here that are no weeks stay as they are")
        << Rows{{u"no day"_s, week(u"x"_s)}, {u"2004-01-04"_s, week(u"a"_s)}}
        << Rows{{u"2004-01-04"_s, week(u"b"_s)}} << QList<int>{0, 1, 0} << QList<QDate>{d1}
        << QList<qint64>{}
        << Rows{{u"no day"_s, week(u"x"_s)}, {u"2004-01-04"_s, week(u"a"_s + M + u"b"_s)}};
    QTest::newRow("the merge goes to the row the window shows")
        << Rows{{u"01/04/2004"_s, week(u"older"_s)},
                {u"2004-01-04 00:00:00"_s, week(u"old"_s)},
                {u"2004-01-04"_s, week(u"shown"_s)},
                {u"2004-01-04"_s, week(u"newer"_s)}}
        << Rows{{u"2004-01-04"_s, week(u"b"_s)}} << QList<int>{0, 1, 0} << QList<QDate>{d1}
        << QList<qint64>{}
        << Rows{{u"01/04/2004"_s, week(u"older"_s)},
                {u"2004-01-04 00:00:00"_s, week(u"old"_s)},
                {u"2004-01-04"_s, week(u"shown"_s + M + u"b"_s)},
                {u"2004-01-04"_s, week(u"newer"_s)}};
}

void TestWeekImport::fromAnotherDatabase()
{
    QFETCH(Rows, here);
    QFETCH(Rows, file);
    QFETCH(QList<int>, cameMergedSame);
    QFETCH(QList<QDate>, mergedWeeks);
    QFETCH(QList<qint64>, rowsNotWeeks);
    QFETCH(Rows, after);
    QTemporaryDir folder;
    const QString database = folder.filePath(u"dbCalendar.mdb"_s);
    const QString other = folder.filePath(u"other.mdb"_s);
    QVERIFY(makeDatabase(database, here));
    QVERIFY(makeDatabase(other, file));
    const QByteArray original = contents(other);

    const WeekImport::Result result = WeekImport::importWeeks(setupFor(database, other));
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE((QList<int>{int(result.came), int(result.merged), int(result.same)}), cameMergedSame);
    QCOMPARE(result.mergedWeeks, mergedWeeks);
    QCOMPARE(result.rowsNotWeeks, rowsNotWeeks);
    QCOMPARE(rowsOf(database), after);
    QCOMPARE(contents(other), original);
    // The rows that are no weeks, whole in the report beside the database.
    const QString report = folder.filePath(u"dbCalendar rows not imported from other.mdb.txt"_s);
    QCOMPARE(result.reportPath, rowsNotWeeks.isEmpty() ? QString() : report);
    const QByteArray reported = contents(report);
    QCOMPARE(reported.count("\nRow "), rowsNotWeeks.size());
    for (const qint64 row : rowsNotWeeks)
        QVERIFY(reported.contains(file[row - 1][1].toUtf8()));

    // Again: nothing comes, nothing is merged, not a byte of the database changes.
    const QByteArray imported = contents(database);
    const WeekImport::Result again = WeekImport::importWeeks(setupFor(database, other));
    QVERIFY2(again.ok, qPrintable(again.error));
    QCOMPARE(again.came + again.merged, qint64(0));
    QCOMPARE(again.same, result.came + result.merged + result.same);
    QCOMPARE(contents(database), imported);
    QFile::remove(report);
}

void TestWeekImport::intoADatabaseKeptInUtf16()
{
    QTemporaryDir folder;
    const QString database = folder.filePath(u"dbCalendar.mdb"_s);
    const QString other = folder.filePath(u"other.mdb"_s);
    {
        OtherConnection db(database);
        QVERIFY(db.exec(u"PRAGMA encoding = 'UTF-16le'"_s));
        QVERIFY(db.exec(u"CREATE TABLE tblCalendar (StartWeekDate DATE, WeekData TEXT)"_s));
        QVERIFY(db.exec(u"INSERT INTO tblCalendar VALUES ('2004-01-04', ?)"_s,
                        {week(u"café"_s)}));
    }
    QVERIFY(makeDatabase(other, {{u"2004-01-04"_s, week(u"Straße"_s)},
                                 {u"2004-01-11"_s, week(u"日本"_s)}}));
    const WeekImport::Result result = WeekImport::importWeeks(setupFor(database, other));
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(rowsOf(database),
             (Rows{{u"2004-01-04"_s, week(u"café"_s + marker(u"other.mdb"_s) + u"Straße"_s)},
                   {u"2004-01-11"_s, week(u"日本"_s)}}));
    QCOMPARE(OtherConnection(database).column(u"typeof(WeekData)"_s),
             (QStringList{u"text"_s, u"text"_s}));
}

void TestWeekImport::fromEarlierProgramFile_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QStringList>("here"); // of the file's first weeks: same, mine, empty
    QTest::newRow("Jet 4, into an empty database") << "calendar-jet4.mdb" << QStringList();
    QTest::newRow("Jet 4, into weeks of its own")
        << "calendar-jet4.mdb" << QStringList{u"same"_s, u"mine"_s, u"empty"_s};
    QTest::newRow("ACE") << "calendar-ace.accdb" << QStringList{u"mine"_s};
    QTest::newRow("day-first keys") << "day-first-keys-jet4.mdb" << QStringList{u"mine"_s};
}

void TestWeekImport::fromEarlierProgramFile()
{
    QFETCH(QString, fixture);
    QFETCH(QStringList, here);
    const Expected expected = expectedOf(QFileInfo(fixture).completeBaseName());
    QTemporaryDir folder;
    const QString database = folder.filePath(u"dbCalendar.mdb"_s);
    const QString file = QDir(kFixtures).filePath(fixture);
    const QByteArray original = contents(file);
    // Here's weeks: one as in the file, one with "mine" on the Sunday that the file's week has
    // text on, one empty.
    Rows rows;
    QList<QByteArray> after;
    int mine = -1;
    for (qsizetype i = 0; i < expected.weeks.size(); ++i) {
        const auto &[sunday, text] = expected.weeks[i];
        const QString kind = here.value(rows.size());
        const bool textOnSunday = !text.startsWith(S.toUtf8());
        if (kind == u"mine" && textOnSunday) {
            mine = int(i);
            rows.append({sunday.toString(Qt::ISODate), week(u"mine"_s)});
            after.append(u"mine"_s.toUtf8() + marker(fixture).toUtf8() + text);
        } else if (kind == u"same" || kind == u"empty") {
            rows.append({sunday.toString(Qt::ISODate), kind == u"same" ? QString::fromUtf8(text)
                                                                       : week({})});
        }
    }
    QCOMPARE(rows.size(), here.size());
    QVERIFY(makeDatabase(database, rows));

    const WeekImport::Result result = WeekImport::importWeeks(setupFor(database, file));
    QVERIFY2(result.ok, qPrintable(result.error));
    const bool merged = here.contains(u"mine"_s);
    QCOMPARE(result.merged, merged ? 1 : 0);
    QCOMPARE(result.same, qint64(here.count(u"same"_s)));
    QCOMPARE(result.came, qint64(expected.weeks.size()) - result.merged - result.same);
    QCOMPARE(result.mergedWeeks,
             merged ? QList<QDate>{expected.weeks[mine].first} : QList<QDate>{});
    QCOMPARE(result.rowsNotWeeks, expected.reported);
    // Every week as the file gives it, but the merged one, which holds both.
    QHash<QString, QByteArray> stored;
    OtherConnection db(database);
    const QStringList keys = db.column(u"StartWeekDate"_s);
    const QStringList hex = db.column(u"hex(WeekData)"_s);
    for (qsizetype i = 0; i < keys.size(); ++i)
        stored.insert(keys[i], QByteArray::fromHex(hex[i].toLatin1()));
    QCOMPARE(stored.size(), expected.weeks.size());
    for (qsizetype i = 0; i < expected.weeks.size(); ++i) {
        const auto &[sunday, text] = expected.weeks[i];
        QCOMPARE(stored.value(sunday.toString(Qt::ISODate)), i == mine ? after.first() : text);
    }
    QCOMPARE(contents(file), original);
    QCOMPARE(contents(result.reportPath).count("\nRow "), expected.reported.size());
    if (!expected.reported.isEmpty())
        QFile::remove(result.reportPath);

    const WeekImport::Result again = WeekImport::importWeeks(setupFor(database, file));
    QVERIFY2(again.ok, qPrintable(again.error));
    QCOMPARE(again.came + again.merged, qint64(0));
    if (!expected.reported.isEmpty())
        QFile::remove(again.reportPath);
}

void TestWeekImport::nothingChanged_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("told"); // in the error
    QTest::newRow("the reader fails after some rows") << "reader fails"
                                                      << "a page cannot be read";
    QTest::newRow("a week the database refuses, from the earlier program")
        << "refused, earlier program"
        << "The weeks could not be written to ";
    QTest::newRow("a week the database refuses") << "refused"
                                                 << "The weeks could not be written to ";
    QTest::newRow("cancelled midway") << "cancel"
                                      << "The import was cancelled. Nothing was changed.";
    QTest::newRow("a database damaged midway") << "damaged"
                                               << "other.mdb could not be read: ";
    QTest::newRow("the disk full") << "full"
                                   << "The weeks could not be written to ";
    QTest::newRow("no room for the report")
        << "no room for the report"
        << "The rows of other.mdb that cannot be weeks could not be written to ";
    QTest::newRow("killed midway") << "killed" << "";
    QTest::newRow("a database left in the middle of a change")
        << "journal"
        << "other.mdb was left in the middle of a change, and reading it would change it";
    QTest::newRow("the database itself") << "itself"
                                         << "is the database the weeks would come into";
    QTest::newRow("no file") << "none"
                             << "other.mdb not found. Nothing was changed.";
    QTest::newRow("a pipe") << "fifo"
                            << "is neither a database of Orvanta's nor one of the earlier";
    QTest::newRow("text that begins as a database does")
        << "like a database"
        << "is neither a database of Orvanta's nor one of the earlier";
    QTest::newRow("a database of another program") << "other table"
                                                   << "has no table tblCalendar with the columns";
    QTest::newRow("a database that keeps code to run")
        << "trigger"
        << "has code that would run when a week is saved";
}

void TestWeekImport::nothingChanged()
{
    QFETCH(QString, how);
    QFETCH(QString, told);
    QTemporaryDir folder;
    QTemporaryDir small; // a file system of its own, for the disk full
    QString database = folder.filePath(u"dbCalendar.mdb"_s);
    QString source = folder.filePath(u"other.mdb"_s);
    const QByteArray target = QFile::encodeName(small.path());
    const auto unmount = qScopeGuard([&] { ::umount2(target.constData(), MNT_DETACH); });
    if (how == u"full") {
        if (::mount("tmpfs", target.constData(), "tmpfs", 0, "size=200k") != 0)
            QSKIP("mounting a tmpfs needs root");
        database = small.filePath(u"dbCalendar.mdb"_s);
    }
    const Rows mine{{u"2004-01-04"_s, week(u"mine"_s)}};
    if (how.startsWith(u"refused")) { // a table that takes no text with "refused" in it
        OtherConnection db(database);
        QVERIFY(db.exec(u"CREATE TABLE tblCalendar (StartWeekDate DATE, WeekData TEXT "
                        "CHECK (WeekData NOT LIKE '%refused%'))"_s));
        QVERIFY(db.exec(u"INSERT INTO tblCalendar VALUES (?, ?)"_s, {mine[0][0], mine[0][1]}));
    } else {
        QVERIFY(makeDatabase(database, mine));
    }
    if (how == u"trigger") {
        QVERIFY(OtherConnection(database).exec(
            u"CREATE TRIGGER t AFTER UPDATE ON tblCalendar BEGIN SELECT 1; END"_s));
    }

    // The file: three hundred weeks of twelve thousand characters, the first one different
    // from here's, or what the case needs.
    Rows weeks;
    for (int i = 0; i < 300; ++i)
        weeks.append({QDate(2004, 1, 4).addDays(7 * i).toString(Qt::ISODate),
                      week((i == 290 ? u"refused "_s : u"theirs %1 "_s.arg(i)).repeated(1200))});
    if (how == u"other table") {
        OtherConnection(source).exec(u"CREATE TABLE notes (a TEXT)"_s);
    } else if (how == u"fifo") {
        QVERIFY(makeOddFile(u"fifo"_s, source));
    } else if (how == u"like a database") {
        QFile file(source);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("SQLite format 3 is what this text begins with\n");
    } else if (how == u"no room for the report") { // a row that is no week, and no week
        QVERIFY(makeDatabase(source, {{u"no day"_s, week(u"x"_s.repeated(14000))}}));
    } else if (how == u"itself") {
        source = database;
    } else if (how != u"none") {
        QVERIFY(makeDatabase(source, weeks));
    }
    if (how == u"damaged") { // a page of the last week's text, far from any key
        OtherConnection db(source);
        // The first of its text's pages, which names the next one.
        const QStringList page = db.column(
            u"(SELECT pageno FROM dbstat WHERE name = 'tblCalendar' AND pagetype = 'overflow' "
            "AND path LIKE '%+000000' ORDER BY path DESC LIMIT 1)"_s);
        QVERIFY(!page.isEmpty());
        QFile file(source);
        QVERIFY(file.open(QIODevice::ReadWrite));
        file.seek((page.first().toLongLong() - 1) * 4096);
        file.write(QByteArray(4096, '\xff'));
    }
    if (how == u"journal") { // a copy taken while a change was being written
        const QString copy = folder.filePath(u"copy.mdb"_s);
        OtherConnection db(source);
        QVERIFY(db.exec(u"PRAGMA cache_size = 1"_s) && db.exec(u"BEGIN"_s) &&
                db.exec(u"UPDATE tblCalendar SET WeekData = 'gone'"_s));
        QVERIFY(QFile::copy(source, copy) &&
                QFile::copy(source + u"-journal"_s, copy + u"-journal"_s));
        QVERIFY(db.exec(u"ROLLBACK"_s));
        QVERIFY(QFile::remove(source) && QFile::rename(copy, source) &&
                QFile::rename(copy + u"-journal"_s, source + u"-journal"_s));
    }
    const QString reader = folder.filePath(u"reader.sh"_s);
    if (how == u"reader fails" || how == u"refused, earlier program") {
        // A row without a date, then two weeks, then a week the database refuses; read whole,
        // or with the dates whole and the rows failing after the weeks.
        QByteArray whole = JetReaderStream::kMagic, cut = JetReaderStream::kMagic;
        for (quint32 i = 0; i < 4; ++i) {
            JetReaderStream::Row row{i + 1, 37983.0 + 7 * i,
                                     week(i == 3 ? u"refused"_s : u"w"_s).toUtf8()};
            if (i == 0)
                row.date.reset();
            whole += JetReaderStream::rowRecord(row);
            cut += i < 3 ? JetReaderStream::rowRecord(row) : QByteArray();
        }
        whole += JetReaderStream::endRecord(4);
        QFile wholeFile(folder.filePath(u"whole"_s)), cutFile(folder.filePath(u"cut"_s));
        QVERIFY(wholeFile.open(QIODevice::WriteOnly) && cutFile.open(QIODevice::WriteOnly));
        wholeFile.write(whole);
        cutFile.write(cut);
        QFile script(reader);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\ncd \"$(dirname \"$0\")\"\n");
        script.write(how == u"reader fails"
                         ? "[ \"$1\" = --dates-only ] && exec cat whole\n"
                           "cat cut; echo 'a page cannot be read' >&2; exit 2\n"
                         : "exec cat whole\n");
        script.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        source = folder.filePath(u"old.mdb"_s);
        QVERIFY(QFile::copy(QDir(kFixtures).filePath(u"calendar-jet4.mdb"_s), source));
    }
    const QByteArray before = contents(database);
    const QByteArray file = contents(source);
    const QByteArray journal = contents(source + u"-journal"_s);

    WeekImport::Setup setup = setupFor(database, source);
    if (QFile::exists(reader))
        setup.readerProgram = reader;
    qint64 seen = 0; // rows read before it stopped
    setup.progress = [&](qint64 rows) {
        seen = rows;
        if (how == u"killed" && rows > 0)
            raise(SIGKILL);
        return how != u"cancel" || rows == 0;
    };
    WeekImport::Result result;
    if (how == u"killed") {
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            WeekImport::importWeeks(setup);
            _exit(3);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
        // The journal left behind takes the database back when it is next opened.
        QVERIFY(QFile::exists(database + u"-journal"_s));
        QCOMPARE(rowsOf(database), mine);
    } else {
        if (how == u"no room for the report") { // no file may grow past 8 kB
            const rlimit small{8192, RLIM_INFINITY};
            rlimit saved{};
            ::getrlimit(RLIMIT_FSIZE, &saved);
            const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
            ::setrlimit(RLIMIT_FSIZE, &small);
            result = WeekImport::importWeeks(setup);
            ::setrlimit(RLIMIT_FSIZE, &saved);
            std::signal(SIGXFSZ, oldHandler);
        } else {
            result = WeekImport::importWeeks(setup);
        }
        QVERIFY(!result.ok);
        QVERIFY2(result.error.contains(told), qPrintable(result.error));
        QCOMPARE(result.cancelled, how == u"cancel");
        QCOMPARE(result.came + result.merged + result.same, qint64(0));
        QVERIFY(result.mergedWeeks.isEmpty() && result.rowsNotWeeks.isEmpty());
        QCOMPARE(contents(database), before);
        // Stopped after weeks were written, not before.
        if (how == u"cancel" || how == u"damaged" || how == u"refused")
            QVERIFY(seen >= 256);
    }
    QCOMPARE(contents(source), file);
    QCOMPARE(contents(source + u"-journal"_s), journal);
    QVERIFY(!QFile::exists(WeekImport::reportPathFor(database, source)));
}

void TestWeekImport::told_data()
{
    QTest::addColumn<QList<int>>("cameMergedSame");
    QTest::addColumn<QList<qint64>>("rowsNotWeeks");
    QTest::addColumn<QString>("report");
    QTest::addColumn<QString>("told");
    QTest::newRow("one week came") << QList<int>{1, 0, 0} << QList<qint64>{} << QString()
                                   << "1 week came from old.mdb.";
    QTest::newRow("came, merged and the same")
        << QList<int>{12, 3, 40} << QList<qint64>{} << QString()
        << "12 weeks came from old.mdb; 3 weeks held text in both and now hold both: the weeks "
           "of 4 January 2004, 11 January 2004 and 18 January 2004; 40 weeks were here already "
           "as they are.";
    QTest::newRow("one of each, none came")
        << QList<int>{0, 1, 1} << QList<qint64>{} << QString()
        << "No new week came from old.mdb; 1 week held text in both and now holds both: the "
           "week of 4 January 2004; 1 week was here already as it is.";
    QTest::newRow("more merged than named")
        << QList<int>{0, 5, 0} << QList<qint64>{} << QString()
        << "No new week came from old.mdb; 5 weeks held text in both and now hold both: the "
           "weeks of 4 January 2004, 11 January 2004 and 3 more.";
    QTest::newRow("every week here already") << QList<int>{0, 0, 5} << QList<qint64>{}
                                             << QString()
                                             << "Nothing was changed: 5 weeks of old.mdb are "
                                                "here already.";
    QTest::newRow("the one week here already") << QList<int>{0, 0, 1} << QList<qint64>{}
                                               << QString()
                                               << "Nothing was changed: 1 week of old.mdb is "
                                                  "here already.";
    QTest::newRow("no weeks") << QList<int>{0, 0, 0} << QList<qint64>{} << QString()
                              << "old.mdb holds no weeks; nothing was changed.";
    QTest::newRow("a row that is no week")
        << QList<int>{2, 0, 0} << QList<qint64>{36} << u"/x/report.txt"_s
        << "2 weeks came from old.mdb. 1 row of old.mdb cannot be a week (row 36): it is kept, "
           "with its full text, in /x/report.txt.";
    QTest::newRow("rows that are no weeks, not written")
        << QList<int>{0, 0, 0} << QList<qint64>{23, 36, 40} << QString()
        << "old.mdb holds no weeks; nothing was changed. 3 rows of old.mdb cannot be weeks "
           "(rows 23, 36 and 1 more) and stayed in it.";
    QTest::newRow("rows that are no weeks, in the report")
        << QList<int>{1, 0, 0} << QList<qint64>{23, 36} << u"/x/report.txt"_s
        << "1 week came from old.mdb. 2 rows of old.mdb cannot be weeks (rows 23 and 36): they "
           "are kept, with their full texts, in /x/report.txt.";
    QTest::newRow("failed") << QList<int>{} << QList<qint64>{} << QString()
                            << "The weeks of old.mdb were not imported. It broke.";
    QTest::newRow("cancelled") << QList<int>{-1} << QList<qint64>{} << QString()
                               << "It was cancelled.";
}

void TestWeekImport::told()
{
    QFETCH(QList<int>, cameMergedSame);
    QFETCH(QList<qint64>, rowsNotWeeks);
    QFETCH(QString, report);
    QFETCH(QString, told);
    WeekImport::Result result;
    result.ok = cameMergedSame.size() == 3;
    result.cancelled = cameMergedSame.value(0) < 0;
    result.error = result.cancelled ? u"It was cancelled."_s : u"It broke."_s;
    if (result.ok) {
        result.came = cameMergedSame[0];
        result.merged = cameMergedSame[1];
        result.same = cameMergedSame[2];
    }
    for (qint64 i = 0; i < result.merged; ++i)
        result.mergedWeeks.append(QDate(2004, 1, 4).addDays(7 * i));
    result.rowsNotWeeks = rowsNotWeeks;
    result.reportPath = report;
    QCOMPARE(WeekImport::describe(result, u"/x/old.mdb"_s, 2 + (result.merged == 3)), told);
}

QTEST_GUILESS_MAIN(TestWeekImport)
#include "tst_week_import.moc"
