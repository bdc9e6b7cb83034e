// Golden patterns of the kinds no decoder reads (MSI, PostNet, industrial and matrix two of five, the
// EAN/UPC add-ons alone), with their check digits, widths and Text rewrites.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "barcode/Barcode.h"

namespace quillon {
namespace {

std::string PatternOf(TBarcodeType typ, const std::string& text)
{
    TBarcode barcode;
    barcode.SetTyp(typ), barcode.SetText(text);
    return barcode.BuildPattern();
}

struct TGoldenRow {
    TBarcodeType Typ = bcCodeMSI;
    std::string Text;
    bool Checksum = false;
    std::string Pattern;
    std::string TextAfter; // Text as it stands after encoding
};

const std::string kIndustrialStart = "606050", kIndustrialStop = "605060";
const std::string kMatrixStart = "705050", kMatrixStop = "70505";
const std::string kAddOnStart = "506", kSep = "05";
const std::string kSupp5Example =
    kAddOnStart + "0616" + kSep + "1516" + kSep + "0535" + kSep + "0526" + kSep + "0625";

// Worked examples and edge cases. Two of five digits from the published table (ANSI/AIM BC2): 0 = 00110,
// 1 = 10001, 9 = 01010; add-on digits from the number sets of ISO/IEC 15420, their parities chosen by
// the 5-digit add-on's check digit and by the 2-digit add-on's value modulo 4.
// clang-format off
const TGoldenRow kRows[] = {
    {bcCodeMSI, "12", false, "60" "51515160" "51516051" "51605160" "515", "12"}, // check digit 5, always drawn
    {bcCodeMSI, "", false, "6051515151515", ""},
    {bcCodePostNet, "1", false, "5" "1A1A1A15151" "5", "1"},
    {bcCodePostNet, "", false, "515", ""},
    // 907 by the 7-4-2-1-0 weights of USPS Publication 25.
    {bcCodePostNet, "907", false, "5" "151A151A1A1" "5151A1A1A1" "51A1A1A151" "5", "907"},
    {bcCode_2_5_industrial, "1", false, kIndustrialStart + "6050505060" + kIndustrialStop, "1"}, // bars carry 10001
    {bcCode_2_5_industrial, "", false, "606050605060", ""},
    {bcCode_2_5_industrial, "90", false, kIndustrialStart + "5060506050" + "5050606050" + kIndustrialStop, "90"},
    {bcCode_2_5_matrix, "1", false, kMatrixStart + "605060" + kMatrixStop, "1"}, // bar, space, bar, space, bar
    {bcCode_2_5_matrix, "", false, "70505070505", ""},
    {bcCode_2_5_matrix, "0", false, kMatrixStart + "506150" + kMatrixStop, "0"},
    {bcCodeUPC_Supp5, "12345", false, kSupp5Example, "12345"}, // check digit 1 selects EoEoo
    {bcCodeUPC_Supp5, "12345", true, kSupp5Example, "123451"},
    {bcCodeUPC_Supp2, "12", false, kAddOnStart + "1615" + kSep + "1516", "12"}, // 0 mod 4: oo
    {bcCodeUPC_Supp2, "13", false, kAddOnStart + "1615" + kSep + "0535", "13"}, // oE
    {bcCodeUPC_Supp2, "02", false, kAddOnStart + "0517" + kSep + "1516", "02"}, // Eo
    {bcCodeUPC_Supp2, "3", false, kAddOnStart + "0517" + kSep + "0535", "03"},  // EE, padded
    {bcCodeUPC_Supp2, "12", true, kAddOnStart + "1615" + kSep + "1516", "125"}, // 1 x 9 + 2 x 3
    // Only 12345 is kept, so 12345 mod 4 = 1 chooses oE, now and on the next encoding.
    {bcCodeUPC_Supp2, "1234567", true, kAddOnStart + "1615" + kSep + "1606", "123451"},
    {bcCodeUPC_Supp2, std::string(40, '0') + "13", false, kAddOnStart + "2605" + kSep + "0517", std::string(40, '0') + "13"}, // 00 drawn, oE
    {bcCodeUPC_Supp2, "2147483647", false, kAddOnStart + "1606" + kSep + "0616", "2147483647"}, // the largest value, 3 mod 4: EE
};
// clang-format on

TEST(GoldenPattern, KindsNoDecoderReads)
{
    for (int line = 1; const TGoldenRow& row : kRows) {
        SCOPED_TRACE(::testing::Message() << "row " << line++);
        TBarcode barcode;
        barcode.SetTyp(row.Typ), barcode.SetText(row.Text), barcode.SetChecksum(row.Checksum);
        // Measuring and drawing encode twice: the second time must find nothing to change.
        for (int encoding = 1; encoding <= 2; ++encoding)
            EXPECT_EQ(std::pair(barcode.BuildPattern(), barcode.Text()),
                      std::pair(row.Pattern, row.TextAfter));
    }
}

// An MSI digit by the symbology's rule: four bits, most significant first, 0 = "51" and 1 = "60".
std::string MsiDigit(int digit)
{
    std::string fragment;
    for (int bit = 3; bit >= 0; --bit)
        fragment += (digit >> bit) & 1 ? "60" : "51";
    return fragment;
}

TEST(GoldenPattern, MsiCheckDigitDoublesOddPositionsFromTheRight)
{
    const std::pair<std::string, int> rows[] = {
        {"55", 4},
        {"19", 0},
        {"123", 0},                                      // counted from the right: 6 + 2 + 2
        {"5", 9},                                        // 10 -> digit sum 1
        {"12345", 5},                                    // 1 + 4 + 6 + 2 + 2
        {"7992739871", 3},                               // the classic Luhn example
        {std::string(41, '9'), 1},                       // far beyond 32 bits: 41 x 9 = 369
        {"1234567890123456789012345678901234567890", 2}, // Luhn, computed independently
    };
    for (int line = 1; const auto& [text, check] : rows) {
        const std::string pattern = PatternOf(bcCodeMSI, text);
        ASSERT_EQ(pattern.size(), 2 + 8 * (text.size() + 1) + 3) << "row " << line;
        EXPECT_EQ(pattern.substr(pattern.size() - 3 - 8, 8), MsiDigit(check)) << "row " << line++;
    }
}

TEST(GoldenPattern, MsiAndPostNetWideElementsFollowTheRatioUnclamped)
{
    // MSI 12: start 1 narrow + 1 wide, three digits of 4 + 4, stop 2 narrow + 1 wide.
    // PostNet 1: seven one-module bars and six wide spaces.
    const std::tuple<TBarcodeType, double, int> rows[] = {
        {bcCodeMSI, 1.0, 29},     {bcCodeMSI, 2.0, 43},     {bcCodeMSI, 5.0, 85},
        {bcCodePostNet, 1.0, 13}, {bcCodePostNet, 2.0, 19}, {bcCodePostNet, 5.0, 37},
    };
    for (int line = 1; const auto& [typ, ratio, width] : rows) {
        TBarcode barcode;
        barcode.SetTyp(typ), barcode.SetText(typ == bcCodeMSI ? "12" : "1"), barcode.SetRatio(ratio);
        EXPECT_EQ(std::pair(barcode.Width(), barcode.Ratio()), std::pair(width, ratio)) << "row " << line++;
    }
}

} // namespace
} // namespace quillon
