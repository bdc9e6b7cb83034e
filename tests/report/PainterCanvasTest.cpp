// The QPainter canvas on an image: exact pixels of bars, rectangles, lines and ellipses, colours, text.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QPolygon>
#include <algorithm>
#include <functional>
#include <limits>
#include <map>
#include <string>

#include "barcode/Barcode.h"
#include "report/PainterCanvas.h"

namespace quillon {
namespace {

constexpr QRgb kGround = 0xFF800000; // maroon, the window's key colour

// An image of the ground colour with `draw` painted on it through the canvas.
QImage Painted(int width, int height, const std::function<void(TPainterCanvas&)>& draw = {})
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kGround);
    QPainter painter(&image);
    TPainterCanvas canvas(painter);
    if (draw)
        draw(canvas);
    painter.end();
    return image;
}

// One character per pixel of `rows` rows from y: '.' ground, 'w' white, 'b' blue, 'g' green, '?' other.
std::string Row(const QImage& image, int y, int rows = 1)
{
    const std::map<QRgb, char> names{{kGround, '.'}, {0xFFFFFFFF, 'w'}, {0xFF0000FF, 'b'}, {0xFF00FF00, 'g'}};
    std::string pixels;
    for (int i = 0; i < image.width() * rows; ++i) {
        const auto name = names.find(image.pixel(i % image.width(), y + i / image.width()));
        pixels += name == names.end() ? '?' : name->second;
    }
    return pixels;
}

TEST(PainterCanvas, BarsCoverExactlyTheirPixelColumnsAndRows)
{
    // Code 128 B at Modul 2, Ratio 2: "6" bar 4 wide, "0" space 2, "5" bar 2, "A" short bar 2.
    TBarcode b;
    b.SetTyp(bcCode128B), b.SetModul(2), b.SetHeight(10), b.SetColor(0x00FF00), b.SetColorBar(0xFF0000);
    b.ComputeModuleWidths();
    const QImage image = Painted(12, 13, [&](TPainterCanvas& canvas) { b.DrawBars("605A", canvas); });
    // Rows 0 to Height: full elements; rows 0 to 4 (2 * 10 / 5): the short bar.
    EXPECT_EQ(Row(image, 0), "bbbbggbbbb..");
    EXPECT_EQ(Row(image, 4), "bbbbggbbbb..");
    EXPECT_EQ(Row(image, 5), "bbbbggbb....");
    EXPECT_EQ(Row(image, 10), "bbbbggbb....");
    EXPECT_EQ(Row(image, 11), "............");
}

TEST(PainterCanvas, LinesLeaveOutTheirEndAndEllipsesTheirBoxsLastRowAndColumn)
{
    const QImage image = Painted(12, 12, [](TPainterCanvas& canvas) {
        canvas.SetPen({.Color = 0xFF0000, .Mode = pmWhite});
        canvas.MoveTo({11, 0}); // the preview's closing stroke, drawn right to left
        canvas.LineTo({6, 0});
        canvas.SetPen({.Color = 0xFF0000});
        canvas.MoveTo({6, 1});
        canvas.LineTo({11, 1});
        canvas.LineTo({11, 1}); // a line to where the pen stands paints nothing
        canvas.SetBrush({.Color = 0x00FF00});
        canvas.Ellipse({10, 10}, {2, 2}); // a reversed box is turned round
    });
    EXPECT_EQ(Row(image, 0), ".......wwwww");
    EXPECT_EQ(Row(image, 1), "......bbbbb.");
    EXPECT_EQ(Row(image, 2), "....bbbb....");
    EXPECT_EQ(Row(image, 5), "..bggggggb.."); // box columns 2 to 9
    EXPECT_EQ(Row(image, 9), "....bbbb....");
    EXPECT_EQ(Row(image, 10), "............");
}

TEST(PainterCanvas, ColoursMapToRgbAndThePalette)
{
    // Colour, palette role (NoRole for a plain colour), plain colour; a widget's own palette answers for the
    // system colours, the application's when none is given.
    const QPalette palette(Qt::darkCyan);
    const std::tuple<TColor, QPalette::ColorRole, QColor> rows[] = {
        {0x563412, QPalette::NoRole, QColor(0x12, 0x34, 0x56)}, // red in the low byte
        {syscolor::Window, QPalette::Base, {}},
        {syscolor::BtnShadow, QPalette::Dark, {}},
        {0xFF0000C8, QPalette::WindowText, {}}, // a number we do not know
    };
    for (int no = 1; const auto& [color, role, plain] : rows) {
        EXPECT_EQ(ToQColor(color, palette), role == QPalette::NoRole ? plain : palette.color(role))
            << "row " << no;
        EXPECT_EQ(ToQColor(color), role == QPalette::NoRole ? plain : QGuiApplication::palette().color(role))
            << "row " << no++;
    }
}

TEST(PainterCanvas, TextStandsOnABrushCellUnlessTheBrushIsClear)
{
    const QImage image = Painted(120, 40, [](TPainterCanvas& canvas) {
        canvas.SetFont({.Name = "Sans", .Size = 8, .Color = 0xFF0000});
        canvas.TextOut({4, 4}, "* 123 *");
        canvas.SetBrushStyle(bsClear);
        canvas.TextOut({64, 4}, "* 123 *");
    });
    const QImage solid = image.copy(0, 0, 60, 40), clear = image.copy(60, 0, 60, 40);
    EXPECT_EQ(solid.pixelColor(4, 4), Qt::white); // the cell's top-left corner
    EXPECT_EQ(clear.pixel(4, 4), kGround);
    EXPECT_EQ(solid.copy(0, 0, 4, 40), Painted(4, 40)); // nothing left of the cell
    // The same glyphs in blue, with and without the white cell.
    const std::string solidPixels = Row(solid, 0, 40), clearPixels = Row(clear, 0, 40);
    EXPECT_GT(std::ranges::count(solidPixels, 'b'), 0);
    EXPECT_EQ(std::ranges::count(solidPixels, 'b'), std::ranges::count(clearPixels, 'b'));
    EXPECT_EQ(std::ranges::count(clearPixels, 'w'), 0);
}

TEST(PainterCanvas, FarOffCoordinatesAreSafe)
{
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    const QImage image = Painted(8, 8, [](TPainterCanvas& canvas) {
        canvas.SetBrushColor(0xFF0000), canvas.SetPenColor(0xFF0000);
        const TPoint everywhere[] = {{kMin, kMin}, {kMin, kMax}, {kMax, kMax}, {kMax, kMin}};
        canvas.Polygon(everywhere);
        canvas.TextOut({kMax, kMax}, "far"), canvas.Ellipse({kMax, kMax}, {kMin, kMin});
        canvas.MoveTo({kMin, kMax}), canvas.LineTo({kMax, kMin});
    });
    EXPECT_EQ(image.pixelColor(4, 4), Qt::blue);
}

constexpr int kSide = 12;

struct TRectangleRow {
    int line;
    std::vector<TPoint> corners;
    TPen pen;
    TBrush brush;
    QTransform transform;
};

// A square of the ground colour, painted by `draw` through the row's transform.
QImage PaintedSquare(const TRectangleRow& row, const std::function<void(QPainter&)>& draw)
{
    QImage image(kSide, kSide, QImage::Format_RGB32);
    image.fill(kGround);
    QPainter painter(&image);
    painter.setTransform(row.transform);
    draw(painter);
    painter.end();
    return image;
}

// The polygon as the canvas would draw it through the painter: a cosmetic pen with flat caps and mitred
// joins, the brush, no anti-aliasing.
QImage Reference(const TRectangleRow& row)
{
    return PaintedSquare(row, [&row](QPainter& painter) {
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
    });
}

// Upright one-colour bars are filled as rectangles: exactly the pixels the polygon with its cosmetic outline
// covers, for every corner order, size, place and colour mode.
TEST(PainterCanvasRectangle, SamePixelsAsThePolygon)
{
    const TPen blue{.Color = 0xFF0000};
    const TBrush blueFill{.Color = 0xFF0000};
    const QTransform none;
    const TRectangleRow rows[] = {
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
    for (const TRectangleRow& row : rows) {
        const QImage drawn = PaintedSquare(row, [&row](QPainter& painter) {
            TPainterCanvas canvas(painter);
            canvas.SetPen(row.pen), canvas.SetBrush(row.brush), canvas.Polygon(row.corners);
        });
        EXPECT_EQ(drawn, Reference(row)) << "row " << row.line;
    }
}

} // namespace
} // namespace quillon
