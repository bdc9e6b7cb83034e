#include "report/PrintPreview.h"

#include <QEventLoop>
#include <QMessageBox>
#include <QPageRanges>
#include <QPainter>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <memory>
#include <utility>

#include "report/PageRenderer.h"

namespace quillon {

namespace {

// What a preview window paints from, for as long as the window lives.
struct TPreviewSession {
    QPrinter Printer{QPrinter::HighResolution};
    TPreparedReport Report{};
    std::vector<QImage> Pictures;
};

// Paints the pages for the preview and again for the printer the user prints to.
void PaintSession(const TPreviewSession& session, QPrinter& printer, QWidget* window)
{
    if (!RenderPages(printer, session.Report, session.Pictures))
        QMessageBox::critical(window, QObject::tr("Print"), QObject::tr("The printer could not be started."));
}

} // namespace

TPaintTarget PaintTargetOf(const QPrinter& printer)
{
    const int resolution = printer.resolution();
    if (printer.fullPage())
        return TPaintTarget{.ResolutionDpi = static_cast<double>(resolution), .PaperOriginPixels = {}};
    const QPointF paintCorner = printer.pageLayout().paintRectPixels(resolution).topLeft();
    return TPaintTarget{.ResolutionDpi = static_cast<double>(resolution), .PaperOriginPixels = -paintCorner};
}

void ConfigurePrinter(QPrinter& printer, const TPreparedReport& report)
{
    printer.setFullPage(true);
    printer.setPageLayout(PageLayoutOf(report));
    printer.setPageMargins(QMarginsF(), QPageLayout::Millimeter);
}

bool RenderPages(QPrinter& printer, const TPreparedReport& report, std::span<const QImage> pictures)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QPageRanges chosen = printer.pageRanges();
    RenderPages(painter, printer, report, pictures, PaintTargetOf(printer), [&chosen](std::size_t index) {
        return chosen.isEmpty() || chosen.contains(static_cast<int>(index) + 1);
    });
    return painter.end();
}

QPrintPreviewDialog* OpenPreview(TPreparedReport report, std::vector<QImage> pictures, QWidget* parent)
{
    auto session = std::make_shared<TPreviewSession>();
    session->Report = std::move(report);
    session->Pictures = std::move(pictures);
    ConfigurePrinter(session->Printer, session->Report);

    // The connection holds the session, so the printer outlives the dialog and its preview widget.
    auto* dialog = new QPrintPreviewDialog(&session->Printer, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::NonModal);
    QObject::connect(dialog, &QPrintPreviewDialog::paintRequested, dialog,
                     [session, dialog](QPrinter* printer) { PaintSession(*session, *printer, dialog); });
    dialog->show();
    return dialog;
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
