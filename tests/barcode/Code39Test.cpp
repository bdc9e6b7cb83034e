// Golden patterns, widths and refusals of Code 39 and its full-ASCII form.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "barcode/Barcode.h"
#include "tests/support/ExpectMessage.h"

namespace quillon {
namespace {

enum class Check : std::uint8_t { Off, On };

// Elements of the characters these tests meet, from the Code 39 character set of ISO/IEC 16388
// (bars 5 narrow / 6 wide, spaces 0 narrow / 1 wide). "*", "0", "A" and "%" are also quoted in the
// worked examples; every character was read back by ZXing-cpp.
const std::map<char, std::string_view> kElements{
    {'*', "515060605"}, {'0', "505160605"}, {'1', "605150506"}, {'8', "605150605"}, {'A', "605051506"},
    {'F', "506061505"}, {'M', "606050515"}, {'N', "505060516"}, {'T', "505060615"}, {'U', "615050506"},
    {'Z', "516060505"}, {'-', "515050606"}, {'.', "615050605"}, {' ', "516050605"}, {'$', "515151505"},
    {'/', "515150515"}, {'+', "515051515"}, {'%', "505151515"},
};

// Start "*", the symbol characters each followed by the narrow gap, stop "*".
std::string Symbol(std::string_view characters)
{
    std::string pattern = std::string(kElements.at('*')) + "0";
    for (char c : characters)
        pattern += std::string(kElements.at(c)) + "0";
    return pattern + std::string(kElements.at('*'));
}

TBarcode MakeCode39(TBarcodeType typ, const std::string& text, Check check)
{
    TBarcode barcode;
    barcode.SetTyp(typ);
    barcode.SetText(text);
    barcode.SetChecksum(check == Check::On);
    return barcode;
}

struct PatternRow {
    int row = 0;
    TBarcodeType typ = bcCode39;
    std::string text;
    Check check = Check::Off;
    std::string_view symbolCharacters; // data as drawn, then the check character; empty when refused
    std::string message;               // of the refusal
};

const PatternRow kPatternRows[] = {
    {1, bcCode39, "A", Check::Off, "A", ""},             // worked example
    {2, bcCode39, "A", Check::On, "AA", ""},             // worked example: sum 10 gives A
    {3, bcCode39, "", Check::Off, "", ""},               // edge case: start and stop only
    {4, bcCode39, "", Check::On, "0", ""},               // edge case: check character 0
    {5, bcCode39, "Z8", Check::On, "Z80", ""},           // 35 + 8 = 43: a multiple of 43 gives 0
    {6, bcCode39, "-. $/+%", Check::On, "-. $/+%F", ""}, // values 36..42 sum to 273, 273 mod 43 = 15
    {7, bcCode39Extended, "a", Check::Off, "+A", ""},    // full ASCII: lowercase shifts with +
    {8, bcCode39Extended, "a", Check::On, "+A8", ""},    // check over the rewritten text: 41 + 10 = 51
    {9, bcCode39Extended, std::string("\0\x7f", 2), Check::Off, "%U%T", ""}, // NUL and DEL
    {10, bcCode39Extended, "-.", Check::Off, "/M/N", ""},                    // punctuation takes the / shift
    {11, bcCode39Extended, "A1 ", Check::Off, "A1 ", ""},               // digits, capitals, blank as they are
    {12, bcCode39, "a", Check::On, "", "TBarcode:Code39 bad Data <a>"}, // lowercase is not in the table
    {13, bcCode39, "A*B", Check::On, "", "TBarcode:Code39 bad Data <A*B>"}, // "*" would end the symbol early
    {14, bcCode39, "*", Check::On, "", "TBarcode:Code39 bad Data <*>"},
    {15, bcCode39, "\xC3\xA9", Check::On, "", "TBarcode:Code39 bad Data <\xC3\xA9>"}, // UTF-8 e acute
    {16, bcCode39Extended, "x\xC3\xA9", Check::On, "", "TBarcode:Code39 bad Data <x\xC3\xA9>"}, // 128 up
};

// Every character is 12 modules plus a 1-module gap: n characters (with the check character) give
// 13 * (n + 2) - 1 at Modul 1 and Ratio 2.
TEST(Code39, EncodesGoldenPatternsOrRefusesWhatItCannotEncode)
{
    for (const PatternRow& r : kPatternRows) {
        TBarcode barcode = MakeCode39(r.typ, r.text, r.check);
        if (r.message.empty()) {
            EXPECT_EQ(barcode.BuildPattern(), Symbol(r.symbolCharacters)) << "row " << r.row;
            EXPECT_EQ(barcode.Width(), 13 * (int(r.symbolCharacters.size()) + 2) - 1) << "row " << r.row;
        } else {
            EXPECT_EQ(testing::MessageOf([&] { barcode.BuildPattern(); }), r.message) << "row " << r.row;
        }
        EXPECT_EQ(barcode.Text(), r.text) << "row " << r.row; // the full-ASCII form never shows
    }
}

} // namespace
} // namespace quillon
