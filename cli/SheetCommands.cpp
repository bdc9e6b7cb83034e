#include "SheetCommands.h"

#include <QByteArray>
#include <string>
#include <utility>
#include <variant>

#include "Commands.h"
#include "OutputFile.h"
#include "barcode/Exception.h"
#include "data/Escape.h"
#include "data/OptionsFile.h"
#include "report/CalibrationPage.h"

namespace quillon::cli {

TStockCatalogue CliStockCatalogue()
{
    return LoadStockCatalogue(DefaultDataDirectory().toStdString());
}

std::optional<TStockGeometry> StockFrom(const CliOptions& options)
{
    if (!options.stock)
        return std::nullopt;
    const TStockCatalogue catalogue = CliStockCatalogue();
    TStockGeometry geometry;
    try {
        geometry = catalogue.Find(*options.stock).Geometry;
    } catch (const Exception& e) {
        // The user's own entry may be the one asked for: say why it was skipped.
        std::string message = e.what();
        for (const std::string& problem : catalogue.Problems())
            message += "\n" + problem;
        throw UsageError(message);
    }
    if (options.paper && PaperFrom(options) != geometry.Paper)
        throw UsageError("--paper " + std::string(PaperName(PaperFrom(options))) +
                         " is not the paper of label stock " + *options.stock + ", which is " +
                         PaperName(geometry.Paper));
    return geometry;
}

TPaperSize PaperFrom(const CliOptions& options)
{
    return options.paper == Paper::Letter ? TPaperSize::Letter : TPaperSize::A4;
}

TCalibration CalibrationFrom(const CliOptions& options)
{
    return {.OffsetXMm = options.offsetXMm,
            .OffsetYMm = options.offsetYMm,
            .ScaleXPercent = options.scaleXPercent,
            .ScaleYPercent = options.scaleYPercent};
}

SheetPager::SheetPager(const CliOptions& options) : FOptions(options), FUnskipped(options)
{
    FUnskipped.skip = 0;
    FCells = static_cast<std::size_t>(SheetCellCount(SheetSettingsFrom(options)));
    FFirstCells = FCells - static_cast<std::size_t>(options.skip);
    FFirst = PageOf(FOptions, static_cast<int>(FFirstCells + 1), 0, 0);
    FMiddle = PageOf(FUnskipped, static_cast<int>(2 * FCells + 1), 1, static_cast<std::int64_t>(FCells));
}

std::size_t SheetPager::CellsOn(std::size_t index) const
{
    return index == 0 ? FFirstCells : FCells;
}

TPreparedReport SheetPager::Page(std::size_t index, std::size_t rows, LastPage last) const
{
    if (rows == 0 || rows > CellsOn(index) || (last == LastPage::No && rows != CellsOn(index)))
        throw Exception("Page " + std::to_string(index + 1) + " cannot hold " + std::to_string(rows) +
                        " labels");
    if (last == LastPage::No)
        return index == 0 ? FFirst : FMiddle;
    if (index == 0)
        return PageOf(FOptions, static_cast<int>(rows), 0, 0);
    return PageOf(FUnskipped, static_cast<int>(FCells + rows), 1, static_cast<std::int64_t>(FCells));
}

TPreparedReport SheetPager::PageOf(const CliOptions& options, int labels, std::size_t index,
                                   std::int64_t firstRow)
{
    TPreparedReport sheet = PrepareSheetFor(options, labels);
    if (sheet.Pages.size() <= index)
        throw Exception("The sheet of " + std::to_string(labels) + " labels has no page " +
                        std::to_string(index + 1));
    TPreparedPage page = std::move(sheet.Pages[index]);
    for (TPlacedElement& element : page.Elements)
        if (auto* image = std::get_if<TPlacedImage>(&element.Content))
            image->Row -= firstRow;
    for (TPlacedBand& band : page.Bands)
        band.Row = band.Row >= 0 ? band.Row - firstRow : band.Row;
    sheet.Pages = {std::move(page)};
    return sheet;
}

void RunStocks(std::ostream& out, std::ostream& err)
{
    const TStockCatalogue catalogue = CliStockCatalogue();
    for (const std::string& problem : catalogue.Problems())
        err << "quillon-cli: " << EscapeForMessage(problem) << '\n';
    for (const TLabelStock& stock : catalogue.Stocks())
        out << EscapeForMessage(stock.Id) << '\t' << EscapeForMessage(stock.Description) << '\n';
}

void RunCalibration(const CliOptions& options)
{
    QByteArray pdf;
    try {
        pdf = CalibrationPdf(PaperFrom(options), CalibrationFrom(options));
    } catch (const Exception& e) {
        throw CannotWrite(options.output, e.what());
    }
    WriteOutputFile(options.output, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
}

} // namespace quillon::cli
