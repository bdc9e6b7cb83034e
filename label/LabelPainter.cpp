// Print-exact painting of recorded labels.
#include "label/LabelPainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPalette>
#include <QPolygonF>
#include <QRegion>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <variant>

#include "barcode/Exception.h"
#include "report/PainterCanvas.h"
#include "report/Units.h"

namespace quillon {
namespace {

constexpr double kMetresPerInch = 0.0254;
// A scale a hair under a whole number of dots still counts as that number when a stretched label
// is fitted, so that rounding noise does not take a dot off every module.
constexpr double kWholeDotSlack = 1e-6;
// How far past its line, from the font's ascent to its descent, a glyph may reach, in device pixels:
// the smoothing of its edge.
constexpr double kGlyphOvershootPixels = 1.0;

// The printer's dot grid, counted from the page's corner, in device pixels.
double OnGrid(double devicePixels, double gridStep)
{
    return std::round(devicePixels / gridStep) * gridStep;
}

QColor FillColor(TColor color, TPenMode mode, const QPalette& palette)
{
    return mode == pmWhite ? QColor(Qt::white) : ToQColor(color, palette);
}

// The pixels a polygon covers, as the device-context rules paint it: every vertex pixel included.
struct TPixelBox {
    int Left = 0;
    int Top = 0;
    int Right = 0; // one past the last column
    int Bottom = 0;
};

TPixelBox BoxOf(const std::vector<TPoint>& points)
{
    TPixelBox box{.Left = points[0].X, .Top = points[0].Y, .Right = points[0].X, .Bottom = points[0].Y};
    for (const TPoint& p : points) {
        box.Left = std::min(box.Left, p.X);
        box.Top = std::min(box.Top, p.Y);
        box.Right = std::max(box.Right, p.X);
        box.Bottom = std::max(box.Bottom, p.Y);
    }
    ++box.Right;
    ++box.Bottom;
    return box;
}

// Bars of an unturned or quarter-turned barcode are rectangles along the axes.
bool IsAxisRectangle(const std::vector<TPoint>& points)
{
    if (points.size() != 4)
        return false;
    for (std::size_t i = 0; i < 4; ++i) {
        const TPoint& a = points[i];
        const TPoint& b = points[(i + 1) % 4];
        if (a.X != b.X && a.Y != b.Y)
            return false;
    }
    return true;
}

class TLabelReplay {
public:
    TLabelReplay(QPainter& painter, const TLabelPlacement& placement, double unitsPerInch, TLabelFonts& fonts)
        : FPainter(painter), FPlace(placement), FUnitsPerInch(unitsPerInch), FFonts(fonts)
    {
    }

    void operator()(const TRecordedPolygon& polygon)
    {
        if (polygon.Points.size() < 2)
            return;
        const QColor color = FillColor(polygon.Brush.Color, polygon.Pen.Mode, FPalette);
        if (color == Qt::white)
            return; // the paper is white already
        if (IsAxisRectangle(polygon.Points)) {
            const TPixelBox box = BoxOf(polygon.Points);
            AddBar(SnappedRect(box.Left, box.Top, box.Right, box.Bottom), color);
            return;
        }
        EndBars();
        QPolygonF shape;
        for (const TPoint& p : polygon.Points)
            shape << Device(p.X, p.Y);
        FPainter.setPen(Qt::NoPen);
        FPainter.setBrush(color);
        FPainter.drawPolygon(shape, Qt::OddEvenFill);
    }

    // The text is shaped once, for its width and for its glyphs, in a font resolved before; its baseline
    // lies a font's ascent below its top-left corner, as the label was composed.
    void operator()(const TRecordedText& text)
    {
        const double pixels = std::max(text.Font.Size, 1) * FUnitsPerInch / kPointsPerInch * FPlace.ScaleY;
        const int stretch =
            std::clamp(static_cast<int>(std::lround(100.0 * FPlace.ScaleX / FPlace.ScaleY)), 1, 4000);
        const TLabelFonts::TFont& font = FFonts.Font(text.Font.Name, pixels, stretch, *FPainter.device());
        const QPointF at = Device(text.TopLeft.X, text.TopLeft.Y);
        if (OutsideClipRows(at.y(), font.Height))
            return; // shaping a line that no dot of shows is most of what it would cost
        const QString string = QString::fromStdString(text.Text);
        QTextLayout layout(string, font.Font, FPainter.device());
        QTextOption option;
        option.setTextDirection(FPainter.layoutDirection());
        layout.setTextOption(option);
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        const bool oneLine = line.isValid() && !layout.createLine().isValid();
        layout.endLayout();
        const double width = oneLine ? line.horizontalAdvance() : font.Metrics.horizontalAdvance(string);
        if (text.Brush.Style == bsSolid)
            AddBar(QRectF(at, QSizeF(width, font.Height)), ToQColor(text.Brush.Color, FPalette));
        EndBars();
        FPainter.setPen(ToQColor(text.Font.Color, FPalette));
        if (oneLine) {
            line.draw(&FPainter, at + QPointF(0, font.Ascent - line.ascent()));
            return;
        }
        // A line separator in the text: drawn on one line all the same, as text drawn at a point is.
        FPainter.setFont(font.Font);
        FPainter.drawText(at + QPointF(0, font.Ascent), string);
    }

    // A one-pixel line paints its start pixel and leaves out its end.
    void operator()(const TRecordedLine& line)
    {
        const QColor color = FillColor(line.Pen.Color, line.Pen.Mode, FPalette);
        const TPoint from = line.From;
        const TPoint to = line.To;
        if (from.Y == to.Y && from.X != to.X) {
            const int first = from.X < to.X ? from.X : to.X + 1;
            const int last = from.X < to.X ? to.X - 1 : from.X;
            AddBar(SnappedRect(first, from.Y, last + 1, from.Y + 1), color);
        } else if (from.X == to.X && from.Y != to.Y) {
            const int first = from.Y < to.Y ? from.Y : to.Y + 1;
            const int last = from.Y < to.Y ? to.Y - 1 : from.Y;
            AddBar(SnappedRect(from.X, first, from.X + 1, last + 1), color);
        } else if (from != to) {
            EndBars();
            FPainter.setPen(QPen(color, FPlace.ScaleY));
            FPainter.drawLine(Device(from.X, from.Y), Device(to.X, to.Y));
        }
    }

    void operator()(const TRecordedEllipse& ellipse)
    {
        EndBars();
        FPainter.setPen(Qt::NoPen);
        FPainter.setBrush(FillColor(ellipse.Brush.Color, ellipse.Pen.Mode, FPalette));
        FPainter.drawEllipse(QRectF(Device(ellipse.TopLeft.X, ellipse.TopLeft.Y),
                                    Device(ellipse.BottomRight.X, ellipse.BottomRight.Y)));
    }

private:
    QPointF Device(double x, double y) const
    {
        return FPlace.Origin + QPointF(x * FPlace.ScaleX, y * FPlace.ScaleY);
    }

    // Edges on whole dots, so every bar prints exactly its number of dots.
    QRectF SnappedRect(int left, int top, int right, int bottom) const
    {
        const QPointF a = Device(left, top);
        const QPointF b = Device(right, bottom);
        const double g = FPlace.GridStep;
        return QRectF(QPointF(OnGrid(a.x(), g), OnGrid(a.y(), g)),
                      QPointF(OnGrid(b.x(), g), OnGrid(b.y(), g)));
    }

    // Each bar (and a text's ground) is a rectangle filled on its own: PDF viewers and printers then
    // snap its edges to their pixels (a path of several rectangles gets a pixel more on every edge a
    // rasteriser finds on a pixel boundary). The colour is set once for a run of bars, so a PDF does not
    // repeat it for each. Raster devices fill each bar straight away.
    void AddBar(const QRectF& rect, const QColor& color)
    {
        if (!FVectorDevice) {
            FPainter.fillRect(rect, color);
            return;
        }
        if (!FBarBrush || color != FBarColor) {
            FPainter.setPen(Qt::NoPen);
            FPainter.setBrush(color);
            FBarColor = color;
            FBarBrush = true;
        }
        FPainter.drawRect(rect);
    }

    // Anything but a bar may change the pen and the brush.
    void EndBars() { FBarBrush = false; }

    // Whether a line of text from top, height high, misses every row the painter may paint.
    bool OutsideClipRows(double top, double height) const
    {
        if (!FPainter.hasClipping())
            return false;
        const double from = top - kGlyphOvershootPixels;
        const double to = top + height + kGlyphOvershootPixels;
        const QRegion clip = FPainter.clipRegion();
        return std::none_of(clip.begin(), clip.end(),
                            [&](const QRect& rows) { return rows.top() < to && from < rows.bottom() + 1; });
    }

    QPainter& FPainter;
    const TLabelPlacement& FPlace;
    double FUnitsPerInch = 96.0;
    TLabelFonts& FFonts;
    const QPalette FPalette = QGuiApplication::palette(); // for the system colours
    bool FVectorDevice =
        FPainter.paintEngine() != nullptr && FPainter.paintEngine()->type() != QPaintEngine::Raster;
    bool FBarBrush = false; // the painter holds the bars' brush and no pen
    QColor FBarColor{};
};

} // namespace

TLabelPlacement PlaceLabel(const TLabelDrawing& label, const TPictureCell& cell, double gridDpi)
{
    TLabelPlacement placement;
    const double labelWidth = std::max(1, label.Size.width());
    const double labelHeight = std::max(1, label.Size.height());
    placement.GridStep = cell.DeviceDpi / gridDpi;
    const int module = std::max(1, label.ModulePixels);
    // Unstretched, the label keeps its true size, whatever size its bitmap has in the picture table.
    const double unitsPerInch = label.UnitsPerInch > 0 ? label.UnitsPerInch : cell.DeviceDpi;
    const double sheetScaleX =
        cell.Stretch ? cell.Target.width() / labelWidth : cell.DeviceDpi / unitsPerInch;
    const double dots = sheetScaleX * module / placement.GridStep;
    placement.DotsPerModule =
        std::max(1, static_cast<int>(cell.Stretch ? std::floor(dots + kWholeDotSlack) : std::lround(dots)));
    placement.ScaleX = placement.DotsPerModule * placement.GridStep / module;
    placement.ScaleY = cell.Stretch ? cell.Target.height() / labelHeight : placement.ScaleX;
    placement.Origin = QPointF(OnGrid(cell.Target.left(), placement.GridStep),
                               OnGrid(cell.Target.top(), placement.GridStep));
    return placement;
}

QRectF PrintedFrame(const TPictureCell& cell, const TLabelPlacement& placement)
{
    const double g = placement.GridStep;
    return QRectF(QPointF(OnGrid(cell.Frame.left(), g), OnGrid(cell.Frame.top(), g)),
                  QPointF(OnGrid(cell.Frame.right(), g), OnGrid(cell.Frame.bottom(), g)));
}

const TLabelFonts::TFont& TLabelFonts::Font(const std::string& name, double pixels, int stretch,
                                            const QPaintDevice& device)
{
    TKey key{.Name = name, .Pixels = pixels, .Stretch = stretch, .Dpi = device.logicalDpiY()};
    const auto found = FFonts.find(key);
    if (found != FFonts.end())
        return found->second;
    if (FFonts.size() >= kMaxFonts)
        FFonts.clear();
    QFont family(QString::fromStdString(name));
    family.setPointSizeF(pixels * kPointsPerInch / key.Dpi);
    family.setStretch(stretch);
    QFont font(family, &device); // resolved for the device, so that laying text out finds it ready
    QFontMetricsF metrics(font, &device);
    TFont entry{
        .Font = std::move(font), .Metrics = metrics, .Ascent = metrics.ascent(), .Height = metrics.height()};
    return FFonts.emplace(std::move(key), std::move(entry)).first->second;
}

void PaintLabel(QPainter& painter, const TLabelDrawing& label, const TLabelPlacement& placement)
{
    TLabelFonts fonts;
    PaintLabel(painter, label, placement, fonts);
}

void PaintLabel(QPainter& painter, const TLabelDrawing& label, const TLabelPlacement& placement,
                TLabelFonts& fonts)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    TLabelReplay replay(painter, placement, label.UnitsPerInch > 0 ? label.UnitsPerInch : 96.0, fonts);
    for (const TRecordedCall& call : label.Calls)
        std::visit(replay, call);
}

QImage RenderLabelImage(const TLabelDrawing& label, double pixelsPerInch, double gridDpi, TImageDepth depth)
{
    for (const double dpi : {pixelsPerInch, gridDpi, label.UnitsPerInch})
        if (!std::isfinite(dpi) || dpi <= 0)
            throw Exception("Label image needs a resolution above 0 dpi");
    const QSizeF trueSize = QSizeF(label.Size) * (pixelsPerInch / label.UnitsPerInch);
    const TPictureCell cell{.Row = 0,
                            .PicturePixels = QSizeF(label.Size),
                            .Target = QRectF(QPointF(0, 0), trueSize),
                            .Frame = QRectF(QPointF(0, 0), trueSize),
                            .Stretch = false,
                            .DeviceDpi = pixelsPerInch};
    const TLabelPlacement placement = PlaceLabel(label, cell, gridDpi);
    // Whole dots per module may make the label a little larger or smaller than its true size.
    const double width = std::ceil(label.Size.width() * placement.ScaleX - kWholeDotSlack);
    const double height = std::ceil(label.Size.height() * placement.ScaleY - kWholeDotSlack);
    const std::string pixels =
        std::to_string(std::llround(width)) + " x " + std::to_string(std::llround(height)) + " pixels";
    if (width < 1 || height < 1 || width * height > static_cast<double>(kMaxLabelPixels))
        throw Exception("Label image of " + pixels + " is too large");
    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    if (image.isNull())
        throw Exception("Label image of " + pixels + " cannot be allocated");
    const int dotsPerMetre = static_cast<int>(std::lround(pixelsPerInch / kMetresPerInch));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PaintLabel(painter, label, placement);
    }
    if (depth == TImageDepth::OneBit) // black wherever the grey is below half, as a printer's driver cuts it
        return image.convertToFormat(QImage::Format_Mono, Qt::MonoOnly | Qt::ThresholdDither);
    return image;
}

TPictureDrawer LabelDrawer(TSheetLabels labels, double gridDpi)
{
    return LabelDrawer(std::move(labels), gridDpi, std::make_shared<TLabelFonts>());
}

TPictureDrawer LabelDrawer(TSheetLabels labels, double gridDpi, std::shared_ptr<TLabelFonts> fonts)
{
    return [labels = std::move(labels), gridDpi, fonts = std::move(fonts)](QPainter& painter,
                                                                           const TPictureCell& cell) {
        if (cell.Row < 0 || static_cast<std::size_t>(cell.Row) >= labels.size())
            return false;
        const std::shared_ptr<const TLabelDrawing>& label = labels[static_cast<std::size_t>(cell.Row)];
        if (!label)
            return false;
        const TLabelPlacement placement = PlaceLabel(*label, cell, gridDpi);
        // A label inside its frame has nothing to cut: a PDF is then spared a clip path for the cell
        // and the graphics state that a clip starts anew.
        const QRectF frame = PrintedFrame(cell, placement);
        const QRectF box(placement.Origin, QSizeF(label->Size.width() * placement.ScaleX,
                                                  label->Size.height() * placement.ScaleY));
        if (frame.contains(box)) {
            PaintLabel(painter, *label, placement, *fonts);
            return true;
        }
        painter.save();
        painter.setClipRect(frame, Qt::IntersectClip);
        PaintLabel(painter, *label, placement, *fonts);
        painter.restore();
        return true;
    };
}

} // namespace quillon
