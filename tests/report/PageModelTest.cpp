// Design pixels and millimetres, the column layout rule and the refusal of bad values.
#include <gtest/gtest.h>

#include <limits>

#include "LabelSheet.h"

namespace quillon {
namespace {

struct ColumnLayoutCase {
    int columns;
    int designPixels;
    double mm;
};

// Column widths at the initial margins (34 design pixels) and spacing (3 design pixels).
constexpr ColumnLayoutCase kColumnLayoutCases[] = {
    {1, 323, 189.91},
    {2, 160, 94.07},
    {3, 105, 61.74},
    {4, 78, 45.86},
};

TEST(ColumnLayout, SharesTheWidthBetweenTheMarginsAtOnceOnAChange)
{
    TReport report;
    report.Page().SetZoomPercent(45);
    TBand& cell = report.AddBand(TBandKind::SubDetail);
    const TBand& child = cell.AddChild();
    const TBand& footer = report.AddBand(TBandKind::PageFooter);
    for (const ColumnLayoutCase& c : kColumnLayoutCases) {
        report.Page().SetColumns(c.columns);
        EXPECT_EQ(cell.Width(), c.designPixels) << c.columns << " columns";
        EXPECT_NEAR(report.Page().DesignPixelsToTenths(cell.Width()) / 10.0, c.mm, 0.01) << c.columns;
        EXPECT_NEAR(report.Page().TenthsToDesignPixels(c.mm * 10.0), c.designPixels, 0.01) << c.columns;
        EXPECT_EQ(child.Width(), c.designPixels) << "a child is as wide as its parent";
        EXPECT_EQ(footer.Width(), 323) << "the footer spans the page between the margins";
    }
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct BadValueCase {
    int row;
    std::function<void(TReport&)> apply;
    const char* message;
};

TEST(PageModel, RefusesBadValuesWithAClearMessageAndKeepsTheRest)
{
    const BadValueCase cases[] = {
        {1, [](TReport& r) { r.Page().SetColumns(0); }, "Columns out of range: 0 (1 to 100)"},
        {2, [](TReport& r) { r.Page().SetValueMm(TPageValue::Width, 0); },
         "Paper width in mm out of range: 0 (greater than 0)"},
        {3, [](TReport& r) { r.Page().SetValueMm(TPageValue::LeftMargin, -1); },
         "Left margin in mm out of range: -1 (0 to 10000)"},
        {4, [](TReport& r) { r.Page().SetValueMm(TPageValue::TopMargin, kNaN); },
         "Top margin in mm out of range: nan (0 to 10000)"},
        {5, [](TReport& r) { r.Page().SetZoomPercent(0); }, "Zoom out of range: 0 (10 to 1000)"},
        {6, [](TReport&) { (void)TPageModel::PageValueFromIndex(7); },
         "Page value index out of range: 7 (0 to 6)"},
        {7, [](TReport& r) { r.AddBand(TBandKind::Detail).SetHeight(-1); },
         "Band height out of range: -1 (0 to 100000)"},
        {8, [](TReport& r) { r.AddBand(TBandKind::Detail).AddImage().SetWidth(100001); },
         "Element width out of range: 100001 (0 to 100000)"},
        {9,
         [](TReport& r) {
             r.AddBand(TBandKind::PageFooter).AddLabel().SetFont({.Family = "x", .PointSize = 0});
         },
         "Font point size out of range: 0 (1 to 1000)"},
        {10, [](TReport& r) { (void)r.PrepareRun(-1); }, "Row count out of range: -1 (0 to 1000000)"},
        {11, [](TReport& r) { (void)r.PrepareRun(1000001); },
         "Row count out of range: 1000001 (0 to 1000000)"},
        {12, [](TReport& r) { r.SetSkipRows(-1); }, "Rows to skip out of range: -1 (0 to 1000000)"},
        {13, [](TReport& r) { r.SetCellsPerColumn(-1); }, "Cells per column out of range: -1 (0 to 100000)"},
        {14, [](TReport& r) { r.SetCellGrid(TCellGrid{.Columns = 0}); },
         "Grid columns out of range: 0 (1 to 100)"},
        {15, [](TReport& r) { r.SetCellGrid(TCellGrid{.RowPitch = kNaN}); },
         "Grid row pitch in tenths of a mm out of range: nan (0 to 100000)"},
        {16, [](TReport&) { (void)PaperFromName("legal"); }, "Unknown paper: legal (a4, letter)"},
    };
    for (const BadValueCase& c : cases) {
        TReport report;
        EXPECT_EQ(testing::MessageOf([&] { c.apply(report); }), c.message) << "row " << c.row;
        EXPECT_DOUBLE_EQ(report.Page().ValueMm(TPageValue::TopMargin), 10.0) << "row " << c.row;
        EXPECT_EQ(report.Page().Columns(), 1) << "row " << c.row;
        EXPECT_FALSE(report.CellGrid()) << "row " << c.row;
    }
}

TEST(PageModel, LetterPaperIsEightAndAHalfByElevenInchesAndTurnsWithTheOrientation)
{
    TPageModel page;
    page.SetPaperSize(PaperFromName("LETTER"));
    EXPECT_EQ(std::pair(page.ValueTenths(TPageValue::Width), page.ValueTenths(TPageValue::Length)),
              std::pair(2159.0, 2794.0));
    page.SetOrientation(TOrientation::Landscape);
    EXPECT_EQ(page.ValueTenths(TPageValue::Width), 2794.0);
    page.SetPaperSize(TPaperSize::A4);
    EXPECT_EQ(page.ValueTenths(TPageValue::Width), 2970.0) << "A4 lies on its side too";
}

} // namespace
} // namespace quillon
