// TCalibrationDialog: a printer's corrections (offsets in millimetres, scales in percent) typed after
// measuring its calibration page, kept for each printer by name.
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

#include "app/Captions.h"
#include "app/PrinterCalibration.h"

class QComboBox;
class QDialogButtonBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;

namespace quillon {

class TCalibrationDialog : public QDialog {
public:
    // printers: the names to choose from, the one to show first at the front; saved: the corrections
    // kept so far, of these printers and any others.
    TCalibrationDialog(const QStringList& printers, TPrinterCalibrations saved, TLanguage language,
                       QWidget* parent = nullptr);

    QComboBox* PrinterBox = nullptr;
    QDoubleSpinBox* OffsetXSpn = nullptr;
    QDoubleSpinBox* OffsetYSpn = nullptr;
    QDoubleSpinBox* ScaleXSpn = nullptr;
    QDoubleSpinBox* ScaleYSpn = nullptr;
    QLabel* NoPrinterLbl = nullptr; // shown when there is no printer to correct
    QPushButton* PageBtn = nullptr; // the calibration page, in a print preview
    QDialogButtonBox* Buttons = nullptr;

    // The corrections as they stand in the dialog, for every printer (those not listed included).
    const TPrinterCalibrations& Calibrations() const { return FCalibrations; }
    // The printer whose corrections are shown; empty when there is none.
    QString PrinterName() const;

private:
    void BuildControls();
    void ApplyLanguage(TLanguage language);
    void ShowPrinter(); // the chosen printer's corrections into the fields
    void TakeFields();  // the fields into the chosen printer's corrections

    TPrinterCalibrations FCalibrations;
    bool FShowing = false;
};

} // namespace quillon
