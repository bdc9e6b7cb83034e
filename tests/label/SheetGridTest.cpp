// The sheet is the grid the window shows: every rows value puts exactly that many cells in each column
// of one page for every pair of top and bottom margins, and a stock's labels lie at its pitch.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "label/sheet/SheetRun.h"
#include "tests/support/ExpectMessage.h"
#include "tests/support/PlacedCells.h"

namespace quillon {
namespace {

using testing::CellsOf;
using testing::TPlacedCell;

const TLabelStock& Stock(const char* id)
{
    static const TStockCatalogue catalogue;
    return catalogue.Find(id);
}

// Columns x rows cells and one cell more: the first page holds columns x rows, each column begins at
// the top margin after exactly `rows` cells, the columns one step apart from the left margin, the rows
// one pitch apart, and every cell stays above the credit line.
void ExpectFullColumns(TPrintBarForm& form, const TSheetSettings& settings, const std::string& tag)
{
    ApplySheetSettings(form, settings);
    const auto rows = std::size_t(settings.Rows), count = std::size_t(settings.Columns) * rows;
    const TPreparedReport prepared = PrepareSheet(form, int(count) + 1);
    ASSERT_EQ(prepared.Pages.size(), 2u) << tag;
    const std::vector<TPlacedCell> cells = CellsOf(prepared.Pages[0]);
    ASSERT_EQ(cells.size(), count) << tag;
    const double pitch = rows > 1 ? cells[1].Frame.Top - cells[0].Frame.Top : 0;
    const double step = count > rows ? cells[rows].Frame.Left - cells[0].Frame.Left : 0;
    ASSERT_TRUE(count == rows || step >= cells[0].Frame.Width) << tag << ": the next column";
    for (std::size_t i = 0; i < count; ++i)
        ASSERT_EQ(std::pair(cells[i].Frame.Left, cells[i].Frame.Top),
                  std::pair(settings.LeftMm * 10.0 + double(i / rows) * step,
                            settings.TopMm * 10.0 + double(i % rows) * pitch))
            << tag << ", cell " << i;
    const TRectTenths& last = cells[rows - 1].Frame;
    ASSERT_LE(last.Top + last.Height, prepared.Pages[0].Bands.back().Frame.Top + 0.5)
        << tag << ": above the footer";
}

// Every rows value with every pair of top and bottom margins, on one to four columns.
TEST(SheetGrid, EveryRowsValueFillsItsColumnsForEveryTopAndBottomMargin)
{
    TPrintBarForm form;
    for (int rows = 1; rows <= 20; ++rows)
        for (int top = 0; top <= 50; ++top)
            for (int bottom = 0; bottom <= 50; ++bottom) {
                const int columns = 1 + (top + bottom) % 4;
                ExpectFullColumns(form, {.Columns = columns, .Rows = rows, .TopMm = top, .BottomMm = bottom},
                                  std::to_string(columns) + " x " + std::to_string(rows) + ", " +
                                      std::to_string(top) + "/" + std::to_string(bottom) + " mm");
            }
    for (int rows = 1; rows <= 20; ++rows)
        for (int mm = 0; mm <= 50; mm += 5)
            ExpectFullColumns(form,
                              {.Columns = 1 + rows % 4,
                               .Rows = rows,
                               .TopMm = mm,
                               .BottomMm = 50 - mm,
                               .Paper = TPaperSize::Letter},
                              "Letter, " + std::to_string(rows) + " rows, " + std::to_string(mm) + " mm");
}

TEST(SheetGrid, AStocksLabelsLieAtItsPitchAndThePictureFillsEachLabel)
{
    TPrintBarForm form;
    // Down the columns, the flow's own order, so that a data row tells its place.
    ApplySheetSettings(form, {.Columns = 1,
                              .Rows = 20,
                              .Stock = Stock("letter-3x10-66.7x25.4").Geometry,
                              .Order = TCellOrder::DownColumns});
    const TPreparedReport prepared = PrepareSheet(form, 31);
    ASSERT_EQ(prepared.Pages.size(), 2u);
    EXPECT_EQ(prepared.PaperSize, TPaperSize::Letter);
    const std::vector<TPlacedCell> cells = CellsOf(prepared.Pages[0]);
    ASSERT_EQ(cells.size(), 30u);
    for (const TPlacedCell& cell : cells) {
        const double column = double(cell.Row / 10), row = double(cell.Row % 10);
        EXPECT_NEAR(cell.Frame.Left, 47.625 + column * 698.5, 0.05) << cell.Row;
        EXPECT_NEAR(cell.Frame.Top, 127 + row * 254, 1e-9) << cell.Row;
        EXPECT_NEAR(cell.Frame.Width, 666.75, 0.05) << cell.Row;
        EXPECT_EQ(cell.Frame.Height, 254) << cell.Row;
    }
    for (const TPreparedPage& page : prepared.Pages)
        EXPECT_EQ(page.Bands.back().Kind, TBandKind::SubDetail) << "no credit line over the labels";
    // Back to a sheet by margins: the credit line and the flow return.
    ApplySheetSettings(form, {.Columns = 2, .Rows = 3});
    const TPreparedReport custom = PrepareSheet(form, 6);
    EXPECT_EQ(custom.Pages.at(0).Bands.back().Kind, TBandKind::PageFooter);
    EXPECT_EQ(CellsOf(custom.Pages[0]).at(3).Frame.Left, 100 + 940 + 20);
}

TEST(SheetGrid, SettingsOutsideTheirRangesAreRefusedAndChangeNothing)
{
    TStockGeometry tooWide = Stock("a4-3x7-63.5x38.1").Geometry;
    tooWide.LeftMargin = 1500;
    TStockGeometry fiveColumns = tooWide;
    fiveColumns.Columns = 5;
    const struct {
        int line;
        TSheetSettings settings;
        std::string message;
    } rows[] = {
        {1, {.Stock = tooWide}, "Label stock: 3 columns reach 210.58 mm across paper 210.00 mm wide"},
        {2, {.Stock = fiveColumns}, "Label stock: columns out of range: 5 (1 to 4)"},
        {3, {.Columns = 2, .Rows = 16, .SkipCells = 32}, "Cells to skip out of range: 32 (0 to 31)"},
        {4,
         {.Stock = Stock("letter-3x10-66.7x25.4").Geometry, .SkipCells = -1},
         "Cells to skip out of range: -1 (0 to 29)"},
        {5, {.Paper = TPaperSize::Custom}, "Paper out of range: custom (a4, letter)"},
        {6, {.Rows = 21}, "Rows out of range: 21 (1 to 20)"},
    };
    for (const auto& row : rows) {
        TPrintBarForm form;
        EXPECT_EQ(testing::MessageOf([&] { ApplySheetSettings(form, row.settings); }), row.message)
            << "row " << row.line;
        EXPECT_EQ(form.qr().Page().Columns(), TPrintBarForm::kInitialColumns) << "row " << row.line;
        EXPECT_FALSE(form.qr().CellGrid()) << "row " << row.line;
        EXPECT_EQ(form.qr().SkipRows(), 0) << "row " << row.line;
    }
}

} // namespace
} // namespace quillon
