// The kinds' tables at run time: what the compiler cannot check of a row (an empty name, a zero
// module, a reader left out or set for another symbology).
#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "label/compose/StandardLayout.h"
#include "label/compose/SymbolKinds.h"
#include "label/proof/ScanReader.h"
#include "tests/support/PatternDecoder.h"

namespace quillon {
namespace {

// A text each kind encodes (EAN and UPC with their check digits, from barcode/EncodingTest), and the
// symbology a decoder that looks for every linear one reports it as (ZXing-cpp's names; "" where it
// has no reader: industrial and matrix two of five, MSI, PostNet, and the add-ons on their own).
struct TReaderRow {
    TBarcodeType Kind = bcCodeEAN13;
    std::string Text;
    std::string Format;
};
const TReaderRow kReaderRows[] = {
    {bcCode_2_5_interleaved, "1234567890", "ITF"},
    {bcCode_2_5_industrial, "123456", ""},
    {bcCode_2_5_matrix, "123456", ""},
    {bcCode39, "CODE39", "Code39"},
    {bcCode39Extended, "CODE39", "Code39"},
    {bcCode128A, "ABC", "Code128"},
    {bcCode128B, "Abc", "Code128"},
    {bcCode128C, "123456", "Code128"},
    {bcCode93, "CODE93", "Code93"},
    {bcCode93Extended, "CODE93", "Code93"},
    {bcCodeMSI, "123456", ""},
    {bcCodePostNet, "12345", ""},
    {bcCodeCodabar, "123456", "Codabar"},
    {bcCodeEAN8, "55123457", "EAN-8"},
    {bcCodeEAN13, "4006381333931", "EAN-13"},
    {bcCodeUPC_A, "036000291452", "UPC-A"},
    {bcCodeUPC_E0, "123456", "UPC-E"},
    {bcCodeUPC_E1, "123456", "UPC-E"},
    {bcCodeUPC_Supp2, "12", ""},
    {bcCodeUPC_Supp5, "12345", ""},
    {bcCodeEAN128A, "ABC", "Code128"},
    {bcCodeEAN128B, "Abc", "Code128"},
    {bcCodeEAN128C, "123456", "Code128"},
};
static_assert(std::size(kReaderRows) == kBarcodeTypeCount, "a row for every kind");

TEST(KindTraits, EveryEngineKindHasItsNamesModulesAndQuietZones)
{
    for (int ordinal = 0; ordinal < kBarcodeTypeCount; ++ordinal) {
        const TKindTraits& kind = KindTraits(ordinal);
        SCOPED_TRACE(::testing::Message() << "kind " << ordinal << " " << kind.ListEntry);
        EXPECT_FALSE(kind.TypeName.empty());
        EXPECT_FALSE(kind.ListEntry.empty());
        EXPECT_FALSE(kind.DisplayName.empty());
        EXPECT_EQ(KindFromName(kind.ListEntry), kind.Kind);
        EXPECT_GT(XDimensionRange(kind.Kind).Low, 0.0);
        EXPECT_GT(kind.Layout.QuietLeftModules, 0);
        EXPECT_GT(kind.Layout.QuietRightModules, 0);
        EXPECT_GE(kind.Layout.LeastRatio, 2.0);
        // The retail kinds and their add-ons take a fixed count of digits at a standard bar height.
        const bool retail =
            kind.Layout.Family == TKindFamily::Retail || kind.Layout.Family == TKindFamily::AddOn;
        EXPECT_EQ(kind.Text.Digits > 0, retail);
        EXPECT_EQ(kind.Layout.NominalBarHeightMm > 0.0, retail);
    }
}

TEST(KindTraits, TheReaderFormatIsTheOneADecoderReadsTheKindAs)
{
    int line = 1;
    for (const TReaderRow& row : kReaderRows) {
        SCOPED_TRACE(::testing::Message() << "row " << line++ << ": " << KindTraits(row.Kind).ListEntry);
        TBarcode barcode;
        barcode.SetTyp(row.Kind), barcode.SetModul(2), barcode.SetText(row.Text);
        const std::optional<testing::Decoded> decoded =
            testing::DecodeBarcode(barcode, {.code39FullAscii = row.Kind == bcCode39Extended});
        EXPECT_EQ(decoded ? decoded->format : "", row.Format);
        EXPECT_EQ(HasReader(row.Kind), !row.Format.empty());
        if (row.Format.empty())
            continue;
        // Set up for the kind alone, the reader finds it: the row names the right symbology.
        const testing::GreyImage image = testing::RasterisePattern(barcode, barcode.BuildPattern());
        const std::optional<TReading> reading = ReadGrey({.Pixels = image.pixels.data(),
                                                          .Width = image.width,
                                                          .Height = image.height,
                                                          .BytesPerLine = image.width},
                                                         {.Typ = row.Kind});
        ASSERT_TRUE(reading.has_value());
        EXPECT_EQ(reading->Format, row.Format);
    }
}

TEST(KindTraits, EverySymbolKindHasItsNamesModulesSymbologyAndReader)
{
    for (int ordinal = kFirstSymbolKind; ordinal < kLabelKindCount; ++ordinal) {
        const TSymbolKindInfo& kind = KindInfo(*SymbolKindOf(ordinal));
        SCOPED_TRACE(::testing::Message() << "kind " << ordinal << " " << kind.Name);
        EXPECT_EQ(OrdinalOf(kind.Kind), ordinal);
        EXPECT_FALSE(kind.Name.empty());
        EXPECT_FALSE(kind.Title.empty());
        EXPECT_GT(kind.LeastModuleMm, 0.0);
        EXPECT_LE(kind.LeastModuleMm, kind.DefaultModuleMm);
        EXPECT_GT(kind.QuietModulesX, 0);
        EXPECT_GT(kind.ZintSymbology, 0);
        EXPECT_NE(kind.Reader, TReaderFormat::None);
        EXPECT_EQ(kind.Gs1, !kind.Gs1Identifier.empty());
    }
}

} // namespace
} // namespace quillon
