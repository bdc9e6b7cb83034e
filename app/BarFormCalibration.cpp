// TBarForm: the printers' corrections, typed in the calibration dialog and measured on the
// calibration page.
#include <QPushButton>

#include "app/BarForm.h"
#include "report/CalibrationPage.h"
#include "report/PrintPreview.h"

namespace quillon {

namespace {

// One page of the paper, painted by the calibration page rather than by a report.
TPreparedReport CalibrationSheet(TPaperSize paper)
{
    const TPaperTenths tenths = PaperTenths(paper);
    return {.Pages = {TPreparedPage{}},
            .PaperSize = paper,
            .Orientation = TOrientation::Portrait,
            .PaperWidthTenths = tenths.Width,
            .PaperLengthTenths = tenths.Length,
            .PixelsPerInch = 96};
}

} // namespace

TCalibration TBarForm::PrinterCalibration(const QString& printer) const
{
    return CalibrationOf(*FCalibrations, printer.toStdString());
}

// The dialog works on a copy; confirming it replaces the corrections and keeps them in the settings.
void TBarForm::CalibrationBtnClick()
{
    if (FCalibrationDialog != nullptr) {
        FCalibrationDialog->raise();
        FCalibrationDialog->activateWindow();
        return;
    }
    auto* dialog = new TCalibrationDialog(PrinterNames(), *FCalibrations, Language(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        *FCalibrations = dialog->Calibrations();
        ScheduleSave();
    });
    connect(dialog->PageBtn, &QPushButton::clicked, this, [this, dialog] { PrintCalibrationPage(*dialog); });
    FCalibrationDialog = dialog;
    dialog->open();
}

// On the sheet's paper, with the corrections the dialog shows for the printer it goes to: printed
// with zeros it measures the printer, printed with corrections it checks them.
void TBarForm::PrintCalibrationPage(TCalibrationDialog& dialog)
{
    const TPaperSize paper = FStock ? FStock->Geometry.Paper : FPaper;
    TPreviewContent content{
        .Report = CalibrationSheet(paper),
        .Pictures = {},
        .DrawerFor = {},
        .NoteFor = {},
        .CalibrationFor = [shown = dialog.Calibrations()](
                              const QString& printer) { return CalibrationOf(shown, printer.toStdString()); },
        .PaintPage = [paper](QPainter& painter, std::size_t,
                             const TPaintTarget& target) { PaintCalibrationPage(painter, paper, target); },
    };
    TPreviewWindow* preview = OpenPreview(std::move(content), &dialog);
    preview->setObjectName(QStringLiteral("CalibrationPreview"));
}

} // namespace quillon
