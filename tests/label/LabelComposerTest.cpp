// The label image: its size, the bars' pixels, captions, mark and stroke, errors, and turned placement.
#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <string>
#include <tuple>
#include <variant>
#include <vector>

#include "label/compose/FontSubstitutions.h"
#include "label/compose/LabelComposer.h"
#include "report/PainterCanvas.h"
#include "tests/support/ExpectMessage.h"

namespace quillon {
namespace {

using namespace std::literals;
using testing::MessageOf;

constexpr char kEan13[] = "6212236011840"; // the window's designed code
constexpr QRgb kWhite = 0xFFFFFFFF, kRed = 0xFFFF0000, kGreen = 0xFF00FF00;
const TLabelCaptions kNoCaptions{.UpperOn = false, .Upper = {}, .LowerOn = false, .Lower = {}};

// EAN-13 in red bars (red in the low byte of a colour).
TBarcode Ean13(int modul = 1, int heightPixels = 64)
{
    TBarcode barcode;
    barcode.SetModul(modul), barcode.SetRatio(1.0), barcode.SetHeight(heightPixels);
    barcode.SetCheckSumMethod(csmNone), barcode.SetColorBar(0x0000FF), barcode.SetText(kEan13);
    return barcode;
}

// One expected colour per pixel column: bars red, spaces white (or green).
std::vector<QRgb> ExpectedColumns(TBarcode& barcode, QRgb spaces = kWhite)
{
    std::vector<QRgb> columns;
    for (char c : barcode.BuildPattern()) {
        const TBarElement element = barcode.DecodeElement(c);
        columns.insert(columns.end(), std::size_t(element.Width), element.Kind == bekSpace ? spaces : kRed);
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

// With the lower caption off the image is Width x (Height + 2).
TEST(LabelComposer, BarsFollowThePatternUnderTheMarkAndTheStroke)
{
    TBarcode barcode = Ean13(5); // the last element, the right guard's one-module bar, is 5 pixels wide
    const QImage image = ComposeLabel(barcode, kNoCaptions);
    const std::vector<QRgb> columns = ExpectedColumns(barcode);
    const int w = image.width();
    ASSERT_EQ(std::pair(image.size(), image.format()),
              std::pair(QSize(int(columns.size()), 66), QImage::Format_RGB32));
    // Row 0 up to the maker's mark, 8 pixels from the right edge, and the bars' bottom row 64.
    for (int y : {0, 64})
        for (int x = 0; x < w - 8; ++x)
            ASSERT_EQ(image.pixel(x, y), columns[std::size_t(x)]) << "x " << x << " y " << y;
    EXPECT_EQ(FirstInk(image, 65), QPoint(-1, -1)); // nothing below the bars
    int hidden = 0; // the maker's mark covers the top right corner from 8 pixels before the edge
    for (int x = w - 8; x < w; ++x)
        hidden += image.pixel(x, 0) != columns[std::size_t(x)] ? 1 : 0;
    EXPECT_GT(hidden, 0);
    // The white stroke runs on row H' - 3 = 63 from the right edge, its end point left out; the rows
    // around it keep the bar.
    const std::tuple<int, int, QRgb> stroke[] = {
        {w - 5, 63, kRed}, {w - 4, 63, kWhite}, {w - 1, 63, kWhite}, {w - 4, 62, kRed}, {w - 4, 64, kRed}};
    for (int line = 1; const auto& [x, y, colour] : stroke)
        EXPECT_EQ(image.pixel(x, y), colour) << "stroke row " << line++;
}

TEST(LabelComposer, CaptionsDrawOnlyWhenOnAndNotEmpty)
{
    RegisterFontSubstitutions();
    // Where the lower caption's ink starts relative to the top-left corner of its cell, in the default font.
    QImage alone(200, 40, QImage::Format_RGB32);
    alone.fill(Qt::white);
    QPainter painter(&alone);
    TPainterCanvas(painter).TextOut({}, "Description");
    painter.end();
    const QPoint lowerInk = FirstInk(alone, 0);
    // Captions, upper drawn, lower drawn.
    const std::tuple<TLabelCaptions, bool, bool> rows[] = {
        {{.UpperOn = true, .Upper = "WWW", .LowerOn = true, .Lower = "Description"}, true, true},
        {{.UpperOn = true, .Upper = "", .LowerOn = true, .Lower = ""}, false, false},
        {{.UpperOn = false, .Upper = "WWW", .LowerOn = true, .Lower = "Description"}, false, true},
        {{.UpperOn = true, .Upper = "WWW", .LowerOn = true, .Lower = ""}, true, false},
    };
    for (int line = 1; const auto& [captions, upperDrawn, lowerDrawn] : rows) {
        TBarcode barcode = Ean13();
        barcode.SetColor(0x00FF00); // green spaces: the caption's white cell shows against every element
        const std::vector<QRgb> columns = ExpectedColumns(barcode, kGreen);
        const QImage image = ComposeLabel(barcode, captions);
        // With the lower caption on the image is Width x (Height + 16); the upper caption's cell starts at
        // (28, 0) and hides the elements under it.
        std::string hidden;
        for (int x = 27; x < 38; ++x)
            hidden += image.pixel(x, 0) != columns[std::size_t(x)] ? 'x' : '.';
        EXPECT_EQ(std::pair(image.size(), hidden),
                  std::pair(QSize(95, 80), upperDrawn ? ".xxxxxxxxxx"s : "..........."s))
            << "row " << line;
        // The lower caption's cell starts at (0, H + 2) = (0, 66).
        EXPECT_EQ(FirstInk(image, 65), lowerDrawn ? lowerInk + QPoint(0, 66) : QPoint(-1, -1))
            << "row " << line++;
    }
}

TEST(LabelComposer, ErrorsPropagateWithTheirMessage)
{
    // Type, text, height, modul, message.
    const std::tuple<TBarcodeType, std::string, int, int, std::string> rows[] = {
        {bcCodeEAN13, "12a", 64, 1, "Barcode must be numeric"},
        {static_cast<TBarcodeType>(255), kEan13, 64, 1, "TBarcode: wrong BarcodeType"},
        {bcCodeEAN13, kEan13, -16, 1, "Label image of 95 x 0 pixels is empty"}, // H' = -16 + 16
        // 4655 x 20016 pixels is beyond the 64 Mi pixel limit.
        {bcCodeEAN13, kEan13, 20000, 49, "Label image of 4655 x 20016 pixels is too large"},
    };
    for (int line = 1; const auto& [typ, text, height, modul, message] : rows) {
        TBarcode barcode = Ean13(modul, height);
        barcode.SetTyp(typ), barcode.SetText(text);
        EXPECT_EQ(MessageOf([&] { ComposeLabel(barcode, {}); }), message) << "row " << line++;
    }
}

// Upper caption, lower caption: on a narrow barcode the upper caption moves left of the mark, and a
// caption wider than the bars widens the label; neither is cut or covered.
constexpr std::tuple<const char*, const char*, bool> kNarrowCaptions[] = {
    {"Tea", "", false},                          // 1 fits at its designed place
    {"Green tea", "", false},                    // 2 moves left of the mark
    {"www.example.com/tea/green", "", true},     // 3 widens the label
    {"", "Green tea, 250 g, best before", true}, // 4 widens the label
};

TEST(LabelComposer, CaptionsAreNeverCutOrCoveredByTheMark)
{
    QFont face("MS Sans Serif");
    face.setPointSize(8);
    face.setStyleStrategy(QFont::NoAntialias);
    const QImage device(1, 1, QImage::Format_RGB32);
    const QFontMetrics metrics(face, &device);
    for (int no = 1; const auto& [upper, lower, wider] : kNarrowCaptions) {
        TBarcode barcode;
        barcode.SetTyp(bcCodeEAN8), barcode.SetHeight(40), barcode.SetText("1234567");
        const TLabelCaptions captions{.UpperOn = true, .Upper = upper, .LowerOn = true, .Lower = lower};
        const TLabelDrawing label = RecordLabel(barcode, captions);
        const int barsWidth = barcode.Width();
        // Composed both at once, for a list, the label is the same bitmap and the same drawing.
        const TLabelBitmapAndDrawing both = ComposeAndRecordLabel(barcode, captions);
        EXPECT_EQ(both.Bitmap, ComposeLabel(barcode, captions)) << "row " << no;
        EXPECT_EQ(both.Drawing.Size, label.Size) << "row " << no;
        EXPECT_EQ(both.Drawing.Calls.size(), label.Calls.size()) << "row " << no;
        const std::vector<TRecordedText> texts = [&] {
            std::vector<TRecordedText> all;
            for (const TRecordedCall& call : label.Calls)
                if (const auto* text = std::get_if<TRecordedText>(&call))
                    all.push_back(*text);
            return all;
        }();
        const TRecordedText& mark = texts.back();
        ASSERT_EQ(mark.Text, "Q") << "row " << no;
        EXPECT_EQ(label.Size.width() > barsWidth, wider) << "row " << no;
        for (const TRecordedText& text : texts) {
            if (&text == &mark)
                continue;
            const int right = text.TopLeft.X + metrics.horizontalAdvance(QString::fromStdString(text.Text));
            EXPECT_GE(text.TopLeft.X, 0) << "row " << no;
            EXPECT_LE(right, label.Size.width()) << "row " << no << ": cut";
            if (text.Text == upper) {
                EXPECT_LT(right, mark.TopLeft.X) << "row " << no << ": covered by the mark";
            }
        }
        ++no;
    }
}

TEST(PlaceForAngle, OriginFollowsTheQuadrantTable)
{
    // Angle, Left, Top at Width 95 (EAN-13 at modul 1) and Height 64. Row 9: a full turn is no turn; 10:
    // turned clockwise, placed as 330; 11: as 270; 12: rounds to even, 180; 13: rounds to 91; 14: beyond
    // 64-bit integers, 1e20 mod 360 is 280.
    const std::tuple<double, int, int> rows[] = {
        {0, 0, 95},    {90, 0, 95},     {91, 95, 95},   {180, 95, 95},  {181, 95, 64},
        {270, 95, 64}, {271, 64, 64},   {359, 64, 64},  {360, 0, 95},   {-30, 64, 64},
        {-90, 95, 64}, {180.5, 95, 95}, {90.6, 95, 95}, {1e20, 64, 64},
    };
    for (int line = 1; const auto& [angle, left, top] : rows) {
        TBarcode barcode = Ean13();
        barcode.SetLeft(-1), barcode.SetTop(-1);
        PlaceForAngle(barcode, angle);
        EXPECT_EQ(std::tuple(barcode.Angle(), barcode.Left(), barcode.Top()), std::tuple(angle, left, top))
            << "row " << line++;
    }
    // The width is measured only where the placement needs it: 300 degrees places by the height alone,
    // nothing is encoded and nothing raised; the angle is set before the width is asked for.
    TBarcode barcode = Ean13();
    barcode.SetText("12a");
    PlaceForAngle(barcode, 300);
    EXPECT_EQ(barcode.Left(), 64);
    EXPECT_EQ(MessageOf([&] { PlaceForAngle(barcode, 45); }), "Barcode must be numeric");
    EXPECT_EQ(barcode.Angle(), 45);
}

} // namespace
} // namespace quillon
