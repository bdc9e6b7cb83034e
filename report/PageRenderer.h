// Paints prepared report pages with QPainter in millimetres: one painting path for preview, printer and PDF.
#pragma once

#include <QImage>
#include <QPageLayout>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QTransform>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

#include "report/Calibration.h"
#include "report/PreparedReport.h"

class QPagedPaintDevice;
class QPainter;

namespace quillon {

// A data row's picture as it is about to be painted: its element's frame and placing in millimetres,
// the report's pixels to the inch that size a bitmap there, and the device the painter stands in
// (millimetres to device pixels, the world transform cleared). A drawer places what it draws from these
// itself, by its own size rather than a bitmap's.
struct TPictureCell {
    QRectF FrameMm{};
    TPlacedImage Image{};
    int PixelsPerInch = 96;
    QTransform ToDevice{};
    double DeviceDpi = 96.0;
};

// Draws a picture itself, at the device's own resolution, instead of scaling its bitmap; false
// leaves it to the bitmap. It may leave the painter's pen, brush, font and render hints changed (the
// page restores them once, not every cell), but leaves its clip and transform as it found them.
using TPictureDrawer = std::function<bool(QPainter& painter, const TPictureCell& cell)>;

// Where and how finely a page is painted, in device pixels of the painter.
struct TPaintTarget {
    double ResolutionDpi = 96.0;
    QPointF PaperOriginPixels{}; // the paper's top-left corner in the painter's coordinates
    TPictureDrawer DrawPicture{};
    // The printer's correction, applied to everything painted; the caller checks its range.
    TCalibration Calibration{};
};

// Millimetres on the paper to the painter's coordinates: the calibration about the paper's
// top-left corner, then the resolution and the paper's origin.
QTransform PaperTransform(const TPaintTarget& target);

// An element's frame in millimetres, and a text element's alignment as Qt takes it: what every writer of
// a page places its elements by.
QRectF FrameMm(const TRectTenths& frame);
Qt::AlignmentFlag HorizontalAlignmentOf(TTextAlignment alignment);

// Where a picture of picturePixels, at pixelsPerInch, lands in its element's frame (both in millimetres):
// the whole frame when stretched, else at its size with its quiet zones at the frame's corner or centred
// in it, the inset inside the frame's edges.
QRectF PictureTargetMm(const QRectF& frame, QSizeF picturePixels, const TPlacedImage& image,
                       int pixelsPerInch);

// The paper of a prepared report, with margins 0 so that its page values alone place everything.
QPageLayout PageLayoutOf(const TPreparedReport& report);
// A standard paper (A4 or Letter) upright, with margins 0.
QPageLayout PageLayoutOf(TPaperSize paper);

// Paints one page. pictures[row] is the picture of data row `row`; a missing or null picture
// leaves its frame empty. The painter's state is restored afterwards.
void RenderPage(QPainter& painter, const TPreparedReport& report, std::size_t pageIndex,
                std::span<const QImage> pictures, const TPaintTarget& target);

// Paints every page for which `chosen(index)` holds (every page when it is empty), one device page
// each, with a painter already begun on the device.
void RenderPages(QPainter& painter, QPagedPaintDevice& device, const TPreparedReport& report,
                 std::span<const QImage> pictures, const TPaintTarget& target,
                 const std::function<bool(std::size_t)>& chosen = {});

} // namespace quillon
