// Converting the earlier program's database: 520 weeks and 10,000 weeks of about 2,000
// characters, read, written to a new database, synced and checked (prepare()). No tool that
// writes Jet files is part of the project, so the rows come from this program itself standing
// in for orvanta-jet-reader (run with ORVANTA_BENCH_ROWS set), in the reader's own stream;
// BM_ReaderOnFixture times the real reader on the Jet fixture. peak_MiB is how far Orvanta's
// resident memory rose during the conversion, reader_peak_MiB the reader's own peak: neither
// may grow with the number of weeks.
#include "conversion/earlier_program_conversion.h"
#include "jet/jet_file.h"
#include "resident_memory.h"
#include "schedule/week_record.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <sys/resource.h>

namespace {

// The stand-in reader: ORVANTA_BENCH_ROWS weeks from Sunday 2003-01-05, each day about 250
// characters over lines ended by CR LF.
int standInReader(bool datesOnly)
{
    const int rows = qEnvironmentVariableIntValue("ORVANTA_BENCH_ROWS");
    QByteArray day;
    while (day.size() < 240)
        day += "Dentist at 10, then the market; call Anna about the trip.\r\n";
    QByteArray record;
    for (int field = 0; field < kWeekFieldCount; ++field)
        record += day + WeekDataSeparator.toUtf8();
    std::fwrite(JetReaderStream::kMagic, 1, 4, stdout);
    for (int i = 0; i < rows; ++i) {
        JetReaderStream::Row row;
        row.number = quint32(i + 1);
        row.date = 37626.0 + 7.0 * i;
        if (!datesOnly)
            row.text = record;
        const QByteArray bytes = JetReaderStream::rowRecord(row);
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    }
    const QByteArray end = JetReaderStream::endRecord(quint32(rows));
    std::fwrite(end.constData(), 1, size_t(end.size()), stdout);
    return 0;
}

void BM_Convert(benchmark::State &state)
{
    qputenv("ORVANTA_BENCH_ROWS", QByteArray::number(state.range(0)));
    QTemporaryDir folder;
    const QString database = folder.filePath(QStringLiteral("dbCalendar.mdb"));
    QFile(database).open(QIODevice::WriteOnly);
    double rise = 0;
    for (auto _ : state) {
        const double before = residentKiB("VmRSS");
        resetPeak();
        EarlierProgramConversion conversion({database, QCoreApplication::applicationFilePath()});
        if (!conversion.prepare() || conversion.weeks() != state.range(0))
            state.SkipWithError(qPrintable(conversion.errorText()));
        rise = std::max(rise, residentKiB("VmHWM") - before);
    }
    rusage children{};
    getrusage(RUSAGE_CHILDREN, &children);
    state.counters["peak_MiB"] = rise / 1024;
    state.counters["reader_peak_MiB"] = double(children.ru_maxrss) / 1024;
}
BENCHMARK(BM_Convert)
    ->Arg(520)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

// The real reader through every row of the Jet fixture (60 rows, one of 40,000 characters).
void BM_ReaderOnFixture(benchmark::State &state)
{
    for (auto _ : state) {
        QProcess reader;
        reader.start(QStringLiteral(ORVANTA_JET_READER),
                     {QStringLiteral(ORVANTA_JET_FIXTURES "/calendar-jet4.mdb")});
        reader.waitForFinished();
        if (reader.exitCode() != 0)
            state.SkipWithError("the reader failed");
    }
}
BENCHMARK(BM_ReaderOnFixture)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsSet("ORVANTA_BENCH_ROWS") && argc >= 2 &&
        std::strncmp(argv[1], "--benchmark", 11) != 0)
        return standInReader(std::strcmp(argv[1], "--dates-only") == 0);
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
