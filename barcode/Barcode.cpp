#include "Barcode.h"

#include <cmath>

#include "CheckDigits.h"

namespace quillon {

// Display names and the digits-only flag, indexed by TBarcodeType.
const std::array<TBCdata, kBarcodeTypeCount> BarcodeTypeTable{{
    {"2_5_interleaved", true},  // bcCode_2_5_interleaved
    {"2_5_industrial", true},   // bcCode_2_5_industrial
    {"2_5_matrix", true},       // bcCode_2_5_matrix
    {"Code39", false},          // bcCode39
    {"Code39 Extended", false}, // bcCode39Extended
    {"Code128A", false},        // bcCode128A
    {"Code128B", false},        // bcCode128B
    {"Code128C", true},         // bcCode128C
    {"Code93", false},          // bcCode93
    {"Code93 Extended", false}, // bcCode93Extended
    {"MSI", true},              // bcCodeMSI
    {"PostNet", true},          // bcCodePostNet
    {"Codebar", false},         // bcCodeCodabar
    {"EAN8", true},             // bcCodeEAN8
    {"EAN13", true},            // bcCodeEAN13
    {"UPC_A", true},            // bcCodeUPC_A
    {"UPC_E0", true},           // bcCodeUPC_E0
    {"UPC_E1", true},           // bcCodeUPC_E1
    {"UPC Supp2", true},        // bcCodeUPC_Supp2
    {"UPC Supp5", true},        // bcCodeUPC_Supp5
    {"EAN128A", false},         // bcCodeEAN128A
    {"EAN128B", false},         // bcCodeEAN128B
    {"EAN128C", true},          // bcCodeEAN128C
}};

namespace {

// The widest element we draw. Far beyond anything the window offers (zoom 10 times ratio 10),
// it keeps a huge or infinite Ratio from overflowing the widths and the width sum.
constexpr double kMaxWideModule = 1000.0;

struct RatioRange {
    double low = 0;
    double high = 0;
    bool clamped = false;
};

RatioRange RatioRangeFor(TBarcodeType typ)
{
    switch (typ) {
    case bcCode_2_5_interleaved:
    case bcCode_2_5_industrial:
    case bcCode39:
    case bcCode39Extended:
    case bcCodeCodabar:
    case bcCodeEAN8:
    case bcCodeEAN13:
    case bcCodeUPC_A:
    case bcCodeUPC_E0:
    case bcCodeUPC_E1:
    case bcCodeUPC_Supp2:
    case bcCodeUPC_Supp5: return {.low = 2.0, .high = 3.0, .clamped = true};
    case bcCode_2_5_matrix: return {.low = 2.25, .high = 3.0, .clamped = true};
    default: // width-digit symbologies, MSI, PostNet and unknown types take any ratio
        return {};
    }
}

bool IsBlankOrControl(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

std::string TrimBlanksAndControls(const std::string& s)
{
    std::size_t first = 0;
    std::size_t last = s.size();
    while (first < last && IsBlankOrControl(s[first]))
        ++first;
    while (last > first && IsBlankOrControl(s[last - 1]))
        --last;
    return s.substr(first, last - first);
}

std::string WithClassName(const std::string& message)
{
    return kBarcodeClassName + message;
}

} // namespace

void TBarcode::SetText(std::string v)
{
    FText = std::move(v);
    ForgetCheckedText();
}

void TBarcode::SetModul(int v)
{
    if (v >= 1 && v <= 49)
        FModul = v;
}

void TBarcode::SetTyp(TBarcodeType v)
{
    FTyp = v;
    ForgetCheckedText();
}

void TBarcode::SetChecksum(bool v)
{
    FChecksum = v;
    ForgetCheckedText();
}

void TBarcode::SetCheckSumMethod(TCheckSumMethod v)
{
    FCheckSumMethod = v;
    ForgetCheckedText();
}

void TBarcode::ComputeModuleWidths()
{
    const RatioRange range = RatioRangeFor(FTyp);
    if (range.clamped) {
        // Written as "not at least" so that a NaN ratio is pulled into range as well.
        if (!(FRatio >= range.low))
            FRatio = range.low;
        if (FRatio > range.high)
            FRatio = range.high;
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
    ComputeModuleWidths();
    if (FTyp >= kBarcodeTypeCount)
        throw Exception(WithClassName(": wrong BarcodeType"));
    if (BarcodeTypeTable[FTyp].NumericOnly) {
        std::string trimmed = TrimBlanksAndControls(FText);
        if (trimmed != FText)
            FText = std::move(trimmed);
        for (char c : FText)
            if (c < '0' || c > '9')
                throw Exception("Barcode must be numeric");
    }
    switch (FTyp) {
    case bcCode_2_5_interleaved: return Encode2of5Interleaved();
    case bcCode_2_5_industrial: return Encode2of5Industrial();
    case bcCode_2_5_matrix: return Encode2of5Matrix();
    case bcCode39: return EncodeCode39();
    case bcCode39Extended: return EncodeCode39Extended();
    case bcCode128A:
    case bcCode128B:
    case bcCode128C:
    case bcCodeEAN128A:
    case bcCodeEAN128B:
    case bcCodeEAN128C: return EncodeCode128();
    case bcCode93: return EncodeCode93();
    case bcCode93Extended: return EncodeCode93Extended();
    case bcCodeMSI: return EncodeMSI();
    case bcCodePostNet: return EncodePostNet();
    case bcCodeCodabar: return EncodeCodabar();
    case bcCodeEAN8: return EncodeEAN8();
    case bcCodeEAN13: return EncodeEAN13();
    case bcCodeUPC_A: return EncodeUPCA();
    case bcCodeUPC_E0: return EncodeUPCE0();
    case bcCodeUPC_E1: return EncodeUPCE1();
    case bcCodeUPC_Supp2: return EncodeSupp2();
    case bcCodeUPC_Supp5: return EncodeSupp5();
    }
    throw Exception(WithClassName(": wrong BarcodeType"));
}

TBarElement TBarcode::DecodeElement(char c) const
{
    const int code = static_cast<unsigned char>(c) - '0';
    if (code >= 0 && code <= 3)
        return {.Width = FModuleWidths[code], .Kind = bekSpace};
    if (code >= 5 && code <= 8)
        return {.Width = FModuleWidths[code - 5], .Kind = bekBar};
    if (code >= 17 && code <= 20)
        return {.Width = FModuleWidths[code - 17], .Kind = bekShortBar};
    throw Exception(WithClassName(": internal Error"));
}

int TBarcode::Width()
{
    const std::string pattern = BuildPattern();
    long long sum = 0;
    for (char c : pattern) {
        sum += DecodeElement(c).Width;
        if (sum > INT32_MAX)
            throw Exception(WithClassName(": barcode too wide"));
    }
    return static_cast<int>(sum);
}

std::string_view TBarcode::GetTypeName() const
{
    if (FTyp >= kBarcodeTypeCount)
        throw Exception(WithClassName(": wrong BarcodeType"));
    return BarcodeTypeTable[FTyp].Name;
}

std::string TBarcode::ApplyCheckSum(const std::string& digits) const
{
    if (FCheckSumMethod == csmModulo10)
        return AppendModulo10(digits);
    return digits;
}

} // namespace quillon
