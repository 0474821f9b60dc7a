// What sync reads from a CalDAV server and writes to one: journal entries as iCalendar, and the
// server's multistatus answers however they arrive.
#include "sync/journal_entry.h"
#include "sync/multistatus.h"

#include <QTest>
#include <QTimeZone>

using namespace Qt::StringLiterals;

namespace {

const QByteArray kUid = "UID:u1\r\n"_ba;
const QByteArray kDay = "DTSTART;VALUE=DATE:20260105\r\n"_ba;

QByteArray calendar(const QByteArray &body)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//T//T//EN\r\n"_ba + body +
           "END:VCALENDAR\r\n"_ba;
}

QByteArray journal(const QByteArray &properties)
{
    return "BEGIN:VJOURNAL\r\n"_ba + properties + "END:VJOURNAL\r\n"_ba;
}

// A time zone of one fixed offset: enough to tell a wall-clock day from a UTC one.
QByteArray zone(const QByteArray &id, const QByteArray &offset)
{
    return "BEGIN:VTIMEZONE\r\nTZID:"_ba + id + "\r\nBEGIN:STANDARD\r\nDTSTART:19700101T000000\r\n"
           "TZOFFSETFROM:"_ba + offset + "\r\nTZOFFSETTO:"_ba + offset +
           "\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n"_ba;
}

// The text escaped as RFC 5545 has it, written here by hand to check libical's writing.
QByteArray escaped(const QString &text)
{
    QByteArray out;
    for (const char c : text.toUtf8()) {
        if (c == '\\' || c == ';' || c == ',')
            out += '\\';
        out += c == '\n' ? "\\n"_ba : QByteArray(1, c);
    }
    return out;
}

// What a reader read, a line for each response and its sync-token last: compared whole.
QStringList described(const QList<DavResponse> &responses)
{
    QStringList lines;
    for (const DavResponse &r : responses) {
        lines.append(u"%1 %2 %3 [%4] %5%6 %7 %8 %9 %10"_s.arg(r.href).arg(r.status)
                         .arg(QString::fromUtf8(r.etag), QString::fromUtf8(r.calendarData))
                         .arg(r.isCollection ? u"collection"_s : QString())
                         .arg(r.isCalendar ? u"+calendar"_s : QString())
                         .arg(r.components.join(u','), r.displayName, r.principalHref,
                              r.calendarHomeHref));
    }
    return lines;
}

// The answer fed in pieces of `piece` bytes, its responses taken as they come.
QStringList readInPieces(const QByteArray &answer, qsizetype piece, MultistatusReader &reader)
{
    QStringList read;
    for (qsizetype at = 0; at < answer.size(); at += piece) {
        reader.addData(QByteArrayView(answer).sliced(at, qMin(piece, answer.size() - at)));
        read += described(reader.takeResponses());
    }
    return read << reader.syncToken();
}

const QByteArray kReport = R"(<?xml version="1.0" encoding="utf-8"?>
<d:multistatus xmlns:d="DAV:" xmlns:cal="urn:ietf:params:xml:ns:caldav">
 <d:response>
  <d:href> /cal/a%20b.ics </d:href>
  <d:propstat><d:prop><d:getetag>"e1"</d:getetag><cal:calendar-data>BEGIN:VCALENDAR&#13;
DESCRIPTION:Grüße 😀 &lt;&amp;&gt;&#13;
END:VCALENDAR&#13;
</cal:calendar-data></d:prop><d:status>HTTP/1.1 200 OK</d:status></d:propstat>
  <d:propstat><d:prop><d:displayname>absent</d:displayname></d:prop>
   <d:status>HTTP/1.1 404 Not Found</d:status></d:propstat>
 </d:response>
 <d:response><d:href>/cal/old.ics</d:href><d:status>HTTP/1.1 404 Not Found</d:status></d:response>
 <d:sync-token>http://example.com/sync/42</d:sync-token>
</d:multistatus>
<!-- served by a test -->
)"_ba;

// A PROPFIND answer of discovery, its prefixes and namespace declarations filled in.
QByteArray discovery(const QString &d, const QString &c, const QString &ns)
{
    return uR"(<{d}multistatus {ns}><{d}response><{d}href>/calendars/u/</{d}href>
<{d}propstat><{d}prop><{d}resourcetype><{d}collection/><{c}calendar/></{d}resourcetype>
<{c}supported-calendar-component-set><{c}comp name="VEVENT"/><{c}comp name="VJOURNAL"/>
</{c}supported-calendar-component-set><{d}displayname>Week book</{d}displayname>
<{d}current-user-principal><{d}href>/principals/u/</{d}href></{d}current-user-principal>
<{c}calendar-home-set><{d}href>/calendars/</{d}href><{d}href>/other/</{d}href></{c}calendar-home-set>
</{d}prop><{d}status>HTTP/1.1 200 OK</{d}status></{d}propstat></{d}response></{d}multistatus>)"_s
        .replace(u"{d}"_s, d).replace(u"{c}"_s, c).replace(u"{ns}"_s, ns).toUtf8();
}

} // namespace

class TestSyncEntries : public QObject
{
    Q_OBJECT
private slots:
    void roundTrip_data();
    void roundTrip();
    void builtResource();
    void summary_data();
    void summary();
    void reading_data();
    void reading();
    void answers_data();
    void answers();
    void errors_data();
    void errors();
};

void TestSyncEntries::roundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected"); // null: the text itself

    QTest::newRow("escapes") << u"a\\b;c,d:e\"f"_s << QString();
    QTest::newRow("backslash n, literally") << u"C:\\new\\n \\N ends \\"_s << QString();
    QTest::newRow("emoji and marks") << u"😀 café e\u0301 👩‍👩‍👧 日本語"_s << QString();
    for (int offset = 0; offset < 4; ++offset) { // every place a character can meet the fold
        QTest::addRow("multi-byte characters after %d", offset)
            << u"x"_s.repeated(offset) + u"😀é€"_s.repeated(40) << QString();
    }
    QTest::newRow("long line, no spaces") << u"a"_s.repeated(400) << QString();
    QTest::newRow("long line of words") << u"word; "_s.repeated(60) << QString();
    QTest::newRow("empty") << u""_s << QString();
    QTest::newRow("empty lines, breaks at both ends") << u"\n\nfirst\n\n\nlast\n\n"_s << QString();
    QTest::newRow("CR LF and lone CR") << u"a\r\nb\rc\r\r"_s << u"a\nb\nc\n\n"_s;
    QTest::newRow("spaces and tabs at both ends") << u"  indented\n\ttoo \t"_s << QString();
    QTest::newRow("only spaces") << u"   "_s << QString();
}

void TestSyncEntries::roundTrip()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    if (expected.isNull())
        expected = text;
    const QDateTime stamp(QDate(2026, 1, 7), QTime(9, 30, 5), Qt::UTC);
    const QByteArray ics = JournalEntries::build(u"w-1@orvanta"_s, QDate(2026, 1, 5),
                                                 JournalEntries::summaryOf(text), text, stamp);
    QByteArray unfolded;
    for (qsizetype start = 0; start < ics.size();) {
        const qsizetype end = ics.indexOf("\r\n", start);
        QVERIFY2(end >= 0, "every line ends in CR LF");
        const QByteArray line = ics.sliced(start, end - start);
        QVERIFY2(line.size() <= 75 && !line.contains('\n') && !line.contains('\r'), line);
        const QByteArray content = line.startsWith(' ') ? line.sliced(1) : line;
        QVERIFY2(QString::fromUtf8(content).toUtf8() == content, "a character cut at a fold");
        unfolded += content + (ics.sliced(end + 2).startsWith(' ') ? ""_ba : "\n"_ba);
        start = end + 2;
    }
    QVERIFY(unfolded.split('\n').contains("DESCRIPTION:"_ba + escaped(expected)));

    const JournalEntries::Reading reading = JournalEntries::read(ics);
    QCOMPARE(reading.error, QString());
    QVERIFY(!reading.holdsOtherComponents);
    QCOMPARE(reading.journals.size(), 1);
    const JournalEntry &entry = reading.journals.first();
    QCOMPARE(entry.description, expected);
    QCOMPARE(entry.uid, u"w-1@orvanta"_s);
    QCOMPARE(entry.day, QDate(2026, 1, 5));
    QCOMPARE(entry.modified, stamp);
}

void TestSyncEntries::builtResource()
{
    const QDateTime stamp(QDate(2026, 1, 7), QTime(1, 30), Qt::OffsetFromUTC, 2 * 3600);
    const QByteArray ics =
        JournalEntries::build(u"a,b"_s, QDate(2026, 1, 5), u"Plan; day"_s, u"x"_s, stamp);
    QVERIFY(ics.startsWith("BEGIN:VCALENDAR\r\n") && ics.endsWith("END:VCALENDAR\r\n"));
    for (const QByteArray &line :
         {"VERSION:2.0"_ba, "PRODID:-//Orvanta//Orvanta weekly schedule//EN"_ba, "UID:a\\,b"_ba,
          "DTSTAMP:20260106T233000Z"_ba, "LAST-MODIFIED:20260106T233000Z"_ba,
          "DTSTART;VALUE=DATE:20260105"_ba, "SUMMARY:Plan\\; day"_ba})
        QVERIFY2(ics.contains("\r\n"_ba + line + "\r\n"_ba), line);
    QVERIFY(!JournalEntries::build(u"u"_s, QDate(2026, 1, 5), u""_s, u"x"_s, stamp)
                 .contains("SUMMARY"));
    for (const QDate day : {QDate(), QDate(3001, 1, 1)})
        QVERIFY(JournalEntries::build(u"u"_s, day, u""_s, u"x"_s, stamp).isEmpty());
}

void TestSyncEntries::summary_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("summary");

    QTest::newRow("only white space") << u" \n\t\r\n "_s << u""_s;
    QTest::newRow("first line holding anything") << u"\n \r\n  Dentist  \rmore"_s << u"Dentist"_s;
    QTest::newRow("60 characters") << u"x"_s.repeated(60) << u"x"_s.repeated(60);
    QTest::newRow("61 emoji") << u"😀"_s.repeated(61) << u"😀"_s.repeated(60) + u'…';
}

void TestSyncEntries::summary()
{
    QFETCH(QString, text);
    QFETCH(QString, summary);
    QCOMPARE(JournalEntries::summaryOf(text), summary);
}

void TestSyncEntries::reading_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("journals"); // uid, day, modified, [description]
    QTest::addColumn<bool>("others");
    QTest::addColumn<bool>("error");

    const auto row = [](const char *name, const QByteArray &body, const QString &journal,
                        bool others = false) {
        QTest::newRow(name) << calendar(body)
                            << (journal.isEmpty() ? QStringList() : QStringList{journal})
                            << others << false;
    };
    const QByteArray entry = journal(kUid + kDay);
    const QString read = u"u1 2026-01-05  []"_s;
    row("date, DTSTAMP alone", journal(kUid + kDay + "DTSTAMP:20260107T090000Z\r\n"),
        u"u1 2026-01-05 2026-01-07T09:00:00Z []"_s);
    row("LAST-MODIFIED before DTSTAMP",
        journal(kUid + kDay + "DTSTAMP:20260107T090000Z\r\nLAST-MODIFIED:20260106T080000Z\r\n"),
        u"u1 2026-01-05 2026-01-06T08:00:00Z []"_s);
    row("floating", journal(kUid + "DTSTART:20260105T233000\r\n"), read);
    row("UTC, late evening", journal(kUid + "DTSTART:20260105T235900Z\r\n"), read);
    row("Los Angeles 23:30, the next day in UTC",
        zone("America/Los_Angeles", "-0800") +
            journal(kUid + "DTSTART;TZID=America/Los_Angeles:20260105T233000\r\n"),
        read);
    row("Auckland 00:30, the day before in UTC",
        zone("Pacific/Auckland", "+1300") +
            journal(kUid + "DTSTART;TZID=Pacific/Auckland:20260106T003000\r\n"),
        u"u1 2026-01-06  []"_s);
    row("no such day", journal(kUid + "DTSTART;VALUE=DATE:20260230\r\n"), {});
    row("not a date", journal(kUid + "DTSTART:tomorrow\r\n"), {});
    row("no DTSTART", journal(kUid), {});
    row("empty UID", journal("UID:\r\n"_ba + kDay), {});
    // Descriptions as other programs write them.
    const auto described = [&](const QByteArray &description) {
        return journal(kUid + kDay + description);
    };
    row("folded with a tab", described("DESCRIPTION:ab\r\n\tcd\r\n"), u"u1 2026-01-05  [abcd]"_s);
    row("folded after a space", described("DESCRIPTION:ab \r\n cd \r\n"),
        u"u1 2026-01-05  [ab cd ]"_s);
    row("capital N, escaped CR LF", described("DESCRIPTION:a\\Nb\\r\\nc\r\n"),
        u"u1 2026-01-05  [a\nb\nc]"_s);
    row("a colon in a quoted parameter",
        described("DESCRIPTION;ALTREP=\"cid:x:y\";LANGUAGE=de:  Grüße \r\n"),
        u"u1 2026-01-05  [  Grüße ]"_s);
    QTest::newRow("LF line ends, entries' spaces apart")
        << calendar(described("DESCRIPTION: a\n") + journal("UID:2\nDTSTART:20260106\nDESCRIPTION:b \n"))
               .replace("\r\n", "\n")
        << QStringList{u"u1 2026-01-05  [ a]"_s, u"2 2026-01-06  [b ]"_s} << false << false;
    // What else a resource may hold.
    row("nothing", {}, {});
    row("an event", "BEGIN:VEVENT\r\nUID:e\r\nDTSTART:20260105T100000Z\r\nEND:VEVENT\r\n", {},
        true);
    row("a task and an entry", "BEGIN:VTODO\r\nUID:t\r\nEND:VTODO\r\n"_ba + entry, read, true);
    row("an entry and its time zone", zone("Europe/Berlin", "+0100") + entry, read);
    row("a component of someone's own", entry + "BEGIN:X-THING\r\nX-A:1\r\nEND:X-THING\r\n"_ba,
        read, true);
    row("an entry inside someone's own component",
        "BEGIN:X-THING\r\n"_ba + described("DESCRIPTION:x\r\n") + "END:X-THING\r\n"_ba, {}, true);
    // No iCalendar object at all.
    for (const auto &[name, bytes] : std::initializer_list<std::pair<const char *, QByteArray>>{
             {"empty", ""_ba}, {"words", "hello world"_ba},
             {"binary", "\x89PNG\r\n\x1a\n\xff\xfe"_ba}, {"an entry alone", entry},
             {"a NUL inside", calendar("X-A:a\0b\r\n"_ba + entry)},
             {"over 16 MB", calendar(QByteArray(16 * 1024 * 1024, ' ') + entry)}})
        QTest::newRow(name) << bytes << QStringList() << false << true;
}

void TestSyncEntries::reading()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, journals);
    QFETCH(bool, others);
    QFETCH(bool, error);
    const JournalEntries::Reading reading = JournalEntries::read(bytes);
    QStringList read;
    for (const JournalEntry &e : reading.journals) {
        read.append(u"%1 %2 %3 [%4]"_s.arg(e.uid, e.day.toString(Qt::ISODate),
                                           e.modified.toString(Qt::ISODate), e.description));
    }
    QCOMPARE(read, journals);
    QCOMPARE(reading.holdsOtherComponents, others);
    QCOMPARE(!reading.error.isEmpty(), error);
}

void TestSyncEntries::answers_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QStringList>("read"); // a line for each response, then the sync-token

    QTest::newRow("report") << kReport << QStringList{
        u"/cal/a%20b.ics 200 \"e1\" [BEGIN:VCALENDAR\r\nDESCRIPTION:Grüße 😀 <&>\r\n"
        u"END:VCALENDAR\r\n]     "_s, // not the 404 propstat's display name: there is none
        u"/cal/old.ics 404  []     "_s, u"http://example.com/sync/42"_s};
    const QString dav = u"\"DAV:\""_s;
    const QString calDav = u"\"urn:ietf:params:xml:ns:caldav\""_s;
    const QStringList found{u"/calendars/u/ 200  [] collection+calendar VEVENT,VJOURNAL "
                            u"Week book /principals/u/ /calendars/"_s, u""_s};
    QTest::newRow("D: and C:") << discovery(u"D:"_s, u"C:"_s,
                                            u"xmlns:D=%1 xmlns:C=%2"_s.arg(dav, calDav))
                               << found;
    QTest::newRow("other prefixes")
        << discovery(u"ns0:"_s, u"x:"_s, u"xmlns:ns0=%1 xmlns:x=%2"_s.arg(dav, calDav)) << found;
    QTest::newRow("DAV: the default")
        << discovery(u""_s, u"C:"_s, u"xmlns=%1 xmlns:C=%2"_s.arg(dav, calDav)) << found;
    QTest::newRow("CalDAV the default")
        << discovery(u"D:"_s, u""_s, u"xmlns:D=%1 xmlns=%2"_s.arg(dav, calDav)) << found;
    QTest::newRow("C: bound elsewhere")
        << discovery(u"D:"_s, u"C:"_s, u"xmlns:D=%1 xmlns:C=\"urn:example:other\""_s.arg(dav))
        << QStringList{u"/calendars/u/ 200  [] collection  Week book /principals/u/ "_s, u""_s};

    const auto propstat = [](const char *etag, const char *status) {
        return "<propstat><prop><getetag>"_ba + etag + "</getetag></prop><status>HTTP/1.1 "_ba +
               status + "</status></propstat>"_ba;
    };
    for (const auto &[name, propstats, status, etag] :
         std::initializer_list<std::tuple<const char *, QByteArray, int, const char *>>{
             {"gone", "<status>HTTP/1.1 404 Not Found</status>", 404, ""},
             {"200, then 404", propstat("a", "200 OK") + propstat("b", "404 Not Found"), 200, "a"},
             {"404, then 200", propstat("b", "404 Not Found") + propstat("a", "200 OK"), 200, "a"},
             {"403, then 500", propstat("b", "403 Forbidden") + propstat("c", "500 Oops"), 403, ""},
             {"no status", "", 0, ""},
             {"not a status line", propstat("b", "fine"), 0, ""}}) {
        QTest::newRow(name) << "<multistatus xmlns=\"DAV:\"><response><href>/a</href>"_ba +
                                   propstats + "</response></multistatus>"_ba
                            << QStringList{u"/a %1 %2 []     "_s.arg(status).arg(
                                               QLatin1StringView(etag)), u""_s};
    }
    // Each response by its own propstats, never the one before it.
    const QByteArray failing = propstat("b", "403 Forbidden") + propstat("c", "500 Oops");
    QTest::newRow("two responses, each by its own propstats")
        << "<multistatus xmlns=\"DAV:\"><response><href>/a</href>"_ba + failing +
               "</response><response><href>/b</href>"_ba + failing +
               "</response></multistatus>"_ba
        << QStringList{u"/a 403  []     "_s, u"/b 403  []     "_s, u""_s};
}

void TestSyncEntries::answers()
{
    QFETCH(QByteArray, answer);
    QFETCH(QStringList, read);
    for (const qsizetype piece : {answer.size(), qsizetype(1), qsizetype(7)}) {
        MultistatusReader reader;
        QCOMPARE(readInPieces(answer, piece, reader), read);
        QVERIFY(reader.finished());
        QCOMPARE(reader.error(), QString());
    }
    // Cut off anywhere before its end, an answer is not finished, and nothing is wrong yet.
    const qsizetype end = answer.lastIndexOf("multistatus>") + 12;
    for (qsizetype cut = 0; cut < answer.size(); ++cut) {
        MultistatusReader reader;
        reader.addData(answer.first(cut));
        QVERIFY2(reader.error().isEmpty(), qPrintable(reader.error()));
        QCOMPARE(reader.finished(), cut >= end);
        QStringList responses = described(reader.takeResponses());
        reader.addData(answer.sliced(cut));
        QCOMPARE(responses + described(reader.takeResponses()) << reader.syncToken(), read);
    }
}

void TestSyncEntries::errors_data()
{
    QTest::addColumn<QByteArray>("answer");

    QTest::newRow("tags that do not match") << "<multistatus xmlns=\"DAV:\"></response>"_ba;
    QTest::newRow("another root") << "<D:propfind xmlns:D=\"DAV:\"/>"_ba;
    QTest::newRow("multistatus of another namespace") << "<multistatus xmlns=\"urn:x\"/>"_ba;
    QTest::newRow("a prefix never declared") << "<D:multistatus/>"_ba;
    QTest::newRow("a response without an href")
        << "<multistatus xmlns=\"DAV:\"><response><status>HTTP/1.1 200 OK</status></response>"_ba;
    QTest::newRow("text after the end") << "<multistatus xmlns=\"DAV:\"/>\n<p>more</p>"_ba;
    QTest::newRow("not XML") << "HTTP/1.1 500 Internal Server Error"_ba;
    QTest::newRow("not UTF-8") << "<multistatus xmlns=\"DAV:\"><response><href>/\xef\x30</href>"_ba;
    QTest::newRow("a value over 16 MB")
        << "<multistatus xmlns=\"DAV:\"><response><href>/a</href><propstat><prop><c:calendar-data "
           "xmlns:c=\"urn:ietf:params:xml:ns:caldav\">"_ba +
               QByteArray(16 * 1024 * 1024 + 1, 'x') + "</c:calendar-data></prop>"_ba;
}

void TestSyncEntries::errors()
{
    QFETCH(QByteArray, answer);
    // Cut in two anywhere (a long answer in a few places only), and whole.
    const qsizetype step = answer.size() < 1024 ? 1 : answer.size() / 4;
    for (qsizetype cut = 0; cut <= answer.size(); cut += step) {
        MultistatusReader reader;
        reader.addData(answer.first(cut));
        reader.addData(answer.sliced(cut));
        QVERIFY2(!reader.error().isEmpty(), qPrintable(QString::number(cut)));
        QVERIFY(reader.takeResponses().isEmpty());
    }
}

QTEST_GUILESS_MAIN(TestSyncEntries)
#include "tst_sync_entries.moc"
