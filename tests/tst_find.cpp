// Finding words in any week: matching as people expect, and the search over a small store.
#include "find/text_match.h"
#include "find/week_search.h"
#include "open_files.h"
#include "other_connection.h"
#include "schedule/calendar_files.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtEndian>
#include <QTest>
#include <semaphore>
#include <thread>

using namespace Qt::StringLiterals;

class TestFind : public QObject
{
    Q_OBJECT
private slots:
    void matchesAsPeopleExpect_data();
    void matchesAsPeopleExpect();
    void theMatchIsFoundWhereItIsWritten();
    void resultsNewestFirst_data();
    void resultsNewestFirst();
    void theMatchSpansWhatWasWritten_data();
    void theMatchSpansWhatWasWritten();
    void searchesEveryWeekNewestFirst_data();
    void searchesEveryWeekNewestFirst();
    void findsEveryKindOfCharacterInTheStore_data();
    void findsEveryKindOfCharacterInTheStore();
    void aWeekIsRuledOutByItsBytesOnlyWhereItCannotMatch_data();
    void aWeekIsRuledOutByItsBytesOnlyWhereItCannotMatch();
    void theBytesRuleOutWhatCannotMatch_data();
    void theBytesRuleOutWhatCannotMatch();
    void aCancelledSearchStopsAtOnce_data();
    void aCancelledSearchStopsAtOnce();
    void aFileThatCannotBeReadIsAnError_data();
    void aFileThatCannotBeReadIsAnError();
    void aNewSearchCancelsTheOldOne();
    void aWeekOfSeveralRowsIsFoundAsTheWindowShowsIt_data();
    void aWeekOfSeveralRowsIsFoundAsTheWindowShowsIt();
    void aSearchStopsWhenReplacedOrCancelled_data();
    void aSearchStopsWhenReplacedOrCancelled();
};

namespace {

// A week's record with `text` in Sunday's box.
QByteArray onSunday(const QString &text)
{
    return (text + WeekDataSeparator.repeated(8)).toUtf8();
}

// A store of weeks from 2000-01-02 on, their records stored as these bytes.
void storeWeeks(const QString &path, const QByteArrayList &records)
{
    QVERIFY(createEmptyCalendarDatabase(path));
    OtherConnection other(path);
    QVERIFY(other.exec(u"BEGIN"_s));
    for (qsizetype week = 0; week < records.size(); ++week)
        QVERIFY(
            other.exec(u"INSERT INTO tblCalendar VALUES (?, CAST(? AS TEXT))"_s,
                       {QDate(2000, 1, 2).addDays(7 * week).toString(Qt::ISODate), records[week]}));
    QVERIFY(other.exec(u"COMMIT"_s));
}

// Every result's line, sorted.
QStringList linesFound(const QString &path, const QString &query, bool *ok, QString *error)
{
    QStringList lines;
    const std::atomic<bool> never = false;
    *ok = WeekFind::inDatabase(
        path, TextMatch::Query(query), std::nullopt, never,
        [&lines](const QList<FindResult> &batch) {
            for (const FindResult &result : batch)
                lines.append(result.line);
        },
        error);
    [] { QCOMPARE(openDatabaseFiles(), QStringList()); }(); // the file let go
    lines.sort();
    return lines;
}

} // namespace

void TestFind::aWeekOfSeveralRowsIsFoundAsTheWindowShowsIt_data()
{
    QTest::addColumn<QStringList>("keys"); // in the order the rows were written
    QTest::addColumn<int>("shown");        // the row the window shows
    QTest::newRow("its own key after the earlier program's")
        << QStringList{u"12/06/2026"_s, u"2026-12-06"_s} << 1;
    QTest::newRow("its own key before a converter's")
        << QStringList{u"2026-12-06"_s, u"2026-12-06 00:00:00"_s} << 0;
    QTest::newRow("its own key twice: the oldest")
        << QStringList{u"2026-12-06"_s, u"2026-12-06"_s} << 0;
    QTest::newRow("other keys only: the oldest")
        << QStringList{u"2026-12-06T00:00:00"_s, u"12/06/2026"_s, u"12/06/2026"_s} << 0;
    QTest::newRow("other keys, then its own")
        << QStringList{u"12/06/2026"_s, u"12/06/2026"_s, u"2026-12-06"_s, u"2026-12-06"_s} << 2;
}

// Where other tools left a week under several rows, find looks only in the one the window shows,
// so that a result never names a week that does not hold it.
void TestFind::aWeekOfSeveralRowsIsFoundAsTheWindowShowsIt()
{
    QFETCH(QStringList, keys);
    QFETCH(int, shown);
    QTemporaryDir folder;
    const QString path = folder.filePath(u"dbCalendar.mdb"_s);
    QVERIFY(createEmptyCalendarDatabase(path));
    {
        OtherConnection other(path);
        for (int row = 0; row < keys.size(); ++row)
            QVERIFY(other.exec(u"INSERT INTO tblCalendar VALUES (?, ?)"_s,
                               {keys[row], QString::fromUtf8(onSunday(u"row %1"_s.arg(row)))}));
        QVERIFY(other.exec(u"INSERT INTO tblCalendar VALUES ('2026-11-29', ?)"_s,
                           {QString::fromUtf8(onSunday(u"row of another week"_s))}));
    }
    bool ok = false;
    QString error;
    QCOMPARE(linesFound(path, u"row"_s, &ok, &error),
             (QStringList{u"row %1"_s.arg(shown), u"row of another week"_s}));
    QVERIFY2(ok, qPrintable(error));
}

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
    QTest::newRow("words after a phrase, in any order")
        << u"\"at 9\" ann dentist"_s << u"dentist at 9 with Ann"_s << true;
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
    texts[5] = u"shopping\nStraße 5, then the DENTIST"_s;
    const QList<FindResult> results =
        WeekFind::inWeek(TextMatch::Query(u"dentist strasse"_s), QDate(2026, 12, 6), texts);
    QCOMPARE(results.size(), 1);
    QCOMPARE(results[0].box, 5);
    QCOMPARE(results[0].line, u"Straße 5, then the DENTIST"_s);
    QCOMPARE(results[0].match, (TextMatch::Span{9, 6})); // "Straße", the earliest
    QCOMPARE(results[0].inLine,
             (QList<TextMatch::Span>{{0, 6}, {19, 7}})); // "Straße" and "DENTIST" in the line
}

void TestFind::resultsNewestFirst_data()
{
    // The order the results are sorted and merged in, a strict one: a place is never before
    // itself.
    QTest::addColumn<int>("weekA");
    QTest::addColumn<int>("boxA");
    QTest::addColumn<int>("weekB");
    QTest::addColumn<int>("boxB");
    QTest::addColumn<bool>("aFirst");
    QTest::newRow("a newer week") << 2 << 7 << 1 << 0 << true;
    QTest::newRow("an older week") << 1 << 0 << 2 << 7 << false;
    QTest::newRow("an earlier box") << 1 << 3 << 1 << 4 << true;
    QTest::newRow("a later box") << 1 << 4 << 1 << 3 << false;
    QTest::newRow("the same place") << 1 << 3 << 1 << 3 << false;
}

void TestFind::resultsNewestFirst()
{
    QFETCH(int, weekA);
    QFETCH(int, boxA);
    QFETCH(int, weekB);
    QFETCH(int, boxB);
    QFETCH(bool, aFirst);
    const QDate sunday(2026, 1, 4);
    const FindResult a{sunday.addDays(7 * weekA), boxA, {}, {}, {}};
    const FindResult b{sunday.addDays(7 * weekB), boxB, {}, {}, {}};
    QCOMPARE(WeekFind::newerFirst(a, b), aFirst);
}

void TestFind::theMatchSpansWhatWasWritten_data()
{
    // Where the query ends inside a character that folds to several, the whole character is in
    // the match: a selection never cuts one in two.
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<TextMatch::Span>>("spans");
    QTest::newRow("ending inside ß") << u"stras"_s << u"Straße"_s << QList<TextMatch::Span>{{0, 5}};
    QTest::newRow("the whole ß") << u"strasse"_s << u"Hauptstraße 5"_s
                                 << QList<TextMatch::Span>{{5, 6}};
    QTest::newRow("starting inside ß") << u"se"_s << u"Maße"_s << QList<TextMatch::Span>{{2, 2}};
    QTest::newRow("inside a ligature")
        << u"f"_s << u"o\ufb03ce"_s << QList<TextMatch::Span>{{1, 1}};
    QTest::newRow("a letter and its accent")
        << u"cafe"_s << u"cafe\u0301 au lait"_s << QList<TextMatch::Span>{{0, 5}};
    QTest::newRow("an emoji, two UTF-16 units")
        << u"🎂"_s << u"Ann's 🎂!"_s << QList<TextMatch::Span>{{6, 2}};
    QTest::newRow("a phrase over a line break")
        << u"\"dentist at\""_s << u"the dentist\r\nat 9"_s << QList<TextMatch::Span>{{4, 11}};
    QTest::newRow("after a text that unfolds to three times its length")
        << u"x"_s << u"\ufb03"_s.repeated(20) + u"x"_s << QList<TextMatch::Span>{{20, 1}};
    QTest::newRow("words, the earliest first")
        << u"ann cafe"_s << u"Café with Ann"_s << QList<TextMatch::Span>{{0, 4}, {10, 3}};
}

void TestFind::theMatchSpansWhatWasWritten()
{
    QFETCH(QString, query);
    QFETCH(QString, text);
    QFETCH(QList<TextMatch::Span>, spans);
    QList<TextMatch::Span> found;
    QVERIFY(TextMatch::Query(query).matches(text, &found));
    QCOMPARE(found, spans);
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

void TestFind::findsEveryKindOfCharacterInTheStore_data()
{
    // Through the stored bytes' quick rule-out: characters of two, three and four UTF-8 bytes,
    // ASCII right after them and after bytes that are no UTF-8, and white space of every kind.
    QTest::addColumn<QString>("query");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("two bytes, accent aside") << u"CAFE"_s << QStringList{u"Café au lait"_s};
    QTest::newRow("two bytes, ß") << u"strasse"_s << QStringList{u"Hauptstraße 5"_s};
    QTest::newRow("two bytes, Cyrillic") << u"москва"_s << QStringList{u"МОСКВА"_s};
    QTest::newRow("three bytes, €") << u"€"_s << QStringList{u"Lunch €20"_s};
    QTest::newRow("ASCII after three bytes") << u"20"_s << QStringList{u"Lunch €20"_s};
    QTest::newRow("three bytes, CJK") << u"会议"_s << QStringList{u"会议 at 9"_s};
    QTest::newRow("three bytes, fullwidth") << u"abc"_s << QStringList{u"ＡＢＣ corp"_s};
    QTest::newRow("three bytes, a ligature") << u"office"_s << QStringList{u"the o\ufb03ce"_s};
    QTest::newRow("four bytes") << u"🎂"_s << QStringList{u"Ann's 🎂"_s};
    QTest::newRow("four bytes, an icon font's")
        << u"\U000F0001"_s << QStringList{u"\U000F0001 gym"_s};
    QTest::newRow("ASCII after a stray byte") << u"stray"_s << QStringList{u"\ufffdstray byte"_s};
    QTest::newRow("white space in phrases")
        << u"\"dentist at\" \"vet at\""_s << QStringList{u"the dentist\u00a0 at 9, the  vet"_s};
    QTest::newRow("a record short of boxes") << u"short"_s << QStringList{u"short record"_s};
    QTest::newRow("nowhere") << u"会议 cafe"_s << QStringList{};
    QTest::newRow("an empty query, no error") << u" \"\" "_s << QStringList{};
}

void TestFind::findsEveryKindOfCharacterInTheStore()
{
    QFETCH(QString, query);
    QFETCH(QStringList, lines);
    QTemporaryDir folder;
    const QString path = databasePath(folder.path());
    QByteArrayList records;
    for (const QString &text :
         {u"Café au lait"_s, u"Hauptstraße 5"_s, u"МОСКВА"_s, u"Lunch €20"_s, u"会议 at 9"_s,
          u"ＡＢＣ corp"_s, u"the o\ufb03ce"_s, u"Ann's 🎂"_s, u"\U000F0001 gym"_s,
          u"the dentist\u00a0 at 9, the  vet\r\nat 10"_s})
        records.append(onSunday(text));
    records.append("\xff" + onSunday(u"stray byte"_s));
    records.append("short record" + WeekDataSeparator.toUtf8());
    storeWeeks(path, records);
    bool ok = false;
    QString error;
    QCOMPARE(linesFound(path, query, &ok, &error), lines);
    QVERIFY2(ok, qPrintable(error));
}

void TestFind::aWeekIsRuledOutByItsBytesOnlyWhereItCannotMatch_data()
{
    // Weeks are ruled out by their stored bytes before any folding: a term's letters may stand
    // there only through characters that fold to them, alone or next to plain ones.
    QTest::addColumn<QString>("query");
    QTest::addColumn<QByteArray>("stored"); // Sunday's box of the week of 2026-12-06
    QTest::addColumn<QString>("typed");     // that week shown with this unsaved; null: not shown
    QTest::addColumn<QStringList>("lines");
    const auto row = [](const char *name, const QString &query, const QByteArray &stored,
                        const QStringList &lines, const QString &typed = {}) {
        QTest::newRow(name) << query << stored << typed << lines;
    };
    row("capitals", u"dentist"_s, "DeNTIST at 9", {u"DeNTIST at 9"_s});
    row("accented capitals", u"ecole"_s, "\xc3\x89" "COLE", {u"ÉCOLE"_s});
    row("accents amid plain letters", u"resume"_s, "R\xc3\xa9sum\xc3\xa9", {u"Résumé"_s});
    row("a combining accent between letters", u"cafes"_s, "cafe\xcc\x81s", {u"cafe\u0301s"_s});
    row("ß as ss", u"strasse"_s, "Stra\xc3\x9f" "e", {u"Straße"_s});
    row("the second s of ß", u"se"_s, "Ma\xc3\x9f" "e", {u"Maße"_s});
    row("a ligature", u"file"_s, "\xef\xac\x81le", {u"\ufb01le"_s});
    row("fullwidth beside plain", u"abcd"_s, "\xef\xbc\xa1\xef\xbc\xa2" "cd", {u"ＡＢcd"_s});
    row("the Kelvin sign", u"5kg"_s, "5\xe2\x84\xaag", {u"5\u212Ag"_s});
    row("a mathematical letter", u"dentist"_s, "\xf0\x9d\x90\x9d" "entist",
        {u"\U0001D41Dentist"_s});
    row("a letter after a stray lead byte", u"dentist"_s, "\xc3" "dentist", {u"\ufffddentist"_s});
    row("a phrase over a line break", u"\"dentist at\""_s, "Dentist\r\nat 9", {u"Dentist"_s});
    row("a phrase over a no-break space", u"\"dentist at\""_s, "Dentist\xc2\xa0" "at 9",
        {u"Dentist\u00a0at 9"_s});
    row("circled digits", u"12"_s, "\xe2\x91\xa0\xe2\x91\xa1", {u"①②"_s});
    // The bytes read as the box reads them: the first and last characters of each length, and
    // what is no UTF-8 as one U+FFFD a byte.
    row("the ends of each length", u"\u0080\u07ff\u0800\ud7ff\ue000\U00010000\U0010FFFF"_s,
        "\xc2\x80\xdf\xbf\xe0\xa0\x80\xed\x9f\xbf\xee\x80\x80\xf0\x90\x80\x80\xf4\x8f\xbf\xbf",
        {u"\u0080\u07ff\u0800\ud7ff\ue000\U00010000\U0010FFFF"_s});
    row("no UTF-8", u"a\ufffd\ufffdb\ufffd\ufffd\ufffdc\ufffd\ufffd\ufffd\ufffdd"_s,
        "a\xc1\x81" "b\xed\xa0\x80" "c\xf4\x90\x80\x80" "d",
        {u"a\ufffd\ufffdb\ufffd\ufffd\ufffdc\ufffd\ufffd\ufffd\ufffdd"_s});
    row("letters after cut sequences", u"\ufffd\ufffddentist \ufffd\ufffd\ufffdat"_s,
        "\xe2\x82" "dentist \xf0\x9f\x8e" "at",
        {u"\ufffd\ufffddentist \ufffd\ufffd\ufffdat"_s});
    row("a quoted term with ß", u"\"Straße 5\""_s, "STRASSE 5", {u"STRASSE 5"_s});
    row("a term without ASCII beside one", u"москва cafe"_s,
        "\xd0\x9c\xd0\x9e\xd0\xa1\xd0\x9a\xd0\x92\xd0\x90 CAF\xc3\x89", {u"МОСКВА CAFÉ"_s});
    row("a letter that folds to another", u"dentist"_s, "dent\xc3\xbcst", {});
    row("the letters apart", u"dentist"_s, "dent ist, D\xc3\xb8ntist", {});
    row("one term of two missing", u"dentist cafe"_s, "the dentist", {});
    row("the shown week's unsaved text", u"dentist"_s, "nothing yet", {u"DENTIST at 9"_s},
        u"DENTIST at 9"_s);
    row("the shown week's stored copy", u"dentist"_s, "dentist", {}, u""_s);
}

void TestFind::aWeekIsRuledOutByItsBytesOnlyWhereItCannotMatch()
{
    QFETCH(QString, query);
    QFETCH(QByteArray, stored);
    QFETCH(QString, typed);
    QFETCH(QStringList, lines);
    QTemporaryDir folder;
    const QString path = databasePath(folder.path());
    QVERIFY(createEmptyCalendarDatabase(path));
    {
        OtherConnection other(path);
        QVERIFY(other.exec(u"INSERT INTO tblCalendar VALUES ('2026-12-06', CAST(? AS TEXT))"_s,
                           {stored + WeekDataSeparator.repeated(8).toUtf8()}));
    }
    std::optional<ShownWeek> shown;
    if (!typed.isNull()) {
        shown = ShownWeek{QDate(2026, 12, 6), {}};
        shown->texts[0] = typed;
    }
    const std::atomic<bool> never = false;
    QStringList found;
    QString error;
    QVERIFY2(WeekFind::inDatabase(
                 path, TextMatch::Query(query), shown, never,
                 [&found](const QList<FindResult> &batch) {
                     for (const FindResult &result : batch)
                         found.append(result.line);
                 },
                 &error),
             qPrintable(error));
    QCOMPARE(found, lines);
}

void TestFind::theBytesRuleOutWhatCannotMatch_data()
{
    // What the quick look at a week's bytes decides: a week is passed on wherever a term could
    // be in its folding, and ruled out wherever none can, the point of the look.
    QTest::addColumn<QString>("query");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("mayMatch");
    const QByteArray far = QByteArray("x").repeated(70); // past the scan's blocks of 32
    QTest::newRow("a word nowhere") << u"dentist"_s << far + "dent ist" + far << false;
    QTest::newRow("a word as written") << u"dentist"_s << "the dentist" + far << true;
    QTest::newRow("a word after blocks") << u"dentist"_s << far + "dentist at" << true;
    QTest::newRow("a word that ends the text") << u"dentist"_s << far + "DENTIST" << true;
    QTest::newRow("a word longer than the text") << u"dentist"_s << QByteArray("dentis") << false;
    QTest::newRow("one letter") << u"x"_s << QByteArray("X") << true;
    QTest::newRow("one letter nowhere") << u"q"_s << far + "abc" << false;
    QTest::newRow("every word") << u"dentist cafe"_s << "the dentist" + far << false;
    QTest::newRow("a phrase's words apart") << u"\"dentist at\""_s << "dentist\nat" + far << true;
    QTest::newRow("a phrase's word missing") << u"\"dentist at\""_s << "dentist" + far << false;
    QTest::newRow("through accents") << u"resume"_s << far + "R\xc3\x89SUM\xc3\x89" << true;
    QTest::newRow("accents that fold elsewhere")
        << u"dentist"_s << "dent\xc3\xbcst D\xc3\xb8ntist" + far << false;
    QTest::newRow("an accent in too short a word")
        << u"cafeteria"_s << "caf\xc3\xa9 teria \xc3\xa9" + far << false;
    QTest::newRow("an accent amid the word") << u"cafeteria"_s << "caf\xc3\xa9teria" + far << true;
    QTest::newRow("a combining accent amid the word")
        << u"cafes"_s << far + "cafe\xcc\x81s" << true;
    QTest::newRow("a stray byte amid the word") << u"dentist"_s << "den\xfftist" + far << false;
    QTest::newRow("a sign amid the word") << u"ab"_s << "a\xe2\x82\xac" "b" + far << false;
    QTest::newRow("fullwidth amid the word")
        << u"abcd"_s << far + "\xef\xbc\xa1\xef\xbc\xa2" "cd" << true;
    QTest::newRow("circled digits") << u"12"_s << "\xe2\x91\xa0\xe2\x91\xa1" + far << true;
    QTest::newRow("a word without ASCII") << u"москва"_s << QByteArray("nothing") << true;
}

void TestFind::theBytesRuleOutWhatCannotMatch()
{
    QFETCH(QString, query);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, mayMatch);
    const TextMatch::Query parsed(query);
    std::string scratch;
    QCOMPARE(TextMatch::ByteRuleOut(parsed).mayMatch(bytes.toStdString(), scratch), mayMatch);
    if (!mayMatch)
        QVERIFY(!parsed.matches(QString::fromUtf8(bytes))); // ruled out, never a match
}

void TestFind::aCancelledSearchStopsAtOnce_data()
{
    QTest::addColumn<bool>("cancelledBefore");
    QTest::addColumn<int>("batches");
    QTest::newRow("cancelled before it starts") << true << 0;
    QTest::newRow("cancelled as its first results come") << false << 1;
}

void TestFind::aCancelledSearchStopsAtOnce()
{
    // Every week matches: a search that went on would bring more batches.
    QFETCH(bool, cancelledBefore);
    QFETCH(int, batches);
    QTemporaryDir folder;
    const QString path = databasePath(folder.path());
    storeWeeks(path, QByteArrayList(300, onSunday(u"apple pie"_s)));
    std::atomic<bool> cancelled = cancelledBefore;
    int delivered = 0;
    qsizetype results = 0;
    QString error;
    QVERIFY(WeekFind::inDatabase(
        path, TextMatch::Query(u"apple"_s), std::nullopt, cancelled,
        [&](const QList<FindResult> &batch) {
            ++delivered;
            results += batch.size();
            cancelled = true;
        },
        &error));
    QCOMPARE(delivered, batches);
    QCOMPARE(results, batches); // the first week alone
}

void TestFind::aFileThatCannotBeReadIsAnError_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("no file") << u"none"_s;
    QTest::newRow("not a database") << u"text"_s;
    QTest::newRow("damaged after its first weeks") << u"damaged"_s;
}

void TestFind::aFileThatCannotBeReadIsAnError()
{
    // Results before the damage may come, but the search must not pass for a whole one.
    QFETCH(QString, kind);
    QTemporaryDir folder;
    const QString path = databasePath(folder.path());
    if (kind == u"text") {
        QFile text(path);
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write(QByteArray("apple pie\n").repeated(1000));
    } else if (kind == u"damaged") {
        storeWeeks(path, QByteArrayList(300, onSunday(u"apple "_s.repeated(500))));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        const QByteArray header = file.read(18); // the page size at 16, big-endian
        const qint64 pageSize = qFromBigEndian<quint16>(header.constData() + 16);
        const qint64 pages = file.size() / pageSize;
        // Three pages two thirds in: the newest weeks are read first, then the damage.
        QVERIFY(file.seek(pages * 2 / 3 * pageSize));
        file.write(QByteArray("\x0d\xff").repeated(pageSize / 2 * 3));
    }
    bool ok = true;
    QString error;
    linesFound(path, u"apple"_s, &ok, &error);
    QVERIFY(!ok);
    QVERIFY(!error.isEmpty());
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

void TestFind::aSearchStopsWhenReplacedOrCancelled_data()
{
    QTest::addColumn<bool>("replaced");
    QTest::newRow("replaced by a new search") << true;
    QTest::newRow("cancelled") << false;
}

void TestFind::aSearchStopsWhenReplacedOrCancelled()
{
    // The first search finds something, then goes on until it is told to stop, as a search of a
    // big store would: it stops before the next one starts, and what it found never arrives.
    QFETCH(bool, replaced);
    std::binary_semaphore underWay{0};
    std::atomic<bool> stopped = false;
    WeekSearch search(u"unused"_s, nullptr,
                      [&](const QString &, const TextMatch::Query &query,
                          const std::optional<ShownWeek> &, const std::atomic<bool> &cancelled,
                          const std::function<void(QList<FindResult>)> &found, QString *) {
                          if (cancelled)
                              return true; // a search never begun
                          found({FindResult{QDate(2026, 1, 4), 0, {}, query.terms().first(), {}}});
                          if (query.terms().first() == u"apple") {
                              underWay.release();
                              while (!cancelled)
                                  std::this_thread::yield();
                              stopped = true;
                          }
                          return true;
                      });
    QSignalSpy found(&search, &WeekSearch::found);
    QSignalSpy finished(&search, &WeekSearch::finished);
    search.start(u"apple"_s, std::nullopt);
    underWay.acquire();
    if (replaced) {
        const int second = search.start(u"pear"_s, std::nullopt);
        QVERIFY(stopped);
        QTRY_COMPARE(finished.size(), 1);
        QCOMPARE(finished[0][0].toInt(), second);
        QCOMPARE(found.size(), 1);
        QCOMPARE(found[0][0].toInt(), second);
        QCOMPARE(found[0][1].value<QList<FindResult>>().value(0).line, u"pear"_s);
    } else {
        search.cancel();
        QVERIFY(stopped);
        QCoreApplication::sendPostedEvents(&search); // all it posted before it stopped
        QVERIFY(found.isEmpty());
        QVERIFY(finished.isEmpty());
    }
}

QTEST_GUILESS_MAIN(TestFind)
#include "tst_find.moc"
