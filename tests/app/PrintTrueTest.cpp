// Labels true on paper from the window: the standard layout at its true size, a label its cell would cut
// off said in red and asked about before printing, the check digit switch, the preview's line of labels
// read back, and a second print rebuilding the open preview.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QTest>
#include <QToolButton>

#include "WindowFixture.h"
#include "app/LabelSource.h"
#include "app/LabelStatus.h"
#include "report/PrintPreview.h"

namespace quillon {
namespace {

class PrintTrueTest : public testing::TWindowTest {
protected:
    void SetUp() override
    {
        TWindowTest::SetUp();
        Start();
        Confirm();
    }
    // A label of `kind` with `code` on a sheet of columns x rows, captions off.
    void Label(TBarcodeType kind, const char* code, int columns, int rows)
    {
        form->UChk->setChecked(false);
        form->DChk->setChecked(false);
        SetKind(kind);
        form->CSpn->setValue(columns);
        form->RSpn->setValue(rows);
        form->BarEd->setText(code);
    }
    QString Note() const { return form->OpenPreviewWindow()->Note()->text(); }
};

// The standard label is as wide as its quiet zones and modules at the dot-snapped X-dimension (EAN-13:
// 11 + 95 + 7 modules as GS1 lays EAN-13 out; Code 128 "ABC": 10 + 68 + 10 modules), and the
// preview shows it at that size on the screen; the zoom gives way to the X-dimension.
TEST_F(PrintTrueTest, TheStandardLayoutShowsTheLabelAtItsTrueSize)
{
    struct Row {
        int No;
        TBarcodeType Kind;
        const char* Code;
        double XDimMm;
        int Dpi, ModuleDots, Modules;
    } const rows[] = {
        {1, bcCodeEAN13, "6212236011840", 0.33, 600, 8, 113}, // 0.33 mm = 7.8 dots: 8, 0.339 mm
        {2, bcCode128B, "ABC", 0.25, 203, 2, 88},             // 2.0 dots
    };
    form->LayoutChk->setChecked(true);
    EXPECT_TRUE(form->XDimSpn->isVisible() && !form->ZomSpn->isVisible());
    for (const Row& row : rows) {
        form->SetPrintDpi(row.Dpi);
        Label(row.Kind, row.Code, 1, 4);
        form->XDimSpn->setValue(row.XDimMm);
        ASSERT_TRUE(form->LabelDrawing() != nullptr) << form->PreviewStatus().toStdString();
        const double moduleMm = row.ModuleDots * 25.4 / row.Dpi;
        EXPECT_NEAR(LabelSizeMm(*form->LabelDrawing()).width(), row.Modules * moduleMm, moduleMm)
            << "row " << row.No;
        const double shownMm = form->BarImage->width() * 25.4 / form->logicalDpiX();
        EXPECT_NEAR(shownMm, row.Modules * moduleMm, 1.0) << "row " << row.No;
        EXPECT_TRUE(form->PreviewStatus().startsWith("Scans as ")) << form->PreviewStatus().toStdString();
    }
    Restart();
    Confirm();
    EXPECT_TRUE(form->LayoutChk->isChecked()) << "kept in settings.ini";
    EXPECT_DOUBLE_EQ(form->XDimSpn->value(), 0.25);
    form->LayoutChk->setChecked(false);
    EXPECT_TRUE(form->ZomSpn->isVisible() && !form->XDimSpn->isVisible());
}

// An X-dimension under the kind's least, typed or left by a change of kind, is raised to it and said.
TEST_F(PrintTrueTest, AnXDimensionBelowTheKindsLeastIsRaisedAndSaidSo)
{
    form->LayoutChk->setChecked(true);
    Label(bcCode128B, "ABC", 1, 4);
    const double least128 = form->XDimSpn->minimum();
    form->XDimSpn->setFocus();
    form->XDimSpn->selectAll();
    QTest::keyClicks(form->XDimSpn, "0.05");
    QTest::keyClick(form->XDimSpn, Qt::Key_Return);
    EXPECT_DOUBLE_EQ(form->XDimSpn->value(), least128);
    EXPECT_TRUE(form->XDimNote().startsWith("Raised to ")) << form->XDimNote().toStdString();

    form->SetLangIndex(0);
    SetKind(bcCodeEAN13); // EAN-13's least is above Code 128's
    ASSERT_GT(form->XDimSpn->minimum(), least128);
    EXPECT_DOUBLE_EQ(form->XDimSpn->value(), form->XDimSpn->minimum());
    EXPECT_TRUE(form->XDimNote().startsWith(QString::fromUtf8("رُفع إلى "))) << form->XDimNote().toStdString();
}

// A label wider than its cell, or whose bars cannot keep their height, is said in red with both sizes, in
// both languages; the print command asks first and prints only when told to.
TEST_F(PrintTrueTest, ALabelItsCellWouldCutOffIsSaidAndAskedAbout)
{
    struct Row {
        int No;
        bool Standard;
        int Zoom;
        TBarcodeType Kind;
        const char* Code;
        int Columns, Rows;
        const char* Ending;
    } const rows[] = {
        // Zoom 3 EAN-13 is 95 x 3 pixels of bars at 96 to the inch; a 4-column cell is 45.9 mm wide.
        {1, false, 3, bcCodeEAN13, "6212236011840", 4, 20, "wide, cell 45.9 mm: it would be cut off"},
        // EAN-13 bars reach 80% of 22.85 mm at the least; 20 rows give 13.5 mm cells. (Every way a
        // standard label outgrows its cell: label/StandardLayoutTest.)
        {2, true, 1, bcCodeEAN13, "6212236011840", 4, 20, "its bars cannot reach their minimum height of"},
    };
    for (const Row& row : rows) {
        form->LayoutChk->setChecked(row.Standard);
        form->ZomSpn->setValue(row.Zoom);
        Label(row.Kind, row.Code, row.Columns, row.Rows);
        const QString status = form->PreviewStatus();
        EXPECT_TRUE(status.startsWith("Label ") && status.contains(row.Ending)) << status.toStdString();
        EXPECT_EQ(form->PreviewStatusColor(), StatusColor(TStatusLevel::Error)) << "row " << row.No;
        form->SetLangIndex(0);
        EXPECT_TRUE(form->PreviewStatus().contains(QString::fromUtf8("الخانة"))) << "row " << row.No;
        form->SetLangIndex(1);

        asked.clear();
        printAnyway = false;
        form->SpeedButton1->click();
        EXPECT_EQ(asked, QStringList(status)) << "row " << row.No;
        EXPECT_EQ(form->OpenPreviewWindow(), nullptr) << "row " << row.No;
        printAnyway = true;
        form->SpeedButton1->click();
        ASSERT_NE(form->OpenPreviewWindow(), nullptr) << "row " << row.No;
        delete form->OpenPreviewWindow();
    }
    // Fitting again, it prints without asking.
    form->LayoutChk->setChecked(false);
    form->ZomSpn->setValue(1);
    asked.clear();
    form->SpeedButton1->click();
    EXPECT_TRUE(asked.isEmpty());
    EXPECT_NE(form->OpenPreviewWindow(), nullptr);
    EXPECT_TRUE(errors.isEmpty()) << Errors();
}

// The switch appends what the kind computes (621223601184 takes EAN-13 check digit 0; each kind's check
// character: barcode/EncodingTest); off, a wrong check digit is named, in both languages.
TEST_F(PrintTrueTest, TheCheckDigitSwitchAddsTheCheckDigitAndAWrongOneIsNamed)
{
    struct Row {
        int No;
        bool On;
        TBarcodeType Kind;
        const char* Code;
        TStatusLevel Level;
        const char* English;
        const char* Arabic;
    } const rows[] = {
        {1, true, bcCodeEAN13, "621223601184", TStatusLevel::Good,
         "Scans as 6212236011840, with the check digit 0 added", "مع إضافة رقم التحقق 0"},
        {2, false, bcCodeEAN13, "6212236011841", TStatusLevel::Error, "Check digit should be 0",
         "يجب أن يكون رقم التحقق 0"},
        {3, true, bcCodeEAN13, "6212236011840", TStatusLevel::Good, "Scans as 6212236011840",
         "6212236011840"},
    };
    EXPECT_FALSE(form->CheckDigitChk->isChecked()) << "off, as designed";
    for (const Row& row : rows) {
        form->CheckDigitChk->setChecked(row.On);
        Label(row.Kind, row.Code, 1, 4);
        EXPECT_TRUE(form->PreviewStatus().contains(row.English)) << form->PreviewStatus().toStdString();
        EXPECT_EQ(form->PreviewStatusColor(), StatusColor(row.Level)) << "row " << row.No;
        form->SetLangIndex(0);
        EXPECT_TRUE(form->PreviewStatus().contains(QString::fromUtf8(row.Arabic)))
            << "row " << row.No << ": " << form->PreviewStatus().toStdString();
        form->SetLangIndex(1);
    }
    form->CheckDigitChk->setChecked(true);
    Restart();
    EXPECT_TRUE(form->CheckDigitChk->isChecked()) << "kept in settings.ini";
    EXPECT_TRUE(form->BCode().Checksum());
}

// The preview says how many of the sheet's labels read back at the printer's grid (600 for the PDF
// printer of a machine without printers), in the interface language; a second print rebuilds the open
// preview with the current sheet.
TEST_F(PrintTrueTest, ThePreviewSaysHowManyLabelsReadBackAndASecondPrintRebuildsIt)
{
    form->ZomSpn->setValue(1); // EAN-13 at zoom 2 is wider than a 4-column cell
    Label(bcCodeEAN13, "6212236011841", 2, 3);
    form->SpeedButton1->click();
    TPreviewWindow* preview = form->OpenPreviewWindow();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(GridDpiOf(*preview->printer()), kDefaultGridDpi);
    EXPECT_EQ(Note(), "0 of 6 labels read back at 600 dpi");
    EXPECT_EQ(preview->Note()->palette().color(QPalette::WindowText), QColor(192, 0, 0));

    form->BarEd->setText("6212236011840");
    form->CSpn->setValue(4);
    form->RSpn->setValue(20);
    form->SpeedButton1->click();
    EXPECT_EQ(form->OpenPreviewWindow(), preview) << "the open preview, rebuilt";
    EXPECT_EQ(Note(), "80 of 80 labels read back at 600 dpi");
    EXPECT_EQ(form->Table1.RowCount(), 80);

    form->SetLangIndex(0);
    form->BarEd->setText("ABC-123");
    SetKind(bcCode128B);
    form->CSpn->setValue(1);
    form->RSpn->setValue(2);
    form->SpeedButton1->click();
    EXPECT_EQ(Note(), QString::fromUtf8("قُرئ 2 من ملصقين بالماسح عند 600 نقطة في البوصة"));
    EXPECT_TRUE(errors.isEmpty()) << Errors();
}

// What the preview's pages look like in a row of pixels through the bars of the first label: the
// grey pixels between its first and last edges (none when every bar edge falls on a pixel's edge), and
// how many edges it crosses.
struct TBarRow {
    int Greys = 0;
    int Edges = 0;
};

TBarRow BarRowOf(const QImage& page)
{
    const auto dark = [&page](int x, int y) { return qGray(page.pixel(x, y)) < 128; };
    int top = -1;
    for (int y = 0; y < page.height() && top < 0; ++y)
        for (int x = 0; x < page.width() / 3 && top < 0; ++x)
            if (dark(x, y))
                top = y;
    TBarRow best;
    for (int y = std::max(0, top); y >= 0 && y < std::min(page.height(), top + 40); ++y) {
        std::vector<int> edges;
        for (int x = 1; x < page.width() / 3; ++x)
            if (dark(x, y) != dark(x - 1, y))
                edges.push_back(x);
        if (static_cast<int>(edges.size()) <= best.Edges)
            continue;
        // The left half of the bars: the maker's mark lies above their right end.
        TBarRow row{.Greys = 0, .Edges = static_cast<int>(edges.size())};
        for (int x = edges.front(); x < edges.front() + (edges.back() - edges.front()) / 2; ++x)
            if (const int grey = qGray(page.pixel(x, y)); grey > 48 && grey < 208)
                ++row.Greys;
        best = row;
    }
    return best;
}

// The preview paints only the pages in view, at the screen's own pixels: it opens at page one of many,
// goes to any page, and the bars have sharp edges at every zoom and on a screen of twice the pixels.
TEST_F(PrintTrueTest, ThePreviewPaintsItsPagesSharpAtEveryZoomAndScale)
{
    form->ZomSpn->setValue(1);
    Label(bcCodeEAN13, "6212236011840", 3, 7);
    form->SourceBox->setCurrentIndex(static_cast<int>(TLabelSource::Serial));
    form->SourcePanel->SerialPrefixEd->setText("40");
    form->SourcePanel->SerialWidthSpn->setValue(10);
    form->SourcePanel->SerialCountSpn->setValue(200);
    form->SpeedButton1->click();
    form->WaitForPrint();
    TPreviewWindow* preview = form->OpenPreviewWindow();
    ASSERT_NE(preview, nullptr) << Errors();
    EXPECT_EQ(preview->PageCount(), 10); // 200 labels, 21 a sheet
    EXPECT_EQ(preview->CurrentPage(), 1);
    preview->ShowPage(4);
    EXPECT_EQ(preview->CurrentPage(), 4);
    preview->ShowPage(99);
    EXPECT_EQ(preview->CurrentPage(), 10);
    preview->ShowPage(1);

    QWidget* pages = preview->findChild<QScrollArea*>()->widget();
    for (const double zoom : {0.8, 1.17, 2.0}) {
        preview->SetZoom(zoom);
        for (const int scale : {1, 2}) {
            const QSize page = pages->size().boundedTo(QSize(600, 400));
            QImage image(page * scale, QImage::Format_RGB32);
            image.setDevicePixelRatio(scale);
            image.fill(Qt::white);
            pages->render(&image, QPoint(), QRegion(QRect(QPoint(), page)));
            image.setDevicePixelRatio(1);
            const TBarRow row =
                BarRowOf(image.copy(QRect(QPoint(20, 20) * scale, (page - QSize(20, 20)) * scale)));
            EXPECT_GE(row.Edges, 20) << "zoom " << zoom << ", scale " << scale;
            EXPECT_EQ(row.Greys, 0) << "zoom " << zoom << ", scale " << scale;
        }
    }
    EXPECT_TRUE(errors.isEmpty()) << Errors();
}

} // namespace
} // namespace quillon
