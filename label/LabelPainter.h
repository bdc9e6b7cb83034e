// Paints a recorded label on a page at the output's own resolution: bars as rectangles whose edges lie
// on whole dots of the printer the page is made for, text as text.
#pragma once

#include <QPainter>
#include <memory>
#include <vector>

#include "label/LabelComposer.h"
#include "report/PageRenderer.h"

namespace quillon {

// How a label's pixels land on the printer's dots in one cell: the scale in device pixels per label
// pixel on each axis and the top-left corner in device pixels.
struct TLabelPlacement {
    double ScaleX = 1.0;
    double ScaleY = 1.0;
    QPointF Origin{};
    double GridStep = 1.0; // device pixels per printer dot
    int DotsPerModule = 1;
};

// The placement of a label in a cell for a printer of gridDpi: the narrow module becomes a whole
// number of dots, the nearest to its size on the sheet (never more than fits when stretched), and the
// corner lies on a dot.
TLabelPlacement PlaceLabel(const TLabelDrawing& label, const TPictureCell& cell, double gridDpi);

// Paints the label with the painter's world transform in device pixels.
void PaintLabel(QPainter& painter, const TLabelDrawing& label, const TLabelPlacement& placement);

// The labels of a sheet by data row, shared between rows that print the same label.
using TSheetLabels = std::vector<std::shared_ptr<const TLabelDrawing>>;

// A picture drawer for the page renderer that paints labels[row] for a printer of gridDpi; rows
// without a drawing keep their bitmap.
TPictureDrawer LabelDrawer(TSheetLabels labels, double gridDpi);

} // namespace quillon
