// Scan verification: every symbology composed as the window does and read back; the expected readings;
// status texts and colours.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <optional>
#include <string>

#include "label/FontSubstitutions.h"
#include "label/LabelComposer.h"
#include "label/ScanCheck.h"

namespace quillon {
namespace {

using enum TScanOutcome;
using namespace std::literals;

// The window's captions, both on, over the top of the bars and below them.
const TLabelCaptions kWindowCaptions{
    .UpperOn = true, .Upper = "www.quillon-labels.example", .LowerOn = true, .Lower = "Description"};

enum class TCheck : std::uint8_t { Off, Modulo10 };

constexpr TColor kBlack = 0x000000, kRed = 0x0000FF, kBlue = 0xFF0000; // red in the low byte

struct TScanRow {
    TBarcodeType Typ = bcCodeEAN13;
    std::string Typed;
    double Ratio = 2.0;
    TCheck Check = TCheck::Off;
    TColor Bars = kBlack;
    TScanOutcome Outcome = Matches;
    std::string Status;
};

// The window's barcode: Modul 2, Height 64, the code line drawn; a check digit only where asked for.
TBarcode WindowBarcode(TBarcodeType typ, const std::string& typed, double ratio = 2.0,
                       TCheck check = TCheck::Off, TColor bars = kBlack)
{
    TBarcode barcode;
    barcode.SetModul(2), barcode.SetHeight(64), barcode.SetShowText(bcoCode), barcode.SetColorBar(bars);
    barcode.SetTyp(typ), barcode.SetRatio(ratio), barcode.SetText(typed);
    barcode.SetChecksum(check == TCheck::Modulo10);
    barcode.SetCheckSumMethod(check == TCheck::Modulo10 ? csmModulo10 : csmNone);
    return barcode;
}

TEST(ScanCheck, EverySymbologyReadsAsItShould)
{
    RegisterFontSubstitutions();
    constexpr TCheck off = TCheck::Off, mod10 = TCheck::Modulo10;
    const TScanRow rows[] = {
        // 1: an odd count gets its leading 0, kept in Text.
        {bcCode_2_5_interleaved, "1234567", 2.0, off, kBlack, Matches, "Scans as 01234567"},
        {bcCode_2_5_industrial, "123456", 2.0, off, kBlack, NoReader, "No scan check for 2_5_industrial"},
        {bcCode_2_5_matrix, "123456", 2.0, off, kBlack, NoReader, "No scan check for 2_5_matrix"},
        {bcCode39, "QUILLON-39", 2.0, off, kBlack, Matches, "Scans as QUILLON-39"},
        // 5: C 12 + O 24 + D 13 + E 14 + 3 + 9 = 75; modulo 43 is 32, W (ISO/IEC 16388 check character).
        {bcCode39, "CODE39", 2.0, mod10, kBlack, Matches, "Scans as CODE39W"},
        {bcCode39Extended, "Quillon 39", 2.0, off, kBlack, Matches, "Scans as Quillon 39"},
        // 7: Z 35 + 4 = 39, the check character "$": verified and taken off before the shifts are read.
        {bcCode39Extended, "Z4", 2.0, mod10, kBlack, Matches, "Scans as Z4"},
        {bcCode128A, "QUILLON-128", 2.0, off, kBlack, Matches, "Scans as QUILLON-128"},
        {bcCode128B, "Quillon 128", 2.0, off, kBlack, Matches, "Scans as Quillon 128"},
        // 10: code set C pairs digits, so the odd count gets a leading 0.
        {bcCode128C, "12345", 2.0, off, kBlack, Matches, "Scans as 012345"},
        {bcCode93, "CODE-93", 2.0, off, kBlack, Matches, "Scans as CODE-93"},
        {bcCode93Extended, "Code 93", 2.0, off, kBlack, Matches, "Scans as Code 93"},
        {bcCodeMSI, "123456", 2.0, off, kBlack, NoReader, "No scan check for MSI"},
        {bcCodePostNet, "12345", 2.0, off, kBlack, NoReader, "No scan check for PostNet"},
        // 15: the start A and stop B are not data.
        {bcCodeCodabar, "31117013206375", 2.0, off, kBlack, Matches, "Scans as 31117013206375"},
        // 16: GS1's EAN-8 example, its check digit 4 typed.
        {bcCodeEAN8, "96385074", 2.0, off, kBlack, Matches, "Scans as 96385074"},
        // 17: the window's designed label; its ratio 1 is raised to 2 for EAN.
        {bcCodeEAN13, "6212236011840", 1.0, off, kBlack, Matches, "Scans as 6212236011840"},
        // 18: a leading 0 makes it the UPC-A symbol 036000291452, and scanners say so.
        {bcCodeEAN13, "0036000291452", 2.0, off, kBlack, Matches, "Scans as 036000291452"},
        // 19: a typed check digit 1 where 0 belongs: the reader refuses the check, the engine names 0.
        {bcCodeEAN13, "6212236011841", 2.0, off, kBlack, DoesNotScan, "Check digit should be 0"},
        {bcCodeEAN13, "621223601184", 2.0, mod10, kBlack, Matches, "Scans as 6212236011840"},
        {bcCodeUPC_A, "036000291452", 2.0, off, kBlack, Matches, "Scans as 036000291452"},
        // 22, 23: number system, six digits, and the check digit of the UPC-A number they expand to
        // (0 12345 00006 gives 5, 1 12345 00006 gives 2).
        {bcCodeUPC_E0, "1234565", 2.0, off, kBlack, Matches, "Scans as 01234565"},
        {bcCodeUPC_E1, "1234562", 2.0, off, kBlack, Matches, "Scans as 11234562"},
        {bcCodeUPC_Supp2, "12", 2.0, off, kBlack, NoReader, "No scan check for UPC Supp2"},
        {bcCodeUPC_Supp5, "12345", 2.0, off, kBlack, NoReader, "No scan check for UPC Supp5"},
        // 26 to 28: FNC1 marks the data structure and is not data; 1234 gets its check digit 8, then a 0.
        {bcCodeEAN128A, "QUILLON", 2.0, off, kBlack, Matches, "Scans as QUILLON"},
        {bcCodeEAN128B, "Quillon", 2.0, off, kBlack, Matches, "Scans as Quillon"},
        {bcCodeEAN128C, "1234", 2.0, mod10, kBlack, Matches, "Scans as 012348"},
        // 29 to 32: at the window's ratio 1 the 2- to 4-module elements of the width-digit codes shrink.
        {bcCode128B, "Quillon 128", 1.0, off, kBlack, DoesNotScan, "Does not scan"},
        {bcCode128C, "123456", 1.0, off, kBlack, DoesNotScan, "Does not scan"},
        {bcCode93, "CODE-93", 1.0, off, kBlack, DoesNotScan, "Does not scan"},
        {bcCode93Extended, "Code 93", 1.0, off, kBlack, DoesNotScan, "Does not scan"},
        // 33, 34: under a scanner's red light red bars vanish; blue ones stay dark.
        {bcCodeEAN13, "6212236011840", 2.0, off, kRed, DoesNotScan, "Does not scan"},
        {bcCodeEAN13, "6212236011840", 2.0, off, kBlue, Matches, "Scans as 6212236011840"},
        // 35: the decoder takes interleaved two of five of six digits or more only.
        {bcCode_2_5_interleaved, "12", 2.0, off, kBlack, DoesNotScan, "Does not scan"},
    };
    for (int line = 1; const TScanRow& row : rows) {
        TBarcode barcode = WindowBarcode(row.Typ, row.Typed, row.Ratio, row.Check, row.Bars);
        const TScanResult result = CheckScan(ComposeLabel(barcode, kWindowCaptions), barcode);
        EXPECT_EQ(std::pair(result.Outcome, ScanStatusText(result, barcode.GetTypeName()).toStdString()),
                  std::pair(row.Outcome, row.Status))
            << "row " << line << ": read " << result.Format << " '" << result.Decoded << "', expected '"
            << result.Expected << "'";
        ++line;
    }
}

TEST(ScanCheck, LabelOfAnotherCodeReadsOtherAndNoImageDoesNotScan)
{
    RegisterFontSubstitutions();
    TBarcode barcode = WindowBarcode(bcCodeEAN13, "6212236011840");
    const QImage label = ComposeLabel(barcode, kWindowCaptions);
    barcode.SetText("4006381333931"); // changed after the label was made
    const TScanResult other = CheckScan(label, barcode);
    EXPECT_EQ(std::tuple(other.Outcome, other.Decoded, other.Format, other.Expected),
              std::tuple(ReadsOther, "6212236011840"s, "EAN-13"s, "4006381333931"s));
    EXPECT_EQ(CheckScan(QImage(), barcode).Outcome, DoesNotScan);
}

TEST(ScanCheck, ExpectedTextFollowsWhatTheEncoderDrew)
{
    // Kind, Text after encoding, Checksum, expected reading. The digits are set as the encoders leave
    // them, without encoding, so each rule is seen on its own.
    const std::tuple<TBarcodeType, std::string, TCheck, std::optional<std::string>> rows[] = {
        {bcCodeEAN8, "1234567", TCheck::Modulo10, "12345670"},          // 1: the engine's EAN-8 example
        {bcCodeEAN8, "12345670", TCheck::Modulo10, "23456709"},         // 2: eight digits keep the last seven
        {bcCodeEAN13, "123", TCheck::Off, "0000000000123"},             // 3: zero-padded to thirteen
        {bcCodeEAN13, "400638133393199", TCheck::Off, "4006381333931"}, // 4: the first thirteen drawn
        {bcCodeUPC_A, "03600029145", TCheck::Off, "003600029145"},
        {bcCodeUPC_E0, "6543210", TCheck::Off, "06543217"}, // 6: 0 65100 00432, check digit 7
        {bcCodeUPC_E1, "0000007", TCheck::Modulo10, "10000007"},
        {bcCode39, "", TCheck::Modulo10, "0"},    // 8: an empty sum gives the check character 0
        {bcCode93, "[A}B", TCheck::Off, "\001b"}, // 9: typed shift characters read as full ASCII
        {bcCode93, "A[", TCheck::Off, "A["},      // 10: a dangling shift has no reading
        {bcCodeUPC_Supp5, "12345", TCheck::Modulo10, std::nullopt},
    };
    for (int line = 1; const auto& [typ, text, check, expected] : rows) {
        TBarcode barcode = WindowBarcode(typ, text, 2.0, check);
        EXPECT_EQ(ExpectedScanText(barcode), expected) << "row " << line++;
    }
}

TEST(ScanCheck, StatusTextAndColourPerOutcome)
{
    // Outcome, decoded text, status line for the kind MSI, colour.
    const std::tuple<TScanOutcome, std::string, std::string, QColor> rows[] = {
        {Matches, "123", "Scans as 123", QColor(0, 128, 0)},
        {ReadsOther, "124", "Scans as 124 (not the typed code)", QColor(192, 0, 0)},
        {DoesNotScan, "", "Does not scan", QColor(192, 0, 0)},
        {NoReader, "", "No scan check for MSI", QColor(128, 128, 128)},
    };
    for (int line = 1; const auto& [outcome, decoded, text, colour] : rows) {
        const TScanResult result{.Outcome = outcome, .Decoded = decoded, .Format = {}, .Expected = "123"};
        EXPECT_EQ(std::pair(ScanStatusText(result, "MSI").toStdString(), ScanStatusColor(outcome)),
                  std::pair(text, colour))
            << "row " << line++;
    }
}

} // namespace
} // namespace quillon
