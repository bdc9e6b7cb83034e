#include "app/CalibrationDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

#include "app/Catalogues.h"
#include "report/Calibration.h"

namespace quillon {

namespace {

// The dialog's texts, by the object name of what shows them.
constexpr std::array<CaptionPair, 11> kDialogTexts{{
    {.Control = "CalibrationDialog", .English = QT_TRANSLATE_NOOP("Captions", "Printer calibration")},
    {.Control = "lbPrinter", .English = QT_TRANSLATE_NOOP("Captions", "Printer")},
    {.Control = "lbOffsetX", .English = QT_TRANSLATE_NOOP("Captions", "Offset X (mm)")},
    {.Control = "lbOffsetY", .English = QT_TRANSLATE_NOOP("Captions", "Offset Y (mm)")},
    {.Control = "lbScaleX", .English = QT_TRANSLATE_NOOP("Captions", "Scale X (%)")},
    {.Control = "lbScaleY", .English = QT_TRANSLATE_NOOP("Captions", "Scale Y (%)")},
    {.Control = "lbHowTo",
     .English = QT_TRANSLATE_NOOP(
         "Captions",
         "Print the calibration page, measure with a ruler where its crosshairs and rulers land on the "
         "paper, and type the corrections: a positive offset moves everything right or down, a "
         "positive scale makes it larger. The page prints with the corrections shown: print it with "
         "zeros to measure, and again to check.")},
    {.Control = "NoPrinterLbl",
     .English = QT_TRANSLATE_NOOP(
         "Captions", "No printer is installed: corrections apply to printers only. The calibration page can "
                     "still be saved as a PDF file.")},
    {.Control = "PageBtn", .English = QT_TRANSLATE_NOOP("Captions", "Calibration page...")},
    {.Control = "OkBtn", .English = QT_TRANSLATE_NOOP("Captions", "OK")},
    {.Control = "Cancel", .English = QT_TRANSLATE_NOOP("Captions", "Cancel")},
}};

QDoubleSpinBox* CorrectionSpin(QWidget* parent, const char* name, double limit, double step)
{
    auto* spin = new QDoubleSpinBox(parent);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setDecimals(1);
    spin->setRange(-limit, limit);
    spin->setSingleStep(step);
    return spin;
}

QLabel* FieldLabel(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

} // namespace

TCalibrationDialog::TCalibrationDialog(const QStringList& printers, TPrinterCalibrations saved,
                                       TLanguage language, QWidget* parent)
    : QDialog(parent), FCalibrations(std::move(saved))
{
    setObjectName(QStringLiteral("CalibrationDialog"));
    BuildControls();
    PrinterBox->addItems(printers);
    const bool anyPrinter = !printers.isEmpty();
    for (QWidget* field :
         std::initializer_list<QWidget*>{PrinterBox, OffsetXSpn, OffsetYSpn, ScaleXSpn, ScaleYSpn})
        field->setEnabled(anyPrinter);
    NoPrinterLbl->setVisible(!anyPrinter);
    ApplyLanguage(language);
    ShowPrinter();
    connect(PrinterBox, &QComboBox::currentIndexChanged, this, &TCalibrationDialog::ShowPrinter);
    for (QDoubleSpinBox* spin : {OffsetXSpn, OffsetYSpn, ScaleXSpn, ScaleYSpn})
        connect(spin, &QDoubleSpinBox::valueChanged, this, &TCalibrationDialog::TakeFields);
    connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void TCalibrationDialog::BuildControls()
{
    auto* form = new QFormLayout;
    PrinterBox = new QComboBox(this);
    PrinterBox->setObjectName(QStringLiteral("PrinterBox"));
    form->addRow(FieldLabel(this, "lbPrinter"), PrinterBox);
    NoPrinterLbl = FieldLabel(this, "NoPrinterLbl");
    NoPrinterLbl->setWordWrap(true);
    form->addRow(NoPrinterLbl);
    OffsetXSpn = CorrectionSpin(this, "OffsetXSpn", kMaxCalibrationOffsetMm, kCalibrationOffsetStepMm);
    OffsetYSpn = CorrectionSpin(this, "OffsetYSpn", kMaxCalibrationOffsetMm, kCalibrationOffsetStepMm);
    ScaleXSpn = CorrectionSpin(this, "ScaleXSpn", kMaxCalibrationScalePercent, kCalibrationScaleStepPercent);
    ScaleYSpn = CorrectionSpin(this, "ScaleYSpn", kMaxCalibrationScalePercent, kCalibrationScaleStepPercent);
    form->addRow(FieldLabel(this, "lbOffsetX"), OffsetXSpn);
    form->addRow(FieldLabel(this, "lbOffsetY"), OffsetYSpn);
    form->addRow(FieldLabel(this, "lbScaleX"), ScaleXSpn);
    form->addRow(FieldLabel(this, "lbScaleY"), ScaleYSpn);
    QLabel* howTo = FieldLabel(this, "lbHowTo");
    howTo->setWordWrap(true);
    form->addRow(howTo);

    Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    Buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OkBtn"));
    Buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("Cancel"));
    PageBtn = Buttons->addButton(QString(), QDialogButtonBox::ActionRole);
    PageBtn->setObjectName(QStringLiteral("PageBtn"));
    PageBtn->setAutoDefault(false);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(Buttons);
    setMinimumWidth(360);
}

void TCalibrationDialog::ApplyLanguage(TLanguage language)
{
    setLayoutDirection(TextDirection(language));
    for (const CaptionPair& text : kDialogTexts) {
        const QString name =
            QString::fromUtf8(text.Control.data(), static_cast<qsizetype>(text.Control.size()));
        if (name == objectName())
            setWindowTitle(CaptionText(text, language));
        else if (auto* label = findChild<QLabel*>(name))
            label->setText(CaptionText(text, language));
        else if (auto* button = findChild<QPushButton*>(name))
            button->setText(CaptionText(text, language));
    }
}

QString TCalibrationDialog::PrinterName() const
{
    return PrinterBox->currentText();
}

void TCalibrationDialog::ShowPrinter()
{
    const TCalibration shown = CalibrationOf(FCalibrations, PrinterName().toStdString());
    FShowing = true;
    OffsetXSpn->setValue(shown.OffsetXMm);
    OffsetYSpn->setValue(shown.OffsetYMm);
    ScaleXSpn->setValue(shown.ScaleXPercent);
    ScaleYSpn->setValue(shown.ScaleYPercent);
    FShowing = false;
}

void TCalibrationDialog::TakeFields()
{
    if (FShowing || PrinterName().isEmpty())
        return;
    FCalibrations[PrinterName().toStdString()] = {.OffsetXMm = ToTenth(OffsetXSpn->value()),
                                                  .OffsetYMm = ToTenth(OffsetYSpn->value()),
                                                  .ScaleXPercent = ToTenth(ScaleXSpn->value()),
                                                  .ScaleYPercent = ToTenth(ScaleYSpn->value())};
}

} // namespace quillon
