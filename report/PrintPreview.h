// The preview window of a prepared report, with page setup, printer choice and printing.
#pragma once

#include <QImage>
#include <vector>

#include "report/PreparedReport.h"

class QPrintPreviewDialog;
class QWidget;

namespace quillon {

// Opens a non-modal preview window of the pages and returns at once. The window deletes itself
// when closed; keep it in a QPointer to bring an open preview to the front later.
// pictures[row] is the picture of data row `row`.
QPrintPreviewDialog* OpenPreview(TPreparedReport report, std::vector<QImage> pictures,
                                 QWidget* parent = nullptr);

// Shows the preview and returns when its window has closed (or the application quits). Events keep
// flowing meanwhile, so the rest of the program stays usable.
void RunPreview(TPreparedReport report, std::vector<QImage> pictures, QWidget* parent = nullptr);

}  // namespace quillon
