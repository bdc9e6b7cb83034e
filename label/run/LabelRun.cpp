#include "label/run/LabelRun.h"

#include <algorithm>
#include <string>

#include "barcode/Exception.h"

namespace quillon {

TWorkPool::TWorkPool(unsigned threads) : FSize(threads) {}

TWorkPool::~TWorkPool()
{
    Stop();
}

TWorkPool& TWorkPool::Shared()
{
    // Composing and proving take a core each: more threads than cores only add switching.
    constexpr unsigned kMostThreads = 8;
    static TWorkPool pool(std::min(kMostThreads, std::max(1u, std::thread::hardware_concurrency()) - 1));
    return pool;
}

void TWorkPool::Enter()
{
    const std::lock_guard lock(FUseMutex);
    if (FUsers++ == 0)
        for (unsigned n = FSize; n > 0; --n)
            FThreads.emplace_back([this](const std::stop_token& stop) { Work(stop); });
}

void TWorkPool::Leave()
{
    const std::lock_guard lock(FUseMutex);
    if (--FUsers == 0)
        Stop();
}

void TWorkPool::Stop()
{
    for (std::jthread& thread : FThreads)
        thread.request_stop();
    FPosted.notify_all();
    FThreads.clear();
}

void TWorkPool::Post(std::function<void()> task)
{
    {
        const std::lock_guard lock(FMutex);
        FTasks.push_back(std::move(task));
    }
    FPosted.notify_one();
}

bool TWorkPool::RunOne()
{
    std::function<void()> task;
    {
        const std::lock_guard lock(FMutex);
        if (FTasks.empty())
            return false;
        task = std::move(FTasks.front());
        FTasks.pop_front();
    }
    task();
    return true;
}

void TWorkPool::Work(const std::stop_token& stop)
{
    while (true) {
        std::function<void()> task;
        {
            std::unique_lock lock(FMutex);
            if (!FPosted.wait(lock, stop, [this] { return !FTasks.empty(); }))
                return;
            task = std::move(FTasks.front());
            FTasks.pop_front();
        }
        task();
    }
}

TSheetFlow::TSheetFlow(const TSheetSettings& settings)
    : FCells(static_cast<std::size_t>(SheetCellCount(settings))),
      FSkip(static_cast<std::size_t>(settings.SkipCells))
{
    ApplySheetSettings(*FForm, settings);
}

TPreparedReport TSheetFlow::Page(std::size_t page, std::size_t labels)
{
    if (labels == 0 || labels > CellsOn(page))
        throw Exception("Page " + std::to_string(page + 1) + " cannot hold " + std::to_string(labels) +
                        " labels");
    // Only the first page skips cells; the pages after it are alike, so a full one is laid out once.
    std::optional<TPreparedReport>& full = FFull[page == 0 ? 0 : 1];
    if (labels == CellsOn(page) && full)
        return *full;
    FForm->ApplySkip(page == 0 ? static_cast<int>(FSkip) : 0);
    TPreparedReport laid = PrepareSheet(*FForm, static_cast<int>(labels));
    laid.Pages.resize(1);
    if (labels == CellsOn(page))
        full = laid;
    return laid;
}

void AddPageProof(TSheetVerification& whole, TSheetVerification page, const TRunPage& of)
{
    whole.Dpi = page.Dpi;
    whole.Labels += page.Labels;
    whole.Checked += page.Checked;
    whole.ReadBack += page.ReadBack;
    whole.DistinctCells += page.DistinctCells;
    for (TCellFailure& failure : page.Failures) {
        failure.Page += of.Index;
        failure.Row += static_cast<std::int64_t>(of.FirstCell);
        whole.Failures.push_back(std::move(failure));
    }
}

TSheetFill::TSheetFill(const TSheetSettings& settings, TPageSink& sink, TWorkPool& pool)
    : FFlow(settings), FSink(sink), FProofs(pool)
{
}

void TSheetFill::Add(std::shared_ptr<const TLabelDrawing> drawing, const TScanExpectation& expected,
                     std::size_t line, bool told)
{
    if (FPage.Labels.size() == FFlow.CellsOn(FPage.Index))
        WritePage();
    FPage.Labels.push_back(std::move(drawing));
    FPage.Expected.push_back(expected);
    FPage.Lines.push_back(line);
    FPage.Told.push_back(told);
    ++FCells;
    while (FProofs.Waiting() > kPagesAwaitingProof)
        TakeOne();
}

void TSheetFill::WritePage()
{
    FPage.Report = FFlow.Page(FPage.Index, FPage.Labels.size());
    auto page = std::make_shared<TRunPage>(std::move(FPage));
    FPage = TRunPage{.Index = page->Index + 1, .FirstCell = FCells};
    TPageSink::TProof proof = FSink.Write(*page);
    FProofs.Submit([page, proof = std::move(proof)] {
        return TWritten{.Page = page, .Verified = proof ? std::optional(proof(*page)) : std::nullopt};
    });
}

void TSheetFill::TakeOne()
{
    TWritten written = FProofs.Take();
    FProvedCells = written.Page->FirstCell + written.Page->Labels.size();
    if (written.Verified)
        FSink.Proved(*written.Page, std::move(*written.Verified));
}

void TSheetFill::TakeProved()
{
    while (FProofs.NextReady())
        TakeOne();
}

void TSheetFill::Finish()
{
    if (!FPage.Labels.empty())
        WritePage();
    while (FProofs.Waiting() > 0)
        TakeOne();
}

} // namespace quillon
