// main() of the benchmarks that need a QCoreApplication (Qt's SQL driver does) and no widgets.
#include <benchmark/benchmark.h>
#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
