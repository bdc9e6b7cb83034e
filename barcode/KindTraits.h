// The engine's 23 symbologies and one row of facts for each: their names, the text they take, the
// ratios they draw, the reader that finds them and how their standard lays them out.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace quillon {

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

// The wide-to-narrow ratios a symbology takes: when the module widths are computed, Ratio is pulled
// into Low to High for the kinds that are Clamped; the others take any ratio.
struct TRatioRange {
    double Low = 0;
    double High = 0;
    bool Clamped = false;
};

// The symbology a decoder is set up to find. The label library's two-dimensional kinds name theirs
// here too, so that one place turns them into the decoder's own.
enum class TReaderFormat : std::uint8_t {
    None, // common decoders have no reader for it
    Itf,
    Code39,
    Code93,
    Code128,
    Codabar,
    Ean8,
    Ean13,
    UpcA,
    UpcE,
    QrCode,
    DataMatrix,
    Pdf417,
    Aztec,
    DataBar,
    DataBarExpanded,
};

// How a kind's standard counts its elements and places its digits, which decides its layout.
enum class TKindFamily : std::uint8_t {
    Retail,     // EAN and UPC: counted in modules, guard bars extended, digits in their standard places
    AddOn,      // the 2- and 5-digit add-ons on their own: counted in modules, digits above the bars
    Modules,    // Code 128, EAN-128 and Code 93: elements of 1 to 4 modules
    NarrowWide, // Code 39, two of five, Codabar and MSI: narrow and wide elements
    PostNet,    // USPS sizes, whatever the X-dimension
};

// The members have no defaults on purpose: a row that leaves a fact out does not compile cleanly
// (-Wmissing-field-initializers) instead of reading as zero.
struct TKindText {
    bool NumericOnly;     // digits only; blanks and control characters around them are trimmed
    int Digits;           // the data digits the kind takes before any check digit; 0: any number
    bool PairsPadded;     // digits go in pairs: an odd count gets a leading 0
    bool CheckInParities; // UPC-E: the number system and check digit ride in the parities, worked out
    bool Lowercase;       // encodes lowercase letters, so the code field keeps them
};

struct TKindLayout {
    TKindFamily Family;
    // The white a reader needs on either side of the bars, in modules. PostNet's is a length, which
    // the layout sets; its ten modules serve where a count is asked.
    int QuietLeftModules;
    int QuietRightModules;
    double NominalBarHeightMm;    // retail bars at 100 % (0.33 mm); 0 where the 15 % rule holds
    double LeastRatioBelowHalfMm; // the least wide/narrow ratio for modules under 0.5 mm
    double LeastRatio;            // the least from 0.5 mm on
};

struct TKindTraits {
    TBarcodeType Kind;            // the row's own kind, checked against its place when the table compiles
    std::string_view TypeName;    // GetTypeName, drawn with the bars: "2_5_interleaved"
    std::string_view ListEntry;   // the name quillon-cli and label files use: "Code_2_5_interleaved"
    std::string_view DisplayName; // the whole name in the window's sentences: "Interleaved 2 of 5"
    TKindText Text;
    TRatioRange Ratio; // what the engine pulls Ratio into
    TReaderFormat Reader;
    TKindLayout Layout;
};

// The kind's row. An ordinal outside the 23 gets a row with no names, no reader and no fixed length,
// laid out as a narrow/wide kind with ten-module quiet zones.
const TKindTraits& KindTraits(int ordinal);

// The ratios the engine pulls Ratio into for the kind.
inline TRatioRange RatioRangeOf(TBarcodeType typ)
{
    return KindTraits(typ).Ratio;
}

// Kind names compare without regard to the case of ASCII letters.
bool SameKindName(std::string_view a, std::string_view b);
// A kind named by its list entry (case-insensitive, such as "codeean13") or by its ordinal ("14").
std::optional<TBarcodeType> KindFromName(std::string_view name);

// Whether row i of a kind table carries the kind first + i: a forgotten or misplaced row then fails a
// static_assert instead of shifting every row after it.
template <typename Row, std::size_t N>
constexpr bool RowsInKindOrder(const std::array<Row, N>& rows, int first = 0)
{
    for (std::size_t i = 0; i < N; ++i)
        if (static_cast<int>(rows[i].Kind) != first + static_cast<int>(i))
            return false;
    return true;
}

} // namespace quillon
