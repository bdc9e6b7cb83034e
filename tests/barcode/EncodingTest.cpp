// What each kind draws besides the bars: Text after encoding (the code line), what a decoder reads back
// (confirmed by a real decoder wherever one reads the kind) and the width in modules, for the worked
// examples and the edge cases of padding, cutting and check characters; and how long the record holds.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "barcode/Barcode.h"
#include "barcode/RecordingCanvas.h"
#include "tests/support/ExpectMessage.h"
#include "tests/support/PatternDecoder.h"

namespace quillon {

void PrintTo(const TEncoding& encoding, std::ostream* out)
{
    *out << '"' << encoding.DrawnText << "\", " << ::testing::PrintToString(encoding.ScanText);
}

namespace {

using testing::DecodeImage;
using testing::RasterisePattern;

// Checksum and CheckSumMethod together.
enum class TCheck : std::uint8_t { Off, On, OnWithoutMethod };
// Whether the decoder reads the symbol: it refuses symbols without data, interleaved two of five under
// six digits and an EAN-13 whose leading 0 makes it a UPC-A symbol.
enum class TScan : std::uint8_t { Decoded, NotDecoded };

struct TEncodingRow {
    TBarcodeType Typ = bcCodeEAN13;
    std::string Typed;
    TCheck Check = TCheck::Off;
    TEncoding Expected;
    int Modules = 0; // the width at Modul 1 and Ratio 2
    TScan Scan = TScan::Decoded;
};

constexpr TCheck off = TCheck::Off, on = TCheck::On, noMethod = TCheck::OnWithoutMethod;
constexpr TScan notDecoded = TScan::NotDecoded;

// Sources: the worked examples of the symbology standards and GS1, and rules worked out by hand; the
// widths count modules: Code 39 13 a character with its gap, Code 93 9 (the stop 10), Code 128 11 (the
// stop 13), interleaved two of five 7 a digit, Codabar 10 a digit and 11 a symbol of three wide bars.
// clang-format off
const TEncodingRow kRows[] = {
    // Two of five: an odd digit count gets a leading 0, stored and drawn (interleaved pairs).
    {bcCode_2_5_interleaved, "12345", off, {"012345", "012345"}, 50},
    {bcCode_2_5_interleaved, "7", off, {"07", "07"}, 22, notDecoded},
    {bcCode_2_5_interleaved, "", off, {"", ""}, 8, notDecoded},
    {bcCode_2_5_industrial, "123456", off, {"123456", std::nullopt}, 88},
    {bcCode_2_5_matrix, "123456", off, {"123456", std::nullopt}, 63}, // ratio raised to 2.25
    // Code 39 check characters, modulo 43 (ISO/IEC 16388): A alone sums to 10, "A"; Z 35 + 8 = 43 gives 0;
    // the values 36..42 of "-. $/+%" sum to 273, 15, "F"; QUILLON sums to 163, 34, "Y".
    {bcCode39, "A", on, {"A", "AA"}, 51},
    {bcCode39, "Z8", on, {"Z8", "Z80"}, 64},
    {bcCode39, "-. $/+%", on, {"-. $/+%", "-. $/+%F"}, 129},
    {bcCode39, "QUILLON", on, {"QUILLON", "QUILLONY"}, 129},
    {bcCode39, "", off, {"", ""}, 25, notDecoded},
    // A full-ASCII reader turns "+A", "/O" and "+B" back into "a", "/" and "b"; Text never shows the shifts.
    {bcCode39Extended, "Lot a/b", off, {"Lot a/b", "Lot a/b"}, 181},
    // Code 93's C weighs 1..20 from the right and K 1..15, each starting over: the decoder checks both.
    {bcCode93, "TEST93", off, {"TEST93", "TEST93"}, 91}, // worked example: C "+", K "6"
    {bcCode93, "Z" + std::string(19, '0'), off, {"Z" + std::string(19, '0'), "Z" + std::string(19, '0')}, 217},
    {bcCode93, "1" + std::string(14, '0'), off, {"1" + std::string(14, '0'), "1" + std::string(14, '0')}, 172},
    {bcCode93, "1" + std::string(20, '0'), off, {"1" + std::string(20, '0'), "1" + std::string(20, '0')}, 226},
    {bcCode93, "", off, {"", ""}, 37, notDecoded},
    // Plain Code 93 draws "[", "]", "{" and "}" as its shifts ($), (%), (/) and (+), values 43 to 46:
    // ($)A reads 1, (%)A 27 (ESC), (/)O "/" and (+)B "b".
    {bcCode93, "[A]A{O}B", off, {"[A]A{O}B", "\x01\x1b/b"}, 109},
    {bcCode93Extended, "Code 93!", off, {"Code 93!", "Code 93!"}, 145},
    // Code 128 and EAN-128 (ISO/IEC 15417): the check is the weighted sum modulo 103; code set C pairs
    // digits, padding an odd count with a leading 0; FNC1 marks EAN-128 and is not read as data.
    {bcCode128B, "AB", off, {"AB", "AB"}, 57},
    {bcCode128B, ",", off, {",", ","}, 46},
    {bcCode128B, std::string(110, 'A'), off, {std::string(110, 'A'), std::string(110, 'A')}, 11 * 112 + 13}, // weights past 103
    {bcCode128B, "", off, {"", ""}, 35, notDecoded},
    {bcCode128A, "ABC-123", off, {"ABC-123", "ABC-123"}, 112},
    {bcCode128C, "12345", off, {"012345", "012345"}, 68},
    {bcCode128C, "7", off, {"07", "07"}, 46},
    {bcCodeEAN128A, "AB", off, {"AB", "AB"}, 68}, // 103 + 102 + 33 x 2 + 34 x 3 = 373, 64
    {bcCodeEAN128B, "lot 7", off, {"lot 7", "lot 7"}, 101},
    {bcCodeEAN128B, "", off, {"", ""}, 46, notDecoded},
    // The modulo-10 check digit 8 of 1234 is appended once, then code set C's leading 0.
    {bcCodeEAN128C, "1234", on, {"012348", "012348"}, 79},
    {bcCodeEAN128C, "123", noMethod, {"0123", "0123"}, 68}, // no method, no digit
    {bcCodeMSI, "1234", on, {"1234", std::nullopt}, 67},
    {bcCodePostNet, " 12345 ", off, {"12345", std::nullopt}, 79}, // digits-only kinds trim blanks first
    {bcCodeCodabar, "40156", off, {"40156", "40156"}, 71},
    {bcCodeCodabar, "-$:/.+", off, {"-$:/.+", "-$:/.+"}, 85},
    {bcCodeCodabar, "0123456789", off, {"0123456789", "0123456789"}, 121},
    {bcCodeCodabar, "", off, {"", ""}, 21, notDecoded},
    // EAN and UPC (ISO/IEC 15420, GS1 modulo 10). EAN-8 and EAN-13 draw the check digit without storing it.
    {bcCodeEAN13, "4006381333931", off, {"4006381333931", "4006381333931"}, 95},
    {bcCodeEAN13, "590123412345", on, {"590123412345", "5901234123457"}, 95},
    {bcCodeEAN13, "590123412345", noMethod, {"590123412345", "0590123412345"}, 95, notDecoded}, // padded as typed
    {bcCodeEAN13, "", off, {"", "0000000000000"}, 95, notDecoded},
    // 5512345: 5x3 + 4 + 3x3 + 2 + 1x3 + 5 + 5x3 = 53, check digit 7; of eight digits the last seven are kept.
    {bcCodeEAN8, "5512345", on, {"5512345", "55123457"}, 67},
    {bcCodeEAN8, "12345670", on, {"12345670", "23456709"}, 67},
    // UPC-A stores its check digit in Text in place of the twelfth digit: 03600029145 has 2; padded
    // to 00360002914 it has 3; an over-long Text keeps eleven digits.
    {bcCodeUPC_A, "036000291450", on, {"036000291452", "036000291452"}, 95},
    {bcCodeUPC_A, "03600029145", on, {"003600029143", "003600029143"}, 95},
    {bcCodeUPC_A, "0360002914599", on, {"036000291452", "036000291452"}, 95},
    {bcCodeUPC_A, "36000291452", noMethod, {"036000291452", "036000291452"}, 95},
    // UPC-E draws the check digit of its expansion (ISO/IEC 15420 zero suppression) in the parities,
    // whatever was typed; with the check switch on it is stored, by any method. 123456 pads to 0123456
    // and draws 012345 (0 01234 00005, check 7); 123453 is 0 12300 00045, check 1 (1 12300 00045: 8);
    // 123454 is 0 12340 00005, check 3; 654321 is 0 65432 00001, check 7; 000000 in number system 1, 7.
    // The code line shows the UPC-E in full, as the bars encode it.
    {bcCodeUPC_E0, "1234565", off, {"01234565", "01234565"}, 51},
    {bcCodeUPC_E0, "123456", off, {"00123457", "00123457"}, 51},
    {bcCodeUPC_E0, "1234530", on, {"01234531", "01234531"}, 51},
    {bcCodeUPC_E0, "1234540", on, {"01234543", "01234543"}, 51},
    {bcCodeUPC_E0, "6543210", on, {"06543217", "06543217"}, 51},
    {bcCodeUPC_E1, "1234530", on, {"11234538", "11234538"}, 51},
    {bcCodeUPC_E1, "1234565", on, {"11234562", "11234562"}, 51},
    {bcCodeUPC_E1, "000000", noMethod, {"10000007", "10000007"}, 51},
    // The add-ons are read only beside their main symbol: GoldenPatternTest.
    {bcCodeUPC_Supp2, "12", on, {"125", std::nullopt}, 20}, // 1 x 9 + 2 x 3 = 15, check digit 5
};
// clang-format on

TEST(Encoding, EveryKindSaysWhatItDrewAndADecoderAgrees)
{
    for (int line = 1; const TEncodingRow& row : kRows) {
        SCOPED_TRACE(::testing::Message() << "row " << line++ << ": " << KindTraits(row.Typ).TypeName);
        TBarcode barcode;
        barcode.SetTyp(row.Typ), barcode.SetChecksum(row.Check != off), barcode.SetText(row.Typed);
        barcode.SetCheckSumMethod(row.Check == noMethod ? csmNone : csmModulo10);
        barcode.SetShowText(bcoCode);
        const std::string pattern = barcode.BuildPattern();
        // Measuring and then drawing encode again: nothing may move.
        EXPECT_EQ(barcode.Width(), row.Modules);
        EXPECT_EQ(barcode.BuildPattern(), pattern);
        TRecordingCanvas canvas;
        barcode.Draw(canvas);
        EXPECT_EQ(barcode.LastEncoding(), row.Expected);
        EXPECT_EQ(canvas.Texts().at(0).Text, "* " + row.Expected.DrawnText + " *");
        if (row.Expected.ScanText && row.Scan == TScan::Decoded) {
            const auto decoded = DecodeImage(RasterisePattern(barcode, pattern),
                                             {.code39FullAscii = row.Typ == bcCode39Extended});
            EXPECT_EQ(decoded ? decoded->text : "(no reading)", *row.Expected.ScanText);
        }
    }
}

// A UPC-E typed in full, number system, six digits and check digit, as it is printed under the bars. The
// check digit is that of the UPC-A number the six digits expand to (ISO/IEC 15420 zero suppression, GS1
// modulo 10): 0 123456 is 0 12345 00006, check 5; 1 123456 takes 2; 0 654321 is 0 65432 00001, check 7;
// 0 425261 is 0 42526 00001, check 4; 1 000000 takes 7. Accepted as typed, or refused naming the digit.
struct TFullUpcERow {
    int No;
    TBarcodeType Typ;
    const char* Typed;
    TCheck Check;
    const char* Error; // empty: accepted, drawn, stored and read back as typed
};
const TFullUpcERow kFullUpcERows[] = {
    {1, bcCodeUPC_E0, "01234565", TCheck::Off, ""},
    {2, bcCodeUPC_E0, "04252614", TCheck::Off, ""},
    {3, bcCodeUPC_E0, "06543217", TCheck::On, ""}, // already whole: the switch adds nothing
    {4, bcCodeUPC_E1, "11234562", TCheck::Off, ""},
    {5, bcCodeUPC_E1, "10000007", TCheck::OnWithoutMethod, ""},
    {6, bcCodeUPC_E0, " 01234565 ", TCheck::Off, ""}, // blanks around digits are trimmed first
    {7, bcCodeUPC_E0, "01234564", TCheck::Off, "Check digit should be 5"},
    {8, bcCodeUPC_E0, "04252615", TCheck::On, "Check digit should be 4"},
    {9, bcCodeUPC_E1, "11234565", TCheck::Off, "Check digit should be 2"},
    {10, bcCodeUPC_E0, "11234562", TCheck::Off, "Number system should be 0"},
    {11, bcCodeUPC_E1, "01234565", TCheck::Off, "Number system should be 1"},
};

TEST(Encoding, AFullUpcEPrintsAsTypedOrIsRefusedNamingTheDigit)
{
    for (const TFullUpcERow& row : kFullUpcERows) {
        SCOPED_TRACE(::testing::Message() << "row " << row.No);
        TBarcode barcode;
        barcode.SetTyp(row.Typ), barcode.SetText(row.Typed), barcode.SetChecksum(row.Check != TCheck::Off);
        barcode.SetCheckSumMethod(row.Check == TCheck::OnWithoutMethod ? csmNone : csmModulo10);
        std::string pattern;
        EXPECT_EQ(testing::MessageOf([&] { pattern = barcode.BuildPattern(); }), row.Error);
        if (*row.Error != '\0')
            continue;
        const std::string full = barcode.Text();
        EXPECT_EQ(full.size(), 8u);
        EXPECT_EQ(barcode.LastEncoding(), (TEncoding{full, full}));
        const auto decoded = DecodeImage(RasterisePattern(barcode, pattern), {});
        EXPECT_EQ(decoded ? decoded->text : "(no reading)", full);
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
