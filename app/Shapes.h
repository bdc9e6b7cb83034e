// Small painted widgets of the main window: shapes and plain coloured panels.
#pragma once

#include <QColor>
#include <QWidget>

namespace quillon {

enum class TShapeKind { RoundRect, Ellipse };
enum class TShapeFill { Solid, VerticalLines };

// A filled shape with a dotted outline. Painted without anti-aliasing so that its edge against the
// window's key colour leaves no blended pixels behind.
class TShape : public QWidget {
public:
    TShape(TShapeKind kind, QColor fill, TShapeFill style, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TShapeKind FKind = TShapeKind::RoundRect;
    QColor FFill;
    TShapeFill FStyle = TShapeFill::Solid;
};

// A panel: a widget filled with one colour, holding other controls.
class TPanel : public QWidget {
public:
    TPanel(QColor color, QWidget* parent);
};

} // namespace quillon
