#include "Shapes.h"

#include <QPainter>
#include <algorithm>

namespace quillon {

TShape::TShape(TShapeKind kind, QColor fill, TShapeFill style, QWidget* parent)
    : QWidget(parent), FKind(kind), FFill(fill), FStyle(style)
{
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
}

QPainterPath TShape::Outline() const
{
    QPainterPath path;
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    if (FKind == TShapeKind::Ellipse) {
        path.addEllipse(frame);
        return path;
    }
    // The corners are quarter ellipses a quarter of the shorter side across.
    const int corner = std::min(width(), height()) / 4;
    path.addRoundedRect(frame, corner / 2.0, corner / 2.0);
    return path;
}

// The shape as whole window pixels: its fill, and the pixels of its edge that carry the dots.
void TShape::UpdateRegions()
{
    if (FRegionSize == size())
        return;
    FRegionSize = size();
    FRegion = QRegion(Outline().toFillPolygon().toPolygon());
    const QRegion inner = FRegion & FRegion.translated(1, 0) & FRegion.translated(-1, 0) &
                          FRegion.translated(0, 1) & FRegion.translated(0, -1);
    FEdgeDots.clear();
    for (const QRect& run : FRegion - inner)
        for (int y = run.top(); y <= run.bottom(); ++y)
            for (int x = run.left(); x <= run.right(); ++x)
                if ((x + y) % 2 == 0)
                    FEdgeDots.push_back(QRect(x, y, 1, 1));
}

QRegion TShape::ShapeRegion()
{
    UpdateRegions();
    return FRegion;
}

// Everything is drawn on whole window pixels (the fill clipped to the shape's region, hatch lines and
// outline dots one window pixel each), so that at any device pixel ratio a window pixel is either
// wholly painted or wholly the key colour, and the colour key cuts no painted pixel in half.
void TShape::paintEvent(QPaintEvent*)
{
    UpdateRegions();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setClipRegion(FRegion);
    if (FStyle == TShapeFill::Solid) {
        painter.fillRect(rect(), FFill);
    } else {
        for (int x = kHatchSpacing / 2; x < width(); x += kHatchSpacing)
            painter.fillRect(QRect(x, 0, 1, height()), Qt::black);
    }
    for (const QRect& dot : FEdgeDots)
        painter.fillRect(dot, Qt::black);
}

TPanel::TPanel(QColor color, QWidget* parent) : QWidget(parent)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, color);
    setPalette(palette);
    setAutoFillBackground(true);
}

} // namespace quillon
