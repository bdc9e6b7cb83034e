// Fuzzes settings.ini: any bytes parsed as the file; whatever was read must be written and read back the
// same, with no problem the second time; and any bytes must survive the escape of a key and of a value
// (blanks at either end included).
//
// Input: the bytes of a settings file.
#include <cstddef>
#include <cstdint>
#include <string>

#include "data/SettingsFile.h"
#include "fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quillon;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const TParsedSettings parsed = ParseSettings(bytes);
    for (const TSettingsProblem& problem : parsed.Problems)
        FUZZ_REQUIRE(problem.Line >= 1 && !EnglishText(problem.What).empty());
    const TParsedSettings again = ParseSettings(FormatSettings(parsed.Settings));
    FUZZ_REQUIRE(again.Problems.empty());
    FUZZ_REQUIRE(again.Settings == parsed.Settings);
    for (const bool isKey : {false, true}) {
        const std::string escaped = EscapeSettingText(bytes, isKey);
        FUZZ_REQUIRE(escaped.find_first_of("\r\n") == std::string::npos);
        FUZZ_REQUIRE(UnescapeSettingText(escaped) == bytes);
    }
    return 0;
}
