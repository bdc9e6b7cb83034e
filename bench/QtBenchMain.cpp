// Benchmark main for the Qt-based benchmarks: headless on the offscreen platform, fonts as the
// program registers them.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

#include "label/compose/FontSubstitutions.h"

int main(int argc, char** argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    quillon::RegisterFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
