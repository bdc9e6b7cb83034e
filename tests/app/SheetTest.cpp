// Label sheets through the main window: the options file at start-up and close, the design panel's OK and
// Cancel, the stock kept, and the print command preparing the sheet that is shown.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

#include "WindowFixture.h"
#include "app/DesignPanel.h"
#include "data/SettingsFile.h"
#include "tests/support/PlacedCells.h"

namespace quillon {
namespace {

using testing::ReadBytes;

class SheetTest : public testing::TWindowTest {
protected:
    // Starts the window over an options file already in the data folder.
    void StartOver(const QByteArray& options)
    {
        ASSERT_TRUE(testing::WriteBytes(OptionsPath(), options));
        Start();
    }
    QString OptionsPath() const { return DataPath("options.txt"); }
};

// Values are clamped as the controls clamp them; a file of only five lines loads zeros brought into range.
// The file written back shows every control's value, and the report takes the margins.
TEST_F(SheetTest, OptionsAtStartUpAreBroughtIntoRange)
{
    struct Row {
        int line;
        QByteArray options;
        int margin, columns, kind, language;
        QString caption;
        QByteArray saved;
    } rows[] = {
        {1, "80\r\n0\r\n0\r\n0\r\n0\r\n  keep spaces \r\n9\r\n1\r\n32\r\n0\r\n1\r\n1\r\n5\r\n0\r\n1\r\n", 50,
         4, -1, 1, "  keep spaces ", "50\r\n0\r\n0\r\n0\r\n0\r\n  keep spaces \r\n4\r\n"},
        {2, "$10\r\n0\r\n0\r\n0\r\n0\r\nx\r\n0x3\r\n1\r\n22\r\n0\r\n1\r\n1\r\n-7\r\n1\r\n1\r\n", 16, 3, 22,
         -1, "x", "16\r\n0\r\n0\r\n0\r\n0\r\nx\r\n3\r\n"},
        // Interleaved 2 of 5 (kind 0) takes ratios 2 to 3: the Bar Width shown and saved is the 2 it uses.
        {3, "7\r\n8\r\n9\r\n11\r\n3\r\n", 7, 1, 0, 0, "",
         "7\r\n8\r\n9\r\n11\r\n3\r\n\r\n1\r\n1\r\n0\r\n0\r\n1\r\n2\r\n0\r\n0\r\n0\r\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line);
        StartOver(row.options);
        EXPECT_EQ(form->DesBarPanel->TM->value(), row.margin);
        EXPECT_EQ(printForm.qr().Page().ValueMm(TPageValue::TopMargin), row.margin);
        EXPECT_EQ(std::tuple(form->CSpn->value(), form->KindIndex(), form->LangIndex(), form->UEd->text()),
                  std::tuple(row.columns, row.kind, row.language, row.caption));
        if (row.language == 0) {
            EXPECT_EQ(form->lb6->text(), QString::fromUtf8("\u0627\u0644\u0646\u0648\u0639"));
        }
        form->close();
        EXPECT_TRUE(ReadBytes(OptionsPath()).startsWith(row.saved));
    }
    EXPECT_EQ(ReadBytes(OptionsPath()).size(), rows[2].saved.size()) << "nothing after the last line";
}

// The damaged file is kept as options.txt.bad before the normal form replaces it; what could not be read
// takes the designed values (2 mm spacing here), not the spin edits' 0.
TEST_F(SheetTest, AnUnreadableNumberIsReportedAndTheDamagedFileKept)
{
    const QByteArray options =
        "20\r\n21\r\n\r\n22\r\n23\r\ncaption\r\n1\r\n1\r\n9\r\n0\r\n2\r\n1\r\n1\r\n0\r\n1\r\n";
    StartOver(options);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith("Invalid numeric input: " + OptionsPath() + "\n\nThe file is kept as " +
                                     OptionsPath() + ".bad;"))
        << errors[0].toStdString();
    // The blank line shifts the reads: the fifth integer lands on the caption and stops the loading.
    EXPECT_EQ(std::tuple(form->DesBarPanel->TM->value(), form->DesBarPanel->LM->value(),
                         form->DesBarPanel->CS->value()),
              std::tuple(20, 23, 2));
    EXPECT_EQ(printForm.qr().Page().ValueMm(TPageValue::ColumnSpace), 2.0);
    EXPECT_TRUE(form->AboutPanel->isVisible());
    EXPECT_EQ(ReadBytes(OptionsPath() + ".bad"), options);
    EXPECT_TRUE(
        ReadBytes(OptionsPath()).startsWith("20\r\n21\r\n22\r\n23\r\n2\r\n" + form->UEd->text().toUtf8()));
}

// A copy kept from an earlier damage is never overwritten: the next one takes the next free name.
TEST_F(SheetTest, ASecondDamagedFileIsKeptBesideTheFirst)
{
    testing::WriteBytes(OptionsPath() + ".bad", "first damage");
    ASSERT_TRUE(QDir(dataDir.path()).mkdir("options.txt.bad.1")); // a name taken by anything is skipped
    const QByteArray options = "20\r\nx\r\n";
    StartOver(options);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains("The file is kept as " + OptionsPath() + ".bad.2;"))
        << errors[0].toStdString();
    EXPECT_EQ(ReadBytes(OptionsPath() + ".bad"), "first damage");
    EXPECT_EQ(ReadBytes(OptionsPath() + ".bad.2"), options);
}

TEST_F(SheetTest, DesignPanelOkAppliesAndSavesCancelKeepsTheReport)
{
    Start();
    Confirm();
    form->DesBtnClick();
    EXPECT_TRUE(form->DesBarPanel->isVisible());
    EXPECT_FALSE(form->BarImage->isVisible());
    form->DesBarPanel->TM->setValue(20);
    EXPECT_EQ(form->DesBarPanel->DesQR->Page().ValueMm(TPageValue::TopMargin), 20.0);
    form->BitBtn1Click();
    EXPECT_EQ(printForm.qr().Page().ValueMm(TPageValue::TopMargin), 20.0);
    EXPECT_TRUE(ReadBytes(OptionsPath()).startsWith("20\r\n"));

    form->DesBtnClick();
    form->DesBarPanel->TM->setValue(30);
    form->BitBtn3Click();
    EXPECT_EQ(printForm.qr().Page().ValueMm(TPageValue::TopMargin), 20.0);
    EXPECT_TRUE(ReadBytes(OptionsPath()).startsWith("20\r\n"));
    form->RSpn->setValue(2);
    EXPECT_EQ(form->BCode().Height(), SheetRowHeight(20, 10, 2)) << "the rows fit the margins the sheet has";
    form->DesBtnClick();
    EXPECT_EQ(form->DesBarPanel->TM->value(), 20) << "the panel shows the report's values again";
    form->DesBarPanel->TM->setValue(30);
    form->BitBtn3Click();
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(ReadBytes(OptionsPath()).startsWith("30\r\n")) << "closing saves the cancelled values";
}

// The message comes from the command's own edge, through the button's signal, with no application-wide
// handler to catch it; the window goes on and prints once there is a label.
TEST_F(SheetTest, PrintingAnEmptyPreviewIsToldAndTheWindowGoesOn)
{
    Start();
    Confirm();
    form->BarEd->setText(QString::fromUtf8("\u00e9"));
    ASSERT_TRUE(form->LabelImage().isNull());
    form->SpeedButton1->click();
    EXPECT_EQ(errors, QStringList("Nothing to print: " + form->PreviewStatus()));
    EXPECT_EQ(form->OpenPreviewWindow(), nullptr);
    form->BarEd->setText("AB-12");
    form->SpeedButton1->click();
    EXPECT_NE(form->OpenPreviewWindow(), nullptr);
    EXPECT_EQ(errors.size(), 1);
}

// The sheet printed is the grid shown, however it came to be shown: a fresh window's one column, a stock's
// own places and paper, a custom Letter sheet, and a start position that leaves the first cells of a
// partly used sheet empty. Every free cell gets one label, all on one page. (Where the cells lie:
// label/SheetGridTest, and on paper label/SheetPdfTest.)
struct GridRow {
    int No;
    const char* Stock; // "" for Custom
    const char* Paper; // a custom sheet's, as the list names it
    int Columns, Rows; // a custom sheet's; 0 keeps what the window shows
    int StartAt;
    int Cells, Labels;
    double PaperWidthMm;
} const kGridRows[] = {
    {1, "", "A4", 0, 0, 1, 1, 1, 210.0},
    {2, "letter-3x10-66.7x25.4", "A4", 0, 0, 5, 30, 26, 215.9},
    {3, "", "US Letter", 2, 16, 1, 32, 32, 215.9},
    {4, "", "A4", 4, 20, 5, 80, 76, 210.0},
};

TEST_F(SheetTest, TheSheetPrintedIsTheGridShown)
{
    Start();
    Confirm();
    TDesignPanel& design = *form->DesBarPanel;
    for (const GridRow& row : kGridRows) {
        SCOPED_TRACE(row.No);
        form->DesBtnClick();
        design.StockBox->setCurrentIndex(*row.Stock ? design.StockBox->findText(row.Stock) : 0);
        design.PaperBox->setCurrentIndex(design.PaperBox->findText(row.Paper));
        form->BitBtn1Click();
        if (row.Columns > 0)
            form->CSpn->setValue(row.Columns), form->RSpn->setValue(row.Rows);
        form->StartSpn->setValue(row.StartAt);
        EXPECT_EQ(std::pair(form->CSpn->value() * form->RSpn->value(), form->StartSpn->maximum()),
                  std::pair(row.Cells, row.Cells));
        EXPECT_EQ(form->CSpn->isEnabled(), !*row.Stock) << "a stock's grid is shown, not changed";

        form->SpeedButton1Click();
        ASSERT_EQ(form->Table1.RowCount(), row.Labels);
        form->Table1.First();
        EXPECT_EQ(form->Table1.Graphic(), form->LabelImage());
        const TPreparedReport sheet = printForm.qr().PrepareRun(row.Labels);
        ASSERT_EQ(sheet.Pages.size(), 1u);
        EXPECT_NEAR(sheet.PaperWidthTenths / 10, row.PaperWidthMm, 0.01);
        const auto printed = testing::CellsOf(sheet.Pages[0]);
        ASSERT_EQ(printed.size(), std::size_t(row.Labels));
        printForm.ApplySkip(
            0); // the full sheet, whose cell StartAt, counted across the rows, the first label takes
        auto full = testing::CellsOf(printForm.qr().PrepareRun(row.Cells).Pages.at(0));
        std::sort(full.begin(), full.end(), [](const auto& a, const auto& b) {
            return std::pair(a.Frame.Top, a.Frame.Left) < std::pair(b.Frame.Top, b.Frame.Left);
        });
        const TRectTenths& first = full.at(std::size_t(row.StartAt - 1)).Frame;
        const auto firstRow =
            std::find_if(printed.begin(), printed.end(), [](const auto& cell) { return cell.Row == 0; });
        ASSERT_NE(firstRow, printed.end());
        EXPECT_EQ(std::pair(firstRow->Frame.Left, firstRow->Frame.Top), std::pair(first.Left, first.Top));
        delete form->OpenPreviewWindow();
    }
    EXPECT_TRUE(errors.isEmpty()) << Errors();
}

// The stock and the paper are kept in settings.ini and the custom grid in the options file, whose 15
// lines stay as they were; a kept stock that is no longer known, or a stocks.ini entry that cannot be
// read, is told once, and the window goes on with Custom or without that entry.
const std::string kOverlongStocks(70 * 1024, ';'); // a stocks.ini that cannot be read for now

struct SavedRow {
    int No;
    const char* Settings;
    const char* StocksIni;
    const char* Shown; // the stock chosen at start-up, "" for Custom
    int Columns, Rows;
    const char* Told; // in the one message, "" for none
    const char* Kept; // the stock settings.ini holds after the window closed
} const kSavedRows[] = {
    {1, "stock=A4-3X7-63.5X38.1", "", "a4-3x7-63.5x38.1", 3, 7, "", "a4-3x7-63.5x38.1"}, // any letter case
    {2, "stock=shelf-2x4",
     "[shelf-2x4]\npaper=a4\ncolumns=2\nrows=4\nwidth=90\nheight=60\ntop=20\nleft=10\nhpitch=100\nvpitch="
     "65\n",
     "shelf-2x4", 2, 4, "", "shelf-2x4"},
    // A stock not found now (stocks.ini unreadable for a while) stays the saved choice until the user
    // chooses another.
    {3, "stock=gone-1x1", "", "", 2, 5, "gone-1x1 kept in", "gone-1x1"},
    {4, "stock=shelf-2x4", kOverlongStocks.c_str(), "", 2, 5, "Larger than 64 KiB", "shelf-2x4"},
    {5, "stock=custom\npaper=letter", "[wide]\npaper=a5\n", "", 2, 5,
     "stocks.ini line 2: paper is a4 or letter", "custom"},
};

TEST_F(SheetTest, TheStockIsKeptAndAnUnknownOneFallsBackToCustom)
{
    const QByteArray options =
        "10\r\n10\r\n10\r\n10\r\n2\r\ncaption\r\n2\r\n5\r\n14\r\n0\r\n2\r\n2\r\n1\r\n0\r\n1\r\n";
    for (const SavedRow& row : kSavedRows) {
        SCOPED_TRACE(row.No);
        errors.clear();
        testing::WriteBytes(DataPath("settings.ini"), QByteArray("[sheet]\n") + row.Settings);
        QFile::remove(DataPath("stocks.ini"));
        if (*row.StocksIni)
            testing::WriteBytes(DataPath("stocks.ini"), row.StocksIni);
        StartOver(options);
        EXPECT_EQ(form->Stock() ? form->Stock()->Id : "", row.Shown);
        EXPECT_EQ(std::pair(form->CSpn->value(), form->RSpn->value()), std::pair(row.Columns, row.Rows));
        EXPECT_EQ(errors.isEmpty(), !*row.Told) << Errors();
        EXPECT_TRUE(errors.join("").contains(row.Told)) << Errors();
        ASSERT_TRUE(form->close());
        EXPECT_EQ(ReadBytes(OptionsPath()), options);
        const auto kept = ReadSettingsFile(QFile::encodeName(form->SettingsPath()).toStdString()).Settings;
        EXPECT_TRUE(SameStockId(kept.Value(settingkeys::Stock).value_or(""), row.Kept))
            << kept.Value(settingkeys::Stock).value_or("");
    }
    EXPECT_EQ(form->DesBarPanel->CustomPaper(), TPaperSize::Letter);
}

// The design panel's placing of labels on a stock is kept in settings.ini and shown again at start-up;
// a value that cannot be read is told and the default kept.
struct PlacingRow {
    int No;
    const char* Settings;
    TPictureAlign Align;
    double InsetMm;
    const char* Told;
} const kPlacingRows[] = {
    {1, "", TPictureAlign::Centre, 1.0, ""},
    {2, "align=top-left\ninset_mm=2.5", TPictureAlign::TopLeft, 2.5, ""},
    {3, "align=middle\ninset_mm=30", TPictureAlign::Centre, 1.0,
     "align: middle is neither centre nor top-left"},
};

TEST_F(SheetTest, ThePlacingOnAStockRoundTripsThroughTheSettingsFile)
{
    const QByteArray options =
        "10\r\n10\r\n10\r\n10\r\n2\r\ncaption\r\n2\r\n5\r\n14\r\n0\r\n2\r\n1\r\n1\r\n0\r\n1\r\n";
    for (const PlacingRow& row : kPlacingRows) {
        SCOPED_TRACE(row.No);
        errors.clear();
        testing::WriteBytes(DataPath("settings.ini"),
                            QByteArray("[sheet]\nstock=a4-3x7-63.5x38.1\n") + row.Settings);
        StartOver(options);
        form->DesBtnClick();
        const TCellPlacing shown = form->DesBarPanel->ChosenPlacing();
        EXPECT_EQ(shown.Align, row.Align);
        EXPECT_DOUBLE_EQ(shown.InsetMm, row.InsetMm);
        EXPECT_TRUE(form->DesBarPanel->AlignBox->isEnabled()); // a stock is chosen
        EXPECT_TRUE(errors.join("").contains(row.Told)) << Errors();
        // Chosen in the panel and confirmed, the placing is what the next start-up shows.
        form->DesBarPanel->ChoosePlacing({.Align = TPictureAlign::TopLeft, .InsetMm = 3.0});
        form->BitBtn1Click();
        ASSERT_TRUE(form->close());
        const QByteArray saved = ReadBytes(DataPath("settings.ini"));
        EXPECT_TRUE(saved.contains("align=top-left") && saved.contains("inset_mm=3.0"))
            << saved.toStdString();
        errors.clear();
        StartOver(options);
        form->DesBtnClick();
        EXPECT_EQ(form->DesBarPanel->ChosenPlacing().Align, TPictureAlign::TopLeft);
        EXPECT_DOUBLE_EQ(form->DesBarPanel->ChosenPlacing().InsetMm, 3.0);
        ASSERT_TRUE(form->close());
    }
}

TEST_F(SheetTest, ClosingWhenTheOptionsCannotBeWrittenAsksFirst)
{
    Start();
    QFile::remove(OptionsPath());
    ASSERT_TRUE(QDir(dataDir.path()).mkdir("options.txt")); // a directory where the file should be
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    ASSERT_EQ(asked.size(), 1);
    EXPECT_TRUE(asked[0].startsWith("The options could not be saved: Not a regular file"))
        << asked[0].toStdString();
    closeAnyway = true;
    EXPECT_TRUE(form->close());
}

} // namespace
} // namespace quillon
