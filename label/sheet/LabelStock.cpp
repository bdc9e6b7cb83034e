#include "label/sheet/LabelStock.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <sstream>

#include "barcode/Exception.h"
#include "data/SafeFile.h"
#include "label/sheet/SheetLimits.h"

namespace quillon {

namespace {

using enum TPaperSize;

// The common sheets, as their makers print them on the packs: the generic A4 formats (sizes in
// millimetres) and the US Letter ones (sizes in inches, here to the nearest hundredth of a mm).
// Paper, columns, rows, label width and height, top and left margin, horizontal and vertical
// pitch, in hundredths of a millimetre.
constexpr std::array kStocks{
    TBuiltInStock{"a4-3x7-63.5x38.1",
                  "A4, 21 labels of 63.5 x 38.1 mm (3 x 7), address",
                  {A4, 3, 7, 6350, 3810, 1515, 721, 6604, 3810}},
    TBuiltInStock{"a4-3x8-63.5x33.9",
                  "A4, 24 labels of 63.5 x 33.9 mm (3 x 8), address",
                  {A4, 3, 8, 6350, 3390, 1290, 721, 6604, 3390}},
    TBuiltInStock{"a4-2x7-99.1x38.1",
                  "A4, 14 labels of 99.1 x 38.1 mm (2 x 7), address",
                  {A4, 2, 7, 9910, 3810, 1515, 465, 10160, 3810}},
    TBuiltInStock{"a4-2x8-99.1x33.9",
                  "A4, 16 labels of 99.1 x 33.9 mm (2 x 8), address",
                  {A4, 2, 8, 9910, 3390, 1290, 465, 10160, 3390}},
    TBuiltInStock{"a4-2x4-99.1x67.7",
                  "A4, 8 labels of 99.1 x 67.7 mm (2 x 4), parcel",
                  {A4, 2, 4, 9910, 6770, 1310, 465, 10160, 6770}},
    TBuiltInStock{"a4-2x5-99.1x57",
                  "A4, 10 labels of 99.1 x 57 mm (2 x 5), parcel",
                  {A4, 2, 5, 9910, 5700, 600, 465, 10160, 5700}},
    TBuiltInStock{"a4-3x4-63.5x72",
                  "A4, 12 labels of 63.5 x 72 mm (3 x 4), product",
                  {A4, 3, 4, 6350, 7200, 450, 721, 6604, 7200}},
    TBuiltInStock{"a4-2x3-99.1x93.1",
                  "A4, 6 labels of 99.1 x 93.1 mm (2 x 3), shipping",
                  {A4, 2, 3, 9910, 9310, 885, 465, 10160, 9310}},
    TBuiltInStock{"a4-2x2-99.1x139",
                  "A4, 4 labels of 99.1 x 139 mm (2 x 2), shipping",
                  {A4, 2, 2, 9910, 13900, 950, 465, 10160, 13900}},
    TBuiltInStock{"a4-1x2-199.6x143.5",
                  "A4, 2 labels of 199.6 x 143.5 mm (1 x 2), shipping",
                  {A4, 1, 2, 19960, 14350, 500, 520, 19960, 14350}},
    TBuiltInStock{"a4-1x1-199.6x289.1",
                  "A4, 1 label of 199.6 x 289.1 mm, full sheet",
                  {A4, 1, 1, 19960, 28910, 395, 520, 19960, 28910}},
    TBuiltInStock{"a4-4x10-48.5x25.4",
                  "A4, 40 labels of 48.5 x 25.4 mm (4 x 10), barcode",
                  {A4, 4, 10, 4850, 2540, 2150, 800, 4850, 2540}},
    TBuiltInStock{"a4-3x11-70x25.4",
                  "A4, 33 labels of 70 x 25.4 mm (3 x 11), edge to edge",
                  {A4, 3, 11, 7000, 2540, 880, 0, 7000, 2540}},
    TBuiltInStock{"letter-3x10-66.7x25.4",
                  "US Letter, 30 labels of 2-5/8 x 1 in (3 x 10), address",
                  {Letter, 3, 10, 6668, 2540, 1270, 476, 6985, 2540}},
    TBuiltInStock{"letter-2x10-101.6x25.4",
                  "US Letter, 20 labels of 4 x 1 in (2 x 10), address",
                  {Letter, 2, 10, 10160, 2540, 1270, 397, 10636, 2540}},
    TBuiltInStock{"letter-2x7-101.6x33.9",
                  "US Letter, 14 labels of 4 x 1-1/3 in (2 x 7), address",
                  {Letter, 2, 7, 10160, 3387, 2117, 397, 10636, 3387}},
    TBuiltInStock{"letter-2x5-101.6x50.8",
                  "US Letter, 10 labels of 4 x 2 in (2 x 5), shipping",
                  {Letter, 2, 5, 10160, 5080, 1270, 397, 10636, 5080}},
    TBuiltInStock{"letter-2x3-101.6x84.7",
                  "US Letter, 6 labels of 4 x 3-1/3 in (2 x 3), shipping",
                  {Letter, 2, 3, 10160, 8467, 1270, 397, 10636, 8467}},
    TBuiltInStock{"letter-2x2-101.6x127",
                  "US Letter, 4 labels of 4 x 5 in (2 x 2), shipping",
                  {Letter, 2, 2, 10160, 12700, 1270, 397, 10636, 12700}},
    TBuiltInStock{"letter-4x20-44.5x12.7",
                  "US Letter, 80 labels of 1-3/4 x 1/2 in (4 x 20), return address",
                  {Letter, 4, 20, 4445, 1270, 1270, 714, 5239, 1270}},
    TBuiltInStock{"letter-1x2-215.9x139.7",
                  "US Letter, 2 labels of 8-1/2 x 5-1/2 in (1 x 2), shipping",
                  {Letter, 1, 2, 21590, 13970, 0, 0, 21590, 13970}},
    TBuiltInStock{"letter-1x1-215.9x279.4",
                  "US Letter, 1 label of 8-1/2 x 11 in, full sheet",
                  {Letter, 1, 1, 21590, 27940, 0, 0, 21590, 27940}},
};

// The paper in hundredths of a millimetre, upright.
constexpr int PaperWidth(TPaperSize paper)
{
    return paper == Letter ? 21590 : 21000;
}

constexpr int PaperLength(TPaperSize paper)
{
    return paper == Letter ? 27940 : 29700;
}

// How far the labels reach along one axis: the last one's far edge.
constexpr std::int64_t Reach(int margin, int count, int pitch, int size)
{
    return std::int64_t{margin} + std::int64_t{count - 1} * pitch + size;
}

constexpr bool FitsItsPaper(const TStockGeometry& g)
{
    return (g.Paper == A4 || g.Paper == Letter) && limits::kColumns.Contains(g.Columns) &&
           limits::kRows.Contains(g.Rows) && g.LabelWidth > 0 && g.LabelHeight > 0 && g.TopMargin >= 0 &&
           g.LeftMargin >= 0 && (g.Columns == 1 || g.HorizontalPitch >= g.LabelWidth) &&
           (g.Rows == 1 || g.VerticalPitch >= g.LabelHeight) &&
           Reach(g.LeftMargin, g.Columns, g.HorizontalPitch, g.LabelWidth) <= PaperWidth(g.Paper) &&
           Reach(g.TopMargin, g.Rows, g.VerticalPitch, g.LabelHeight) <= PaperLength(g.Paper);
}

static_assert(std::all_of(kStocks.begin(), kStocks.end(),
                          [](const TBuiltInStock& s) { return FitsItsPaper(s.Geometry); }),
              "every built-in stock fits its paper");

std::string Mm(std::int64_t hundredths)
{
    std::ostringstream text;
    text.setf(std::ios::fixed);
    text.precision(2);
    text << static_cast<double>(hundredths) / 100.0;
    return text.str();
}

char AsciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

std::string StockFault(const TStockGeometry& g)
{
    const auto range = [](const char* what, int value, const limits::TRange& r) {
        return std::string(what) + " out of range: " + std::to_string(value) + " (" + std::to_string(r.Min) +
               " to " + std::to_string(r.Max) + ")";
    };
    if (g.Paper != A4 && g.Paper != Letter)
        return "the paper is neither a4 nor letter";
    if (!limits::kColumns.Contains(g.Columns))
        return range("columns", g.Columns, limits::kColumns);
    if (!limits::kRows.Contains(g.Rows))
        return range("rows", g.Rows, limits::kRows);
    if (g.LabelWidth <= 0 || g.LabelHeight <= 0)
        return "the labels have no size";
    if (g.TopMargin < 0 || g.LeftMargin < 0)
        return "a margin is negative";
    if ((g.Columns > 1 && g.HorizontalPitch < g.LabelWidth) ||
        (g.Rows > 1 && g.VerticalPitch < g.LabelHeight))
        return "the labels overlap: a pitch is less than the label";
    const std::int64_t across = Reach(g.LeftMargin, g.Columns, g.HorizontalPitch, g.LabelWidth);
    if (across > PaperWidth(g.Paper))
        return std::to_string(g.Columns) + " columns reach " + Mm(across) + " mm across paper " +
               Mm(PaperWidth(g.Paper)) + " mm wide";
    const std::int64_t down = Reach(g.TopMargin, g.Rows, g.VerticalPitch, g.LabelHeight);
    if (down > PaperLength(g.Paper))
        return std::to_string(g.Rows) + " rows reach " + Mm(down) + " mm down paper " +
               Mm(PaperLength(g.Paper)) + " mm long";
    return {};
}

void CheckStock(std::string_view id, const TStockGeometry& geometry)
{
    const std::string fault = StockFault(geometry);
    if (!fault.empty())
        throw Exception("Label stock" + (id.empty() ? std::string() : " " + std::string(id)) + ": " + fault);
}

bool SameStockId(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

std::span<const TBuiltInStock> BuiltInStocks()
{
    return kStocks;
}

TStockCatalogue::TStockCatalogue()
{
    for (const TBuiltInStock& stock : kStocks)
        FStocks.push_back({std::string(stock.Id), std::string(stock.Description), stock.Geometry});
}

const TLabelStock* TStockCatalogue::Lookup(std::string_view id) const
{
    for (const TLabelStock& stock : FStocks) {
        if (SameStockId(stock.Id, id))
            return &stock;
    }
    return nullptr;
}

const TLabelStock& TStockCatalogue::Find(std::string_view id) const
{
    if (const TLabelStock* stock = Lookup(id))
        return *stock;
    std::string known;
    for (const TLabelStock& stock : FStocks)
        known += (known.empty() ? "" : ", ") + stock.Id;
    throw Exception("Unknown label stock: " + std::string(id) + " (known: " + known + ")");
}

} // namespace quillon
