// Each language the window speaks, whole: every caption, tooltip, list entry, status line and dialog of the
// window, its design panel, its print preview and its questions stands in the chosen language. Only codes,
// units, numbers and the symbologies' names read the same in every language.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QToolButton>
#include <map>
#include <set>

#include "WindowFixture.h"
#include "app/Catalogues.h"
#include "app/ColumnDialog.h"
#include "app/DesignPanel.h"
#include "app/LabelPrinterDialog.h"
#include "label/compose/SymbolKinds.h"
#include "report/PrintPreview.h"

namespace quillon {
namespace {

// Words that stand as they are in any language: the symbologies' names, units, and the product's name.
std::set<QString> WordsOfEveryLanguage()
{
    // Units, the product, key names in shortcuts (which Qt itself leaves as they are), formats.
    std::set<QString> words{
        "mm",    "dpi",     "pt",    "Quillon", "GS1",  "AI",     "X",      "Ctrl",
        "Shift", "Alt",     "Home",  "End",     "PgUp", "PgDown", "Escape", "CSV",
        "code",  "upper",   "lower", "copies",  "US",   "Letter", // CSV's column names; the paper's own name
        "Dymo",  "Brother", "Zebra",                              // label makers' names
        "ZPL",   "PDF",     "CUPS",  "ipp",     "HOST", "PORT"};  // the printers' languages and addresses
    const QRegularExpression word(QStringLiteral("[A-Za-z]+"));
    for (int kind = 0; kind < kLabelKindCount; ++kind)
        for (const QString& name : {QString::fromStdString(std::string(LabelKindName(kind))),
                                    QString::fromStdString(std::string(LabelKindTitle(kind)))})
            for (auto match = word.globalMatch(name); match.hasNext();)
                words.insert(match.next().captured());
    return words;
}

// Words a Latin language may share with English, whole captions that are rightly the same.
const std::set<QString> kSharedWords{"OK",   "Copies", "Zoom", "Page",    "Fuchsia",
                                     "Menu", "Olive",  "Auto", "Standard"};

// The Latin words of a text that are not codes, file names, units or names, joined by blanks.
QString ForeignLatinWords(const QString& text)
{
    static const std::set<QString> everyLanguage = WordsOfEveryLanguage();
    QStringList foreign;
    static const QRegularExpression word(QStringLiteral("[A-Za-z][A-Za-z0-9._-]*"));
    for (auto match = word.globalMatch(text); match.hasNext();) {
        const QString found = match.next().captured();
        const bool code = found.contains(QRegularExpression("[0-9._]")) || found.size() == 1;
        if (!code && !everyLanguage.contains(found) && !everyLanguage.contains(found.section('-', 0, 0)))
            foreign << found;
    }
    return foreign.join(' ');
}

bool HasArabic(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.script() == QChar::Script_Arabic; });
}

// Where a text shows, named so that the same place can be found in another language.
using TShown = std::map<QString, QString>;

void Add(TShown& shown, const QString& where, const QString& text)
{
    if (!text.trimmed().isEmpty())
        shown[where] = text;
}

// The designed parts that carry both languages, or the user's own words, are not the interface's.
bool Skipped(const QWidget* widget)
{
    for (const QObject* at = widget; at != nullptr; at = at->parent())
        if (at->objectName() == "AboutPanel")
            return true;
    static const std::set<QString> names{"TrackBar1", "BarEd",    "UEd",         "DEd",
                                         "BarKindSp", "StockBox", "SpeedButton2"};
    return names.contains(widget->objectName());
}

// Every text of `root` and its children, shown now or when their panel opens.
void CollectTexts(QWidget* root, const QString& part, TShown& shown)
{
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (int i = 0; i < widgets.size(); ++i) {
        QWidget* widget = widgets[i];
        if (Skipped(widget))
            continue;
        const QString where =
            part + "/" +
            (widget->objectName().isEmpty()
                 ? QString::fromLatin1(widget->metaObject()->className()) + QString::number(i)
                 : widget->objectName());
        Add(shown, where + ".toolTip", widget->toolTip());
        // The main window's title is the designed one, in both languages at once.
        if (widget->isWindow() && !(part == "window" && widget == root))
            Add(shown, where + ".title", widget->windowTitle());
        if (const auto* label = qobject_cast<QLabel*>(widget))
            Add(shown, where + ".text", label->text());
        if (const auto* button = qobject_cast<QAbstractButton*>(widget))
            Add(shown, where + ".text", button->text());
        if (const auto* edit = qobject_cast<QLineEdit*>(widget))
            Add(shown, where + ".placeholder", edit->placeholderText());
        if (const auto* spin = qobject_cast<QAbstractSpinBox*>(widget))
            Add(shown, where + ".special", spin->specialValueText());
        if (const auto* box = qobject_cast<QComboBox*>(widget))
            for (int item = 0; item < box->count(); ++item)
                Add(shown, where + ".item" + QString::number(item), box->itemText(item));
        for (const QAction* action : widget->actions()) {
            Add(shown, where + ".action." + action->text(), action->text());
            Add(shown, where + ".actionTip." + action->text(), action->toolTip());
        }
    }
}

class SameLanguageTest : public testing::TWindowTest {
protected:
    void SetUp() override
    {
        TWindowTest::SetUp();
        Start();
        Confirm();
    }

    // Everything the window shows in `language` as a user walks it: the deck, its design panel, the symbol
    // and list options, the status line in its several states, the column and calibration dialogs, the
    // print preview and the questions and messages it raises on the way.
    TShown Walk(TLanguage language)
    {
        form->ChooseLanguage(language);
        errors.clear();
        asked.clear();
        TShown shown;
        const auto status = [&](const QString& state) {
            Add(shown, "status/" + state, form->PreviewStatus());
        };
        SetKind(bcCodeEAN13);
        form->BarEd->setText("6212236011840");
        status("good");
        form->BarEd->setText("62122360118");
        status("short");
        form->BarEd->setText("62AB");
        status("letters");
        SetKind(bcCode128B);
        form->BarEd->setText("Quillon-42");
        form->LayoutChk->setChecked(true);
        status("standard");
        form->LayoutChk->setChecked(false);
        SetKind(static_cast<int>(TSymbolKind::GS1_128));
        form->BarEd->setText("(01)12345678901234");
        status("gs1-fault");
        SetKind(static_cast<int>(TSymbolKind::QRCode));
        form->BarEd->setText("0042-7");
        status("symbol");
        form->DesBtn->click();
        CollectTexts(form.get(), "window", shown);
        // The built-in stocks as the design panel lists them (glabels' templates carry their makers' words).
        const QComboBox* stocks = form->DesBarPanel->StockBox;
        const TStockCatalogue builtIn;
        for (const TLabelStock& stock : builtIn.Stocks()) {
            const int item = stocks->findText(QString::fromStdString(stock.Id));
            Add(shown, "stocks/" + QString::fromStdString(stock.Id),
                stocks->itemData(item, Qt::ToolTipRole).toString());
        }
        form->SourceBox->setCurrentIndex(static_cast<int>(TLabelSource::Serial));
        CollectTexts(form->SourcePanel, "serial", shown);
        form->SourceBox->setCurrentIndex(static_cast<int>(TLabelSource::OneLabel));

        const TColumnChoice choice{
            .ListName = "artikel.csv",
            .Records = {{"Artikel", "Menge"}, {"5901234123457", "2"}},
            .Columns = {.Header = THeaderRule::Always, .Fields = {TListColumn::Code, TListColumn::Copies}}};
        TColumnDialog columns(choice, language, form.get());
        CollectTexts(&columns, "columns", shown);

        // The label printer's dialog, with a sheet chosen so that its note on rolls shows too.
        const TStockCatalogue catalogue;
        const TLabelStock roll = catalogue.Find("roll-57x32");
        TLabelPrinterDialog printer({"Zebra_GK420"}, {roll}, {.Printer = "Zebra_GK420", .StockId = roll.Id},
                                    catalogue.Find("a4-3x7-63.5x38.1"), language, form.get());
        CollectTexts(&printer, "labelprinter", shown);

        form->DesBarPanel->CalibrationBtn->click();
        if (QWidget* calibration = form->OpenCalibrationDialog()) {
            CollectTexts(calibration, "calibration", shown);
            delete calibration;
        }

        SetKind(bcCodeEAN13);
        form->BarEd->setText("6212236011840");
        form->SpeedButton1->click();
        form->WaitForPrint();
        if (TPreviewWindow* preview = form->OpenPreviewWindow()) {
            CollectTexts(preview, "preview", shown);
            delete preview;
        }
        form->BarEd->setText("62AB");
        form->SpeedButton1->click();
        form->WaitForPrint();
        for (int i = 0; i < errors.size(); ++i)
            Add(shown, "message" + QString::number(i), errors[i]);
        for (int i = 0; i < asked.size(); ++i)
            Add(shown, "question" + QString::number(i), asked[i]);
        return shown;
    }
};

TEST_F(SameLanguageTest, EveryWordTheWindowShowsIsInTheChosenLanguage)
{
    const TShown english = Walk(TLanguage::English);
    ASSERT_GT(english.size(), 150u);
    for (const auto& [where, text] : english)
        EXPECT_FALSE(HasArabic(text)) << where.toStdString() << ": " << text.toStdString();
    for (const TLanguage language : Languages()) {
        if (language == TLanguage::English)
            continue;
        const TShown shown = Walk(language);
        const std::string code(LanguageCode(language));
        EXPECT_EQ(shown.size(), english.size()) << code;
        for (const auto& [where, text] : shown) {
            if (language == TLanguage::Arabic) {
                // Arabic shows no Latin word but the codes, units and names of every language.
                EXPECT_EQ(ForeignLatinWords(text).toStdString(), "")
                    << where.toStdString() << ": " << text.toStdString();
                continue;
            }
            // A Latin language: no Arabic, and no sentence left as the English one.
            EXPECT_FALSE(HasArabic(text)) << code << " " << where.toStdString() << ": " << text.toStdString();
            const auto same = english.find(where);
            if (same != english.end() && same->second == text && !kSharedWords.contains(text)) {
                EXPECT_EQ(ForeignLatinWords(text).toStdString(), "")
                    << code << " " << where.toStdString() << " is left in English: " << text.toStdString();
            }
        }
    }
}

// A language beyond the group's two is kept in the settings file, with the group left without a selection
// in the options file; choosing Arabic again forgets it.
TEST_F(SameLanguageTest, ALanguageBeyondTheGroupIsKeptAcrossARestart)
{
    const std::optional<TLanguage> french = LanguageOfCode("fr");
    ASSERT_TRUE(french.has_value());
    form->ChooseLanguage(*french);
    EXPECT_EQ(form->LangIndex(), -1);
    const QString caption = form->DesBtn->text();
    Restart();
    EXPECT_EQ(std::pair(form->Language(), form->DesBtn->text()), std::pair(*french, caption));
    Confirm();
    form->LangArabic->click();
    Restart();
    EXPECT_EQ(std::pair(form->Language(), form->LangIndex()), std::pair(TLanguage::Arabic, 0));
    // The menu of the language group offers every language, the one spoken checked.
    QMenu* menu = form->LanguageMenu();
    QStringList items;
    for (const QAction* action : menu->actions())
        items << action->text() + (action->isChecked() ? "*" : "");
    delete menu;
    EXPECT_EQ(items.size(), static_cast<qsizetype>(Languages().size()));
    EXPECT_EQ(items.value(0), LanguageName(TLanguage::Arabic) + "*") << items.join(", ").toStdString();
}

} // namespace
} // namespace quillon
