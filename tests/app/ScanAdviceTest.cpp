// Advice that names why a label does not scan: each cause as a user meets it in the window, with the
// remedy that fits the layout, and each cause's words.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <functional>

#include "WindowFixture.h"
#include "app/DesignPanel.h"
#include "app/LabelStatus.h"

namespace quillon {
namespace {

class ScanAdviceTest : public testing::TWindowTest {
public:
    using TWindowTest::form;
    using TWindowTest::SetKind;

    // A new user's window, on a data folder of its own.
    void Fresh()
    {
        form.reset();
        folder = std::make_unique<QTemporaryDir>();
        form = std::make_unique<TBarForm>(printForm, folder->path());
        form->ReportError = [this](const QString& message) { errors << message; };
        form->show();
        form->AboutPanel->AboutOk()->click();
    }
    // The design panel's margins and spacing in millimetres, applied.
    void Design(int left, int spacing)
    {
        form->DesBtn->click();
        form->DesBarPanel->LM->setValue(left);
        form->DesBarPanel->CS->setValue(spacing);
        form->DesBarPanel->BitBtn1->click();
    }
    std::string Typed(int kind, const char* code)
    {
        SetKind(kind);
        form->BarEd->setText(code);
        return form->PreviewStatus().toStdString();
    }

    std::unique_ptr<QTemporaryDir> folder;
};

struct TAdviceRow {
    int No;
    const char* Case;
    std::function<std::string(ScanAdviceTest&)> Steps;
    std::string Status;
};

const TAdviceRow kAdviceRows[] = {
    // EAN-13 asks 11 modules of white on its left: 5.8 mm at zoom 2, more than a 5 mm margin leaves.
    {1, "a 5 mm left margin takes the quiet zone",
     [](ScanAdviceTest& t) {
         t.Design(5, 2);
         t.form->ZomSpn->setValue(2);
         return t.Typed(bcCodeEAN13, "5901234123457");
     },
     "Does not scan: the bars stand 5.0 mm from the paper's left edge, inside the 5.8 mm quiet zone they "
     "need; "
     "widen the left margin to 6 mm, or set the zoom to 1"},
    {2, "a wrong check digit with the check digit switch on, in the standard layout",
     [](ScanAdviceTest& t) {
         t.form->LayoutChk->setChecked(true);
         t.form->CheckDigitChk->setChecked(true);
         return t.Typed(bcCodeEAN13, "5901234123458");
     },
     "Check digit should be 7"},
    {3, "a wrong check digit with the switch on, in the classic layout",
     [](ScanAdviceTest& t) {
         t.form->CheckDigitChk->setChecked(true);
         return t.Typed(bcCodeEAN13, "5901234123458");
     },
     "Check digit should be 7"},
    // Code 128 counts its elements in modules: at Bar Width 3 its two-module bars are three wide.
    {4, "Code 128 at Bar Width 3",
     [](ScanAdviceTest& t) {
         t.form->RatioSpn->setValue(3);
         return t.Typed(bcCode128B, "Hello-123");
     },
     "Does not scan: Bar Width 3 draws the wide bars of Code 128 B out of proportion; it takes Bar Width 2"},
    {5, "a label stretched over the whole width of the sheet",
     [](ScanAdviceTest& t) {
         t.form->StChk->setChecked(true);
         return t.Typed(bcCodeEAN13, "5901234123457");
     },
     "Does not scan: stretched to fill its cell, the label keeps no quiet zone beside its bars; turn Stretch "
     "off"},
    {6, "eight EAN-8 digits with the check digit switch on",
     [](ScanAdviceTest& t) {
         t.form->CheckDigitChk->setChecked(true);
         return t.Typed(bcCodeEAN8, "96385075");
     },
     "Prints as 6385 0758: EAN-8 takes 7 digits and the check digit switch adds the check digit, so the "
     "first "
     "digit was left out: type 7 digits, or turn the switch off"},
    {7, "a UPC-A with a wrong check digit and the switch on",
     [](ScanAdviceTest& t) {
         t.form->CheckDigitChk->setChecked(true);
         return t.Typed(bcCodeUPC_A, "036000291453");
     },
     "Prints as 0 36000 29145 2: the last digit is the check digit and should be 2"},
    {8, "a label wider than the cells of 4 columns",
     [](ScanAdviceTest& t) {
         t.form->CSpn->setValue(4);
         t.form->ZomSpn->setValue(2);
         return t.Typed(bcCodeEAN13, "5901234123457");
     },
     "Label 50.3 mm wide, cell 47.0 mm: it would be cut off; lower the zoom, or use fewer columns or rows"},
    {9, "the margin's advice in Arabic",
     [](ScanAdviceTest& t) {
         t.Design(5, 2);
         t.form->ZomSpn->setValue(2);
         t.form->SetLangIndex(0);
         return t.Typed(bcCodeEAN13, "5901234123457");
     },
     "لا يُقرأ بالماسح: تبعد الأعمدة 5.0 مم عن حافة الورقة اليسرى، داخل المنطقة الهادئة البالغة 5.8 مم التي "
     "تحتاجها؛ وسّع الهامش الأيسر إلى 6 مم، أو اجعل التكبير 1"},
};

TEST_F(ScanAdviceTest, TheStatusLineNamesTheCauseAndARemedyThatFitsTheLayout)
{
    for (const TAdviceRow& row : kAdviceRows) {
        SCOPED_TRACE(::testing::Message() << "row " << row.No << ": " << row.Case);
        Fresh();
        EXPECT_EQ(row.Steps(*this), row.Status);
        EXPECT_EQ(
            form->PreviewStatusColor(),
            StatusColor(row.Status.starts_with("Prints as") ? TStatusLevel::Warning : TStatusLevel::Error));
    }
}

// The causes the window rarely meets on an A4 sheet, by their facts.
TEST(ScanAdviceWords, EachCauseHasItsWordsAndRemedy)
{
    const std::pair<TScanAdvice, std::string> rows[] = {
        {{.Cause = TScanCause::Neighbour, .HaveMm = 2.5, .NeedMm = 2.6, .WidenToMm = 1},
         "Does not scan: the next label stands 2.5 mm from the bars, inside the 2.6 mm quiet zone they need; "
         "widen the column spacing to 1 mm or use fewer columns"},
        {{.Cause = TScanCause::Margin, .Side = TSide::Right, .HaveMm = 3.0, .NeedMm = 5.3, .Zoom = 1},
         "Does not scan: the bars end 3.0 mm from the paper's right edge, inside the 5.3 mm quiet zone they "
         "need; set the zoom to 1"},
        {{.Cause = TScanCause::SmallModule, .ModuleMm = 0.2646, .DotMm = 0.3528, .ZoomForDot = 2},
         "Does not scan: its narrow bars of 0.26 mm are finer than the printer's 0.35 mm dot; raise the zoom "
         "to 2"},
        {{.Cause = TScanCause::BarWidth, .BarWidth = 1, .ExactWidth = false},
         "Does not scan: Bar Width 1 draws the wide bars of MSI too narrow; it takes Bar Width 2 or more"},
        {{.Cause = TScanCause::Unknown, .Layout = TLabelLayout::Standard},
         "Does not scan: try a larger X-dimension"},
        {{.Cause = TScanCause::Unknown, .Layout = TLabelLayout::Classic},
         "Does not scan: try a larger zoom or bar width"},
    };
    for (const auto& [advice, words] : rows)
        EXPECT_EQ(ScanAdviceText(advice, bcCodeMSI, TLanguage::English).toStdString(), words);
}

} // namespace
} // namespace quillon
