// Fuzzes the command-line parser of quillon-cli: the input split at NUL bytes is the argument list
// after the program name. Only UsageError may escape, and the values it accepts lie in their ranges.
//
// Input: arguments separated by NUL bytes.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cli/CliOptions.h"
#include "fuzz/FuzzInput.h"
#include "label/input/LabelList.h"

namespace quillon::fuzz {
namespace {

std::vector<std::string> SplitAtNul(std::string_view bytes)
{
    std::vector<std::string> args;
    if (bytes.empty())
        return args;
    std::size_t start = 0;
    while (true) {
        const std::size_t nul = bytes.find('\0', start);
        args.emplace_back(bytes.substr(start, nul == std::string_view::npos ? nul : nul - start));
        if (nul == std::string_view::npos)
            return args;
        start = nul + 1;
    }
}

bool InRange(int v, int low, int high)
{
    return v >= low && v <= high;
}

// The values the commands use without checking them again lie in their ranges, whatever else the
// line held (a --help part-way through ends the parsing with the values taken so far).
void CheckAccepted(const cli::CliOptions& o)
{
    FUZZ_REQUIRE(o.kind < kBarcodeTypeCount);
    FUZZ_REQUIRE(!o.symbol ||
                 (OrdinalOf(*o.symbol) >= kFirstSymbolKind && OrdinalOf(*o.symbol) < kLabelKindCount));
    FUZZ_REQUIRE(!o.symbol || (o.command != "pattern" && o.command != "width") || o.help);
    FUZZ_REQUIRE(o.symbolOptions.QrErrorCorrection <= TQrErrorCorrection::H);
    FUZZ_REQUIRE(o.symbolOptions.DataMatrixShape <= TDataMatrixShape::Rectangular);
    FUZZ_REQUIRE(InRange(o.symbolOptions.Pdf417Columns, 0, kMaxPdf417Columns));
    FUZZ_REQUIRE(o.method == csmNone || o.method == csmModulo10);
    FUZZ_REQUIRE(InRange(o.modul, 1, 49));
    FUZZ_REQUIRE(std::isfinite(o.ratio));
    FUZZ_REQUIRE(!o.height || InRange(*o.height, 1, 10000));
    FUZZ_REQUIRE(!o.angle || std::isfinite(*o.angle));
    FUZZ_REQUIRE(!o.show || *o.show <= bcoBoth);
    FUZZ_REQUIRE(o.barColor <= 0xFFFFFFu);
    FUZZ_REQUIRE(InRange(o.columns, 1, 4) && InRange(o.rows, 1, 20));
    FUZZ_REQUIRE(InRange(o.margins.top, 0, 50) && InRange(o.margins.right, 0, 50) &&
                 InRange(o.margins.bottom, 0, 50) && InRange(o.margins.left, 0, 50));
    FUZZ_REQUIRE(InRange(o.spacing, 0, 50));
    FUZZ_REQUIRE(o.layout == cli::Layout::Classic || o.layout == cli::Layout::Standard);
    FUZZ_REQUIRE(o.xDimensionMm >= 0.1 && o.xDimensionMm <= 2.0);
    FUZZ_REQUIRE(!o.barHeightMm || (*o.barHeightMm >= 1.0 && *o.barHeightMm <= 300.0));
    FUZZ_REQUIRE(InRange(o.barWidthReductionDots, 0, 99) && InRange(o.dpi, 72, 2400));
    FUZZ_REQUIRE(InRange(o.copies, 1, kMaxRowCopies) && (!o.pad || InRange(*o.pad, 1, kMaxSerialWidth)));
    // A sequence is a serial run of codes within a row's bytes and of labels within a run's.
    FUZZ_REQUIRE(!o.sequence || o.help ||
                 (o.sequence->width <= kMaxSerialWidth &&
                  o.prefix.size() + o.suffix.size() < kMaxListRowBytes &&
                  o.sequence->Count() * static_cast<std::uint64_t>(o.copies) <= cli::kMaxCodes));
}

void Run(std::string_view bytes)
{
    const std::vector<std::string> args = SplitAtNul(bytes);
    try {
        CheckAccepted(cli::ParseCommandLine(args));
    } catch (const cli::UsageError& e) {
        FUZZ_REQUIRE(e.what()[0] != '\0'); // main prints it under the usage line
    }
    // Any other exception escapes and ends the run as a crash.
}

} // namespace
} // namespace quillon::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    quillon::fuzz::Run(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
