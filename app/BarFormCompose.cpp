// TBarForm: composing the label preview from the control deck.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <cmath>

#include "app/BarForm.h"
#include "app/DeckControls.h"
#include "app/DesignPanel.h"
#include "label/PrintBarForm.h"
#include "label/ScanCheck.h"

namespace quillon {

namespace {

const QColor kErrorColor(192, 0, 0);

std::string Utf8(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace

void TBarForm::BarEdChange()
{
    // Any engine error empties the preview until the input can be encoded again; it is never a
    // message box, only a line under the preview.
    try {
        FBCode.SetText(Utf8(BarEd->text()));
        const TLabelCaptions captions{.UpperOn = UChk->isChecked(),
                                      .Upper = UEd->text(),
                                      .LowerOn = DChk->isChecked(),
                                      .Lower = DEd->text()};
        QImage label = ComposeLabel(FBCode, captions);
        BarImage->resize(label.size());
        DBImage1->resize(FBCode.Width(), FBCode.Height());
        BarImage->setPixmap(QPixmap::fromImage(label));
        // The label is read back as a scanner would see it printed.
        const TScanResult scan = CheckScan(label, FBCode);
        FLabelImage = std::move(label);
        ShowPreviewStatus(ScanStatusText(scan, FBCode.GetTypeName()), ScanStatusColor(scan.Outcome));
        FLastScan = scan;
    } catch (const std::exception& e) {
        ShowPreviewError(QString::fromUtf8(e.what()));
    }
}

void TBarForm::ShowPreviewError(const QString& message)
{
    FLabelImage = QImage();
    BarImage->clear();
    FLastScan.reset();
    ShowPreviewStatus(message, kErrorColor);
}

void TBarForm::ShowPreviewStatus(const QString& message, const QColor& color)
{
    QPalette palette = FPreviewStatus->palette();
    palette.setColor(QPalette::WindowText, color);
    FPreviewStatus->setPalette(palette);
    FPreviewStatus->setText(message);
    FPreviewStatus->setVisible(!message.isEmpty());
}

QString TBarForm::PreviewStatus() const
{
    return FPreviewStatus->text();
}

QColor TBarForm::PreviewStatusColor() const
{
    return FPreviewStatus->palette().color(QPalette::WindowText);
}

int TBarForm::KindIndex() const
{
    const int index = BarKindSp->currentIndex();
    if (index < 0 || BarKindSp->currentText() != BarKindSp->itemText(index))
        return -1;
    return index;
}

void TBarForm::BarKindSpChange()
{
    if (BarKindSp->isEditable()) {
        // Typed text that names an entry selects it.
        const int named = BarKindSp->findText(BarKindSp->currentText(), Qt::MatchExactly);
        if (named >= 0 && named != BarKindSp->currentIndex()) {
            const QString typed = BarKindSp->currentText();
            BarKindSp->setCurrentIndex(named);
            BarKindSp->setEditText(typed);
        }
    }
    FBCode.SetTyp(static_cast<TBarcodeType>(KindIndex() & 0xFF));
    BarEdChange();
}

void TBarForm::ZomSpnChange()
{
    FBCode.SetModul(ZomSpn->value());
    BarEdChange();
}

void TBarForm::RatioSpnChange()
{
    FBCode.SetRatio(static_cast<double>(RatioSpn->value()));
    BarEdChange();
}

void TBarForm::ColorBox1Change()
{
    FBCode.SetColorBar(ColorBox1->Selected());
    BarEdChange();
}

void TBarForm::UChkClick()
{
    UEd->setVisible(UChk->isChecked());
    BarEdChange();
}

void TBarForm::DChkClick()
{
    DEd->setVisible(DChk->isChecked());
    BarEdChange();
}

void TBarForm::StChkClick()
{
    FPrintForm.ApplyStretch(StChk->isChecked());
}

void TBarForm::CSpnChange()
{
    try {
        FPrintForm.ApplyColumns(CSpn->value());
    } catch (const std::exception& e) { // the report refuses what its page cannot lay out
        ReportError(QString::fromUtf8(e.what()));
    }
}

void TBarForm::RSpnChange()
{
    const int h = SheetRowHeight(TDesignPanel::ShownValue(DesBarPanel->TM),
                                 TDesignPanel::ShownValue(DesBarPanel->BM), RSpn->value());
    FBCode.SetHeight(h);
    BarEdChange();
    try {
        FPrintForm.ApplyRowHeight(h);
    } catch (const std::exception& e) {
        ReportError(QString::fromUtf8(e.what()));
    }
}

void TBarForm::BCodeAngSpnChange()
{
    DrawLogoBackground();
    // Placing the origin measures the barcode, which raises for a text it cannot encode: the preview
    // then says so, as for any other input it cannot compose.
    try {
        PlaceForAngle(FBCode, static_cast<double>(BCodeAngSpn->value()));
    } catch (const std::exception& e) {
        ShowPreviewError(QString::fromUtf8(e.what()));
        return;
    }
    BarEdChange();
}

} // namespace quillon
