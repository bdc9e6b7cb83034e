// The table of the symbol kinds and the names of all 32 label kinds.
#include "label/compose/SymbolKinds.h"

#include <zint.h>

#include <array>
#include <charconv>

#include "barcode/KindTraits.h"

namespace quillon {
namespace {

using enum TSymbolShape;
using enum TSymbolOption;
using Reads = TReaderFormat;
using TK = TSymbolKind;

// Quiet zones are each standard's least: QR Code 4X on all sides (ISO/IEC 18004), Data Matrix 1X
// (ISO/IEC 16022), PDF417 2X (ISO/IEC 15438), GS1-128 10X left and right (ISO/IEC 15417). Aztec and GS1
// DataBar need none (ISO/IEC 24778, ISO/IEC 24724); a little is kept so that nothing printed beside them
// touches their outer modules. Least modules: 0.25 mm for the matrix kinds and PDF417 (two dots of a
// 203 dpi label printer, below which a printed module loses its shape), GS1-128's least of 0.25 mm and
// DataBar's 0.264 mm (the GS1 rules for symbol sizes).
constexpr auto kSymbolKinds = std::to_array<TSymbolKindInfo>({
    // Kind, Name, Title, Shape, Gs1, Option, module mm, least module mm, quiet X, quiet Y,
    // GS1 symbology identifier, libzint symbology, reader
    {TK::QRCode, "QRCode", "QR Code", Matrix, false, QrErrorCorrection, 0.5, 0.25, 4, 4, "", BARCODE_QRCODE,
     Reads::QrCode},
    {TK::DataMatrix, "DataMatrix", "Data Matrix", Matrix, false, DataMatrixShape, 0.5, 0.25, 1, 1, "",
     BARCODE_DATAMATRIX, Reads::DataMatrix},
    {TK::PDF417, "PDF417", "PDF417", Stacked, false, Pdf417Columns, 0.5, 0.25, 2, 2, "", BARCODE_PDF417,
     Reads::Pdf417},
    {TK::Aztec, "Aztec", "Aztec", Matrix, false, None, 0.5, 0.25, 2, 2, "", BARCODE_AZTEC, Reads::Aztec},
    {TK::GS1_128, "GS1_128", "GS1-128", Linear, true, None, 0.33, 0.25, 10, 0, "]C1", BARCODE_GS1_128,
     Reads::Code128},
    {TK::GS1_DataMatrix, "GS1_DataMatrix", "GS1 Data Matrix", Matrix, true, DataMatrixShape, 0.5, 0.25, 1, 1,
     "]d2", BARCODE_DATAMATRIX, Reads::DataMatrix},
    {TK::GS1_QRCode, "GS1_QRCode", "GS1 QR Code", Matrix, true, QrErrorCorrection, 0.5, 0.25, 4, 4, "]Q3",
     BARCODE_QRCODE, Reads::QrCode},
    {TK::DataBarOmni, "DataBarOmni", "GS1 DataBar Omnidirectional", Linear, true, None, 0.33, 0.264, 1, 0,
     "]e0", BARCODE_DBAR_OMN, Reads::DataBar},
    {TK::DataBarExpanded, "DataBarExpanded", "GS1 DataBar Expanded", Linear, true, None, 0.33, 0.264, 1, 0,
     "]e0", BARCODE_DBAR_EXP, Reads::DataBarExpanded},
});
static_assert(kSymbolKinds.size() == kSymbolKindCount);
static_assert(RowsInKindOrder(kSymbolKinds, kFirstSymbolKind));

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
    return kSymbolKinds.at(static_cast<std::size_t>(OrdinalOf(kind) - kFirstSymbolKind));
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
        return KindTraits(ordinal).ListEntry;
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
        if (SameKindName(name, LabelKindName(ordinal)))
            return ordinal;
    return OrdinalFromDigits(name);
}

} // namespace quillon
