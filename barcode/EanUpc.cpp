// EAN-8, EAN-13, UPC-A and UPC-E encoders with the 2- and 5-digit add-on symbols.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "Barcode.h"
#include "CheckDigits.h"

namespace quillon {
namespace {

// Number sets A, B and C of ISO/IEC 15420 (EAN/UPC), one entry per digit, as bar-pattern
// characters: a run of n space modules is '0' + n - 1, a run of n bar modules is '5' + n - 1.
// Every entry covers the digit's seven modules.

// Set A, odd parity, left half: space, bar, space, bar.
constexpr std::array<std::string_view, 10> EANOddTable{
    "2605", // 0  0001101
    "1615", // 1  0011001
    "1516", // 2  0010011
    "0805", // 3  0111101
    "0526", // 4  0100011
    "0625", // 5  0110001
    "0508", // 6  0101111
    "0706", // 7  0111011
    "0607", // 8  0110111
    "2506", // 9  0001011
};

// Set B, even parity, left half: space, bar, space, bar.
constexpr std::array<std::string_view, 10> EANEvenTable{
    "0517", // 0  0100111
    "0616", // 1  0110011
    "1606", // 2  0011011
    "0535", // 3  0100001
    "1705", // 4  0011101
    "0715", // 5  0111001
    "3505", // 6  0000101
    "1525", // 7  0010001
    "2515", // 8  0001001
    "1507", // 9  0010111
};

// Set C, right half: bar, space, bar, space.
constexpr std::array<std::string_view, 10> EANRightTable{
    "7150", // 0  1110010
    "6160", // 1  1100110
    "6061", // 2  1101100
    "5350", // 3  1000010
    "5071", // 4  1011100
    "5170", // 5  1001110
    "5053", // 6  1010000
    "5251", // 7  1000100
    "5152", // 8  1001000
    "7051", // 9  1110100
};

static_assert(EANOddTable.size() == EANEvenTable.size() && EANEvenTable.size() == EANRightTable.size());

// ISO/IEC 15420: each set B character is the set C character read backwards. Where the
// published encoding says "set C backwards" (UPC-E, add-ons) we can therefore take set B.
constexpr bool SetBIsSetCReversed()
{
    for (std::size_t digit = 0; digit < EANEvenTable.size(); ++digit) {
        const std::string_view b = EANEvenTable[digit];
        const std::string_view c = EANRightTable[digit];
        if (b.size() != 4 || c.size() != 4)
            return false;
        for (std::size_t i = 0; i < 4; ++i)
            if (b[i] != c[3 - i])
                return false;
    }
    return true;
}
static_assert(SetBIsSetCReversed());

// EAN-13 left-half number sets by the leading (implied) digit, ISO/IEC 15420 table 7.
constexpr std::array<std::string_view, 10> EAN13ParityTable{
    "AAAAAA", // 0 (UPC-A compatible)
    "AABABB", // 1
    "AABBAB", // 2
    "AABBBA", // 3
    "ABAABB", // 4
    "ABBAAB", // 5
    "ABBBAA", // 6
    "ABABAB", // 7
    "ABABBA", // 8
    "ABBABA", // 9
};

// UPC-E parities for number system 0 by check digit ("E" even = set B, "o" odd = set A);
// number system 1 takes the opposite parity. Columns 2 to 6 of a row are the published
// parity pattern of the 5-digit add-on for the same check digit.
constexpr std::array<std::string_view, 10> UPCEParityTable{
    "EEEooo", // 0
    "EEoEoo", // 1
    "EEooEo", // 2
    "EEoooE", // 3
    "EoEEoo", // 4
    "EooEEo", // 5
    "EoooEE", // 6
    "EoEoEo", // 7
    "EoEooE", // 8
    "EooEoE", // 9
};

// 2-digit add-on parities by the value modulo 4.
constexpr std::array<std::string_view, 4> Supp2ParityTable{
    "oo", // 0
    "oE", // 1
    "Eo", // 2
    "EE", // 3
};

static_assert(EAN13ParityTable.size() == 10 && UPCEParityTable.size() == 10);

// Guard patterns and the add-on separator.
constexpr std::string_view kNormalGuard = "505";     // 101
constexpr std::string_view kCentreGuard = "05050";   // 01010
constexpr std::string_view kUPCEEndGuard = "050505"; // 010101
constexpr std::string_view kAddOnStart = "506";      // 1011
constexpr std::string_view kAddOnSeparator = "05";   // 01

// Every digit is four elements (seven modules), in each of the three sets.
constexpr std::size_t kElementsPerDigit = 4;
constexpr bool EveryDigitHasFourElements()
{
    for (std::size_t digit = 0; digit < EANOddTable.size(); ++digit)
        if (EANOddTable[digit].size() != kElementsPerDigit ||
            EANEvenTable[digit].size() != kElementsPerDigit ||
            EANRightTable[digit].size() != kElementsPerDigit)
            return false;
    return true;
}
static_assert(EveryDigitHasFourElements());

// Symbol lengths in pattern characters: guards and digits.
constexpr std::size_t kEAN13PatternLength =
    2 * kNormalGuard.size() + kCentreGuard.size() + 12 * kElementsPerDigit;
constexpr std::size_t kEAN8PatternLength =
    2 * kNormalGuard.size() + kCentreGuard.size() + 8 * kElementsPerDigit;
constexpr std::size_t kUPCEPatternLength = kNormalGuard.size() + kUPCEEndGuard.size() + 6 * kElementsPerDigit;
constexpr std::size_t kSupp5PatternLength =
    kAddOnStart.size() + 4 * kAddOnSeparator.size() + 5 * kElementsPerDigit;
constexpr std::size_t kSupp2PatternLength =
    kAddOnStart.size() + kAddOnSeparator.size() + 2 * kElementsPerDigit;

// A UPC-E in full: number system, six digits, check digit (ISO/IEC 15420).
constexpr std::size_t kUPCEFullDigits = 8;

// Readable names for the UPC-E encoder's number-system argument.
constexpr bool kNumberSystemZero = false;
constexpr bool kNumberSystemOne = true;

enum class NumberSet : std::uint8_t { A, B, C };

std::string_view DigitElements(char digit, NumberSet set)
{
    const auto index = static_cast<std::size_t>(DigitValue(digit));
    switch (set) {
    case NumberSet::A: return EANOddTable[index];
    case NumberSet::B: return EANEvenTable[index];
    case NumberSet::C: break;
    }
    return EANRightTable[index];
}

// Lays a fixed-length symbol out straight into the pattern: the pattern grows once by the symbol's
// length and each guard and digit is copied into place, which keeps measuring a retail code quick.
class SymbolLayout {
public:
    SymbolLayout(std::string& pattern, std::size_t length)
    {
        const std::size_t start = pattern.size();
        pattern.resize(start + length);
        FOut = pattern.data() + start;
        FEnd = FOut + length;
    }

    // A guard or separator, of a length known where it is called, so the copy is a few moves.
    void Put(std::string_view elements) { Copy(elements.data(), elements.size()); }
    // Every digit is four elements: a fixed-size copy.
    void PutDigit(char digit, NumberSet set) { Copy(DigitElements(digit, set).data(), kElementsPerDigit); }

private:
    void Copy(const char* elements, std::size_t count)
    {
        // The lengths are counted from the pieces, so this never fires; it keeps a slip in bounds.
        if (count > static_cast<std::size_t>(FEnd - FOut))
            throw Exception(TFault::Internal, std::string(kBarcodeClassName) + ": internal Error");
        std::memcpy(FOut, elements, count);
        FOut += count;
    }

    char* FOut = nullptr;
    char* FEnd = nullptr;
};

// Checksum with csmNone adds nothing; the typed digits are then drawn as they stand.
bool AppendsCheckDigit(const TBarcode& barcode)
{
    return barcode.Checksum() && barcode.CheckSumMethod() != csmNone;
}

// The digits without their last character (a placeholder), followed by the add-on check digit:
// weights 3 and 9 from the right, the sum modulo 10 taken as it is (the 5-digit add-on check).
std::string AppendSupplementDigit(std::string_view s)
{
    const std::string_view r = s.empty() ? s : s.substr(0, s.size() - 1);
    int sum = 0;
    int weight = 3; // the rightmost digit weighs 3, then 9, 3, 9, ...
    for (auto it = r.rbegin(); it != r.rend(); ++it) {
        sum = (sum + DigitValue(*it) * weight) % 10;
        weight = 12 - weight;
    }
    std::string result(r);
    result += static_cast<char>('0' + sum);
    return result;
}

// The eleven digits of the UPC-A number that six UPC-E digits stand for, under the
// zero-suppression rule chosen by the sixth digit (UPC-E as published in ISO/IEC 15420).
std::string ExpandUPCE(char numberSystem, std::string_view six)
{
    std::string expanded;
    expanded.reserve(11);
    expanded += numberSystem;
    switch (six[5]) {
    case '0':
    case '1':
    case '2': // manufacturer ab + sixth digit + 00, product 00cde
        expanded.append(six.substr(0, 2)).append(1, six[5]).append("0000").append(six.substr(2, 3));
        break;
    case '3': // manufacturer abc00, product 000de
        expanded.append(six.substr(0, 3)).append("00000").append(six.substr(3, 2));
        break;
    case '4': // manufacturer abcd0, product 0000e
        expanded.append(six.substr(0, 4)).append("00000").append(1, six[4]);
        break;
    default: // manufacturer abcde, product 0000 and the sixth digit
        expanded.append(six.substr(0, 5)).append("0000").append(1, six[5]);
        break;
    }
    return expanded;
}

// The UPC-E check digit is that of the UPC-A number it expands to, whatever the check-sum method.
char UPCECheckDigit(char numberSystem, std::string_view six)
{
    return AppendModulo10(ExpandUPCE(numberSystem, six)).back();
}

// The value of a digit string as a 32-bit signed integer, refusing what does not fit.
int ToInt32(const std::string& digits)
{
    long long value = 0;
    for (char c : digits) {
        value = value * 10 + DigitValue(c);
        if (value > INT32_MAX)
            throw Exception(TFault::NotAnInteger, "'" + digits + "' is not a valid integer value");
    }
    return static_cast<int>(value);
}

// One add-on digit: "E" takes set B (set C backwards), "o" takes set A.
void PutAddOnDigit(SymbolLayout& layout, char digit, char parity)
{
    layout.PutDigit(digit, parity == 'E' ? NumberSet::B : NumberSet::A);
}

} // namespace

std::string TBarcode::PadWithZeros(std::size_t n) const
{
    if (FText.size() >= n)
        return FText;
    std::string padded;
    padded.reserve(n);
    padded.append(n - FText.size(), '0').append(FText);
    return padded;
}

// The drawn digits, the check digit included, are what a decoder reads.
TScanText TBarcode::EncodeEAN8(std::string& pattern) const
{
    std::string t;
    if (AppendsCheckDigit(*this)) {
        t = PadWithZeros(7);
        t = ApplyCheckSum(t.substr(t.size() - 7));
    } else {
        t = PadWithZeros(8);
    }
    SymbolLayout layout(pattern, kEAN8PatternLength);
    layout.Put(kNormalGuard);
    for (std::size_t i = 0; i < 4; ++i)
        layout.PutDigit(t[i], NumberSet::A);
    layout.Put(kCentreGuard);
    for (std::size_t i = 4; i < 8; ++i)
        layout.PutDigit(t[i], NumberSet::C);
    layout.Put(kNormalGuard);
    t.resize(8); // a longer Text draws its first eight digits
    return t;
}

TScanText TBarcode::EncodeEAN13(std::string& pattern) const
{
    std::string t = AppendsCheckDigit(*this) ? ApplyCheckSum(PadWithZeros(12)) : PadWithZeros(13);
    // The leading digit is not drawn: it chooses the number sets of the left half.
    const std::string_view parity = EAN13ParityTable[static_cast<std::size_t>(DigitValue(t[0]))];
    SymbolLayout layout(pattern, kEAN13PatternLength);
    layout.Put(kNormalGuard);
    for (std::size_t i = 0; i < 6; ++i)
        layout.PutDigit(t[i + 1], parity[i] == 'A' ? NumberSet::A : NumberSet::B);
    layout.Put(kCentreGuard);
    for (std::size_t i = 7; i < 13; ++i)
        layout.PutDigit(t[i], NumberSet::C);
    layout.Put(kNormalGuard);
    // A decoder reads thirteen digits: the leading one from the parities, then the twelve drawn.
    t.resize(13);
    return t;
}

TScanText TBarcode::EncodeUPCA(std::string& pattern)
{
    FText = PadWithZeros(12);
    if (AppendsCheckDigit(*this))
        FText = ApplyCheckSum(FText.substr(0, 11));
    SymbolLayout layout(pattern, kEAN13PatternLength);
    layout.Put(kNormalGuard);
    for (std::size_t i = 0; i < 6; ++i)
        layout.PutDigit(FText[i], NumberSet::A);
    layout.Put(kCentreGuard);
    for (std::size_t i = 6; i < 12; ++i)
        layout.PutDigit(FText[i], NumberSet::C);
    layout.Put(kNormalGuard);
    return FText.substr(0, 12); // a longer Text draws its first twelve digits
}

TScanText TBarcode::EncodeUPCE0(std::string& pattern)
{
    return EncodeUPCE(pattern, kNumberSystemZero);
}

TScanText TBarcode::EncodeUPCE1(std::string& pattern)
{
    return EncodeUPCE(pattern, kNumberSystemOne);
}

// A decoder reads the number system and the check digit that the parities carry around the six
// drawn digits. Eight digits are a UPC-E in full, as printed under the bars: taken as they stand when
// their number system is the kind's and their check digit holds, refused otherwise, since dropping
// digits would print another number.
TScanText TBarcode::EncodeUPCE(std::string& pattern, bool numberSystemOne)
{
    const char numberSystem = numberSystemOne ? '1' : '0';
    std::string six;
    char check = '0';
    if (FText.size() == kUPCEFullDigits) {
        six = FText.substr(1, 6);
        check = UPCECheckDigit(numberSystem, six);
        if (FText[0] != numberSystem)
            throw Exception(TFault::NumberSystem, std::string("Number system should be ") + numberSystem,
                            std::string(1, numberSystem));
        if (FText.back() != check)
            throw Exception(TFault::CheckDigit, CheckDigitMessage(check), std::string(1, check));
    } else {
        FText = PadWithZeros(7);
        six = FText.substr(0, 6);
        check = UPCECheckDigit(numberSystem, six);
        if (FChecksum)
            FText = six + check;
    }
    const std::string_view parity = UPCEParityTable[static_cast<std::size_t>(check - '0')];
    // Number system 1 inverts every parity of number system 0.
    const char oddParity = numberSystemOne ? 'E' : 'o';
    SymbolLayout layout(pattern, kUPCEPatternLength);
    layout.Put(kNormalGuard);
    for (std::size_t i = 0; i < 6; ++i)
        layout.PutDigit(six[i], parity[i] == oddParity ? NumberSet::A : NumberSet::B);
    layout.Put(kUPCEEndGuard);
    return numberSystem + six + check;
}

TScanText TBarcode::EncodeSupp5(std::string& pattern)
{
    FText = PadWithZeros(5);
    const std::string five = FText.substr(0, 5);
    const std::string checked = AppendSupplementDigit(five + '0');
    if (FChecksum)
        FText = checked;
    // The add-on's check digit is not drawn; it picks the parities from UPC-E columns 2 to 6.
    const std::string_view parity = UPCEParityTable[static_cast<std::size_t>(checked.back() - '0')].substr(1);
    SymbolLayout layout(pattern, kSupp5PatternLength);
    layout.Put(kAddOnStart);
    for (std::size_t i = 0; i < 5; ++i) {
        if (i > 0)
            layout.Put(kAddOnSeparator);
        PutAddOnDigit(layout, five[i], parity[i]);
    }
    return std::nullopt; // the add-ons are read only beside their main symbol
}

TScanText TBarcode::EncodeSupp2(std::string& pattern)
{
    FText = PadWithZeros(2);
    // A Text that an earlier encoding gave its check digit is read without it, so that
    // measuring and then drawing give the same symbol and the same Text.
    const std::string base = TextCarriesCheckDigit() ? FText.substr(0, FText.size() - 1) : FText;
    const int value = ToInt32(base);
    const std::string drawn = base.substr(0, 2);
    int parityValue = value;
    if (FChecksum) {
        const std::string kept = base.substr(0, 5);
        FText = AppendSupplementDigit(kept + '0');
        RememberCheckedText();
        // Only the kept digits survive into Text, so only they may choose the parity.
        parityValue = ToInt32(kept);
    }
    const std::string_view parity = Supp2ParityTable[static_cast<std::size_t>(parityValue % 4)];
    SymbolLayout layout(pattern, kSupp2PatternLength);
    layout.Put(kAddOnStart);
    PutAddOnDigit(layout, drawn[0], parity[0]);
    layout.Put(kAddOnSeparator);
    PutAddOnDigit(layout, drawn[1], parity[1]);
    return std::nullopt; // the add-ons are read only beside their main symbol
}

} // namespace quillon
