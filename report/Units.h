// Lengths on paper: inches, millimetres, tenths of a millimetre (the page model's unit) and points.
#pragma once

namespace quillon {

inline constexpr double kMmPerInch = 25.4;
inline constexpr double kTenthsPerMm = 10.0;
inline constexpr double kTenthsPerInch = kMmPerInch * kTenthsPerMm;
inline constexpr double kPointsPerInch = 72.0;

} // namespace quillon
