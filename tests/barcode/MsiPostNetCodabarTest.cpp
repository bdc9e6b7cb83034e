// Golden patterns, check digits, widths and errors of the MSI, PostNet and Codabar encoders.
#include <gtest/gtest.h>

#include <string>

#include "barcode/Barcode.h"

namespace quillon {
namespace {

std::string PatternOf(TBarcodeType typ, const std::string& text)
{
    TBarcode barcode;
    barcode.SetTyp(typ);
    barcode.SetText(text);
    return barcode.BuildPattern();
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

TEST(Msi, BuildsGoldenPatterns)
{
    // Worked examples: 12 with check digit 5; the empty text as start, check digit 0, stop.
    EXPECT_EQ(PatternOf(bcCodeMSI, "12"), kMsiStart + "51515160" + "51516051" + "51605160" + kMsiStop);
    EXPECT_EQ(PatternOf(bcCodeMSI, ""), "6051515151515");
}

TEST(Msi, CheckDigitDoublesOddPositionsFromTheRight)
{
    struct Row {
        int number = 0;
        std::string text;
        int check = 0;
    };
    const Row rows[] = {
        {1, "", 0},         // worked edge case
        {2, "12", 5},       // worked example (even length, unchanged)
        {3, "55", 4},       // worked edge case
        {4, "19", 0},       // worked edge case
        {5, "123", 0},      // counted from the right: 6 + 2 + 2
        {6, "5", 9},        // 10 -> digit sum 1
        {7, "12345", 5},    // 1 + 4 + 6 + 2 + 2
        {8, "7992739871", 3},  // the classic Luhn example
        {9, std::string(41, '9'), 1},  // far beyond 32 bits: 41 x 9 = 369
        {10, "1234567890123456789012345678901234567890", 2},  // Luhn, computed independently
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("row " + std::to_string(row.number));
        const std::string pattern = PatternOf(bcCodeMSI, row.text);
        ASSERT_EQ(pattern.size(), kMsiStart.size() + 8 * (row.text.size() + 1) + kMsiStop.size());
        EXPECT_EQ(pattern.substr(pattern.size() - kMsiStop.size() - 8, 8), MsiDigit(row.check));
    }
}

TEST(PostNet, BuildsGoldenPatterns)
{
    // Worked example 1 and the empty text; 907 by the 7-4-2-1-0 weights of USPS Publication 25.
    EXPECT_EQ(PatternOf(bcCodePostNet, "1"), "51" "A1A1A15151" "5");
    EXPECT_EQ(PatternOf(bcCodePostNet, ""), "515");
    EXPECT_EQ(PatternOf(bcCodePostNet, "907"), "51" "51A151A1A1" "5151A1A1A1" "51A1A1A151" "5");
}

TEST(MsiPostNet, WideElementsFollowTheRatioUnclamped)
{
    struct Row {
        int number = 0;
        TBarcodeType typ = bcCodeMSI;
        double ratio = 2.0;
        int width = 0;
    };
    // MSI 12: start 1 narrow + 1 wide, three digits of 4 + 4, stop 2 narrow + 1 wide.
    // PostNet 1: seven one-module bars and six wide spaces.
    const Row rows[] = {
        {1, bcCodeMSI, 1.0, 29},     {2, bcCodeMSI, 2.0, 43},     {3, bcCodeMSI, 5.0, 85},
        {4, bcCodePostNet, 1.0, 13}, {5, bcCodePostNet, 2.0, 19}, {6, bcCodePostNet, 5.0, 37},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("row " + std::to_string(row.number));
        TBarcode barcode;
        barcode.SetTyp(row.typ);
        barcode.SetText(row.typ == bcCodeMSI ? "12" : "1");
        barcode.SetRatio(row.ratio);
        EXPECT_EQ(barcode.Width(), row.width);
        EXPECT_EQ(barcode.Ratio(), row.ratio);
    }
}

TEST(Codabar, BuildsGoldenPatterns)
{
    const std::string start = "5061515" "0";  // A and its gap
    const std::string stop = "5151506";       // B
    EXPECT_EQ(PatternOf(bcCodeCodabar, "1"), start + "5050615" "0" + stop);  // worked example
    EXPECT_EQ(PatternOf(bcCodeCodabar, ""), start + stop);
    // The six symbols from the published USS-Codabar set (ZXing-cpp reads -$:/.+ back).
    EXPECT_EQ(PatternOf(bcCodeCodabar, "-$:/.+"),
              start + "5051605" "0" "5061505" "0" "6050606" "0"  // - $ :
                  + "6060506" "0" "6060605" "0" "5060606" "0" + stop);  // / . +
}

TEST(Codabar, WidthIs21PlusTenPerDigitAndOneMorePerThreeWideSymbol)
{
    struct Row {
        int number = 0;
        std::string text;
        int width = 0;
    };
    const Row rows[] = {{1, "", 21}, {2, "1", 31}, {3, "0123456789", 121}, {4, "-$", 41}, {5, ":/.+", 65}};
    for (const Row& row : rows) {
        SCOPED_TRACE("row " + std::to_string(row.number));
        TBarcode barcode;
        barcode.SetTyp(bcCodeCodabar);
        barcode.SetText(row.text);
        EXPECT_EQ(barcode.Width(), row.width);
    }
}

TEST(Codabar, RefusesCharactersItCannotEncode)
{
    // A to D are start/stop characters; lowercase, blanks and bytes beyond ASCII are not Codabar.
    const std::string texts[] = {"1A2", "D", "12d", "1 2", "12\xC3\xA9"};
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        TBarcode barcode;
        barcode.SetTyp(bcCodeCodabar);
        barcode.SetText(text);
        try {
            barcode.BuildPattern();
            ADD_FAILURE() << "no error";
        } catch (const Exception& e) {
            EXPECT_STREQ(e.what(), ("TBarcode:Codabar bad Data <" + text + ">").c_str());
        }
        EXPECT_EQ(barcode.Text(), text);
    }
}

}  // namespace
}  // namespace quillon
