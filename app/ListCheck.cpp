// The load check of a list: each row composed and read back where the sheet's first row prints it.
#include "app/ListCheck.h"

#include <algorithm>
#include <sstream>

#include "app/LabelRun.h"
#include "label/run/LabelRun.h"

namespace quillon {
namespace {

// Rows handed back together: the list fills in as they come, and a cancel is seen soon.
constexpr std::size_t kRowsPerBatch = 64;

// What one row gives: nothing, a problem, or a change of what was typed.
struct TRowFinding {
    std::optional<TRunProblem> Problem{};
    std::optional<TRunProblem> Changed{};
};

TRowFinding CheckRow(const TCheckRequest& request, const TListRow& row)
{
    if (!row.Problem.Empty())
        return {}; // the reader's problem is listed from the reading
    TBarcode barcode = request.Barcode;
    TRunProblem problem{.Line = row.Line};
    try {
        const TComposedLabel label = ComposeLabelFor(barcode, request.Compose, row.Code,
                                                     RowCaptions(request.Captions, row), &request.Sheet);
        TRowFinding found;
        if (!request.Compose.Symbol)
            if (std::optional<TTypedChange> change = TypedChange(row.Code, barcode))
                found.Changed = TRunProblem{.Line = row.Line,
                                            .Kind = TProblemKind::Changed,
                                            .Message = TypedChangeMessage(*change),
                                            .Change = std::move(change)};
        const TScanResult& scan = *label.Scan;
        if (!label.Fit.Fits) {
            problem.Kind = TProblemKind::CutOff, problem.Reason = label.Fit.Message;
        } else if (request.Compose.Symbol &&
                   (scan.Outcome == TScanOutcome::DoesNotScan || scan.Outcome == TScanOutcome::ReadsOther)) {
            problem.Kind = TProblemKind::Scan, problem.Scan = scan;
        } else if (scan.Outcome == TScanOutcome::ReadsOther) {
            problem.Kind = TProblemKind::Scan;
            problem.Reason = {TMessageCode::ReadsOtherAt,
                              {scan.Decoded, std::to_string(request.Compose.Dpi), scan.Expected}};
        } else if (scan.Outcome == TScanOutcome::DoesNotScan) {
            problem.Kind = TProblemKind::Scan;
            problem.Advice = AdviseScan({.Barcode = barcode,
                                         .Drawing = *label.Drawing,
                                         .Scan = scan,
                                         .Settings = request.Compose,
                                         .Sheet = request.Sheet});
        } else {
            return found;
        }
        // A row that prints another text is said so, however it reads: the change is why.
        found.Problem = found.Changed ? std::move(found.Changed) : std::optional(std::move(problem));
        found.Changed.reset();
        return found;
    } catch (const std::exception&) {
        return {.Problem = ComposeFailure(row.Line)};
    }
}

} // namespace

std::string CheckKey(const TCheckRequest& request)
{
    std::ostringstream key;
    const TBarcode& b = request.Barcode;
    const TComposeSettings& c = request.Compose;
    key << int(b.Typ()) << ' ' << b.Modul() << ' ' << b.Ratio() << ' ' << b.Checksum() << ' '
        << int(b.CheckSumMethod()) << ' ' << b.Height() << ' ' << b.Angle() << ' ' << int(b.ShowText()) << ' '
        << b.ColorBar() << '|' << int(c.Layout) << ' ' << (c.Symbol ? int(*c.Symbol) : -1) << ' '
        << int(c.SymbolOptions.QrErrorCorrection) << ' ' << int(c.SymbolOptions.DataMatrixShape) << ' '
        << c.SymbolOptions.Pdf417Columns << ' ' << c.ModulePixels << ' ' << c.ModuleMm << ' ' << c.Ratio
        << ' ' << c.Dpi << ' ' << c.Stretch << ' ' << c.PixelsPerInch << ' ' << c.CellMm.width() << ' '
        << c.CellMm.height() << ' ' << c.Placing.has_value() << ' ' << c.StockId << '|'
        << request.Captions.UpperOn << request.Captions.Upper.toStdString() << '\n'
        << request.Captions.LowerOn << request.Captions.Lower.toStdString() << '|';
    if (c.Placing)
        key << int(c.Placing->Align) << ' ' << c.Placing->InsetMm << '|';
    for (const TPreparedPage& page : request.Sheet.Pages)
        for (const TPlacedElement& element : page.Elements)
            key << element.Frame.Left << ',' << element.Frame.Top << ',' << element.Frame.Width << ','
                << element.Frame.Height << ';';
    key << '|' << request.Rows.get();
    return key.str();
}

void CheckRows(QPromise<TCheckBatch>& promise, const TCheckRequest& request)
{
    const std::size_t count = request.Rows->Count();
    promise.setProgressRange(0, static_cast<int>(count));
    TCheckBatch batch{};
    MakeRowsInOrder<TRowFinding>(
        RowsOf(*request.Rows), [&](const TListRow& row) { return CheckRow(request, row); },
        [&](TRowFinding& found) {
            if (found.Problem)
                batch.Problems.push_back(std::move(*found.Problem));
            if (found.Changed)
                batch.Changed.push_back(std::move(*found.Changed));
            const std::size_t checked = batch.First + ++batch.Count;
            if (batch.Count == kRowsPerBatch || checked == count) {
                promise.addResult(std::exchange(batch, TCheckBatch{.First = checked}));
                promise.setProgressValue(static_cast<int>(checked));
            }
            return !promise.isCanceled();
        });
}

std::vector<TRunProblem> WithCheckedAdvice(std::vector<TRunProblem> printed,
                                           const std::vector<TRunProblem>& checked)
{
    for (TRunProblem& problem : printed) {
        if (problem.Kind != TProblemKind::Scan || problem.Advice)
            continue;
        const auto found = std::find_if(checked.begin(), checked.end(), [&](const TRunProblem& check) {
            return check.Line == problem.Line && check.Advice;
        });
        if (found != checked.end())
            problem.Advice = found->Advice;
    }
    return printed;
}

TListCheckTask::TListCheckTask(QObject* parent) : QObject(parent)
{
    connect(&FWatcher, &QFutureWatcherBase::resultsReadyAt, this, [this] { TakeBatches(); });
    connect(&FWatcher, &QFutureWatcherBase::finished, this, &TListCheckTask::Finish);
}

TListCheckTask::~TListCheckTask()
{
    FWatcher.cancel();
    FWatcher.waitForFinished();
}

void TListCheckTask::Start(TCheckRequest request, std::function<void(TCheckBatch)> batch,
                           std::function<void()> done)
{
    Cancel();
    FBatch = std::move(batch);
    FDone = std::move(done);
    FTaken = 0;
    FBusy = true;
    FWatcher.setFuture(RunBeside(&CheckRows, std::move(request)));
}

// A cancelled check hands nothing more over: the window has moved on to other rows or settings.
void TListCheckTask::Cancel()
{
    if (!FBusy)
        return;
    FBusy = false;
    FBatch = {}, FDone = {};
    FWatcher.cancel();
    FWatcher.waitForFinished();
}

// In order, and only those ready: a batch is never waited for on the window's thread.
void TListCheckTask::TakeBatches()
{
    QFuture<TCheckBatch> future = FWatcher.future();
    while (FBusy && future.isResultReadyAt(FTaken))
        FBatch(future.resultAt(FTaken++));
}

void TListCheckTask::Finish()
{
    if (!FBusy)
        return;
    TakeBatches();
    FBusy = false;
    if (auto done = std::exchange(FDone, {}))
        done();
}

void TListCheckTask::Wait()
{
    if (!FBusy)
        return;
    FWatcher.waitForFinished();
    Finish();
}

} // namespace quillon
