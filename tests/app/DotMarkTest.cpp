// The corner logo's dot centres and how DrawDotMark paints them.
#include "app/DotMark.h"

#include <climits>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

#include "barcode/RecordingCanvas.h"

namespace quillon {
namespace {

using Centres = std::array<TPoint, 8>; // P3, V4, V3, V2, V1, C, P1, P2

struct CentresRow {
    int No, Angle;
    Centres Expected;
};

// x0 = 40, y0 = 50, R = 4, as the blink timer draws it; worked by hand from the formulas with
// sin 30° = 1/2, cos 30° = 0.8660 (2R·cos = 6.928), sin 45° = cos 45° = 0.7071 (2R·sin = 5.657).
const Centres kUpright{{{48, 18}, {40, 18}, {40, 26}, {40, 34}, {40, 42}, {40, 50}, {48, 50}, {48, 34}}};
const Centres kTurned30{{{31, 18}, {24, 22}, {28, 29}, {32, 36}, {36, 43}, {40, 50}, {47, 46}, {39, 32}}};
const Centres kTurnedMinus30{
    {{63, 26}, {56, 22}, {52, 29}, {48, 36}, {44, 43}, {40, 50}, {47, 54}, {55, 40}}};
const CentresRow kCentresRows[] = {
    {1, 0, kUpright},
    {2, 360, kUpright},       // 360 mod 360 = 0
    {3, 30, kTurned30},       // column leans left: counter-clockwise
    {4, -30, kTurnedMinus30}, // the mirror turn, clockwise
    {5, 390, kTurned30},      // 390 mod 360 = 30
    {6, -330, kTurned30},     // remainder -330 keeps its sign, same direction as 30
    {7, 90, {{{8, 42}, {8, 50}, {16, 50}, {24, 50}, {32, 50}, {40, 50}, {40, 42}, {24, 42}}}},
    // P2 and P3 start from the rounded V2 (29, 39) and V4 (17, 27): unrounded they would be
    // (34, 33) and (23, 22).
    {8, 45, {{{23, 21}, {17, 27}, {23, 33}, {29, 39}, {34, 44}, {40, 50}, {46, 44}, {35, 33}}}},
};

TEST(DotMark, CentresFollowTheTurnInDrawingOrder)
{
    for (const CentresRow& row : kCentresRows)
        EXPECT_EQ(DotMarkCentres(40, 50, 4, row.Angle), row.Expected) << "row " << row.No;
}

TEST(DotMark, ExtremeArgumentsStayInRange)
{
    EXPECT_EQ(DotMarkCentres(INT_MAX, INT_MIN, INT_MAX, INT_MIN)[5], (TPoint{INT_MAX, INT_MIN})); // C
    TRecordingCanvas canvas;
    DrawDotMark(canvas, INT_MAX, INT_MIN, INT_MAX, 45, 0, 0);
    EXPECT_EQ(canvas.Ellipses()[10].BottomRight, (TPoint{INT_MAX, -1})); // C's disc, clamped
}

// One painted ellipse: its box, pen colour and brush.
struct Disc {
    TPoint TopLeft, BottomRight;
    TColor Pen = 0;
    TBrush Brush;
    bool operator==(const Disc&) const = default;
};

// R and q = R div 4, truncating toward zero.
constexpr std::pair<int, int> kQuarterRows[] = {{4, 1}, {3, 0}, {7, 1}, {8, 2}, {-5, -1}};

TEST(DotMark, EachDotIsAnOuterDiscWithAnInnerDot)
{
    constexpr TColor kBlue = 0xFF0000, kYellow = 0x00FFFF;
    for (const auto& [r, q] : kQuarterRows) {
        std::vector<Disc> expected;
        for (const TPoint c : DotMarkCentres(40, 50, r, 0)) {
            expected.push_back({{c.X - r, c.Y - r}, {c.X + r, c.Y + r}, kBlue, {kBlue, bsSolid}});
            expected.push_back({{c.X - q, c.Y - q}, {c.X + q, c.Y + q}, kYellow, {kYellow, bsSolid}});
        }
        TRecordingCanvas canvas;
        canvas.SetBrushStyle(bsClear); // the dots are filled whatever the brush was
        DrawDotMark(canvas, 40, 50, r, 0, kBlue, kYellow);
        std::vector<Disc> painted;
        for (const TRecordedEllipse& e : canvas.Ellipses())
            painted.push_back({e.TopLeft, e.BottomRight, e.Pen.Color, e.Brush});
        EXPECT_EQ(painted, expected) << "R = " << r;
    }
}

} // namespace
} // namespace quillon
