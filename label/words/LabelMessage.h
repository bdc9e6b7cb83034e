// The label library's messages as data: what happened, as a code, and the values it names, each written
// as the English shows it (millimetres to their decimals, dots, kind names, digits). The window words a
// message in the user's language from its catalogues; the command line in English, from the same table.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

enum class TMessageCode : std::uint8_t {
    Said, // a text the library does not word itself, such as an encoder's own message

    // What composing a label changed from its settings
    PostNetHeights,
    PostNetBarHeightKept,
    XOutsideRange,
    XOutsideRangeInDots,
    XInWholeSteps,
    WideNarrowRatio,
    BarHeightBelow,
    BarWidthReductionCut,
    BarsShortened,
    XReducedToFit,
    XBelowLeast,
    XBelowLeastInDots,
    BarHeightNotForKind,
    AngleInQuarterTurns,
    Pdf417ColumnsRaised,
    EncoderNotice,

    // Why a label does not fit its cell
    CutOffWide,
    CutOffHigh,
    BarsTooShortForCell,
    PlacedTooLarge,
    PlacedTooLargeForStock,

    // Why a printed label does not read as it should
    CheckDigitShould,
    DoesNotScan,
    DoesNotScanAt,
    DoesNotScanStretchedAt,
    ReadsOther,
    ReadsOtherAt,
    ReadsNotGs1,
    ReadsNotGs1At,
    OffTheDots,
    NothingPrinted,

    // Why a list's row cannot be printed
    QuoteNotClosed,
    QuoteNotClosedOverLines,
    RowTooLong,
    MoreFieldsThanHeader,
    NoCode,
    BadCopies,

    Count
};

struct TLabelMessage {
    TMessageCode Code = TMessageCode::Said;
    std::vector<std::string> Args{}; // the values for the wording's %1, %2, ...

    bool Empty() const { return Code == TMessageCode::Said && (Args.empty() || Args.front().empty()); }
    friend bool operator==(const TLabelMessage&, const TLabelMessage&) = default;
};

// The catalogues' context of every wording.
inline constexpr const char* kMessageContext = "Messages";

// The English wording, with %1, %2, ... where the values go: the command line's words and the source the
// catalogues translate.
std::string_view MessageWording(TMessageCode code);

// A wording with its %1 ... %9 filled from args in one pass, so a value that holds "%2" stays as it is.
std::string FillIn(std::string_view wording, const std::vector<std::string>& args);

// The message in English: "Bars shortened to 21.51 mm to fit the cell's 25.0 mm height".
std::string EnglishText(const TLabelMessage& message);
std::vector<std::string> EnglishTexts(const std::vector<TLabelMessage>& messages);

// A note that the label was made smaller to fit its cell (shorter bars, a smaller module).
bool FitsTheCell(const TLabelMessage& note);

} // namespace quillon
