// Finding words in every week: the whole search over 60 years of full weeks (3,200) and over
// 100,000 weeks (about 200 MB), the first results and the event loop's longest stall meanwhile,
// SQLite's own LIKE scan of the same file as the floor, and the calendar's marks for a page.
#include "bench_store.h"
#include "find/week_search.h"
#include "schedule/calendar_connection.h"
#include "schedule/calendar_files.h"
#include "schedule/week.h"
#include "schedule/week_record.h"

#include <benchmark/benchmark.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>

using namespace Qt::StringLiterals;

using namespace BenchStore;

namespace {

// The whole search for `typed`, as orvanta-cli runs it.
void findAll(benchmark::State &state, const QString &typed)
{
    const QString path = store(int(state.range(0)));
    const TextMatch::Query query(typed);
    const std::atomic<bool> never = false;
    qsizetype found = 0;
    for (auto _ : state) {
        found = 0;
        WeekFind::inDatabase(
            path, query, std::nullopt, never,
            [&found](QList<FindResult> batch) { found += batch.size(); }, nullptr);
    }
    state.counters["results"] = double(found);
}

void BM_FindAll(benchmark::State &state)
{
    findAll(state, u"dentist"_s);
}

// Both sides of ruling weeks out by their bytes: a word in no week, though its letters and the
// accented ones that fold to them are in every week (/0), and a word in every week, which
// leaves every week to fold and match (/1).
void BM_FindWords(benchmark::State &state)
{
    findAll(state, state.range(1) == 0 ? u"cafeteria"_s : u"meeting"_s);
}

// The search as the find window runs it, off the window's thread: first_ms until the first
// results reach the window, all_ms until the last, stall_ms the event loop's longest wait.
void BM_FindInWindow(benchmark::State &state)
{
    const QString path = store(int(state.range(0)));
    WeekSearch search(path);
    double first = 0, all = 0, stall = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        bool done = false;
        double firstMs = -1;
        QObject context;
        QObject::connect(&search, &WeekSearch::found, &context, [&] {
            if (firstMs < 0)
                firstMs = double(clock.nsecsElapsed()) / 1e6;
        });
        QObject::connect(&search, &WeekSearch::finished, &context, [&] { done = true; });
        search.start(u"dentist"_s, std::nullopt);
        QElapsedTimer sinceTurn;
        sinceTurn.start();
        qint64 longest = 0;
        while (!done) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
            longest = std::max(longest, sinceTurn.nsecsElapsed());
            sinceTurn.restart();
        }
        first = std::max(first, firstMs);
        all = std::max(all, double(clock.nsecsElapsed()) / 1e6);
        stall = std::max(stall, double(longest) / 1e6);
    }
    state.counters["first_ms"] = first;
    state.counters["all_ms"] = all;
    state.counters["stall_ms"] = stall;
}

// The floor: SQLite's LIKE over the same rows, which folds ASCII case only.
void BM_LikeScan(benchmark::State &state)
{
    const QString path = store(int(state.range(0)));
    QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"like"_s);
    db.setDatabaseName(path);
    db.open();
    for (auto _ : state) {
        QSqlQuery count(db);
        count.exec(u"SELECT count(*) FROM tblCalendar WHERE WeekData LIKE '%dentist%'"_s);
        count.next();
        benchmark::DoNotOptimize(count.value(0));
    }
    db.close();
    db = {};
    QSqlDatabase::removeDatabase(u"like"_s);
}

// The calendar's marks for a page of three months: the range query and the days with text.
void BM_MarksForAPage(benchmark::State &state)
{
    CalendarConnection connection;
    connection.open(store(int(state.range(0))));
    const QDate first = firstDayOfWeek(QDate(2026, 10, 1)), last(2026, 12, 31);
    for (auto _ : state) {
        QList<std::pair<QDate, QString>> weeks;
        connection.loadWeeksBetween(first, last, weeks);
        QSet<QDate> marked;
        for (const auto &[start, record] : weeks) {
            for (const QDate day : daysWithText(start, record))
                marked.insert(day);
        }
        benchmark::DoNotOptimize(marked);
    }
}

} // namespace

BENCHMARK(BM_FindAll)->Arg(3'200)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindWords)
    ->Args({3'200, 0})
    ->Args({100'000, 0})
    ->Args({3'200, 1})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindInWindow)->Arg(3'200)->Arg(100'000)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_LikeScan)->Arg(3'200)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MarksForAPage)->Arg(100'000)->Unit(benchmark::kMicrosecond);
