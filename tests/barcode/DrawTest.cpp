// Drawing a barcode on the recording canvas: corner points, colours, short bars, text lines, state.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "barcode/Barcode.h"
#include "barcode/RecordingCanvas.h"
#include "tests/support/ExpectMessage.h"

namespace quillon {
namespace {

using namespace std::literals;
using testing::MessageOf;

constexpr TColor kBarColor = 0x0000FF;   // red
constexpr TColor kSpaceColor = 0x00FF00; // green
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Setting {
    std::string pattern = "5";
    int modul = 2; // Code 128 B: Ratio unclamped, widths modul, 2 modul, 3 modul, 4 modul
    double angle = 0;
    int height = 10, left = 0, top = 0;
};

TBarcode Make(const Setting& s)
{
    TBarcode b;
    b.SetTyp(bcCode128B), b.SetModul(s.modul), b.SetAngle(s.angle), b.SetHeight(s.height);
    b.SetLeft(s.left), b.SetTop(s.top), b.SetColor(kSpaceColor), b.SetColorBar(kBarColor);
    b.ComputeModuleWidths();
    return b;
}

struct CornerRow {
    int row = 0;
    Setting setting;
    std::vector<TPoint> corners;
    TColor color = kBarColor;
};

// Rows 1, 2, 7-9: worked examples; 3-4: the rotation table (180: bars extend upward, 270: to the
// left); 5: 450 degrees turn as 90; 11: x' = round(x cos a + y sin a), y' = round(-x sin a + y cos a)
// by hand for 30 degrees.
const CornerRow kCornerRows[] = {
    {1, {}, {{0, 0}, {0, 10}, {1, 10}, {1, 0}}},
    {2, {.angle = 90}, {{0, 0}, {10, 0}, {10, -1}, {0, -1}}},
    {3, {.angle = 180}, {{0, 0}, {0, -10}, {-1, -10}, {-1, 0}}},
    {4, {.angle = 270}, {{0, 0}, {-10, 0}, {-10, 1}, {0, 1}}},
    {5, {.angle = 450}, {{0, 0}, {10, 0}, {10, -1}, {0, -1}}},
    {6, {.angle = kNaN}, {{0, 0}, {0, 10}, {1, 10}, {1, 0}}}, // no direction: unrotated
    {7, {.pattern = "A", .modul = 1, .height = 64}, {{0, 0}, {0, 25}, {0, 25}, {0, 0}}},
    {8, {.pattern = "A", .modul = 1, .height = 4}, {{0, 0}, {0, 1}, {0, 1}, {0, 0}}},
    {9, {.pattern = "0"}, {{0, 0}, {0, 10}, {1, 10}, {1, 0}}, kSpaceColor},
    {10, {.left = 100, .top = 50}, {{100, 50}, {100, 60}, {101, 60}, {101, 50}}},
    {11, {.modul = 3, .angle = 30}, {{0, 0}, {5, 9}, {7, 8}, {2, -1}}},
    // Far-off coordinates clamp to the 32-bit range instead of overflowing.
    {12, {.left = kMax, .top = kMin}, {{kMax, kMin}, {kMax, kMin + 10}, {kMax, kMin + 10}, {kMax, kMin}}},
    {13, {.pattern = "A", .modul = 1, .height = kMax}, {{0, 0}, {0, 858993458}, {0, 858993458}, {0, 0}}},
};

TEST(Draw, BarCornersFollowAngleHeightAndOrigin)
{
    for (const CornerRow& row : kCornerRows) {
        TBarcode b = Make(row.setting);
        TRecordingCanvas canvas;
        canvas.SetPenWidth(5);
        b.DrawBars(row.setting.pattern, canvas);
        const auto polygons = canvas.Polygons();
        ASSERT_EQ(polygons.size(), 1u) << "row " << row.row;
        const TRecordedPolygon& p = polygons[0];
        EXPECT_EQ(std::tuple(std::vector<TPoint>(p.Points.begin(), p.Points.end()), p.Pen.Color,
                             p.Brush.Color, p.Pen.Width),
                  std::tuple(row.corners, row.color, row.color, 1))
            << "row " << row.row;
    }
}

// Left 3, Top 5, Height 64: the code line at (13, 59), the type name at (3, 19).
using TextLines = std::vector<std::pair<std::string, TPoint>>;
const std::pair<TBarcodeOption, TextLines> kTextRows[] = {
    {bcoNone, {}},
    {bcoCode, {{"* 4711 *", {13, 59}}}},
    {bcoTyp, {{"EAN13", {3, 19}}}},
    {bcoBoth, {{"* 4711 *", {13, 59}}, {"EAN13", {3, 19}}}},
};

TEST(Draw, TextLinesFollowShowText)
{
    for (int no = 1; const auto& [show, lines] : kTextRows) {
        TBarcode b = Make({.height = 64, .left = 3, .top = 5});
        b.SetTyp(bcCodeEAN13), b.SetText("4711"), b.SetShowText(show);
        TRecordingCanvas canvas;
        canvas.SetFont({.Name = "Arial", .Size = 12, .Color = kBarColor});
        canvas.SetBrush({.Color = 0, .Style = bsClear});
        b.DrawBarText(canvas);
        TextLines drawn;
        for (const TRecordedText& text : canvas.Texts()) {
            drawn.emplace_back(text.Text, text.TopLeft);
            // Size 4 and a white brush; face, colour and brush style stay the canvas's.
            EXPECT_EQ(std::pair(text.Font, text.Brush),
                      std::pair(TFont{.Name = "Arial", .Size = 4, .Color = kBarColor},
                                TBrush{.Color = 0xFFFFFF, .Style = bsClear}));
        }
        EXPECT_EQ(drawn, lines) << "row " << no++;
    }
}

TEST(Draw, DrawRestoresTheCanvasAndShowsTheTrimmedText)
{
    TBarcode b = Make({.height = 20});
    b.SetTyp(bcCodePostNet), b.SetText(" 1 "), b.SetShowText(bcoBoth);
    TRecordingCanvas canvas;
    canvas.SetFont({.Name = "Arial", .Size = 12, .Color = 0x123456});
    canvas.SetPen({.Color = 0x00FF00, .Width = 3, .Mode = pmWhite});
    canvas.SetBrush({.Color = 0xFF0000, .Style = bsClear});
    const TRecordingCanvas before = canvas;
    b.Draw(canvas);
    EXPECT_EQ(std::tuple(canvas.Font(), canvas.Pen(), canvas.Brush()),
              std::tuple(before.Font(), before.Pen(), before.Brush()));
    EXPECT_EQ(canvas.Polygons().size(), 13u); // frame bar, space, five bars on spaces, frame bar
    const auto texts = canvas.Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(std::pair(texts[0].Text, texts[1].Text), std::pair("* 1 *"s, "PostNet"s));
}

TEST(Draw, EncodingErrorsDrawNothingAndABadElementStopsTheBars)
{
    TBarcode b = Make({});
    b.SetShowText(bcoBoth);
    TRecordingCanvas canvas;
    b.SetTyp(static_cast<TBarcodeType>(255));
    EXPECT_EQ(MessageOf([&] { b.Draw(canvas); }), "TBarcode: wrong BarcodeType");
    b.SetTyp(bcCodeEAN8), b.SetText("12a");
    EXPECT_EQ(MessageOf([&] { b.Draw(canvas); }), "Barcode must be numeric");
    b.DrawBars("", canvas);
    EXPECT_TRUE(canvas.Calls().empty());
    EXPECT_EQ(MessageOf([&] { b.DrawBars("55E5", canvas); }), "TBarcode: internal Error");
    EXPECT_EQ(canvas.Polygons().size(), 2u); // the elements before the bad one
}

} // namespace
} // namespace quillon
