// TBarForm: construction and layout of the window and its controls.
#include "BarForm.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QListWidget>
#include <QLockFile>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSlider>
#include <QStyle>
#include <QToolButton>

#include "app/AboutPanel.h"
#include "app/Catalogues.h"
#include "app/DeckControls.h"
#include "app/DesignPanel.h"
#include "app/ErrorBox.h"
#include "app/Shapes.h"
#include "app/TextFit.h"
#include "data/OptionsFile.h"
#include "label/sheet/PrintBarForm.h"

namespace quillon {

namespace {

const QColor kMaroon(128, 0, 0); // the window's key colour: painted maroon is see-through
const QColor kFuchsia(255, 0, 255);

constexpr QSize kClientSize(763, 461);
constexpr QPoint kDesignedPosition(156, 110);
constexpr int kDeckHeight = 100;
constexpr int kLogoPanelHeight = 102;
constexpr int kSidePanelWidth = 185;
constexpr int kWorkingOpacity = 200; // of 255, once the About panel is confirmed
// "Start at label": 1 to the cells of the largest sheet; the sheet shown narrows it.
constexpr limits::TRange kStartAt{.Min = 1, .Max = limits::kColumns.Max * limits::kRows.Max, .Initial = 1};
constexpr int kFadeInMs = 250;
// PDF417's data columns: 0 lets the encoder choose ("Auto").
constexpr limits::TRange kPdf417Columns{.Min = 0, .Max = kMaxPdf417Columns, .Initial = 0};

// The product name and the maker's and distributor's credit line, in English and Arabic.
const char* const kWindowCaption =
    "Quillon barcode labels \u2014 Quillon Labs, distributed by Example Trading \u2014 "
    "\u0643\u0648\u064a\u0644\u0648\u0646 \u0644\u0645\u0644\u0635\u0642\u0627\u062a "
    "\u0627\u0644\u0628\u0627\u0631\u0643\u0648\u062f";
const char* const kDistributorWeb = "www.quillon-labels.example";

template <auto Member> QWidget* Own(const TBarForm& form)
{
    return form.*Member;
}
template <auto Member> QWidget* InSource(const TBarForm& form)
{
    return form.SourcePanel->*Member;
}
template <auto Member> QWidget* InDesign(const TBarForm& form)
{
    return form.DesBarPanel->*Member;
}

using TChain = TBarForm::TTabChain;
using TFit = TBarForm::TCaptionFit;
// The named controls in tab order: left to right, and top to bottom within a column of the deck (the
// language items sit under the stretch switch), then the design panel's; then those the tab skips.
// Places are on the deck, the language group or the preview area; none where a panel places its own.
constexpr TBarForm::TPlacement kPlacements[] = {
    {"SpeedButton1", Own<&TBarForm::SpeedButton1>, {20, 37, 23, 22}, TChain::Deck},
    {"StChk", Own<&TBarForm::StChk>, {66, 16, 70, 17}, TChain::Deck, TFit::Text}, // ends where UEd begins
    {"LangArabic", Own<&TBarForm::LangArabic>, {4, 4, 60, 17}, TChain::Deck, TFit::Text},
    {"LangEnglish", Own<&TBarForm::LangEnglish>, {4, 24, 60, 17}, TChain::Deck, TFit::Text},
    {"UChk", Own<&TBarForm::UChk>, {164, 0, 82, 17}, TChain::Deck, TFit::Text},
    {"UEd", Own<&TBarForm::UEd>, {136, 14, 120, 21}, TChain::Deck},
    {"DChk", Own<&TBarForm::DChk>, {164, 34, 82, 17}, TChain::Deck, TFit::Text},
    {"DEd", Own<&TBarForm::DEd>, {136, 49, 120, 21}, TChain::Deck},
    {"BarEd", Own<&TBarForm::BarEd>, {136, 73, 120, 21}, TChain::Deck},
    {"CSpn", Own<&TBarForm::CSpn>, {297, 13, 41, 22}, TChain::Deck},
    {"RSpn", Own<&TBarForm::RSpn>, {297, 50, 44, 22}, TChain::Deck},
    {"CheckDigitChk", Own<&TBarForm::CheckDigitChk>, {298, 76, 55, 17}, TChain::Deck, TFit::Text},
    {"BarKindSp", Own<&TBarForm::BarKindSp>, {342, 13, 105, 21}, TChain::Deck, TFit::Box},
    {"ColorBox1", Own<&TBarForm::ColorBox1>, {354, 50, 89, 22}, TChain::Deck, TFit::Box},
    {"TrackBar1", Own<&TBarForm::TrackBar1>, {354, 75, 88, 21}, TChain::Deck},
    {"ZomSpn", Own<&TBarForm::ZomSpn>, {456, 25, 36, 22}, TChain::Deck},
    {"XDimSpn", Own<&TBarForm::XDimSpn>, {448, 25, 52, 22}, TChain::Deck}, // in the zoom's place
    {"RatioSpn", Own<&TBarForm::RatioSpn>, {456, 60, 36, 22}, TChain::Deck},
    {"EccBox", Own<&TBarForm::EccBox>, {448, 60, 52, 22}, TChain::Deck, TFit::Box}, // in the ratio's place
    {"ShapeBox", Own<&TBarForm::ShapeBox>, {448, 60, 52, 22}, TChain::Deck, TFit::Box},
    {"ColumnsSpn", Own<&TBarForm::ColumnsSpn>, {448, 60, 52, 22}, TChain::Deck},
    {"DesBtn", Own<&TBarForm::DesBtn>, {504, 26, 38, 22}, TChain::Deck, TFit::Text},
    {"AboutBtn", Own<&TBarForm::AboutBtn>, {504, 51, 38, 22}, TChain::Deck, TFit::Text},
    {"SpeedButton2", Own<&TBarForm::SpeedButton2>, {546, 37, 23, 22}, TChain::Deck},
    {"LayoutChk", Own<&TBarForm::LayoutChk>, {24, 6, 90, 17}, TChain::Deck, TFit::Text},
    {"StartSpn", Own<&TBarForm::StartSpn>, {206, 5, 48, 20}, TChain::Deck},
    {"SourceBox", Own<&TBarForm::SourceBox>, {262, 5, 90, 20}, TChain::Deck, TFit::Box},
    {"FileBtn", Own<&TBarForm::FileBtn>, {358, 5, 64, 20}, TChain::Deck},
    {"ListEd", InSource<&TLabelSourcePanel::ListEd>, {}, TChain::Deck},
    {"OpenBtn", InSource<&TLabelSourcePanel::OpenBtn>, {}, TChain::Deck, TFit::Text},
    {"ColumnsBtn", InSource<&TLabelSourcePanel::ColumnsBtn>, {}, TChain::Deck, TFit::Text},
    {"SerialStartEd", InSource<&TLabelSourcePanel::SerialStartEd>, {}, TChain::Deck},
    {"SerialStepEd", InSource<&TLabelSourcePanel::SerialStepEd>, {}, TChain::Deck},
    {"SerialCountSpn", InSource<&TLabelSourcePanel::SerialCountSpn>, {}, TChain::Deck},
    {"SerialWidthSpn", InSource<&TLabelSourcePanel::SerialWidthSpn>, {}, TChain::Deck},
    {"SerialPrefixEd", InSource<&TLabelSourcePanel::SerialPrefixEd>, {}, TChain::Deck},
    {"SerialSuffixEd", InSource<&TLabelSourcePanel::SerialSuffixEd>, {}, TChain::Deck},
    {"PrevRowBtn", InSource<&TLabelSourcePanel::PrevRowBtn>, {}, TChain::Deck},
    {"NextRowBtn", InSource<&TLabelSourcePanel::NextRowBtn>, {}, TChain::Deck},
    {"ProblemList", InSource<&TLabelSourcePanel::ProblemList>, {}, TChain::Deck},
    {"TM", InDesign<&TDesignPanel::TM>, {}, TChain::Design},
    {"LM", InDesign<&TDesignPanel::LM>, {}, TChain::Design},
    {"CS", InDesign<&TDesignPanel::CS>, {}, TChain::Design},
    {"RM", InDesign<&TDesignPanel::RM>, {}, TChain::Design},
    {"BM", InDesign<&TDesignPanel::BM>, {}, TChain::Design},
    {"StockBox", InDesign<&TDesignPanel::StockBox>, {}, TChain::Design, TFit::Box},
    {"PaperBox", InDesign<&TDesignPanel::PaperBox>, {}, TChain::Design},
    {"CalibrationBtn", InDesign<&TDesignPanel::CalibrationBtn>, {}, TChain::Design, TFit::Text},
    {"BitBtn1", InDesign<&TDesignPanel::BitBtn1>, {}, TChain::Design},
    {"BitBtn3", InDesign<&TDesignPanel::BitBtn3>, {}, TChain::Design},
    {"BCodeAngSpn", Own<&TBarForm::BCodeAngSpn>, {568, 22, 49, 22}}, // hidden, as designed
    {"Label79", Own<&TBarForm::Label79>, {568, 9, 49, 13}},
    {"lb2", Own<&TBarForm::lb2>, {258, 77, 40, 13}, TChain::None, TFit::Text},
    {"lb4", Own<&TBarForm::lb4>, {297, 0, 41, 13}, TChain::None, TFit::Text},
    {"lb5", Own<&TBarForm::lb5>, {297, 37, 44, 13}, TChain::None, TFit::Text},
    {"lb6", Own<&TBarForm::lb6>, {342, 0, 105, 13}, TChain::None, TFit::Text},
    {"lb7", Own<&TBarForm::lb7>, {354, 37, 89, 13}, TChain::None, TFit::Text},
    {"lb8", Own<&TBarForm::lb8>, {448, 12, 52, 13}, TChain::None, TFit::Text},
    {"lb9", Own<&TBarForm::lb9>, {448, 47, 52, 13}, TChain::None, TFit::Text},
    {"lbX", Own<&TBarForm::lbX>, {448, 12, 52, 13}, TChain::None, TFit::Text}, // in the zoom caption's place
    {"lbEcc", Own<&TBarForm::lbEcc>, {448, 47, 52, 13}, TChain::None, TFit::Text},
    {"lbShape", Own<&TBarForm::lbShape>, {448, 47, 52, 13}, TChain::None, TFit::Text},
    {"lbColumns417", Own<&TBarForm::lbColumns417>, {448, 47, 52, 13}, TChain::None, TFit::Text},
    {"lbStart", Own<&TBarForm::lbStart>, {124, 8, 80, 13}, TChain::None, TFit::Text},
    {"ExportBtn", InSource<&TLabelSourcePanel::ExportBtn>, {}, TChain::None, TFit::Text},
    {"lbSerialStart", InSource<&TLabelSourcePanel::lbSerialStart>, {}, TChain::None, TFit::Text},
    {"lbSerialStep", InSource<&TLabelSourcePanel::lbSerialStep>, {}, TChain::None, TFit::Text},
    {"lbSerialCount", InSource<&TLabelSourcePanel::lbSerialCount>, {}, TChain::None, TFit::Text},
    {"lbSerialWidth", InSource<&TLabelSourcePanel::lbSerialWidth>, {}, TChain::None, TFit::Text},
    {"lbSerialPrefix", InSource<&TLabelSourcePanel::lbSerialPrefix>, {}, TChain::None, TFit::Text},
    {"lbSerialSuffix", InSource<&TLabelSourcePanel::lbSerialSuffix>, {}, TChain::None, TFit::Text},
    {"RowLabel", InSource<&TLabelSourcePanel::RowLabel>, {}},
    {"lbStock", InDesign<&TDesignPanel::lbStock>, {}, TChain::None, TFit::Text},
    {"lbPaper", InDesign<&TDesignPanel::lbPaper>, {}, TChain::None, TFit::Text},
    {"lbPlacing", InDesign<&TDesignPanel::lbPlacing>, {}, TChain::None, TFit::Text},
    {"lbOrder", InDesign<&TDesignPanel::lbOrder>, {}, TChain::None, TFit::Text},
};

template <typename Widget> Widget* Place(Widget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(left, top, width, height);
    return widget;
}

// Captions and switches on the deck's fuchsia ground.
template <typename Widget> Widget* OnFuchsia(Widget* widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, kFuchsia);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
    return widget;
}

QLabel* DeckLabel(QWidget* parent)
{
    auto* label = OnFuchsia(new QLabel(parent));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QCheckBox* DeckCheckBox(QWidget* parent, bool checked)
{
    auto* box = OnFuchsia(new QCheckBox(parent));
    box->setChecked(checked);
    return box;
}

TSpinEdit* DeckSpin(QWidget* parent, const limits::TRange& range)
{
    return new TSpinEdit(range, TSpinEntry::Typed, parent);
}

// Asks whether a second window on one data folder goes on read-only or quits: in front of the first
// window, which stays on top, and in the language the folder's options keep.
TSecondWindow AskSecondWindow(QWidget* parent, const QString& message, TLanguage language)
{
    QMessageBox box(QMessageBox::Warning, "Quillon", message, QMessageBox::NoButton, parent);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.setLayoutDirection(TextDirection(language));
    QPushButton* readOnly =
        box.addButton(CaptionText(GoOnReadOnlyCaptions, language), QMessageBox::AcceptRole);
    box.addButton(CaptionText(QuitCaptions, language), QMessageBox::RejectRole);
    box.setDefaultButton(readOnly);
    box.exec();
    return box.clickedButton() == readOnly ? TSecondWindow::ReadOnly : TSecondWindow::Quit;
}

// Asks whether to print a label that its cell would cut off.
bool AskPrintAnyway(QWidget* parent, const QString& message, TLanguage language)
{
    QMessageBox box(QMessageBox::Warning, "Quillon", message, QMessageBox::NoButton, parent);
    box.setLayoutDirection(TextDirection(language));
    QPushButton* print = box.addButton(CaptionText(PrintAnywayCaptions, language), QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(cancel);
    box.exec();
    return box.clickedButton() == print;
}

} // namespace

TBarForm::TBarForm(TPrintBarForm& printForm, QString dataDirectory, QWidget* parent)
    : QWidget(parent), FPrintForm(printForm), FDataDirectory(std::move(dataDirectory)),
      FOptionsPath(OptionsFilePath(FDataDirectory)),
      FSettingsPath(QDir(FDataDirectory).filePath(QString::fromLatin1(kSettingsFileName)))
{
    ReportError = [this](const QString& message) {
        const std::unique_ptr<QMessageBox> box = ErrorBox(this, message);
        box->setLayoutDirection(TextDirection(Language()));
        box->exec();
    };
    ConfirmCloseAnyway = [this](const QString& message) {
        QMessageBox box(QMessageBox::Question, "Quillon",
                        CaptionText(CloseAnywayQuestion, Language()).arg(message),
                        QMessageBox::Yes | QMessageBox::No, this);
        box.setLayoutDirection(TextDirection(Language()));
        return box.exec() == QMessageBox::Yes;
    };
    ChooseSecondWindow = [this](const QString& message) {
        return AskSecondWindow(this, message, StoredLanguage());
    };
    ConfirmPrintAnyway = [this](const QString& message) { return AskPrintAnyway(this, message, Language()); };
    PrinterNames = [] {
        QStringList names = QPrinterInfo::availablePrinterNames();
        const QString preferred = QPrinterInfo::defaultPrinterName();
        if (names.removeAll(preferred) > 0)
            names.prepend(preferred);
        return names;
    };
    Table1.SetFileName(QDir(FDataDirectory).filePath("pict.db"));

    // Designed settings of the barcode object; the rest are the constructor's.
    FBCode.SetHeight(64);
    FBCode.SetText("1234ABCD");
    FBCode.SetModul(2);
    FBCode.SetRatio(1.0);
    FBCode.SetTyp(bcCodeEAN13);
    FBCode.SetCheckSumMethod(csmNone);
    FBCode.SetShowText(bcoCode);

    BuildWindow();
    BuildSidePanels();
    BuildPreviewArea();
    BuildDeck();
    AboutPanel = new TAboutPanel(this);
    AboutPanel->move(240, 98);
    AboutPanel->raise();
    Timer1 = new QTimer(this);
    Timer1->setInterval(limits::kBlinkMs.Initial);
    FSaveTimer = new QTimer(this);
    FSaveTimer->setSingleShot(true);
    FSaveTimer->setInterval(kSaveDelayMs);
    FColorKeyTimer = new QTimer(this); // one new mask for a burst of changes, once they are painted
    FColorKeyTimer->setSingleShot(true);
    FColorKeyTimer->setInterval(0);
    auto* fade = new QPropertyAnimation(this, "windowOpacity", this);
    fade->setStartValue(0.0);
    fade->setEndValue(kWorkingOpacity / 255.0);
    fade->setDuration(kFadeInMs);
    FFadeIn = fade;
    SetUpLabelPrinter();
    ConnectHandlers();
    LayOutAlignedPanels();
    BarEd->setFocus();
}

TBarForm::~TBarForm() = default;

void TBarForm::BuildWindow()
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setWindowTitle(QString::fromUtf8(kWindowCaption));
    setFont(QFont("MS Sans Serif", 8));
    FDeckFont = font();
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kMaroon);
    setPalette(palette);
    setAutoFillBackground(true);
    move(kDesignedPosition);
    resize(kClientSize);
    setWindowOpacity(1.0);
}

void TBarForm::BuildSidePanels()
{
    // Aligned panels are placed top, bottom, right; the preview area fills what remains.
    UPanel = new TPanel(kMaroon, this);
    Panel1 = new TPanel(kMaroon, this);
    Image1 = Place(new QLabel(Panel1), 2, 3, 97, 96);
    ReadOnlyMark = Place(new QLabel(Panel1), 2, 83, 97, 16);
    ReadOnlyMark->setObjectName("ReadOnlyMark");
    ReadOnlyMark->setAlignment(Qt::AlignCenter);
    ReadOnlyMark->setStyleSheet("QLabel { background: #C00000; color: white; font-weight: bold; }");
    ReadOnlyMark->hide();
    FLogo = QImage(97, 96, QImage::Format_RGB32);
    FLogo.fill(Qt::white);
    ShowLogo();
    Panel2 = new TPanel(kMaroon, this);
    Shape1 = new TShape(TShapeKind::RoundRect, Qt::black, TShapeFill::VerticalLines, Panel2);
}

void TBarForm::BuildPreviewArea()
{
    QrPanel = new TPanel(kMaroon, this);
    Shape2 = new TShape(TShapeKind::RoundRect, kFuchsia, TShapeFill::Solid, QrPanel);
    BarImage = Place(new QLabel(QrPanel), 10, 27, 0, 0);
    DBImage1 = Place(new QLabel(QrPanel), 288, 16, 465, 321);
    DBImage1->hide();
    DesBarPanel = new TDesignPanel(QrPanel);
    // Says how the label scans, or why the preview is empty; on white so its colours read well.
    FPreviewStatus = Place(new QLabel(QrPanel), 20, 241, 538, 15);
    FPreviewStatus->setIndent(4);
    QPalette palette = FPreviewStatus->palette();
    palette.setColor(QPalette::Window, Qt::white);
    FPreviewStatus->setPalette(palette);
    FPreviewStatus->setAutoFillBackground(true);
    FPreviewStatus->setWordWrap(true);
    FPreviewStatus->hide();
    PreviewScale = Place(new QLabel(QrPanel), 440, 6, 110, 15);
    PreviewScale->setObjectName(QStringLiteral("PreviewScale"));
    PreviewScale->setAlignment(Qt::AlignCenter);
    PreviewScale->setPalette(palette);
    PreviewScale->setAutoFillBackground(true);
    PreviewScale->stackUnder(DesBarPanel); // the design panel covers it as it covers the label
    PreviewScale->hide();
}

void TBarForm::BuildDeck()
{
    Shape3 = Place(new TShape(TShapeKind::Ellipse, kFuchsia, TShapeFill::Solid, UPanel), 8, -6, 569, 110);

    SpeedButton2 = new QToolButton(UPanel);
    SpeedButton2->setText("X");
    SpeedButton2->setAutoRaise(true);
    SpeedButton2->setToolTip(QString::fromUtf8("Exit \u062e\u0631\u0648\u062c"));
    TrackBar1 = new QSlider(Qt::Horizontal, UPanel);
    TrackBar1->setRange(limits::kBlinkMs.Min, limits::kBlinkMs.Max);
    TrackBar1->setValue(limits::kBlinkMs.Initial);
    TrackBar1->setToolTip(
        QString::fromUtf8("Blink Speed\u0633\u0631\u0639\u0629 \u0627\u0644\u0648\u0645\u064a\u0636"));

    LangRG = Place(new TPanel(kFuchsia, UPanel), 62, 32, 65, 46);
    LangArabic = new QRadioButton("Arabic", LangRG);
    LangEnglish = new QRadioButton("English", LangRG);
    FLangGroup = new QButtonGroup(this);
    FLangGroup->addButton(LangArabic, 0);
    FLangGroup->addButton(LangEnglish, 1);
    LangEnglish->setChecked(true);

    AboutBtn = new QPushButton(UPanel);
    DesBtn = new QPushButton(UPanel);
    SpeedButton1 = new QToolButton(UPanel);
    SpeedButton1->setIcon(PrinterIcon());
    SpeedButton1->setAutoRaise(true);

    BarEd = new TUpperCaseEdit(UPanel);
    BarEd->setMaxLength(kMaxSettingsTextLength); // so that the settings file always stays readable
    BarEd->setText("6212236011840");
    BarKindSp = new QComboBox(UPanel);
    BarKindSp->setEditable(true);
    BarKindSp->setInsertPolicy(QComboBox::NoInsert);
    // The engine's 23 under their list entries, then the symbol kinds under their readable names.
    for (int ordinal = 0; ordinal < kLabelKindCount; ++ordinal) {
        const std::string_view entry = LabelKindTitle(ordinal);
        BarKindSp->addItem(QString::fromLatin1(entry.data(), static_cast<qsizetype>(entry.size())));
    }
    BarKindSp->setCurrentIndex(9);
    ZomSpn = DeckSpin(UPanel, limits::kZoom);
    RatioSpn = DeckSpin(UPanel, limits::kRatio);
    ColorBox1 = new TColorBox(UPanel);
    UChk = DeckCheckBox(UPanel, true);
    UEd = new QLineEdit(kDistributorWeb, UPanel);
    UEd->setMaxLength(kMaxCaptionLength); // so that the options file always stays readable
    DChk = DeckCheckBox(UPanel, true);
    DEd = new QLineEdit("Description", UPanel);
    DEd->setMaxLength(kMaxSettingsTextLength);
    // Arrows as designed, and typed digits beside them: the range keeps the count from 0.
    CSpn = DeckSpin(UPanel, limits::kColumns);
    RSpn = DeckSpin(UPanel, limits::kRows);
    StChk = DeckCheckBox(UPanel, false);
    BCodeAngSpn = DeckSpin(UPanel, limits::kAngle);
    BCodeAngSpn->hide();

    for (QLabel** label : {&lb2, &lb4, &lb5, &lb6, &lb7, &lb8, &lb9, &Label79})
        *label = DeckLabel(UPanel);
    Label79->hide();
    BuildPrintTrueControls();
    BuildSymbolControls();
    BuildStartControls();
    BuildSourceControls();
    BuildDocumentControls();
    PlaceControls();
}

// "Start at label" beside the layout switch, above the label; the design panel covers them.
void TBarForm::BuildStartControls()
{
    lbStart = DeckLabel(QrPanel);
    StartSpn = DeckSpin(QrPanel, kStartAt);
    lbStart->stackUnder(DesBarPanel);
    StartSpn->stackUnder(DesBarPanel);
}

// The layout switch above the label, the check digit switch under the rows, and the X-dimension in the
// zoom's place, shown in the standard layout only.
void TBarForm::BuildPrintTrueControls()
{
    LayoutChk = DeckCheckBox(QrPanel, false);
    LayoutChk->stackUnder(DesBarPanel); // the design panel covers it as it covers the label
    CheckDigitChk = DeckCheckBox(UPanel, false);
    lbX = DeckLabel(UPanel);
    XDimSpn = new QDoubleSpinBox(UPanel);
    XDimSpn->setDecimals(2);
    XDimSpn->setSingleStep(0.01);
    XDimSpn->setKeyboardTracking(false); // one composition for a typed value, not one per digit
    XDimSpn->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue); // raised to the least, and told
    XDimSpn->setRange(XDimensionRange(bcCode128B).Low, XDimensionRange(bcCode128B).High); // the widest
    XDimSpn->setValue(TStandardSettings{}.XDimensionMm);
    lbX->hide();
    XDimSpn->hide();
}

// The symbol kinds' options in the bar width's place, which they do not use; hidden until a kind that
// takes one is chosen. The lists' entries follow the enumerations' order.
void TBarForm::BuildSymbolControls()
{
    lbEcc = DeckLabel(UPanel);
    EccBox = new QComboBox(UPanel);
    lbShape = DeckLabel(UPanel);
    ShapeBox = new QComboBox(UPanel);
    lbColumns417 = DeckLabel(UPanel);
    ColumnsSpn = DeckSpin(UPanel, kPdf417Columns);
    CaptionSymbolOptions();
    const TSymbolOptions defaults;
    EccBox->setCurrentIndex(static_cast<int>(defaults.QrErrorCorrection));
    ShapeBox->setCurrentIndex(static_cast<int>(defaults.DataMatrixShape));
    for (QWidget* control :
         std::initializer_list<QWidget*>{lbEcc, EccBox, lbShape, ShapeBox, lbColumns417, ColumnsSpn})
        control->hide();
}

std::span<const TBarForm::TPlacement> TBarForm::Placements()
{
    return kPlacements;
}

// The names of the window definition, by which the caption and tooltip tables address the controls.
void TBarForm::PlaceControls()
{
    QWidget* previous[] = {nullptr, nullptr, nullptr}; // the last control of each tab chain
    for (const TPlacement& placement : kPlacements) {
        QWidget* control = placement.Control(*this);
        if (!placement.Place.isNull())
            control->setGeometry(placement.Place);
        control->setObjectName(
            QString::fromLatin1(placement.Name.data(), static_cast<qsizetype>(placement.Name.size())));
        QWidget*& last = previous[static_cast<std::size_t>(placement.Chain)];
        if (placement.Chain != TTabChain::None && last != nullptr)
            setTabOrder(last, control);
        last = control;
    }
}

void TBarForm::ConnectHandlers()
{
    connect(SpeedButton2, &QToolButton::clicked, this, &QWidget::close);
    // Ctrl+P prints, Ctrl+O opens a design and Ctrl+S saves it whichever control has the focus: a list
    // would take the key as a letter to search for.
    for (const auto& [key, command] : {std::pair(QKeySequence::Print, &TBarForm::SpeedButton1Click),
                                       std::pair(QKeySequence::Open, &TBarForm::OpenDesignClick),
                                       std::pair(QKeySequence::Save, &TBarForm::SaveDesignClick)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, [this, command] {
            if (!AboutPanel->isVisible())
                (this->*command)();
        });
    connect(TrackBar1, &QSlider::valueChanged, this, &TBarForm::TrackBar1Change);
    connect(Timer1, &QTimer::timeout, this, &TBarForm::Timer1Timer);
    connect(FLangGroup, &QButtonGroup::idClicked, this, [this](int) { LangRGClick(); });
    LangRG->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(LangRG, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { LanguageMenu()->popup(LangRG->mapToGlobal(at)); });
    connect(AboutBtn, &QPushButton::clicked, this, &TBarForm::AboutBtnClick);
    connect(AboutPanel->AboutOk(), &QPushButton::clicked, this, &TBarForm::AboutOkClick);

    connect(BarEd, &QLineEdit::textChanged, this, &TBarForm::BarEdChange);
    // The code field takes lowercase for the kind the list shows, however the list came to show it.
    connect(BarKindSp, &QComboBox::currentIndexChanged, this, &TBarForm::SyncCodeCase);
    // A name longer than the box shows its beginning, not its end; the list shows names whole.
    connect(BarKindSp, &QComboBox::currentIndexChanged, this, [this] {
        if (BarKindSp->lineEdit() != nullptr)
            BarKindSp->lineEdit()->setCursorPosition(0);
    });
    connect(BarKindSp, &QComboBox::editTextChanged, this, &TBarForm::SyncCodeCase);
    connect(BarKindSp, &QComboBox::activated, this, &TBarForm::BarKindSpChange);
    connect(BarKindSp, &QComboBox::editTextChanged, this, [this] {
        // Typing into the list's text field selects the entry it names, or none.
        if (BarKindSp->lineEdit() != nullptr && BarKindSp->lineEdit()->isModified())
            BarKindSpChange();
    });
    connect(ZomSpn, &QSpinBox::valueChanged, this, &TBarForm::ZomSpnChange);
    connect(RatioSpn, &QSpinBox::valueChanged, this, &TBarForm::RatioSpnChange);
    connect(ColorBox1, &TColorBox::selectedChanged, this, &TBarForm::ColorBox1Change);
    connect(UEd, &QLineEdit::textChanged, this, &TBarForm::BarEdChange);
    connect(DEd, &QLineEdit::textChanged, this, &TBarForm::BarEdChange);
    connect(UChk, &QCheckBox::toggled, this, &TBarForm::UChkClick);
    connect(DChk, &QCheckBox::toggled, this, &TBarForm::DChkClick);
    connect(CSpn, &QSpinBox::valueChanged, this, &TBarForm::CSpnChange);
    connect(RSpn, &QSpinBox::valueChanged, this, &TBarForm::RSpnChange);
    connect(StChk, &QCheckBox::toggled, this, &TBarForm::StChkClick);
    connect(BCodeAngSpn, &QSpinBox::valueChanged, this, &TBarForm::BCodeAngSpnChange);
    connect(LayoutChk, &QCheckBox::toggled, this, &TBarForm::LayoutChkClick);
    connect(CheckDigitChk, &QCheckBox::toggled, this, &TBarForm::CheckDigitChkClick);
    connect(XDimSpn, &QDoubleSpinBox::valueChanged, this, &TBarForm::XDimSpnChange);
    // A typed X-dimension below the kind's least is raised to it: the user is told, not left to wonder.
    connect(XDimSpn->findChild<QLineEdit*>(), &QLineEdit::textEdited, this,
            [this](const QString& typed) { FTypedXDim = typed; });
    connect(XDimSpn, &QDoubleSpinBox::editingFinished, this, [this] {
        bool number = false;
        const double typed = XDimSpn->locale().toDouble(FTypedXDim.trimmed(), &number);
        FTypedXDim.clear();
        if (number && typed < XDimSpn->minimum())
            NoteRaisedXDim();
    });
    connect(EccBox, &QComboBox::currentIndexChanged, this, &TBarForm::SymbolOptionChange);
    connect(ShapeBox, &QComboBox::currentIndexChanged, this, &TBarForm::SymbolOptionChange);
    connect(ColumnsSpn, &QSpinBox::valueChanged, this, &TBarForm::SymbolOptionChange);
    connect(DesBtn, &QPushButton::clicked, this, &TBarForm::DesBtnClick);
    connect(DesBarPanel->BitBtn1, &QPushButton::clicked, this, &TBarForm::BitBtn1Click);
    connect(DesBarPanel->BitBtn3, &QPushButton::clicked, this, &TBarForm::BitBtn3Click);
    connect(DesBarPanel->CalibrationBtn, &QPushButton::clicked, this, &TBarForm::CalibrationBtnClick);
    connect(StartSpn, &QSpinBox::valueChanged, this, &TBarForm::StartSpnChange);
    connect(SpeedButton1, &QToolButton::clicked, this, &TBarForm::SpeedButton1Click);
    ConnectSource();
    ConnectSaving();
    ConnectDocument();
    connect(FSaveTimer, &QTimer::timeout, this, &TBarForm::SaveChanges);
    connect(FColorKeyTimer, &QTimer::timeout, this, &TBarForm::UpdateColorKey);
    // The kind box shows its entry whole in a font fitted to it; the list shows every entry whole.
    connect(BarKindSp, &QComboBox::currentTextChanged, this, &TBarForm::FitCaptions);
    connect(ColorBox1, &QComboBox::currentIndexChanged, this, &TBarForm::FitCaptions);

    // The window moves when its painted surfaces are dragged.
    for (QWidget* handle :
         {static_cast<QWidget*>(Shape2), static_cast<QWidget*>(BarImage), static_cast<QWidget*>(Shape3)})
        handle->installEventFilter(this);
}

// Every change of a value that the options or the settings file keeps is written a moment later.
void TBarForm::ConnectSaving()
{
    for (QLineEdit* edit : {static_cast<QLineEdit*>(BarEd), UEd, DEd})
        connect(edit, &QLineEdit::textChanged, this, &TBarForm::ScheduleSave);
    for (QCheckBox* box : {UChk, DChk, StChk, LayoutChk, CheckDigitChk})
        connect(box, &QCheckBox::toggled, this, &TBarForm::ScheduleSave);
    for (TSpinEdit* spin : {CSpn, RSpn, ZomSpn, RatioSpn, ColumnsSpn})
        connect(spin, &QSpinBox::valueChanged, this, &TBarForm::ScheduleSave);
    for (QComboBox* box : {EccBox, ShapeBox})
        connect(box, &QComboBox::currentIndexChanged, this, &TBarForm::ScheduleSave);
    connect(XDimSpn, &QDoubleSpinBox::valueChanged, this, &TBarForm::ScheduleSave);
    connect(BarKindSp, &QComboBox::currentIndexChanged, this, &TBarForm::ScheduleSave);
    connect(BarKindSp, &QComboBox::editTextChanged, this, &TBarForm::ScheduleSave);
    connect(ColorBox1, &TColorBox::selectedChanged, this, &TBarForm::ScheduleSave);
    connect(FLangGroup, &QButtonGroup::idClicked, this, &TBarForm::ScheduleSave);
}

void TBarForm::LayOutAlignedPanels()
{
    const int w = width();
    const int h = height();
    UPanel->setGeometry(0, 0, w, kDeckHeight);
    Panel1->setGeometry(0, h - kLogoPanelHeight, w, kLogoPanelHeight);
    const int middle = std::max(0, h - kDeckHeight - kLogoPanelHeight);
    Panel2->setGeometry(w - kSidePanelWidth, kDeckHeight, kSidePanelWidth, middle);
    Shape1->setGeometry(0, 0, 45, middle);
    QrPanel->setGeometry(0, kDeckHeight, std::max(0, w - kSidePanelWidth), middle);
    Shape2->setGeometry(QrPanel->rect());
    Shape2->lower();
}

} // namespace quillon
