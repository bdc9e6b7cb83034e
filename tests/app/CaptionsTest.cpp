// The deck's caption tables: both languages in switching order, the language of a group index.
#include "app/Captions.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

struct CaptionRow {
    int No;
    const char* Control;
    const char* Arabic;
    const char* English;
};

// Rows 1-2: the fixed pairs of DesBtn and AboutBtn; rows 3-12: caption table rows 1 to 10, as the
// language-switching section lists them.
constexpr CaptionRow ExpectedCaptions[] = {
    {1, "DesBtn", "تصميم", "Design"},
    {2, "AboutBtn", "حول", "About"},
    {3, "StChk", "تمدد الطباعة", "Print &Stretch "},
    {4, "lb2", "الترميز", "Code"},
    {5, "UChk", "تعليق علوي", "Up Label"},
    {6, "lb4", "الأعمدة", "Columns"},
    {7, "lb5", "الصفوف", "Rows"},
    {8, "lb6", "النوع", "Kind"},
    {9, "lb7", "اللون", "Color"},
    {10, "lb8", "تكبير", "Zoom"},
    {11, "lb9", "عرض العمود", "Bar Width"},
    {12, "DChk", "تعليق سفلي", "Down Label"},
};

TEST(Captions, BothLanguagesInSwitchingOrder)
{
    const auto arabic = CaptionsFor(TLanguage::Arabic);
    const auto english = CaptionsFor(TLanguage::English);
    ASSERT_EQ(std::size(ExpectedCaptions), arabic.size());
    for (std::size_t i = 0; i < arabic.size(); ++i) {
        const CaptionRow& row = ExpectedCaptions[i];
        EXPECT_EQ(arabic[i].Control, row.Control) << "row " << row.No;
        EXPECT_EQ(english[i].Control, row.Control) << "row " << row.No;
        EXPECT_EQ(arabic[i].Text, QString::fromUtf8(row.Arabic)) << "row " << row.No;
        EXPECT_EQ(english[i].Text, QString::fromUtf8(row.English)) << "row " << row.No;
    }
    // Worked edge case: back from Arabic, row 1's English caption keeps its trailing space.
    EXPECT_EQ(CaptionsFor(LanguageOfIndex(1))[2].Text.size(), 15);
}

struct IndexRow {
    int No;
    int SelectedIndex;
    TLanguage Language;
};

// Index 0 is Arabic; any other index, no selection (-1) included, is English.
constexpr IndexRow IndexRows[] = {
    {1, 0, TLanguage::Arabic},
    {2, 1, TLanguage::English},
    {3, -1, TLanguage::English},
    {4, 5, TLanguage::English},
};

TEST(Captions, LanguageOfTheSelectedIndex)
{
    for (const IndexRow& row : IndexRows)
        EXPECT_EQ(LanguageOfIndex(row.SelectedIndex), row.Language) << "row " << row.No;
}

} // namespace
} // namespace quillon
