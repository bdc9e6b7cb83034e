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
#include "label/FontSubstitutions.h"
#include "label/PrintBarForm.h"

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
    EXPECT_EQ(form->BCode().Height(), SheetRowHeight(30, 10, 2)) << "cancelled margin counts";
    form->DesBtnClick();
    EXPECT_EQ(form->DesBarPanel->TM->value(), 20) << "the panel shows the report's values again";
    form->DesBarPanel->TM->setValue(30);
    form->BitBtn3Click();
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(ReadFile(OptionsPath()).startsWith("30\r\n")) << "closing saves the cancelled values";
}

TEST_F(SheetTest, PrintingFillsTheTableWithOneLabelPerCellAndOpensOnePreview)
{
    Start();
    form->AboutOkClick();
    form->CSpn->setValue(4);
    form->RSpn->setValue(20);
    form->SpeedButton1Click();
    ASSERT_NE(form->OpenPreviewWindow(), nullptr);
    EXPECT_EQ(form->Table1.RowCount(), 80);
    form->Table1.First();
    EXPECT_EQ(form->Table1.Graphic(), form->LabelImage());
    QPrintPreviewDialog* preview = form->OpenPreviewWindow();
    form->SpeedButton1Click();
    EXPECT_EQ(form->OpenPreviewWindow(), preview) << "a second print brings the open preview forward";
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

TEST_F(SheetTest, PreparedSheetsFollowThePageFlow)
{
    Start();
    form->AboutOkClick();
    // Every rows value puts exactly that many cells in each column of one page: 2 x 16 is one page.
    struct Row {
        int line, columns, rows;
        bool stretch;
        std::size_t pages;
        double cellWidthTenths;
        long firstPageImages, lastPageImages;
    } rows[] = {
        {1, 4, 20, false, 1, 78 * 254 / 43.2, 80, 80},
        {2, 2, 16, false, 1, 160 * 254 / 43.2, 32, 32},
        {3, 1, 1, false, 1, 323 * 254 / 43.2, 1, 1},
        {4, 1, 1, true, 1, 323 * 254 / 43.2, 1, 1},
    };
    const auto images = [](const TPreparedPage& page) {
        const auto isImage = [](const TPlacedElement& e) {
            return std::holds_alternative<TPlacedImage>(e.Content);
        };
        return std::ranges::count_if(page.Elements, isImage);
    };
    for (const auto& row : rows) {
        form->CSpn->setValue(row.columns);
        form->RSpn->setValue(row.rows == 1 ? 2 : row.rows); // a real change, so the rows apply
        form->RSpn->setValue(row.rows);
        form->StChk->setChecked(row.stretch);
        const TPreparedReport sheet = printForm.qr().PrepareRun(row.columns * row.rows);
        ASSERT_EQ(sheet.Pages.size(), row.pages) << "row " << row.line;
        const TPlacedElement& cell = sheet.Pages[0].Elements.front();
        EXPECT_NEAR(cell.Frame.Width, row.cellWidthTenths, 0.01) << "row " << row.line;
        EXPECT_EQ(std::get<TPlacedImage>(cell.Content).Stretch, row.stretch) << "row " << row.line;
        EXPECT_EQ(std::pair(images(sheet.Pages.front()), images(sheet.Pages.back())),
                  std::pair(row.firstPageImages, row.lastPageImages))
            << "row " << row.line;
    }
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
