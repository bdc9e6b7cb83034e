// TCanvas: the drawing surface the barcode engine and the label composition draw on (plain C++).
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <string_view>

#include "Barcode.h"

namespace quillon {

// A point in device pixels, x to the right and y downward.
struct TPoint {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

// System colours: the high byte set, the desktop's colour number in the low byte (the Windows
// COLOR_* numbering, which the options file stores).
inline constexpr TColor kSystemColorFlag = 0xFF000000u;
constexpr bool IsSystemColor(TColor c)
{
    return (c & 0xFF000000u) != 0;
}
constexpr TColor SystemColor(std::uint8_t number)
{
    return kSystemColorFlag | number;
}
constexpr std::uint8_t SystemColorNumber(TColor c)
{
    return static_cast<std::uint8_t>(c & 0xFFu);
}

namespace syscolor {
inline constexpr TColor Window = SystemColor(5);
inline constexpr TColor WindowText = SystemColor(8);
inline constexpr TColor Highlight = SystemColor(13);
inline constexpr TColor BtnFace = SystemColor(15);
inline constexpr TColor BtnShadow = SystemColor(16);
inline constexpr TColor BtnHighlight = SystemColor(20);
} // namespace syscolor

enum TPenMode : std::uint8_t {
    pmCopy,  // strokes in the pen colour
    pmWhite, // every stroke and every fill paints white, whatever the colours
};

enum TBrushStyle : std::uint8_t {
    bsSolid, // fills, and text cells are filled with the brush colour
    bsClear, // nothing is filled; text stands on what lies beneath
};

// The defaults are those of a fresh bitmap's surface: the application font, a black one-pixel
// pen, a solid white brush.
struct TFont {
    std::string Name = "MS Sans Serif";
    int Size = 8; // points
    TColor Color = syscolor::WindowText;
    friend bool operator==(const TFont&, const TFont&) = default;
};

struct TPen {
    TColor Color = 0x000000;
    int Width = 1; // pixels; 0 also means one pixel
    TPenMode Mode = pmCopy;
    friend bool operator==(const TPen&, const TPen&) = default;
};

struct TBrush {
    TColor Color = 0xFFFFFF;
    TBrushStyle Style = bsSolid;
    friend bool operator==(const TBrush&, const TBrush&) = default;
};

// The drawing state (font, pen, brush, pen position) lives here, once; an implementation reads it
// when it draws, so it implements only the drawing calls.
class TCanvas {
public:
    virtual ~TCanvas() = default;

    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& font) { FFont = font; }
    const TPen& Pen() const { return FPen; }
    void SetPen(const TPen& pen) { FPen = pen; }
    const TBrush& Brush() const { return FBrush; }
    void SetBrush(const TBrush& brush) { FBrush = brush; }
    TPoint PenPos() const { return FPenPos; }
    void MoveTo(TPoint p) { FPenPos = p; }

    // A closed polygon through the points in order, filled with the brush and outlined with the
    // pen; every vertex pixel is painted.
    virtual void Polygon(std::span<const TPoint> points) = 0;
    // Text in the font's face, size and colour with its cell's top-left corner at the point; the
    // cell is filled with the brush colour when the brush is solid.
    virtual void TextOut(TPoint topLeft, std::string_view utf8Text) = 0;
    // A line from the pen position to p, whose own pixel is not painted; p becomes the position.
    virtual void LineTo(TPoint p) = 0;
    // A filled, outlined ellipse in the box whose right column and bottom row are left out.
    virtual void Ellipse(TPoint topLeft, TPoint bottomRight) = 0;

    // Single-attribute changes.
    void SetPenColor(TColor c) { FPen.Color = c; }
    void SetPenWidth(int pixels) { FPen.Width = pixels; }
    void SetPenMode(TPenMode m) { FPen.Mode = m; }
    void SetBrushColor(TColor c) { FBrush.Color = c; }
    void SetBrushStyle(TBrushStyle s) { FBrush.Style = s; }
    void SetFontSize(int points) { FFont.Size = points; }

private:
    TFont FFont;
    TPen FPen;
    TBrush FBrush;
    TPoint FPenPos;
};

// A wide integer clamped into the 32-bit range.
constexpr std::int32_t ClampToPixel(std::int64_t v)
{
    constexpr std::int64_t kLow = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t kHigh = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(v < kLow ? kLow : v > kHigh ? kHigh : v);
}

// Rounds to the nearest integer, ties to even, and clamps into the 32-bit range so that far-off
// coordinates stay far off instead of overflowing; NaN gives 0. Values beyond the range are pulled
// to just outside it first, so that llrint (ties to even under the default rounding mode, as
// nearbyint, but without saving and restoring the floating-point environment) always fits.
inline std::int32_t RoundToPixel(long double v)
{
    constexpr long double kBelow = std::numeric_limits<std::int32_t>::min() - 1.0L;
    constexpr long double kAbove = std::numeric_limits<std::int32_t>::max() + 1.0L;
    if (std::isnan(v))
        return 0;
    const long double inRange = v < kBelow ? kBelow : v > kAbove ? kAbove : v;
    return ClampToPixel(std::llrint(inRange));
}

// Turns p about the origin by alpha radians: counter-clockwise on the screen for a positive alpha,
// since y grows downward.
struct TRotation {
    long double Cos = 1.0L;
    long double Sin = 0.0L;
};
inline TRotation RotationOf(double alpha)
{
    return {.Cos = std::cos(static_cast<long double>(alpha)),
            .Sin = std::sin(static_cast<long double>(alpha))};
}
// The same turn with its cosine and sine worked out once, for the many corners of one drawing.
inline TPoint RotatePoint(TPoint p, const TRotation& turn)
{
    // Unturned, x * 1 + y * 0 is exactly x (and -x * 0 + y * 1 exactly y): nothing to round.
    if (turn.Cos == 1.0L && turn.Sin == 0.0L)
        return p;
    const long double x = p.X;
    const long double y = p.Y;
    return {.X = RoundToPixel(x * turn.Cos + y * turn.Sin), .Y = RoundToPixel(-x * turn.Sin + y * turn.Cos)};
}
inline TPoint RotatePoint(TPoint p, double alpha)
{
    return RotatePoint(p, RotationOf(alpha));
}

// Adds the offset in wide integers and clamps the sum into the 32-bit range.
inline TPoint TranslatePoint(TPoint p, TPoint offset)
{
    return {.X = ClampToPixel(std::int64_t{p.X} + offset.X), .Y = ClampToPixel(std::int64_t{p.Y} + offset.Y)};
}

} // namespace quillon
