// What the engine says it drew besides the bars: the code line's text and what a decoder reads back,
// one row per kind, each reading confirmed by a real decoder; and how long the record holds.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "barcode/Barcode.h"
#include "barcode/RecordingCanvas.h"
#include "tests/support/PatternDecoder.h"

namespace quillon {
namespace {

using testing::DecodeImage;
using testing::RasterisePattern;

struct EncodingRow {
    TBarcodeType Typ = bcCodeEAN13;
    std::string Typed;
    bool Checksum = false;
    TEncoding Expected;
};

// Sources: "by hand" rows work the standard's rule out on paper; every reading is also what ZXing-cpp
// makes of the rasterised pattern (checked below).
const EncodingRow kRows[] = {
    // Odd digit count: a leading 0 is stored and drawn (interleaved pairs).
    {bcCode_2_5_interleaved, "12345", false, {"012345", "012345"}},
    {bcCode_2_5_industrial, "123456", false, {"123456", std::nullopt}},
    {bcCode_2_5_matrix, "123456", false, {"123456", std::nullopt}},
    // Q 26 + U 30 + I 18 + L 21 + L 21 + O 24 + N 23 = 163; modulo 43 is 34, "Y" (ISO/IEC 16388, by hand).
    {bcCode39, "QUILLON", true, {"QUILLON", "QUILLONY"}},
    // A full-ASCII reader turns "+A", "/O" and "+B" back into "a", "/" and "b".
    {bcCode39Extended, "Lot a/b", false, {"Lot a/b", "Lot a/b"}},
    {bcCode128A, "ABC-123", false, {"ABC-123", "ABC-123"}},
    {bcCode128B, "Label 42", false, {"Label 42", "Label 42"}},
    // Code set C pairs digits: the odd count gets a leading 0.
    {bcCode128C, "98765", false, {"098765", "098765"}},
    // Plain Code 93 draws "{" as its (/) shift, and (/)O reads "/" (the full-ASCII table, row 47).
    {bcCode93, "A{OB", false, {"A{OB", "A/B"}},
    {bcCode93Extended, "Code 93!", false, {"Code 93!", "Code 93!"}},
    {bcCodeMSI, "1234", true, {"1234", std::nullopt}},
    // Digits-only kinds trim blanks first.
    {bcCodePostNet, " 12345 ", false, {"12345", std::nullopt}},
    {bcCodeCodabar, "40156", false, {"40156", "40156"}},
    // 5512345: 5x3 + 4 + 3x3 + 2 + 1x3 + 5 + 5x3 = 53, check digit 7 (GS1 modulo 10, by hand); drawn,
    // but not stored in Text.
    {bcCodeEAN8, "5512345", true, {"5512345", "55123457"}},
    // GS1's worked example 590123412345 with check digit 7; the code line keeps Text as typed.
    {bcCodeEAN13, "590123412345", true, {"590123412345", "5901234123457"}},
    // The UPC-A example 03600029145 with check digit 2, stored in Text in place of the twelfth digit.
    {bcCodeUPC_A, "036000291450", true, {"036000291452", "036000291452"}},
    // Six digits and a place for the check digit: 023456 expands (sixth digit 6) to 0 02345 00006, check
    // digit 6; 123453 (sixth digit 3) to 1 12300 00045, check digit 8 (ISO/IEC 15420 zero suppression,
    // by hand).
    {bcCodeUPC_E0, "0234560", true, {"0234566", "00234566"}},
    {bcCodeUPC_E1, "1234530", true, {"1234538", "11234538"}},
    // The add-ons: 1 x 9 + 2 x 3 = 15 gives the check digit 5, stored in Text.
    {bcCodeUPC_Supp2, "12", true, {"125", std::nullopt}},
    {bcCodeUPC_Supp5, "52495", false, {"52495", std::nullopt}},
    // FNC1 marks the data structure and is not read as data.
    {bcCodeEAN128A, "AB-12", false, {"AB-12", "AB-12"}},
    {bcCodeEAN128B, "lot 7", false, {"lot 7", "lot 7"}},
    // 123456 gets its modulo-10 check digit 5, then code set C's leading 0.
    {bcCodeEAN128C, "123456", true, {"01234565", "01234565"}},
};

TEST(Encoding, EveryKindSaysWhatItDrewAndADecoderAgrees)
{
    for (int line = 1; const EncodingRow& row : kRows) {
        TBarcode barcode;
        barcode.SetTyp(row.Typ), barcode.SetChecksum(row.Checksum), barcode.SetText(row.Typed);
        barcode.SetShowText(bcoCode);
        const std::string pattern = barcode.BuildPattern();
        EXPECT_EQ(barcode.LastEncoding(), row.Expected) << "row " << line;
        TRecordingCanvas canvas;
        barcode.Draw(canvas);
        EXPECT_EQ(canvas.Texts().at(0).Text, "* " + row.Expected.DrawnText + " *") << "row " << line;
        if (row.Expected.ScanText) {
            const auto decoded = DecodeImage(RasterisePattern(barcode, pattern),
                                             {.code39FullAscii = row.Typ == bcCode39Extended});
            EXPECT_EQ(decoded ? decoded->text : "(no reading)", *row.Expected.ScanText) << "row " << line;
        }
        ++line;
    }
}

TEST(Encoding, HoldsUntilWhatIsEncodedChanges)
{
    TBarcode barcode;
    EXPECT_FALSE(barcode.LastEncoding()) << "nothing drawn yet";
    barcode.SetText("590123412345");
    barcode.SetChecksum(true);
    barcode.Width();
    const TEncoding drawn{"590123412345", "5901234123457"};
    EXPECT_EQ(barcode.LastEncoding(), drawn);
    // Geometry, placement and colours do not change what is encoded.
    barcode.SetModul(3), barcode.SetRatio(2.5), barcode.SetAngle(90), barcode.SetHeight(20);
    barcode.SetLeft(5), barcode.SetTop(6), barcode.SetColorBar(0xFF0000), barcode.SetShowText(bcoBoth);
    EXPECT_EQ(barcode.LastEncoding(), drawn);
    // Each of these does.
    const std::function<void(TBarcode&)> changes[] = {
        [](TBarcode& b) { b.SetText("590123412346"); }, [](TBarcode& b) { b.SetTyp(bcCodeUPC_A); },
        [](TBarcode& b) { b.SetChecksum(false); }, [](TBarcode& b) { b.SetCheckSumMethod(csmNone); }};
    for (int line = 1; const auto& change : changes) {
        TBarcode changed = barcode;
        change(changed);
        EXPECT_FALSE(changed.LastEncoding()) << "change " << line++;
    }
    // An encoding that raises leaves no record.
    barcode.SetText("59012341234X");
    EXPECT_THROW(barcode.Width(), Exception);
    EXPECT_FALSE(barcode.LastEncoding());
}

} // namespace
} // namespace quillon
