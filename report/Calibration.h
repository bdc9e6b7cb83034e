// A printer's correction: where and how large everything lands on its paper, measured on its
// calibration page. Plain C++.
#pragma once

namespace quillon {

// Moves and scales everything painted on a page, about the paper's top-left corner: a point p mm
// from it is painted at Offset + p * (1 + Scale / 100) on each axis.
struct TCalibration {
    double OffsetXMm = 0.0;
    double OffsetYMm = 0.0;
    double ScaleXPercent = 0.0;
    double ScaleYPercent = 0.0;

    bool IsIdentity() const
    {
        return OffsetXMm == 0.0 && OffsetYMm == 0.0 && ScaleXPercent == 0.0 && ScaleYPercent == 0.0;
    }
};

// The corrections a user types: offsets of -10.0 to +10.0 mm and scales of -2.0 to +2.0 %, each in
// steps of a tenth.
inline constexpr double kMaxCalibrationOffsetMm = 10.0;
inline constexpr double kMaxCalibrationScalePercent = 2.0;
inline constexpr double kCalibrationOffsetStepMm = 0.1;
inline constexpr double kCalibrationScaleStepPercent = 0.1;

// Raises "Offset X in mm out of range: 12 (-10 to 10)" (likewise "Offset Y in mm", "Scale X in %",
// "Scale Y in %") for a value outside its range; NaN is out of range.
void CheckCalibration(const TCalibration& calibration);

} // namespace quillon
