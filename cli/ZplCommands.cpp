#include "ZplCommands.h"

#include <QTransform>
#include <cmath>

#include "Commands.h"
#include "SheetCommands.h"
#include "label/compose/SymbolKinds.h"
#include "label/proof/WrittenZpl.h"
#include "label/render/LabelPainter.h"
#include "label/sheet/SheetRun.h"
#include "report/Units.h"

namespace quillon::cli {

namespace {

int DotsOfMm(double mm, int dpi)
{
    return static_cast<int>(std::lround(mm * dpi / kMmPerInch));
}

// Where the label's corner lands on the roll's label, as a sheet's cell places it: the same placement
// (PlaceInCell) on the printer's dots.
QPoint PlacedCorner(const TLabelDrawing& drawing, const ZplMedia& media, int dpi)
{
    if (!media.labelMm || !media.placing)
        return {};
    const double dotsPerMm = dpi / kMmPerInch;
    const TPictureCell cell{.FrameMm = QRectF(QPointF(0, 0), *media.labelMm),
                            .Image = *media.placing,
                            .PixelsPerInch = dpi,
                            .ToDevice = QTransform::fromScale(dotsPerMm, dotsPerMm),
                            .DeviceDpi = static_cast<double>(dpi)};
    const QPointF origin = PlaceInCell(drawing, cell, dpi).Placement.Origin;
    return {static_cast<int>(std::lround(origin.x())), static_cast<int>(std::lround(origin.y()))};
}

std::string KindNameOf(const CliOptions& options)
{
    return std::string(LabelKindName(options.symbol ? OrdinalOf(*options.symbol) : options.kind));
}

} // namespace

TZplSettings ZplSettingsFrom(const CliOptions& options)
{
    return {.Dpi = options.dpi,
            .Mode = options.zplMode,
            .Darkness = options.darkness,
            .SpeedIps = options.speedIps};
}

ZplMedia ZplMediaFrom(const CliOptions& options)
{
    const std::optional<TStockGeometry> stock = StockFrom(options);
    if (!stock)
        return {};
    if (stock->Columns * stock->Rows != 1)
        throw UsageError("ZPL is written for a roll; " + *options.stock + " is a sheet of " +
                         std::to_string(stock->Columns) + " x " + std::to_string(stock->Rows) + " labels");
    const std::optional<TCellPlacing> placing = PlacingFrom(options);
    return {.labelMm = CellSizeMm(PrepareSheetFor(options, 1)),
            .placing =
                placing ? std::optional(PlacedImageOf(*placing, LabelQuietMm(options))) : std::nullopt};
}

CliOptions ZplLabelOptions(const CliOptions& options, const ZplMedia& media)
{
    return media.labelMm ? SheetLabelOptions(options) : options;
}

ZplLabelBlock MakeZplBlock(const CliOptions& options, const ZplMedia& media, const PrintLabel& label,
                           int copies)
{
    const TZplSettings settings = ZplSettingsFrom(options);
    const TZplArtwork artwork = ZplArtwork(*label.drawing, label.symbol ? nullptr : &label.barcode, settings);
    ZplLabelBlock block{.notes = label.notes};
    if (!artwork.GraphicNote.empty())
        block.notes.push_back("ZPL: the bars of " + KindNameOf(options) +
                              " go as a graphic: " + artwork.GraphicNote);
    const QSize size = media.labelMm ? QSize(DotsOfMm(media.labelMm->width(), options.dpi),
                                             DotsOfMm(media.labelMm->height(), options.dpi))
                                     : QSize(artwork.Dots.Width, artwork.Dots.Height);
    block.zpl = ZplLabel(artwork, size, PlacedCorner(*label.drawing, media, options.dpi), copies, settings);
    if (!options.verify)
        return block;
    // The proof reads the block as written, as the printer will: its inked part, which the reader sets
    // on white paper as the rest of the roll's label is, at a fraction of the label's pixels.
    const std::vector<TPrintedZplLabel> printed = ReadWrittenZpl(block.zpl);
    const TDotBitmap& dots = printed.at(0).Dots;
    const QRect ink = InkBox(dots);
    const LabelProof proof = ProveImage(ImageOfDots(ink.isEmpty() ? dots : Cropped(dots, ink)), label);
    block.failure = proof.failure;
    block.noReader = proof.noReader;
    return block;
}

int RunLabelZpl(const CliOptions& options, std::ostream& err)
{
    const ZplMedia media = ZplMediaFrom(options);
    const PrintLabel label = MakePrintLabel(ZplLabelOptions(options, media), media.labelMm);
    const ZplLabelBlock block = MakeZplBlock(options, media, label, 1);
    ProofReport report(err);
    for (const std::string& note : block.notes)
        report.Note(note);
    if (block.noReader)
        report.Note(NoReaderNote(options));
    if (!block.failure.empty()) {
        report.Fail("", block.failure);
        report.Fail("", "nothing was written: the printer would print a label that does not read");
        return 1;
    }
    WriteOutputFile(options.output, ZplFileHead(ZplSettingsFrom(options)) + block.zpl);
    return 0;
}

} // namespace quillon::cli
