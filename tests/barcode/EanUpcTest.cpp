// Golden patterns, widths and Text rewrites of the EAN/UPC encoders and the add-on symbols.
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "barcode/Barcode.h"
#include "tests/support/ExpectMessage.h"

namespace quillon {
namespace {

// Fragments of the expected patterns.
constexpr std::string_view kGuard = "505";
constexpr std::string_view kCentre = "05050";
constexpr std::string_view kUPCEEnd = "050505";
constexpr std::string_view kAddOnStart = "506";
constexpr std::string_view kSep = "05";

std::string Join(std::initializer_list<std::string_view> fragments)
{
    std::string s;
    for (std::string_view f : fragments)
        s += f;
    return s;
}

// Checksum and CheckSumMethod together.
enum class Check : std::uint8_t { Off, On, OnWithoutMethod };

struct Setting {
    TBarcodeType typ = bcCodeEAN13;
    std::string text;
    Check check = Check::Off;
};

TBarcode Make(const Setting& s)
{
    TBarcode b;
    b.SetTyp(s.typ), b.SetText(s.text), b.SetChecksum(s.check != Check::Off);
    b.SetCheckSumMethod(s.check == Check::OnWithoutMethod ? csmNone : csmModulo10);
    return b;
}

struct GoldenRow {
    int row = 0;
    Setting setting;
    std::string pattern;
    std::string textAfter;
};

// Patterns of the worked examples, reused by later rows.
const std::string kEAN13Example = Join({kGuard, "2605", "0517", "0508", "0805", "2515", "0616", kCentre,
                                        "5350", "5350", "5350", "7051", "5350", /*check*/ "6160", kGuard});
const std::string kUPCAExample = Join({kGuard, "2605", "0805", "0508", "2605", "2605", "2605", kCentre,
                                       "6061", "7051", "6160", "5071", "5170", /*check*/ "6061", kGuard});
const std::string kSupp5Example =
    Join({kAddOnStart, "0616", kSep, "1516", kSep, "0535", kSep, "0526", kSep, "0625"});

// Sources: "worked" = the worked examples and edge cases of our EAN/UPC notes; "UPC-E rule" = check digit of
// the expanded UPC-A number (DESIGN departure 1); "ZXing" = read back alike by ZXing-cpp 1.4; digit patterns
// from the number sets of ISO/IEC 15420.
// clang-format off
const GoldenRow kGoldenRows[] = {
    {1, {bcCodeEAN13, "4006381333931"}, kEAN13Example, "4006381333931"}, // worked: 4 selects ABAABB
    // worked: check 0 drawn, not stored
    {2, {bcCodeEAN8, "1234567", Check::On}, Join({kGuard, "1615", "1516", "0805", "0526", kCentre, "5170", "5053", "5251", /*check*/ "7150", kGuard}), "1234567"},
    {3, {bcCodeUPC_A, "036000291452", Check::On}, kUPCAExample, "036000291452"}, // worked
    // worked: check 5 selects EooEEo
    {4, {bcCodeUPC_E0, "1234565"}, Join({kGuard, "0616", "1516", "0805", "1705", "0715", "0508", kUPCEEnd}), "1234565"},
    // UPC-E rule: check 2, row EEooEo inverted; ZXing reads 11234562
    {5, {bcCodeUPC_E1, "1234565", Check::On}, Join({kGuard, "1615", "1516", "0535", "1705", "0625", "3505", kUPCEEnd}), "1234562"},
    // UPC-E rule: check 7 (EoEoEo) replaces the typed seventh digit
    {6, {bcCodeUPC_E0, "6543210", Check::On}, Join({kGuard, "3505", "0625", "1705", "0805", "1606", "1615", kUPCEEnd}), "6543217"},
    // UPC-E rule, any method
    {7, {bcCodeUPC_E1, "000000", Check::OnWithoutMethod}, Join({kGuard, "2605", "0517", "2605", "0517", "2605", "0517", kUPCEEnd}), "0000007"},
    // worked: padded to seven, 012345 drawn with check 7
    {8, {bcCodeUPC_E0, "123456"}, Join({kGuard, "0517", "1615", "1606", "0805", "1705", "0625", kUPCEEnd}), "0123456"},
    // UPC-E rule: 123453 expands to 0123 00000 45, check 1 (EEoEoo); ZXing reads 01234531
    {9, {bcCodeUPC_E0, "1234530", Check::On}, Join({kGuard, "0616", "1606", "0805", "1705", "0625", "0805", kUPCEEnd}), "1234531"},
    // UPC-E rule: 123454 expands to 01234 00000 5, check 3 (EEoooE); ZXing reads 01234543
    {10, {bcCodeUPC_E0, "1234540", Check::On}, Join({kGuard, "0616", "1606", "0805", "0526", "0625", "1705", kUPCEEnd}), "1234543"},
    {11, {bcCodeUPC_Supp5, "12345"}, kSupp5Example, "12345"},             // worked: check 1 selects EoEoo
    {12, {bcCodeUPC_Supp5, "12345", Check::On}, kSupp5Example, "123451"}, // worked + ZXing
    // only 12345 is kept, so 12345 mod 4 = 1 chooses oE, now and on the next encoding
    {13, {bcCodeUPC_Supp2, "1234567", Check::On}, Join({kAddOnStart, "1615", kSep, "1606"}), "123451"},
    {14, {bcCodeUPC_Supp2, "12"}, Join({kAddOnStart, "1615", kSep, "1516"}), "12"}, // worked: 0 mod 4, oo
    {15, {bcCodeUPC_Supp2, "13"}, Join({kAddOnStart, "1615", kSep, "0535"}), "13"}, // worked: oE
    {16, {bcCodeUPC_Supp2, "02"}, Join({kAddOnStart, "0517", kSep, "1516"}), "02"}, // worked: Eo
    {17, {bcCodeUPC_Supp2, "3"}, Join({kAddOnStart, "0517", kSep, "0535"}), "03"},  // worked: EE, padded
    {18, {bcCodeUPC_Supp2, "12", Check::On}, Join({kAddOnStart, "1615", kSep, "1516"}), "125"}, // 2x3 + 1x9; ZXing
    // worked: thirteen zeros
    {19, {bcCodeEAN13, ""}, Join({kGuard, "2605", "2605", "2605", "2605", "2605", "2605", kCentre, "7150", "7150", "7150", "7150", "7150", "7150", kGuard}), ""},
    // worked: the last seven kept, 23456709 drawn
    {20, {bcCodeEAN8, "12345670", Check::On}, Join({kGuard, "1516", "0805", "0526", "0625", kCentre, "5053", "5251", "7150", /*check*/ "7051", kGuard}), "12345670"},
    // worked: padded, then cut to 00360002914 and check 3
    {21, {bcCodeUPC_A, "03600029145", Check::On}, Join({kGuard, "2605", "2605", "0805", "0508", "2605", "2605", kCentre, "7150", "6061", "7051", "6160", "5071", /*check*/ "5350", kGuard}), "003600029143"},
    // no method: padded digits as typed, all set A
    {22, {bcCodeEAN13, "400638133393", Check::OnWithoutMethod}, Join({kGuard, "0526", "2605", "2605", "0508", "0805", "0607", kCentre, "6160", "5350", "5350", "5350", "7051", "5350", kGuard}), "400638133393"},
    // no method: padded, not cut
    {23, {bcCodeUPC_A, "03600029145", Check::OnWithoutMethod}, Join({kGuard, "2605", "2605", "0805", "0508", "2605", "2605", kCentre, "7150", "6061", "7051", "6160", "5071", "5170", kGuard}), "003600029145"},
    {24, {bcCodeUPC_A, "0360002914599", Check::On}, kUPCAExample, "036000291452"}, // worked: over-long, eleven kept plus check
};
// clang-format on

TEST(EanUpc, GoldenPatternsAndText)
{
    for (const GoldenRow& r : kGoldenRows) {
        SCOPED_TRACE("row " + std::to_string(r.row));
        TBarcode b = Make(r.setting);
        EXPECT_EQ(b.BuildPattern(), r.pattern);
        EXPECT_EQ(b.Text(), r.textAfter);
        // Measuring and then drawing encode twice: the second time must find nothing to change.
        EXPECT_EQ(b.BuildPattern(), r.pattern);
        EXPECT_EQ(b.Text(), r.textAfter);
    }
}

// At Modul 1 and Ratio 2.0 the width is the symbol's module count, whatever the digits and their number.
TEST(EanUpc, WidthIsTheModuleCount)
{
    const std::pair<TBarcodeType, int> rows[] = {
        {bcCodeEAN13, 95},  {bcCodeUPC_A, 95},     {bcCodeEAN8, 67},     {bcCodeUPC_E0, 51},
        {bcCodeUPC_E1, 51}, {bcCodeUPC_Supp5, 47}, {bcCodeUPC_Supp2, 20}};
    for (const auto& [typ, modules] : rows)
        for (const char* text : {"", "7", "987654321098765"})
            for (Check check : {Check::Off, Check::On, Check::OnWithoutMethod}) {
                SCOPED_TRACE(std::string(BarcodeTypeTable[typ].Name) + " '" + text + "'");
                TBarcode b =
                    Make({typ, typ == bcCodeUPC_Supp2 ? std::string(text).substr(0, 9) : text, check});
                EXPECT_EQ(b.Width(), modules);
            }
}

// The 2-digit add-on reads Text as a 32-bit value; larger values are refused, Text keeps its padded form.
TEST(EanUpc, TwoDigitAddOnValueMustFitThirtyTwoBits)
{
    const std::pair<std::string, std::string> rows[] = {
        {"2147483647", ""}, // the largest value passes
        {"2147483648", "'2147483648' is not a valid integer value"},
        {std::string(300, '9'), "'" + std::string(300, '9') + "' is not a valid integer value"},
        {std::string(40, '0') + "13", ""}, // leading zeros add nothing
    };
    for (const auto& [text, error] : rows) {
        SCOPED_TRACE(text);
        TBarcode b = Make({bcCodeUPC_Supp2, text});
        EXPECT_EQ(testing::MessageOf([&] { EXPECT_EQ(b.Width(), 20); }), error);
        EXPECT_EQ(b.Text(), text);
    }
}

} // namespace
} // namespace quillon
