// Composing the label image as the preview does after every change of the deck.
// Run: scripts/bench (Release build), or build/release/bench/app_bench.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <cstdlib>

#include "app/FontSubstitutions.h"
#include "app/LabelComposer.h"

namespace {

using namespace quillon;

// The window's designed label: EAN-13 at Modul 2 and Ratio 1.0 (clamped by the engine), Height 64,
// the code line and both captions on.
void ComposeDefaultLabel(benchmark::State& state)
{
    TBarcode barcode;
    barcode.SetTyp(bcCodeEAN13);
    barcode.SetModul(2);
    barcode.SetRatio(1.0);
    barcode.SetHeight(64);
    barcode.SetCheckSumMethod(csmNone);
    barcode.SetShowText(bcoCode);
    const TLabelCaptions captions{
        .UpperOn = true, .Upper = "www.quillon.example", .LowerOn = true, .Lower = "Description"};
    for (auto _ : state) {
        barcode.SetText("6212236011840"); // each change of the deck sets Text again
        benchmark::DoNotOptimize(ComposeLabel(barcode, captions));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ComposeDefaultLabel)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    RegisterFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
