#include "CliOptions.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <functional>
#include <map>
#include <string_view>

#include "barcode/KindNames.h"

namespace quillon::cli {

const char* const kUsage = "usage: quillon-cli kinds | quillon-cli pattern|width [options] TEXT | "
                           "quillon-cli label|sheet [options] -o FILE TEXT";

const char* const kHelp =
    "commands:\n"
    "  kinds                    one line per symbology: ordinal, TAB, list entry name, TAB, type name\n"
    "  pattern [options] TEXT   line 1: the bar pattern; line 2: the text as it stands after encoding\n"
    "  width [options] TEXT     the width in pixels\n"
    "  label [options] -o FILE TEXT\n"
    "                           the label image as the preview composes it, written as PNG\n"
    "  sheet [options] -o FILE TEXT\n"
    "                           the A4 sheet of columns x rows labels as the print preview shows it,\n"
    "                           written as PDF\n"
    "\n"
    "options:\n"
    "  -k, --kind NAME|ORDINAL  symbology, a list entry name such as CodeEAN13 (default CodeEAN13)\n"
    "  --checksum               append the check digit\n"
    "  --method none|mod10      check-digit method (default mod10)\n"
    "  -m, --modul N            narrow module width in pixels, 1 to 49 (default 1)\n"
    "  -r, --ratio R            wide-to-narrow ratio (default 2.0)\n"
    "  --height H               bar height in pixels (default 64; for sheet, the row height that\n"
    "                           --rows and the top and bottom margins give, as the window sets it)\n"
    "  --angle DEG              label, sheet: turn the barcode and place it as the preview does\n"
    "                           (not given: unturned at the top-left corner)\n"
    "  --show none|code|type|both\n"
    "                           human-readable lines (default none; code for label and sheet)\n"
    "  --bar-color RRGGBB       bar colour in hexadecimal (default 000000)\n"
    "  --upper TEXT             label, sheet: the upper caption (off unless given)\n"
    "  --lower TEXT             label, sheet: the lower caption (off unless given)\n"
    "  --columns C              sheet: label columns, 1 to 4 (default 1)\n"
    "  --rows R                 sheet: label rows, 1 to 20 (default 1)\n"
    "  --margins T,R,B,L        sheet: top, right, bottom and left margins in whole millimetres,\n"
    "                           0 to 50 each (default 10,10,10,10)\n"
    "  --spacing S              sheet: space between columns in whole millimetres, 0 to 50 (default 2)\n"
    "  --stretch                sheet: scale each label to fill its cell\n"
    "  -o, --output FILE        label: the image to write, ending in .png; sheet: the PDF, ending in .pdf\n"
    "  --                       ends the options, for a TEXT that starts with '-'\n"
    "\n"
    "Engine errors and unwritable files exit with status 1, usage errors with status 2.";

namespace {

bool TakesText(const std::string& command)
{
    return command == "pattern" || command == "width" || command == "label" || command == "sheet";
}

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

// label writes PNG and sheet writes PDF; the extension must say so, so that no file carries the
// wrong one.
void CheckOutput(const std::string& command, const std::string& output)
{
    const std::string_view extension = command == "sheet" ? ".pdf" : ".png";
    if (output.empty())
        throw UsageError(command + " needs -o FILE");
    if (!EndsWith(output, extension))
        throw UsageError("-o FILE must end in " + std::string(extension) + ", not '" + output + "'");
}

int ParseInt(const std::string& option, const std::string& value, int low, int high)
{
    int n = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), n);
    if (error != std::errc() || end != value.data() + value.size() || n < low || n > high)
        throw UsageError(option + " takes a whole number from " + std::to_string(low) + " to " +
                         std::to_string(high) + ", not '" + value + "'");
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

TColor ParseColor(const std::string& value)
{
    unsigned rgb = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), rgb, 16);
    if (value.size() != 6 || error != std::errc() || end != value.data() + value.size())
        throw UsageError("--bar-color takes RRGGBB in hexadecimal, not '" + value + "'");
    // RRGGBB as written; TColor keeps red in the low byte.
    return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
}

TBarcodeOption ParseShow(const std::string& value)
{
    static const std::map<std::string, TBarcodeOption> names{
        {"none", bcoNone}, {"code", bcoCode}, {"type", bcoTyp}, {"both", bcoBoth}};
    const auto it = names.find(value);
    if (it == names.end())
        throw UsageError("--show takes none, code, type or both, not '" + value + "'");
    return it->second;
}

Margins ParseMargins(const std::string& value)
{
    std::vector<int> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = value.find(',', start);
        parts.push_back(ParseInt("--margins", value.substr(start, comma - start), 0, 50));
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    if (parts.size() != 4)
        throw UsageError("--margins takes four millimetre values T,R,B,L");
    return {.top = parts[0], .right = parts[1], .bottom = parts[2], .left = parts[3]};
}

using ValueSetter = std::function<void(CliOptions&, const std::string& option, const std::string& value)>;
using FlagSetter = std::function<void(CliOptions&)>;

const std::map<std::string, ValueSetter>& ValueOptions()
{
    static const std::map<std::string, ValueSetter> options{
        {"--kind", [](CliOptions& o, const std::string&, const std::string& v) {
             const auto kind = KindFromName(v);
             if (!kind)
                 throw UsageError("unknown kind '" + v + "' (see quillon-cli kinds)");
             o.kind = *kind;
         }},
        {"--method", [](CliOptions& o, const std::string&, const std::string& v) {
             if (v != "none" && v != "mod10")
                 throw UsageError("--method takes none or mod10, not '" + v + "'");
             o.method = v == "none" ? csmNone : csmModulo10;
         }},
        {"--modul", [](CliOptions& o, const std::string& n, const std::string& v) { o.modul = ParseInt(n, v, 1, 49); }},
        {"--ratio", [](CliOptions& o, const std::string& n, const std::string& v) { o.ratio = ParseNumber(n, v); }},
        {"--height", [](CliOptions& o, const std::string& n, const std::string& v) { o.height = ParseInt(n, v, 1, 10000); }},
        {"--angle", [](CliOptions& o, const std::string& n, const std::string& v) { o.angle = ParseNumber(n, v); }},
        {"--show", [](CliOptions& o, const std::string&, const std::string& v) { o.show = ParseShow(v); }},
        {"--bar-color", [](CliOptions& o, const std::string&, const std::string& v) { o.barColor = ParseColor(v); }},
        {"--upper", [](CliOptions& o, const std::string&, const std::string& v) { o.upper = v; }},
        {"--lower", [](CliOptions& o, const std::string&, const std::string& v) { o.lower = v; }},
        {"--columns", [](CliOptions& o, const std::string& n, const std::string& v) { o.columns = ParseInt(n, v, 1, 4); }},
        {"--rows", [](CliOptions& o, const std::string& n, const std::string& v) { o.rows = ParseInt(n, v, 1, 20); }},
        {"--margins", [](CliOptions& o, const std::string&, const std::string& v) { o.margins = ParseMargins(v); }},
        {"--spacing", [](CliOptions& o, const std::string& n, const std::string& v) { o.spacing = ParseInt(n, v, 0, 50); }},
        {"--output", [](CliOptions& o, const std::string&, const std::string& v) { o.output = v; }},
    };
    return options;
}

const std::map<std::string, FlagSetter>& FlagOptions()
{
    static const std::map<std::string, FlagSetter> flags{
        {"--checksum", [](CliOptions& o) { o.checksum = true; }},
        {"--stretch", [](CliOptions& o) { o.stretch = true; }},
    };
    return flags;
}

std::string LongName(const std::string& arg)
{
    static const std::map<std::string, std::string> shortNames{
        {"-k", "--kind"}, {"-m", "--modul"}, {"-r", "--ratio"}, {"-o", "--output"}};
    const auto it = shortNames.find(arg);
    return it == shortNames.end() ? arg : it->second;
}

} // namespace

CliOptions ParseCommandLine(const std::vector<std::string>& args)
{
    if (args.empty())
        throw UsageError("no command given");
    CliOptions options;
    options.command = args[0];
    if (options.command != "kinds" && !TakesText(options.command))
        throw UsageError("unknown command '" + options.command + "'");

    std::vector<std::string> texts;
    bool optionsEnded = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.empty() || arg[0] != '-') {
            texts.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        std::string name = LongName(arg);
        std::optional<std::string> inlineValue;
        if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            inlineValue = name.substr(eq + 1);
            name = name.substr(0, eq);
        }
        if (const auto flag = FlagOptions().find(name); flag != FlagOptions().end() && !inlineValue) {
            flag->second(options);
            continue;
        }
        const auto setter = ValueOptions().find(name);
        if (setter == ValueOptions().end())
            throw UsageError("unknown option '" + arg + "'");
        if (!inlineValue && i + 1 >= args.size())
            throw UsageError(name + " needs a value");
        setter->second(options, name, inlineValue ? *inlineValue : args[++i]);
    }

    if (options.command == "kinds") {
        if (!texts.empty())
            throw UsageError("kinds takes no TEXT");
    } else {
        if (texts.size() != 1)
            throw UsageError(options.command + " takes exactly one TEXT");
        options.text = texts[0];
    }
    if (options.command == "label" || options.command == "sheet")
        CheckOutput(options.command, options.output);
    return options;
}

} // namespace quillon::cli
