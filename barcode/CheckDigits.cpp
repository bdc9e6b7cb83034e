#include "CheckDigits.h"

#include <cstdint>

#include "Exception.h"

namespace quillon {

void ThrowNotAnInteger(char c)
{
    throw Exception(TFault::NotAnInteger, "'" + std::string(1, c) + "' is not a valid integer value");
}

std::string CheckDigitMessage(char digit)
{
    return std::string("Check digit should be ") + digit;
}

std::string AppendModulo10(std::string_view digits)
{
    // From the right, digits weigh 3, 1, 3, 1, ...: taken in pairs, each pair adds 3 times its right
    // digit and its left one. At most 36 a pair, so no string that fits in memory overflows the sum.
    std::uint64_t sum = 0;
    std::size_t left = digits.size();
    for (; left >= 2; left -= 2) {
        const int weighsThree = DigitValue(digits[left - 1]); // a bad digit is met from the right
        const int weighsOne = DigitValue(digits[left - 2]);
        sum += static_cast<std::uint64_t>(3 * weighsThree + weighsOne);
    }
    if (left == 1)
        sum += static_cast<std::uint64_t>(3 * DigitValue(digits[0]));
    const auto check = static_cast<char>('0' + (10 - sum % 10) % 10);
    std::string result(digits);
    result += check;
    return result;
}

void AppendWidthDigits(std::string& pattern, std::string_view widthDigits)
{
    for (std::size_t i = 0; i < widthDigits.size(); ++i) {
        const bool isBar = i % 2 == 0; // 1-based odd positions are bars
        pattern += static_cast<char>(widthDigits[i] - 1 + (isBar ? 5 : 0));
    }
}

std::string WidthDigitsToPattern(std::string_view widthDigits)
{
    std::string pattern;
    pattern.reserve(widthDigits.size());
    AppendWidthDigits(pattern, widthDigits);
    return pattern;
}

int DigitSum(long long n)
{
    int sum = 0;
    for (; n > 0; n /= 10)
        sum += static_cast<int>(n % 10);
    return sum;
}

} // namespace quillon
