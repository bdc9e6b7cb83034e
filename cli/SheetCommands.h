// The label stocks, the paper and the printer's correction on the command line: the stocks and
// calibration commands, and what the sheet command takes from them.
#pragma once

#include <optional>
#include <ostream>

#include "CliOptions.h"
#include "label/sheet/LabelStock.h"
#include "report/Calibration.h"
#include "report/PageModel.h"

namespace quillon::cli {

// The built-in stocks and the user's own from stocks.ini in the window's data directory.
TStockCatalogue CliStockCatalogue();

// The stock --stock names, looked up in the catalogue; none without --stock. Raises UsageError for an
// unknown ID, naming the known ones, and for a --paper other than the stock's own.
std::optional<TStockGeometry> StockFrom(const CliOptions& options);
TPaperSize PaperFrom(const CliOptions& options); // A4 unless --paper letter
TCalibration CalibrationFrom(const CliOptions& options);

// One line per stock: ID, TAB, description, of every stock or those --search finds; what was wrong
// with stocks.ini on `err`.
void RunStocks(const CliOptions& options, std::ostream& out, std::ostream& err);

// The calibration page on --paper, moved and scaled by --offset and --scale when given, written to
// options.output in one piece.
void RunCalibration(const CliOptions& options);

} // namespace quillon::cli
