#include "Shapes.h"

#include <QPainter>
#include <algorithm>

namespace quillon {

TShape::TShape(TShapeKind kind, QColor fill, TShapeFill style, QWidget* parent)
    : QWidget(parent), FKind(kind), FFill(fill), FStyle(style)
{
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
}

void TShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 0, Qt::DotLine));
    painter.setBrush(FStyle == TShapeFill::Solid ? QBrush(FFill) : QBrush(Qt::black, Qt::VerPattern));
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    if (FKind == TShapeKind::Ellipse) {
        painter.drawEllipse(frame);
        return;
    }
    // The corners are quarter ellipses a quarter of the shorter side across.
    const int corner = std::min(width(), height()) / 4;
    painter.drawRoundedRect(frame, corner / 2.0, corner / 2.0);
}

TPanel::TPanel(QColor color, QWidget* parent) : QWidget(parent)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, color);
    setPalette(palette);
    setAutoFillBackground(true);
}

} // namespace quillon
