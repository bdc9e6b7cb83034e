// The kinds of symbol after the engine's 23 symbologies: the two-dimensional codes and the GS1 carriers
// that libzint encodes, with one row of facts for each: names, shape, modules, quiet zones, the
// libzint symbology that makes it and the reader that finds it.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "barcode/Barcode.h"

namespace quillon {

// Ordinals continue the engine's TBarcodeType, so an options file's kind line keeps its meaning.
enum class TSymbolKind : std::uint8_t {
    QRCode = kBarcodeTypeCount,
    DataMatrix,
    PDF417,
    Aztec,
    GS1_128,
    GS1_DataMatrix,
    GS1_QRCode,
    DataBarOmni,
    DataBarExpanded,
};
inline constexpr int kFirstSymbolKind = kBarcodeTypeCount;
inline constexpr int kSymbolKindCount = 9;
inline constexpr int kLabelKindCount = kFirstSymbolKind + kSymbolKindCount; // every kind a label can carry
static_assert(kLabelKindCount == 32);

// How the modules are laid out, which decides how a layout sizes the symbol.
enum class TSymbolShape : std::uint8_t {
    Matrix,  // square modules in rows and columns
    Stacked, // rows of bars, each some modules high (PDF417)
    Linear,  // one row of bars whose height the layout chooses
};

// Which of the symbol options a kind takes, so the window shows only those.
enum class TSymbolOption : std::uint8_t { None, QrErrorCorrection, DataMatrixShape, Pdf417Columns };

// No defaults, as in the engine's TKindTraits: a row that leaves a fact out does not compile cleanly.
struct TSymbolKindInfo {
    TSymbolKind Kind;       // the row's own kind, checked against its place when the table compiles
    std::string_view Name;  // the identifier the CLI prints and takes
    std::string_view Title; // the readable name the window lists
    TSymbolShape Shape;
    bool Gs1; // carries GS1 Application Identifier data
    TSymbolOption Option;
    double DefaultModuleMm;         // the standard layout's module when none is asked for
    double LeastModuleMm;           // the smallest module the standard layout prints
    int QuietModulesX;              // the quiet zone left and right, in modules
    int QuietModulesY;              // the quiet zone above and below, in modules
    std::string_view Gs1Identifier; // the symbology identifier a GS1 reading carries
    int ZintSymbology;              // libzint's BARCODE_ number
    TReaderFormat Reader;
};

const TSymbolKindInfo& KindInfo(TSymbolKind kind);

// The symbol kind with this ordinal, or nothing for the engine's ordinals and those out of range.
std::optional<TSymbolKind> SymbolKindOf(int ordinal);
inline int OrdinalOf(TSymbolKind kind)
{
    return static_cast<int>(kind);
}

// Two-dimensional: the matrix codes and PDF417; `pattern` and `width` have nothing to give for them.
inline bool IsTwoDimensional(TSymbolKind kind)
{
    return KindInfo(kind).Shape != TSymbolShape::Linear;
}
inline bool IsGs1Kind(TSymbolKind kind)
{
    return KindInfo(kind).Gs1;
}

// The name of any of the 32 label kinds as the CLI lists it: the engine's list entries, then ours;
// empty for an ordinal out of range.
std::string_view LabelKindName(int ordinal);
// The readable name: the engine's list entry for its kinds, the title for ours.
std::string_view LabelKindTitle(int ordinal);
// A label kind named case-insensitively ("qrcode", "CodeEAN13") or by its ordinal ("0" to "31").
std::optional<int> LabelKindFromName(std::string_view name);

} // namespace quillon
