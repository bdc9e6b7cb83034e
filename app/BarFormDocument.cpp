// TBarForm: label designs (the File menu: open, save, recent designs) and undo and redo of the deck.
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QUndoStack>
#include <algorithm>

#include "app/AboutPanel.h"
#include "app/BarForm.h"
#include "app/DeckControls.h"
#include "app/DeckUndo.h"
#include "app/DesignPanel.h"
#include "app/FilePhrases.h"
#include "data/OptionsFile.h"
#include "data/SafeFile.h"
#include "label/compose/StandardParts.h"
#include "label/sheet/PrintBarForm.h"

namespace quillon {

namespace {

constexpr int kMostRecentDesigns = 5;
// The recent designs in the settings file, [designs] recent_1 to recent_5, the latest first.
constexpr std::string_view kRecentSection = "designs";
const std::string kRecentKeyNames[kMostRecentDesigns] = {"recent_1", "recent_2", "recent_3", "recent_4",
                                                         "recent_5"};

std::string PathBytes(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

bool IsUndoKey(const QKeyEvent& key)
{
    return key.matches(QKeySequence::Undo);
}

// Ctrl+Y, and the desktop's own redo key (Ctrl+Shift+Z on most).
bool IsRedoKey(const QKeyEvent& key)
{
    return key.matches(QKeySequence::Redo) ||
           (key.key() == Qt::Key_Y && key.modifiers() == Qt::ControlModifier);
}

} // namespace

void TBarForm::BuildDocumentControls()
{
    FileBtn = new QToolButton(QrPanel);
    FileBtn->setPopupMode(QToolButton::InstantPopup);
    FileBtn->stackUnder(DesBarPanel); // the design panel covers it as it covers the label
    FileMenu = new QMenu(FileBtn);
    RecentMenu = new QMenu(FileMenu);
    FileBtn->setMenu(FileMenu);
    ChooseDesignToOpen = [this] {
        return ChooseFile(this, TFileChoice::Open, "Quillon", QFileInfo(FDesignPath).path(),
                          FileText(TFilePhrase::DesignFiles, Language()), Language());
    };
    ChooseDesignToSave = [this] {
        QString path = ChooseFile(this, TFileChoice::Save, "Quillon", FDesignPath,
                                  FileText(TFilePhrase::DesignFiles, Language()), Language());
        if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
            path += QString::fromLatin1(kDesignFileSuffix.data(),
                                        static_cast<qsizetype>(kDesignFileSuffix.size()));
        return path;
    };
    FDeckUndo =
        new TDeckUndo([this] { return DesignFromControls(TDesignList::Source); },
                      [this](const TLabelDesign& design) { ApplyDesign(design, TDesignList::Source); }, this);
    connect(RecentMenu, &QMenu::aboutToShow, this, &TBarForm::ShowRecentDesigns);
    CaptionDocument();
}

// The deck's single-line fields, spin edits and lists hand the undo keys to the deck; the list box keeps
// its own.
void TBarForm::ConnectDocument()
{
    for (QWidget* panel : {static_cast<QWidget*>(UPanel), static_cast<QWidget*>(QrPanel)}) {
        for (QWidget* control : panel->findChildren<QWidget*>()) {
            if (qobject_cast<QLineEdit*>(control) != nullptr ||
                qobject_cast<QAbstractSpinBox*>(control) != nullptr ||
                qobject_cast<QComboBox*>(control) != nullptr)
                control->installEventFilter(this);
        }
    }
    connect(StartSpn, &QSpinBox::valueChanged, FDeckUndo, &TDeckUndo::Changed);
}

bool TBarForm::DeckUndoKey(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !qobject_cast<QWidget*>(watched))
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!IsUndoKey(*key) && !IsRedoKey(*key))
        return false;
    if (AboutPanel->isVisible() || DesBarPanel->isVisible())
        return true; // the deck is not what the user works on
    IsUndoKey(*key) ? UndoClick() : RedoClick();
    return true;
}

QString TBarForm::DesignText(TDesignPhrase phrase) const
{
    return CaptionText(DesignPhrases[static_cast<std::size_t>(phrase)], Language());
}

void TBarForm::CaptionDocument()
{
    const TLanguage language = Language();
    FileBtn->setText(CaptionText(FileBtnCaptions, language));
    const auto caption = [language](TDocumentCommand command) {
        return CaptionText(DocumentCommandCaptions[static_cast<std::size_t>(command)], language);
    };
    // The keys are the window's own (keyPressEvent); the menu only names them.
    const auto add = [this](const QString& text, void (TBarForm::*command)()) {
        QAction* action = FileMenu->addAction(text);
        connect(action, &QAction::triggered, this, command);
        return action;
    };
    FileMenu->clear();
    add(caption(TDocumentCommand::Open) + "\tCtrl+O", &TBarForm::OpenDesignClick);
    add(caption(TDocumentCommand::Save) + "\tCtrl+S", &TBarForm::SaveDesignClick);
    add(caption(TDocumentCommand::SaveAs), &TBarForm::SaveDesignAsClick);
    RecentMenu->setTitle(caption(TDocumentCommand::Recent));
    FileMenu->addMenu(RecentMenu);
    FileMenu->addSeparator();
    QAction* undo = add(caption(TDocumentCommand::Undo) + "\tCtrl+Z", &TBarForm::UndoClick);
    QAction* redo = add(caption(TDocumentCommand::Redo) + "\tCtrl+Y", &TBarForm::RedoClick);
    undo->setEnabled(FDeckUndo->Stack()->canUndo());
    redo->setEnabled(FDeckUndo->Stack()->canRedo());
    connect(FDeckUndo->Stack(), &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(FDeckUndo->Stack(), &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    ShowRecentDesigns();
}

void TBarForm::ShowRecentDesigns()
{
    RecentMenu->clear();
    const QStringList recent = RecentDesigns();
    for (const QString& path : recent)
        // An "&" in a name is shown, not taken for a shortcut letter.
        connect(RecentMenu->addAction(PathForMessage(path).replace('&', "&&")), &QAction::triggered, this,
                [this, path] { OpenDesign(path); });
    if (recent.isEmpty())
        RecentMenu
            ->addAction(CaptionText(
                DocumentCommandCaptions[static_cast<std::size_t>(TDocumentCommand::NoRecent)], Language()))
            ->setEnabled(false);
}

QStringList TBarForm::RecentDesigns() const
{
    QStringList recent;
    for (const std::string& name : kRecentKeyNames)
        if (const auto path = FSettings.Value({.Section = kRecentSection, .Name = name});
            path && !path->empty())
            recent << FromUtf8(*path);
    return recent;
}

// The latest first, each file once.
void TBarForm::KeepRecentDesign(const QString& path)
{
    QStringList recent = RecentDesigns();
    recent.removeAll(path);
    recent.prepend(path);
    for (int i = 0; i < kMostRecentDesigns; ++i)
        FSettings.Set({.Section = kRecentSection, .Name = kRecentKeyNames[i]},
                      i < recent.size() ? ToUtf8(recent[i]) : std::string());
    ScheduleSave();
}

TLabelDesign TBarForm::DesignFromControls(TDesignList list) const
{
    const TSheetSettings sheet = ShownSheet();
    const TLabelSourcePanel& source = *SourcePanel;
    TLabelDesign design{
        .Kind = KindIndex() >= 0 ? KindIndex() : TLabelDesign{}.Kind,
        .Code = ToUtf8(BarEd->text()),
        .Source = static_cast<TDesignSource>(Source()),
        .ListFile = FListPath,
        .ListText = {},
        .Serial = {.Start = ToUtf8(source.SerialStartEd->text()),
                   .Step = ToUtf8(source.SerialStepEd->text()),
                   .Count = source.SerialCountSpn->value(),
                   .Width = source.SerialWidthSpn->value(),
                   .Prefix = ToUtf8(source.SerialPrefixEd->text()),
                   .Suffix = ToUtf8(source.SerialSuffixEd->text())},
        .Upper = {.On = UChk->isChecked(), .Text = ToUtf8(UEd->text())},
        .Lower = {.On = DChk->isChecked(), .Text = ToUtf8(DEd->text())},
        .Layout = LabelLayout() == TLabelLayout::Standard ? TDesignLayout::Standard : TDesignLayout::Classic,
        .Zoom = ZomSpn->value(),
        .Ratio = RatioSpn->value(),
        .XDimensionMm = ModuleMm(false),
        .ModuleMm = ModuleMm(true),
        .BarColor = ColorBox1->Selected(),
        .CheckDigit = CheckDigitChk->isChecked(),
        .Symbol = SymbolOptions(),
        .Stock = FStock ? FStock->Id : std::string(kCustomStock),
        .Paper = FPaper,
        .Columns = FStock ? FCustomGrid.Columns : CSpn->value(), // as the options keep the custom sheet
        .Rows = FStock ? FCustomGrid.Rows : RSpn->value(),
        .Margins = {.Top = sheet.TopMm,
                    .Right = sheet.RightMm,
                    .Bottom = sheet.BottomMm,
                    .Left = sheet.LeftMm},
        .SpacingMm = sheet.SpacingMm,
        .Stretch = StChk->isChecked(),
        .Order = FOrder,
        .Start = StartSpn->value(),
        .Align = FPlacing.Align,
        .InsetMm = FPlacing.InsetMm,
        .Mark = FMarkOn,
        .Footer = FFooterOn,
    };
    // A list pasted, or changed since its file was read, is kept whole; one as read names its file.
    if (list == TDesignList::Rows && Source() == TLabelSource::List) {
        const std::string shown = ToUtf8(ListBoxText());
        if (FListPath.empty() || shown != FListFileText)
            design.ListText = shown;
    }
    return design;
}

void TBarForm::ApplyDesign(const TLabelDesign& design, TDesignList list, const QString& folder)
{
    if (DesBarPanel->isVisible())
        BitBtn3Click(); // the edits the panel was left with give way to the design's sheet
    // The deck, each control as the user sets it; the kind first, so that the code keeps its case.
    BarKindSp->setCurrentIndex(design.Kind);
    BarKindSpChange();
    BarEd->setText(FromUtf8(design.Code));
    UChk->setChecked(design.Upper.On);
    UEd->setText(FromUtf8(design.Upper.Text));
    DChk->setChecked(design.Lower.On);
    DEd->setText(FromUtf8(design.Lower.Text));
    LayoutChk->setChecked(design.Layout == TDesignLayout::Standard);
    ZomSpn->setValue(design.Zoom);
    RatioSpn->setValue(design.Ratio);
    ColorBox1->SetSelected(design.BarColor);
    CheckDigitChk->setChecked(design.CheckDigit);
    EccBox->setCurrentIndex(static_cast<int>(design.Symbol.QrErrorCorrection));
    ShapeBox->setCurrentIndex(static_cast<int>(design.Symbol.DataMatrixShape));
    ColumnsSpn->setValue(design.Symbol.Pdf417Columns);
    SetModuleMm(false, design.XDimensionMm);
    SetModuleMm(true, design.ModuleMm);
    // The source: the serial run's fields, the list, then the choice among them.
    TLabelSourcePanel& source = *SourcePanel;
    source.SerialStartEd->setText(FromUtf8(design.Serial.Start));
    source.SerialStepEd->setText(FromUtf8(design.Serial.Step));
    source.SerialCountSpn->setValue(design.Serial.Count);
    source.SerialWidthSpn->setValue(design.Serial.Width);
    source.SerialPrefixEd->setText(FromUtf8(design.Serial.Prefix));
    source.SerialSuffixEd->setText(FromUtf8(design.Serial.Suffix));
    if (list == TDesignList::Rows && design.Source == TDesignSource::List)
        TakeDesignList(design, folder);
    SourceBox->setCurrentIndex(static_cast<int>(design.Source));
    // The sheet, through the design panel as the user applies it: the custom grid first, then the stock.
    FMissingStockId.reset();
    UseStock(std::nullopt);
    CSpn->setValue(design.Columns);
    RSpn->setValue(design.Rows);
    StChk->setChecked(design.Stretch);
    DesBarPanel->TM->setValue(design.Margins.Top);
    DesBarPanel->RM->setValue(design.Margins.Right);
    DesBarPanel->BM->setValue(design.Margins.Bottom);
    DesBarPanel->LM->setValue(design.Margins.Left);
    DesBarPanel->CS->setValue(design.SpacingMm);
    DesBarPanel->ChooseStock(design.CustomSheet() ? std::nullopt : std::optional(design.Stock));
    DesBarPanel->ChooseCustomPaper(design.Paper);
    DesBarPanel->ChoosePlacing({.Align = design.Align, .InsetMm = design.InsetMm});
    DesBarPanel->ChooseOrder(design.Order);
    DesBarPanel->MarkChk->setChecked(design.Mark);
    DesBarPanel->FooterChk->setChecked(design.Footer);
    BitBtn1Click();
    StartSpn->setValue(design.Start); // within the cells of the sheet just applied
    ApplyDeck();
}

// The list's own rows, or its file read again; a file that cannot be read is told and the box emptied.
void TBarForm::TakeDesignList(const TLabelDesign& design, const QString& folder)
{
    const QString file = FromUtf8(design.ListFile);
    const QString path = file.isEmpty() ? QString() : QDir(folder).filePath(file);
    if (design.ListText.empty() && !path.isEmpty() && OpenListFile(path))
        return;
    FListPath = ToUtf8(path);
    FListName = ToUtf8(QFileInfo(path).fileName());
    FListFileText.clear(); // the rows are the design's, not the file's
    SourcePanel->ListEd->setPlainText(FromUtf8(design.ListText));
    FListTimer->stop();
    ReadRows();
}

bool TBarForm::OpenDesign(const QString& path)
{
    TReadDesign read;
    try {
        read = ReadLabelDesignFile(PathBytes(path), FStocks);
    } catch (const EDesignError& e) {
        const TDesignProblem& problem = e.Problem();
        const auto phrase = static_cast<TDesignPhrase>(static_cast<int>(TDesignPhrase::Empty) +
                                                       static_cast<int>(problem.Fault));
        QString reason = DesignText(phrase);
        switch (problem.Fault) {
        case TDesignFault::NotADesign:
            reason = reason.arg(QString::fromLatin1(kDesignFormatName.data(), kDesignFormatName.size()) +
                                " " + QString::number(kDesignFormatVersion));
            break;
        case TDesignFault::LaterFormat:
            reason = reason.arg(FromUtf8(problem.Value),
                                QString::fromLatin1(kDesignFormatName.data(), kDesignFormatName.size()) +
                                    " " + QString::number(kDesignFormatVersion));
            break;
        case TDesignFault::UnknownKey: reason = reason.arg(FromUtf8(problem.Key)); break;
        case TDesignFault::SecondValue:
            reason = reason.arg(FromUtf8(problem.Key), QString::number(problem.FirstLine));
            break;
        case TDesignFault::BadValue:
            reason = reason.arg(FromUtf8(problem.Key), FromUtf8(problem.Takes), FromUtf8(problem.Value));
            break;
        default: break;
        }
        ReportError(DesignText(TDesignPhrase::Refused)
                        .arg(PathForMessage(path), QString::number(problem.Line), reason));
        return false;
    } catch (const std::exception& e) {
        ReportError(
            DesignText(TDesignPhrase::CannotOpen).arg(PathForMessage(path), ReasonText(e, Language())));
        return false;
    }
    ApplyDesign(read.Design, TDesignList::Rows, QFileInfo(path).path());
    FDesignPath = path;
    KeepRecentDesign(path);
    QStringList notes;
    for (const TDesignNote& note : read.Notes) {
        const QString where = QString::number(note.Line);
        if (note.Kind == TDesignNoteKind::UnknownKind)
            notes << DesignText(TDesignPhrase::UnknownKind)
                         .arg(PathForMessage(path), where, FromUtf8(note.Value),
                              BarKindSp->itemText(bcCodeEAN13));
        else
            notes << DesignText(TDesignPhrase::UnknownStock)
                         .arg(PathForMessage(path), where, FromUtf8(note.Value));
    }
    if (!notes.isEmpty())
        ReportError(notes.join('\n'));
    return true;
}

bool TBarForm::SaveDesign(const QString& path)
{
    try {
        WriteLabelDesignFile(PathBytes(path), DesignFromControls(TDesignList::Rows));
    } catch (const std::exception& e) {
        ReportError(
            DesignText(TDesignPhrase::CannotSave).arg(PathForMessage(path), ReasonText(e, Language())));
        return false;
    }
    FDesignPath = path;
    KeepRecentDesign(path);
    return true;
}

void TBarForm::OpenDesignClick()
{
    if (const QString path = ChooseDesignToOpen(); !path.isEmpty())
        OpenDesign(path);
}

void TBarForm::SaveDesignClick()
{
    if (FDesignPath.isEmpty())
        SaveDesignAsClick();
    else
        SaveDesign(FDesignPath);
}

void TBarForm::SaveDesignAsClick()
{
    if (const QString path = ChooseDesignToSave(); !path.isEmpty())
        SaveDesign(path);
}

void TBarForm::UndoClick()
{
    FDeckUndo->Undo();
}

void TBarForm::RedoClick()
{
    FDeckUndo->Redo();
}

QUndoStack* TBarForm::DeckUndoStack() const
{
    return FDeckUndo->Stack();
}

} // namespace quillon
