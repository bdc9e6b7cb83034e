#include "report/PageModel.h"

#include <cmath>
#include <limits>
#include <sstream>
#include <string>

#include "barcode/Exception.h"
#include "report/Units.h"

namespace quillon {

namespace {

// The names the messages use for the page values, by index.
constexpr std::array<const char*, kPageValueCount> kPageValueNames{
    "Bottom margin",  // 0 BottomMargin
    "Paper length",   // 1 Length
    "Top margin",     // 2 TopMargin
    "Paper width",    // 3 Width
    "Left margin",    // 4 LeftMargin
    "Right margin",   // 5 RightMargin
    "Column spacing", // 6 ColumnSpace
};

[[noreturn]] void RaiseOutOfRange(const std::string& what, double value, const std::string& range)
{
    std::ostringstream message;
    message << what << " out of range: " << value << " (" << range << ")";
    throw Exception(message.str());
}

// The standard papers by ordinal of TPaperSize, upright, with the names the command line uses.
struct TPaperRow {
    const char* Name = "";
    TPaperTenths Size{};
};
constexpr std::array<TPaperRow, 3> kPapers{{
    {"a4", {TPageModel::kA4WidthTenths, TPageModel::kA4LengthTenths}},             // A4, ISO 216
    {"letter", {TPageModel::kLetterWidthTenths, TPageModel::kLetterLengthTenths}}, // Letter, 8.5 x 11 in
    {"custom", {}},                                                                // Custom
}};
static_assert(kPapers.size() == static_cast<std::size_t>(TPaperSize::Custom) + 1);

std::string AsciiLower(std::string text)
{
    for (char& c : text)
        c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    return text;
}

bool IsPaperDimension(TPageValue index)
{
    return index == TPageValue::Length || index == TPageValue::Width;
}

} // namespace

std::int64_t RoundHalfEven(double value)
{
    // Values beyond the 64-bit range saturate; the default rounding mode rounds ties to even.
    constexpr double kLimit = 9.0e18;
    if (std::isnan(value))
        return 0;
    if (value >= kLimit)
        return static_cast<std::int64_t>(kLimit);
    if (value <= -kLimit)
        return -static_cast<std::int64_t>(kLimit);
    return static_cast<std::int64_t>(std::nearbyint(value));
}

std::int32_t ClampToInt32(std::int64_t value)
{
    constexpr std::int64_t kLow = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t kHigh = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value < kLow ? kLow : (value > kHigh ? kHigh : value));
}

std::int32_t RoundToInt32(double value)
{
    return ClampToInt32(RoundHalfEven(value));
}

void CheckRange(const char* what, int value, int low, int high)
{
    if (value < low || value > high)
        RaiseOutOfRange(what, value, std::to_string(low) + " to " + std::to_string(high));
}

void CheckRange(const char* what, double value, double low, double high)
{
    if (!(value >= low && value <= high)) {
        std::ostringstream range;
        range << low << " to " << high;
        RaiseOutOfRange(what, value, range.str());
    }
}

TPaperTenths PaperTenths(TPaperSize paper)
{
    const auto index = static_cast<std::size_t>(paper);
    return index < kPapers.size() ? kPapers[index].Size : TPaperTenths{};
}

const char* PaperName(TPaperSize paper)
{
    const auto index = static_cast<std::size_t>(paper);
    return index < kPapers.size() ? kPapers[index].Name : "custom";
}

TPaperSize PaperFromName(const std::string& name)
{
    const std::string lower = AsciiLower(name);
    for (TPaperSize paper : {TPaperSize::A4, TPaperSize::Letter}) {
        if (lower == PaperName(paper))
            return paper;
    }
    throw Exception("Unknown paper: " + name + " (a4, letter)");
}

double TDesignScale::DesignPixelsToTenths(double designPixels) const
{
    return designPixels * kTenthsPerInch * 100.0 / (static_cast<double>(PixelsPerInch) * ZoomPercent);
}

double TDesignScale::TenthsToDesignPixels(double tenths) const
{
    return tenths * static_cast<double>(PixelsPerInch) * ZoomPercent / (kTenthsPerInch * 100.0);
}

TPageValue TPageModel::PageValueFromIndex(int index)
{
    CheckRange("Page value index", index, 0, kPageValueCount - 1);
    return static_cast<TPageValue>(index);
}

void TPageModel::SetValueTenths(TPageValue index, double tenths)
{
    const auto position = static_cast<std::size_t>(index);
    if (position >= FValues.size())
        RaiseOutOfRange("Page value index", static_cast<double>(position), "0 to 6");
    const std::string name = kPageValueNames[position];
    if (!(tenths >= 0.0 && tenths <= kMaxValueTenths))
        RaiseOutOfRange(name + " in mm", tenths / 10.0, "0 to 10000");
    if (IsPaperDimension(index) && tenths <= 0.0)
        RaiseOutOfRange(name + " in mm", tenths / 10.0, "greater than 0");
    if (IsPaperDimension(index))
        FPaperSize = TPaperSize::Custom;
    SetValueQuietly(index, tenths);
    Changed();
}

void TPageModel::SetPaperSize(TPaperSize v)
{
    FPaperSize = v;
    if (v != TPaperSize::Custom) {
        const TPaperTenths paper = PaperTenths(v);
        const bool portrait = FOrientation == TOrientation::Portrait;
        SetValueQuietly(TPageValue::Width, portrait ? paper.Width : paper.Length);
        SetValueQuietly(TPageValue::Length, portrait ? paper.Length : paper.Width);
    }
    Changed();
}

void TPageModel::SetOrientation(TOrientation v)
{
    if (v == FOrientation)
        return;
    FOrientation = v;
    const double width = ValueTenths(TPageValue::Width);
    SetValueQuietly(TPageValue::Width, ValueTenths(TPageValue::Length));
    SetValueQuietly(TPageValue::Length, width);
    Changed();
}

void TPageModel::SetColumns(int v)
{
    CheckRange("Columns", v, 1, kMaxColumns);
    FColumns = v;
    Changed();
}

void TPageModel::SetZoomPercent(int v)
{
    CheckRange("Zoom", v, kMinZoomPercent, kMaxZoomPercent);
    FScale.ZoomPercent = v;
    Changed();
}

void TPageModel::SetPixelsPerInch(int v)
{
    CheckRange("Pixels per inch", v, kMinPixelsPerInch, kMaxPixelsPerInch);
    FScale.PixelsPerInch = v;
    Changed();
}

void TPageModel::SetValueQuietly(TPageValue index, double tenths)
{
    FValues[static_cast<std::size_t>(index)] = tenths;
}

void TPageModel::Changed() const
{
    if (FOnChange)
        FOnChange();
}

} // namespace quillon
