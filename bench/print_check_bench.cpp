// Proof on paper: a whole 4 x 20 sheet verified at 600 dpi, one label in every cell (cells that print
// alike are read once) or a label of its own in each, every cell distinct. The target is 80 distinct
// cells in under 500 ms. Run from a Release build: build/<dir>/bench/print_check_bench.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "label/compose/StandardLayout.h"
#include "label/proof/PrintCheck.h"
#include "label/sheet/SheetRun.h"

namespace {

using namespace quillon;

const TLabelCaptions kNoCaptions{.UpperOn = false, .Upper = {}, .LowerOn = false, .Lower = {}};
constexpr int kColumns = 4;
constexpr int kRows = 20;
constexpr int kCells = kColumns * kRows;
constexpr int kDpi = 600;

struct TBenchSheet {
    TPreparedReport Report{};
    TSheetLabels Labels{};
    std::vector<TScanExpectation> Expected{};
};

TPreparedReport FourByTwenty()
{
    TPrintBarForm form;
    ApplySheetSettings(form, {.Columns = kColumns, .Rows = kRows});
    return PrepareSheet(form, kCells);
}

TBarcode SheetBarcode(TBarcodeType typ, const std::string& text)
{
    TBarcode barcode;
    barcode.SetTyp(typ);
    barcode.SetText(text);
    barcode.SetShowText(bcoCode);
    barcode.SetHeight(SheetRowHeight(limits::kDesignedMarginMm, limits::kDesignedMarginMm, kRows));
    return barcode;
}

// The classic label at zoom 1, one code in every cell or a code of its own in each.
TBenchSheet ClassicSheet(bool everyCodeDifferent)
{
    TBenchSheet sheet{.Report = FourByTwenty(), .Labels = {}, .Expected = {}};
    for (int cell = 0; cell < kCells; ++cell) {
        if (!everyCodeDifferent && cell > 0) {
            sheet.Labels.push_back(sheet.Labels.back());
            sheet.Expected.push_back(sheet.Expected.back());
            continue;
        }
        TBarcode barcode = SheetBarcode(bcCodeEAN13, std::to_string(200000000000LL + cell));
        barcode.SetChecksum(true);
        sheet.Labels.push_back(std::make_shared<const TLabelDrawing>(RecordLabel(barcode, kNoCaptions)));
        sheet.Expected.push_back(ExpectScan(barcode));
    }
    return sheet;
}

// The standard label of Code 128, whose bars fit a 13.5 mm row: one code in every cell or a code of its
// own in each.
TBenchSheet StandardSheet(bool everyCodeDifferent)
{
    TBenchSheet sheet{.Report = FourByTwenty(), .Labels = {}, .Expected = {}};
    const TRectTenths cell = sheet.Report.Pages.front().Elements.front().Frame;
    for (int index = 0; index < kCells; ++index) {
        if (!everyCodeDifferent && index > 0) {
            sheet.Labels.push_back(sheet.Labels.back());
            sheet.Expected.push_back(sheet.Expected.back());
            continue;
        }
        TBarcode barcode = SheetBarcode(bcCode128B, "Quillon " + std::to_string(100 + index));
        const TFittedLabel fitted = FitStandardLabel(barcode, kNoCaptions, {.Dpi = kDpi},
                                                     QSizeF(cell.Width / 10.0, cell.Height / 10.0));
        sheet.Labels.push_back(std::make_shared<const TLabelDrawing>(fitted.Label.Drawing));
        sheet.Expected.push_back(ExpectScan(barcode));
    }
    return sheet;
}

void Verify(benchmark::State& state, const TBenchSheet& sheet)
{
    TSheetVerification verified;
    for (auto _ : state) {
        verified = VerifySheet(sheet.Report, sheet.Labels, sheet.Expected, kDpi);
        benchmark::DoNotOptimize(verified);
    }
    state.counters["distinct"] = verified.DistinctCells;
    state.counters["read"] = verified.ReadBack;
    if (verified.ReadBack != kCells)
        state.SkipWithError(VerificationSummary(verified).c_str());
}

void VerifyClassicSheet(benchmark::State& state)
{
    Verify(state, ClassicSheet(false));
}
BENCHMARK(VerifyClassicSheet)->Unit(benchmark::kMillisecond);

// Bulk codes: 80 labels, each drawn and read on its own.
void VerifyClassicSheetOf80Codes(benchmark::State& state)
{
    Verify(state, ClassicSheet(true));
}
BENCHMARK(VerifyClassicSheetOf80Codes)->Unit(benchmark::kMillisecond);

void VerifyStandardSheet(benchmark::State& state)
{
    Verify(state, StandardSheet(false));
}
BENCHMARK(VerifyStandardSheet)->Unit(benchmark::kMillisecond);

// The target: 80 distinct cells in under 500 ms.
void VerifyStandardSheetOf80Codes(benchmark::State& state)
{
    Verify(state, StandardSheet(true));
}
BENCHMARK(VerifyStandardSheetOf80Codes)->Unit(benchmark::kMillisecond);

} // namespace
