// The preview window of a prepared report, with page setup, printer choice and printing, and the
// printer side of the page renderer.
#pragma once

#include <QImage>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "report/PageRenderer.h"
#include "report/PreparedReport.h"

class QLabel;
class QPainter;
class QPrintPreviewDialog;
class QPrinter;
class QWidget;

namespace quillon {

// The dot grid that pictures are drawn on for a PDF file, and for a printer that reports no resolution.
inline constexpr int kDefaultGridDpi = 600;

// The printer's own resolution for a printer; kDefaultGridDpi for a PDF file or a printer that
// reports none.
int GridDpiOf(const QPrinter& printer);

// Full-page printers put the paper's corner at the origin; others start at the paint rectangle.
TPaintTarget PaintTargetOf(const QPrinter& printer);
void ConfigurePrinter(QPrinter& printer, const TPreparedReport& report);

// Paints every page (or the printer's chosen page range), one printer page each; drawPicture, when
// given, draws the pictures itself (see TPaintTarget); everything is moved and scaled by the
// calibration, whose range the caller checks. False when the printer could not be started.
bool RenderPages(QPrinter& printer, const TPreparedReport& report, std::span<const QImage> pictures,
                 const TPictureDrawer& drawPicture = {}, const TCalibration& calibration = {});

// What a preview window paints its pages for: itself on the screen, a PDF file, or a printer.
enum class TPaintPurpose : std::uint8_t { Screen, PdfFile, Printer };
// Told from the printer while a preview window paints on it.
TPaintPurpose PaintPurposeOf(const QPrinter& printer);

// Paints page `index` of a preview in place of the report's elements, on a painter begun on the
// printer; the report still gives the paper and the page count.
using TPagePainter = std::function<void(QPainter& painter, std::size_t index, const TPaintTarget& target)>;

// A line the preview window shows under its pages, such as how many labels read back.
struct TPreviewNote {
    QString Text{};
    bool Good = true; // false shows it in red
};

// What a preview window shows and prints.
struct TPreviewContent {
    TPreparedReport Report{};
    std::vector<QImage> Pictures{}; // pictures[row] is the picture of data row `row`
    // Draws the pictures on the dot grid of a printer of gridDpi (see GridDpiOf); none scales the
    // bitmaps.
    std::function<TPictureDrawer(int gridDpi)> DrawerFor{};
    // The line for pages printed at gridDpi; none shows no line. Asked again when the printer's
    // resolution changes.
    std::function<TPreviewNote(int gridDpi)> NoteFor{};
    // The correction of the printer of that name, asked for pages sent to a printer only: the preview
    // on the screen and a PDF file show the sheet as it is. None corrects nothing.
    std::function<TCalibration(const QString& printerName)> CalibrationFor{};
    // Pages that are not a label sheet, such as the calibration page; none paints the report.
    TPagePainter PaintPage{};
};

// Opens a non-modal preview window of the pages and returns at once. The window deletes itself
// when closed; keep it in a QPointer to bring an open preview to the front later.
QPrintPreviewDialog* OpenPreview(TPreviewContent content, QWidget* parent = nullptr);
QPrintPreviewDialog* OpenPreview(TPreparedReport report, std::vector<QImage> pictures,
                                 QWidget* parent = nullptr);

// Puts new content into a preview window that OpenPreview made and paints it anew, keeping the
// window, its printer and its page setup. False for any other window.
bool RebuildPreview(QPrintPreviewDialog* preview, TPreviewContent content);

// The line a preview window shows under its pages; nullptr for a window OpenPreview did not make.
const QLabel* PreviewNoteLabel(const QPrintPreviewDialog* preview);

// Shows the preview and returns when its window has closed (or the application quits). Events keep
// flowing meanwhile, so the rest of the program stays usable.
void RunPreview(TPreparedReport report, std::vector<QImage> pictures, QWidget* parent = nullptr);

} // namespace quillon
