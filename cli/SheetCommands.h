// The label stocks, the paper and the printer's correction on the command line: the stocks and
// calibration commands, and what the sheet command takes from them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <ostream>

#include "CliOptions.h"
#include "label/LabelStock.h"
#include "report/Calibration.h"
#include "report/PageModel.h"
#include "report/PreparedReport.h"

namespace quillon::cli {

// The built-in stocks and the user's own from stocks.ini in the window's data directory.
TStockCatalogue CliStockCatalogue();

// The stock --stock names, looked up in the catalogue; none without --stock. Raises UsageError for an
// unknown ID, naming the known ones, and for a --paper other than the stock's own.
std::optional<TStockGeometry> StockFrom(const CliOptions& options);
TPaperSize PaperFrom(const CliOptions& options); // A4 unless --paper letter
TCalibration CalibrationFrom(const CliOptions& options);

// The pages of a sheet of any number of labels, each prepared alone as the whole sheet would lay it
// out, so that a run of a million labels never holds more than a page. Pages after the first lie as
// the second page of a sheet without skipped cells; the last one is prepared for its own rows.
// Whether a page is the sheet's last: no label follows it.
enum class LastPage : std::uint8_t { No, Yes };

class SheetPager {
public:
    explicit SheetPager(const CliOptions& options);

    // The cells of page `index` when it is not the last: the sheet's, less the skipped on the first.
    std::size_t CellsOn(std::size_t index) const;
    // Page `index` alone, its labels' rows counted from its first (0 to rows - 1). rows is
    // CellsOn(index) unless it is the last page, and then 1 to CellsOn(index).
    TPreparedReport Page(std::size_t index, std::size_t rows, LastPage last) const;

private:
    // Page `index` of the sheet `options` makes for `labels` labels, its rows counted from `firstRow`.
    static TPreparedReport PageOf(const CliOptions& options, int labels, std::size_t index,
                                  std::int64_t firstRow);

    CliOptions FOptions;
    CliOptions FUnskipped; // the same sheet without skipped cells
    std::size_t FCells = 0;
    std::size_t FFirstCells = 0;
    TPreparedReport FFirst{};  // page 0 when a page follows it
    TPreparedReport FMiddle{}; // any later page that a page follows
};

// One line per stock: ID, TAB, description; what was wrong with stocks.ini on `err`.
void RunStocks(std::ostream& out, std::ostream& err);

// The calibration page on --paper, moved and scaled by --offset and --scale when given, written to
// options.output in one piece.
void RunCalibration(const CliOptions& options);

} // namespace quillon::cli
