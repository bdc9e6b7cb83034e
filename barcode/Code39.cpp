// Code 39 and its full-ASCII form: nine wide/narrow elements per character, three of them wide.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "Barcode.h"
#include "CharacterIndex.h"
#include "FullAscii.h"

namespace quillon {
namespace {

struct Code39Row {
    char Character = 0;
    // Bar, space, bar, ... bar: "5" narrow bar, "6" wide bar, "0" narrow space, "1" wide space.
    std::string_view Elements;
    // The value the modulo-43 check adds up; "*" is never data, so its 0 is never counted.
    std::int8_t CheckValue = 0;
};

// The Code 39 character set of ISO/IEC 16388 (formerly AIM USS-39), in the order the check values
// run, with the start/stop character "*" before the four symbols "$", "/", "+" and "%".
constexpr std::array<Code39Row, 44> Code39Table{{
    {'0', "505160605", 0},  // 0
    {'1', "605150506", 1},  // 1
    {'2', "506150506", 2},  // 2
    {'3', "606150505", 3},  // 3
    {'4', "505160506", 4},  // 4
    {'5', "605160505", 5},  // 5
    {'6', "506160505", 6},  // 6
    {'7', "505150606", 7},  // 7
    {'8', "605150605", 8},  // 8
    {'9', "506150605", 9},  // 9
    {'A', "605051506", 10}, // A
    {'B', "506051506", 11}, // B
    {'C', "606051505", 12}, // C
    {'D', "505061506", 13}, // D
    {'E', "605061505", 14}, // E
    {'F', "506061505", 15}, // F
    {'G', "505051606", 16}, // G
    {'H', "605051605", 17}, // H
    {'I', "506051605", 18}, // I
    {'J', "505061605", 19}, // J
    {'K', "605050516", 20}, // K
    {'L', "506050516", 21}, // L
    {'M', "606050515", 22}, // M
    {'N', "505060516", 23}, // N
    {'O', "605060515", 24}, // O
    {'P', "506060515", 25}, // P
    {'Q', "505050616", 26}, // Q
    {'R', "605050615", 27}, // R
    {'S', "506050615", 28}, // S
    {'T', "505060615", 29}, // T
    {'U', "615050506", 30}, // U
    {'V', "516050506", 31}, // V
    {'W', "616050505", 32}, // W
    {'X', "515060506", 33}, // X
    {'Y', "615060505", 34}, // Y
    {'Z', "516060505", 35}, // Z
    {'-', "515050606", 36}, // minus
    {'.', "615050605", 37}, // full stop
    {' ', "516050605", 38}, // blank
    {'*', "515060605", 0},  // start/stop
    {'$', "515151505", 39}, // dollar
    {'/', "515150515", 40}, // slash
    {'+', "515051515", 41}, // plus
    {'%', "505151515", 42}, // percent
}};

enum class CheckCharacter : std::uint8_t { Omit, Append };

constexpr char kGap = '0'; // the narrow space between two characters
constexpr char kStartStop = '*';
constexpr int kCheckModulus = 43;

// The row of c in Code39Table, or -1 when Code 39 has no such character.
constexpr TCharacterIndex kCode39Index = TCharacterIndex::Of(Code39Table, &Code39Row::Character);

// The first row with the value: a remainder of 0 gives the character "0", never "*".
constexpr int Code39RowOfCheckValue(int value)
{
    for (int row = 0; row < static_cast<int>(Code39Table.size()); ++row)
        if (Code39Table[row].CheckValue == value)
            return row;
    return -1;
}

constexpr bool IsWellFormed(const Code39Row& row)
{
    if (row.Elements.size() != 9)
        return false;
    int wide = 0;
    for (std::size_t i = 0; i < row.Elements.size(); ++i) {
        const char narrow = i % 2 == 0 ? '5' : '0';
        if (row.Elements[i] != narrow && row.Elements[i] != narrow + 1)
            return false;
        wide += row.Elements[i] - narrow;
    }
    return wide == 3;
}

constexpr bool TablesAreConsistent()
{
    for (const Code39Row& row : Code39Table)
        if (!IsWellFormed(row) || kCode39Index(row.Character) < 0)
            return false;
    for (int value = 0; value < kCheckModulus; ++value)
        if (Code39RowOfCheckValue(value) < 0)
            return false;
    // The full-ASCII rewriting must yield drawable data only: no unknown character and no "*".
    for (std::string_view entry : Code39ExtendedTable)
        for (char c : entry)
            if (kCode39Index(c) < 0 || c == kStartStop)
                return false;
    return true;
}
static_assert(TablesAreConsistent());
static_assert(Code39Table[Code39RowOfCheckValue(0)].Character == '0');

Exception BadData(const std::string& text)
{
    return Exception(TFault::BadCharacter,
                     std::string(kBarcodeClassName) + ":Code39 bad Data <" + text + ">");
}

void AppendCharacter(std::string& pattern, const Code39Row& row)
{
    pattern += row.Elements;
    pattern += kGap;
}

// Appends the basic symbol for `text` and returns its check character when it draws one; `shownText`
// is what the user gave, named in the error message.
std::optional<char> EncodeBasic(std::string& pattern, std::string_view text, CheckCharacter check,
                                const std::string& shownText)
{
    const Code39Row& startStop = Code39Table[kCode39Index(kStartStop)];
    pattern.reserve((text.size() + 3) * 10);
    AppendCharacter(pattern, startStop);
    int sum = 0; // kept modulo 43, so no text is too long for it
    for (char c : text) {
        const int row = kCode39Index(c);
        // A "*" in the data would read as the end of the symbol.
        if (row < 0 || c == kStartStop)
            throw BadData(shownText);
        AppendCharacter(pattern, Code39Table[row]);
        sum = (sum + Code39Table[row].CheckValue) % kCheckModulus;
    }
    std::optional<char> checkCharacter;
    if (check == CheckCharacter::Append) {
        const Code39Row& checkRow = Code39Table[Code39RowOfCheckValue(sum)];
        AppendCharacter(pattern, checkRow);
        checkCharacter = checkRow.Character;
    }
    pattern += startStop.Elements;
    return checkCharacter;
}

// Rewrites every character as its full-ASCII form; Code 39 has nothing for codes 128 and above.
std::string FullAsciiOrRefuse(const std::string& text)
{
    std::optional<std::string> rewritten = ToFullAscii(text, kCode39Shifts);
    if (!rewritten)
        throw BadData(text);
    return std::move(*rewritten);
}

} // namespace

// A plain Code 39 reader passes the check character on as the last character of the data.
TScanText TBarcode::EncodeCode39(std::string& pattern) const
{
    const std::optional<char> check =
        EncodeBasic(pattern, FText, FChecksum ? CheckCharacter::Append : CheckCharacter::Omit, FText);
    return check ? FText + *check : FText;
}

// Text itself stays as the user gave it: the human-readable line shows it, not its shifted form. A
// full-ASCII reader checks the check character and takes it off before it reads the shifts (a check
// character of "$", "/", "+" or "%" would otherwise read as a dangling shift), so it reads Text.
TScanText TBarcode::EncodeCode39Extended(std::string& pattern) const
{
    EncodeBasic(pattern, FullAsciiOrRefuse(FText), FChecksum ? CheckCharacter::Append : CheckCharacter::Omit,
                FText);
    return FText;
}

} // namespace quillon
