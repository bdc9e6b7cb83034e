// The lists' column mappings and the last list in the settings file.
#include "app/ListMemory.h"

#include <algorithm>

namespace quillon {
namespace {

constexpr std::string_view kColumnsSection = "list_columns";
constexpr TSettingKey kLastListKey{.Section = "source", .Name = "list_file"};
constexpr std::string_view kHeader = "header:";
constexpr std::string_view kRows = "rows:";

} // namespace

std::string FormatListColumns(const TListColumns& columns)
{
    std::string text(columns.Header == THeaderRule::Always ? kHeader : kRows);
    for (std::size_t i = 0; i < columns.Fields.size(); ++i) {
        if (i > 0)
            text += ',';
        text += ListColumnName(columns.Fields[i]);
    }
    return text;
}

std::optional<TListColumns> ParseListColumns(std::string_view text)
{
    TListColumns columns;
    if (text.starts_with(kHeader))
        columns.Header = THeaderRule::Always, text.remove_prefix(kHeader.size());
    else if (text.starts_with(kRows))
        columns.Header = THeaderRule::Never, text.remove_prefix(kRows.size());
    else
        return std::nullopt;
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const std::optional<TListColumn> column = ListColumnNamed(text.substr(0, comma));
        if (!column)
            return std::nullopt;
        columns.Fields.push_back(*column);
        text.remove_prefix(comma == std::string_view::npos ? text.size() : comma + 1);
    }
    if (std::find(columns.Fields.begin(), columns.Fields.end(), TListColumn::Code) == columns.Fields.end())
        return std::nullopt; // no list is read without its codes
    return columns;
}

std::optional<TListColumns> RememberedColumns(const TSettings& settings, const std::string& path)
{
    const std::optional<std::string> value = settings.Value({.Section = kColumnsSection, .Name = path});
    return value ? ParseListColumns(*value) : std::nullopt;
}

void RememberColumns(TSettings& settings, const std::string& path, const TListColumns& columns)
{
    settings.Remove({.Section = kColumnsSection, .Name = path});
    settings.Set({.Section = kColumnsSection, .Name = path}, FormatListColumns(columns)); // last: the newest
    std::vector<std::string> kept;
    for (const TSettingEntry& entry : settings.Entries())
        if (entry.Section == kColumnsSection)
            kept.push_back(entry.Name);
    for (std::size_t i = 0; i + kRememberedLists < kept.size(); ++i)
        settings.Remove({.Section = kColumnsSection, .Name = kept[i]});
}

std::optional<std::string> LastListFile(const TSettings& settings)
{
    std::optional<std::string> path = settings.Value(kLastListKey);
    if (path && path->empty())
        return std::nullopt;
    return path;
}

void SetLastListFile(TSettings& settings, const std::string& path)
{
    settings.Set(kLastListKey, path);
}

} // namespace quillon
