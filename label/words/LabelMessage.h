// The label library's messages as data: what happened, as a code, and the values it names, each written
// as the English shows it (millimetres to their decimals, dots, kind names, digits). The window words a
// message in the user's language from its catalogues; the command line in English, from the same table.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "barcode/Exception.h"

namespace quillon {

enum class TMessageCode : std::uint8_t {
    Said,       // a text the library does not word itself, such as an encoder's own message
    Catalogued, // a fixed text of the library, marked with Wording, translated as it stands

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

    // Why a label stock cannot be placed
    StockRefused,
    StockFaultUnnamed,
    StockUnusable,
    BorrowsMissingTemplate,
    RollDescription,
    TapeDescription,
    OwnRollDescription,
    OwnTapeDescription,
    OwnSheetDescription,
    NoLabelsLaidOut,
    RoundLabels,
    EllipticalLabels,
    CdLabels,
    SeveralGrids,
    LabelsWithoutSize,
    PaperNeitherA4NorLetter,
    PaperSizeOutside,
    RollOnOwnPaper,
    ColumnsOutOfRange,
    RowsOutOfRange,
    MarginNegative,
    LabelsOverlap,
    LabelBeyondPage,
    ColumnsReachAcross,
    RowsReachDown,

    // Why a line of the settings file cannot be read
    SettingNoEquals,
    SettingBadEscape,
    SettingWithoutKey,
    SectionBadEscape,
    CalibrationNotNumber,
    InvalidNumericInput,

    // Why a file cannot be read or written
    FileNoError,
    FileNotFound,
    FileAccessDenied,
    FileNotRegular,
    FileLargerThan,
    FileNotYours,
    FileDiskFull,
    FileTooLarge,
    FileIoError,
    FileWriteProtected,
    RefusedNotRegular,
    RefusedNotOwned,
    RefusedWriteProtected,

    // What stocks.ini and glabels' templates hold that cannot be read
    StocksLineIgnored,
    StocksEntrySkipped,
    StocksStockSkipped,
    StocksFileUnreadable,
    NotKeyValue,
    EntryBeginsWithId,
    IdLength,
    IdCharacters,
    UnknownStockKey,
    KeyGivenTwice,
    DescriptionControl,
    DescriptionLong,
    PaperNotKnown,
    NotWhole,
    NotLength,
    MissingKey,
    ForSheetsOnly,
    CustomIdReserved,
    IdTakenByTape,
    IdTakenByRoll,
    IdTaken,
    TemplateFileUnreadable,
    TemplateFileDamaged,
    TemplateSkipped,
    TemplateWithoutName,
    UnknownShape,
    TemplateNotLength,
    TemplateNotCount,
    PaperNotInSizes,

    Count
};

struct TLabelMessage {
    TMessageCode Code = TMessageCode::Said;
    std::vector<std::string> Args{}; // the values for the wording's %1, %2, ...
    // At most one message that says why, worded in the language of the whole into the placeholder after
    // the last value: "Label stock %1: %2" with the stock's fault as %2.
    std::vector<TLabelMessage> Cause{};

    bool Empty() const { return Code == TMessageCode::Said && (Args.empty() || Args.front().empty()); }
    friend bool operator==(const TLabelMessage&, const TLabelMessage&) = default;
};

// The catalogues' context of every wording.
inline constexpr const char* kMessageContext = "Messages";

// Marks a wording for the window's catalogues: lupdate reads Wording as QT_TRANSLATE_NOOP.
constexpr std::string_view Wording(std::string_view /*context*/, std::string_view text)
{
    return text;
}

// The English wording, with %1, %2, ... where the values go: the command line's words and the source the
// catalogues translate.
std::string_view MessageWording(TMessageCode code);

// A wording with its %1 ... %9 filled from args in one pass, so a value that holds "%2" stays as it is.
std::string FillIn(std::string_view wording, const std::vector<std::string>& args);

// The message worded by `wordingOf`, which gives an English wording of kMessageContext in some language;
// its cause too.
using TWordingOf = std::string (*)(std::string_view english, const void* language);
std::string Worded(const TLabelMessage& message, TWordingOf wordingOf, const void* language);

// The message in English: "Bars shortened to 21.51 mm to fit the cell's 25.0 mm height".
std::string EnglishText(const TLabelMessage& message);
std::vector<std::string> EnglishTexts(const std::vector<TLabelMessage>& messages);

// A failure raised as a message: what() is its English text, Message() its code and values. It is an
// engine Exception, so that callers that catch those catch it too.
class ELabelMessage : public Exception {
public:
    explicit ELabelMessage(TLabelMessage message);
    const TLabelMessage& Message() const { return FMessage; }

private:
    TLabelMessage FMessage;
};

// A note that the label was made smaller to fit its cell (shorter bars, a smaller module).
bool FitsTheCell(const TLabelMessage& note);

} // namespace quillon
