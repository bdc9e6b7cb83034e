// Golden patterns, check digits, widths and errors of the MSI, PostNet and Codabar encoders.
#include <gtest/gtest.h>

#include <string>

#include "barcode/Barcode.h"
#include "tests/support/ExpectMessage.h"

namespace quillon {
namespace {

TBarcode Make(TBarcodeType typ, const std::string& text)
{
    TBarcode barcode;
    barcode.SetTyp(typ);
    barcode.SetText(text);
    return barcode;
}

std::string PatternOf(TBarcodeType typ, const std::string& text)
{
    return Make(typ, text).BuildPattern();
}

// An MSI digit by the symbology's rule: four bits, most significant first, 0 = "51" and 1 = "60".
std::string MsiDigit(int digit)
{
    std::string fragment;
    for (int bit = 3; bit >= 0; --bit)
        fragment += (digit >> bit) & 1 ? "60" : "51";
    return fragment;
}

const std::string kMsiStart = "60";
const std::string kMsiStop = "515";

// Text, check digit.
const std::pair<std::string, int> kMsiCheckRows[] = {
    {"", 0},                                         // 1 worked edge case
    {"12", 5},                                       // 2 worked example (even length, unchanged)
    {"55", 4},                                       // 3 worked edge case
    {"19", 0},                                       // 4 worked edge case
    {"123", 0},                                      // 5 counted from the right: 6 + 2 + 2
    {"5", 9},                                        // 6 10 -> digit sum 1
    {"12345", 5},                                    // 7 1 + 4 + 6 + 2 + 2
    {"7992739871", 3},                               // 8 the classic Luhn example
    {std::string(41, '9'), 1},                       // 9 far beyond 32 bits: 41 x 9 = 369
    {"1234567890123456789012345678901234567890", 2}, // 10 Luhn, computed independently
};

TEST(Msi, BuildsGoldenPatternsWithTheCheckDigitDoublingOddPositionsFromTheRight)
{
    // Worked examples: 12 with check digit 5; the empty text as start, check digit 0, stop.
    EXPECT_EQ(PatternOf(bcCodeMSI, "12"), kMsiStart + "51515160" + "51516051" + "51605160" + kMsiStop);
    EXPECT_EQ(PatternOf(bcCodeMSI, ""), "6051515151515");
    for (int no = 1; const auto& [text, check] : kMsiCheckRows) {
        const std::string pattern = PatternOf(bcCodeMSI, text);
        ASSERT_EQ(pattern.size(), kMsiStart.size() + 8 * (text.size() + 1) + kMsiStop.size()) << "row " << no;
        EXPECT_EQ(pattern.substr(pattern.size() - kMsiStop.size() - 8, 8), MsiDigit(check)) << "row " << no++;
    }
}

TEST(PostNet, BuildsGoldenPatterns)
{
    // Worked example 1 and the empty text; 907 by the 7-4-2-1-0 weights of USPS Publication 25.
    const std::string frame = "5";
    EXPECT_EQ(PatternOf(bcCodePostNet, "1"), frame + "1A1A1A15151" + frame);
    EXPECT_EQ(PatternOf(bcCodePostNet, ""), "515");
    EXPECT_EQ(PatternOf(bcCodePostNet, "907"), frame + "151A151A1A1" + "5151A1A1A1" + "51A1A1A151" + frame);
}

TEST(MsiPostNet, WideElementsFollowTheRatioUnclamped)
{
    // MSI 12: start 1 narrow + 1 wide, three digits of 4 + 4, stop 2 narrow + 1 wide.
    // PostNet 1: seven one-module bars and six wide spaces.
    const std::tuple<TBarcodeType, double, int> rows[] = {
        {bcCodeMSI, 1.0, 29},     {bcCodeMSI, 2.0, 43},     {bcCodeMSI, 5.0, 85},
        {bcCodePostNet, 1.0, 13}, {bcCodePostNet, 2.0, 19}, {bcCodePostNet, 5.0, 37},
    };
    for (int no = 1; const auto& [typ, ratio, width] : rows) {
        TBarcode barcode = Make(typ, typ == bcCodeMSI ? "12" : "1");
        barcode.SetRatio(ratio);
        EXPECT_EQ(std::pair(barcode.Width(), barcode.Ratio()), std::pair(width, ratio)) << "row " << no++;
    }
}

TEST(Codabar, BuildsGoldenPatterns)
{
    const std::string start = "5061515" + std::string("0");              // A and its gap
    const std::string stop = "5151506";                                  // B
    EXPECT_EQ(PatternOf(bcCodeCodabar, "1"), start + "50506150" + stop); // worked example
    EXPECT_EQ(PatternOf(bcCodeCodabar, ""), start + stop);
    // The six symbols - $ : / . + from the published USS-Codabar set (ZXing-cpp reads them back).
    EXPECT_EQ(PatternOf(bcCodeCodabar, "-$:/.+"),
              start + "50516050" + "50615050" + "60506060" + "60605060" + "60606050" + "50606060" + stop);
}

TEST(Codabar, WidthIs21PlusTenPerDigitAndOneMorePerThreeWideSymbol)
{
    const std::pair<std::string, int> rows[] = {
        {"", 21}, {"1", 31}, {"0123456789", 121}, {"-$", 41}, {":/.+", 65}};
    for (int no = 1; const auto& [text, width] : rows)
        EXPECT_EQ(Make(bcCodeCodabar, text).Width(), width) << "row " << no++;
}

TEST(Codabar, RefusesCharactersItCannotEncode)
{
    // A to D are start/stop characters; lowercase, blanks and bytes beyond ASCII are not Codabar.
    for (const std::string text : {"1A2", "D", "12d", "1 2", "12\xC3\xA9"}) {
        TBarcode barcode = Make(bcCodeCodabar, text);
        const std::string message = testing::MessageOf([&] { barcode.BuildPattern(); });
        EXPECT_EQ(message, "TBarcode:Codabar bad Data <" + text + ">");
        EXPECT_EQ(barcode.Text(), text) << text;
    }
}

} // namespace
} // namespace quillon
