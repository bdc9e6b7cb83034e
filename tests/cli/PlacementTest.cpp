// Labels placed on label stock, measured on the written PDF as poppler rasterises it at the printer's
// resolution: each label lies inside its stock label with its quiet zones and the inset clear of every
// cut, at the same place on every label, centred or at the top-left as asked; a stock too small is
// refused and nothing is written.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QRect>
#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "RunCli.h"
#include "label/sheet/LabelStock.h"
#include "tests/support/PdfRaster.h"

namespace quillon {
namespace {

using testing::RunCli;

constexpr double kMmPerInch = 25.4;

struct PlaceRow {
    int line = 0;
    std::string stock;
    std::vector<std::string> args;
    int dpi = 300;
    std::string code;
    double insetMm = 1.0;
    bool centred = true;
    // The white the symbol needs beside its ink on the left and right, in mm, that the label's own
    // drawing does not hold: the classic EAN-13 label's 11 and 7 modules of 0.265 mm (one screen pixel).
    double quietLeftMm = 0.0;
    double quietRightMm = 0.0;
};

constexpr double kClassicModuleMm = 25.4 / 96.0;

const PlaceRow kRows[] = {
    {1, "a4-3x7-63.5x38.1", {}, 203, "5901234123457", 1.0, true, 11 * kClassicModuleMm, 7 * kClassicModuleMm},
    {2, "a4-3x7-63.5x38.1", {"--layout", "standard"}, 203, "5901234123457", 1.0, true},
    {3, "a4-3x7-63.5x38.1", {"--layout", "standard"}, 300, "5901234123457", 1.0, true},
    {4,
     "a4-3x7-63.5x38.1",
     {"--layout", "standard", "--align", "top-left", "--inset", "2"},
     600,
     "5901234123457",
     2.0,
     false},
    {5,
     "a4-2x7-99.1x38.1",
     {"-k", "Code128B", "-m", "2"},
     300,
     "QUILLON-42",
     1.0,
     true,
     20 * kClassicModuleMm,
     20 * kClassicModuleMm},
    {6,
     "a4-2x7-99.1x38.1",
     {"-k", "QRCode", "--layout", "standard"},
     600,
     "https://example.org/a",
     1.0,
     true},
    {7,
     "a4-2x7-99.1x38.1",
     {"--align", "top-left", "--inset", "2"},
     300,
     "5901234123457",
     2.0,
     false,
     11 * kClassicModuleMm,
     7 * kClassicModuleMm},
};

const TStockGeometry& StockOf(const std::string& id)
{
    static const TStockCatalogue catalogue = LoadStockCatalogue("");
    return catalogue.Find(id).Geometry;
}

// A stock label's place on the page, in whole pixels at dpi.
QRect CellPixels(const TStockGeometry& stock, int column, int row, int dpi)
{
    const auto px = [dpi](double hundredths) {
        return static_cast<int>(std::lround(hundredths / 100.0 / kMmPerInch * dpi));
    };
    const int left = px(stock.LeftMargin + column * stock.HorizontalPitch);
    const int top = px(stock.TopMargin + row * stock.VerticalPitch);
    return QRect(QPoint(left, top),
                 QPoint(px(stock.LeftMargin + column * stock.HorizontalPitch + stock.LabelWidth) - 1,
                        px(stock.TopMargin + row * stock.VerticalPitch + stock.LabelHeight) - 1));
}

std::optional<QRect> InkIn(const QImage& page, const QRect& area)
{
    std::optional<QRect> ink;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* line = page.constScanLine(y);
        for (int x = area.left(); x <= area.right(); ++x)
            if (line[x] < 128)
                ink = ink ? ink->united(QRect(x, y, 1, 1)) : QRect(x, y, 1, 1);
    }
    return ink;
}

TEST(Placement, LabelsOnStockKeepTheirQuietZonesAndInsetInsideTheCutsAndSitAlikeOnEveryLabel)
{
    if (!testing::HavePdftoppm())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    for (const PlaceRow& row : kRows) {
        SCOPED_TRACE("row " + std::to_string(row.line));
        const std::string pdf = ::testing::TempDir() + "placed_" + std::to_string(row.line) + ".pdf";
        std::vector<std::string> args{"sheet", "--stock", row.stock, "--dpi", std::to_string(row.dpi),
                                      "-o",    pdf};
        args.insert(args.end(), row.args.begin(), row.args.end());
        args.insert(args.end(), {"--", row.code});
        const testing::CliRun run = RunCli(args);
        ASSERT_EQ(run.status, 0) << run.err;
        // Grey, then thresholded: the ink as an even printer would lay it.
        const std::vector<QImage> pages = testing::RenderPdf(QString::fromStdString(pdf), row.dpi);
        ASSERT_EQ(pages.size(), 1u);
        const QImage page = pages[0].convertToFormat(QImage::Format_Grayscale8);
        const TStockGeometry& stock = StockOf(row.stock);
        const double mmPerPixel = kMmPerInch / row.dpi;
        const double slackMm = mmPerPixel + 0.05; // one dot of snapping, and the cut's own 0.05 mm
        std::optional<QPointF> firstOffsetMm;
        for (int r = 0; r < stock.Rows; ++r)
            for (int c = 0; c < stock.Columns; ++c) {
                const QRect cell = CellPixels(stock, c, r, row.dpi);
                const std::optional<QRect> ink = InkIn(page, cell.adjusted(-3, -3, 3, 3));
                ASSERT_TRUE(ink.has_value()) << "cell " << c << "," << r;
                const double leftMm = (ink->left() - cell.left()) * mmPerPixel;
                const double rightMm = (cell.right() - ink->right()) * mmPerPixel;
                const double topMm = (ink->top() - cell.top()) * mmPerPixel;
                const double bottomMm = (cell.bottom() - ink->bottom()) * mmPerPixel;
                EXPECT_GE(leftMm, row.insetMm + row.quietLeftMm - slackMm) << "left, cell " << c << "," << r;
                EXPECT_GE(rightMm, row.insetMm + row.quietRightMm - slackMm)
                    << "right, cell " << c << "," << r;
                EXPECT_GE(topMm, row.insetMm - slackMm) << "top, cell " << c << "," << r;
                EXPECT_GE(bottomMm, row.insetMm - slackMm) << "bottom, cell " << c << "," << r;
                if (!row.centred) {
                    EXPECT_NEAR(topMm, row.insetMm, 1.0) << "top-left, cell " << c << "," << r;
                } else {
                    // Centred: about as much white above as below, where a label at the corner hugged the
                    // top cut (the ink stops a little above the bottom of some labels).
                    EXPECT_NEAR(topMm, bottomMm, 1.5) << "centred, cell " << c << "," << r;
                }
                const QPointF offsetMm(leftMm, topMm);
                if (!firstOffsetMm)
                    firstOffsetMm = offsetMm;
                EXPECT_NEAR(offsetMm.x(), firstOffsetMm->x(), slackMm) << "cell " << c << "," << r;
                EXPECT_NEAR(offsetMm.y(), firstOffsetMm->y(), slackMm) << "cell " << c << "," << r;
            }
        QFile::remove(QString::fromStdString(pdf));
    }
}

// A stock too small for the label with its quiet zones and inset is refused, naming both sizes, and
// nothing is written; the grid without the new options keeps the label at its cell's corner as before.
TEST(Placement, AStockTooSmallIsRefusedNamingTheSizesAndNothingIsWritten)
{
    const std::string pdf = ::testing::TempDir() + "refused.pdf";
    QFile::remove(QString::fromStdString(pdf));
    const struct {
        std::vector<std::string> args;
        std::string message;
    } rows[] = {
        {{"-m", "3"},
         "Label 91.7 x 19.5 mm with its quiet zones and 1 mm inset does not fit the 63.5 x 38.1 mm labels of "
         "a4-3x7-63.5x38.1"},
        {{"-m", "2", "--inset", "2.5"},
         "Label 64.8 x 22.5 mm with its quiet zones and 2.5 mm inset does not fit the 63.5 x 38.1 mm labels "
         "of "
         "a4-3x7-63.5x38.1"},
    };
    for (const auto& row : rows) {
        std::vector<std::string> args{"sheet", "--stock", "a4-3x7-63.5x38.1", "-o", pdf};
        args.insert(args.end(), row.args.begin(), row.args.end());
        args.push_back("5901234123457");
        const testing::CliRun run = RunCli(args);
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find(row.message), std::string::npos) << run.err;
        EXPECT_FALSE(QFile::exists(QString::fromStdString(pdf)));
    }
}

TEST(Placement, AlignAndInsetAreCheckedAsUsage)
{
    const struct {
        std::vector<std::string> args;
        std::string message;
    } rows[] = {
        {{"--align", "middle"}, "--align takes centre or top-left, not 'middle'"},
        {{"--inset", "21"}, "--inset takes millimetres from 0 to 20, not '21'"},
        {{"--inset", "-1"}, "--inset takes millimetres from 0 to 20, not '-1'"},
        {{"--stretch", "--inset", "1"}, "--inset cannot be given with --stretch"},
    };
    for (const auto& row : rows) {
        std::vector<std::string> args{"sheet", "-o", ::testing::TempDir() + "usage.pdf"};
        args.insert(args.end(), row.args.begin(), row.args.end());
        args.push_back("5901234123457");
        const testing::CliRun run = RunCli(args);
        EXPECT_EQ(run.status, 2) << row.message;
        EXPECT_NE(run.err.find(row.message), std::string::npos) << run.err;
    }
}

} // namespace
} // namespace quillon
