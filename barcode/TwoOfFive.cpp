// Two-of-five symbologies: interleaved, industrial and matrix, all built on one digit table.
#include <algorithm>
#include <array>
#include <string_view>

#include "Barcode.h"
#include "CheckDigits.h"

namespace quillon {
namespace {

// The two-of-five digit table: five elements per digit, "1" wide and "0" narrow, exactly two wide.
// Follows ANSI/AIM BC2 (USS Interleaved 2 of 5); industrial and matrix two-of-five use the same table.
constexpr std::array<std::string_view, 10> TwoOfFiveTable{{
    "00110", // 0
    "10001", // 1
    "01001", // 2
    "11000", // 3
    "00101", // 4
    "10100", // 5
    "01100", // 6
    "00011", // 7
    "10010", // 8
    "01010", // 9
}};

constexpr bool IsTwoWideOfFive(std::string_view flags)
{
    return flags.size() == 5 && std::ranges::count(flags, '1') == 2 && std::ranges::count(flags, '0') == 3;
}
static_assert(std::ranges::all_of(TwoOfFiveTable, IsTwoWideOfFive));

constexpr std::string_view kInterleavedStart = "5050"; // narrow bar, space, bar, space
constexpr std::string_view kInterleavedStop = "605";   // wide bar, narrow space, narrow bar
constexpr std::string_view kIndustrialStart = "606050";
constexpr std::string_view kIndustrialStop = "605060";
constexpr std::string_view kMatrixStart = "705050"; // the start bar is one and a half wide
constexpr std::string_view kMatrixStop = "70505";

constexpr std::size_t kElementsPerDigit = 5;

std::string_view FlagsOf(char digit)
{
    return TwoOfFiveTable[DigitValue(digit)];
}

// A flag "1" or "0" as a wide or narrow bar ("6"/"5") or space ("1"/"0").
char BarFor(char flag)
{
    return static_cast<char>(flag + 5);
}
char SpaceFor(char flag)
{
    return flag;
}

} // namespace

TScanText TBarcode::Encode2of5Interleaved(std::string& pattern)
{
    // Digits pair up, the first of a pair in the bars and the second in the spaces. An odd count
    // gets a leading zero, kept in Text, so that no digit is silently dropped.
    if (FText.size() % 2 != 0)
        FText.insert(0, 1, '0');
    pattern.reserve(kInterleavedStart.size() + FText.size() * kElementsPerDigit + kInterleavedStop.size());
    pattern += kInterleavedStart;
    for (std::size_t i = 0; i + 1 < FText.size(); i += 2) {
        const std::string_view bars = FlagsOf(FText[i]);
        const std::string_view spaces = FlagsOf(FText[i + 1]);
        for (std::size_t j = 0; j < kElementsPerDigit; ++j) {
            pattern += BarFor(bars[j]);
            pattern += SpaceFor(spaces[j]);
        }
    }
    pattern += kInterleavedStop;
    return FText; // the leading zero is drawn and read
}

TScanText TBarcode::Encode2of5Industrial(std::string& pattern) const
{
    // Only the bars carry the code; every space is narrow.
    pattern.reserve(kIndustrialStart.size() + FText.size() * 2 * kElementsPerDigit + kIndustrialStop.size());
    pattern += kIndustrialStart;
    for (char digit : FText) {
        for (char flag : FlagsOf(digit)) {
            pattern += BarFor(flag);
            pattern += '0';
        }
    }
    pattern += kIndustrialStop;
    return std::nullopt; // no common decoder reads it
}

TScanText TBarcode::Encode2of5Matrix(std::string& pattern) const
{
    // Bars and spaces alternate through the five flags (bar, space, bar, space, bar), and a narrow
    // space separates one digit from the next.
    pattern.reserve(kMatrixStart.size() + FText.size() * (kElementsPerDigit + 1) + kMatrixStop.size());
    pattern += kMatrixStart;
    for (char digit : FText) {
        const std::string_view flags = FlagsOf(digit);
        for (std::size_t j = 0; j < kElementsPerDigit; ++j)
            pattern += j % 2 == 0 ? BarFor(flags[j]) : SpaceFor(flags[j]);
        pattern += '0';
    }
    pattern += kMatrixStop;
    return std::nullopt; // no common decoder reads it
}

} // namespace quillon
