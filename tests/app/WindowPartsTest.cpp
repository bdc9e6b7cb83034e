// The window drag arithmetic, the blink counter, the colour-key window mask and the corner logo's dots.
#include <QPainter>
#include <array>
#include <climits>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "app/BlinkTimer.h"
#include "app/ColorKey.h"
#include "app/DotMark.h"
#include "app/WindowDrag.h"
#include "barcode/RecordingCanvas.h"

namespace quillon {
namespace {

// Worked from the drag rules: a press keeps an earlier point unless that point's x is 0.
struct PressRow {
    int No;
    std::vector<QPoint> Presses;
    QPoint Stored;
} const kPressRows[] = {
    {1, {{10, 20}, {30, 40}}, {10, 20}}, // a drag under way keeps its point
    {2, {{0, 5}, {12, 7}}, {12, 7}},     // x = 0 counts as no drag: the next press overwrites
    {3, {{-3, 4}, {12, 7}}, {-3, 4}},    // any other x, negative too, is a drag
};

TEST(WindowDrag, PressStoresThePointOnlyWhenNoDragIsUnderWay)
{
    for (const PressRow& row : kPressRows) {
        TWindowDrag drag;
        for (const QPoint p : row.Presses)
            drag.Press(p.x(), p.y());
        EXPECT_EQ(QPoint(drag.DragStartX(), drag.DragStartY()), row.Stored) << "row " << row.No;
        drag.Release();
        drag.Press(30, 40); // a release ends any drag
        EXPECT_EQ(QPoint(drag.DragStartX(), drag.DragStartY()), QPoint(30, 40)) << "row " << row.No;
    }
}

struct MoveRow {
    int No;
    QPoint Press;
    bool LeftDown;
    QPoint Pointer, Window, Expected;
} const kMoveRows[] = {
    {1, {10, 20}, true, {15, 27}, {156, 110}, {161, 117}}, // the grabbed point follows the pointer
    {2, {10, 20}, true, {4, 2}, {156, 110}, {150, 92}},
    {3, {10, 20}, false, {15, 27}, {156, 110}, {156, 110}}, // no left button: no move
    {4, {0, 5}, true, {30, 9}, {156, 110}, {186, 114}},     // x = 0: the left edge follows
    {5, {1, 1}, true, {INT_MAX, INT_MIN}, {INT_MAX, INT_MIN}, {INT_MAX, INT_MIN}}, // clamped
};

TEST(WindowDrag, MoveKeepsTheGrabbedPointUnderThePointer)
{
    for (const MoveRow& row : kMoveRows) {
        TWindowDrag drag;
        drag.Press(row.Press.x(), row.Press.y());
        EXPECT_EQ(drag.Move(row.LeftDown, row.Pointer.x(), row.Pointer.y(), row.Window), row.Expected)
            << "row " << row.No;
    }
}

TEST(BlinkCounter, TicksAlternateBeginningWithEven)
{
    TBlinkCounter counter;
    EXPECT_EQ(counter.BlinkCount(), 1);
    for (int tick = 1; tick <= 6; ++tick) {
        const bool even = tick % 2 == 1; // the counter runs 2, 3 -> 1, 2, 3 -> 1, ...
        EXPECT_EQ(counter.Tick(), even ? TBlinkPhase::Even : TBlinkPhase::Odd) << "tick " << tick;
        EXPECT_EQ(counter.BlinkCount(), even ? 2 : 1) << "tick " << tick;
    }
}

// "M" exactly maroon, "m" one step off maroon, "F" fuchsia, "." white.
QImage ImageFromArt(const std::vector<std::string>& art, QImage::Format format)
{
    QImage image(static_cast<int>(art[0].size()), static_cast<int>(art.size()), format);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const char c = art[y][x];
            const QRgb fuchsiaOrWhite = c == 'F' ? qRgb(255, 0, 255) : qRgb(255, 255, 255);
            image.setPixel(x, y, c == 'M' ? kColorKey : c == 'm' ? qRgb(129, 0, 0) : fuchsiaOrWhite);
        }
    return image;
}

struct KeyRow {
    int No;
    QImage::Format Format;
    std::vector<std::string> Art;
} const kKeyRows[] = {
    {1, QImage::Format_RGB32, {"MMMM", "MMMM"}},                        // all key: nothing shows
    {2, QImage::Format_RGB32, {"....", "FFFF"}},                        // no key: everything shows
    {3, QImage::Format_RGB32, {"MFFM", "F..m", "MMMF"}},                // only exact maroon is cut
    {4, QImage::Format_ARGB32_Premultiplied, {"MFFM", "F..m", "MMMF"}}, // any grab format
};

TEST(ColorKey, RegionIsEveryPixelNotExactlyMaroon)
{
    for (const KeyRow& row : kKeyRows) {
        const QRegion region = ColorKeyRegion(ImageFromArt(row.Art, row.Format));
        for (int y = 0; y < static_cast<int>(row.Art.size()); ++y)
            for (int x = 0; x < static_cast<int>(row.Art[0].size()); ++x)
                EXPECT_EQ(region.contains(QPoint(x, y)), row.Art[y][x] != 'M')
                    << "row " << row.No << " pixel " << x << "," << y;
    }
    EXPECT_TRUE(ColorKeyRegion(QImage()).isEmpty());

    QImage window(763, 461, QImage::Format_RGB32); // the designed window with only its deck shown
    window.fill(kColorKey);
    QPainter(&window).fillRect(QRect(8, 0, 569, 100), Qt::magenta);
    EXPECT_EQ(ColorKeyRegion(window), QRegion(8, 0, 569, 100));
}

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
