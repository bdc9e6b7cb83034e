// The preview window of a prepared report, with page setup, printer choice and printing, and the
// printer side of the page renderer.
#pragma once

#include <QImage>
#include <span>
#include <vector>

#include "report/PreparedReport.h"

class QPrintPreviewDialog;
class QPrinter;
class QWidget;

namespace quillon {

struct TPaintTarget;

// Full-page printers put the paper's corner at the origin; others start at the paint rectangle.
TPaintTarget PaintTargetOf(const QPrinter& printer);
void ConfigurePrinter(QPrinter& printer, const TPreparedReport& report);

// Paints every page (or the printer's chosen page range), one printer page each.
// False when the printer could not be started.
bool RenderPages(QPrinter& printer, const TPreparedReport& report, std::span<const QImage> pictures);

// Opens a non-modal preview window of the pages and returns at once. The window deletes itself
// when closed; keep it in a QPointer to bring an open preview to the front later.
// pictures[row] is the picture of data row `row`.
QPrintPreviewDialog* OpenPreview(TPreparedReport report, std::vector<QImage> pictures,
                                 QWidget* parent = nullptr);

// Shows the preview and returns when its window has closed (or the application quits). Events keep
// flowing meanwhile, so the rest of the program stays usable.
void RunPreview(TPreparedReport report, std::vector<QImage> pictures, QWidget* parent = nullptr);

} // namespace quillon
