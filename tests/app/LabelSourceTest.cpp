// Many labels from the window: a list with captions and copies, a serial run with check digits, rows that
// cannot be printed, a cancelled print and the rows shown one by one.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QToolButton>
#include <algorithm>
#include <functional>

#include "WindowFixture.h"
#include "app/DesignPanel.h"
#include "label/render/LabelPainter.h"
#include "tests/support/PlacedCells.h"

namespace quillon {
namespace {

// The EAN-13 check digit as GS1 computes it: weights 1 and 3 from the left, the sum up to a ten.
std::string WithCheckDigit(const std::string& twelve)
{
    int sum = 0;
    for (std::size_t i = 0; i < twelve.size(); ++i)
        sum += (twelve[i] - '0') * (i % 2 == 0 ? 1 : 3);
    return twelve + static_cast<char>('0' + (10 - sum % 10) % 10);
}

std::string Ean(std::size_t item)
{
    return WithCheckDigit("400000000" + QString::number(item).rightJustified(3, '0').toStdString());
}

class LabelSourceTest : public testing::TWindowTest {
protected:
    void SetUp() override
    {
        TWindowTest::SetUp();
        Start();
        Confirm();
        SetKind(bcCodeEAN13);
    }
    void Print() { form->SpeedButton1->click(), form->WaitForPrint(); }
    void UseSource(TLabelSource source) { form->SourceBox->setCurrentIndex(static_cast<int>(source)); }
    QString Note() const { return form->OpenPreviewWindow()->Note()->text(); }
    // What ZXing reads in the cell of data row `row` on its page printed at 200 dpi.
    std::string ReadCell(std::int64_t row) const
    {
        constexpr double kDpi = 200.0;
        const TPrintedRows& printed = *form->PrintedRows();
        const auto pixels = [&](double tenths) { return static_cast<int>(tenths / 254.0 * kDpi); };
        for (std::size_t page = 0; page < printed.Sheet.Pages.size(); ++page)
            for (const auto& cell : testing::CellsOf(printed.Sheet.Pages[page])) {
                if (cell.Row != row)
                    continue;
                QImage paper(pixels(printed.Sheet.PaperWidthTenths), pixels(printed.Sheet.PaperLengthTenths),
                             QImage::Format_RGB32);
                paper.fill(Qt::white);
                QPainter painter(&paper);
                RenderPage(painter, printed.Sheet, page, {},
                           {.ResolutionDpi = kDpi, .DrawPicture = LabelDrawer(printed.Labels, kDpi)});
                const auto decoded = testing::DecodeImage(
                    testing::ToGrey(paper.copy(pixels(cell.Frame.Left), pixels(cell.Frame.Top),
                                               pixels(cell.Frame.Width), pixels(cell.Frame.Height))));
                return decoded ? decoded->text : "(none)";
            }
        return "(no cell)";
    }
};

// 250 rows, every 50th three times: 260 labels from the fifth cell of a 3 x 7 sheet fill 17 cells of the
// first page, 21 of the next ones and 12 of the thirteenth, across the rows; each cell reads as
// its row's code and carries its row's captions (the header is line 1).
TEST_F(LabelSourceTest, AListWithCaptionsAndCopiesFillsTheCellsAcrossTheRows)
{
    QByteArray csv = "code,upper,lower,copies\r\n";
    for (std::size_t item = 1; item <= 250; ++item)
        csv += QString("%1,Item %2,\"Shelf %2, left\",%3\r\n")
                   .arg(QString::fromStdString(Ean(item)))
                   .arg(item)
                   .arg(item % 50 == 0 ? 3 : 1)
                   .toUtf8();
    ASSERT_TRUE(testing::WriteBytes(DataPath("rows.csv"), csv));
    form->CSpn->setValue(3), form->RSpn->setValue(7), form->StartSpn->setValue(5);
    ASSERT_TRUE(form->OpenListFile(DataPath("rows.csv")));
    Print();
    ASSERT_TRUE(errors.isEmpty() && asked.isEmpty()) << Errors();
    EXPECT_EQ(form->Table1.RowCount(), 260);
    const TPrintedRows& printed = *form->PrintedRows();
    ASSERT_EQ(printed.Sheet.Pages.size(), 13u);
    std::int64_t next = 0;
    for (std::size_t page = 0; page < 13; ++page) {
        auto cells = testing::CellsOf(printed.Sheet.Pages[page]);
        EXPECT_EQ(cells.size(), page == 0 ? 17u : page == 12 ? 12u : 21u) << "page " << page;
        // Across the rows: top to bottom, and left to right within a row.
        std::sort(cells.begin(), cells.end(), [](const auto& a, const auto& b) {
            return std::pair(a.Frame.Top, a.Frame.Left) < std::pair(b.Frame.Top, b.Frame.Left);
        });
        for (const auto& cell : cells)
            EXPECT_EQ(cell.Row, next++);
    }
    const std::pair<std::int64_t, std::size_t> rowLines[] = {{0, 2},   {16, 18}, {49, 51},  {50, 51},
                                                             {51, 51}, {52, 52}, {259, 251}};
    for (const auto& [row, line] : rowLines) {
        SCOPED_TRACE(row);
        EXPECT_EQ(printed.Lines[static_cast<std::size_t>(row)], line);
        EXPECT_EQ(ReadCell(row), Ean(line - 1));
        std::string texts = "|"; // the label's texts as drawn, upper caption then lower
        for (const TRecordedCall& call : printed.Labels[static_cast<std::size_t>(row)]->Calls)
            if (const auto* text = std::get_if<TRecordedText>(&call))
                texts += text->Text + "|";
        const std::string item = std::to_string(line - 1);
        EXPECT_NE(texts.find("|Item " + item + "|Shelf " + item + ", left|"), std::string::npos) << texts;
    }
    EXPECT_EQ(Note(), "260 of 260 labels read back at 600 dpi");
}

// The column and row of each data row's cell on its page, counted from the cells of a full sheet.
std::string PlacesOf(const TPreparedReport& sheet, const TPreparedReport& full)
{
    std::vector<double> lefts, tops;
    for (const auto& cell : testing::CellsOf(full.Pages.at(0)))
        lefts.push_back(cell.Frame.Left), tops.push_back(cell.Frame.Top);
    const auto index = [](std::vector<double> values, double value) {
        std::sort(values.begin(), values.end());
        values.erase(std::unique(values.begin(), values.end()), values.end());
        return std::find(values.begin(), values.end(), value) - values.begin();
    };
    std::string places;
    for (const auto& cell : testing::CellsOf(sheet.Pages.at(0)))
        places += "row " + std::to_string(cell.Row) + " at " + std::to_string(index(lefts, cell.Frame.Left)) +
                  "," + std::to_string(index(tops, cell.Frame.Top)) + "; ";
    return places;
}

// Each defect of what is typed, the order of the cells and the Bar Width, as a user meets it: the steps
// they take, and what the window then shows, asks or prints (cells read back from the printed sheet).
class DefectTest : public LabelSourceTest {
public:
    using LabelSourceTest::asked;
    using LabelSourceTest::form;
    using LabelSourceTest::Note;
    using LabelSourceTest::Print;
    using LabelSourceTest::ReadCell;
    using LabelSourceTest::SetKind;
    using LabelSourceTest::UseSource;

    std::string PrintList(int kind, const char* rows)
    {
        SetKind(kind);
        UseSource(TLabelSource::List);
        form->SourcePanel->ListEd->setPlainText(rows);
        Print();
        return asked.join(" | ").toStdString();
    }
    std::string Status(int kind, const char* typed)
    {
        SetKind(kind);
        form->BarEd->setText(typed);
        return form->PreviewStatus().toStdString();
    }
};

struct TDefectRow {
    int No;
    const char* Defect;
    std::function<std::string(DefectTest&)> Steps;
    std::string Seen;
};

const TDefectRow kDefects[] = {
    {1, "a list of full UPC-E codes prints another number without a word",
     [](DefectTest& test) {
         const std::string asked = test.PrintList(bcCodeUPC_E0, "01234565\n04252614\n");
         return asked + "[" + test.ReadCell(0) + " " + test.ReadCell(1) + "] " + test.Note().toStdString();
     },
     "[01234565 04252614] 2 of 2 labels read back at 600 dpi"},
    {2, "a full UPC-E typed with a wrong check digit",
     [](DefectTest& test) { return test.Status(bcCodeUPC_E0, "01234564"); }, "Check digit should be 5"},
    {3, "a full UPC-E typed right", [](DefectTest& test) { return test.Status(bcCodeUPC_E0, "01234565"); },
     "Scans as 01234565"},
    {4, "a 12-digit EAN-13 row without the check digit switch prints another number unasked",
     [](DefectTest& test) {
         const std::string asked = test.PrintList(bcCodeEAN13, "5901234123457\n590123400004\n");
         return asked + " [" + test.form->ProblemLines().join(" | ").toStdString() + "]";
     },
     "1 row prints another number than typed: Line 2: 590123400004 prints as 0590123400004\n\nPrint it as "
     "it is? [Line 2: 590123400004 prints as 0590123400004]"},
    {5, "start at label 5 of a 3 x 7 sheet counts down the columns",
     [](DefectTest& test) {
         test.form->CSpn->setValue(3), test.form->RSpn->setValue(7);
         std::string rows;
         for (int i = 0; i < 21; ++i)
             rows += "5901234123457\n";
         test.PrintList(bcCodeEAN13, rows.c_str());
         const TPreparedReport full = test.form->PrintedRows()->Sheet;
         test.form->StartSpn->setValue(5);
         test.form->SourcePanel->ListEd->setPlainText("5901234123457\n4006381333931\n9780201379624\n");
         test.Print();
         return PlacesOf(test.form->PrintedRows()->Sheet, full) + test.ReadCell(0);
     },
     // The cells come in the flow's order, down the columns.
     "row 2 at 0,2; row 0 at 1,1; row 1 at 2,1; 5901234123457"},
    {6, "Bar Width 1 through Code 39 to Code 128 B prints a wide label that the spin edit does not show",
     [](DefectTest& test) {
         test.SetKind(bcCode128B);
         test.form->RatioSpn->setValue(1);
         test.SetKind(bcCode39);
         const int onCode39 = test.form->RatioSpn->value();
         test.SetKind(bcCode128B);
         return std::to_string(onCode39) + " " + std::to_string(test.form->RatioSpn->value()) + " " +
                std::to_string(test.form->BCode().Ratio());
     },
     "2 2 2.000000"},
    {7, "printing a label that does not scan asks nothing",
     [](DefectTest& test) {
         test.SetKind(bcCode128B);
         test.form->BarEd->setText("Hello-123");
         test.form->RatioSpn->setValue(1);
         test.Print();
         return test.asked.join(" | ").toStdString();
     },
     "Does not scan: Bar Width 1 draws the wide bars of Code 128 B out of proportion; it takes Bar Width 2"},
};

TEST_F(DefectTest, EachDefectIsGoneAsAUserChecksIt)
{
    for (const TDefectRow& row : kDefects) {
        SCOPED_TRACE(::testing::Message() << "row " << row.No << ": " << row.Defect);
        Restart();
        Confirm();
        asked.clear(), errors.clear();
        UseSource(TLabelSource::OneLabel);
        form->StartSpn->setValue(1);
        EXPECT_EQ(row.Steps(*this), row.Seen);
    }
}

// A new user's first label, the designed Code 93 Extended, scans at the Bar Width the deck starts at.
TEST_F(DefectTest, TheDesignedFirstLabelScans)
{
    QTemporaryDir fresh;
    TBarForm first(printForm, fresh.path());
    first.ReportError = [this](const QString& message) { errors << message; };
    first.show();
    first.AboutPanel->AboutOk()->click();
    EXPECT_EQ(std::pair(first.RatioSpn->value(), first.BCode().Typ()), std::pair(2, bcCode93Extended));
    EXPECT_TRUE(first.PreviewStatus().startsWith("Scans as ")) << first.PreviewStatus().toStdString();
    EXPECT_EQ(Errors(), "");
}

// The Bar Width used is the one shown after every change of kind, from every kind to every other, the
// ratios 0 to 10 taken in turn.
TEST_F(DefectTest, SlowTheBarWidthUsedIsTheOneShownAfterEveryKindChange)
{
    for (int from = 0; from < kBarcodeTypeCount; ++from)
        for (int to = 0; to < kBarcodeTypeCount; ++to) {
            const int ratio = (from + to) % 11;
            SetKind(from);
            form->RatioSpn->setValue(ratio);
            SetKind(to);
            TBarcode used = form->BCode();
            used.ComputeModuleWidths(); // what drawing it would use
            const TRatioRange range = RatioRangeOf(used.Typ());
            ASSERT_EQ(used.Ratio(), form->RatioSpn->value()) << from << " to " << to << " at " << ratio;
            if (range.Clamped) {
                EXPECT_TRUE(used.Ratio() >= range.Low && used.Ratio() <= range.High) << to;
            }
        }
}

// The design panel's sample shows the deck's grid and the cells a start position skips, in either order.
TEST_F(DefectTest, TheDesignSampleShowsTheGridAndTheSkippedCells)
{
    form->CSpn->setValue(3), form->RSpn->setValue(7), form->StartSpn->setValue(5);
    form->DesBtn->click();
    const TDesignSample& sample = *form->DesBarPanel->DesQR;
    EXPECT_EQ(std::pair(sample.Columns(), sample.Rows()), std::pair(3, 7));
    const auto skipped = [&sample] {
        std::string cells;
        for (int row = 0; row < 7; ++row)
            for (int column = 0; column < 3; ++column)
                cells += sample.CellSkipped(column, row) ? 'x' : '.';
        return cells;
    };
    EXPECT_EQ(skipped(), "xxx"
                         "x.."
                         "..."
                         "..."
                         "..."
                         "..."
                         "...");
    const QImage drawn = form->DesBarPanel->DesQR->grab().toImage();
    const auto shade = [&](int column, int row) {
        // Off the diagonal that crosses a skipped cell out.
        const QRectF cell(sample.CellRect(column, row));
        const QPointF inside(cell.left() + 0.75 * cell.width(), cell.top() + 0.25 * cell.height());
        return qGray(drawn.pixel((inside * sample.FitScale()).toPoint()));
    };
    EXPECT_GT(shade(0, 1), shade(1, 1)) << "a skipped cell is drawn as paper, a cell to print dark";
    form->DesBarPanel->OrderBox->setCurrentIndex(1); // down the columns
    EXPECT_EQ(skipped(), "x.."
                         "x.."
                         "x.."
                         "x.."
                         "..."
                         "..."
                         "...");
    form->DesBarPanel->BitBtn1->click();
    form->StartSpn->setValue(2);
    UseSource(TLabelSource::List);
    form->SourcePanel->ListEd->setPlainText("5901234123457\n");
    Print();
    const auto cells = testing::CellsOf(form->PrintedRows()->Sheet.Pages.at(0));
    ASSERT_EQ(cells.size(), 1u);
    EXPECT_EQ(std::pair(cells[0].Frame.Left, cells[0].Frame.Top > 150.0), std::pair(100.0, true))
        << "down the columns, label 2 is the second of the first column";
}

// A serial run takes the kind's check digit whatever the deck's switch says, so every label scans; the
// source and the fields come back after a restart, and the options file keeps its 15 lines.
TEST_F(LabelSourceTest, ASerialRunOfEan13CodesGetsItsCheckDigitsAndAllScan)
{
    UseSource(TLabelSource::Serial);
    form->SourcePanel->SerialPrefixEd->setText("40");
    form->SourcePanel->SerialCountSpn->setValue(100);
    form->SourcePanel->SerialWidthSpn->setValue(10);
    form->CSpn->setValue(4), form->RSpn->setValue(10), form->ZomSpn->setValue(1); // to fit 4 columns
    Print();
    ASSERT_TRUE(errors.isEmpty() && asked.isEmpty()) << Errors();
    EXPECT_EQ(Note(), "100 of 100 labels read back at 600 dpi");
    EXPECT_EQ(form->Table1.RowCount(), 100);
    EXPECT_EQ(ReadCell(99), WithCheckDigit("400000000100"));

    form->SourcePanel->SerialCountSpn->setValue(50'001);
    form->SpeedButton1->click();
    EXPECT_EQ(Errors(), "The rows make 50001 labels, more than the 50000 one print from the window takes: "
                        "print them in parts, or with quillon-cli sheet --codes");
    form->SourcePanel->SerialCountSpn->setValue(100);
    Restart();
    EXPECT_EQ(form->Source(), TLabelSource::Serial);
    EXPECT_EQ(form->Rows().Row(99).Code, "400000000100");
    EXPECT_EQ(testing::ReadBytes(DataPath("options.txt")).count("\r\n"), 15);
}

// Each row that cannot be printed is named by its line, in the interface language where the words are the
// window's; the print says how many are left out first, and prints nothing when told not to.
TEST_F(LabelSourceTest, RowsThatCannotBePrintedAreListedByLineAndLeftOut)
{
    const char* list =
        "code,copies\n5901234123457,1\nABC,1\n,2\n4006381333931,x\n5901234123458,1\n9780201379624,2\n";
    UseSource(TLabelSource::List);
    form->SourcePanel->ListEd->setPlainText(list);
    form->Table1.ReplaceAllRows(QImage(), 5);
    printAnyway = false;
    Print();
    EXPECT_EQ(form->ProblemLines(),
              QStringList({"Line 3: EAN-13 takes digits only", "Line 4: no code",
                           "Line 5: copies must be a whole number from 1 to 10000, not 'x'",
                           "Line 6: Check digit should be 7"}));
    EXPECT_EQ(asked, QStringList("4 of 6 rows cannot be printed and are left out; they are listed beside the "
                                 "preview.\n\nPrint the other 2?"));
    EXPECT_EQ(std::pair(form->Table1.RowCount(), form->OpenPreviewWindow() == nullptr), std::pair(5, true));
    printAnyway = true;
    Print();
    EXPECT_EQ(form->Table1.RowCount(), 3);
    EXPECT_EQ(Note(), "3 of 3 labels read back at 600 dpi");
    form->SetLangIndex(0);
    EXPECT_EQ(form->SourcePanel->ProblemList->item(0)->text(),
              QString::fromUtf8("السطر 3: يقبل EAN-13 الأرقام فقط"));

    // A file that is not text is refused whole, and the list keeps what it held.
    ASSERT_TRUE(testing::WriteBytes(DataPath("picture.csv"), QByteArray("12\n\x89PNG\0\x01", 10)));
    EXPECT_FALSE(form->OpenListFile(DataPath("picture.csv")));
    EXPECT_NE(Errors().find("is not a text file: line 2 holds a NUL byte"), std::string::npos) << Errors();
    EXPECT_EQ(form->SourcePanel->ListEd->toPlainText(), list);
}

// Cancelled while its labels are being made, a print changes nothing: the picture table keeps the last
// print's rows and the open preview its sheet.
TEST_F(LabelSourceTest, ACancelledPrintLeavesThePictureTableAndThePreviewAsTheyWere)
{
    form->SpeedButton1->click();
    const int rows = form->Table1.RowCount();
    const QString note = Note();
    UseSource(TLabelSource::Serial);
    form->SourcePanel->SerialCountSpn->setValue(250);
    form->SpeedButton1->click();
    ASSERT_TRUE(form->Printing());
    form->PrintProgress()->findChild<QPushButton*>()->click(); // its Cancel button
    form->WaitForPrint();
    EXPECT_EQ(std::tuple(form->Printing(), form->Table1.RowCount(), Note()), std::tuple(false, rows, note));
    EXPECT_EQ(form->PrintedRows(), nullptr);
    EXPECT_TRUE(errors.isEmpty()) << Errors();
}

// The preview shows one row at a time, the status line checking it as the single label is checked.
TEST_F(LabelSourceTest, ThePreviewShowsTheRowsOneByOne)
{
    UseSource(TLabelSource::List);
    form->SourcePanel->ListEd->setPlainText(QString::fromStdString(Ean(1) + "\n" + Ean(2) + "\n" + Ean(3)));
    testing::Wait(400); // the list is read a moment after the last keystroke
    EXPECT_EQ(form->SourcePanel->RowLabel->text(), "Row 1 of 3");
    EXPECT_FALSE(form->SourcePanel->PrevRowBtn->isEnabled() || form->BarEd->isEnabled());
    form->SourcePanel->NextRowBtn->click();
    EXPECT_EQ(form->SourcePanel->RowLabel->text(), "Row 2 of 3");
    EXPECT_EQ(form->PreviewStatus(), QString::fromStdString("Scans as " + Ean(2)));
    form->SetLangIndex(0);
    EXPECT_EQ(form->SourcePanel->RowLabel->text(), QString::fromUtf8("الصف 2 من 3"));
    form->SourcePanel->NextRowBtn->click();
    EXPECT_FALSE(form->SourcePanel->NextRowBtn->isEnabled());
}

} // namespace
} // namespace quillon
