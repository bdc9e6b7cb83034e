#include "SheetCommands.h"

#include <QByteArray>
#include <string>
#include <utility>

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
        for (const TLabelMessage& problem : catalogue.Problems())
            message += "\n" + EnglishText(problem);
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

void RunStocks(const CliOptions& options, std::ostream& out, std::ostream& err)
{
    const TStockCatalogue catalogue = CliStockCatalogue();
    for (const TLabelMessage& problem : catalogue.Problems())
        err << "quillon-cli: " << EscapeForMessage(EnglishText(problem)) << '\n';
    const std::vector<TLabelStock> stocks =
        options.search ? catalogue.Search(*options.search) : catalogue.Stocks();
    for (const TLabelStock& stock : stocks)
        out << EscapeForMessage(stock.Id) << '\t' << EscapeForMessage(EnglishText(StockListing(stock)))
            << '\n';
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
