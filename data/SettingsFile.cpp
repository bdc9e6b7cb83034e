// The settings file: INI text with backslash escapes, read and written through the safe file layer.
#include "data/SettingsFile.h"

#include <algorithm>
#include <array>

#include "data/SafeFile.h"

namespace quillon {
namespace {

// The escapes that have a letter of their own; any other byte that needs one is written as \xHH.
struct TNamedEscape {
    char Byte = 0;
    char Letter = 0;
};
constexpr std::array<TNamedEscape, 4> kNamedEscapes{{
    {'\\', '\\'}, // the escape character itself
    {'\n', 'n'},  // line feed
    {'\r', 'r'},  // carriage return
    {'\t', 't'},  // tab
}};

// Bytes that would end or change the meaning of a section name or key.
constexpr std::string_view kKeySyntax = "=[];#";
constexpr std::string_view kHexDigits = "0123456789ABCDEF";
constexpr std::string_view kHeader = "; Quillon settings, written by the program whenever they change.\n";

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsControl(unsigned char c)
{
    return c < 0x20 || c == 0x7F;
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

void AppendHexEscape(std::string& out, unsigned char c)
{
    out += "\\x";
    out += kHexDigits[c >> 4];
    out += kHexDigits[c & 0xF];
}

int HexValue(char c)
{
    const auto at = kHexDigits.find(static_cast<char>(c >= 'a' && c <= 'f' ? c - 'a' + 'A' : c));
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

template <typename Entries> auto Find(Entries& entries, TSettingKey key)
{
    return std::find_if(entries.begin(), entries.end(), [key](const TSettingEntry& entry) {
        return entry.Section == key.Section && entry.Name == key.Name;
    });
}

// Reads the name of "[section]" into `section`; false when the escapes do not read.
bool ReadSectionLine(std::string_view sectionName, std::string& section)
{
    std::optional<std::string> name = UnescapeSettingText(sectionName);
    if (!name)
        return false;
    section = std::move(*name);
    return true;
}

std::optional<TMessageCode> ReadKeyLine(std::string_view line, const std::string& section,
                                        TSettingEntry& entry)
{
    const std::optional<TIniPair> pair = IniPairOf(line);
    if (!pair)
        return TMessageCode::SettingNoEquals;
    const std::optional<std::string> name = UnescapeSettingText(pair->Key);
    const std::optional<std::string> value = UnescapeSettingText(pair->Value);
    if (!name || !value)
        return TMessageCode::SettingBadEscape;
    if (name->empty())
        return TMessageCode::SettingWithoutKey;
    entry = {.Section = section, .Name = *name, .Value = *value};
    return std::nullopt;
}

} // namespace

std::optional<std::string> TSettings::Value(TSettingKey key) const
{
    const auto found = Find(FEntries, key);
    if (found == FEntries.end())
        return std::nullopt;
    return found->Value;
}

void TSettings::Set(TSettingKey key, std::string value)
{
    if (const auto found = Find(FEntries, key); found != FEntries.end()) {
        found->Value = std::move(value);
        return;
    }
    // After the last entry of its section, so that the file keeps one block per section.
    const auto lastOfSection =
        std::find_if(FEntries.rbegin(), FEntries.rend(), [key](const TSettingEntry& e) {
            return e.Section == key.Section;
        }).base();
    const auto at = lastOfSection == FEntries.begin() ? FEntries.end() : lastOfSection;
    FEntries.insert(
        at, {.Section = std::string(key.Section), .Name = std::string(key.Name), .Value = std::move(value)});
}

void TSettings::Remove(TSettingKey key)
{
    if (const auto found = Find(FEntries, key); found != FEntries.end())
        FEntries.erase(found);
}

std::string EscapeSettingText(std::string_view bytes, bool isKey)
{
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        const auto named =
            std::find_if(kNamedEscapes.begin(), kNamedEscapes.end(),
                         [c](const TNamedEscape& e) { return e.Byte == static_cast<char>(c); });
        const bool atEnd = i == 0 || i + 1 == bytes.size();
        if (named != kNamedEscapes.end())
            out += {'\\', named->Letter};
        else if (IsControl(c) || (atEnd && c == ' ') ||
                 (isKey && kKeySyntax.find(static_cast<char>(c)) != std::string_view::npos))
            AppendHexEscape(out, c);
        else
            out += static_cast<char>(c);
    }
    return out;
}

std::optional<std::string> UnescapeSettingText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size())
            return std::nullopt;
        const auto named =
            std::find_if(kNamedEscapes.begin(), kNamedEscapes.end(),
                         [letter = text[i]](const TNamedEscape& e) { return e.Letter == letter; });
        if (named != kNamedEscapes.end()) {
            out += named->Byte;
            continue;
        }
        if (text[i] != 'x' || i + 2 >= text.size() || HexValue(text[i + 1]) < 0 || HexValue(text[i + 2]) < 0)
            return std::nullopt;
        out += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
        i += 2;
    }
    return out;
}

std::vector<TIniLine> ReadIniLines(std::string_view bytes)
{
    std::vector<TIniLine> lines;
    int lineNumber = 0;
    while (!bytes.empty()) {
        const std::size_t end = std::min(bytes.find('\n'), bytes.size());
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(std::min(end + 1, bytes.size()));
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        line = Trimmed(line);
        if (!line.empty() && line.front() != ';' && line.front() != '#')
            lines.push_back({.Number = lineNumber, .Text = line});
    }
    return lines;
}

std::optional<std::string_view> IniSectionOf(std::string_view line)
{
    if (line.size() < 2 || line.front() != '[' || line.back() != ']')
        return std::nullopt;
    return Trimmed(line.substr(1, line.size() - 2));
}

std::optional<TIniPair> IniPairOf(std::string_view line)
{
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    return TIniPair{.Key = Trimmed(line.substr(0, equals)), .Value = Trimmed(line.substr(equals + 1))};
}

TSettingLines ReadSettingLines(std::string_view bytes)
{
    TSettingLines read;
    std::string section;
    for (const TIniLine& line : ReadIniLines(bytes)) {
        if (const std::optional<std::string_view> name = IniSectionOf(line.Text)) {
            if (!ReadSectionLine(*name, section))
                read.Problems.push_back({.Line = line.Number, .What = {TMessageCode::SectionBadEscape}});
            continue;
        }
        TSettingEntry entry;
        if (const std::optional<TMessageCode> problem = ReadKeyLine(line.Text, section, entry))
            read.Problems.push_back({.Line = line.Number, .What = {*problem}});
        else
            read.Lines.push_back({.Line = line.Number, .Entry = std::move(entry)});
    }
    return read;
}

TParsedSettings ParseSettings(std::string_view bytes)
{
    TSettingLines read = ReadSettingLines(bytes);
    TParsedSettings parsed{.Settings = {}, .Problems = std::move(read.Problems)};
    for (TSettingLine& line : read.Lines)
        parsed.Settings.Set({.Section = line.Entry.Section, .Name = line.Entry.Name},
                            std::move(line.Entry.Value));
    return parsed;
}

std::string FormatSettings(const TSettings& settings)
{
    std::string out(kHeader);
    const std::string* section = nullptr;
    for (const TSettingEntry& entry : settings.Entries()) {
        if (section == nullptr || *section != entry.Section) {
            if (!entry.Section.empty() || section != nullptr)
                out += "\n[" + EscapeSettingText(entry.Section, true) + "]\n";
            section = &entry.Section;
        }
        out += EscapeSettingText(entry.Name, true) + "=" + EscapeSettingText(entry.Value, false) + "\n";
    }
    return out;
}

TParsedSettings ReadSettingsFile(const std::string& path)
{
    return ParseSettings(ReadRegularFile(path, kSettingsFileLimit));
}

void WriteSettingsFile(const std::string& path, const TSettings& settings)
{
    ReplaceFile(path, FormatSettings(settings));
}

} // namespace quillon
