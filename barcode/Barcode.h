// TBarcode: the non-visual barcode object. Turns Text into a bar pattern, measures it and draws it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "Exception.h"

namespace quillon {

// Colours: red in the low byte, then green, then blue; a set high byte names a system colour.
using TColor = std::uint32_t;

enum TBarcodeType : std::uint8_t {
    bcCode_2_5_interleaved,
    bcCode_2_5_industrial,
    bcCode_2_5_matrix,
    bcCode39,
    bcCode39Extended,
    bcCode128A,
    bcCode128B,
    bcCode128C,
    bcCode93,
    bcCode93Extended,
    bcCodeMSI,
    bcCodePostNet,
    bcCodeCodabar,
    bcCodeEAN8,
    bcCodeEAN13,
    bcCodeUPC_A,
    bcCodeUPC_E0,
    bcCodeUPC_E1,
    bcCodeUPC_Supp2,
    bcCodeUPC_Supp5,
    bcCodeEAN128A,
    bcCodeEAN128B,
    bcCodeEAN128C,
};
inline constexpr int kBarcodeTypeCount = 23;

enum TBarcodeOption : std::uint8_t { bcoNone, bcoCode, bcoTyp, bcoBoth };
enum TCheckSumMethod : std::uint8_t { csmNone, csmModulo10 };
enum TBarElementKind : std::uint8_t { bekSpace, bekBar, bekShortBar };

struct TBCdata {
    std::string_view Name;
    bool NumericOnly = false;
};
extern const std::array<TBCdata, kBarcodeTypeCount> BarcodeTypeTable;

// One element of a bar pattern as DecodeElement reads it.
struct TBarElement {
    int Width = 0;
    TBarElementKind Kind = bekSpace;
};

class TCanvas;

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
    TBarElement DecodeElement(char c) const;
    std::string_view GetTypeName() const;
    std::string ApplyCheckSum(const std::string& digits) const;
    const std::array<int, 4>& ModuleWidths() const { return FModuleWidths; }

private:
    // Two-of-five, MSI, PostNet, Codabar
    std::string Encode2of5Interleaved();
    std::string Encode2of5Industrial() const;
    std::string Encode2of5Matrix() const;
    std::string EncodeMSI() const;
    std::string EncodePostNet() const;
    std::string EncodeCodabar() const;
    // Code 128 and EAN-128
    std::string EncodeCode128();
    // EAN and UPC
    std::string EncodeEAN8() const;
    std::string EncodeEAN13() const;
    std::string EncodeUPCA();
    std::string EncodeUPCE0();
    std::string EncodeUPCE1();
    std::string EncodeUPCE(bool numberSystemOne);
    std::string EncodeSupp2();
    std::string EncodeSupp5();
    std::string PadWithZeros(std::size_t n) const;
    // Code 39 and Code 93
    std::string EncodeCode39() const;
    std::string EncodeCode39Extended() const;
    std::string EncodeCode93() const;
    std::string EncodeCode93Extended() const;

    // True when Text still holds the check digit that an earlier encoding of this very setting
    // appended, so that measuring and then drawing do not append a second one.
    bool TextCarriesCheckDigit() const { return FCheckedText && *FCheckedText == FText; }
    void RememberCheckedText() { FCheckedText = FText; }
    void ForgetCheckedText() { FCheckedText.reset(); }

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
};

} // namespace quillon
