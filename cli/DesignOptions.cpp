#include "DesignOptions.h"

#include <charconv>
#include <filesystem>

#include "Codes.h"
#include "SheetCommands.h"
#include "barcode/Exception.h"
#include "data/Escape.h"
#include "data/SafeFile.h"
#include "label/compose/SymbolKinds.h"
#include "label/input/LabelList.h"

namespace quillon::cli {

namespace {

std::uint64_t SerialNumber(const std::string& digits)
{
    std::uint64_t n = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), n); // checked digits, at most 18
    return n;
}

// The run the window's serial fields make, as --sequence counts it.
Sequence SequenceOf(const TDesignSerial& serial, const std::string& path)
{
    const TSerialRun run{.Start = SerialNumber(serial.Start),
                         .Step = SerialNumber(serial.Step),
                         .Count = static_cast<std::uint64_t>(serial.Count),
                         .Prefix = serial.Prefix,
                         .Suffix = serial.Suffix,
                         .Width = serial.Width};
    try {
        CheckSerialRun(run);
    } catch (const Exception& e) {
        throw InputError(path + ": the serial run: " + e.what());
    }
    return {.from = run.Start,
            .to = run.Start + run.Step * (run.Count - 1),
            .step = run.Step,
            .width = static_cast<std::size_t>(run.Width)};
}

std::string ListPath(const std::string& listFile, const std::string& designPath)
{
    const std::filesystem::path list(listFile);
    return list.is_absolute() ? listFile : (std::filesystem::path(designPath).parent_path() / list).string();
}

} // namespace

DesignDefaults DefaultsOfDesign(const TLabelDesign& design, const std::string& path)
{
    CliOptions o;
    o.symbol = SymbolKindOf(design.Kind);
    if (!o.symbol)
        o.kind = static_cast<TBarcodeType>(design.Kind);
    o.symbolOptions = design.Symbol;
    o.checksum = design.CheckDigit;
    o.method = csmModulo10;
    o.modul = design.Zoom;
    o.ratio = static_cast<double>(design.Ratio);
    o.barColor = design.BarColor;
    if (design.Upper.On)
        o.upper = design.Upper.Text;
    if (design.Lower.On)
        o.lower = design.Lower.Text;
    o.layout = design.Layout == TDesignLayout::Standard ? Layout::Standard : Layout::Classic;
    // The window's module field shows the matrix kinds' module or the X-dimension, by the kind.
    const bool matrix = o.symbol && IsTwoDimensional(*o.symbol);
    o.xDimensionMm = matrix ? design.ModuleMm : design.XDimensionMm;
    o.xDimensionGiven = true;
    o.columns = design.Columns;
    o.rows = design.Rows;
    o.margins = {.top = design.Margins.Top,
                 .right = design.Margins.Right,
                 .bottom = design.Margins.Bottom,
                 .left = design.Margins.Left};
    o.spacing = design.SpacingMm;
    o.stretch = design.Stretch;
    o.mark = design.Mark;
    o.footer = design.Footer;
    o.order = design.Order;
    o.skip = design.Start - 1;
    o.prefix = design.Serial.Prefix;
    o.suffix = design.Serial.Suffix;
    DesignDefaults defaults{.options = std::move(o),
                            .text = design.Code,
                            .codes = std::nullopt,
                            .codesText = std::nullopt,
                            .sequence = std::nullopt,
                            .stock = design.CustomSheet() ? std::nullopt : std::optional(design.Stock),
                            .paper = design.Paper == TPaperSize::Letter ? Paper::Letter : Paper::A4,
                            .align = design.Align,
                            .insetMm = design.InsetMm};
    if (design.Source == TDesignSource::List && !design.ListText.empty()) {
        // Named as the window names a pasted list, or by its file, whose ending tells CSV.
        defaults.codes = design.ListFile.empty() ? path + " (list_text)" : design.ListFile;
        defaults.codesText = design.ListText;
    } else if (design.Source == TDesignSource::List) {
        if (design.ListFile.empty())
            throw InputError(path + ": the list is empty: neither list_file nor list_text holds one");
        defaults.codes = ListPath(design.ListFile, path);
    } else if (design.Source == TDesignSource::Serial) {
        defaults.sequence = SequenceOf(design.Serial, path);
    }
    return defaults;
}

CliOptions ParseWithDesign(const std::vector<std::string>& args, std::ostream& err)
{
    const CliOptions line = ParseCommandLine(args);
    if (!line.design || line.help)
        return line;
    TReadDesign read;
    try {
        read = ReadLabelDesignFile(*line.design, CliStockCatalogue());
    } catch (const EDesignError& e) {
        throw InputError(e.what());
    } catch (const EFileError& e) {
        throw InputError(e.what());
    }
    for (const TDesignNote& note : read.Notes)
        err << "quillon-cli: "
            << EscapeForMessage(*line.design + ":" + std::to_string(note.Line) + ": " + DesignNoteText(note))
            << '\n';
    const DesignDefaults defaults = DefaultsOfDesign(read.Design, *line.design);
    return ParseCommandLine(args, &defaults);
}

} // namespace quillon::cli
