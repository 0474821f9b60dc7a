// Encoding and decoding a week record: a typical week, and one of 10 million characters.
#include "schedule/week_record.h"

#include <benchmark/benchmark.h>

namespace {

// Lines of 40 characters, as a text box's document holds them (U+2029 between paragraphs).
WeekTexts week(qsizetype charactersPerText)
{
    QString line(39, QLatin1Char('a'));
    line += QChar::ParagraphSeparator;
    WeekTexts texts;
    for (int i = 0; i < kWeekFieldCount; ++i)
        texts[i] = line.repeated(charactersPerText / line.size()) +
                   QString(charactersPerText % line.size(), QLatin1Char('z'));
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
    const QString record = QString::fromUtf8(encodeWeekRecord(week(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(decodeWeekRecord(record));
    state.SetBytesProcessed(state.iterations() * record.size() * 2);
}

} // namespace

BENCHMARK(BM_Encode)->Arg(200)->Arg(1'250'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Decode)->Arg(200)->Arg(1'250'000)->Unit(benchmark::kMillisecond);
