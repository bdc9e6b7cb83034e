// Turns GS1's Barcode Syntax Dictionary into label/gs1/Gs1Table.inc, the AI table Gs1Table.cpp compiles.
//   MakeGs1Table DICTIONARY OUTPUT          writes the table
//   MakeGs1Table --check DICTIONARY TABLE   exit 0 when TABLE is what DICTIONARY gives, 1 when it is
//                                           not, 77 (skipped) when there is no DICTIONARY
// The linter names are written as LinterNamed("...") calls, so a name the code lacks stops the build.
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kSkipped = 77;
constexpr std::size_t kMaxComponents = 5, kMaxLinters = 3, kMaxRequisites = 2;

struct Failure {
    std::string message;
};

struct Component {
    char type = 'N';
    int minLength = 0;
    int maxLength = 0;
    bool optional = false;
    std::vector<std::string> linters;
};

struct Entry {
    std::string first, last, flags, title, excludes, qualifiers;
    std::vector<Component> components;
    std::vector<std::string> requisites;
    bool primaryKey = false;
};

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator))
        parts.push_back(part);
    return parts;
}

std::string Trim(const std::string& text)
{
    const std::size_t begin = text.find_first_not_of(" \t\r");
    const std::size_t end = text.find_last_not_of(" \t\r");
    return begin == std::string::npos ? std::string() : text.substr(begin, end - begin + 1);
}

bool AllDigits(const std::string& text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// "N..20", "[N3]", "X2": type, length, optional; then ",linter" after the closing bracket.
Component ParseComponent(const std::string& token, int line)
{
    std::vector<std::string> parts = Split(token, ',');
    std::string format = parts.at(0);
    Component component;
    if (format.size() > 2 && format.front() == '[' && format.back() == ']') {
        component.optional = true;
        format = format.substr(1, format.size() - 2);
    }
    if (format.empty() || std::string("NXYZ").find(format[0]) == std::string::npos)
        throw Failure{"line " + std::to_string(line) + ": no component type in \"" + token + "\""};
    component.type = format[0];
    const bool variable = format.compare(1, 2, "..") == 0;
    const std::string digits = format.substr(variable ? 3 : 1);
    if (!AllDigits(digits))
        throw Failure{"line " + std::to_string(line) + ": no length in \"" + token + "\""};
    component.maxLength = std::stoi(digits);
    component.minLength = variable ? 1 : component.maxLength;
    for (std::size_t i = 1; i < parts.size(); ++i)
        component.linters.push_back(parts[i]);
    if (component.linters.size() > kMaxLinters)
        throw Failure{"line " + std::to_string(line) + ": more than 3 linters in \"" + token + "\""};
    return component;
}

void CheckComponents(const Entry& entry, int line)
{
    const auto& parts = entry.components;
    if (parts.empty() || parts.size() > kMaxComponents)
        throw Failure{"line " + std::to_string(line) + ": 1 to 5 components expected"};
    for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
        if (parts[i].optional && !parts[i + 1].optional)
            throw Failure{"line " + std::to_string(line) + ": a mandatory component after an optional one"};
        if (!parts[i].optional && parts[i].minLength != parts[i].maxLength && !parts[i + 1].optional)
            throw Failure{"line " + std::to_string(line) + ": a variable length before the last component"};
    }
}

void ParseAttribute(Entry& entry, const std::string& token, int line)
{
    if (token.rfind("req=", 0) == 0)
        entry.requisites.push_back(token.substr(4));
    else if (token.rfind("ex=", 0) == 0)
        entry.excludes += (entry.excludes.empty() ? "" : ",") + token.substr(3);
    else if (token == "dlpkey")
        entry.primaryKey = true;
    else if (token.rfind("dlpkey=", 0) == 0) {
        entry.primaryKey = true;
        entry.qualifiers = token.substr(7);
    } else
        throw Failure{"line " + std::to_string(line) + ": unknown attribute \"" + token + "\""};
    if (entry.requisites.size() > kMaxRequisites)
        throw Failure{"line " + std::to_string(line) + ": more than 2 req= attributes"};
}

Entry ParseEntry(const std::string& text, int line)
{
    Entry entry;
    const std::size_t hash = text.find('#');
    if (hash != std::string::npos)
        entry.title = Trim(text.substr(hash + 1));
    std::istringstream in(text.substr(0, hash));
    std::string ais;
    in >> ais;
    const std::size_t dash = ais.find('-');
    entry.first = ais.substr(0, dash);
    entry.last = dash == std::string::npos ? entry.first : ais.substr(dash + 1);
    if (!AllDigits(entry.first) || entry.first.size() < 2 || entry.first.size() > 4 ||
        entry.last.size() != entry.first.size() || !AllDigits(entry.last) || entry.last < entry.first)
        throw Failure{"line " + std::to_string(line) + ": not an AI or a range of AIs: \"" + ais + "\""};
    for (std::string token; in >> token;) {
        if (entry.components.empty() && entry.flags.empty() &&
            token.find_first_not_of("*?!\"$%&'()+,-./:;<=>@\\^_`{|}~") == std::string::npos)
            entry.flags = token;
        else if (token[0] == '[' || std::string("NXYZ").find(token[0]) != std::string::npos)
            entry.components.push_back(ParseComponent(token, line));
        else
            ParseAttribute(entry, token, line);
    }
    CheckComponents(entry, line);
    return entry;
}

std::string Quoted(const std::string& text)
{
    std::string quoted = "\"";
    for (const char c : text)
        quoted += c == '"' || c == '\\' ? std::string("\\") + c : std::string(1, c);
    return quoted + "\"";
}

std::string ComponentCode(const Component& component)
{
    static const std::string kCsets[] = {"N", "X", "Y", "Z"};
    std::string code = "{.Cset = " + kCsets[std::string("NXYZ").find(component.type)] +
                       ", .MinLength = " + std::to_string(component.minLength) +
                       ", .MaxLength = " + std::to_string(component.maxLength) +
                       ", .Optional = " + (component.optional ? "true" : "false") + ", .Linters = {";
    for (std::size_t i = 0; i < component.linters.size(); ++i)
        code += (i == 0 ? "" : ", ") + std::string("LinterNamed(") + Quoted(component.linters[i]) + ")";
    return code + "}}";
}

std::string EntryCode(const Entry& entry)
{
    std::string code =
        "    {.First = " + Quoted(entry.first) + ", .Last = " + Quoted(entry.last) +
        ", .PredefinedLength = " + (entry.flags.find('*') != std::string::npos ? "true" : "false") +
        ", .DigitalLinkAttribute = " + (entry.flags.find('?') != std::string::npos ? "true" : "false") +
        ",\n     .Components = {{";
    for (std::size_t i = 0; i < entry.components.size(); ++i)
        code += (i == 0 ? "" : ",\n                     ") + ComponentCode(entry.components[i]);
    code += "}},\n     .ComponentCount = " + std::to_string(entry.components.size()) + ", .Requires = {";
    for (std::size_t i = 0; i < entry.requisites.size(); ++i)
        code += (i == 0 ? "" : ", ") + Quoted(entry.requisites[i]);
    code += "}, .Excludes = " + Quoted(entry.excludes) +
            ", .PrimaryKey = " + (entry.primaryKey ? "true" : "false") +
            ", .Qualifiers = " + Quoted(entry.qualifiers) + ",\n     .Title = " + Quoted(entry.title) +
            "},\n";
    return code;
}

// The entries in lexical order, which the look-up relies on, and no AI beginning another, or an element
// string could not be divided into its AIs.
void CheckOrder(const std::vector<Entry>& entries)
{
    for (std::size_t i = 1; i < entries.size(); ++i)
        if (!(entries[i - 1].last < entries[i].first))
            throw Failure{"AI " + entries[i].first + " is out of lexical order"};
    for (const Entry& a : entries)
        for (const Entry& b : entries)
            if (&a != &b && a.first.size() < b.first.size() && b.first.substr(0, a.first.size()) >= a.first &&
                b.first.substr(0, a.first.size()) <= a.last)
                throw Failure{"AI " + a.first + " begins AI " + b.first};
}

std::string Generate(std::istream& dictionary)
{
    std::string release;
    std::vector<Entry> entries;
    int line = 0;
    for (std::string text; std::getline(dictionary, text);) {
        ++line;
        const std::string trimmed = Trim(text);
        if (trimmed.rfind("# Release:", 0) == 0 && release.empty())
            release = Trim(trimmed.substr(10));
        if (trimmed.empty() || trimmed[0] == '#')
            continue;
        entries.push_back(ParseEntry(trimmed, line));
    }
    if (release.empty())
        throw Failure{"the dictionary names no release (\"# Release: ...\")"};
    if (entries.empty())
        throw Failure{"the dictionary has no entries"};
    CheckOrder(entries);
    std::string code =
        "// Release: " + release +
        " of the GS1 Barcode Syntax Dictionary (GS1 AISBL, Apache License 2.0).\n"
        "// Generated from ../shared/gs1/gs1-syntax-dictionary.txt by label/gs1/MakeGs1Table.cpp "
        "(cmake --build BUILD --target gs1_table); do not edit.\n"
        "constexpr std::string_view kRelease = " +
        Quoted(release) + ";\n\nconstexpr TGs1AiEntry kEntries[] = {\n";
    for (const Entry& entry : entries)
        code += EntryCode(entry);
    return code + "};\n";
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    const bool check = !args.empty() && args[0] == "--check";
    if (args.size() != (check ? 3U : 2U)) {
        std::cerr << "usage: MakeGs1Table [--check] DICTIONARY TABLE\n";
        return 2;
    }
    const std::string& dictionaryPath = args[check ? 1 : 0];
    const std::string& tablePath = args[check ? 2 : 1];
    std::ifstream dictionary(dictionaryPath);
    if (!dictionary) {
        std::cerr << "MakeGs1Table: no dictionary at " << dictionaryPath << "\n";
        return check ? kSkipped : 1;
    }
    try {
        const std::string table = Generate(dictionary);
        if (check) {
            if (ReadFile(tablePath) == table)
                return 0;
            std::cerr << "MakeGs1Table: " << tablePath << " differs from what " << dictionaryPath
                      << " gives; regenerate it with: cmake --build BUILD --target gs1_table\n";
            return 1;
        }
        std::ofstream(tablePath, std::ios::binary) << table;
    } catch (const Failure& failure) {
        std::cerr << "MakeGs1Table: " << dictionaryPath << ": " << failure.message << "\n";
        return 1;
    }
    return 0;
}
