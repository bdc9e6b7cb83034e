// A print of many labels from a list or a serial run: every row composed and every printed cell read
// back on worker threads, with a progress dialog that can cancel it, while the window stays usable.
#pragma once

#include <QByteArray>
#include <QFuture>
#include <QFutureWatcher>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QProgressDialog>
#include <QPromise>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "app/LabelSource.h"
#include "app/RowLabel.h"
#include "app/ScanAdvice.h"
#include "label/compose/ZintSymbol.h"
#include "label/input/TypedChange.h"
#include "label/proof/PrintCheck.h"
#include "label/render/LabelPainter.h"
#include "label/sheet/SheetRun.h"

class QWidget;

namespace quillon {

// The most labels one print from the window makes: each is held as a drawing, and its page in the
// preview, until the preview closes (some 15 KB a label). quillon-cli streams larger runs.
inline constexpr std::uint64_t kMaxPrintLabels = 50'000;

// Everything a run needs, copied from the window when it starts: later changes to the deck do not
// reach a run under way.
struct TRunRequest {
    TBarcode Barcode{}; // the deck's: kind, module, ratio, colour, bar height, check digit
    TComposeSettings Compose{};
    TLabelCaptions Captions{}; // the switches, and the texts of rows without captions of their own
    TSheetSettings Sheet{};
    std::shared_ptr<const TLabelRows> Rows{};
    QString ComposingText{}; // the progress dialog's steps, in the interface language
    QString CheckingText{};
};

// Why a row is left out: the list's own words, the engine's or a symbol's message, or how its printed
// cell read; or, for a row printed all the same, that it prints another text than was typed, or that
// its cell cuts it off.
enum class TProblemKind : std::uint8_t { List, Engine, Symbol, Scan, Changed, CutOff };

struct TRunProblem {
    std::size_t Line = 0;
    TProblemKind Kind = TProblemKind::List;
    std::string Message{};  // the engine's own words, or the change made
    TLabelMessage Reason{}; // why a List, Scan or CutOff row does not print as it should
    std::optional<TSymbolError> SymbolError{};
    std::optional<TGs1Error> Gs1Fault{};  // the GS1 fault behind a symbol's refusal
    std::optional<TTypedChange> Change{}; // what a Changed row prints in place of what was typed
    std::optional<TScanAdvice> Advice{};  // why a Scan row does not scan, where it was found
    std::optional<TScanResult> Scan{};    // how a symbol's Scan row read
    TFault Fault = TFault::Other;         // an Engine row's refusal, and its detail
    std::string Detail{};
};

struct TRunResult {
    std::string Failure{}; // what stopped the run as a whole; nothing else holds then
    TPreparedReport Sheet{};
    TSheetLabels Labels{};                    // by data row of the sheet, one per printed label
    std::vector<TScanExpectation> Expected{}; // by data row
    std::vector<QByteArray> Pictures{};       // the picture table's PNG bytes by data row, shared by copies
    std::vector<std::size_t> Lines{};         // the source line each data row prints
    TSheetVerification Verification{};        // of the sheet, at the request's dpi
    std::vector<TRunProblem> LeftOut{};       // rows that cannot be printed, in line order
    std::vector<TRunProblem> CutOff{};        // rows printed that their cells cut off
    std::vector<TRunProblem> Changed{};       // rows printed whose text is not the typed one
    std::size_t Rows = 0;                     // the source's rows
};

// Why a row's label could not be made, called in the handler of what composing it raised.
TRunProblem ComposeFailure(std::size_t line);

// The rows by their index, one after another, for MakeRowsInOrder.
std::function<std::optional<TListRow>()> RowsOf(const TLabelRows& rows);

// Runs `work` on a thread of its own, which hands what it makes to the label library's pool and works
// beside it while it waits; the future reports its progress, results and end.
template <typename T, typename Request>
QFuture<T> RunBeside(void (*work)(QPromise<T>&, const Request&), Request request)
{
    auto promise = std::make_shared<QPromise<T>>();
    QFuture<T> future = promise->future();
    promise->start();
    std::thread([promise, work, request = std::move(request)] {
        try {
            work(*promise, request);
        } catch (...) {
            promise->setException(std::current_exception());
        }
        promise->finish();
    }).detach(); // its watcher waits for the future, not the thread
    return future;
}

// The run itself, on the calling thread and the label library's pool: rows composed (copies share one
// label and one picture), the printable ones laid out from the start position, every cell verified and
// the rows whose cells do not read left out. Reports its progress; cancelled, it ends early with no
// result.
void RunLabels(QPromise<TRunResult>& promise, const TRunRequest& request);

// A run on a worker thread, its progress dialog (shown when it takes 0.4 s or more) and the call
// back on the window's thread.
class TLabelRunTask : public QObject {
public:
    explicit TLabelRunTask(QWidget* window);
    ~TLabelRunTask() override;

    // Starts a run; `done` receives its result, or nothing when it was cancelled.
    void Start(TRunRequest request, const QString& cancelText,
               std::function<void(std::optional<TRunResult>)> done);
    bool Busy() const { return FBusy; }
    QProgressDialog* Progress() const { return FProgress; }
    // Takes the progress dialog down: before a question about the result, or once it is shown.
    void HideProgress();
    void Cancel();
    // Returns once the run under way has called back (tests and benchmarks).
    void Wait();

private:
    void Finish();

    QWidget* FWindow = nullptr;
    QFutureWatcher<TRunResult> FWatcher{};
    QPointer<QProgressDialog> FProgress{};
    std::function<void(std::optional<TRunResult>)> FDone{};
    bool FBusy = false;
    bool FCancelled = false;
};

} // namespace quillon
