// Lengths on paper: inches, millimetres, tenths of a millimetre (the page model's unit), points and the
// dots of a device at some resolution, and the whole dots a printer draws a length in.
#pragma once

#include <algorithm>
#include <cmath>

namespace quillon {

inline constexpr double kMmPerInch = 25.4;
inline constexpr double kTenthsPerMm = 10.0;
inline constexpr double kTenthsPerInch = kMmPerInch * kTenthsPerMm;
inline constexpr double kPointsPerInch = 72.0;

// The dot grid that pictures are drawn on for a PDF file, and for a printer that reports no resolution.
inline constexpr int kDefaultGridDpi = 600;

// Each multiplies before it divides, so that every caller rounds alike and whole numbers stay whole.
constexpr double DotsOfMm(double mm, double dpi)
{
    return mm * dpi / kMmPerInch;
}
constexpr double MmOfDots(double dots, double dpi)
{
    return dots * kMmPerInch / dpi;
}
constexpr double PointsOfMm(double mm)
{
    return mm * kPointsPerInch / kMmPerInch;
}
constexpr double MmOfPoints(double points)
{
    return points * kMmPerInch / kPointsPerInch;
}
constexpr double DotsOfPoints(double points, double dpi)
{
    return points * dpi / kPointsPerInch;
}
constexpr double PointsOfDots(double dots, double dpi)
{
    return dots * kPointsPerInch / dpi;
}

// Keeps a length that is a whole number of dots whole through floating point.
inline constexpr double kDotRoundingSlack = 1e-9;

// A length in whole dots, never none: the nearest, and the fewest that cover it.
inline int NearestDots(double mm, double dpi)
{
    return std::max(1, static_cast<int>(std::lround(DotsOfMm(mm, dpi))));
}
inline int DotsAtLeast(double mm, double dpi)
{
    return std::max(1, static_cast<int>(std::ceil(DotsOfMm(mm, dpi) - kDotRoundingSlack)));
}

} // namespace quillon
