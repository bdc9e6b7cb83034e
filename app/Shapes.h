// Small painted widgets of the main window: shapes and plain coloured panels.
#pragma once

#include <QColor>
#include <QPainterPath>
#include <QRegion>
#include <QWidget>
#include <vector>

namespace quillon {

enum class TShapeKind { RoundRect, Ellipse };
enum class TShapeFill { Solid, VerticalLines };

// A filled shape with a dotted outline. Painted without anti-aliasing so that its edge against the
// window's key colour leaves no blended pixels behind.
class TShape : public QWidget {
public:
    // The distance between the lines of the vertical hatch, in window pixels.
    static constexpr int kHatchSpacing = 8;

    TShape(TShapeKind kind, QColor fill, TShapeFill style, QWidget* parent);

    // The shape's outline in the widget's own pixels, and the whole window pixels it covers.
    QPainterPath Outline() const;
    QRegion ShapeRegion();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void UpdateRegions();

    TShapeKind FKind = TShapeKind::RoundRect;
    QSize FRegionSize{-1, -1};
    QRegion FRegion;
    std::vector<QRect> FEdgeDots;
    QColor FFill;
    TShapeFill FStyle = TShapeFill::Solid;
};

// A panel: a widget filled with one colour, holding other controls.
class TPanel : public QWidget {
public:
    TPanel(QColor color, QWidget* parent);
};

} // namespace quillon
