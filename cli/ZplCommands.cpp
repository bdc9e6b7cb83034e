#include "ZplCommands.h"

#include "Commands.h"
#include "SheetCommands.h"
#include "label/compose/SymbolKinds.h"
#include "label/run/RollJob.h"
#include "label/sheet/SheetRun.h"

namespace quillon::cli {

namespace {

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
    const TRollLabel roll{.Drawing = label.drawing.get(),
                          .Barcode = &label.barcode,
                          .Symbol = label.symbol.get(),
                          .KindName = KindNameOf(options)};
    TZplBlock made = quillon::MakeZplBlock(roll, {.LabelMm = media.labelMm, .Placing = media.placing},
                                           ZplSettingsFrom(options), copies,
                                           options.verify ? TBlockProof::Read : TBlockProof::Skip);
    ZplLabelBlock block{.zpl = std::move(made.Zpl),
                        .notes = label.notes,
                        .failure = EnglishText(made.Failure),
                        .noReader = made.NoReader};
    for (std::string& note : made.Notes)
        block.notes.push_back(std::move(note));
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
