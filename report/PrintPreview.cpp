#include "report/PrintPreview.h"

#include <QEventLoop>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPageRanges>
#include <QPaintEngine>
#include <QPainter>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <optional>
#include <utility>

namespace quillon {

namespace {

const QColor kGoodNoteColor(0, 128, 0);
const QColor kBadNoteColor(192, 0, 0);

// The printer comes first, so that it is made before the dialog that prints on it and outlives it.
struct TPreviewPrinter {
    QPrinter Printer{QPrinter::HighResolution};
};

// The preview window with what it paints from, for as long as the window lives.
class TPreviewWindow : private TPreviewPrinter, public QPrintPreviewDialog {
public:
    TPreviewWindow(TPreviewContent content, QWidget* parent)
        : QPrintPreviewDialog(&Printer, parent), FContent(std::move(content))
    {
        setAttribute(Qt::WA_DeleteOnClose);
        setWindowModality(Qt::NonModal);
        FBaseTitle = windowTitle();
        FNote = new QLabel(this);
        FNote->setObjectName(QStringLiteral("PreviewNote"));
        FNote->setIndent(6);
        FNote->hide();
        if (layout() != nullptr)
            layout()->addWidget(FNote);
        ConfigurePrinter(Printer, FContent.Report);
        connect(this, &QPrintPreviewDialog::paintRequested, this, &TPreviewWindow::Paint);
        UpdateNote(GridDpiOf(Printer));
    }

    void Rebuild(TPreviewContent content)
    {
        FContent = std::move(content);
        FNoteDpi.reset();
        ConfigurePrinter(Printer, FContent.Report);
        UpdateNote(GridDpiOf(Printer));
        if (auto* pages = findChild<QPrintPreviewWidget*>())
            pages->updatePreview();
    }

    const QLabel* Note() const { return FNote; }

private:
    // Paints the pages for the preview and again for the printer or PDF file the user prints to; only
    // a printer gets its calibration.
    void Paint(QPrinter* printer)
    {
        const int gridDpi = GridDpiOf(*printer);
        UpdateNote(gridDpi);
        TCalibration calibration;
        if (FContent.CalibrationFor && PaintPurposeOf(*printer) == TPaintPurpose::Printer) {
            calibration = FContent.CalibrationFor(printer->printerName());
            try {
                CheckCalibration(calibration);
            } catch (const std::exception& e) {
                QMessageBox::critical(this, tr("Print"), QString::fromUtf8(e.what()));
                return;
            }
        }
        const TPictureDrawer drawer = FContent.DrawerFor ? FContent.DrawerFor(gridDpi) : TPictureDrawer{};
        const bool started = FContent.PaintPage ? PaintOwnPages(*printer, calibration)
                                                : RenderPages(*printer, FContent.Report, FContent.Pictures,
                                                              drawer, calibration);
        if (!started)
            QMessageBox::critical(this, tr("Print"), tr("The printer could not be started."));
    }

    // Pages that the content paints itself, such as the calibration page.
    bool PaintOwnPages(QPrinter& printer, const TCalibration& calibration)
    {
        QPainter painter;
        if (!painter.begin(&printer))
            return false;
        TPaintTarget target = PaintTargetOf(printer);
        target.Calibration = calibration;
        for (std::size_t index = 0; index < FContent.Report.Pages.size(); ++index) {
            if (index > 0)
                printer.newPage();
            FContent.PaintPage(painter, index, target);
        }
        return painter.end();
    }

    // The note is worked out once for each grid: verifying a sheet is not free.
    void UpdateNote(int gridDpi)
    {
        if (!FContent.NoteFor || FNoteDpi == gridDpi) {
            FNote->setVisible(FContent.NoteFor && !FNote->text().isEmpty());
            return;
        }
        FNoteDpi = gridDpi;
        const TPreviewNote note = FContent.NoteFor(gridDpi);
        QPalette palette = FNote->palette();
        palette.setColor(QPalette::WindowText, note.Good ? kGoodNoteColor : kBadNoteColor);
        FNote->setPalette(palette);
        FNote->setText(note.Text);
        FNote->setVisible(!note.Text.isEmpty());
        setWindowTitle(note.Text.isEmpty() ? FBaseTitle
                                           : FBaseTitle + QStringLiteral(" \u2014 ") + note.Text);
    }

    TPreviewContent FContent{};
    QLabel* FNote = nullptr;
    QString FBaseTitle{};
    std::optional<int> FNoteDpi{};
};

} // namespace

int GridDpiOf(const QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat || printer.resolution() <= 0)
        return kDefaultGridDpi;
    return printer.resolution();
}

TPaintTarget PaintTargetOf(const QPrinter& printer)
{
    const int resolution = printer.resolution();
    if (printer.fullPage())
        return TPaintTarget{.ResolutionDpi = static_cast<double>(resolution), .PaperOriginPixels = {}};
    const QPointF paintCorner = printer.pageLayout().paintRectPixels(resolution).topLeft();
    return TPaintTarget{.ResolutionDpi = static_cast<double>(resolution), .PaperOriginPixels = -paintCorner};
}

// The preview widget paints through a picture engine of its own; a PDF file and a printer paint
// through the printer's.
TPaintPurpose PaintPurposeOf(const QPrinter& printer)
{
    const QPaintEngine* engine = printer.paintEngine();
    if (engine != nullptr && engine->type() == QPaintEngine::Picture)
        return TPaintPurpose::Screen;
    return printer.outputFormat() == QPrinter::PdfFormat ? TPaintPurpose::PdfFile : TPaintPurpose::Printer;
}

void ConfigurePrinter(QPrinter& printer, const TPreparedReport& report)
{
    printer.setFullPage(true);
    printer.setPageLayout(PageLayoutOf(report));
    printer.setPageMargins(QMarginsF(), QPageLayout::Millimeter);
}

bool RenderPages(QPrinter& printer, const TPreparedReport& report, std::span<const QImage> pictures,
                 const TPictureDrawer& drawPicture, const TCalibration& calibration)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QPageRanges chosen = printer.pageRanges();
    TPaintTarget target = PaintTargetOf(printer);
    target.DrawPicture = drawPicture;
    target.Calibration = calibration;
    RenderPages(painter, printer, report, pictures, target, [&chosen](std::size_t index) {
        return chosen.isEmpty() || chosen.contains(static_cast<int>(index) + 1);
    });
    return painter.end();
}

QPrintPreviewDialog* OpenPreview(TPreviewContent content, QWidget* parent)
{
    auto* dialog = new TPreviewWindow(std::move(content), parent);
    dialog->show();
    return dialog;
}

QPrintPreviewDialog* OpenPreview(TPreparedReport report, std::vector<QImage> pictures, QWidget* parent)
{
    return OpenPreview(TPreviewContent{.Report = std::move(report), .Pictures = std::move(pictures)}, parent);
}

bool RebuildPreview(QPrintPreviewDialog* preview, TPreviewContent content)
{
    auto* window = dynamic_cast<TPreviewWindow*>(preview);
    if (window == nullptr)
        return false;
    window->Rebuild(std::move(content));
    return true;
}

const QLabel* PreviewNoteLabel(const QPrintPreviewDialog* preview)
{
    const auto* window = dynamic_cast<const TPreviewWindow*>(preview);
    return window != nullptr ? window->Note() : nullptr;
}

void RunPreview(TPreparedReport report, std::vector<QImage> pictures, QWidget* parent)
{
    QPointer<QPrintPreviewDialog> dialog = OpenPreview(std::move(report), std::move(pictures), parent);
    QEventLoop loop;
    QObject::connect(dialog, &QDialog::finished, &loop, &QEventLoop::quit);
    QObject::connect(dialog, &QObject::destroyed, &loop, &QEventLoop::quit);
    if (dialog && dialog->isVisible())
        loop.exec();
}

} // namespace quillon
