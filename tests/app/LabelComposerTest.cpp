// The label image: its size, the bars' pixels, captions, mark and stroke, errors, and turned placement.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <string>
#include <vector>

#include "app/FontSubstitutions.h"
#include "app/LabelComposer.h"
#include "report/PainterCanvas.h"

namespace quillon {
namespace {

constexpr char kEan13[] = "6212236011840"; // the window's designed code
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kGreen = 0xFF00FF00;
constexpr TColor kRedBars = 0x0000FF; // red in the low byte
constexpr TColor kGreenSpaces = 0x00FF00;

TBarcode Ean13(int modul = 1, int heightPixels = 64)
{
    TBarcode barcode;
    barcode.SetTyp(bcCodeEAN13);
    barcode.SetModul(modul);
    barcode.SetRatio(1.0);
    barcode.SetHeight(heightPixels);
    barcode.SetCheckSumMethod(csmNone);
    barcode.SetColorBar(kRedBars);
    barcode.SetText(kEan13);
    return barcode;
}

const TLabelCaptions kNoCaptions{.UpperOn = false, .Upper = {}, .LowerOn = false, .Lower = {}};

// One expected colour per pixel column: bars red, spaces white (or green).
std::vector<QRgb> ExpectedColumns(TBarcode& barcode, QRgb spaces = kWhite)
{
    std::vector<QRgb> columns;
    for (char c : barcode.BuildPattern()) {
        const TBarElement element = barcode.DecodeElement(c);
        columns.insert(columns.end(), static_cast<std::size_t>(element.Width),
                       element.Kind == bekSpace ? spaces : kRed);
    }
    return columns;
}

// The first pixel in reading order, from the given row on, that is not white; (-1, -1) if none.
QPoint FirstInk(const QImage& image, int fromRow)
{
    for (int y = fromRow; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != kWhite)
                return {x, y};
    return {-1, -1};
}

// Where a text's ink starts relative to the top-left corner of its cell, in the default font.
QPoint InkOffset(const QString& text)
{
    QImage image(200, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    TPainterCanvas canvas(painter);
    canvas.TextOut({}, text.toStdString());
    painter.end();
    return FirstInk(image, 0);
}

class LabelComposerTest : public ::testing::Test {
protected:
    void SetUp() override { RegisterFontSubstitutions(); }
};

TEST_F(LabelComposerTest, SizeIsWidthByHeightPlusTheCaptionBand)
{
    struct Row {
        int line;
        int modul;
        int height;
        bool lowerOn;
        int width;
        int labelHeight;
    } rows[] = {
        // EAN-13 is 95 modules wide (ISO/IEC 15420, 3 + 42 + 5 + 42 + 3).
        {1, 1, 64, true, 95, 80},
        {2, 1, 64, false, 95, 66},
        {3, 2, 64, true, 190, 80},
        {4, 2, 464, false, 190, 466}, // the row height of one row between 10 mm margins
    };
    for (const Row& row : rows) {
        TBarcode barcode = Ean13(row.modul, row.height);
        const QImage image =
            ComposeLabel(barcode, {.UpperOn = true, .Upper = "x", .LowerOn = row.lowerOn, .Lower = "y"});
        EXPECT_EQ(image.size(), QSize(row.width, row.labelHeight)) << "row " << row.line;
        EXPECT_EQ(image.format(), QImage::Format_RGB32) << "row " << row.line;
    }
}

TEST_F(LabelComposerTest, BarsFollowThePatternAndTheBandIsWhite)
{
    TBarcode barcode = Ean13(2);
    const QImage image = ComposeLabel(barcode, kNoCaptions);
    const std::vector<QRgb> columns = ExpectedColumns(barcode);
    ASSERT_EQ(static_cast<int>(columns.size()), image.width());
    // Row 0 up to the maker's mark, 8 pixels from the right edge, and the bars' bottom row 64.
    for (int y : {0, 64})
        for (int x = 0; x < image.width() - 8; ++x)
            ASSERT_EQ(image.pixel(x, y), columns[static_cast<std::size_t>(x)]) << "x " << x << " y " << y;
    EXPECT_EQ(FirstInk(image, 65), QPoint(-1, -1)); // nothing below the bars
    // The maker's mark covers the top right corner from 8 pixels before the edge.
    int hidden = 0;
    for (int x = image.width() - 8; x < image.width(); ++x)
        hidden += image.pixel(x, 0) != columns[static_cast<std::size_t>(x)] ? 1 : 0;
    EXPECT_GT(hidden, 0);
}

TEST_F(LabelComposerTest, WhiteStrokeCutsTheLastBarRowWithTheLowerCaptionOff)
{
    // Modul 5: EAN-13 ends in a one-module bar, 5 pixels wide (the right guard 101).
    TBarcode barcode = Ean13(5);
    const QImage image = ComposeLabel(barcode, kNoCaptions);
    const int w = image.width();
    ASSERT_EQ(image.height(), 66);
    struct Row {
        int line;
        int x;
        int y;
        QRgb colour;
    } rows[] = {
        {1, w - 5, 63, kRed},   // the stroke's end point is left out
        {2, w - 4, 63, kWhite}, // the stroke runs from the right edge on row H' - 3 = 63
        {3, w - 1, 63, kWhite}, // up to the last column
        {4, w - 4, 62, kRed},   // the rows around it keep the bar
        {5, w - 4, 64, kRed},   // (the bars' bottom row)
    };
    for (const Row& row : rows)
        EXPECT_EQ(image.pixel(row.x, row.y), row.colour) << "row " << row.line;
}

TEST_F(LabelComposerTest, CaptionsDrawOnlyWhenOnAndNotEmpty)
{
    const QPoint lowerInk = InkOffset("Description");
    struct Row {
        int line;
        TLabelCaptions captions;
        bool upperDrawn;
        bool lowerDrawn;
    } rows[] = {
        {1, {.UpperOn = true, .Upper = "WWW", .LowerOn = true, .Lower = "Description"}, true, true},
        {2, {.UpperOn = true, .Upper = "", .LowerOn = true, .Lower = ""}, false, false},
        {3, {.UpperOn = false, .Upper = "WWW", .LowerOn = true, .Lower = "Description"}, false, true},
        {4, {.UpperOn = true, .Upper = "WWW", .LowerOn = true, .Lower = ""}, true, false},
    };
    for (const Row& row : rows) {
        TBarcode barcode = Ean13();
        barcode.SetColor(kGreenSpaces); // so that the caption's white cell shows against every element
        const std::vector<QRgb> columns = ExpectedColumns(barcode, kGreen);
        const QImage image = ComposeLabel(barcode, row.captions);
        // The upper caption's cell starts at (28, 0) and hides the elements under it.
        EXPECT_EQ(image.pixel(27, 0), columns[27]) << "row " << row.line;
        int hidden = 0;
        for (int x = 28; x < 38; ++x)
            hidden += image.pixel(x, 0) != columns[static_cast<std::size_t>(x)] ? 1 : 0;
        EXPECT_EQ(hidden, row.upperDrawn ? 10 : 0) << "row " << row.line;
        // The lower caption's cell starts at (0, H + 2) = (0, 66): its ink lies where the same text's
        // ink lies in a cell at (0, 0), moved by that much.
        const QPoint ink = FirstInk(image, 65);
        EXPECT_EQ(ink, row.lowerDrawn ? lowerInk + QPoint(0, 66) : QPoint(-1, -1)) << "row " << row.line;
    }
}

TEST_F(LabelComposerTest, ErrorsPropagateWithTheirMessage)
{
    struct Row {
        int line;
        TBarcodeType typ;
        std::string text;
        int height;
        int modul;
        std::string message;
    } rows[] = {
        {1, bcCodeEAN13, "12a", 64, 1, "Barcode must be numeric"},
        {2, static_cast<TBarcodeType>(255), kEan13, 64, 1, "TBarcode: wrong BarcodeType"},
        // H' = -16 + 16: no rows to draw on.
        {3, bcCodeEAN13, kEan13, -16, 1, "Label image of 95 x 0 pixels is empty"},
        // 4655 x 20016 pixels is beyond the 64 Mi pixel limit.
        {4, bcCodeEAN13, kEan13, 20000, 49, "Label image of 4655 x 20016 pixels is too large"},
    };
    for (const Row& row : rows) {
        TBarcode barcode = Ean13(row.modul, row.height);
        barcode.SetTyp(row.typ);
        barcode.SetText(row.text);
        try {
            ComposeLabel(barcode, {});
            ADD_FAILURE() << "row " << row.line << ": no error";
        } catch (const Exception& e) {
            EXPECT_EQ(std::string(e.what()), row.message) << "row " << row.line;
        }
    }
}

TEST(PlaceForAngle, OriginFollowsTheQuadrantTable)
{
    // Width 95 (EAN-13 at modul 1), Height 64.
    struct Row {
        int line;
        double angle;
        int left;
        int top;
    } rows[] = {
        {1, 0, 0, 95},       {2, 90, 0, 95},   {3, 91, 95, 95},  {4, 180, 95, 95}, {5, 181, 95, 64},
        {6, 270, 95, 64},    {7, 271, 64, 64}, {8, 359, 64, 64}, {9, 360, 0, 95}, // a full turn is no turn
        {10, -30, 64, 64},   // turned clockwise: placed as 330
        {11, -90, 95, 64},   // as 270
        {12, 180.5, 95, 95}, // rounds to even: 180
        {13, 90.6, 95, 95},  // rounds to 91
        {14, 1e20, 64, 64},  // beyond 64-bit integers; 1e20 mod 360 is 280
    };
    for (const Row& row : rows) {
        TBarcode barcode = Ean13();
        barcode.SetLeft(-1);
        barcode.SetTop(-1);
        PlaceForAngle(barcode, row.angle);
        EXPECT_EQ(barcode.Angle(), row.angle) << "row " << row.line;
        EXPECT_EQ(barcode.Left(), row.left) << "row " << row.line;
        EXPECT_EQ(barcode.Top(), row.top) << "row " << row.line;
    }
}

TEST(PlaceForAngle, MeasuresTheWidthOnlyWhereThePlacementNeedsIt)
{
    TBarcode barcode = Ean13();
    barcode.SetText("12a");
    // 300 degrees places by the height alone: nothing is encoded, nothing raised.
    PlaceForAngle(barcode, 300);
    EXPECT_EQ(barcode.Left(), 64);
    try {
        PlaceForAngle(barcode, 45);
        ADD_FAILURE() << "no error";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Barcode must be numeric");
        EXPECT_EQ(barcode.Angle(), 45); // the angle is set before the width is asked for
    }
}

} // namespace
} // namespace quillon
