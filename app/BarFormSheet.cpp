// TBarForm: the sheet design panel, the print command and the options file.
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <algorithm>
#include <cmath>

#include "app/BarForm.h"
#include "app/DeckControls.h"
#include "app/DesignPanel.h"
#include "data/OptionsFile.h"
#include "label/PrintBarForm.h"
#include "report/PrintPreview.h"

namespace quillon {

namespace {

int RoundedMm(const TPageModel& page, TPageValue value)
{
    return static_cast<int>(std::nearbyint(page.ValueMm(value))); // halves to the even number
}

QString LocalText(const std::string& bytes)
{
    return QString::fromLocal8Bit(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string LocalBytes(const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace

QString TBarForm::OptionsPath() const
{
    return OptionsFilePath(FDataDirectory);
}

void TBarForm::DesBtnClick()
{
    const TPageModel& page = FPrintForm.qr().Page();
    DesBarPanel->LM->setValue(RoundedMm(page, TPageValue::LeftMargin));
    DesBarPanel->RM->setValue(RoundedMm(page, TPageValue::RightMargin));
    DesBarPanel->TM->setValue(RoundedMm(page, TPageValue::TopMargin));
    DesBarPanel->BM->setValue(RoundedMm(page, TPageValue::BottomMargin));
    DesBarPanel->CS->setValue(RoundedMm(page, TPageValue::ColumnSpace));
    BarImage->hide();
    DesBarPanel->show();
    UpdateColorKey();
}

void TBarForm::BitBtn1Click()
{
    TPageModel& page = FPrintForm.qr().Page();
    page.SetValueMm(TPageValue::LeftMargin, TDesignPanel::ShownValue(DesBarPanel->LM));
    page.SetValueMm(TPageValue::RightMargin, TDesignPanel::ShownValue(DesBarPanel->RM));
    page.SetValueMm(TPageValue::TopMargin, TDesignPanel::ShownValue(DesBarPanel->TM));
    page.SetValueMm(TPageValue::BottomMargin, TDesignPanel::ShownValue(DesBarPanel->BM));
    page.SetValueMm(TPageValue::ColumnSpace, TDesignPanel::ShownValue(DesBarPanel->CS));
    // The design is applied even when the file cannot be written; the user is told why.
    try {
        SaveOptions();
    } catch (const std::exception& e) {
        ReportError(QString::fromUtf8(e.what()));
    }
    DesBarPanel->hide();
    BarImage->show();
    UpdateColorKey();
}

void TBarForm::BitBtn3Click()
{
    DesBarPanel->hide();
    BarImage->show();
    UpdateColorKey();
}

void TBarForm::SaveOptions()
{
    const TOptionsValues values{
        .TM = TDesignPanel::ShownValue(DesBarPanel->TM),
        .RM = TDesignPanel::ShownValue(DesBarPanel->RM),
        .BM = TDesignPanel::ShownValue(DesBarPanel->BM),
        .LM = TDesignPanel::ShownValue(DesBarPanel->LM),
        .CS = TDesignPanel::ShownValue(DesBarPanel->CS),
        .UEd = LocalBytes(UEd->text()),
        .CSpn = CSpn->value(),
        .RSpn = RSpn->value(),
        .BarKindSp = KindIndex(),
        .ColorBox1 = static_cast<std::int32_t>(ColorBox1->ControlColor()),
        .ZomSpn = ZomSpn->value(),
        .RatioSpn = RatioSpn->value(),
        .LangRG = LangIndex(),
        .StChk = StChk->isChecked(),
        .UChk = UChk->isChecked(),
    };
    const std::string bytes = FormatOptions(values);
    WriteOptionsFile(OptionsPath(), QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

void TBarForm::LoadOptions()
{
    if (!QFileInfo::exists(OptionsPath())) {
        DesBtnClick(); // the report's own margins go into the design panel and then into a new file
    } else {
        // Each value reaches its control at once, so a bad number keeps the values read before it;
        // the rest keep their current values and start-up goes on.
        try {
            TOptionsReader reader(ReadOptionsFile(OptionsPath()));
            for (TSpinEdit* margin :
                 {DesBarPanel->TM, DesBarPanel->RM, DesBarPanel->BM, DesBarPanel->LM, DesBarPanel->CS})
                margin->setValue(reader.ReadInteger());
            UEd->setText(LocalText(reader.ReadLine()));
            CSpn->setValue(reader.ReadInteger());
            RSpn->setValue(reader.ReadInteger());
            const int kind = reader.ReadInteger();
            BarKindSp->setCurrentIndex(kind >= 0 && kind < BarKindSp->count() ? kind : -1);
            ColorBox1->SetControlColor(static_cast<TColor>(reader.ReadInteger()));
            ZomSpn->setValue(reader.ReadInteger());
            RatioSpn->setValue(reader.ReadInteger());
            SetLangIndex(std::clamp(reader.ReadInteger(), -1, 1));
            StChk->setChecked(reader.ReadInteger() == 1);
            UChk->setChecked(reader.ReadInteger() == 1);
        } catch (const std::exception& e) {
            // File errors name the file already; a bad number is told which file it is in.
            QString message = QString::fromUtf8(e.what());
            if (!message.contains(OptionsPath()))
                message += ": " + OptionsPath();
            ReportError(message);
        }
    }
    BitBtn1Click();
}

void TBarForm::SpeedButton1Click()
{
    if (FPreview != nullptr) { // one preview at a time: bring the open one forward
        FPreview->raise();
        FPreview->activateWindow();
        return;
    }
    BarEdChange();
    if (FLabelImage.isNull())
        throw Exception("Nothing to print: " + PreviewStatus().toStdString());
    Table1.Open();
    Table1.ReplaceAllRows(FLabelImage, CSpn->value() * RSpn->value());
    Table1.Close();
    Table1.Open();
    std::vector<QImage> pictures;
    for (Table1.First(); !Table1.Eof(); Table1.Next())
        pictures.push_back(Table1.Graphic());
    TPreparedReport prepared = FPrintForm.qr().PrepareRun(static_cast<std::int64_t>(pictures.size()));
    FPreview = OpenPreview(std::move(prepared), std::move(pictures), this);
}

} // namespace quillon
