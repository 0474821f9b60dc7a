// Finding words in any week: matching as people expect, and the search over a small store.
#include "find/text_match.h"
#include "find/week_search.h"
#include "other_connection.h"
#include "schedule/calendar_files.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestFind : public QObject
{
    Q_OBJECT
private slots:
    void matchesAsPeopleExpect_data();
    void matchesAsPeopleExpect();
    void theMatchIsFoundWhereItIsWritten();
    void searchesEveryWeekNewestFirst_data();
    void searchesEveryWeekNewestFirst();
    void aNewSearchCancelsTheOldOne();
};

void TestFind::matchesAsPeopleExpect_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("matches");
    QTest::newRow("case") << u"DENTIST"_s << u"the dentist at 9"_s << true;
    QTest::newRow("an accent in the text") << u"cafe"_s << u"Café with Ann"_s << true;
    QTest::newRow("accents in capitals") << u"cafe"_s << u"CAFÉ"_s << true;
    QTest::newRow("an accent in the query") << u"café"_s << u"cafe"_s << true;
    QTest::newRow("a decomposed accent") << u"cafe"_s << u"cafe\u0301"_s << true;
    QTest::newRow("ß and ss") << u"strasse"_s << u"Hauptstraße 5"_s << true;
    QTest::newRow("ss and ß") << u"Straße"_s << u"STRASSE"_s << true;
    QTest::newRow("a ligature") << u"office"_s << u"the o\ufb03ce"_s << true;
    QTest::newRow("Greek capitals") << u"αθηνα"_s << u"ΑΘΗΝΑ"_s << true;
    QTest::newRow("words in any order") << u"ann cafe"_s << u"Café with Ann"_s << true;
    QTest::newRow("a word missing") << u"ann bob"_s << u"Café with Ann"_s << false;
    QTest::newRow("a part of a word") << u"dent"_s << u"dentist"_s << true;
    QTest::newRow("a phrase as written") << u"\"with ann\""_s << u"Café with Ann"_s << true;
    QTest::newRow("a phrase in another order") << u"\"ann with\""_s << u"Café with Ann"_s << false;
    QTest::newRow("a line break is a space in a phrase")
        << u"\"dentist at\""_s << u"dentist\r\nat 9"_s << true;
    QTest::newRow("runs of spaces are one") << u"\"dentist   at\""_s << u"dentist at"_s << true;
    QTest::newRow("a phrase and a word") << u"\"at 9\" dentist"_s << u"dentist at 9"_s << true;
    QTest::newRow("an unclosed quote runs to the end") << u"\"at 9"_s << u"at 9"_s << true;
    QTest::newRow("an empty query finds nothing") << u"  \"\" "_s << u"anything"_s << false;
    QTest::newRow("an emoji") << u"🎂"_s << u"Ann's 🎂"_s << true;
}

void TestFind::matchesAsPeopleExpect()
{
    QFETCH(QString, query);
    QFETCH(QString, text);
    QFETCH(bool, matches);
    QCOMPARE(TextMatch::Query(query).matches(text), matches);
}

void TestFind::theMatchIsFoundWhereItIsWritten()
{
    // Words split across boxes are no match; the match's place is in the box's own text.
    WeekTexts texts;
    texts[1] = u"Dentist"_s;
    texts[2] = u"at nine"_s;
    texts[5] = u"shopping\nthen Straße 5, the DENTIST"_s;
    const QList<FindResult> results =
        WeekFind::inWeek(TextMatch::Query(u"dentist strasse"_s), QDate(2026, 12, 6), texts);
    QCOMPARE(results.size(), 1);
    QCOMPARE(results[0].box, 5);
    QCOMPARE(results[0].line, u"then Straße 5, the DENTIST"_s);
    QCOMPARE(results[0].match, (TextMatch::Span{14, 6})); // "Straße", the earliest
    QCOMPARE(results[0].inLine,
             (QList<TextMatch::Span>{{5, 6}, {19, 7}})); // "Straße" and "DENTIST" in the line
}

void TestFind::searchesEveryWeekNewestFirst_data()
{
    QTest::addColumn<QString>("encoding");
    QTest::newRow("a file in UTF-8, as SQLite makes it") << u"UTF-8"_s;
    QTest::newRow("a file in UTF-16, as another tool may make it") << u"UTF-16le"_s;
}

void TestFind::searchesEveryWeekNewestFirst()
{
    QFETCH(QString, encoding);
    QTemporaryDir folder;
    const QString path = databasePath(folder.path());
    const QString S = WeekDataSeparator;
    OtherConnection other(path);
    QVERIFY(other.exec(u"PRAGMA encoding = '%1'"_s.arg(encoding)));
    QVERIFY(other.exec(u"CREATE TABLE tblCalendar (StartWeekDate TEXT, WeekData TEXT)"_s));
    // Three weeks, one keyed as the original program wrote it, one the shown week.
    QVERIFY(other.exec(u"INSERT INTO tblCalendar VALUES (?, ?), (?, ?), (?, ?)"_s,
                       {u"2026-11-29"_s, u"dentist"_s + S.repeated(8), u"12/06/2026"_s,
                        S + u"Dentist again"_s + S.repeated(7), u"2026-12-13"_s,
                        S.repeated(7) + u"dentist, stored"_s + S}));
    ShownWeek shown{QDate(2026, 12, 13), {}};
    shown.texts[3] = u"the dentist, typed"_s;

    std::atomic<bool> cancelled = false;
    QList<FindResult> all;
    QString error;
    QVERIFY(WeekFind::inDatabase(
        path, TextMatch::Query(u"dentist"_s), shown, cancelled,
        [&all](QList<FindResult> batch) { all.append(batch); }, &error));
    QStringList found;
    for (const FindResult &result : all)
        found.append(u"%1 %2 %3"_s.arg(result.weekStart.toString(Qt::ISODate))
                         .arg(result.box)
                         .arg(result.line));
    found.sort();
    QCOMPARE(found, (QStringList{u"2026-11-29 0 dentist"_s, u"2026-12-06 1 Dentist again"_s,
                                 u"2026-12-13 3 the dentist, typed"_s}));
    QVERIFY(!WeekFind::inDatabase(
        folder.filePath(u"none.mdb"_s), TextMatch::Query(u"x"_s), {}, cancelled,
        [](QList<FindResult>) {}, &error));
}

void TestFind::aNewSearchCancelsTheOldOne()
{
    QTemporaryDir folder;
    const QString path = databasePath(folder.path());
    QVERIFY(createEmptyCalendarDatabase(path));
    OtherConnection other(path);
    other.exec(u"BEGIN"_s);
    for (int week = 0; week < 2000; ++week)
        other.exec(u"INSERT INTO tblCalendar VALUES (?, ?)"_s,
                   {QDate(2000, 1, 2).addDays(7 * week).toString(Qt::ISODate),
                    u"apple "_s.repeated(50) + WeekDataSeparator.repeated(8)});
    other.exec(u"COMMIT"_s);
    WeekSearch search(path);
    QSignalSpy found(&search, &WeekSearch::found);
    QSignalSpy finished(&search, &WeekSearch::finished);
    const int first = search.start(u"apple"_s, std::nullopt);
    const int second = search.start(u"pear"_s, std::nullopt);
    QTRY_COMPARE(finished.size(), 1);
    QCOMPARE(finished[0][0].toInt(), second);
    for (const QList<QVariant> &batch : found)
        QVERIFY(batch[0].toInt() != first); // nothing stale arrives
    QVERIFY(found.isEmpty());
}

QTEST_GUILESS_MAIN(TestFind)
#include "tst_find.moc"
