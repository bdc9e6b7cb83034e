// stocks.ini: a user's own label stocks, one [ID] entry each with the same fields as the built-in ones,
// sizes in millimetres; a roll or tape gives its paper and label size alone.
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "barcode/Exception.h"
#include "data/Escape.h"
#include "data/SafeFile.h"
#include "data/SettingsFile.h"
#include "label/sheet/LabelStock.h"

namespace quillon {

namespace {

// The keys of an entry, in the order of TStockGeometry; every one but the description is required.
enum class TKey : std::uint8_t {
    Description,
    Paper,
    Columns,
    Rows,
    Width,
    Height,
    Top,
    Left,
    HPitch,
    VPitch
};
constexpr std::array<std::string_view, 10> kKeys{
    "description", // free text, shown by the stock list
    "paper",       // a4 or letter; roll or tape for a label printer's media
    "columns",     // 1 to 4
    "rows",        // 1 to 20
    "width",       // label width, mm (a tape's width)
    "height",      // label height, mm (a tape label's length, the tape's width when not given)
    "top",         // paper's top edge to the first row, mm
    "left",        // paper's left edge to the first column, mm
    "hpitch",      // column to column, mm
    "vpitch",      // row to row, mm
};
static_assert(kKeys.size() == static_cast<std::size_t>(TKey::VPitch) + 1);

constexpr double kMaxLengthMm = 1000.0;
constexpr std::size_t kMaxIdLength = 64;
constexpr std::size_t kMaxDescriptionLength = 200;
// A sheet laid out by margins, chosen as "Custom"; no stock may take its name.
constexpr std::string_view kCustomId = "custom";

bool IsIdCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
           c == '-' || c == '_';
}

TLabelMessage IdFault(std::string_view id)
{
    if (id.empty() || id.size() > kMaxIdLength)
        return {TMessageCode::IdLength};
    for (char c : id) {
        if (!IsIdCharacter(c))
            return {TMessageCode::IdCharacters};
    }
    return {};
}

// Keys are read in any letter case.
std::string Lower(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    return lower;
}

// An entry as it is read, until its fields are complete and checked.
struct TEntry {
    int Line = 0; // of its [ID] line
    TLabelStock Stock{};
    std::array<bool, kKeys.size()> Seen{};
    TLabelMessage Fault{}; // the first fault, with its line; the entry is skipped when there is one
};

bool ParseWhole(std::string_view text, int& value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

// A length in millimetres to hundredths of a millimetre.
bool ParseMm(std::string_view text, int& hundredths)
{
    double mm = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), mm);
    if (error != std::errc() || end != text.data() + text.size() || !(mm >= 0.0 && mm <= kMaxLengthMm))
        return false;
    hundredths = static_cast<int>(std::lround(mm * 100.0));
    return true;
}

int* NumberField(TStockGeometry& g, TKey key)
{
    switch (key) {
    case TKey::Columns: return &g.Columns;
    case TKey::Rows: return &g.Rows;
    case TKey::Width: return &g.LabelWidth;
    case TKey::Height: return &g.LabelHeight;
    case TKey::Top: return &g.TopMargin;
    case TKey::Left: return &g.LeftMargin;
    case TKey::HPitch: return &g.HorizontalPitch;
    case TKey::VPitch: return &g.VerticalPitch;
    default: return nullptr;
    }
}

// Sets one field from its text; the fault when the text is no value for it.
TLabelMessage SetField(TLabelStock& stock, TKey key, std::string_view value)
{
    if (key == TKey::Description) {
        for (unsigned char c : value) {
            if (c < 0x20 || c == 0x7f)
                return {TMessageCode::DescriptionControl};
        }
        if (value.size() > kMaxDescriptionLength)
            return {TMessageCode::DescriptionLong};
        stock.Description = {TMessageCode::Said, {std::string(value)}};
        return {};
    }
    if (key == TKey::Paper) {
        const std::string media = Lower(value);
        if (media == "roll" || media == "tape") {
            stock.Geometry.Paper = TPaperSize::Custom;
            stock.Geometry.Media = media == "roll" ? TStockMedia::Roll : TStockMedia::Tape;
            return {};
        }
        try {
            stock.Geometry.Paper = PaperFromName(std::string(value));
        } catch (const Exception&) {
            return {TMessageCode::PaperNotKnown, {EscapeForMessage(value)}};
        }
        return {};
    }
    const bool whole = key == TKey::Columns || key == TKey::Rows;
    int* field = NumberField(stock.Geometry, key);
    if (whole ? ParseWhole(value, *field) : ParseMm(value, *field))
        return {};
    return {whole ? TMessageCode::NotWhole : TMessageCode::NotLength,
            {std::string(kKeys[static_cast<std::size_t>(key)]), EscapeForMessage(value)}};
}

TLabelMessage DefaultDescription(const TStockGeometry& g)
{
    const auto mm = [](int hundredths) {
        std::string text = std::to_string(hundredths / 100) + "." + std::to_string(hundredths % 100 / 10) +
                           std::to_string(hundredths % 10);
        return text;
    };
    if (g.Media == TStockMedia::Roll)
        return {TMessageCode::OwnRollDescription, {StockMmText(g.LabelWidth), StockMmText(g.LabelHeight)}};
    if (g.Media == TStockMedia::Tape)
        return {TMessageCode::OwnTapeDescription, {StockMmText(g.LabelWidth)}};
    return {TMessageCode::OwnSheetDescription,
            {g.Paper == TPaperSize::Letter ? "US Letter" : "A4", std::to_string(g.Columns * g.Rows),
             mm(g.LabelWidth), mm(g.LabelHeight), std::to_string(g.Columns), std::to_string(g.Rows)}};
}

// Reads the text line by line, as the settings file's lines are read, into entries and the problems of
// what it skips. Escapes are not read: a description or an ID is taken as written.
class TStocksReader {
public:
    TStocksReader(std::string fileName, std::vector<TLabelStock>& stocks,
                  std::vector<TLabelMessage>& problems)
        : FFileName(std::move(fileName)), FStocks(stocks), FProblems(problems)
    {
    }

    void Read(std::string_view text)
    {
        for (const TIniLine& line : ReadIniLines(text))
            ReadLine(line.Number, line.Text);
        Finish();
    }

private:
    void ReadLine(int line, std::string_view row)
    {
        if (row.front() == '[') {
            Finish();
            Begin(line, IniSectionOf(row));
            return;
        }
        if (!FOpen) {
            FProblems.push_back(
                {TMessageCode::StocksLineIgnored, {EscapeForMessage(FFileName), std::to_string(line)}});
            return;
        }
        const std::optional<TIniPair> pair = IniPairOf(row);
        if (!pair) {
            Fail(line, {TMessageCode::NotKeyValue});
            return;
        }
        Set(line, Lower(pair->Key), pair->Value);
    }

    // An entry begins at a "[" line, whole ("[ID]") or not.
    void Begin(int line, std::optional<std::string_view> id)
    {
        FOpen = true;
        FEntry = TEntry{};
        FEntry.Line = line;
        if (!id) {
            Fail(line, {TMessageCode::EntryBeginsWithId});
            return;
        }
        FEntry.Stock.Id = *id;
        if (TLabelMessage fault = IdFault(FEntry.Stock.Id); !fault.Empty())
            Fail(line, std::move(fault));
    }

    void Set(int line, const std::string& key, std::string_view value)
    {
        const auto found = std::find(kKeys.begin(), kKeys.end(), key);
        if (found == kKeys.end()) {
            Fail(line, {TMessageCode::UnknownStockKey, {EscapeForMessage(key)}});
            return;
        }
        const auto index = static_cast<std::size_t>(found - kKeys.begin());
        if (FEntry.Seen[index]) {
            Fail(line, {TMessageCode::KeyGivenTwice, {key}});
            return;
        }
        FEntry.Seen[index] = true;
        if (TLabelMessage fault = SetField(FEntry.Stock, static_cast<TKey>(index), value); !fault.Empty())
            Fail(line, std::move(fault));
    }

    // The entry in hand is complete: it joins the stocks, or its first fault is told.
    void Finish()
    {
        if (!FOpen)
            return;
        FOpen = false;
        if (!FEntry.Fault.Empty()) {
            FProblems.push_back(FEntry.Fault);
            return;
        }
        if (TLabelMessage fault = CompleteFault(); !fault.Empty()) {
            FProblems.push_back(Skipped(FEntry.Line, std::move(fault)));
            return;
        }
        if (FEntry.Stock.Description.Empty())
            FEntry.Stock.Description = DefaultDescription(FEntry.Stock.Geometry);
        FEntry.Stock.Origin = TStockOrigin::StocksFile;
        FStocks.push_back(FEntry.Stock);
    }

    TLabelMessage CompleteFault()
    {
        TStockGeometry& g = FEntry.Stock.Geometry;
        const bool sheet = g.Media == TStockMedia::Sheet;
        for (std::size_t index = 1; index < kKeys.size(); ++index) {
            const auto key = static_cast<TKey>(index);
            const bool needed = sheet || key == TKey::Paper || key == TKey::Width ||
                                (key == TKey::Height && g.Media == TStockMedia::Roll);
            if (needed && !FEntry.Seen[index])
                return {TMessageCode::MissingKey, {std::string(kKeys[index])}};
            if (!sheet && !needed && key != TKey::Height && FEntry.Seen[index])
                return {TMessageCode::ForSheetsOnly, {std::string(kKeys[index])}};
        }
        if (!sheet) {
            const int length =
                FEntry.Seen[static_cast<std::size_t>(TKey::Height)] ? g.LabelHeight : g.LabelWidth;
            g = g.Media == TStockMedia::Roll ? RollGeometry(g.LabelWidth, length)
                                             : TapeGeometry(g.LabelWidth, length);
        }
        if (SameStockId(FEntry.Stock.Id, kCustomId))
            return {TMessageCode::CustomIdReserved};
        if (const std::optional<TSizedStock> sized = StockOfSize(FEntry.Stock.Id);
            sized && sized->Fault.empty())
            return {sized->Stock.Geometry.Media == TStockMedia::Tape ? TMessageCode::IdTakenByTape
                                                                     : TMessageCode::IdTakenByRoll,
                    {FEntry.Stock.Id}};
        for (const TLabelStock& stock : FStocks) {
            if (SameStockId(stock.Id, FEntry.Stock.Id))
                return {TMessageCode::IdTaken, {stock.Id}};
        }
        return StockFault(g);
    }

    void Fail(int line, TLabelMessage fault)
    {
        if (FEntry.Fault.Empty())
            FEntry.Fault = Skipped(line, std::move(fault));
    }

    // "stocks.ini line 7: <fault>; the stock X is skipped", or "the entry" while it has no good ID.
    TLabelMessage Skipped(int line, TLabelMessage fault) const
    {
        const std::string& id = FEntry.Stock.Id;
        TLabelMessage skipped{TMessageCode::StocksEntrySkipped,
                              {EscapeForMessage(FFileName), std::to_string(line)}};
        if (!id.empty() && IdFault(id).Empty()) {
            skipped.Code = TMessageCode::StocksStockSkipped;
            skipped.Args.push_back(id);
        }
        skipped.Cause.push_back(std::move(fault));
        return skipped;
    }

    std::string FFileName;
    std::vector<TLabelStock>& FStocks;
    std::vector<TLabelMessage>& FProblems;
    TEntry FEntry{};
    bool FOpen = false;
};

} // namespace

void TStockCatalogue::AddUserStocks(std::string_view text, const std::string& fileName)
{
    TStocksReader(fileName, FStocks, FProblems).Read(text);
}

} // namespace quillon
