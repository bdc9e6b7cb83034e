// The window drag arithmetic, the blink counter and the colour-key window mask.
#include <QPainter>
#include <climits>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "app/BlinkTimer.h"
#include "app/ColorKey.h"
#include "app/WindowDrag.h"

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

} // namespace
} // namespace quillon
