// A week switch as a click on a day does it (SaveWeek, SelectWeek, ClearWeek, LoadWeek), on the
// real window offscreen, with tables of 1, 10,000 and 100,000 weeks. The store's own lookup is
// measured apart, since the switch includes the full-sync write of the week being left.
#include "desktop/alerts.h"
#include "desktop/clock.h"
#include "desktop/system_tray_shell.h"
#include "main_window/form1.h"
#include "main_window/week_page.h"
#include "schedule/calendar_connection.h"
#include "schedule/calendar_files.h"
#include "schedule/daily_backup.h"
#include "schedule/week.h"
#include "schedule/week_draft.h"
#include "schedule/week_record.h"

#include <atomic>
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextCursor>
#include <thread>

using namespace Qt::StringLiterals;

namespace {

const QDate kToday(2026, 12, 7);

class FixedClock final : public Clock
{
public:
    QDateTime now() const override { return QDateTime(kToday, QTime(10, 0)); }
};

class QuietAlerts final : public Alerts
{
public:
    void information(const QString &text) override { qInfo("%s", qPrintable(text)); }
    void warning(const QString &text) override { qWarning("%s", qPrintable(text)); }
    void error(const QString &text) override { qWarning("%s", qPrintable(text)); }
    bool question(const QString &) override { return false; }
};

// A program folder whose database holds `weeks` weeks, ending with this one.
QString folderWithWeeks(QTemporaryDir &dir, int weeks)
{
    const QString path = databasePath(dir.path());
    createEmptyCalendarDatabase(path);
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
        db.setDatabaseName(path);
        db.open();
        db.transaction();
        QSqlQuery insert(db);
        insert.prepare(QStringLiteral("INSERT INTO tblCalendar VALUES (?, ?)"));
        WeekTexts texts;
        texts.fill(QStringLiteral("Meeting at 10\r\nLunch with Sam"));
        const QString record = QString::fromUtf8(encodeWeekRecord(texts));
        const QDate sunday = firstDayOfWeek(kToday);
        for (int i = 0; i < weeks; ++i) {
            insert.addBindValue(sunday.addDays(-7 * i).toString(Qt::ISODate));
            insert.addBindValue(record);
            insert.exec();
        }
        db.commit();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));
    return dir.path();
}

// The real window, offscreen, loaded on a database of `weeks` weeks.
struct LoadedWindow
{
    explicit LoadedWindow(int weeks)
        : form({&clock, &alerts, &shell, folderWithWeeks(dir, weeks), [](int) {}})
    {
        loaded = form.Load();
    }

    QTemporaryDir dir;
    FixedClock clock;
    QuietAlerts alerts;
    SystemTrayShell shell;
    Form1 form;
    bool loaded = false;
};

void BM_WeekSwitch(benchmark::State &state)
{
    LoadedWindow window(int(state.range(0)));
    Form1 &form = window.form;
    if (!window.loaded) {
        state.SkipWithError("load failed");
        return;
    }
    // Back and forth between this week and the previous one, both stored.
    const QDate days[] = {kToday.addDays(-7), kToday};
    int i = 0;
    for (auto _ : state) {
        form.text1(2)->setPlainText(QStringLiteral("typed %1").arg(i));
        if (!form.weekPage().CalendarDateClicked(days[i++ % 2]))
            state.SkipWithError("switch failed");
    }
}

// Leaving a week, as a click does it first: the boxes read, the record built with CR LF line
// breaks, and the row written. Args: the characters the week holds, and the length of its lines
// (the box's document keeps each line apart, so short lines cost more to read back).
void BM_LeaveWeek(benchmark::State &state)
{
    LoadedWindow window(1);
    Form1 &form = window.form;
    if (!window.loaded) {
        state.SkipWithError("load failed");
        return;
    }
    const QString line = QString(state.range(1) - 1, u'x') + u'\n';
    const qsizetype perBox = state.range(0) / kWeekFieldCount;
    for (int k = 0; k < kWeekFieldCount; ++k)
        form.text1(k)->setPlainText(line.repeated(std::max<qsizetype>(1, perBox / line.size())));
    QTextCursor notes(form.text1(7)->document());
    notes.movePosition(QTextCursor::End);
    for (auto _ : state) {
        state.PauseTiming();
        notes.insertText(QStringLiteral(".")); // typed into, or the save would leave it be
        state.ResumeTiming();
        if (!form.weekPage().SaveWeek())
            state.SkipWithError("save failed");
    }
    state.SetBytesProcessed(state.iterations() * state.range(0) * 2);
}

// Runs the event loop until `done`, and gives the longest time it went without turning: what
// the window would have stalled for meanwhile.
template <typename Done> double longestStallMs(Done done)
{
    QElapsedTimer sinceTurn;
    sinceTurn.start();
    qint64 longest = 0;
    while (!done()) {
        QCoreApplication::processEvents();
        longest = std::max(longest, sinceTurn.nsecsElapsed());
        sinceTurn.restart();
    }
    return double(longest) / 1e6;
}

// The draft of a week holding 1 MB of text (in lines of 40): the window reads its boxes, a
// thread of its own writes and syncs the file. stall_ms: the longest the event loop waited,
// the window's own reading included.
void BM_DraftWrite(benchmark::State &state)
{
    LoadedWindow window(1);
    Form1 &form = window.form;
    if (!window.loaded) {
        state.SkipWithError("load failed");
        return;
    }
    const QString line = QString(39, u'x') + u'\n';
    form.text1(3)->setPlainText(line.repeated(state.range(0) / line.size()));
    double stall = 0;
    for (auto _ : state) {
        QElapsedTimer reading;
        reading.start();
        form.weekPage().keepDraft(); // what the typing pause's timer runs
        double longest = double(reading.nsecsElapsed()) / 1e6;
        std::atomic<bool> written = false;
        std::thread waiter([&] {
            form.weekPage().draft()->waitUntilWritten();
            written = true;
        });
        longest = std::max(longest, longestStallMs([&] { return written.load(); }));
        waiter.join();
        stall = std::max(stall, longest);
    }
    state.counters["stall_ms"] = stall;
}

// The daily check and copy of a database of N weeks on a thread of its own, as the window does
// it. stall_ms: the longest the event loop waited meanwhile.
void BM_DailyBackup(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = databasePath(folderWithWeeks(dir, int(state.range(0))));
    QDate day(2026, 12, 7);
    double stall = 0;
    for (auto _ : state) {
        // Something changed since the last copy, so that a copy is made each time.
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        file.setFileTime(QDateTime::currentDateTime().addDays(1),
                         QFileDevice::FileModificationTime);
        std::atomic<bool> done = false;
        DailyBackup::Result result;
        std::thread backup([&] {
            result = DailyBackup::run(path, day);
            done = true;
        });
        stall = std::max(stall, longestStallMs([&] { return done.load(); }));
        backup.join();
        if (result.kind != DailyBackup::Result::Made)
            state.SkipWithError(qPrintable(u"no copy made: "_s + result.detail));
        day = day.addDays(1);
    }
    state.counters["stall_ms"] = stall;
}

void BM_StoreLookup(benchmark::State &state)
{
    QTemporaryDir dir;
    CalendarConnection connection;
    connection.open(databasePath(folderWithWeeks(dir, int(state.range(0)))));
    const QDate oldest = firstDayOfWeek(kToday).addDays(-7 * (state.range(0) - 1));
    std::optional<QString> record;
    for (auto _ : state) {
        connection.loadWeekData(oldest, record);
        benchmark::DoNotOptimize(record);
    }
}

} // namespace

BENCHMARK(BM_WeekSwitch)->Arg(1)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LeaveWeek)
    ->Args({1'600, 40})
    ->Args({10'000'000, 40})
    ->Args({10'000'000, 4'000})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DraftWrite)->Arg(1 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DailyBackup)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StoreLookup)->Arg(1)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMicrosecond);

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
