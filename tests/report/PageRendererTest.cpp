// Painting prepared pages: pictures unscaled, stretched or centred in their frames, text, PDF and preview.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <vector>

#include "LabelSheet.h"
#include "report/PageRenderer.h"
#include "report/PdfOutput.h"
#include "report/PrintPreview.h"

namespace quillon {
namespace {

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

// At 254 dots per inch one device pixel is one tenth of a millimetre, so pixels read as page positions.
QImage PaintAtTenths(const TPreparedReport& report, std::span<const QImage> pictures,
                     const TCalibration& calibration = {})
{
    QImage page(2100, 2970, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    RenderPage(painter, report, 0, pictures, {.ResolutionDpi = 254.0, .Calibration = calibration});
    return page;
}

// Ink exactly over `rect` (tenths), within one pixel: dark two pixels inside each corner, white two outside.
void ExpectInkOver(const QImage& page, const QRectF& rect, const std::string& tag)
{
    const auto dark = [&](double x, double y) { return qGray(page.pixel(int(x), int(y))) < 128; };
    const double l = rect.left(), t = rect.top(), r = rect.right(), b = rect.bottom();
    EXPECT_TRUE(dark(l + 2, t + 2) && dark(r - 2, b - 2) && dark(r - 2, t + 2) && dark(l + 2, b - 2)) << tag;
    EXPECT_FALSE(dark(l - 2, t + 2) || dark(l + 2, t - 2) || dark(r + 2, b - 2) || dark(r - 2, b + 2)) << tag;
}

// The bounding box of the ink in a band of rows of the page.
QRect InkBox(const QImage& page, int top, int height)
{
    QRect box;
    for (int y = top; y < top + height; ++y)
        for (int x = 0; x < page.width(); ++x)
            box |= qGray(page.pixel(x, y)) < 128 ? QRect(x, y, 1, 1) : QRect();
    return box;
}

TEST(PageRenderer, DrawsPicturesUnscaledStretchedOrCentredInTheirFramesWithoutSmoothing)
{
    QImage halves = SolidPicture(2, 1, Qt::white); // a black and a white pixel side by side
    halves.setPixel(0, 0, qRgb(0, 0, 0));
    constexpr TPlacedImage kCorner{};
    constexpr TPlacedImage kStretched{.Stretch = true};
    constexpr TPlacedImage kCentred{.Align = TPictureAlign::Centre};
    // Placement, picture, ink in tenths, rule; the frame is (500, 600) 400 x 200, and 96 screen pixels
    // are one inch, 254 tenths.
    const std::tuple<TPlacedImage, QImage, QRectF, const char*> rows[] = {
        {kCorner, SolidPicture(96, 48), {500, 600, 254, 127}, "unscaled, from the frame's corner"},
        {kCorner, SolidPicture(192, 96), {500, 600, 400, 200}, "unscaled and clipped to the frame"},
        {kStretched, SolidPicture(96, 48), {500, 600, 400, 200}, "stretched to fill the frame"},
        {kStretched, SolidPicture(300, 30), {500, 600, 400, 200}, "stretched in width and height apart"},
        {kStretched, halves, {500, 600, 200, 200}, "stretched into two hard-edged halves"},
        {{.Stretch = true, .InsetTenths = 30},
         SolidPicture(96, 48),
         {500, 600, 400, 200},
         "stretched over the inset"},
        {kCentred, SolidPicture(96, 48), {573, 636.5, 254, 127}, "centred, unscaled"},
        {kCentred, SolidPicture(192, 96), {500, 600, 400, 200}, "centred and clipped"},
        {{.InsetTenths = 20}, SolidPicture(96, 48), {520, 620, 254, 127}, "top-left, inset"},
        {{.InsetTenths = 20, .QuietTenths = {.Left = 40, .Top = 10}},
         SolidPicture(96, 48),
         {560, 630, 254, 127},
         "top-left, inset, quiet zones beside"},
        {{.Align = TPictureAlign::Centre, .InsetTenths = 20, .QuietTenths = {.Left = 40, .Right = 20}},
         SolidPicture(96, 48),
         {583, 636.5, 254, 127},
         "centred with its quiet zones"},
    };
    for (int line = 1; const auto& [placement, picture, ink, rule] : rows) {
        const std::string tag = "row " + std::to_string(line++) + ": " + rule;
        TPlacedImage image = placement;
        image.Row = 0;
        const TPlacedElement frame{.Frame = {.Left = 500, .Top = 600, .Width = 400, .Height = 200},
                                   .Content = image};
        const QImage page = PaintAtTenths(OnePage({frame}), std::vector{picture});
        ExpectInkOver(page, ink, tag);
        for (int x = 501; x < 899; ++x) // no grey from smoothing across the frame
            ASSERT_TRUE(qGray(page.pixel(x, 700)) % 255 == 0) << tag << ", x " << x;
    }
}

TEST(PageRenderer, EachFrameShowsItsOwnRowsPictureAndTextIsSetAtItsPointSizeAndWraps)
{
    // Pictures of rows 0 and 1; row 2 has a null picture, row 3 none at all.
    const std::vector<QImage> pictures{SolidPicture(10, 10, Qt::red), SolidPicture(10, 10, Qt::blue),
                                       QImage()};
    // 8 points are 2.82 mm: capitals and descenders of one line span about 25 tenths.
    const TFontSpec font{.Family = "DejaVu Sans", .PointSize = 8};
    std::vector<TPlacedElement> elements{
        {.Frame = {.Left = 200, .Top = 300, .Width = 2000, .Height = 35},
         .Content = TPlacedText{"Hg Hg", font}},
        {.Frame = {.Left = 200, .Top = 1000, .Width = 300, .Height = 35},
         .Content = TPlacedText{.Text = "Hg Hg Hg Hg Hg Hg Hg Hg", .Font = font, .WordWrap = true}}};
    for (int row = 0; row < 4; ++row)
        elements.push_back({.Frame = {.Left = 100.0 * (row + 1), .Top = 100, .Width = 50, .Height = 50},
                            .Content = TPlacedImage{.Row = row, .Stretch = true}});
    const QImage page = PaintAtTenths(OnePage(std::move(elements)), pictures);
    const QRgb expected[] = {qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(255, 255, 255), qRgb(255, 255, 255)};
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(page.pixel(100 * (row + 1) + 25, 125), expected[row]) << "row " << row;
    // The bounding box of the ink in a band of rows of the page.
    const QRect line = InkBox(page, 250, 300);
    EXPECT_NEAR(line.left(), 202, 4);
    EXPECT_NEAR(line.top(), 306, 4);
    EXPECT_NEAR(line.height(), 26, 5);
    const QRect block = InkBox(page, 950, 500);
    EXPECT_LE(block.right(), 500) << "wrapped within the frame's width";
    EXPECT_GT(block.height(), 2 * 26) << "two lines at least, not cut at the frame's 35 tenths";
}

// Offset X and Y in mm, scale X and Y in %, where the frame (500, 600) 400 x 200 tenths lands:
// offsets move it, scales stretch it away from the paper's top-left corner.
constexpr std::tuple<TCalibration, QRectF> kCalibrationCases[] = {
    {{}, {500, 600, 400, 200}},                                        // 1
    {{.OffsetXMm = 1.5, .OffsetYMm = -2}, {515, 580, 400, 200}},       // 2
    {{.ScaleXPercent = 2, .ScaleYPercent = -1}, {510, 594, 408, 198}}, // 3
    {{.OffsetXMm = -10, .ScaleYPercent = 2}, {400, 612, 400, 204}},    // 4
};

TEST(PageRenderer, CalibrationMovesAndScalesEverythingAboutThePapersCorner)
{
    const TPlacedElement frame{.Frame = {.Left = 500, .Top = 600, .Width = 400, .Height = 200},
                               .Content = TPlacedImage{.Row = 0, .Stretch = true}};
    for (int no = 1; const auto& [calibration, ink] : kCalibrationCases) {
        const QImage page = PaintAtTenths(OnePage({frame}), std::vector{SolidPicture(8, 8)}, calibration);
        ExpectInkOver(page, ink, "row " + std::to_string(no++));
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
    const std::vector<QImage> pictures(33, SolidPicture(60, 16));
    QPointer<TPreviewWindow> dialog = OpenPreview(sheet->Report.PrepareRun(33), pictures);
    ASSERT_TRUE(dialog && dialog->isVisible()) << "returns with the window open";
    EXPECT_EQ(dialog->PageCount(), 2);
    dialog->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(dialog) << "deleted once closed";

    QTimer::singleShot(0, [] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* preview = dynamic_cast<TPreviewWindow*>(window))
                preview->close();
    });
    RunPreview(sheet->Report.PrepareRun(33), pictures); // returns only once the timer closed it
}

} // namespace
} // namespace quillon
