#include "report/Calibration.h"

#include "report/PageModel.h"

namespace quillon {

void CheckCalibration(const TCalibration& calibration)
{
    constexpr double kOffset = kMaxCalibrationOffsetMm;
    constexpr double kScale = kMaxCalibrationScalePercent;
    CheckRange("Offset X in mm", calibration.OffsetXMm, -kOffset, kOffset);
    CheckRange("Offset Y in mm", calibration.OffsetYMm, -kOffset, kOffset);
    CheckRange("Scale X in %", calibration.ScaleXPercent, -kScale, kScale);
    CheckRange("Scale Y in %", calibration.ScaleYPercent, -kScale, kScale);
}

} // namespace quillon
