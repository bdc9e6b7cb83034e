// Labels painted at a printer's resolution: bars on whole dots, every module the same number of dots,
// and the result read back by a real decoder.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <cmath>
#include <vector>

#include "label/compose/LabelComposer.h"
#include "label/compose/StandardLayout.h"
#include "label/proof/ScanRows.h"
#include "label/render/LabelPainter.h"
#include "tests/support/PatternDecoder.h"
#include "tests/support/QtSupport.h"

namespace quillon {
namespace {

constexpr char kEan13[] = "6212236011840";
const TLabelCaptions kNoCaptions{.UpperOn = false, .Upper = {}, .LowerOn = false, .Lower = {}};
constexpr int kDotsPerMeterPerDpi = 10000; // dpi * 10000 / 254 dots per metre

TBarcode Ean13(int modul)
{
    TBarcode barcode;
    barcode.SetModul(modul), barcode.SetRatio(2.0), barcode.SetHeight(64), barcode.SetShowText(bcoCode);
    barcode.SetText(kEan13);
    return barcode;
}

// A white page of the given resolution with the label painted in a cell whose corner is off the dot
// grid, the way a sheet's margins in millimetres put it.
QImage PaintedAt(const TLabelDrawing& label, double deviceDpi, double gridDpi, TLabelPlacement& placement,
                 bool stretch = false)
{
    const double scale = deviceDpi / 96.0;
    const QSizeF size = QSizeF(label.Size) * scale;
    QImage page(static_cast<int>(size.width()) + 80, static_cast<int>(size.height()) + 80,
                QImage::Format_RGB32);
    page.setDotsPerMeterX(static_cast<int>(deviceDpi * kDotsPerMeterPerDpi / 254));
    page.setDotsPerMeterY(page.dotsPerMeterX());
    page.fill(Qt::white);
    // The frame given in device pixels: a top-left picture lies at its corner.
    const TPictureCell cell{.FrameMm = QRectF(QPointF(17.3, 11.6), stretch ? size * 1.37 : size),
                            .Image = {.Row = 0, .Stretch = stretch},
                            .PixelsPerInch = 96,
                            .ToDevice = {},
                            .DeviceDpi = deviceDpi};
    placement = PlaceInCell(label, cell, gridDpi).Placement;
    QPainter painter(&page);
    PaintLabel(painter, label, placement);
    return page;
}

using testing::TRun;

struct TDotsRow {
    double Dpi;
    int Zoom;
    int DotsPerModule; // the nearest whole number to zoom * dpi / 96
};

// 0.2646 mm per zoom step: 2.11 dots at 203 dpi, 3.125 at 300, 6.25 at 600.
constexpr TDotsRow kDots[] = {
    {203, 1, 2}, {203, 2, 4}, {203, 3, 6}, {300, 1, 3}, {300, 2, 6}, {300, 3, 9}, {600, 1, 6}, {600, 3, 19},
};

TEST(LabelPainter, EveryModuleIsTheSameWholeNumberOfDotsAndTheLabelScans)
{
    for (const TDotsRow& row : kDots) {
        SCOPED_TRACE(::testing::Message() << row.Dpi << " dpi, zoom " << row.Zoom);
        TBarcode barcode = Ean13(row.Zoom);
        const TLabelDrawing label = RecordLabel(barcode, kNoCaptions);
        TLabelPlacement placement;
        const QImage page = PaintedAt(label, row.Dpi, row.Dpi, placement);
        EXPECT_EQ(placement.DotsPerModule, row.DotsPerModule);
        // Halfway down, below the mark and above the human-readable line, every bar is there: EAN-13 has
        // 30 bars over 95 modules.
        const std::vector<TRun> bars =
            testing::DarkRuns(page, static_cast<int>(placement.Origin.y() + 30 * placement.ScaleY));
        ASSERT_EQ(bars.size(), 30u);
        for (const TRun& bar : bars)
            EXPECT_EQ(bar.Length % row.DotsPerModule, 0) << "bar at " << bar.Start;
        EXPECT_EQ(bars.back().Start + bars.back().Length - bars.front().Start, 95 * row.DotsPerModule);
        const auto decoded = testing::DecodeImage(testing::ToGrey(page));
        ASSERT_TRUE(decoded.has_value());
        EXPECT_EQ(decoded->text, kEan13);
    }
}

// A PDF is drawn finer than the printer it is made for: edges still fall on the printer's dots.
TEST(LabelPainter, EdgesLieOnThePrintersDotsOnAFinerDevice)
{
    TBarcode barcode = Ean13(1);
    const TLabelDrawing label = RecordLabel(barcode, kNoCaptions);
    TLabelPlacement placement;
    const QImage page = PaintedAt(label, 1200, 300, placement);
    EXPECT_EQ(placement.DotsPerModule, 3);
    for (const TRun& bar :
         testing::DarkRuns(page, static_cast<int>(placement.Origin.y() + 30 * placement.ScaleY))) {
        EXPECT_EQ(bar.Start % 4, 0);
        EXPECT_EQ(bar.Length % 12, 0);
    }
}

// Stretched, the module takes the whole dots that fit, so the label never outgrows its frame.
TEST(LabelPainter, AStretchedLabelStaysInsideItsFrame)
{
    TBarcode barcode = Ean13(1);
    const TLabelDrawing label = RecordLabel(barcode, kNoCaptions);
    TLabelPlacement placement;
    const QImage page = PaintedAt(label, 300, 300, placement, true);
    EXPECT_EQ(placement.DotsPerModule, 4); // 3.125 * 1.37 = 4.28 dots
    EXPECT_LE(placement.ScaleX * label.Size.width(), 1.37 * 300 / 96 * label.Size.width());
}

struct TRenderRow {
    double Ppi = 600;
    double GridDpi = 600;
    int DotsPerModule = 0;
    int ImageWidth = 0;
    int StartBarPixels = 0; // 0 where the module is not whole pixels
};

// A label drawn in a printer's dots keeps its true size on any device: whole pixels per module at its
// printer's resolution or a multiple of it, and exact proportions on a screen when the grid is its own.
TEST(LabelPainter, ADrawingInPrinterDotsKeepsItsTrueSize)
{
    TBarcode barcode;
    barcode.SetText(kEan13);
    // 113 modules of 8 dots at 600 dpi: 904 dots, with its quiet zones.
    const TStandardLabel standard = ComposeStandardLabel(barcode, kNoCaptions, {});
    ASSERT_EQ(standard.Drawing.Size.width(), 904);
    const TRenderRow rows[] = {
        {600, 600, 8, 904, 8}, {300, 300, 4, 452, 4}, {1200, 600, 8, 1808, 16}, {96, 600, 8, 145, 0}};
    for (const TRenderRow& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.Ppi << " ppi on a " << row.GridDpi << " dpi grid");
        const TPictureCell cell{.FrameMm = QRectF(0, 0, 10, 10), .DeviceDpi = row.Ppi};
        EXPECT_EQ(PlaceInCell(standard.Drawing, cell, row.GridDpi).Placement.DotsPerModule,
                  row.DotsPerModule);
        const QImage image = RenderLabelImage(standard.Drawing, row.Ppi, row.GridDpi);
        EXPECT_EQ(image.width(), row.ImageWidth);
        if (row.StartBarPixels == 0)
            continue;
        const double scale = row.Ppi / 600;
        const std::vector<TRun> bars =
            testing::DarkRuns(image, static_cast<int>(standard.SymbolDots.center().y() * scale));
        ASSERT_FALSE(bars.empty());
        EXPECT_EQ(bars.front().Start, static_cast<int>(standard.SymbolDots.left() * scale));
        EXPECT_EQ(bars.front().Length, row.StartBarPixels);
    }
}

// A proof draws a cell only on its scan lines, within its frame, and its own renderer fills the bars
// and the glyphs of large text on those rows alone: each row must show what the whole label shows there,
// to within the smoothing of an edge, and nothing past the frame; so must the plain painter's clip.
TEST(LabelPainter, TextOnScanLinesIsTheTextOfTheWholeLabel)
{
    struct TTextRow {
        double Dpi;
        QString Upper;
        QString Lower;
        bool ProofRows;
    };
    const TTextRow rows[] = {{1200, "Item 42", "Shelf 7", true},
                             {1200, "\u0645\u0631\u062D\u0628\u0627", "12", true},
                             {600, "Wide caption WWW", "", true},
                             {1200, "Item 42", "Shelf 7", false},
                             {600, "Wide caption WWW", "", false}};
    for (const TTextRow& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.Dpi << " dpi, " << row.Upper.toStdString()
                                          << (row.ProofRows ? ", the proof's rows" : ", the painter"));
        TBarcode barcode = Ean13(1);
        const TLabelDrawing label = RecordLabel(
            barcode,
            {.UpperOn = true, .Upper = row.Upper, .LowerOn = !row.Lower.isEmpty(), .Lower = row.Lower});
        TLabelPlacement placement;
        const QImage whole = PaintedAt(label, row.Dpi, 600, placement);
        QImage lines(whole.size(), QImage::Format_RGB32);
        lines.fill(Qt::white);
        const int frameRight = lines.width() * 3 / 5; // the frame cuts the label
        QRegion scanRows;
        for (int y = 3; y < lines.height(); y += 7)
            scanRows += QRect(0, y, frameRight, 1);
        {
            TScanRowInk proofRows(lines);
            TLabelFonts fonts;
            QPainter painter(&lines);
            painter.setClipRegion(scanRows);
            if (row.ProofRows) { // else the painter would quietly draw it all
                ASSERT_TRUE(proofRows.Takes(painter, painter.clipRegion()));
            }
            PaintLabel(painter, label, placement, fonts, row.ProofRows ? &proofRows : nullptr);
        }
        const auto ink = [](const QImage& image, int x, int y) { return qRed(image.pixel(x, y)) < 128; };
        int inked = 0;
        for (int y = 3; y < lines.height(); y += 7)
            for (int x = 1; x + 1 < lines.width(); ++x) {
                inked += ink(lines, x, y) ? 1 : 0;
                const bool edge =
                    ink(whole, x - 1, y) != ink(whole, x, y) || ink(whole, x + 1, y) != ink(whole, x, y);
                const bool shown = x < frameRight && ink(whole, x, y);
                EXPECT_TRUE(ink(lines, x, y) == shown || (edge && x < frameRight)) << "at " << x << ", " << y;
            }
        EXPECT_GT(inked, 1000);
    }
}

} // namespace
} // namespace quillon
