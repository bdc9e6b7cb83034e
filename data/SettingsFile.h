// The settings file: a small INI file beside the options file for what those 15 lines do not keep (the
// code, the lower caption, the bar colour, and the choices of later features). Plain C++; read and
// replaced through the safe file layer only.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "label/words/LabelMessage.h"

namespace quillon {

inline constexpr char kSettingsFileName[] = "settings.ini";
// The most the file is read of; the window keeps what it writes well below it.
inline constexpr std::size_t kSettingsFileLimit = 64 * 1024;

// A setting by its section and its key.
struct TSettingKey {
    std::string_view Section;
    std::string_view Name;
};

// The keys the window writes, and those kept ready for the sheet's later choices.
namespace settingkeys {
inline constexpr TSettingKey Code{.Section = "label", .Name = "code"};
inline constexpr TSettingKey LowerCaption{.Section = "label", .Name = "lower_caption"};
inline constexpr TSettingKey LowerCaptionOn{.Section = "label", .Name = "lower_caption_on"};
inline constexpr TSettingKey BarColor{.Section = "label", .Name = "bar_color"};
inline constexpr TSettingKey Layout{.Section = "sheet", .Name = "layout"};
// The symbol kinds' options and the standard layout's module for the matrix kinds.
inline constexpr TSettingKey QrErrorCorrection{.Section = "symbol", .Name = "qr_ecc"};     // L, M, Q or H
inline constexpr TSettingKey DataMatrixShape{.Section = "symbol", .Name = "dm_shape"};     // square or rect
inline constexpr TSettingKey Pdf417Columns{.Section = "symbol", .Name = "pdf417_columns"}; // 0 (auto) to 30
inline constexpr TSettingKey MatrixModuleMm{.Section = "symbol", .Name = "module_mm"};
inline constexpr TSettingKey Stock{.Section = "sheet", .Name = "stock"}; // a stock ID, or "custom"
inline constexpr TSettingKey Paper{.Section = "sheet", .Name = "paper"}; // a4 or letter, for a custom sheet
// Each printer's calibration has a section of its own, this prefix and the printer's name
// ("[calibration:Office Laser]"), with these four keys.
inline constexpr std::string_view CalibrationSectionPrefix = "calibration:";
inline constexpr std::string_view CalibrationOffsetXMm = "offset_x_mm";
inline constexpr std::string_view CalibrationOffsetYMm = "offset_y_mm";
inline constexpr std::string_view CalibrationScaleXPercent = "scale_x_percent";
inline constexpr std::string_view CalibrationScaleYPercent = "scale_y_percent";
} // namespace settingkeys

struct TSettingEntry {
    std::string Section{};
    std::string Name{};
    std::string Value{};
    bool operator==(const TSettingEntry&) const = default;
};

// Settings in file order. Keys this version does not know are kept, so that a later version's
// choices survive a run of this one.
class TSettings {
public:
    std::optional<std::string> Value(TSettingKey key) const;
    // Replaces the value in place, or adds the key at the end of its section.
    void Set(TSettingKey key, std::string value);
    void Remove(TSettingKey key); // nothing when there is no such key
    const std::vector<TSettingEntry>& Entries() const { return FEntries; }
    bool operator==(const TSettings&) const = default;

private:
    std::vector<TSettingEntry> FEntries{};
};

// A line of the file that could not be read; the rest of the file still is.
struct TSettingsProblem {
    int Line = 0; // from 1
    TLabelMessage What{};
    bool operator==(const TSettingsProblem&) const = default;
};

struct TParsedSettings {
    TSettings Settings{};
    std::vector<TSettingsProblem> Problems{};
};

// Any bytes as one line of the file: backslash escapes for the backslash, line ends, tabs and other
// control bytes, and for blanks at either end; in a section or key also for "=", "[", "]", ";" and
// "#". Bytes from 128 up (UTF-8) stay as they are.
std::string EscapeSettingText(std::string_view bytes, bool isKey);
// The reverse; nothing for an escape that is not one of those written.
std::optional<std::string> UnescapeSettingText(std::string_view text);

// A line of INI text as written, before any escape is read: its number from 1, without its line end
// and the blanks around it. Blank lines and ";" or "#" comments are not given. The settings file, label
// files and stocks.ini all read their lines so.
struct TIniLine {
    int Number = 0;
    std::string_view Text{};
};
std::vector<TIniLine> ReadIniLines(std::string_view bytes);
// "[name]": the name between the brackets, blanks around it trimmed; nothing for any other line.
std::optional<std::string_view> IniSectionOf(std::string_view line);
// "key = value": both sides, blanks around them trimmed; nothing for a line without "=".
struct TIniPair {
    std::string_view Key{};
    std::string_view Value{};
};
std::optional<TIniPair> IniPairOf(std::string_view line);

// One "key=value" line as read, under the section it stands in, with its line number from 1.
struct TSettingLine {
    int Line = 0;
    TSettingEntry Entry{};
};
struct TSettingLines {
    std::vector<TSettingLine> Lines{};
    std::vector<TSettingsProblem> Problems{};
};

// "[section]" lines, "key=value" lines (blanks around the "=" are not part of either), blank lines and
// ";" or "#" comments; CR LF or LF line ends. Every key line in file order, a key that comes twice
// twice; ParseSettings keeps the last value of each, other readers may refuse the second.
TSettingLines ReadSettingLines(std::string_view bytes);
TParsedSettings ParseSettings(std::string_view bytes);
std::string FormatSettings(const TSettings& settings);

// The file through the safe file layer: raises EFileError (a missing file as NotFound).
TParsedSettings ReadSettingsFile(const std::string& path);
// Replaces the file atomically and durably; on failure the previous file stays whole.
void WriteSettingsFile(const std::string& path, const TSettings& settings);

} // namespace quillon
