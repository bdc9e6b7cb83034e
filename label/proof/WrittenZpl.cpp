#include "label/proof/WrittenZpl.h"

#include <charconv>
#include <optional>

#include "barcode/Exception.h"

namespace quillon {

namespace {

// The barcode commands we write and the parameter that holds the bar height (after the orientation).
struct TBarCommandName {
    std::string_view Name;
    TZplBarCommand Command = TZplBarCommand::Code128;
    std::size_t HeightParameter = 1;
};
constexpr TBarCommandName kBarCommands[] = {
    {"BE", TZplBarCommand::Ean13, 1},
    {"B8", TZplBarCommand::Ean8, 1},
    {"BU", TZplBarCommand::UpcA, 1},
    {"BC", TZplBarCommand::Code128, 1},
    {"B3", TZplBarCommand::Code39, 2},
    {"BA", TZplBarCommand::Code93, 1},
    {"B2", TZplBarCommand::Interleaved2Of5, 1},
};
// Commands that change nothing a scanner sees.
constexpr std::string_view kHarmless[] = {"CI", "LH", "PR", "FS", "MD"};

std::vector<std::string_view> Split(std::string_view text)
{
    std::vector<std::string_view> parts;
    while (true) {
        const std::size_t comma = text.find(',');
        parts.push_back(text.substr(0, comma));
        if (comma == std::string_view::npos)
            return parts;
        text.remove_prefix(comma + 1);
    }
}

int Number(std::string_view text, std::string_view command)
{
    int n = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (error != std::errc() || end != text.data() + text.size())
        throw Exception("The ZPL written has a bad number '" + std::string(text) + "' in ^" +
                        std::string(command));
    return n;
}

class TZplReader {
public:
    void Command(std::string_view name, std::string_view parameters);
    std::vector<TPrintedZplLabel> Labels() &&
    {
        if (FOpen)
            throw Exception("The ZPL written ends inside a label");
        return std::move(FLabels);
    }

private:
    void Begin();
    void Place(const TDotBitmap& dots, QPoint at);
    TPrintedZplLabel& Current();

    std::vector<TPrintedZplLabel> FLabels{};
    bool FOpen = false;
    int FWidth = 0;
    int FHeight = 0;
    QPoint FOrigin{};
    int FModule = 2;
    int FRatioTenths = 30;
    std::optional<TZplBars> FBars{};
};

void TZplReader::Begin()
{
    if (FOpen)
        throw Exception("The ZPL written opens a label inside another");
    FOpen = true;
    FWidth = FHeight = 0;
    FLabels.emplace_back();
}

TPrintedZplLabel& TZplReader::Current()
{
    if (!FOpen)
        throw Exception("The ZPL written has a field outside ^XA..^XZ");
    TPrintedZplLabel& label = FLabels.back();
    if (label.Dots.Width == 0) {
        if (FWidth <= 0 || FHeight <= 0)
            throw Exception("The ZPL written places a field before ^PW and ^LL");
        label.Dots = TDotBitmap(FWidth, FHeight);
    }
    return label;
}

// Fields outside the label are refused: the printer would cut them.
void TZplReader::Place(const TDotBitmap& dots, QPoint at)
{
    TDotBitmap& label = Current().Dots;
    if (at.x() < 0 || at.y() < 0 || at.x() + dots.Width > label.Width + 7 ||
        at.y() + dots.Height > label.Height)
        throw Exception("The ZPL written places a field outside its label");
    MarkDots(label, dots, at, TDotMark::Dark);
}

void TZplReader::Command(std::string_view name, std::string_view parameters)
{
    const std::vector<std::string_view> p = Split(parameters);
    if (name == "XA") {
        Begin();
    } else if (name == "XZ") {
        Current();
        FOpen = false;
    } else if (name == "PW") {
        FWidth = Number(p[0], name);
    } else if (name == "LL") {
        FHeight = Number(p[0], name);
    } else if (name == "PQ") {
        Current().Copies = Number(p[0], name);
    } else if (name == "FO") {
        FOrigin = QPoint(Number(p[0], name), p.size() > 1 ? Number(p[1], name) : 0);
    } else if (name == "BY") {
        FModule = Number(p[0], name);
        if (p.size() > 1) {
            const std::size_t dot = p[1].find('.');
            FRatioTenths = Number(p[1].substr(0, dot), name) * 10 +
                           (dot == std::string_view::npos ? 0 : Number(p[1].substr(dot + 1, 1), name));
        }
    } else if (name == "GF") {
        if (p.size() < 5 || p[0] != "A")
            throw Exception("The ZPL written has a ^GF that is not ASCII hex");
        // The data is the rest, commas and all.
        const std::string_view data =
            parameters.substr(static_cast<std::size_t>(p[4].data() - parameters.data()));
        const std::optional<TDotBitmap> dots = ExpandGraphicHex(data, Number(p[3], name), Number(p[1], name));
        if (!dots)
            throw Exception("The ZPL written has a malformed ^GF graphic");
        Place(*dots, FOrigin);
    } else if (name == "FD") {
        if (!FBars)
            throw Exception("The ZPL written has field data without a barcode command");
        FBars->At = FOrigin;
        FBars->ModuleDots = FModule;
        FBars->RatioTenths = FRatioTenths;
        FBars->Data = std::string(parameters);
        const std::optional<TDotBitmap> drawn = DrawZplBars(*FBars);
        if (!drawn)
            throw Exception("The ZPL written has a barcode field the printer cannot draw: " + FBars->Data);
        Place(*drawn, FOrigin);
        FBars.reset();
    } else {
        for (const TBarCommandName& command : kBarCommands)
            if (name == command.Name) {
                if (p.size() <= command.HeightParameter)
                    throw Exception("The ZPL written has a ^" + std::string(name) + " without its height");
                FBars = TZplBars{.Command = command.Command,
                                 .HeightDots = Number(p[command.HeightParameter], name),
                                 .CheckCharacter = command.Command == TZplBarCommand::Code39 && p[1] == "Y"};
                return;
            }
        for (const std::string_view harmless : kHarmless)
            if (name == harmless)
                return;
        throw Exception("The ZPL written has a command it should not: ^" + std::string(name));
    }
}

} // namespace

std::vector<TPrintedZplLabel> ReadWrittenZpl(std::string_view zpl)
{
    TZplReader reader;
    std::size_t i = 0;
    while (i < zpl.size()) {
        const char c = zpl[i];
        if (c == '\n' || c == '\r') {
            ++i;
            continue;
        }
        if ((c != '^' && c != '~') || i + 3 > zpl.size())
            throw Exception("The ZPL written has text outside a command");
        const std::string_view name = zpl.substr(i + 1, 2);
        // Field data runs to ^FS; every other command to the next '^' or '~', less its line break.
        std::size_t end = zpl.find_first_of(name == "FD" ? "^" : "^~", i + 3);
        if (end == std::string_view::npos)
            end = zpl.size();
        std::string_view parameters = zpl.substr(i + 3, end - i - 3);
        while (!parameters.empty() && (parameters.back() == '\n' || parameters.back() == '\r'))
            parameters.remove_suffix(1);
        if (c == '~') {
            if (name != "SD")
                throw Exception("The ZPL written has a command it should not: ~" + std::string(name));
        } else {
            reader.Command(name, parameters);
        }
        i = end;
    }
    return std::move(reader).Labels();
}

} // namespace quillon
