// Printer calibration from the window: the corrections kept per printer name in settings.ini, the
// dialog that edits them, and a print preview that corrects only what goes to a printer.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QLabel>
#include <QPrinter>

#include "WindowFixture.h"
#include "app/CalibrationDialog.h"
#include "app/DesignPanel.h"
#include "app/PrinterCalibration.h"
#include "report/PrintPreview.h"

namespace quillon {
namespace {

bool operator==(const TCalibration& a, const TCalibration& b)
{
    return a.OffsetXMm == b.OffsetXMm && a.OffsetYMm == b.OffsetYMm && a.ScaleXPercent == b.ScaleXPercent &&
           a.ScaleYPercent == b.ScaleYPercent;
}

// The lines of a printer's section; a value outside its range or not a number counts as 0 and is named;
// values are taken to the tenth the controls step in.
struct ReadRow {
    int No;
    const char* Lines;
    TCalibration Expected;
    const char* Problem; // "" for none
} const kReadRows[] = {
    {1, "offset_x_mm=1.5\noffset_y_mm=-2.0\nscale_x_percent=0.3\nscale_y_percent=-2", {1.5, -2, 0.3, -2}, ""},
    {2, "offset_x_mm=0.26\nscale_y_percent=1.94", {0.3, 0, 0, 1.9}, ""},
    {3,
     "offset_x_mm=12\noffset_y_mm=1",
     {0, 1, 0, 0},
     "Laser offset_x_mm: 12 is not a number from -10 to 10"},
    {4, "scale_x_percent=2.5", {}, "scale_x_percent: 2.5 is not a number from -2 to 2"},
    {5, "offset_y_mm=nan", {}, "offset_y_mm: nan is not a number"},
    {6, "offset_y_mm=1mm", {}, "offset_y_mm: 1mm is not a number"},
};

TEST(PrinterCalibration, SettingsGiveEachPrinterItsCorrectionAndNameWhatTheyCannot)
{
    for (const ReadRow& row : kReadRows) {
        std::vector<TLabelMessage> problems;
        const TPrinterCalibrations read = ReadCalibrations(
            ParseSettings(std::string("[calibration:Laser]\n") + row.Lines).Settings, problems);
        EXPECT_TRUE(CalibrationOf(read, "Laser") == row.Expected) << "row " << row.No;
        EXPECT_EQ(problems.size(), *row.Problem ? 1u : 0u) << "row " << row.No;
        if (!problems.empty()) {
            EXPECT_NE(EnglishText(problems[0]).find(row.Problem), std::string::npos)
                << EnglishText(problems[0]);
        }
        // Written back, the file reads as it was taken, in its normal form.
        TSettings written;
        WriteCalibrations(written, read);
        std::vector<TLabelMessage> again;
        EXPECT_TRUE(CalibrationOf(ReadCalibrations(written, again), "Laser") == row.Expected)
            << "row " << row.No;
        EXPECT_TRUE(again.empty()) << "row " << row.No;
    }
    EXPECT_TRUE(CalibrationOf({}, "Other") == TCalibration{}) << "a printer without one is not corrected";
}

class CalibrationTest : public testing::TWindowTest {
protected:
    void SetUp() override
    {
        TWindowTest::SetUp();
        printers = {"Office Laser", "Labels [Zebra]; #2=ZD420"}; // names the settings file must escape
        Start();
        Confirm();
    }
    void TearDown() override { delete (form != nullptr ? form->OpenCalibrationDialog() : nullptr); }
    TCalibrationDialog& OpenDialog()
    {
        form->DesBtnClick();
        form->DesBarPanel->CalibrationBtn->click();
        EXPECT_NE(form->OpenCalibrationDialog(), nullptr);
        return *form->OpenCalibrationDialog();
    }
    static void Type(TCalibrationDialog& dialog, const TCalibration& c)
    {
        dialog.OffsetXSpn->setValue(c.OffsetXMm);
        dialog.OffsetYSpn->setValue(c.OffsetYMm);
        dialog.ScaleXSpn->setValue(c.ScaleXPercent);
        dialog.ScaleYSpn->setValue(c.ScaleYPercent);
    }
    static TCalibration Shown(const TCalibrationDialog& dialog)
    {
        return {dialog.OffsetXSpn->value(), dialog.OffsetYSpn->value(), dialog.ScaleXSpn->value(),
                dialog.ScaleYSpn->value()};
    }
};

// Each printer keeps its own corrections, through a switch between printers in the dialog and a restart;
// cancelling keeps what was saved.
TEST_F(CalibrationTest, CorrectionsAreKeptPerPrinterName)
{
    const TCalibration laser{1.5, -2.0, 0.5, -0.3};
    const TCalibration zebra{-0.7, 3.0, 0, 2.0};
    TCalibrationDialog& dialog = OpenDialog();
    EXPECT_EQ(dialog.PrinterName(), "Office Laser") << "the default printer first";
    EXPECT_FALSE(dialog.NoPrinterLbl->isVisible());
    Type(dialog, laser);
    dialog.PrinterBox->setCurrentIndex(1);
    EXPECT_TRUE(Shown(dialog) == TCalibration{}) << "a printer not yet corrected";
    Type(dialog, zebra);
    dialog.PrinterBox->setCurrentIndex(0);
    EXPECT_TRUE(Shown(dialog) == laser);
    dialog.Buttons->button(QDialogButtonBox::Ok)->click();
    EXPECT_TRUE(form->PrinterCalibration("Office Laser") == laser);
    testing::Wait(TBarForm::kSaveDelayMs + 200);

    Restart();
    Confirm();
    EXPECT_TRUE(form->PrinterCalibration("Office Laser") == laser);
    EXPECT_TRUE(form->PrinterCalibration(printers[1]) == zebra);
    TCalibrationDialog& again = OpenDialog();
    Type(again, {9, 9, 1, 1});
    again.Buttons->button(QDialogButtonBox::Cancel)->click();
    EXPECT_TRUE(form->PrinterCalibration("Office Laser") == laser);
    EXPECT_TRUE(errors.isEmpty()) << Errors();
}

// Without a printer there is nothing to correct, and the dialog says so in the interface language; the
// calibration page still opens in a preview, to be saved as a PDF file.
TEST_F(CalibrationTest, WithoutAPrinterTheDialogSaysSoAndStillGivesThePage)
{
    printers.clear();
    form->SetLangIndex(0);
    TCalibrationDialog& dialog = OpenDialog();
    EXPECT_TRUE(dialog.NoPrinterLbl->isVisible());
    EXPECT_TRUE(dialog.NoPrinterLbl->text().contains(QString::fromUtf8("لا توجد طابعة")));
    EXPECT_FALSE(dialog.OffsetXSpn->isEnabled());
    dialog.PageBtn->click();
    const auto* preview = dialog.findChild<TPreviewWindow*>(QStringLiteral("CalibrationPreview"));
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(preview->isVisible());
}

// The preview on the screen and a PDF file saved from it are the sheet as it is: the printer's
// correction is not even asked for.
TEST(PrintPreviewCalibration, OnlyPagesSentToAPrinterAreCorrected)
{
    QTemporaryDir dir;
    int asked = 0;
    TPreparedReport page{.Pages = {TPreparedPage{}}};
    TPreviewWindow* preview = OpenPreview(TPreviewContent{
        .Report = page,
        .CalibrationFor = [&asked](const QString&) { return ++asked, TCalibration{.OffsetXMm = 5}; },
        .PaintPage = [](QPainter&, std::size_t,
                        const TPaintTarget& target) { EXPECT_TRUE(target.Calibration.IsIdentity()); }});
    testing::Wait(50);
    preview->printer()->setOutputFileName(dir.filePath("page.pdf"));
    EXPECT_EQ(PaintPurposeOf(*preview->printer()), TPaintPurpose::PdfFile);
    preview->PrintPages();
    EXPECT_TRUE(QFileInfo(dir.filePath("page.pdf")).size() > 0);
    EXPECT_EQ(asked, 0);
    delete preview;
}

} // namespace
} // namespace quillon
