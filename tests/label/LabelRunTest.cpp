// The run shared by the window and quillon-cli: the pool hands results back in order however its
// threads share the work, a run stops early when told, and the sheet's pages come one after another
// exactly as the whole sheet lays them out.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "label/run/LabelRun.h"
#include "tests/support/PlacedCells.h"

namespace quillon {
namespace {

// Each label cell of a page: its row counted from `first`, and its corner.
std::vector<std::tuple<std::int64_t, double, double>> Cells(const TPreparedPage& page, std::size_t first)
{
    std::vector<std::tuple<std::int64_t, double, double>> cells;
    for (const testing::TPlacedCell& cell : testing::CellsOf(page))
        cells.emplace_back(cell.Row - static_cast<std::int64_t>(first), cell.Frame.Left, cell.Frame.Top);
    return cells;
}

// Each band of a page: its kind, its row counted from `first` (-1 for none), and its corner.
std::vector<std::tuple<int, std::int64_t, double, double>> Bands(const TPreparedPage& page, std::size_t first)
{
    std::vector<std::tuple<int, std::int64_t, double, double>> bands;
    for (const TPlacedBand& band : page.Bands)
        bands.emplace_back(int(band.Kind), band.Row < 0 ? band.Row : band.Row - std::int64_t(first),
                           band.Frame.Left, band.Frame.Top);
    return bands;
}

TSheetSettings Settings(int columns, int rows, int skip, TCellOrder order)
{
    return {.Columns = columns, .Rows = rows, .SkipCells = skip, .Order = order};
}

TSheetSettings OnStock(const char* id, int skip, TCellOrder order)
{
    static const TStockCatalogue catalogue;
    return {.Stock = catalogue.Find(id).Geometry, .StockId = id, .SkipCells = skip, .Order = order};
}

// Page k alone is page k of the whole sheet, its rows counted from its first label: for a grid and a
// stock, with and without skipped cells, across the rows and down the columns.
TEST(SheetFlow, EachPageIsThatOfTheWholeSheet)
{
    const struct Row {
        int line;
        TSheetSettings settings;
        int labels;
        std::vector<std::size_t> cells; // on each page
    } rows[] = {
        {1, Settings(2, 3, 0, TCellOrder::AcrossRows), 13, {6, 6, 1}},
        {2, Settings(2, 3, 2, TCellOrder::AcrossRows), 13, {4, 6, 3}},
        {3, Settings(2, 3, 5, TCellOrder::DownColumns), 8, {1, 6, 1}},
        {4, Settings(4, 20, 77, TCellOrder::AcrossRows), 170, {3, 80, 80, 7}},
        {5, Settings(3, 4, 0, TCellOrder::DownColumns), 24, {12, 12}},
        {6, OnStock("a4-3x7-63.5x38.1", 5, TCellOrder::AcrossRows), 50, {16, 21, 13}},
        {7, OnStock("a4-3x7-63.5x38.1", 4, TCellOrder::DownColumns), 20, {17, 3}},
    };
    for (const Row& row : rows) {
        TPrintBarForm form;
        ApplySheetSettings(form, row.settings);
        const TPreparedReport whole = PrepareSheet(form, row.labels);
        ASSERT_EQ(whole.Pages.size(), row.cells.size()) << "row " << row.line;
        TSheetFlow flow(row.settings);
        for (std::size_t page = 0, first = 0; page < row.cells.size(); first += row.cells[page++]) {
            const bool last = page + 1 == row.cells.size();
            EXPECT_EQ(last ? row.cells[page] <= flow.CellsOn(page) : row.cells[page] == flow.CellsOn(page),
                      true)
                << "row " << row.line << " page " << page;
            const TPreparedReport alone = flow.Page(page, row.cells[page]);
            ASSERT_EQ(alone.Pages.size(), 1u) << "row " << row.line;
            EXPECT_EQ(Cells(alone.Pages[0], 0), Cells(whole.Pages[page], first))
                << "row " << row.line << " page " << page;
            EXPECT_EQ(Bands(alone.Pages[0], 0), Bands(whole.Pages[page], first)) << "row " << row.line;
            EXPECT_EQ(alone.Pages[0].Elements.size(), whole.Pages[page].Elements.size())
                << "row " << row.line;
        }
    }
}

TEST(SheetFlow, RefusesAPageItCannotHold)
{
    TSheetFlow flow(Settings(2, 3, 2, TCellOrder::AcrossRows));
    EXPECT_THROW((void)flow.Page(0, 5), std::exception);
    EXPECT_THROW((void)flow.Page(1, 0), std::exception);
    EXPECT_NO_THROW((void)flow.Page(1, 6));
}

// Work that takes longer the earlier it was handed over still comes back in the order handed over, and
// what a piece of work raised comes back at its place.
TEST(OrderedWork, ResultsComeInTheOrderHandedOver)
{
    TWorkPool pool(3);
    TOrderedWork<int> work(pool);
    for (int n = 0; n < 40; ++n)
        work.Submit([n] {
            std::this_thread::sleep_for(std::chrono::microseconds((40 - n) * 50));
            if (n == 30)
                throw std::runtime_error("thirty");
            return n;
        });
    for (int n = 0; n < 30; ++n)
        EXPECT_EQ(work.Take(), n);
    EXPECT_THROW((void)work.Take(), std::runtime_error);
    EXPECT_EQ(work.Take(), 31);
}

// A pool without threads of its own: the taker does all the work while it waits.
TEST(OrderedWork, TheTakerWorksWhenThePoolHasNoThreads)
{
    TWorkPool pool(0);
    TOrderedWork<std::string> work(pool);
    work.Submit([] { return std::string("a"); });
    work.Submit([] { return std::string("b"); });
    const std::string first = work.Take();
    EXPECT_EQ(first + work.Take(), "ab");
}

// Rows 1 to `count`, each made into its line; `stopAfter` rows taken at most; the source fails at `failAt`.
struct RowsRun {
    std::size_t count = 0;
    std::size_t stopAfter = 0;
    std::size_t failAt = 0; // 0: never
};

TEST(MakeRowsInOrder, TakesRowsInOrderStopsWhenToldAndRaisesWhatTheSourceRaised)
{
    const struct Row {
        int line;
        RowsRun run;
        std::size_t taken;
        bool raises;
    } rows[] = {
        {1, {.count = 3000, .stopAfter = 3000}, 3000, false},
        {2, {.count = 0, .stopAfter = 10}, 0, false},
        {3, {.count = 100000, .stopAfter = 20}, 20, false},
        {4, {.count = 1000, .stopAfter = 1000, .failAt = 700}, 699, true},
    };
    TWorkPool pool(2);
    for (const Row& row : rows) {
        std::size_t next = 0;
        std::atomic<std::size_t> made = 0;
        std::vector<std::size_t> taken;
        const auto run = [&] {
            MakeRowsInOrder<std::size_t>(
                [&]() -> std::optional<TListRow> {
                    if (next == row.run.count)
                        return std::nullopt;
                    if (++next == row.run.failAt)
                        throw std::runtime_error("cannot read");
                    return TListRow{.Line = next, .Code = {}};
                },
                [&](const TListRow& listRow) {
                    ++made;
                    return listRow.Line;
                },
                [&](std::size_t& line) {
                    taken.push_back(line);
                    return taken.size() < row.run.stopAfter;
                },
                pool);
        };
        if (row.raises)
            EXPECT_THROW(run(), std::runtime_error) << "row " << row.line;
        else
            EXPECT_NO_THROW(run()) << "row " << row.line;
        ASSERT_EQ(taken.size(), row.taken) << "row " << row.line;
        for (std::size_t n = 0; n < taken.size(); ++n)
            ASSERT_EQ(taken[n], n + 1) << "row " << row.line;
        // A run told to stop makes no more than the rows it holds ahead.
        EXPECT_LE(made.load(), row.taken + kRowsAhead + kRowsPerTask) << "row " << row.line;
    }
}

// A sink that records the pages as they are written and proved.
class RecordingSink : public TPageSink {
public:
    std::vector<std::tuple<std::size_t, std::uint64_t, std::size_t>> written{}; // page, first cell, labels
    std::vector<std::size_t> proved{};
    bool prove = true;

    TProof Write(const TRunPage& page) override
    {
        written.emplace_back(page.Index, page.FirstCell, page.Labels.size());
        if (!prove)
            return {};
        return [](const TRunPage& proof) { return TSheetVerification{.Labels = int(proof.Labels.size())}; };
    }
    void Proved(const TRunPage& page, TSheetVerification verified) override
    {
        EXPECT_EQ(verified.Labels, int(page.Labels.size()));
        proved.push_back(page.Index);
    }
};

// The cells fill page after page from the start position, each page written once the label after it
// comes or the run ends, and proved in page order.
TEST(SheetFill, WritesAndProvesPageAfterPage)
{
    const struct Row {
        int line;
        TSheetSettings settings;
        int labels;
        bool prove;
        std::vector<std::tuple<std::size_t, std::uint64_t, std::size_t>> written;
    } rows[] = {
        {1, Settings(2, 3, 2, TCellOrder::AcrossRows), 13, true, {{0, 0, 4}, {1, 4, 6}, {2, 10, 3}}},
        {2, Settings(1, 2, 0, TCellOrder::AcrossRows), 4, true, {{0, 0, 2}, {1, 2, 2}}},
        {3, Settings(2, 2, 3, TCellOrder::DownColumns), 1, false, {{0, 0, 1}}},
        {4, Settings(2, 2, 0, TCellOrder::AcrossRows), 0, true, {}},
    };
    for (const Row& row : rows) {
        RecordingSink sink;
        sink.prove = row.prove;
        TWorkPool pool(1);
        TSheetFill fill(row.settings, sink, pool);
        for (int n = 0; n < row.labels; ++n)
            fill.Add(nullptr, {}, std::size_t(n + 1), false);
        fill.Finish();
        EXPECT_EQ(sink.written, row.written) << "row " << row.line;
        std::vector<std::size_t> pages;
        for (std::size_t page = 0; row.prove && page < row.written.size(); ++page)
            pages.push_back(page);
        EXPECT_EQ(sink.proved, pages) << "row " << row.line;
        EXPECT_EQ(fill.ProvedCells(), std::uint64_t(row.labels)) << "row " << row.line;
    }
}

} // namespace
} // namespace quillon
