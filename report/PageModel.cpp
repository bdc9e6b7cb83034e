#include "report/PageModel.h"

#include <cmath>
#include <limits>
#include <sstream>
#include <string>

#include "barcode/Exception.h"

namespace quillon {

namespace {

constexpr double kTenthsPerInch = 254.0;

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
    if (v == TPaperSize::A4) {
        const bool portrait = FOrientation == TOrientation::Portrait;
        SetValueQuietly(TPageValue::Width, portrait ? kA4WidthTenths : kA4LengthTenths);
        SetValueQuietly(TPageValue::Length, portrait ? kA4LengthTenths : kA4WidthTenths);
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
