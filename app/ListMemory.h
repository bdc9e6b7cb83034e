// What the window keeps of the lists it opened: each file's column mapping, by its absolute path, and
// the last list, reopened at start-up. Kept in the settings file.
#pragma once

#include <optional>
#include <string>

#include "data/SettingsFile.h"
#include "label/input/LabelList.h"

namespace quillon {

// The most files whose mappings are kept: the oldest is forgotten first, so that the settings file
// stays well within its read limit.
inline constexpr std::size_t kRememberedLists = 20;

// "header:code,upper,ignore" or "rows:code,lower": whether the first row is a header, and each field's
// column. None for a value of another form.
std::string FormatListColumns(const TListColumns& columns);
std::optional<TListColumns> ParseListColumns(std::string_view text);

// The mapping kept for the file at `path` (absolute, UTF-8); none when none is.
std::optional<TListColumns> RememberedColumns(const TSettings& settings, const std::string& path);
// Keeps the mapping as the newest, forgetting the oldest past kRememberedLists.
void RememberColumns(TSettings& settings, const std::string& path, const TListColumns& columns);

// The list file opened last (absolute, UTF-8), or none.
std::optional<std::string> LastListFile(const TSettings& settings);
void SetLastListFile(TSettings& settings, const std::string& path); // empty: none

} // namespace quillon
