// Golden patterns, widths, Text rewrites and refusals of the Code 128 and EAN-128 encoder.
#include <gtest/gtest.h>

#include <string>

#include "barcode/Barcode.h"
#include "tests/support/ExpectMessage.h"

namespace quillon {
namespace {

// Symbols as bar-pattern characters at Ratio 2.0, from the ISO/IEC 15417 symbol table.
const std::string kStartA = "605351"; // 211412
const std::string kStartB = "605153"; // 211214
const std::string kStartC = "605171"; // 211232
const std::string kStop = "6270506";  // 2331112
const std::string kFnc1 = "805070";   // value 102, 411131
const std::string kV0 = "606161", kV1 = "616061", kV7 = "516251", kV9 = "615152", kV12 = "506171",
                  kV13 = "516071", kV23 = "706070", kV24 = "705161", kV33 = "505262", kV34 = "525062",
                  kV45 = "507062", kV48 = "707060", kV58 = "706250", kV64 = "505361", kV72 = "516350",
                  kV81 = "515081", kV101 = "705080";

std::string Repeat(const std::string& s, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i)
        out += s;
    return out;
}

struct Setting {
    TBarcodeType typ = bcCode128B;
    std::string text;
    bool checksum = false;
    TCheckSumMethod method = csmModulo10;
};

TBarcode Make(const Setting& s)
{
    TBarcode b;
    b.SetTyp(s.typ), b.SetText(s.text), b.SetChecksum(s.checksum), b.SetCheckSumMethod(s.method);
    return b;
}

struct PatternRow {
    int row = 0;
    Setting setting;
    std::string pattern;
    std::string text; // Text after encoding
    int width = 0;    // at Modul 1, Ratio 2.0: 11 per symbol (start and check included) + 13
};

// Rows 1-4: worked examples; 5-8: edge cases (no data, a comma, one digit in code set C);
// 9-11: check values by the weighted sum of ISO/IEC 15417, modulo 103.
// clang-format off
const PatternRow kPatternRows[] = {
    {1, {bcCode128B, "AB"}, kStartB + kV33 + kV34 + kFnc1 + kStop, "AB", 57},
    {2, {bcCode128C, "12345"}, kStartC + kV1 + kV23 + kV45 + kV81 + kStop, "012345", 68},
    {3, {bcCodeEAN128C, "1234"}, kStartC + kFnc1 + kV12 + kV34 + kV24 + kStop, "1234", 68},
    // check digit 8 appended once, then the leading zero
    {4, {bcCodeEAN128C, "1234", true}, kStartC + kFnc1 + kV1 + kV23 + kV48 + kV58 + kStop, "012348", 79},
    {5, {bcCode128B, ""}, kStartB + kV1 + kStop, "", 35},
    {6, {bcCodeEAN128B, ""}, kStartB + kFnc1 + kV0 + kStop, "", 46},
    {7, {bcCode128B, ","}, kStartB + kV12 + kV13 + kStop, ",", 46},
    {8, {bcCode128C, "7"}, kStartC + kV7 + kV9 + kStop, "07", 46},
    // 103 + 102 + 33x2 + 34x3 = 373, 373 mod 103 = 64
    {9, {bcCodeEAN128A, "AB"}, kStartA + kFnc1 + kV33 + kV34 + kV64 + kStop, "AB", 68},
    // csmNone adds no digit; 105 + 102 + 1x2 + 23x3 = 278, mod 103 = 72
    {10, {bcCodeEAN128C, "123", true, csmNone}, kStartC + kFnc1 + kV1 + kV23 + kV72 + kStop, "0123", 68},
    // weights run past 103: 104 + 33 x (1 + ... + 110) = 201569, mod 103 = 101
    {11, {bcCode128B, std::string(110, 'A')}, kStartB + Repeat(kV33, 110) + kV101 + kStop, std::string(110, 'A'), 11 * 112 + 13},
};
// clang-format on

// Measuring and then drawing encode one setting several times: pattern and Text must not move.
TEST(Code128, PatternsTextsAndWidths)
{
    for (const PatternRow& r : kPatternRows) {
        SCOPED_TRACE(r.row);
        TBarcode b = Make(r.setting);
        EXPECT_EQ(b.BuildPattern(), r.pattern);
        EXPECT_EQ(b.Text(), r.text);
        EXPECT_EQ(b.Width(), r.width);
        b.SetModul(3);
        EXPECT_EQ(b.Width(), 3 * r.width);
        EXPECT_EQ(b.BuildPattern(), r.pattern);
        EXPECT_EQ(b.Text(), r.text);
    }
}

struct ErrorRow {
    int row = 0;
    Setting setting;
    std::string message;
};

// Code sets A and B cannot encode these characters; the checksum needs digits. Text stays as given.
const ErrorRow kErrorRows[] = {
    {1, {bcCode128A, "AbC"}, "TBarcode:Code128 bad Data <AbC>"},
    {2, {bcCodeEAN128A, "{`|}~"}, "TBarcode:Code128 bad Data <{`|}~>"},
    {3, {bcCode128B, "A\tB"}, "TBarcode:Code128 bad Data <A\tB>"},
    {4, {bcCode128B, "\x7f"}, "TBarcode:Code128 bad Data <\x7f>"},
    {5, {bcCode128A, "\x1b"}, "TBarcode:Code128 bad Data <\x1b>"},
    {6, {bcCodeEAN128B, "caf\xC3\xA9"}, "TBarcode:Code128 bad Data <caf\xC3\xA9>"},
    {7, {bcCode128A, "\xFF"}, "TBarcode:Code128 bad Data <\xFF>"},
    {8, {bcCodeEAN128A, "ab", true}, "TBarcode:Code128 bad Data <ab>"},
    {9, {bcCodeEAN128A, "A1", true}, "'A' is not a valid integer value"},
    {10, {bcCodeEAN128B, "12x", true}, "'x' is not a valid integer value"},
};

TEST(Code128, RefusesWhatItCannotEncode)
{
    for (const ErrorRow& r : kErrorRows) {
        SCOPED_TRACE(r.row);
        TBarcode b = Make(r.setting);
        EXPECT_EQ(testing::MessageOf([&] { b.Width(); }), r.message);
        EXPECT_EQ(b.Text(), r.setting.text);
    }
}

} // namespace
} // namespace quillon
