// Labels as the sheet prints them: every bar exactly its dots after a dithering rasteriser has drawn the
// PDF, and a label its cell cuts off cut on a whole dot.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cmath>
#include <memory>
#include <vector>

#include "label/compose/FontSubstitutions.h"
#include "label/compose/StandardLayout.h"
#include "label/render/LabelPainter.h"
#include "report/PdfOutput.h"
#include "tests/support/PdfRaster.h"
#include "tests/support/QtSupport.h"

namespace quillon {
namespace {

const TLabelCaptions kNoCaptions{.UpperOn = false, .Upper = {}, .LowerOn = false, .Lower = {}};

// A page with one cell of the given frame, in tenths of a millimetre, showing data row 0.
TPreparedReport OneCell(const TRectTenths& frame)
{
    TPreparedReport sheet;
    sheet.Pages.push_back({.Bands = {}, .Elements = {{.Frame = frame, .Content = TPlacedImage{.Row = 0}}}});
    return sheet;
}

std::shared_ptr<const TLabelDrawing> StandardEan13(int dpi)
{
    TBarcode barcode;
    barcode.SetText("5901234123457");
    return std::make_shared<const TLabelDrawing>(
        ComposeStandardLabel(barcode, kNoCaptions, {.Dpi = dpi}).Drawing);
}

// Rasterisers snap the edges of a rectangle filled on its own to their pixels, but give a path of many
// rectangles a pixel more wherever an edge falls on a pixel boundary, as every bar edge of a PDF made
// for the rasteriser's own resolution does. 0.33 mm is 3 dots at 203 dpi and 8 at 600 (GS1: EAN-13's
// module, whole dots).
TEST(PrintedCell, EveryBarPrintsItsDotsWhenAPdfIsRasterisedInBlackAndWhite)
{
    if (!testing::HavePdftoppm())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    RegisterFontSubstitutions();
    const std::pair<int, int> rows[] = {{203, 3}, {600, 8}};
    for (const auto& [dpi, dots] : rows) {
        const TSheetLabels labels{StandardEan13(dpi)};
        const TPreparedReport sheet = OneCell({.Left = 153, .Top = 207, .Width = 500, .Height = 400});
        QTemporaryDir dir;
        QFile file(dir.filePath("sheet.pdf"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(PdfBytes(sheet, std::vector<QImage>{QImage(10, 10, QImage::Format_Mono)},
                            LabelDrawer(labels, dpi)));
        file.close();
        const std::vector<QImage> pages = testing::RenderPdf(file.fileName(), dpi, testing::TRaster::Mono);
        ASSERT_EQ(pages.size(), 1u);
        // Halfway down the cell, through the bars: EAN-13's 30 bars, each 1 to 4 modules wide.
        const int y = static_cast<int>(std::lround((20.7 + 10) * dpi / 25.4));
        const std::vector<testing::TRun> bars = testing::DarkRuns(pages.front(), y);
        ASSERT_EQ(bars.size(), 30u) << dpi << " dpi";
        for (const testing::TRun& bar : bars)
            EXPECT_EQ(bar.Length % dots, 0)
                << dpi << " dpi, bar at " << bar.Start << ", " << bar.Length << " dots";
    }
}

// A frame in millimetres seldom lies on the dot grid: a label its cell cuts off is cut at the nearest
// dot of its printer, so that each cell prints as another one whole dots away, also on a device finer
// than the printer (a PDF). The frame ends 25.05 mm down, 591.7 dots of 600 dpi: the bars stop after
// dot 591, device pixel 1183 at 1200 dpi, not at 1182 where the frame itself ends.
TEST(PrintedCell, ALabelItsCellCutsOffIsCutOnAWholeDot)
{
    RegisterFontSubstitutions();
    constexpr int kPrinterDpi = 600;
    constexpr int kDeviceDpi = 1200;
    const TSheetLabels labels{StandardEan13(kPrinterDpi)};
    const TRectTenths frame{.Left = 100.0, .Top = 100.0, .Width = 500.0, .Height = 150.5};
    const long lastDot = std::lround((frame.Top + frame.Height) / 10.0 * kPrinterDpi / 25.4) - 1;
    QImage page(3400, 1500, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        RenderPage(painter, OneCell(frame), 0, std::vector<QImage>{QImage(10, 10, QImage::Format_Mono)},
                   {.ResolutionDpi = kDeviceDpi, .DrawPicture = LabelDrawer(labels, kPrinterDpi)});
    }
    int last = -1;
    for (int y = 0; y < page.height(); ++y)
        if (!testing::DarkRuns(page, y).empty())
            last = y;
    EXPECT_EQ(last, (lastDot + 1) * (kDeviceDpi / kPrinterDpi) - 1);
}

} // namespace
} // namespace quillon
