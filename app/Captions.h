// The control deck's captions in Arabic and English: the caption table, the fixed button pairs and
// the language that a choice of the language group stands for.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <string_view>

namespace quillon {

enum class TLanguage : std::uint8_t { Arabic, English };

// Index 0 of the language group is Arabic; 1, no selection (-1) and anything else is English.
TLanguage LanguageOfIndex(int selectedIndex);

// One control's caption in both languages, UTF-8.
struct CaptionPair {
    std::string_view Control;
    std::string_view Arabic;
    std::string_view English;
};

// VList, the hidden caption table: element i is row i + 1. The Arabic caption is an entry's key,
// the English caption its value, kept exactly (row 1 ends in a space; its "&" marks the
// accelerator).
inline constexpr std::array<CaptionPair, 10> VList{{
    {.Control = "StChk", .Arabic = "تمدد الطباعة", .English = "Print &Stretch "}, // 1 print stretch
    {.Control = "lb2", .Arabic = "الترميز", .English = "Code"},                   // 2 code field
    {.Control = "UChk", .Arabic = "تعليق علوي", .English = "Up Label"},           // 3 upper caption
    {.Control = "lb4", .Arabic = "الأعمدة", .English = "Columns"},                // 4 columns
    {.Control = "lb5", .Arabic = "الصفوف", .English = "Rows"},                    // 5 rows
    {.Control = "lb6", .Arabic = "النوع", .English = "Kind"},                     // 6 symbology
    {.Control = "lb7", .Arabic = "اللون", .English = "Color"},                    // 7 bar colour
    {.Control = "lb8", .Arabic = "تكبير", .English = "Zoom"},                     // 8 module width
    {.Control = "lb9", .Arabic = "عرض العمود", .English = "Bar Width"},           // 9 ratio
    {.Control = "DChk", .Arabic = "تعليق سفلي", .English = "Down Label"},         // 10 lower caption
}};

// The two button captions that are held as fixed pairs rather than in the table.
inline constexpr CaptionPair DesBtnCaptions{.Control = "DesBtn", .Arabic = "تصميم", .English = "Design"};
inline constexpr CaptionPair AboutBtnCaptions{.Control = "AboutBtn", .Arabic = "حول", .English = "About"};

QString CaptionText(const CaptionPair& pair, TLanguage language);

struct ControlCaption {
    std::string_view Control;
    QString Text;
};

inline constexpr std::size_t SwitchedCaptionCount = 2 + VList.size();

// The twelve captions of a language in the order the language switch sets them: DesBtn,
// AboutBtn, then the controls of rows 1 to 10.
std::array<ControlCaption, SwitchedCaptionCount> CaptionsFor(TLanguage language);

} // namespace quillon
