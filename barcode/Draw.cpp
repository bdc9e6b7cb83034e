// Drawing a barcode: its elements as rotated filled polygons, then the unrotated text lines.
#include <array>
#include <cmath>
#include <cstdint>

#include "Barcode.h"
#include "Canvas.h"

namespace quillon {
namespace {

constexpr long double kPi = 3.141592653589793238462643383279502884L;
constexpr TColor kTextBackground = 0xFFFFFF; // white cells under the text lines
constexpr int kTextSizePoints = 4;

// Degrees to radians in extended precision, held as a double. A NaN or infinite angle has no
// meaningful direction, so it draws unrotated; any finite angle, however large, is used as given.
double AngleInRadians(double degrees)
{
    if (!std::isfinite(degrees))
        return 0.0;
    return static_cast<double>(kPi * degrees / 180.0L);
}

// Short bars hang from the top edge over two fifths of the height (computed wide: no overflow).
int ElementHeight(TBarElementKind kind, int height)
{
    if (kind == bekShortBar)
        return static_cast<int>(2LL * height / 5);
    return height;
}

// A point from wide coordinates, clamped into the 32-bit range.
TPoint ClampedPoint(std::int64_t x, std::int64_t y)
{
    return {.X = ClampToPixel(x), .Y = ClampToPixel(y)};
}

bool FitsInt32(std::int64_t v)
{
    return v >= INT32_MIN && v <= INT32_MAX;
}

} // namespace

void TBarcode::Draw(TCanvas& canvas)
{
    const std::string pattern = BuildPattern();
    const TFont font = canvas.Font();
    const TPen pen = canvas.Pen();
    const TBrush brush = canvas.Brush();
    DrawBars(pattern, canvas);
    if (FShowText != bcoNone)
        DrawBarText(canvas);
    canvas.SetFont(font);
    canvas.SetPen(pen);
    canvas.SetBrush(brush);
}

void TBarcode::DrawBars(const std::string& pattern, TCanvas& canvas)
{
    const TRotation turn = RotationOf(AngleInRadians(FAngle));
    const TPoint origin{.X = FLeft, .Y = FTop};
    canvas.SetPenWidth(1);
    std::int64_t x = 0; // running offset along the barcode's axis
    for (char c : pattern) {
        const TBarElement element = DecodeElement(c);
        const TColor color = element.Kind == bekSpace ? FColor : FColorBar;
        canvas.SetPenColor(color);
        canvas.SetBrushColor(canvas.Pen().Color);
        const std::int64_t right = x + element.Width - 1;
        if (!FitsInt32(x) || !FitsInt32(right))
            throw Exception(TFault::TooWide, std::string(kBarcodeClassName) + ": barcode too wide");
        const int left32 = static_cast<int>(x);
        const int right32 = static_cast<int>(right);
        const int h = ElementHeight(element.Kind, FHeight);
        std::array<TPoint, 4> corners{{{left32, 0}, {left32, h}, {right32, h}, {right32, 0}}};
        for (TPoint& corner : corners)
            corner = TranslatePoint(RotatePoint(corner, turn), origin);
        canvas.Polygon(corners);
        x += element.Width;
    }
}

void TBarcode::DrawBarText(TCanvas& canvas)
{
    canvas.SetFontSize(kTextSizePoints);
    canvas.SetBrushColor(kTextBackground);
    if (FShowText == bcoCode || FShowText == bcoBoth) {
        const TPoint at = ClampedPoint(std::int64_t{FLeft} + 10, std::int64_t{FTop} + FHeight - 10);
        // What the bars encode, as the last encoding tells it (a UPC-E in full).
        const std::string& shown = FEncoding ? FEncoding->DrawnText : FText;
        canvas.TextOut(at, "* " + shown + " *");
    }
    if (FShowText == bcoTyp || FShowText == bcoBoth)
        canvas.TextOut(ClampedPoint(FLeft, std::int64_t{FTop} + 14), GetTypeName());
}

} // namespace quillon
