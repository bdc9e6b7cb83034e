// TBarForm: the label-printer destination beside the sheet printer. The labels the print command would
// print are made again at the label printer's dots for its roll, each read back from what was written,
// and sent on a thread of their own; nothing is sent unless every label reads.
#include <QCoreApplication>
#include <QMessageBox>
#include <QThread>

#include "app/BarForm.h"
#include "app/FilePhrases.h"
#include "app/LabelPrinterDialog.h"
#include "barcode/Exception.h"
#include "label/compose/StandardParts.h"
#include "label/sheet/PrintBarForm.h"
#include "label/sheet/SheetRun.h"

namespace quillon {

namespace {

// The rolls and tapes a label printer takes, the window's own first.
std::vector<TLabelStock> RollsOf(const TStockCatalogue& stocks, const std::optional<TLabelStock>& current)
{
    std::vector<TLabelStock> rolls;
    if (current && IsRollStock(*current))
        rolls.push_back(*current);
    for (const TLabelStock& stock : stocks.Stocks())
        if (IsRollStock(stock) && StockFault(stock.Geometry).Empty() &&
            !(current && SameStockId(stock.Id, current->Id)))
            rolls.push_back(stock);
    return rolls;
}

QStringList CupsQueues()
{
    QStringList names;
    for (const std::string& name : CupsPrinterNames())
        names << FromUtf8(name);
    return names;
}

} // namespace

void TBarForm::SetUpLabelPrinter()
{
    ChooseLabelPrinter = [this](const TLabelPrinterChoice& shown) { return AskLabelPrinter(shown); };
    ReportLabelJob = [this](const QString& message, bool handedOver) {
        if (!handedOver) {
            ReportError(message);
            return;
        }
        QMessageBox box(QMessageBox::Information, QStringLiteral("Quillon"), message, QMessageBox::Ok, this);
        box.setLayoutDirection(TextDirection(Language()));
        box.exec();
    };
    FLabelJob = new QFutureWatcher<TLabelJobOutcome>(this);
    connect(FLabelJob, &QFutureWatcherBase::finished, this, &TBarForm::FinishLabelJob);
}

std::optional<TLabelPrinterChoice> TBarForm::AskLabelPrinter(const TLabelPrinterChoice& shown)
{
    TLabelPrinterDialog dialog(CupsQueues(), RollsOf(FStocks, FStock), shown, FStock, Language(), this);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Choice();
}

bool TBarForm::SendingLabels() const
{
    return FLabelJobBusy;
}

void TBarForm::WaitForLabelJob()
{
    FLabelJob->waitForFinished();
    while (FLabelJobBusy) { // the watcher's call back arrives as an event
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(1);
    }
}

void TBarForm::SendToLabelPrinter()
{
    const TLanguage language = Language();
    if (FLabelJobBusy) {
        ReportLabelJob(LabelPrinterText(TLabelPrinterPhrase::Busy, language).arg(FLabelJobPrinter), false);
        return;
    }
    const std::optional<TLabelPrinterChoice> choice = ChooseLabelPrinter(LabelPrinterChoiceOf(FSettings));
    if (!choice)
        return;
    KeepLabelPrinterChoice(FSettings, *choice);
    ScheduleSave();
    const QString printer = FromUtf8(choice->Printer);
    if (choice->Printer.empty()) {
        ReportLabelJob(LabelPrinterText(TLabelPrinterPhrase::NoPrinter, language), false);
        return;
    }
    if (NamesRawPort(choice->Printer) && choice->Speaks != TPrinterSpeaks::Zpl) {
        ReportLabelJob(LabelPrinterText(TLabelPrinterPhrase::RawTakesZpl, language).arg(printer), false);
        return;
    }
    TLabelJobRequest request;
    try {
        if (FListTimer->isActive()) // the rows as they stand in the list box
            ReadRows();
        request = LabelJobRequest(*choice);
    } catch (const std::exception& e) { // nothing to send: no roll, no rows, a row that cannot print
        ReportLabelJob(
            LabelPrinterText(TLabelPrinterPhrase::RefusedJob, language).arg(printer, ReasonText(e, language)),
            false);
        return;
    }
    FLabelJobPrinter = printer;
    FLabelJobBusy = true;
    FLabelJob->setFuture(RunBeside(&RunLabelJob, std::move(request)));
}

void TBarForm::FinishLabelJob()
{
    FLabelJobBusy = false;
    TLabelJobOutcome outcome;
    try {
        outcome = FLabelJob->future().result();
    } catch (const std::exception& e) {
        outcome = {.Status = TLabelJobStatus::Refused, .Reason = {TMessageCode::Said, {e.what()}}};
    }
    ReportLabelJob(LabelJobText(outcome, FLabelJobPrinter, Language()), HandedOver(outcome));
}

// The roll as the print report would lay it out, one label a page: the label composed for its cell at the
// printer's dots and placed on it as on any stock.
TLabelJobRequest TBarForm::LabelJobRequest(const TLabelPrinterChoice& choice)
{
    const TLanguage language = Language();
    const std::optional<TLabelStock> roll = FStocks.Lookup(choice.StockId);
    if (!roll || !IsRollStock(*roll))
        throw Exception(ToUtf8(LabelPrinterText(TLabelPrinterPhrase::NoRoll, language)));
    std::vector<TLabelJobRow> rows = LabelJobRows();
    BarEdChange(); // the deck's barcode as the label shows it
    TDeckPresenter& presenter = Presenter();
    TSheetSettings rollSheet = presenter.Sheet();
    rollSheet.Columns = 1;
    rollSheet.Rows = 1;
    rollSheet.Stock = roll->Geometry;
    rollSheet.StockId = roll->Id;
    rollSheet.SkipCells = 0;
    rollSheet.Placing = presenter.Deck().Stretch ? std::nullopt : std::optional(FPlacing);
    TPrintBarForm form;
    ApplySheetSettings(form, rollSheet);
    const TPreparedReport sheet = PrepareSheet(form, 1);
    TComposeSettings compose = presenter.ComposeSettings(sheet);
    compose.Dpi = choice.Dpi;
    compose.Picture = false;
    compose.CellMm = CellSizeMm(sheet);
    compose.Placing = rollSheet.Placing;
    compose.StockId = roll->Id;
    TBarcode barcode = FBCode;
    barcode.SetHeight(SheetRowHeight(rollSheet));
    const int kind = KindIndex();
    const std::string title = Source() == TLabelSource::OneLabel ? rows.front().Code : FListName;
    return {.Barcode = std::move(barcode),
            .Compose = compose,
            .RollSheet = rollSheet,
            .Media = {.LabelMm = compose.CellMm,
                      .Placing = rollSheet.Placing ? std::optional(PlacedImageOf(*rollSheet.Placing,
                                                                                 rollSheet.LabelQuietMm))
                                                   : std::nullopt},
            .Zpl = {.Dpi = choice.Dpi},
            .Rows = std::move(rows),
            .Printer = choice.Printer,
            .Speaks = choice.Speaks,
            .KindName = kind >= 0 ? std::string(LabelKindName(kind)) : std::string(),
            .Title = "Quillon: " + title,
            .Timeout = LabelPrinterTimeout};
}

// The code field's label once, or every row of the list or run with its copies; a row that cannot be
// printed stops the job before anything is made.
std::vector<TLabelJobRow> TBarForm::LabelJobRows() const
{
    if (Source() == TLabelSource::OneLabel) {
        auto [code, captions] = CurrentLabel();
        return {{.Line = 0, .Code = std::move(code), .Captions = std::move(captions), .Copies = 1}};
    }
    const TLanguage language = Language();
    if (FRows->Count() == 0)
        throw Exception(
            ToUtf8(FileText(TFilePhrase::NothingToPrint, language)
                       .arg(FSourceProblem.empty() ? SourceText(TSourcePhrase::EmptyList, language)
                                                   : FromUtf8(FSourceProblem))));
    if (const std::uint64_t labels = FRows->Labels(); labels > kMaxPrintLabels)
        throw Exception(
            ToUtf8(SourceText(TSourcePhrase::TooManyLabels, language).arg(labels).arg(kMaxPrintLabels)));
    std::vector<TLabelJobRow> rows;
    rows.reserve(FRows->Count());
    for (std::size_t i = 0; i < FRows->Count(); ++i) {
        const TListRow row = FRows->Row(i);
        if (!row.Problem.Empty())
            throw Exception(ToUtf8(SourceText(TSourcePhrase::ProblemLine, language)
                                       .arg(QString::number(row.Line), MessageText(row.Problem, language))));
        rows.push_back({.Line = row.Line,
                        .Code = row.Code,
                        .Captions = RowCaptions(Presenter().Deck().Captions, row),
                        .Copies = row.Copies});
    }
    return rows;
}

} // namespace quillon
