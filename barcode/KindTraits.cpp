// The one table of the engine's kinds.
#include "KindTraits.h"

#include <algorithm>
#include <charconv>

namespace quillon {
namespace {

using enum TReaderFormat;
using enum TKindFamily;

// What a kind takes: numeric only, a fixed count of digits, pairs padded, check in parities, lowercase.
constexpr TKindText kText{false, 0, false, false, false}; // its own character set, capitals
constexpr TKindText kAscii{false, 0, false, false, true};
constexpr TKindText kDigits{true, 0, false, false, false};
constexpr TKindText kDigitPairs{true, 0, true, false, false};
constexpr TKindText kUpcEDigits{true, 6, false, true, false};
constexpr TKindText FixedDigits(int digits)
{
    return {true, digits, false, false, false};
}

// The ratios the engine draws: narrow/wide kinds 2 to 3 (matrix two of five from 2.25); the kinds
// written in width digits, MSI and PostNet any.
constexpr TRatioRange kTwoToThree{.Low = 2.0, .High = 3.0, .Clamped = true};
constexpr TRatioRange kMatrixRatios{.Low = 2.25, .High = 3.0, .Clamped = true};
constexpr TRatioRange kAnyRatio{};

// Layouts: family, quiet zones left and right in modules, nominal bar height, least ratio under a
// 0.5 mm module and from it on. Quiet zones and bar heights: the GS1 rules for EAN/UPC symbols (the
// stand-alone add-ons get 7 and 5 modules), ISO/IEC 15417 (Code 128), 16388 (Code 39), 16390 (ITF), AIM
// USS-93, EN 798 (Codabar): at least 10 modules. Least ratios: ISO/IEC 16388 and 16390 and EN 798 ask
// 2.2 under 0.5 mm and 2.0 above; MSI 2.0.
constexpr TKindLayout kNarrowWide{NarrowWide, 10, 10, 0.0, 2.2, 2.0};
constexpr TKindLayout kMsi{NarrowWide, 10, 10, 0.0, 2.0, 2.0};
constexpr TKindLayout kModules{Modules, 10, 10, 0.0, 2.0, 2.0};
constexpr TKindLayout kPostNet{PostNet, 10, 10, 0.0, 2.0, 2.0};
constexpr TKindLayout kAddOn{AddOn, 7, 5, 21.90, 2.0, 2.0};
constexpr TKindLayout RetailLayout(int quietLeft, int quietRight, double nominalBarHeightMm)
{
    return {Retail, quietLeft, quietRight, nominalBarHeightMm, 2.0, 2.0};
}

// Readers: an EAN-13 with a leading 0 is the UPC-A symbol, and scanners report it so (see
// label/proof/DecoderParts.h); the add-ons read only beside a main symbol. Code set A as this engine draws
// it takes printable ASCII, lowercase too.
constexpr auto kKindTraits = std::to_array<TKindTraits>({
    // Kind, type name, list entry, display name, text, ratios, reader, layout
    {bcCode_2_5_interleaved, "2_5_interleaved", "Code_2_5_interleaved", "Interleaved 2 of 5", kDigitPairs,
     kTwoToThree, Itf, kNarrowWide},
    {bcCode_2_5_industrial, "2_5_industrial", "Code_2_5_industrial", "Industrial 2 of 5", kDigits,
     kTwoToThree, None, kNarrowWide},
    {bcCode_2_5_matrix, "2_5_matrix", "Code_2_5_matrix", "Matrix 2 of 5", kDigits, kMatrixRatios, None,
     kNarrowWide},
    {bcCode39, "Code39", "Code39", "Code 39", kText, kTwoToThree, Code39, kNarrowWide},
    {bcCode39Extended, "Code39 Extended", "Code39Extended", "Code 39 Extended", kAscii, kTwoToThree, Code39,
     kNarrowWide},
    {bcCode128A, "Code128A", "Code128A", "Code 128 A", kAscii, kAnyRatio, Code128, kModules},
    {bcCode128B, "Code128B", "Code128B", "Code 128 B", kAscii, kAnyRatio, Code128, kModules},
    {bcCode128C, "Code128C", "Code128C", "Code 128 C", kDigitPairs, kAnyRatio, Code128, kModules},
    {bcCode93, "Code93", "Code93", "Code 93", kText, kAnyRatio, Code93, kModules},
    {bcCode93Extended, "Code93 Extended", "Code93Extended", "Code 93 Extended", kAscii, kAnyRatio, Code93,
     kModules},
    {bcCodeMSI, "MSI", "CodeMSI", "MSI", kDigits, kAnyRatio, None, kMsi},
    {bcCodePostNet, "PostNet", "CodePostNet", "PostNet", kDigits, kAnyRatio, None, kPostNet},
    {bcCodeCodabar, "Codebar", "CodeCodabar", "Codabar", kText, kTwoToThree, Codabar, kNarrowWide},
    {bcCodeEAN8, "EAN8", "CodeEAN8", "EAN-8", FixedDigits(7), kTwoToThree, Ean8, RetailLayout(7, 7, 18.23)},
    {bcCodeEAN13, "EAN13", "CodeEAN13", "EAN-13", FixedDigits(12), kTwoToThree, Ean13,
     RetailLayout(11, 7, 22.85)},
    {bcCodeUPC_A, "UPC_A", "CodeUPC_A", "UPC-A", FixedDigits(11), kTwoToThree, UpcA,
     RetailLayout(9, 9, 22.85)},
    {bcCodeUPC_E0, "UPC_E0", "CodeUPC_E0", "UPC-E", kUpcEDigits, kTwoToThree, UpcE,
     RetailLayout(9, 7, 22.85)},
    {bcCodeUPC_E1, "UPC_E1", "CodeUPC_E1", "UPC-E", kUpcEDigits, kTwoToThree, UpcE,
     RetailLayout(9, 7, 22.85)},
    {bcCodeUPC_Supp2, "UPC Supp2", "CodeUPC_Supp2", "2-digit add-on", FixedDigits(2), kTwoToThree, None,
     kAddOn},
    {bcCodeUPC_Supp5, "UPC Supp5", "CodeUPC_Supp5", "5-digit add-on", FixedDigits(5), kTwoToThree, None,
     kAddOn},
    {bcCodeEAN128A, "EAN128A", "CodeEAN128A", "EAN-128 A", kAscii, kAnyRatio, Code128, kModules},
    {bcCodeEAN128B, "EAN128B", "CodeEAN128B", "EAN-128 B", kAscii, kAnyRatio, Code128, kModules},
    {bcCodeEAN128C, "EAN128C", "CodeEAN128C", "EAN-128 C", kDigitPairs, kAnyRatio, Code128, kModules},
});
static_assert(kKindTraits.size() == kBarcodeTypeCount);
static_assert(RowsInKindOrder(kKindTraits));

// An ordinal outside the table, for callers that ask before they refuse it.
constexpr TKindTraits kUnknownKind{
    static_cast<TBarcodeType>(kBarcodeTypeCount), "", "", "", kText, kAnyRatio, None,
    {NarrowWide, 10, 10, 0.0, 2.0, 2.0}};

} // namespace

bool SameKindName(std::string_view a, std::string_view b)
{
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return lower(x) == lower(y); });
}

const TKindTraits& KindTraits(int ordinal)
{
    if (ordinal < 0 || ordinal >= kBarcodeTypeCount)
        return kUnknownKind;
    return kKindTraits[static_cast<std::size_t>(ordinal)];
}

std::optional<TBarcodeType> KindFromName(std::string_view name)
{
    for (const TKindTraits& traits : kKindTraits)
        if (SameKindName(name, traits.ListEntry))
            return traits.Kind;
    int ordinal = -1;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), ordinal);
    if (error == std::errc() && end == name.data() + name.size() && ordinal >= 0 &&
        ordinal < kBarcodeTypeCount)
        return static_cast<TBarcodeType>(ordinal);
    return std::nullopt;
}

} // namespace quillon
