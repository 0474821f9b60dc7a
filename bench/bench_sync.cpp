// Sync as the window runs it: the first download of N weeks (8 entries each) from a Radicale
// started here, on the runner's thread, while this thread's event loop runs as the window's
// does. stall_ms is the longest the event loop was kept from waiting for its next event by work
// on its own thread (target: under 16 ms): from waking to blocking again, as the event dispatcher
// tells it, so that a machine whose cores the server keeps busy does not count as a stall.
// sync_ms is the whole sync, the server's answer included, after a first listing that fills
// Radicale's own cache.
#include "schedule/calendar_files.h"
#include "sync/sync_state.h"
#include "sync_window/sync_runner.h"
#include "../tests/radicale_server.h"

#include <benchmark/benchmark.h>
#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEventLoop>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

namespace {

// Entries written straight into Radicale's folder, as a calendar long in use holds them.
QUrl seed(const QString &folder, int weeks)
{
    const QString calendar = folder + QStringLiteral("/collections/collection-root/alice/seeded");
    QDir().mkpath(calendar);
    QFile props(calendar + QStringLiteral("/.Radicale.props"));
    props.open(QIODevice::WriteOnly);
    props.write(R"({"C:supported-calendar-component-set": "VJOURNAL", "tag": "VCALENDAR"})");
    const QDate first(2016, 12, 4);
    for (int w = 0; w < weeks; ++w) {
        const QDate week = first.addDays(7 * w);
        for (int box = 0; box < 8; ++box) {
            const QString suffix = box == 7 ? QStringLiteral("notes") : QString::number(box + 1);
            const QString name = week.toString(QStringLiteral("yyyyMMdd")) + u'-' + suffix;
            QFile entry(calendar + u'/' + name + QStringLiteral("-orvanta.ics"));
            entry.open(QIODevice::WriteOnly);
            entry.write("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//bench//EN\r\n"
                        "BEGIN:VJOURNAL\r\nUID:" + name.toUtf8() +
                        "@orvanta\r\nDTSTAMP:20261209T000000Z\r\nDTSTART;VALUE=DATE:" +
                        week.addDays(box == 7 ? 0 : box).toString(QStringLiteral("yyyyMMdd"))
                            .toUtf8() +
                        "\r\nDESCRIPTION:Dentist 9:00\\, then shopping\\nbread and butter\r\n"
                        "END:VJOURNAL\r\nEND:VCALENDAR\r\n");
        }
    }
    return QUrl(QStringLiteral("/alice/seeded/"));
}

void BM_SyncStall(benchmark::State &state)
{
    const int weeks = int(state.range(0));
    QTemporaryDir folder;
    const QUrl calendar = seed(folder.path(), weeks);
    RadicaleServer server;
    if (!server.start(folder.path())) {
        state.SkipWithError("Radicale did not start");
        return;
    }
    int round = 0;
    double stall = 0, total = 0;
    for (auto _ : state) {
        const QString database = folder.filePath(QStringLiteral("db%1.mdb").arg(++round));
        createEmptyCalendarDatabase(database);
        {
            SyncState syncState;
            syncState.open(SyncState::pathFor(database));
            SyncAccount account;
            account.server = server.url();
            account.user = QStringLiteral("alice");
            account.calendar = server.url().resolved(calendar);
            syncState.setAccount(account);
        }
        SyncRunner runner(database);
        runner.setReadPassword([](const SyncAccount &) { return QStringLiteral("secret"); });
        QEventLoop loop;
        int received = 0;
        QObject::connect(&runner, &SyncRunner::finished, &loop, [&](const SyncOutcome &outcome) {
            received = outcome.received;
            loop.quit();
        });
        QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
        QElapsedTimer busy;
        qint64 longest = 0;
        const auto awake = QObject::connect(dispatcher, &QAbstractEventDispatcher::awake,
                                            [&] { busy.start(); });
        const auto blocking =
            QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, [&] {
                if (busy.isValid())
                    longest = std::max(longest, busy.nsecsElapsed());
            });
        QElapsedTimer clock;
        clock.start();
        runner.runNow();
        loop.exec();
        QObject::disconnect(awake);
        QObject::disconnect(blocking);
        if (received != weeks * 8)
            state.SkipWithError("not every entry came");
        if (round == 1)
            continue; // Radicale filled its cache
        total = std::max(total, double(clock.nsecsElapsed()) / 1e6);
        stall = std::max(stall, double(longest) / 1e6);
    }
    state.counters["stall_ms"] = stall;
    state.counters["sync_ms"] = total;
}
BENCHMARK(BM_SyncStall)->Arg(520)->Arg(3000)->Iterations(2)->Unit(benchmark::kMillisecond);

} // namespace
