// TProLabel: setter rules, presets, placement arithmetic, pass order, events, renders.
#include "controls/ProLabel.h"

#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QPainter>
#include <climits>
#include <gtest/gtest.h>
#include <stdexcept>
#include <tuple>

#include "tests/support/ExpectMessage.h"

namespace quillon {
namespace {

// Counts repaint requests, so that "nothing happens" can be seen.
class CountingLabel : public TProLabel {
public:
    int Invalidations = 0;

protected:
    void Invalidate() override { ++Invalidations, TProLabel::Invalidate(); }
};

// Angle set, angle stored. Rows 1-3: worked edge cases (360 from 0 changes nothing at all); 4-5:
// -2147483648 = -5965233 x 360 + 232 and 2147483647 = 5965232 x 360 + 127.
constexpr std::pair<int, int> AngleRows[] = {{-90, 270}, {725, 5}, {360, 0}, {INT_MIN, 232}, {INT_MAX, 127}};

TEST(ProLabel, AngleIsNormalisedAndTurnsAutoSizeOffButOnlyPositiveOffsetsDo)
{
    for (int no = 1; const auto& [set, stored] : AngleRows) {
        CountingLabel label;
        label.SetAngle(set);
        EXPECT_EQ(std::tuple(label.Angle(), label.AutoSize(), label.Invalidations > 0),
                  std::tuple(stored, stored == 0, stored != 0))
            << "row " << no++;
    }
    TProLabel label;
    label.SetOffsetX(-2), label.SetOffsetY(-2);
    EXPECT_TRUE(label.AutoSize());
    label.SetOffsetX(3);
    EXPECT_FALSE(label.AutoSize());
    label.resize(40, 30);
    EXPECT_EQ(label.TextRect(), (PixelRect{3, -2, 43, 28})); // the client rectangle moved by the offsets
}

// Each setter with the value an ssRaised label already has, and another one.
using Setter = void (*)(TProLabel&, std::int64_t);
const std::tuple<Setter, std::int64_t, std::int64_t> ShadowSetterRows[] = {
    {[](TProLabel& l, auto v) { l.SetHighlightDirection(TDirection(v)); }, drUpLeft, drUp},
    {[](TProLabel& l, auto v) { l.SetHighlightDepth(int(v)); }, 1, -4},
    {[](TProLabel& l, auto v) { l.SetHighlightColor(TColor(v)); }, clBtnHighlight, 0xFF},
    {[](TProLabel& l, auto v) { l.SetShadowDirection(TDirection(v)); }, drNone, drLeft},
    {[](TProLabel& l, auto v) { l.SetShadowDepth(int(v)); }, 0, 3},
    {[](TProLabel& l, auto v) { l.SetShadowSize(int(v)); }, 0, 2}, // worked edge case
    {[](TProLabel& l, auto v) { l.SetShadowColor(TColor(v)); }, clBtnShadow, 0},
};

TEST(ProLabel, OnlyAChangedShadowValueMakesTheStyleCustom)
{
    for (int no = 1; const auto& [set, same, other] : ShadowSetterRows) {
        CountingLabel label;
        label.SetShadowStyle(ssRaised);
        label.Invalidations = 0;
        set(label, same);
        const auto unchanged = std::pair(label.ShadowStyle(), label.Invalidations);
        set(label, other);
        EXPECT_EQ(std::tuple(unchanged, label.ShadowStyle(), label.Invalidations),
                  std::tuple(std::pair(ssRaised, 0), ssCustom, 1))
            << "row " << no++;
    }
}

// A preset sets every shadow value it names, whatever the label held before, and reads back as itself.
using TShadowValues = std::tuple<TShadowStyle, TDirection, int, TDirection, int, int, TColor>;
TShadowValues ShadowValuesOf(const TProLabel& label)
{
    return {label.ShadowStyle(),     label.HighlightDirection(), label.HighlightDepth(),
            label.ShadowDirection(), int{label.ShadowDepth()},   int{label.ShadowSize()},
            label.FontColor()};
}

TEST(ProLabel, PresetsSetTheirRowCustomSetsNothingAndLoadingKeepsThePreset)
{
    for (int style = ssNone; style <= ssThickShadow; ++style) {
        const auto preset = static_cast<TShadowStyle>(style);
        if (preset == ssCustom)
            continue; // sets nothing: below
        TProLabel fresh;
        fresh.SetShadowStyle(preset);
        TProLabel scrambled;
        scrambled.SetFontColor(0x123456);
        scrambled.SetHighlightDirection(drLeft), scrambled.SetHighlightDepth(7),
            scrambled.SetHighlightColor(1);
        scrambled.SetShadowDirection(drUp), scrambled.SetShadowDepth(9), scrambled.SetShadowSize(3),
            scrambled.SetShadowColor(2);
        scrambled.SetShadowStyle(preset);
        TShadowValues expected = ShadowValuesOf(fresh);
        if (std::get<6>(expected) != clBtnFace)
            std::get<6>(expected) = 0x123456; // only the colour presets choose the font colour
        EXPECT_EQ(ShadowValuesOf(scrambled), expected) << "style " << style;
        EXPECT_EQ(scrambled.ShadowStyle(), preset) << "style " << style;
    }
    CountingLabel label;
    label.SetShadowStyle(ssRaisedThickShadow);
    label.Invalidations = 0;
    label.SetShadowStyle(ssCustom);
    EXPECT_EQ(std::pair(int{label.ShadowSize()}, label.Invalidations), std::pair(4, 0));
    // The About panel's caption as loaded (highlight, preset, matching shadow values), then blinking.
    TProLabel loaded;
    loaded.SetHighlightDirection(drDownRight), loaded.SetHighlightDepth(1);
    loaded.SetShadowStyle(ssRecessedColor);
    loaded.SetShadowDirection(drUpLeft), loaded.SetShadowDepth(1), loaded.SetShadowSize(1);
    EXPECT_EQ(loaded.ShadowStyle(), ssRecessedColor);
    loaded.SetShadowStyle(ssRaisedShadow); // worked edge case: the button-face colour stays
    EXPECT_EQ(std::pair(loaded.ShadowDirection(), loaded.FontColor()), std::pair(drDownRight, clBtnFace));
}

TEST(ProLabel, DepthAndSizeStayInTheirRangeAndACastStyleIsRefusedByName)
{
    TProLabel label;
    label.SetShadowDepth(5000), label.SetShadowSize(70000);
    EXPECT_EQ(std::pair(int{label.ShadowDepth()}, int{label.ShadowSize()}),
              std::pair(MaxShadowDepth, MaxShadowSize));
    label.SetShadowDepth(-3);
    EXPECT_EQ(label.ShadowDepth(), 0);
    label.SetShadowStyle(ssShadow);
    const auto setCast = [&] { label.SetShadowStyle(static_cast<TShadowStyle>(11)); };
    EXPECT_EQ(testing::MessageOf<std::invalid_argument>(setCast), "TProLabel: bad ShadowStyle 11");
    EXPECT_EQ(label.ShadowStyle(), ssShadow);
}

// A caption of w x h pixels turned in a label: its box, whose top-left corner is the reference point.
struct TurnRow {
    int No, Angle, TextWidth, TextHeight;
    PixelSize Label;
    TAlignment Horizontal;
    TVerticalAlignment Vertical;
    PixelRect Box;
};
// Rows 1-8: from turning the corners about the top-left one; row 1 shows the truncation, 100 x sin 30
// degrees being 49.99999999999999 in double. Rows 9-12: at 90 degrees in the About panel's 33 x 105
// caption the box is h wide and w high, its reference point at its bottom-left.
constexpr TurnRow TurnRows[] = {
    {1, 30, 100, 20, {500, 500}, taLeftJustify, vaTop, {0, 49, 95, 115}},
    {2, 45, 100, 20, {500, 500}, taLeftJustify, vaTop, {0, 70, 84, 154}},
    {3, 90, 100, 20, {500, 500}, taLeftJustify, vaTop, {0, 100, 20, 200}},
    {4, 135, 100, 20, {500, 500}, taLeftJustify, vaTop, {70, 84, 154, 168}},
    {5, 180, 100, 20, {500, 500}, taLeftJustify, vaTop, {100, 20, 200, 40}},
    {6, 225, 100, 20, {500, 500}, taLeftJustify, vaTop, {84, 14, 168, 98}},
    {7, 270, 100, 20, {500, 500}, taLeftJustify, vaTop, {20, 0, 40, 100}},
    {8, 315, 100, 20, {500, 500}, taLeftJustify, vaTop, {14, 0, 98, 84}},
    {9, 90, 100, 20, {33, 105}, taCenter, vaCenter, {6, 102, 26, 202}}, // (33 - 20) / 2, (105 - 100) / 2
    {10, 90, 100, 20, {33, 105}, taRightJustify, vaBottom, {13, 105, 33, 205}},
    {11, 90, 200, 40, {33, 105}, taCenter, vaCenter, {0, 105, 33, 210}}, // limited, then aligned
    {12, 90, 200, 40, {33, 105}, taRightJustify, vaBottom, {0, 105, 33, 210}},
};

TEST(ProLabel, TurnedCaptionFillsItsAlignedBoxFromTheReferencePoint)
{
    for (const TurnRow& row : TurnRows) {
        const TurnedAngle angle = TurnAngle(row.Angle);
        const TurnedTextBox box = MeasureTurnedText({row.TextWidth, row.TextHeight}, angle);
        EXPECT_EQ(PlaceTurnedText(box, angle, row.Label, row.Horizontal, row.Vertical), row.Box)
            << "row " << row.No;
    }
}

// Text height, alignment, top and bottom in a 50 x 40 label.
constexpr std::tuple<int, TVerticalAlignment, std::int64_t, std::int64_t> LevelRows[] = {
    {20, vaTop, 0, 40},      // 1 the client rectangle
    {20, vaCenter, 10, 30},  // 2 (40 - 20) / 2
    {20, vaBottom, 20, 40},  // 3
    {55, vaCenter, -8, 47},  // 4 -15 / 2 rounded down: 8 over the top, 7 below
    {55, vaBottom, -15, 40}, // 5
};

TEST(ProLabel, LevelCaptionIsPlacedVertically)
{
    for (int no = 1; const auto& [height, vertical, top, bottom] : LevelRows)
        EXPECT_EQ(PlaceLevelText(height, {50, 40}, vertical), (PixelRect{0, top, 50, bottom}))
            << "row " << no++;
}

TEST(ProLabel, PassesStackShadowsThenHighlightThenText)
{
    const auto shadow = [](int step) { return TextPass{step, step, clBtnShadow}; };
    const auto highlight = [](int step) { return TextPass{step, step, clBtnHighlight}; };
    const auto text = [](TColor color) { return TextPass{.Color = color}; };
    TProLabel label;
    EXPECT_EQ(label.TextPasses(), (std::vector{text(clWindowText)}));
    label.SetShadowStyle(ssRaisedThickShadow); // worked example
    EXPECT_EQ(label.TextPasses(),
              (std::vector{shadow(1), shadow(2), shadow(3), shadow(4), highlight(-1), text(clWindowText)}));
    label.SetShadowStyle(ssRecessedColor); // worked example
    EXPECT_EQ(label.TextPasses(), (std::vector{shadow(-1), highlight(1), text(clBtnFace)}));
    label.SetShadowStyle(ssShadow); // the highlight still runs, at depth 0
    EXPECT_EQ(label.TextPasses(), (std::vector{shadow(2), highlight(0), text(clBtnFace)}));
    label.SetShadowSize(0); // no shadow copy whatever the depth
    EXPECT_EQ(label.TextPasses(), (std::vector{highlight(0), text(clBtnFace)}));
    label.SetEnabled(false);
    EXPECT_EQ(label.TextPasses(), (std::vector{highlight(1), text(clBtnShadow)}));
}

TEST(ProLabel, MouseEnterAndLeaveReachTheirEvents)
{
    TProLabel label;
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&label, &enter); // no event assigned: nothing happens
    std::string seen;
    label.SetOnMouseEnter([&](TProLabel& sender) { seen += &sender == &label ? "enter " : "? "; });
    label.SetOnMouseLeave([&](TProLabel& sender) { seen += &sender == &label ? "leave" : "?"; });
    QApplication::sendEvent(&label, &enter), QApplication::sendEvent(&label, &leave);
    EXPECT_EQ(seen, "enter leave");
}

// Every preset, level and turned, draws over what lies beneath a transparent label; extreme depths and
// offsets paint without overflowing.
TEST(ProLabel, EveryPresetRendersAndExtremesDoNotOverflow)
{
    TProLabel label;
    label.SetCaption(QStringLiteral("Quillon"));
    label.SetAutoSize(false), label.resize(120, 120), label.SetTransparent(true);
    label.SetFontColor(0), label.SetVerticalAlignment(vaCenter);
    QImage magenta(120, 120, QImage::Format_ARGB32);
    magenta.fill(Qt::magenta);
    const auto render = [&] {
        QImage image = magenta;
        QPainter canvas(&image); // painted directly: render() would lay a window background first
        label.Paint(canvas);
        canvas.end();
        return image;
    };
    for (const int angle : {0, 90})
        for (int style = ssNone; style <= ssThickShadow; ++style) {
            label.SetAngle(angle), label.SetShadowStyle(static_cast<TShadowStyle>(style));
            EXPECT_NE(render(), magenta) << "style " << style << " angle " << angle;
        }
    label.SetShadowSize(0), label.SetHighlightDirection(drUpLeft), label.SetHighlightDepth(INT_MIN);
    label.SetOffsetX(INT_MAX), label.SetOffsetY(INT_MIN);
    EXPECT_EQ(label.TextPasses().front().Dx, 2147483648LL);
    render();
}

} // namespace
} // namespace quillon
