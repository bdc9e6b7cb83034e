// Label designs on the real window: a design saved and opened again sets every control as it was, a
// damaged or foreign one is refused at its line with nothing changed, a kind or stock this build lacks
// opens as the default and is said, the deck's changes undo and redo step by step, and quillon-cli
// sheet --design prints the sheet the window prints.
#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QUndoStack>
#include <cstdio>

#include "WindowFixture.h"
#include "app/DesignPanel.h"
#include "data/OptionsFile.h"
#include "label/render/LabelPdf.h"
#include "label/sheet/SheetRun.h"
#include "tests/cli/RunCli.h"
#include "tests/support/InkedPages.h"

namespace quillon {
namespace {

using testing::DotsApart;
using testing::InkedPages;

const std::string kHeader = "Quillon label design 1\n";

// A key as the user presses it in a control: its own key handling first, then the window's.
void Press(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
           const QString& text = {})
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
}

void Type(QWidget* target, const QString& text)
{
    for (const QChar c : text)
        Press(target, 0, Qt::NoModifier, QString(c));
}

class DesignDocumentTest : public testing::TWindowTest {
protected:
    void SetUp() override
    {
        TWindowTest::SetUp();
        Start();
        Confirm();
        form->SetPrintDpi(600); // the CLI's default
        errors.clear();
    }
    QString Design(const std::string& name, const std::string& text) const
    {
        const QString path = DataPath(QString::fromStdString(name));
        EXPECT_TRUE(testing::WriteBytes(path, QByteArray::fromStdString(text)));
        return path;
    }
    std::string Shown() const { return FormatLabelDesign(form->DesignFromControls()); }
};

// Every key of a design reaches its control and comes back the same, also in a window started anew,
// which keeps the design among the recent ones.
TEST_F(DesignDocumentTest, ASavedDesignOpensAsItWasSaved)
{
    const std::string designs[] = {
        kHeader + "kind = DataMatrix\ncode = Tea \\x5C 250 g\nupper_caption_on = 1\nupper_caption = "
                  "\xD8\xB4\xD8\xA7\xD9\x8A\n"
                  "lower_caption_on = 0\nlower_caption = Description\nlayout = standard\nmodule_mm = 0.60\n"
                  "x_dim_mm = 0.40\nbar_color = #0000C0\ndm_shape = rect\nqr_ecc = Q\npdf417_columns = 5\n"
                  "stock = a4-3x7-63.5x38.1\ncolumns = 2\nrows = 9\nmargins_mm = 5,6,7,8\nspacing_mm = 3\n"
                  "order = down\nstart = 5\nalign = top-left\ninset_mm = 2.5\npaper = letter\n",
        kHeader +
            "kind = Code128B\ncode = Hello\nzoom = 3\nratio = 3\ncheck_digit = 1\nstretch = 1\ncolumns = 4\n"
            "rows = 20\nmargins_mm = 0,0,0,0\nspacing_mm = 0\nsource = serial\nserial_start = 0042\n"
            "serial_step = 5\nserial_count = 12\nserial_width = 6\nserial_prefix = A-\nserial_suffix = /x\n"
            "mark = 0\nfooter = 0\n",
    };
    for (const std::string& text : designs) {
        const QString path = Design("in.qld", text);
        ASSERT_TRUE(form->OpenDesign(path)) << Errors();
        const TLabelDesign opened = ParseLabelDesign(text, form->Stocks(), "in.qld").Design;
        EXPECT_EQ(Shown(), FormatLabelDesign(opened));
        ASSERT_TRUE(form->SaveDesign(DataPath("out.qld")));
        EXPECT_EQ(testing::ReadBytes(DataPath("out.qld")).toStdString(), FormatLabelDesign(opened));
        Restart();
        Confirm();
        const auto switches = [](const std::string& design) { // the maker's marks are kept by the window
            return std::pair(design.find("\nmark = 1\n") != std::string::npos,
                             design.find("\nfooter = 1\n") != std::string::npos);
        };
        EXPECT_EQ(switches(Shown()), switches(FormatLabelDesign(opened)));
        EXPECT_EQ(form->RecentDesigns().value(0), DataPath("out.qld"));
        ASSERT_TRUE(form->OpenDesign(DataPath("out.qld")));
        EXPECT_EQ(Shown(), FormatLabelDesign(opened));
    }
    EXPECT_EQ(Errors(), "");
}

// Refused with its name and line, in the interface language; the deck stays as it was.
TEST_F(DesignDocumentTest, ADamagedOrForeignDesignIsRefusedAndChangesNothing)
{
    struct Row {
        int No;
        std::string Text;
        std::string Line;
        std::string English;
        std::string Arabic;
    };
    const Row rows[] = {
        {1, "", "1", "empty, not a label design", "الملف فارغ"},
        {2, "[label]\ncode=1\n", "1",
         "not a label design: the first line should read \"Quillon label design 1\"", "ليس تصميم ملصق"},
        {3, kHeader + "code = 1\nrows = 30\n", "3", "rows takes 1..20, not '30'", "rows يأخذ 1..20، لا '30'"},
        {4, kHeader + "code = 1\ncode = 2\n", "3", "code is set a second time (first on line 2)",
         "code مذكور مرة ثانية"},
        {5, kHeader + "colour = red\n", "2", "no setting is called colour", "لا إعداد باسم colour"},
    };
    form->BarEd->setText("590123412345");
    const std::string before = Shown();
    for (const Row& row : rows) {
        for (const int language : {1, 0}) {
            form->SetLangIndex(language);
            errors.clear();
            const QString path = Design("bad.qld", row.Text);
            EXPECT_FALSE(form->OpenDesign(path)) << "row " << row.No;
            const QString expected = PathForMessage(path) + ":" + QString::fromStdString(row.Line) + ": " +
                                     QString::fromStdString(language == 1 ? row.English : row.Arabic);
            EXPECT_TRUE(errors.value(0).startsWith(expected)) << "row " << row.No << ": " << Errors();
            EXPECT_EQ(Shown(), before) << "row " << row.No;
        }
    }
    EXPECT_EQ(form->DesignPath(), QString());
    EXPECT_TRUE(form->RecentDesigns().isEmpty());
}

TEST_F(DesignDocumentTest, AKindOrStockThisBuildLacksOpensAsTheDefaultAndIsSaid)
{
    const QString path =
        Design("later.qld", kHeader + "kind = HanXin\ncode = 590123412345\nstock = a4-9x9-1x1\n"
                                      "rows = 4\nupper_caption_on = 1\nupper_caption = Kept\n");
    ASSERT_TRUE(form->OpenDesign(path));
    EXPECT_EQ(Errors(),
              (PathForMessage(path) +
               ":2: kind HanXin is not one this build makes: opened with "
               "CodeEAN13 instead\n" +
               PathForMessage(path) +
               ":4: label stock a4-9x9-1x1 is not one this build knows: opened as a custom sheet laid "
               "out by its margins")
                  .toStdString());
    EXPECT_EQ(form->KindIndex(), bcCodeEAN13);
    EXPECT_FALSE(form->Stock().has_value());
    EXPECT_EQ(form->RSpn->value(), 4);
    EXPECT_EQ(form->UEd->text(), "Kept");
}

// The steps a user takes and what the deck shows after each: keystrokes in the code field are one step,
// an opened design is one, Ctrl+Z and Ctrl+Y walk them in the code field and elsewhere alike.
TEST_F(DesignDocumentTest, UndoAndRedoWalkTheDecksChanges)
{
    const QString other =
        Design("other.qld", kHeader + "kind = Code39\ncode = ABC\nzoom = 4\nupper_caption_on = 0\n");
    struct Step {
        int No;
        std::function<void()> Do;
        QString Code;
        int Zoom;
        bool Upper;
    };
    const auto undoIn = [](QWidget* control) {
        return [control] { Press(control, Qt::Key_Z, Qt::ControlModifier); };
    };
    const auto redoIn = [](QWidget* control) {
        return [control] { Press(control, Qt::Key_Y, Qt::ControlModifier); };
    };
    form->BarEd->setText("5901234");
    form->ZomSpn->setValue(2);
    form->UChk->setChecked(true);
    QApplication::processEvents();
    form->DeckUndoStack()->clear(); // the test's own setting is where the history begins
    form->BarEd->setFocus();
    const Step steps[] = {
        {1, [&] { Type(form->BarEd, "1"), QApplication::processEvents(), Type(form->BarEd, "23"); },
         "5901234123", 2, true},
        {2, [&] { form->ZomSpn->setValue(3); }, "5901234123", 3, true},
        {3, [&] { form->UChk->click(); }, "5901234123", 3, false},
        {4, undoIn(form->BarEd), "5901234123", 3, true},
        {5, undoIn(form->ZomSpn), "5901234123", 2, true},
        {6, undoIn(form->BarEd), "5901234", 2, true}, // the three keystrokes at once
        {7, undoIn(form->BarEd), "5901234", 2, true}, // nothing more to undo
        {8, redoIn(form->UChk), "5901234123", 2, true},
        {9, [&] { form->OpenDesign(other); }, "ABC", 4, false},
        {10, redoIn(form->BarEd), "ABC", 4, false}, // a new step ends what could be redone
        {11, undoIn(form->StChk), "5901234123", 2, true},
        {12, redoIn(form.get()), "ABC", 4, false},
    };
    for (const Step& step : steps) {
        step.Do();
        QApplication::processEvents();
        EXPECT_EQ(form->BarEd->text(), step.Code) << "step " << step.No;
        EXPECT_EQ(form->ZomSpn->value(), step.Zoom) << "step " << step.No;
        EXPECT_EQ(form->UChk->isChecked(), step.Upper) << "step " << step.No;
    }
    EXPECT_EQ(Errors(), "");
}

// The window's print, written as quillon-cli writes a sheet.
QByteArray WindowSheet(const TPreparedReport& sheet, const TSheetLabels& labels,
                       const std::vector<QImage>& pictures)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    TLabelPdf pdf(buffer, sheet);
    for (std::size_t page = 0; page < sheet.Pages.size(); ++page)
        pdf.Add(sheet, page, labels, 600, pictures);
    pdf.Finish();
    return buffer.data();
}

// The window's settings and quillon-cli's options make the same pages, dot for dot at 150 dpi: the page
// count, each cell's place and each cell's label. One row per way a label is made and placed.
TEST_F(DesignDocumentTest, TheCommandLinePrintsTheSheetTheWindowPrints)
{
    const QString list = DataPath("list.csv");
    {
        QFile file(list);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("code,upper,copies\n96385074,Tea,3\n40063812,Rice,1\n73513537,,2\n");
    }
    const std::string listLine = "source = list\nlist_file = " + list.toStdString() + "\n";
    const std::string designs[] = {
        // classic, grid by margins, captions and colour
        kHeader + "code = 6212236011840\nupper_caption_on = 1\nupper_caption = Tea, 250 g\nzoom = 2\n"
                  "columns = 2\nrows = 5\nmargins_mm = 5,6,7,8\nspacing_mm = 3\nbar_color = #0000C0\n",
        // classic stretched into the grid's cells
        kHeader + "code = 6212236011840\nstretch = 1\ncolumns = 3\nrows = 6\n",
        // standard on a stock, unstretched: centred by the drawing's size, not its bitmap's
        kHeader + "code = 6212236011840\nlayout = standard\nx_dim_mm = 0.33\nstock = a4-3x7-63.5x38.1\n",
        // standard stretched into cells too small for it: fitted to them, as the window fits it
        kHeader + "code = 6212236011840\nlayout = standard\nx_dim_mm = 0.5\nstretch = 1\ncolumns = 4\n"
                  "rows = 8\n",
        // symbol, standard, on a stock, top-left with an inset, down the columns from cell 4
        kHeader + "kind = QRCode\ncode = https://example.org/a?b=1\nlayout = standard\nmodule_mm = 0.6\n"
                  "stock = a4-3x7-63.5x38.1\nalign = top-left\ninset_mm = 2.0\norder = down\nstart = 4\n",
        // symbol, classic, stretched on a stock
        kHeader + "kind = DataMatrix\ncode = QUILLON-0042\nzoom = 3\nstretch = 1\nstock = a4-3x7-63.5x38.1\n",
        // a serial run
        kHeader +
            "kind = CodeEAN8\nsource = serial\nserial_start = 1234560\nserial_step = 3\nserial_count = 7\n"
            "columns = 2\nrows = 2\nzoom = 2\n",
        // a list with copies and its own captions, on a stock from cell 3
        kHeader + "kind = CodeEAN8\n" + listLine +
            "upper_caption_on = 1\nstock = a4-3x7-63.5x38.1\nstart = 3\n",
    };
    for (const std::string& text : designs) {
        ASSERT_TRUE(form->OpenDesign(Design("in.qld", text))) << Errors();
        ASSERT_TRUE(form->SaveDesign(DataPath("saved.qld")));
        form->SpeedButton1Click();
        form->WaitForPrint();
        QByteArray window;
        if (form->Source() == TLabelSource::OneLabel) {
            const TSheetSettings shown = form->ShownSheet();
            const auto cells = static_cast<std::size_t>(SheetCellCount(shown) - shown.SkipCells);
            window = WindowSheet(printForm.qr().PrepareRun(static_cast<std::int64_t>(cells)),
                                 TSheetLabels(cells, form->LabelDrawing()),
                                 std::vector<QImage>(cells, form->LabelImage()));
        } else {
            ASSERT_NE(form->PrintedRows(), nullptr);
            const TPrintedRows& printed = *form->PrintedRows();
            window = WindowSheet(printed.Sheet, printed.Labels, {});
        }
        const QString cliPdf = DataPath("cli.pdf");
        const testing::CliRun run = testing::RunProgram(QUILLON_CLI, {"sheet", "--no-verify", "--design",
                                                                      DataPath("saved.qld").toStdString(),
                                                                      "-o", cliPdf.toStdString()});
        ASSERT_EQ(run.status, 0) << run.err;
        const std::vector<QImage> printed = InkedPages(window);
        const int apart = DotsApart(printed, InkedPages(testing::ReadBytes(cliPdf)));
        EXPECT_FALSE(printed.empty());
        EXPECT_EQ(apart, 0) << text << apart << " dots apart";
        delete form->OpenPreviewWindow();
    }
    EXPECT_EQ(Errors(), "");
}

} // namespace
} // namespace quillon
