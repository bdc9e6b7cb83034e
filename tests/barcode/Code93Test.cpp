// Golden patterns, widths, check characters and refusals of Code 93 and its full-ASCII form.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>

#include "barcode/Barcode.h"
#include "barcode/CheckDigits.h"
#include "tests/support/ExpectMessage.h"

namespace quillon {
namespace {

// Width digits of the Code 93 table of AIM USS-93, with the shift characters (/), (%), (+) written
// as "{", "]", "}" as the engine takes them. Every character was read back by ZXing-cpp.
const std::map<char, std::string_view> kWidths{
    {'0', "131112"}, {'1', "111213"}, {'3', "111411"}, {'6', "121311"}, {'7', "111114"},
    {'8', "131211"}, {'9', "141111"}, {'A', "211113"}, {'E', "221211"}, {'F', "231111"},
    {'G', "112113"}, {'H', "112212"}, {'I', "112311"}, {'K', "132111"}, {'M', "111222"},
    {'O', "121122"}, {'P', "131121"}, {'S', "211122"}, {'T', "211221"}, {'U', "221121"},
    {'+', "113121"}, {'%', "211131"}, {']', "312111"}, {'{', "311121"}, {'}', "122211"},
};
constexpr std::string_view kStart = "111141";
constexpr std::string_view kStop = "1111411";

// Start, the symbol characters (data, then C and K), stop.
std::string Symbol(std::string_view characters)
{
    std::string pattern = WidthDigitsToPattern(kStart);
    for (char c : characters)
        pattern += WidthDigitsToPattern(kWidths.at(c));
    return pattern + WidthDigitsToPattern(kStop);
}

TBarcode MakeCode93(TBarcodeType typ, const std::string& text)
{
    TBarcode barcode;
    barcode.SetTyp(typ);
    barcode.SetText(text);
    return barcode;
}

TEST(Code93, WorkedExampleAsWrittenOut)
{
    TBarcode barcode = MakeCode93(bcCode93, "A"); // C = 10 (A), K = 30 (U)
    EXPECT_EQ(barcode.BuildPattern(), "505080"
                                      "605052"
                                      "605052"
                                      "615060"
                                      "5050805");
    barcode.SetModul(2);
    EXPECT_EQ(barcode.Width(), 2 * 46); // every width doubles
}

struct PatternRow {
    int row = 0;
    TBarcodeType typ = bcCode93;
    std::string text;
    std::string_view symbolCharacters; // empty when refused
    std::string message;               // of the refusal
};

const PatternRow kPatternRows[] = {
    {1, bcCode93, "TEST93", "TEST93+6", ""},                       // worked example: C "+" (41), K 6
    {2, bcCode93Extended, "a", "}A8P", ""},                        // worked example: C 8, K 25
    {3, bcCode93, "", "00", ""},                                   // edge case: C = K = 0
    {4, bcCode93Extended, "-", "{MI9", ""},                        // full ASCII "-" is (/)M
    {5, bcCode93Extended, std::string("\0\x7f", 2), "]U]T7K", ""}, // NUL (%)U, DEL (%)T
    {6, bcCode93, "abc", "", "TBarcode:Code93 bad Data <abc>"},    // worked failure example
    {7, bcCode93Extended, "x\xC3\xA9", "", "TBarcode:Code93 bad Data <x\xC3\xA9>"}, // codes 128 and above
};

// Every character is 9 modules, and the stop 10: n data characters give 9 * (n + 3) + 10 at Modul 1.
TEST(Code93, EncodesGoldenPatternsOrRefusesWhatItCannotEncode)
{
    for (const PatternRow& r : kPatternRows) {
        TBarcode barcode = MakeCode93(r.typ, r.text);
        if (r.message.empty()) {
            EXPECT_EQ(barcode.BuildPattern(), Symbol(r.symbolCharacters)) << "row " << r.row;
            EXPECT_EQ(barcode.Width(), 9 * (int(r.symbolCharacters.size()) + 1) + 10) << "row " << r.row;
        } else {
            EXPECT_EQ(testing::MessageOf([&] { barcode.BuildPattern(); }), r.message) << "row " << r.row;
        }
        EXPECT_EQ(barcode.Text(), r.text) << "row " << r.row; // the full-ASCII form never shows
    }
}

// Text, then C and K: C weighs 1..20 from the right, K 1..15 over the data followed by C.
const std::pair<std::string, std::string_view> kCheckRows[] = {
    {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", "00"}, // 1 edge case: A to Z give C = K = 0
    {"Z" + std::string(19, '0'), "%H"},   // 2 before the wraps: C 35*20 = 42, K 35*6 + 700 = 17
    {"1" + std::string(14, '0'), "FG"},   // 3 15th from the right: wC 15, wK back to 1
    {"1" + std::string(20, '0'), "18"},   // 4 21st from the right: wC back to 1, wK 7
    {"[]{}", "HO"},                       // 5 shift characters 43..46 as data: C 17, K 24
};

TEST(Code93, CheckCharactersFollowTheWeights)
{
    for (int no = 1; const auto& [text, checkCharacters] : kCheckRows) {
        const std::string pattern = MakeCode93(bcCode93, text).BuildPattern();
        const std::string tail = Symbol(checkCharacters).substr(kStart.size());
        ASSERT_GE(pattern.size(), tail.size()) << "row " << no;
        EXPECT_EQ(pattern.substr(pattern.size() - tail.size()), tail) << "row " << no++;
    }
}

} // namespace
} // namespace quillon
