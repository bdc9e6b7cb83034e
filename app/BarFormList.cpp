// TBarForm: lists as users have them. A header row of any words, its columns mapped in a small dialog
// and kept for the file; the rows checked as they are loaded, listed with their whole reasons and
// exported; the last list opened again at start-up.
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextDocument>
#include <algorithm>

#include "app/BarForm.h"
#include "app/FilePhrases.h"
#include "app/ListMemory.h"
#include "data/OptionsFile.h"
#include "data/SafeFile.h"
#include "label/compose/StandardParts.h"

namespace quillon {

namespace {

// The rows the column dialog shows.
constexpr std::size_t kShownRecords = 6;

// A field of the export, quoted as RFC 4180 says when it holds a comma, a quote or a line end.
std::string CsvField(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

// The code of the row on `line`: rows keep their lines in order.
std::string CodeOnLine(const TLabelRows& rows, std::size_t line)
{
    std::size_t low = 0;
    std::size_t high = rows.Count();
    while (low < high) {
        const std::size_t middle = (low + high) / 2;
        if (rows.Row(middle).Line < line)
            low = middle + 1;
        else
            high = middle;
    }
    return low < rows.Count() && rows.Row(low).Line == line ? rows.Row(low).Code : std::string();
}

bool ByLine(const TRunProblem& a, const TRunProblem& b)
{
    return a.Line < b.Line;
}

} // namespace

void TBarForm::BuildListControls()
{
    FCheck = new TListCheckTask(this);
    ChooseColumns = [this](const TColumnChoice& choice) -> std::optional<TListColumns> {
        TColumnDialog dialog(choice, Language(), this);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.Columns();
    };
    ChooseExportFile = [this] {
        return ChooseFile(this, TFileChoice::Save, SourceText(TSourcePhrase::ExportTitle, Language()),
                          QString(), QStringLiteral("CSV (*.csv)"), Language());
    };
}

std::function<bool(std::string_view)> TBarForm::CodeTest() const
{
    if (SymbolKind())
        return [](std::string_view) { return true; }; // a symbol takes any text
    return [barcode = FBCode](std::string_view text) mutable {
        barcode.SetText(std::string(text));
        try {
            barcode.BuildPattern();
            return true;
        } catch (const std::exception&) {
            return false;
        }
    };
}

TListColumns TBarForm::ReadingColumns() const
{
    TListColumns columns = FListColumns;
    columns.IsCode = CodeTest();
    return columns;
}

// A header of words that do not name the columns is mapped by the user before the list is read, once
// for each file; a file read again keeps what was chosen for it.
bool TBarForm::OpenList(const QString& path, bool askColumns)
{
    std::string bytes;
    try {
        bytes = ReadListFile(path);
    } catch (const std::exception& e) {
        ReportError(SourceText(TSourcePhrase::OpenFailed, Language())
                        .arg(PathForMessage(path), ReasonText(e, Language())));
        return false;
    }
    const std::string absolute = ToUtf8(QFileInfo(path).absoluteFilePath());
    const std::string name = ToUtf8(QFileInfo(path).fileName()); // its extension tells CSV
    TListColumns columns =
        RememberedColumns(FSettings, absolute).value_or(TListColumns{.Header = THeaderRule::Worded});
    columns.IsCode = CodeTest();
    if (askColumns && columns.Header == THeaderRule::Worded && FirstRowIsHeader(bytes, columns) &&
        !FirstRowIsHeader(bytes, {})) {
        const std::vector<std::vector<std::string>> records = ListRecords(bytes, name, kShownRecords);
        const std::optional<TListColumns> chosen = ChooseColumns(
            {.ListName = FromUtf8(name), .Records = records, .Columns = ShownColumns(records, true)});
        if (!chosen)
            return false;
        columns = *chosen;
        RememberColumns(FSettings, absolute, columns);
    }
    columns.IsCode = {};
    FListColumns = std::move(columns);
    FListPath = absolute;
    FListName = name;
    SetLastListFile(FSettings, absolute);
    ScheduleSave();
    {
        const QSignalBlocker quiet(SourcePanel->ListEd);
        SourcePanel->ListEd->setPlainText(FromUtf8(bytes));
    }
    FListFileText = ToUtf8(ListBoxText()); // a design saved later names the file while the rows are its
    FRowIndex = 0;
    if (Source() != TLabelSource::List) {
        SourceBox->setCurrentIndex(static_cast<int>(TLabelSource::List)); // reads the rows
        return true;
    }
    ReadRows();
    BarEdChange();
    return true;
}

void TBarForm::ReopenLastList()
{
    const std::optional<std::string> last = LastListFile(FSettings);
    if (!last || Source() != TLabelSource::List)
        return;
    const QString path = FromUtf8(*last);
    if (!QFileInfo::exists(path)) {
        ReportError(SourceText(TSourcePhrase::LastListGone, Language()).arg(PathForMessage(path)));
        SetLastListFile(FSettings, {}); // said once
        FSettingsDirty = true;
        return;
    }
    OpenList(path, false);
}

void TBarForm::ForgetListFile()
{
    FListColumns = {.Header = THeaderRule::Worded};
    FListPath.clear();
    SetLastListFile(FSettings, {});
    ScheduleSave();
}

void TBarForm::ColumnsClick()
{
    const std::string bytes = ToUtf8(SourcePanel->ListEd->document()->toRawText());
    const std::string name = FListName.empty() ? std::string("list") : FListName;
    const std::vector<std::vector<std::string>> records = ListRecords(bytes, name, kShownRecords);
    TListColumns shown = ShownColumns(records, FListHeader);
    if (!FListColumns.Fields.empty())
        shown.Fields = FListColumns.Fields;
    shown.Fields.resize(std::max(shown.Fields.size(), records.empty() ? 0 : records.front().size()),
                        TListColumn::Ignore);
    const std::optional<TListColumns> chosen =
        ChooseColumns({.ListName = FromUtf8(name), .Records = records, .Columns = shown});
    if (!chosen)
        return;
    FListColumns = *chosen;
    if (!FListPath.empty()) {
        RememberColumns(FSettings, FListPath, FListColumns);
        ScheduleSave();
    }
    ReadRows();
    BarEdChange();
}

void TBarForm::ExportClick()
{
    const QString path = ChooseExportFile();
    if (!path.isEmpty())
        ExportProblems(path);
}

bool TBarForm::ExportProblems(const QString& path)
{
    std::string csv = "line,code,reason\r\n";
    if (!FSourceProblem.empty())
        csv += ",," + CsvField(FSourceProblem) + "\r\n";
    for (const auto* problems : {&FProblems, &FChangedRows})
        for (const TRunProblem& problem : *problems)
            csv += std::to_string(problem.Line) + "," + CsvField(CodeOnLine(*FRows, problem.Line)) + "," +
                   CsvField(ToUtf8(ProblemReason(problem))) + "\r\n";
    try {
        ReplaceFile(QFile::encodeName(path).toStdString(), csv);
    } catch (const std::exception& e) {
        ReportError(SourceText(TSourcePhrase::ExportFailed, Language()).arg(ReasonText(e, Language())));
        return false;
    }
    return true;
}

TCheckRequest TBarForm::CheckRequest()
{
    TDeckPresenter& presenter = Presenter();
    const TPreparedReport sheet = presenter.SheetProbe();
    return {.Barcode = FBCode,
            .Compose = presenter.ComposeSettings(sheet),
            .Captions = presenter.Deck().Captions,
            .Sheet = sheet,
            .Rows = FRows};
}

// The rows the reading refused stay listed; what the check finds is added as it comes.
void TBarForm::StartListCheck()
{
    FCheck->Cancel();
    FProblems = FListProblems;
    FChangedRows.clear();
    FCheckedRows = 0;
    FCheckKey.clear();
    if (Source() != TLabelSource::List || FRows->Count() == 0 || KindIndex() < 0)
        return;
    TCheckRequest request = CheckRequest();
    FCheckKey = CheckKey(request);
    FCheck->Start(
        std::move(request), [this](TCheckBatch batch) { TakeCheckBatch(std::move(batch)); },
        [this] { ShowCheckState(); });
}

void TBarForm::TakeCheckBatch(TCheckBatch batch)
{
    const auto merge = [](std::vector<TRunProblem>& into, std::vector<TRunProblem>&& found) {
        const auto middle = static_cast<std::ptrdiff_t>(into.size());
        into.insert(into.end(), std::make_move_iterator(found.begin()), std::make_move_iterator(found.end()));
        std::inplace_merge(into.begin(), into.begin() + middle, into.end(), ByLine);
    };
    merge(FProblems, std::move(batch.Problems));
    merge(FChangedRows, std::move(batch.Changed));
    FCheckedRows = batch.First + batch.Count;
    ShowRowState();
}

void TBarForm::RecheckIfChanged()
{
    if (Source() != TLabelSource::List || FRun->Busy())
        return;
    if (KindIndex() != FRowsKind) { // the header rule asks the kind whether a first row is a code
        ReadRows();
        BarEdChange();
        return;
    }
    if (FRows->Count() > 0 && CheckKey(CheckRequest()) != FCheckKey)
        StartListCheck();
}

void TBarForm::ShowCheckState()
{
    QLabel* state = SourcePanel->CheckState;
    const std::size_t rows = FRows->Count();
    state->setVisible(Source() == TLabelSource::List && rows > 0);
    if (FCheck->Busy()) {
        state->setText(SourceText(TSourcePhrase::CheckingRows, Language()).arg(FCheckedRows).arg(rows));
        return;
    }
    std::vector<std::size_t> lines;
    for (const auto* problems : {&FProblems, &FChangedRows})
        for (const TRunProblem& problem : *problems)
            lines.push_back(problem.Line);
    std::sort(lines.begin(), lines.end());
    const auto bad = static_cast<std::size_t>(std::unique(lines.begin(), lines.end()) - lines.begin());
    state->setText(bad == 0
                       ? SourceText(TSourcePhrase::CheckedAll, Language(), static_cast<int>(rows))
                       : SourceText(TSourcePhrase::CheckedSome, Language(), static_cast<int>(rows)).arg(bad));
}

bool TBarForm::CheckingList() const
{
    return FCheck->Busy();
}

void TBarForm::WaitForListCheck()
{
    FCheck->Wait();
}

} // namespace quillon
