// TBarcode::Width beside libzint on the same 12-digit EAN-13 codes, in one process: the engine's
// measuring against a peer's create, encode and delete. The ratio of the two items-per-second is the
// figure to watch. Run from a Release build: build/<release>/bench/peer_bench.
#include <benchmark/benchmark.h>

#include <zint.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "barcode/Barcode.h"

namespace {

using namespace quillon;

constexpr int kCodeCount = 1024; // a power of two, so the index wraps with a mask
constexpr int kDigits = 12;      // both sides append the check digit

// The same pseudo-random codes for both sides, so neither meets an easier input.
const std::vector<std::string>& Codes()
{
    static const std::vector<std::string> codes = [] {
        std::mt19937 rng(20261206);
        std::uniform_int_distribution<int> digit(0, 9);
        std::vector<std::string> result(kCodeCount);
        for (std::string& code : result)
            for (int i = 0; i < kDigits; ++i)
                code += static_cast<char>('0' + digit(rng));
        return result;
    }();
    return codes;
}

void QuillonWidth(benchmark::State& state)
{
    const std::vector<std::string>& codes = Codes();
    TBarcode barcode;
    barcode.SetTyp(bcCodeEAN13);
    barcode.SetChecksum(true);
    barcode.SetCheckSumMethod(csmModulo10);
    std::size_t i = 0;
    for (auto _ : state) {
        barcode.SetText(codes[i++ & (kCodeCount - 1)]);
        benchmark::DoNotOptimize(barcode.Width());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(QuillonWidth);

void ZintEncode(benchmark::State& state)
{
    const std::vector<std::string>& codes = Codes();
    std::size_t i = 0;
    for (auto _ : state) {
        const std::string& code = codes[i++ & (kCodeCount - 1)];
        zint_symbol* symbol = ZBarcode_Create();
        symbol->symbology = BARCODE_EANX;
        const int error = ZBarcode_Encode(symbol, reinterpret_cast<const unsigned char*>(code.data()),
                                          static_cast<int>(code.size()));
        benchmark::DoNotOptimize(symbol->width);
        ZBarcode_Delete(symbol);
        if (error >= ZINT_ERROR) {
            state.SkipWithError("libzint refused a code");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ZintEncode);

} // namespace

BENCHMARK_MAIN();
