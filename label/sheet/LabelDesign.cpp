// A label design file: read line by line with the settings file's reader, each key by its row of a table.
#include "label/sheet/LabelDesign.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <map>

#include "barcode/Canvas.h"
#include "data/SafeFile.h"
#include "data/SettingsFile.h"
#include "label/compose/SymbolKinds.h"
#include "label/input/LabelList.h"

namespace quillon {

namespace {

// A key's reader gives what the key takes when the value is not one of them; its writer gives the value.
using TKeyReader = std::optional<std::string_view> (*)(TLabelDesign&, const std::string&);
using TKeyWriter = std::string (*)(const TLabelDesign&);

struct TDesignKey {
    std::string_view Name;
    TKeyReader Read = nullptr;
    TKeyWriter Write = nullptr;
};

constexpr std::string_view kTakesSwitch = "0|1";
constexpr std::string_view kSourceNames[] = {"one", "list", "serial"}; // by TDesignSource
constexpr std::string_view kLayoutNames[] = {"classic", "standard"};   // by TDesignLayout
constexpr std::string_view kQrLevelLetters = "LMQH";                   // by TQrErrorCorrection
constexpr std::string_view kSystemColorPrefix = "system:";
constexpr std::string_view kHexDigits = "0123456789ABCDEF";
// The ranges of the values in millimetres, as wide as the window and the command line take.
constexpr double kMinModuleMm = 0.1;
constexpr double kMaxXDimensionMm = 2.0;
constexpr double kMaxModuleMm = 5.0;
constexpr double kMaxInsetMm = 20.0;
constexpr int kMaxStartCells = 4 * 20; // the cells of the largest sheet
// The longest text: the window's code field holds 2048 characters of up to 3 bytes each.
constexpr std::size_t kMaxTextBytes = 8 * 1024;

std::optional<int> WholeNumber(std::string_view text, int min, int max)
{
    int n = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (error != std::errc() || end != text.data() + text.size() || n < min || n > max)
        return std::nullopt;
    return n;
}

std::optional<double> Millimetres(std::string_view text, double min, double max)
{
    double mm = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), mm);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !(mm >= min && mm <= max))
        return std::nullopt;
    return mm;
}

std::optional<bool> Switch(std::string_view text)
{
    if (text == "0" || text == "1")
        return text == "1";
    return std::nullopt;
}

// The index of `text` among `names`.
template <std::size_t N>
std::optional<std::size_t> Named(std::string_view text, const std::string_view (&names)[N])
{
    const auto found = std::find(std::begin(names), std::end(names), text);
    return found == std::end(names) ? std::nullopt : std::optional(static_cast<std::size_t>(found - names));
}

bool AllDigits(std::string_view text, std::size_t most)
{
    return !text.empty() && text.size() <= most &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A name as this build or a later one may give a kind or a stock: printable, no blanks.
bool LooksLikeName(std::string_view text)
{
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c > ' ' && c != '\x7F'; });
}

std::string MmText(double mm, int decimals)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, mm);
    return text;
}

std::string TakesRange(int min, int max)
{
    return std::to_string(min) + ".." + std::to_string(max);
}

// Readers that give back what the key takes when the value is none of it.
template <int TLabelDesign::*Field, int Min, int Max>
std::optional<std::string_view> ReadWhole(TLabelDesign& design, const std::string& value)
{
    static const std::string takes = TakesRange(Min, Max);
    const std::optional<int> n = WholeNumber(value, Min, Max);
    if (!n)
        return takes;
    design.*Field = *n;
    return std::nullopt;
}

template <int TLabelDesign::*Field> std::string WriteWhole(const TLabelDesign& design)
{
    return std::to_string(design.*Field);
}

template <bool TLabelDesign::*Field>
std::optional<std::string_view> ReadSwitch(TLabelDesign& design, const std::string& value)
{
    const std::optional<bool> on = Switch(value);
    if (!on)
        return kTakesSwitch;
    design.*Field = *on;
    return std::nullopt;
}

template <bool TLabelDesign::*Field> std::string WriteSwitch(const TLabelDesign& design)
{
    return design.*Field ? "1" : "0";
}

template <TDesignCaption TLabelDesign::*Caption>
std::optional<std::string_view> ReadCaptionOn(TLabelDesign& design, const std::string& value)
{
    const std::optional<bool> on = Switch(value);
    if (!on)
        return kTakesSwitch;
    (design.*Caption).On = *on;
    return std::nullopt;
}

// Texts take any bytes but a NUL, within the length a list row may have.
std::optional<std::string_view> ReadText(std::string& field, const std::string& value)
{
    if (value.find('\0') != std::string::npos || value.size() > kMaxTextBytes)
        return "text of up to 8192 bytes";
    field = value;
    return std::nullopt;
}

std::optional<std::string_view> ReadListText(std::string& field, const std::string& value)
{
    if (value.find('\0') != std::string::npos)
        return "text";
    field = value;
    return std::nullopt;
}

std::optional<std::string_view> ReadSerialNumber(std::string& field, const std::string& value)
{
    if (!AllDigits(value, static_cast<std::size_t>(kMaxSerialWidth)))
        return "digits";
    field = value;
    return std::nullopt;
}

// Each key of the file, in the order the file is written; the readers refuse what the key cannot take.
const std::array<TDesignKey, 38> kDesignKeys{{
    {"kind", nullptr, [](const TLabelDesign& d) { return std::string(LabelKindName(d.Kind)); }},
    {"code", [](TLabelDesign& d, const std::string& v) { return ReadText(d.Code, v); },
     [](const TLabelDesign& d) { return d.Code; }},
    {"source",
     [](TLabelDesign& d, const std::string& v) -> std::optional<std::string_view> {
         const auto named = Named(v, kSourceNames);
         if (!named)
             return "one|list|serial";
         d.Source = static_cast<TDesignSource>(*named);
         return std::nullopt;
     },
     [](const TLabelDesign& d) { return std::string(DesignSourceName(d.Source)); }},
    {"list_file", [](TLabelDesign& d, const std::string& v) { return ReadText(d.ListFile, v); },
     [](const TLabelDesign& d) { return d.ListFile; }},
    {"list_text", [](TLabelDesign& d, const std::string& v) { return ReadListText(d.ListText, v); },
     [](const TLabelDesign& d) { return d.ListText; }},
    {"serial_start",
     [](TLabelDesign& d, const std::string& v) { return ReadSerialNumber(d.Serial.Start, v); },
     [](const TLabelDesign& d) { return d.Serial.Start; }},
    {"serial_step", [](TLabelDesign& d, const std::string& v) { return ReadSerialNumber(d.Serial.Step, v); },
     [](const TLabelDesign& d) { return d.Serial.Step; }},
    {"serial_count",
     [](TLabelDesign& d, const std::string& v) -> std::optional<std::string_view> {
         const std::optional<int> n = WholeNumber(v, 1, static_cast<int>(kMaxListRows));
         if (!n)
             return "1..1000000";
         d.Serial.Count = *n;
         return std::nullopt;
     },
     [](const TLabelDesign& d) { return std::to_string(d.Serial.Count); }},
    {"serial_width",
     [](TLabelDesign& d, const std::string& v) -> std::optional<std::string_view> {
         const std::optional<int> n = WholeNumber(v, 1, kMaxSerialWidth);
         if (!n)
             return "1..18";
         d.Serial.Width = *n;
         return std::nullopt;
     },
     [](const TLabelDesign& d) { return std::to_string(d.Serial.Width); }},
    {"serial_prefix", [](TLabelDesign& d, const std::string& v) { return ReadText(d.Serial.Prefix, v); },
     [](const TLabelDesign& d) { return d.Serial.Prefix; }},
    {"serial_suffix", [](TLabelDesign& d, const std::string& v) { return ReadText(d.Serial.Suffix, v); },
     [](const TLabelDesign& d) { return d.Serial.Suffix; }},
    {"upper_caption_on", ReadCaptionOn<&TLabelDesign::Upper>,
     [](const TLabelDesign& d) { return std::string(d.Upper.On ? "1" : "0"); }},
    {"upper_caption", [](TLabelDesign& d, const std::string& v) { return ReadText(d.Upper.Text, v); },
     [](const TLabelDesign& d) { return d.Upper.Text; }},
    {"lower_caption_on", ReadCaptionOn<&TLabelDesign::Lower>,
     [](const TLabelDesign& d) { return std::string(d.Lower.On ? "1" : "0"); }},
    {"lower_caption", [](TLabelDesign& d, const std::string& v) { return ReadText(d.Lower.Text, v); },
     [](const TLabelDesign& d) { return d.Lower.Text; }},
    {"layout",
     [](TLabelDesign& d, const std::string& v) -> std::optional<std::string_view> {
         const auto named = Named(v, kLayoutNames);
         if (!named)
             return "classic|standard";
         d.Layout = static_cast<TDesignLayout>(*named);
         return std::nullopt;
     },
     [](const TLabelDesign& d) { return std::string(kLayoutNames[static_cast<std::size_t>(d.Layout)]); }},
    {"zoom", ReadWhole<&TLabelDesign::Zoom, 1, 10>, WriteWhole<&TLabelDesign::Zoom>},
    {"ratio", ReadWhole<&TLabelDesign::Ratio, 0, 10>, WriteWhole<&TLabelDesign::Ratio>},
    {"x_dim_mm",
     [](TLabelDesign& d, const std::string& v) -> std::optional<std::string_view> {
         const std::optional<double> mm = Millimetres(v, kMinModuleMm, kMaxXDimensionMm);
         if (!mm)
             return "0.1..2";
         d.XDimensionMm = *mm;
         return std::nullopt;
     },
     [](const TLabelDesign& d) { return MmText(d.XDimensionMm, 2); }},
    {"module_mm",
     [](TLabelDesign& d, const std::string& v) -> std::optional<std::string_view> {
         const std::optional<double> mm = Millimetres(v, kMinModuleMm, kMaxModuleMm);
         if (!mm)
             return "0.1..5";
         d.ModuleMm = *mm;
         return std::nullopt;
     },
     [](const TLabelDesign& d) { return MmText(d.ModuleMm, 2); }},
    {"bar_color",
     [](TLabelDesign& d, const std::string& v) -> std::optional<std::string_view> {
         const std::optional<TColor> color = ParseDesignColor(v);
         if (!color)
             return "#RRGGBB|system:N";
         d.BarColor = *color;
         return std::nullopt;
     },
     [](const TLabelDesign& d) { return FormatDesignColor(d.BarColor); }},
    {"check_digit", ReadSwitch<&TLabelDesign::CheckDigit>, WriteSwitch<&TLabelDesign::CheckDigit>},
    {"qr_ecc",
     [](TLabelDesign& d, const std::string& v) -> std::optional<std::string_view> {
         const std::optional<TQrErrorCorrection> level =
             v.size() == 1 ? QrErrorCorrectionFromName(v) : std::nullopt;
         if (!level)
             return "L|M|Q|H";
         d.Symbol.QrErrorCorrection = *level;
         return std::nullopt;
     },
     [](const TLabelDesign& d) {
         return std::string(1, kQrLevelLetters[static_cast<std::size_t>(d.Symbol.QrErrorCorrection)]);
     }},
    {"dm_shape",
     [](TLabelDesign& d, const std::string& v) -> std::optional<std::string_view> {
         const std::optional<TDataMatrixShape> shape = DataMatrixShapeFromName(v);
         if (!shape)
             return "square|rect";
         d.Symbol.DataMatrixShape = *shape;
         return std::nullopt;
     },
     [](const TLabelDesign& d) {
         return std::string(d.Symbol.DataMatrixShape == TDataMatrixShape::Rectangular ? "rect" : "square");
     }},
    {"pdf417_columns",
     [](TLabelDesign& d, const std::string& v) -> std::optional<std::string_view> {
         const std::optional<int> n = WholeNumber(v, 0, kMaxPdf417Columns);
         if (!n)
             return "0..30";
         d.Symbol.Pdf417Columns = *n;
         return std::nullopt;
     },
     [](const TLabelDesign& d) { return std::to_string(d.Symbol.Pdf417Columns); }},
    {"stock", nullptr, [](const TLabelDesign& d) { return d.Stock; }},
    {"paper",
     [](TLabelDesign& d, const std::string& v) -> std::optional<std::string_view> {
         if (v != "a4" && v != "letter")
             return "a4|letter";
         d.Paper = v == "a4" ? TPaperSize::A4 : TPaperSize::Letter;
         return std::nullopt;
     },
     [](const TLabelDesign& d) { return std::string(d.Paper == TPaperSize::Letter ? "letter" : "a4"); }},
    {"columns", ReadWhole<&TLabelDesign::Columns, 1, 4>, WriteWhole<&TLabelDesign::Columns>},
    {"rows", ReadWhole<&TLabelDesign::Rows, 1, 20>, WriteWhole<&TLabelDesign::Rows>},
    {"margins_mm",
     [](TLabelDesign& d, const std::string& v) -> std::optional<std::string_view> {
         int parts[4] = {0, 0, 0, 0};
         std::string_view rest = v;
         for (int i = 0; i < 4; ++i) {
             const std::size_t comma = i < 3 ? rest.find(',') : rest.size();
             const std::optional<int> mm =
                 comma == std::string_view::npos ? std::nullopt : WholeNumber(rest.substr(0, comma), 0, 50);
             if (!mm)
                 return "T,R,B,L 0..50";
             parts[i] = *mm;
             rest.remove_prefix(std::min(comma + 1, rest.size()));
         }
         d.Margins = {.Top = parts[0], .Right = parts[1], .Bottom = parts[2], .Left = parts[3]};
         return std::nullopt;
     },
     [](const TLabelDesign& d) {
         return std::to_string(d.Margins.Top) + "," + std::to_string(d.Margins.Right) + "," +
                std::to_string(d.Margins.Bottom) + "," + std::to_string(d.Margins.Left);
     }},
    {"spacing_mm", ReadWhole<&TLabelDesign::SpacingMm, 0, 50>, WriteWhole<&TLabelDesign::SpacingMm>},
    {"stretch", ReadSwitch<&TLabelDesign::Stretch>, WriteSwitch<&TLabelDesign::Stretch>},
    {"order",
     [](TLabelDesign& d, const std::string& v) -> std::optional<std::string_view> {
         if (v != "across" && v != "down")
             return "across|down";
         d.Order = v == "across" ? TCellOrder::AcrossRows : TCellOrder::DownColumns;
         return std::nullopt;
     },
     [](const TLabelDesign& d) {
         return std::string(d.Order == TCellOrder::AcrossRows ? "across" : "down");
     }},
    {"start", ReadWhole<&TLabelDesign::Start, 1, kMaxStartCells>, WriteWhole<&TLabelDesign::Start>},
    {"align",
     [](TLabelDesign& d, const std::string& v) -> std::optional<std::string_view> {
         if (v != "centre" && v != "top-left")
             return "centre|top-left";
         d.Align = v == "centre" ? TPictureAlign::Centre : TPictureAlign::TopLeft;
         return std::nullopt;
     },
     [](const TLabelDesign& d) {
         return std::string(d.Align == TPictureAlign::Centre ? "centre" : "top-left");
     }},
    {"inset_mm",
     [](TLabelDesign& d, const std::string& v) -> std::optional<std::string_view> {
         const std::optional<double> mm = Millimetres(v, 0.0, kMaxInsetMm);
         if (!mm)
             return "0..20";
         d.InsetMm = *mm;
         return std::nullopt;
     },
     [](const TLabelDesign& d) { return MmText(d.InsetMm, 1); }},
    {"mark", ReadSwitch<&TLabelDesign::Mark>, WriteSwitch<&TLabelDesign::Mark>},
    {"footer", ReadSwitch<&TLabelDesign::Footer>, WriteSwitch<&TLabelDesign::Footer>},
}};

const TDesignKey* FindKey(std::string_view name)
{
    const auto found = std::find_if(kDesignKeys.begin(), kDesignKeys.end(),
                                    [name](const TDesignKey& key) { return key.Name == name; });
    return found == kDesignKeys.end() ? nullptr : &*found;
}

std::string FormatLine()
{
    return std::string(kDesignFormatName) + " " + std::to_string(kDesignFormatVersion);
}

// The first line, without a byte order mark, a line end or blanks at its end.
std::string_view FirstLine(std::string_view bytes)
{
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    std::string_view line = bytes.substr(0, std::min(bytes.find('\n'), bytes.size()));
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
        line.remove_suffix(1);
    return line;
}

void CheckFirstLine(std::string_view bytes, const std::string& fileName)
{
    const std::string_view line = FirstLine(bytes);
    if (line == FormatLine())
        return;
    const std::string prefix = std::string(kDesignFormatName) + " ";
    if (line.starts_with(prefix) &&
        WholeNumber(line.substr(prefix.size()), kDesignFormatVersion + 1, 1 << 30))
        throw EDesignError(fileName,
                           {.Line = 1, .Fault = TDesignFault::LaterFormat, .Value = std::string(line)});
    throw EDesignError(fileName, {.Line = 1,
                                  .Fault = bytes.empty() ? TDesignFault::Empty : TDesignFault::NotADesign,
                                  .Value = std::string(line.substr(0, 64))});
}

// The kind and the stock: a name this build lacks is read as the default and noted.
void ReadNamed(TReadDesign& read, const TSettingLine& line, const TStockCatalogue& stocks,
               const std::string& fileName)
{
    const std::string& value = line.Entry.Value;
    const bool kind = line.Entry.Name == "kind";
    if (!LooksLikeName(value))
        throw EDesignError(
            fileName, {.Line = line.Line,
                       .Fault = TDesignFault::BadValue,
                       .Key = line.Entry.Name,
                       .Value = value,
                       .Takes = kind ? "a kind (quillon-cli kinds)" : "a stock ID (quillon-cli stocks)"});
    if (kind) {
        if (const std::optional<int> ordinal = LabelKindFromName(value))
            read.Design.Kind = *ordinal;
        else
            read.Notes.push_back({.Line = line.Line, .Kind = TDesignNoteKind::UnknownKind, .Value = value});
        return;
    }
    if (SameStockId(value, kCustomStock)) {
        read.Design.Stock = kCustomStock;
        return;
    }
    if (const std::optional<TLabelStock> known = stocks.Lookup(value))
        read.Design.Stock = known->Id; // a roll or tape of any size too
    else
        read.Notes.push_back({.Line = line.Line, .Kind = TDesignNoteKind::UnknownStock, .Value = value});
}

// A value as a message quotes it: a long one cut short.
std::string ShortValue(const std::string& value)
{
    constexpr std::size_t kMostQuoted = 40;
    return value.size() <= kMostQuoted ? value : value.substr(0, kMostQuoted) + "...";
}

} // namespace

bool TLabelDesign::CustomSheet() const
{
    return Stock == kCustomStock;
}

// Two designs are equal when they write the same file.
bool TLabelDesign::operator==(const TLabelDesign& other) const
{
    return FormatLabelDesign(*this) == FormatLabelDesign(other);
}

EDesignError::EDesignError(std::string fileName, TDesignProblem problem)
    : Exception(fileName + ":" + std::to_string(problem.Line) + ": " + DesignProblemText(problem)),
      FFileName(std::move(fileName)), FProblem(std::move(problem))
{
}

TReadDesign ParseLabelDesign(std::string_view bytes, const TStockCatalogue& stocks,
                             const std::string& fileName)
{
    CheckFirstLine(bytes, fileName);
    TSettingLines lines = ReadSettingLines(bytes.substr(std::min(bytes.find('\n'), bytes.size())));
    if (!lines.Problems.empty())
        throw EDesignError(fileName,
                           {.Line = lines.Problems.front().Line, .Fault = TDesignFault::NotASetting});
    TReadDesign read;
    std::map<std::string, int, std::less<>> seen;
    for (const TSettingLine& line : lines.Lines) {
        const TSettingEntry& entry = line.Entry;
        if (!entry.Section.empty())
            throw EDesignError(fileName,
                               {.Line = line.Line, .Fault = TDesignFault::Section, .Key = entry.Name});
        const TDesignKey* key = FindKey(entry.Name);
        if (key == nullptr)
            throw EDesignError(fileName,
                               {.Line = line.Line, .Fault = TDesignFault::UnknownKey, .Key = entry.Name});
        if (const auto [first, added] = seen.emplace(entry.Name, line.Line); !added)
            throw EDesignError(fileName, {.Line = line.Line,
                                          .Fault = TDesignFault::SecondValue,
                                          .Key = entry.Name,
                                          .FirstLine = first->second});
        if (key->Read == nullptr) {
            ReadNamed(read, line, stocks, fileName);
            continue;
        }
        if (const std::optional<std::string_view> takes = key->Read(read.Design, entry.Value))
            throw EDesignError(fileName, {.Line = line.Line,
                                          .Fault = TDesignFault::BadValue,
                                          .Key = entry.Name,
                                          .Value = entry.Value,
                                          .Takes = std::string(*takes)});
    }
    return read;
}

std::string FormatLabelDesign(const TLabelDesign& design)
{
    std::string out = FormatLine() + "\n";
    for (const TDesignKey& key : kDesignKeys)
        out += std::string(key.Name) + " = " + EscapeSettingText(key.Write(design), false) + "\n";
    return out;
}

TReadDesign ReadLabelDesignFile(const std::string& path, const TStockCatalogue& stocks)
{
    return ParseLabelDesign(ReadRegularFile(path, kMaxDesignFileBytes), stocks, path);
}

void WriteLabelDesignFile(const std::string& path, const TLabelDesign& design)
{
    ReplaceFile(path, FormatLabelDesign(design));
}

std::string DesignProblemText(const TDesignProblem& problem)
{
    switch (problem.Fault) {
    case TDesignFault::Empty: return "empty, not a label design";
    case TDesignFault::NotADesign:
        return "not a label design: the first line should read \"" + FormatLine() + "\"";
    case TDesignFault::LaterFormat:
        return "\"" + problem.Value + "\" is a later format than this Quillon reads (" + FormatLine() + ")";
    case TDesignFault::NotASetting: return "not a setting: a line reads \"key = value\"";
    case TDesignFault::Section: return "a section: a label design has none";
    case TDesignFault::UnknownKey: return "no setting is called " + problem.Key;
    case TDesignFault::SecondValue:
        return problem.Key + " is set a second time (first on line " + std::to_string(problem.FirstLine) +
               ")";
    case TDesignFault::BadValue:
        return problem.Key + " takes " + problem.Takes + ", not '" + ShortValue(problem.Value) + "'";
    }
    return {};
}

std::string DesignNoteText(const TDesignNote& note)
{
    if (note.Kind == TDesignNoteKind::UnknownKind)
        return "kind " + note.Value +
               " is not one this build makes: " + std::string(LabelKindName(bcCodeEAN13)) + " instead";
    return "label stock " + note.Value + " is not one this build knows: the sheet is laid out by its margins";
}

std::string_view DesignSourceName(TDesignSource source)
{
    return kSourceNames[static_cast<std::size_t>(source)];
}

// "#RRGGBB" for a plain colour, "system:N" for the desktop's system colour number N.
std::string FormatDesignColor(TColor color)
{
    if (IsSystemColor(color))
        return std::string(kSystemColorPrefix) + std::to_string(SystemColorNumber(color));
    std::string text = "#";
    for (const unsigned channel : {color & 0xFFu, (color >> 8) & 0xFFu, (color >> 16) & 0xFFu}) {
        text += kHexDigits[channel >> 4];
        text += kHexDigits[channel & 0xF];
    }
    return text;
}

std::optional<TColor> ParseDesignColor(std::string_view text)
{
    if (text.starts_with(kSystemColorPrefix)) {
        const std::optional<int> number = WholeNumber(text.substr(kSystemColorPrefix.size()), 0, 0xFF);
        return number ? std::optional(SystemColor(static_cast<std::uint8_t>(*number))) : std::nullopt;
    }
    unsigned rgb = 0;
    const auto [end, error] = std::from_chars(text.data() + std::min<std::size_t>(1, text.size()),
                                              text.data() + text.size(), rgb, 16);
    if (text.size() != 7 || text[0] != '#' || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    // RRGGBB as written; TColor keeps red in the low byte.
    return ((rgb >> 16) & 0xFFu) | (rgb & 0xFF00u) | ((rgb & 0xFFu) << 16);
}

} // namespace quillon
