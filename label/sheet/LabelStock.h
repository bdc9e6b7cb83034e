// Label stock: sheets of die-cut labels, rolls and tapes with their exact geometry, the common ones built
// in, a user's own read from stocks.ini in the data directory, and glabels' templates where installed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "label/words/LabelMessage.h"
#include "report/PageModel.h"

namespace quillon {

// What the labels come on: sheets of paper; a roll of die-cut labels, printed one a page, the page the
// label's size; or continuous tape, cut after each label, the page as wide as the tape and as long as
// the label.
enum class TStockMedia : std::uint8_t { Sheet, Roll, Tape };
// The labels' outline. Only rectangles (with or without rounded corners) take a placed label.
enum class TStockShape : std::uint8_t { Rectangle, Round, Ellipse, Cd };

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
    TStockMedia Media = TStockMedia::Sheet;
    int PaperWidth = 0; // a Custom paper's size: a roll's or tape's page, or a template's own paper
    int PaperLength = 0;
    TStockShape Shape = TStockShape::Rectangle;
    int Layouts = 1; // the grids of labels a sheet has; one can be placed
};

// The page of one roll label, width x height in hundredths of a millimetre.
constexpr TStockGeometry RollGeometry(int width, int height)
{
    return {.Paper = TPaperSize::Custom,
            .LabelWidth = width,
            .LabelHeight = height,
            .HorizontalPitch = width,
            .VerticalPitch = height,
            .Media = TStockMedia::Roll,
            .PaperWidth = width,
            .PaperLength = height};
}

// A tape's page for labels of that length; the tape's own length is the one it starts with.
constexpr TStockGeometry TapeGeometry(int width, int length)
{
    TStockGeometry tape = RollGeometry(width, length);
    tape.Media = TStockMedia::Tape;
    return tape;
}

// A roll's and a tape's sides, and a tape label's length, in millimetres: the sizes the IDs roll-WxH
// and tape-W take.
inline constexpr double kMinRollMm = 5.0;
inline constexpr double kMaxRollMm = 1000.0;

// A size in hundredths of a millimetre as IDs and descriptions write it, in millimetres to two decimals
// without trailing zeros: 63.5, 57, 66.68.
std::string StockMmText(int hundredths);

// The paper's width and length in hundredths of a millimetre: A4's, Letter's, or the Custom size.
int StockPaperWidth(const TStockGeometry& geometry);
int StockPaperLength(const TStockGeometry& geometry);

// A stock built into the program; IDs read PAPER-COLSxROWS-WIDTHxHEIGHT, roll-WIDTHxHEIGHT or
// tape-WIDTH, sizes in millimetres as printed on the product.
struct TBuiltInStock {
    std::string_view Id;
    std::string_view Description;
    TStockGeometry Geometry{};
};

// Where a stock comes from; the catalogue lists them in this order.
enum class TStockOrigin : std::uint8_t { BuiltIn, Template, StocksFile };

struct TLabelStock {
    std::string Id;
    TLabelMessage Description; // a built-in stock's own wording, a template's or the user's text
    TStockGeometry Geometry{};
    TStockOrigin Origin = TStockOrigin::BuiltIn;
    std::string Brand{}; // a template's maker and product number, which a search finds
    std::string Part{};
    TLabelMessage Unusable{}; // why a listed template cannot be placed (round labels, ...)
};

// The empty reason when the geometry is stock the program can print: rectangular labels in one grid
// of 1 to 4 columns and 1 to 20 rows, of some size, that do not overlap and lie on the paper (A4,
// Letter, or a Custom size; a roll's or tape's one label a page); otherwise what is wrong, e.g.
// "3 columns reach 212.79 mm across paper 210.00 mm wide" or "round labels cannot be placed".
TLabelMessage StockFault(const TStockGeometry& geometry);
// Raises ELabelMessage "Label stock <id>: <fault>" for a geometry with a fault.
void CheckStock(std::string_view id, const TStockGeometry& geometry);
// The stock as a list shows it: its description, and why it cannot be used when it cannot.
TLabelMessage StockListing(const TLabelStock& stock);

std::span<const TBuiltInStock> BuiltInStocks();

// Stock IDs name the same stock whatever the letter case: A4-3X7-63.5X38.1 is a4-3x7-63.5x38.1.
bool SameStockId(std::string_view a, std::string_view b);

// A roll or tape named by its size in millimetres, roll-WxH or tape-W (to two decimals, any letter
// case): its canonical ID and geometry, or the fault of sizes outside 5 to 1000 mm ("roll-2x30: a
// roll's sides are 5 to 1000 mm, not 2 x 30"). None for an ID of another form.
struct TSizedStock {
    TLabelStock Stock{};
    std::string Fault{};
};
std::optional<TSizedStock> StockOfSize(std::string_view id);

// The name stocks.ini has in the data directory, and the most of it that is read.
inline constexpr const char* kStocksFileName = "stocks.ini";
inline constexpr std::size_t kMaxStocksFileBytes = 64 * 1024;

// The built-in stocks, glabels' templates and the user's own, and what was wrong with the entries that
// were skipped.
class TStockCatalogue {
public:
    TStockCatalogue(); // the built-in stocks alone

    // Built in first, then the templates, then the user's own from stocks.ini.
    const std::vector<TLabelStock>& Stocks() const { return FStocks; }
    // One for each skipped entry or unreadable file: "stocks.ini line 7: ...".
    const std::vector<TLabelMessage>& Problems() const { return FProblems; }

    // The stock of that ID, any letter case, or a roll or tape of any sane size (roll-60x40). Raises
    // "Unknown label stock: <id> (known: ...)", naming every known ID but the templates', or the fault
    // of a roll or tape ID whose sizes are out of range.
    const TLabelStock& Find(std::string_view id) const;
    // The same without raising: none for an ID that names no stock.
    std::optional<TLabelStock> Lookup(std::string_view id) const;

    // The stocks whose ID, description, brand or part hold every word of the text, any letter case
    // ("dymo 11354"), in the catalogue's order; all of them for a blank text.
    std::vector<TLabelStock> Search(std::string_view text) const;

    // Adds the stocks of a stocks.ini text. An entry with a fault is skipped and its problem kept,
    // with the line where it is; the entries before and after it still count.
    void AddUserStocks(std::string_view text, const std::string& fileName = kStocksFileName);
    // Adds templates' stocks before the user's own. A template whose ID is taken is renamed with a
    // number (Avery-5160_2), since the user chose the other name and the template's is made up.
    void AddTemplateStocks(std::vector<TLabelStock> stocks);
    void AddProblem(TLabelMessage problem) { FProblems.push_back(std::move(problem)); }

private:
    const TLabelStock* Listed(std::string_view id) const;

    std::vector<TLabelStock> FStocks;
    std::vector<TLabelMessage> FProblems;
    // Rolls and tapes found by their size: kept so that Find can hand out a reference that lasts. Find
    // adds to it, so one catalogue is not for several threads at once.
    mutable std::deque<TLabelStock> FSized;
};

// The folders glabels reads templates from: the system's, then the user's own
// ($XDG_CONFIG_HOME/libglabels/templates, or ~/.config/...).
std::vector<std::string> DefaultTemplateFolders();

// The built-in stocks, glabels' templates in those folders, and those of stocks.ini in the data
// directory, read through the safe file layer. A missing file or folder is no problem; one that cannot
// be read is a problem of its own.
TStockCatalogue
LoadStockCatalogue(const std::string& dataDirectory,
                   const std::vector<std::string>& templateFolders = DefaultTemplateFolders());

} // namespace quillon
