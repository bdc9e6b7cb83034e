// The corner logo's dotted mark: where its eight dots lie and how they are painted.
#pragma once

#include <array>

#include "barcode/Canvas.h"

namespace quillon {

// The eight dot centres in drawing order: P3, V4, V3, V2, V1, C, P1, P2. At angle 0 the V dots
// climb from C = (x0, y0) in steps of 2R and P1, P2, P3 stand 2R to the right of C, V2 and V4;
// a positive angle turns the figure counter-clockwise on the screen about C.
std::array<TPoint, 8> DotMarkCentres(int x0, int y0, int radius, int angleDegrees);

// Paints the mark: for each centre a disc of radius R in the outer colour with a dot of radius
// R div 4 in the inner colour on it. Leaves the pen and a solid brush in the inner colour.
void DrawDotMark(TCanvas& canvas, int x0, int y0, int radius, int angleDegrees, TColor outer, TColor inner);

} // namespace quillon
