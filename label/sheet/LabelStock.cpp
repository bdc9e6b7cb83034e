#include "label/sheet/LabelStock.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <sstream>
#include <system_error>
#include <unordered_set>

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
                  Wording("Messages", "A4, 21 labels of 63.5 x 38.1 mm (3 x 7), address"),
                  {A4, 3, 7, 6350, 3810, 1515, 721, 6604, 3810}},
    TBuiltInStock{"a4-3x8-63.5x33.9",
                  Wording("Messages", "A4, 24 labels of 63.5 x 33.9 mm (3 x 8), address"),
                  {A4, 3, 8, 6350, 3390, 1290, 721, 6604, 3390}},
    TBuiltInStock{"a4-2x7-99.1x38.1",
                  Wording("Messages", "A4, 14 labels of 99.1 x 38.1 mm (2 x 7), address"),
                  {A4, 2, 7, 9910, 3810, 1515, 465, 10160, 3810}},
    TBuiltInStock{"a4-2x8-99.1x33.9",
                  Wording("Messages", "A4, 16 labels of 99.1 x 33.9 mm (2 x 8), address"),
                  {A4, 2, 8, 9910, 3390, 1290, 465, 10160, 3390}},
    TBuiltInStock{"a4-2x4-99.1x67.7",
                  Wording("Messages", "A4, 8 labels of 99.1 x 67.7 mm (2 x 4), parcel"),
                  {A4, 2, 4, 9910, 6770, 1310, 465, 10160, 6770}},
    TBuiltInStock{"a4-2x5-99.1x57",
                  Wording("Messages", "A4, 10 labels of 99.1 x 57 mm (2 x 5), parcel"),
                  {A4, 2, 5, 9910, 5700, 600, 465, 10160, 5700}},
    TBuiltInStock{"a4-3x4-63.5x72",
                  Wording("Messages", "A4, 12 labels of 63.5 x 72 mm (3 x 4), product"),
                  {A4, 3, 4, 6350, 7200, 450, 721, 6604, 7200}},
    TBuiltInStock{"a4-2x3-99.1x93.1",
                  Wording("Messages", "A4, 6 labels of 99.1 x 93.1 mm (2 x 3), shipping"),
                  {A4, 2, 3, 9910, 9310, 885, 465, 10160, 9310}},
    TBuiltInStock{"a4-2x2-99.1x139",
                  Wording("Messages", "A4, 4 labels of 99.1 x 139 mm (2 x 2), shipping"),
                  {A4, 2, 2, 9910, 13900, 950, 465, 10160, 13900}},
    TBuiltInStock{"a4-1x2-199.6x143.5",
                  Wording("Messages", "A4, 2 labels of 199.6 x 143.5 mm (1 x 2), shipping"),
                  {A4, 1, 2, 19960, 14350, 500, 520, 19960, 14350}},
    TBuiltInStock{"a4-1x1-199.6x289.1",
                  Wording("Messages", "A4, 1 label of 199.6 x 289.1 mm, full sheet"),
                  {A4, 1, 1, 19960, 28910, 395, 520, 19960, 28910}},
    TBuiltInStock{"a4-4x10-48.5x25.4",
                  Wording("Messages", "A4, 40 labels of 48.5 x 25.4 mm (4 x 10), barcode"),
                  {A4, 4, 10, 4850, 2540, 2150, 800, 4850, 2540}},
    TBuiltInStock{"a4-3x11-70x25.4",
                  Wording("Messages", "A4, 33 labels of 70 x 25.4 mm (3 x 11), edge to edge"),
                  {A4, 3, 11, 7000, 2540, 880, 0, 7000, 2540}},
    TBuiltInStock{"letter-3x10-66.7x25.4",
                  Wording("Messages", "US Letter, 30 labels of 2-5/8 x 1 in (3 x 10), address"),
                  {Letter, 3, 10, 6668, 2540, 1270, 476, 6985, 2540}},
    TBuiltInStock{"letter-2x10-101.6x25.4",
                  Wording("Messages", "US Letter, 20 labels of 4 x 1 in (2 x 10), address"),
                  {Letter, 2, 10, 10160, 2540, 1270, 397, 10636, 2540}},
    TBuiltInStock{"letter-2x7-101.6x33.9",
                  Wording("Messages", "US Letter, 14 labels of 4 x 1-1/3 in (2 x 7), address"),
                  {Letter, 2, 7, 10160, 3387, 2117, 397, 10636, 3387}},
    TBuiltInStock{"letter-2x5-101.6x50.8",
                  Wording("Messages", "US Letter, 10 labels of 4 x 2 in (2 x 5), shipping"),
                  {Letter, 2, 5, 10160, 5080, 1270, 397, 10636, 5080}},
    TBuiltInStock{"letter-2x3-101.6x84.7",
                  Wording("Messages", "US Letter, 6 labels of 4 x 3-1/3 in (2 x 3), shipping"),
                  {Letter, 2, 3, 10160, 8467, 1270, 397, 10636, 8467}},
    TBuiltInStock{"letter-2x2-101.6x127",
                  Wording("Messages", "US Letter, 4 labels of 4 x 5 in (2 x 2), shipping"),
                  {Letter, 2, 2, 10160, 12700, 1270, 397, 10636, 12700}},
    TBuiltInStock{"letter-4x20-44.5x12.7",
                  Wording("Messages", "US Letter, 80 labels of 1-3/4 x 1/2 in (4 x 20), return address"),
                  {Letter, 4, 20, 4445, 1270, 1270, 714, 5239, 1270}},
    TBuiltInStock{"letter-1x2-215.9x139.7",
                  Wording("Messages", "US Letter, 2 labels of 8-1/2 x 5-1/2 in (1 x 2), shipping"),
                  {Letter, 1, 2, 21590, 13970, 0, 0, 21590, 13970}},
    TBuiltInStock{"letter-1x1-215.9x279.4",
                  Wording("Messages", "US Letter, 1 label of 8-1/2 x 11 in, full sheet"),
                  {Letter, 1, 1, 21590, 27940, 0, 0, 21590, 27940}},
    // Rolls of die-cut labels for label printers, one label a page, named by their size in whole
    // millimetres as sold; those sold in inches keep their exact size.
    TBuiltInStock{"roll-57x32", Wording("Messages", "Roll of 57 x 32 mm labels, Dymo 11354 multi-purpose"),
                  RollGeometry(5700, 3200)},
    TBuiltInStock{"roll-89x28", Wording("Messages", "Roll of 89 x 28 mm labels, Dymo 99010 address"),
                  RollGeometry(8900, 2800)},
    TBuiltInStock{"roll-54x25", Wording("Messages", "Roll of 54 x 25 mm labels, Dymo 11352 return address"),
                  RollGeometry(5400, 2500)},
    TBuiltInStock{"roll-101x54", Wording("Messages", "Roll of 101 x 54 mm labels, Dymo 99014 shipping"),
                  RollGeometry(10100, 5400)},
    TBuiltInStock{"roll-29x90", Wording("Messages", "Roll of 29 x 90 mm labels, Brother DK-11201 address"),
                  RollGeometry(2900, 9000)},
    TBuiltInStock{"roll-62x29",
                  Wording("Messages", "Roll of 62 x 29 mm labels, Brother DK-11209 small address"),
                  RollGeometry(6200, 2900)},
    TBuiltInStock{"roll-62x100", Wording("Messages", "Roll of 62 x 100 mm labels, Brother DK-11202 shipping"),
                  RollGeometry(6200, 10000)},
    TBuiltInStock{"roll-102x152",
                  Wording("Messages", "Roll of 4 x 6 in labels (101.6 x 152.4 mm), thermal shipping"),
                  RollGeometry(10160, 15240)},
    TBuiltInStock{"roll-102x76", Wording("Messages", "Roll of 4 x 3 in labels (101.6 x 76.2 mm), thermal"),
                  RollGeometry(10160, 7620)},
    TBuiltInStock{"roll-102x51", Wording("Messages", "Roll of 4 x 2 in labels (101.6 x 50.8 mm), thermal"),
                  RollGeometry(10160, 5080)},
    TBuiltInStock{"roll-76x25", Wording("Messages", "Roll of 3 x 1 in labels (76.2 x 25.4 mm), thermal"),
                  RollGeometry(7620, 2540)},
    TBuiltInStock{"roll-51x25",
                  Wording("Messages", "Roll of 2 x 1 in labels (50.8 x 25.4 mm), thermal barcode"),
                  RollGeometry(5080, 2540)},
    TBuiltInStock{"roll-100x150", Wording("Messages", "Roll of 100 x 150 mm labels, thermal shipping"),
                  RollGeometry(10000, 15000)},
    TBuiltInStock{"roll-100x100", Wording("Messages", "Roll of 100 x 100 mm labels, thermal"),
                  RollGeometry(10000, 10000)},
    TBuiltInStock{"roll-58x40", Wording("Messages", "Roll of 58 x 40 mm labels, thermal"),
                  RollGeometry(5800, 4000)},
    TBuiltInStock{"roll-50x30", Wording("Messages", "Roll of 50 x 30 mm labels, thermal barcode"),
                  RollGeometry(5000, 3000)},
    TBuiltInStock{"roll-40x30", Wording("Messages", "Roll of 40 x 30 mm labels, thermal barcode"),
                  RollGeometry(4000, 3000)},
    TBuiltInStock{"roll-30x20", Wording("Messages", "Roll of 30 x 20 mm labels, thermal price"),
                  RollGeometry(3000, 2000)},
    // Continuous tape: labels as long as the design makes them, square until then.
    TBuiltInStock{"tape-62", Wording("Messages", "Continuous tape 62 mm wide, Brother DK-22205"),
                  TapeGeometry(6200, 6200)},
    TBuiltInStock{"tape-29", Wording("Messages", "Continuous tape 29 mm wide, Brother DK-22210"),
                  TapeGeometry(2900, 2900)},
    TBuiltInStock{"tape-12", Wording("Messages", "Continuous tape 12 mm wide, Brother DK-22214"),
                  TapeGeometry(1200, 1200)},
};

// The paper in hundredths of a millimetre, upright.
constexpr int PaperWidth(const TStockGeometry& g)
{
    return g.Paper == Custom ? g.PaperWidth : g.Paper == Letter ? 21590 : 21000;
}

constexpr int PaperLength(const TStockGeometry& g)
{
    return g.Paper == Custom ? g.PaperLength : g.Paper == Letter ? 27940 : 29700;
}

// The largest Custom paper: the page model's bound, in hundredths.
constexpr int kMaxPaperHundredths = 1000000;
static_assert(kMaxPaperHundredths == static_cast<int>(TPageModel::kMaxValueTenths) * 10);

// A roll's or tape's one label a page.
constexpr bool OneLabelAPage(const TStockGeometry& g)
{
    return g.Media == TStockMedia::Sheet || (g.Paper == Custom && g.Columns == 1 && g.Rows == 1);
}

// How far the labels reach along one axis: the last one's far edge.
constexpr std::int64_t Reach(int margin, int count, int pitch, int size)
{
    return std::int64_t{margin} + std::int64_t{count - 1} * pitch + size;
}

constexpr bool FitsItsPaper(const TStockGeometry& g)
{
    return (g.Paper == A4 || g.Paper == Letter ||
            (g.Paper == Custom && g.PaperWidth > 0 && g.PaperLength > 0)) &&
           OneLabelAPage(g) && g.Shape == TStockShape::Rectangle && g.Layouts == 1 &&
           limits::kColumns.Contains(g.Columns) && limits::kRows.Contains(g.Rows) && g.LabelWidth > 0 &&
           g.LabelHeight > 0 && g.TopMargin >= 0 && g.LeftMargin >= 0 &&
           (g.Columns == 1 || g.HorizontalPitch >= g.LabelWidth) &&
           (g.Rows == 1 || g.VerticalPitch >= g.LabelHeight) &&
           Reach(g.LeftMargin, g.Columns, g.HorizontalPitch, g.LabelWidth) <= PaperWidth(g) &&
           Reach(g.TopMargin, g.Rows, g.VerticalPitch, g.LabelHeight) <= PaperLength(g);
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

std::string LowerCase(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), AsciiLower);
    return lower;
}

// What keeps a geometry from being one grid of rectangles, before its numbers are checked.
TLabelMessage KindFault(const TStockGeometry& g)
{
    if (g.Layouts < 1)
        return {TMessageCode::NoLabelsLaidOut};
    if (g.Shape == TStockShape::Round)
        return {TMessageCode::RoundLabels};
    if (g.Shape == TStockShape::Ellipse)
        return {TMessageCode::EllipticalLabels};
    if (g.Shape == TStockShape::Cd)
        return {TMessageCode::CdLabels};
    if (g.Layouts > 1)
        return {TMessageCode::SeveralGrids, {std::to_string(g.Layouts)}};
    if (g.LabelWidth <= 0 || g.LabelHeight <= 0)
        return {TMessageCode::LabelsWithoutSize};
    return {};
}

// What is wrong with the paper itself.
TLabelMessage PaperFault(const TStockGeometry& g)
{
    if (g.Paper != A4 && g.Paper != Letter && g.Paper != Custom)
        return {TMessageCode::PaperNeitherA4NorLetter};
    if (g.Paper == Custom && !(g.PaperWidth > 0 && g.PaperLength > 0 && g.PaperWidth <= kMaxPaperHundredths &&
                               g.PaperLength <= kMaxPaperHundredths))
        return {TMessageCode::PaperSizeOutside,
                {Mm(g.PaperWidth), Mm(g.PaperLength), std::to_string(kMaxPaperHundredths / 100)}};
    if (!OneLabelAPage(g))
        return {TMessageCode::RollOnOwnPaper};
    return {};
}

// A millimetre size of an ID, to at most two decimals, in hundredths; none for another text.
std::optional<int> IdHundredths(std::string_view text)
{
    const std::size_t point = text.find('.');
    const std::size_t decimals = point == std::string_view::npos ? 0 : text.size() - point - 1;
    if (text.empty() || text.front() == '.' || decimals > 2 ||
        (point != std::string_view::npos && decimals == 0))
        return std::nullopt;
    double mm = 0.0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), mm, std::chars_format::fixed);
    if (error != std::errc() || end != text.data() + text.size() ||
        text.find_first_of("+-") != std::string_view::npos)
        return std::nullopt;
    return mm > 100000.0 ? 100000000 : static_cast<int>(std::lround(mm * 100.0));
}

bool InRollRange(int hundredths)
{
    return hundredths >= std::lround(kMinRollMm * 100) && hundredths <= std::lround(kMaxRollMm * 100);
}

} // namespace

std::string StockMmText(int hundredths)
{
    std::string text = Mm(hundredths);
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text;
}

int StockPaperWidth(const TStockGeometry& geometry)
{
    return PaperWidth(geometry);
}

int StockPaperLength(const TStockGeometry& geometry)
{
    return PaperLength(geometry);
}

TLabelMessage StockFault(const TStockGeometry& g)
{
    const auto range = [](TMessageCode code, int value, const limits::TRange& r) {
        return TLabelMessage{code, {std::to_string(value), std::to_string(r.Min), std::to_string(r.Max)}};
    };
    if (TLabelMessage fault = KindFault(g); !fault.Empty())
        return fault;
    if (TLabelMessage fault = PaperFault(g); !fault.Empty())
        return fault;
    if (!limits::kColumns.Contains(g.Columns))
        return range(TMessageCode::ColumnsOutOfRange, g.Columns, limits::kColumns);
    if (!limits::kRows.Contains(g.Rows))
        return range(TMessageCode::RowsOutOfRange, g.Rows, limits::kRows);
    if (g.TopMargin < 0 || g.LeftMargin < 0)
        return {TMessageCode::MarginNegative};
    if ((g.Columns > 1 && g.HorizontalPitch < g.LabelWidth) ||
        (g.Rows > 1 && g.VerticalPitch < g.LabelHeight))
        return {TMessageCode::LabelsOverlap};
    const std::int64_t across = Reach(g.LeftMargin, g.Columns, g.HorizontalPitch, g.LabelWidth);
    const std::int64_t down = Reach(g.TopMargin, g.Rows, g.VerticalPitch, g.LabelHeight);
    if (g.Columns * g.Rows == 1 && (across > PaperWidth(g) || down > PaperLength(g)))
        return {TMessageCode::LabelBeyondPage,
                {Mm(g.LabelWidth), Mm(g.LabelHeight), Mm(PaperWidth(g)), Mm(PaperLength(g))}};
    if (across > PaperWidth(g))
        return {TMessageCode::ColumnsReachAcross, {std::to_string(g.Columns), Mm(across), Mm(PaperWidth(g))}};
    if (down > PaperLength(g))
        return {TMessageCode::RowsReachDown, {std::to_string(g.Rows), Mm(down), Mm(PaperLength(g))}};
    return {};
}

void CheckStock(std::string_view id, const TStockGeometry& geometry)
{
    TLabelMessage fault = StockFault(geometry);
    if (fault.Empty())
        return;
    if (id.empty())
        throw ELabelMessage({TMessageCode::StockFaultUnnamed, {}, {std::move(fault)}});
    throw ELabelMessage({TMessageCode::StockRefused, {std::string(id)}, {std::move(fault)}});
}

TLabelMessage StockListing(const TLabelStock& stock)
{
    if (stock.Unusable.Empty())
        return stock.Description;
    if (stock.Unusable.Code == TMessageCode::BorrowsMissingTemplate)
        return stock.Unusable;
    return {TMessageCode::StockUnusable, {EnglishText(stock.Description)}, {stock.Unusable}};
}

bool SameStockId(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

std::optional<TSizedStock> StockOfSize(std::string_view id)
{
    const std::string lower = LowerCase(id);
    const bool tape = lower.starts_with("tape-");
    if (!tape && !lower.starts_with("roll-"))
        return std::nullopt;
    const std::string_view sizes = std::string_view(lower).substr(5);
    const std::size_t by = sizes.find('x');
    if (tape == (by != std::string_view::npos))
        return std::nullopt;
    const std::optional<int> width = IdHundredths(sizes.substr(0, by));
    const std::optional<int> height =
        tape ? width : IdHundredths(by == std::string_view::npos ? "" : sizes.substr(by + 1));
    if (!width || !height)
        return std::nullopt;
    TSizedStock sized;
    if (tape) {
        sized.Stock = {.Id = "tape-" + StockMmText(*width),
                       .Description = {TMessageCode::TapeDescription, {StockMmText(*width)}},
                       .Geometry = TapeGeometry(*width, *width)};
        if (!InRollRange(*width))
            sized.Fault = "a tape's width is 5 to 1000 mm, not " + StockMmText(*width);
    } else {
        sized.Stock = {
            .Id = "roll-" + StockMmText(*width) + "x" + StockMmText(*height),
            .Description = {TMessageCode::RollDescription, {StockMmText(*width), StockMmText(*height)}},
            .Geometry = RollGeometry(*width, *height)};
        if (!InRollRange(*width) || !InRollRange(*height))
            sized.Fault =
                "a roll's sides are 5 to 1000 mm, not " + StockMmText(*width) + " x " + StockMmText(*height);
    }
    return sized;
}

std::span<const TBuiltInStock> BuiltInStocks()
{
    return kStocks;
}

TStockCatalogue::TStockCatalogue()
{
    for (const TBuiltInStock& stock : kStocks)
        FStocks.push_back({std::string(stock.Id),
                           {TMessageCode::Catalogued, {std::string(stock.Description)}},
                           stock.Geometry});
}

const TLabelStock* TStockCatalogue::Listed(std::string_view id) const
{
    for (const TLabelStock& stock : FStocks) {
        if (SameStockId(stock.Id, id))
            return &stock;
    }
    return nullptr;
}

std::optional<TLabelStock> TStockCatalogue::Lookup(std::string_view id) const
{
    if (const TLabelStock* stock = Listed(id))
        return *stock;
    std::optional<TSizedStock> sized = StockOfSize(id);
    if (!sized || !sized->Fault.empty())
        return std::nullopt;
    // roll-57.0x32 is the built-in roll-57x32, with its description.
    if (const TLabelStock* stock = Listed(sized->Stock.Id))
        return *stock;
    return std::move(sized->Stock);
}

const TLabelStock& TStockCatalogue::Find(std::string_view id) const
{
    if (const TLabelStock* stock = Listed(id))
        return *stock;
    if (const std::optional<TSizedStock> sized = StockOfSize(id)) {
        if (!sized->Fault.empty())
            throw Exception("Label stock " + std::string(id) + ": " + sized->Fault);
        if (const TLabelStock* stock = Listed(sized->Stock.Id))
            return *stock;
        for (const TLabelStock& stock : FSized)
            if (stock.Id == sized->Stock.Id)
                return stock;
        return FSized.emplace_back(sized->Stock);
    }
    std::string known;
    std::size_t templates = 0;
    for (const TLabelStock& stock : FStocks) {
        if (stock.Origin == TStockOrigin::Template)
            ++templates;
        else
            known += (known.empty() ? "" : ", ") + stock.Id;
    }
    known += ", roll-WxH or tape-W of any size in mm";
    if (templates > 0)
        known += ", and " + std::to_string(templates) + " glabels templates";
    throw Exception("Unknown label stock: " + std::string(id) + " (known: " + known + ")");
}

std::vector<TLabelStock> TStockCatalogue::Search(std::string_view text) const
{
    std::vector<std::string> words;
    std::istringstream split{LowerCase(text)};
    for (std::string word; split >> word;)
        words.push_back(word);
    std::vector<TLabelStock> found;
    for (const TLabelStock& stock : FStocks) {
        const std::string fields = LowerCase(stock.Id + '\n' + EnglishText(stock.Description) + '\n' +
                                             stock.Brand + '\n' + stock.Part);
        if (std::all_of(words.begin(), words.end(), [&fields](const std::string& word) {
                return fields.find(word) != std::string::npos;
            }))
            found.push_back(stock);
    }
    return found;
}

void TStockCatalogue::AddTemplateStocks(std::vector<TLabelStock> stocks)
{
    std::unordered_set<std::string> taken;
    for (const TLabelStock& stock : FStocks)
        taken.insert(LowerCase(stock.Id));
    const auto isTaken = [&taken](const std::string& id) {
        const std::optional<TSizedStock> sized = StockOfSize(id);
        return taken.contains(LowerCase(id)) || (sized && sized->Fault.empty());
    };
    for (TLabelStock& stock : stocks) {
        stock.Origin = TStockOrigin::Template;
        const std::string id = stock.Id;
        for (int number = 2; isTaken(stock.Id); ++number)
            stock.Id = id + "_" + std::to_string(number);
        taken.insert(LowerCase(stock.Id));
    }
    // Before the user's own, which the list shows last.
    const auto users = std::find_if(FStocks.begin(), FStocks.end(), [](const TLabelStock& stock) {
        return stock.Origin == TStockOrigin::StocksFile;
    });
    FStocks.insert(users, std::make_move_iterator(stocks.begin()), std::make_move_iterator(stocks.end()));
}

} // namespace quillon
