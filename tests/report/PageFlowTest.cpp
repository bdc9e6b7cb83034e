// The page flow: where each cell lands, when a column or page breaks, and where the footer goes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>

#include "LabelSheet.h"
#include "report/PageFlow.h"

namespace quillon {
namespace {

using testing::CellsOf;
using testing::MakeLabelSheet;

// 464 design pixels are 2728 tenths after rounding; 2735 are available above the reserve of 35.28. (Bands
// that leave no room at all: ABandThatFitsExactlyStaysInItsColumn.)
TEST(PageFlow, OneCellFitsAboveTheFooterReserve)
{
    auto one = MakeLabelSheet({.Columns = 1, .Rows = 1});
    one->Cell->SetHeight(464);
    TPageFlow flow(one->Report);
    EXPECT_EQ(flow.AvailableSpace(), 0) << "no page yet";
    flow.PlaceBand(*one->Cell, 0);
    EXPECT_NEAR(flow.FooterReserve(), 35.28, 0.005);
    EXPECT_EQ(std::pair(flow.PageCount(), flow.AvailableSpace()), std::pair(1, 2735 - 2728));
}

// Room in tenths, band count, tallest band in design pixels at zoom 45 (5.87963 tenths a pixel).
constexpr std::tuple<std::int32_t, int, int> kTallestBandCases[] = {
    {2735, 16, 28}, // 1 29 pixels round to 171 tenths, 16 of them 2736: one too many
    {2735, 1, 465}, // 2 2734 tenths; 466 would be 2740
    {2735, 20, 23}, // 3 135 tenths each, 2700
    {1935, 20, 16}, // 4 margins of 50 mm: 94 tenths each
    {5, 1, 0},      // 5 not even one pixel's 6 tenths
    {0, 3, 0},      // 6
};

TEST(PageFlow, TallestBandFittingIsTheLargestHeightWhoseRoundingFits)
{
    const TDesignScale scale{.ZoomPercent = 45};
    for (int no = 1; const auto& [room, count, height] : kTallestBandCases) {
        EXPECT_EQ(TallestBandFitting(scale, room, count), height) << "row " << no++;
    }
    EXPECT_EQ(EmptyColumnRoomTenths(2970, 100, 100, 35.28), 2735);
    EXPECT_EQ(EmptyColumnRoomTenths(2794, 12.5, 0, 35.28), 2747) << "the top margin rounds first, to 12";
}

// 28 design pixels are 164.63 tenths, and each band advances by its rounded 165: 2640 of the 2735 tenths.
TEST(PageFlow, SixteenRowsInTwoColumnsFillOnePageSixteenToAColumn)
{
    auto sheet = MakeLabelSheet({.Columns = 2, .Rows = 16});
    ASSERT_EQ(sheet->Cell->Height(), 28);
    const TPreparedReport prepared = sheet->Report.PrepareRun(32);
    ASSERT_EQ(prepared.Pages.size(), 1u);
    const auto cells = CellsOf(prepared.Pages[0]);
    ASSERT_EQ(cells.size(), 32u);
    for (const auto& cell : cells) {
        EXPECT_EQ(cell.Frame.Left, 100 + cell.Row / 16 * (940 + 20)) << "row " << cell.Row;
        EXPECT_EQ(cell.Frame.Top, 100 + cell.Row % 16 * 165) << "row " << cell.Row;
    }
    ASSERT_EQ(prepared.Pages[0].Bands.back().Kind, TBandKind::PageFooter);
    EXPECT_EQ(prepared.Pages[0].Bands.back().Frame.Top, 2835)
        << "round(2970 - 100 - 35.28), flush with the margin";
}

TEST(PageFlow, MarginsLargerThanThePaperAreBothSetToZero)
{
    auto sheet = MakeLabelSheet({});
    TPageModel& page = sheet->Report.Page();
    page.SetValueMm(TPageValue::LeftMargin, 150);
    page.SetValueMm(TPageValue::RightMargin, 100);
    page.SetValueMm(TPageValue::TopMargin, 290); // with the bottom 10, over 297
    const auto cells = CellsOf(sheet->Report.PrepareRun(1).Pages.at(0));
    for (TPageValue margin :
         {TPageValue::LeftMargin, TPageValue::RightMargin, TPageValue::TopMargin, TPageValue::BottomMargin})
        EXPECT_EQ(page.ValueTenths(margin), 0.0) << static_cast<int>(margin);
    EXPECT_EQ(cells.at(0).Frame.Left, 0);
    EXPECT_EQ(cells.at(0).Frame.Top, 0);
}

TEST(PageFlow, BandTallerThanThePageIsPrintedAtTheTopOfAnEmptyColumn)
{
    // 600 design pixels are 3528 tenths, more than the 2770 between the margins.
    auto sheet = MakeLabelSheet({});
    sheet->Cell->SetHeight(600);
    sheet->Image->SetHeight(600);
    const TPreparedReport prepared = sheet->Report.PrepareRun(3);
    ASSERT_EQ(prepared.Pages.size(), 3u) << "each oversized band starts a page of its own";
    for (const TPreparedPage& page : prepared.Pages) {
        EXPECT_EQ(CellsOf(page).at(0).Frame.Top, 100);
        EXPECT_NEAR(CellsOf(page).at(0).Frame.Height, 3527.8, 0.1) << "nothing is cut or scaled";
    }
}

// Rows, cell height in design pixels, print if empty, pages.
constexpr std::tuple<std::int64_t, int, bool, std::size_t> kRowCountCases[] = {
    {0, 23, true, 1},       // 1 an empty row source still prints its page with the footer
    {0, 23, false, 0},      // 2
    {10000, 23, true, 125}, // 3 80 labels a page
    {10000, 0, true, 1},    // 4 zero-height bands stack where they stand
};

TEST(PageFlow, RowCountsFromNoneToTenThousandEndOnTheirLastPage)
{
    for (int no = 1; const auto& [rows, cellHeight, printIfEmpty, pages] : kRowCountCases) {
        auto sheet = MakeLabelSheet({.Columns = 4, .Rows = 20});
        sheet->Cell->SetHeight(cellHeight);
        sheet->Report.SetCellsPerColumn(0); // as many as fit
        sheet->Report.SetPrintIfEmpty(printIfEmpty);
        const TPreparedReport prepared = sheet->Report.PrepareRun(rows);
        ASSERT_EQ(prepared.Pages.size(), pages) << "row " << no;
        if (rows > 0) {
            EXPECT_EQ(CellsOf(prepared.Pages.back()).back().Row, rows - 1) << "row " << no;
        }
        ++no;
    }
}

TEST(PageFlow, HeadersTitleAndChildTakeTheirPlaces)
{
    // At zoom 45, 10 design pixels are 59 tenths: header at 100, title at 159, column header at 218,
    // cells of 588 + 59 from 277; four fill column 1 up to 2865, the fifth goes below column 2's header.
    TReport report;
    report.Page().SetZoomPercent(45);
    report.Page().SetColumns(2);
    for (TBandKind kind : {TBandKind::PageHeader, TBandKind::Title, TBandKind::ColumnHeader})
        report.AddBand(kind).SetHeight(10);
    TBand& cell = report.AddBand(TBandKind::Detail);
    cell.SetHeight(100);
    cell.AddChild().SetHeight(10);
    const TPreparedReport prepared = report.PrepareRun(5);
    std::vector<std::pair<TBandKind, double>> placed;
    for (const TPlacedBand& band : prepared.Pages.at(0).Bands)
        placed.emplace_back(band.Kind, band.Frame.Top);
    using enum TBandKind;
    const std::vector<std::pair<TBandKind, double>> expected{
        {PageHeader, 100}, {Title, 159},        {ColumnHeader, 218}, {Detail, 277}, {Child, 865},
        {Detail, 924},     {Child, 1512},       {Detail, 1571},      {Child, 2159}, {Detail, 2218},
        {Child, 2806},     {ColumnHeader, 218}, {Detail, 277},       {Child, 865},
    };
    EXPECT_EQ(placed, expected);
}

// The 21 labels of an A4 sheet of 63.5 x 38.1 mm, 3 x 7, from (7.21, 15.15) mm at a pitch of
// 66.04 x 38.1 mm, on a report with a page footer and a child below every cell.
std::unique_ptr<testing::TLabelSheet> GridSheet()
{
    auto sheet = MakeLabelSheet({.Columns = 3, .Rows = 7});
    sheet->Image->SetAlign(TElementAlign::Client);
    sheet->Report.SetCellGrid(TCellGrid{.Columns = 3,
                                        .Rows = 7,
                                        .Left = 72.1,
                                        .Top = 151.5,
                                        .ColumnPitch = 660.4,
                                        .RowPitch = 381,
                                        .Width = 635,
                                        .Height = 381});
    return sheet;
}

TEST(PageFlow, AGridPlacesEachCellByItsIndexAndBeginsAPageAfterItsLastCell)
{
    auto sheet = GridSheet();
    sheet->Cell->AddChild().SetHeight(0);
    const TPreparedReport prepared = sheet->Report.PrepareRun(23);
    ASSERT_EQ(prepared.Pages.size(), 2u);
    for (std::size_t page = 0; page < 2; ++page) {
        const auto cells = CellsOf(prepared.Pages[page]);
        ASSERT_EQ(cells.size(), page == 0 ? 21u : 2u);
        for (std::size_t index = 0; index < cells.size(); ++index) {
            const TRectTenths& frame = cells[index].Frame;
            EXPECT_EQ(cells[index].Row, std::int64_t(page * 21 + index));
            EXPECT_DOUBLE_EQ(frame.Left, 72.1 + double(index / 7) * 660.4) << index;
            EXPECT_DOUBLE_EQ(frame.Top, 151.5 + double(index % 7) * 381) << index;
            EXPECT_EQ(std::pair(frame.Width, frame.Height), std::pair(635.0, 381.0))
                << "the picture fills the label";
        }
        EXPECT_EQ(prepared.Pages[page].Bands.back().Kind, TBandKind::PageFooter) << "the footer still flows";
    }
    // A pitch of a third of a tenth more than whole: the 20th row lies 19 pitches down, exactly.
    sheet->Report.SetCellGrid(
        TCellGrid{.Rows = 20, .Top = 127, .RowPitch = 127.0 + 1.0 / 3.0, .Height = 127});
    const auto cells = CellsOf(sheet->Report.PrepareRun(20).Pages.at(0));
    EXPECT_DOUBLE_EQ(cells.at(19).Frame.Top, 127 + 19 * (127.0 + 1.0 / 3.0));
}

// Layout, rows skipped, rows printed: the cells land where rows skipped + printed would have put them,
// and the first page holds no picture before them.
constexpr std::tuple<bool, int, int> kSkipCases[] = {
    {false, 5, 10}, // 1 the flow: cells 6 to 15 of a 2 x 16 sheet
    {false, 31, 2}, // 2 the last cell of page 1, then page 2
    {true, 5, 16},  // 3 the grid of 21
    {true, 20, 3},  // 4
    {true, 0, 21},  // 5
};

// Page, row less `skip`, left and top of every cell, pages one after another.
std::vector<std::tuple<std::size_t, std::int64_t, double, double>> Cells(const TPreparedReport& prepared,
                                                                         int skip)
{
    std::vector<std::tuple<std::size_t, std::int64_t, double, double>> all;
    for (std::size_t page = 0; page < prepared.Pages.size(); ++page)
        for (const auto& cell : CellsOf(prepared.Pages[page]))
            all.emplace_back(page, cell.Row - skip, cell.Frame.Left, cell.Frame.Top);
    return all;
}

TEST(PageFlow, SkippedRowsLeaveTheirCellsEmptyAndTheRestGoOnFromThere)
{
    for (int no = 1; const auto& [grid, skip, rows] : kSkipCases) {
        auto whole = grid ? GridSheet() : MakeLabelSheet({.Columns = 2, .Rows = 16});
        auto skipped = grid ? GridSheet() : MakeLabelSheet({.Columns = 2, .Rows = 16});
        skipped->Report.SetSkipRows(skip);
        auto expected = Cells(whole->Report.PrepareRun(skip + rows), skip);
        expected.erase(expected.begin(), expected.begin() + skip);
        EXPECT_EQ(Cells(skipped->Report.PrepareRun(rows), 0), expected) << "row " << no++;
    }
}

// Each data row's page, and the column and row of its cell there, by page and data row.
std::vector<std::tuple<std::size_t, std::int64_t, int, int>>
PlacesAcross(const TPreparedReport& prepared, const TRectTenths& first, double columnPitch, double rowPitch)
{
    std::vector<std::tuple<std::size_t, std::int64_t, int, int>> places;
    for (std::size_t page = 0; page < prepared.Pages.size(); ++page)
        for (const auto& cell : CellsOf(prepared.Pages[page]))
            places.emplace_back(page, cell.Row,
                                static_cast<int>(std::lround((cell.Frame.Left - first.Left) / columnPitch)),
                                static_cast<int>(std::lround((cell.Frame.Top - first.Top) / rowPitch)));
    std::sort(places.begin(), places.end()); // by page, then data row
    return places;
}

// Counted across the rows, as people count the labels of a sheet: start at label 5 of a 3 x 7 sheet
// leaves the first row and the first cell of the second empty; a second page begins at its top-left.
// Rows are (page, data row, column, row).
struct TOrderRow {
    int No;
    bool Grid;
    int Skip;
    int Rows;
    std::vector<std::tuple<std::size_t, std::int64_t, int, int>> Places;
};

TEST(PageFlow, AcrossTheRowsCellsFillLeftToRightThenTopToBottom)
{
    const TOrderRow rows[] = {
        {1, true, 4, 3, {{0, 0, 1, 1}, {0, 1, 2, 1}, {0, 2, 0, 2}}},
        {2, true, 0, 4, {{0, 0, 0, 0}, {0, 1, 1, 0}, {0, 2, 2, 0}, {0, 3, 0, 1}}},
        {3, true, 20, 2, {{0, 0, 2, 6}, {1, 1, 0, 0}}},
        {4, false, 3, 2, {{0, 0, 1, 1}, {0, 1, 0, 2}}}, // 2 columns of 16: places 3 and 4
    };
    for (const TOrderRow& row : rows) {
        auto sheet = row.Grid ? GridSheet() : MakeLabelSheet({.Columns = 2, .Rows = 16});
        sheet->Report.SetCellOrder(TCellOrder::AcrossRows);
        sheet->Report.SetSkipRows(row.Skip);
        const TPreparedReport prepared = sheet->Report.PrepareRun(row.Rows);
        const TRectTenths first =
            row.Grid ? TRectTenths{.Left = 72.1, .Top = 151.5} : TRectTenths{.Left = 100, .Top = 100};
        const double columnPitch = row.Grid ? 660.4 : 960;
        const double rowPitch =
            row.Grid ? 381 : sheet->Report.Page().DesignPixelsToTenths(sheet->Cell->Height());
        EXPECT_EQ(PlacesAcross(prepared, first, columnPitch, rowPitch), row.Places) << "row " << row.No;
    }
}

TEST(PageFlow, CellsPerColumnEndAColumnThatHasRoomForMore)
{
    auto sheet = MakeLabelSheet({.Columns = 2, .Rows = 3});
    sheet->Cell->SetHeight(10); // 59 tenths: dozens would fit
    const auto cells = CellsOf(sheet->Report.PrepareRun(5).Pages.at(0));
    ASSERT_EQ(cells.size(), 5u);
    EXPECT_EQ(std::pair(cells[2].Frame.Left, cells[2].Frame.Top), std::pair(100.0, 100.0 + 2 * 59));
    EXPECT_EQ(std::pair(cells[3].Frame.Left, cells[3].Frame.Top), std::pair(100.0 + 940 + 20, 100.0));
}

// At zoom 100, 96 design pixels are exactly 254 tenths; with 7.6 mm at the bottom the 2794 tenths
// between the margins hold eleven such bands with nothing to spare.
void ElevenBandsExactly(TReport& report)
{
    report.Page().SetZoomPercent(100);
    report.Page().SetValueMm(TPageValue::TopMargin, 10);
    report.Page().SetValueMm(TPageValue::BottomMargin, 7.6);
    report.AddBand(TBandKind::Detail).SetHeight(96);
}

TEST(PageFlow, ABandThatFitsExactlyStaysInItsColumn)
{
    TReport report;
    ElevenBandsExactly(report);
    TPageFlow flow(report);
    for (int row = 0; row < 10; ++row)
        flow.PlaceBand(*report.Bands().front(), row);
    EXPECT_EQ(flow.AvailableSpace(), 254);
    flow.PlaceBand(*report.Bands().front(), 10);
    EXPECT_EQ(std::pair(flow.PageCount(), flow.AvailableSpace()), std::pair(1, 0));
    EXPECT_EQ(report.PrepareRun(12).Pages.size(), 2u) << "the twelfth is one too many";
}

// Page headers and footers by page: the first page's header and the last page's footer can be left out.
TEST(PageFlow, FirstPageHeaderAndLastPageFooterCanBeLeftOut)
{
    for (const bool on : {true, false}) {
        TReport report;
        ElevenBandsExactly(report);
        report.AddBand(TBandKind::PageHeader).SetHeight(10);
        report.AddBand(TBandKind::PageFooter).SetHeight(10);
        report.SetFirstPageHeader(on);
        report.SetLastPageFooter(on);
        const TPreparedReport prepared = report.PrepareRun(20);
        ASSERT_EQ(prepared.Pages.size(), 2u) << on;
        const auto count = [](const TPreparedPage& page, TBandKind kind) {
            return std::count_if(page.Bands.begin(), page.Bands.end(),
                                 [kind](const TPlacedBand& band) { return band.Kind == kind; });
        };
        EXPECT_EQ(count(prepared.Pages[0], TBandKind::PageHeader), on ? 1 : 0);
        EXPECT_EQ(count(prepared.Pages[1], TBandKind::PageHeader), 1) << "later pages always have theirs";
        EXPECT_EQ(count(prepared.Pages[0], TBandKind::PageFooter), 1);
        EXPECT_EQ(count(prepared.Pages[1], TBandKind::PageFooter), on ? 1 : 0);
    }
}

} // namespace
} // namespace quillon
