// The canvas fills upright one-colour bars as rectangles: exactly the pixels the polygon with its
// cosmetic outline covers, for every corner order, size, place and colour mode.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <vector>

#include "report/PainterCanvas.h"

namespace quillon {
namespace {

constexpr QRgb kGround = 0xFF800000;
constexpr int kSide = 12;

struct Row {
    int line;
    std::vector<TPoint> corners;
    TPen pen;
    TBrush brush;
    QTransform transform;
};

// The polygon as the canvas draws it through the painter: a cosmetic pen with flat caps and mitred
// joins, the brush, no anti-aliasing.
QImage Reference(const Row& row)
{
    QImage image(kSide, kSide, QImage::Format_RGB32);
    image.fill(kGround);
    QPainter painter(&image);
    painter.setTransform(row.transform);
    const bool white = row.pen.Mode == pmWhite;
    QPen pen(white ? QColor(Qt::white) : ToQColor(row.pen.Color));
    pen.setWidth(row.pen.Width > 1 ? row.pen.Width : 0);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    if (row.brush.Style == bsClear)
        painter.setBrush(Qt::NoBrush);
    else
        painter.setBrush(white ? QColor(Qt::white) : ToQColor(row.brush.Color));
    QPolygon polygon;
    for (const TPoint& p : row.corners)
        polygon.append(QPoint(p.X, p.Y));
    painter.drawPolygon(polygon, Qt::OddEvenFill);
    return image;
}

QImage ThroughCanvas(const Row& row)
{
    QImage image(kSide, kSide, QImage::Format_RGB32);
    image.fill(kGround);
    QPainter painter(&image);
    painter.setTransform(row.transform);
    TPainterCanvas canvas(painter);
    canvas.SetPen(row.pen);
    canvas.SetBrush(row.brush);
    canvas.Polygon(row.corners);
    return image;
}

TEST(PainterCanvasRectangle, SamePixelsAsThePolygon)
{
    const TPen blue{.Color = 0xFF0000};
    const TBrush blueFill{.Color = 0xFF0000};
    const QTransform none;
    const Row rows[] = {
        {1, {{2, 1}, {2, 9}, {5, 9}, {5, 1}}, blue, blueFill, none},     // a bar as the engine draws it
        {2, {{5, 9}, {5, 1}, {2, 1}, {2, 9}}, blue, blueFill, none},     // turned half round
        {3, {{2, 1}, {5, 1}, {5, 9}, {2, 9}}, blue, blueFill, none},     // turned a quarter: top first
        {4, {{3, 0}, {3, 10}, {3, 10}, {3, 0}}, blue, blueFill, none},   // one module wide
        {5, {{1, 4}, {1, 4}, {9, 4}, {9, 4}}, blue, blueFill, none},     // no height
        {6, {{0, 0}, {0, 1}, {0, 1}, {0, 0}}, blue, blueFill, none},     // one pixel wide, two high
        {7, {{0, 11}, {0, 11}, {1, 11}, {1, 11}}, blue, blueFill, none}, // two wide, one high
        {8, {{2, 1}, {2, 9}, {5, 9}, {5, 1}}, {.Color = 0xFF0000, .Mode = pmWhite}, blueFill, none},
        {9, {{2, 1}, {2, 9}, {5, 9}, {5, 1}}, blue, blueFill, QTransform::fromTranslate(3, 2)},
        // A point, not one colour, a wide pen, no fill, a scale, not upright, partly outside the image:
        // drawn as polygons.
        {10, {{6, 6}, {6, 6}, {6, 6}, {6, 6}}, blue, blueFill, none},
        {11, {{2, 1}, {2, 9}, {5, 9}, {5, 1}}, blue, {.Color = 0x00FF00}, none},
        {12, {{2, 1}, {2, 9}, {5, 9}, {5, 1}}, {.Color = 0xFF0000, .Width = 3}, blueFill, none},
        {13, {{2, 1}, {2, 9}, {5, 9}, {5, 1}}, blue, {.Color = 0xFF0000, .Style = bsClear}, none},
        {14, {{1, 1}, {1, 4}, {3, 4}, {3, 1}}, blue, blueFill, QTransform::fromScale(2, 2)},
        {15, {{2, 1}, {2, 9}, {6, 8}, {5, 1}}, blue, blueFill, none},
        {16, {{-3, -2}, {-3, 4}, {20, 4}, {20, -2}}, blue, blueFill, none},
        {17, {{5, 9}, {5, -4}, {3, -4}, {3, 9}}, blue, blueFill, none}, // clipped, it loses a corner
    };
    for (const Row& row : rows)
        EXPECT_EQ(ThroughCanvas(row), Reference(row)) << "row " << row.line;
}

} // namespace
} // namespace quillon
