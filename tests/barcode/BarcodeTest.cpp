// The barcode object itself: the module range, ratio clamping, module widths, every encoder's refusal of
// bad input and the shared modulo-10 check digit.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <string>

#include "barcode/Barcode.h"
#include "barcode/CheckDigits.h"
#include "tests/support/ExpectMessage.h"

namespace quillon {
namespace {

using testing::MessageOf;

TEST(Barcode, ModulSetterAcceptsOnlyOneTo49)
{
    struct Row {
        int set;
        int expected;
    } rows[] = {
        {0, 7}, {50, 7}, {-3, 7}, {49, 49}, {1, 1},
    };
    for (const auto& row : rows) {
        TBarcode b;
        b.SetModul(7);
        b.SetModul(row.set);
        EXPECT_EQ(b.Modul(), row.expected) << "set " << row.set;
    }
}

// Ratio clamping by symbology and the module widths it yields.
TEST(Barcode, ComputeModuleWidthsClampsRatioAndRoundsTiesToEven)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Row {
        int line;
        TBarcodeType typ;
        int modul;
        double ratio;
        double ratioAfter;
        std::array<int, 4> widths;
    } rows[] = {
        {1, bcCode39, 1, 1.0, 2.0, {1, 2, 3, 4}},
        {2, bcCodeEAN13, 1, 5.0, 3.0, {1, 3, 4, 6}},
        {3, bcCode_2_5_matrix, 1, 2.1, 2.25, {1, 2, 3, 4}},
        {4, bcCode128B, 4, 1.0, 1.0, {4, 4, 6, 8}},   // unclamped: wide as narrow
        {5, bcCode128B, 2, 2.5, 2.5, {2, 5, 7, 10}},  // worked example
        {6, bcCode128B, 3, 2.5, 2.5, {3, 8, 12, 16}}, // 7.5 rounds to even
        {7, bcCodeMSI, 1, 2.5, 2.5, {1, 2, 3, 4}},    // 2.5 rounds to even
        {8, bcCodeMSI, 1, 3.5, 3.5, {1, 4, 6, 8}},
        // Full integers, at least one pixel: no wrap-around, no vanishing elements.
        {9, bcCode93, 49, 10.0, 10.0, {49, 490, 735, 980}},
        {10, bcCode93, 1, 0.0, 0.0, {1, 1, 1, 2}},
        {11, bcCode93, 1, -4.0, -4.0, {1, 1, 1, 2}},
        {12, bcCode93, 10, 1e300, 1e300, {10, 1000, 1500, 2000}},
        {13, bcCodeCodabar, 1, nan, 2.0, {1, 2, 3, 4}}, // a NaN ratio clamps to the low end
    };
    for (const auto& row : rows) {
        TBarcode b;
        b.SetTyp(row.typ);
        b.SetModul(row.modul);
        b.SetRatio(row.ratio);
        b.ComputeModuleWidths();
        EXPECT_EQ(b.Ratio(), row.ratioAfter) << "row " << row.line;
        EXPECT_EQ(b.ModuleWidths(), row.widths) << "row " << row.line;
    }
    for (double ratio : {nan, inf, -inf}) {
        TBarcode b;
        b.SetTyp(bcCodePostNet);
        b.SetRatio(ratio);
        b.ComputeModuleWidths();
        EXPECT_GE(b.ModuleWidths()[1], 1);
        EXPECT_LE(b.ModuleWidths()[3], 2000);
    }
}

struct TBadInputRow {
    TBarcodeType Typ = bcCode128B;
    std::string Text;
    bool Checksum = false;
    std::string Message;
};

// Every encoder's refusal: the message names the data as given, and Text keeps it.
// clang-format off
const TBadInputRow kBadInputRows[] = {
    {static_cast<TBarcodeType>(255), "  12 ", false, "TBarcode: wrong BarcodeType"}, // before the text is touched
    {static_cast<TBarcodeType>(23), "1", false, "TBarcode: wrong BarcodeType"},
    {bcCodeEAN8, "12a4567", false, "Barcode must be numeric"},
    {bcCodeEAN8, "12\xd9\xa3" "4567", false, "Barcode must be numeric"}, // an Arabic-Indic digit is no digit here
    // The 2-digit add-on reads Text as a 32-bit value.
    {bcCodeUPC_Supp2, "2147483648", false, "'2147483648' is not a valid integer value"},
    {bcCodeUPC_Supp2, std::string(300, '9'), false, "'" + std::string(300, '9') + "' is not a valid integer value"},
    // Code sets A and B cannot encode these characters; the EAN-128 check digit needs digits.
    {bcCode128A, "AbC", false, "TBarcode:Code128 bad Data <AbC>"},
    {bcCodeEAN128A, "{`|}~", false, "TBarcode:Code128 bad Data <{`|}~>"},
    {bcCode128B, "A\tB", false, "TBarcode:Code128 bad Data <A\tB>"},
    {bcCode128B, "\x7f", false, "TBarcode:Code128 bad Data <\x7f>"},
    {bcCode128A, "\x1b", false, "TBarcode:Code128 bad Data <\x1b>"}, // no control characters in code set A
    {bcCodeEAN128B, "caf\xC3\xA9", false, "TBarcode:Code128 bad Data <caf\xC3\xA9>"},
    {bcCodeEAN128A, "ab", true, "TBarcode:Code128 bad Data <ab>"},
    {bcCodeEAN128A, "A1", true, "'A' is not a valid integer value"},
    {bcCodeEAN128B, "12x", true, "'x' is not a valid integer value"},
    // Code 39: lowercase is not in the plain table, and "*" would end the symbol early.
    {bcCode39, "a", true, "TBarcode:Code39 bad Data <a>"},
    {bcCode39, "A*B", true, "TBarcode:Code39 bad Data <A*B>"},
    {bcCode39, "\xC3\xA9", true, "TBarcode:Code39 bad Data <\xC3\xA9>"},
    {bcCode39Extended, "x\xC3\xA9", true, "TBarcode:Code39 bad Data <x\xC3\xA9>"}, // beyond ASCII
    {bcCode93, "abc", false, "TBarcode:Code93 bad Data <abc>"},
    {bcCode93Extended, "x\xC3\xA9", false, "TBarcode:Code93 bad Data <x\xC3\xA9>"},
    // Codabar: A to D are start and stop characters; lowercase, blanks and bytes beyond ASCII are not Codabar.
    {bcCodeCodabar, "1A2", false, "TBarcode:Codabar bad Data <1A2>"},
    {bcCodeCodabar, "12d", false, "TBarcode:Codabar bad Data <12d>"},
    {bcCodeCodabar, "1 2", false, "TBarcode:Codabar bad Data <1 2>"},
    {bcCodeCodabar, "12\xC3\xA9", false, "TBarcode:Codabar bad Data <12\xC3\xA9>"},
};
// clang-format on

TEST(Barcode, BadInputIsRefusedWithItsMessageAndTextKept)
{
    for (int line = 1; const TBadInputRow& row : kBadInputRows) {
        TBarcode b;
        b.SetTyp(row.Typ), b.SetText(row.Text), b.SetChecksum(row.Checksum);
        EXPECT_EQ(MessageOf([&] { b.Width(); }), row.Message) << "row " << line;
        EXPECT_EQ(MessageOf([&] { b.BuildPattern(); }), row.Message) << "row " << line;
        EXPECT_EQ(b.Text(), row.Text) << "row " << line++;
    }
    TBarcode b; // digits-only kinds trim blanks before they encode
    b.SetTyp(bcCodeEAN8), b.SetText("  1234567 \t");
    b.Width();
    EXPECT_EQ(b.Text(), "1234567");
}

TEST(CheckDigits, AppendModulo10)
{
    struct Row {
        const char* in;
        const char* out;
    } rows[] = {
        {"12345", "123457"},
        {"0", "00"},
        {"7", "79"},
        {"", "0"},
        {"03600029145", "036000291452"},   // UPC-A worked example
        {"400638133393", "4006381333931"}, // EAN-13 worked example
    };
    for (const auto& row : rows)
        EXPECT_EQ(AppendModulo10(row.in), row.out) << row.in;
    EXPECT_EQ(MessageOf([&] { AppendModulo10("12a4"); }), "'a' is not a valid integer value");
}

} // namespace
} // namespace quillon
