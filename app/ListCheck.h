// The rows of a list checked as it is loaded: each composed and read back as it prints in the sheet's
// first row, on the thread pool, the window usable meanwhile; the rows that cannot be printed, will not
// scan, are cut off or print another text than typed come back in batches, in line order.
#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QPromise>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/LabelRun.h"

namespace quillon {

// What the check needs, copied from the window when it starts.
struct TCheckRequest {
    TBarcode Barcode{};
    TComposeSettings Compose{};
    TLabelCaptions Captions{};
    TPreparedReport Sheet{}; // its first row, where each label is read back
    std::shared_ptr<const TLabelRows> Rows{};
};

// The findings of the rows [First, First + Count).
struct TCheckBatch {
    std::size_t First = 0;
    std::size_t Count = 0;
    std::vector<TRunProblem> Problems{}; // will not print as they should, in line order
    std::vector<TRunProblem> Changed{};  // print another text than was typed
};

// What the check's findings depend on: a request with another key is checked anew.
std::string CheckKey(const TCheckRequest& request);

// The check itself: the rows a batch at a time, each batch's rows on the pool. A row the reader
// already refused is left to the reader's words.
void CheckRows(QPromise<TCheckBatch>& promise, const TCheckRequest& request);

// The print's rows that did not read, each with the advice the load check found for its line: the
// print's verification says only that a cell does not read.
std::vector<TRunProblem> WithCheckedAdvice(std::vector<TRunProblem> printed,
                                           const std::vector<TRunProblem>& checked);

class TListCheckTask : public QObject {
public:
    explicit TListCheckTask(QObject* parent);
    ~TListCheckTask() override;

    // Starts a check, cancelling the one under way; `batch` receives each batch on the window's thread,
    // `done` follows the last (not after a cancel).
    void Start(TCheckRequest request, std::function<void(TCheckBatch)> batch, std::function<void()> done);
    void Cancel();
    bool Busy() const { return FBusy; }
    // Returns once the check under way has handed over every batch (tests and benchmarks).
    void Wait();

private:
    void TakeBatches();
    void Finish();

    QFutureWatcher<TCheckBatch> FWatcher{};
    std::function<void(TCheckBatch)> FBatch{};
    std::function<void()> FDone{};
    int FTaken = 0;
    bool FBusy = false;
};

} // namespace quillon
