// quillon-cli's sheet geometry: the grid, the label stock, the paper and the start position reach the
// prepared sheet, the printer's correction the PDF; stocks and calibration as a script sees them. (The
// geometry itself on paper: label/SheetPdfTest.)
#include <gtest/gtest.h>

#include <QImage>
#include <QStringList>
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "RunCli.h"
#include "cli/CliOptions.h"
#include "cli/Commands.h"
#include "label/sheet/SheetRun.h"
#include "tests/support/PdfRaster.h"
#include "tests/support/PlacedCells.h"

namespace quillon {
namespace {

using testing::CliRun;
using testing::RunCli;

cli::CliOptions SheetOptions(std::vector<std::string> args)
{
    args.insert(args.begin(), "sheet");
    args.insert(args.end(), {"-o", "s.pdf", "6212236011840"});
    return cli::ParseCommandLine(args);
}

struct GridRow {
    int line = 0;
    std::vector<std::string> args;
    TPaperSize paper = TPaperSize::A4;
    int labels = 0;           // labelled cells on the one page
    double firstLeftMm = 0.0; // the first label's top-left corner on the paper
    double firstTopMm = 0.0;
};

// The grid, the margins and the paper reach the sheet; with five cells of a stock skipped the first label
// takes the sixth, the first column's sixth row, 5 x 38.1 mm below the stock's published corner.
const GridRow kGrids[] = {
    {1, {"--columns", "3", "--rows", "5", "--margins", "15,10,15,10"}, TPaperSize::A4, 15, 10, 15},
    {2, {"--paper", "letter", "--columns", "4", "--rows", "20"}, TPaperSize::Letter, 80, 10, 10},
    {3,
     {"--stock", "a4-3x7-63.5x38.1", "--paper", "a4", "--skip", "5", "--order", "down"},
     TPaperSize::A4,
     16,
     7.21,
     205.65},
};

TEST(SheetGeometry, TheGridAndTheStockReachThePreparedSheet)
{
    for (const GridRow& row : kGrids) {
        SCOPED_TRACE(row.line);
        const cli::CliOptions options = SheetOptions(row.args);
        const TSheetSettings settings = cli::SheetSettingsFrom(options);
        const TPreparedReport sheet = cli::PrepareSheetFor(options, SheetCellCount(settings) - options.skip);
        ASSERT_EQ(sheet.Pages.size(), 1u);
        EXPECT_EQ(sheet.PaperSize, row.paper);
        std::vector<testing::TPlacedCell> cells = testing::CellsOf(sheet.Pages[0]);
        std::erase_if(cells, [](const testing::TPlacedCell& cell) { return cell.Row < 0; });
        ASSERT_EQ(static_cast<int>(cells.size()), row.labels);
        EXPECT_NEAR(cells[0].Frame.Left, row.firstLeftMm * 10, 0.01);
        EXPECT_NEAR(cells[0].Frame.Top, row.firstTopMm * 10, 0.01);
    }
}

// The top-left corner of all the ink on a page, in pixels.
QPoint InkCorner(const QImage& page)
{
    QPoint corner(page.width(), page.height());
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < std::min(page.width(), corner.x() + 1); ++x)
            if (qGray(page.pixel(x, y)) < 128) {
                corner = QPoint(std::min(corner.x(), x), std::min(corner.y(), y));
                break;
            }
    return corner;
}

class SheetCommands : public testing::CliFiles {
protected:
    // The user's data directory lies in the test's own folder: what stocks.ini holds is the test's.
    CliRun Run(const std::vector<std::string>& args) const
    {
        return RunCli(args, "XDG_DATA_HOME=" + testing::ShellQuote(Path("share")) + " ");
    }
};

TEST_F(SheetCommands, TheOffsetMovesEveryLabelOnThePdf)
{
    if (!testing::HavePdftoppm())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    // At the top-left with no inset, the label's bars start its quiet zone (11 modules of 0.265 mm) past
    // the cut.
    const std::vector<std::string> sheet = {"sheet",   "--stock", "a4-3x7-63.5x38.1", "--align", "top-left",
                                            "--inset", "0",       "6212236011840",    "-o"};
    std::vector<std::string> plain = sheet, moved = sheet;
    plain.push_back(Path("plain.pdf"));
    moved.insert(moved.end(), {Path("moved.pdf"), "--offset", "1.5,-2"});
    ASSERT_EQ(Run(plain).status, 0);
    ASSERT_EQ(Run(moved).status, 0);
    constexpr int kDpi = 254; // a pixel is a tenth of a millimetre
    const auto plainPages = testing::RenderPdf(QString::fromStdString(Path("plain.pdf")), kDpi);
    const auto movedPages = testing::RenderPdf(QString::fromStdString(Path("moved.pdf")), kDpi);
    ASSERT_EQ(plainPages.size(), 1u);
    ASSERT_EQ(movedPages.size(), 1u);
    const QPoint from = InkCorner(plainPages[0]);
    const QPoint to = InkCorner(movedPages[0]);
    EXPECT_NEAR(from.x(), 72.1 + 29.1, 2); // the first label's published corner and the quiet zone
    EXPECT_NEAR(from.y(), 151.5, 2);
    EXPECT_NEAR(to.x() - from.x(), 15, 1);
    EXPECT_NEAR(to.y() - from.y(), -20, 1);
}

TEST_F(SheetCommands, StocksListsTheUsersOwnAfterTheBuiltInAndReportsABadEntry)
{
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(Path("share/Quillon/Quillon"))));
    Write("share/Quillon/Quillon/stocks.ini",
          "[shop-2x4-90x60]\ndescription=Shop labels\npaper=a4\ncolumns=2\nrows=4\nwidth=90\nheight=60\n"
          "top=20\nleft=10\nhpitch=100\nvpitch=62\n"
          "[too-wide]\npaper=a4\ncolumns=4\nrows=1\nwidth=60\nheight=20\ntop=10\nleft=10\nhpitch=60\n"
          "vpitch=20\n");
    const CliRun run = Run({"stocks"});
    EXPECT_EQ(run.status, 0);
    const QStringList lines = QString::fromStdString(run.out).split('\n', Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 16); // ten A4 and five Letter stocks at least, and the user's
    EXPECT_EQ(lines.first(), "a4-3x7-63.5x38.1\tA4, 21 labels of 63.5 x 38.1 mm (3 x 7), address");
    EXPECT_EQ(lines.last(), "shop-2x4-90x60\tShop labels");
    EXPECT_NE(run.err.find("stocks.ini line 12: 4 columns reach 250.00 mm"), std::string::npos) << run.err;

    EXPECT_EQ(Run({"sheet", "--stock", "shop-2x4-90x60", "-o", Path("shop.pdf"), "6212236011840"}).status, 0);
}

TEST_F(SheetCommands, TheCalibrationPageIsWrittenOnTheChosenPaper)
{
    if (!testing::HavePdftoppm())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    // The page itself on either paper: label/SheetPdfTest.
    ASSERT_EQ(Run({"calibration", "--paper", "letter", "--offset", "1,1", "-o", Path("letter.pdf")}).status,
              0);
    const auto pages = testing::RenderPdf(QString::fromStdString(Path("letter.pdf")), 10);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].size(), QSize(85, 110)); // at 10 dpi
}

// Bad geometry is a usage error naming the range or the known values; nothing is written.
TEST_F(SheetCommands, BadGeometryIsAUsageErrorAndWritesNothing)
{
    struct Row {
        int line;
        std::vector<std::string> args;
        std::string firstErrorLine;
    };
    const std::string offsetForm =
        "quillon-cli: --offset takes two millimetre values X,Y from -10 to 10 in steps "
        "of 0.1, such as 1.5,-2, not ";
    const Row rows[] = {
        // clang-format off
        {1, {"--stock", "a4-9x9-1x1"}, "quillon-cli: Unknown label stock: a4-9x9-1x1 (known: a4-3x7-63.5x38.1, "},
        {2, {"--stock", "a4-3x7-63.5x38.1", "--paper", "letter"},
         "quillon-cli: --paper letter is not the paper of label stock a4-3x7-63.5x38.1, which is a4"},
        {3, {"--paper", "a3"}, "quillon-cli: --paper takes a4 or letter, not 'a3'"},
        {4, {"--stock", "a4-3x7-63.5x38.1", "--skip", "21"}, "quillon-cli: --skip takes 0 to 20 on a sheet of 21 labels, not 21"},
        {5, {"--skip", "80"}, "quillon-cli: --skip takes a whole number from 0 to 79, not '80'"},
        {6, {"--offset", "10.1,0"}, offsetForm + "'10.1,0'"},
        {7, {"--offset", "0.25,0"}, offsetForm + "'0.25,0'"},
        {8, {"--scale", "1"},
         "quillon-cli: --scale takes two percent values SX,SY from -2 to 2 in steps of 0.1, such as 0.5,-0.3, not '1'"},
        {9, {"--stock", "a4-3x7-63.5x38.1", "--rows", "5"},
         "quillon-cli: --rows cannot be given with --stock: the stock has its own cells"},
        // clang-format on
    };
    for (const Row& row : rows) {
        std::vector<std::string> args = {"sheet", "-o", Path("bad.pdf"), "6212236011840"};
        args.insert(args.begin() + 1, row.args.begin(), row.args.end());
        const CliRun run = Run(args);
        EXPECT_EQ(run.status, 2) << "row " << row.line;
        EXPECT_EQ(run.err.substr(0, row.firstErrorLine.size()), row.firstErrorLine) << "row " << row.line;
        EXPECT_TRUE(Files().filter("bad").isEmpty()) << "row " << row.line;
    }
    EXPECT_EQ(Run({"calibration", "-o", Path("c.pdf"), "text"}).err.substr(0, 42),
              "quillon-cli: calibration takes no TEXT\nusa");
}

} // namespace
} // namespace quillon
