// The symbol kinds in the window: each kind's option control, its label read back in the preview, its
// refusals in both languages, its options kept across runs, and a printed sheet of it read cell by cell.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <map>

#include "WindowFixture.h"
#include "app/LabelStatus.h"
#include "app/Shapes.h"
#include "report/PrintPreview.h"

namespace quillon {
namespace {

using enum TSymbolKind;

class SymbolWindowTest : public testing::TWindowTest {
protected:
    void SetUp() override
    {
        TWindowTest::SetUp();
        Start();
        Confirm();
    }
    void Choose(TSymbolKind kind, const QString& code)
    {
        SetKind(OrdinalOf(kind));
        form->BarEd->setText(code);
    }
    std::string Status() const { return form->PreviewStatus().toStdString(); }
};

// Which option control shows in the bar width's place, for every kind, and that each label the preview
// shows reads back as typed (lowercase and GS1 brackets kept); the kind list names them after the 23.
TEST_F(SymbolWindowTest, EachKindShowsItsOptionAndItsLabelReadsBackAsTyped)
{
    enum TShown { Ratio, Ecc, Shape, Columns, Nothing };
    struct Row {
        int No;
        int Kind;
        QString Code;
        TShown Shown;
    } rows[] = {
        {1, OrdinalOf(QRCode), "https://example.org/a?b=1", Ecc},
        {2, OrdinalOf(DataMatrix), "Item 4711-b", Shape},
        {3, OrdinalOf(PDF417), "Ticket: row 7, seat 12", Columns},
        {4, OrdinalOf(Aztec), "Gate b", Nothing},
        {5, OrdinalOf(GS1_128), "(01)09501101530003(17)250101(10)abc123", Nothing},
        {6, OrdinalOf(GS1_DataMatrix), "(01)09501101530003(21)x1", Shape},
        {7, OrdinalOf(GS1_QRCode), "(01)09501101530003", Ecc},
        {8, OrdinalOf(DataBarOmni), "(01)09501101530003", Nothing},
        {9, OrdinalOf(DataBarExpanded), "(01)09501101530003(10)ab", Nothing},
        {10, bcCode128B, "Ab-1", Ratio}, // back to the engine's kinds
    };
    ASSERT_EQ(form->BarKindSp->count(), 32);
    EXPECT_EQ(form->BarKindSp->itemText(OrdinalOf(DataBarOmni)), "GS1 DataBar Omnidirectional");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.No);
        SetKind(row.Kind);
        form->BarEd->setText(row.Code);
        EXPECT_EQ(std::tuple(form->RatioSpn->isVisible(), form->EccBox->isVisible(),
                             form->ShapeBox->isVisible(), form->ColumnsSpn->isVisible()),
                  std::tuple(row.Shown == Ratio, row.Shown == Ecc, row.Shown == Shape, row.Shown == Columns));
        EXPECT_EQ(form->lb9->isVisible(), row.Shown == Ratio);
        EXPECT_EQ(form->CheckDigitChk->isEnabled(), row.Shown == Ratio) << "the check digit is the engine's";
        if (row.Shown == Ratio)
            continue; // the engine's label, whose reading other tests judge
        EXPECT_EQ(Status(), "Scans as " + row.Code.toStdString());
        EXPECT_EQ(form->PreviewStatusColor(), StatusColor(TStatusLevel::Good));
    }
    EXPECT_TRUE(errors.isEmpty()) << Errors();
}

// The option reaches the symbol: a higher error correction makes a larger QR Code, a rectangle a wider
// and lower Data Matrix, and PDF417 takes the columns asked for (17 modules each, 69 of start, stop and
// row indicators, 2 of quiet zone on either side).
TEST_F(SymbolWindowTest, TheOptionsChangeTheSymbol)
{
    form->UChk->setChecked(false);
    form->DChk->setChecked(false);
    form->ZomSpn->setValue(3);
    const auto drawn = [this] { return form->LabelDrawing()->Size; };
    Choose(QRCode, "HELLO WORLD 2024");
    const QSize levelM = drawn();
    form->EccBox->setCurrentIndex(static_cast<int>(TQrErrorCorrection::H));
    EXPECT_GT(drawn().width(), levelM.width());
    Choose(DataMatrix, "ABCDEFGH");
    const QSize square = drawn();
    form->ShapeBox->setCurrentIndex(static_cast<int>(TDataMatrixShape::Rectangular));
    EXPECT_TRUE(drawn().width() > square.width() && drawn().height() < square.height());
    Choose(PDF417, "12345");
    form->ColumnsSpn->setValue(6);
    EXPECT_EQ(drawn().width(), (69 + 6 * 17 + 2 * 2) * 3);
    EXPECT_EQ(form->ColumnsSpn->text(), "6");
    form->ColumnsSpn->setValue(0);
    EXPECT_EQ(form->ColumnsSpn->text(), "Auto");
}

// A symbol that cannot be made empties the preview and says why in red: the encoder's sentence in
// English, an Arabic one with the English detail that names what to mend. (An empty preview is not
// printed: SheetTest.)
TEST_F(SymbolWindowTest, ARefusedSymbolIsSaidInRedInBothLanguages)
{
    struct Row {
        int No;
        TSymbolKind Kind;
        QString Code;
        std::string English;
        const char* Arabic;
        bool ArabicKeepsTheDetail;
    } rows[] = {
        // A GS1 fault worded whole from its code: the AI, the rule and its argument.
        {1, GS1_128, "(01)09501101530004", "(01): check digit should be 3",
         "\u202A(01)\u202C: رقم التحقق يجب أن يكون \u202A3\u202C", false},
        {4, GS1_128, "(10)ABC", "(10) needs one of (01), (02), (03), (8006), (8026)",
         "\u202A(10)\u202C يحتاج إلى واحد من: \u202A(01)\u202C، \u202A(02)\u202C", false},
        {2, QRCode, "", "Nothing to encode: the data is empty", "لا شيء لترميزه", false},
        {3, DataMatrix, QString(1600, QChar(0xE9)), "Too long for Data Matrix: 3200 bytes",
         "البيانات أطول مما يتسع له أكبر رمز Data Matrix", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.No);
        form->SetLangIndex(1);
        Choose(row.Kind, row.Code);
        EXPECT_TRUE(form->LabelImage().isNull() && form->LabelDrawing() == nullptr);
        EXPECT_TRUE(Status().starts_with(row.English)) << Status();
        EXPECT_EQ(form->PreviewStatusColor(), StatusColor(TStatusLevel::Error));
        form->SetLangIndex(0); // the line is worded anew in the other language
        EXPECT_TRUE(form->PreviewStatus().startsWith(QString::fromUtf8(row.Arabic))) << Status();
        EXPECT_EQ(Status().find(row.English) != std::string::npos, row.ArabicKeepsTheDetail) << Status();
        EXPECT_EQ(form->PreviewStatusColor(), StatusColor(TStatusLevel::Error));
    }
}

// The kind line of the options file takes the symbol kinds' ordinals, and settings.ini keeps their
// options and the matrix kinds' module apart from the linear kinds' X-dimension.
TEST_F(SymbolWindowTest, TheKindAndTheOptionsAreKeptAcrossRuns)
{
    Choose(PDF417, "Kept");
    form->ColumnsSpn->setValue(4);
    form->EccBox->setCurrentIndex(static_cast<int>(TQrErrorCorrection::Q));
    form->ShapeBox->setCurrentIndex(static_cast<int>(TDataMatrixShape::Rectangular));
    form->LayoutChk->setChecked(true);
    EXPECT_DOUBLE_EQ(form->XDimSpn->value(), 0.5) << "the matrix kinds' default module";
    form->XDimSpn->setValue(0.6);
    SetKind(bcCode128B);
    EXPECT_DOUBLE_EQ(form->XDimSpn->value(), 0.33) << "the linear kinds' X-dimension, as it was";
    SetKind(OrdinalOf(PDF417));
    Restart();
    Confirm();
    EXPECT_EQ(testing::ReadBytes(DataPath("options.txt")).split('\n').value(8), "25\r");
    EXPECT_EQ(form->KindIndex(), OrdinalOf(PDF417));
    EXPECT_EQ(
        std::tuple(form->ColumnsSpn->value(), form->EccBox->currentIndex(), form->ShapeBox->currentIndex()),
        std::tuple(4, int(TQrErrorCorrection::Q), int(TDataMatrixShape::Rectangular)));
    EXPECT_DOUBLE_EQ(form->XDimSpn->value(), 0.6);
    EXPECT_TRUE(form->ColumnsSpn->isVisible() && !form->RatioSpn->isVisible());
    EXPECT_TRUE(errors.isEmpty()) << Errors();

    // A value that cannot be taken is named; the others still are.
    ASSERT_TRUE(form->close());
    form.reset();
    QByteArray settings = testing::ReadBytes(DataPath("settings.ini"));
    settings.replace("qr_ecc=Q", "qr_ecc=X").replace("pdf417_columns=4", "pdf417_columns=31");
    ASSERT_TRUE(testing::WriteBytes(DataPath("settings.ini"), settings));
    Start();
    EXPECT_TRUE(errors.join("").contains("qr_ecc: X is none of L, M, Q, H")) << Errors();
    EXPECT_TRUE(errors.join("").contains("pdf417_columns: 31 is not 0 (automatic) to 30")) << Errors();
    EXPECT_EQ(form->ShapeBox->currentIndex(), int(TDataMatrixShape::Rectangular));
}

// The print command fills every cell of a 3 x 7 sheet with the QR label, and the preview reads each
// cell back with the symbol reader as the printer prints it.
TEST_F(SymbolWindowTest, APrintedSheetOfQrCodesReadsInEveryCell)
{
    form->UChk->setChecked(false);
    form->LayoutChk->setChecked(true);
    form->CSpn->setValue(3);
    form->RSpn->setValue(7);
    Choose(QRCode, "https://example.org/a?b=1");
    form->SpeedButton1->click();
    ASSERT_NE(form->OpenPreviewWindow(), nullptr) << Errors();
    EXPECT_EQ(form->Table1.RowCount(), 21) << "the picture table has the label bitmap of each cell";
    EXPECT_EQ(form->OpenPreviewWindow()->Note()->text(), "21 of 21 labels read back at 600 dpi");
    EXPECT_TRUE(errors.isEmpty()) << Errors();
}

// Every kind in both languages: no two captions the deck shows read alike, so each names its control.
TEST_F(SymbolWindowTest, EachShownCaptionNamesOneControl)
{
    Confirm();
    for (const int language : {0, 1}) {
        form->SetLangIndex(language);
        for (int kind = 0; kind < kLabelKindCount; ++kind) {
            SetKind(kind);
            std::map<QString, int> shown;
            for (const QLabel* caption : form->UPanel->findChildren<QLabel*>())
                if (caption->isVisible() && !caption->text().trimmed().isEmpty() &&
                    caption->pixmap().isNull())
                    ++shown[caption->text().trimmed()];
            for (const auto& [text, count] : shown)
                EXPECT_EQ(count, 1) << "kind " << kind << ", language " << language << ": "
                                    << text.toStdString();
        }
    }
}

} // namespace
} // namespace quillon
