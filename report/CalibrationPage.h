// The printer calibration page: millimetre rulers along the four edges and crosshairs at known places,
// so that a user measures the printed page and types the printer's corrections.
#pragma once

#include <QByteArray>
#include <QPointF>
#include <vector>

#include "report/Calibration.h"
#include "report/PageModel.h"

class QIODevice;
class QPainter;

namespace quillon {

struct TPaintTarget;

// The rulers' baselines lie this far in from each edge; their ticks reach towards the edge, the
// 10 mm ticks from 4 mm, the 5 mm ticks from 7 mm and the others from 8.5 mm.
inline constexpr double kRulerBaselineMm = 10.0;
// The crosshairs lie this far in from each corner, and one at the centre of the paper.
inline constexpr double kCrossInsetMm = 20.0;

// The centres of the crosshairs on an upright A4 or Letter page, in mm from its top-left corner:
// top left, top right, bottom left, bottom right, centre.
std::vector<QPointF> CalibrationCrosses(TPaperSize paper);

// Paints the page on a painter already begun, everything moved and scaled by the target's
// calibration (none, to measure a printer; the printer's own, to check it).
void PaintCalibrationPage(QPainter& painter, TPaperSize paper, const TPaintTarget& target);

// The page as a one-page PDF written to an open device, or made in memory. Raises when the
// calibration is out of range or the PDF cannot be made.
void WriteCalibrationPdf(QIODevice& device, TPaperSize paper, const TCalibration& calibration = {});
QByteArray CalibrationPdf(TPaperSize paper, const TCalibration& calibration = {});

} // namespace quillon
