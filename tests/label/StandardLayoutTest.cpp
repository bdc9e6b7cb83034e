// The standard label: the module in whole printer dots, ratios, quiet zones, bar heights, ink spread,
// fitting a cell, and every readable kind read back in one bit at printer resolutions.
#include <gtest/gtest.h>

#include <QImage>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "label/compose/StandardLayout.h"
#include "label/render/LabelPainter.h"
#include "tests/support/ExpectMessage.h"
#include "tests/support/PatternDecoder.h"
#include "tests/support/QtSupport.h"

namespace quillon {
namespace {

const TLabelCaptions kNoCaptions{.UpperOn = false, .Upper = {}, .LowerOn = false, .Lower = {}};
const TLabelCaptions kCaptions{
    .UpperOn = true, .Upper = "www.quillon-labels.example", .LowerOn = true, .Lower = "Description"};

TBarcode Symbol(TBarcodeType typ, const std::string& text)
{
    TBarcode barcode;
    barcode.SetTyp(typ), barcode.SetText(text);
    return barcode;
}

TStandardSettings At(double xMm, int dpi, double ratio = 2.0)
{
    return {.XDimensionMm = xMm, .Dpi = dpi, .BarHeightMm = {}, .BarWidthReductionDots = 0, .Ratio = ratio};
}

TStandardLabel Compose(TBarcodeType typ, const std::string& text, const TStandardSettings& settings,
                       const TLabelCaptions& captions = kNoCaptions)
{
    TBarcode barcode = Symbol(typ, text);
    return ComposeStandardLabel(barcode, captions, settings);
}

std::string Joined(const std::vector<TLabelMessage>& notes)
{
    std::string all;
    for (const std::string& note : EnglishTexts(notes))
        all += (all.empty() ? "" : " | ") + note;
    return all;
}

// One pixel row of the image, repeated, as a scanner's single line across the bars sees it.
testing::GreyImage ScanLine(const QImage& image, int y)
{
    return testing::ToGrey(image.copy(0, y, image.width(), 1).scaled(image.width(), 8));
}

struct TModuleRow {
    TBarcodeType Typ = bcCodeEAN13;
    double XMm = 0.33;
    int Dpi = 600;
    int Dots = 0;
    std::string Note;
};

TEST(StandardLayout, TheModuleIsTheNearestWholeDotsInsideTheSymbologysRange)
{
    // clang-format off
    const TModuleRow rows[] = {
        // 1-3: 0.33 mm is 7.80 dots at 600 dpi (0.339 mm as printed), 3.90 at 300, 2.64 at 203.
        {bcCodeEAN13, 0.33, 600, 8, ""},
        {bcCodeEAN13, 0.33, 300, 4, ""},
        {bcCodeEAN13, 0.33, 203, 3, ""},
        // 4, 5: GS1's 80 % and 200 % bound EAN/UPC; 0.264 mm is 6.24 dots, 0.660 mm 15.59.
        {bcCodeEAN13, 0.20, 600, 7, "X-dimension 0.200 mm is outside the 0.264-0.660 mm that EAN13 allows: printed at 0.296 mm (7 dots at 600 dpi)"},
        {bcCodeUPC_A, 1.0, 600, 15, "X-dimension 1.000 mm is outside the 0.264-0.660 mm that UPC_A allows: printed at 0.635 mm (15 dots at 600 dpi)"},
        // 6: in range, but 2 dots at 203 dpi would print 0.250 mm.
        {bcCodeEAN8, 0.27, 203, 3, "X-dimension 0.270 mm in whole dots falls outside the 0.264-0.660 mm that EAN8 allows: printed at 0.375 mm (3 dots at 203 dpi)"},
        {bcCode128B, 0.10, 600, 5, "X-dimension 0.100 mm is outside the 0.190-1.016 mm that Code128B allows: printed at 0.212 mm (5 dots at 600 dpi)"},
        {bcCode128B, 0.19, 72, 1, ""}, // 0.54 dots: never below one
        // 9, 10: over 49 dots the engine draws in steps of 2 dots (85.04 dots to 86).
        {bcCode128B, 0.33, 2400, 31, ""},
        {bcCode128B, 0.90, 2400, 86, "X-dimension 0.900 mm printed at 0.910 mm (86 dots at 2400 dpi): a module over 49 dots takes whole steps of 2 dots"},
    };
    // clang-format on
    for (const TModuleRow& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.Typ << " " << row.XMm << " mm at " << row.Dpi << " dpi");
        const TStandardLabel label = Compose(row.Typ, "12345678", At(row.XMm, row.Dpi));
        EXPECT_EQ(label.ModuleDots, row.Dots);
        EXPECT_DOUBLE_EQ(label.ModuleMm, row.Dots * 25.4 / row.Dpi);
        EXPECT_EQ(Joined(label.Notes), row.Note);
    }
}

struct TBox {
    int Left = 0;
    int Right = 0;
};

std::vector<TBox> BarBoxes(const TLabelDrawing& drawing)
{
    std::vector<TBox> boxes;
    for (const TRecordedCall& call : drawing.Calls)
        if (const auto* bar = std::get_if<TRecordedPolygon>(&call))
            boxes.push_back({bar->Points[0].X, bar->Points[2].X + 1});
    return boxes;
}

struct TRatioRow {
    TBarcodeType Typ = bcCode39;
    double XMm = 0.33;
    int Dpi = 600;
    double Asked = 2.0;
    int ModuleDots = 0;
    int WideDots = 0;
};

// ISO/IEC 16388, 16390 and EN 798: at least 2.2 under 0.5 mm; never below what was asked.
TEST(StandardLayout, WideElementsAreWholeDotsAtLeastTheStandardsRatio)
{
    const TRatioRow rows[] = {
        {bcCode39, 0.30, 600, 2.0, 7, 16},               // 2.2 x 7 = 15.4: 16 dots, 2.29
        {bcCode39, 0.33, 203, 2.0, 3, 7},                // 6.6: 7 dots
        {bcCode39, 0.30, 300, 2.5, 4, 10},               // the 2.5 asked holds exactly
        {bcCode39, 0.60, 300, 2.0, 7, 14},               // from 0.5 mm on 2.0 is enough
        {bcCode39, 0.33, 600, 3.5, 8, 24},               // the engine stops at 3.0
        {bcCode_2_5_interleaved, 0.33, 600, 2.0, 8, 18}, // 17.6
        {bcCode_2_5_matrix, 0.33, 600, 2.0, 8, 18},      // the engine's own 2.25
        {bcCodeCodabar, 0.25, 300, 2.0, 3, 7},
        {bcCodeMSI, 0.33, 600, 2.0, 8, 16},
        {bcCode128B, 0.33, 600, 2.7, 8, 16}, // counted in modules: exactly two
        {bcCodeEAN13, 0.33, 300, 3.0, 4, 8},
    };
    for (const TRatioRow& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.Typ << " " << row.XMm << " mm at " << row.Dpi << " dpi");
        const TStandardLabel label = Compose(row.Typ, "123456", At(row.XMm, row.Dpi, row.Asked));
        EXPECT_EQ(label.ModuleDots, row.ModuleDots);
        EXPECT_EQ(label.WideDots, row.WideDots);
        // The bars drawn are those widths: narrow, wide (matrix two of five also one and a half wide), or
        // whole modules for the kinds counted so.
        for (const TBox& bar : BarBoxes(label.Drawing)) {
            const int width = bar.Right - bar.Left;
            EXPECT_TRUE(width == row.ModuleDots || width == row.WideDots || width == 3 * row.WideDots / 2 ||
                        (row.WideDots == 2 * row.ModuleDots && width % row.ModuleDots == 0))
                << width;
        }
    }
}

// The ratio raised to whole dots is said; the caller's own module and ratio stay as they were.
TEST(StandardLayout, ARaisedRatioIsNotedAndTheCallersBarcodeKeepsItsOwn)
{
    TBarcode barcode = Symbol(bcCode39, "A");
    barcode.SetModul(2), barcode.SetRatio(1.0);
    EXPECT_EQ(
        Joined(ComposeStandardLabel(barcode, kNoCaptions, At(0.33, 203)).Notes),
        "Wide/narrow ratio 2.33 (7 to 3 dots) for the 2.00 asked: whole dots, within what Code39 allows "
        "at this module");
    EXPECT_EQ(std::pair(barcode.Modul(), barcode.Ratio()), std::pair(2, 1.0));
}

struct TQuietRow {
    TBarcodeType Typ = bcCodeEAN13;
    std::string Text;
    int Left = 0; // dots at 600 dpi, 8-dot module
    int Right = 0;
};

TEST(StandardLayout, EachStandardsQuietZonesStayWhiteInsideTheLabel)
{
    const TQuietRow rows[] = {
        {bcCodeEAN13, "5901234123457", 88, 56}, // 11 and 7 modules
        {bcCodeUPC_A, "036000291452", 72, 72},  {bcCodeEAN8, "96385074", 56, 56},
        {bcCodeUPC_E0, "6543217", 72, 56},      {bcCodeUPC_Supp5, "52495", 56, 40},
        {bcCode128B, "Quillon", 80, 80},  // 10 modules, as every other linear kind
        {bcCodePostNet, "12345", 75, 75}, // 1/8 inch
    };
    for (const TQuietRow& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.Typ);
        const TStandardLabel label = Compose(row.Typ, row.Text, At(0.33, 600), kCaptions);
        EXPECT_EQ(label.QuietLeftDots, row.Left);
        EXPECT_EQ(label.QuietRightDots, row.Right);
        EXPECT_GE(label.SymbolDots.left(), row.Left);
        EXPECT_GE(label.Drawing.Size.width() - label.SymbolDots.right() - 1, row.Right);
        // Nothing but the bars is drawn beside the symbol in its quiet zones.
        const QImage image = RenderLabelImage(label.Drawing, 600, 600);
        for (int x = label.SymbolDots.left() - row.Left; x < label.SymbolDots.left(); ++x)
            ASSERT_EQ(qGray(image.pixel(x, label.SymbolDots.center().y())), 255) << "column " << x;
    }
}

struct THeightRow {
    TBarcodeType Typ = bcCodeEAN13;
    std::string Text;
    double Mm = 0.0; // the least height, at 600 dpi with the 0.339 mm module
};

TEST(StandardLayout, BarsTakeTheirStandardHeightByDefault)
{
    const THeightRow rows[] = {
        {bcCodeEAN13, "5901234123457", 22.85 * 0.33867 / 0.33}, // GS1 nominal times the magnification
        {bcCodeUPC_E0, "6543217", 22.85 * 0.33867 / 0.33},
        {bcCodeEAN8, "96385074", 18.23 * 0.33867 / 0.33},
        {bcCode128B, "A", 6.35}, // short symbols: a quarter inch
        // Code 39 with 12 characters of 3 wide (18 dots) and 6 narrow, and 11 gaps: 1312 dots; 15 %.
        {bcCode39, "QUILLON-39", 0.15 * 1312 * 25.4 / 600},
        {bcCodePostNet, "12345", 3.175},
    };
    for (const THeightRow& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.Typ);
        const TStandardLabel label = Compose(row.Typ, row.Text, At(0.33, 600));
        EXPECT_GE(label.BarHeightMm, row.Mm - 1e-9);
        EXPECT_LT(label.BarHeightMm, row.Mm + 25.4 / 600);
        EXPECT_EQ(label.SymbolDots.height(), label.BarHeightDots);
    }
    const TStandardLabel label = Compose(bcCodeEAN13, "5901234123457", {.BarHeightMm = 10.0});
    EXPECT_EQ(label.BarHeightDots, 236);
    EXPECT_EQ(Joined(label.Notes),
              "Bar height 10.00 mm is below the 23.45 mm that EAN13 asks at a 0.339 mm module");
}

struct TReductionRow {
    int Asked = 0;
    int Applied = 0;
    std::string Note;
};

TEST(StandardLayout, BarWidthReductionNarrowsEveryBarAndKeepsTheSymbolsWidth)
{
    const TReductionRow rows[] = {
        {1, 1, ""},
        {3, 3, ""},
        {9, 7, "Bar width reduction of 9 dots would leave 8-dot bars empty: reduced by 7"},
    };
    const TStandardLabel plain = Compose(bcCode39, "QUILLON", At(0.33, 600));
    const std::vector<TBox> before = BarBoxes(plain.Drawing);
    for (const TReductionRow& row : rows) {
        SCOPED_TRACE(row.Asked);
        const TStandardLabel label = Compose(bcCode39, "QUILLON", {.BarWidthReductionDots = row.Asked});
        EXPECT_EQ(label.BarWidthReductionDots, row.Applied);
        EXPECT_EQ(Joined(label.Notes).find(row.Note) != std::string::npos, true) << Joined(label.Notes);
        EXPECT_EQ(label.SymbolDots, plain.SymbolDots);
        const std::vector<TBox> after = BarBoxes(label.Drawing);
        ASSERT_EQ(after.size(), before.size());
        for (std::size_t i = 0; i < after.size(); ++i) {
            EXPECT_EQ(after[i].Left, before[i].Left + row.Applied / 2);
            EXPECT_EQ(after[i].Right, before[i].Right - (row.Applied - row.Applied / 2));
        }
    }
}

TEST(StandardLayout, SettingsOutOfRangeAreRefusedNamingTheRange)
{
    const std::pair<TStandardSettings, std::string> rows[] = {
        {{.Dpi = 50}, "Resolution 50 dpi is outside 72-2400 dpi"},
        {{.BarHeightMm = 0.5}, "Bar height 0.50 mm is outside 1-300 mm"},
        {{.XDimensionMm = -1}, "X-dimension -1.000 mm is not a size above 0 mm"},
        {{.BarWidthReductionDots = -1}, "Bar width reduction -1 dots is outside 0-99 dots"},
    };
    for (const auto& [settings, message] : rows)
        EXPECT_EQ(testing::MessageOf([&] { Compose(bcCodeEAN13, "5901234123457", settings); }), message);
}

struct TFitRow {
    TBarcodeType Typ = bcCodeEAN13;
    std::optional<double> BarHeightMm;
    double CellWidthMm = 0.0;
    double CellHeightMm = 0.0;
    int ModuleDots = 0; // of the label returned, fitted or refused
    std::string Message;
};

// EAN-13 at 600 dpi without captions: 113 modules wide (904 dots, 38.3 mm at the 8-dot module) and
// 31.3 mm high with its 23.45 mm bars; at the least module, 7 dots (0.296 mm), 33.5 mm wide and 27.2
// mm high with 20.5 mm bars. "Quillon 128" is 176 modules with its quiet zones: 37.3 mm at 5 dots
// (0.19 mm at least).
TEST(StandardLayout, ALabelTooLargeForItsCellShrinksToTheSymbologysLeastOrIsRefused)
{
    // clang-format off
    const TFitRow rows[] = {
        {bcCodeEAN13, {}, 45.9, 40.0, 8, ""},
        {bcCodeEAN13, {}, 35.0, 40.0, 7, ""},
        {bcCodeEAN13, {}, 30.0, 40.0, 7, "Label 33.5 mm wide, cell 30.0 mm: it would be cut off"},
        {bcCodeEAN13, {}, 45.9, 28.0, 7, ""}, // the height takes the smaller module
        {bcCodeEAN13, {}, 45.9, 15.0, 7, "Label 27.2 mm high, cell 15.0 mm: its bars cannot reach their minimum height of 20.5 mm"},
        {bcCodeEAN13, 30.0, 45.9, 35.0, 8, ""}, // bars asked 30 mm tall give up 2.9 mm
        {bcCode128B, {}, 40.0, 20.0, 5, ""},
        {bcCode128B, {}, 30.0, 20.0, 5, "Label 37.3 mm wide, cell 30.0 mm: it would be cut off"},
    };
    // clang-format on
    for (const TFitRow& row : rows) {
        SCOPED_TRACE(::testing::Message()
                     << row.Typ << " in " << row.CellWidthMm << " x " << row.CellHeightMm);
        TBarcode barcode = Symbol(row.Typ, row.Typ == bcCodeEAN13 ? "5901234123457" : "Quillon 128");
        const TFittedLabel fitted = FitStandardLabel(barcode, kNoCaptions, {.BarHeightMm = row.BarHeightMm},
                                                     QSizeF(row.CellWidthMm, row.CellHeightMm));
        EXPECT_EQ(fitted.Fit.Fits, row.Message.empty());
        EXPECT_EQ(EnglishText(fitted.Fit.Message), row.Message);
        EXPECT_EQ(fitted.Label.ModuleDots, row.ModuleDots);
        if (fitted.Fit.Fits) {
            EXPECT_LE(fitted.Label.SizeMm.width(), row.CellWidthMm);
            EXPECT_LE(fitted.Label.SizeMm.height(), row.CellHeightMm);
            EXPECT_GE(fitted.Label.BarHeightMm, fitted.Label.MinBarHeightMm - 1e-9);
        }
    }
}

// The classic label is 96 pixels to the inch: zoom 3 makes EAN-13 285 pixels, 75.4 mm, wider than a
// 4-column A4 cell; its 64-pixel bars and the 16-pixel band are 21.2 mm.
TEST(StandardLayout, TheClassicLabelIsCheckedAtItsScreenSize)
{
    TBarcode barcode = Symbol(bcCodeEAN13, "5901234123457");
    barcode.SetModul(3);
    barcode.SetHeight(64);
    const TLabelDrawing classic = RecordLabel(barcode, kCaptions);
    EXPECT_EQ(EnglishText(CheckLabelFits(LabelSizeMm(classic), QSizeF(46.0, 30.0)).Message),
              "Label 75.4 mm wide, cell 46.0 mm: it would be cut off");
    EXPECT_EQ(EnglishText(CheckLabelFits(LabelSizeMm(classic), QSizeF(80.0, 21.0)).Message),
              "Label 21.2 mm high, cell 21.0 mm: it would be cut off");
    EXPECT_EQ(EnglishText(CheckLabelFits(LabelSizeMm(classic), QSizeF(75.38, 30.0)).Message),
              "Label 75.41 mm wide, cell 75.38 mm: it would be cut off");
    EXPECT_TRUE(CheckLabelFits(LabelSizeMm(classic), QSizeF(80.0, 30.0)).Fits);
}

struct TReadRow {
    TBarcodeType Typ = bcCodeEAN13;
    std::string Text;
    std::string Reads; // ZXing-cpp's reading
};

// GS1's own examples where there is one; the readings are the scan check's (tests/label/ScanCheckTest).
const TReadRow kReadable[] = {
    {bcCodeEAN13, "5901234123457", "5901234123457"},
    {bcCodeEAN8, "96385074", "96385074"},
    {bcCodeUPC_A, "036000291452", "036000291452"},
    {bcCodeUPC_E0, "6543217", "06543217"}, // the number system and check digit from the parities
    {bcCode128B, "Quillon 128", "Quillon 128"},
    {bcCode39, "QUILLON-39", "QUILLON-39"},
    {bcCode93, "CODE-93", "CODE-93"},
    {bcCode_2_5_interleaved, "12345678901231", "12345678901231"},
    {bcCodeCodabar, "31117013206375", "31117013206375"},
};

// Read whole, and for EAN-13 along ten lines across its bars: no text or mark lies over them.
TEST(StandardLayout, EveryReadableKindReadsBackInOneBitAtPrinterResolutions)
{
    for (const int dpi : {203, 300, 600}) {
        for (const TReadRow& row : kReadable) {
            SCOPED_TRACE(::testing::Message() << row.Typ << " at " << dpi << " dpi");
            const TStandardLabel label = Compose(row.Typ, row.Text, At(0.33, dpi), kCaptions);
            const QImage image = RenderLabelImage(label.Drawing, dpi, dpi, TImageDepth::OneBit);
            ASSERT_EQ(image.format(), QImage::Format_Mono);
            ASSERT_EQ(image.size(), label.Drawing.Size);
            const auto decoded = testing::DecodeImage(testing::ToGrey(image));
            ASSERT_TRUE(decoded.has_value());
            EXPECT_EQ(decoded->text, row.Reads);
            for (int line = 0; row.Typ == bcCodeEAN13 && line < 10; ++line) {
                const int y = label.SymbolDots.top() + (2 * line + 1) * label.SymbolDots.height() / 20;
                const auto across = testing::DecodeImage(ScanLine(image, y));
                EXPECT_EQ(across ? across->text : "(no reading)", row.Reads)
                    << "line " << line << " at row " << y;
            }
        }
    }
}

} // namespace
} // namespace quillon
