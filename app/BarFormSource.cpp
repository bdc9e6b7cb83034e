// TBarForm: the label source beside the code field (one label, a list or a serial run), the row the
// preview shows, the rows that cannot be printed, and printing every row.
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

#include "app/BarForm.h"
#include "app/Catalogues.h"
#include "app/DeckControls.h"
#include "app/DesignPanel.h"
#include "app/FilePhrases.h"
#include "app/LabelRun.h"
#include "app/LabelStatus.h"
#include "app/SymbolDeck.h"
#include "barcode/Exception.h"
#include "data/OptionsFile.h"
#include "label/compose/StandardParts.h"

namespace quillon {

namespace {

// The list is read again this long after the last keystroke, so that typing stays quick.
constexpr int kListReadDelayMs = 300;
constexpr QRect kSourcePanelPlace(270, 27, 300, 208);
// The most rows the problem list names; a run of a million bad rows is summed up after them.
constexpr std::size_t kMaxListedProblems = 1000;
constexpr char kPastedListName[] = "the pasted list";

// The source and the serial run's fields in the settings file.
constexpr TSettingKey kSourceKey{.Section = "source", .Name = "kind"};
constexpr TSettingKey kSerialStartKey{.Section = "source", .Name = "serial_start"};
constexpr TSettingKey kSerialStepKey{.Section = "source", .Name = "serial_step"};
constexpr TSettingKey kSerialCountKey{.Section = "source", .Name = "serial_count"};
constexpr TSettingKey kSerialWidthKey{.Section = "source", .Name = "serial_width"};
constexpr TSettingKey kSerialPrefixKey{.Section = "source", .Name = "serial_prefix"};
constexpr TSettingKey kSerialSuffixKey{.Section = "source", .Name = "serial_suffix"};
constexpr std::string_view kSourceNames[] = {"one", "list", "serial"}; // by TLabelSource
static_assert(std::size(kSourceNames) == SourceEntryCaptions.size());

QString KeyName(TSettingKey key)
{
    return QString::fromLatin1(key.Name.data(), static_cast<qsizetype>(key.Name.size()));
}

// The list box's text as typed: the document's raw text, which keeps no-break spaces that its plain
// text would turn into blanks.
QString ListText(const QPlainTextEdit& edit)
{
    return edit.document()->toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

// Asks whether to print the rows that can be, leaving out the others.
bool AskLeftOut(QWidget* parent, const QString& message, TLanguage language)
{
    QMessageBox box(QMessageBox::Question, "Quillon", message, QMessageBox::Yes | QMessageBox::Cancel,
                    parent);
    box.setDefaultButton(QMessageBox::Yes);
    box.setLayoutDirection(TextDirection(language));
    return box.exec() == QMessageBox::Yes;
}

} // namespace

void TBarForm::BuildSourceControls()
{
    SourceBox = new QComboBox(QrPanel);
    for (std::size_t i = 0; i < SourceEntryCaptions.size(); ++i)
        SourceBox->addItem(CaptionText(SourceEntryCaptions[i], TLanguage::English));
    SourcePanel = new TLabelSourcePanel(QrPanel);
    SourcePanel->setGeometry(kSourcePanelPlace);
    SourceBox->stackUnder(DesBarPanel); // the design panel covers them as it covers the label
    SourcePanel->stackUnder(DesBarPanel);
    FListTimer = new QTimer(this);
    FListTimer->setSingleShot(true);
    FListTimer->setInterval(kListReadDelayMs);
    FRun = new TLabelRunTask(this);
    ConfirmLeftOut = [this](const QString& message) { return AskLeftOut(this, message, Language()); };
    ChooseListFile = [this] {
        return ChooseFile(this, TFileChoice::Open, "Quillon", QString(),
                          FileText(TFilePhrase::ListFiles, Language()), Language());
    };
    BuildListControls();
}

void TBarForm::ConnectSource()
{
    connect(SourceBox, &QComboBox::currentIndexChanged, this, &TBarForm::SourceBoxChange);
    connect(SourcePanel->ListEd, &QPlainTextEdit::textChanged, this, &TBarForm::ListEdChange);
    connect(FListTimer, &QTimer::timeout, this, [this] {
        ReadRows();
        BarEdChange();
    });
    connect(SourcePanel->OpenBtn, &QPushButton::clicked, this, &TBarForm::OpenListClick);
    connect(SourcePanel->ColumnsBtn, &QPushButton::clicked, this, &TBarForm::ColumnsClick);
    connect(SourcePanel->ExportBtn, &QPushButton::clicked, this, &TBarForm::ExportClick);
    for (QLineEdit* edit : {SourcePanel->SerialStartEd, SourcePanel->SerialStepEd,
                            SourcePanel->SerialPrefixEd, SourcePanel->SerialSuffixEd})
        connect(edit, &QLineEdit::textChanged, this, &TBarForm::SerialChange);
    for (TSpinEdit* spin : {SourcePanel->SerialCountSpn, SourcePanel->SerialWidthSpn})
        connect(spin, &QSpinBox::valueChanged, this, &TBarForm::SerialChange);
    connect(SourcePanel->PrevRowBtn, &QToolButton::clicked, this, &TBarForm::PrevRowClick);
    connect(SourcePanel->NextRowBtn, &QToolButton::clicked, this, &TBarForm::NextRowClick);
}

TLabelSource TBarForm::Source() const
{
    if (SourceBox == nullptr)
        return TLabelSource::OneLabel;
    return static_cast<TLabelSource>(std::clamp(SourceBox->currentIndex(), 0, 2));
}

// The code field gives way to the source's rows; a serial run takes the kind's check digit.
void TBarForm::SourceBoxChange()
{
    const TLabelSource source = Source();
    SourcePanel->ShowSource(source);
    BarEd->setEnabled(source == TLabelSource::OneLabel);
    ApplyCheckDigit();
    ReadRows();
    BarEdChange();
    ScheduleSave();
}

QString TBarForm::ListBoxText() const
{
    return ListText(*SourcePanel->ListEd);
}

void TBarForm::ListEdChange()
{
    if (SourcePanel->ListEd->document()->isEmpty()) {
        // A list pasted after this one is not that file any more, nor read by its columns.
        FListName.clear();
        ForgetListFile();
    }
    FListTimer->start();
}

void TBarForm::SerialChange()
{
    ScheduleSave();
    if (Source() != TLabelSource::Serial)
        return;
    ReadRows();
    BarEdChange();
}

void TBarForm::OpenListClick()
{
    const QString path = ChooseListFile();
    if (!path.isEmpty())
        OpenListFile(path);
}

bool TBarForm::OpenListFile(const QString& path)
{
    return OpenList(path, true);
}

void TBarForm::ReadRows()
{
    FListTimer->stop();
    FSourceProblem.clear();
    FProblems.clear();
    FChangedRows.clear();
    switch (Source()) {
    case TLabelSource::OneLabel: FRows = std::make_shared<const TLabelRows>(); break;
    case TLabelSource::List: {
        TReadList list = ReadListBytes(ToUtf8(ListText(*SourcePanel->ListEd)),
                                       FListName.empty() ? kPastedListName : FListName, ReadingColumns());
        FSourceProblem = std::move(list.Stopped);
        FListHeader = list.HasHeader;
        FRowsKind = KindIndex();
        for (const TListRow& row : list.Rows)
            if (!row.Problem.Empty())
                FProblems.push_back({.Line = row.Line, .Kind = TProblemKind::List, .Reason = row.Problem});
        FRows = std::make_shared<const TLabelRows>(TLabelRows::OfList(std::move(list.Rows)));
        break;
    }
    case TLabelSource::Serial:
        try {
            FRows = std::make_shared<const TLabelRows>(
                TLabelRows::OfSerial(SerialRunOf(SourcePanel->SerialFields())));
        } catch (const std::exception& e) {
            FRows = std::make_shared<const TLabelRows>();
            FSourceProblem = e.what(); // names the field
        }
        break;
    }
    FRowIndex = std::min(FRowIndex, std::max<std::size_t>(FRows->Count(), 1) - 1);
    FListProblems = FProblems;
    StartListCheck();
    ShowRowState();
}

void TBarForm::ShowRowState()
{
    SourcePanel->ShowRow(FRowIndex, FRows->Count(), Language());
    SourcePanel->ShowProblems(ProblemLines());
    ShowCheckState();
}

QStringList TBarForm::ProblemLines() const
{
    QStringList lines;
    if (!FSourceProblem.empty())
        lines << FromUtf8(FSourceProblem);
    const std::size_t listed = FProblems.size() + FChangedRows.size();
    for (std::size_t i = 0; i < std::min(listed, kMaxListedProblems); ++i)
        lines << ProblemText(i < FProblems.size() ? FProblems[i] : FChangedRows[i - FProblems.size()]);
    if (listed > kMaxListedProblems)
        lines << SourceText(TSourcePhrase::MoreRows, Language(),
                            static_cast<int>(listed - kMaxListedProblems));
    return lines;
}

// The window's own words and the engine's in the interface language; the list reader's as they are.
QString TBarForm::ProblemText(const TRunProblem& problem) const
{
    const QString text = ProblemReason(problem);
    if (problem.Line == 0)
        return text;
    return SourceText(FRows->IsSerial() ? TSourcePhrase::NumberProblem : TSourcePhrase::ProblemLine,
                      Language())
        .arg(QString::number(problem.Line), text);
}

QString TBarForm::ProblemReason(const TRunProblem& problem) const
{
    const std::optional<TSymbolKind> symbol = SymbolKind();
    switch (problem.Kind) {
    case TProblemKind::List: return MessageText(problem.Reason, Language());
    case TProblemKind::Engine:
        return PlainError(problem.Fault, problem.Detail, problem.Message, KindIndex(), Language());
    case TProblemKind::Symbol:
        return symbol && problem.SymbolError
                   ? SymbolErrorText(*problem.SymbolError, problem.Message, *symbol, Language(),
                                     problem.Gs1Fault ? &*problem.Gs1Fault : nullptr)
                   : PlainError(problem.Fault, problem.Detail, problem.Message, KindIndex(), Language());
    case TProblemKind::Scan:
        if (problem.Advice)
            return ScanAdviceText(*problem.Advice, KindIndex(), Language());
        if (problem.Scan && symbol)
            return SymbolScanStatus(*problem.Scan, *symbol, Language()).Text;
        return MessageText(problem.Reason, Language());
    case TProblemKind::CutOff:
        return MessageText(problem.Reason, Language()) +
               CutRemedyText(LabelLayout(), FStock.has_value(), Language());
    case TProblemKind::Changed:
        return problem.Change ? ChangeText(*problem.Change, Language()) : FromUtf8(problem.Message);
    }
    return FromUtf8(problem.Message);
}

// "3 rows print another number than typed: Line 2: 0123456 prints as 00123457; ...", the first few named.
QString TBarForm::ChangedQuestion() const
{
    constexpr std::size_t kNamed = 3;
    QStringList named;
    for (std::size_t i = 0; i < std::min(kNamed, FChangedRows.size()); ++i)
        named << ProblemText(FChangedRows[i]);
    QString rows = named.join(QStringLiteral("; "));
    if (FChangedRows.size() > kNamed)
        rows +=
            SourceText(TSourcePhrase::MoreCutOff, Language(), static_cast<int>(FChangedRows.size() - kNamed));
    return SourceText(TSourcePhrase::ChangedAsk, Language(), static_cast<int>(FChangedRows.size())).arg(rows);
}

void TBarForm::PrevRowClick()
{
    if (FRowIndex == 0)
        return;
    --FRowIndex;
    ShowRowState();
    BarEdChange();
}

void TBarForm::NextRowClick()
{
    if (FRowIndex + 1 >= FRows->Count())
        return;
    ++FRowIndex;
    ShowRowState();
    BarEdChange();
}

std::pair<std::string, TLabelCaptions> TBarForm::CurrentLabel() const
{
    if (Source() == TLabelSource::OneLabel)
        return {ToUtf8(BarEd->text()), FPresenter.Deck().Captions};
    if (FRows->Count() == 0)
        throw Exception(FSourceProblem.empty() ? ToUtf8(SourceText(TSourcePhrase::EmptyList, Language()))
                                               : FSourceProblem);
    const TListRow row = FRows->Row(FRowIndex);
    if (!row.Problem.Empty())
        throw Exception(ToUtf8(SourceText(TSourcePhrase::ProblemLine, Language())
                                   .arg(QString::number(row.Line), MessageText(row.Problem, Language()))));
    return {row.Code, RowCaptions(FPresenter.Deck().Captions, row)};
}

void TBarForm::CaptionSource()
{
    {
        const QSignalBlocker quiet(SourceBox);
        for (std::size_t i = 0; i < SourceEntryCaptions.size(); ++i)
            SourceBox->setItemText(static_cast<int>(i), CaptionText(SourceEntryCaptions[i], Language()));
    }
    ShowRowState();
    if (Source() != TLabelSource::OneLabel)
        BarEdChange(); // the preview's sentences about the row, in the new language
}

// Copies what the run needs, so that the deck may change while it works.
void TBarForm::PrintRows()
{
    if (FRun->Busy()) {
        if (QProgressDialog* progress = FRun->Progress())
            progress->raise();
        return;
    }
    if (FListTimer->isActive()) {
        ReadRows();
        BarEdChange();
    }
    FCheck->Cancel(); // the print checks every row where it prints
    if (FRows->Count() == 0)
        throw Exception(
            ToUtf8(FileText(TFilePhrase::NothingToPrint, Language())
                       .arg(FSourceProblem.empty() ? SourceText(TSourcePhrase::EmptyList, Language())
                                                   : FromUtf8(FSourceProblem))));
    if (const std::uint64_t labels = FRows->Labels(); labels > kMaxPrintLabels)
        throw Exception(
            ToUtf8(SourceText(TSourcePhrase::TooManyLabels, Language()).arg(labels).arg(kMaxPrintLabels)));
    TDeckPresenter& presenter = Presenter();
    const TPreparedReport probe = presenter.SheetProbe();
    TRunRequest request{.Barcode = FBCode,
                        .Compose = presenter.ComposeSettings(probe),
                        .Captions = presenter.Deck().Captions,
                        .Sheet = presenter.Sheet(),
                        .Rows = FRows,
                        .ComposingText = SourceText(TSourcePhrase::Composing, Language()),
                        .CheckingText = SourceText(TSourcePhrase::Checking, Language())};
    FRun->Start(std::move(request), SourceText(TSourcePhrase::Cancel, Language()),
                [this](std::optional<TRunResult> result) { FinishRows(std::move(result)); });
}

// A cancelled run changes nothing: the picture table and the preview stay as they were.
void TBarForm::FinishRows(std::optional<TRunResult> result)
{
    if (!result) {
        StartListCheck(); // the check the print cut short
        return;
    }
    try {
        ShowPrintedRows(std::move(*result));
    } catch (const std::exception& e) {
        FRun->HideProgress();
        ReportError(ReasonText(e, Language()));
    }
}

void TBarForm::ShowPrintedRows(TRunResult result)
{
    if (!result.Failure.empty())
        throw Exception(result.Failure);
    FProblems = WithCheckedAdvice(std::move(result.LeftOut), FProblems);
    FChangedRows = std::move(result.Changed);
    ShowRowState();
    const TLanguage language = Language();
    if (result.Labels.empty() || !FProblems.empty() || !result.CutOff.empty() || !FChangedRows.empty())
        FRun->HideProgress(); // a message or a question comes first
    if (result.Labels.empty())
        throw Exception(
            ToUtf8(SourceText(TSourcePhrase::NothingLeft, language, static_cast<int>(result.Rows))));
    if (!FProblems.empty() &&
        !ConfirmLeftOut(SourceText(TSourcePhrase::LeftOut, language, static_cast<int>(result.Rows))
                            .arg(FProblems.size())
                            .arg(result.Rows - FProblems.size())))
        return;
    if (!result.CutOff.empty()) {
        const TRunProblem& first = result.CutOff.front();
        QString reason = SourceText(TSourcePhrase::ProblemLine, language)
                             .arg(QString::number(first.Line), MessageText(first.Reason, language));
        if (result.CutOff.size() > 1)
            reason +=
                SourceText(TSourcePhrase::MoreCutOff, language, static_cast<int>(result.CutOff.size() - 1));
        if (!ConfirmPrintAnyway(
                SourceText(TSourcePhrase::CutOff, language, static_cast<int>(result.CutOff.size()))
                    .arg(reason)))
            return;
    }
    if (!FChangedRows.empty() && !ConfirmPrintAnyway(ChangedQuestion()))
        return;
    Table1.Open();
    Table1.ReplaceAllRows(result.Pictures); // one transaction: on failure the last print's rows stay
    FPrintedRows = std::make_shared<const TPrintedRows>(
        TPrintedRows{.Sheet = result.Sheet, .Labels = result.Labels, .Lines = std::move(result.Lines)});
    ShowPreview(PreviewContent(std::move(result.Sheet), {}, std::move(result.Labels),
                               std::move(result.Expected), std::move(result.Verification)));
}

bool TBarForm::Printing() const
{
    return FRun->Busy();
}

QProgressDialog* TBarForm::PrintProgress() const
{
    return FRun->Progress();
}

void TBarForm::WaitForPrint()
{
    FRun->Wait();
}

QStringList TBarForm::ApplySourceSettings()
{
    QStringList problems;
    TLabelSourcePanel& panel = *SourcePanel;
    for (const auto& [key, edit] :
         {std::pair(kSerialStartKey, panel.SerialStartEd), std::pair(kSerialStepKey, panel.SerialStepEd)}) {
        const auto value = FSettings.Value(key);
        if (!value)
            continue;
        const QString text = FromUtf8(*value);
        int position = 0;
        QString checked = text;
        if (edit->validator()->validate(checked, position) == QValidator::Acceptable && !text.isEmpty())
            edit->setText(text);
        else
            problems << KeyName(key) + ": " + text + " is not a whole number of up to 18 digits";
    }
    for (const auto& [key, spin] : {std::pair(kSerialCountKey, panel.SerialCountSpn),
                                    std::pair(kSerialWidthKey, panel.SerialWidthSpn)}) {
        const auto value = FSettings.Value(key);
        if (!value)
            continue;
        bool ok = false;
        const int number = FromUtf8(*value).toInt(&ok);
        if (ok && number >= spin->minimum() && number <= spin->maximum())
            spin->setValue(number);
        else
            problems << KeyName(key) + ": " + FromUtf8(*value) + " is not " +
                            QString::number(spin->minimum()) + " to " + QString::number(spin->maximum());
    }
    if (const auto prefix = FSettings.Value(kSerialPrefixKey))
        panel.SerialPrefixEd->setText(FromUtf8(*prefix));
    if (const auto suffix = FSettings.Value(kSerialSuffixKey))
        panel.SerialSuffixEd->setText(FromUtf8(*suffix));
    // The source last, so that a serial run starts from the fields just read.
    if (const auto source = FSettings.Value(kSourceKey)) {
        const auto named = std::find(std::begin(kSourceNames), std::end(kSourceNames), *source);
        if (named != std::end(kSourceNames))
            SourceBox->setCurrentIndex(static_cast<int>(named - std::begin(kSourceNames)));
        else
            problems << KeyName(kSourceKey) + ": " + FromUtf8(*source) + " is none of one, list and serial";
    }
    return problems;
}

void TBarForm::SaveSourceSettings()
{
    const TLabelSourcePanel& panel = *SourcePanel;
    FSettings.Set(kSourceKey, std::string(kSourceNames[static_cast<std::size_t>(Source())]));
    FSettings.Set(kSerialStartKey, ToUtf8(panel.SerialStartEd->text()));
    FSettings.Set(kSerialStepKey, ToUtf8(panel.SerialStepEd->text()));
    FSettings.Set(kSerialCountKey, std::to_string(panel.SerialCountSpn->value()));
    FSettings.Set(kSerialWidthKey, std::to_string(panel.SerialWidthSpn->value()));
    FSettings.Set(kSerialPrefixKey, ToUtf8(panel.SerialPrefixEd->text()));
    FSettings.Set(kSerialSuffixKey, ToUtf8(panel.SerialSuffixEd->text()));
}

} // namespace quillon
