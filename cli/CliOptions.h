// Command-line options of quillon-cli and their parser.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "barcode/Barcode.h"
#include "label/compose/ZintSymbol.h"
#include "label/render/LabelZpl.h"
#include "label/sheet/SheetLimits.h"
#include "report/PreparedReport.h"
#include "report/Report.h"

namespace quillon::cli {

// A malformed command line; main prints the usage line and exits with status 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The commands in the order the help lists them.
inline constexpr std::array<std::string_view, 10> kCommands{
    "kinds", "pattern", "width", "verify", "label", "sheet", "stocks", "calibration", "gs1", "print"};

// The label layouts: the classic label as the window shows it, or the standard label in millimetres.
enum class Layout : std::uint8_t { Classic, Standard };

// The papers a sheet prints on, upright.
enum class Paper : std::uint8_t { A4, Letter };

// The printer resolution label, sheet and verify work for, and the X-dimension the standard layout
// starts from.
inline constexpr int kDefaultDpi = 600;
inline constexpr double kDefaultXDimensionMm = 0.33;
// --dpi and --bwr, as the standard layout and verification take them (checked against the label
// library where both are known).
inline constexpr limits::TRange kDpi{.Min = 72, .Max = 2400, .Initial = kDefaultDpi};
inline constexpr limits::TRange kBarWidthReductionDots{.Min = 0, .Max = 99, .Initial = 0};
// print --timeout: the seconds to connect to a printer and for each write to it.
inline constexpr limits::TRange kPrintTimeoutSeconds{.Min = 1, .Max = 600, .Initial = 10};

// The most codes one bulk run makes, from a file or a sequence, and the most labels with their
// copies: a typing slip in a sequence must not start a run that fills the disk.
inline constexpr std::uint64_t kMaxCodes = 1'000'000;

// What label and sheet write: label a PNG, sheet a PDF, either ZPL II for a label printer.
enum class OutputFormat : std::uint8_t { Png, Pdf, Zpl };

// The resolutions of the label printers ZPL is written for.
inline constexpr int kZplDpis[] = {203, 300, 600};

struct Margins {
    int top = limits::kDesignedMarginMm;
    int right = limits::kDesignedMarginMm;
    int bottom = limits::kDesignedMarginMm;
    int left = limits::kDesignedMarginMm;
};

// --sequence FROM..TO/STEP: counts from `from` to `to` (downwards when to < from), each number
// written with at least `width` digits: the width of FROM as typed, or exactly --pad N digits.
struct Sequence {
    std::uint64_t from = 0;
    std::uint64_t to = 0;
    std::uint64_t step = 1;
    std::size_t width = 1;

    std::uint64_t Count() const { return (from <= to ? to - from : from - to) / step + 1; }
};

struct CliOptions {
    std::string command;  // empty only for a bare --help or --version
    bool help = false;    // --help: print the command's help and nothing else
    bool version = false; // --version
    TBarcodeType kind = bcCodeEAN13;
    // -k named one of the kinds libzint encodes (ordinals 23 to 31): `kind` is then not used.
    std::optional<TSymbolKind> symbol;
    TSymbolOptions symbolOptions; // --ecc, --dm-shape, --columns-417
    bool checksum = false;
    TCheckSumMethod method = csmModulo10;
    int modul = limits::kModul.Initial;
    double ratio = 2.0;
    std::optional<int> height;                  // unset: the command's own default
    std::optional<double> angle = std::nullopt; // unset: the barcode keeps its unturned placement at (0, 0)
    std::optional<TBarcodeOption> show;         // unset: the command's own default
    TColor barColor = 0;
    std::optional<std::string> upper;
    std::optional<std::string> lower;
    int columns = limits::kColumns.Initial;
    int rows = limits::kRows.Initial;
    Margins margins;
    int spacing = limits::kDesignedSpacingMm;
    bool stretch = false;
    bool mark = true;   // the maker's "Q" on each label
    bool footer = true; // the maker's line at the foot of a sheet by margins
    std::string output;
    std::string text;
    std::optional<std::string> codes; // --codes FILE, "-" for standard input
    // The rows of a list a design holds itself (pasted in the window); `codes` then names it.
    std::optional<std::string> codesText;
    std::optional<Sequence> sequence; // --sequence FROM..TO[/STEP]
    // --prefix and --suffix of a --sequence, written around each number; --pad N sets its width.
    std::string prefix;
    std::string suffix;
    std::optional<int> pad; // unset: the width of FROM as typed
    int copies = 1;         // --copies N: each label of a bulk sheet N times (times a list's own copies)
    Layout layout = Layout::Classic;
    double xDimensionMm = kDefaultXDimensionMm;
    bool xDimensionGiven = false;      // without --x-dim a symbol kind takes its own default module
    std::optional<double> barHeightMm; // unset: the symbology's own default
    int barWidthReductionDots = 0;
    int dpi = kDefaultDpi;
    bool verify = true; // label and sheet read back every label they write
    // Bulk rows whose printed text differs from the typed one are printed without a word: exit 0.
    bool acceptChanges = false;
    TCellOrder order = TCellOrder::AcrossRows; // --order across|down: the order the cells fill in
    std::optional<std::string> stock;          // --stock ID, looked up when the sheet is made
    std::optional<Paper> paper;                // unset: A4, or the stock's own paper
    // --offset X,Y in mm and --scale SX,SY in %: the printer's correction, none unless given.
    double offsetXMm = 0.0;
    double offsetYMm = 0.0;
    double scaleXPercent = 0.0;
    double scaleYPercent = 0.0;
    int skip = 0; // --skip N: the first N cells of the first page stay empty
    // --align centre|top-left and --inset MM: where the label sits in its cell; unset, centred 1 mm in
    // on a stock and at the cell's corner in the grid.
    std::optional<TPictureAlign> align;
    std::optional<double> insetMm;
    std::optional<std::string> design;   // --design FILE: a label design saved from the window
    std::optional<OutputFormat> format;  // --format; unset: the command's own (png for label, pdf for sheet)
    TZplMode zplMode = TZplMode::Native; // --zpl native|graphic
    std::optional<int> darkness;         // --darkness 0..30 (ZPL ~SD)
    std::optional<int> speedIps;         // --speed 1..14 inches a second (ZPL ^PR)
    std::optional<double> tapeLengthMm;  // --length MM: each label's length on a tape stock
    std::optional<std::string> search;   // stocks --search TEXT
    // print: --printer NAME|URI through CUPS or --to HOST:PORT raw, within --timeout seconds.
    std::optional<std::string> printer;
    std::optional<std::string> printTo;
    int timeoutSeconds = kPrintTimeoutSeconds.Initial;

    bool Zpl() const { return format == OutputFormat::Zpl; }

    // A run over many codes rather than the one TEXT.
    bool Bulk() const { return codes.has_value() || sequence.has_value(); }
};

// What a label design gives the command line: its settings, and apart from them the parts that an option
// of the command line replaces as a whole: the label source, the stock with its placing, the paper.
struct DesignDefaults {
    CliOptions options;               // the design's settings, without the parts below
    std::string text;                 // the label source: the code,
    std::optional<std::string> codes; // the list file (or its name, with the rows in codesText),
    std::optional<std::string> codesText;
    std::optional<Sequence> sequence; // or the serial run, which takes the check digit as the window does
    std::optional<std::string> stock; // none for a sheet laid out by its margins
    Paper paper = Paper::A4;          // the paper of such a sheet
    TPictureAlign align = TPictureAlign::Centre;
    double insetMm = 0.0;
};

// Parses argv[1..]; raises UsageError for anything it cannot accept. A line with --design is only read
// for the design's name, to be parsed again over the design. With a design, the command line's
// options are taken over its settings: a TEXT, --codes or --sequence replaces its source, --stock or any
// of the grid's options (--columns, --rows, --margins, --spacing) its sheet, --paper its paper.
CliOptions ParseCommandLine(const std::vector<std::string>& args, const DesignDefaults* design = nullptr);

// The long names of the options `command` takes, in the order the help lists them.
std::vector<std::string_view> OptionsOf(std::string_view command);

} // namespace quillon::cli
