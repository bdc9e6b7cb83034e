#include "CliHelp.h"

#include <algorithm>
#include <array>
#include <vector>

#include "CliOptions.h"

#ifndef QUILLON_VERSION
#error "QUILLON_VERSION must be defined by the build"
#endif

namespace quillon::cli {

namespace {

constexpr std::string_view kProgram = "quillon-cli";
constexpr std::size_t kDescriptionColumn = 27;
constexpr std::string_view kIndent = "  ";
constexpr std::string_view kEndOfOptions =
    "  --                       ends the options, for a TEXT that starts with '-'\n";

struct CommandHelp {
    std::string_view command;
    std::array<std::string_view, 2> forms; // after "quillon-cli "; the second may be empty
    std::string_view summary;              // the line beside the command in the general help
    std::string_view text;                 // the paragraph of the command's own help
};

constexpr CommandHelp kCommandHelp[] = {
    {"kinds",
     {"kinds"},
     "lists the symbologies",
     "Lists the symbologies, one line each: ordinal, TAB, list entry name, TAB, type name. Kinds 23 to\n"
     "31, the two-dimensional and GS1 kinds, are encoded with libzint and listed with their readable\n"
     "names; pattern and width are for the kinds before them."},
    {"pattern",
     {"pattern [options] TEXT"},
     "prints the bar pattern and the encoded text",
     "Prints the bar pattern on line 1 and the text as it stands after encoding on line 2. For the\n"
     "linear kinds the engine draws, 0 to 22."},
    {"width",
     {"width [options] TEXT"},
     "prints the width in pixels",
     "Prints the barcode's width in pixels. For the linear kinds the engine draws, 0 to 22."},
    {"verify",
     {"verify [options] TEXT"},
     "reads the label back with a barcode decoder",
     "Composes the label as label does and reads it back with a barcode decoder (ZXing-cpp), as a\n"
     "scanner would read it printed alone at --dpi. Prints the text read on line 1 and the symbology\n"
     "the decoder reports on line 2; for GS1 data the AIs in brackets on line 1, and the symbology\n"
     "identifier after the symbology on line 2, such as Code128 ]C1."},
    {"label",
     {"label [options] -o FILE.png TEXT", "label [options] -o DIR --codes FILE|--sequence FROM..TO[/STEP]"},
     "writes the label image (PNG), or one per code",
     "Writes the label image as the preview composes it, as PNG; in the standard layout one pixel per\n"
     "dot at --dpi. With --codes or --sequence it writes one PNG per code into DIR (made when missing),\n"
     "named by the line number and the code, such as 00001-6212236011840.png. Each label is read back\n"
     "as printed at --dpi (unless --no-verify); one that would not read as typed is written and\n"
     "reported."},
    {"sheet",
     {"sheet [options] -o FILE.pdf TEXT",
      "sheet [options] -o FILE.pdf --codes FILE|--sequence FROM..TO[/STEP]"},
     "writes the label sheet (PDF)",
     "Writes the A4 or Letter sheet of columns x rows labels, or of a label stock, as the print preview\n"
     "shows it, as PDF, the bars on whole dots of a --dpi printer. With --codes or --sequence the cells\n"
     "take successive codes, one cell per copy, in --order from the first cell after --skip on\n"
     "as many pages as they need; the pages are written as they are made. A label that its cell would\n"
     "cut off is reported; every cell is read back as printed at --dpi (unless --no-verify), and one\n"
     "that would not read as typed is reported. The PDF is written all the same."},
    {"stocks",
     {"stocks [--search TEXT]"},
     "lists the label stocks",
     "Lists the label stocks that --stock takes, one line each: ID, TAB, description. The built-in\n"
     "sheets and rolls come first (any roll-WxH and tape-W in mm is taken too), then glabels' templates\n"
     "(from glabels-data in /usr/share/libglabels-3.0/templates and the user's own in\n"
     "$XDG_CONFIG_HOME/libglabels/templates, by default ~/.config/libglabels/templates), then the\n"
     "user's own from stocks.ini in the data directory ($XDG_DATA_HOME/Quillon/Quillon, by default\n"
     "~/.local/share/Quillon/Quillon); an entry of stocks.ini that cannot be used is reported on\n"
     "standard error with its line and left out. --search lists those whose ID, description, brand or\n"
     "part number hold every word of TEXT, in any letter case (such as dymo 11354)."},
    {"calibration",
     {"calibration [options] -o FILE.pdf"},
     "writes the printer calibration page (PDF)",
     "Writes the printer calibration page: millimetre rulers along the four edges and crosshairs 20 mm\n"
     "in from each corner and at the centre. Print it at 100% and measure where they land; the\n"
     "differences are the printer's --offset and --scale. Given those, the page shows the correction."},
    {"gs1",
     {"gs1 DATA"},
     "checks GS1 data without making a symbol",
     "Checks GS1 data as GS1's Barcode Syntax Dictionary judges it: every AI known, each value of its\n"
     "character set, length and content rules (check digits, dates, country and currency codes, ...),\n"
     "the AIs each AI requires present and none it excludes. Prints one line per AI: AI, TAB, its GS1\n"
     "title, TAB, the value; or every fault on standard error. An AI repeated with the same value is\n"
     "printed once. Write AIs in brackets, such as (01)09501101530003(10)ABC123; a \"(\" inside a\n"
     "value is typed \\(, as in (10)A\\(1), which every GS1 kind takes too."},
    {"print",
     {"print [options] --printer NAME|URI TEXT", "print [options] --format zpl --to HOST[:PORT] TEXT"},
     "sends the labels to a printer",
     "Makes the job exactly as sheet writes its file for the same options (one TEXT, or --codes or\n"
     "--sequence), reads every label back as the printer prints it, and only then sends it: through\n"
     "CUPS to --printer, a destination's name or an ipp:// or ipps:// URI (a PDF, on a roll stock one\n"
     "page the label's size; with --format zpl the ZPL as a raw job), or with --format zpl straight to\n"
     "a label printer's raw port --to HOST:PORT (9100 by default). Nothing is sent when a label would\n"
     "be cut off or would not read. Exits 0 only when the printer took the whole job."},
};

constexpr std::string_view kBulkNotes =
    "A codes file holds one code per line; it is read as CSV (comma, semicolon or TAB separated,\n"
    "fields quoted as RFC 4180 says) when its name ends in .csv or .tsv or its first line names the\n"
    "columns code, upper, lower and copies, which are otherwise taken in that order. A row's upper and\n"
    "lower fields are its captions in place of --upper and --lower (an empty field: none); its copies\n"
    "(default 1), times --copies, fill as many cells one after the other. label writes one image per\n"
    "row whatever its copies. Blank lines are skipped, CR LF is read as LF and a UTF-8 byte order mark\n"
    "is dropped; a run makes at most 1000000 labels. A row that cannot be made is reported on standard\n"
    "error with its line number (the count in a sequence) and the reason; the rest are made and the\n"
    "exit status is 1. Runs over a second show their progress on standard error.";

struct OptionHelp {
    std::string_view name; // the long name, as the parser knows it
    std::string_view synopsis;
    std::string_view text; // continuation lines separated by "\n"
};

const OptionHelp kOptionHelp[] = {
    {"--kind", "-k, --kind NAME|ORDINAL",
     "symbology, a list entry name such as CodeEAN13 or QRCode, or its\nordinal (default CodeEAN13; see "
     "quillon-cli kinds)"},
    {"--checksum", "--checksum", "append the check digit"},
    {"--method", "--method none|mod10", "check-digit method (default mod10)"},
    {"--modul", "-m, --modul N",
     "narrow module width in pixels, 1 to 49 (default 1; at least 2 for\nthe two-dimensional kinds)"},
    {"--ratio", "-r, --ratio R", "wide-to-narrow ratio (default 2.0)"},
    {"--height", "--height H",
     "bar height in pixels of the linear kinds, 1 to 10000 (default 64;\n"
     "for sheet, the row height that --rows and the top and bottom margins\n"
     "give, as the window sets it)"},
    {"--show", "--show none|code|type|both",
     "human-readable lines (default none; code for verify, label and sheet)"},
    {"--bar-color", "--bar-color RRGGBB", "bar colour in hexadecimal (default 000000)"},
    {"--angle", "--angle DEG",
     "turn the barcode and place it as the preview does\n(not given: unturned at the top-left corner)"},
    {"--upper", "--upper TEXT", "the upper caption (off unless given)"},
    {"--no-mark", "--no-mark", "leave out the maker's mark (the \"Q\" at each label's top right)"},
    {"--lower", "--lower TEXT", "the lower caption (off unless given)"},
    {"--ecc", "--ecc L|M|Q|H",
     "error correction of QRCode and GS1_QRCode: about 7, 15, 25 or 30 %\nof the symbol restored (default "
     "M)"},
    {"--dm-shape", "--dm-shape square|rect", "shape of DataMatrix and GS1_DataMatrix (default square)"},
    {"--columns-417", "--columns-417 N",
     "data columns of PDF417, 1 to 30; 0 lets the encoder choose\n(default 0)"},
    {"--layout", "--layout classic|standard",
     "classic: the label as the window shows it, sized in screen pixels;\n"
     "standard: sized in millimetres with the standard's quiet zones and\n"
     "digits below the bars (default classic)"},
    {"--x-dim", "--x-dim MM",
     "standard: the narrow module, 0.1 to 2 mm (default 0.33; 0.5 for the\n"
     "two-dimensional kinds), in whole printer dots and kept inside the\n"
     "symbology's range, with a note"},
    {"--bar-height", "--bar-height MM",
     "standard: the bar height, 1 to 300 mm (default the symbology's own)"},
    {"--bwr", "--bwr DOTS", "standard: bar width reduction for ink spread, 0 to 99 dots (default 0)"},
    {"--dpi", "--dpi N",
     "the printer's resolution, 72 to 2400 (default 600): bar edges lie on\n"
     "its dots, and labels are read back as it prints them"},
    {"--columns", "--columns C", "label columns, 1 to 4 (default 1)"},
    {"--rows", "--rows R", "label rows, 1 to 20 (default 1)"},
    {"--margins", "--margins T,R,B,L",
     "top, right, bottom and left margins in whole millimetres, 0 to 50\neach (default 10,10,10,10)"},
    {"--spacing", "--spacing S", "space between columns in whole millimetres, 0 to 50 (default 2)"},
    {"--stretch", "--stretch", "scale each label to fill its cell"},
    {"--no-footer", "--no-footer", "leave out the maker's line at the foot of a sheet without --stock"},
    {"--stock", "--stock ID",
     "lay the labels out as on a sheet of label stock, at its exact places,\n"
     "with its columns, rows and paper: a sheet, a roll roll-WxH or a tape\n"
     "tape-W (sizes in mm, one label a page), or a glabels template such\n"
     "as Dymo-11354 (see quillon-cli stocks)"},
    {"--skip", "--skip N",
     "leave the first N cells of the first page empty, for a sheet already\n"
     "partly used: the first label lands in cell N + 1 (default 0)"},
    {"--align", "--align centre|top-left",
     "where each label sits in its cell: centred, or at the top-left past the\n"
     "inset (default centre on --stock; without --stock, --align or --inset the\n"
     "label keeps its cell's top-left corner)"},
    {"--inset", "--inset MM",
     "the safety margin between the cut and the label's quiet zones, 0 to 20 mm\n"
     "(default 1); a stock too small for the label with both is refused"},
    {"--paper", "--paper a4|letter", "the paper, upright (default a4; with --stock, the stock's own)"},
    {"--offset", "--offset X,Y",
     "the printer's correction: move everything by X and Y mm, -10 to 10\n"
     "in steps of 0.1 (default 0,0; measured on the calibration page)"},
    {"--scale", "--scale SX,SY",
     "the printer's correction: scale everything by SX and SY %, -2 to 2\n"
     "in steps of 0.1, about the paper's top-left corner (default 0,0)"},
    {"--no-verify", "--no-verify", "do not read back the labels written"},
    {"--accept-changes", "--accept-changes",
     "with --codes or --sequence, print rows whose printed text differs from\n"
     "the typed one without reporting them (by default each is reported with\n"
     "its line and the exit status is 1)"},
    {"--design", "--design FILE",
     "make the sheet of a label design saved from the window (File > Save):\n"
     "its kind, code, list file or serial run, captions, layout, stock and\n"
     "order; the options given beside it take the place of its settings"},
    {"--order", "--order across|down",
     "the order the cells fill in, and so the cells --skip leaves empty:\n"
     "across the rows, left to right and top to bottom (default), or down\n"
     "the columns"},
    {"--format", "--format pdf|png|zpl",
     "what to write: label a PNG (png, default) and sheet a PDF (pdf,\n"
     "default), or either ZPL II for a label printer (zpl, a file ending in\n"
     ".zpl): label one label, sheet one label per code of a list or sequence\n"
     "with its copies as ^PQ, on a roll stock or at the label's own size;\n"
     "--dpi 203, 300 or 600, the printer's. Every label is read back as the\n"
     "printer prints it before anything is written"},
    {"--zpl", "--zpl native|graphic",
     "with --format zpl: the bars as the printer's own barcode command where\n"
     "it draws exactly our bars, the rest of the label as a graphic (native,\n"
     "default; a note says when the bars go as a graphic), or the whole label\n"
     "as one graphic (graphic)"},
    {"--darkness", "--darkness N",
     "with --format zpl: the printer's darkness, 0 to 30 (~SD; default the\n"
     "printer's own)"},
    {"--speed", "--speed N",
     "with --format zpl: the print speed in inches a second, 1 to 14 (^PR;\n"
     "default the printer's own)"},
    {"--output", "-o, --output FILE|DIR",
     "label: the image to write, ending in .png, or with --codes or\n"
     "--sequence the directory for the images; sheet and calibration: the\n"
     "PDF, ending in .pdf; with --format zpl the ZPL, ending in .zpl"},
    {"--codes", "--codes FILE|-",
     "one label per row of FILE, one code a line or CSV (see above); -\nreads standard input"},
    {"--sequence", "--sequence FROM..TO[/STEP]",
     "one label per number from FROM to TO, counting by STEP (default 1),\n"
     "each as wide as FROM with leading zeros (000001..000500)"},
    {"--prefix", "--prefix TEXT", "written before each number of --sequence"},
    {"--suffix", "--suffix TEXT", "written after each number of --sequence"},
    {"--pad", "--pad N",
     "each number of --sequence N digits wide with leading zeros, 1 to 18\n"
     "(default the width of FROM); a larger number is refused"},
    {"--copies", "--copies N",
     "with --codes or --sequence, each label N times in a row, 1 to\n"
     "10000 (default 1); a list's copies column is multiplied by N"},
    {"--length", "--length MM",
     "on a tape stock (--stock tape-W), each label's length, 5 to 1000 mm\n"
     "(default the tape's own)"},
    {"--printer", "--printer NAME|URI",
     "the CUPS destination to print on, or an IPP printer's ipp:// or\n"
     "ipps:// URI"},
    {"--to", "--to HOST[:PORT]", "with --format zpl: the label printer's raw port (default port 9100)"},
    {"--timeout", "--timeout SEC",
     "the seconds to wait for the printer to answer and to take each part\n"
     "of the job, 1 to 600 (default 10)"},
    {"--search", "--search TEXT",
     "only the stocks whose ID, description, brand or part number hold\n"
     "every word of TEXT, any letter case"},
};

const CommandHelp* FindCommand(std::string_view command)
{
    const auto it = std::find_if(std::begin(kCommandHelp), std::end(kCommandHelp),
                                 [&](const CommandHelp& help) { return help.command == command; });
    return it == std::end(kCommandHelp) ? nullptr : &*it;
}

const OptionHelp* FindOptionHelp(std::string_view name)
{
    const auto it = std::find_if(std::begin(kOptionHelp), std::end(kOptionHelp),
                                 [&](const OptionHelp& help) { return help.name == name; });
    return it == std::end(kOptionHelp) ? nullptr : &*it;
}

// The synopsis, then the text from the description column; a long synopsis gets a line of its own.
std::string OptionLines(std::string_view name)
{
    const OptionHelp* help = FindOptionHelp(name);
    if (help == nullptr)
        return std::string(kIndent) + std::string(name) + "\n"; // every option has a row: see the tests
    std::string lines = std::string(kIndent) + std::string(help->synopsis);
    const std::string pad(kDescriptionColumn, ' ');
    if (lines.size() + 1 < kDescriptionColumn)
        lines.append(kDescriptionColumn - lines.size(), ' ');
    else
        lines += "\n" + pad;
    for (const char c : help->text)
        lines += c == '\n' ? "\n" + pad : std::string(1, c);
    return lines + "\n";
}

// The commands that take an option, as "label and sheet".
std::string CommandsTaking(std::string_view name)
{
    std::vector<std::string_view> takers;
    for (const std::string_view command : kCommands) {
        const std::vector<std::string_view> options = OptionsOf(command);
        if (std::find(options.begin(), options.end(), name) != options.end())
            takers.push_back(command);
    }
    std::string list;
    for (std::size_t i = 0; i < takers.size(); ++i)
        list += std::string(i == 0 ? "" : i + 1 == takers.size() ? " and " : ", ") + std::string(takers[i]);
    return list;
}

// Every option, under a heading that names the commands taking it.
std::string AllOptions()
{
    std::string text;
    std::string heading;
    for (const OptionHelp& help : kOptionHelp) {
        const std::string takers = CommandsTaking(help.name);
        if (takers != heading)
            text += "\noptions of " + takers + ":\n";
        heading = takers;
        text += OptionLines(help.name);
    }
    return text;
}

std::string ExitStatuses(std::string_view command)
{
    std::string text =
        "\nexit status: 0 done; 1 an engine error, a code of --codes or --sequence that could not\n"
        "be made, a label that would be cut off or would not read as typed, an unreadable codes\n"
        "file or a file that cannot be written; 2 a usage error";
    if (command.empty() || command == "verify")
        text += ";\nverify: 3 the label does not scan or reads otherwise; 4 no decoder reads the kind";
    if (command.empty() || command == "label" || command == "sheet")
        text += ";\nlabel and sheet: 130 or 143 stopped by SIGINT or SIGTERM, with no file half written";
    if (command.empty() || command == "gs1")
        text += ";\ngs1: 1 the data breaks a GS1 rule";
    if (command.empty() || command == "print")
        text += ";\nprint: 1 also an unknown or unreachable printer, or a job it refused or took only\n"
                "in part; nothing is sent when a label would not read";
    return text + ".\n";
}

} // namespace

std::string UsageText(std::string_view command)
{
    std::string text;
    const auto addForms = [&](const CommandHelp& help) {
        for (const std::string_view form : help.forms)
            if (!form.empty())
                text += std::string(text.empty() ? "usage: " : "       ") + std::string(kProgram) + " " +
                        std::string(form) + "\n";
    };
    if (const CommandHelp* help = FindCommand(command)) {
        addForms(*help);
        return text;
    }
    for (const CommandHelp& help : kCommandHelp)
        addForms(help);
    return text + "       " + std::string(kProgram) + " [COMMAND] --help | " + std::string(kProgram) +
           " --version\n";
}

std::string HelpText(std::string_view command)
{
    const CommandHelp* help = FindCommand(command);
    if (help == nullptr) {
        std::string text = UsageText({}) + "\ncommands:\n";
        for (const CommandHelp& c : kCommandHelp)
            text += std::string(kIndent) + std::string(c.command) +
                    std::string(kDescriptionColumn - kIndent.size() - c.command.size(), ' ') +
                    std::string(c.summary) + "\n";
        text += "\n" + std::string(kBulkNotes) + "\n" + AllOptions();
        text += "\nof every command:\n" + std::string(kEndOfOptions) +
                "  -h, --help               this help; after a command, that command's help\n"
                "  --version                the version, alone\n";
        return text + ExitStatuses({});
    }
    std::string text = UsageText(command) + "\n" + std::string(help->text) + "\n";
    const std::vector<std::string_view> options = OptionsOf(command);
    if (std::find(options.begin(), options.end(), "--codes") != options.end())
        text.append("\n").append(kBulkNotes).append("\n");
    if (!options.empty()) {
        text += "\noptions:\n";
        for (const std::string_view name : options)
            text += OptionLines(name);
        text += kEndOfOptions;
    }
    return text + ExitStatuses(command);
}

std::string VersionText()
{
    return std::string(kProgram) + " " + QUILLON_VERSION + "\n";
}

} // namespace quillon::cli
