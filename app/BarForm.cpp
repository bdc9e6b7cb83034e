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
#include "app/DeckControls.h"
#include "app/DesignPanel.h"
#include "app/ErrorBox.h"
#include "app/Shapes.h"
#include "app/TextFit.h"
#include "data/OptionsFile.h"
#include "label/PrintBarForm.h"

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

template <typename Widget> Widget* Place(Widget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(left, top, width, height);
    return widget;
}

QLabel* DeckLabel(QWidget* parent, int left, int top, int width)
{
    auto* label = Place(new QLabel(parent), left, top, width, 13);
    label->setAlignment(Qt::AlignCenter);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, kFuchsia);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    return label;
}

QCheckBox* DeckCheckBox(QWidget* parent, int left, int top, int width, bool checked)
{
    auto* box = Place(new QCheckBox(parent), left, top, width, 17);
    box->setChecked(checked);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, kFuchsia);
    box->setPalette(palette);
    box->setAutoFillBackground(true);
    return box;
}

TSpinEdit* DeckSpin(QWidget* parent, QRect place, const limits::TRange& range, TSpinEntry entry)
{
    auto* spin = new TSpinEdit(range, entry, parent);
    spin->setGeometry(place);
    return spin;
}

// Asks whether a second window on one data folder goes on read-only or quits: in front of the first
// window, which stays on top, and in the language the folder's options keep.
TSecondWindow AskSecondWindow(QWidget* parent, const QString& message, TLanguage language)
{
    QMessageBox box(QMessageBox::Warning, "Quillon", message, QMessageBox::NoButton, parent);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.setLayoutDirection(language == TLanguage::Arabic ? Qt::RightToLeft : Qt::LeftToRight);
    QPushButton* readOnly =
        box.addButton(CaptionText(GoOnReadOnlyCaptions, language), QMessageBox::AcceptRole);
    box.addButton(CaptionText(QuitCaptions, language), QMessageBox::RejectRole);
    box.setDefaultButton(readOnly);
    box.exec();
    return box.clickedButton() == readOnly ? TSecondWindow::ReadOnly : TSecondWindow::Quit;
}

// Asks whether to print a label that its cell would cut off.
bool AskPrintAnyway(QWidget* parent, const QString& message)
{
    QMessageBox box(QMessageBox::Warning, "Quillon", message, QMessageBox::NoButton, parent);
    QPushButton* print = box.addButton("Print anyway", QMessageBox::AcceptRole);
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
    ReportError = [this](const QString& message) { ErrorBox(this, message)->exec(); };
    ConfirmCloseAnyway = [this](const QString& message) {
        return QMessageBox::question(this, "Quillon", message + "\n\nClose anyway?") == QMessageBox::Yes;
    };
    ChooseSecondWindow = [this](const QString& message) {
        return AskSecondWindow(this, message, StoredLanguage());
    };
    ConfirmPrintAnyway = [this](const QString& message) { return AskPrintAnyway(this, message); };
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
    ConnectHandlers();
    LayOutAlignedPanels();
    SetTabOrder();
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

    SpeedButton2 = Place(new QToolButton(UPanel), 546, 37, 23, 22);
    SpeedButton2->setText("X");
    SpeedButton2->setAutoRaise(true);
    SpeedButton2->setToolTip(QString::fromUtf8("Exit \u062e\u0631\u0648\u062c"));
    TrackBar1 = Place(new QSlider(Qt::Horizontal, UPanel), 354, 75, 88, 21);
    TrackBar1->setRange(limits::kBlinkMs.Min, limits::kBlinkMs.Max);
    TrackBar1->setValue(limits::kBlinkMs.Initial);
    TrackBar1->setToolTip(
        QString::fromUtf8("Blink Speed\u0633\u0631\u0639\u0629 \u0627\u0644\u0648\u0645\u064a\u0636"));

    LangRG = Place(new TPanel(kFuchsia, UPanel), 62, 32, 65, 46);
    LangArabic = Place(new QRadioButton("Arabic", LangRG), 4, 4, 60, 17);
    LangEnglish = Place(new QRadioButton("English", LangRG), 4, 24, 60, 17);
    FLangGroup = new QButtonGroup(this);
    FLangGroup->addButton(LangArabic, 0);
    FLangGroup->addButton(LangEnglish, 1);
    LangEnglish->setChecked(true);

    AboutBtn = Place(new QPushButton(UPanel), 504, 51, 38, 22);
    DesBtn = Place(new QPushButton(UPanel), 504, 26, 38, 22);
    SpeedButton1 = Place(new QToolButton(UPanel), 20, 37, 23, 22);
    SpeedButton1->setIcon(PrinterIcon());
    SpeedButton1->setAutoRaise(true);

    BarEd = Place(new TUpperCaseEdit(UPanel), 136, 73, 120, 21);
    BarEd->setMaxLength(kMaxSettingsTextLength); // so that the settings file always stays readable
    BarEd->setText("6212236011840");
    BarKindSp = Place(new QComboBox(UPanel), 342, 13, 105, 21);
    BarKindSp->setEditable(true);
    BarKindSp->setInsertPolicy(QComboBox::NoInsert);
    // The engine's 23 under their list entries, then the symbol kinds under their readable names.
    for (int ordinal = 0; ordinal < kLabelKindCount; ++ordinal) {
        const std::string_view entry = LabelKindTitle(ordinal);
        BarKindSp->addItem(QString::fromLatin1(entry.data(), static_cast<qsizetype>(entry.size())));
    }
    BarKindSp->setCurrentIndex(9);
    ZomSpn = DeckSpin(UPanel, {456, 25, 36, 22}, limits::kZoom, TSpinEntry::Typed);
    RatioSpn = DeckSpin(UPanel, {456, 60, 36, 22}, limits::kRatio, TSpinEntry::Typed);
    ColorBox1 = Place(new TColorBox(UPanel), 354, 50, 89, 22);
    UChk = DeckCheckBox(UPanel, 164, 0, 82, true);
    UEd = Place(new QLineEdit(kDistributorWeb, UPanel), 136, 14, 120, 21);
    UEd->setMaxLength(kMaxCaptionLength); // so that the options file always stays readable
    DChk = DeckCheckBox(UPanel, 164, 34, 82, true);
    DEd = Place(new QLineEdit("Description", UPanel), 136, 49, 120, 21);
    DEd->setMaxLength(kMaxSettingsTextLength);
    // Arrows as designed, and typed digits beside them: the range keeps the count from 0.
    CSpn = DeckSpin(UPanel, {297, 13, 41, 22}, limits::kColumns, TSpinEntry::Typed);
    RSpn = DeckSpin(UPanel, {297, 50, 44, 22}, limits::kRows, TSpinEntry::Typed);
    // One pixel narrower than designed, so that it ends where the caption box begins, not under it.
    StChk = DeckCheckBox(UPanel, 66, 16, 70, false);
    BCodeAngSpn = DeckSpin(UPanel, {568, 22, 49, 22}, limits::kAngle, TSpinEntry::Typed);
    BCodeAngSpn->hide();

    lb2 = DeckLabel(UPanel, 258, 77, 40);
    lb4 = DeckLabel(UPanel, 297, 0, 41);
    lb5 = DeckLabel(UPanel, 297, 37, 44);
    lb6 = DeckLabel(UPanel, 342, 0, 105);
    lb7 = DeckLabel(UPanel, 354, 37, 89);
    lb8 = DeckLabel(UPanel, 448, 12, 52);
    lb9 = DeckLabel(UPanel, 448, 47, 52);
    Label79 = DeckLabel(UPanel, 568, 9, 49);
    Label79->hide();
    BuildPrintTrueControls();
    BuildSymbolControls();
    BuildStartControls();
    BuildSourceControls();
    BuildDocumentControls();
    NameControls();
}

// "Start at label" beside the layout switch, above the label; the design panel covers them.
void TBarForm::BuildStartControls()
{
    lbStart = DeckLabel(QrPanel, 124, 8, 80);
    StartSpn = DeckSpin(QrPanel, {206, 5, 48, 20}, kStartAt, TSpinEntry::Typed);
    lbStart->stackUnder(DesBarPanel);
    StartSpn->stackUnder(DesBarPanel);
}

// The layout switch above the label, the check digit switch under the rows, and the X-dimension in the
// zoom's place, shown in the standard layout only.
void TBarForm::BuildPrintTrueControls()
{
    LayoutChk = DeckCheckBox(QrPanel, 24, 6, 90, false);
    LayoutChk->stackUnder(DesBarPanel); // the design panel covers it as it covers the label
    CheckDigitChk = DeckCheckBox(UPanel, 298, 76, 55, false);
    lbX = DeckLabel(UPanel, 448, 12, 52);
    XDimSpn = Place(new QDoubleSpinBox(UPanel), 448, 25, 52, 22);
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
    lbEcc = DeckLabel(UPanel, 448, 47, 52);
    EccBox = Place(new QComboBox(UPanel), 448, 60, 52, 22);
    lbShape = DeckLabel(UPanel, 448, 47, 52);
    ShapeBox = Place(new QComboBox(UPanel), 448, 60, 52, 22);
    lbColumns417 = DeckLabel(UPanel, 448, 47, 52);
    ColumnsSpn = DeckSpin(UPanel, {448, 60, 52, 22}, kPdf417Columns, TSpinEntry::Typed);
    CaptionSymbolOptions();
    const TSymbolOptions defaults;
    EccBox->setCurrentIndex(static_cast<int>(defaults.QrErrorCorrection));
    ShapeBox->setCurrentIndex(static_cast<int>(defaults.DataMatrixShape));
    for (QWidget* control :
         std::initializer_list<QWidget*>{lbEcc, EccBox, lbShape, ShapeBox, lbColumns417, ColumnsSpn})
        control->hide();
}

// The names of the window definition, by which the caption and tooltip tables address the controls.
void TBarForm::NameControls()
{
    for (const auto& [name, control] : NamedControls())
        control->setObjectName(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
}

std::vector<std::pair<std::string_view, QWidget*>> TBarForm::NamedControls() const
{
    return {
        {"SpeedButton1", SpeedButton1},
        {"SpeedButton2", SpeedButton2},
        {"TrackBar1", TrackBar1},
        {"LangArabic", LangArabic},
        {"LangEnglish", LangEnglish},
        {"AboutBtn", AboutBtn},
        {"DesBtn", DesBtn},
        {"BarEd", BarEd},
        {"BarKindSp", BarKindSp},
        {"ZomSpn", ZomSpn},
        {"RatioSpn", RatioSpn},
        {"ColorBox1", ColorBox1},
        {"UChk", UChk},
        {"UEd", UEd},
        {"DChk", DChk},
        {"DEd", DEd},
        {"CSpn", CSpn},
        {"RSpn", RSpn},
        {"StChk", StChk},
        {"BCodeAngSpn", BCodeAngSpn},
        {"LayoutChk", LayoutChk},
        {"CheckDigitChk", CheckDigitChk},
        {"XDimSpn", XDimSpn},
        {"lbX", lbX},
        {"EccBox", EccBox},
        {"lbEcc", lbEcc},
        {"ShapeBox", ShapeBox},
        {"lbShape", lbShape},
        {"ColumnsSpn", ColumnsSpn},
        {"lbColumns417", lbColumns417},
        {"StartSpn", StartSpn},
        {"lbStart", lbStart},
        {"SourceBox", SourceBox},
        {"FileBtn", FileBtn},
        {"ListEd", SourcePanel->ListEd},
        {"OpenBtn", SourcePanel->OpenBtn},
        {"ColumnsBtn", SourcePanel->ColumnsBtn},
        {"ExportBtn", SourcePanel->ExportBtn},
        {"lbSerialStart", SourcePanel->lbSerialStart},
        {"SerialStartEd", SourcePanel->SerialStartEd},
        {"lbSerialStep", SourcePanel->lbSerialStep},
        {"SerialStepEd", SourcePanel->SerialStepEd},
        {"lbSerialCount", SourcePanel->lbSerialCount},
        {"SerialCountSpn", SourcePanel->SerialCountSpn},
        {"lbSerialWidth", SourcePanel->lbSerialWidth},
        {"SerialWidthSpn", SourcePanel->SerialWidthSpn},
        {"lbSerialPrefix", SourcePanel->lbSerialPrefix},
        {"SerialPrefixEd", SourcePanel->SerialPrefixEd},
        {"lbSerialSuffix", SourcePanel->lbSerialSuffix},
        {"SerialSuffixEd", SourcePanel->SerialSuffixEd},
        {"PrevRowBtn", SourcePanel->PrevRowBtn},
        {"RowLabel", SourcePanel->RowLabel},
        {"NextRowBtn", SourcePanel->NextRowBtn},
        {"ProblemList", SourcePanel->ProblemList},
        {"lbStock", DesBarPanel->lbStock},
        {"StockBox", DesBarPanel->StockBox},
        {"lbPaper", DesBarPanel->lbPaper},
        {"PaperBox", DesBarPanel->PaperBox},
        {"CalibrationBtn", DesBarPanel->CalibrationBtn},
        {"lbPlacing", DesBarPanel->lbPlacing},
        {"lbOrder", DesBarPanel->lbOrder},
        {"lb2", lb2},
        {"lb4", lb4},
        {"lb5", lb5},
        {"lb6", lb6},
        {"lb7", lb7},
        {"lb8", lb8},
        {"lb9", lb9},
        {"Label79", Label79},
    };
}

// Left to right, and top to bottom within a column of the deck; the language items sit under the
// stretch switch.
void TBarForm::SetTabOrder()
{
    const QWidget* order[] = {SpeedButton1,
                              StChk,
                              LangArabic,
                              LangEnglish,
                              UChk,
                              UEd,
                              DChk,
                              DEd,
                              BarEd,
                              CSpn,
                              RSpn,
                              CheckDigitChk,
                              BarKindSp,
                              ColorBox1,
                              TrackBar1,
                              ZomSpn,
                              XDimSpn,
                              RatioSpn,
                              EccBox,
                              ShapeBox,
                              ColumnsSpn,
                              DesBtn,
                              AboutBtn,
                              SpeedButton2,
                              LayoutChk,
                              StartSpn,
                              SourceBox,
                              FileBtn,
                              SourcePanel->ListEd,
                              SourcePanel->OpenBtn,
                              SourcePanel->ColumnsBtn,
                              SourcePanel->SerialStartEd,
                              SourcePanel->SerialStepEd,
                              SourcePanel->SerialCountSpn,
                              SourcePanel->SerialWidthSpn,
                              SourcePanel->SerialPrefixEd,
                              SourcePanel->SerialSuffixEd,
                              SourcePanel->PrevRowBtn,
                              SourcePanel->NextRowBtn,
                              SourcePanel->ProblemList};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(const_cast<QWidget*>(order[i]), const_cast<QWidget*>(order[i + 1]));
    const QWidget* design[] = {
        DesBarPanel->TM,      DesBarPanel->LM,       DesBarPanel->CS,       DesBarPanel->RM,
        DesBarPanel->BM,      DesBarPanel->StockBox, DesBarPanel->PaperBox, DesBarPanel->CalibrationBtn,
        DesBarPanel->BitBtn1, DesBarPanel->BitBtn3};
    for (std::size_t i = 0; i + 1 < std::size(design); ++i)
        setTabOrder(const_cast<QWidget*>(design[i]), const_cast<QWidget*>(design[i + 1]));
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
