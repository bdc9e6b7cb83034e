// The page flow: where each cell lands, when a column or page breaks, and where the footer goes.
#include <gtest/gtest.h>

#include <algorithm>

#include "LabelSheet.h"
#include "report/PageFlow.h"

namespace quillon {
namespace {

using testing::CellsOf;
using testing::MakeLabelSheet;

TEST(PageFlow, OneCellFitsAboveTheFooterReserveAndSixteenRowsLeaveRoomForFifteenPerColumn)
{
    // 464 design pixels are 2728 tenths after rounding; 2735 are available above the reserve of 35.28.
    auto one = MakeLabelSheet({.Columns = 1, .Rows = 1});
    TPageFlow flow(one->Report);
    EXPECT_EQ(flow.AvailableSpace(), 0) << "no page yet";
    flow.PlaceBand(*one->Cell, 0);
    EXPECT_NEAR(flow.FooterReserve(), 35.28, 0.005);
    EXPECT_EQ(std::pair(flow.PageCount(), flow.AvailableSpace()), std::pair(1, 2735 - 2728));
    // 29 design pixels are 170.51 tenths: each cell advances 171, and after 15 only 170 are left.
    auto sixteen = MakeLabelSheet({.Columns = 1, .Rows = 16});
    TPageFlow flow16(sixteen->Report);
    for (int row = 0; row < 15; ++row)
        flow16.PlaceBand(*sixteen->Cell, row);
    EXPECT_EQ(std::pair(flow16.CurrentY(), flow16.AvailableSpace()), std::pair(2665, 170));
    flow16.PlaceBand(*sixteen->Cell, 15);
    EXPECT_EQ(std::pair(flow16.PageCount(), flow16.CurrentY()), std::pair(2, 100 + 171));
}

TEST(PageFlow, TwoColumnsOfSixteenRowsGiveThirtyLabelsThenTwo)
{
    auto sheet = MakeLabelSheet({.Columns = 2, .Rows = 16});
    const TPreparedReport prepared = sheet->Report.PrepareRun(32);
    ASSERT_EQ(prepared.Pages.size(), 2u);
    const auto first = CellsOf(prepared.Pages[0]);
    const auto second = CellsOf(prepared.Pages[1]);
    ASSERT_EQ(first.size(), 30u);
    ASSERT_EQ(second.size(), 2u);
    // Rows 0..14 go down column 1, rows 15..29 down column 2 at x = 100 + 940 + 20.
    EXPECT_EQ(first[14].Frame.Top, 100 + 14 * 171);
    EXPECT_EQ(std::pair(first[15].Frame.Left, first[15].Frame.Top), std::pair(1060.0, 100.0));
    EXPECT_EQ(std::tuple(second[1].Row, second[1].Frame.Left, second[1].Frame.Top),
              std::tuple(31, 100.0, 271.0));
    for (const TPreparedPage& page : prepared.Pages) {
        ASSERT_EQ(page.Bands.back().Kind, TBandKind::PageFooter);
        EXPECT_EQ(page.Bands.back().Frame.Top, 2835) << "round(2970 - 100 - 35.28), flush with the margin";
    }
}

// Top and bottom margin in mm, the one row count that does not fit on one page (0 for none): at the
// initial margins all but 16 rows fit.
constexpr std::pair<int, int> kMarginCases[] = {{10, 16}, {0, 0}, {50, 0}};

TEST(PageFlow, EveryRowCountFillsOnePageExceptSixteenAtTheInitialMargins)
{
    for (const auto& [mm, rowsOnTwoPages] : kMarginCases) {
        for (int columns = 1; columns <= 4; ++columns) {
            for (int rows = 1; rows <= 20; ++rows) {
                auto sheet = MakeLabelSheet({.Columns = columns, .Rows = rows, .TopMm = mm, .BottomMm = mm});
                ASSERT_EQ(sheet->Report.PrepareRun(columns * rows).Pages.size(),
                          rows == rowsOnTwoPages ? 2u : 1u)
                    << mm << " mm: " << columns << "x" << rows;
            }
        }
    }
}

TEST(PageFlow, FourColumnsBeginAtTheColumnStepAndFillTopDown)
{
    // Column width 460 and spacing 20 tenths; cells of 23 design pixels (135.2 tenths) advance 135.
    auto sheet = MakeLabelSheet({.Columns = 4, .Rows = 20});
    const auto cells = CellsOf(sheet->Report.PrepareRun(80).Pages.at(0));
    ASSERT_EQ(cells.size(), 80u);
    for (const auto& cell : cells) {
        EXPECT_EQ(cell.Frame.Left, 100 + cell.Row / 20 * 480) << "row " << cell.Row;
        EXPECT_EQ(cell.Frame.Top, 100 + cell.Row % 20 * 135) << "row " << cell.Row;
    }
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
