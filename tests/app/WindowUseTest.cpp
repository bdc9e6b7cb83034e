// The window as its users meet it: the About panel, honest controls, a status line that tells what prints
// in either language, captions that fit, the preview's scale, the colour key at 2x and the keyboard.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QVariantAnimation>
#include <algorithm>
#include <set>

#include "WindowFixture.h"
#include "app/Catalogues.h"
#include "app/DesignPanel.h"
#include "app/LabelStatus.h"
#include "app/Shapes.h"
#include "app/TextFit.h"
#include "controls/ProLabel.h"
#include "data/SafeFile.h"
#include "label/compose/StandardLayout.h"
#include "label/sheet/SheetRun.h"

namespace quillon {
namespace {

using testing::Wait;

// A key as the user presses it: sent to the control with the focus, passed up to the window when the
// control does not take it.
void Press(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(target, &press);
}

bool HasArabic(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.script() == QChar::Script_Arabic; });
}

class WindowUseTest : public testing::TWindowTest {
protected:
    void SetUp() override
    {
        TWindowTest::SetUp();
        Start();
    }
};

TEST_F(WindowUseTest, StartsWithTheAboutPanelAndConfirmingItFadesInTheWorkingWindow)
{
    EXPECT_TRUE(form->AboutPanel->isVisible());
    EXPECT_FALSE(form->UPanel->isVisible() || form->QrPanel->isVisible());
    EXPECT_EQ(form->Timer1->interval(), 1000);
    // Every value the deck shows is applied at start-up, the kind the list shows included.
    EXPECT_EQ(std::pair(form->BarKindSp->currentText(), form->BCode().Typ()),
              std::pair(QString("Code93Extended"), bcCode93Extended));
    form->TrackBar1->setValue(250);
    for (int round = 1; round <= 2; ++round) {
        Confirm();
        EXPECT_FALSE(form->AboutPanel->isVisible()) << "round " << round;
        EXPECT_TRUE(form->UPanel->isVisible() && form->QrPanel->isVisible()) << "round " << round;
        EXPECT_EQ(form->Timer1->interval(), 250) << "round " << round;
        // The window fades in while the event loop runs, and ends at the working opacity.
        QVariantAnimation& fade = *form->FadeIn();
        EXPECT_EQ(fade.state(), QAbstractAnimation::Running) << "round " << round;
        fade.setCurrentTime(fade.duration());
        EXPECT_NEAR(form->windowOpacity(), 200 / 255.0, 0.01) << "round " << round;
        form->AboutBtnClick();
    }
    EXPECT_TRUE(errors.isEmpty()) << Errors();
}

TEST_F(WindowUseTest, AnUnencodableTextOrKindEmptiesThePreviewUntilItIsFixed)
{
    Confirm();
    SetKind(bcCodeEAN13);
    form->BarEd->setText("62122360118A0");
    EXPECT_TRUE(form->LabelImage().isNull() && form->BarImage->pixmap().isNull());
    EXPECT_EQ(form->PreviewStatus(), "EAN-13 takes digits only");
    form->BarEd->setText("6212236011840");
    EXPECT_FALSE(form->LabelImage().isNull());
    form->BarKindSp->lineEdit()->setText("Code11"); // names no kind
    form->BarKindSpChange();
    EXPECT_EQ(std::pair(form->KindIndex(), int{form->BCode().Typ()}), std::pair(-1, 255));
    EXPECT_EQ(form->PreviewStatus(), "Pick a kind from the list: the kind box names none");
    form->BarKindSp->lineEdit()->setText("CodeEAN8");
    form->BarKindSpChange();
    EXPECT_EQ(form->BCode().Typ(), bcCodeEAN8);
}

// The window hands the applied top and bottom margins and the rows to the sheet, whose row height the
// barcode and the sheet's picture take; columns and stretch shape the sheet, not the preview.
TEST_F(WindowUseTest, RowsMarginsColumnsAndStretchReachTheSheet)
{
    Confirm();
    for (const auto& [margin, rows] : {std::pair(0, 2), std::pair(10, 4), std::pair(50, 1)}) {
        form->DesBtnClick();
        form->DesBarPanel->TM->setValue(margin), form->DesBarPanel->BM->setValue(margin);
        form->BitBtn1Click();
        form->RSpn->setValue(rows), form->RSpnChange();
        const int height = SheetRowHeight({.Rows = rows, .TopMm = margin, .BottomMm = margin});
        EXPECT_EQ(
            std::tuple(form->BCode().Height(), printForm.Band1().Height(), printForm.QRImage1().Height()),
            std::tuple(height, height, height))
            << rows << " rows, margins " << margin;
    }
    const QImage preview = form->LabelImage();
    const int twoColumns = printForm.QRImage1().Width();
    form->CSpn->setValue(4);
    EXPECT_LT(printForm.QRImage1().Width(), twoColumns);
    form->StChk->setChecked(true);
    EXPECT_TRUE(printForm.QRImage1().Stretch());
    EXPECT_EQ(form->LabelImage(), preview);
}

// Raising the bar width and lowering it back gives the label of a fresh start: the deck's 1 is the
// barcode's 1 from the first composition on.
TEST_F(WindowUseTest, Code128BarWidthRoundTripGivesTheStartingLabel)
{
    SetKind(bcCode128B);
    form->RatioSpn->setValue(1);
    form->BarEd->setText("HELLO");
    Restart(); // the kind, the Bar Width and the code in the settings come back from the files
    Confirm();
    ASSERT_EQ(std::pair(form->BCode().Typ(), form->BCode().Ratio()), std::pair(bcCode128B, 1.0));
    const QImage fresh = form->LabelImage();
    const QString freshStatus = form->PreviewStatus();
    form->RatioSpn->setValue(2);
    EXPECT_EQ(form->PreviewStatus(), "Scans as HELLO");
    form->RatioSpn->setValue(1);
    EXPECT_EQ(form->LabelImage(), fresh);
    EXPECT_EQ(form->PreviewStatus(), freshStatus);
}

// Worked by hand: UPC-E 123456 is padded to 0123456, its six digits 012345 take check digit 7 (number
// system 0); 621223601184 with its EAN-13 check digit is 6212236011840; 12345678901 with its UPC-A check
// digit is 123456789012; interleaved 2 of 5 pairs 12345 as 012345. (A check digit typed wrong, or added
// by the switch: PrintTrueTest.)
struct WarningRow {
    int No;
    TBarcodeType Kind;
    const char* Typed;
    const char* Status;
    TStatusLevel Level;
    int Ratio = 2;
} const kWarningRows[] = {
    {1, bcCodeUPC_E0, "123456",
     "Prints as 0 012345 7: UPC-E takes 6 digits and a check digit, so a 0 was put in front and the check "
     "digit 7 replaced the last digit; with its check digit 123456 is 1234565",
     TStatusLevel::Warning},
    {2, bcCodeEAN13, "621223601184",
     "Prints as 0 621223 601184, which does not scan: EAN-13 takes 12 digits and a check digit, so a 0 was "
     "put in front and 4 became the check digit; with its check digit 621223601184 is 6212236011840",
     TStatusLevel::Warning},
    {3, bcCodeUPC_A, "12345678901",
     "Prints as 0 12345 67890 1, which does not scan: UPC-A takes 11 digits and a check digit, so a 0 was "
     "put in front and 1 became the check digit; with its check digit 12345678901 is 123456789012",
     TStatusLevel::Warning},
    {4, bcCode_2_5_interleaved, "12345",
     "Prints as 012345: Interleaved 2 of 5 takes pairs of digits, so a 0 was put in front",
     TStatusLevel::Warning},
    {5, bcCodeMSI, "1234", "No scan check for MSI", TStatusLevel::Note},
    // At bar width 1 the 2- to 4-module elements of Code 128 shrink to one pixel and two.
    {6, bcCode128B, "AB-12",
     "Does not scan: Bar Width 1 draws the wide bars of Code 128 B out of proportion; it takes Bar Width 2",
     TStatusLevel::Error, 1},
    // UPC-E draws the check digit it works out (E0 123456 takes 5), whatever was typed in its place.
    {7, bcCodeUPC_E0, "1234564", "Prints as 0 123456 5: the last digit is the check digit and should be 5",
     TStatusLevel::Warning},
};

TEST_F(WindowUseTest, TheStatusLineSaysWhatPrintsWhenItDiffersFromWhatWasTyped)
{
    Confirm();
    for (const WarningRow& row : kWarningRows) {
        form->RatioSpn->setValue(row.Ratio);
        SetKind(row.Kind);
        form->BarEd->setText(row.Typed);
        EXPECT_EQ(form->PreviewStatus().toStdString(), row.Status) << "row " << row.No;
        EXPECT_EQ(form->PreviewStatusColor(), StatusColor(row.Level)) << "row " << row.No;
    }
    EXPECT_NE(StatusColor(TStatusLevel::Warning), QColor(128, 0, 0)); // never the key colour
}

TEST_F(WindowUseTest, TheCodeFieldKeepsLowercaseOnlyForTheKindsThatEncodeIt)
{
    Confirm();
    const std::set<int> lowercase{bcCode39Extended, bcCode128A,    bcCode128B,
                                  bcCode93Extended, bcCodeEAN128A, bcCodeEAN128B};
    for (int kind = 0; kind < kBarcodeTypeCount; ++kind) {
        SetKind(kind);
        form->BarEd->clear();
        form->BarEd->setFocus();
        for (const char c : std::string("Hello-1")) {
            QKeyEvent typed(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(c)));
            QApplication::sendEvent(form->BarEd, &typed);
        }
        EXPECT_EQ(form->BarEd->text(), lowercase.contains(kind) ? "Hello-1" : "HELLO-1") << "kind " << kind;
    }
    SetKind(bcCode128B);
    form->BarEd->setText("Hello");
    SetKind(bcCodeEAN13); // a kind without lowercase capitalises what is there
    EXPECT_EQ(form->BarEd->text(), "HELLO");
    SetKind(bcCodeEAN128B); // and gives back what was typed when the kind takes lowercase again
    EXPECT_EQ(form->BarEd->text(), "Hello");
    SetKind(bcCodeEAN13);
    form->BarEd->setText("EDITED");
    SetKind(bcCode128B); // unless it was edited in capitals since
    EXPECT_EQ(form->BarEd->text(), "EDITED");
}

// Keys a user presses on the deck, wherever the focus is: what each must do.
TEST_F(WindowUseTest, KeysWorkFromWhicheverControlHasTheFocus)
{
    Confirm();
    QApplication::setActiveWindow(form.get());
    for (QWidget* focus : std::initializer_list<QWidget*>{form->ColorBox1, form->BarKindSp, form->BarEd,
                                                          form->CSpn, form->EccBox}) {
        delete form->OpenPreviewWindow();
        focus->setFocus();
        QTest::keyClick(focus, Qt::Key_P, Qt::ControlModifier);
        EXPECT_NE(form->OpenPreviewWindow(), nullptr) << "Ctrl+P from " << focus->metaObject()->className();
    }
    delete form->OpenPreviewWindow();

    // Columns and rows take typed digits beside their arrows.
    for (TSpinEdit* spin : {form->CSpn, form->RSpn}) {
        spin->setFocus();
        spin->selectAll();
        QTest::keyClicks(spin, "3");
        EXPECT_EQ(spin->value(), 3);
    }

    // Return applies the design panel, from one of its spin boxes, as a dialog's OK would.
    form->DesBtnClick();
    form->DesBarPanel->LM->setValue(7);
    Press(form->DesBarPanel->LM, Qt::Key_Return);
    EXPECT_FALSE(form->DesBarPanel->isVisible());
    EXPECT_EQ(printForm.qr().Page().ValueMm(TPageValue::LeftMargin), 7.0);
}

// The engine's refusals as sentences, in both languages, chosen by their fault: the engine's own for the
// codes it refuses, the rest as the label library raises them; one of no known fault passes as it is.
struct SentenceRow {
    int No;
    TBarcodeType Kind;
    const char* Text;             // refused by the engine, or
    TFault Fault = TFault::Other; // a refusal as raised elsewhere, with
    const char* Message = "";     // its message
    const char* English = "";
} const kSentenceRows[] = {
    {1, bcCodeEAN8, "12a4567", {}, "", "EAN-8 takes digits only"},
    {2,
     bcCodeCodabar,
     "A12345B",
     {},
     "",
     "Codabar takes digits and - $ : / . + only; its start and stop letters are added for you"},
    {3,
     bcCode39Extended,
     "\xc3\xa9",
     {},
     "",
     "Code 39 Extended takes ASCII characters only (no accented letters or other scripts)"},
    {4,
     bcCode39,
     "ab",
     {},
     "",
     "Code 39 takes capitals, digits, space and - . $ / + % only; * is its start and stop"},
    {5,
     bcCode128B,
     "\xc3\xa9",
     {},
     "",
     "Code 128 B takes printable ASCII characters only (letters, digits, space and punctuation)"},
    {6,
     bcCode93Extended,
     "\xc3\xa9",
     {},
     "",
     "Code 93 Extended takes ASCII characters only (no accented letters or other scripts)"},
    {7, bcCodeUPC_E0, "01234564", {}, "", "Check digit should be 5"},
    {8, bcCodeUPC_E0, "11234562", {}, "", "Number system should be 0"},
    {9, bcCodeEAN13, nullptr, TFault::WrongKind, "TBarcode: wrong BarcodeType",
     "Pick a kind from the list: the kind box names none"},
    {10, bcCodeEAN13, nullptr, TFault::Internal, "TBarcode: internal Error",
     "The barcode could not be drawn (an internal error)"},
    {11, bcCode128B, nullptr, TFault::TooWide, "TBarcode: barcode too wide",
     "The barcode is too wide to draw: shorten the code or lower the zoom"},
    {12, bcCode128B, nullptr, TFault::LabelTooLarge, "Label image of 90000 x 800 pixels is too large",
     "The label is too large to draw: lower the zoom or the code's length"},
    {13, bcCodeEAN13, nullptr, TFault::Other, "Something new", "Something new"},
};

TEST(LabelStatus, EngineRefusalsBecomeSentencesInBothLanguages)
{
    for (const SentenceRow& row : kSentenceRows) {
        Exception refusal(row.Fault, row.Message);
        if (row.Text != nullptr) {
            TBarcode barcode;
            barcode.SetTyp(row.Kind);
            barcode.SetText(row.Text);
            try {
                barcode.BuildPattern();
                ADD_FAILURE() << "row " << row.No << ": not refused";
            } catch (const Exception& e) {
                refusal = e;
            }
        }
        const auto words = [&](TLanguage language) {
            return PlainError(refusal.Fault(), refusal.Detail(), refusal.what(), row.Kind, language);
        };
        EXPECT_EQ(words(TLanguage::English).toStdString(), row.English) << "row " << row.No;
        EXPECT_EQ(HasArabic(words(TLanguage::Arabic)), row.No != 13)
            << "row " << row.No << ": " << words(TLanguage::Arabic).toStdString();
    }
}

// Every note the standard layout makes, as it makes it, reads in Arabic; the notes of a label made
// smaller to fit its cell are the ones the status line carries.
struct NoteRow {
    int No;
    TBarcodeType Kind;
    const char* Code;
    TStandardSettings Settings;
    QSizeF CellMm; // empty: composed without a cell
    const char* Begins;
    bool FitsTheCell;
} const kNoteRows[] = {
    // clang-format off
    {1, bcCodeEAN13, "6212236011840", {.XDimensionMm = 0.1}, {}, "X-dimension 0.100 mm is outside", false},
    // 0.264 mm at 203 dpi is 2.1 dots; 2 dots are 0.250 mm, below the EAN range
    {2, bcCodeEAN13, "6212236011840", {.XDimensionMm = 0.264, .Dpi = 203}, {}, "X-dimension 0.264 mm in whole dots", false},
    // 0.65 mm at 2400 dpi is 61 dots, over the engine's 49: steps of 2 dots
    {3, bcCodeEAN13, "6212236011840", {.XDimensionMm = 0.65, .Dpi = 2400}, {}, "X-dimension 0.650 mm printed at", false},
    {4, bcCode39, "ABC", {.Ratio = 1.0}, {}, "Wide/narrow ratio", false},
    {5, bcCodePostNet, "12345", {}, {}, "PostNet prints as USPS asks", false},
    {6, bcCode128B, "ABC", {.BarHeightMm = 30.0}, {40, 20}, "Bars shortened to", true},
    {7, bcCode128B, "ABCDEFGHIJ", {.XDimensionMm = 0.5}, {30, 40}, "X-dimension reduced to", true},
    // clang-format on
};

TEST(LabelStatus, StandardLayoutNotesReadInArabic)
{
    for (const NoteRow& row : kNoteRows) {
        TBarcode barcode;
        barcode.SetTyp(row.Kind);
        barcode.SetText(row.Code);
        const TLabelCaptions captions{.UpperOn = false, .Upper = {}, .LowerOn = false, .Lower = {}};
        const std::vector<TLabelMessage> notes =
            row.CellMm.isEmpty() ? ComposeStandardLabel(barcode, captions, row.Settings).Notes
                                 : FitStandardLabel(barcode, captions, row.Settings, row.CellMm).Label.Notes;
        const auto note = std::find_if(notes.begin(), notes.end(), [&row](const TLabelMessage& n) {
            return EnglishText(n).starts_with(row.Begins);
        });
        ASSERT_NE(note, notes.end()) << "row " << row.No << ": "
                                     << (notes.empty() ? "no note" : EnglishText(notes[0]));
        const QString arabic = MessageText(*note, TLanguage::Arabic);
        EXPECT_TRUE(HasArabic(arabic)) << "row " << row.No << ": " << EnglishText(*note);
        for (const std::string& value : note->Args)
            EXPECT_TRUE(arabic.contains(QString::fromStdString(value))) << "row " << row.No << ": " << value;
        EXPECT_EQ(MessageText(*note, TLanguage::English).toStdString(), EnglishText(*note))
            << "row " << row.No;
        EXPECT_EQ(FitsTheCell(*note), row.FitsTheCell) << "row " << row.No;
    }
}

// Each of the label library's messages is worded in Arabic, with every value it names in its place as
// often as the English names it; an encoder's own words (Said, EncoderNotice) pass through as they are, and
// a catalogued text is translated as a whole.
TEST(LabelStatus, EveryLibraryMessageIsWordedInArabicWithItsValues)
{
    for (int code = 2; code < static_cast<int>(TMessageCode::Count); ++code) {
        if (static_cast<TMessageCode>(code) == TMessageCode::EncoderNotice)
            continue;
        const TLabelMessage message{static_cast<TMessageCode>(code),
                                    {"v1", "v2", "v3", "v4", "v5", "v6", "v7", "v8", "v9"}};
        const QString english = QString::fromStdString(EnglishText(message));
        const QString arabic = MessageText(message, TLanguage::Arabic);
        EXPECT_TRUE(HasArabic(arabic)) << english.toStdString();
        for (const std::string& value : message.Args)
            EXPECT_EQ(arabic.count(QString::fromStdString(value)),
                      english.count(QString::fromStdString(value)))
                << english.toStdString() << " -> " << arabic.toStdString();
    }
    // A cause is worded in the same language, in its place; a catalogued text whole.
    const TLabelMessage refused{TMessageCode::StockRefused, {"roll-57x32"}, {{TMessageCode::RoundLabels}}};
    EXPECT_EQ(MessageText(refused, TLanguage::Arabic),
              "ورق الملصقات roll-57x32: لا يمكن وضع الملصقات المستديرة");
    EXPECT_EQ(EnglishText(refused), "Label stock roll-57x32: round labels cannot be placed");
    const TLabelMessage builtIn = TStockCatalogue().Find("roll-57x32").Description;
    EXPECT_EQ(MessageText(builtIn, TLanguage::English).toStdString(), EnglishText(builtIn));
    EXPECT_TRUE(HasArabic(MessageText(builtIn, TLanguage::Arabic))) << EnglishText(builtIn);
}

// Every deck and design control has a tooltip in the interface language; back from Arabic, every caption
// is exactly the English one it was (trailing blanks included); no selection at all reads as English.
TEST_F(WindowUseTest, ALanguageRoundTripRestoresEveryCaptionAndTooltip)
{
    const TDesignPanel& design = *form->DesBarPanel;
    // clang-format off
    const std::vector<QWidget*> controls{
        form->SpeedButton1, form->StChk, form->LangArabic, form->LangEnglish, form->UChk, form->UEd, form->DChk,
        form->DEd, form->BarEd, form->CSpn, form->RSpn, form->BarKindSp, form->ColorBox1, form->ZomSpn,
        form->RatioSpn, form->DesBtn, form->AboutBtn, design.TM, design.LM, design.CS, design.RM, design.BM,
        design.BitBtn1, design.BitBtn3, form->StartSpn, design.StockBox, design.PaperBox, design.CalibrationBtn};
    // clang-format on
    const auto captions = [this] {
        QStringList texts;
        for (const QAbstractButton* button : form->findChildren<QAbstractButton*>())
            texts << button->text();
        for (const QLabel* label : form->findChildren<QLabel*>())
            texts << label->text();
        return texts;
    };
    const QStringList english = captions();
    for (const int language : {0, 1}) {
        form->SetLangIndex(language);
        for (QWidget* control : controls)
            EXPECT_EQ(HasArabic(control->toolTip()), language == 0) << control->objectName().toStdString();
    }
    EXPECT_EQ(captions(), english);
    form->SetLangIndex(0);
    EXPECT_TRUE(HasArabic(form->DesBtn->text()) && HasArabic(form->lb6->text()));
    form->SetLangIndex(-7);
    EXPECT_EQ(std::pair(form->LangIndex(), captions()), std::pair(-1, english));
    EXPECT_FALSE(form->SpeedButton2->toolTip().isEmpty() || form->TrackBar1->toolTip().isEmpty());
    EXPECT_FALSE(form->SpeedButton1->icon().isNull());
}

// Qt's own words (the print preview's, the dialogs' buttons) follow the window's language.
TEST_F(WindowUseTest, QtsOwnDialogsSpeakTheWindowsLanguage)
{
    const auto cancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    const auto preview = [] { return QCoreApplication::translate("TPreviewWindow", "Print Preview"); };
    form->SetLangIndex(0);
    EXPECT_TRUE(HasArabic(cancel())) << cancel().toStdString();
    EXPECT_TRUE(HasArabic(preview())) << preview().toStdString();
    form->SetLangIndex(1);
    EXPECT_EQ(cancel(), "Cancel");
    EXPECT_EQ(preview(), "Print Preview");
}

// A catalogue missing or damaged: the window speaks English and says so once, in English.
TEST_F(WindowUseTest, AnUnreadableCatalogueLeavesTheWindowEnglishAndIsSaidOnce)
{
    const QString folder = DataPath("catalogues");
    ASSERT_TRUE(QDir().mkpath(folder));
    for (const QString& damaged : {QStringLiteral("quillon_fr.qm"), QStringLiteral("quillon_ar.qm")}) {
        QFile file(folder + "/" + damaged);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not a catalogue");
    }
    for (const QString& state : {QStringLiteral("damaged"), QStringLiteral("missing")}) {
        SCOPED_TRACE(state.toStdString());
        if (state == "missing")
            QFile::remove(folder + "/quillon_ar.qm");
        SetCatalogueFolder(folder);
        form->SetLangIndex(1);
        Restart(); // a window that has said nothing yet
        errors.clear();
        form->SetLangIndex(0);
        form->SetLangIndex(1);
        form->SetLangIndex(0);
        EXPECT_EQ(errors, QStringList{"The window's catalogue quillon_ar.qm cannot be read, so the window "
                                      "speaks English"});
        EXPECT_EQ(form->LangEnglish->text(), QStringLiteral("English"));
        EXPECT_FALSE(HasArabic(form->PreviewStatus())) << form->PreviewStatus().toStdString();
        form->SetLangIndex(1);
    }
    SetCatalogueFolder(QStringLiteral(":/i18n"));
    form->SetLangIndex(0);
    EXPECT_TRUE(HasArabic(form->LangEnglish->text()) || HasArabic(form->lb2->text()));
}

// Every caption, in the font chosen for it, is no wider than the room its control gives it, and keeps
// its marks inside; so is the entry each list box shows, and its open list is wide enough for all.
TEST_F(WindowUseTest, EveryCaptionFitsItsControlInBothLanguages)
{
    Confirm();
    const TDesignPanel& design = *form->DesBarPanel;
    const std::vector<QWidget*> captioned{form->StChk,      form->lb2,         form->UChk,
                                          form->lb4,        form->lb5,         form->lb6,
                                          form->lb7,        form->lb8,         form->lb9,
                                          form->DChk,       form->DesBtn,      form->AboutBtn,
                                          form->LangArabic, form->LangEnglish, form->lbStart,
                                          design.lbStock,   design.lbPaper,    design.CalibrationBtn};
    for (const int language : {0, 1}) {
        form->SetLangIndex(language);
        for (QWidget* control : captioned) {
            const auto* button = qobject_cast<QAbstractButton*>(control);
            const QString text = DrawnText(button ? button->text() : static_cast<QLabel*>(control)->text());
            const QRect room = CaptionRoom(control);
            EXPECT_LE(QFontMetrics(control->font()).horizontalAdvance(text), room.width())
                << control->objectName().toStdString() << " in language " << language;
            EXPECT_TRUE(TextFits(control->font(), text, room.size()))
                << control->objectName().toStdString() << " in language " << language;
        }
        for (int kind = 0; kind < kBarcodeTypeCount; ++kind) {
            form->BarKindSp->setCurrentIndex(kind);
            EXPECT_TRUE(TextFits(form->BarKindSp->font(), form->BarKindSp->currentText(),
                                 CaptionRoom(form->BarKindSp).size()))
                << form->BarKindSp->currentText().toStdString();
            EXPECT_GE(form->BarKindSp->view()->minimumWidth(),
                      QFontMetrics(form->BarKindSp->view()->font())
                          .horizontalAdvance(form->BarKindSp->currentText()));
        }
    }
}

TEST_F(WindowUseTest, ThePreviewShowsATallLabelWholeAboveTheStatusLine)
{
    Confirm();
    SetKind(bcCodeEAN13);
    struct Row {
        int Rows;
        bool Scaled;
    } const rows[] = {{1, true}, {2, true}, {20, false}, {1, true}};
    for (const Row& row : rows) {
        form->RSpn->setValue(row.Rows);
        const QRect shown = form->BarImage->geometry();
        const QRect room = form->PreviewRoom();
        EXPECT_TRUE(room.contains(shown)) << row.Rows << " rows";
        EXPECT_LT(shown.bottom(), form->PreviewStatusGeometry().top()) << row.Rows << " rows";
        const QSize label = form->LabelImage().size();
        const int percent = static_cast<int>(100 * std::min({1.0, double(room.width()) / label.width(),
                                                             double(room.height()) / label.height()}));
        EXPECT_EQ(form->PreviewPercent(), row.Scaled ? percent : 100) << row.Rows << " rows";
        EXPECT_EQ(form->PreviewScale->isVisible(), row.Scaled) << row.Rows << " rows";
        if (row.Scaled) {
            EXPECT_EQ(form->PreviewScale->text(), QString("Preview at %1%").arg(percent));
        }
    }
}

// At 2x every window pixel the mask keeps is painted with no key colour in any of its device pixels,
// and the hatched strip and the logo still show; after a tall label shrinks the mask follows it.
TEST_F(WindowUseTest, TheColorKeyLeavesNoKeyColouredPixelAtTwiceTheScale)
{
    Confirm();
    const QImage painted = form->PaintedWindow(2.0);
    const QRegion mask = form->ColorKeyMask(2.0);
    QImage kept(form->size(), QImage::Format_Grayscale8); // the mask as window pixels, for quick lookup
    kept.fill(0);
    for (const QRect& r : mask)
        for (int y = r.top(); y <= r.bottom(); ++y)
            std::fill_n(kept.scanLine(y) + r.left(), r.width(), 1);
    int shown = 0;
    for (int y = 0; y < painted.height(); ++y)
        for (int x = 0; x < painted.width(); ++x)
            if (kept.constScanLine(y / 2)[x / 2] != 0) {
                ++shown;
                ASSERT_NE(painted.pixel(x, y) | 0xFF000000u, qRgb(128, 0, 0))
                    << "device pixel " << x << "," << y;
            }
    EXPECT_GT(shown, 0);
    const QRect strip(form->Shape1->mapTo(form.get(), QPoint(0, 0)), form->Shape1->size());
    EXPECT_FALSE(mask.intersected(strip).isEmpty()); // the hatch lines
    const QRect logo(form->Image1->mapTo(form.get(), QPoint(0, 0)), form->Image1->size());
    EXPECT_FALSE(mask.intersected(logo).isEmpty());

    form->RSpn->setValue(1);
    form->RSpn->setValue(20);
    Wait(10); // the new mask is taken once the burst of changes is painted
    EXPECT_EQ(form->mask(), form->ColorKeyMask(1.0));
}

TEST_F(WindowUseTest, TheKeyboardReachesEveryCommand)
{
    Press(form->AboutPanel->AboutOk(), Qt::Key_Return);
    EXPECT_FALSE(form->AboutPanel->isVisible());
    form->AboutBtnClick();
    Press(form->AboutPanel->AboutOk(), Qt::Key_Escape);
    EXPECT_FALSE(form->AboutPanel->isVisible());

    form->DesBtnClick();
    form->DesBarPanel->TM->setValue(33);
    Press(form->DesBarPanel->TM, Qt::Key_Escape); // cancels: the report keeps its margin
    EXPECT_FALSE(form->DesBarPanel->isVisible());
    EXPECT_EQ(printForm.qr().Page().ValueMm(TPageValue::TopMargin), 10);

    QApplication::setActiveWindow(form.get());
    QTest::keyClick(form->BarEd, Qt::Key_P, Qt::ControlModifier); // through the window's shortcuts
    TPreviewWindow* preview = form->OpenPreviewWindow();
    ASSERT_NE(preview, nullptr);
    const QRect button(form->SpeedButton1->mapToGlobal(QPoint(0, 0)), form->SpeedButton1->size());
    EXPECT_FALSE(preview->frameGeometry().intersects(button));
    for (const QToolBar* bar : preview->findChildren<QToolBar*>())
        EXPECT_GE(preview->width(), bar->sizeHint().width());
    preview->close();
    EXPECT_TRUE(errors.isEmpty()) << Errors();
}

TEST_F(WindowUseTest, TabFollowsTheDeckLeftToRightAndTopToBottom)
{
    const std::vector<QWidget*> expected{
        form->SpeedButton1, form->StChk,     form->LangArabic, form->LangEnglish, form->UChk,
        form->UEd,          form->DChk,      form->DEd,        form->BarEd,       form->CSpn,
        form->RSpn,         form->BarKindSp, form->ColorBox1,  form->TrackBar1,   form->ZomSpn,
        form->RatioSpn,     form->DesBtn,    form->AboutBtn,   form->SpeedButton2};
    std::vector<QWidget*> seen;
    QWidget* w = form->SpeedButton1;
    for (int step = 0; step < 500 && seen.size() < expected.size(); ++step, w = w->nextInFocusChain())
        if (std::find(expected.begin(), expected.end(), w) != expected.end() &&
            std::find(seen.begin(), seen.end(), w) == seen.end())
            seen.push_back(w);
    EXPECT_EQ(seen, expected);
}

TEST_F(WindowUseTest, ADamagedSettingsFileIsToldKeptAndWrittenAnew)
{
    ASSERT_TRUE(form->close());
    form.reset();
    const std::string path = QFile::encodeName(dataDir.filePath(kSettingsFileName)).toStdString();
    const std::string damaged = "[label]\ncode=AB\\q\nlower_caption=Kept\nbar_color=blue\n";
    ReplaceFile(path, damaged);
    Start();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains("line 2: an escape other than")) << errors[0].toStdString();
    EXPECT_TRUE(errors[0].contains("bar_color: blue is not a colour")) << errors[0].toStdString();
    EXPECT_EQ(ReadRegularFile(path + ".bad", kSettingsFileLimit), damaged);
    EXPECT_EQ(form->DEd->text(), "Kept");
    ASSERT_TRUE(form->close());
    EXPECT_EQ(ReadSettingsFile(path).Settings.Value(settingkeys::LowerCaption), "Kept");
    EXPECT_TRUE(ReadSettingsFile(path).Problems.empty());
}

} // namespace
} // namespace quillon
