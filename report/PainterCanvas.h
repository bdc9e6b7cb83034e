// TPainterCanvas: the TCanvas that paints through a QPainter, on an image, a PDF writer or a printer.
#pragma once

#include <QColor>

#include "barcode/Canvas.h"

class QPainter;
class QPalette;

namespace quillon {

// Red in the low byte, then green, then blue; a system colour takes the application palette's colour
// for its number.
QColor ToQColor(TColor color);
// The same with a widget's own palette for the system colours.
QColor ToQColor(TColor color, const QPalette& palette);

// Paints without anti-aliasing, as the desktop's device-context drawing does, so bars keep crisp
// edges and pixels painted in the window's key colour stay exactly that colour. Leaves the
// painter's own state as it found it after every call.
class TPainterCanvas : public TCanvas {
public:
    explicit TPainterCanvas(QPainter& painter) : FPainter(&painter) {}

    void Polygon(std::span<const TPoint> points) override;
    void TextOut(TPoint topLeft, std::string_view utf8Text) override;
    void LineTo(TPoint p) override;
    void Ellipse(TPoint topLeft, TPoint bottomRight) override;

private:
    void UsePenAndBrush();
    bool FillAsRectangle(std::span<const TPoint> points);

    QPainter* FPainter = nullptr;
};

} // namespace quillon
