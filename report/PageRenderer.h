// Paints prepared report pages with QPainter in millimetres: one painting path for preview, printer and PDF.
#pragma once

#include <QImage>
#include <QPageLayout>
#include <QPointF>
#include <cstddef>
#include <span>

#include "report/PreparedReport.h"

class QPainter;
class QPrinter;

namespace quillon {

// Where and how finely a page is painted, in device pixels of the painter.
struct TPaintTarget {
    double ResolutionDpi = 96.0;
    QPointF PaperOriginPixels{};  // the paper's top-left corner in the painter's coordinates
};

// Full-page printers put the paper's corner at the origin; others start at the paint rectangle.
TPaintTarget PaintTargetOf(const QPrinter& printer);

// The paper of a prepared report, with margins 0 so that its page values alone place everything.
QPageLayout PageLayoutOf(const TPreparedReport& report);
void ConfigurePrinter(QPrinter& printer, const TPreparedReport& report);

// Paints one page. pictures[row] is the picture of data row `row`; a missing or null picture
// leaves its frame empty. The painter's state is restored afterwards.
void RenderPage(QPainter& painter, const TPreparedReport& report, std::size_t pageIndex,
                std::span<const QImage> pictures, const TPaintTarget& target);

// Paints every page (or the printer's chosen page range), one printer page each.
// False when the printer could not be started.
bool RenderPages(QPrinter& printer, const TPreparedReport& report, std::span<const QImage> pictures);

}  // namespace quillon
