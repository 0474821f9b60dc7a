// Two computers' databases syncing through a real Radicale started here on 127.0.0.1: what each
// side ends with after edits on one or both, another program's entries, and a sync whose
// bookkeeping was lost part way.
#include "schedule/calendar_connection.h"
#include "schedule/calendar_files.h"
#include "schedule/week_record.h"
#include "sync/caldav_requests.h"
#include "sync/calendar_discovery.h"
#include "sync/dav_client.h"
#include "sync/journal_entry.h"
#include "sync/multistatus.h"
#include "sync/sync_engine.h"
#include "sync/sync_state.h"
#include "radicale_server.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QDate kWeek(2026, 12, 6);
const QString kPassword = QStringLiteral("secret");

DavClient::Settings alice()
{
    DavClient::Settings settings;
    settings.user = QStringLiteral("alice");
    settings.password = kPassword;
    return settings;
}

} // namespace

class TestSyncEngine : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    RadicaleServer m_server;
    QUrl m_calendar;
    int m_round = 0;

    // A new pair of computers on a calendar of their own.
    QStringList computers(int count = 2)
    {
        ++m_round;
        DavClient client(alice());
        m_calendar = m_server.url(QStringLiteral("/alice/round%1/").arg(m_round));
        const DavReply made =
            client.send(CalDav::makeJournalCalendar(m_calendar, QStringLiteral("round")));
        if (made.status != 201)
            qWarning() << "MKCALENDAR answered" << made.status << made.error;
        QStringList databases;
        for (int i = 0; i < count; ++i) {
            const QString path = m_folder.filePath(QStringLiteral("r%1-%2.mdb").arg(m_round).arg(i));
            createEmptyCalendarDatabase(path);
            SyncState state;
            state.open(SyncState::pathFor(path));
            SyncAccount account;
            account.server = m_server.url();
            account.user = QStringLiteral("alice");
            account.calendar = m_calendar;
            state.setAccount(account);
            databases.append(path);
        }
        return databases;
    }

    static SyncOutcome sync(const QString &database, const QString &password = kPassword,
                            std::function<void()> afterReading = {})
    {
        SyncEngine::Setup setup;
        setup.databasePath = database;
        setup.password = password;
        setup.afterReading = std::move(afterReading);
        setup.clock = [] { return QDateTime(QDate(2026, 12, 8), QTime(14, 2), Qt::UTC); };
        return SyncEngine::run(setup);
    }

    static WeekTexts week(const QString &database, QDate first = kWeek)
    {
        CalendarConnection connection;
        connection.open(database);
        std::optional<QString> record;
        connection.loadWeekData(first, record);
        WeekTexts texts;
        const QStringList fields = record ? decodeWeekRecord(*record) : QStringList();
        for (int box = 0; box < kWeekFieldCount; ++box)
            texts[std::size_t(box)] = fields.value(box).replace(QStringLiteral("\r\n"),
                                                                 QStringLiteral("\n"));
        return texts;
    }

    static void setBox(const QString &database, int box, const QString &text, QDate first = kWeek)
    {
        WeekTexts texts = week(database, first);
        texts[std::size_t(box)] = text;
        CalendarConnection connection;
        connection.open(database);
        QVERIFY(connection.saveWeekData(first, encodeWeekRecord(texts)));
    }

    // The journal entries on the server: UID to description.
    QMap<QString, QString> serverEntries(QStringList *others = nullptr)
    {
        DavClient client(alice());
        const DavReply reply = client.send(CalDav::syncCollection(m_calendar, {}));
        MultistatusReader answer;
        answer.addData(reply.body);
        QMap<QString, QString> entries;
        for (const DavResponse &response : answer.takeResponses()) {
            const JournalEntries::Reading reading = JournalEntries::read(response.calendarData);
            if (reading.holdsOtherComponents && others)
                others->append(response.href);
            for (const JournalEntry &entry : reading.journals) {
                if (entries.contains(entry.uid))
                    qWarning() << "twice on the server:" << entry.uid;
                entries.insert(entry.uid, entry.description);
            }
        }
        return entries;
    }

    void put(const QString &name, const QByteArray &ics)
    {
        DavClient client(alice());
        const DavReply reply = client.send(CalDav::put(
            CalDav::urlOf(m_calendar, m_calendar.path() + name), ics, {}, true));
        QCOMPARE(reply.status, 201);
    }

private slots:
    void initTestCase()
    {
        if (!RadicaleServer::installed())
            QSKIP("Radicale is not installed (scripts/setup-debian e2e)");
        QVERIFY(m_folder.isValid());
        QVERIFY(m_server.start(m_folder.path()));
    }

    void discoveryFindsOrMakesTheJournalCalendar()
    {
        DavClient client(alice());
        // From the server's root, with no journal calendar yet: one is made, named Orvanta.
        const CalendarDiscovery::Result made = CalendarDiscovery::find(client, m_server.url(), {});
        QVERIFY2(made.ok, qPrintable(made.message));
        QVERIFY(made.created);
        QCOMPARE(made.calendar, m_server.url(QStringLiteral("/alice/orvanta/")));
        // Found again, not made twice, by the principal and its home: three requests; from the
        // calendar's own address, one.
        const int before = client.requestsMade();
        const CalendarDiscovery::Result again = CalendarDiscovery::find(client, m_server.url(), {});
        QCOMPARE(client.requestsMade() - before, 3);
        QVERIFY(again.ok);
        QVERIFY(!again.created);
        QCOMPARE(again.calendar, made.calendar);
        const CalendarDiscovery::Result direct = CalendarDiscovery::find(client, made.calendar, {});
        QCOMPARE(client.requestsMade() - before, 4);
        QCOMPARE(direct.calendar, made.calendar);
        QVERIFY(!direct.created);
        // A name no calendar has: made beside the first.
        const CalendarDiscovery::Result named =
            CalendarDiscovery::find(client, m_server.url(), QStringLiteral("Work & home"));
        QVERIFY(named.ok);
        QVERIFY(named.created);
        QCOMPARE(named.calendar, m_server.url(QStringLiteral("/alice/orvanta-2/")));
        QCOMPARE(CalendarDiscovery::find(client, m_server.url(), QStringLiteral("Work & home"))
                     .calendar,
                 named.calendar);
        QCOMPARE(CalendarDiscovery::find(client, m_server.url(), QStringLiteral("Orvanta")).calendar,
                 made.calendar);
        // A calendar of events only is never taken for journals.
        const QUrl events = m_server.url(QStringLiteral("/alice/events/"));
        DavRequest makeEvents = CalDav::makeJournalCalendar(events, QStringLiteral("Events"));
        makeEvents.body.replace("VJOURNAL", "VEVENT");
        QCOMPARE(client.send(makeEvents).status, 201);
        const CalendarDiscovery::Result fromEvents = CalendarDiscovery::find(client, events, {});
        QVERIFY(fromEvents.ok);
        QVERIFY(fromEvents.calendar != events);
        // A wrong password is said as such.
        DavClient::Settings wrong = alice();
        wrong.password = QStringLiteral("wrong");
        DavClient refused(wrong);
        const CalendarDiscovery::Result no = CalendarDiscovery::find(refused, m_server.url(), {});
        QVERIFY(!no.ok);
        QVERIFY(no.passwordRefused);
        QCOMPARE(refused.requestsMade(), 1);
    }

    void typedOnOneAppearsOnTheOther()
    {
        const QStringList pc = computers();
        setBox(pc[0], 1, QStringLiteral("Dentist 9:00\nthen shopping; bread, butter\\"));
        setBox(pc[0], kNotesField, QStringLiteral("  indented notes  "));
        QCOMPARE(sync(pc[0]).sent, 2);
        {
            // Its own uploads are behind its token: the next sync starts after them.
            SyncState state;
            state.open(SyncState::pathFor(pc[0]));
            QVERIFY(!state.unsettled());
            QVERIFY(!state.token().isEmpty());
        }
        const SyncOutcome received = sync(pc[1]);
        QCOMPARE(received.result, SyncOutcome::Result::Synced);
        QCOMPARE(received.received, 2);
        QCOMPARE(week(pc[1]), week(pc[0]));
        QCOMPARE(received.changedDays, (QList<QDate>{kWeek, kWeek.addDays(1)}));
        const auto entries = serverEntries();
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries.value(QStringLiteral("20261206-2@orvanta")),
                 QStringLiteral("Dentist 9:00\nthen shopping; bread, butter\\"));
        // Nothing changed: nothing sent, one request.
        const SyncOutcome again = sync(pc[0]);
        QCOMPARE(again.sent + again.received + again.removed, 0);
        QCOMPARE(again.requests, 1);
    }

    void changesOnOneOrBothSides_data()
    {
        QTest::addColumn<QString>("onA");
        QTest::addColumn<QString>("onB");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("conflict");
        // The listing; where B sends something, the upload and the listing after it.
        QTest::addColumn<int>("requestsOfB");
        const QString line = QStringLiteral("\n— changed on another device (2026-12-08 14:02) —\n");
        QTest::newRow("edited on A") << "A's" << "base" << "A's" << false << 1;
        QTest::newRow("edited on B") << "base" << "B's" << "B's" << false << 3;
        QTest::newRow("edited on both")
            << "A's" << "B's" << QStringLiteral("B's") + line + QStringLiteral("A's") << true << 3;
        QTest::newRow("the same edit on both") << "same" << "same" << "same" << false << 1;
        QTest::newRow("emptied on A") << "" << "base" << "" << false << 1;
        QTest::newRow("emptied on A, edited on B") << "" << "B's" << "B's" << false << 3;
        QTest::newRow("edited on A, emptied on B") << "A's" << "" << "A's" << false << 1;
        QTest::newRow("emptied on both") << "" << "" << "" << false << 1;
    }

    void changesOnOneOrBothSides()
    {
        QFETCH(QString, onA);
        QFETCH(QString, onB);
        QFETCH(QString, expected);
        QFETCH(bool, conflict);
        QFETCH(int, requestsOfB);
        const QStringList pc = computers();
        setBox(pc[0], 0, QStringLiteral("Sunday stays"));
        setBox(pc[0], 3, QStringLiteral("base"));
        setBox(pc[0], 4, QStringLiteral("untouched"));
        setBox(pc[0], kNotesField, QStringLiteral("notes stay"));
        QCOMPARE(sync(pc[0]).result, SyncOutcome::Result::Synced);
        QCOMPARE(sync(pc[1]).result, SyncOutcome::Result::Synced);
        setBox(pc[0], 3, onA);
        setBox(pc[1], 3, onB);
        QCOMPARE(sync(pc[0]).result, SyncOutcome::Result::Synced);
        // A's bookkeeping knows just what the server holds.
        {
            SyncState state;
            state.open(SyncState::pathFor(pc[0]));
            QCOMPARE(state.entries().size(), serverEntries().size());
        }
        const SyncOutcome second = sync(pc[1]);
        QCOMPARE(second.result, conflict ? SyncOutcome::Result::SyncedWithConflicts
                                         : SyncOutcome::Result::Synced);
        QCOMPARE(second.conflictDays.size(), conflict ? 1 : 0);
        QCOMPARE(second.requests, requestsOfB);
        QCOMPARE(sync(pc[0]).result, SyncOutcome::Result::Synced);
        for (const QString &database : pc) {
            QCOMPARE(week(database)[3], expected);
            QCOMPARE(week(database)[0], QStringLiteral("Sunday stays"));
            QCOMPARE(week(database)[4], QStringLiteral("untouched"));
            QCOMPARE(week(database)[kNotesField], QStringLiteral("notes stay"));
        }
        const auto entries = serverEntries();
        QCOMPARE(entries.value(QStringLiteral("20261206-4@orvanta")), expected);
        QCOMPARE(entries.contains(QStringLiteral("20261206-4@orvanta")), !expected.isEmpty());
        QCOMPARE(entries.size(), expected.isEmpty() ? 3 : 4);
        if (conflict) {
            SyncState state;
            state.open(SyncState::pathFor(pc[1]));
            QCOMPARE(state.history(kWeek.addDays(3)).value(0).before, onB);
        }
    }

    void anotherProgramsEntriesJoinTheirDay_data()
    {
        QTest::addColumn<QByteArray>("dtstart");
        QTest::addColumn<QDate>("day");
        QTest::newRow("a day") << QByteArray("DTSTART;VALUE=DATE:20261209") << QDate(2026, 12, 9);
        QTest::newRow("late evening west of UTC, the next day in UTC")
            << QByteArray("DTSTART;TZID=America/Los_Angeles:20261209T233000")
            << QDate(2026, 12, 9);
        QTest::newRow("just after midnight east of UTC, the day before in UTC")
            << QByteArray("DTSTART;TZID=Pacific/Auckland:20261210T003000")
            << QDate(2026, 12, 10);
    }

    void anotherProgramsEntriesJoinTheirDay()
    {
        QFETCH(QByteArray, dtstart);
        QFETCH(QDate, day);
        const QStringList pc = computers();
        const int box = day.dayOfWeek() % 7;
        setBox(pc[0], box, QStringLiteral("mine"));
        QCOMPARE(sync(pc[0]).result, SyncOutcome::Result::Synced);
        QByteArray phone = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//phone//EN\r\n"
                           "BEGIN:VJOURNAL\r\nUID:phone-1\r\nDTSTAMP:20261209T000000Z\r\n" +
                           dtstart + "\r\nDESCRIPTION:from the phone\\, late\r\n"
                                     "END:VJOURNAL\r\nEND:VCALENDAR\r\n";
        put(QStringLiteral("phone-1.ics"), phone);
        put(QStringLiteral("event.ics"),
            "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//phone//EN\r\nBEGIN:VEVENT\r\n"
            "UID:event-1\r\nDTSTAMP:20261209T000000Z\r\nDTSTART:20261209T100000Z\r\n"
            "SUMMARY:an event\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
        QCOMPARE(sync(pc[0]).result, SyncOutcome::Result::Synced);
        const QString joined = QStringLiteral("mine\nfrom the phone, late");
        QCOMPARE(week(pc[0])[std::size_t(box)], joined);
        QCOMPARE(sync(pc[0]).sent, 0); // nothing joins twice
        QCOMPARE(sync(pc[1]).result, SyncOutcome::Result::Synced);
        QCOMPARE(week(pc[1])[std::size_t(box)], joined);
        QStringList others;
        const auto entries = serverEntries(&others);
        QCOMPARE(entries.keys(), QStringList{CalDav::uidOf(kWeek, box)});
        QCOMPARE(entries.first(), joined);
        QCOMPARE(others.size(), 1); // the event, never touched
    }

    void aSyncCutShortIsRepeatedWithoutDoubling_data()
    {
        QTest::addColumn<bool>("stateLost");
        QTest::addColumn<bool>("weeksLost");
        QTest::newRow("the state's last changes lost") << true << false;
        QTest::newRow("the state's and the weeks' last changes lost") << true << true;
    }

    void aSyncCutShortIsRepeatedWithoutDoubling()
    {
        QFETCH(bool, stateLost);
        QFETCH(bool, weeksLost);
        const QStringList pc = computers();
        setBox(pc[0], 2, QStringLiteral("base"));
        QCOMPARE(sync(pc[0]).result, SyncOutcome::Result::Synced);
        QCOMPARE(sync(pc[1]).result, SyncOutcome::Result::Synced);
        setBox(pc[0], 2, QStringLiteral("A's"));
        setBox(pc[0], 5, QStringLiteral("new on A"));
        QCOMPARE(sync(pc[0]).result, SyncOutcome::Result::Synced);
        setBox(pc[1], 2, QStringLiteral("B's"));
        // B's sync runs, then what it wrote is lost, as if it had been killed before writing.
        const QString statePath = SyncState::pathFor(pc[1]);
        for (const QString &file : {statePath, pc[1]})
            QFile::copy(file, file + QStringLiteral(".before"));
        QCOMPARE(sync(pc[1]).result, SyncOutcome::Result::SyncedWithConflicts);
        const WeekTexts merged = week(pc[1]);
        QStringList lost;
        if (stateLost)
            lost.append(statePath);
        if (weeksLost)
            lost.append(pc[1]);
        for (const QString &file : lost) {
            QFile::remove(file);
            QFile::remove(file + QStringLiteral("-wal"));
            QFile::remove(file + QStringLiteral("-shm"));
            QFile::rename(file + QStringLiteral(".before"), file);
        }
        sync(pc[1]);
        sync(pc[0]);
        sync(pc[1]);
        QCOMPARE(week(pc[1]), merged);
        QCOMPARE(week(pc[0]), merged);
        const auto entries = serverEntries();
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries.value(QStringLiteral("20261206-3@orvanta")), merged[2]);
    }

    void aSaveWhileASyncRunsIsNeverWrittenOver()
    {
        const QStringList pc = computers();
        setBox(pc[0], 1, QStringLiteral("base"));
        QCOMPARE(sync(pc[0]).result, SyncOutcome::Result::Synced);
        QCOMPARE(sync(pc[1]).result, SyncOutcome::Result::Synced);
        setBox(pc[0], 1, QStringLiteral("from A"));
        QCOMPARE(sync(pc[0]).result, SyncOutcome::Result::Synced);
        // B's window saves the box after the sync read the weeks, before it writes A's text.
        sync(pc[1], kPassword, [&] { setBox(pc[1], 1, QStringLiteral("typed on B meanwhile")); });
        const QString both = QStringLiteral("typed on B meanwhile\n— changed on another device "
                                            "(2026-12-08 14:02) —\nfrom A");
        QCOMPARE(week(pc[1])[1], both);
        sync(pc[1]);
        sync(pc[0]);
        QCOMPARE(week(pc[0])[1], both);
        QCOMPARE(serverEntries().value(QStringLiteral("20261206-2@orvanta")), both);
    }

    void aSyncThatDidNotEndIsFollowedByAFullComparison()
    {
        const QStringList pc = computers();
        setBox(pc[0], 2, QStringLiteral("made, then deleted"));
        QCOMPARE(sync(pc[0]).result, SyncOutcome::Result::Synced);
        QCOMPARE(sync(pc[1]).result, SyncOutcome::Result::Synced);
        setBox(pc[0], 2, QString());
        QCOMPARE(sync(pc[0]).removed, 1);
        // B's last sync did not end, and its token is one from which a server tells nothing of
        // an entry made and deleted since (as Xandikos does).
        DavClient client(alice());
        MultistatusReader now;
        now.addData(client.send(CalDav::syncCollection(m_calendar, {}, false)).body);
        {
            SyncState state;
            state.open(SyncState::pathFor(pc[1]));
            state.setToken(now.syncToken());
            state.setUnsettled(true);
        }
        QCOMPARE(sync(pc[1]).result, SyncOutcome::Result::Synced);
        QCOMPARE(week(pc[1])[2], QString());
        SyncState state;
        state.open(SyncState::pathFor(pc[1]));
        QVERIFY(!state.unsettled());
        QVERIFY(state.entries().isEmpty());
    }

    void aRefusedTokenMeansComparingEverything()
    {
        const QStringList pc = computers();
        setBox(pc[0], 0, QStringLiteral("Sunday"));
        QCOMPARE(sync(pc[0]).result, SyncOutcome::Result::Synced);
        QCOMPARE(sync(pc[1]).result, SyncOutcome::Result::Synced);
        setBox(pc[0], 0, QStringLiteral("Sunday, changed"));
        QCOMPARE(sync(pc[0]).result, SyncOutcome::Result::Synced);
        {
            SyncState state;
            state.open(SyncState::pathFor(pc[1]));
            state.setToken(QStringLiteral("http://radicale.org/ns/sync/no-such-token"));
        }
        const SyncOutcome outcome = sync(pc[1]);
        QCOMPARE(outcome.result, SyncOutcome::Result::Synced);
        QCOMPARE(week(pc[1])[0], QStringLiteral("Sunday, changed"));
        SyncState state;
        state.open(SyncState::pathFor(pc[1]));
        QVERIFY(state.token().isEmpty()); // a fresh one next time
    }

    void aPasswordRefusedPartWayStopsTheUploads()
    {
        const QStringList pc = computers(1);
        for (int box = 0; box < kWeekFieldCount; ++box)
            setBox(pc[0], box, QStringLiteral("box %1").arg(box));
        for (int box = 0; box < kWeekFieldCount; ++box)
            setBox(pc[0], box, QStringLiteral("box %1").arg(box), kWeek.addDays(7));
        QFile users(m_folder.filePath(QStringLiteral("users")));
        // The password changes on the server once the listing has passed.
        const SyncOutcome outcome = sync(pc[0], kPassword, [&] {
            users.open(QIODevice::WriteOnly);
            users.write("alice:changed\n");
            users.close();
        });
        users.open(QIODevice::WriteOnly);
        users.write("alice:secret\n");
        users.close();
        QCOMPARE(outcome.result, SyncOutcome::Result::Failed);
        QVERIFY(outcome.passwordRefused);
        // The listing, and what was in flight when the first refusal came: never all 16.
        QVERIFY2(outcome.requests <= 1 + 4, qPrintable(QString::number(outcome.requests)));
    }

    void aStateFileThatCannotBeOpenedIsSaid()
    {
        const QString database = m_folder.filePath(QStringLiteral("unopenable.mdb"));
        createEmptyCalendarDatabase(database);
        QVERIFY(QDir().mkpath(SyncState::pathFor(database))); // a folder where the file goes
        const SyncOutcome outcome = sync(database);
        QCOMPARE(outcome.result, SyncOutcome::Result::Failed);
        QVERIFY(!outcome.message.isEmpty());
        QCOMPARE(outcome.requests, 0);
    }

    void aWrongPasswordIsOneRequest()
    {
        const QStringList pc = computers(1);
        setBox(pc[0], 0, QStringLiteral("Sunday"));
        const SyncOutcome outcome = sync(pc[0], QStringLiteral("wrong"));
        QCOMPARE(outcome.result, SyncOutcome::Result::Failed);
        QVERIFY(outcome.passwordRefused);
        QCOMPARE(outcome.requests, 1);
        QCOMPARE(outcome.waitingDays, 1);
        QCOMPARE(week(pc[0])[0], QStringLiteral("Sunday"));
    }
};

QTEST_GUILESS_MAIN(TestSyncEngine)
#include "tst_sync_engine.moc"
