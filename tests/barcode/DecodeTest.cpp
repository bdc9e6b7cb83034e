// Every symbology that a real scanner library reads is rendered and read back with ZXing-cpp,
// over a few hundred generated inputs each.
#include <gtest/gtest.h>

#include <random>

#include "barcode/CheckDigits.h"
#include "tests/support/PatternDecoder.h"

namespace quillon {
namespace {

constexpr int kInputsPerCase = 250;

std::string AsciiRange(int first, int last)
{
    std::string s;
    for (int c = first; c <= last; ++c)
        s += static_cast<char>(c);
    return s;
}

const std::string kDigits = "0123456789";
const std::string kCode39Chars = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";
const std::string kCodabarChars = "0123456789-$:/.+";
const std::string kAscii = AsciiRange(0, 127), kCodeSetA = AsciiRange(32, 95),
                  kCodeSetB = AsciiRange(32, 126);

// How the generated text is shaped before it is typed.
enum class TShape : std::uint8_t { AsIs, NoLeadingZero, LeadingZero, EvenLength, OddLength };

// What a scanner reports, given Text as it stands after encoding.
enum class TReads : std::uint8_t {
    Text,
    WithCheckDigit,
    WithCheckDigitWithoutFirst,
    NumberSystem0,
    NumberSystem1
};

struct DecodeCase {
    const char* name;
    TBarcodeType typ;
    double ratio;
    bool checksum;
    const std::string* alphabet;
    int minLength, maxLength;
    TShape shape;
    TReads reads;
    const char* format;
};

// clang-format off
const DecodeCase kCases[] = {
    {"EAN13", bcCodeEAN13, 2.0, true, &kDigits, 12, 12, TShape::NoLeadingZero, TReads::WithCheckDigit, "EAN-13"},
    // An EAN-13 with a leading 0 is a UPC-A symbol, and scanners report it as one.
    {"EAN13LeadingZero", bcCodeEAN13, 2.0, true, &kDigits, 12, 12, TShape::LeadingZero, TReads::WithCheckDigitWithoutFirst, "UPC-A"},
    {"EAN8", bcCodeEAN8, 2.0, true, &kDigits, 7, 7, TShape::AsIs, TReads::WithCheckDigit, "EAN-8"},
    {"UPCA", bcCodeUPC_A, 2.0, true, &kDigits, 11, 11, TShape::AsIs, TReads::Text, "UPC-A"},
    {"UPCE0", bcCodeUPC_E0, 2.0, true, &kDigits, 7, 7, TShape::AsIs, TReads::NumberSystem0, "UPC-E"},
    {"UPCE1", bcCodeUPC_E1, 2.0, true, &kDigits, 7, 7, TShape::AsIs, TReads::NumberSystem1, "UPC-E"},
    {"Code39", bcCode39, 2.0, false, &kCode39Chars, 1, 20, TShape::AsIs, TReads::Text, "Code39"},
    {"Code39Ratio3", bcCode39, 3.0, false, &kCode39Chars, 1, 20, TShape::AsIs, TReads::Text, "Code39"},
    {"Code39Extended", bcCode39Extended, 2.0, false, &kAscii, 1, 12, TShape::AsIs, TReads::Text, "Code39"},
    {"Code93", bcCode93, 2.0, false, &kCode39Chars, 1, 20, TShape::AsIs, TReads::Text, "Code93"},
    {"Code93Extended", bcCode93Extended, 2.0, false, &kAscii, 1, 12, TShape::AsIs, TReads::Text, "Code93"},
    {"Code128A", bcCode128A, 2.0, false, &kCodeSetA, 1, 20, TShape::AsIs, TReads::Text, "Code128"},
    {"Code128B", bcCode128B, 2.0, false, &kCodeSetB, 1, 20, TShape::AsIs, TReads::Text, "Code128"},
    {"Code128C", bcCode128C, 2.0, false, &kDigits, 1, 24, TShape::AsIs, TReads::Text, "Code128"},
    {"EAN128A", bcCodeEAN128A, 2.0, false, &kCodeSetA, 1, 20, TShape::AsIs, TReads::Text, "Code128"},
    {"EAN128B", bcCodeEAN128B, 2.0, false, &kCodeSetB, 1, 20, TShape::AsIs, TReads::Text, "Code128"},
    {"EAN128C", bcCodeEAN128C, 2.0, true, &kDigits, 1, 24, TShape::AsIs, TReads::Text, "Code128"},
    {"ITF", bcCode_2_5_interleaved, 2.0, false, &kDigits, 6, 30, TShape::EvenLength, TReads::Text, "ITF"},
    {"ITFRatio3", bcCode_2_5_interleaved, 3.0, false, &kDigits, 6, 30, TShape::EvenLength, TReads::Text, "ITF"},
    {"ITFOddLength", bcCode_2_5_interleaved, 2.0, false, &kDigits, 7, 29, TShape::OddLength, TReads::Text, "ITF"},
    {"Codabar", bcCodeCodabar, 2.0, false, &kCodabarChars, 4, 20, TShape::AsIs, TReads::Text, "Codabar"},
    {"CodabarRatio3", bcCodeCodabar, 3.0, false, &kCodabarChars, 4, 20, TShape::AsIs, TReads::Text, "Codabar"},
};
// clang-format on

std::ostream& operator<<(std::ostream& os, const DecodeCase& c)
{
    return os << c.name;
}

std::string MakeText(const DecodeCase& c, std::mt19937& rng)
{
    std::uniform_int_distribution<int> length(c.minLength, c.maxLength);
    std::uniform_int_distribution<std::size_t> pick(0, c.alphabet->size() - 1);
    std::string s(static_cast<std::size_t>(length(rng)), ' ');
    for (char& ch : s)
        ch = (*c.alphabet)[pick(rng)];
    switch (c.shape) {
    case TShape::AsIs: break;
    case TShape::NoLeadingZero: s[0] = s[0] == '0' ? '1' : s[0]; break;
    case TShape::LeadingZero: s[0] = '0'; break;
    case TShape::EvenLength: return s.size() % 2 ? s + "0" : s;
    case TShape::OddLength: return s.size() % 2 ? s : s + "1";
    }
    return s;
}

std::string Expected(TReads reads, const std::string& text)
{
    switch (reads) {
    case TReads::Text: break;
    case TReads::WithCheckDigit: return AppendModulo10(text);
    case TReads::WithCheckDigitWithoutFirst: return AppendModulo10(text).substr(1);
    case TReads::NumberSystem0: return "0" + text;
    case TReads::NumberSystem1: return "1" + text;
    }
    return text;
}

class DecodesBack : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodesBack, ToTheEncodedText)
{
    const DecodeCase& c = GetParam();
    std::mt19937 rng(20261206);
    for (int i = 0; i < kInputsPerCase && !HasFailure(); ++i) {
        TBarcode barcode;
        barcode.SetTyp(c.typ), barcode.SetRatio(c.ratio), barcode.SetChecksum(c.checksum);
        const std::string typed = MakeText(c, rng);
        barcode.SetText(typed);
        const auto decoded = testing::DecodeBarcode(barcode, {.code39FullAscii = c.typ == bcCode39Extended});
        ASSERT_TRUE(decoded.has_value()) << c.name << " did not scan: '" << typed << "'";
        EXPECT_EQ(decoded->text, Expected(c.reads, barcode.Text())) << c.name << " typed '" << typed << "'";
        EXPECT_EQ(decoded->format, c.format);
    }
}

INSTANTIATE_TEST_SUITE_P(Symbologies, DecodesBack, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<DecodeCase>& info) { return info.param.name; });

} // namespace
} // namespace quillon
