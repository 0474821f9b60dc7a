// Encoding and decoding a week record: a typical week, and one with a 1 MB text.
#include "schedule/week_record.h"

#include <benchmark/benchmark.h>

namespace {

WeekTexts week(qsizetype charactersPerText)
{
    WeekTexts texts;
    for (int i = 0; i < kWeekFieldCount; ++i)
        texts[i] = QString(charactersPerText, QLatin1Char('a' + i));
    return texts;
}

void BM_Encode(benchmark::State &state)
{
    const WeekTexts texts = week(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(encodeWeekRecord(texts));
    state.SetBytesProcessed(state.iterations() * kWeekFieldCount * state.range(0) * 2);
}

void BM_Decode(benchmark::State &state)
{
    const QString record = encodeWeekRecord(week(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(decodeWeekRecord(record));
    state.SetBytesProcessed(state.iterations() * record.size() * 2);
}

} // namespace

BENCHMARK(BM_Encode)->Arg(200)->Arg(1 << 17);
BENCHMARK(BM_Decode)->Arg(200)->Arg(1 << 17);
