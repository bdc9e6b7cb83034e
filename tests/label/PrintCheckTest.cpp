// Proof on paper: whole sheets verified cell by cell at printer resolutions, cut and stretched labels
// refused, wrong check digits named, and cells that print alike read once.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "label/compose/FontSubstitutions.h"
#include "label/compose/StandardLayout.h"
#include "label/proof/PrintCheck.h"
#include "label/proof/SymbolScan.h"
#include "label/sheet/SheetRun.h"
#include "tests/support/ExpectMessage.h"

namespace quillon {
namespace {

const TLabelCaptions kNoCaptions{.UpperOn = false, .Upper = {}, .LowerOn = false, .Lower = {}};

enum class TLayout : std::uint8_t { Classic, Standard };
enum class TFill : std::uint8_t { AsIs, Stretched };

struct TSheetCase {
    TLayout Layout = TLayout::Classic;
    TBarcodeType Typ = bcCodeEAN13;
    std::string Text{};
    int Zoom = 1; // the classic label's module in screen pixels
    int Columns = 4;
    int Rows = 20;
    TFill Fill = TFill::AsIs;
    int Dpi = 600;
    std::string Summary{};
    std::string Reason{}; // of every failing cell
    TColor Bars = 0x000000;
};

struct TSheet {
    TPreparedReport Report{};
    TSheetLabels Labels{};
    std::vector<TScanExpectation> Expected{};
    std::shared_ptr<const TLabelDrawing> Drawing{};
    TBarcode Barcode{};
};

// A sheet of one label in every cell, made as the print command makes it: the classic label at its
// screen size with the bars as high as the row allows, or the standard label fitted to the cell.
TSheet MakeSheet(const TSheetCase& sheetCase)
{
    TPrintBarForm form;
    ApplySheetSettings(form, {.Columns = sheetCase.Columns,
                              .Rows = sheetCase.Rows,
                              .Stretch = sheetCase.Fill == TFill::Stretched});
    TSheet sheet{.Report = PrepareSheet(form, sheetCase.Columns * sheetCase.Rows)};
    TBarcode& barcode = sheet.Barcode;
    barcode.SetTyp(sheetCase.Typ), barcode.SetText(sheetCase.Text), barcode.SetModul(sheetCase.Zoom);
    barcode.SetShowText(bcoCode), barcode.SetColorBar(sheetCase.Bars);
    barcode.SetHeight(SheetRowHeight({.Rows = sheetCase.Rows}));
    if (sheetCase.Layout == TLayout::Classic) {
        sheet.Drawing = std::make_shared<const TLabelDrawing>(RecordLabel(barcode, kNoCaptions));
    } else {
        const TRectTenths cell = sheet.Report.Pages.front().Elements.front().Frame;
        const TFittedLabel fitted = FitStandardLabel(barcode, kNoCaptions, {.Dpi = sheetCase.Dpi},
                                                     QSizeF(cell.Width / 10.0, cell.Height / 10.0));
        EXPECT_TRUE(fitted.Fit.Fits) << EnglishText(fitted.Fit.Message);
        sheet.Drawing = std::make_shared<const TLabelDrawing>(fitted.Label.Drawing);
    }
    const auto cells = static_cast<std::size_t>(sheetCase.Columns * sheetCase.Rows);
    sheet.Labels.assign(cells, sheet.Drawing);
    sheet.Expected.assign(cells, ExpectScan(barcode));
    return sheet;
}

// The classic label draws its bars from its cell's left edge; at zoom 1 it is 25.1 mm wide, so the label
// to its left leaves 20 mm of paper before it, and its own cell as much after it. Stretched, it fills
// its cell with bars.
TEST(PrintCheck, SheetsReadBackCellByCellAtThePrintersResolution)
{
    RegisterFontSubstitutions();
    using enum TLayout;
    constexpr TFill asIs = TFill::AsIs, stretched = TFill::Stretched;
    const std::string code = "6212236011840", gs1 = "5901234123457";
    const std::string cutOff = "Label 75.4 mm wide, cell 45.9 mm: it would be cut off";
    // clang-format off
    const TSheetCase cases[] = {
        {Classic, bcCodeEAN13, code, 1, 4, 20, asIs, 300, "80 of 80 labels read back at 300 dpi", ""},
        {Classic, bcCodeEAN13, code, 1, 4, 20, asIs, 600, "80 of 80 labels read back at 600 dpi", ""},
        // 3: 285 screen pixels are 75.4 mm; the cell keeps 45.9 mm of them, 57 of 95 modules.
        {Classic, bcCodeEAN13, code, 3, 4, 20, asIs, 600, "0 of 80 labels read back at 600 dpi", cutOff},
        // 4: stretched, the module is 11 dots (0.466 mm) and the 95 modules leave 1.6 mm of the cell free
        // on the right: 8.1 modules to the next label's bars on either side, where EAN-13 asks 11 on its
        // left. Only the first column has them, in its margin.
        {Classic, bcCodeEAN13, code, 1, 4, 20, stretched, 600, "20 of 80 labels read back at 600 dpi", "Does not scan at 600 dpi (stretched to fill its cell)"},
        // 5: across one column the module is 23 dots (1.95 mm): the 10 mm margin on its left, up to the
        // paper's edge, is 5 modules.
        {Classic, bcCodeEAN13, code, 1, 1, 4, stretched, 300, "0 of 4 labels read back at 300 dpi", "Does not scan at 300 dpi (stretched to fill its cell)"},
        // 6: the check digit of 621223601184 is 0 (GS1 modulo 10); the reader refuses the 1.
        {Classic, bcCodeEAN13, "6212236011841", 1, 4, 20, asIs, 600, "0 of 80 labels read back at 600 dpi", "Check digit should be 0"},
        // 7: twelve digits without the Checksum switch are padded to 0200000000001; 020000000000 gives 4.
        {Classic, bcCodeEAN13, "200000000001", 1, 2, 3, asIs, 300, "0 of 6 labels read back at 300 dpi", "Check digit should be 4"},
        {Classic, bcCodeMSI, "123456", 1, 4, 20, asIs, 600, "80 labels not checked: no reader for their kind", ""},
        {Standard, bcCodeEAN13, gs1, 1, 3, 7, asIs, 203, "21 of 21 labels read back at 203 dpi", ""},
        {Standard, bcCode128B, "Quillon 128", 1, 3, 7, asIs, 203, "21 of 21 labels read back at 203 dpi", ""},
        {Standard, bcCode39, "QUILLON-39", 1, 3, 7, asIs, 300, "21 of 21 labels read back at 300 dpi", ""},
    };
    // clang-format on
    for (int line = 1; const TSheetCase& sheetCase : cases) {
        SCOPED_TRACE(::testing::Message() << "row " << line++);
        const TSheet sheet = MakeSheet(sheetCase);
        const TSheetVerification verified =
            VerifySheet(sheet.Report, sheet.Labels, sheet.Expected, sheetCase.Dpi);
        EXPECT_EQ(VerificationSummary(verified), sheetCase.Summary);
        EXPECT_EQ(verified.Failures.size(), static_cast<std::size_t>(verified.Checked - verified.ReadBack));
        for (const TCellFailure& failure : verified.Failures) {
            EXPECT_EQ(EnglishText(failure.Reason), sheetCase.Reason) << "data row " << failure.Row;
            EXPECT_NE(failure.Scan.Decoded, sheetCase.Text) << "data row " << failure.Row;
        }
    }
}

// Only what a reader's line across the bars could meet tells cells apart: the label, and the paper and
// the labels within a quiet zone's reach of it. At zoom 1 each label leaves 20 mm of its cell free, so
// every cell of the sheet prints alike, whatever its offset from the dot grid (the rows step 318.9 dots
// at 600 dpi). Stretched, the next labels' bars are 8.1 modules away on either side: the first and the
// last column, with a margin on one side, and the two between, whose neighbours lie 1133 and 1134 dots
// away (the columns step 1133.9 dots).
TEST(PrintCheck, CellsThatPrintAlikeAreReadOnce)
{
    RegisterFontSubstitutions();
    const std::tuple<TFill, int, int> rows[] = {
        {TFill::AsIs, 254, 1}, {TFill::AsIs, 600, 1}, {TFill::Stretched, 600, 4}};
    for (const auto& [fill, dpi, distinct] : rows) {
        const TSheet sheet = MakeSheet({.Text = "6212236011840", .Fill = fill, .Dpi = dpi});
        const TSheetVerification verified = VerifySheet(sheet.Report, sheet.Labels, sheet.Expected, dpi);
        EXPECT_EQ(std::pair(verified.Labels, verified.DistinctCells), std::pair(80, distinct))
            << dpi << " dpi";
    }
}

TEST(PrintCheck, TheWindowsScanCheckJudgesTheLabelInItsCell)
{
    RegisterFontSubstitutions();
    constexpr TColor kBlack = 0x000000, kRed = 0x0000FF; // red in the low byte
    // Zoom, typed code, bar colour, outcome, status line, reason.
    const std::tuple<int, std::string, TColor, TScanOutcome, std::string, std::string> rows[] = {
        {1, "6212236011840", kBlack, TScanOutcome::Matches, "Scans as 6212236011840", ""},
        {3, "6212236011840", kBlack, TScanOutcome::DoesNotScan, "Does not scan",
         "Label 75.4 mm wide, cell 45.9 mm: it would be cut off"},
        {1, "6212236011841", kBlack, TScanOutcome::DoesNotScan, "Check digit should be 0",
         "Check digit should be 0"},
        // 4: under a scanner's red light red bars vanish, whatever dots a printer gives them.
        {1, "6212236011840", kRed, TScanOutcome::DoesNotScan, "Does not scan", "Does not scan at 600 dpi"},
    };
    for (const auto& [zoom, text, bars, outcome, status, reason] : rows) {
        const TSheet sheet = MakeSheet({.Text = text, .Zoom = zoom, .Bars = bars});
        const TPrintVerdict verdict = VerifyLabelOnSheet(*sheet.Drawing, sheet.Barcode, sheet.Report, 600);
        const TScanResult result = CheckScanOnSheet(*sheet.Drawing, sheet.Barcode, sheet.Report, 600);
        EXPECT_EQ(std::tuple(result.Outcome, ScanStatusText(result, "EAN13").toStdString(),
                             EnglishText(verdict.Reason)),
                  std::tuple(outcome, status, reason))
            << "zoom " << zoom << ", " << text;
    }
}

// quillon-cli's label command: the label alone on paper, the paper its quiet zones, whatever its size.
TEST(PrintCheck, ALabelAloneReadsWithThePaperAroundIt)
{
    RegisterFontSubstitutions();
    // Kind, typed code, zoom, dpi, outcome, reason.
    const std::tuple<TBarcodeType, std::string, int, int, TScanOutcome, std::string> rows[] = {
        {bcCodeEAN13, "6212236011840", 3, 600, TScanOutcome::Matches, ""}, // cut off only on a 4-column sheet
        {bcCodeEAN13, "6212236011840", 1, 203, TScanOutcome::Matches, ""},
        {bcCodeEAN13, "6212236011841", 1, 300, TScanOutcome::DoesNotScan, "Check digit should be 0"},
        {bcCode128B, "Quillon 128", 2, 300, TScanOutcome::Matches, ""},
        {bcCodeMSI, "123456", 2, 300, TScanOutcome::NoReader, ""},
    };
    for (int line = 1; const auto& [typ, text, zoom, dpi, outcome, reason] : rows) {
        const TSheet sheet = MakeSheet({.Typ = typ, .Text = text, .Zoom = zoom, .Columns = 1, .Rows = 1});
        const TPrintVerdict verdict = VerifyLabelAlone(*sheet.Drawing, sheet.Barcode, dpi);
        EXPECT_EQ(std::pair(verdict.Scan.Outcome, EnglishText(verdict.Reason)), std::pair(outcome, reason))
            << "row " << line++;
    }
}

struct TSymbolSheetCase {
    TLayout Layout = TLayout::Standard;
    TSymbolKind Kind = TSymbolKind::QRCode;
    std::string Data{};
    int Columns = 3;
    int Rows = 7;
    int Dpi = 300;
    std::string Summary{};
    std::string Reason{};   // of every failing cell
    std::string Expected{}; // what the cells should read as, when not Data
    int Zoom = 2;           // the classic label's module in screen pixels
};

// Symbol labels are read whole by the symbol reader, as printed in their cells: the standard label
// fitted to the cell, the classic one at its screen size.
TEST(PrintCheck, SymbolSheetsReadBackCellByCell)
{
    RegisterFontSubstitutions();
    using enum TSymbolKind;
    using enum TLayout;
    const std::string url = "https://example.org/a?b=1";
    // clang-format off
    const TSymbolSheetCase cases[] = {
        {Standard, QRCode, url, 3, 7, 300, "21 of 21 labels read back at 300 dpi"},
        {Standard, DataMatrix, url, 3, 7, 300, "21 of 21 labels read back at 300 dpi"},
        {Standard, Aztec, url, 3, 7, 600, "21 of 21 labels read back at 600 dpi"},
        {Standard, PDF417, url, 3, 7, 300, "21 of 21 labels read back at 300 dpi"},
        {Standard, GS1_128, "(01)09501101530003(10)ABC123", 3, 7, 600, "21 of 21 labels read back at 600 dpi"},
        {Classic, QRCode, url, 2, 5, 600, "10 of 10 labels read back at 600 dpi"},
        // 7: modules of 4 screen pixels make the label 38.9 mm high; its cell cuts the symbol at 13.5 mm.
        {Classic, QRCode, url, 4, 20, 600, "0 of 80 labels read back at 600 dpi", "Label 38.9 mm high, cell 13.5 mm: it would be cut off", "", 4},
        {Standard, QRCode, url, 3, 7, 300, "0 of 21 labels read back at 300 dpi", "Reads " + url + " at 300 dpi, not https://example.org/b", "https://example.org/b"},
        // 9: ZXing-cpp reads no DataBar Expanded that carries (01) alone.
        {Standard, DataBarExpanded, "(01)09501101530003", 3, 7, 300, "21 labels not checked: no reader for their kind"},
    };
    // clang-format on
    for (int line = 1; const TSymbolSheetCase& row : cases) {
        SCOPED_TRACE(::testing::Message() << "row " << line++);
        TPrintBarForm form;
        ApplySheetSettings(form, {.Columns = row.Columns, .Rows = row.Rows});
        const TPreparedReport sheet = PrepareSheet(form, row.Columns * row.Rows);
        const TRectTenths cell = sheet.Pages.front().Elements.front().Frame;
        const TSymbolSettings settings{.Kind = row.Kind, .ModulePixels = row.Zoom, .BarHeightPixels = 48};
        const auto make = [&](const std::string& data) {
            return row.Layout == Classic
                       ? RecordSymbolLabel(data, settings, kNoCaptions)
                       : FitStandardSymbolLabel(data, settings, kNoCaptions, {.Dpi = row.Dpi},
                                                QSizeF(cell.Width / 10.0, cell.Height / 10.0))
                             .Label;
        };
        const TSymbolLabel label = make(row.Data);
        const TScanExpectation expected{.Symbol = std::make_shared<const TSymbolExpectation>(ExpectSymbolScan(
                                            row.Expected.empty() ? label : make(row.Expected)))};
        const auto cells = static_cast<std::size_t>(row.Columns * row.Rows);
        const TSheetVerification verified =
            VerifySheet(sheet, TSheetLabels(cells, std::make_shared<const TLabelDrawing>(label.Drawing)),
                        std::vector<TScanExpectation>(cells, expected), row.Dpi);
        EXPECT_EQ(VerificationSummary(verified), row.Summary);
        for (const TCellFailure& failure : verified.Failures)
            EXPECT_EQ(EnglishText(failure.Reason), row.Reason) << "data row " << failure.Row;
        EXPECT_EQ(EnglishText(VerifyLabelOnSheet(label.Drawing, expected, sheet, row.Dpi).Reason),
                  row.Reason);
    }
}

TEST(PrintCheck, RefusesAResolutionOutOfRangeAndMismatchedRows)
{
    const TSheet sheet = MakeSheet({.Text = "6212236011840", .Columns = 1, .Rows = 2});
    EXPECT_EQ(testing::MessageOf([&] { VerifySheet(sheet.Report, sheet.Labels, sheet.Expected, 71); }),
              "Verification at 71 dpi: the resolution must be 72 to 2400 dpi");
    EXPECT_EQ(testing::MessageOf([&] { VerifySheet(sheet.Report, sheet.Labels, {}, 600); }),
              "Verification needs one reading for each of the 2 label rows, not 0");
}

TEST(PrintCheck, RightCheckDigitIsTheEnginesForTheDigitsAsDrawn)
{
    // Kind, typed code, Checksum switch, the digit the engine computes where the drawn one differs.
    const std::tuple<TBarcodeType, std::string, bool, std::optional<char>> rows[] = {
        {bcCodeEAN13, "6212236011841", false, '0'},
        {bcCodeEAN13, "6212236011840", false, std::nullopt},
        {bcCodeEAN13, "621223601184", true, std::nullopt}, // the engine appends it
        {bcCodeEAN8, "96385075", false, '4'},              // GS1's EAN-8 example ends in 4
        {bcCodeUPC_A, "036000291453", false, '2'},         // GS1's UPC-A example ends in 2
        {bcCodeUPC_E0, "1234560", false, std::nullopt},    // UPC-E always draws the right one
        {bcCode128B, "QUILLON7", false, std::nullopt},
        {bcCode39, "QUILLON", false, std::nullopt},
        // 9: EAN-128 data need not end in a check digit, so no reader refuses it; the engine still
        // tells which one it would append to 01234.
        {bcCodeEAN128C, "12345", false, '8'},
    };
    for (int line = 1; const auto& [typ, text, checksum, digit] : rows) {
        TBarcode barcode;
        barcode.SetTyp(typ), barcode.SetText(text), barcode.SetChecksum(checksum);
        EXPECT_EQ(RightCheckDigit(barcode), digit) << "row " << line++;
    }
}

} // namespace
} // namespace quillon
