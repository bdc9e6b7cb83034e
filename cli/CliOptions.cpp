#include "CliOptions.h"

#include "label/send/PrinterAddress.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <span>
#include <string_view>
#include <tuple>
#include <utility>

#include "label/compose/StandardLayout.h"
#include "label/compose/SymbolKinds.h"
#include "label/input/LabelList.h"
#include "label/sheet/LabelStock.h"
#include "report/Calibration.h"

namespace quillon::cli {

namespace {

// --height: the bar height in pixels, a setting of the command line alone.
constexpr limits::TRange kBarHeight{.Min = 1, .Max = 10000};
// --skip: at most every cell but one of the largest sheet; the sheet in hand is checked when it is made.
constexpr limits::TRange kSkipCells{.Min = 0, .Max = limits::kColumns.Max * limits::kRows.Max - 1};

// A setting in millimetres; the range is the command line's own, wider than a symbology allows, so that
// a module outside the symbology's range is printed at its nearest allowed size with a note.
struct MmRange {
    double min = 0.0;
    double max = 0.0;
    const char* text = ""; // the range as the message names it
};
constexpr MmRange kXDimensionMm{.min = 0.1, .max = 2.0, .text = "0.1 to 2"};
constexpr MmRange kBarHeightMm{.min = 1.0, .max = 300.0, .text = "1 to 300"};
constexpr MmRange kInsetMm{.min = 0.0, .max = kMaxInsetMm, .text = "0 to 20"};
constexpr MmRange kTapeLengthMm{.min = kMinRollMm, .max = kMaxRollMm, .text = "5 to 1000"};

// Options that only one layout has: the classic label is sized in screen pixels and may be turned,
// the standard label is sized in millimetres and prints upright.
constexpr std::string_view kClassicOnly[] = {"--modul", "--height", "--angle"};
constexpr std::string_view kStandardOnly[] = {"--x-dim", "--bar-height", "--bwr"};
// --columns-417: 0 lets the encoder choose.
constexpr limits::TRange kPdf417Columns{.Min = 0, .Max = kMaxPdf417Columns};

// The engine's settings that a kind libzint encodes has no use for.
constexpr std::string_view kEngineOnly[] = {"--checksum", "--method", "--ratio", "--bwr"};
// The bar height of the linear kinds; a two-dimensional symbol's height follows from its modules.
constexpr std::string_view kBarHeightOptions[] = {"--height", "--bar-height"};

// The symbol options and the kinds that use each.
struct SymbolOptionRule {
    std::string_view name;
    TSymbolOption option = TSymbolOption::None;
    std::string_view kinds; // as the message names them
};
constexpr SymbolOptionRule kSymbolOptionRules[] = {
    {"--ecc", TSymbolOption::QrErrorCorrection, "QRCode and GS1_QRCode"},
    {"--dm-shape", TSymbolOption::DataMatrixShape, "DataMatrix and GS1_DataMatrix"},
    {"--columns-417", TSymbolOption::Pdf417Columns, "PDF417"},
};

// The options of ZPL output alone, and those of a sheet's grid and paper that a roll has no use for.
constexpr std::string_view kZplOnly[] = {"--zpl", "--darkness", "--speed"};
constexpr std::string_view kSheetOnlyForZpl[] = {"--columns", "--rows",      "--margins", "--spacing",
                                                 "--stretch", "--no-footer", "--skip",    "--paper",
                                                 "--offset",  "--scale",     "--order"};
constexpr limits::TRange kDarkness{.Min = 0, .Max = kMaxZplDarkness};
constexpr limits::TRange kSpeedIps{.Min = kMinZplSpeedIps, .Max = kMaxZplSpeedIps};

// A label stock places its cells itself: these would be ignored beside it.
constexpr std::string_view kGridByMargins[] = {"--columns", "--rows", "--margins", "--spacing"};

bool EndsWith(const std::string& path, std::string_view extension)
{
    if (path.size() < extension.size())
        return false;
    const std::string_view tail = std::string_view(path).substr(path.size() - extension.size());
    for (std::size_t i = 0; i < tail.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(tail[i])) != extension[i])
            return false;
    return true;
}

// label writes PNG and sheet writes PDF, either ZPL with --format zpl; the extension must say so, so
// that no file carries the wrong one.
void CheckOutput(const std::string& command, const std::string& output, bool zpl = false)
{
    const std::string_view extension = zpl ? ".zpl" : command == "label" ? ".png" : ".pdf";
    if (output.empty())
        throw UsageError(command + " needs -o FILE");
    if (!EndsWith(output, extension))
        throw UsageError("-o FILE must end in " + std::string(extension) + ", not '" + output + "'");
}

int ParseInt(const std::string& option, const std::string& value, const limits::TRange& range)
{
    int n = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), n);
    if (error != std::errc() || end != value.data() + value.size() || !range.Contains(n))
        throw UsageError(option + " takes a whole number from " + std::to_string(range.Min) + " to " +
                         std::to_string(range.Max) + ", not '" + value + "'");
    return n;
}

double ParseNumber(const std::string& option, const std::string& value)
{
    double d = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), d);
    if (error != std::errc() || end != value.data() + value.size() || !std::isfinite(d))
        throw UsageError(option + " takes a number, not '" + value + "'");
    return d;
}

double ParseMm(const std::string& option, const std::string& value, const MmRange& range)
{
    double d = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), d);
    if (error != std::errc() || end != value.data() + value.size() || !(d >= range.min && d <= range.max))
        throw UsageError(option + " takes millimetres from " + range.text + ", not '" + value + "'");
    return d;
}

TColor ParseColor(const std::string& value)
{
    unsigned rgb = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), rgb, 16);
    if (value.size() != 6 || error != std::errc() || end != value.data() + value.size())
        throw UsageError("--bar-color takes RRGGBB in hexadecimal, not '" + value + "'");
    // RRGGBB as written; TColor keeps red in the low byte.
    return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
}

// The place of `value` among an option's words, or a usage error naming them all: "--order takes
// across or down, not 'sideways'".
std::size_t WordOf(const std::string& option, const std::string& value,
                   std::initializer_list<std::string_view> words)
{
    if (const auto found = std::find(words.begin(), words.end(), value); found != words.end())
        return static_cast<std::size_t>(found - words.begin());
    std::string named;
    for (auto word = words.begin(); word != words.end(); ++word) {
        if (word != words.begin())
            named += std::next(word) == words.end() ? " or " : ", ";
        named += *word;
    }
    throw UsageError(option + " takes " + named + ", not '" + value + "'");
}

TBarcodeOption ParseShow(const std::string& value)
{
    constexpr TBarcodeOption kShown[] = {bcoNone, bcoCode, bcoTyp, bcoBoth};
    return kShown[WordOf("--show", value, {"none", "code", "type", "both"})];
}

Margins ParseMargins(const std::string& value)
{
    std::vector<int> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = value.find(',', start);
        parts.push_back(ParseInt("--margins", value.substr(start, comma - start), limits::kMarginMm));
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    if (parts.size() != 4)
        throw UsageError("--margins takes four millimetre values T,R,B,L");
    return {.top = parts[0], .right = parts[1], .bottom = parts[2], .left = parts[3]};
}

// How a printer's correction is typed: two numbers, each within +-max and on steps of a tenth.
struct CorrectionForm {
    double max = 0.0;
    std::string_view words; // "millimetre values X,Y from -10 to 10"
    std::string_view example;
};
constexpr CorrectionForm kOffsetForm{
    .max = kMaxCalibrationOffsetMm, .words = "millimetre values X,Y from -10 to 10", .example = "1.5,-2"};
constexpr CorrectionForm kScaleForm{
    .max = kMaxCalibrationScalePercent, .words = "percent values SX,SY from -2 to 2", .example = "0.5,-0.3"};

std::pair<double, double> ParseCorrection(const std::string& option, const std::string& value,
                                          const CorrectionForm& form)
{
    const double max = form.max;
    const auto fail = [&] {
        return UsageError(option + " takes two " + std::string(form.words) + " in steps of 0.1, such as " +
                          std::string(form.example) + ", not '" + value + "'");
    };
    const std::size_t comma = value.find(',');
    if (comma == std::string::npos || value.find(',', comma + 1) != std::string::npos)
        throw fail();
    double parts[2] = {0.0, 0.0};
    const std::string_view texts[2] = {std::string_view(value).substr(0, comma),
                                       std::string_view(value).substr(comma + 1)};
    for (int i = 0; i < 2; ++i) {
        const char* last = texts[i].data() + texts[i].size();
        const auto [end, error] = std::from_chars(texts[i].data(), last, parts[i]);
        const double tenths = parts[i] * 10.0;
        if (texts[i].empty() || error != std::errc() || end != last || !(std::abs(parts[i]) <= max) ||
            std::abs(tenths - std::round(tenths)) > 1e-6)
            throw fail();
    }
    return {parts[0], parts[1]};
}

// FROM and TO have at most 18 digits, so that every count and step fits in 64 bits.
constexpr std::size_t kMaxSequenceDigits = 18;
static_assert(kMaxSequenceDigits == kMaxSerialWidth, "a sequence is a serial run");
constexpr limits::TRange kPadDigits{.Min = 1, .Max = kMaxSerialWidth};
constexpr limits::TRange kCopies{.Min = 1, .Max = kMaxRowCopies};
// The options that shape the codes of a sequence.
constexpr std::string_view kSequenceOnly[] = {"--prefix", "--suffix", "--pad"};

UsageError SequenceError(const std::string& value)
{
    return UsageError("--sequence takes FROM..TO or FROM..TO/STEP in whole numbers of up to 18 digits, "
                      "such as 000001..000500, not '" +
                      value + "'");
}

std::uint64_t ParseSequenceNumber(std::string_view digits, const std::string& value)
{
    std::uint64_t n = 0;
    const char* last = digits.data() + digits.size();
    const auto [end, error] = std::from_chars(digits.data(), last, n);
    if (digits.empty() || digits.size() > kMaxSequenceDigits || error != std::errc() || end != last)
        throw SequenceError(value);
    return n;
}

Sequence ParseSequence(const std::string& value)
{
    const std::string_view text(value);
    const std::size_t dots = text.find("..");
    if (dots == std::string_view::npos)
        throw SequenceError(value);
    const std::string_view rest = text.substr(dots + 2);
    const std::size_t slash = rest.find('/');
    const Sequence sequence{
        .from = ParseSequenceNumber(text.substr(0, dots), value),
        .to = ParseSequenceNumber(rest.substr(0, slash), value),
        .step = slash == std::string_view::npos ? 1 : ParseSequenceNumber(rest.substr(slash + 1), value),
        .width = dots};
    if (sequence.step == 0)
        throw UsageError("--sequence takes a STEP of 1 or more, not '" + value + "'");
    if (sequence.Count() > kMaxCodes)
        throw UsageError("--sequence " + value + " makes " + std::to_string(sequence.Count()) +
                         " codes, more than the " + std::to_string(kMaxCodes) + " of one run");
    return sequence;
}

// Which commands take an option: one bit per entry of kCommands.
constexpr unsigned CommandBit(std::string_view command)
{
    for (std::size_t i = 0; i < kCommands.size(); ++i)
        if (kCommands[i] == command)
            return 1u << i;
    return 0;
}

// print makes its job exactly as sheet makes its file, so it takes every option of sheet but -o.
constexpr unsigned kSheetCommand = CommandBit("sheet") | CommandBit("print");
constexpr unsigned kEngineCommands =
    CommandBit("pattern") | CommandBit("width") | CommandBit("verify") | CommandBit("label") | kSheetCommand;
constexpr unsigned kComposingCommands = CommandBit("verify") | CommandBit("label") | kSheetCommand;
constexpr unsigned kWritingCommands = CommandBit("label") | kSheetCommand;
constexpr unsigned kOutputCommands = CommandBit("label") | CommandBit("sheet") | CommandBit("calibration");
constexpr unsigned kLayoutCommands = kComposingCommands;
constexpr unsigned kPaperCommands = kSheetCommand | CommandBit("calibration");
constexpr unsigned kPrintCommand = CommandBit("print");

using ValueSetter = void (*)(CliOptions&, const std::string& option, const std::string& value);
using FlagSetter = void (*)(CliOptions&);

struct OptionRule {
    std::string_view name;
    std::string_view shortName;
    unsigned commands = 0;
    ValueSetter setValue = nullptr; // exactly one of the two setters is set
    FlagSetter setFlag = nullptr;
};

// Every option, in the order the help lists them.
const OptionRule kOptionRules[] = {
    {"--kind", "-k", kEngineCommands,
     [](CliOptions& o, const std::string&, const std::string& v) {
         const std::optional<int> ordinal = LabelKindFromName(v);
         if (!ordinal)
             throw UsageError("unknown kind '" + v + "' (see quillon-cli kinds)");
         o.symbol = SymbolKindOf(*ordinal);
         if (!o.symbol)
             o.kind = static_cast<TBarcodeType>(*ordinal);
     }},
    {"--checksum", "", kEngineCommands, nullptr, [](CliOptions& o) { o.checksum = true; }},
    {"--method", "", kEngineCommands,
     [](CliOptions& o, const std::string&, const std::string& v) {
         o.method = WordOf("--method", v, {"none", "mod10"}) == 0 ? csmNone : csmModulo10;
     }},
    {"--modul", "-m", kEngineCommands,
     [](CliOptions& o, const std::string& n, const std::string& v) {
         o.modul = ParseInt(n, v, limits::kModul);
     }},
    {"--ratio", "-r", kEngineCommands,
     [](CliOptions& o, const std::string& n, const std::string& v) { o.ratio = ParseNumber(n, v); }},
    {"--height", "", kEngineCommands,
     [](CliOptions& o, const std::string& n, const std::string& v) {
         o.height = ParseInt(n, v, kBarHeight);
     }},
    {"--show", "", kEngineCommands,
     [](CliOptions& o, const std::string&, const std::string& v) { o.show = ParseShow(v); }},
    {"--bar-color", "", kEngineCommands,
     [](CliOptions& o, const std::string&, const std::string& v) { o.barColor = ParseColor(v); }},
    {"--angle", "", kComposingCommands,
     [](CliOptions& o, const std::string& n, const std::string& v) { o.angle = ParseNumber(n, v); }},
    {"--upper", "", kComposingCommands,
     [](CliOptions& o, const std::string&, const std::string& v) { o.upper = v; }},
    {"--lower", "", kComposingCommands,
     [](CliOptions& o, const std::string&, const std::string& v) { o.lower = v; }},
    {"--no-mark", "", kComposingCommands, nullptr, [](CliOptions& o) { o.mark = false; }},
    {"--ecc", "", kComposingCommands,
     [](CliOptions& o, const std::string&, const std::string& v) {
         const std::optional<TQrErrorCorrection> level = QrErrorCorrectionFromName(v);
         if (!level)
             throw UsageError("--ecc takes L, M, Q or H, not '" + v + "'");
         o.symbolOptions.QrErrorCorrection = *level;
     }},
    {"--dm-shape", "", kComposingCommands,
     [](CliOptions& o, const std::string&, const std::string& v) {
         const std::optional<TDataMatrixShape> shape = DataMatrixShapeFromName(v);
         if (!shape)
             throw UsageError("--dm-shape takes square or rect, not '" + v + "'");
         o.symbolOptions.DataMatrixShape = *shape;
     }},
    {"--columns-417", "", kComposingCommands,
     [](CliOptions& o, const std::string& n, const std::string& v) {
         o.symbolOptions.Pdf417Columns = ParseInt(n, v, kPdf417Columns);
     }},
    {"--layout", "", kLayoutCommands,
     [](CliOptions& o, const std::string&, const std::string& v) {
         o.layout = WordOf("--layout", v, {"classic", "standard"}) == 0 ? Layout::Classic : Layout::Standard;
     }},
    {"--x-dim", "", kLayoutCommands,
     [](CliOptions& o, const std::string& n, const std::string& v) {
         o.xDimensionMm = ParseMm(n, v, kXDimensionMm);
         o.xDimensionGiven = true;
     }},
    {"--bar-height", "", kLayoutCommands,
     [](CliOptions& o, const std::string& n, const std::string& v) {
         o.barHeightMm = ParseMm(n, v, kBarHeightMm);
     }},
    {"--bwr", "", kLayoutCommands,
     [](CliOptions& o, const std::string& n, const std::string& v) {
         o.barWidthReductionDots = ParseInt(n, v, kBarWidthReductionDots);
     }},
    {"--dpi", "", kLayoutCommands,
     [](CliOptions& o, const std::string& n, const std::string& v) { o.dpi = ParseInt(n, v, kDpi); }},
    {"--columns", "", kSheetCommand,
     [](CliOptions& o, const std::string& n, const std::string& v) {
         o.columns = ParseInt(n, v, limits::kColumns);
     }},
    {"--rows", "", kSheetCommand,
     [](CliOptions& o, const std::string& n, const std::string& v) {
         o.rows = ParseInt(n, v, limits::kRows);
     }},
    {"--margins", "", kSheetCommand,
     [](CliOptions& o, const std::string&, const std::string& v) { o.margins = ParseMargins(v); }},
    {"--spacing", "", kSheetCommand,
     [](CliOptions& o, const std::string& n, const std::string& v) {
         o.spacing = ParseInt(n, v, limits::kMarginMm);
     }},
    {"--stretch", "", kSheetCommand, nullptr, [](CliOptions& o) { o.stretch = true; }},
    {"--no-footer", "", kSheetCommand, nullptr, [](CliOptions& o) { o.footer = false; }},
    {"--stock", "", kSheetCommand,
     [](CliOptions& o, const std::string&, const std::string& v) { o.stock = v; }},
    {"--skip", "", kSheetCommand,
     [](CliOptions& o, const std::string& n, const std::string& v) { o.skip = ParseInt(n, v, kSkipCells); }},
    {"--align", "", kSheetCommand,
     [](CliOptions& o, const std::string&, const std::string& v) {
         o.align = WordOf("--align", v, {"centre", "top-left"}) == 0 ? TPictureAlign::Centre
                                                                      : TPictureAlign::TopLeft;
     }},
    {"--inset", "", kSheetCommand,
     [](CliOptions& o, const std::string& n, const std::string& v) { o.insetMm = ParseMm(n, v, kInsetMm); }},
    {"--paper", "", kPaperCommands,
     [](CliOptions& o, const std::string&, const std::string& v) {
         o.paper = WordOf("--paper", v, {"a4", "letter"}) == 0 ? Paper::A4 : Paper::Letter;
     }},
    {"--offset", "", kPaperCommands,
     [](CliOptions& o, const std::string& n, const std::string& v) {
         std::tie(o.offsetXMm, o.offsetYMm) = ParseCorrection(n, v, kOffsetForm);
     }},
    {"--scale", "", kPaperCommands,
     [](CliOptions& o, const std::string& n, const std::string& v) {
         std::tie(o.scaleXPercent, o.scaleYPercent) = ParseCorrection(n, v, kScaleForm);
     }},
    {"--no-verify", "", kWritingCommands, nullptr, [](CliOptions& o) { o.verify = false; }},
    {"--accept-changes", "", kWritingCommands, nullptr, [](CliOptions& o) { o.acceptChanges = true; }},
    {"--design", "", kSheetCommand,
     [](CliOptions& o, const std::string&, const std::string& v) { o.design = v; }},
    {"--order", "", kSheetCommand,
     [](CliOptions& o, const std::string&, const std::string& v) {
         o.order = WordOf("--order", v, {"across", "down"}) == 0 ? TCellOrder::AcrossRows
                                                                  : TCellOrder::DownColumns;
     }},
    {"--format", "", kWritingCommands,
     [](CliOptions& o, const std::string&, const std::string& v) {
         constexpr OutputFormat kFormats[] = {OutputFormat::Pdf, OutputFormat::Png, OutputFormat::Zpl};
         o.format = kFormats[WordOf("--format", v, {"pdf", "png", "zpl"})];
     }},
    {"--zpl", "", kWritingCommands,
     [](CliOptions& o, const std::string&, const std::string& v) {
         o.zplMode = WordOf("--zpl", v, {"native", "graphic"}) == 0 ? TZplMode::Native : TZplMode::Graphic;
     }},
    {"--darkness", "", kWritingCommands,
     [](CliOptions& o, const std::string& n, const std::string& v) { o.darkness = ParseInt(n, v, kDarkness); }},
    {"--speed", "", kWritingCommands,
     [](CliOptions& o, const std::string& n, const std::string& v) { o.speedIps = ParseInt(n, v, kSpeedIps); }},
    {"--output", "-o", kOutputCommands,
     [](CliOptions& o, const std::string&, const std::string& v) { o.output = v; }},
    {"--codes", "", kWritingCommands,
     [](CliOptions& o, const std::string&, const std::string& v) { o.codes = v; }},
    {"--sequence", "", kWritingCommands,
     [](CliOptions& o, const std::string&, const std::string& v) { o.sequence = ParseSequence(v); }},
    {"--prefix", "", kWritingCommands,
     [](CliOptions& o, const std::string&, const std::string& v) { o.prefix = v; }},
    {"--suffix", "", kWritingCommands,
     [](CliOptions& o, const std::string&, const std::string& v) { o.suffix = v; }},
    {"--pad", "", kWritingCommands,
     [](CliOptions& o, const std::string& n, const std::string& v) { o.pad = ParseInt(n, v, kPadDigits); }},
    {"--copies", "", kSheetCommand,
     [](CliOptions& o, const std::string& n, const std::string& v) { o.copies = ParseInt(n, v, kCopies); }},
    {"--length", "", kSheetCommand,
     [](CliOptions& o, const std::string& n, const std::string& v) {
         o.tapeLengthMm = ParseMm(n, v, kTapeLengthMm);
     }},
    {"--printer", "", kPrintCommand,
     [](CliOptions& o, const std::string&, const std::string& v) { o.printer = v; }},
    {"--to", "", kPrintCommand,
     [](CliOptions& o, const std::string&, const std::string& v) { o.printTo = v; }},
    {"--timeout", "", kPrintCommand,
     [](CliOptions& o, const std::string& n, const std::string& v) {
         o.timeoutSeconds = ParseInt(n, v, kPrintTimeoutSeconds);
     }},
    {"--search", "", CommandBit("stocks"),
     [](CliOptions& o, const std::string&, const std::string& v) { o.search = v; }},
};

const OptionRule* FindOption(std::string_view name)
{
    for (const OptionRule& rule : kOptionRules)
        if (rule.name == name || (!rule.shortName.empty() && rule.shortName == name))
            return &rule;
    return nullptr;
}

bool IsHelp(std::string_view arg)
{
    return arg == "--help" || arg == "-h";
}

// One printer: a CUPS destination, or a raw port that takes ZPL only.
void CheckPrintTarget(const CliOptions& options)
{
    if (options.printer.has_value() == options.printTo.has_value())
        throw UsageError("print takes one of --printer NAME (CUPS) or --to HOST:PORT (raw ZPL)");
    if (!options.printTo)
        return;
    if (!options.Zpl())
        throw UsageError("--to sends raw ZPL to a label printer's port: give --format zpl");
    try {
        ParseRawPrinterAddress(*options.printTo);
    } catch (const std::invalid_argument& e) {
        throw UsageError("--to takes HOST or HOST:PORT (port 9100 by default): " + std::string(e.what()) +
                         ", not '" + *options.printTo + "'");
    }
}

// Exactly one thing to make: the TEXT, or for label and sheet the codes of a file or a sequence.
void CheckWhatToMake(const CliOptions& options, const std::vector<std::string>& texts)
{
    const std::string& command = options.command;
    if (command == "kinds" || command == "stocks" || command == "calibration") {
        if (!texts.empty())
            throw UsageError(command + " takes no TEXT");
        if (command == "calibration")
            CheckOutput(command, options.output);
        return;
    }
    if ((CommandBit(command) & kWritingCommands) == 0) {
        if (texts.size() != 1)
            throw UsageError(command + " takes exactly one TEXT");
        return;
    }
    const std::size_t sources = texts.size() + (options.codes ? 1 : 0) + (options.sequence ? 1 : 0);
    if (sources != 1)
        throw UsageError(command + " takes one TEXT, --codes FILE or --sequence FROM..TO[/STEP]");
    if (command == "print")
        return CheckPrintTarget(options);
    if (options.command == "label" && options.Bulk()) {
        if (options.output.empty())
            throw UsageError("label with --codes or --sequence needs -o DIR");
        return;
    }
    CheckOutput(command, options.output, options.Zpl());
}

bool Given(const std::vector<std::string_view>& given, std::string_view name);

// --format names what the command writes; the ZPL options need ZPL, and ZPL is one label a time for a
// roll: the grid of a sheet and the printer resolutions ZPL printers do not have are refused.
void CheckFormat(const CliOptions& options, const std::vector<std::string_view>& given)
{
    if (options.format) {
        const bool label = options.command == "label";
        const OutputFormat own = label ? OutputFormat::Png : OutputFormat::Pdf;
        if (*options.format != own && *options.format != OutputFormat::Zpl)
            throw UsageError(std::string("--format ") +
                             (label ? "pdf is for sheet; label writes png or zpl"
                                    : "png is for label; " + options.command + " writes pdf or zpl"));
    }
    if (!options.Zpl()) {
        for (const std::string_view name : kZplOnly)
            if (Given(given, name))
                throw UsageError(std::string(name) + " is for --format zpl");
        return;
    }
    if (std::find(std::begin(kZplDpis), std::end(kZplDpis), options.dpi) == std::end(kZplDpis))
        throw UsageError("--format zpl takes --dpi 203, 300 or 600, a label printer's resolution, not " +
                         std::to_string(options.dpi));
    if (options.command == "label" && options.Bulk())
        throw UsageError(
            "label --format zpl writes one label; sheet --format zpl writes a list or a sequence");
    for (const std::string_view name : kSheetOnlyForZpl)
        if (Given(given, name))
            throw UsageError(std::string(name) +
                             " is for a sheet; ZPL is written for a roll, one label at a time");
}

// An option that the chosen layout does not have is refused, not ignored.
void CheckLayout(const CliOptions& options, const std::vector<std::string_view>& given)
{
    const bool standard = options.layout == Layout::Standard;
    for (const std::string_view name : standard ? std::span(kClassicOnly) : std::span(kStandardOnly))
        if (std::find(given.begin(), given.end(), name) != given.end())
            throw UsageError(std::string(name) + " is not an option of the " +
                             (standard ? "standard" : "classic") + " layout" +
                             (standard ? "" : " (see --layout standard)"));
}

bool Given(const std::vector<std::string_view>& given, std::string_view name)
{
    return std::find(given.begin(), given.end(), name) != given.end();
}

std::string KindName(const CliOptions& options)
{
    return std::string(LabelKindName(options.symbol ? OrdinalOf(*options.symbol) : options.kind));
}

// pattern and width tell the engine's bars; the kinds libzint encodes have none to tell.
void CheckEngineCommand(const CliOptions& options)
{
    if (!options.symbol || (options.command != "pattern" && options.command != "width"))
        return;
    throw UsageError("pattern and width are for the linear kinds the engine draws; " + KindName(options) +
                     (IsTwoDimensional(*options.symbol) ? " is a two-dimensional code"
                                                        : " is encoded by libzint, not the engine"));
}

// An option the chosen kind has no use for is refused, not ignored: --ecc on Code 128 would otherwise
// change nothing without a word.
void CheckKindOptions(const CliOptions& options, const std::vector<std::string_view>& given)
{
    const std::optional<TSymbolKind> symbol = options.symbol;
    for (const SymbolOptionRule& rule : kSymbolOptionRules)
        if (Given(given, rule.name) && (!symbol || KindInfo(*symbol).Option != rule.option))
            throw UsageError(std::string(rule.name) + " is for " + std::string(rule.kinds) + ", not " +
                             KindName(options));
    if (!symbol)
        return;
    for (const std::string_view name : kEngineOnly)
        if (Given(given, name))
            throw UsageError(std::string(name) + " is not an option of " + KindName(options) +
                             ": it is for the kinds the engine draws");
    for (const std::string_view name : kBarHeightOptions)
        if (Given(given, name) && IsTwoDimensional(*symbol))
            throw UsageError(std::string(name) + " is for the linear kinds; " + KindName(options) +
                             " takes its height from its modules");
}

// The options of a bulk run are refused where they would be ignored; a sequence takes its --pad, and
// is refused when the padding is too narrow for its numbers, its codes too long or its labels too many.
void CheckBulkOptions(CliOptions& options, const std::vector<std::string_view>& given)
{
    for (const std::string_view name : kSequenceOnly)
        if (Given(given, name) && !options.sequence)
            throw UsageError(std::string(name) + " is for --sequence");
    if (Given(given, "--copies") && !options.Bulk())
        throw UsageError("--copies is for --codes and --sequence: a sheet of one TEXT has it in every cell");
    if (!options.sequence)
        return;
    Sequence& sequence = *options.sequence;
    const std::string largest = std::to_string(std::max(sequence.from, sequence.to));
    if (options.pad && largest.size() > static_cast<std::size_t>(*options.pad))
        throw UsageError("--pad " + std::to_string(*options.pad) + " is too narrow for " + largest +
                         ", the largest number of the sequence");
    sequence.width = options.pad ? static_cast<std::size_t>(*options.pad) : sequence.width;
    const std::size_t codeBytes =
        options.prefix.size() + std::max(largest.size(), sequence.width) + options.suffix.size();
    if (codeBytes > kMaxListRowBytes)
        throw UsageError("--prefix and --suffix make codes of " + std::to_string(codeBytes) +
                         " bytes, more than the " + std::to_string(kMaxListRowBytes) + " a code may have");
    const std::uint64_t labels = sequence.Count() * static_cast<std::uint64_t>(options.copies);
    if (labels > kMaxCodes)
        throw UsageError("--sequence with --copies " + std::to_string(options.copies) + " makes " +
                         std::to_string(labels) + " labels, more than the " + std::to_string(kMaxCodes) +
                         " of one run");
}

// The grid is either the stock's or the one the margins give, never a silent mixture.
void CheckStockGrid(const std::vector<std::string_view>& given)
{
    if (std::find(given.begin(), given.end(), "--stock") == given.end())
        return;
    for (const std::string_view name : kGridByMargins)
        if (std::find(given.begin(), given.end(), name) != given.end())
            throw UsageError(std::string(name) +
                             " cannot be given with --stock: the stock has its own cells");
}

// A stretched label fills its cell: there is nothing to place.
void CheckPlacing(const std::vector<std::string_view>& given)
{
    if (std::find(given.begin(), given.end(), "--stretch") == given.end())
        return;
    for (const std::string_view name : {"--align", "--inset"})
        if (std::find(given.begin(), given.end(), name) != given.end())
            throw UsageError(std::string(name) + " cannot be given with --stretch: the label fills its cell");
}

// The design's parts that the command line did not replace. A serial run takes the kind's check digit, as
// the window's does.
void TakeDesign(CliOptions& options, const DesignDefaults& design, std::vector<std::string>& texts,
                const std::vector<std::string_view>& given)
{
    if (texts.empty() && !options.codes && !options.sequence) {
        options.codes = design.codes;
        options.codesText = design.codesText;
        options.sequence = design.sequence;
        options.checksum = options.checksum || design.sequence.has_value();
        if (!design.codes && !design.sequence)
            texts.push_back(design.text);
    }
    const bool gridGiven = std::any_of(std::begin(kGridByMargins), std::end(kGridByMargins),
                                       [&given](std::string_view name) { return Given(given, name); });
    if (!Given(given, "--stock") && !gridGiven)
        options.stock = design.stock;
    if (!options.stock && !Given(given, "--paper"))
        options.paper = design.paper;
    if (!options.stock || options.stretch)
        return; // placed only on a stock, as the window places it
    if (!Given(given, "--align"))
        options.align = design.align;
    if (!Given(given, "--inset"))
        options.insetMm = design.insetMm;
}

// One option at args[i] (advancing i past its value), its long name added to `given`; false when it
// is --help.
bool TakeOption(CliOptions& options, const std::vector<std::string>& args, std::size_t& i,
                std::vector<std::string_view>& given)
{
    const std::string& arg = args[i];
    if (IsHelp(arg))
        return false;
    std::string name = arg;
    std::optional<std::string> inlineValue;
    if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
        inlineValue = name.substr(eq + 1);
        name = name.substr(0, eq);
    }
    const OptionRule* rule = FindOption(name);
    if (rule == nullptr)
        throw UsageError("unknown option '" + arg + "'");
    if ((rule->commands & CommandBit(options.command)) == 0)
        throw UsageError(std::string(rule->name) + " is not an option of " + options.command);
    given.push_back(rule->name);
    if (rule->setFlag != nullptr) {
        if (inlineValue)
            throw UsageError(std::string(rule->name) + " takes no value");
        rule->setFlag(options);
        return true;
    }
    if (!inlineValue && i + 1 >= args.size())
        throw UsageError(std::string(rule->name) + " needs a value");
    rule->setValue(options, std::string(rule->name), inlineValue ? *inlineValue : args[++i]);
    return true;
}

} // namespace

CliOptions ParseCommandLine(const std::vector<std::string>& args, const DesignDefaults* design)
{
    CliOptions options = design != nullptr ? design->options : CliOptions{};
    if (args.empty())
        throw UsageError("no command given");
    if (IsHelp(args[0]) || args[0] == "--version") {
        if (args.size() != 1)
            throw UsageError(args[0] + " takes nothing after it");
        options.help = IsHelp(args[0]);
        options.version = !options.help;
        return options;
    }
    options.command = args[0];
    if (CommandBit(options.command) == 0)
        throw UsageError("unknown command '" + options.command + "'");

    std::vector<std::string> texts;
    std::vector<std::string_view> given;
    bool optionsEnded = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.empty() || arg[0] != '-') {
            texts.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (!TakeOption(options, args, i, given)) {
            options.help = true; // the command's help, whatever else the line holds
            return options;
        }
    }
    if (options.design && design == nullptr)
        return options; // checked when read again over the design
    if (design != nullptr)
        TakeDesign(options, *design, texts, given);
    CheckLayout(options, given);
    CheckStockGrid(given);
    CheckPlacing(given);
    CheckEngineCommand(options);
    CheckKindOptions(options, given);
    CheckFormat(options, given);
    CheckWhatToMake(options, texts);
    CheckBulkOptions(options, given);
    if (!texts.empty())
        options.text = texts[0];
    return options;
}

std::vector<std::string_view> OptionsOf(std::string_view command)
{
    std::vector<std::string_view> names;
    for (const OptionRule& rule : kOptionRules)
        if ((rule.commands & CommandBit(command)) != 0)
            names.push_back(rule.name);
    return names;
}

} // namespace quillon::cli
