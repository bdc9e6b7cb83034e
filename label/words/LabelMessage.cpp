#include "label/words/LabelMessage.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace quillon {
namespace {

struct TWordingRow {
    TMessageCode Code;
    std::string_view English;
};

constexpr auto kWordings = std::to_array<TWordingRow>({
    {TMessageCode::Said, Wording("Messages", "%1")},
    {TMessageCode::Catalogued, "%1"},
    {TMessageCode::PostNetHeights,
     Wording("Messages",
             "PostNet prints as USPS asks, whatever the X-dimension: %1 mm bars, 22 to the inch, %2 mm and "
             "%3 mm tall")},
    {TMessageCode::PostNetBarHeightKept,
     Wording("Messages", "PostNet bars keep their USPS heights; the bar height asked for does not apply")},
    {TMessageCode::XOutsideRange,
     Wording(
         "Messages",
         "X-dimension %1 mm is outside the %2-%3 mm that %4 allows: printed at %5 mm (%6 dots at %7 dpi)")},
    {TMessageCode::XOutsideRangeInDots,
     Wording("Messages", "X-dimension %1 mm in whole dots falls outside the %2-%3 mm that %4 allows: printed "
                         "at %5 mm (%6 dots at %7 dpi)")},
    {TMessageCode::XInWholeSteps,
     Wording("Messages", "X-dimension %1 mm printed at %2 mm (%3 dots at %4 dpi): a module over %5 dots "
                         "takes whole steps of %6 dots")},
    {TMessageCode::WideNarrowRatio,
     Wording("Messages", "Wide/narrow ratio %1 (%2 to %3 dots) for the %4 asked: whole dots, within what %5 "
                         "allows at this module")},
    {TMessageCode::BarHeightBelow,
     Wording("Messages", "Bar height %1 mm is below the %2 mm that %3 asks at a %4 mm module")},
    {TMessageCode::BarWidthReductionCut,
     Wording("Messages", "Bar width reduction of %1 dots would leave %2-dot bars empty: reduced by %3")},
    {TMessageCode::BarsShortened,
     Wording("Messages", "Bars shortened to %1 mm to fit the cell's %2 mm height")},
    {TMessageCode::XReducedToFit,
     Wording("Messages", "X-dimension reduced to %1 mm (%2 dots at %3 dpi) to fit the cell")},
    {TMessageCode::XBelowLeast,
     Wording("Messages",
             "X-dimension %1 mm is below the %2 mm that %3 needs: printed at %4 mm (%5 dots at %6 dpi)")},
    {TMessageCode::XBelowLeastInDots,
     Wording("Messages", "X-dimension %1 mm in whole dots falls below the %2 mm that %3 needs: printed at %4 "
                         "mm (%5 dots at %6 dpi)")},
    {TMessageCode::BarHeightNotForKind,
     Wording("Messages", "The bar height is for GS1-128 and DataBar; %1 takes its height from its modules")},
    {TMessageCode::AngleInQuarterTurns,
     Wording("Messages", "Angle %1 degrees drawn as %2: a symbol turns in quarter turns")},
    {TMessageCode::Pdf417ColumnsRaised,
     Wording("Messages", "PDF417 columns raised from %1 to %2 to hold the data")},
    {TMessageCode::EncoderNotice, Wording("Messages", "%1: %2")},
    {TMessageCode::CutOffWide, Wording("Messages", "Label %1 mm wide, cell %2 mm: it would be cut off")},
    {TMessageCode::CutOffHigh, Wording("Messages", "Label %1 mm high, cell %2 mm: it would be cut off")},
    {TMessageCode::BarsTooShortForCell,
     Wording("Messages",
             "Label %1 mm high, cell %2 mm: its bars cannot reach their minimum height of %3 mm")},
    {TMessageCode::PlacedTooLarge,
     Wording("Messages",
             "Label %1 x %2 mm with its quiet zones and %3 mm inset does not fit the %4 x %5 mm cells")},
    {TMessageCode::PlacedTooLargeForStock,
     Wording("Messages", "Label %1 x %2 mm with its quiet zones and %3 mm inset does not fit the %4 x %5 mm "
                         "labels of %6")},
    {TMessageCode::CheckDigitShould, Wording("Messages", "Check digit should be %1")},
    {TMessageCode::DoesNotScan, Wording("Messages", "Does not scan")},
    {TMessageCode::DoesNotScanAt, Wording("Messages", "Does not scan at %1 dpi")},
    {TMessageCode::DoesNotScanStretchedAt,
     Wording("Messages", "Does not scan at %1 dpi (stretched to fill its cell)")},
    {TMessageCode::ReadsOther, Wording("Messages", "Reads %1, not %2")},
    {TMessageCode::ReadsOtherAt, Wording("Messages", "Reads %1 at %2 dpi, not %3")},
    {TMessageCode::ReadsNotGs1, Wording("Messages", "Reads %1 as %2, not as GS1 data (%3)")},
    {TMessageCode::ReadsNotGs1At, Wording("Messages", "Reads %1 as %2 at %3 dpi, not as GS1 data (%4)")},
    {TMessageCode::OffTheDots, Wording("Messages", "Bars printed %1 dots off the %2-dpi printer's dots")},
    {TMessageCode::NothingPrinted, Wording("Messages", "Nothing is printed")},
    {TMessageCode::QuoteNotClosed, Wording("Messages", "a quoted field is not closed")},
    {TMessageCode::QuoteNotClosedOverLines,
     Wording("Messages", "a quoted field is not closed (lines %1 to %2 read as one row)")},
    {TMessageCode::RowTooLong, Wording("Messages", "row over 1 KiB (%1 bytes)")},
    {TMessageCode::MoreFieldsThanHeader, Wording("Messages", "%1 fields where the header names %2")},
    {TMessageCode::NoCode, Wording("Messages", "no code")},
    {TMessageCode::BadCopies, Wording("Messages", "copies must be a whole number from 1 to %1, not '%2'")},
    {TMessageCode::StockRefused, Wording("Messages", "Label stock %1: %2")},
    {TMessageCode::StockFaultUnnamed, Wording("Messages", "Label stock: %1")},
    {TMessageCode::StockUnusable, Wording("Messages", "%1; cannot be used: %2")},
    {TMessageCode::BorrowsMissingTemplate,
     Wording("Messages", "%1: borrows the labels of %2, which no template gives; cannot be used")},
    {TMessageCode::RollDescription, Wording("Messages", "Roll of %1 x %2 mm labels")},
    {TMessageCode::TapeDescription, Wording("Messages", "Continuous tape %1 mm wide")},
    {TMessageCode::OwnRollDescription, Wording("Messages", "Roll of %1 x %2 mm labels, own stock")},
    {TMessageCode::OwnTapeDescription, Wording("Messages", "Continuous tape %1 mm wide, own stock")},
    {TMessageCode::OwnSheetDescription,
     Wording("Messages", "%1, %2 labels of %3 x %4 mm (%5 x %6), own stock")},
    {TMessageCode::NoLabelsLaidOut, Wording("Messages", "no labels are laid out")},
    {TMessageCode::RoundLabels, Wording("Messages", "round labels cannot be placed")},
    {TMessageCode::EllipticalLabels, Wording("Messages", "elliptical labels cannot be placed")},
    {TMessageCode::CdLabels, Wording("Messages", "CD labels cannot be placed")},
    {TMessageCode::SeveralGrids, Wording("Messages", "the labels lie in %1 grids; one grid can be placed")},
    {TMessageCode::LabelsWithoutSize, Wording("Messages", "the labels have no size")},
    {TMessageCode::PaperNeitherA4NorLetter, Wording("Messages", "the paper is neither a4 nor letter")},
    {TMessageCode::PaperSizeOutside,
     Wording("Messages", "the paper is %1 x %2 mm: its sides are above 0 and at most %3 mm")},
    {TMessageCode::RollOnOwnPaper,
     Wording("Messages", "a roll or tape has one label a page on its own Custom paper")},
    {TMessageCode::ColumnsOutOfRange, Wording("Messages", "columns out of range: %1 (%2 to %3)")},
    {TMessageCode::RowsOutOfRange, Wording("Messages", "rows out of range: %1 (%2 to %3)")},
    {TMessageCode::MarginNegative, Wording("Messages", "a margin is negative")},
    {TMessageCode::LabelsOverlap, Wording("Messages", "the labels overlap: a pitch is less than the label")},
    {TMessageCode::LabelBeyondPage,
     Wording("Messages", "the label of %1 x %2 mm does not fit its page of %3 x %4 mm")},
    {TMessageCode::ColumnsReachAcross, Wording("Messages", "%1 columns reach %2 mm across paper %3 mm wide")},
    {TMessageCode::RowsReachDown, Wording("Messages", "%1 rows reach %2 mm down paper %3 mm long")},
    {TMessageCode::SettingNoEquals, Wording("Messages", "no \"=\" between a key and its value")},
    {TMessageCode::SettingBadEscape,
     Wording("Messages", "an escape other than \\\\, \\n, \\r, \\t or \\xHH")},
    {TMessageCode::SettingWithoutKey, Wording("Messages", "a value without a key")},
    {TMessageCode::SectionBadEscape, Wording("Messages", "a section name with a bad escape")},
    {TMessageCode::CalibrationNotNumber, Wording("Messages", "%1 %2: %3 is not a number from -%4 to %4")},
    {TMessageCode::InvalidNumericInput, Wording("Messages", "Invalid numeric input")},
    {TMessageCode::FileNoError, Wording("Messages", "No error: %1")},
    {TMessageCode::FileNotFound, Wording("Messages", "File not found: %1")},
    {TMessageCode::FileAccessDenied, Wording("Messages", "File access denied: %1")},
    {TMessageCode::FileNotRegular, Wording("Messages", "Not a regular file: %1")},
    {TMessageCode::FileLargerThan, Wording("Messages", "Larger than %2: %1")},
    {TMessageCode::FileNotYours, Wording("Messages", "Not yours to replace: %1")},
    {TMessageCode::FileDiskFull, Wording("Messages", "Disk full: %1")},
    {TMessageCode::FileTooLarge, Wording("Messages", "File too large: %1")},
    {TMessageCode::FileIoError, Wording("Messages", "I/O error %2: %1")},
    {TMessageCode::FileWriteProtected, Wording("Messages", "Write-protected: %1")},
    {TMessageCode::RefusedNotRegular, Wording("Messages", "it is %1, not a regular file")},
    {TMessageCode::RefusedNotOwned,
     Wording("Messages", "it is another user's file or reached through another user's link")},
    {TMessageCode::RefusedWriteProtected, Wording("Messages", "it is write-protected (mode %1)")},
    {TMessageCode::StocksLineIgnored,
     Wording("Messages", "%1 line %2: outside any [ID] entry; the line is ignored")},
    {TMessageCode::StocksEntrySkipped, Wording("Messages", "%1 line %2: %3; the entry is skipped")},
    {TMessageCode::StocksStockSkipped, Wording("Messages", "%1 line %2: %4; the stock %3 is skipped")},
    {TMessageCode::StocksFileUnreadable,
     Wording("Messages", "%1; only the built-in label stocks are offered")},
    {TMessageCode::NotKeyValue, Wording("Messages", "not a key = value line")},
    {TMessageCode::EntryBeginsWithId, Wording("Messages", "an entry begins with a line [ID]")},
    {TMessageCode::IdLength, Wording("Messages", "an ID has 1 to 64 characters")},
    {TMessageCode::IdCharacters, Wording("Messages", "an ID holds only letters, digits, '.', '-' and '_'")},
    {TMessageCode::UnknownStockKey, Wording("Messages", "unknown key %1")},
    {TMessageCode::KeyGivenTwice, Wording("Messages", "%1 is given twice")},
    {TMessageCode::DescriptionControl, Wording("Messages", "the description holds a control character")},
    {TMessageCode::DescriptionLong, Wording("Messages", "the description is longer than 200 bytes")},
    {TMessageCode::PaperNotKnown, Wording("Messages", "paper is a4 or letter, or roll or tape, not %1")},
    {TMessageCode::NotWhole, Wording("Messages", "%1 is a whole number, not %2")},
    {TMessageCode::NotLength, Wording("Messages", "%1 is a length of 0 to 1000 mm, not %2")},
    {TMessageCode::MissingKey, Wording("Messages", "missing %1")},
    {TMessageCode::ForSheetsOnly,
     Wording("Messages", "%1 is for sheets: a roll or tape has one label a page")},
    {TMessageCode::CustomIdReserved,
     Wording("Messages", "the ID custom names the sheet laid out by margins")},
    {TMessageCode::IdTakenByTape, Wording("Messages", "the ID %1 is taken by the tape of that size")},
    {TMessageCode::IdTakenByRoll, Wording("Messages", "the ID %1 is taken by the roll of that size")},
    {TMessageCode::IdTaken, Wording("Messages", "the ID %1 is taken")},
    {TMessageCode::TemplateFileUnreadable, Wording("Messages", "%1; its templates are skipped")},
    {TMessageCode::TemplateFileDamaged, Wording("Messages", "%1 line %2: %3; its templates are skipped")},
    {TMessageCode::TemplateSkipped,
     Wording("Messages", "%1 line %2: template %3: %4; the template is skipped")},
    {TMessageCode::TemplateWithoutName, Wording("Messages", "a template has a brand and a part")},
    {TMessageCode::UnknownShape, Wording("Messages", "unknown label shape %1")},
    {TMessageCode::TemplateNotLength, Wording("Messages", "%1 %2 is not a length: '%3'")},
    {TMessageCode::TemplateNotCount, Wording("Messages", "Layout %1 is not a count of 1 to 1000: '%2'")},
    {TMessageCode::PaperNotInSizes, Wording("Messages", "paper %1 is not in %2")},
});

static_assert(kWordings.size() == static_cast<std::size_t>(TMessageCode::Count), "one wording per code");

constexpr bool InCodeOrder()
{
    for (std::size_t i = 0; i < kWordings.size(); ++i)
        if (kWordings[i].Code != static_cast<TMessageCode>(i))
            return false;
    return true;
}
static_assert(InCodeOrder(), "the wordings stand in the codes' order");

} // namespace

std::string_view MessageWording(TMessageCode code)
{
    const auto index = static_cast<std::size_t>(code);
    return index < kWordings.size() ? kWordings[index].English : kWordings.front().English;
}

std::string FillIn(std::string_view wording, const std::vector<std::string>& args)
{
    std::string text;
    text.reserve(wording.size() + 16 * args.size());
    for (std::size_t i = 0; i < wording.size(); ++i) {
        const char next = i + 1 < wording.size() ? wording[i + 1] : '\0';
        if (wording[i] == '%' && next >= '1' && next <= '9' &&
            static_cast<std::size_t>(next - '1') < args.size()) {
            text += args[static_cast<std::size_t>(next - '1')];
            ++i;
        } else {
            text += wording[i];
        }
    }
    return text;
}

std::string Worded(const TLabelMessage& message, TWordingOf wordingOf, const void* language)
{
    if (message.Empty() && message.Cause.empty())
        return {};
    if (message.Code == TMessageCode::Catalogued)
        return message.Args.empty() ? std::string() : wordingOf(message.Args.front(), language);
    if (message.Cause.empty())
        return FillIn(wordingOf(MessageWording(message.Code), language), message.Args);
    std::vector<std::string> args = message.Args;
    args.push_back(Worded(message.Cause.front(), wordingOf, language));
    return FillIn(wordingOf(MessageWording(message.Code), language), args);
}

std::string EnglishText(const TLabelMessage& message)
{
    return Worded(
        message, [](std::string_view english, const void*) { return std::string(english); }, nullptr);
}

ELabelMessage::ELabelMessage(TLabelMessage message)
    : Exception(EnglishText(message)), FMessage(std::move(message))
{
}

std::vector<std::string> EnglishTexts(const std::vector<TLabelMessage>& messages)
{
    std::vector<std::string> texts;
    texts.reserve(messages.size());
    std::transform(messages.begin(), messages.end(), std::back_inserter(texts), EnglishText);
    return texts;
}

bool FitsTheCell(const TLabelMessage& note)
{
    return note.Code == TMessageCode::BarsShortened || note.Code == TMessageCode::XReducedToFit;
}

} // namespace quillon
