// Print-exact painting of recorded labels.
#include "label/render/LabelPainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPalette>
#include <QPolygonF>
#include <QRawFont>
#include <QRegion>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>
#include <array>
#include <cmath>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "barcode/Exception.h"
#include "report/PainterCanvas.h"
#include "report/Units.h"

namespace quillon {

// The characters of human-readable lines, which a font may set by their advances alone.

// A font's digits as outlines flattened to polygons in device pixels, the origin on the baseline at
// the pen, with the advance that moves the pen past each.
struct TOutlineDigits {
    std::array<QPainterPath, kDigitLineSize> Glyphs{};
    std::array<double, kDigitLineSize> Advances{};
};

namespace {

constexpr double kMetresPerInch = 0.0254;
// A scale a hair under a whole number of dots still counts as that number when a stretched label
// is fitted, so that rounding noise does not take a dot off every module.
constexpr double kWholeDotSlack = 1e-6;
// How far past its line, from the font's ascent to its descent, a glyph may reach, in device pixels:
// the smoothing of its edge.
constexpr double kGlyphOvershootPixels = 1.0;
// The toolkit caches glyph images up to this size and above it fills every glyph from its (hinted)
// outline anew: labels at a printer's resolution, read back cell after cell, fill outlines kept here.
constexpr double kLargestCachedGlyphPixels = 64.0;
constexpr int kOpaque = 255;

// An outline with its curves cut into lines once, not at every fill.
QPainterPath Flattened(const QPainterPath& outline)
{
    QPainterPath flat;
    for (const QPolygonF& polygon : outline.toFillPolygons())
        flat.addPolygon(polygon);
    flat.setFillRule(Qt::WindingFill);
    return flat;
}

std::shared_ptr<const TOutlineDigits> MakeOutlineDigits(const QFont& font, const QPaintDevice& device)
{
    const std::optional<TDigitAdvances> line = DigitAdvancesOf(font, device);
    if (!line)
        return nullptr;
    auto digits = std::make_shared<TOutlineDigits>();
    digits->Advances = line->Advances;
    for (std::size_t c = 0; c < kDigitLineSize; ++c)
        digits->Glyphs[c] = Flattened(line->Font.pathForGlyph(line->Glyphs[c]));
    return digits;
}

// The printer's dot grid, counted from the page's corner, in device pixels.
double OnGrid(double devicePixels, double gridStep)
{
    return std::round(devicePixels / gridStep) * gridStep;
}

class TLabelReplay {
public:
    TLabelReplay(QPainter& painter, const TLabelPlacement& placement, double unitsPerInch, TLabelFonts& fonts,
                 TInkRows* ink)
        : FPainter(painter), FPlace(placement), FUnitsPerInch(unitsPerInch), FFonts(fonts),
          FInk(ink != nullptr && !FVectorDevice && ink->Takes(painter, FClip) ? ink : nullptr)
    {
    }

    void operator()(const TRecordedPolygon& polygon)
    {
        const std::optional<QColor> color = PolygonInk(polygon, FPalette);
        if (!color)
            return;
        if (const std::optional<QRect> bar = BarPixels(polygon.Points)) {
            AddBar(FPlace.Snapped(bar->left(), bar->top(), bar->right() + 1, bar->bottom() + 1), *color);
            return;
        }
        EndBars();
        QPolygonF shape;
        for (const TPoint& p : polygon.Points)
            shape << Device(p.X, p.Y);
        FPainter.setPen(Qt::NoPen);
        FPainter.setBrush(*color);
        FPainter.drawPolygon(shape, Qt::OddEvenFill);
    }

    // The text is shaped once, for its width and for its glyphs, in a font resolved before; its baseline
    // lies a font's ascent below its top-left corner, as the label was composed.
    void operator()(const TRecordedText& text)
    {
        const double pixels = TextPixels(text, FPlace, FUnitsPerInch);
        const int stretch = TextStretch(FPlace);
        const TLabelFonts::TFont& font = FFonts.Font(text.Font.Name, pixels, stretch, *FPainter.device());
        const QPointF at = Device(text.TopLeft.X, text.TopLeft.Y);
        if (OutsideClipRows(at.y(), font.Height))
            return; // shaping a line that no dot of shows is most of what it would cost
        const QString string = QString::fromStdString(text.Text);
        if (font.Digits && !FVectorDevice && FPainter.layoutDirection() == Qt::LeftToRight &&
            SetByAdvances(string)) {
            FillOutlines(*font.Digits, string, at, font, text);
            return;
        }
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
        if (oneLine && !FVectorDevice && pixels > kLargestCachedGlyphPixels) {
            FillOutlines(line, at + QPointF(0, font.Ascent - line.ascent()), stretch, text);
            return;
        }
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
        if (const std::optional<QRect> pixels = LinePixels(line)) {
            AddBar(FPlace.Snapped(pixels->left(), pixels->top(), pixels->right() + 1, pixels->bottom() + 1),
                   color);
        } else if (line.From != line.To) {
            EndBars();
            FPainter.setPen(QPen(color, FPlace.ScaleY));
            FPainter.drawLine(Device(line.From.X, line.From.Y), Device(line.To.X, line.To.Y));
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
    // A line of digits from cached outlines, filled as the toolkit fills large text: smoothed when the
    // painter smooths text, its baseline a font's ascent below the top-left corner.
    void FillOutlines(const TOutlineDigits& digits, const QString& string, QPointF at,
                      const TLabelFonts::TFont& font, const TRecordedText& text)
    {
        double width = 0.0;
        for (const QChar c : string)
            width += digits.Advances[*DigitIndex(c)];
        if (text.Brush.Style == bsSolid)
            AddBar(QRectF(at, QSizeF(width, font.Height)), ToQColor(text.Brush.Color, FPalette));
        EndBars();
        const bool smooth = FPainter.testRenderHint(QPainter::TextAntialiasing);
        FPainter.setRenderHint(QPainter::Antialiasing, smooth);
        const QBrush ink(ToQColor(text.Font.Color, FPalette));
        const QTransform page = FPainter.worldTransform();
        QPointF pen = at + QPointF(0, font.Ascent);
        for (const QChar c : string) {
            const std::size_t i = *DigitIndex(c);
            if (!digits.Glyphs[i].isEmpty())
                FillAt(digits.Glyphs[i], pen, ink, page);
            pen.rx() += digits.Advances[i];
        }
        FPainter.setWorldTransform(page);
        FPainter.setRenderHint(QPainter::Antialiasing, false);
    }

    // One glyph with its origin at `pen`; the page's transform is set anew each time, so that moving
    // back and forth leaves no rounding in it for the bars after.
    void FillAt(const QPainterPath& outline, QPointF pen, const QBrush& ink, const QTransform& page)
    {
        if (FInk != nullptr && ink.color().alpha() == kOpaque) {
            FInk->FillOutline(outline, pen, ink.color().rgba());
            return;
        }
        FPainter.setWorldTransform(QTransform::fromTranslate(pen.x(), pen.y()) * page);
        FPainter.fillPath(outline, ink);
    }

    // A shaped line from the outlines its fonts keep, filled as the toolkit fills large text.
    void FillOutlines(const QTextLine& line, QPointF origin, int stretch, const TRecordedText& text)
    {
        const bool smooth = FPainter.testRenderHint(QPainter::TextAntialiasing);
        FPainter.setRenderHint(QPainter::Antialiasing, smooth);
        const QBrush ink(ToQColor(text.Font.Color, FPalette));
        const QTransform page = FPainter.worldTransform();
        for (const QGlyphRun& run : line.glyphRuns()) {
            const QRawFont raw = run.rawFont();
            const TLabelFonts::TFace face = TLabelFonts::FaceOf(raw, stretch);
            const QList<quint32> glyphs = run.glyphIndexes();
            const QList<QPointF> positions = run.positions();
            for (qsizetype i = 0; i < glyphs.size() && i < positions.size(); ++i) {
                const QPainterPath& outline = FFonts.Outline(raw, face, glyphs[i]);
                if (outline.isEmpty())
                    continue;
                FillAt(outline, origin + positions[i], ink, page);
            }
        }
        FPainter.setWorldTransform(page);
        FPainter.setRenderHint(QPainter::Antialiasing, false);
    }

    QPointF Device(double x, double y) const
    {
        return FPlace.Origin + QPointF(x * FPlace.ScaleX, y * FPlace.ScaleY);
    }

    // Each bar (and a text's ground) is a rectangle filled on its own: PDF viewers and printers then
    // snap its edges to their pixels (a path of several rectangles gets a pixel more on every edge a
    // rasteriser finds on a pixel boundary). The colour is set once for a run of bars, so a PDF does not
    // repeat it for each. Raster devices fill each bar straight away.
    void AddBar(const QRectF& rect, const QColor& color)
    {
        if (!FVectorDevice) {
            const QRect pixels = rect.toRect();
            if (FInk != nullptr && QRectF(pixels) == rect && color.alpha() == kOpaque)
                FInk->FillRect(pixels, color.rgba());
            else
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
        if (!FClipped)
            return false;
        const double from = top - kGlyphOvershootPixels;
        const double to = top + height + kGlyphOvershootPixels;
        return std::none_of(FClip.begin(), FClip.end(),
                            [&](const QRect& rows) { return rows.top() < to && from < rows.bottom() + 1; });
    }

    QPainter& FPainter;
    const TLabelPlacement& FPlace;
    double FUnitsPerInch = 96.0;
    TLabelFonts& FFonts;
    const QPalette FPalette = QGuiApplication::palette(); // for the system colours
    bool FVectorDevice =
        FPainter.paintEngine() != nullptr && FPainter.paintEngine()->type() != QPaintEngine::Raster;
    // The painter's clip, read once: it holds for the whole label.
    const bool FClipped = FPainter.hasClipping();
    const QRegion FClip = FClipped ? FPainter.clipRegion() : QRegion();
    TInkRows* FInk = nullptr; // where opaque fills go instead of the painter, if anywhere
    bool FBarBrush = false;   // the painter holds the bars' brush and no pen
    QColor FBarColor{};
};

} // namespace

std::optional<std::size_t> DigitIndex(QChar c)
{
    const std::u16string_view line(kDigitLine, kDigitLineSize);
    const std::size_t at = line.find(c.unicode());
    return at == std::u16string_view::npos ? std::nullopt : std::optional(at);
}

bool SetByAdvances(const QString& text)
{
    return !text.isEmpty() && text.front() != u' ' && text.back() != u' ' &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return DigitIndex(c).has_value(); });
}

std::optional<TDigitAdvances> DigitAdvancesOf(const QFont& font, const QPaintDevice& device)
{
    QString pairs;
    for (const char16_t a : std::u16string_view(kDigitLine, kDigitLineSize))
        for (const char16_t b : std::u16string_view(kDigitLine, kDigitLineSize))
            pairs += QChar(a), pairs += QChar(b);
    QTextLayout layout(pairs, font, const_cast<QPaintDevice*>(&device)); // only read, for its resolution
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    if (runs.size() != 1 || runs[0].glyphIndexes().size() != pairs.size())
        return std::nullopt;
    const QList<quint32> indexes = runs[0].glyphIndexes();
    const QList<QPointF> positions = runs[0].positions();
    TDigitAdvances digits{
        .Font = runs[0].rawFont(), .Glyphs = {}, .Advances = {}, .Baseline = positions[0].y()};
    std::array<bool, kDigitLineSize> seen{};
    for (qsizetype i = 0; i < pairs.size(); ++i) {
        const std::size_t c = *DigitIndex(pairs[i]);
        const double next = i + 1 < pairs.size() ? positions[i + 1].x() : line.horizontalAdvance();
        const double advance = next - positions[i].x();
        if (positions[i].y() != digits.Baseline ||
            (seen[c] && (digits.Glyphs[c] != indexes[i] || digits.Advances[c] != advance)))
            return std::nullopt;
        digits.Glyphs[c] = indexes[i];
        digits.Advances[c] = advance;
        seen[c] = true;
    }
    return digits;
}

QRectF TLabelPlacement::Snapped(int left, int top, int right, int bottom) const
{
    const auto device = [&](double x, double y) { return Origin + QPointF(x * ScaleX, y * ScaleY); };
    const QPointF a = device(left, top);
    const QPointF b = device(right, bottom);
    return QRectF(QPointF(OnGrid(a.x(), GridStep), OnGrid(a.y(), GridStep)),
                  QPointF(OnGrid(b.x(), GridStep), OnGrid(b.y(), GridStep)));
}

QSizeF PicturePixelsOf(const TLabelDrawing& label, int pixelsPerInch)
{
    const double scale = pixelsPerInch / (label.UnitsPerInch > 0 ? label.UnitsPerInch : pixelsPerInch);
    return {std::max(1.0, std::round(label.Size.width() * scale)),
            std::max(1.0, std::round(label.Size.height() * scale))};
}

TPlacedCell PlaceInCell(const TLabelDrawing& label, const TPictureCell& cell, double gridDpi)
{
    const QRectF target = cell.ToDevice.mapRect(PictureTargetMm(
        cell.FrameMm, PicturePixelsOf(label, cell.PixelsPerInch), cell.Image, cell.PixelsPerInch));
    const bool stretch = cell.Image.Stretch;
    TLabelPlacement placement;
    const double labelWidth = std::max(1, label.Size.width());
    const double labelHeight = std::max(1, label.Size.height());
    placement.GridStep = cell.DeviceDpi / gridDpi;
    const int module = std::max(1, label.ModulePixels);
    // Unstretched, the label keeps its true size.
    const double unitsPerInch = label.UnitsPerInch > 0 ? label.UnitsPerInch : cell.DeviceDpi;
    const double sheetScaleX = stretch ? target.width() / labelWidth : cell.DeviceDpi / unitsPerInch;
    const double dots = sheetScaleX * module / placement.GridStep;
    placement.DotsPerModule =
        std::max(1, static_cast<int>(stretch ? std::floor(dots + kWholeDotSlack) : std::lround(dots)));
    placement.ScaleX = placement.DotsPerModule * placement.GridStep / module;
    placement.ScaleY = stretch ? target.height() / labelHeight : placement.ScaleX;
    placement.Origin =
        QPointF(OnGrid(target.left(), placement.GridStep), OnGrid(target.top(), placement.GridStep));
    const double g = placement.GridStep;
    const QRectF frame = cell.ToDevice.mapRect(cell.FrameMm);
    const QRectF printed(QPointF(OnGrid(frame.left(), g), OnGrid(frame.top(), g)),
                         QPointF(OnGrid(frame.right(), g), OnGrid(frame.bottom(), g)));
    const QRectF box(placement.Origin, QSizeF(labelWidth * placement.ScaleX, labelHeight * placement.ScaleY));
    return {.Placement = placement, .Frame = printed, .Inside = printed.contains(box)};
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
    family.setPointSizeF(PointsOfDots(pixels, key.Dpi));
    family.setStretch(stretch);
    QFont font(family, &device); // resolved for the device, so that laying text out finds it ready
    QFontMetricsF metrics(font, &device);
    std::shared_ptr<const TOutlineDigits> digits =
        pixels > kLargestCachedGlyphPixels ? MakeOutlineDigits(font, device) : nullptr;
    TFont entry{.Font = std::move(font),
                .Metrics = metrics,
                .Ascent = metrics.ascent(),
                .Height = metrics.height(),
                .Digits = std::move(digits)};
    return FFonts.emplace(std::move(key), std::move(entry)).first->second;
}

TLabelFonts::TFace TLabelFonts::FaceOf(const QRawFont& font, int stretch)
{
    return {.Family = font.familyName().toStdString(),
            .Style = font.styleName().toStdString(),
            .Weight = font.weight(),
            .Pixels = font.pixelSize(),
            .Stretch = stretch};
}

const QPainterPath& TLabelFonts::Outline(const QRawFont& font, const TFace& face, quint32 glyph)
{
    TOutlineKey key{.Face = face, .Glyph = glyph};
    const auto found = FOutlines.find(key);
    if (found != FOutlines.end())
        return found->second;
    if (FOutlines.size() >= kMaxOutlines)
        FOutlines.clear();
    return FOutlines.emplace(std::move(key), Flattened(font.pathForGlyph(glyph))).first->second;
}

std::shared_ptr<TLabelFonts> BorrowLabelFonts()
{
    struct TShelf {
        std::mutex Lock;
        std::vector<std::unique_ptr<TLabelFonts>> Free;
    };
    // Never destroyed: fonts dropped after the application object would outlive the font engines.
    static auto* const shelf = new TShelf;
    std::unique_ptr<TLabelFonts> fonts;
    {
        const std::scoped_lock lock(shelf->Lock);
        if (!shelf->Free.empty()) {
            fonts = std::move(shelf->Free.back());
            shelf->Free.pop_back();
        }
    }
    if (!fonts)
        fonts = std::make_unique<TLabelFonts>();
    return {fonts.release(), [](TLabelFonts* returned) {
                const std::scoped_lock lock(shelf->Lock);
                shelf->Free.emplace_back(returned);
            }};
}

void PaintLabel(QPainter& painter, const TLabelDrawing& label, const TLabelPlacement& placement)
{
    TLabelFonts fonts;
    PaintLabel(painter, label, placement, fonts);
}

void PaintLabel(QPainter& painter, const TLabelDrawing& label, const TLabelPlacement& placement,
                TLabelFonts& fonts, TInkRows* ink)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    TLabelReplay replay(painter, placement, label.UnitsPerInch > 0 ? label.UnitsPerInch : 96.0, fonts, ink);
    for (const TRecordedCall& call : label.Calls)
        std::visit(replay, call);
}

TLabelPlacement LabelImagePlacement(const TLabelDrawing& label, double pixelsPerInch, double gridDpi)
{
    for (const double dpi : {pixelsPerInch, gridDpi, label.UnitsPerInch})
        if (!std::isfinite(dpi) || dpi <= 0)
            throw Exception("Label image needs a resolution above 0 dpi");
    // Its own frame, at its true size: the corner at the image's.
    const QSizeF trueMm = QSizeF(label.Size) * (kMmPerInch / label.UnitsPerInch);
    const double pixelsPerMm = pixelsPerInch / kMmPerInch;
    const TPictureCell cell{.FrameMm = QRectF(QPointF(0, 0), trueMm),
                            .Image = {},
                            .PixelsPerInch = static_cast<int>(std::lround(pixelsPerInch)),
                            .ToDevice = QTransform::fromScale(pixelsPerMm, pixelsPerMm),
                            .DeviceDpi = pixelsPerInch};
    return PlaceInCell(label, cell, gridDpi).Placement;
}

QImage RenderLabelImage(const TLabelDrawing& label, double pixelsPerInch, double gridDpi, TImageDepth depth)
{
    const TLabelPlacement placement = LabelImagePlacement(label, pixelsPerInch, gridDpi);
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

TPictureDrawer LabelDrawer(TSheetLabels labels, double gridDpi, std::shared_ptr<TLabelFonts> fonts,
                           TInkRows* ink)
{
    return [labels = std::move(labels), gridDpi, fonts = std::move(fonts), ink](QPainter& painter,
                                                                                const TPictureCell& cell) {
        const std::int64_t row = cell.Image.Row;
        if (row < 0 || static_cast<std::uint64_t>(row) >= labels.size())
            return false;
        const std::shared_ptr<const TLabelDrawing>& label = labels[static_cast<std::size_t>(row)];
        if (!label)
            return false;
        const TPlacedCell placed = PlaceInCell(*label, cell, gridDpi);
        // A label inside its frame has nothing to cut: a PDF is then spared a clip path for the cell
        // and the graphics state that a clip starts anew.
        if (placed.Inside) {
            PaintLabel(painter, *label, placed.Placement, *fonts, ink);
            return true;
        }
        painter.save();
        painter.setClipRect(placed.Frame, Qt::IntersectClip);
        PaintLabel(painter, *label, placed.Placement, *fonts, ink);
        painter.restore();
        return true;
    };
}

QColor FillColor(TColor color, TPenMode mode, const QPalette& palette)
{
    return mode == pmWhite ? QColor(Qt::white) : ToQColor(color, palette);
}

std::optional<QColor> PolygonInk(const TRecordedPolygon& polygon, const QPalette& palette)
{
    if (polygon.Points.size() < 2)
        return std::nullopt;
    const QColor color = FillColor(polygon.Brush.Color, polygon.Pen.Mode, palette);
    if (color == Qt::white)
        return std::nullopt; // the paper is white already
    return color;
}

std::optional<QRect> BarPixels(const TPolygonPoints& points)
{
    if (points.size() != 4)
        return std::nullopt;
    for (std::size_t i = 0; i < 4; ++i) {
        const TPoint& a = points[i];
        const TPoint& b = points[(i + 1) % 4];
        if (a.X != b.X && a.Y != b.Y)
            return std::nullopt;
    }
    int left = points[0].X, top = points[0].Y, right = points[0].X, bottom = points[0].Y;
    for (const TPoint& p : points) {
        left = std::min(left, p.X), top = std::min(top, p.Y);
        right = std::max(right, p.X), bottom = std::max(bottom, p.Y);
    }
    return QRect(QPoint(left, top), QPoint(right, bottom)); // right and bottom included
}

std::optional<QRect> LinePixels(const TRecordedLine& line)
{
    const TPoint from = line.From;
    const TPoint to = line.To;
    if (from.Y == to.Y && from.X != to.X)
        return QRect(QPoint(from.X < to.X ? from.X : to.X + 1, from.Y),
                     QPoint(from.X < to.X ? to.X - 1 : from.X, from.Y));
    if (from.X == to.X && from.Y != to.Y)
        return QRect(QPoint(from.X, from.Y < to.Y ? from.Y : to.Y + 1),
                     QPoint(from.X, from.Y < to.Y ? to.Y - 1 : from.Y));
    return std::nullopt;
}

double TextPixels(const TRecordedText& text, const TLabelPlacement& placement, double unitsPerInch)
{
    return DotsOfPoints(std::max(text.Font.Size, 1), unitsPerInch) * placement.ScaleY;
}

int TextStretch(const TLabelPlacement& placement)
{
    return std::clamp(static_cast<int>(std::lround(100.0 * placement.ScaleX / placement.ScaleY)), 1, 4000);
}

} // namespace quillon
