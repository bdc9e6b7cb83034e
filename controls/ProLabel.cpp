// TProLabel: placement arithmetic, pass order and painting of the rotated shadow label.
#include "controls/ProLabel.h"
#include "report/PainterCanvas.h"

#include <QEnterEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>

namespace quillon {
namespace {

// The text-layout flag of each horizontal alignment, indexed by TAlignment.
constexpr std::array<Qt::AlignmentFlag, 3> AlignmentFlags{
    Qt::AlignLeft,    // taLeftJustify
    Qt::AlignRight,   // taRightJustify
    Qt::AlignHCenter, // taCenter
};
static_assert(AlignmentFlags.size() == taCenter + 1);

// Painting positions are held within this many pixels of the origin: far beyond any screen or
// page, and well inside the raster engine's fixed-point range.
constexpr std::int64_t CoordinateLimitPx = std::int64_t{1} << 22;

// A setter's enumeration value must be one of the type's named values; anything else comes
// from a bad cast and is refused before it is stored.
template <typename Enum> Enum Checked(Enum value, Enum last, const char* property)
{
    if (static_cast<unsigned>(value) > static_cast<unsigned>(last))
        throw std::invalid_argument(std::string("TProLabel: bad ") + property + " " +
                                    std::to_string(static_cast<unsigned>(value)));
    return value;
}

// Half, rounded toward negative infinity, so that an overhang splits evenly up and down.
std::int64_t FloorHalf(std::int64_t value)
{
    return value >= 0 ? value / 2 : -((1 - value) / 2);
}

int Truncated(double value)
{
    return static_cast<int>(value);
} // toward zero

int ClampCoordinate(std::int64_t value)
{
    return static_cast<int>(std::clamp(value, -CoordinateLimitPx, CoordinateLimitPx));
}

QRect ToQRect(const PixelRect& r)
{
    const auto extent = [](std::int64_t v) {
        return static_cast<int>(std::clamp<std::int64_t>(v, 0, CoordinateLimitPx));
    };
    return {ClampCoordinate(r.Left), ClampCoordinate(r.Top), extent(r.Width()), extent(r.Height())};
}

std::int64_t HorizontalShift(TAlignment alignment, std::int64_t spare)
{
    switch (alignment) {
    case taCenter: return FloorHalf(spare);
    case taRightJustify: return spare;
    case taLeftJustify: break;
    }
    return 0;
}

std::int64_t VerticalShift(TVerticalAlignment vertical, std::int64_t spare)
{
    switch (vertical) {
    case vaCenter: return FloorHalf(spare);
    case vaBottom: return spare;
    case vaTop: break;
    }
    return 0;
}

// The step from the box's top-left corner to the top-left corner of the unrotated text cell.
struct ReferenceStep {
    std::int64_t Dx = 0;
    std::int64_t Dy = 0;
};

ReferenceStep ReferenceOffset(const TurnedTextBox& box, int degrees, std::int64_t w, std::int64_t h)
{
    if (degrees < 90)
        return {.Dx = 0, .Dy = box.Ws};
    if (degrees < 180)
        return {.Dx = -box.Wc, .Dy = h};
    if (degrees < 270)
        return {.Dx = w, .Dy = -box.Hc};
    return {.Dx = -box.Hs, .Dy = 0};
}

} // namespace

int NormalizeAngle(int degrees)
{
    const int remainder = degrees % 360;
    return remainder < 0 ? remainder + 360 : remainder;
}

TurnedAngle TurnAngle(int degrees)
{
    const int normalized = NormalizeAngle(degrees);
    const double radians = normalized * std::numbers::pi / 180.0;
    return {.Degrees = normalized, .Cos = std::cos(radians), .Sin = std::sin(radians)};
}

TurnedTextBox MeasureTurnedText(PixelSize textPx, const TurnedAngle& angle)
{
    TurnedTextBox box{.Wc = Truncated(textPx.Width * angle.Cos),
                      .Ws = Truncated(textPx.Width * angle.Sin),
                      .Hc = Truncated(textPx.Height * angle.Cos),
                      .Hs = Truncated(textPx.Height * angle.Sin)};
    // Per quadrant the signs of cos and sin decide which products add up to each extent.
    const std::int64_t wc = box.Wc, ws = box.Ws, hc = box.Hc, hs = box.Hs;
    if (angle.Degrees < 90) {
        box.Width = wc + hs, box.Height = ws + hc;
    } else if (angle.Degrees < 180) {
        box.Width = hs - wc, box.Height = ws - hc;
    } else if (angle.Degrees < 270) {
        box.Width = -wc - hs, box.Height = -ws - hc;
    } else {
        box.Width = wc - hs, box.Height = hc - ws;
    }
    return box;
}

PixelRect PlaceTurnedText(const TurnedTextBox& box, const TurnedAngle& angle, PixelSize client,
                          TAlignment alignment, TVerticalAlignment vertical)
{
    // Limited to the client area first, so that aligning never moves it left of or above it.
    const std::int64_t w = std::min<std::int64_t>(box.Width, client.Width);
    const std::int64_t h = std::min<std::int64_t>(box.Height, client.Height);
    const PixelRect aligned = PixelRect{.Right = w, .Bottom = h}.Moved(
        HorizontalShift(alignment, client.Width - w), VerticalShift(vertical, client.Height - h));
    const ReferenceStep reference = ReferenceOffset(box, angle.Degrees, w, h);
    return aligned.Moved(reference.Dx, reference.Dy);
}

PixelRect PlaceLevelText(int textHeightPx, PixelSize client, TVerticalAlignment vertical)
{
    PixelRect r{.Right = client.Width, .Bottom = client.Height};
    if (vertical == vaTop)
        return r;
    const std::int64_t clientBottom = r.Bottom;
    r.Bottom = r.Top + textHeightPx;
    return r.Moved(0, VerticalShift(vertical, clientBottom - r.Bottom));
}

// ---------------------------------------------------------------------------------------------

TProLabel::TProLabel(QWidget* owner) : QWidget(owner) {}

void TProLabel::SetCaption(const QString& v)
{
    if (v == FCaption)
        return;
    FCaption = v;
    AdjustBounds();
    Invalidate();
}

void TProLabel::SetAlignment(TAlignment v)
{
    v = Checked(v, taCenter, "Alignment");
    if (v == FAlignment)
        return;
    FAlignment = v;
    Invalidate();
}

void TProLabel::SetAutoSize(bool v)
{
    if (v == FAutoSize)
        return;
    FAutoSize = v;
    AdjustBounds();
    Invalidate();
}

void TProLabel::SetColor(TColor v)
{
    if (v == FColor)
        return;
    FColor = v;
    Invalidate();
}

void TProLabel::SetFont(const QFont& v)
{
    setFont(v);
    AdjustBounds();
    Invalidate();
}

void TProLabel::SetFontColor(TColor v)
{
    if (v == FFontColor)
        return;
    FFontColor = v;
    Invalidate();
}

void TProLabel::SetShowAccelChar(bool v)
{
    if (v == FShowAccelChar)
        return;
    FShowAccelChar = v;
    AdjustBounds();
    Invalidate();
}

void TProLabel::SetTransparent(bool v)
{
    if (v == FTransparent)
        return;
    FTransparent = v;
    Invalidate();
}

void TProLabel::SetWordWrap(bool v)
{
    if (v == FWordWrap)
        return;
    FWordWrap = v;
    AdjustBounds();
    Invalidate();
}

void TProLabel::SetAngle(int v)
{
    const TurnedAngle angle = TurnAngle(v);
    if (angle.Degrees == FAngle)
        return;
    FAngle = angle.Degrees;
    FAngleCos = angle.Cos;
    FAngleSin = angle.Sin;
    // A turned caption no longer fits the label's own text-size rule.
    if (FAngle > 0 && FAutoSize)
        SetAutoSize(false);
    Invalidate();
}

void TProLabel::SetOffsetX(int v)
{
    if (v == FOffsetX)
        return;
    FOffsetX = v;
    if (v > 0 && FAutoSize)
        SetAutoSize(false);
    Invalidate();
}

void TProLabel::SetOffsetY(int v)
{
    if (v == FOffsetY)
        return;
    FOffsetY = v;
    if (v > 0 && FAutoSize)
        SetAutoSize(false);
    Invalidate();
}

// A change of any shadow or highlight value by hand leaves the preset behind.
void TProLabel::MarkCustom()
{
    if (!FApplyingStyle)
        FShadowStyle = ssCustom;
}

void TProLabel::SetHighlightDirection(TDirection v)
{
    v = Checked(v, drDownRight, "HighlightDirection");
    if (v == FHighlightDirection)
        return;
    FHighlightDirection = v;
    MarkCustom();
    Invalidate();
}

void TProLabel::SetHighlightDepth(int v)
{
    if (v == FHighlightDepth)
        return;
    FHighlightDepth = v;
    MarkCustom();
    Invalidate();
}

void TProLabel::SetHighlightColor(TColor v)
{
    if (v == FHighlightColor)
        return;
    FHighlightColor = v;
    MarkCustom();
    Invalidate();
}

void TProLabel::SetShadowDirection(TDirection v)
{
    v = Checked(v, drDownRight, "ShadowDirection");
    if (v == FShadowDirection)
        return;
    FShadowDirection = v;
    MarkCustom();
    Invalidate();
}

void TProLabel::SetShadowDepth(int v)
{
    const auto depth = static_cast<TShadowDepth>(std::clamp(v, 0, MaxShadowDepth));
    if (depth == FShadowDepth)
        return;
    FShadowDepth = depth;
    MarkCustom();
    Invalidate();
}

void TProLabel::SetShadowSize(int v)
{
    const auto size = static_cast<TShadowSize>(std::clamp(v, 0, MaxShadowSize));
    if (size == FShadowSize)
        return;
    FShadowSize = size;
    MarkCustom();
    Invalidate();
}

void TProLabel::SetShadowColor(TColor v)
{
    if (v == FShadowColor)
        return;
    FShadowColor = v;
    MarkCustom();
    Invalidate();
}

void TProLabel::SetShadowStyle(TShadowStyle v)
{
    v = Checked(v, ssThickShadow, "ShadowStyle");
    if (v == FShadowStyle)
        return;
    FShadowStyle = v;
    FApplyingStyle = true;
    if (v != ssCustom)
        ApplyPreset(v);
    FApplyingStyle = false;
}

// The setters repaint for each value that changes; the style itself is already stored.
void TProLabel::ApplyPreset(TShadowStyle style)
{
    const ShadowPreset& preset = ShadowPresets[style];
    SetHighlightDirection(preset.HighlightDirection);
    SetHighlightDepth(preset.HighlightDepth);
    SetHighlightColor(clBtnHighlight);
    SetShadowDirection(preset.ShadowDirection);
    SetShadowDepth(preset.ShadowDepth);
    SetShadowSize(preset.ShadowSize);
    SetShadowColor(clBtnShadow);
    if (preset.Font == PresetFont::ButtonFace)
        SetFontColor(clBtnFace);
}

void TProLabel::SetVerticalAlignment(TVerticalAlignment v)
{
    v = Checked(v, vaBottom, "VerticalAlignment");
    if (v == FVerticalAlignment)
        return;
    FVerticalAlignment = v;
    Invalidate();
}

void TProLabel::SetLayout(TTextLayout v)
{
    SetVerticalAlignment(static_cast<TVerticalAlignment>(Checked(v, tlBottom, "Layout")));
}

void TProLabel::Invalidate()
{
    update();
}

void TProLabel::MouseEnter()
{
    if (FOnMouseEnter)
        FOnMouseEnter(*this);
}

void TProLabel::MouseLeave()
{
    if (FOnMouseLeave)
        FOnMouseLeave(*this);
}

void TProLabel::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    MouseEnter();
}

void TProLabel::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    MouseLeave();
}

int TProLabel::TextFlags() const
{
    // Without the mnemonic flag an ampersand is drawn as itself.
    return AlignmentFlags[FAlignment] | Qt::AlignTop | Qt::TextExpandTabs |
           (FWordWrap ? Qt::TextWordWrap : 0) | (FShowAccelChar ? Qt::TextShowMnemonic : 0);
}

PixelSize TProLabel::ClientSize() const
{
    return {.Width = width(), .Height = height()};
}

std::vector<TextPass> TProLabel::TextPasses() const
{
    if (!isEnabled())
        return {{.Dx = 1, .Dy = 1, .Color = clBtnHighlight}, {.Dx = 0, .Dy = 0, .Color = clBtnShadow}};
    std::vector<TextPass> passes;
    if (FShadowStyle != ssNone) {
        // Shadow copies from the nearest to the farthest, then the highlight copy.
        const DirectionStep shadow = DirectionOffsets[FShadowDirection];
        for (int copy = 0; copy < FShadowSize; ++copy) {
            const std::int64_t steps = std::int64_t{FShadowDepth} + copy;
            passes.push_back({.Dx = steps * shadow.Dx, .Dy = steps * shadow.Dy, .Color = FShadowColor});
        }
        const DirectionStep highlight = DirectionOffsets[FHighlightDirection];
        const std::int64_t steps = FHighlightDepth;
        passes.push_back({.Dx = steps * highlight.Dx, .Dy = steps * highlight.Dy, .Color = FHighlightColor});
    }
    passes.push_back({.Dx = 0, .Dy = 0, .Color = FFontColor});
    return passes;
}

PixelRect TProLabel::PlaceText(const QFontMetrics& metrics) const
{
    const PixelSize client = ClientSize();
    if (FAngle != 0) {
        // Turned captions are one line; extents are those of the unturned text.
        const PixelSize text{.Width = metrics.horizontalAdvance(FCaption), .Height = metrics.height()};
        const TurnedAngle angle{.Degrees = FAngle, .Cos = FAngleCos, .Sin = FAngleSin};
        return PlaceTurnedText(MeasureTurnedText(text, angle), angle, client, FAlignment, FVerticalAlignment);
    }
    if (FVerticalAlignment == vaTop)
        return PlaceLevelText(0, client, vaTop);
    const QRect layout(0, 0, client.Width, client.Height);
    return PlaceLevelText(metrics.boundingRect(layout, TextFlags(), FCaption).height(), client,
                          FVerticalAlignment);
}

PixelRect TProLabel::TextRect() const
{
    return PlaceText(QFontMetrics(font(), this)).Moved(FOffsetX, FOffsetY);
}

void TProLabel::DrawPass(QPainter& canvas, const PixelRect& r, TColor color) const
{
    canvas.setPen(ToQColor(color, palette()));
    if (FAngle == 0) {
        canvas.drawText(ToQRect(r), TextFlags(), FCaption);
        return;
    }
    canvas.save();
    canvas.translate(ClampCoordinate(r.Left), ClampCoordinate(r.Top));
    canvas.rotate(-FAngle); // Qt turns clockwise on a y-down surface; the caption turns the other way
    canvas.drawText(QPointF(0, canvas.fontMetrics().ascent()), FCaption);
    canvas.restore();
}

// Qt turns text with the painter's transform (see DrawPass) rather than with the font; what the
// font itself needs for turned text is outline glyphs, as bitmap fonts cannot be rotated.
void TProLabel::SelectRotatedFont(QPainter& canvas, int angle)
{
    QFont rotated = canvas.font();
    rotated.setStyleStrategy(angle != 0 ? QFont::PreferOutline : QFont::PreferDefault);
    canvas.setFont(rotated);
}

void TProLabel::Paint(QPainter& canvas)
{
    canvas.save();
    canvas.setFont(font());
    if (!FTransparent)
        canvas.fillRect(rect(), ToQColor(FColor, palette()));
    canvas.setBrush(Qt::NoBrush);
    canvas.setBackgroundMode(Qt::TransparentMode);
    if (FAngle != 0)
        SelectRotatedFont(canvas, FAngle);
    const PixelRect placed = PlaceText(canvas.fontMetrics()).Moved(FOffsetX, FOffsetY);
    for (const TextPass& pass : TextPasses())
        DrawPass(canvas, placed.Moved(pass.Dx, pass.Dy), pass.Color);
    if (FAngle != 0)
        SelectRotatedFont(canvas, 0);
    canvas.restore();
}

void TProLabel::paintEvent(QPaintEvent* /*event*/)
{
    QPainter canvas(this);
    Paint(canvas);
}

// With AutoSize on the label takes the size of its caption (keeping its width when wrapping
// words, and its right edge when right-justified).
void TProLabel::AdjustBounds()
{
    if (!FAutoSize)
        return;
    const QSize text = sizeHint();
    const int newWidth = FWordWrap ? width() : text.width();
    const int left = FAlignment == taRightJustify ? x() + width() - newWidth : x();
    setGeometry(left, y(), newWidth, text.height());
}

QSize TProLabel::sizeHint() const
{
    const QFontMetrics metrics(font(), this);
    // An empty caption still keeps one line's height.
    const QString text = FCaption.isEmpty() ? QStringLiteral(" ") : FCaption;
    const int boundWidth = FWordWrap ? std::max(width(), 1) : QWIDGETSIZE_MAX;
    const int flags = (TextFlags() & ~Qt::AlignHorizontal_Mask) | Qt::AlignLeft;
    return metrics.boundingRect(QRect(0, 0, boundWidth, QWIDGETSIZE_MAX), flags, text).size();
}

} // namespace quillon
