// Scan verification: labels composed as the window does and read back against what the engine drew,
// and the status line that says so.
#include <gtest/gtest.h>

#include <QImage>
#include <string>

#include "label/compose/FontSubstitutions.h"
#include "label/compose/LabelComposer.h"
#include "label/proof/ScanCheck.h"

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

TEST(ScanCheck, LabelsReadAsTheEngineDrewThemOrSayWhyNot)
{
    RegisterFontSubstitutions();
    constexpr TCheck off = TCheck::Off, mod10 = TCheck::Modulo10;
    // What each kind reads as is the engine's record, checked against the decoder in barcode/EncodingTest;
    // these rows are what the scan check adds: the window's captions over the bars, kinds without a
    // reader, and labels that do not scan.
    // clang-format off
    const TScanRow rows[] = {
        {bcCode_2_5_industrial, "123456", 2.0, off, kBlack, NoReader, "No scan check for 2_5_industrial"},
        // 2: drawn "+Z6", 41 + 35 + 6 = 82, the check character "$" (value 39) over the shifted text:
        // verified and taken off before the shifts are read.
        {bcCode39Extended, "z6", 2.0, mod10, kBlack, Matches, "Scans as z6"},
        {bcCode128B, "Quillon 128", 2.0, off, kBlack, Matches, "Scans as Quillon 128"},
        // 4: the window's designed label; its ratio 1 is raised to 2 for EAN.
        {bcCodeEAN13, "6212236011840", 1.0, off, kBlack, Matches, "Scans as 6212236011840"},
        // 5: a leading 0 makes it the UPC-A symbol 036000291452, and scanners say so.
        {bcCodeEAN13, "0036000291452", 2.0, off, kBlack, Matches, "Scans as 036000291452"},
        // 6: a typed check digit 1 where 0 belongs: the reader refuses the check, the engine names 0.
        {bcCodeEAN13, "6212236011841", 2.0, off, kBlack, DoesNotScan, "Check digit should be 0"},
        // 7: at the window's ratio 1 the 2- to 4-module elements of the width-digit codes shrink.
        {bcCode128C, "123456", 1.0, off, kBlack, DoesNotScan, "Does not scan"},
        // 8, 9: under a scanner's red light red bars vanish; blue ones stay dark.
        {bcCodeEAN13, "6212236011840", 2.0, off, kRed, DoesNotScan, "Does not scan"},
        {bcCodeEAN13, "6212236011840", 2.0, off, kBlue, Matches, "Scans as 6212236011840"},
        // 10: the decoder takes interleaved two of five of six digits or more only.
        {bcCode_2_5_interleaved, "12", 2.0, off, kBlack, DoesNotScan, "Does not scan"},
    };
    // clang-format on
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
    EXPECT_EQ(ScanStatusText(other, "EAN13"), "Scans as 6212236011840 (not the typed code)");
    EXPECT_EQ(CheckScan(QImage(), barcode).Outcome, DoesNotScan);
}

} // namespace
} // namespace quillon
