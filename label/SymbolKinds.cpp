// The table of the symbol kinds and the names of all 32 label kinds.
#include "label/SymbolKinds.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "barcode/KindNames.h"

namespace quillon {
namespace {

using enum TSymbolShape;
using enum TSymbolOption;

// In TSymbolKind order. Quiet zones are each standard's least: QR Code 4X on all sides (ISO/IEC 18004),
// Data Matrix 1X (ISO/IEC 16022), PDF417 2X (ISO/IEC 15438), GS1-128 10X left and right (ISO/IEC 15417).
// Aztec and GS1 DataBar need none (ISO/IEC 24778, ISO/IEC 24724); a little is kept so that nothing
// printed beside them touches their outer modules.
constexpr std::array<TSymbolKindInfo, kSymbolKindCount> kKinds{{
    // Name, Title, Shape, Gs1, Option, module mm, quiet X, quiet Y, GS1 symbology identifier
    {"QRCode", "QR Code", Matrix, false, QrErrorCorrection, 0.5, 4, 4, ""},
    {"DataMatrix", "Data Matrix", Matrix, false, DataMatrixShape, 0.5, 1, 1, ""},
    {"PDF417", "PDF417", Stacked, false, Pdf417Columns, 0.5, 2, 2, ""},
    {"Aztec", "Aztec", Matrix, false, None, 0.5, 2, 2, ""},
    {"GS1_128", "GS1-128", Linear, true, None, 0.33, 10, 0, "]C1"},
    {"GS1_DataMatrix", "GS1 Data Matrix", Matrix, true, DataMatrixShape, 0.5, 1, 1, "]d2"},
    {"GS1_QRCode", "GS1 QR Code", Matrix, true, QrErrorCorrection, 0.5, 4, 4, "]Q3"},
    {"DataBarOmni", "GS1 DataBar Omnidirectional", Linear, true, None, 0.33, 1, 0, "]e0"},
    {"DataBarExpanded", "GS1 DataBar Expanded", Linear, true, None, 0.33, 1, 0, "]e0"},
}};

bool EqualIgnoringCase(std::string_view a, std::string_view b)
{
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return lower(x) == lower(y); });
}

std::optional<int> OrdinalFromDigits(std::string_view text)
{
    int ordinal = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), ordinal);
    if (error != std::errc() || end != text.data() + text.size() || ordinal < 0 || ordinal >= kLabelKindCount)
        return std::nullopt;
    return ordinal;
}

} // namespace

const TSymbolKindInfo& KindInfo(TSymbolKind kind)
{
    return kKinds.at(static_cast<std::size_t>(OrdinalOf(kind) - kFirstSymbolKind));
}

std::optional<TSymbolKind> SymbolKindOf(int ordinal)
{
    if (ordinal < kFirstSymbolKind || ordinal >= kLabelKindCount)
        return std::nullopt;
    return static_cast<TSymbolKind>(ordinal);
}

std::string_view LabelKindName(int ordinal)
{
    if (ordinal >= 0 && ordinal < kFirstSymbolKind)
        return KindListEntries[static_cast<std::size_t>(ordinal)];
    const std::optional<TSymbolKind> kind = SymbolKindOf(ordinal);
    return kind ? KindInfo(*kind).Name : std::string_view();
}

std::string_view LabelKindTitle(int ordinal)
{
    const std::optional<TSymbolKind> kind = SymbolKindOf(ordinal);
    return kind ? KindInfo(*kind).Title : LabelKindName(ordinal);
}

std::optional<int> LabelKindFromName(std::string_view name)
{
    for (int ordinal = 0; ordinal < kLabelKindCount; ++ordinal)
        if (EqualIgnoringCase(name, LabelKindName(ordinal)))
            return ordinal;
    return OrdinalFromDigits(name);
}

} // namespace quillon
