// The settings file: escapes that let any bytes round-trip, the lines it reads and refuses, unknown keys
// kept, and the file through the safe layer.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "data/SafeFile.h"
#include "data/SettingsFile.h"
#include "tests/support/ExpectMessage.h"

namespace quillon {
namespace {

using namespace std::literals;

constexpr TSettingKey kKey{.Section = "label", .Name = "code"};

struct EscapeRow {
    int No;
    std::string_view Bytes;
    bool IsKey;
    std::string_view Written;
} const kEscapeRows[] = {
    {1, "Hello-123", false, "Hello-123"},
    {2, "a\\b", false, "a\\\\b"},                           // the escape character itself
    {3, "two\nlines\r\n", false, "two\\nlines\\r\\n"},      // line ends cannot end the line
    {4, " padded\t", false, "\\x20padded\\t"},              // blanks at the ends survive trimming
    {5, "a=b;c", false, "a=b;c"},                           // a value may hold "=" and ";"
    {6, "a=b;c", true, "a\\x3Db\\x3Bc"},                    // a key may not
    {7, "[x]", true, "\\x5Bx\\x5D"},                        // nor look like a section
    {8, "\x01\x7f", false, "\\x01\\x7F"},                   // other control bytes
    {9, "\u0643\u0648\u064a", false, "\u0643\u0648\u064a"}, // UTF-8 stays readable
    {10, "", false, ""},
    {11, "AB ", false, "AB\\x20"}, // a trailing blank alone, kept through the file
    {12, "a b", true, "a b"},      // a blank inside needs no escape
    {13, " ", false, "\\x20"},
};

TEST(SettingsFile, EscapesLetAnyBytesRoundTrip)
{
    for (const EscapeRow& row : kEscapeRows) {
        EXPECT_EQ(EscapeSettingText(row.Bytes, row.IsKey), row.Written) << "row " << row.No;
        EXPECT_EQ(UnescapeSettingText(row.Written), std::string(row.Bytes)) << "row " << row.No;
    }
    std::string everyByte;
    for (int c = 0; c < 256; ++c)
        everyByte += static_cast<char>(c);
    TSettings settings;
    settings.Set({.Section = everyByte, .Name = everyByte}, everyByte);
    settings.Set(kKey, "AB ");
    const TParsedSettings read = ParseSettings(FormatSettings(settings));
    EXPECT_TRUE(read.Problems.empty());
    EXPECT_EQ(read.Settings, settings);
}

struct ParseRow {
    int No;
    std::string_view File;
    std::optional<std::string> Code;
    std::vector<TSettingsProblem> Problems;
} const kParseRows[] = {
    {1, "[label]\ncode=AB\n", "AB", {}},
    {2, "[label]\r\ncode = AB \r\n", "AB", {}},                  // CR LF, blanks around key and value
    {3, "; comment\n# too\n\n[label]\ncode=A\ncode=B", "B", {}}, // the last of a repeated key wins
    {4, "[sheet]\ncode=AB\n", std::nullopt, {}},                 // another section's key
    {5,
     "[label]\njunk\ncode=x\\qy\n=v\ncode=ok\n",
     "ok",
     {{2, {TMessageCode::SettingNoEquals}},
      {3, {TMessageCode::SettingBadEscape}},
      {4, {TMessageCode::SettingWithoutKey}}}},
    {6, "[label]\ncode=A\\x4", std::nullopt, {{2, {TMessageCode::SettingBadEscape}}}},
    {7, "[la\\qbel]\ncode=A\n", std::nullopt, {{1, {TMessageCode::SectionBadEscape}}}},
};

TEST(SettingsFile, ReadsWhatItCanAndNamesTheLinesItCannot)
{
    for (const ParseRow& row : kParseRows) {
        const TParsedSettings read = ParseSettings(row.File);
        EXPECT_EQ(read.Settings.Value(kKey), row.Code) << "row " << row.No;
        EXPECT_EQ(read.Problems, row.Problems) << "row " << row.No;
    }
}

TEST(SettingsFile, UnknownKeysAndTheirOrderSurviveAnUpdate)
{
    const std::string later = "; hand comment\n[label]\nzoom_mode=fit\ncode=1\n\n[future]\nthing=2\n";
    TSettings settings = ParseSettings(later).Settings;
    settings.Set(kKey, "2");
    settings.Set(settingkeys::BarColor, "#FF0000");
    settings.Set(settingkeys::Stock, "L7160");
    EXPECT_EQ(FormatSettings(settings), "; Quillon settings, written by the program whenever they change.\n"
                                        "\n[label]\nzoom_mode=fit\ncode=2\nbar_color=#FF0000\n"
                                        "\n[future]\nthing=2\n"
                                        "\n[sheet]\nstock=L7160\n");
}

TEST(SettingsFile, GoesThroughTheSafeLayer)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath(kSettingsFileName).toStdString();
    EXPECT_THROW(ReadSettingsFile(path), EFileError);
    TSettings settings;
    settings.Set(kKey, "Hello\nworld");
    WriteSettingsFile(path, settings);
    EXPECT_EQ(ReadSettingsFile(path).Settings, settings);
    ReplaceFile(path, std::string(kSettingsFileLimit + 1, ';'));
    EXPECT_EQ(testing::MessageOf<EFileError>([&] { ReadSettingsFile(path); }), "Larger than 64 KiB: " + path);
}

} // namespace
} // namespace quillon
