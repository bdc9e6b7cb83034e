// The main window driven through its handlers, headless: start-up, the About panel, composing the
// preview, sheet geometry, the blink timer and the language switch.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QVariantAnimation>

#include "app/AboutPanel.h"
#include "app/BarForm.h"
#include "app/DeckControls.h"
#include "app/DesignPanel.h"
#include "app/LabelStatus.h"
#include "app/Shapes.h"
#include "controls/ProLabel.h"
#include "label/FontSubstitutions.h"
#include "label/PrintBarForm.h"
#include "label/ScanCheck.h"

namespace quillon {
namespace {

class BarFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterFontSubstitutions();
        form.ReportError = [this](const QString& message) { errors << message; };
        form.show();
    }
    // Leaves the About splash, as the user's first click does.
    void Confirm() { form.AboutPanel->AboutOk()->click(); }
    void SetKind(int kind) { form.BarKindSp->setCurrentIndex(kind), form.BarKindSpChange(); }

    QTemporaryDir dataDir;
    QStringList errors;
    TPrintBarForm printForm;
    TBarForm form{printForm, dataDir.path()};
};

TEST_F(BarFormTest, StartsWithTheAboutPanelOverHiddenControls)
{
    EXPECT_TRUE(form.AboutPanel->isVisible());
    EXPECT_EQ(form.AboutPanel->pos(), QPoint((763 - 297) / 2, 0));
    EXPECT_FALSE(form.UPanel->isVisible());
    EXPECT_FALSE(form.QrPanel->isVisible());
    EXPECT_TRUE(form.Timer1->isActive() && form.Timer1->interval() == 1000);
    EXPECT_EQ(form.DesBtn->text(), "Design");
    EXPECT_EQ(form.StChk->text(), "Print &Stretch ");
    // Every value the deck shows is applied at start-up, the kind the list shows included.
    EXPECT_EQ(form.BarKindSp->currentText(), "Code93Extended");
    EXPECT_EQ(form.BCode().Typ(), bcCode93Extended);
    EXPECT_FALSE(form.LabelImage().isNull());
    EXPECT_EQ(form.windowOpacity(), 1.0);
    EXPECT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();
}

TEST_F(BarFormTest, ConfirmingTheAboutPanelRestoresTheWorkingWindow)
{
    form.TrackBar1->setValue(250);
    Confirm();
    EXPECT_FALSE(form.AboutPanel->isVisible());
    EXPECT_TRUE(form.UPanel->isVisible());
    EXPECT_TRUE(form.QrPanel->isVisible());
    EXPECT_EQ(form.Timer1->interval(), 250);
    EXPECT_EQ(form.BCode().Typ(), bcCode93Extended);
    // The window fades in while the event loop runs, and ends at the working opacity.
    for (int round = 1; round <= 2; ++round) {
        QVariantAnimation& fade = *form.FadeIn();
        EXPECT_EQ(fade.state(), QAbstractAnimation::Running) << "round " << round;
        fade.setCurrentTime(fade.duration());
        EXPECT_NEAR(form.windowOpacity(), 200 / 255.0, 0.01) << "round " << round;
        form.AboutBtnClick();
        form.AboutOkClick();
    }
}

TEST_F(BarFormTest, TheLabelIsAsWideAsTheBarcodeAndCaptionsSetItsHeight)
{
    Confirm();
    SetKind(bcCodeEAN13);
    form.RSpn->setValue(5); // 92 pixels high at the designed margins: the preview shows it whole
    struct Row {
        int line;
        bool lower;
        int band;
    } rows[] = {{1, true, 16}, {2, false, 2}};
    for (const auto& row : rows) {
        form.DChk->setChecked(row.lower);
        EXPECT_EQ(form.LabelImage().size(), QSize(form.BCode().Width(), form.BCode().Height() + row.band))
            << "row " << row.line;
        EXPECT_EQ(form.BarImage->size(), form.LabelImage().size()) << "row " << row.line;
        EXPECT_EQ(form.DEd->isVisible(), row.lower) << "row " << row.line;
    }
    EXPECT_EQ(form.DBImage1->size(), QSize(form.BCode().Width(), form.BCode().Height()));
}

TEST_F(BarFormTest, AnUnencodableTextEmptiesThePreviewUntilItIsFixed)
{
    Confirm();
    SetKind(bcCodeEAN13);
    form.BarEd->setText("62122360118A0");
    EXPECT_TRUE(form.LabelImage().isNull());
    EXPECT_TRUE(form.BarImage->pixmap().isNull());
    EXPECT_EQ(form.PreviewStatus(), "EAN-13 takes digits only");
    form.BarEd->setText("6212236011840");
    EXPECT_FALSE(form.LabelImage().isNull());
    EXPECT_EQ(form.PreviewStatus(), "Scans as 6212236011840");
}

TEST_F(BarFormTest, TheStatusLineSaysHowTheLabelScans)
{
    Confirm();
    struct Row {
        TBarcodeType kind;
        int ratio;
        const char* text;
        const char* status;
        TStatusLevel level;
    } rows[] = {
        {bcCode93Extended, 2, "AB-12", "Scans as AB-12", TStatusLevel::Good},
        {bcCode128B, 1, "AB-12", "Does not scan: try a larger zoom or bar width", TStatusLevel::Error},
        {bcCodeEAN13, 1, "6212236011840", "Scans as 6212236011840", TStatusLevel::Good},
        {bcCodeMSI, 2, "1234", "No scan check for MSI", TStatusLevel::Note},
    };
    for (const auto& row : rows) {
        form.BarEd->setText(row.text);
        form.RatioSpn->setValue(row.ratio);
        SetKind(row.kind);
        EXPECT_EQ(form.PreviewStatus(), row.status);
        EXPECT_EQ(form.PreviewStatusColor(), StatusColor(row.level));
    }
}

TEST_F(BarFormTest, TextThatNamesNoKindLeavesTheBarcodeWithoutAType)
{
    Confirm();
    form.BarKindSp->lineEdit()->setText("Code11");
    form.BarKindSpChange();
    EXPECT_EQ(form.KindIndex(), -1);
    EXPECT_EQ(form.BCode().Typ(), 255);
    EXPECT_EQ(form.PreviewStatus(), "Pick a kind from the list: the kind box names none");
    form.BarKindSp->lineEdit()->setText("CodeEAN8");
    form.BarKindSpChange();
    EXPECT_EQ(form.BCode().Typ(), bcCodeEAN8);
}

// The window hands the design panel's shown top and bottom margins to the sheet's row height; the
// height itself is the sheet's (label/PrintBarForm).
TEST_F(BarFormTest, RowsSetTheBarHeightFromTheSheetMargins)
{
    Confirm();
    struct Row {
        int line, top, bottom, rows;
    } rows[] = {
        {1, 0, 0, 2}, {2, 0, 0, 20}, {3, 0, 0, 1}, {4, 10, 10, 4}, {5, 10, 10, 1}, {6, 50, 50, 1},
    };
    for (const auto& row : rows) {
        form.DesBarPanel->TM->setValue(row.top);
        form.DesBarPanel->BM->setValue(row.bottom);
        form.RSpn->setValue(row.rows);
        form.RSpnChange();
        const int height = SheetRowHeight(row.top, row.bottom, row.rows);
        // The barcode, the band and the sheet's image all take the height.
        EXPECT_EQ(
            std::tuple(form.BCode().Height(), printForm.Band1().Height(), printForm.QRImage1().Height()),
            std::tuple(height, height, height))
            << "row " << row.line;
    }
}

TEST_F(BarFormTest, ColumnsAndStretchShapeTheSheetButLeaveThePreview)
{
    Confirm();
    const qint64 preview = form.LabelImage().cacheKey();
    struct Row {
        int columns, width;
    } rows[] = {{4, 78}, {3, 105}, {1, 323}, {2, 160}};
    for (const auto& row : rows) {
        form.CSpn->setValue(row.columns);
        EXPECT_EQ(printForm.QRImage1().Width(), row.width) << row.columns << " columns";
    }
    form.StChk->setChecked(true);
    EXPECT_TRUE(printForm.QRImage1().Stretch());
    EXPECT_EQ(form.LabelImage().cacheKey(), preview);
}

TEST_F(BarFormTest, TimerTicksAlternateTheCaptionStyles)
{
    const TShadowStyle expected[] = {ssRecessedColor, ssRaisedShadow, ssRecessedColor, ssRaisedShadow};
    for (TShadowStyle style : expected) {
        form.Timer1Timer();
        const TAboutPanel& about = *form.AboutPanel;
        EXPECT_EQ(std::pair(about.ProLabel1()->ShadowStyle(), about.ProLabel2()->ShadowStyle()),
                  std::pair(style, style));
    }
    // The logo's dots are drawn in blue and yellow around (40, 50).
    EXPECT_EQ(form.Logo().pixelColor(40, 50), QColor(0, 0, 255));
}

TEST_F(BarFormTest, LanguageRoundTripRestoresTheEnglishCaptionsExactly)
{
    form.SetLangIndex(0);
    EXPECT_EQ(form.DesBtn->text(), QString::fromUtf8("\u062a\u0635\u0645\u064a\u0645"));
    EXPECT_EQ(form.lb6->text(), QString::fromUtf8("\u0627\u0644\u0646\u0648\u0639"));
    form.SetLangIndex(1);
    const QStringList shown = {form.StChk->text(), form.lb2->text(),  form.UChk->text(),    form.lb4->text(),
                               form.lb5->text(),   form.lb6->text(),  form.lb7->text(),     form.lb8->text(),
                               form.lb9->text(),   form.DChk->text(), form.AboutBtn->text()};
    EXPECT_EQ(shown, QStringList({"Print &Stretch ", "Code", "Up Label", "Columns", "Rows", "Kind", "Color",
                                  "Zoom", "Bar Width", "Down Label", "About"}));
    form.SetLangIndex(-7);
    EXPECT_EQ(form.LangIndex(), -1);
    EXPECT_EQ(form.DesBtn->text(), "Design"); // no selection reads as English
}

} // namespace
} // namespace quillon
