// Exporting every week: 520 weeks (ten years) and 100,000 weeks of about 2,000 characters, to
// Markdown and to iCalendar, as orvanta-cli export runs it. peak_MiB is how far the process's
// resident memory rose above where it stood before the export, so that it can be compared
// between sizes: it must not grow with the number of weeks.
#include "bench_store.h"
#include "export/icalendar_weeks.h"
#include "export/markdown_weeks.h"
#include "export/stored_weeks.h"
#include "export/week_export.h"
#include "resident_memory.h"

#include <benchmark/benchmark.h>

using namespace BenchStore;

namespace {

void BM_Export(benchmark::State &state)
{
    const QString path = store(int(state.range(0)));
    const auto format = WeekExport::Format(state.range(1));
    QTemporaryDir dir;
    const QString target = dir.filePath(u"weeks."_s + WeekExport::extensionOf(format));
    const QDateTime stamp = QDateTime::currentDateTimeUtc();
    double rise = 0;
    for (auto _ : state) {
        const double before = residentKiB("VmRSS");
        resetPeak();
        const WeekExport::Result result = WeekExport::exportWeeks(path, target, format, stamp);
        rise = std::max(rise, residentKiB("VmHWM") - before);
        if (!result.ok)
            state.SkipWithError(qPrintable(result.error));
    }
    state.counters["peak_MiB"] = rise / 1024;
    state.counters["MB_written"] = double(QFileInfo(target).size()) / 1e6;
}

// The floor: every week read in the export's order, nothing written.
void BM_ReadAll(benchmark::State &state)
{
    const QString path = store(int(state.range(0)));
    for (auto _ : state) {
        StoredWeeks weeks;
        weeks.open(path);
        QDate weekStart;
        StoredWeeks::Texts texts;
        while (weeks.next(weekStart, texts))
            benchmark::DoNotOptimize(texts);
    }
}

// One week's text as Markdown and as iCalendar, without the database.
void BM_FormatWeek(benchmark::State &state)
{
    QRandomGenerator random(7);
    const QByteArray record = week(random, false);
    const QList<QByteArrayView> fields = decodeWeekRecordUtf8(record);
    StoredWeeks::Texts texts;
    for (int box = 0; box < kWeekFieldCount; ++box)
        texts[box] = fields.value(box);
    const QByteArray stamp = ICalendarWeeks::stampOf(QDateTime::currentDateTimeUtc());
    QByteArray out;
    for (auto _ : state) {
        out.clear();
        if (state.range(0) == 0)
            MarkdownWeeks::appendWeek(out, kLastWeek, texts);
        else
            ICalendarWeeks::appendWeek(out, kLastWeek, texts, stamp);
        benchmark::DoNotOptimize(out);
    }
}

} // namespace

BENCHMARK(BM_ReadAll)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FormatWeek)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Export)
    ->ArgsProduct({{520, 10'000, 100'000},
                   {int(WeekExport::Format::Markdown), int(WeekExport::Format::ICalendar)}})
    ->ArgNames({"weeks", "format"})
    ->Unit(benchmark::kMillisecond);
