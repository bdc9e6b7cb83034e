#include "label/words/LabelMessage.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace quillon {
namespace {

// Marks a wording for the window's catalogues: lupdate reads Wording as QT_TRANSLATE_NOOP.
constexpr std::string_view Wording(std::string_view /*context*/, std::string_view text)
{
    return text;
}

struct TWordingRow {
    TMessageCode Code;
    std::string_view English;
};

constexpr auto kWordings = std::to_array<TWordingRow>({
    {TMessageCode::Said, Wording("Messages", "%1")},
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

std::string EnglishText(const TLabelMessage& message)
{
    if (message.Empty())
        return {};
    return FillIn(MessageWording(message.Code), message.Args);
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
