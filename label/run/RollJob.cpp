#include "label/run/RollJob.h"

#include <QTransform>
#include <cmath>

#include "label/proof/PrintedLabel.h"
#include "label/proof/WrittenZpl.h"
#include "label/render/LabelPainter.h"
#include "report/Units.h"

namespace quillon {

namespace {

int DotsOfMm(double mm, int dpi)
{
    return static_cast<int>(std::lround(mm * dpi / kMmPerInch));
}

// Where the label's corner lands on the roll's label, as a sheet's cell places it: the same placement
// (PlaceInCell) on the printer's dots.
QPoint PlacedCorner(const TLabelDrawing& drawing, const TRollMedia& media, int dpi)
{
    if (!media.LabelMm || !media.Placing)
        return {};
    const double dotsPerMm = dpi / kMmPerInch;
    const TPictureCell cell{.FrameMm = QRectF(QPointF(0, 0), *media.LabelMm),
                            .Image = *media.Placing,
                            .PixelsPerInch = dpi,
                            .ToDevice = QTransform::fromScale(dotsPerMm, dotsPerMm),
                            .DeviceDpi = static_cast<double>(dpi)};
    const QPointF origin = PlaceInCell(drawing, cell, dpi).Placement.Origin;
    return {static_cast<int>(std::lround(origin.x())), static_cast<int>(std::lround(origin.y()))};
}

} // namespace

TZplBlock MakeZplBlock(const TRollLabel& label, const TRollMedia& media, const TZplSettings& settings,
                       int copies, TBlockProof proof)
{
    const TLabelDrawing& drawing = *label.Drawing;
    const TZplArtwork artwork =
        ZplArtwork(drawing, label.Symbol != nullptr ? nullptr : label.Barcode, settings);
    TZplBlock block;
    if (!artwork.GraphicNote.empty())
        block.Notes.push_back("ZPL: the bars of " + label.KindName +
                              " go as a graphic: " + artwork.GraphicNote);
    const QSize size = media.LabelMm ? QSize(DotsOfMm(media.LabelMm->width(), settings.Dpi),
                                             DotsOfMm(media.LabelMm->height(), settings.Dpi))
                                     : QSize(artwork.Dots.Width, artwork.Dots.Height);
    block.Zpl = ZplLabel(artwork, size, PlacedCorner(drawing, media, settings.Dpi), copies, settings);
    if (proof == TBlockProof::Skip)
        return block;
    // The proof reads the block as written, as the printer will: its inked part, which the reader sets
    // on white paper as the rest of the roll's label is.
    const std::vector<TPrintedZplLabel> printed = ReadWrittenZpl(block.Zpl);
    const TDotBitmap& dots = printed.at(0).Dots;
    const QRect ink = InkBox(dots);
    const TLabelReading reading = ReadPrintedLabel(ImageOfDots(ink.isEmpty() ? dots : Cropped(dots, ink)),
                                                   drawing, *label.Barcode, label.Symbol);
    block.Failure = reading.Failure;
    block.NoReader = reading.NoReader;
    return block;
}

} // namespace quillon
