// The label library's messages: one wording per code, filled in one pass.
#include <gtest/gtest.h>

#include "label/words/LabelMessage.h"

namespace quillon {
namespace {

TEST(LabelMessage, FillInPutsEachValueInItsPlaceOnce)
{
    struct Row {
        const char* Wording;
        std::vector<std::string> Args;
        const char* Filled;
    };
    const Row rows[] = {
        {"Label %1 mm wide, cell %2 mm", {"50.3", "45.9"}, "Label 50.3 mm wide, cell 45.9 mm"},
        {"%2 before %1", {"a", "b"}, "b before a"},
        {"Reads %1, not %2", {"%2", "x"}, "Reads %2, not x"}, // a value is never filled again
        {"at %1%", {"60"}, "at 60%"},
        {"%3 stays without its value", {"a"}, "%3 stays without its value"},
        {"100% and %", {}, "100% and %"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(FillIn(row.Wording, row.Args), row.Filled) << row.Wording;
}

TEST(LabelMessage, EnglishTextKeepsTheCommandLinesWords)
{
    const std::pair<TLabelMessage, const char*> rows[] = {
        {{TMessageCode::CutOffHigh, {"23.0", "13.5"}},
         "Label 23.0 mm high, cell 13.5 mm: it would be cut off"},
        {{TMessageCode::ReadsOtherAt, {"123", "600", "456"}}, "Reads 123 at 600 dpi, not 456"},
        {{TMessageCode::Said, {"the engine's own words"}}, "the engine's own words"},
        {{}, ""},
    };
    for (const auto& [message, text] : rows)
        EXPECT_EQ(EnglishText(message), text);
    for (int code = 0; code < static_cast<int>(TMessageCode::Count); ++code)
        EXPECT_FALSE(MessageWording(static_cast<TMessageCode>(code)).empty()) << code;
}

} // namespace
} // namespace quillon
