// How a box changed here and on the server comes together, and how sync names its entries.
#include "sync/caldav_requests.h"
#include "sync/merge.h"
#include "sync/sync_state.h"

#include <QTemporaryDir>
#include <QTest>

using std::optional;

class TestSyncMerge : public QObject
{
    Q_OBJECT

private:
    const QDateTime m_when{QDate(2026, 12, 8), QTime(14, 2), Qt::UTC};
    QString line() const { return SyncMerge::conflictLine(m_when); }

private slots:
    void conflictLineIsTheDaysOwn()
    {
        QCOMPARE(line(), QStringLiteral("— changed on another device (2026-12-08 14:02) —"));
    }

    void merge_data()
    {
        QTest::addColumn<optional<QString>>("base");
        QTest::addColumn<QString>("here");
        QTest::addColumn<QString>("there");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("conflict");
        const QString both = QStringLiteral("mine\n") + line() + QStringLiteral("\ntheirs");
        const optional<QString> none;
        const optional<QString> base = QStringLiteral("base");
        QTest::newRow("nothing changed") << base << "base" << "base" << "base" << false;
        QTest::newRow("changed here only") << base << "mine" << "base" << "mine" << false;
        QTest::newRow("changed there only") << base << "base" << "theirs" << "theirs" << false;
        QTest::newRow("same change both sides") << base << "same" << "same" << "same" << false;
        QTest::newRow("both changed") << base << "mine" << "theirs" << both << true;
        QTest::newRow("never synced, both hold text") << none << "mine" << "theirs" << both << true;
        QTest::newRow("never synced, only here") << none << "mine" << "" << "mine" << false;
        QTest::newRow("never synced, only there") << none << "" << "theirs" << "theirs" << false;
        QTest::newRow("emptied here, unchanged there") << base << "" << "base" << "" << false;
        QTest::newRow("deleted there, unchanged here") << base << "base" << "" << "" << false;
        QTest::newRow("edit here wins over delete there") << base << "mine" << "" << "mine" << false;
        QTest::newRow("edit there wins over delete here") << base << "" << "theirs" << "theirs"
                                                         << false;
        QTest::newRow("merged here before, not yet sent") << base << both << "theirs" << both
                                                         << false;
        QTest::newRow("merged there before, by the other device")
            << base << "theirs" << both << both << false;
        QTest::newRow("an older merge's line is no shortcut for a new text")
            << base << QStringLiteral("mine\n") + line() + QStringLiteral("\nold") << "new"
            << QStringLiteral("mine\n") + line() + QStringLiteral("\nold\n") + line() +
                   QStringLiteral("\nnew")
            << true;
        QTest::newRow("a text that merely ends alike is merged")
            << base << "my theirs" << "theirs"
            << QStringLiteral("my theirs\n") + line() + QStringLiteral("\ntheirs") << true;
        QTest::newRow("a line elsewhere in a text that ends alike is no merge of it")
            << base << QStringLiteral("a\n") + line() + QStringLiteral("\nb and theirs")
            << "theirs"
            << QStringLiteral("a\n") + line() + QStringLiteral("\nb and theirs\n") + line() +
                   QStringLiteral("\ntheirs")
            << true;
        QTest::newRow("empty base is a base") << optional<QString>(QString()) << "mine" << ""
                                              << "mine" << false;
    }

    void merge()
    {
        QFETCH(optional<QString>, base);
        QFETCH(QString, here);
        QFETCH(QString, there);
        QFETCH(QString, expected);
        QFETCH(bool, conflict);
        const SyncMerge::Result result = SyncMerge::merge(base, here, there, m_when);
        QCOMPARE(result.text, expected);
        QCOMPARE(result.conflict, conflict);
        // Merging the result with either side again changes nothing: a sync cut short and
        // run again never doubles a text.
        QCOMPARE(SyncMerge::merge(base, result.text, there, m_when).text, expected);
        QCOMPARE(SyncMerge::merge(base, here, result.text, m_when).text, expected);
    }

    void lineBreaksBecomeLf()
    {
        QCOMPARE(SyncMerge::withLfBreaks(QStringLiteral("a\r\nb\rc\nd\r\n\r\n")),
                 QStringLiteral("a\nb\nc\nd\n\n"));
    }

    void uids_data()
    {
        QTest::addColumn<QString>("uid");
        QTest::addColumn<QDate>("week");
        QTest::addColumn<int>("box");
        QTest::newRow("Sunday") << "20261206-1@orvanta" << QDate(2026, 12, 6) << 0;
        QTest::newRow("Saturday") << "20261206-7@orvanta" << QDate(2026, 12, 6) << 6;
        QTest::newRow("notes") << "20261206-notes@orvanta" << QDate(2026, 12, 6) << 7;
        QTest::newRow("not a Sunday") << "20261207-1@orvanta" << QDate() << -1;
        QTest::newRow("no such day") << "20261206-8@orvanta" << QDate() << -1;
        QTest::newRow("day zero") << "20261206-0@orvanta" << QDate() << -1;
        QTest::newRow("another program's") << "20261206-1@phone" << QDate() << -1;
        QTest::newRow("ours inside another") << "x20261206-1@orvanta" << QDate() << -1;
        QTest::newRow("no date") << "2026126-1@orvanta" << QDate() << -1;
    }

    void uids()
    {
        QFETCH(QString, uid);
        QFETCH(QDate, week);
        QFETCH(int, box);
        QDate readWeek;
        int readBox = -1;
        QCOMPARE(CalDav::boxOfUid(uid, readWeek, readBox), week.isValid());
        if (!week.isValid())
            return;
        QCOMPARE(readWeek, week);
        QCOMPARE(readBox, box);
        QCOMPARE(CalDav::uidOf(week, box), uid);
    }

    void hrefsOfAnyFormAreOneKey_data()
    {
        QTest::addColumn<QString>("href");
        QTest::newRow("path") << "/alice/cal/a%20b.ics";
        QTest::newRow("whole URL") << "http://127.0.0.1:5232/alice/cal/a%20b.ics";
        QTest::newRow("not encoded") << "/alice/cal/a b.ics";
        QTest::newRow("relative") << "a%20b.ics";
        QTest::newRow("spaces around") << "  /alice/cal/a%20b.ics\n";
    }

    void hrefsOfAnyFormAreOneKey()
    {
        QFETCH(QString, href);
        const QUrl calendar(QStringLiteral("http://127.0.0.1:5232/alice/cal/"));
        const QString key = CalDav::hrefKey(calendar, href);
        QCOMPARE(key, QStringLiteral("/alice/cal/a b.ics"));
        QCOMPARE(CalDav::urlOf(calendar, key).toString(QUrl::FullyEncoded),
                 QStringLiteral("http://127.0.0.1:5232/alice/cal/a%20b.ics"));
    }

    void newEntriesAreNamedByTheirBox()
    {
        const QUrl calendar(QStringLiteral("http://h/alice/cal"));
        QCOMPARE(CalDav::newEntryKey(calendar, QDate(2026, 12, 6), 7),
                 QStringLiteral("/alice/cal/20261206-notes-orvanta.ics"));
        QCOMPARE(CalDav::newEntryKey(calendar, QDate(2026, 12, 6), 0),
                 QStringLiteral("/alice/cal/20261206-1-orvanta.ics"));
    }

    void requestsAskForWhatTheyNeed()
    {
        const QUrl calendar(QStringLiteral("http://h/c/"));
        QCOMPARE(CalDav::syncCollection(calendar, {}).depth, 0); // RFC 6578 takes no other
        QCOMPARE(CalDav::multiget(calendar, {QStringLiteral("/c/a b.ics")}).depth, 1);
        QCOMPARE(CalDav::propfind(calendar, 1, {}).depth, 1);
        const QByteArray multiget = CalDav::multiget(calendar, {QStringLiteral("/c/a&b.ics")}).body;
        QVERIFY(multiget.contains("<D:href>/c/a&amp;b.ics</D:href>"));
        QVERIFY(multiget.contains("<C:calendar-data/>"));
        const QByteArray sync = CalDav::syncCollection(calendar, QStringLiteral("t<1>")).body;
        QVERIFY(sync.contains("<D:sync-token>t&lt;1&gt;</D:sync-token>"));
        QVERIFY(sync.contains("<C:calendar-data/>"));
        const QByteArray made = CalDav::makeJournalCalendar(calendar, QStringLiteral("A & B")).body;
        QVERIFY(made.contains("<D:displayname>A &amp; B</D:displayname>"));
        QVERIFY(made.contains("<C:comp name=\"VJOURNAL\"/>"));
        QVERIFY(!made.contains("VEVENT"));
    }

    void uploadsAreConditional()
    {
        const QUrl url(QStringLiteral("http://h/c/x.ics"));
        const auto header = [](const DavRequest &request, const QByteArray &name) {
            for (const auto &[key, value] : request.headers) {
                if (key == name)
                    return value;
            }
            return QByteArray();
        };
        QCOMPARE(header(CalDav::put(url, "x", {}, true), "If-None-Match"), QByteArray("*"));
        QCOMPARE(header(CalDav::put(url, "x", {}, true), "If-Match"), QByteArray());
        QCOMPARE(header(CalDav::put(url, "x", "\"e1\"", false), "If-Match"), QByteArray("\"e1\""));
        QCOMPARE(header(CalDav::remove(url, "\"e2\""), "If-Match"), QByteArray("\"e2\""));
    }

    void stateKeepsWhatSyncNeeds()
    {
        QTemporaryDir folder;
        QCOMPARE(SyncState::pathFor(folder.filePath(QStringLiteral("dbCalendar.mdb"))),
                 folder.filePath(QStringLiteral("dbCalendar.sync")));
        const QString path = folder.filePath(QStringLiteral("x.sync"));
        {
            SyncState state;
            QVERIFY(state.open(path));
            QVERIFY(!state.account().isSet());
            SyncAccount account;
            account.server = QUrl(QStringLiteral("https://h/"));
            account.user = QStringLiteral("alice");
            account.calendar = QUrl(QStringLiteral("https://h/alice/cal/"));
            account.pinnedCertificate = "abcd";
            QVERIFY(state.setAccount(account));
            QVERIFY(state.setToken(QStringLiteral("t1")));
            QVERIFY(state.putEntry({QStringLiteral("/a.ics"), "\"1\"", KnownEntry::Kind::Own,
                                    QDate(2026, 12, 6), 7, QStringLiteral("é\nx")}));
            QVERIFY(state.putEntry({QStringLiteral("/b.ics"), "\"2\"", KnownEntry::Kind::Other,
                                    {}, -1, {}}));
            QVERIFY(state.addHistory({QDate(2026, 12, 7), 1, m_when, QStringLiteral("why"),
                                      QStringLiteral("before")}));
            QVERIFY(state.setConflictDays({QDate(2026, 12, 7), QDate(2026, 12, 9)}));
        }
        SyncState state;
        QVERIFY(state.open(path));
        QCOMPARE(state.account().user, QStringLiteral("alice"));
        QCOMPARE(state.account().pinnedCertificate, QByteArray("abcd"));
        QVERIFY(!state.account().plainHttpConfirmed);
        QCOMPARE(state.token(), QStringLiteral("t1"));
        const auto entries = state.entries();
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries[QStringLiteral("/a.ics")].base, QStringLiteral("é\nx"));
        QCOMPARE(entries[QStringLiteral("/a.ics")].box, 7);
        QCOMPARE(entries[QStringLiteral("/a.ics")].etag, QByteArray("\"1\""));
        QCOMPARE(entries[QStringLiteral("/b.ics")].kind, KnownEntry::Kind::Other);
        QCOMPARE(state.history(QDate(2026, 12, 7)).size(), 1);
        QCOMPARE(state.history(QDate(2026, 12, 7)).first().before, QStringLiteral("before"));
        QVERIFY(state.history(QDate(2026, 12, 8)).isEmpty());
        QCOMPARE(state.conflictDays(), (QList<QDate>{QDate(2026, 12, 7), QDate(2026, 12, 9)}));
        QVERIFY(state.forgetEntries());
        QVERIFY(state.entries().isEmpty());
        QVERIFY(state.token().isEmpty());
        QVERIFY(state.account().isSet()); // the account stays
    }
};

QTEST_GUILESS_MAIN(TestSyncMerge)
#include "tst_sync_merge.moc"
