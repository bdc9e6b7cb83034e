#include "report/PrintPreview.h"

#include <QChildEvent>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageRanges>
#include <QPaintEngine>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <optional>
#include <utility>

#include "data/Escape.h"
#include "data/SafeFile.h"

namespace quillon {

namespace {

const QColor kGoodNoteColor(0, 128, 0);
const QColor kBadNoteColor(192, 0, 0);

// The end of a whole PDF file: "%%EOF" within its last bytes.
constexpr char kPdfStart[] = "%PDF-";
constexpr char kPdfEnd[] = "%%EOF";
constexpr std::size_t kPdfTailBytes = 1024;

// True when the file at `path` is a PDF written to its end: it begins with %PDF- and its last bytes
// hold %%EOF. A write that failed midway (a full disk) leaves it cut short.
bool WholePdf(const std::string& path)
{
    QFile file(QFile::decodeName(QByteArray::fromStdString(path)));
    if (!file.open(QIODevice::ReadOnly) || file.size() < static_cast<qint64>(sizeof kPdfStart))
        return false;
    if (file.read(sizeof kPdfStart - 1) != kPdfStart)
        return false;
    const qint64 tailStart = std::max<qint64>(0, file.size() - static_cast<qint64>(kPdfTailBytes));
    return file.seek(tailStart) && file.readAll().contains(kPdfEnd);
}

QString CannotWriteText(const EFileError& error)
{
    return QObject::tr("Cannot write %1: %2. Nothing was written.")
        .arg(QString::fromStdString(EscapeForMessage(error.Path())),
             QString::fromStdString(RefusalReason(error)));
}

// The print dialog opens the file it is to print to before it closes, to see that it can be written: a
// FIFO would block the window there and a planted link be created through. The name is checked first
// as any replacement is, and only a name that passes reaches the dialog's own check.
void GuardFileCheck(QPrintDialog* dialog)
{
    auto* buttons = dialog->findChild<QDialogButtonBox*>();
    if (buttons == nullptr)
        return;
    QObject::disconnect(buttons, &QDialogButtonBox::accepted, dialog, nullptr);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, [dialog] {
        const auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
        if (file != nullptr && file->isEnabled() && !file->text().isEmpty()) {
            try {
                CheckReplaceable(QFile::encodeName(file->text()).toStdString());
            } catch (const EFileError& error) {
                if (error.Fault() != TFileFault::NotFound) { // a missing folder the dialog tells itself
                    QMessageBox::warning(dialog, dialog->windowTitle(), CannotWriteText(error));
                    return;
                }
            }
        }
        if (!QMetaObject::invokeMethod(dialog, "_q_checkFields"))
            dialog->accept();
    });
}

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

protected:
    void childEvent(QChildEvent* event) override
    {
        QPrintPreviewDialog::childEvent(event);
        if (auto* dialog = qobject_cast<QPrintDialog*>(event->child());
            dialog != nullptr && event->type() == QEvent::ChildPolished)
            GuardFileCheck(dialog); // once more does no harm: it replaces its own connection
    }

private:
    // Paints the pages for the preview and again for the printer or PDF file the user prints to; only
    // a printer gets its calibration.
    void Paint(QPrinter* printer)
    {
        if (PaintPurposeOf(*printer) == TPaintPurpose::PdfFile && !FPaintingPdf) {
            PrintToPdfFile(*printer);
            return;
        }
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

    // A PDF file is never written in place by the printer: it goes to an unnamed file beside the target,
    // is checked whole and then takes the name, with the refusals of every replacement (a device, a FIFO,
    // another user's link or file, a write-protected file). A failure leaves the old file as it was.
    void PrintToPdfFile(QPrinter& printer)
    {
        const QString target = printer.outputFileName();
        std::optional<TFileReplacement> replacement;
        try {
            replacement.emplace(QFile::encodeName(target).toStdString());
        } catch (const EFileError& error) {
            QMessageBox::critical(this, tr("Print"), CannotWriteText(error));
            return;
        }
        printer.setOutputFileName(QFile::decodeName(QByteArray::fromStdString(replacement->WriterPath())));
        FPaintingPdf = true;
        Paint(&printer);
        FPaintingPdf = false;
        printer.setOutputFileName(target);
        if (!WholePdf(replacement->WriterPath())) {
            QMessageBox::critical(
                this, tr("Print"),
                tr("The PDF file %1 could not be written whole (is the disk full?); the "
                   "file there is as it was.")
                    .arg(QString::fromStdString(EscapeForMessage(QFile::encodeName(target).toStdString()))));
            return;
        }
        try {
            replacement->Commit();
        } catch (const EFileError& error) {
            QMessageBox::critical(this, tr("Print"), CannotWriteText(error));
        }
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
    bool FPaintingPdf = false;
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
