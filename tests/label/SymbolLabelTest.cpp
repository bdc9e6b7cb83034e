// The symbol label: every kind composed in both layouts and read back through the scan check, turned,
// in colour, with its human-readable line, its quiet zones white, its module in whole dots, fitted to
// a cell, and refused whole when the data cannot be encoded.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <functional>
#include <string>
#include <tuple>
#include <variant>
#include <vector>

#include "label/compose/FontSubstitutions.h"
#include "label/compose/SymbolLabel.h"
#include "label/proof/SymbolScan.h"
#include "label/render/LabelPainter.h"
#include "tests/support/ExpectMessage.h"

namespace quillon {
namespace {

using enum TSymbolKind;
using testing::MessageOf;
using namespace std::literals;

const TLabelCaptions kNoCaptions{.UpperOn = false, .Upper = {}, .LowerOn = false, .Lower = {}};
const TLabelCaptions kCaptions{
    .UpperOn = true, .Upper = "www.example.org", .LowerOn = true, .Lower = "Batch 7"};
constexpr char kGs1[] = "(01)09501101530003(17)250101(10)ABC123";

struct TKindRow {
    TSymbolKind Kind = QRCode;
    std::string Data;
    TSymbolOptions Options{};
};

// One row per kind, with each option that changes the symbol's shape.
const std::vector<TKindRow>& KindRows()
{
    static const std::vector<TKindRow> rows{
        {QRCode, "https://example.org/a?b=1", {.QrErrorCorrection = TQrErrorCorrection::H}},
        {DataMatrix, "Serial 0042-7", {.DataMatrixShape = TDataMatrixShape::Rectangular}},
        {PDF417, "Quillon PDF417 label", {.Pdf417Columns = 3}},
        {Aztec, "Ticket 12 B", {}},
        {GS1_128, kGs1, {}},
        {GS1_DataMatrix, kGs1, {}},
        {GS1_QRCode, kGs1, {}},
        {DataBarOmni, "(01)09501101530003", {}},
        {DataBarExpanded, "(01)09501101530003(10)ABC123", {}},
    };
    return rows;
}

TSymbolSettings Settings(const TKindRow& row, int modulePixels = 2, double angle = 0.0)
{
    return {.Kind = row.Kind,
            .Options = row.Options,
            .ModulePixels = modulePixels,
            .BarHeightPixels = 48,
            .ShowText = bcoCode,
            .BarColor = 0x000000,
            .AngleDegrees = angle};
}

TSymbolStandardSettings At(int dpi, std::optional<double> moduleMm = std::nullopt)
{
    return {.ModuleMm = moduleMm, .Dpi = dpi, .BarHeightMm = std::nullopt};
}

std::string Name(TSymbolKind kind)
{
    return std::string(KindInfo(kind).Name);
}

void ExpectMatches(const TScanResult& scan, const TSymbolLabel& label, const char* how)
{
    EXPECT_EQ(std::pair(scan.Outcome, scan.Decoded),
              std::pair(TScanOutcome::Matches, label.Symbol.Expected.Text))
        << how;
}

TEST(SymbolLabel, EveryKindReadsBackInBothLayoutsAndEveryTurn)
{
    RegisterFontSubstitutions();
    for (const TKindRow& row : KindRows())
        for (const int angle : {0, 90, 180, 270}) {
            SCOPED_TRACE(Name(row.Kind) + " at " + std::to_string(angle));
            const TSymbolLabel classic = RecordSymbolLabel(row.Data, Settings(row, 2, angle), kCaptions);
            ExpectMatches(CheckSymbolImage(ComposeSymbolLabel(classic), classic), classic, "classic image");
            ExpectMatches(CheckSymbolScan(classic, 300), classic, "classic at 300 dpi");
            TSymbolSettings standardSettings = Settings(row);
            standardSettings.AngleDegrees = angle;
            const TSymbolLabel standard =
                ComposeStandardSymbolLabel(row.Data, standardSettings, kCaptions, At(300));
            ExpectMatches(CheckSymbolScan(standard, 300), standard, "standard at 300 dpi");
            // A quarter turn lays the symbol across: its sides swap.
            const QSize upright = RecordSymbolLabel(row.Data, Settings(row), kCaptions).SymbolRect.size();
            EXPECT_EQ(classic.SymbolRect.size(), angle % 180 == 0 ? upright : upright.transposed());
            EXPECT_TRUE(classic.Notes.empty());
        }
}

// A reading is judged by its text and, for GS1 data, its symbology identifier (ISO/IEC 15424).
TEST(SymbolLabel, ReadingsAreJudgedByTextAndGs1Identifier)
{
    const TSymbolReading plain{.Bytes = "0109501101530003",
                               .Text = "(01)09501101530003",
                               .SymbologyIdentifier = "]d1",
                               .Format = "DataMatrix",
                               .ErrorCorrection = {}};
    TSymbolReading gs1Reading = plain;
    gs1Reading.SymbologyIdentifier = "]d2";
    const TSymbolExpectation gs1{.Kind = GS1_DataMatrix,
                                 .Reading = {.Text = "(01)09501101530003", .SymbologyIdentifier = "]d2"},
                                 .HasReader = true};
    const TScanResult matches = JudgeSymbolReading(gs1Reading, gs1);
    EXPECT_EQ(std::pair(matches.Outcome, matches.Format),
              std::pair(TScanOutcome::Matches, "DataMatrix ]d2"s));
    EXPECT_EQ(JudgeSymbolReading(plain, gs1).Outcome, TScanOutcome::ReadsOther); // GS1 data as plain text
    EXPECT_EQ(JudgeSymbolReading(std::nullopt, gs1).Outcome, TScanOutcome::DoesNotScan);
    // ZXing-cpp 1.4 reads no DataBar Expanded carrying (01) alone: no check, rather than a false failure.
    const TKindRow row{.Kind = DataBarExpanded, .Data = "(01)09501101530003", .Options = {}};
    const TSymbolLabel label = RecordSymbolLabel(row.Data, Settings(row), kNoCaptions);
    EXPECT_EQ(CheckSymbolScan(label, 600).Outcome, TScanOutcome::NoReader);
    EXPECT_EQ(CheckSymbolImage(ComposeSymbolLabel(label), label).Outcome, TScanOutcome::NoReader);
}

// Every dark module painted once, every light one left white: the runs rebuild the grid.
TEST(SymbolLabel, RunsOfDarkModulesAreOneRectangleEach)
{
    for (const TKindRow& row : KindRows()) {
        if (KindInfo(row.Kind).Shape != TSymbolShape::Matrix)
            continue;
        SCOPED_TRACE(Name(row.Kind));
        const TSymbolLabel label = RecordSymbolLabel(row.Data, Settings(row, 3), kNoCaptions);
        const TModuleGrid& grid = label.Symbol.Grid;
        std::vector<int> painted(grid.Modules.size(), 0);
        for (const TRecordedCall& call : label.Drawing.Calls) {
            const auto* box = std::get_if<TRecordedPolygon>(&call);
            if (box == nullptr)
                continue;
            const int row0 = (box->Points[0].Y - label.SymbolRect.top()) / 3;
            const int first = (box->Points[0].X - label.SymbolRect.left()) / 3;
            const int last = (box->Points[2].X - label.SymbolRect.left()) / 3;
            ASSERT_EQ(box->Points[2].Y - box->Points[0].Y, 2);
            // Maximal: the modules either side of the run are light.
            EXPECT_TRUE(first == 0 || !grid.IsDark(row0, first - 1));
            EXPECT_TRUE(last + 1 == grid.Columns || !grid.IsDark(row0, last + 1));
            for (int column = first; column <= last; ++column)
                ++painted[static_cast<std::size_t>(row0 * grid.Columns + column)];
        }
        for (std::size_t i = 0; i < painted.size(); ++i)
            ASSERT_EQ(painted[i], grid.Modules[i]) << "module " << i;
    }
}

// The quiet zones, the captions' row and the mark: nothing but the symbol's modules inside the quiet
// zones, and each zone as wide as the kind's standard asks.
TEST(SymbolLabel, QuietZonesStayWhiteAndTextsStayOutside)
{
    RegisterFontSubstitutions();
    for (const TKindRow& row : KindRows()) {
        SCOPED_TRACE(Name(row.Kind));
        const TSymbolKindInfo& info = KindInfo(row.Kind);
        for (const TSymbolLabel& label :
             {RecordSymbolLabel(row.Data, Settings(row), kCaptions),
              ComposeStandardSymbolLabel(row.Data, Settings(row), kCaptions, At(600))}) {
            const QRect& quiet = label.QuietRect;
            const QRect& symbol = label.SymbolRect;
            EXPECT_EQ(symbol.left() - quiet.left(), info.QuietModulesX * label.ModuleUnits);
            EXPECT_EQ(quiet.bottom() - symbol.bottom(), info.QuietModulesY * label.ModuleUnits);
            EXPECT_TRUE(QRect(QPoint(0, 0), label.Drawing.Size).contains(quiet));
            const QImage image =
                RenderLabelImage(label.Drawing, label.Drawing.UnitsPerInch, label.Drawing.UnitsPerInch);
            QImage symbolOnly = image.copy(quiet);
            QPainter(&symbolOnly).fillRect(symbol.translated(-quiet.topLeft()), Qt::white);
            int ink = 0;
            for (int y = 0; y < symbolOnly.height(); ++y)
                for (int x = 0; x < symbolOnly.width(); ++x)
                    ink += symbolOnly.pixel(x, y) != 0xFFFFFFFF ? 1 : 0;
            EXPECT_EQ(ink, 0);
        }
    }
}

TEST(SymbolLabel, AnglesTurnInQuarterTurnsAndSaySoWhenRounded)
{
    // Angle, quarter turns counter-clockwise, note.
    const std::tuple<double, int, std::string> rows[] = {
        {0, 0, ""},
        {90, 1, ""},
        {-90, 3, ""},
        {450, 1, ""},
        {30, 0, "Angle 30.0 degrees drawn as 0: a symbol turns in quarter turns"},
        {-136, 2, "Angle -136.0 degrees drawn as 180: a symbol turns in quarter turns"},
        {std::nan(""), 0, ""},
    };
    const TKindRow row{.Kind = QRCode, .Data = "Quillon", .Options = {}};
    for (int line = 1; const auto& [angle, turns, note] : rows) {
        SCOPED_TRACE("row " + std::to_string(line++));
        const TSymbolLabel label = RecordSymbolLabel(row.Data, Settings(row, 2, angle), kNoCaptions);
        EXPECT_EQ(std::pair(label.QuarterTurns, EnglishTexts(label.Notes)),
                  std::pair(turns, note.empty() ? std::vector<std::string>{} : std::vector{note}));
    }
}

TEST(SymbolLabel, BarColourPaintsTheModulesAndRedOnesVanishForTheScanner)
{
    // TColor (red in the low byte), the pixel it paints, the reading: a scanner lights the label in red.
    const std::tuple<TColor, QRgb, TScanOutcome> rows[] = {
        {0x000000, 0xFF000000, TScanOutcome::Matches},
        {0x800000, 0xFF000080, TScanOutcome::Matches},     // navy
        {0x0000FF, 0xFFFF0000, TScanOutcome::DoesNotScan}, // red
    };
    for (int line = 1; const auto& [colour, pixel, outcome] : rows) {
        SCOPED_TRACE("row " + std::to_string(line++));
        const TKindRow row{.Kind = DataMatrix, .Data = "Quillon", .Options = {}};
        TSymbolSettings settings = Settings(row, 3);
        settings.BarColor = colour;
        const TSymbolLabel label = RecordSymbolLabel(row.Data, settings, kNoCaptions);
        const QImage image = ComposeSymbolLabel(label);
        // Data Matrix's solid finder edge runs down the symbol's left side.
        EXPECT_EQ(image.pixel(label.SymbolRect.topLeft() + QPoint(1, 1)), pixel);
        EXPECT_EQ(CheckSymbolImage(image, label).Outcome, outcome);
        EXPECT_EQ(CheckSymbolScan(label, 300).Outcome, outcome);
    }
}

std::vector<std::string> TextsBelow(const TSymbolLabel& label)
{
    std::vector<std::string> texts;
    for (const TRecordedCall& call : label.Drawing.Calls)
        if (const auto* text = std::get_if<TRecordedText>(&call); text != nullptr && text->Text != "Q") {
            EXPECT_GT(text->TopLeft.Y, label.SymbolRect.center().y()) << text->Text;
            texts.push_back(text->Text);
        }
    return texts;
}

TEST(SymbolLabel, TheGs1AisStandInBracketsBelowTheSymbol)
{
    RegisterFontSubstitutions();
    using TTexts = std::vector<std::string>;
    // Kind, shown, the lines of the classic label, and of the standard one (which always shows a GS1 kind's
    // AIs).
    const std::tuple<TSymbolKind, TBarcodeOption, TTexts, TTexts> rows[] = {
        {GS1_128, bcoCode, {kGs1}, {kGs1}},
        {GS1_128, bcoNone, {}, {kGs1}},
        {GS1_DataMatrix, bcoBoth, {kGs1, "GS1 Data Matrix"}, {kGs1}},
        {QRCode, bcoCode, {}, {}},
        {QRCode, bcoTyp, {"QR Code"}, {}},
    };
    for (int line = 1; const auto& [kind, shown, classic, standard] : rows) {
        SCOPED_TRACE("row " + std::to_string(line++));
        const TKindRow row{.Kind = kind, .Data = kGs1, .Options = {}};
        TSymbolSettings settings = Settings(row);
        settings.ShowText = shown;
        EXPECT_EQ(TextsBelow(RecordSymbolLabel(row.Data, settings, kNoCaptions)), classic);
        EXPECT_EQ(TextsBelow(ComposeStandardSymbolLabel(row.Data, settings, kNoCaptions, At(300))), standard);
    }
}

TEST(SymbolLabel, DataTheKindCannotHoldRaisesBeforeAnythingIsDrawn)
{
    // The encoder's own sentence (each one: ZintSymbolTest), raised by every maker.
    const TKindRow row{.Kind = GS1_128, .Data = "(01)09501101530004", .Options = {}};
    const TSymbolSettings settings = Settings(row);
    const TSymbolStandardSettings standard = At(300);
    const std::function<void()> makers[] = {
        [&] { RecordSymbolLabel(row.Data, settings, kCaptions); },
        [&] { ComposeSymbolLabel(row.Data, settings, kCaptions); },
        [&] { ComposeStandardSymbolLabel(row.Data, settings, kCaptions, standard); },
        [&] { FitStandardSymbolLabel(row.Data, settings, kCaptions, standard, QSizeF(100, 100)); },
    };
    for (int maker = 1; const auto& make : makers) {
        SCOPED_TRACE("maker " + std::to_string(maker++));
        try {
            make();
            ADD_FAILURE() << "made a label";
        } catch (const SymbolException& e) {
            EXPECT_EQ(std::pair(e.Error(), std::string(e.what())),
                      std::pair(TSymbolError::BadGs1Data, "(01): check digit should be 3"s));
        }
    }
    // Settings out of range, and a label too large to make: 5000 digits take a version 38 QR Code, 169
    // modules and 4 on either side at 49 pixels, under a 13-pixel caption row and over a 2-pixel band.
    const TKindRow qr{.Kind = QRCode, .Data = std::string(5000, '7'), .Options = {}};
    EXPECT_EQ(MessageOf([&] { RecordSymbolLabel("x", Settings(qr, 0), kNoCaptions); }),
              "Module of 0 pixels is outside 1-49 pixels");
    EXPECT_EQ(MessageOf([&] { ComposeStandardSymbolLabel("x", Settings(qr), kNoCaptions, At(50)); }),
              "Resolution 50 dpi is outside 72-2400 dpi");
    EXPECT_EQ(MessageOf([&] { RecordSymbolLabel(qr.Data, Settings(qr, 49), kNoCaptions); }),
              "Label image of 8673 x 8688 pixels is too large");
}

struct TModuleRow {
    TSymbolKind Kind = QRCode;
    std::optional<double> AskedMm{};
    int Dpi = 600;
    int Dots = 0;
    std::string Note;
};

TEST(SymbolLabel, TheStandardModuleIsWholeDotsNeverBelowTheKindsLeast)
{
    // clang-format off
    const TModuleRow rows[] = {
        {QRCode, {}, 600, 12, ""},      // 0.5 mm is 11.81 dots
        {QRCode, {}, 203, 4, ""},       // 3.996 dots
        {GS1_128, {}, 600, 8, ""},      // 0.33 mm is 7.80 dots
        {DataBarOmni, {}, 203, 3, ""},  // 2.64 dots
        {Aztec, 1.0, 300, 12, ""},      // 11.81 dots
        {QRCode, 0.1, 600, 6, "X-dimension 0.100 mm is below the 0.250 mm that QR Code needs: printed at 0.254 mm (6 dots at 600 dpi)"},
        // 0.265 mm is 6.26 dots, 6 of them 0.254 mm: under DataBar's 0.264 mm (6.24 dots).
        {DataBarOmni, 0.265, 600, 7, "X-dimension 0.265 mm in whole dots falls below the 0.264 mm that GS1 DataBar Omnidirectional needs: printed at 0.296 mm (7 dots at 600 dpi)"},
    };
    // clang-format on
    for (int line = 1; const TModuleRow& row : rows) {
        SCOPED_TRACE("row " + std::to_string(line++));
        const TKindRow kind{.Kind = row.Kind, .Data = "(01)09501101530003", .Options = {}};
        const TSymbolLabel label =
            ComposeStandardSymbolLabel(kind.Data, Settings(kind), kNoCaptions, At(row.Dpi, row.AskedMm));
        EXPECT_EQ(label.ModuleUnits, row.Dots);
        EXPECT_DOUBLE_EQ(label.ModuleMm, row.Dots * 25.4 / row.Dpi);
        EXPECT_EQ(EnglishTexts(label.Notes),
                  row.Note.empty() ? std::vector<std::string>{} : std::vector{row.Note});
    }
}

TEST(SymbolLabel, FittingACellTakesASmallerModuleDownToTheLeast)
{
    // A version 2 QR Code: 25 modules and 4 on either side, 33 across; 0.5 mm is 6 dots at 300 dpi.
    const TKindRow row{.Kind = QRCode, .Data = "https://example.org/a?b=1", .Options = {}};
    // Cell, module dots, note.
    const std::tuple<QSizeF, int, std::string> rows[] = {
        {QSizeF(60, 60), 6, ""},
        {QSizeF(14, 60), 5, "X-dimension reduced to 0.423 mm (5 dots at 300 dpi) to fit the cell"},
        {QSizeF(60, 16), 4, "X-dimension reduced to 0.339 mm (4 dots at 300 dpi) to fit the cell"},
    };
    for (int line = 1; const auto& [cell, dots, note] : rows) {
        SCOPED_TRACE("row " + std::to_string(line++));
        const TFittedSymbolLabel fitted =
            FitStandardSymbolLabel(row.Data, Settings(row), kNoCaptions, At(300), cell);
        EXPECT_TRUE(fitted.Fit.Fits);
        EXPECT_EQ(fitted.Label.ModuleUnits, dots);
        EXPECT_EQ(EnglishTexts(fitted.Label.Notes),
                  note.empty() ? std::vector<std::string>{} : std::vector{note});
    }
    // Below 0.25 mm (3 dots) it is refused as any label too large for its cell.
    const TFittedSymbolLabel refused =
        FitStandardSymbolLabel(row.Data, Settings(row), kNoCaptions, At(300), QSizeF(5, 5));
    EXPECT_EQ(refused.Label.ModuleUnits, 3);
    EXPECT_FALSE(refused.Fit.Fits);
    EXPECT_EQ(EnglishText(refused.Fit.Message), "Label 8.4 mm wide, cell 5.0 mm: it would be cut off");
}

} // namespace
} // namespace quillon
