// TBarcode: the non-visual barcode object. Turns Text into a bar pattern, measures it and draws it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "Exception.h"
#include "KindTraits.h"

namespace quillon {

// Colours: red in the low byte, then green, then blue; a set high byte names a system colour.
using TColor = std::uint32_t;

enum TBarcodeOption : std::uint8_t { bcoNone, bcoCode, bcoTyp, bcoBoth };
enum TCheckSumMethod : std::uint8_t { csmNone, csmModulo10 };
enum TBarElementKind : std::uint8_t { bekSpace, bekBar, bekShortBar };

// One element of a bar pattern as DecodeElement reads it.
struct TBarElement {
    int Width = 0;
    TBarElementKind Kind = bekSpace;
};

class TCanvas;

// Text without the blanks and control characters around it, as the digits-only kinds encode it.
std::string_view TrimBlanksAndControls(std::string_view text);

// What a decoder reads back from a drawn barcode; nothing for the kinds common decoders do not read.
using TScanText = std::optional<std::string>;

// What an encoding drew besides the bars, told by the encoder that drew them.
struct TEncoding {
    // The text of the human-readable code line (DrawBarText frames it as "* text *"): Text after
    // encoding, with whatever padding or check digit the encoder stored there; for UPC-E what the bars
    // encode in full, the number system, the six digits and the check digit.
    std::string DrawnText;
    // What a decoder reads back from the bars: check characters where they are drawn, zero padding,
    // the UPC-E number system and check digit, the full-ASCII reading of Code 93's shift characters;
    // without start and stop characters, EAN-128's FNC1 and the check characters a reader strips.
    TScanText ScanText;
    friend bool operator==(const TEncoding&, const TEncoding&) = default;
};

class TBarcode {
public:
    TBarcode() = default;

    int Height() const { return FHeight; }
    void SetHeight(int v) { FHeight = v; }
    const std::string& Text() const { return FText; }
    void SetText(std::string v);
    int Top() const { return FTop; }
    void SetTop(int v) { FTop = v; }
    int Left() const { return FLeft; }
    void SetLeft(int v) { FLeft = v; }
    int Modul() const { return FModul; }
    void SetModul(int v); // accepts 1 to 49, ignores anything else
    double Ratio() const { return FRatio; }
    void SetRatio(double v) { FRatio = v; }
    TBarcodeType Typ() const { return FTyp; }
    void SetTyp(TBarcodeType v);
    bool Checksum() const { return FChecksum; }
    void SetChecksum(bool v);
    TCheckSumMethod CheckSumMethod() const { return FCheckSumMethod; }
    void SetCheckSumMethod(TCheckSumMethod v);
    double Angle() const { return FAngle; }
    void SetAngle(double v) { FAngle = v; }
    TBarcodeOption ShowText() const { return FShowText; }
    void SetShowText(TBarcodeOption v) { FShowText = v; }
    TColor Color() const { return FColor; }
    void SetColor(TColor v) { FColor = v; }
    TColor ColorBar() const { return FColorBar; }
    void SetColorBar(TColor v) { FColorBar = v; }

    // The barcode's extent along its axis in pixels; encodes Text, so it may raise and may rewrite Text.
    int Width();

    // Draws the bars rotated by Angle about (Left, Top), then the human-readable lines.
    void Draw(TCanvas& canvas);
    // The two steps of Draw: the elements of a pattern at the current ModuleWidths, and the text lines.
    void DrawBars(const std::string& pattern, TCanvas& canvas);
    void DrawBarText(TCanvas& canvas);

    // Clamps Ratio for the symbology and fills ModuleWidths.
    void ComputeModuleWidths();
    // Validates Text and runs the symbology's encoder; the result is a bar pattern.
    std::string BuildPattern();
    // What the last encoding (BuildPattern, and so Width and Draw) drew besides the bars. Empty before
    // the first encoding, after one that raised, and once Text, Typ, Checksum or CheckSumMethod change.
    const std::optional<TEncoding>& LastEncoding() const { return FEncoding; }
    TBarElement DecodeElement(char c) const;
    std::string_view GetTypeName() const;
    std::string ApplyCheckSum(const std::string& digits) const;
    const std::array<int, 4>& ModuleWidths() const { return FModuleWidths; }

private:
    // Validates Text, runs the encoder, appends the pattern to `pattern` and records what was drawn.
    void Encode(std::string& pattern);
    TScanText RunEncoder(std::string& pattern);
    // Each encoder appends its symbol's elements to `pattern` and returns what a decoder reads back.
    // Two-of-five, MSI, PostNet, Codabar
    TScanText Encode2of5Interleaved(std::string& pattern);
    TScanText Encode2of5Industrial(std::string& pattern) const;
    TScanText Encode2of5Matrix(std::string& pattern) const;
    TScanText EncodeMSI(std::string& pattern) const;
    TScanText EncodePostNet(std::string& pattern) const;
    TScanText EncodeCodabar(std::string& pattern) const;
    // Code 128 and EAN-128
    TScanText EncodeCode128(std::string& pattern);
    // EAN and UPC
    TScanText EncodeEAN8(std::string& pattern) const;
    TScanText EncodeEAN13(std::string& pattern) const;
    TScanText EncodeUPCA(std::string& pattern);
    TScanText EncodeUPCE0(std::string& pattern);
    TScanText EncodeUPCE1(std::string& pattern);
    TScanText EncodeUPCE(std::string& pattern, bool numberSystemOne);
    TScanText EncodeSupp2(std::string& pattern);
    TScanText EncodeSupp5(std::string& pattern);
    std::string PadWithZeros(std::size_t n) const;
    // Code 39 and Code 93
    TScanText EncodeCode39(std::string& pattern) const;
    TScanText EncodeCode39Extended(std::string& pattern) const;
    TScanText EncodeCode93(std::string& pattern) const;
    TScanText EncodeCode93Extended(std::string& pattern) const;

    // True when Text still holds the check digit that an earlier encoding of this very setting
    // appended, so that measuring and then drawing do not append a second one.
    bool TextCarriesCheckDigit() const { return FCheckedText && *FCheckedText == FText; }
    void RememberCheckedText() { FCheckedText = FText; }
    // A change of what is encoded: the check digit memory and the last encoding no longer hold.
    void ForgetEncoding()
    {
        FCheckedText.reset();
        FEncoding.reset();
    }

    int FHeight = 0;
    std::string FText;
    int FTop = 0;
    int FLeft = 0;
    int FModul = 1;
    double FRatio = 2.0;
    TBarcodeType FTyp = bcCodeEAN13;
    bool FChecksum = false;
    TBarcodeOption FShowText = bcoNone;
    double FAngle = 0.0;
    TColor FColor = 0xFFFFFF;
    TColor FColorBar = 0;
    TCheckSumMethod FCheckSumMethod = csmModulo10;
    std::array<int, 4> FModuleWidths{1, 2, 3, 4};
    std::optional<std::string> FCheckedText;
    std::optional<TEncoding> FEncoding;
    std::string FWidthPattern; // the pattern Width measures, kept so its buffer is reused
};

} // namespace quillon
