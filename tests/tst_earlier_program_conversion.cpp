// The earlier Windows program's Jet and ACE files converted by the real reader: every fixture
// gives exactly its expected weeks and report, the original's bytes stay, a conversion killed
// at any step leaves the original or the whole conversion, and refused files change nothing.
#include "conversion/earlier_program_conversion.h"
#include "jet/jet_file.h"
#include "schedule/week_record.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString kFixtures = QStringLiteral(ORVANTA_JET_FIXTURES);

QByteArray contents(const QString &path)
{
    QFile file(path);
    return !path.isEmpty() && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Expected
{
    QList<std::pair<QString, QByteArray>> weeks; // key, text, in row order
    QList<std::pair<int, QByteArray>> reported;  // row number, text
    int dayFirst = 0;
};

// What a faithful conversion gives, worked out from the fixture's rows: the first row of each
// week that is a week record comes over, every other row goes to the report.
Expected expectedOf(const QString &fixture)
{
    const QJsonObject json =
        QJsonDocument::fromJson(contents(fixture + QStringLiteral(".expected.json"))).object();
    Expected expected;
    QSet<QString> taken;
    const QByteArray separator = WeekDataSeparator.toUtf8();
    for (const QJsonValue &value : json.value(u"rows").toArray()) {
        const QJsonObject row = value.toObject();
        const QString key = row.value(u"key").toString();
        const QByteArray text =
            QByteArray::fromHex(row.value(u"weekdata_utf8_hex").toString().toLatin1());
        const bool isWeek = !row.value(u"weekdata_utf8_hex").isNull() && text.endsWith(separator) &&
                            text.count(separator) >= kWeekFieldCount && !taken.contains(key);
        if (isWeek) {
            taken.insert(key);
            expected.weeks.append({key, text});
            expected.dayFirst += row.value(u"jet_datetime").toString().left(10) != key;
        } else {
            expected.reported.append({row.value(u"row").toInt(), text});
        }
    }
    return expected;
}

QList<std::pair<QString, QByteArray>> storedWeeks(const QString &path)
{
    QList<std::pair<QString, QByteArray>> weeks;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("read"));
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery query(db);
            query.exec(QStringLiteral(
                "SELECT StartWeekDate, CAST(WeekData AS BLOB) FROM tblCalendar ORDER BY rowid"));
            while (query.next())
                weeks.append({query.value(0).toString(), query.value(1).toByteArray()});
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("read"));
    return weeks;
}

bool isSqlite(const QString &path)
{
    return contents(path).startsWith("SQLite format 3");
}

EarlierProgramConversion::Setup setupFor(const QString &database)
{
    return {database, QStringLiteral(ORVANTA_JET_READER)};
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// A stored Date/Time: days since 1899-12-30.
double jetDay(const QDate &day)
{
    return double(QDate(1899, 12, 30).daysTo(day));
}

QByteArray weekText(const QByteArray &sunday)
{
    return sunday + WeekDataSeparator.repeated(kWeekFieldCount).toUtf8();
}

JetReaderStream::Row streamRow(quint32 number, std::optional<double> date,
                               std::optional<QByteArray> text)
{
    return {number, date, std::move(text)};
}

} // namespace

Q_DECLARE_METATYPE(JetReaderStream::Row)

class TestEarlierProgramConversion : public QObject
{
    Q_OBJECT
private slots:
    void rowsBecomeWeeks_data();
    void rowsBecomeWeeks();
    void throughALink();
    void killedAtAnyStep_data();
    void killedAtAnyStep();
    void foldersThatTakeNothing_data();
    void foldersThatTakeNothing();
    void keysAndDates_data();
    void keysAndDates();
    void storedTexts_data();
    void storedTexts();
    void weekRecords_data();
    void weekRecords();
    void readerThatMisbehaves_data();
    void readerThatMisbehaves();
    void rowsAsTheReaderStreamsThem_data();
    void rowsAsTheReaderStreamsThem();
    void keepingTheOriginal_data();
    void keepingTheOriginal();
    void preparedButNotPlaced();
    void writtenThroughToTheDisk_data();
    void writtenThroughToTheDisk();
};

void TestEarlierProgramConversion::rowsBecomeWeeks_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("refusal"); // empty: converted
    QTest::newRow("Jet 4, every kind of row") << "calendar-jet4.mdb"
                                              << "";
    QTest::newRow("ACE") << "calendar-ace.accdb"
                         << "";
    QTest::newRow("empty table") << "calendar-empty-jet4.mdb"
                                 << "";
    QTest::newRow("day-first keys") << "day-first-keys-jet4.mdb"
                                    << "";
    QTest::newRow("updated, then deleted") << "updated-then-deleted-jet4.mdb"
                                           << "";
    QTest::newRow("another table") << "other-table-jet4.mdb"
                                   << "has no table tblCalendar";
    QTest::newRow("other columns") << "calendar-wrong-columns-jet4.mdb"
                                   << "no columns StartWeekDate";
    QTest::newRow("not a database at all")
        << "README.md"
        << "could not be read as a database of the earlier program";
}

void TestEarlierProgramConversion::rowsBecomeWeeks()
{
    QFETCH(QString, fixture);
    QFETCH(QString, refusal);
    QTemporaryDir folder;
    const QString database = folder.filePath(QStringLiteral("dbCalendar.mdb"));
    const QString source = QDir(kFixtures).filePath(fixture);
    QVERIFY(QFile::copy(source, database));
    const QByteArray original = contents(source);

    {
        EarlierProgramConversion conversion(setupFor(database));
        const bool prepared = conversion.prepare();
        if (!refusal.isEmpty()) {
            QVERIFY(!prepared);
            QVERIFY2(conversion.errorText().contains(refusal), qPrintable(conversion.errorText()));
            QVERIFY(conversion.errorText().contains(u"Nothing was changed"));
        } else {
            QVERIFY2(prepared, qPrintable(conversion.errorText()));
            QVERIFY(conversion.putInPlace());
            const QString base = QFileInfo(source).completeBaseName();
            const Expected expected = expectedOf(QDir(kFixtures).filePath(base));
            QCOMPARE(conversion.weeks(), qint64(expected.weeks.size()));
            QCOMPARE(conversion.dayFirstKeys(), qint64(expected.dayFirst));
            QCOMPARE(conversion.reportedRows(), qint64(expected.reported.size()));
            const auto stored = storedWeeks(database);
            QCOMPARE(stored.size(), expected.weeks.size());
            for (qsizetype i = 0; i < stored.size(); ++i) {
                QCOMPARE(stored[i].first, expected.weeks[i].first);
                QVERIFY2(stored[i].second == expected.weeks[i].second, qPrintable(stored[i].first));
            }
            // The report names exactly the rows that are not weeks, each with its whole text.
            const QByteArray report = contents(conversion.reportPath());
            QCOMPARE(report.count("\nRow "), qsizetype(expected.reported.size()));
            for (const auto &[row, text] : expected.reported) {
                QVERIFY2(report.contains(QByteArray("\nRow ") + QByteArray::number(row) + ':'),
                         QByteArray::number(row));
                QVERIFY2(report.contains(text), QByteArray::number(row));
            }
            QCOMPARE(contents(conversion.keptOriginalPath()), original);
            QCOMPARE(QFileInfo(conversion.keptOriginalPath()).fileName(),
                     QStringLiteral("dbCalendar (earlier program).mdb"));
        }
    }
    // Refused: the folder holds the original alone, unchanged.
    if (!refusal.isEmpty()) {
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("dbCalendar.mdb")});
        QCOMPARE(contents(database), original);
    } else {
        QVERIFY(isSqlite(database));
        QVERIFY(!QFile::exists(EarlierProgramConversion::temporaryPathFor(database)));
    }
}

void TestEarlierProgramConversion::throughALink()
{
    // dbCalendar.mdb a link to the file in another folder: that file is converted where it
    // lies, and the link leads to the new database.
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("elsewhere")));
    const QString target = folder.filePath(QStringLiteral("elsewhere/dbCalendar.mdb"));
    const QString link = folder.filePath(QStringLiteral("dbCalendar.mdb"));
    QVERIFY(QFile::copy(QDir(kFixtures).filePath(QStringLiteral("calendar-ace.accdb")), target));
    QVERIFY(QFile::link(target, link));
    EarlierProgramConversion conversion(setupFor(link));
    QVERIFY2(conversion.prepare() && conversion.putInPlace(), qPrintable(conversion.errorText()));
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(storedWeeks(link).size(), 10);
    QVERIFY(QFile::exists(
        folder.filePath(QStringLiteral("elsewhere/dbCalendar (earlier program).mdb"))));
}

void TestEarlierProgramConversion::killedAtAnyStep_data()
{
    QTest::addColumn<int>("step"); // -1: after prepare(), before anything is put in place
    QTest::newRow("prepared") << -1;
    QTest::newRow("report written") << int(EarlierProgramConversion::Step::ReportWritten);
    QTest::newRow("original kept") << int(EarlierProgramConversion::Step::OriginalKept);
    QTest::newRow("new database placed") << int(EarlierProgramConversion::Step::NewDatabasePlaced);
}

void TestEarlierProgramConversion::killedAtAnyStep()
{
    QFETCH(int, step);
    QTemporaryDir folder;
    const QString database = folder.filePath(QStringLiteral("dbCalendar.mdb"));
    const QString source = QDir(kFixtures).filePath(QStringLiteral("calendar-jet4.mdb"));
    QVERIFY(QFile::copy(source, database));
    const QByteArray original = contents(source);

    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        EarlierProgramConversion conversion(setupFor(database));
        if (!conversion.prepare())
            _exit(3);
        if (step < 0)
            raise(SIGKILL);
        conversion.putInPlace([step](EarlierProgramConversion::Step at) {
            if (int(at) == step)
                raise(SIGKILL);
        });
        _exit(4);
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);

    // Never neither, never half: the original, or the whole conversion.
    const bool placed = step == int(EarlierProgramConversion::Step::NewDatabasePlaced);
    if (placed) {
        QCOMPARE(
            storedWeeks(database).size(),
            expectedOf(QDir(kFixtures).filePath(QStringLiteral("calendar-jet4"))).weeks.size());
    } else {
        QCOMPARE(contents(database), original);
        // The next start converts it.
        EarlierProgramConversion again(setupFor(database));
        QVERIFY2(again.prepare() && again.putInPlace(), qPrintable(again.errorText()));
        QVERIFY(isSqlite(database));
        QCOMPARE(QFileInfo(again.keptOriginalPath()).fileName(),
                 QStringLiteral("dbCalendar (earlier program).mdb"));
    }
    QCOMPARE(contents(folder.filePath(QStringLiteral("dbCalendar (earlier program).mdb"))),
             original);
    QFile::remove(EarlierProgramConversion::temporaryPathFor(database));
}

void TestEarlierProgramConversion::foldersThatTakeNothing_data()
{
    QTest::addColumn<QString>("options");
    QTest::newRow("read-only folder") << "ro";
    QTest::newRow("full disk") << "size=300k";
}

void TestEarlierProgramConversion::foldersThatTakeNothing()
{
    QFETCH(QString, options);
    QTemporaryDir folder;
    const QString source = QDir(kFixtures).filePath(QStringLiteral("calendar-jet4.mdb"));
    const QByteArray original = contents(source);
    const QByteArray target = QFile::encodeName(folder.path());
    // A small file system of its own, with the original on it.
    if (::mount("tmpfs", target.constData(), "tmpfs", 0, "size=300k") != 0)
        QSKIP("mounting a tmpfs needs root");
    const auto unmount = qScopeGuard([&] { ::umount2(target.constData(), MNT_DETACH); });
    const QString database = folder.filePath(QStringLiteral("dbCalendar.mdb"));
    QVERIFY(QFile::copy(source, database));
    if (options == u"ro")
        QCOMPARE(::mount("tmpfs", target.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr), 0);

    {
        EarlierProgramConversion conversion(setupFor(database));
        QVERIFY(!conversion.prepare());
        QVERIFY2(conversion.errorText().contains(u"could not be written in"),
                 qPrintable(conversion.errorText()));
    }
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("dbCalendar.mdb")});
    QCOMPARE(contents(database), original);
}

void TestEarlierProgramConversion::keysAndDates_data()
{
    QTest::addColumn<double>("jetDate");
    QTest::addColumn<QDate>("week"); // invalid: no week
    QTest::addColumn<bool>("dayFirst");
    QTest::newRow("a Sunday") << 46362.0 << QDate(2026, 12, 6) << false;
    QTest::newRow("a Sunday, in the afternoon") << 46362.75 << QDate(2026, 12, 6) << false;
    QTest::newRow("before 1899-12-30, with a time") << -53682.5 << QDate(1753, 1, 7) << false;
    QTest::newRow("12 June 2026, day and month swapped") << 46185.0 << QDate(2026, 12, 6) << true;
    QTest::newRow("a Monday, and no Sunday swapped") << 46370.0 << QDate() << false;
    QTest::newRow("not a number") << std::nan("") << QDate() << false;
    QTest::newRow("past 9999") << 3.0e6 << QDate() << false;
}

void TestEarlierProgramConversion::keysAndDates()
{
    QFETCH(double, jetDate);
    QFETCH(QDate, week);
    QFETCH(bool, dayFirst);
    const std::optional<QDate> day = EarlierWeeks::dayOf(jetDate);
    const EarlierWeeks::Key key = day ? EarlierWeeks::weekOf(*day) : EarlierWeeks::Key{};
    QCOMPARE(key.sunday, week);
    QCOMPARE(key.readDayFirst, dayFirst);
}

void TestEarlierProgramConversion::storedTexts_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("jet3");
    QTest::addColumn<QString>("text");
    QTest::newRow("UTF-16, an emoji as a surrogate pair")
        << QByteArray::fromHex("61003dd800de") << false << u"a\U0001F600"_qs;
    QTest::newRow("compressed, switching to UTF-16 and back")
        << QByteArray::fromHex("fffe61003a040062") << false << u"a\u043Ab"_qs;
    QTest::newRow("compressed, ending in UTF-16 on half a character")
        << QByteArray::fromHex("fffe610041") << false << u"a"_qs;
    QTest::newRow("Jet 3, the Windows code page")
        << QByteArray::fromHex("809396e9") << true << u"\u20AC\u201C\u2013\u00E9"_qs;
    QTest::newRow("empty") << QByteArray() << false << QString();
}

void TestEarlierProgramConversion::storedTexts()
{
    QFETCH(QByteArray, stored);
    QFETCH(bool, jet3);
    QFETCH(QString, text);
    QCOMPARE(QString::fromUtf8(JetFile::decodeText(stored, jet3)), text);
}

void TestEarlierProgramConversion::weekRecords_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<bool>("isWeek");
    const QString eight = WeekDataSeparator.repeated(kWeekFieldCount);
    QTest::newRow("eight texts") << u"Sunday"_qs + eight << true;
    QTest::newRow("notes that hold the separator")
        << eight + u"notes"_qs + WeekDataSeparator << true;
    QTest::newRow("seven texts") << WeekDataSeparator.repeated(7) << false;
    QTest::newRow("text after the last separator") << eight + u"lost"_qs << false;
    QTest::newRow("no separator") << u"w0"_qs << false;
}

void TestEarlierProgramConversion::weekRecords()
{
    QFETCH(QString, record);
    QFETCH(bool, isWeek);
    QCOMPARE(EarlierWeeks::isWeekRecord(record.toUtf8()), isWeek);
}

void TestEarlierProgramConversion::readerThatMisbehaves_data()
{
    QTest::addColumn<QString>("script"); // the reader's stand-in, a shell script
    QTest::addColumn<QString>("told");
    QTest::newRow("crashes") << "kill -SEGV $$"
                             << "its reader stopped unexpectedly";
    QTest::newRow("hangs") << "exec sleep 60"
                           << "took longer than 1 seconds";
    QTest::newRow("hangs, and the user cancels") << "exec sleep 60"
                                                 << "was cancelled";
    QTest::newRow("writes nonsense") << "printf 'OJR1Zzzzzzzzzzzzzzzzzzzzz'"
                                     << "rows that make no sense";
    QTest::newRow("claims a 4 GB text")
        << "printf 'OJR1R\\1\\0\\0\\0\\2\\0\\0\\0\\0\\0\\0\\0\\0\\377\\377\\377\\377'"
        << "rows that make no sense";
    QTest::newRow("ends before its last row") << "printf 'OJR1'"
                                              << "ended before the last row";
    QTest::newRow("allocates without end")
        << "dd if=/dev/zero of=/dev/null bs=200M count=1 && printf 'OJR1E\\0\\0\\0\\0'"
        << "memory exhausted";
    QTest::newRow("fails, saying why") << "echo 'a page cannot be read' >&2; exit 2"
                                       << "a page cannot be read";
}

void TestEarlierProgramConversion::readerThatMisbehaves()
{
    QFETCH(QString, script);
    QFETCH(QString, told);
    QTemporaryDir folder;
    const QString database = folder.filePath(QStringLiteral("dbCalendar.mdb"));
    QVERIFY(QFile::copy(QDir(kFixtures).filePath(QStringLiteral("calendar-jet4.mdb")), database));
    const QString reader = folder.filePath(QStringLiteral("reader.sh"));
    {
        QFile file(reader);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n" + script.toUtf8() + "\n");
        file.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    }
    EarlierProgramConversion::Setup setup{database, reader};
    const bool cancel = told.contains(u"cancelled");
    setup.timeLimitMs = cancel ? 60 * 1000 : 1000;
    setup.memoryLimitBytes = qint64(64) << 20;
#ifdef ORVANTA_NO_MEMORY_LIMIT
    if (told.contains(u"memory"))
        QSKIP("the sanitizers' builds set no memory limit");
#endif
    setup.progress = [cancel](qint64) { return !cancel; };
    {
        EarlierProgramConversion conversion(setup);
        QVERIFY(!conversion.prepare());
        QVERIFY2(conversion.errorText().contains(told), qPrintable(conversion.errorText()));
        QCOMPARE(conversion.cancelled(), cancel);
    }
    QVERIFY(!QFile::exists(EarlierProgramConversion::temporaryPathFor(database)));
    QFile::remove(reader);
}

void TestEarlierProgramConversion::rowsAsTheReaderStreamsThem_data()
{
    QTest::addColumn<QList<JetReaderStream::Row>>("rows");
    QTest::addColumn<int>("endCount"); // what the end record says; -1: none comes
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QString>("told"); // empty: converted
    QTest::addColumn<qint64>("weeks");
    QTest::addColumn<qint64>("dayFirst");
    QTest::addColumn<QStringList>("reported"); // the report's lines about each row
    using Rows = QList<JetReaderStream::Row>;

    QTest::newRow("a week of the year 10000: reported, not lost")
        << Rows{streamRow(1, jetDay(QDate(2026, 12, 6)), weekText("December")),
                streamRow(2, jetDay(QDate(10000, 1, 2)) + 0.1, weekText("far")),
                streamRow(3, jetDay(QDate(9999, 12, 26)), weekText("last"))}
        << 3 << false << QString() << qint64(2)
        << qint64(0)
        // The stored number as it is, to its last bit, where it names no day.
        << QStringList{u"Row 2: its date lies outside the years 1 to 9999\n"
                       u"StartWeekDate: 2958467.1000000001\n"_s};
    // 12 June 2026 is 6 December read day first, and 11 January is 1 November: a file with
    // such keys stored every Sunday up to the 12th swapped.
    QTest::newRow("keys read day first, each counted once")
        << Rows{streamRow(1, jetDay(QDate(2026, 6, 12)), weekText("A")),
                streamRow(2, jetDay(QDate(2026, 12, 6)), weekText("B")),
                streamRow(3, jetDay(QDate(2026, 6, 12)), weekText("C")),
                streamRow(4, jetDay(QDate(2026, 1, 11)), weekText("D")),
                streamRow(5, jetDay(QDate(2026, 3, 12)) + 0.75, weekText("E")),
                streamRow(6, jetDay(QDate(2026, 1, 11)), QByteArray("no week"))}
        << 6 << false << QString() << qint64(2) << qint64(2)
        << QStringList{u"Row 2: an earlier row already gives the week of Sunday 2026-12-06"_s,
                       u"Row 3: an earlier row already gives the week of Sunday 2026-12-06"_s,
                       u"Row 5: its date, 2026-03-12, is not a Sunday, so it is no week's\n"
                       u"StartWeekDate: 2026-03-12 18:00:00\n"_s,
                       u"Row 6: its WeekData is not the eight texts of a week"_s};
    QTest::newRow("a text that is not UTF-8: the check reading back refuses it")
        << Rows{streamRow(1, jetDay(QDate(2026, 12, 6)), weekText("bad \xff\xfe\xc3("))} << 1
        << false << u"does not read back as written"_s << qint64(0) << qint64(0) << QStringList();
    QTest::newRow("an end record that counts a row more")
        << Rows{streamRow(1, jetDay(QDate(2026, 12, 6)), weekText("one"))} << 2 << false
        << u"ended before the last row"_s << qint64(0) << qint64(0) << QStringList();
    QTest::newRow("rows, and no end record")
        << Rows{streamRow(1, jetDay(QDate(2026, 12, 6)), weekText("one"))} << -1 << false
        << u"ended before the last row"_s << qint64(0) << qint64(0) << QStringList();
    Rows many;
    for (quint32 i = 0; i < 3000; ++i)
        many.append(streamRow(i + 1, jetDay(QDate(2000, 1, 2).addDays(7 * i)), weekText("w")));
    QTest::newRow("the user cancels while the rows stream")
        << many << 3000 << true << u"was cancelled"_s << qint64(0) << qint64(0) << QStringList();
}

void TestEarlierProgramConversion::rowsAsTheReaderStreamsThem()
{
    QFETCH(QList<JetReaderStream::Row>, rows);
    QFETCH(int, endCount);
    QFETCH(bool, cancel);
    QFETCH(QString, told);
    QFETCH(qint64, weeks);
    QFETCH(qint64, dayFirst);
    QFETCH(QStringList, reported);
    // The reader's stand-in writes the stream given, for the first look at the dates too.
    QTemporaryDir readerFolder, folder;
    const QString reader = readerFolder.filePath(u"reader.sh"_s);
    {
        QByteArray stream(JetReaderStream::kMagic);
        for (const JetReaderStream::Row &row : rows)
            stream += JetReaderStream::rowRecord(row);
        if (endCount >= 0)
            stream += JetReaderStream::endRecord(quint32(endCount));
        QFile streamFile(readerFolder.filePath(u"stream"_s));
        QVERIFY(streamFile.open(QIODevice::WriteOnly));
        streamFile.write(stream);
        QFile script(reader);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nexec cat \"$(dirname \"$0\")/stream\"\n");
        script.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    }
    const QString database = folder.filePath(u"dbCalendar.mdb"_s);
    QVERIFY(QFile::copy(QDir(kFixtures).filePath(u"calendar-ace.accdb"_s), database));
    const QByteArray original = contents(database);
    EarlierProgramConversion::Setup setup{database, reader};
    qint64 progressCalls = 0;
    setup.progress = [&](qint64) {
        ++progressCalls;
        return !cancel;
    };
    EarlierProgramConversion conversion(setup);
    const bool prepared = conversion.prepare();
    if (!told.isEmpty()) {
        QVERIFY(!prepared);
        QVERIFY2(conversion.errorText().contains(told), qPrintable(conversion.errorText()));
        QCOMPARE(conversion.cancelled(), cancel);
        QCOMPARE(filesIn(folder.path()), QStringList{u"dbCalendar.mdb"_s});
        QCOMPARE(contents(database), original);
        return;
    }
    QVERIFY2(prepared && conversion.putInPlace(), qPrintable(conversion.errorText()));
    QCOMPARE(conversion.weeks(), weeks);
    QCOMPARE(storedWeeks(database).size(), weeks);
    QCOMPARE(conversion.dayFirstKeys(), dayFirst);
    QCOMPARE(conversion.reportedRows(), qint64(reported.size()));
    const QString report = QString::fromUtf8(contents(conversion.reportPath()));
    for (const QString &line : reported)
        QVERIFY2(report.contains(line), qPrintable(report));
}

void TestEarlierProgramConversion::keepingTheOriginal_data()
{
    QTest::addColumn<bool>("nameTaken"); // an unrelated file already has the kept name
    QTest::addColumn<int>("linkError");  // what making the second name says; 0: the real one
    QTest::addColumn<QString>("kept");   // the kept original's name; empty: not converted
    QTest::newRow("an unrelated file has the kept name: the next one")
        << true << 0 << "dbCalendar (earlier program 2).mdb";
    QTest::newRow("the original has the kept name already (a conversion cut short): that one")
        << false << 0 << "dbCalendar (earlier program).mdb";
    QTest::newRow("FAT or exFAT, without hard links: a copy")
        << false << EPERM << "dbCalendar (earlier program).mdb";
    QTest::newRow("a FUSE file system without link: a copy")
        << false << ENOSYS << "dbCalendar (earlier program).mdb";
    QTest::newRow("another device: a copy") << false << EXDEV << "dbCalendar (earlier program).mdb";
    QTest::newRow("too many links: a copy") << false << EMLINK << "dbCalendar (earlier program).mdb";
    QTest::newRow("links not supported: a copy")
        << false << EOPNOTSUPP << "dbCalendar (earlier program).mdb";
    QTest::newRow("no right to name it: not converted") << false << EACCES << "";
    // Between the look and the link, another program takes the name.
    QTest::newRow("the name taken just before: the next one")
        << false << EEXIST << "dbCalendar (earlier program 2).mdb";
}

void TestEarlierProgramConversion::keepingTheOriginal()
{
    QFETCH(bool, nameTaken);
    QFETCH(int, linkError);
    QFETCH(QString, kept);
    QTemporaryDir folder;
    const QString database = folder.filePath(u"dbCalendar.mdb"_s);
    // A file with a row that is no week, so that there is a report to write.
    QVERIFY(QFile::copy(QDir(kFixtures).filePath(u"calendar-jet4.mdb"_s), database));
    const QByteArray original = contents(database);
    const QString taken = EarlierProgramConversion::keptOriginalPathFor(database);
    if (nameTaken) {
        QFile other(taken);
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write("the user's own file");
    } else if (linkError == 0) {
        QCOMPARE(::link(QFile::encodeName(database).constData(), QFile::encodeName(taken).constData()),
                 0);
    }
    if (linkError == 0) // the name the question gives before the conversion is the one it takes
        QCOMPARE(QFileInfo(EarlierProgramConversion::keepingPathFor(database)).fileName(), kept);
    EarlierProgramConversion::Setup setup = setupFor(database);
    QStringList synced;
    setup.sync = [&synced](const QString &path) {
        synced.append(path);
        return true;
    };
    if (linkError == EEXIST) {
        setup.hardLink = [taken](const QString &from, const QString &to) {
            if (to == taken) {
                QFile other(taken);
                return other.open(QIODevice::WriteOnly) && other.write("the user's own file") > 0
                           ? EEXIST
                           : EIO;
            }
            const int linked =
                ::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData());
            return linked == 0 ? 0 : errno;
        };
    } else if (linkError != 0) {
        setup.hardLink = [linkError](const QString &, const QString &) { return linkError; };
    }
    EarlierProgramConversion conversion(setup);
    QVERIFY2(conversion.prepare(), qPrintable(conversion.errorText()));
    const bool placed = conversion.putInPlace();
    if (nameTaken || linkError == EEXIST)
        QCOMPARE(contents(taken), QByteArray("the user's own file"));
    if (kept.isEmpty()) {
        QVERIFY(!placed);
        QVERIFY2(conversion.errorText().contains(u"could not be kept as"),
                 qPrintable(conversion.errorText()));
        // Nothing changed, as the message says: no report of a conversion that did not happen.
        const QStringList left = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
        QVERIFY2(left.filter(u"rows not converted"_s).isEmpty(), qPrintable(left.join(u", ")));
        QVERIFY(!QFile::exists(taken));
        QCOMPARE(contents(database), original);
        return;
    }
    QVERIFY2(placed, qPrintable(conversion.errorText()));
    QCOMPARE(QFileInfo(conversion.keptOriginalPath()).fileName(), kept);
    QCOMPARE(contents(conversion.keptOriginalPath()), original);
    QVERIFY(isSqlite(database));
    QVERIFY(QFile::exists(conversion.reportPath()));
    if (linkError != 0 && linkError != EEXIST) // a copy: written through before it counts
        QVERIFY(synced.indexOf(conversion.keptOriginalPath()) >= 0);
}

void TestEarlierProgramConversion::preparedButNotPlaced()
{
    // The user answers No once the weeks are read: the folder is as it was.
    QTemporaryDir folder;
    const QString database = folder.filePath(u"dbCalendar.mdb"_s);
    QVERIFY(QFile::copy(QDir(kFixtures).filePath(u"calendar-jet4.mdb"_s), database));
    const QByteArray original = contents(database);
    {
        EarlierProgramConversion conversion(setupFor(database));
        QVERIFY2(conversion.prepare(), qPrintable(conversion.errorText()));
        QVERIFY(conversion.reportedRows() > 0);
        QVERIFY(QFile::exists(EarlierProgramConversion::temporaryPathFor(database)));
    }
    QCOMPARE(filesIn(folder.path()), QStringList{u"dbCalendar.mdb"_s});
    QCOMPARE(contents(database), original);
}

void TestEarlierProgramConversion::writtenThroughToTheDisk_data()
{
    QTest::addColumn<bool>("newFileSyncs");
    QTest::newRow("the new file is written through before it takes the original's place") << true;
    QTest::newRow("the new file cannot be written through: nothing changes") << false;
}

void TestEarlierProgramConversion::writtenThroughToTheDisk()
{
    QFETCH(bool, newFileSyncs);
    QTemporaryDir folder;
    const QString database = folder.filePath(u"dbCalendar.mdb"_s);
    QVERIFY(QFile::copy(QDir(kFixtures).filePath(u"calendar-ace.accdb"_s), database));
    const QByteArray original = contents(database);
    const QString temporary = EarlierProgramConversion::temporaryPathFor(database);
    EarlierProgramConversion::Setup setup = setupFor(database);
    QStringList synced;
    setup.sync = [&](const QString &path) {
        synced.append(path);
        return newFileSyncs || path != temporary;
    };
    EarlierProgramConversion conversion(setup);
    if (!newFileSyncs) {
        QVERIFY(!conversion.prepare());
        QVERIFY2(conversion.errorText().contains(u"could not be written to the disk"),
                 qPrintable(conversion.errorText()));
        QCOMPARE(filesIn(folder.path()), QStringList{u"dbCalendar.mdb"_s});
        QCOMPARE(contents(database), original);
        return;
    }
    QVERIFY2(conversion.prepare(), qPrintable(conversion.errorText()));
    QCOMPARE(synced, QStringList{temporary});
    QStringList syncedAtEachStep;
    QVERIFY(conversion.putInPlace(
        [&](EarlierProgramConversion::Step) { syncedAtEachStep.append(synced.join(u'|')); }));
    // The folder written through once the original has its second name, and again once the
    // new database has the first.
    const QString folderPath = QFileInfo(database).absolutePath();
    QCOMPARE(syncedAtEachStep, (QStringList{temporary, temporary + u'|' + folderPath,
                                            temporary + u'|' + folderPath + u'|' + folderPath}));
}

QTEST_GUILESS_MAIN(TestEarlierProgramConversion)
#include "tst_earlier_program_conversion.moc"
