// MSI (Modified Plessey): four bits per digit, closed by a modulo-10 check digit.
#include <array>
#include <string_view>

#include "Barcode.h"
#include "CheckDigits.h"

namespace quillon {
namespace {

// MSI digits: the four bits of the digit, most significant first, each a bar and a space:
// bit 0 is a narrow bar and a wide space ("51"), bit 1 a wide bar and a narrow space ("60").
// Follows the MSI Data Corporation (Modified Plessey) symbology.
constexpr std::array<std::string_view, 10> MSITable{{
    "51515151", // 0 (0000)
    "51515160", // 1 (0001)
    "51516051", // 2 (0010)
    "51516060", // 3 (0011)
    "51605151", // 4 (0100)
    "51605160", // 5 (0101)
    "51606051", // 6 (0110)
    "51606060", // 7 (0111)
    "60515151", // 8 (1000)
    "60515160", // 9 (1001)
}};

// Each row must spell its own digit in binary.
constexpr bool MsiRowsSpellTheirDigits()
{
    for (int digit = 0; digit < 10; ++digit) {
        const std::string_view row = MSITable[digit];
        if (row.size() != 8)
            return false;
        for (int bit = 0; bit < 4; ++bit) {
            const bool set = (digit >> (3 - bit)) & 1;
            if (row.substr(2 * bit, 2) != (set ? "60" : "51"))
                return false;
        }
    }
    return true;
}
static_assert(MsiRowsSpellTheirDigits());

constexpr std::string_view kMsiStart = "60"; // wide bar, narrow space
constexpr std::string_view kMsiStop = "515"; // narrow bar, wide space, narrow bar
constexpr std::size_t kElementsPerDigit = 8;

// The MSI modulo-10 (Luhn-style) check digit: counting from the right, the digits at odd positions
// (the rightmost included) are doubled; the digit sums of the products and the other digits add up.
// Summing digit by digit keeps texts of any length from overflowing: doubling a digit carries at most
// 1, so the digit sum of twice the number equals the sum of the digit sums of its doubled digits.
int MsiCheckDigit(std::string_view digits)
{
    int sum = 0;
    bool doubled = true;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        const int value = DigitValue(*it);
        sum = (sum + (doubled ? DigitSum(2 * value) : value)) % 10;
        doubled = !doubled;
    }
    return (10 - sum) % 10;
}

} // namespace

TScanText TBarcode::EncodeMSI(std::string& pattern) const
{
    pattern.reserve(kMsiStart.size() + (FText.size() + 1) * kElementsPerDigit + kMsiStop.size());
    pattern += kMsiStart;
    for (char digit : FText)
        pattern += MSITable[DigitValue(digit)];
    pattern += MSITable[MsiCheckDigit(FText)]; // always drawn, never stored in Text
    pattern += kMsiStop;
    return std::nullopt; // no common decoder reads it
}

} // namespace quillon
