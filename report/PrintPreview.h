// The preview window of a prepared report, with page setup, printer choice and printing, and the
// printer side of the page renderer.
#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QImage>
#include <QPrinter>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "report/PageRenderer.h"
#include "report/PreparedReport.h"
#include "report/Units.h"

class QAction;
class QComboBox;
class QLabel;
class QPainter;
class QScrollArea;
class QSpinBox;

namespace quillon {

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

// What a preview window prints its pages on: a PDF file or a printer.
enum class TPaintPurpose : std::uint8_t { PdfFile, Printer };
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
    // Sends the labels to a label printer instead, from the tool bar's "Label printer..."; none hides it.
    std::function<void(QWidget* preview)> SendToLabelPrinter{};
};

class TPreviewPages;

// The preview window of a sheet: its pages one under the other, painted as they come into view (so a run
// of a thousand pages opens at once), zoom, page navigation, page setup, printer choice and printing,
// and a line under the pages such as how many labels read back.
class TPreviewWindow : public QDialog {
    // Its words come from the window's catalogues, under its own name.
    Q_DECLARE_TR_FUNCTIONS(TPreviewWindow)

public:
    TPreviewWindow(TPreviewContent content, QWidget* parent);
    ~TPreviewWindow() override;

    // Puts new content into the window and shows it, keeping the window, its printer and its page setup.
    void Rebuild(TPreviewContent content);
    const QLabel* Note() const { return FNote; }
    QAction* LabelPrinterAction() const { return FLabelPrinterAction; }
    // The printer the window prints on, set up for its paper.
    QPrinter* printer() { return &FPrinter; }
    const QPrinter* printer() const { return &FPrinter; }
    int PageCount() const;
    int CurrentPage() const; // from 1, the page in view
    void ShowPage(int page);
    double Zoom() const; // 1 shows the paper at its real size
    void SetZoom(double zoom);
    // Prints every page on the window's printer as it is set, without asking; Print… asks first.
    void PrintPages();
    // Paints page `index` at deviceDpi pixels an inch, the paper's corner at the painter's origin.
    void PaintScreenPage(QPainter& painter, std::size_t index, double deviceDpi);

protected:
    void childEvent(QChildEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    enum class TFit : std::uint8_t { None, Width, Page };

    void ShowPages();
    void Fit(TFit fit);
    void ApplyZoom(double zoom);
    void ShowZoom();
    void FollowScroll();
    void SetUpPage();
    void PrintWithDialog();
    void Paint(QPrinter& printer);
    void PrintToPdfFile(QPrinter& printer);
    bool PaintOwnPages(QPrinter& printer, const TCalibration& calibration);
    void UpdateNote(int gridDpi);

    QPrinter FPrinter{QPrinter::HighResolution};
    TPreviewContent FContent{};
    std::optional<std::pair<int, TPictureDrawer>> FScreenDrawer{}; // for the printer's grid
    QScrollArea* FScroll = nullptr;
    TPreviewPages* FPages = nullptr;
    QComboBox* FZoomBox = nullptr;
    QSpinBox* FPageBox = nullptr;
    QLabel* FNote = nullptr;
    QAction* FLabelPrinterAction = nullptr;
    QString FBaseTitle{};
    std::optional<int> FNoteDpi{};
    TFit FFit = TFit::Width;
    bool FPaintingPdf = false;
    bool FFollowingScroll = false;
};

// Opens a non-modal preview window of the pages and returns at once. The window deletes itself
// when closed; keep it in a QPointer to bring an open preview to the front later.
TPreviewWindow* OpenPreview(TPreviewContent content, QWidget* parent = nullptr);
TPreviewWindow* OpenPreview(TPreparedReport report, std::vector<QImage> pictures, QWidget* parent = nullptr);

// Shows the preview and returns when its window has closed (or the application quits). Events keep
// flowing meanwhile, so the rest of the program stays usable.
void RunPreview(TPreparedReport report, std::vector<QImage> pictures, QWidget* parent = nullptr);

} // namespace quillon
