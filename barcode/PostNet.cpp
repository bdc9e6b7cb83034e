// POSTNET: each digit as five one-module bars, two full and three short, on wide spaces.
#include <array>
#include <string_view>

#include "Barcode.h"
#include "CheckDigits.h"

namespace quillon {
namespace {

// POSTNET digits: five bars ("5" full, "A" short), each followed by a wide space "1". The full bars
// weigh 7, 4, 2, 1, 0 from the left and add up to the digit, 11 standing for 0.
// Follows USPS Publication 25 (the POSTNET code).
constexpr std::array<std::string_view, 10> PostNetTable{{
    "5151A1A1A1", // 0 (7+4)
    "A1A1A15151", // 1 (1+0)
    "A1A151A151", // 2 (2+0)
    "A1A15151A1", // 3 (2+1)
    "A151A1A151", // 4 (4+0)
    "A151A151A1", // 5 (4+1)
    "A15151A1A1", // 6 (4+2)
    "51A1A1A151", // 7 (7+0)
    "51A1A151A1", // 8 (7+1)
    "51A151A1A1", // 9 (7+2)
}};

// Each row must hold five bars on wide spaces, two of them full, whose weights give its digit.
constexpr bool PostNetRowsWeighTheirDigits()
{
    constexpr std::array<int, 5> weights{7, 4, 2, 1, 0};
    for (int digit = 0; digit < 10; ++digit) {
        const std::string_view row = PostNetTable[digit];
        if (row.size() != 10)
            return false;
        int value = 0;
        int fullBars = 0;
        for (std::size_t bar = 0; bar < weights.size(); ++bar) {
            if (row[2 * bar + 1] != '1' || (row[2 * bar] != '5' && row[2 * bar] != 'A'))
                return false;
            if (row[2 * bar] == '5') {
                value += weights[bar];
                ++fullBars;
            }
        }
        if (fullBars != 2 || (value == 11 ? 0 : value) != digit)
            return false;
    }
    return true;
}
static_assert(PostNetRowsWeighTheirDigits());

constexpr std::string_view kPostNetStart = "51"; // full frame bar, wide space
constexpr std::string_view kPostNetStop = "5";   // full frame bar
constexpr std::size_t kElementsPerDigit = 10;

} // namespace

TScanText TBarcode::EncodePostNet(std::string& pattern) const
{
    pattern.reserve(kPostNetStart.size() + FText.size() * kElementsPerDigit + kPostNetStop.size());
    pattern += kPostNetStart;
    for (char digit : FText)
        pattern += PostNetTable[DigitValue(digit)];
    pattern += kPostNetStop;
    return std::nullopt; // no common decoder reads it
}

} // namespace quillon
