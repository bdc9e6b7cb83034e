// The QPainter canvas on an image: exact pixels of bars, lines and ellipses, colours, text, state.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <limits>
#include <string>

#include "barcode/Barcode.h"
#include "report/PainterCanvas.h"

namespace quillon {
namespace {

const QColor kGround(128, 0, 0); // maroon, the window's key colour

QImage Ground(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kGround);
    return image;
}

// One character per pixel: '.' ground, 'w' white, 'b' blue, 'g' green, '?' anything else.
char Pixel(const QImage& image, int x, int y)
{
    const QColor c = image.pixelColor(x, y);
    return c == kGround ? '.' : c == Qt::white ? 'w' : c == Qt::blue ? 'b' : c == Qt::green ? 'g' : '?';
}

std::string Row(const QImage& image, int y)
{
    std::string row;
    for (int x = 0; x < image.width(); ++x)
        row += Pixel(image, x, y);
    return row;
}

TEST(PainterCanvas, BarsCoverExactlyTheirPixelColumnsAndRows)
{
    // Code 128 B at Modul 2, Ratio 2: "6" bar 4 wide, "0" space 2, "5" bar 2, "A" short bar 2.
    TBarcode b;
    b.SetTyp(bcCode128B);
    b.SetModul(2);
    b.SetHeight(10);
    b.SetColor(0x00FF00);
    b.SetColorBar(0xFF0000);
    b.ComputeModuleWidths();
    QImage image = Ground(12, 13);
    {
        QPainter painter(&image);
        TPainterCanvas canvas(painter);
        b.DrawBars("605A", canvas);
    }
    // Rows 0 to Height: full elements; rows 0 to 4 (2 * 10 / 5): the short bar.
    EXPECT_EQ(Row(image, 0), "bbbbggbbbb..");
    EXPECT_EQ(Row(image, 4), "bbbbggbbbb..");
    EXPECT_EQ(Row(image, 5), "bbbbggbb....");
    EXPECT_EQ(Row(image, 10), "bbbbggbb....");
    EXPECT_EQ(Row(image, 11), "............");
}

TEST(PainterCanvas, LinesLeaveOutTheirEndAndEllipsesTheirBoxsLastRowAndColumn)
{
    QImage image = Ground(12, 12);
    {
        QPainter painter(&image);
        TPainterCanvas canvas(painter);
        canvas.SetPen({.Color = 0xFF0000, .Mode = pmWhite});
        canvas.MoveTo({11, 0}); // the preview's closing stroke, drawn right to left
        canvas.LineTo({6, 0});
        canvas.SetPen({.Color = 0xFF0000});
        canvas.MoveTo({6, 1});
        canvas.LineTo({11, 1});
        canvas.LineTo({11, 1}); // a line to where the pen stands paints nothing
        canvas.SetBrush({.Color = 0x00FF00});
        canvas.Ellipse({10, 10}, {2, 2}); // a reversed box is turned round
    }
    EXPECT_EQ(Row(image, 0), ".......wwwww");
    EXPECT_EQ(Row(image, 1), "......bbbbb.");
    EXPECT_EQ(Row(image, 2), "....bbbb....");
    EXPECT_EQ(Row(image, 5), "..bggggggb.."); // box columns 2 to 9
    EXPECT_EQ(Row(image, 9), "....bbbb....");
    EXPECT_EQ(Row(image, 10), "............");
}

TEST(PainterCanvas, ColoursMapToRgbAndTheApplicationPalette)
{
    const QPalette palette = QGuiApplication::palette();
    struct ColorRow {
        int row;
        TColor color;
        QColor expected;
    } rows[] = {
        {1, 0x563412, QColor(0x12, 0x34, 0x56)}, // red in the low byte
        {2, 0x008000, QColor(0, 128, 0)},
        {3, syscolor::Window, palette.color(QPalette::Base)},
        {4, syscolor::WindowText, palette.color(QPalette::WindowText)},
        {5, syscolor::BtnFace, palette.color(QPalette::Button)},
        {6, syscolor::BtnShadow, palette.color(QPalette::Dark)},
        {7, syscolor::Highlight, palette.color(QPalette::Highlight)},
        {8, 0xFF0000C8, palette.color(QPalette::WindowText)}, // a number we do not know
    };
    for (const ColorRow& row : rows)
        EXPECT_EQ(ToQColor(row.color), row.expected) << "row " << row.row;
}

TEST(PainterCanvas, TextStandsOnABrushCellUnlessTheBrushIsClear)
{
    QImage image = Ground(120, 40);
    {
        QPainter painter(&image);
        TPainterCanvas canvas(painter);
        canvas.SetFont({.Name = "Sans", .Size = 8, .Color = 0xFF0000});
        canvas.TextOut({4, 4}, "* 123 *");
        canvas.SetBrushStyle(bsClear);
        canvas.TextOut({64, 4}, "* 123 *");
    }
    const QImage solid = image.copy(0, 0, 60, 40);
    const QImage clear = image.copy(60, 0, 60, 40);
    EXPECT_EQ(solid.pixelColor(4, 4), Qt::white); // the cell's top-left corner
    EXPECT_EQ(clear.pixelColor(4, 4), kGround);
    EXPECT_EQ(solid.copy(0, 0, 4, 40), Ground(4, 40)); // nothing left of the cell
    // The same glyphs in blue, with and without the white cell.
    const auto count = [](const QImage& part, char pixel) {
        std::string all;
        for (int y = 0; y < part.height(); ++y)
            all += Row(part, y);
        return std::count(all.begin(), all.end(), pixel);
    };
    EXPECT_GT(count(solid, 'b'), 0);
    EXPECT_EQ(count(solid, 'b'), count(clear, 'b'));
    EXPECT_EQ(count(clear, 'w'), 0);
}

TEST(PainterCanvas, FarOffCoordinatesAreSafe)
{
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    QImage image = Ground(8, 8);
    {
        QPainter painter(&image);
        TPainterCanvas canvas(painter);
        canvas.SetBrushColor(0xFF0000);
        canvas.SetPenColor(0xFF0000);
        const TPoint everywhere[] = {{kMin, kMin}, {kMin, kMax}, {kMax, kMax}, {kMax, kMin}};
        canvas.Polygon(everywhere);
        canvas.TextOut({kMax, kMax}, "far");
        canvas.MoveTo({kMin, kMax});
        canvas.LineTo({kMax, kMin});
        canvas.Ellipse({kMax, kMax}, {kMin, kMin});
    }
    EXPECT_EQ(image.pixelColor(4, 4), Qt::blue);
}

} // namespace
} // namespace quillon
