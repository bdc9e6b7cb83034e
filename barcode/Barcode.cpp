#include "Barcode.h"

#include <cmath>
#include <cstdint>

#include "CheckDigits.h"

namespace quillon {

namespace {

// The widest element we draw. Far beyond anything the window offers (zoom 10 times ratio 10),
// it keeps a huge or infinite Ratio from overflowing the widths and the width sum.
constexpr double kMaxWideModule = 1000.0;

bool IsBlankOrControl(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

// The bar-pattern alphabet: "0".."3" spaces, "5".."8" bars and "A".."D" short bars of the four
// module widths. Every other byte has no element (WidthIndex -1).
struct PatternElement {
    std::int8_t WidthIndex = -1;
    TBarElementKind Kind = bekSpace;
};

constexpr std::array<PatternElement, 256> BuildAlphabet()
{
    std::array<PatternElement, 256> alphabet{};
    for (std::int8_t width = 0; width < 4; ++width) {
        alphabet[static_cast<unsigned char>('0' + width)] = {.WidthIndex = width, .Kind = bekSpace};
        alphabet[static_cast<unsigned char>('5' + width)] = {.WidthIndex = width, .Kind = bekBar};
        alphabet[static_cast<unsigned char>('A' + width)] = {.WidthIndex = width, .Kind = bekShortBar};
    }
    return alphabet;
}
constexpr std::array<PatternElement, 256> kAlphabet = BuildAlphabet();

std::string WithClassName(const std::string& message)
{
    return kBarcodeClassName + message;
}

} // namespace

std::string_view TrimBlanksAndControls(std::string_view text)
{
    while (!text.empty() && IsBlankOrControl(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlankOrControl(text.back()))
        text.remove_suffix(1);
    return text;
}

void TBarcode::SetText(std::string v)
{
    FText = std::move(v);
    ForgetEncoding();
}

void TBarcode::SetModul(int v)
{
    if (v >= 1 && v <= 49)
        FModul = v;
}

void TBarcode::SetTyp(TBarcodeType v)
{
    FTyp = v;
    ForgetEncoding();
}

void TBarcode::SetChecksum(bool v)
{
    FChecksum = v;
    ForgetEncoding();
}

void TBarcode::SetCheckSumMethod(TCheckSumMethod v)
{
    FCheckSumMethod = v;
    ForgetEncoding();
}

void TBarcode::ComputeModuleWidths()
{
    const TRatioRange range = RatioRangeOf(FTyp);
    if (range.Clamped) {
        // Written as "not at least" so that a NaN ratio is pulled into range as well.
        if (!(FRatio >= range.Low))
            FRatio = range.Low;
        if (FRatio > range.High)
            FRatio = range.High;
    }
    // Full integers and at least one pixel: no element may vanish or wrap to a negative width.
    double wide = std::nearbyint(FModul * FRatio); // ties to even under the default rounding mode
    if (!(wide >= 1.0))
        wide = 1.0;
    if (wide > kMaxWideModule)
        wide = kMaxWideModule;
    const int wideWidth = static_cast<int>(wide);
    FModuleWidths = {FModul, wideWidth, 3 * wideWidth / 2, 2 * wideWidth};
}

std::string TBarcode::BuildPattern()
{
    std::string pattern;
    Encode(pattern);
    return pattern;
}

void TBarcode::Encode(std::string& pattern)
{
    FEncoding.reset();
    pattern.clear();
    ComputeModuleWidths();
    if (FTyp >= kBarcodeTypeCount)
        throw Exception(TFault::WrongKind, WithClassName(": wrong BarcodeType"));
    const TKindText& text = KindTraits(FTyp).Text;
    if (text.NumericOnly) {
        // Copied only when there is something to take off, which is seldom.
        if (const std::string_view digits = TrimBlanksAndControls(FText); digits.size() != FText.size())
            FText = std::string(digits);
        for (char c : FText)
            if (c < '0' || c > '9')
                throw Exception(TFault::NotNumeric, "Barcode must be numeric");
    }
    TScanText scanText = RunEncoder(pattern);
    // A UPC-E's number system and check digit ride in its parities: its code line shows all eight.
    FEncoding.emplace().DrawnText = text.CheckInParities && scanText ? *scanText : FText;
    FEncoding->ScanText = std::move(scanText);
}

TScanText TBarcode::RunEncoder(std::string& pattern)
{
    switch (FTyp) {
    case bcCode_2_5_interleaved: return Encode2of5Interleaved(pattern);
    case bcCode_2_5_industrial: return Encode2of5Industrial(pattern);
    case bcCode_2_5_matrix: return Encode2of5Matrix(pattern);
    case bcCode39: return EncodeCode39(pattern);
    case bcCode39Extended: return EncodeCode39Extended(pattern);
    case bcCode128A:
    case bcCode128B:
    case bcCode128C:
    case bcCodeEAN128A:
    case bcCodeEAN128B:
    case bcCodeEAN128C: return EncodeCode128(pattern);
    case bcCode93: return EncodeCode93(pattern);
    case bcCode93Extended: return EncodeCode93Extended(pattern);
    case bcCodeMSI: return EncodeMSI(pattern);
    case bcCodePostNet: return EncodePostNet(pattern);
    case bcCodeCodabar: return EncodeCodabar(pattern);
    case bcCodeEAN8: return EncodeEAN8(pattern);
    case bcCodeEAN13: return EncodeEAN13(pattern);
    case bcCodeUPC_A: return EncodeUPCA(pattern);
    case bcCodeUPC_E0: return EncodeUPCE0(pattern);
    case bcCodeUPC_E1: return EncodeUPCE1(pattern);
    case bcCodeUPC_Supp2: return EncodeSupp2(pattern);
    case bcCodeUPC_Supp5: return EncodeSupp5(pattern);
    }
    throw Exception(TFault::WrongKind, WithClassName(": wrong BarcodeType"));
}

TBarElement TBarcode::DecodeElement(char c) const
{
    const PatternElement element = kAlphabet[static_cast<unsigned char>(c)];
    if (element.WidthIndex < 0)
        throw Exception(TFault::Internal, WithClassName(": internal Error"));
    return {.Width = FModuleWidths[static_cast<std::size_t>(element.WidthIndex)], .Kind = element.Kind};
}

int TBarcode::Width()
{
    Encode(FWidthPattern);
    // Every width is at most 2 * kMaxWideModule, so no pattern that fits in memory overflows the sum.
    long long sum = 0;
    bool outsideAlphabet = false;
    for (char c : FWidthPattern) {
        const int widthIndex = kAlphabet[static_cast<unsigned char>(c)].WidthIndex;
        if (widthIndex < 0) {
            outsideAlphabet = true;
            break;
        }
        sum += FModuleWidths[static_cast<std::size_t>(widthIndex)];
    }
    // Measuring element by element, the sum before a bad element may already have been too wide.
    if (sum > INT32_MAX)
        throw Exception(TFault::TooWide, WithClassName(": barcode too wide"));
    if (outsideAlphabet)
        throw Exception(TFault::Internal, WithClassName(": internal Error"));
    return static_cast<int>(sum);
}

std::string_view TBarcode::GetTypeName() const
{
    if (FTyp >= kBarcodeTypeCount)
        throw Exception(TFault::WrongKind, WithClassName(": wrong BarcodeType"));
    return KindTraits(FTyp).TypeName;
}

std::string TBarcode::ApplyCheckSum(const std::string& digits) const
{
    if (FCheckSumMethod == csmModulo10)
        return AppendModulo10(digits);
    return digits;
}

} // namespace quillon
