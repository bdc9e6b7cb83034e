// Every symbology that a real scanner library reads is rendered and read back with ZXing-cpp,
// over a few hundred generated inputs each.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "barcode/CheckDigits.h"
#include "tests/support/PatternDecoder.h"

namespace quillon {
namespace {

using testing::DecodeBarcode;
using testing::DecodeOptions;

constexpr int kInputsPerCase = 250;

std::string RandomString(std::mt19937& rng, std::string_view alphabet, int minLength, int maxLength)
{
    std::uniform_int_distribution<int> length(minLength, maxLength);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::string s(static_cast<std::size_t>(length(rng)), ' ');
    for (char& c : s)
        c = alphabet[pick(rng)];
    return s;
}

std::string AsciiRange(int first, int last)
{
    std::string s;
    for (int c = first; c <= last; ++c)
        s += static_cast<char>(c);
    return s;
}

constexpr std::string_view kDigits = "0123456789";
constexpr std::string_view kCode39Chars = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";
constexpr std::string_view kCodabarChars = "0123456789-$:/.+";

struct DecodeCase {
    std::string name;
    TBarcodeType typ = bcCodeEAN13;
    double ratio = 2.0;
    bool checksum = false;
    std::function<std::string(std::mt19937&)> makeText;
    // What a scanner reports for the barcode, given Text as it stands after encoding.
    std::function<std::string(const std::string&)> expected = [](const std::string& text) { return text; };
    std::string format;
    DecodeOptions options = {};
};

std::ostream& operator<<(std::ostream& os, const DecodeCase& c)
{
    return os << c.name;
}

std::string WithNumberSystem(char numberSystem, const std::string& text)
{
    return numberSystem + text;
}

std::vector<DecodeCase> DecodeCases()
{
    auto digits = [](int min, int max) {
        return [=](std::mt19937& rng) { return RandomString(rng, kDigits, min, max); };
    };
    auto evenDigits = [](int min, int max) {
        return [=](std::mt19937& rng) {
            std::string s = RandomString(rng, kDigits, min, max);
            return s.size() % 2 ? s + "0" : s;
        };
    };
    auto chars = [](std::string alphabet, int min, int max) {
        return [=](std::mt19937& rng) { return RandomString(rng, alphabet, min, max); };
    };
    auto appendCheck = [](const std::string& t) { return AppendModulo10(t); };
    std::vector<DecodeCase> cases{
        {.name = "EAN13",
         .typ = bcCodeEAN13,
         .checksum = true,
         .makeText =
             [](std::mt19937& rng) {
                 return RandomString(rng, "123456789", 1, 1) + RandomString(rng, kDigits, 11, 11);
             },
         .expected = appendCheck,
         .format = "EAN-13"},
        // An EAN-13 with a leading 0 is a UPC-A symbol, and scanners report it as one.
        {.name = "EAN13LeadingZero",
         .typ = bcCodeEAN13,
         .checksum = true,
         .makeText = [](std::mt19937& rng) { return "0" + RandomString(rng, kDigits, 11, 11); },
         .expected = [](const std::string& t) { return AppendModulo10(t).substr(1); },
         .format = "UPC-A"},
        {.name = "EAN8",
         .typ = bcCodeEAN8,
         .checksum = true,
         .makeText = digits(7, 7),
         .expected = appendCheck,
         .format = "EAN-8"},
        {.name = "UPCA", .typ = bcCodeUPC_A, .checksum = true, .makeText = digits(11, 11), .format = "UPC-A"},
        {.name = "UPCE0",
         .typ = bcCodeUPC_E0,
         .checksum = true,
         .makeText = digits(7, 7),
         .expected = [](const std::string& t) { return WithNumberSystem('0', t); },
         .format = "UPC-E"},
        {.name = "UPCE1",
         .typ = bcCodeUPC_E1,
         .checksum = true,
         .makeText = digits(7, 7),
         .expected = [](const std::string& t) { return WithNumberSystem('1', t); },
         .format = "UPC-E"},
        {.name = "Code39",
         .typ = bcCode39,
         .makeText = chars(std::string(kCode39Chars), 1, 20),
         .format = "Code39"},
        {.name = "Code39Ratio3",
         .typ = bcCode39,
         .ratio = 3.0,
         .makeText = chars(std::string(kCode39Chars), 1, 20),
         .format = "Code39"},
        {.name = "Code39Extended",
         .typ = bcCode39Extended,
         .makeText = chars(AsciiRange(0, 127), 1, 12),
         .format = "Code39",
         .options = {.code39FullAscii = true}},
        {.name = "Code93",
         .typ = bcCode93,
         .makeText = chars(std::string(kCode39Chars), 1, 20),
         .format = "Code93"},
        {.name = "Code93Extended",
         .typ = bcCode93Extended,
         .makeText = chars(AsciiRange(0, 127), 1, 12),
         .format = "Code93"},
        {.name = "Code128A",
         .typ = bcCode128A,
         .makeText = chars(AsciiRange(32, 95), 1, 20),
         .format = "Code128"},
        {.name = "Code128B",
         .typ = bcCode128B,
         .makeText = chars(AsciiRange(32, 126), 1, 20),
         .format = "Code128"},
        {.name = "Code128C", .typ = bcCode128C, .makeText = digits(1, 24), .format = "Code128"},
        {.name = "EAN128A",
         .typ = bcCodeEAN128A,
         .makeText = chars(AsciiRange(32, 95), 1, 20),
         .format = "Code128"},
        {.name = "EAN128B",
         .typ = bcCodeEAN128B,
         .makeText = chars(AsciiRange(32, 126), 1, 20),
         .format = "Code128"},
        {.name = "EAN128C",
         .typ = bcCodeEAN128C,
         .checksum = true,
         .makeText = digits(1, 24),
         .format = "Code128"},
        {.name = "ITF", .typ = bcCode_2_5_interleaved, .makeText = evenDigits(6, 30), .format = "ITF"},
        {.name = "ITFRatio3",
         .typ = bcCode_2_5_interleaved,
         .ratio = 3.0,
         .makeText = evenDigits(6, 30),
         .format = "ITF"},
        {.name = "ITFOddLength",
         .typ = bcCode_2_5_interleaved,
         .makeText =
             [](std::mt19937& rng) {
                 std::string s = RandomString(rng, kDigits, 7, 29);
                 return s.size() % 2 ? s : s + "1";
             },
         .format = "ITF"},
        {.name = "Codabar",
         .typ = bcCodeCodabar,
         .makeText = chars(std::string(kCodabarChars), 4, 20),
         .format = "Codabar"},
        {.name = "CodabarRatio3",
         .typ = bcCodeCodabar,
         .ratio = 3.0,
         .makeText = chars(std::string(kCodabarChars), 4, 20),
         .format = "Codabar"},
    };
    return cases;
}

class DecodesBack : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodesBack, ToTheEncodedText)
{
    const DecodeCase& c = GetParam();
    std::mt19937 rng(20261206);
    for (int i = 0; i < kInputsPerCase; ++i) {
        TBarcode barcode;
        barcode.SetTyp(c.typ);
        barcode.SetRatio(c.ratio);
        barcode.SetChecksum(c.checksum);
        const std::string typed = c.makeText(rng);
        barcode.SetText(typed);
        const auto decoded = DecodeBarcode(barcode, c.options);
        ASSERT_TRUE(decoded.has_value()) << c.name << " did not scan: '" << typed << "'";
        EXPECT_EQ(decoded->text, c.expected(barcode.Text())) << c.name << " typed '" << typed << "'";
        EXPECT_EQ(decoded->format, c.format);
        if (::testing::Test::HasFailure())
            break;
    }
}

INSTANTIATE_TEST_SUITE_P(Symbologies, DecodesBack, ::testing::ValuesIn(DecodeCases()),
                         [](const ::testing::TestParamInfo<DecodeCase>& info) { return info.param.name; });

} // namespace
} // namespace quillon
