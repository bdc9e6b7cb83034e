// Sheets on paper: the PDF of a sheet rendered back at 254 dots per inch, where a pixel is a tenth of
// a millimetre, puts each label's corner within 0.1 mm of where the sheet says; calibration moves and
// scales them; the start position leaves cells empty; the calibration page's rulers are true.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <optional>
#include <string>
#include <vector>

#include "label/sheet/SheetRun.h"
#include "report/CalibrationPage.h"
#include "report/PdfOutput.h"
#include "tests/support/ExpectMessage.h"
#include "tests/support/PdfRaster.h"
#include "tests/support/QtSupport.h"

namespace quillon {
namespace {

constexpr int kDpi = 254; // a pixel is a tenth of a millimetre
// Every label's picture: 60 x 16 screen pixels, 158.75 x 42.33 tenths, drawn unscaled from the
// label's corner, so that neighbouring labels never touch and each corner shows on its own.
constexpr int kPictureWidth = 60;
constexpr int kPictureHeight = 16;

// The prepared sheet written as a PDF with a printer's calibration, and rendered back.
std::vector<QImage> SheetPages(const TPreparedReport& prepared, const TCalibration& calibration = {})
{
    std::vector<QImage> pictures(1000, QImage(kPictureWidth, kPictureHeight, QImage::Format_RGB32));
    for (QImage& picture : pictures)
        picture.fill(Qt::black);
    QTemporaryDir dir;
    WritePdf(prepared, pictures, dir.filePath("sheet.pdf"), {}, calibration);
    return testing::RenderPdf(dir.filePath("sheet.pdf"), kDpi);
}

bool Dark(const QImage& page, int x, int y)
{
    return page.rect().contains(x, y) && qGray(page.pixel(x, y)) < 128;
}

// The top-left corner of the ink found near `expected` (pixels), searching 2 mm round it; none
// when there is no ink there.
std::optional<QPointF> InkCorner(const QImage& page, const QPointF& expected)
{
    const int x0 = int(expected.x()), y0 = int(expected.y());
    std::optional<int> left, top;
    for (int x = x0 - 20; x <= x0 + 20 && !left; ++x)
        left = Dark(page, x, y0 + 20) ? std::optional(x) : std::nullopt;
    for (int y = y0 - 20; y <= y0 + 20 && !top; ++y)
        top = Dark(page, x0 + 20, y) ? std::optional(y) : std::nullopt;
    if (!left || !top)
        return std::nullopt;
    return QPointF(*left, *top);
}

void ExpectCornersAt(const QImage& page, const std::vector<QPointF>& corners, const std::string& tag)
{
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const std::optional<QPointF> ink = InkCorner(page, corners[i]);
        ASSERT_TRUE(ink) << tag << ", cell " << i + 1 << ": no label near " << corners[i].x() << ", "
                         << corners[i].y();
        EXPECT_NEAR(ink->x(), corners[i].x(), 1.0) << tag << ", cell " << i + 1;
        EXPECT_NEAR(ink->y(), corners[i].y(), 1.0) << tag << ", cell " << i + 1;
    }
}

const TStockGeometry& Geometry(const char* id)
{
    static const TStockCatalogue catalogue;
    return catalogue.Find(id).Geometry;
}

// The corner of every label of a stock in tenths of a millimetre on paper, in the order the sheet fills
// them (down each column, then the next), moved and scaled as the calibration moves them.
std::vector<QPointF> StockCorners(const TStockGeometry& g, const TCalibration& c = {})
{
    std::vector<QPointF> corners;
    for (int column = 0; column < g.Columns; ++column)
        for (int row = 0; row < g.Rows; ++row)
            corners.emplace_back(c.OffsetXMm * 10 + (g.LeftMargin + column * g.HorizontalPitch) / 10.0 *
                                                        (1 + c.ScaleXPercent / 100),
                                 c.OffsetYMm * 10 + (g.TopMargin + row * g.VerticalPitch) / 10.0 *
                                                        (1 + c.ScaleYPercent / 100));
    return corners;
}

struct TStockPageRow {
    const char* Id = "";
    QSize PagePixels; // at 254 dpi: Qt writes A4 as 595 x 842 pt
    TCalibration Calibration{};
    int Skip = 0; // cells left empty at the start
};

// Offset X and Y in mm, scale X and Y in %: every label moves and scales with them (the calibration's
// arithmetic: report/PageRendererTest).
const TStockPageRow kStockPages[] = {
    {"a4-3x7-63.5x38.1", {2100, 2971}},
    {"a4-4x10-48.5x25.4", {2100, 2971}},
    {"letter-3x10-66.7x25.4", {2159, 2794}},
    {"letter-2x7-101.6x33.9", {2159, 2794}},
    {"a4-3x7-63.5x38.1", {2100, 2971}, {.OffsetXMm = -0.7, .OffsetYMm = 3, .ScaleYPercent = 2}, 5},
};

TEST(SheetPdf, EachStocksLabelsLieWithinATenthOfAMillimetreOfTheirPublishedCorners)
{
    if (!testing::HavePdftoppm())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    for (int no = 1; const TStockPageRow& row : kStockPages) {
        const std::string tag = "row " + std::to_string(no++);
        TPrintBarForm form;
        // Down the columns: the skipped corners are the first of the published list.
        const TSheetSettings settings{
            .Stock = Geometry(row.Id), .SkipCells = row.Skip, .Order = TCellOrder::DownColumns};
        ApplySheetSettings(form, settings);
        const std::vector<QImage> pages =
            SheetPages(PrepareSheet(form, SheetCellCount(settings) - row.Skip), row.Calibration);
        ASSERT_EQ(pages.size(), 1u) << tag;
        EXPECT_EQ(pages[0].size(), row.PagePixels) << tag;
        const std::vector<QPointF> corners = StockCorners(Geometry(row.Id), row.Calibration);
        for (std::size_t cell = 0; cell < std::size_t(row.Skip); ++cell)
            EXPECT_FALSE(InkCorner(pages[0], corners[cell]))
                << tag << ": cell " << cell + 1 << " is left empty";
        ExpectCornersAt(pages[0], {corners.begin() + row.Skip, corners.end()}, tag);
    }
}

// The top ruler's ticks every 10 mm reach 4 mm from the edge, where no shorter tick does: their
// centres along a line 5 mm down, in pixels.
std::vector<double> TenMillimetreTicks(const QImage& page, int y)
{
    std::vector<double> centres;
    for (const testing::TRun& tick : testing::DarkRuns(page, y))
        centres.push_back(tick.Start + tick.Length / 2.0);
    return centres;
}

TEST(CalibrationPage, RulersTickEveryTenMillimetresFromThePapersEdgeAndMoveWithTheCalibration)
{
    if (!testing::HavePdftoppm())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    // Paper, calibration, where the ticks of 10 to 200 mm lie (first and step, in tenths).
    const std::tuple<TPaperSize, TCalibration, double, double> rows[] = {
        {TPaperSize::A4, {}, 100, 100},
        {TPaperSize::Letter, {}, 100, 100},
        {TPaperSize::A4, {.OffsetXMm = 1.5, .OffsetYMm = -2}, 115, 100},
        {TPaperSize::A4, {.ScaleXPercent = 1}, 101, 101},
    };
    for (int no = 1; const auto& [paper, calibration, first, step] : rows) {
        const std::string tag = "row " + std::to_string(no++);
        QTemporaryDir dir;
        QFile file(dir.filePath("calibration.pdf"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        WriteCalibrationPdf(file, paper, calibration);
        file.close();
        const std::vector<QImage> pages = testing::RenderPdf(file.fileName(), kDpi);
        ASSERT_EQ(pages.size(), 1u) << tag;
        const int y = int(std::lround(50 + calibration.OffsetYMm * 10)); // 5 mm from the top edge
        const std::vector<double> ticks = TenMillimetreTicks(pages[0], y);
        ASSERT_EQ(ticks.size(), 20u) << tag << ": 10 to 200 mm";
        for (std::size_t i = 0; i < ticks.size(); ++i)
            EXPECT_NEAR(ticks[i], first + double(i) * step, 1.0) << tag << ", tick " << (i + 1) * 10 << " mm";
        // The centre cross: its arms meet at the middle of the paper.
        const QPointF centre = QPointF(calibration.OffsetXMm * 10, calibration.OffsetYMm * 10) +
                               QPointF(PaperTenths(paper).Width / 2 * (1 + calibration.ScaleXPercent / 100),
                                       PaperTenths(paper).Length / 2);
        EXPECT_TRUE(Dark(pages[0], int(centre.x()), int(centre.y()) - 30)) << tag << ": the vertical arm";
        EXPECT_TRUE(Dark(pages[0], int(centre.x()) - 30, int(centre.y()))) << tag << ": the horizontal arm";
    }
    EXPECT_EQ(testing::MessageOf([] { (void)CalibrationPdf(TPaperSize::A4, {.ScaleYPercent = 2.5}); }),
              "Scale Y in % out of range: 2.5 (-2 to 2)");
}

} // namespace
} // namespace quillon
