// Reading lists of labels as the window and quillon-cli read them: a CSV file of 1,000,000 rows with a
// header, captions (one quoted, with the separator inside) and copies, fed in the 64 KiB pieces a
// file is read in; and the same count of codes one a line.
// Run: scripts/bench (Release build), or build/release/bench/list_bench.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "label/input/LabelList.h"

namespace {

using namespace quillon;

constexpr std::size_t kRows = 1'000'000;
constexpr std::size_t kPieceBytes = 64 * 1024;

// 13-digit codes counting up, as a shop's product list would hold them.
std::string MakeList(TListFormat format)
{
    std::string list = format == TListFormat::Csv ? "code,upper,lower,copies\r\n" : "";
    for (std::size_t row = 0; row < kRows; ++row) {
        const std::string code = std::to_string(2'000'000'000'000 + row);
        list += format == TListFormat::Csv ? code + ",Shelf " + std::to_string(row % 40) +
                                                 ",\"Price, each\"," + std::to_string(1 + row % 3) + "\r\n"
                                           : code + "\n";
    }
    return list;
}

void ReadList(benchmark::State& state, TListFormat format)
{
    const std::string list = MakeList(format);
    std::size_t rows = 0;
    const TListRowSink count = [&rows](TListRow&& row) { rows += row.Problem.Empty() ? 1 : 0; };
    for (auto _ : state) {
        rows = 0;
        TListReader reader(format, "list");
        for (std::size_t at = 0; at < list.size(); at += kPieceBytes)
            reader.Add(std::string_view(list).substr(at, kPieceBytes), count);
        reader.Finish(count);
        if (rows != kRows)
            state.SkipWithError("rows lost");
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kRows));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * list.size()));
}

void BM_ReadCsvList(benchmark::State& state)
{
    ReadList(state, TListFormat::Csv);
}
BENCHMARK(BM_ReadCsvList)->Unit(benchmark::kMillisecond);

void BM_ReadCodeLines(benchmark::State& state)
{
    ReadList(state, TListFormat::Lines);
}
BENCHMARK(BM_ReadCodeLines)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
