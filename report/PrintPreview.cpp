#include "report/PrintPreview.h"

#include <QChildEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageRanges>
#include <QPageSetupDialog>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <cmath>
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

// A message in the language of the catalogues the application has installed.
QString Translated(const TLabelMessage& message)
{
    const auto wordingOf = [](std::string_view english, const void*) {
        return QCoreApplication::translate(kMessageContext, std::string(english).c_str()).toStdString();
    };
    return QString::fromStdString(Worded(message, wordingOf, nullptr));
}

QString CannotWriteText(const EFileError& error)
{
    return QObject::tr("Cannot write %1: %2. Nothing was written.")
        .arg(QString::fromStdString(EscapeForMessage(error.Path())), Translated(RefusalReason(error)));
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

// The zoom steps the window offers, and the gaps around its pages, in pixels of the screen.
constexpr std::array<int, 10> kZoomPercents{25, 50, 75, 100, 125, 150, 200, 300, 400, 800};
constexpr double kZoomStep = 1.25;
constexpr double kLeastZoom = 0.1;
constexpr double kMostZoom = 8.0;
constexpr int kPageGapPx = 12;
constexpr int kShadowPx = 3;
constexpr QSize kStandaloneSize(760, 900);

} // namespace

// The pages one under the other, each painted when it comes into view and at the screen's own pixels:
// a run of a thousand pages opens at once, and bars stay sharp at every zoom and screen scale.
class TPreviewPages : public QWidget {
public:
    explicit TPreviewPages(TPreviewWindow& window) : FWindow(window)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    double Zoom() const { return FZoom; }
    void SetZoom(double zoom)
    {
        FZoom = std::clamp(zoom, kLeastZoom, kMostZoom);
        Relayout();
    }
    // The paper's size in inches, as the printer is set up.
    QSizeF PaperInches() const { return FWindow.printer()->pageLayout().fullRect(QPageLayout::Inch).size(); }
    const std::vector<QRect>& PageRects() const { return FPageRects; }

    void Relayout()
    {
        const std::size_t pages = static_cast<std::size_t>(FWindow.PageCount());
        const QSizeF paper = PaperInches() * (FZoom * logicalDpiX());
        const QSize page(static_cast<int>(std::ceil(paper.width())),
                         static_cast<int>(std::ceil(paper.height())));
        FPageRects.clear();
        FPageRects.reserve(pages);
        for (std::size_t index = 0; index < pages; ++index)
            FPageRects.emplace_back(
                QPoint(kPageGapPx, kPageGapPx + static_cast<int>(index) * (page.height() + kPageGapPx)),
                page);
        const int width = page.width() + 2 * kPageGapPx;
        const int height = kPageGapPx + static_cast<int>(pages) * (page.height() + kPageGapPx);
        setFixedSize(std::max(width, 1), std::max(height, 1));
        update();
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        painter.fillRect(event->rect(), palette().color(QPalette::Dark));
        // The pixels of what is painted on: the screen's, or an image's the widget is rendered to.
        const double dpr = painter.device()->devicePixelRatioF();
        const double dpi = FZoom * logicalDpiX() * dpr;
        for (std::size_t index = 0; index < FPageRects.size(); ++index) {
            const QRect page = FPageRects[index];
            if (!page.adjusted(0, 0, kShadowPx, kShadowPx).intersects(event->rect()))
                continue;
            painter.fillRect(page.translated(kShadowPx, kShadowPx), palette().color(QPalette::Shadow));
            painter.fillRect(page, Qt::white);
            painter.save();
            painter.setClipRect(page.intersected(event->rect()));
            // One unit a pixel of the screen, so that the label drawer meets whole pixels.
            painter.setWorldTransform(
                QTransform::fromTranslate(page.left(), page.top()).scale(1 / dpr, 1 / dpr));
            FWindow.PaintScreenPage(painter, index, dpi);
            painter.restore();
        }
    }

private:
    TPreviewWindow& FWindow;
    double FZoom = 1.0;
    std::vector<QRect> FPageRects{};
};

TPreviewWindow::TPreviewWindow(TPreviewContent content, QWidget* parent)
    : QDialog(parent), FContent(std::move(content))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::NonModal);
    setWindowTitle(tr("Print Preview"));
    setSizeGripEnabled(true);
    FBaseTitle = windowTitle();
    ConfigurePrinter(FPrinter, FContent.Report);

    // Short captions, the whole name in the tooltip: the bar fits beside the window on a small screen.
    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const auto add = [this, bar](const QString& caption, const QString& name, const QKeySequence& keys,
                                 auto slot) {
        QAction* action = bar->addAction(caption, this, slot);
        action->setToolTip(keys.isEmpty() ? name
                                          : name + QStringLiteral(" (") +
                                                keys.toString(QKeySequence::NativeText) + QLatin1Char(')'));
        action->setShortcut(keys);
        return action;
    };
    add(QStringLiteral("\u2194"), tr("Fit width"), {}, [this] { Fit(TFit::Width); });
    add(QStringLiteral("\u2195"), tr("Fit page"), {}, [this] { Fit(TFit::Page); });
    add(QStringLiteral("\u2212"), tr("Zoom out"), QKeySequence::ZoomOut,
        [this] { SetZoom(Zoom() / kZoomStep); });
    FZoomBox = new QComboBox(bar);
    FZoomBox->setEditable(true);
    FZoomBox->setInsertPolicy(QComboBox::NoInsert);
    FZoomBox->setToolTip(tr("Zoom"));
    for (const int percent : kZoomPercents)
        FZoomBox->addItem(QStringLiteral("%1%").arg(percent));
    connect(FZoomBox, &QComboBox::textActivated, this, [this](QString text) {
        bool ok = false;
        const double percent = text.remove(QLatin1Char('%')).trimmed().toDouble(&ok);
        if (ok && percent > 0)
            SetZoom(percent / 100.0);
        else
            ShowZoom();
    });
    bar->addWidget(FZoomBox);
    add(QStringLiteral("+"), tr("Zoom in"), QKeySequence::ZoomIn, [this] { SetZoom(Zoom() * kZoomStep); });
    bar->addSeparator();
    add(QStringLiteral("|\u25C0"), tr("First page"), QKeySequence(Qt::CTRL | Qt::Key_Home),
        [this] { ShowPage(1); });
    add(QStringLiteral("\u25C0"), tr("Previous page"), QKeySequence::MoveToPreviousPage,
        [this] { ShowPage(CurrentPage() - 1); });
    FPageBox = new QSpinBox(bar);
    FPageBox->setKeyboardTracking(false);
    FPageBox->setToolTip(tr("Page"));
    connect(FPageBox, &QSpinBox::valueChanged, this, [this](int page) {
        if (!FFollowingScroll)
            ShowPage(page);
    });
    bar->addWidget(FPageBox);
    add(QStringLiteral("\u25B6"), tr("Next page"), QKeySequence::MoveToNextPage,
        [this] { ShowPage(CurrentPage() + 1); });
    add(QStringLiteral("\u25B6|"), tr("Last page"), QKeySequence(Qt::CTRL | Qt::Key_End),
        [this] { ShowPage(PageCount()); });
    bar->addSeparator();
    add(tr("Page setup\u2026"), tr("Page setup"), {}, [this] { SetUpPage(); });
    add(tr("Print\u2026"), tr("Print"), QKeySequence::Print, [this] { PrintWithDialog(); });
    FLabelPrinterAction = add(tr("Label printer\u2026"), tr("Send to a label printer"), {}, [this] {
        if (FContent.SendToLabelPrinter)
            FContent.SendToLabelPrinter(this);
    });
    FLabelPrinterAction->setVisible(static_cast<bool>(FContent.SendToLabelPrinter));

    FScroll = new QScrollArea(this);
    FScroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    FScroll->setBackgroundRole(QPalette::Dark);
    FPages = new TPreviewPages(*this);
    FScroll->setWidget(FPages);
    connect(FScroll->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { FollowScroll(); });

    FNote = new QLabel(this);
    FNote->setObjectName(QStringLiteral("PreviewNote"));
    FNote->setIndent(6);
    FNote->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(FScroll, 1);
    layout->addWidget(FNote);
    resize(kStandaloneSize.boundedTo(screen()->availableGeometry().size()));
    UpdateNote(GridDpiOf(FPrinter));
    ShowPages();
}

TPreviewWindow::~TPreviewWindow() = default;

void TPreviewWindow::Rebuild(TPreviewContent content)
{
    FContent = std::move(content);
    FLabelPrinterAction->setVisible(static_cast<bool>(FContent.SendToLabelPrinter));
    FNoteDpi.reset();
    FScreenDrawer.reset();
    ConfigurePrinter(FPrinter, FContent.Report);
    UpdateNote(GridDpiOf(FPrinter));
    ShowPages();
}

int TPreviewWindow::PageCount() const
{
    return static_cast<int>(FContent.Report.Pages.size());
}

int TPreviewWindow::CurrentPage() const
{
    // The page at the top of the view, as ShowPage puts it there.
    const int top = FScroll->verticalScrollBar()->value() + kPageGapPx;
    const std::vector<QRect>& pages = FPages->PageRects();
    for (std::size_t index = 0; index < pages.size(); ++index)
        if (top < pages[index].bottom() + kPageGapPx)
            return static_cast<int>(index) + 1;
    return PageCount();
}

void TPreviewWindow::ShowPage(int page)
{
    const std::vector<QRect>& pages = FPages->PageRects();
    if (pages.empty())
        return;
    const std::size_t index = static_cast<std::size_t>(std::clamp(page, 1, PageCount()) - 1);
    FScroll->verticalScrollBar()->setValue(pages[index].top() - kPageGapPx);
    FollowScroll();
}

double TPreviewWindow::Zoom() const
{
    return FPages->Zoom();
}

void TPreviewWindow::SetZoom(double zoom)
{
    FFit = TFit::None;
    ApplyZoom(zoom);
}

void TPreviewWindow::PrintPages()
{
    Paint(FPrinter);
}

void TPreviewWindow::PaintScreenPage(QPainter& painter, std::size_t index, double deviceDpi)
{
    TPaintTarget target{.ResolutionDpi = deviceDpi};
    if (FContent.PaintPage) {
        FContent.PaintPage(painter, index, target);
        return;
    }
    // Labels are placed on the printer's dots, as they print, and only drawn at the screen's pixels.
    const int gridDpi = GridDpiOf(FPrinter);
    if (FContent.DrawerFor && (!FScreenDrawer || FScreenDrawer->first != gridDpi))
        FScreenDrawer.emplace(gridDpi, FContent.DrawerFor(gridDpi));
    if (FScreenDrawer)
        target.DrawPicture = FScreenDrawer->second;
    RenderPage(painter, FContent.Report, index, FContent.Pictures, target);
}

void TPreviewWindow::childEvent(QChildEvent* event)
{
    QDialog::childEvent(event);
    if (auto* dialog = qobject_cast<QPrintDialog*>(event->child());
        dialog != nullptr && event->type() == QEvent::ChildPolished)
        GuardFileCheck(dialog); // once more does no harm: it replaces its own connection
}

void TPreviewWindow::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (FFit != TFit::None)
        Fit(FFit);
}

void TPreviewWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (FFit != TFit::None)
        Fit(FFit);
}

void TPreviewWindow::ShowPages()
{
    FPages->Relayout();
    FPageBox->setRange(PageCount() > 0 ? 1 : 0, PageCount());
    FPageBox->setSuffix(QStringLiteral(" / %1").arg(PageCount()));
    if (FFit != TFit::None)
        Fit(FFit);
    FollowScroll();
}

void TPreviewWindow::Fit(TFit fit)
{
    const QSizeF paper = FPages->PaperInches() * FPages->logicalDpiX();
    const QSize room =
        FScroll->viewport()->size() - QSize(2 * kPageGapPx + kShadowPx, 2 * kPageGapPx + kShadowPx);
    if (paper.isEmpty() || room.isEmpty())
        return;
    double zoom = room.width() / paper.width();
    if (fit == TFit::Page)
        zoom = std::min(zoom, room.height() / paper.height());
    FFit = fit;
    ApplyZoom(zoom);
}

void TPreviewWindow::ApplyZoom(double zoom)
{
    const int page = CurrentPage();
    FPages->SetZoom(zoom);
    ShowZoom();
    ShowPage(page);
}

void TPreviewWindow::ShowZoom()
{
    FZoomBox->setEditText(QStringLiteral("%1%").arg(std::lround(Zoom() * 100)));
}

void TPreviewWindow::FollowScroll()
{
    FFollowingScroll = true;
    FPageBox->setValue(CurrentPage());
    FFollowingScroll = false;
}

void TPreviewWindow::SetUpPage()
{
    QPageSetupDialog dialog(&FPrinter, this);
    if (dialog.exec() == QDialog::Accepted)
        ShowPages();
}

void TPreviewWindow::PrintWithDialog()
{
    QPrintDialog dialog(&FPrinter, this);
    if (dialog.exec() == QDialog::Accepted)
        Paint(FPrinter);
}

// Paints the pages for the printer or PDF file the user prints to; only a printer gets its calibration.
void TPreviewWindow::Paint(QPrinter& printer)
{
    if (PaintPurposeOf(printer) == TPaintPurpose::PdfFile && !FPaintingPdf) {
        PrintToPdfFile(printer);
        return;
    }
    const int gridDpi = GridDpiOf(printer);
    UpdateNote(gridDpi);
    TCalibration calibration;
    if (FContent.CalibrationFor && PaintPurposeOf(printer) == TPaintPurpose::Printer) {
        calibration = FContent.CalibrationFor(printer.printerName());
        try {
            CheckCalibration(calibration);
        } catch (const std::exception& e) {
            QMessageBox::critical(this, tr("Print"), QString::fromUtf8(e.what()));
            return;
        }
    }
    const TPictureDrawer drawer = FContent.DrawerFor ? FContent.DrawerFor(gridDpi) : TPictureDrawer{};
    const bool started = FContent.PaintPage
                             ? PaintOwnPages(printer, calibration)
                             : RenderPages(printer, FContent.Report, FContent.Pictures, drawer, calibration);
    if (!started)
        QMessageBox::critical(this, tr("Print"), tr("The printer could not be started."));
}

// A PDF file is never written in place by the printer: it goes to an unnamed file beside the target,
// is checked whole and then takes the name, with the refusals of every replacement (a device, a FIFO,
// another user's link or file, a write-protected file). A failure leaves the old file as it was.
void TPreviewWindow::PrintToPdfFile(QPrinter& printer)
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
    Paint(printer);
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
bool TPreviewWindow::PaintOwnPages(QPrinter& printer, const TCalibration& calibration)
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
void TPreviewWindow::UpdateNote(int gridDpi)
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
    setWindowTitle(note.Text.isEmpty() ? FBaseTitle : FBaseTitle + QStringLiteral(" \u2014 ") + note.Text);
}

namespace {
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

TPaintPurpose PaintPurposeOf(const QPrinter& printer)
{
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

TPreviewWindow* OpenPreview(TPreviewContent content, QWidget* parent)
{
    auto* dialog = new TPreviewWindow(std::move(content), parent);
    dialog->show();
    return dialog;
}

TPreviewWindow* OpenPreview(TPreparedReport report, std::vector<QImage> pictures, QWidget* parent)
{
    return OpenPreview(TPreviewContent{.Report = std::move(report), .Pictures = std::move(pictures)}, parent);
}

void RunPreview(TPreparedReport report, std::vector<QImage> pictures, QWidget* parent)
{
    QPointer<TPreviewWindow> dialog = OpenPreview(std::move(report), std::move(pictures), parent);
    QEventLoop loop;
    QObject::connect(dialog, &QDialog::finished, &loop, &QEventLoop::quit);
    QObject::connect(dialog, &QObject::destroyed, &loop, &QEventLoop::quit);
    if (dialog && dialog->isVisible())
        loop.exec();
}

} // namespace quillon
