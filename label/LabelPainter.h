// Paints a recorded label on a page at the output's own resolution: bars as rectangles whose edges lie
// on whole dots of the printer the page is made for, text as text.
#pragma once

#include <QImage>
#include <QPainter>
#include <cstdint>
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
// number of dots, the nearest to its true size (UnitsPerInch) or, stretched, the most that fit the
// target; the corner lies on a dot.
TLabelPlacement PlaceLabel(const TLabelDrawing& label, const TPictureCell& cell, double gridDpi);

// Paints the label with the painter's world transform in device pixels.
void PaintLabel(QPainter& painter, const TLabelDrawing& label, const TLabelPlacement& placement);

enum class TImageDepth : std::uint8_t {
    Colour, // RGB32, the text smoothed
    OneBit, // black and white, cut at half grey: what a printer without grey prints
};

// The label alone on white, drawn at pixelsPerInch (its true size) with bar edges on the dots of a
// gridDpi printer: gridDpi = pixelsPerInch gives whole pixels per module, for verification at a
// printer's resolution; gridDpi = the label's UnitsPerInch keeps its exact proportions, for a preview
// at true size on a screen. Raises when the image would be too large.
QImage RenderLabelImage(const TLabelDrawing& label, double pixelsPerInch, double gridDpi,
                        TImageDepth depth = TImageDepth::Colour);

// The labels of a sheet by data row, shared between rows that print the same label.
using TSheetLabels = std::vector<std::shared_ptr<const TLabelDrawing>>;

// A picture drawer for the page renderer that paints labels[row] for a printer of gridDpi; rows
// without a drawing keep their bitmap.
TPictureDrawer LabelDrawer(TSheetLabels labels, double gridDpi);

} // namespace quillon
