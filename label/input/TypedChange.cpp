// The typed code against what its bars encode, under the changes the kinds document.
#include "label/input/TypedChange.h"

#include <algorithm>

namespace quillon {
namespace {

// A UPC-E: the number system, six digits and the check digit (ISO/IEC 15420).
constexpr std::size_t kUpcESixDigits = 6;
constexpr std::size_t kUpcEFullDigits = 8;

bool IsUpcE(TBarcodeType kind)
{
    return KindTraits(kind).Text.CheckInParities;
}

bool IsNumeric(TBarcodeType kind)
{
    return KindTraits(kind).Text.NumericOnly;
}

bool AllDigits(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The check digit a UPC-E's six digits carry, as the engine computes it for seven typed digits.
char UpcECheckDigit(const TBarcode& barcode, std::string_view six)
{
    TBarcode probe = barcode;
    probe.SetText(std::string(six) + "0");
    probe.BuildPattern();
    return probe.LastEncoding()->ScanText->back();
}

// A UPC-E as printed in full: eight digits stand as typed; seven lack the number system; six lack it
// and their check digit.
std::string FullUpcE(std::string_view digits, const TBarcode& barcode)
{
    const char numberSystem = barcode.Typ() == bcCodeUPC_E1 ? '1' : '0';
    if (digits.size() == kUpcEFullDigits || !AllDigits(digits))
        return std::string(digits);
    std::string full = numberSystem + std::string(digits);
    if (digits.size() == kUpcESixDigits)
        full += UpcECheckDigit(barcode, digits);
    return full;
}

// The typed code, trimmed as the engine trims it, under the documented changes but for the check digit
// the switch adds, which Matches allows for.
std::string ExpectedPrint(std::string_view trimmed, const TBarcode& barcode)
{
    return IsUpcE(barcode.Typ()) ? FullUpcE(trimmed, barcode) : std::string(trimmed);
}

bool AsksCheckDigit(const TBarcode& barcode)
{
    return barcode.Checksum() && barcode.CheckSumMethod() != csmNone;
}

// The printed text is the expected one, or the expected one and the check character the switch asked for.
bool Matches(const std::string& printed, const std::string& expected, const TBarcode& barcode)
{
    if (printed == expected)
        return true;
    return AsksCheckDigit(barcode) && printed.size() == expected.size() + 1 && printed.starts_with(expected);
}

TChangeWhy UpcEWhy(std::size_t typedDigits)
{
    if (typedDigits <= kUpcESixDigits)
        return TChangeWhy::ZerosPadded;
    return typedDigits > kUpcEFullDigits ? TChangeWhy::DigitsLeftOut : TChangeWhy::CheckDigitReplaced;
}

// Zeros in front of the expected text, or of it and the check digit the switch asked for.
bool PaddedWithZeros(std::string_view printed, const std::string& expected, const TBarcode& barcode)
{
    const auto padded = [&expected](std::string_view body) {
        return body.size() > expected.size() && body.ends_with(expected) &&
               body.substr(0, body.size() - expected.size()).find_first_not_of('0') == std::string_view::npos;
    };
    return padded(printed) ||
           (AsksCheckDigit(barcode) && !printed.empty() && padded(printed.substr(0, printed.size() - 1)));
}

TChangeWhy WhyItDiffers(const std::string& printed, const std::string& expected, std::size_t typedSize,
                        const TBarcode& barcode)
{
    const TBarcodeType kind = barcode.Typ();
    if (IsUpcE(kind) && AllDigits(expected))
        return UpcEWhy(typedSize);
    if (IsNumeric(kind) && PaddedWithZeros(printed, expected, barcode))
        return KindTraits(kind).Text.PairsPadded ? TChangeWhy::PairsPadded : TChangeWhy::ZerosPadded;
    if (IsNumeric(kind) && printed.size() < expected.size() && expected.starts_with(printed))
        return TChangeWhy::DigitsLeftOut;
    if (printed.size() == expected.size() && !printed.empty() &&
        printed.compare(0, printed.size() - 1, expected, 0, expected.size() - 1) == 0)
        return TChangeWhy::CheckDigitReplaced;
    return TChangeWhy::Other;
}

} // namespace

std::optional<TTypedChange> TypedChange(std::string_view typed, const TBarcode& barcode)
{
    std::optional<TEncoding> encoding = barcode.LastEncoding();
    if (!encoding) {
        TBarcode encoded = barcode;
        encoded.BuildPattern();
        encoding = encoded.LastEncoding();
    }
    const std::string printed = encoding->ScanText.value_or(encoding->DrawnText);
    const std::string_view trimmed = IsNumeric(barcode.Typ()) ? TrimBlanksAndControls(typed) : typed;
    const std::string expected = ExpectedPrint(trimmed, barcode);
    if (Matches(printed, expected, barcode) && trimmed.size() == typed.size())
        return std::nullopt;
    TTypedChange change{.Typed = std::string(typed), .Printed = printed, .Why = TChangeWhy::BlanksLeftOut};
    if (!Matches(printed, expected, barcode))
        change.Why = WhyItDiffers(printed, expected, trimmed.size(), barcode);
    return change;
}

std::string TypedChangeMessage(const TTypedChange& change)
{
    std::string why;
    switch (change.Why) {
    case TChangeWhy::ZerosPadded: why = "the kind takes more digits, so zeros were put in front"; break;
    case TChangeWhy::DigitsLeftOut: why = "the kind takes fewer digits, so the rest were left out"; break;
    case TChangeWhy::CheckDigitReplaced:
        why = "its check digit should be " + change.Printed.substr(change.Printed.size() - 1);
        break;
    case TChangeWhy::PairsPadded: why = "the kind takes pairs of digits, so a 0 was put in front"; break;
    case TChangeWhy::BlanksLeftOut: why = "blanks and control characters were left out"; break;
    case TChangeWhy::Other: why = "the kind changed what was typed"; break;
    }
    return "prints " + change.Printed + ", not " + change.Typed + " as typed: " + why;
}

} // namespace quillon
