// One run of many labels, shared by the window's list print and quillon-cli's bulk runs: rows made on
// one bounded pool of worker threads and handed back in their order, the sheet's pages filled one after
// another, each page written to a sink and proved on the same pool.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>
#include <utility>
#include <variant>
#include <vector>

#include "label/input/LabelList.h"
#include "label/proof/PrintCheck.h"
#include "label/render/LabelPainter.h"
#include "label/sheet/SheetRun.h"

namespace quillon {

// The worker threads every run shares, one fewer than the cores: whoever waits for a result works
// beside them meanwhile. Not Qt's global pool: Qt's own drawing borrows that one (scaling a picture on
// the window's thread waits for a free thread of it), and a run that filled it froze the window.
class TWorkPool {
public:
    explicit TWorkPool(unsigned threads);
    TWorkPool(const TWorkPool&) = delete;
    TWorkPool& operator=(const TWorkPool&) = delete;
    ~TWorkPool();

    static TWorkPool& Shared();

    // The threads run while the pool has a user, and end with the last: what Qt keeps for a thread,
    // its fonts, is freed when the thread ends, and none outlives the application that way.
    void Enter();
    void Leave();
    void Post(std::function<void()> task);
    // Runs the oldest task waiting on the calling thread; false when none waits.
    bool RunOne();

private:
    void Work(const std::stop_token& stop);
    void Stop();

    unsigned FSize = 0;
    std::mutex FUseMutex{};
    int FUsers = 0;
    std::mutex FMutex{};
    std::condition_variable_any FPosted{};
    std::deque<std::function<void()>> FTasks{};
    std::vector<std::jthread> FThreads{}; // last: stopped and joined first
};

// Work handed to the pool whose results come back in the order it was handed over, however the
// threads shared it out. The taker waits by working on the pool, so a taker on a thread of the pool
// cannot starve it.
template <typename T> class TOrderedWork {
public:
    explicit TOrderedWork(TWorkPool& pool = TWorkPool::Shared()) : FPool(pool) { FPool.Enter(); }
    TOrderedWork(const TOrderedWork&) = delete;
    TOrderedWork& operator=(const TOrderedWork&) = delete;
    // Drops the work not begun and waits for the work under way, which may use what its caller holds.
    ~TOrderedWork()
    {
        std::unique_lock lock(FState->Mutex);
        FState->Dropped = true;
        HelpUntil(lock, [this] { return FState->Running == 0; });
        lock.unlock();
        FPool.Leave();
    }

    void Submit(std::function<T()> work)
    {
        std::uint64_t index = 0;
        {
            const std::lock_guard lock(FState->Mutex);
            index = FState->First + FState->Slots.size();
            FState->Slots.emplace_back();
            ++FState->Running;
        }
        FPool.Post([state = FState, index, work = std::move(work)] { Run(*state, index, work); });
    }

    // Handed over and not yet taken.
    std::size_t Waiting() const
    {
        const std::lock_guard lock(FState->Mutex);
        return FState->Slots.size();
    }
    bool NextReady() const
    {
        const std::lock_guard lock(FState->Mutex);
        return FrontDone();
    }
    // The next result in order, once made; raises what its work raised.
    T Take()
    {
        std::unique_lock lock(FState->Mutex);
        HelpUntil(lock, [this] { return FrontDone(); });
        TSlot slot = std::move(FState->Slots.front());
        FState->Slots.pop_front();
        ++FState->First;
        lock.unlock();
        if (auto* failure = std::get_if<std::exception_ptr>(&slot))
            std::rethrow_exception(*failure);
        return std::move(std::get<T>(slot));
    }

private:
    using TSlot = std::variant<std::monostate, T, std::exception_ptr>;
    struct TState {
        std::mutex Mutex{};
        std::condition_variable Done{};
        std::deque<TSlot> Slots{}; // from result First on, made or not
        std::uint64_t First = 0;
        int Running = 0;                   // handed to the pool, not yet ended
        std::atomic<bool> Dropped = false; // read unlocked: at worst a dropped task is made for nothing
    };

    static void Run(TState& state, std::uint64_t index, const std::function<T()>& work)
    {
        TSlot slot;
        if (!state.Dropped) {
            try {
                slot = work();
            } catch (...) {
                slot = std::current_exception();
            }
        }
        const std::lock_guard lock(state.Mutex);
        if (!state.Dropped)
            state.Slots[index - state.First] = std::move(slot);
        --state.Running;
        state.Done.notify_all();
    }

    bool FrontDone() const { return !FState->Slots.empty() && FState->Slots.front().index() != 0; }

    // Works on the pool until `done` holds; when no task waits, sleeps until one of ours ends.
    template <typename Done> void HelpUntil(std::unique_lock<std::mutex>& lock, const Done& done)
    {
        while (!done()) {
            lock.unlock();
            const bool helped = FPool.RunOne();
            lock.lock();
            if (!helped && !done())
                FState->Done.wait(lock);
        }
    }

    TWorkPool& FPool;
    std::shared_ptr<TState> FState = std::make_shared<TState>();
};

// Rows made ahead of the one taken at most: enough to keep the pool busy while the taker draws a
// page, few enough that the labels held stay a few pages' worth however long the list.
inline constexpr std::size_t kRowsAhead = 512;
// Rows one task makes: fewer hand-overs, and still a steady progress count.
inline constexpr std::size_t kRowsPerTask = 8;

// The rows `next` gives, made by `make` on the pool, kRowsAhead ahead at most, and handed to `take`
// on the calling thread in their order until it says stop (false). Raises what `next` raised once the
// rows before it were taken, and what `make` raised at its row; `make` runs on several threads at once.
template <typename Made>
void MakeRowsInOrder(const std::function<std::optional<TListRow>()>& next,
                     const std::function<Made(const TListRow&)>& make, const std::function<bool(Made&)>& take,
                     TWorkPool& pool = TWorkPool::Shared())
{
    TOrderedWork<std::vector<Made>> work(pool);
    std::exception_ptr sourceFailure;
    bool exhausted = false;
    const auto handOver = [&] {
        while (!exhausted && work.Waiting() * kRowsPerTask < kRowsAhead) {
            std::vector<TListRow> rows;
            try {
                while (rows.size() < kRowsPerTask && !exhausted) {
                    std::optional<TListRow> row = next();
                    exhausted = !row;
                    if (row)
                        rows.push_back(std::move(*row));
                }
            } catch (...) {
                sourceFailure = std::current_exception();
                exhausted = true;
            }
            if (!rows.empty())
                work.Submit([&make, rows = std::move(rows)] {
                    std::vector<Made> made;
                    made.reserve(rows.size());
                    for (const TListRow& row : rows)
                        made.push_back(make(row));
                    return made;
                });
        }
    };
    handOver();
    while (work.Waiting() > 0) {
        std::vector<Made> made = work.Take();
        for (Made& one : made)
            if (!take(one))
                return;
        handOver();
    }
    if (sourceFailure)
        std::rethrow_exception(sourceFailure);
}

// The pages of a sheet of any number of labels, one after another: page k's cells are the sheet's,
// less the skipped ones on the first page, and its labels' rows count from its first (0 on).
class TSheetFlow {
public:
    explicit TSheetFlow(const TSheetSettings& settings);

    std::size_t CellsOn(std::size_t page) const { return page == 0 ? FCells - FSkip : FCells; }
    // Page `page` holding `labels` labels, 1 to CellsOn(page); fewer only on the last page.
    TPreparedReport Page(std::size_t page, std::size_t labels);

private:
    std::unique_ptr<TPrintBarForm> FForm = std::make_unique<TPrintBarForm>();
    std::size_t FCells = 0;
    std::size_t FSkip = 0;
    std::optional<TPreparedReport> FFull[2]{}; // a full first page, a full later one
};

// A page of a run as it was filled: its place in the run and, cell by cell, what it prints.
struct TRunPage {
    std::size_t Index = 0;
    std::uint64_t FirstCell = 0; // the run's cells before this page
    TPreparedReport Report{};
    TSheetLabels Labels{};
    std::vector<TScanExpectation> Expected{};
    std::vector<std::size_t> Lines{};
    std::vector<bool> Told{}; // cells whose row was reported already, whatever their reading
};

// Where the pages of a run go: the printer's preview, a PDF file. The proof it gives back for a page reads
// what it wrote; it runs on the pool, after Write, and may use what the sink holds until Finish.
class TPageSink {
public:
    using TProof = std::function<TSheetVerification(const TRunPage& page)>;
    virtual ~TPageSink() = default;

    // Writes the page; gives back its proof, or none when it is not proved.
    virtual TProof Write(const TRunPage& page) = 0;
    // A page's proof, page after page, on the calling thread.
    virtual void Proved(const TRunPage& page, TSheetVerification verified) = 0;
};

// Adds a page's proof to the run's: its failures by the run's pages and data rows.
void AddPageProof(TSheetVerification& whole, TSheetVerification page, const TRunPage& of);

// Waiting pages at most: beyond, the calling thread proves pages itself before it fills more, so that
// written pages and their labels never pile up.
inline constexpr std::size_t kPagesAwaitingProof = 4;

// The sheet as its labels come, in order: a page is written once its cells are filled and a label beyond
// it shows that it is not the last, then proved on the pool, and its labels dropped.
class TSheetFill {
public:
    TSheetFill(const TSheetSettings& settings, TPageSink& sink, TWorkPool& pool = TWorkPool::Shared());

    void Add(std::shared_ptr<const TLabelDrawing> drawing, const TScanExpectation& expected, std::size_t line,
             bool told);
    // Hands the pages proved, in order, to the sink.
    void TakeProved();
    // Writes the last page and waits for every proof; nothing when no cell was filled.
    void Finish();

    std::uint64_t Cells() const { return FCells; }
    std::uint64_t ProvedCells() const { return FProvedCells; } // the leading cells whose pages are proved

private:
    struct TWritten {
        std::shared_ptr<TRunPage> Page{};
        std::optional<TSheetVerification> Verified{};
    };

    void WritePage();
    void TakeOne();

    TSheetFlow FFlow;
    TPageSink& FSink;
    TRunPage FPage{};
    std::uint64_t FCells = 0;
    std::uint64_t FProvedCells = 0;
    TOrderedWork<TWritten> FProofs; // last: its work ends before the page it proves goes
};

} // namespace quillon
