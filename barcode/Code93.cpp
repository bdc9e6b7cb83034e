// Code 93 and its full-ASCII form: six width digits per character, two check characters C and K.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "Barcode.h"
#include "CharacterIndex.h"
#include "CheckDigits.h"
#include "FullAscii.h"

namespace quillon {
namespace {

struct Code93Row {
    char Character = 0;
    std::string_view Widths; // modules of bar, space, bar, space, bar, space: 9 in all
};

// The Code 93 character set of AIM USS-93; the row number is the character's value. The four shift
// characters ($), (%), (/) and (+) are written as "[", "]", "{" and "}".
constexpr std::array<Code93Row, 47> Code93Table{{
    {'0', "131112"}, //  0 0
    {'1', "111213"}, //  1 1
    {'2', "111312"}, //  2 2
    {'3', "111411"}, //  3 3
    {'4', "121113"}, //  4 4
    {'5', "121212"}, //  5 5
    {'6', "121311"}, //  6 6
    {'7', "111114"}, //  7 7
    {'8', "131211"}, //  8 8
    {'9', "141111"}, //  9 9
    {'A', "211113"}, // 10 A
    {'B', "211212"}, // 11 B
    {'C', "211311"}, // 12 C
    {'D', "221112"}, // 13 D
    {'E', "221211"}, // 14 E
    {'F', "231111"}, // 15 F
    {'G', "112113"}, // 16 G
    {'H', "112212"}, // 17 H
    {'I', "112311"}, // 18 I
    {'J', "122112"}, // 19 J
    {'K', "132111"}, // 20 K
    {'L', "111123"}, // 21 L
    {'M', "111222"}, // 22 M
    {'N', "111321"}, // 23 N
    {'O', "121122"}, // 24 O
    {'P', "131121"}, // 25 P
    {'Q', "212112"}, // 26 Q
    {'R', "212211"}, // 27 R
    {'S', "211122"}, // 28 S
    {'T', "211221"}, // 29 T
    {'U', "221121"}, // 30 U
    {'V', "222111"}, // 31 V
    {'W', "112122"}, // 32 W
    {'X', "112221"}, // 33 X
    {'Y', "122121"}, // 34 Y
    {'Z', "123111"}, // 35 Z
    {'-', "121131"}, // 36 minus
    {'.', "311112"}, // 37 full stop
    {' ', "311211"}, // 38 blank
    {'$', "321111"}, // 39 dollar
    {'/', "112131"}, // 40 slash
    {'+', "113121"}, // 41 plus
    {'%', "211131"}, // 42 percent
    {'[', "121221"}, // 43 ($) shift
    {']', "312111"}, // 44 (%) shift
    {'{', "311121"}, // 45 (/) shift
    {'}', "122211"}, // 46 (+) shift
}};

constexpr std::string_view kStart = "111141";
constexpr std::string_view kStop = "1111411"; // the start character and the terminating bar

constexpr int kCheckModulus = 47;
constexpr int kMaxWeightC = 20;
constexpr int kMaxWeightK = 15;

// The value of c, which is its row in Code93Table, or -1 when Code 93 has no such character.
constexpr TCharacterIndex kCode93Index = TCharacterIndex::Of(Code93Table, &Code93Row::Character);

constexpr bool IsWellFormed(std::string_view widths, int modules)
{
    int sum = 0;
    for (char digit : widths) {
        if (digit < '1' || digit > '4')
            return false;
        sum += digit - '0';
    }
    return sum == modules;
}

constexpr bool TablesAreConsistent()
{
    for (const Code93Row& row : Code93Table)
        if (row.Widths.size() != 6 || !IsWellFormed(row.Widths, 9) || kCode93Index(row.Character) < 0)
            return false;
    for (std::string_view entry : Code39ExtendedTable)
        for (char c : entry)
            if (kCode93Index(WithShifts(c, kCode93Shifts)) < 0)
                return false;
    return kStart.size() == 6 && IsWellFormed(kStart, 9) && IsWellFormed(kStop, 10);
}
static_assert(TablesAreConsistent());
static_assert(Code93Table.size() == kCheckModulus);

Exception BadData(const std::string& text)
{
    return Exception(TFault::BadCharacter,
                     std::string(kBarcodeClassName) + ":Code93 bad Data <" + text + ">");
}

struct CheckValues {
    int C = 0;
    int K = 0;
};

// The check characters of AIM USS-93: C weighs the data 1..20 from the right, K weighs the data
// followed by C 1..15 from the right. K's sum takes C's whole sum, which leaves the same remainder.
// Sums are kept modulo 47, so no text is too long for them.
CheckValues ComputeChecks(std::string_view text)
{
    int sumC = 0;
    int sumK = 0;
    int weightC = 1;
    int weightK = 2; // weight 1 is C's own, the last character of K's sequence
    for (auto it = text.rbegin(); it != text.rend(); ++it) {
        const int value = kCode93Index(*it);
        sumC = (sumC + value * weightC) % kCheckModulus;
        sumK = (sumK + value * weightK) % kCheckModulus;
        weightC = weightC == kMaxWeightC ? 1 : weightC + 1;
        weightK = weightK == kMaxWeightK ? 1 : weightK + 1;
    }
    sumK = (sumK + sumC) % kCheckModulus;
    return {.C = sumC, .K = sumK};
}

// Appends the symbol for `text`; `shownText` is what the user gave, named in the error message.
void EncodeBasic(std::string& pattern, std::string_view text, const std::string& shownText)
{
    pattern.reserve((text.size() + 4) * 6 + 1);
    AppendWidthDigits(pattern, kStart);
    for (char c : text) {
        const int value = kCode93Index(c);
        if (value < 0)
            throw BadData(shownText);
        AppendWidthDigits(pattern, Code93Table[value].Widths);
    }
    const CheckValues checks = ComputeChecks(text);
    AppendWidthDigits(pattern, Code93Table[checks.C].Widths);
    AppendWidthDigits(pattern, Code93Table[checks.K].Widths);
    AppendWidthDigits(pattern, kStop);
}

// Rewrites every character as its full-ASCII form; Code 93 has nothing for codes 128 and above.
std::string FullAsciiOrRefuse(const std::string& text)
{
    std::optional<std::string> rewritten = ToFullAscii(text, kCode93Shifts);
    if (!rewritten)
        throw BadData(text);
    return std::move(*rewritten);
}

} // namespace

// Plain Code 93 draws "[", "]", "{" and "}" as its four shift characters, so a decoder reads the text
// through the full-ASCII table; a shift without a valid follower reads as typed.
TScanText TBarcode::EncodeCode93(std::string& pattern) const
{
    EncodeBasic(pattern, FText, FText);
    return ReadFullAscii(FText, kCode93Shifts).value_or(FText);
}

// Text itself stays as the user gave it: the human-readable line shows it, not its shifted form. The
// decoder reads the shifts back, and so reads Text.
TScanText TBarcode::EncodeCode93Extended(std::string& pattern) const
{
    EncodeBasic(pattern, FullAsciiOrRefuse(FText), FText);
    return FText;
}

} // namespace quillon
