// Label stock: sheets of die-cut labels with their exact geometry, the common ones built in and a
// user's own read from stocks.ini in the data directory.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "report/PageModel.h"

namespace quillon {

// Where the labels of a sheet lie, in hundredths of a millimetre from the paper's top-left corner:
// label (column c, row r) has its top-left corner at (LeftMargin + c * HorizontalPitch,
// TopMargin + r * VerticalPitch) and is LabelWidth x LabelHeight.
struct TStockGeometry {
    TPaperSize Paper = TPaperSize::A4;
    int Columns = 1;
    int Rows = 1;
    int LabelWidth = 0;
    int LabelHeight = 0;
    int TopMargin = 0;
    int LeftMargin = 0;
    int HorizontalPitch = 0; // from one column's left edge to the next one's
    int VerticalPitch = 0;   // from one row's top edge to the next one's
};

// A stock built into the program; IDs read PAPER-COLSxROWS-WIDTHxHEIGHT, sizes in millimetres as
// printed on the product.
struct TBuiltInStock {
    std::string_view Id;
    std::string_view Description;
    TStockGeometry Geometry{};
};

struct TLabelStock {
    std::string Id;
    std::string Description;
    TStockGeometry Geometry{};
};

// The empty reason when the geometry is a sheet the program can print: A4 or Letter, 1 to 4
// columns, 1 to 20 rows, labels of some size that do not overlap and lie on the paper; otherwise
// what is wrong, e.g. "3 columns reach 212.79 mm across paper 210.00 mm wide".
std::string StockFault(const TStockGeometry& geometry);
// Raises "Label stock <id>: <fault>" for a geometry with a fault.
void CheckStock(std::string_view id, const TStockGeometry& geometry);

std::span<const TBuiltInStock> BuiltInStocks();

// Stock IDs name the same stock whatever the letter case: A4-3X7-63.5X38.1 is a4-3x7-63.5x38.1.
bool SameStockId(std::string_view a, std::string_view b);

// The name stocks.ini has in the data directory, and the most of it that is read.
inline constexpr const char* kStocksFileName = "stocks.ini";
inline constexpr std::size_t kMaxStocksFileBytes = 64 * 1024;

// The built-in stocks and the user's own, and what was wrong with the entries that were skipped.
class TStockCatalogue {
public:
    TStockCatalogue(); // the built-in stocks alone

    const std::vector<TLabelStock>& Stocks() const { return FStocks; }
    // One line for each skipped entry or unreadable file: "stocks.ini line 7: ...".
    const std::vector<std::string>& Problems() const { return FProblems; }

    // The stock of that ID, any letter case. Raises "Unknown label stock: <id> (known: ...)",
    // naming every known ID.
    const TLabelStock& Find(std::string_view id) const;

    // Adds the stocks of a stocks.ini text. An entry with a fault is skipped and its problem kept,
    // with the line where it is; the entries before and after it still count.
    void AddUserStocks(std::string_view text, const std::string& fileName = kStocksFileName);
    void AddProblem(std::string problem) { FProblems.push_back(std::move(problem)); }

private:
    const TLabelStock* Lookup(std::string_view id) const;

    std::vector<TLabelStock> FStocks;
    std::vector<std::string> FProblems;
};

// The built-in stocks and those of stocks.ini in the data directory, read through the safe file
// layer. A missing file is no problem; one that cannot be read is a problem of its own.
TStockCatalogue LoadStockCatalogue(const std::string& dataDirectory);

} // namespace quillon
