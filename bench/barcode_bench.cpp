// Pattern building and measuring per symbology on typical label inputs.
// Run: scripts/bench (Release build), or build/release/bench/barcode_bench.
#include <benchmark/benchmark.h>

#include <string>

#include "barcode/Barcode.h"
#include "barcode/KindTraits.h"

namespace {

using namespace quillon;

// A typical input for every kind: 13 or 8 digits for the retail and numeric codes,
// 12 mixed characters for the alphanumeric ones.
std::string TypicalText(TBarcodeType typ)
{
    switch (typ) {
    case bcCodeEAN8: return "12345670";
    case bcCodeUPC_E0:
    case bcCodeUPC_E1: return "1234565";
    case bcCodeUPC_Supp2: return "12";
    case bcCodeUPC_Supp5: return "12345";
    case bcCode39:
    case bcCode39Extended:
    case bcCode93:
    case bcCode93Extended:
    case bcCode128A: return "AB12-CD34.EF";
    case bcCode128B:
    case bcCodeEAN128A:
    case bcCodeEAN128B: return "Ab12-cd34/Ef";
    case bcCodeCodabar: return "12-34$56:78.";
    default: return "6212236011840";
    }
}

void BuildPattern(benchmark::State& state, TBarcodeType typ)
{
    TBarcode barcode;
    barcode.SetTyp(typ);
    const std::string text = TypicalText(typ);
    for (auto _ : state) {
        barcode.SetText(text);
        benchmark::DoNotOptimize(barcode.BuildPattern());
    }
    state.SetItemsProcessed(state.iterations());
}

void Width(benchmark::State& state, TBarcodeType typ)
{
    TBarcode barcode;
    barcode.SetTyp(typ);
    const std::string text = TypicalText(typ);
    for (auto _ : state) {
        barcode.SetText(text);
        benchmark::DoNotOptimize(barcode.Width());
    }
    state.SetItemsProcessed(state.iterations());
}

const bool registered = [] {
    for (int i = 0; i < kBarcodeTypeCount; ++i) {
        const auto typ = static_cast<TBarcodeType>(i);
        const std::string name(KindTraits(i).ListEntry);
        benchmark::RegisterBenchmark(("BuildPattern/" + name).c_str(), BuildPattern, typ);
        benchmark::RegisterBenchmark(("Width/" + name).c_str(), Width, typ);
    }
    return true;
}();

} // namespace

BENCHMARK_MAIN();
