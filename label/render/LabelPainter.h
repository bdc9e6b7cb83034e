// Paints a recorded label on a page at the output's own resolution: bars as rectangles whose edges lie
// on whole dots of the printer the page is made for, text as text.
#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QRawFont>
#include <QRect>
#include <QRegion>
#include <array>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "label/compose/LabelComposer.h"
#include "report/PageRenderer.h"

namespace quillon {

// How a label's pixels land on the printer's dots in one cell: the scale in device pixels per label
// pixel on each axis and the top-left corner in device pixels.
struct TLabelPlacement {
    double ScaleX = 1.0;
    double ScaleY = 1.0;
    QPointF Origin{};
    double GridStep = 1.0; // device pixels per printer dot
    int DotsPerModule = 1;

    // A rectangle of label units in device pixels with its edges on whole dots of the page, so that
    // every bar prints exactly its number of dots.
    QRectF Snapped(int left, int top, int right, int bottom) const;
};

// A label placed in its cell, once for every writer: the painter, the PDF writer and the proof.
struct TPlacedCell {
    TLabelPlacement Placement{};
    QRectF Frame{};     // the cell's frame on the nearest dots: what of the label prints
    bool Inside = true; // the whole label lies inside the frame, so nothing needs cutting
};

// The bitmap a label's picture has at pixelsPerInch: its true size in whole pixels. Cells are placed by
// it, whatever bitmap the picture table holds.
QSizeF PicturePixelsOf(const TLabelDrawing& label, int pixelsPerInch);

// The label in its cell for a printer of gridDpi: where the picture lands in its frame (aligned, inset
// and clear of its quiet zones, or stretched over the frame); its narrow module a whole number of dots,
// the nearest to its true size (UnitsPerInch) or, stretched, the most that fit; its corner on a dot. A
// frame in millimetres rarely lies on the dot grid; cut at the nearest dots, one cell prints exactly as
// another one whole dots away.
TPlacedCell PlaceInCell(const TLabelDrawing& label, const TPictureCell& cell, double gridDpi);

// The characters of a label's human-readable line, which a font may set by their advances alone: no
// shaping, which would cost more than everything else drawn. Both the painter and the PDF writer set them
// so.
inline constexpr char16_t kDigitLine[] = u"0123456789 *";
inline constexpr std::size_t kDigitLineSize = std::size(kDigitLine) - 1;
std::optional<std::size_t> DigitIndex(QChar c);
// A line the advances can set: those characters only, with no space at either end (which a line's
// advance may leave out).
bool SetByAdvances(const QString& text);

// How a font sets the characters of kDigitLine, each by its own glyph and advance on one baseline: found
// by laying out every pair of them, which shows that none moves or changes another (no kerning, no
// ligature, no fallback face). None when some pair does not.
struct TDigitAdvances {
    QRawFont Font{};
    std::array<quint32, kDigitLineSize> Glyphs{};
    std::array<double, kDigitLineSize> Advances{};
    double Baseline = 0.0;
};
std::optional<TDigitAdvances> DigitAdvancesOf(const QFont& font, const QPaintDevice& device);

// Glyph outlines of a font that sets digits by their advances alone, for text too large for the
// toolkit's glyph cache.
struct TOutlineDigits;

// The fonts of labels' texts, resolved once for all the labels painted after: looking a font up costs
// as much as drawing a short text with it. For one thread at a time.
class TLabelFonts {
public:
    struct TFont {
        QFont Font{}; // resolved for the device
        QFontMetricsF Metrics{QFont()};
        double Ascent = 0.0;
        double Height = 0.0;
        std::shared_ptr<const TOutlineDigits> Digits{}; // only for text filled from outlines
    };
    // The family at a size in device pixels and a stretch in percent, on the device.
    const TFont& Font(const std::string& name, double pixels, int stretch, const QPaintDevice& device);
    // A raw font as the outlines are kept by: read once for a run of glyphs, as its names are built
    // anew at every asking.
    struct TFace {
        std::string Family{};
        std::string Style{};
        int Weight = 0;
        double Pixels = 0.0;
        int Stretch = 100;
        auto operator<=>(const TFace&) const = default;
    };
    static TFace FaceOf(const QRawFont& font, int stretch);
    // A glyph's outline in pixels of the font (asked for at a stretch in percent), its origin on the
    // baseline at the pen, as lines.
    const QPainterPath& Outline(const QRawFont& font, const TFace& face, quint32 glyph);

private:
    struct TOutlineKey {
        TFace Face{};
        quint32 Glyph = 0;
        auto operator<=>(const TOutlineKey&) const = default;
    };
    static constexpr std::size_t kMaxOutlines = 4096;
    std::map<TOutlineKey, QPainterPath> FOutlines{};

    struct TKey {
        std::string Name{};
        double Pixels = 0.0;
        int Stretch = 100;
        int Dpi = 96;
        auto operator<=>(const TKey&) const = default;
    };
    // A sheet uses a few; the bound only keeps odd inputs from growing it.
    static constexpr std::size_t kMaxFonts = 64;
    std::map<TKey, TFont> FFonts{};
};

// Where a replay may send its opaque fills in place of the painter. The replay itself paints plainly
// through Qt; a proof that reads a few rows of its own image passes its renderer of those rows
// (proof/ScanRows), which a painter's clip of a few rows would otherwise cost most of a proof.
class TInkRows {
public:
    virtual ~TInkRows() = default;
    // Before a label is painted: whether this takes its fills on that painter, within its clip.
    virtual bool Takes(const QPainter& painter, const QRegion& clip) = 0;
    // The pixels of a bar, in the painter's coordinates, in an opaque colour.
    virtual void FillRect(const QRect& pixels, QRgb ink) = 0;
    // A glyph's outline with its origin at `pen`, in the painter's coordinates, in an opaque colour.
    virtual void FillOutline(const QPainterPath& outline, QPointF pen, QRgb ink) = 0;
};

// Paints the label with the painter's world transform in device pixels. The painter's pen, brush, font
// and render hints are left as the label's last drawing set them: a caller that needs them back saves
// and restores the painter around it, once for however much it paints.
void PaintLabel(QPainter& painter, const TLabelDrawing& label, const TLabelPlacement& placement);
void PaintLabel(QPainter& painter, const TLabelDrawing& label, const TLabelPlacement& placement,
                TLabelFonts& fonts, TInkRows* ink = nullptr);

enum class TImageDepth : std::uint8_t {
    Colour, // RGB32, the text smoothed
    OneBit, // black and white, cut at half grey: what a printer without grey prints
};

// The label alone on white, drawn at pixelsPerInch (its true size) with bar edges on the dots of a
// gridDpi printer: gridDpi = pixelsPerInch gives whole pixels per module, for verification at a
// printer's resolution; gridDpi = the label's UnitsPerInch keeps its exact proportions, for a preview
// at true size on a screen. Raises when the image would be too large.
QImage RenderLabelImage(const TLabelDrawing& label, double pixelsPerInch, double gridDpi,
                        TImageDepth depth = TImageDepth::Colour);
// Where RenderLabelImage puts the label's units on its pixels, for a writer that needs to know where
// a part of the label landed. Raises for a resolution that is not above 0.
TLabelPlacement LabelImagePlacement(const TLabelDrawing& label, double pixelsPerInch, double gridDpi);

// What the painters of a recorded label share. The colour a shape fills with (white for the white pen
// mode); the ink of a polygon, none when it is degenerate or white like the paper; the pixels of a
// polygon that is a rectangle along the axes (a bar of an unturned or quarter-turned barcode), every
// vertex pixel included as the device-context rules paint it, none for any other shape; and a recorded
// text's size in device pixels and its stretch in percent where the label is placed.
QColor FillColor(TColor color, TPenMode mode, const QPalette& palette);
std::optional<QColor> PolygonInk(const TRecordedPolygon& polygon, const QPalette& palette);
std::optional<QRect> BarPixels(const TPolygonPoints& points);
// The pixels a one-pixel line along an axis paints: its start and not its end. None for a slanted
// line, which is stroked, and for a line of one point, which paints nothing.
std::optional<QRect> LinePixels(const TRecordedLine& line);
double TextPixels(const TRecordedText& text, const TLabelPlacement& placement, double unitsPerInch);
int TextStretch(const TLabelPlacement& placement);

// The labels of a sheet by data row, shared between rows that print the same label.
using TSheetLabels = std::vector<std::shared_ptr<const TLabelDrawing>>;

// Fonts for one thread at a time that outlive the run they are lent to, so that the runs of a thread
// after it find their fonts and outlines ready; returned when the last copy is dropped.
std::shared_ptr<TLabelFonts> BorrowLabelFonts();

// A picture drawer for the page renderer that paints labels[row] for a printer of gridDpi, clipped to
// its PrintedFrame when it does not fit inside; rows without a drawing keep their bitmap.
TPictureDrawer LabelDrawer(TSheetLabels labels, double gridDpi);
// The same, keeping its fonts in `fonts`, which the caller may share with later drawers of its thread,
// and sending its fills to `ink` when it takes them.
TPictureDrawer LabelDrawer(TSheetLabels labels, double gridDpi, std::shared_ptr<TLabelFonts> fonts,
                           TInkRows* ink = nullptr);

} // namespace quillon
