// Sheets on paper: the PDF of a sheet rendered back at 254 dots per inch, where a pixel is a tenth of
// a millimetre, puts each label's corner within 0.1 mm of where the sheet says; calibration moves and
// scales them; the start position leaves cells empty; the calibration page's rulers are true.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <optional>
#include <string>
#include <vector>

#include "label/SheetRun.h"
#include "report/CalibrationPage.h"
#include "report/PageRenderer.h"
#include "tests/support/ExpectMessage.h"

namespace quillon {
namespace {

constexpr int kDpi = 254; // a pixel is a tenth of a millimetre
// Every label's picture: 60 x 16 screen pixels, 158.75 x 42.33 tenths, drawn unscaled from the
// label's corner, so that neighbouring labels never touch and each corner shows on its own.
constexpr int kPictureWidth = 60;
constexpr int kPictureHeight = 16;

bool HavePdftoppm()
{
    return !QStandardPaths::findExecutable("pdftoppm").isEmpty();
}

// The pages of a PDF rendered back as images.
std::vector<QImage> RenderBack(const QString& pdf, const QTemporaryDir& dir)
{
    QProcess::execute("pdftoppm", {"-r", QString::number(kDpi), "-png", pdf, dir.filePath("page")});
    std::vector<QImage> pages;
    for (const QString& name : QDir(dir.path()).entryList({"page-*.png"}, QDir::Files, QDir::Name))
        pages.emplace_back(dir.filePath(name));
    return pages;
}

// The prepared sheet written as a PDF through the page renderer with a printer's calibration, and
// rendered back.
std::vector<QImage> SheetPages(const TPreparedReport& prepared, const TCalibration& calibration = {})
{
    std::vector<QImage> pictures(1000, QImage(kPictureWidth, kPictureHeight, QImage::Format_RGB32));
    for (QImage& picture : pictures)
        picture.fill(Qt::black);
    QTemporaryDir dir;
    {
        QPdfWriter writer(dir.filePath("sheet.pdf"));
        writer.setResolution(1200);
        writer.setPageLayout(PageLayoutOf(prepared));
        QPainter painter(&writer);
        RenderPages(painter, writer, prepared, pictures, {.ResolutionDpi = 1200, .Calibration = calibration});
    }
    return RenderBack(dir.filePath("sheet.pdf"), dir);
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

// Label (column, row) of a stock in tenths of a millimetre on paper, its corners moved and scaled
// as the calibration moves them.
QPointF LabelCorner(const TStockGeometry& g, int column, int row, const TCalibration& c = {})
{
    const double x = (g.LeftMargin + column * g.HorizontalPitch) / 10.0;
    const double y = (g.TopMargin + row * g.VerticalPitch) / 10.0;
    return {c.OffsetXMm * 10 + x * (1 + c.ScaleXPercent / 100),
            c.OffsetYMm * 10 + y * (1 + c.ScaleYPercent / 100)};
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

// Every cell of a stock in the order the sheet fills them: down each column, then the next.
std::vector<QPointF> StockCorners(const TStockGeometry& g, const TCalibration& calibration = {})
{
    std::vector<QPointF> corners;
    for (int column = 0; column < g.Columns; ++column)
        for (int row = 0; row < g.Rows; ++row)
            corners.push_back(LabelCorner(g, column, row, calibration));
    return corners;
}

TPreparedReport PreparedStock(const char* id, int skip = 0)
{
    TPrintBarForm form;
    const TSheetSettings settings{.Stock = Geometry(id), .SkipCells = skip};
    ApplySheetSettings(form, settings);
    return PrepareSheet(form, SheetCellCount(settings) - skip);
}

// Stock, page size in pixels at 254 dpi (Qt writes A4 as 595 x 842 pt).
const std::tuple<const char*, QSize> kStockPages[] = {
    {"a4-3x7-63.5x38.1", {2100, 2971}},      // 1
    {"a4-4x10-48.5x25.4", {2100, 2971}},     // 2
    {"letter-3x10-66.7x25.4", {2159, 2794}}, // 3
    {"letter-2x7-101.6x33.9", {2159, 2794}}, // 4
};

TEST(SheetPdf, EachStocksLabelsLieWithinATenthOfAMillimetreOfTheirPublishedCorners)
{
    if (!HavePdftoppm())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    for (const auto& [id, size] : kStockPages) {
        const std::vector<QImage> pages = SheetPages(PreparedStock(id));
        ASSERT_EQ(pages.size(), 1u) << id;
        EXPECT_EQ(pages[0].size(), size) << id;
        ExpectCornersAt(pages[0], StockCorners(Geometry(id)), id);
    }
}

// Offset X, Y in mm and scale X, Y in %: every label of the A4 21-up sheet moves and scales with them.
constexpr TCalibration kCalibrations[] = {
    {.OffsetXMm = 1.5, .OffsetYMm = -2},                     // 1
    {.ScaleXPercent = 1, .ScaleYPercent = -1.5},             // 2
    {.OffsetXMm = -0.7, .OffsetYMm = 3, .ScaleYPercent = 2}, // 3
};

TEST(SheetPdf, CalibrationMovesAndScalesEveryLabel)
{
    if (!HavePdftoppm())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    const TStockGeometry& stock = Geometry("a4-3x7-63.5x38.1");
    for (int no = 1; const TCalibration& calibration : kCalibrations) {
        const std::vector<QImage> pages = SheetPages(PreparedStock("a4-3x7-63.5x38.1"), calibration);
        ASSERT_EQ(pages.size(), 1u);
        ExpectCornersAt(pages[0], StockCorners(stock, calibration), "calibration " + std::to_string(no++));
    }
}

TEST(SheetPdf, TheStartPositionLeavesTheFirstCellsEmpty)
{
    if (!HavePdftoppm())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    const std::vector<QPointF> corners = StockCorners(Geometry("a4-3x7-63.5x38.1"));
    const std::vector<QImage> pages = SheetPages(PreparedStock("a4-3x7-63.5x38.1", 5));
    ASSERT_EQ(pages.size(), 1u);
    for (std::size_t cell = 0; cell < 5; ++cell)
        EXPECT_FALSE(InkCorner(pages[0], corners[cell])) << "cell " << cell + 1 << " is left empty";
    ExpectCornersAt(pages[0], {corners.begin() + 5, corners.end()}, "after the 5 skipped");
}

// Columns 2 and rows 16 at margins of 10 mm: one page, 16 to a column. On A4 the rows are 165 tenths
// apart (28 design pixels) and the columns 96 mm; on Letter 159 tenths (27 pixels: 2544 of the
// 2559 above the footer) and (1959 - 20) div 2 + 20 = 989.
TEST(SheetPdf, ASheetByMarginsPrintsItsWholeGridOnOnePage)
{
    if (!HavePdftoppm())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    for (const TPaperSize paper : {TPaperSize::A4, TPaperSize::Letter}) {
        TPrintBarForm form;
        ApplySheetSettings(form, {.Columns = 2, .Rows = 16, .Paper = paper});
        const std::vector<QImage> pages = SheetPages(PrepareSheet(form, 32));
        ASSERT_EQ(pages.size(), 1u);
        const double columnStep = paper == TPaperSize::A4 ? 960 : 989;
        const double rowStep = paper == TPaperSize::A4 ? 165 : 159;
        std::vector<QPointF> corners;
        for (int cell = 0; cell < 32; ++cell)
            corners.emplace_back(100 + cell / 16 * columnStep, 100 + cell % 16 * rowStep);
        ExpectCornersAt(pages[0], corners, paper == TPaperSize::A4 ? "A4" : "Letter");
    }
}

// The top ruler's ticks every 10 mm reach 4 mm from the edge, where no shorter tick does: their
// centres along a line 5 mm down, in pixels.
std::vector<double> TenMillimetreTicks(const QImage& page, int y)
{
    std::vector<double> centres;
    for (int x = 0; x < page.width(); ++x) {
        if (!Dark(page, x, y))
            continue;
        const int first = x;
        while (Dark(page, x + 1, y))
            ++x;
        centres.push_back((first + x + 1) / 2.0);
    }
    return centres;
}

TEST(CalibrationPage, RulersTickEveryTenMillimetresFromThePapersEdgeAndMoveWithTheCalibration)
{
    if (!HavePdftoppm())
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
        const std::vector<QImage> pages = RenderBack(file.fileName(), dir);
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
