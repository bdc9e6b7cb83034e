// Lists as users have them, on the real window: headers of any words, columns mapped in the dialog and
// kept for the file, the rows checked as they load with their whole reasons, the bad rows exported, and
// the last list opened again after a restart.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <functional>

#include "WindowFixture.h"
#include "app/DesignPanel.h"
#include "app/ListMemory.h"

namespace quillon {
namespace {

class ListTest : public testing::TWindowTest {
public:
    using TWindowTest::errors;
    using TWindowTest::form;

protected:
    void SetUp() override
    {
        TWindowTest::SetUp();
        Start();
        Confirm();
        SetKind(bcCodeEAN13);
    }
    // The rows as "code|upper|lower|copies", an absent caption as "-".
    std::string RowsText() const
    {
        std::string text;
        for (std::size_t i = 0; i < form->Rows().Count(); ++i) {
            const TListRow row = form->Rows().Row(i);
            text += row.Code + "|" + row.Upper.value_or("-") + "|" + row.Lower.value_or("-") + "|" +
                    std::to_string(row.Copies) + "; ";
        }
        return text;
    }
    void Paste(const char* rows)
    {
        form->SourceBox->setCurrentIndex(static_cast<int>(TLabelSource::List));
        form->SourcePanel->ListEd->setPlainText(QString::fromUtf8(rows));
        testing::Wait(400); // read a moment after the last keystroke
        form->WaitForListCheck();
    }
    std::string Problems() const { return form->ProblemLines().join(" | ").toStdString(); }
};

// What a pasted list's first row is taken for, by the kind the labels are made in.
TEST_F(ListTest, AHeaderOfAnyWordsIsReadAsOne)
{
    const struct {
        int No;
        int Kind;
        const char* Rows;
        std::string Read;
    } rows[] = {
        // The commonest export: a name column goes to the upper caption, not to the code.
        {1, bcCodeEAN13, "code,name\n5901234123457,Tea\n", "5901234123457|Tea|-|1; "},
        {2, bcCodeEAN13, "SKU;Description;Qty\n5901234123457;Tea;2\n", "5901234123457|Tea|-|2; "},
        // Words that are codes of the kind stay rows.
        {3, bcCode39, "HELLO\nWORLD\n", "HELLO|-|-|1; WORLD|-|-|1; "},
        // A word that is no EAN-13 heads its column.
        {4, bcCodeEAN13, "Barcode\n5901234123457\n", "5901234123457|-|-|1; "},
    };
    for (const auto& row : rows) {
        SetKind(row.Kind);
        Paste(row.Rows);
        EXPECT_EQ(RowsText(), row.Read) << "row " << row.No;
        EXPECT_EQ(Problems(), "") << "row " << row.No;
    }
}

// A file whose header the window cannot map by its words asks for its columns once; the mapping and the
// list come back after a restart, and a list that is gone is said once.
TEST_F(ListTest, ColumnsMappedInTheDialogAreKeptForTheFileAndTheListReopens)
{
    ASSERT_TRUE(
        testing::WriteBytes(DataPath("artikel.csv"), "Artikel;Bezeichnung;Menge\n5901234123457;Tee;2\n"));
    int asked = 0;
    QString title;
    form->ChooseColumns = [&](const TColumnChoice& choice) -> std::optional<TListColumns> {
        ++asked;
        TColumnDialog dialog(choice, TLanguage::English, form.get());
        title = dialog.windowTitle();
        EXPECT_TRUE(dialog.HeaderChk->isChecked());
        EXPECT_EQ(dialog.ColumnBoxes.at(0)->currentText(), "Code"); // guessed: the first field
        dialog.ColumnBoxes.at(1)->setCurrentIndex(static_cast<int>(TListColumn::Upper));
        dialog.ColumnBoxes.at(2)->setCurrentIndex(static_cast<int>(TListColumn::Copies));
        return dialog.Columns();
    };
    ASSERT_TRUE(form->OpenListFile(DataPath("artikel.csv")));
    EXPECT_EQ(std::pair(asked, title.toStdString()), std::pair(1, std::string("The columns of artikel.csv")));
    EXPECT_EQ(RowsText(), "5901234123457|Tee|-|2; ");
    ASSERT_TRUE(form->OpenListFile(DataPath("artikel.csv")));
    EXPECT_EQ(asked, 1) << "a file's mapping is asked once";

    Restart();
    form->ChooseColumns = [&](const TColumnChoice&) { return ++asked, std::optional<TListColumns>(); };
    EXPECT_EQ(form->Source(), TLabelSource::List);
    EXPECT_EQ(RowsText(), "5901234123457|Tee|-|2; ") << "the last list, read by its mapping";
    EXPECT_EQ(asked, 1);

    ASSERT_TRUE(QFile::remove(DataPath("artikel.csv")));
    Restart();
    EXPECT_NE(Errors().find("artikel.csv opened last is not there any more"), std::string::npos) << Errors();
    errors.clear();
    Restart();
    EXPECT_EQ(Errors(), "") << "said once";
}

// The rows that will not print as typed are listed as the list loads, before any print, each with its
// whole reason in its tooltip, and exported as CSV.
TEST_F(ListTest, BadRowsAreListedOnLoadWithTheirReasonsAndExported)
{
    Paste("5901234123457\nABC\n5901234123458\n590123412345\n");
    EXPECT_EQ(form->PrintedRows(), nullptr);
    const std::string listed = "Line 2: EAN-13 takes digits only | Line 3: Check digit should be 7 | "
                               "Line 4: 590123412345 prints as 0590123412345";
    EXPECT_EQ(Problems(), listed);
    const QListWidget& list = *form->SourcePanel->ProblemList;
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.item(0)->toolTip(), list.item(0)->text());
    EXPECT_GE(list.width(), 300);
    EXPECT_EQ(form->SourcePanel->CheckState->text(), "3 of 4 rows will not print as typed");

    form->ChooseExportFile = [this] { return DataPath("bad rows.csv"); };
    ASSERT_TRUE(form->SourcePanel->ExportBtn->isVisible());
    form->SourcePanel->ExportBtn->click();
    EXPECT_EQ(testing::ReadBytes(DataPath("bad rows.csv")).toStdString(),
              "line,code,reason\r\n2,ABC,EAN-13 takes digits only\r\n3,5901234123458,Check digit should be "
              "7\r\n4,590123412345,590123412345 prints as 0590123412345\r\n");

    // A 5 mm margin takes EAN-13's quiet zone at zoom 2: every row says so, and how to mend it.
    form->DesBtn->click();
    form->DesBarPanel->LM->setValue(5);
    form->DesBarPanel->BitBtn1->click();
    form->ZomSpn->setValue(2);
    form->WaitForListCheck();
    const std::string margin =
        "Line 1: Does not scan: the bars stand 5.0 mm from the paper's left edge, inside "
        "the 5.8 mm quiet zone they need; widen the left margin to 6 mm, or set the zoom to 1";
    EXPECT_EQ(form->ProblemLines().at(0).toStdString(), margin);
    // The print finds the same rows, and keeps what the check found out about them.
    form->SpeedButton1->click();
    form->WaitForPrint();
    EXPECT_EQ(form->ProblemLines().at(0).toStdString(), margin);
    EXPECT_NE(Errors().find("Nothing to print: none of the 4 rows can be printed"), std::string::npos)
        << Errors();
}

// The check runs beside the window: the list is there at once, its rows checked as they come.
TEST_F(ListTest, ALongListIsCheckedWhileTheWindowGoesOn)
{
    QByteArray csv = "code\n";
    for (int row = 0; row < 130; ++row)
        csv += "5901234123457\n";
    ASSERT_TRUE(testing::WriteBytes(DataPath("long.csv"), csv));
    ASSERT_TRUE(form->OpenListFile(DataPath("long.csv")));
    EXPECT_EQ(form->Rows().Count(), 130u);
    EXPECT_TRUE(form->CheckingList());
    EXPECT_TRUE(form->SourcePanel->CheckState->text().startsWith("Checking the rows: "))
        << form->SourcePanel->CheckState->text().toStdString();
    form->SourcePanel->NextRowBtn->click(); // the window answers meanwhile
    EXPECT_EQ(form->RowIndex(), 1u);
    form->WaitForListCheck();
    EXPECT_EQ(form->SourcePanel->CheckState->text(), "All 130 rows print as they should");
}

} // namespace
} // namespace quillon

namespace quillon {
namespace {

// Mappings are kept by file, the newest last and the oldest forgotten past the limit; a value of another
// form is no mapping.
TEST(ListMemory, KeepsTheNewestMappingsByFile)
{
    using enum TListColumn;
    TSettings settings;
    const TListColumns columns{.Header = THeaderRule::Always, .Fields = {Ignore, Code, Upper}};
    for (std::size_t i = 0; i <= kRememberedLists; ++i)
        RememberColumns(settings, "/lists/" + std::to_string(i) + ".csv", columns);
    RememberColumns(settings, "/lists/1.csv", columns); // used again: the newest
    EXPECT_FALSE(RememberedColumns(settings, "/lists/0.csv"));
    for (const std::string kept : {"/lists/1.csv", "/lists/2.csv", "/lists/20.csv"}) {
        const std::optional<TListColumns> found = RememberedColumns(settings, kept);
        ASSERT_TRUE(found) << kept;
        EXPECT_EQ(std::pair(found->Header, found->Fields), std::pair(columns.Header, columns.Fields)) << kept;
    }
    EXPECT_EQ(FormatListColumns(columns), "header:ignore,code,upper");
    for (const char* bad : {"header:ignore,upper", "rows:code,name", "code,upper", ""})
        EXPECT_FALSE(ParseListColumns(bad)) << bad;
}

} // namespace
} // namespace quillon
