// Code 128 and EAN-128: one code set from start to stop, the modulo-103 check, FNC1 for EAN-128.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "Barcode.h"
#include "CharacterIndex.h"
#include "CheckDigits.h"

namespace quillon {
namespace {

struct Code128Row {
    char CharA = ' ';        // data character in code set A; blank where set A has none here
    char CharB = ' ';        // data character in code set B; blank where set B has none here
    std::string_view PairC;  // digit pair in code set C; two blanks for the function characters
    std::string_view Widths; // bar, space, bar, space, bar, space in modules
};

// The symbol character table of ISO/IEC 15417 (Code 128), values 0 to 102. Code set A's control
// characters (values 64 to 95) and DEL are left blank: this encoder offers printable text only.
constexpr std::array<Code128Row, 103> Code128Table{{
    {' ', ' ', "00", "212222"},   // 0: space
    {'!', '!', "01", "222122"},   // 1: !
    {'"', '"', "02", "222221"},   // 2: "
    {'#', '#', "03", "121223"},   // 3: #
    {'$', '$', "04", "121322"},   // 4: $
    {'%', '%', "05", "131222"},   // 5: %
    {'&', '&', "06", "122213"},   // 6: &
    {'\'', '\'', "07", "122312"}, // 7: '
    {'(', '(', "08", "132212"},   // 8: (
    {')', ')', "09", "221213"},   // 9: )
    {'*', '*', "10", "221312"},   // 10: *
    {'+', '+', "11", "231212"},   // 11: +
    {',', ',', "12", "112232"},   // 12: ,
    {'-', '-', "13", "122132"},   // 13: -
    {'.', '.', "14", "122231"},   // 14: .
    {'/', '/', "15", "113222"},   // 15: /
    {'0', '0', "16", "123122"},   // 16: 0
    {'1', '1', "17", "123221"},   // 17: 1
    {'2', '2', "18", "223211"},   // 18: 2
    {'3', '3', "19", "221132"},   // 19: 3
    {'4', '4', "20", "221231"},   // 20: 4
    {'5', '5', "21", "213212"},   // 21: 5
    {'6', '6', "22", "223112"},   // 22: 6
    {'7', '7', "23", "312131"},   // 23: 7
    {'8', '8', "24", "311222"},   // 24: 8
    {'9', '9', "25", "321122"},   // 25: 9
    {':', ':', "26", "321221"},   // 26: :
    {';', ';', "27", "312212"},   // 27: ;
    {'<', '<', "28", "322112"},   // 28: <
    {'=', '=', "29", "322211"},   // 29: =
    {'>', '>', "30", "212123"},   // 30: >
    {'?', '?', "31", "212321"},   // 31: ?
    {'@', '@', "32", "232121"},   // 32: @
    {'A', 'A', "33", "111323"},   // 33: A
    {'B', 'B', "34", "131123"},   // 34: B
    {'C', 'C', "35", "131321"},   // 35: C
    {'D', 'D', "36", "112313"},   // 36: D
    {'E', 'E', "37", "132113"},   // 37: E
    {'F', 'F', "38", "132311"},   // 38: F
    {'G', 'G', "39", "211313"},   // 39: G
    {'H', 'H', "40", "231113"},   // 40: H
    {'I', 'I', "41", "231311"},   // 41: I
    {'J', 'J', "42", "112133"},   // 42: J
    {'K', 'K', "43", "112331"},   // 43: K
    {'L', 'L', "44", "132131"},   // 44: L
    {'M', 'M', "45", "113123"},   // 45: M
    {'N', 'N', "46", "113321"},   // 46: N
    {'O', 'O', "47", "133121"},   // 47: O
    {'P', 'P', "48", "313121"},   // 48: P
    {'Q', 'Q', "49", "211331"},   // 49: Q
    {'R', 'R', "50", "231131"},   // 50: R
    {'S', 'S', "51", "213113"},   // 51: S
    {'T', 'T', "52", "213311"},   // 52: T
    {'U', 'U', "53", "213131"},   // 53: U
    {'V', 'V', "54", "311123"},   // 54: V
    {'W', 'W', "55", "311321"},   // 55: W
    {'X', 'X', "56", "331121"},   // 56: X
    {'Y', 'Y', "57", "312113"},   // 57: Y
    {'Z', 'Z', "58", "312311"},   // 58: Z
    {'[', '[', "59", "332111"},   // 59: [
    {'\\', '\\', "60", "314111"}, // 60: backslash
    {']', ']', "61", "221411"},   // 61: ]
    {'^', '^', "62", "431111"},   // 62: ^
    {'_', '_', "63", "111224"},   // 63: _
    {' ', '`', "64", "111422"},   // 64: A NUL, B `
    {' ', 'a', "65", "121124"},   // 65: A SOH, B a
    {' ', 'b', "66", "121421"},   // 66: A STX, B b
    {' ', 'c', "67", "141122"},   // 67: A ETX, B c
    {' ', 'd', "68", "141221"},   // 68: A EOT, B d
    {' ', 'e', "69", "112214"},   // 69: A ENQ, B e
    {' ', 'f', "70", "112412"},   // 70: A ACK, B f
    {' ', 'g', "71", "122114"},   // 71: A BEL, B g
    {' ', 'h', "72", "122411"},   // 72: A BS, B h
    {' ', 'i', "73", "142112"},   // 73: A HT, B i
    {' ', 'j', "74", "142211"},   // 74: A LF, B j
    {' ', 'k', "75", "241211"},   // 75: A VT, B k
    {' ', 'l', "76", "221114"},   // 76: A FF, B l
    {' ', 'm', "77", "413111"},   // 77: A CR, B m
    {' ', 'n', "78", "241112"},   // 78: A SO, B n
    {' ', 'o', "79", "134111"},   // 79: A SI, B o
    {' ', 'p', "80", "111242"},   // 80: A DLE, B p
    {' ', 'q', "81", "121142"},   // 81: A DC1, B q
    {' ', 'r', "82", "121241"},   // 82: A DC2, B r
    {' ', 's', "83", "114212"},   // 83: A DC3, B s
    {' ', 't', "84", "124112"},   // 84: A DC4, B t
    {' ', 'u', "85", "124211"},   // 85: A NAK, B u
    {' ', 'v', "86", "411212"},   // 86: A SYN, B v
    {' ', 'w', "87", "421112"},   // 87: A ETB, B w
    {' ', 'x', "88", "421211"},   // 88: A CAN, B x
    {' ', 'y', "89", "212141"},   // 89: A EM, B y
    {' ', 'z', "90", "214121"},   // 90: A SUB, B z
    {' ', '{', "91", "412121"},   // 91: A ESC, B {
    {' ', '|', "92", "111143"},   // 92: A FS, B |
    {' ', '}', "93", "111341"},   // 93: A GS, B }
    {' ', '~', "94", "131141"},   // 94: A RS, B ~
    {' ', ' ', "95", "114113"},   // 95: A US, B DEL
    {' ', ' ', "96", "114311"},   // 96: FNC3
    {' ', ' ', "97", "411113"},   // 97: FNC2
    {' ', ' ', "98", "411311"},   // 98: SHIFT
    {' ', ' ', "99", "113141"},   // 99: CODE C
    {' ', ' ', "  ", "114131"},   // 100: A CODE B, B FNC4, C CODE B
    {' ', ' ', "  ", "311141"},   // 101: A FNC4, B CODE A, C CODE A
    {' ', ' ', "  ", "411131"},   // 102: FNC1
}};

// Start characters (ISO/IEC 15417, values 103 to 105) and the stop with its final bar.
struct StartSymbol {
    int Value = 0;
    std::string_view Widths;
};
constexpr StartSymbol kStartA{.Value = 103, .Widths = "211412"};
constexpr StartSymbol kStartB{.Value = 104, .Widths = "211214"};
constexpr StartSymbol kStartC{.Value = 105, .Widths = "211232"};
constexpr std::string_view kStopWidths = "2331112";
constexpr int kFnc1Value = 102;
constexpr int kCheckModulus = 103;
constexpr std::size_t kSymbolElements = 6;

constexpr bool EverySymbolIsElevenModulesWithEvenBars()
{
    for (const Code128Row& row : Code128Table) {
        if (row.Widths.size() != kSymbolElements)
            return false;
        int modules = 0;
        int barModules = 0;
        for (std::size_t i = 0; i < kSymbolElements; ++i) {
            const int width = row.Widths[i] - '0';
            if (width < 1 || width > 4)
                return false;
            modules += width;
            barModules += i % 2 == 0 ? width : 0;
        }
        if (modules != 11 || barModules % 2 != 0)
            return false;
    }
    return true;
}
static_assert(EverySymbolIsElevenModulesWithEvenBars(), "symbols are 11 modules with even bars");

// Code128IndexC reads a digit pair as its number; this holds it to the table's PairC column.
constexpr bool PairColumnIsTheTwoDigitValue()
{
    for (int value = 0; value < kCheckModulus; ++value) {
        const std::string_view pair = Code128Table[value].PairC;
        if (pair.size() != 2)
            return false;
        const bool matches =
            value < 100 ? pair[0] == '0' + value / 10 && pair[1] == '0' + value % 10 : pair == "  ";
        if (!matches)
            return false;
    }
    return true;
}
static_assert(PairColumnIsTheTwoDigitValue(), "code set C pairs are the values 00 to 99");

enum class CodeSet : std::uint8_t { A, B, C };

// The value of a character in code set A or B, or -1. The first row wins, so the blank is always
// value 0 and the blank cells of the rows without a character here are never found.
constexpr TCharacterIndex kIndexA = TCharacterIndex::Of(Code128Table, &Code128Row::CharA);
constexpr TCharacterIndex kIndexB = TCharacterIndex::Of(Code128Table, &Code128Row::CharB);

int Code128IndexAB(char c, CodeSet set)
{
    return set == CodeSet::A ? kIndexA(c) : kIndexB(c);
}

int Code128IndexC(std::string_view pair)
{
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    if (pair.size() != 2 || !isDigit(pair[0]) || !isDigit(pair[1]))
        return -1;
    return (pair[0] - '0') * 10 + (pair[1] - '0');
}

CodeSet CodeSetOf(TBarcodeType typ)
{
    switch (typ) {
    case bcCode128A:
    case bcCodeEAN128A: return CodeSet::A;
    case bcCode128C:
    case bcCodeEAN128C: return CodeSet::C;
    default: return CodeSet::B;
    }
}

const StartSymbol& StartOf(CodeSet set)
{
    switch (set) {
    case CodeSet::A: return kStartA;
    case CodeSet::C: return kStartC;
    default: return kStartB;
    }
}

bool IsEan128(TBarcodeType typ)
{
    return typ == bcCodeEAN128A || typ == bcCodeEAN128B || typ == bcCodeEAN128C;
}

// Appends the symbols between start and check to a pattern, with the weighted sum of the ISO/IEC 15417
// symbol check character. Sum and weight are kept modulo 103, so no text is long enough to overflow.
class SymbolWriter {
public:
    SymbolWriter(std::string& pattern, const StartSymbol& start, std::size_t dataSymbols)
        : FPattern(&pattern), FSum(start.Value % kCheckModulus)
    {
        FPattern->reserve(FPattern->size() + (dataSymbols + 2) * kSymbolElements + kStopWidths.size());
        AppendWidthDigits(*FPattern, start.Widths);
    }

    void Add(int value)
    {
        AppendWidthDigits(*FPattern, Code128Table[value].Widths);
        FSum = (FSum + value * FWeight) % kCheckModulus;
        FWeight = FWeight % kCheckModulus + 1;
    }

    void Finish()
    {
        AppendWidthDigits(*FPattern, Code128Table[FSum].Widths);
        AppendWidthDigits(*FPattern, kStopWidths);
    }

private:
    std::string* FPattern = nullptr;
    int FSum = 0;
    int FWeight = 1;
};

Exception BadData(const std::string& text)
{
    return Exception(TFault::BadCharacter,
                     std::string(kBarcodeClassName) + ":Code128 bad Data <" + text + ">");
}

// Code sets A and B hold printable ASCII only; anything else would print a different code.
void RefuseWhatCodeSetLacks(const std::string& text, CodeSet set)
{
    for (char c : text)
        if (Code128IndexAB(c, set) < 0)
            throw BadData(text);
}

void AddDataSymbols(SymbolWriter& writer, const std::string& text, CodeSet set)
{
    if (set != CodeSet::C) {
        for (char c : text)
            writer.Add(Code128IndexAB(c, set));
        return;
    }
    for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
        const int value = Code128IndexC(std::string_view(text).substr(i, 2));
        if (value < 0) // not reached: digits-only types are checked before encoding
            throw BadData(text);
        writer.Add(value);
    }
}

} // namespace

TScanText TBarcode::EncodeCode128(std::string& pattern)
{
    const CodeSet set = CodeSetOf(FTyp);
    const bool ean128 = IsEan128(FTyp);
    // Refused before the check digit is computed, so the message names the data's real fault and
    // shows the whole text rather than one stray byte of it.
    if (set != CodeSet::C)
        RefuseWhatCodeSetLacks(FText, set);

    // The check digit is data: added once (measuring and drawing encode again), before pairing.
    bool appendedCheckDigit = false;
    if (ean128 && FChecksum && !TextCarriesCheckDigit()) {
        std::string checked = ApplyCheckSum(FText); // raises on a non-digit; Text stays as it was
        appendedCheckDigit = checked.size() != FText.size();
        FText = std::move(checked);
    }
    if (set == CodeSet::C && FText.size() % 2 != 0)
        FText.insert(FText.begin(), '0');
    if (appendedCheckDigit)
        RememberCheckedText();

    const std::size_t dataSymbols = (ean128 ? 1 : 0) + (set == CodeSet::C ? FText.size() / 2 : FText.size());
    SymbolWriter writer(pattern, StartOf(set), dataSymbols);
    if (ean128)
        writer.Add(kFnc1Value);
    AddDataSymbols(writer, FText, set);
    writer.Finish();
    // Text holds the check digit and code set C's leading zero; FNC1 only marks the data structure.
    return FText;
}

} // namespace quillon
