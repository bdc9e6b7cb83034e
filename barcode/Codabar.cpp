// Codabar: digits and six symbols between the start character A and the stop character B.
#include <algorithm>
#include <array>
#include <string_view>

#include "Barcode.h"
#include "CharacterIndex.h"

namespace quillon {
namespace {

struct CodabarRow {
    char Character = 0;
    std::string_view Elements; // bar, space, bar, space, bar, space, bar: "5"/"0" narrow, "6"/"1" wide
};

// The Codabar character set, after ANSI/AIM BC3 (USS-Codabar). The digits, "-" and "$" have two
// wide elements, the other symbols and the start/stop characters three.
constexpr std::array<CodabarRow, 20> CodabarTable{{
    {'0', "5050516"}, // 0000011
    {'1', "5050615"}, // 0000110
    {'2', "5051506"}, // 0001001
    {'3', "6150505"}, // 1100000
    {'4', "5060515"}, // 0010010
    {'5', "6050515"}, // 1000010
    {'6', "5150506"}, // 0100001
    {'7', "5150605"}, // 0100100
    {'8', "5160505"}, // 0110000
    {'9', "6051505"}, // 1001000
    {'-', "5051605"}, // 0001100
    {'$', "5061505"}, // 0011000
    {':', "6050606"}, // 1000101
    {'/', "6060506"}, // 1010001
    {'.', "6060605"}, // 1010100
    {'+', "5060606"}, // 0010101
    {'A', "5061515"}, // 0011010, start/stop
    {'B', "5151506"}, // 0101001, start/stop
    {'C', "5051516"}, // 0001011, start/stop
    {'D', "5051615"}, // 0001110, start/stop
}};

constexpr std::size_t kFirstThreeWideRow = 12; // ":"
constexpr std::size_t kFirstStartStopRow = 16; // "A"
constexpr std::size_t kElementsPerCharacter = 7;
static_assert(CodabarTable[kFirstStartStopRow].Character == 'A');

constexpr int CodabarWideCount(std::string_view elements)
{
    return static_cast<int>(std::ranges::count(elements, '6') + std::ranges::count(elements, '1'));
}

// Seven alternating elements per row, and as many wide ones as the character's class has.
constexpr bool CodabarRowsAreWellFormed()
{
    for (std::size_t row = 0; row < CodabarTable.size(); ++row) {
        const std::string_view elements = CodabarTable[row].Elements;
        if (elements.size() != kElementsPerCharacter)
            return false;
        for (std::size_t i = 0; i < elements.size(); ++i) {
            const bool isBar = i % 2 == 0;
            const char narrow = isBar ? '5' : '0';
            if (elements[i] != narrow && elements[i] != narrow + 1)
                return false;
        }
        if (CodabarWideCount(elements) != (row < kFirstThreeWideRow ? 2 : 3))
            return false;
    }
    return true;
}
static_assert(CodabarRowsAreWellFormed());

constexpr std::string_view kStartElements = CodabarTable[kFirstStartStopRow].Elements;    // A
constexpr std::string_view kStopElements = CodabarTable[kFirstStartStopRow + 1].Elements; // B
constexpr char kGap = '0'; // the narrow space between characters

// The row of c in CodabarTable, or -1 when c is not a Codabar character.
constexpr TCharacterIndex kCodabarIndex = TCharacterIndex::Of(CodabarTable, &CodabarRow::Character);

[[noreturn]] void ThrowBadData(const std::string& text)
{
    throw Exception(TFault::BadCharacter,
                    std::string(kBarcodeClassName) + ":Codabar bad Data <" + text + ">");
}

} // namespace

TScanText TBarcode::EncodeCodabar(std::string& pattern) const
{
    pattern.reserve((FText.size() + 2) * (kElementsPerCharacter + 1));
    pattern += kStartElements;
    pattern += kGap;
    for (char c : FText) {
        // A to D would read as a stop character in the middle of the data.
        const int row = kCodabarIndex(c);
        if (row < 0 || static_cast<std::size_t>(row) >= kFirstStartStopRow)
            ThrowBadData(FText);
        pattern += CodabarTable[row].Elements;
        pattern += kGap;
    }
    pattern += kStopElements;
    return FText; // the start and stop characters are not data
}

} // namespace quillon
