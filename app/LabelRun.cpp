// A print of many labels: composing, laying out and verifying them on the thread pool.
#include "app/LabelRun.h"

#include <QProgressDialog>
#include <QPromise>
#include <exception>
#include <variant>

#include "data/PictureTable.h"
#include "label/compose/SymbolLabel.h"
#include "label/run/LabelRun.h"

namespace quillon {

namespace {

static_assert(kMaxPrintLabels <= static_cast<std::uint64_t>(TReport::kMaxRows));

// How long a run goes before its progress dialog shows.
constexpr int kProgressDelayMs = 400; // shown within half a second, mapped and painted
// Rows composed between two reports of progress.
constexpr std::size_t kRowsPerReport = 32;
// The progress bar's scale: composing takes its first half, checking the cells the second.
constexpr int kProgressSteps = 1000;

// A row as composed: its label, or why it cannot be printed.
struct TComposedRow {
    std::shared_ptr<const TLabelDrawing> Drawing{};
    TScanExpectation Expected{};
    QByteArray Picture{};
    int Copies = 1;
    std::size_t Line = 0;
    std::optional<TRunProblem> Problem{};
    TLabelMessage CutOff{};               // the cell would cut the label off: why
    std::optional<TTypedChange> Change{}; // it prints another text than was typed
};

// The sheet of the printable rows, which composed row each data row prints, and how its cells read.
struct TLaidOut {
    TPreparedReport Sheet{};
    TSheetLabels Labels{};
    std::vector<TScanExpectation> Expected{};
    std::vector<std::size_t> RowOf{};
    TSheetVerification Verified{};
};

TComposedRow ComposeRow(const TRunRequest& request, const TListRow& row)
{
    TComposedRow composed{.Copies = row.Copies, .Line = row.Line};
    if (!row.Problem.Empty()) {
        composed.Problem = TRunProblem{.Line = row.Line, .Kind = TProblemKind::List, .Reason = row.Problem};
        return composed;
    }
    TBarcode barcode = request.Barcode; // each row encodes on a barcode of its own
    try {
        TComposedLabel label =
            ComposeLabelFor(barcode, request.Compose, row.Code, RowCaptions(request.Captions, row));
        composed.Picture = TPictureTable::StoredPicture(label.Picture);
        composed.Drawing = std::move(label.Drawing);
        composed.Expected = std::move(label.Expected);
        if (!request.Compose.Symbol)
            composed.Change = TypedChange(row.Code, barcode);
        if (!label.Fit.Fits)
            composed.CutOff = std::move(label.Fit.Message);
    } catch (const std::exception&) {
        composed.Problem = ComposeFailure(row.Line);
    }
    return composed;
}

int ProgressOf(std::size_t done, std::size_t total, int first, int steps)
{
    return first +
           static_cast<int>(
               total == 0 ? steps : static_cast<long long>(done) * steps / static_cast<long long>(total));
}

std::vector<TComposedRow> ComposeRows(QPromise<TRunResult>& promise, const TRunRequest& request)
{
    const std::size_t count = request.Rows->Count();
    std::vector<TComposedRow> rows;
    rows.reserve(count);
    promise.setProgressValueAndText(0, request.ComposingText);
    MakeRowsInOrder<TComposedRow>(
        RowsOf(*request.Rows), [&](const TListRow& row) { return ComposeRow(request, row); },
        [&](TComposedRow& row) {
            rows.push_back(std::move(row));
            if (rows.size() % kRowsPerReport == 0)
                promise.setProgressValue(ProgressOf(rows.size(), count, 0, kProgressSteps / 2));
            return !promise.isCanceled();
        });
    return rows;
}

// The window's sheet, page after page as the run fills it, kept whole for the preview with its rows
// counted from the sheet's first; each page is proved from its placed drawing.
class TKeptSheet : public TPageSink {
public:
    TKeptSheet(QPromise<TRunResult>& promise, TLaidOut& laid) : FPromise(promise), FLaid(laid) {}

    TProof Write(const TRunPage& page) override
    {
        if (page.Index == 0)
            FLaid.Sheet = page.Report;
        else
            FLaid.Sheet.Pages.push_back(page.Report.Pages.at(0));
        TPreparedPage& kept = FLaid.Sheet.Pages.back();
        const auto first = static_cast<std::int64_t>(page.FirstCell);
        for (TPlacedElement& element : kept.Elements)
            if (auto* image = std::get_if<TPlacedImage>(&element.Content))
                image->Row += first;
        for (TPlacedBand& band : kept.Bands)
            band.Row += band.Row >= 0 ? first : 0;
        return [dpi = FLaid.Verified.Dpi](const TRunPage& proved) {
            return VerifySheet(proved.Report, proved.Labels, proved.Expected, dpi);
        };
    }

    void Proved(const TRunPage& page, TSheetVerification verified) override
    {
        AddPageProof(FLaid.Verified, std::move(verified), page);
        FPromise.setProgressValue(ProgressOf(page.FirstCell + page.Labels.size(), FLaid.Labels.size(),
                                             kProgressSteps / 2, kProgressSteps / 2));
    }

private:
    QPromise<TRunResult>& FPromise;
    TLaidOut& FLaid;
};

// Every copy of every printable row, in the order of the rows, from the start position on, each page
// proved as it is laid out.
TLaidOut LayOut(QPromise<TRunResult>& promise, const TRunRequest& request,
                const std::vector<TComposedRow>& rows)
{
    TLaidOut laid{.Verified = {.Dpi = request.Compose.Dpi}};
    for (std::size_t index = 0; index < rows.size(); ++index) {
        const TComposedRow& row = rows[index];
        if (row.Problem)
            continue;
        for (int copy = 0; copy < row.Copies; ++copy) {
            laid.Labels.push_back(row.Drawing);
            laid.Expected.push_back(row.Expected);
            laid.RowOf.push_back(index);
        }
    }
    promise.setProgressValueAndText(kProgressSteps / 2, request.CheckingText);
    TKeptSheet kept(promise, laid);
    TSheetFill fill(request.Sheet, kept);
    for (std::size_t cell = 0; cell < laid.Labels.size() && !promise.isCanceled(); ++cell)
        fill.Add(laid.Labels[cell], laid.Expected[cell], rows[laid.RowOf[cell]].Line, false);
    if (!promise.isCanceled())
        fill.Finish();
    return laid;
}

// The rows of a cell that does not read are left out, every copy of them, with the first reason found.
bool LeaveOutUnreadable(std::vector<TComposedRow>& rows, const TLaidOut& laid)
{
    bool any = false;
    for (const TCellFailure& failure : laid.Verified.Failures) {
        TComposedRow& row = rows[laid.RowOf[static_cast<std::size_t>(failure.Row)]];
        if (row.Problem)
            continue;
        row.Problem = TRunProblem{.Line = row.Line, .Kind = TProblemKind::Scan, .Reason = failure.Reason};
        any = true;
    }
    return any;
}

TRunResult ResultOf(std::vector<TComposedRow>& rows, TLaidOut laid)
{
    TRunResult result{.Rows = rows.size()};
    result.Pictures.reserve(laid.RowOf.size());
    result.Lines.reserve(laid.RowOf.size());
    for (const std::size_t index : laid.RowOf) {
        result.Pictures.push_back(rows[index].Picture); // copies share the bytes
        result.Lines.push_back(rows[index].Line);
    }
    for (TComposedRow& row : rows) {
        if (row.Problem)
            result.LeftOut.push_back(std::move(*row.Problem));
        else if (!row.CutOff.Empty())
            result.CutOff.push_back({.Line = row.Line, .Kind = TProblemKind::CutOff, .Reason = row.CutOff});
        if (!row.Problem && row.Change)
            result.Changed.push_back({.Line = row.Line,
                                      .Kind = TProblemKind::Changed,
                                      .Message = TypedChangeMessage(*row.Change),
                                      .Change = row.Change});
    }
    result.Sheet = std::move(laid.Sheet);
    result.Labels = std::move(laid.Labels);
    result.Expected = std::move(laid.Expected);
    result.Verification = std::move(laid.Verified);
    return result;
}

} // namespace

TRunProblem ComposeFailure(std::size_t line)
{
    try {
        throw;
    } catch (const SymbolException& e) {
        return {.Line = line,
                .Kind = TProblemKind::Symbol,
                .Message = e.what(),
                .SymbolError = e.Error(),
                .Gs1Fault = e.Gs1Fault()};
    } catch (const Exception& e) {
        return {.Line = line,
                .Kind = TProblemKind::Engine,
                .Message = e.what(),
                .Fault = e.Fault(),
                .Detail = e.Detail()};
    } catch (const std::exception& e) {
        return {.Line = line, .Kind = TProblemKind::Engine, .Message = e.what()};
    }
}

std::function<std::optional<TListRow>()> RowsOf(const TLabelRows& rows)
{
    return [&rows, next = std::size_t{0}]() mutable -> std::optional<TListRow> {
        if (next == rows.Count())
            return std::nullopt;
        return rows.Row(next++);
    };
}

void RunLabels(QPromise<TRunResult>& promise, const TRunRequest& request)
{
    promise.setProgressRange(0, kProgressSteps);
    try {
        std::vector<TComposedRow> rows = ComposeRows(promise, request);
        if (promise.isCanceled())
            return;
        TLaidOut laid = LayOut(promise, request, rows);
        if (promise.isCanceled())
            return;
        // The rows that do not read are left out, and the others checked again where they now print.
        if (LeaveOutUnreadable(rows, laid)) {
            laid = LayOut(promise, request, rows);
            if (promise.isCanceled())
                return;
        }
        promise.addResult(ResultOf(rows, std::move(laid)));
    } catch (const std::exception& e) {
        promise.addResult(TRunResult{.Failure = e.what()});
    }
}

TLabelRunTask::TLabelRunTask(QWidget* window) : QObject(window), FWindow(window)
{
    connect(&FWatcher, &QFutureWatcherBase::finished, this, &TLabelRunTask::Finish);
}

TLabelRunTask::~TLabelRunTask()
{
    // The worker holds nothing of the window, but is not left running behind it.
    if (!FBusy)
        return;
    FWatcher.cancel();
    FWatcher.waitForFinished();
}

void TLabelRunTask::Start(TRunRequest request, const QString& cancelText,
                          std::function<void(std::optional<TRunResult>)> done)
{
    FDone = std::move(done);
    FBusy = true;
    FCancelled = false;
    auto* progress = new QProgressDialog(request.ComposingText, cancelText, 0, kProgressSteps, FWindow);
    // Not modal: the window stays usable, and a modal dialog would run the event loop from inside each
    // step of its bar, the end of the run among them.
    progress->setWindowModality(Qt::NonModal);
    progress->setAutoReset(false);
    progress->setAutoClose(false);
    progress->setMinimumDuration(kProgressDelayMs); // a short run never shows it
    FProgress = progress;
    connect(progress, &QProgressDialog::canceled, this, &TLabelRunTask::Cancel);
    connect(&FWatcher, &QFutureWatcherBase::progressValueChanged, progress, &QProgressDialog::setValue);
    connect(&FWatcher, &QFutureWatcherBase::progressTextChanged, progress, &QProgressDialog::setLabelText);
    FWatcher.setFuture(RunBeside(&RunLabels, std::move(request)));
}

void TLabelRunTask::Cancel()
{
    if (!FBusy)
        return;
    FCancelled = true;
    FWatcher.cancel();
}

void TLabelRunTask::Wait()
{
    if (!FBusy)
        return;
    FWatcher.waitForFinished();
    Finish();
}

void TLabelRunTask::Finish()
{
    if (!FBusy)
        return;
    FBusy = false;
    QFuture<TRunResult> future = FWatcher.future();
    std::optional<TRunResult> result;
    if (!FCancelled && !future.isCanceled() && future.resultCount() > 0)
        result = future.takeResult();
    // The dialog stays up, full, while the result is shown, so the window is never seen idle before
    // the preview opens; a question asked meanwhile hides it first (HideProgress).
    if (FProgress != nullptr && result)
        FProgress->setValue(kProgressSteps);
    if (auto done = std::exchange(FDone, {}))
        done(std::move(result));
    HideProgress();
}

void TLabelRunTask::HideProgress()
{
    if (FProgress == nullptr)
        return;
    FProgress->hide();
    FProgress->deleteLater();
    FProgress = nullptr;
}

} // namespace quillon
