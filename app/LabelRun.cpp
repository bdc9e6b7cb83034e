// A print of many labels: composing, laying out and verifying them on the thread pool.
#include "app/LabelRun.h"

#include <QProgressDialog>
#include <QPromise>
#include <QThread>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>
#include <QtConcurrent/QtConcurrentRun>
#include <atomic>
#include <exception>
#include <map>
#include <numeric>

#include "data/PictureTable.h"
#include "label/PrintBarForm.h"
#include "label/SymbolLabel.h"

namespace quillon {

namespace {

static_assert(kMaxPrintLabels <= static_cast<std::uint64_t>(TReport::kMaxRows));

// How long a run goes before its progress dialog shows.
constexpr int kProgressDelayMs = 400; // shown within half a second, mapped and painted
// Rows composed between two reports of progress, and pages one verification task takes.
constexpr std::size_t kRowsPerReport = 32;
constexpr std::size_t kPagesPerTask = 2;
// The progress bar's scale: composing takes its first half, checking the cells the second.
constexpr int kProgressSteps = 1000;

// A row as composed: its label, or why it cannot be printed.
struct TComposedRow {
    std::shared_ptr<const TLabelDrawing> Drawing{};
    TScanExpectation Expected{};
    QByteArray Picture{};
    QSize PictureSize{};
    int Copies = 1;
    std::size_t Line = 0;
    std::optional<TRunProblem> Problem{};
    std::string CutOff{};                 // the cell would cut the label off: why
    std::optional<TTypedChange> Change{}; // it prints another text than was typed
};

// The sheet of the printable rows, and which composed row each data row prints.
struct TLaidOut {
    TPreparedReport Sheet{};
    TSheetLabels Labels{};
    std::vector<TScanExpectation> Expected{};
    std::vector<std::size_t> RowOf{};
};

TComposedRow ComposeRow(const TRunRequest& request, std::size_t index)
{
    const TListRow row = request.Rows->Row(index);
    TComposedRow composed{.Copies = row.Copies, .Line = row.Line};
    if (!row.Problem.empty()) {
        composed.Problem = TRunProblem{.Line = row.Line, .Kind = TProblemKind::List, .Message = row.Problem};
        return composed;
    }
    TBarcode barcode = request.Barcode; // each row encodes on a barcode of its own
    try {
        TComposedLabel label =
            ComposeLabelFor(barcode, request.Compose, row.Code, RowCaptions(request.Captions, row));
        composed.Picture = TPictureTable::StoredPicture(label.Picture);
        composed.PictureSize = label.Picture.size();
        composed.Drawing = std::move(label.Drawing);
        composed.Expected = std::move(label.Expected);
        if (!request.Compose.Symbol)
            composed.Change = TypedChange(row.Code, barcode);
        if (!label.Fit.Fits)
            composed.CutOff = std::move(label.Fit.Message);
    } catch (const SymbolException& e) {
        composed.Problem = TRunProblem{.Line = row.Line,
                                       .Kind = TProblemKind::Symbol,
                                       .Message = e.what(),
                                       .SymbolError = e.Error(),
                                       .Gs1Fault = e.Gs1Fault()};
    } catch (const std::exception& e) {
        composed.Problem = TRunProblem{.Line = row.Line, .Kind = TProblemKind::Engine, .Message = e.what()};
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
    std::vector<TComposedRow> rows(count);
    std::vector<std::size_t> indices(count);
    std::iota(indices.begin(), indices.end(), std::size_t{0});
    std::atomic<std::size_t> done{0};
    promise.setProgressValueAndText(0, request.ComposingText);
    const TPlaceLentToPool lent;
    QtConcurrent::blockingMap(LabelWorkPool(), indices, [&](std::size_t index) {
        if (promise.isCanceled())
            return;
        rows[index] = ComposeRow(request, index);
        const std::size_t finished = ++done;
        if (finished % kRowsPerReport == 0)
            promise.setProgressValue(ProgressOf(finished, count, 0, kProgressSteps / 2));
    });
    return rows;
}

// Every copy of every printable row, in the order of the rows, from the start position on.
TLaidOut LayOut(const TRunRequest& request, const std::vector<TComposedRow>& rows)
{
    TLaidOut laid;
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
    TPrintBarForm form; // the window's sheet, laid out apart from the report the window shows
    ApplySheetSettings(form, request.Sheet);
    laid.Sheet = PrepareSheet(form, static_cast<int>(laid.Labels.size()));
    return laid;
}

// The pages [first, last) of the sheet as a sheet of their own, their data rows still the sheet's.
TPreparedReport PagesOf(const TPreparedReport& sheet, std::size_t first, std::size_t last)
{
    TPreparedReport part{.Pages = {},
                         .PaperSize = sheet.PaperSize,
                         .Orientation = sheet.Orientation,
                         .PaperWidthTenths = sheet.PaperWidthTenths,
                         .PaperLengthTenths = sheet.PaperLengthTenths,
                         .PixelsPerInch = sheet.PixelsPerInch};
    part.Pages.assign(sheet.Pages.begin() + static_cast<std::ptrdiff_t>(first),
                      sheet.Pages.begin() + static_cast<std::ptrdiff_t>(last));
    return part;
}

void Merge(TSheetVerification& whole, TSheetVerification part, std::size_t firstPage)
{
    whole.Labels += part.Labels;
    whole.Checked += part.Checked;
    whole.ReadBack += part.ReadBack;
    whole.DistinctCells += part.DistinctCells;
    for (TCellFailure& failure : part.Failures) {
        failure.Page += firstPage;
        whole.Failures.push_back(std::move(failure));
    }
}

// VerifySheet, a few pages to a task: a cell's proof looks at its own page only.
TSheetVerification VerifyPages(QPromise<TRunResult>& promise, const TRunRequest& request,
                               const TLaidOut& laid)
{
    const std::size_t pages = laid.Sheet.Pages.size();
    std::vector<std::size_t> firsts;
    for (std::size_t first = 0; first < pages; first += kPagesPerTask)
        firsts.push_back(first);
    std::vector<TSheetVerification> parts(firsts.size());
    std::vector<std::exception_ptr> failures(firsts.size());
    std::atomic<std::size_t> done{0};
    promise.setProgressValueAndText(kProgressSteps / 2, request.CheckingText);
    const TPlaceLentToPool lent;
    QtConcurrent::blockingMap(LabelWorkPool(), firsts, [&](std::size_t first) {
        if (promise.isCanceled())
            return;
        const std::size_t task = first / kPagesPerTask;
        try {
            parts[task] = VerifySheet(PagesOf(laid.Sheet, first, std::min(pages, first + kPagesPerTask)),
                                      laid.Labels, laid.Expected, request.Compose.Dpi);
        } catch (...) {
            failures[task] = std::current_exception();
        }
        promise.setProgressValue(ProgressOf(++done, firsts.size(), kProgressSteps / 2, kProgressSteps / 2));
    });
    for (const std::exception_ptr& failure : failures)
        if (failure)
            std::rethrow_exception(failure);
    TSheetVerification whole{.Dpi = request.Compose.Dpi};
    for (std::size_t task = 0; task < parts.size(); ++task)
        Merge(whole, std::move(parts[task]), firsts[task]);
    return whole;
}

// The rows of a cell that does not read are left out, every copy of them, with the first reason found.
bool LeaveOutUnreadable(std::vector<TComposedRow>& rows, const TLaidOut& laid,
                        const TSheetVerification& verified)
{
    bool any = false;
    for (const TCellFailure& failure : verified.Failures) {
        TComposedRow& row = rows[laid.RowOf[static_cast<std::size_t>(failure.Row)]];
        if (row.Problem)
            continue;
        row.Problem = TRunProblem{.Line = row.Line, .Kind = TProblemKind::Scan, .Message = failure.Reason};
        any = true;
    }
    return any;
}

// Stand-ins for the labels' bitmaps, one per data row: the cells are drawn from the drawings, and the
// renderer only sizes each cell's picture by them. Rows of one size share one image.
std::vector<QImage> PictureSizes(const std::vector<TComposedRow>& rows, const TLaidOut& laid)
{
    std::map<std::pair<int, int>, QImage> bySize;
    std::vector<QImage> pictures;
    pictures.reserve(laid.RowOf.size());
    for (const std::size_t index : laid.RowOf) {
        const QSize size = rows[index].PictureSize;
        QImage& picture = bySize[{size.width(), size.height()}];
        if (picture.isNull())
            picture = QImage(size, QImage::Format_Mono);
        pictures.push_back(picture);
    }
    return pictures;
}

TRunResult ResultOf(std::vector<TComposedRow>& rows, TLaidOut laid, TSheetVerification verified)
{
    TRunResult result{.Rows = rows.size()};
    result.PictureSizes = PictureSizes(rows, laid);
    result.Pictures.reserve(laid.RowOf.size());
    result.Lines.reserve(laid.RowOf.size());
    for (const std::size_t index : laid.RowOf) {
        result.Pictures.push_back(rows[index].Picture); // copies share the bytes
        result.Lines.push_back(rows[index].Line);
    }
    for (TComposedRow& row : rows) {
        if (row.Problem)
            result.LeftOut.push_back(std::move(*row.Problem));
        else if (!row.CutOff.empty())
            result.CutOff.push_back({.Line = row.Line, .Kind = TProblemKind::Scan, .Message = row.CutOff});
        if (!row.Problem && row.Change)
            result.Changed.push_back({.Line = row.Line,
                                      .Kind = TProblemKind::Changed,
                                      .Message = TypedChangeMessage(*row.Change),
                                      .Change = row.Change});
    }
    result.Sheet = std::move(laid.Sheet);
    result.Labels = std::move(laid.Labels);
    result.Expected = std::move(laid.Expected);
    result.Verification = std::move(verified);
    return result;
}

} // namespace

QThreadPool* LabelWorkPool()
{
    static QThreadPool pool;
    return &pool;
}

void RunLabels(QPromise<TRunResult>& promise, const TRunRequest& request)
{
    promise.setProgressRange(0, kProgressSteps);
    try {
        std::vector<TComposedRow> rows = ComposeRows(promise, request);
        if (promise.isCanceled())
            return;
        TLaidOut laid = LayOut(request, rows);
        TSheetVerification verified = VerifyPages(promise, request, laid);
        if (promise.isCanceled())
            return;
        // The rows that do not read are left out, and the others checked again where they now print.
        if (LeaveOutUnreadable(rows, laid, verified)) {
            laid = LayOut(request, rows);
            verified = VerifyPages(promise, request, laid);
            if (promise.isCanceled())
                return;
        }
        promise.addResult(ResultOf(rows, std::move(laid), std::move(verified)));
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
    FWatcher.setFuture(QtConcurrent::run(LabelWorkPool(), &RunLabels, std::move(request)));
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
