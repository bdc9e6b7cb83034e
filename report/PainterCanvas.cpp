#include "PainterCanvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPaintEngine>
#include <QPainter>
#include <QPalette>
#include <QPolygon>
#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

namespace quillon {
namespace {

struct PaletteEntry {
    QPalette::ColorGroup group = QPalette::Active;
    QPalette::ColorRole role = QPalette::WindowText;
};

// The desktop's system colour numbers (the Windows COLOR_* numbering) and the palette colour that
// plays the same part here. "Window" is the background of text and list fields, Qt's Base (white
// in a light theme), not Qt's grey Window; the button shadow is Qt's Dark, the darkest 3-D edge
// its Shadow. A number not in the table takes the window text colour.
constexpr std::array<PaletteEntry, 31> kSystemColors{{
    {QPalette::Active, QPalette::Button},            // 0 scroll bar
    {QPalette::Active, QPalette::Window},            // 1 desktop background
    {QPalette::Active, QPalette::Highlight},         // 2 active caption
    {QPalette::Inactive, QPalette::Highlight},       // 3 inactive caption
    {QPalette::Active, QPalette::Window},            // 4 menu
    {QPalette::Active, QPalette::Base},              // 5 window
    {QPalette::Active, QPalette::Shadow},            // 6 window frame
    {QPalette::Active, QPalette::WindowText},        // 7 menu text
    {QPalette::Active, QPalette::WindowText},        // 8 window text
    {QPalette::Active, QPalette::HighlightedText},   // 9 caption text
    {QPalette::Active, QPalette::Button},            // 10 active border
    {QPalette::Inactive, QPalette::Button},          // 11 inactive border
    {QPalette::Active, QPalette::Dark},              // 12 application workspace
    {QPalette::Active, QPalette::Highlight},         // 13 highlight
    {QPalette::Active, QPalette::HighlightedText},   // 14 highlight text
    {QPalette::Active, QPalette::Button},            // 15 button face
    {QPalette::Active, QPalette::Dark},              // 16 button shadow
    {QPalette::Disabled, QPalette::Text},            // 17 grey text
    {QPalette::Active, QPalette::ButtonText},        // 18 button text
    {QPalette::Inactive, QPalette::HighlightedText}, // 19 inactive caption text
    {QPalette::Active, QPalette::Light},             // 20 button highlight
    {QPalette::Active, QPalette::Shadow},            // 21 3-D dark shadow
    {QPalette::Active, QPalette::Midlight},          // 22 3-D light
    {QPalette::Active, QPalette::ToolTipText},       // 23 info text
    {QPalette::Active, QPalette::ToolTipBase},       // 24 info background
    {QPalette::Active, QPalette::WindowText},        // 25 (unused)
    {QPalette::Active, QPalette::Link},              // 26 hot-tracked item
    {QPalette::Active, QPalette::Highlight},         // 27 active caption gradient
    {QPalette::Inactive, QPalette::Highlight},       // 28 inactive caption gradient
    {QPalette::Active, QPalette::Highlight},         // 29 menu highlight
    {QPalette::Active, QPalette::Window},            // 30 menu bar
}};

QColor SystemPaletteColor(std::uint8_t number, const QPalette& palette)
{
    // An unknown system colour number draws as window text rather than failing a paint.
    const PaletteEntry entry = number < kSystemColors.size() ? kSystemColors[number] : PaletteEntry{};
    return palette.color(entry.group, entry.role);
}

// Saves the painter's state for the span of one drawing call.
class PainterStateGuard {
public:
    explicit PainterStateGuard(QPainter& painter) : FPainter(painter) { FPainter.save(); }
    ~PainterStateGuard() { FPainter.restore(); }
    PainterStateGuard(const PainterStateGuard&) = delete;
    PainterStateGuard& operator=(const PainterStateGuard&) = delete;

private:
    QPainter& FPainter;
};

// Qt refuses point sizes below one; the smallest legible size stands in for them.
constexpr int kMinFontPoints = 1;

QFont ToQFont(const TFont& font)
{
    QFont result(QString::fromStdString(font.Name));
    result.setPointSize(std::max(font.Size, kMinFontPoints));
    // Aliased glyphs: no fringe of blended colours around text drawn on the window's key colour.
    result.setStyleStrategy(QFont::NoAntialias);
    return result;
}

} // namespace

namespace {

// A colour given by its red, green and blue: made straight from them, as every bar of every label is.
QColor PlainColor(TColor color)
{
    return QColor(qRgb(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                       static_cast<int>((color >> 16) & 0xFF)));
}

} // namespace

QColor ToQColor(TColor color, const QPalette& palette)
{
    if (IsSystemColor(color))
        return SystemPaletteColor(SystemColorNumber(color), palette);
    return PlainColor(color);
}

QColor ToQColor(TColor color)
{
    if (IsSystemColor(color))
        return ToQColor(color, QGuiApplication::palette());
    return PlainColor(color);
}

// One pixel wide pens are cosmetic: one device pixel whatever the painter's scale, which, with
// aliased drawing, paints a polygon's vertices and edges the way the device-context rules do.
// Flat caps leave a line's end point unpainted.
void TPainterCanvas::UsePenAndBrush()
{
    const bool white = Pen().Mode == pmWhite;
    QPen pen(white ? QColor(Qt::white) : ToQColor(Pen().Color));
    pen.setWidth(Pen().Width > 1 ? Pen().Width : 0);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    FPainter->setPen(pen);
    if (Brush().Style == bsClear)
        FPainter->setBrush(Qt::NoBrush);
    else
        FPainter->setBrush(white ? QColor(Qt::white) : ToQColor(Brush().Color));
    FPainter->setRenderHint(QPainter::Antialiasing, false);
}

namespace {

// The corners of an upright rectangle, given in either order round it; false for any other shape,
// for a single point and for one so far out that its size would not fit an int.
bool UprightRectangle(std::span<const TPoint> p, QRect& rect)
{
    constexpr int kFarthest = 1 << 24;
    if (p.size() != 4)
        return false;
    const bool sideFirst = p[0].X == p[1].X && p[1].Y == p[2].Y && p[2].X == p[3].X && p[3].Y == p[0].Y;
    const bool topFirst = p[0].Y == p[1].Y && p[1].X == p[2].X && p[2].Y == p[3].Y && p[3].X == p[0].X;
    const auto near = [](const TPoint& q) {
        return q.X > -kFarthest && q.X < kFarthest && q.Y > -kFarthest && q.Y < kFarthest;
    };
    // A polygon shrunk to one point paints nothing.
    if (!(sideFirst || topFirst) || !near(p[0]) || !near(p[2]) || p[0] == p[2])
        return false;
    rect = QRect(QPoint(std::min(p[0].X, p[2].X), std::min(p[0].Y, p[2].Y)),
                 QPoint(std::max(p[0].X, p[2].X), std::max(p[0].Y, p[2].Y)));
    return true;
}

} // namespace

// An upright bar filled and outlined in one colour with a cosmetic pen covers every pixel from corner
// to corner, edges included: filled as a rectangle, it takes a fraction of a polygon's time. Only on
// an image and wholly inside it: a clipped outline loses pixels of its own.
bool TPainterCanvas::FillAsRectangle(std::span<const TPoint> points)
{
    const bool oneColour = Pen().Mode == pmWhite || Pen().Color == Brush().Color;
    QRect rect;
    if (Pen().Width > 1 || Brush().Style != bsSolid || !oneColour || !UprightRectangle(points, rect))
        return false;
    const QPaintDevice* device = FPainter->device();
    const QPaintEngine* engine = FPainter->paintEngine();
    const QRect onDevice = FPainter->transform().mapRect(rect);
    if (device == nullptr || engine == nullptr || engine->type() != QPaintEngine::Raster ||
        FPainter->transform().type() > QTransform::TxTranslate || FPainter->hasClipping() ||
        FPainter->testRenderHint(QPainter::Antialiasing) ||
        !QRect(0, 0, device->width(), device->height()).contains(onDevice))
        return false;
    FPainter->fillRect(rect, Pen().Mode == pmWhite ? QColor(Qt::white) : ToQColor(Pen().Color));
    return true;
}

void TPainterCanvas::Polygon(std::span<const TPoint> points)
{
    if (points.size() < 2 || FillAsRectangle(points))
        return;
    QPolygon polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const TPoint& p : points)
        polygon.append(QPoint(p.X, p.Y));
    PainterStateGuard guard(*FPainter);
    UsePenAndBrush();
    FPainter->drawPolygon(polygon, Qt::OddEvenFill);
}

void TPainterCanvas::TextOut(TPoint topLeft, std::string_view utf8Text)
{
    const QString text = QString::fromUtf8(utf8Text.data(), static_cast<qsizetype>(utf8Text.size()));
    PainterStateGuard guard(*FPainter);
    FPainter->setFont(ToQFont(Font()));
    const QFontMetrics metrics = FPainter->fontMetrics();
    // Floating-point geometry: a cell near the edge of the coordinate range must not overflow.
    const QPointF at(topLeft.X, topLeft.Y);
    if (Brush().Style == bsSolid) {
        const QRectF cell(at, QSizeF(metrics.horizontalAdvance(text), metrics.height()));
        FPainter->fillRect(cell, ToQColor(Brush().Color));
    }
    FPainter->setPen(ToQColor(Font().Color));
    FPainter->drawText(at + QPointF(0, metrics.ascent()), text);
}

// Qt rasterises a line in the order of its major axis, painting the lower end and leaving out the
// upper one. A line drawn the other way should paint its start and leave out its end instead, so it
// is drawn moved by one step towards its start: the same pixels, one further on.
void TPainterCanvas::LineTo(TPoint p)
{
    const TPoint from = PenPos();
    MoveTo(p);
    if (from == p)
        return;
    const QPointF start(from.X, from.Y);
    const QPointF end(p.X, p.Y);
    const QPointF delta = end - start;
    const double steps = std::max(std::abs(delta.x()), std::abs(delta.y()));
    const bool xMajor = std::abs(delta.x()) >= std::abs(delta.y());
    const bool backwards = xMajor ? delta.x() < 0 : delta.y() < 0;
    const QPointF shift = backwards ? -delta / steps : QPointF();
    PainterStateGuard guard(*FPainter);
    UsePenAndBrush();
    FPainter->drawLine(QLineF(start + shift, end + shift));
}

// The box's right column and bottom row lie outside the ellipse; a reversed box is turned round.
// Qt's one-pixel outline lies right of and below the rectangle it is given, hence the width less one.
void TPainterCanvas::Ellipse(TPoint topLeft, TPoint bottomRight)
{
    const auto [left, right] = std::minmax(topLeft.X, bottomRight.X);
    const auto [top, bottom] = std::minmax(topLeft.Y, bottomRight.Y);
    if (left == right || top == bottom)
        return;
    const double width = static_cast<double>(right) - left - 1;
    const double height = static_cast<double>(bottom) - top - 1;
    PainterStateGuard guard(*FPainter);
    UsePenAndBrush();
    FPainter->drawEllipse(QRectF(left, top, width, height));
}

} // namespace quillon
