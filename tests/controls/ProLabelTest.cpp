// TProLabel: setter rules, presets, placement arithmetic, pass order, colours, events, renders.
#include "controls/ProLabel.h"

#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QPainter>
#include <climits>
#include <gtest/gtest.h>
#include <stdexcept>
#include <tuple>

namespace quillon {
namespace {

// Counts repaint requests, so that "nothing happens" can be seen.
class CountingLabel : public TProLabel {
public:
    int Invalidations = 0;

protected:
    void Invalidate() override { ++Invalidations, TProLabel::Invalidate(); }
};

struct AngleRow {
    int No, Set, Stored;
};
constexpr AngleRow AngleRows[] = {
    {1, -90, 270},      // worked edge case
    {2, 725, 5},        // worked edge case
    {3, 360, 0},        // worked edge case: from 0, no change at all
    {4, INT_MIN, 232},  // -2147483648 = -5965233 x 360 + 232
    {5, INT_MAX, 127},  // 2147483647 = 5965232 x 360 + 127
};

TEST(ProLabel, AngleIsNormalisedAndTurnsAutoSizeOff)
{
    for (const AngleRow& row : AngleRows) {
        CountingLabel label;
        label.SetAngle(row.Set);
        EXPECT_EQ(label.Angle(), row.Stored) << "row " << row.No;
        EXPECT_EQ(label.AutoSize(), row.Stored == 0) << "row " << row.No;
        EXPECT_EQ(label.Invalidations > 0, row.Stored != 0) << "row " << row.No;
    }
}

TEST(ProLabel, OnlyPositiveOffsetsTurnAutoSizeOff)
{
    TProLabel label;
    label.SetOffsetX(-2), label.SetOffsetY(-2);
    EXPECT_TRUE(label.AutoSize());
    label.SetOffsetY(3);
    EXPECT_FALSE(label.AutoSize());
}

// Each setter given first the value an ssRaised label already has, then another one.
using Setter = void (*)(TProLabel&);
const std::pair<Setter, Setter> ShadowSetterRows[] = {
    {[](TProLabel& l) { l.SetHighlightDirection(drUpLeft); }, [](TProLabel& l) { l.SetHighlightDirection(drUp); }},
    {[](TProLabel& l) { l.SetHighlightDepth(1); }, [](TProLabel& l) { l.SetHighlightDepth(-4); }},
    {[](TProLabel& l) { l.SetHighlightColor(clBtnHighlight); }, [](TProLabel& l) { l.SetHighlightColor(0xFF); }},
    {[](TProLabel& l) { l.SetShadowDirection(drNone); }, [](TProLabel& l) { l.SetShadowDirection(drLeft); }},
    {[](TProLabel& l) { l.SetShadowDepth(0); }, [](TProLabel& l) { l.SetShadowDepth(3); }},
    {[](TProLabel& l) { l.SetShadowSize(0); }, [](TProLabel& l) { l.SetShadowSize(2); }},
    {[](TProLabel& l) { l.SetShadowColor(clBtnShadow); }, [](TProLabel& l) { l.SetShadowColor(0); }},
};

TEST(ProLabel, OnlyAChangedShadowValueMakesTheStyleCustom)
{
    int no = 0;
    for (const auto& [setSame, setOther] : ShadowSetterRows) {
        CountingLabel label;
        label.SetShadowStyle(ssRaised);
        label.Invalidations = 0;
        setSame(label);
        EXPECT_EQ(label.ShadowStyle(), ssRaised) << "row " << ++no;
        EXPECT_EQ(label.Invalidations, 0) << "row " << no;
        setOther(label);
        EXPECT_EQ(label.ShadowStyle(), ssCustom) << "row " << no;
        EXPECT_EQ(label.Invalidations, 1) << "row " << no;
    }
}

struct PresetRow {
    TShadowStyle Style;
    TDirection HighlightDirection;
    int HighlightDepth;
    TDirection ShadowDirection;
    int ShadowDepth, ShadowSize;
    TColor FontColor;
};
constexpr TColor Scrambled = 0x123456;
// The preset table of the shadow styles; fonts start in the Scrambled colour.
constexpr PresetRow PresetRows[] = {
    {ssNone, drNone, 0, drNone, 0, 0, Scrambled},
    {ssRaised, drUpLeft, 1, drNone, 0, 0, Scrambled},
    {ssRaisedColor, drUpLeft, 1, drDownRight, 1, 1, clBtnFace},
    {ssRaisedShadow, drUpLeft, 1, drDownRight, 1, 1, Scrambled},
    {ssRaisedThickShadow, drUpLeft, 1, drDownRight, 1, 4, Scrambled},
    {ssRecessed, drDownRight, 1, drNone, 0, 0, Scrambled},
    {ssRecessedColor, drDownRight, 1, drUpLeft, 1, 1, clBtnFace},
    {ssRecessedShadow, drDownRight, 1, drUpLeft, 1, 1, Scrambled},
    {ssShadow, drNone, 0, drDownRight, 2, 1, Scrambled},
    {ssThickShadow, drNone, 0, drDownRight, 1, 4, Scrambled},
};

TEST(ProLabel, PresetsSetTheirRow)
{
    for (const PresetRow& row : PresetRows) {
        TProLabel label;
        label.SetFontColor(Scrambled);
        label.SetHighlightDirection(drLeft), label.SetHighlightDepth(7), label.SetHighlightColor(1);
        label.SetShadowDirection(drUp), label.SetShadowDepth(9), label.SetShadowSize(3), label.SetShadowColor(2);
        label.SetShadowStyle(row.Style);
        const auto values = std::tuple(label.ShadowStyle(), label.HighlightDirection(), label.HighlightDepth(),
                                       label.ShadowDirection(), int{label.ShadowDepth()}, int{label.ShadowSize()},
                                       label.FontColor(), label.HighlightColor(), label.ShadowColor());
        EXPECT_EQ(values, std::tuple(row.Style, row.HighlightDirection, row.HighlightDepth, row.ShadowDirection,
                                     row.ShadowDepth, row.ShadowSize, row.FontColor, clBtnHighlight, clBtnShadow))
            << "style " << int{row.Style};
    }
}

TEST(ProLabel, CustomStyleAppliesNothingAndDoesNotRepaint)
{
    CountingLabel label;
    label.SetShadowStyle(ssRaisedThickShadow);
    label.Invalidations = 0;
    label.SetShadowStyle(ssCustom);
    EXPECT_EQ(label.ShadowSize(), 4);
    EXPECT_EQ(label.Invalidations, 0);
}

// The About panel's caption as loaded (highlight, preset, matching shadow values), then blinking.
TEST(ProLabel, LoadedCaptionKeepsItsPresetThroughBlinking)
{
    TProLabel label;
    label.SetHighlightDirection(drDownRight), label.SetHighlightDepth(1);
    label.SetShadowStyle(ssRecessedColor);
    label.SetShadowDirection(drUpLeft), label.SetShadowDepth(1), label.SetShadowSize(1);
    EXPECT_EQ(label.ShadowStyle(), ssRecessedColor);
    label.SetShadowStyle(ssRaisedShadow);
    EXPECT_EQ(label.ShadowDirection(), drDownRight);
    EXPECT_EQ(label.FontColor(), clBtnFace);  // worked edge case: the button-face colour stays
}

TEST(ProLabel, ShadowDepthAndSizeStayInTheirRange)
{
    TProLabel label;
    label.SetShadowDepth(5000), label.SetShadowSize(70000);
    EXPECT_EQ(label.ShadowDepth(), MaxShadowDepth);
    EXPECT_EQ(label.ShadowSize(), MaxShadowSize);
    label.SetShadowDepth(-3);
    EXPECT_EQ(label.ShadowDepth(), 0);
}

TEST(ProLabel, CastEnumerationOutOfRangeIsRefusedByName)
{
    TProLabel label;
    label.SetShadowStyle(ssShadow);
    try {
        label.SetShadowStyle(static_cast<TShadowStyle>(11));
        FAIL() << "no error";
    } catch (const std::invalid_argument& error) {
        EXPECT_STREQ(error.what(), "TProLabel: bad ShadowStyle 11");
    }
    EXPECT_EQ(label.ShadowStyle(), ssShadow);
}

struct TurnRow {
    int No, Angle;
    std::int64_t Width, Height, RefX, RefY;
};
// A 100 x 20 caption: box and reference point from turning its corners about the top-left one.
// Row 1 shows the truncation: 100 x sin 30 degrees is 49.99999999999999 in double.
constexpr TurnRow TurnRows[] = {
    {1, 30, 95, 66, 0, 49},   {2, 45, 84, 84, 0, 70},     {3, 90, 20, 100, 0, 100},
    {4, 135, 84, 84, 70, 84}, {5, 180, 100, 20, 100, 20}, {6, 225, 84, 84, 84, 14},
    {7, 270, 20, 100, 20, 0}, {8, 315, 84, 84, 14, 0},
};

TEST(ProLabel, TurnedCaptionFillsItsBoxFromTheReferencePoint)
{
    for (const TurnRow& row : TurnRows) {
        const TurnedAngle angle = TurnAngle(row.Angle);
        const TurnedTextBox box = MeasureTurnedText({.Width = 100, .Height = 20}, angle);
        const PixelRect r = PlaceTurnedText(box, angle, {.Width = 500, .Height = 500}, taLeftJustify, vaTop);
        EXPECT_EQ(r, (PixelRect{row.RefX, row.RefY, row.RefX + row.Width, row.RefY + row.Height})) << "row " << row.No;
    }
}

struct AlignRow {
    int No, TextWidth, TextHeight;
    TAlignment Horizontal;
    TVerticalAlignment Vertical;
    std::int64_t RefX, RefY;
};
// Turned by 90 degrees in the About panel's 33 x 105 caption: the box is h wide and w high.
constexpr AlignRow AlignRows[] = {
    {1, 100, 20, taLeftJustify, vaTop, 0, 100},  // reference at the box's bottom-left
    {2, 100, 20, taCenter, vaCenter, 6, 102},    // (33 - 20) / 2, (105 - 100) / 2
    {3, 100, 20, taRightJustify, vaBottom, 13, 105},
    {4, 200, 40, taCenter, vaCenter, 0, 105},  // larger than the label: limited before aligning
    {5, 200, 40, taRightJustify, vaBottom, 0, 105},
};

TEST(ProLabel, TurnedCaptionIsAlignedAfterLimiting)
{
    const TurnedAngle angle = TurnAngle(90);
    for (const AlignRow& row : AlignRows) {
        const TurnedTextBox box = MeasureTurnedText({.Width = row.TextWidth, .Height = row.TextHeight}, angle);
        const PixelRect r = PlaceTurnedText(box, angle, {.Width = 33, .Height = 105}, row.Horizontal, row.Vertical);
        EXPECT_EQ(std::pair(r.Left, r.Top), std::pair(row.RefX, row.RefY)) << "row " << row.No;
    }
}

struct LevelRow {
    int No, TextHeight;
    TVerticalAlignment Vertical;
    std::int64_t Top, Bottom;
};
constexpr LevelRow LevelRows[] = {
    {1, 20, vaTop, 0, 40},      // the client rectangle
    {2, 20, vaCenter, 10, 30},  // (40 - 20) / 2
    {3, 20, vaBottom, 20, 40},
    {4, 55, vaCenter, -8, 47},  // -15 / 2 rounded down: 8 over the top, 7 below
    {5, 55, vaBottom, -15, 40},
};

TEST(ProLabel, LevelCaptionIsPlacedVertically)
{
    for (const LevelRow& row : LevelRows) {
        const PixelRect r = PlaceLevelText(row.TextHeight, {.Width = 50, .Height = 40}, row.Vertical);
        EXPECT_EQ(r, (PixelRect{0, row.Top, 50, row.Bottom})) << "row " << row.No;
    }
}

TEST(ProLabel, OffsetsMoveThePlacedText)
{
    TProLabel label;
    label.SetAutoSize(false);
    label.resize(40, 30);
    label.SetOffsetX(3), label.SetOffsetY(-2);
    EXPECT_EQ(label.TextRect(), (PixelRect{3, -2, 43, 28}));
}

// Named passes of the worked examples.
TextPass Shadow(int step) { return {.Dx = step, .Dy = step, .Color = clBtnShadow}; }
TextPass Highlight(int step) { return {.Dx = step, .Dy = step, .Color = clBtnHighlight}; }
TextPass Main(TColor color) { return {.Color = color}; }

TEST(ProLabel, PassesStackShadowsThenHighlightThenText)
{
    TProLabel label;
    EXPECT_EQ(label.TextPasses(), (std::vector{Main(clWindowText)}));
    label.SetShadowStyle(ssRaisedThickShadow);  // worked example
    EXPECT_EQ(label.TextPasses(),
              (std::vector{Shadow(1), Shadow(2), Shadow(3), Shadow(4), Highlight(-1), Main(clWindowText)}));
    label.SetShadowStyle(ssRecessedColor);  // worked example
    EXPECT_EQ(label.TextPasses(), (std::vector{Shadow(-1), Highlight(1), Main(clBtnFace)}));
    label.SetShadowStyle(ssShadow);  // the highlight still runs, at depth 0
    EXPECT_EQ(label.TextPasses(), (std::vector{Shadow(2), Highlight(0), Main(clBtnFace)}));
    label.SetShadowSize(0);  // no shadow copy whatever the depth
    EXPECT_EQ(label.TextPasses(), (std::vector{Highlight(0), Main(clBtnFace)}));
    label.SetEnabled(false);
    EXPECT_EQ(label.TextPasses(), (std::vector{Highlight(1), TextPass{.Color = clBtnShadow}}));
}

QImage Magenta()
{
    QImage image(120, 120, QImage::Format_ARGB32);
    image.fill(Qt::magenta);
    return image;
}

TEST(ProLabel, ExtremeDepthsAndOffsetsDoNotOverflow)
{
    TProLabel label;
    label.SetHighlightDirection(drUpLeft), label.SetHighlightDepth(INT_MIN);
    label.SetOffsetX(INT_MAX), label.SetOffsetY(INT_MIN);
    EXPECT_EQ(label.TextPasses().front().Dx, 2147483648LL);
    QImage image = Magenta();
    QPainter canvas(&image);
    label.Paint(canvas);
}

struct ColorRow {
    int No;
    TColor Color;
    QPalette::ColorRole Role;  // NoRole for a plain colour
    QRgb Plain;
};
const ColorRow ColorRows[] = {
    {1, 0x0000FF, QPalette::NoRole, qRgb(255, 0, 0)},  // red in the low byte
    {2, 0xFF0000, QPalette::NoRole, qRgb(0, 0, 255)},
    {3, clBtnFace, QPalette::Button, 0},
    {4, clBtnShadow, QPalette::Dark, 0},
    {5, clBtnHighlight, QPalette::Light, 0},
    {6, SystemColor(200), QPalette::WindowText, 0},  // unknown number
};

TEST(ProLabel, ColoursMapToThePalette)
{
    const QPalette palette(Qt::darkCyan);
    for (const ColorRow& row : ColorRows) {
        const QRgb expected = row.Role == QPalette::NoRole ? row.Plain : palette.color(row.Role).rgb();
        EXPECT_EQ(ToQColor(row.Color, palette).rgb(), expected) << "row " << row.No;
    }
}

TEST(ProLabel, MouseEnterAndLeaveReachTheirEvents)
{
    TProLabel label;
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&label, &enter);  // no event assigned: nothing happens
    std::vector<std::string> seen;
    label.SetOnMouseEnter([&](TProLabel& sender) { seen.push_back(&sender == &label ? "enter" : "?"); });
    label.SetOnMouseLeave([&](TProLabel& sender) { seen.push_back(&sender == &label ? "leave" : "?"); });
    QApplication::sendEvent(&label, &enter);
    QApplication::sendEvent(&label, &leave);
    EXPECT_EQ(seen, (std::vector<std::string>{"enter", "leave"}));
}

// Every preset, level and turned, draws something over what lies beneath a transparent label.
TEST(ProLabel, EveryPresetRenders)
{
    for (int style = ssNone; style <= ssThickShadow; ++style) {
        for (const int angle : {0, 90}) {
            TProLabel label;
            label.SetCaption(QStringLiteral("Quillon"));
            label.SetAutoSize(false), label.resize(120, 120);
            label.SetTransparent(true), label.SetFontColor(0);
            label.SetAngle(angle), label.SetVerticalAlignment(vaCenter);
            label.SetShadowStyle(static_cast<TShadowStyle>(style));
            QImage image = Magenta();
            QPainter canvas(&image);  // painted directly: render() would lay a window background first
            label.Paint(canvas);
            canvas.end();
            EXPECT_NE(image, Magenta()) << "style " << style << " angle " << angle;
        }
    }
}

}  // namespace
}  // namespace quillon
