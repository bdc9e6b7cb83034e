#include "DotMark.h"

#include <cmath>
#include <cstdint>
#include <numbers>

namespace quillon {
namespace {

struct TTurn {
    long double Cos = 1.0L;
    long double Sin = 0.0L;
};

// The remainder keeps the angle's sign, so -30 turns clockwise; the radian value is worked out
// in extended precision and then held as a double, and the sine and cosine taken from that.
TTurn TurnOf(int angleDegrees)
{
    const int a = angleDegrees % 360;
    const double theta = static_cast<double>(a * std::numbers::pi_v<long double> / 180.0L);
    const long double t = theta;
    return {.Cos = std::cos(t), .Sin = std::sin(t)};
}

// v + k·R·f, rounded at once; k·R is formed in extended precision so no radius can overflow it.
std::int32_t Step(std::int32_t v, int k, int radius, long double f)
{
    return RoundToPixel(v + static_cast<long double>(k) * radius * f);
}

// A point `k` radii up the mark's column from p.
TPoint Up(TPoint p, int k, int radius, TTurn turn)
{
    return {.X = Step(p.X, -k, radius, turn.Sin), .Y = Step(p.Y, -k, radius, turn.Cos)};
}

// The dot two radii to the right of p, across the mark's column.
TPoint Across(TPoint p, int radius, TTurn turn)
{
    return {.X = Step(p.X, 2, radius, turn.Cos), .Y = Step(p.Y, -2, radius, turn.Sin)};
}

// p moved by d on both axes, kept inside the 32-bit range.
TPoint Corner(TPoint p, std::int64_t d)
{
    return {.X = RoundToPixel(static_cast<long double>(p.X + d)),
            .Y = RoundToPixel(static_cast<long double>(p.Y + d))};
}

void Disc(TCanvas& canvas, TPoint centre, int radius, TColor color)
{
    canvas.SetPenColor(color);
    canvas.SetBrush({.Color = color, .Style = bsSolid}); // the dots are always filled
    canvas.Ellipse(Corner(centre, -std::int64_t{radius}), Corner(centre, radius));
}

} // namespace

std::array<TPoint, 8> DotMarkCentres(int x0, int y0, int radius, int angleDegrees)
{
    const TTurn turn = TurnOf(angleDegrees);
    const TPoint c{.X = x0, .Y = y0};
    const TPoint v1 = Up(c, 2, radius, turn);
    const TPoint v2 = Up(c, 4, radius, turn);
    const TPoint v3 = Up(c, 6, radius, turn);
    const TPoint v4 = Up(c, 8, radius, turn);
    // P2 and P3 start from the rounded V2 and V4, so they share those dots' rounding.
    const TPoint p1 = Across(c, radius, turn);
    const TPoint p2 = Across(v2, radius, turn);
    const TPoint p3 = Across(v4, radius, turn);
    return {p3, v4, v3, v2, v1, c, p1, p2};
}

void DrawDotMark(TCanvas& canvas, int x0, int y0, int radius, int angleDegrees, TColor outer, TColor inner)
{
    const int q = radius / 4; // truncates toward zero
    for (const TPoint centre : DotMarkCentres(x0, y0, radius, angleDegrees)) {
        Disc(canvas, centre, radius, outer);
        Disc(canvas, centre, q, inner);
    }
}

} // namespace quillon
