// Label sheets through the main window: the options file at start-up and close, the design panel's
// OK and Cancel, and the print command filling the picture table and preparing the sheet.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QToolButton>
#include <variant>

#include "app/AboutPanel.h"
#include "app/BarForm.h"
#include "app/DeckControls.h"
#include "app/DesignPanel.h"
#include "data/SettingsFile.h"
#include "label/FontSubstitutions.h"
#include "label/PrintBarForm.h"
#include "tests/support/QtSupport.h"

namespace quillon {
namespace {

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class SheetTest : public ::testing::Test {
protected:
    void SetUp() override { RegisterFontSubstitutions(); }
    void TearDown() override { delete (form != nullptr ? form->OpenPreviewWindow() : nullptr); }
    // Starts the window, optionally over an options file already in the data directory.
    void Start(const QByteArray* options = nullptr)
    {
        if (options != nullptr) {
            QFile file(OptionsPath());
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(*options);
        }
        form = std::make_unique<TBarForm>(printForm, dataDir.path());
        form->ReportError = [this](const QString& message) { errors << message; };
        form->ConfirmCloseAnyway = [this](const QString& message) { return errors << message, closeAnyway; };
        form->ConfirmPrintAnyway = [](const QString&) { return true; }; // cut-off labels: PrintTrueTest
        form->show();
    }
    QString OptionsPath() const { return QDir(dataDir.path()).filePath("options.txt"); }

    QTemporaryDir dataDir;
    QStringList errors;
    bool closeAnyway = false;
    TPrintBarForm printForm;
    std::unique_ptr<TBarForm> form;
};

TEST_F(SheetTest, FirstStartWritesTheDesignedOptions)
{
    Start();
    const QByteArray expected = "10\r\n10\r\n10\r\n10\r\n2\r\n" + form->UEd->text().toUtf8() +
                                "\r\n1\r\n1\r\n9\r\n-16777211\r\n2\r\n1\r\n1\r\n0\r\n1\r\n";
    EXPECT_EQ(ReadFile(OptionsPath()), expected);
    EXPECT_FALSE(form->DesBarPanel->isVisible());
    EXPECT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();
}

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
        {1, "80\r\n0\r\n0\r\n0\r\n0\r\n  keep spaces \r\n9\r\n1\r\n30\r\n0\r\n1\r\n1\r\n5\r\n0\r\n1\r\n", 50,
         4, -1, 1, "  keep spaces ", "50\r\n0\r\n0\r\n0\r\n0\r\n  keep spaces \r\n4\r\n"},
        {2, "$10\r\n0\r\n0\r\n0\r\n0\r\nx\r\n0x3\r\n1\r\n22\r\n0\r\n1\r\n1\r\n-7\r\n1\r\n1\r\n", 16, 3, 22,
         -1, "x", "16\r\n0\r\n0\r\n0\r\n0\r\nx\r\n3\r\n"},
        {3, "7\r\n8\r\n9\r\n11\r\n3\r\n", 7, 1, 0, 0, "",
         "7\r\n8\r\n9\r\n11\r\n3\r\n\r\n1\r\n1\r\n0\r\n0\r\n1\r\n0\r\n0\r\n0\r\n0\r\n"},
    };
    for (const auto& row : rows) {
        Start(&row.options);
        EXPECT_EQ(form->DesBarPanel->TM->value(), row.margin) << "row " << row.line;
        EXPECT_EQ(printForm.qr().Page().ValueMm(TPageValue::TopMargin), row.margin) << "row " << row.line;
        EXPECT_EQ(form->CSpn->value(), row.columns) << "row " << row.line;
        EXPECT_EQ(form->KindIndex(), row.kind) << "row " << row.line;
        EXPECT_EQ(form->LangIndex(), row.language) << "row " << row.line;
        EXPECT_EQ(form->UEd->text(), row.caption) << "row " << row.line;
        if (row.language == 0) {
            EXPECT_EQ(form->lb6->text(), QString::fromUtf8("\u0627\u0644\u0646\u0648\u0639"))
                << "row " << row.line;
        }
        form->close();
        EXPECT_TRUE(ReadFile(OptionsPath()).startsWith(row.saved)) << "row " << row.line;
    }
    EXPECT_EQ(ReadFile(OptionsPath()).size(), rows[2].saved.size()) << "nothing after the last line";
}

// The damaged file is kept as options.txt.bad before the normal form replaces it; what could not be read
// takes the designed values (2 mm spacing here), not the spin edits' 0.
TEST_F(SheetTest, AnUnreadableNumberIsReportedAndTheDamagedFileKept)
{
    const QByteArray options =
        "20\r\n21\r\n\r\n22\r\n23\r\ncaption\r\n1\r\n1\r\n9\r\n0\r\n2\r\n1\r\n1\r\n0\r\n1\r\n";
    Start(&options);
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
    EXPECT_EQ(ReadFile(OptionsPath() + ".bad"), options);
    EXPECT_TRUE(
        ReadFile(OptionsPath()).startsWith("20\r\n21\r\n22\r\n23\r\n2\r\n" + form->UEd->text().toUtf8()));
}

// When the damaged file cannot be kept aside, it is not replaced either.
TEST_F(SheetTest, ADamagedFileThatCannotBeKeptAsideIsLeftAsItIs)
{
    ASSERT_TRUE(QDir(dataDir.path()).mkdir("options.txt.bad"));
    const QByteArray options = "20\r\nx\r\n";
    Start(&options);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith("Invalid numeric input: " + OptionsPath() +
                                     "\nIt could not be kept: Not a regular file: " + OptionsPath() + ".bad"))
        << errors[0].toStdString();
    EXPECT_EQ(form->DesBarPanel->TM->value(), 20);
    EXPECT_TRUE(form->close());
    EXPECT_EQ(ReadFile(OptionsPath()), options);
}

// A file that cannot be read at all is left as it is for the whole session, told once; the sheet takes the
// report's designed margins.
TEST_F(SheetTest, AnOptionsFileThatCannotBeReadIsLeftAndTheDesignedMarginsApply)
{
    ASSERT_TRUE(QDir(dataDir.path()).mkdir("options.txt"));
    Start();
    EXPECT_EQ(errors, QStringList("Not a regular file: " + OptionsPath() +
                                  "\n\nThe options file is left as it is, and the settings of this session "
                                  "are not saved in it."));
    EXPECT_FALSE(form->WritesOptions());
    for (const TPageValue value : {TPageValue::TopMargin, TPageValue::BottomMargin, TPageValue::LeftMargin})
        EXPECT_EQ(printForm.qr().Page().ValueMm(value), 10.0);
    EXPECT_EQ(printForm.qr().Page().ValueMm(TPageValue::ColumnSpace), 2.0);
    EXPECT_EQ(form->DesBarPanel->TM->value(), 10);
    form->AboutOkClick();
    form->DesBtnClick(), form->BitBtn1Click();
    EXPECT_TRUE(form->close());
    EXPECT_EQ(errors.size(), 1) << "neither the design panel nor closing tries to write it";
    EXPECT_TRUE(QFileInfo(OptionsPath()).isDir());
}

TEST_F(SheetTest, DesignPanelOkAppliesAndSavesCancelKeepsTheReport)
{
    Start();
    form->AboutOkClick();
    form->DesBtnClick();
    EXPECT_TRUE(form->DesBarPanel->isVisible());
    EXPECT_FALSE(form->BarImage->isVisible());
    form->DesBarPanel->TM->setValue(20);
    EXPECT_EQ(form->DesBarPanel->DesQR->Page().ValueMm(TPageValue::TopMargin), 20.0);
    form->BitBtn1Click();
    EXPECT_EQ(printForm.qr().Page().ValueMm(TPageValue::TopMargin), 20.0);
    EXPECT_TRUE(ReadFile(OptionsPath()).startsWith("20\r\n"));
    EXPECT_EQ(form->BCode().Height(), SheetRowHeight(20, 10, form->RSpn->value()))
        << "applying the design recomputes the row height";

    form->DesBtnClick();
    form->DesBarPanel->TM->setValue(30);
    form->BitBtn3Click();
    EXPECT_EQ(printForm.qr().Page().ValueMm(TPageValue::TopMargin), 20.0);
    EXPECT_TRUE(ReadFile(OptionsPath()).startsWith("20\r\n"));
    form->RSpn->setValue(2);
    EXPECT_EQ(form->BCode().Height(), SheetRowHeight(20, 10, 2)) << "the rows fit the margins the sheet has";
    form->DesBtnClick();
    EXPECT_EQ(form->DesBarPanel->TM->value(), 20) << "the panel shows the report's values again";
    form->DesBarPanel->TM->setValue(30);
    form->BitBtn3Click();
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(ReadFile(OptionsPath()).startsWith("30\r\n")) << "closing saves the cancelled values";
}

TEST_F(SheetTest, ALockedTableFailsThePrintAndKeepsItsRows)
{
    Start();
    form->AboutOkClick();
    form->CSpn->setValue(2);
    form->SpeedButton1Click();
    delete form->OpenPreviewWindow();
    ASSERT_EQ(form->Table1.RowCount(), 2);

    {
        QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other-program");
        other.setDatabaseName(QDir(dataDir.path()).filePath("pict.db"));
        ASSERT_TRUE(other.open());
        QSqlQuery lock(other);
        ASSERT_TRUE(lock.exec("BEGIN IMMEDIATE"));
        form->CSpn->setValue(4);
        form->SpeedButton1Click();
        ASSERT_EQ(errors.size(), 1);
        EXPECT_TRUE(errors[0].endsWith("the file is in use by another program")) << errors[0].toStdString();
        lock.exec("ROLLBACK");
    }
    QSqlDatabase::removeDatabase("other-program");
    EXPECT_EQ(form->Table1.RowCount(), 2);
}

// The message comes from the command's own edge, through the button's signal, with no application-wide
// handler to catch it; the window goes on and prints once there is a label.
TEST_F(SheetTest, PrintingAnEmptyPreviewIsToldAndTheWindowGoesOn)
{
    Start();
    form->AboutOkClick();
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
// partly used sheet empty. Every free cell gets one label, all on one page. Stock corners and sizes as
// published (the built-in table); a custom cell is whole design pixels of 0.588 mm.
struct GridRow {
    int No;
    const char* Stock; // "" for Custom
    const char* Paper; // a custom sheet's, as the list names it
    int Columns, Rows; // a custom sheet's; 0 keeps what the window shows
    int StartAt;
    int Cells, Labels;
    double PaperWidthMm;
    QRectF FirstCellMm; // of a full sheet; a width of 0 leaves the width unchecked
    double ToleranceMm;
} const kGridRows[] = {
    {1, "", "A4", 0, 0, 1, 1, 1, 210.0, {10, 10, 190, 0}, 0.6},
    {2, "a4-3x7-63.5x38.1", "A4", 0, 0, 1, 21, 21, 210.0, {7.21, 15.15, 63.5, 38.1}, 0.01},
    {3, "letter-3x10-66.7x25.4", "A4", 0, 0, 5, 30, 26, 215.9, {4.76, 12.7, 66.68, 25.4}, 0.01},
    {4, "", "US Letter", 2, 16, 1, 32, 32, 215.9, {10, 10, 96.95, 0}, 0.6},
    {5, "", "A4", 4, 20, 5, 80, 76, 210.0, {10, 10, 0, 0}, 0.6},
};

std::vector<QRectF> LabelCellsMm(const TPreparedPage& page)
{
    std::vector<QRectF> cells;
    for (const TPlacedElement& e : page.Elements)
        if (std::holds_alternative<TPlacedImage>(e.Content))
            cells.emplace_back(e.Frame.Left / 10, e.Frame.Top / 10, e.Frame.Width / 10, e.Frame.Height / 10);
    return cells;
}

TEST_F(SheetTest, TheSheetPrintedIsTheGridShown)
{
    Start();
    form->AboutOkClick();
    for (const GridRow& row : kGridRows) {
        TDesignPanel& design = *form->DesBarPanel;
        form->DesBtnClick();
        design.StockBox->setCurrentIndex(*row.Stock ? design.StockBox->findText(row.Stock) : 0);
        design.PaperBox->setCurrentIndex(design.PaperBox->findText(row.Paper));
        form->BitBtn1Click();
        if (row.Columns > 0)
            form->CSpn->setValue(row.Columns), form->RSpn->setValue(row.Rows);
        form->StartSpn->setValue(row.StartAt);
        EXPECT_EQ(std::pair(form->CSpn->value() * form->RSpn->value(), form->StartSpn->maximum()),
                  std::pair(row.Cells, row.Cells))
            << "row " << row.No;
        EXPECT_EQ(form->CSpn->isEnabled(), !*row.Stock) << "a stock's grid is shown, not changed";

        form->SpeedButton1Click();
        ASSERT_EQ(form->Table1.RowCount(), row.Labels) << "row " << row.No;
        form->Table1.First();
        EXPECT_EQ(form->Table1.Graphic(), form->LabelImage()) << "row " << row.No;
        const TPreparedReport sheet = printForm.qr().PrepareRun(row.Labels);
        ASSERT_EQ(sheet.Pages.size(), 1u) << "row " << row.No;
        EXPECT_NEAR(sheet.PaperWidthTenths / 10, row.PaperWidthMm, 0.01) << "row " << row.No;
        const std::vector<QRectF> printed = LabelCellsMm(sheet.Pages[0]);
        ASSERT_EQ(printed.size(), std::size_t(row.Labels)) << "row " << row.No;

        printForm.ApplySkip(0); // the full sheet, whose cell StartAt the first label takes
        const std::vector<QRectF> full = LabelCellsMm(printForm.qr().PrepareRun(row.Cells).Pages.at(0));
        EXPECT_EQ(printed.front(), full.at(std::size_t(row.StartAt - 1))) << "row " << row.No;
        const QRectF& first = full.front();
        const QRectF& want = row.FirstCellMm;
        EXPECT_NEAR(first.left(), want.left(), row.ToleranceMm) << "row " << row.No;
        EXPECT_NEAR(first.top(), want.top(), row.ToleranceMm) << "row " << row.No;
        if (want.width() > 0) {
            EXPECT_NEAR(first.width(), want.width(), row.ToleranceMm) << "row " << row.No;
        }
        if (want.height() > 0) {
            EXPECT_NEAR(first.height(), want.height(), row.ToleranceMm) << "row " << row.No;
        }
        delete form->OpenPreviewWindow();
    }
    EXPECT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();
}

// The stock and the paper are kept in settings.ini and the custom grid in the options file, whose 15
// lines stay as they were; a kept stock that is no longer known, or a stocks.ini entry that cannot be
// read, is told once, and the window goes on with Custom or without that entry.
struct SavedRow {
    int No;
    const char* Settings;
    const char* StocksIni;
    const char* Shown; // the stock chosen at start-up, "" for Custom
    int Columns, Rows;
    const char* Told; // in the one message, "" for none
} const kSavedRows[] = {
    {1, "stock=A4-3X7-63.5X38.1", "", "a4-3x7-63.5x38.1", 3, 7, ""}, // IDs in any letter case
    {2, "stock=shelf-2x4",
     "[shelf-2x4]\npaper=a4\ncolumns=2\nrows=4\nwidth=90\nheight=60\ntop=20\nleft=10\nhpitch=100\nvpitch="
     "65\n",
     "shelf-2x4", 2, 4, ""},
    {3, "stock=gone-1x1", "", "", 2, 5, "gone-1x1 kept in"},
    {4, "stock=custom\npaper=letter", "[wide]\npaper=a5\n", "", 2, 5,
     "stocks.ini line 2: paper is a4 or letter"},
};

TEST_F(SheetTest, TheStockIsKeptAndAnUnknownOneFallsBackToCustom)
{
    const QByteArray options =
        "10\r\n10\r\n10\r\n10\r\n2\r\ncaption\r\n2\r\n5\r\n14\r\n0\r\n2\r\n1\r\n1\r\n0\r\n1\r\n";
    for (const SavedRow& row : kSavedRows) {
        errors.clear();
        testing::WriteBytes(QDir(dataDir.path()).filePath("settings.ini"),
                            QByteArray("[sheet]\n") + row.Settings);
        QFile::remove(QDir(dataDir.path()).filePath("stocks.ini"));
        if (*row.StocksIni)
            testing::WriteBytes(QDir(dataDir.path()).filePath("stocks.ini"), row.StocksIni);
        Start(&options);
        EXPECT_EQ(form->Stock() ? form->Stock()->Id : "", row.Shown) << "row " << row.No;
        EXPECT_EQ(std::pair(form->CSpn->value(), form->RSpn->value()), std::pair(row.Columns, row.Rows))
            << "row " << row.No;
        if (*row.Told) {
            ASSERT_EQ(errors.size(), 1) << "row " << row.No << ": " << errors.join("; ").toStdString();
            EXPECT_TRUE(errors[0].contains(row.Told)) << "row " << row.No << ": " << errors[0].toStdString();
        } else {
            EXPECT_TRUE(errors.isEmpty()) << "row " << row.No << ": " << errors.join("; ").toStdString();
        }
        ASSERT_TRUE(form->close());
        EXPECT_EQ(ReadFile(OptionsPath()), options) << "row " << row.No;
        const auto kept = ReadSettingsFile(QFile::encodeName(form->SettingsPath()).toStdString()).Settings;
        EXPECT_TRUE(
            SameStockId(kept.Value(settingkeys::Stock).value_or(""), *row.Shown ? row.Shown : "custom"))
            << "row " << row.No;
    }
    EXPECT_EQ(form->DesBarPanel->CustomPaper(), TPaperSize::Letter);
}

TEST_F(SheetTest, ClosingWhenTheOptionsCannotBeWrittenAsksFirst)
{
    Start();
    QFile::remove(OptionsPath());
    ASSERT_TRUE(QDir(dataDir.path()).mkdir("options.txt")); // a directory where the file should be
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    ASSERT_FALSE(errors.isEmpty());
    EXPECT_TRUE(errors.last().startsWith("The options could not be saved: Not a regular file"))
        << errors.last().toStdString();
    closeAnyway = true;
    EXPECT_TRUE(form->close());
}

} // namespace
} // namespace quillon
