// Golden patterns of the interleaved, industrial and matrix two-of-five encoders.
#include <gtest/gtest.h>

#include <string>

#include "barcode/Barcode.h"

namespace quillon {
namespace {

const std::string kItfStart = "5050";
const std::string kItfStop = "605";
const std::string kIndustrialStart = "606050";
const std::string kIndustrialStop = "605060";
const std::string kMatrixStart = "705050";
const std::string kMatrixStop = "70505";

struct TwoOfFiveRow {
    int number = 0;
    TBarcodeType typ = bcCode_2_5_interleaved;
    std::string text;
    std::string pattern;
    std::string textAfter; // Text as it stands after encoding
};

// Digit fragments written out from the published two-of-five table (ANSI/AIM BC2):
// 0 = 00110, 1 = 10001, 2 = 01001, 3 = 11000, 7 = 00011, 9 = 01010.
const TwoOfFiveRow kRows[] = {
    // Worked example: the pair 12 as bars 10001 and spaces 01001.
    {1, bcCode_2_5_interleaved, "12", kItfStart + "6051505061" + kItfStop, "12"},
    // Empty text: start and stop only.
    {2, bcCode_2_5_interleaved, "", "5050605", ""},
    // An odd count gets a leading zero, kept in Text: pairs 01 and 23.
    {3, bcCode_2_5_interleaved, "123", kItfStart + "5150606051" + "5161505060" + kItfStop, "0123"},
    // A single digit is drawn as the pair 07 instead of no data at all.
    {4, bcCode_2_5_interleaved, "7", kItfStart + "5050606151" + kItfStop, "07"},
    // Worked example: bars carry 10001, every space narrow.
    {5, bcCode_2_5_industrial, "1", kIndustrialStart + "6050505060" + kIndustrialStop, "1"},
    {6, bcCode_2_5_industrial, "", "606050605060", ""},
    {7, bcCode_2_5_industrial, "90", kIndustrialStart + "5060506050" + "5050606050" + kIndustrialStop, "90"},
    // Worked example: bar, space, bar, space, bar of 10001, then a narrow space.
    {8, bcCode_2_5_matrix, "1", kMatrixStart + "605060" + kMatrixStop, "1"},
    {9, bcCode_2_5_matrix, "", "70505070505", ""},
    {10, bcCode_2_5_matrix, "0", kMatrixStart + "506150" + kMatrixStop, "0"},
};

TEST(TwoOfFive, BuildsGoldenPatterns)
{
    for (const TwoOfFiveRow& row : kRows) {
        SCOPED_TRACE("row " + std::to_string(row.number));
        TBarcode barcode;
        barcode.SetTyp(row.typ);
        barcode.SetText(row.text);
        // Measuring and drawing encode twice: an odd text is padded only once.
        for (int encoding = 1; encoding <= 2; ++encoding) {
            EXPECT_EQ(barcode.BuildPattern(), row.pattern);
            EXPECT_EQ(barcode.Text(), row.textAfter);
        }
    }
}

} // namespace
} // namespace quillon
