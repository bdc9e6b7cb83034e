// Painting prepared pages: pictures unscaled, stretched or centred in their frames, text, PDF and preview.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <vector>

#include "LabelSheet.h"
#include "report/PageRenderer.h"
#include "report/PdfOutput.h"
#include "report/PrintPreview.h"

namespace quillon {
namespace {

// At 254 dots per inch one device pixel is one tenth of a millimetre, so pixels read as page positions.
constexpr double kTenthsDpi = 254.0;

QImage SolidPicture(int width, int height, QColor colour = Qt::black)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

TPreparedReport OnePage(std::vector<TPlacedElement> elements)
{
    TPreparedReport report;
    report.Pages.push_back({.Bands = {}, .Elements = std::move(elements)});
    return report;
}

QImage PaintAtTenths(const TPreparedReport& report, std::span<const QImage> pictures)
{
    QImage page(2100, 2970, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    RenderPage(painter, report, 0, pictures, {.ResolutionDpi = kTenthsDpi});
    return page;
}

bool IsDark(const QImage& page, double x, double y) { return qGray(page.pixel(int(x), int(y))) < 128; }
bool IsWhite(const QImage& page, double x, double y) { return qGray(page.pixel(int(x), int(y))) > 200; }

// Ink exactly over `rect` (tenths), within one pixel: dark two pixels inside each corner, white two outside.
void ExpectInkOver(const QImage& page, const QRectF& rect, const std::string& tag)
{
    const double l = rect.left(), t = rect.top(), r = rect.right(), b = rect.bottom();
    EXPECT_TRUE(IsDark(page, l + 2, t + 2) && IsDark(page, r - 2, b - 2)) << tag << ": corners inside";
    EXPECT_TRUE(IsDark(page, r - 2, t + 2) && IsDark(page, l + 2, b - 2)) << tag << ": corners inside";
    EXPECT_TRUE(IsWhite(page, l - 2, t + 2) && IsWhite(page, l + 2, t - 2)) << tag << ": outside top left";
    EXPECT_TRUE(IsWhite(page, r + 2, b - 2) && IsWhite(page, r - 2, b + 2))
        << tag << ": outside bottom right";
}

struct PictureCase {
    int row;
    bool stretch;
    bool center;
    QSize picturePixels;
    QRectF expectedInk;  // tenths; the frame is (500, 600) 400 x 200
    const char* rule;
};

// 96 screen pixels are one inch, 254 tenths.
const PictureCase kPictureCases[] = {
    {1, false, false, {96, 48}, {500, 600, 254, 127}, "unscaled at its screen size from the frame's corner"},
    {2, false, false, {192, 96}, {500, 600, 400, 200}, "unscaled and clipped to the frame"},
    {3, true, false, {96, 48}, {500, 600, 400, 200}, "stretched to fill the frame"},
    {4, true, false, {300, 30}, {500, 600, 400, 200}, "stretched in width and height independently"},
    {5, false, true, {96, 48}, {573, 636.5, 254, 127}, "centred, unscaled"},
    {6, false, true, {192, 96}, {500, 600, 400, 200}, "centred and clipped"},
};

TEST(PageRenderer, DrawsPicturesUnscaledStretchedOrCentredInTheirFrames)
{
    for (const PictureCase& c : kPictureCases) {
        const std::vector<QImage> pictures{SolidPicture(c.picturePixels.width(), c.picturePixels.height())};
        const TPreparedReport report = OnePage({{
            .Frame = {.Left = 500, .Top = 600, .Width = 400, .Height = 200},
            .Content = TPlacedImage{.Row = 0, .Stretch = c.stretch, .Center = c.center},
        }});
        ExpectInkOver(PaintAtTenths(report, pictures), c.expectedInk,
                      "row " + std::to_string(c.row) + ": " + c.rule);
    }
}

TEST(PageRenderer, StretchesWithoutSmoothing)
{
    // A black and a white pixel side by side stay two hard-edged halves: no grey in between.
    QImage picture = SolidPicture(2, 1, Qt::white);
    picture.setPixel(0, 0, qRgb(0, 0, 0));
    const std::vector<QImage> pictures{picture};
    const QImage page =
        PaintAtTenths(OnePage({{.Frame = {.Left = 500, .Top = 600, .Width = 400, .Height = 200},
                                .Content = TPlacedImage{.Row = 0, .Stretch = true}}}),
                      pictures);
    for (int x = 501; x < 899; ++x) {
        const int grey = qGray(page.pixel(x, 700));
        ASSERT_TRUE(grey == 0 || grey == 255) << "x " << x << " is grey " << grey;
        ASSERT_EQ(grey == 0, x < 700) << "x " << x;
    }
}

TEST(PageRenderer, EachFrameShowsThePictureOfItsOwnRowAndMissingOnesStayEmpty)
{
    const std::vector<QImage> pictures{SolidPicture(10, 10, Qt::red), SolidPicture(10, 10, Qt::blue),
                                       QImage()};
    std::vector<TPlacedElement> elements;
    for (int row = 0; row < 4; ++row)  // row 2 has a null picture, row 3 none at all
        elements.push_back({.Frame = {.Left = 100.0 * (row + 1), .Top = 100, .Width = 50, .Height = 50},
                            .Content = TPlacedImage{.Row = row, .Stretch = true}});
    const QImage page = PaintAtTenths(OnePage(std::move(elements)), pictures);
    const QRgb expected[] = {qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(255, 255, 255), qRgb(255, 255, 255)};
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(page.pixel(100 * (row + 1) + 25, 125), expected[row]) << "row " << row;
}

// The bounding box of the ink in a region of the page.
QRect InkBox(const QImage& page, const QRect& region)
{
    QRect box;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            if (IsDark(page, x, y))
                box |= QRect(x, y, 1, 1);
    return box;
}

TEST(PageRenderer, TextIsSetAtItsPointSizeFromTheFramesCornerAndWraps)
{
    // 8 points are 2.82 mm: capitals and descenders of one line span about 25 tenths.
    const TPlacedText oneLine{.Text = "Hg Hg", .Font = {.Family = "DejaVu Sans", .PointSize = 8}};
    TPlacedText wrapped = oneLine;
    wrapped.Text = "Hg Hg Hg Hg Hg Hg Hg Hg";
    wrapped.WordWrap = true;
    const QImage page = PaintAtTenths(
        OnePage({{.Frame = {.Left = 200, .Top = 300, .Width = 2000, .Height = 35}, .Content = oneLine},
                 {.Frame = {.Left = 200, .Top = 1000, .Width = 300, .Height = 35}, .Content = wrapped}}),
        {});
    const QRect line = InkBox(page, QRect(0, 250, 2100, 300));
    EXPECT_NEAR(line.left(), 202, 4);
    EXPECT_NEAR(line.top(), 306, 4);
    EXPECT_NEAR(line.height(), 26, 5);
    const QRect block = InkBox(page, QRect(0, 950, 2100, 500));
    EXPECT_LE(block.right(), 500) << "wrapped within the frame's width";
    EXPECT_GT(block.height(), 2 * 26) << "two lines at least, not cut at the frame's 35 tenths";
}

std::vector<QImage> RunPdftoppm(const QString& pdf, const QTemporaryDir& dir)
{
    QProcess process;
    process.start("pdftoppm", {"-r", "254", "-png", pdf, dir.filePath("page")});
    process.waitForFinished(-1);
    std::vector<QImage> pages;
    for (const QString& name : QDir(dir.path()).entryList({"page-*.png"}, QDir::Files, QDir::Name))
        pages.emplace_back(dir.filePath(name));
    return pages;
}

struct PdfCase {
    int row;
    int columns;
    int rows;
    std::size_t pages;
};

constexpr PdfCase kPdfCases[] = {
    {1, 4, 20, 1},  // 80 labels of 45.86 x 13.52 mm
    {2, 2, 16, 2},  // 15 labels per column, the last 2 on a second page
};

TEST(PdfOutput, CellsLandWhereTheFlowPutsThem)
{
    if (QStandardPaths::findExecutable("pdftoppm").isEmpty())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    for (const PdfCase& c : kPdfCases) {
        auto sheet = testing::MakeLabelSheet({.Columns = c.columns, .Rows = c.rows});
        const TPreparedReport prepared = sheet->Report.PrepareRun(c.columns * c.rows);
        // 60 x 16 screen pixels: 158.75 x 42.33 tenths, unscaled.
        const std::vector<QImage> pictures(static_cast<std::size_t>(c.columns * c.rows),
                                           SolidPicture(60, 16));
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        WritePdf(prepared, pictures, dir.filePath("sheet.pdf"));
        const std::vector<QImage> pages = RunPdftoppm(dir.filePath("sheet.pdf"), dir);
        ASSERT_EQ(pages.size(), c.pages) << "row " << c.row;
        for (std::size_t index = 0; index < pages.size(); ++index) {
            ASSERT_EQ(pages[index].size(), QSize(2100, 2971)) << "A4 as 595 x 842 pt";
            for (const auto& cell : testing::CellsOf(prepared.Pages[index])) {
                const QRectF ink(cell.Frame.Left, cell.Frame.Top, 158.75, 42.33);
                ExpectInkOver(pages[index], ink,
                              "row " + std::to_string(c.row) + ", cell " + std::to_string(cell.Row));
            }
        }
    }
}

TEST(PdfOutput, RefusesAReportWithoutPagesAndAnUnwritablePath)
{
    EXPECT_EQ(testing::MessageOf([] { WritePdf(TPreparedReport{}, {}, "unused.pdf"); }),
              "The report has no pages to write");
    EXPECT_EQ(testing::MessageOf([] { WritePdf(OnePage({}), {}, "/nonexistent-directory/sheet.pdf"); }),
              "Cannot write the PDF file </nonexistent-directory/sheet.pdf>");
}

TEST(PrintPreview, ShowsThePreparedPagesAndRunReturnsWhenTheWindowCloses)
{
    auto sheet = testing::MakeLabelSheet({.Columns = 2, .Rows = 16});
    const std::vector<QImage> pictures(32, SolidPicture(60, 16));
    QPointer<QPrintPreviewDialog> dialog = OpenPreview(sheet->Report.PrepareRun(32), pictures);
    ASSERT_TRUE(dialog && dialog->isVisible()) << "returns with the window open";
    EXPECT_EQ(dialog->findChild<QPrintPreviewWidget*>()->pageCount(), 2);
    dialog->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(dialog) << "deleted once closed";

    QTimer::singleShot(0, [] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* preview = qobject_cast<QPrintPreviewDialog*>(window))
                preview->close();
    });
    RunPreview(sheet->Report.PrepareRun(32), pictures);  // returns only once the timer closed it
}

}  // namespace
}  // namespace quillon
