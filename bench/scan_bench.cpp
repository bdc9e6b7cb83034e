// The scan check the window runs after every composition: the label read back with ZXing-cpp.
// Run from a Release build with QT_QPA_PLATFORM=offscreen: build/h-scan-rel/bench/scan_bench.
#include <benchmark/benchmark.h>

#include <QImage>

#include "label/compose/LabelComposer.h"
#include "label/proof/ScanCheck.h"

namespace {

using namespace quillon;

const TLabelCaptions kWindowCaptions{
    .UpperOn = true, .Upper = "www.quillon-labels.example", .LowerOn = true, .Lower = "Description"};
constexpr char kDefaultCode[] = "6212236011840";

// The window's barcode: Modul 2, Ratio 1.0 (raised to 2 for EAN), Height 64, the code line drawn.
TBarcode WindowBarcode(TBarcodeType typ, const char* text)
{
    TBarcode barcode;
    barcode.SetTyp(typ);
    barcode.SetModul(2);
    barcode.SetRatio(1.0);
    barcode.SetHeight(64);
    barcode.SetCheckSumMethod(csmNone);
    barcode.SetShowText(bcoCode);
    barcode.SetText(text);
    return barcode;
}

// What a keystroke costs with the check: compose the default label, then read it back.
void ComposeAndCheckDefaultLabel(benchmark::State& state)
{
    TBarcode barcode = WindowBarcode(bcCodeEAN13, kDefaultCode);
    for (auto _ : state) {
        barcode.SetText(kDefaultCode);
        const QImage label = ComposeLabel(barcode, kWindowCaptions);
        benchmark::DoNotOptimize(CheckScan(label, barcode));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ComposeAndCheckDefaultLabel)->Unit(benchmark::kMicrosecond);

// The check alone, on a label that reads at once.
void CheckDefaultLabel(benchmark::State& state)
{
    TBarcode barcode = WindowBarcode(bcCodeEAN13, kDefaultCode);
    const QImage label = ComposeLabel(barcode, kWindowCaptions);
    for (auto _ : state)
        benchmark::DoNotOptimize(CheckScan(label, barcode));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(CheckDefaultLabel)->Unit(benchmark::kMicrosecond);

// The slow case: a label that never reads makes the decoder try every scan line. Code 93 Extended at
// ratio 1 is the kind the window's list selects when the About panel is confirmed.
void CheckUnreadableLabel(benchmark::State& state)
{
    TBarcode barcode = WindowBarcode(bcCode93Extended, kDefaultCode);
    const QImage label = ComposeLabel(barcode, kWindowCaptions);
    for (auto _ : state)
        benchmark::DoNotOptimize(CheckScan(label, barcode));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(CheckUnreadableLabel)->Unit(benchmark::kMicrosecond);

} // namespace
