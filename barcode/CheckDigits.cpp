#include "CheckDigits.h"

#include "Exception.h"

namespace quillon {

int DigitValue(char c)
{
    if (c < '0' || c > '9')
        throw Exception("'" + std::string(1, c) + "' is not a valid integer value");
    return c - '0';
}

std::string AppendModulo10(std::string_view digits)
{
    int sum = 0;
    int weight = 3; // the rightmost digit weighs 3, then 1, 3, 1, ...
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        sum = (sum + DigitValue(*it) * weight) % 10;
        weight = 4 - weight;
    }
    const int check = sum == 0 ? 0 : 10 - sum;
    std::string result(digits);
    result += static_cast<char>('0' + check);
    return result;
}

std::string WidthDigitsToPattern(std::string_view widthDigits)
{
    std::string pattern;
    pattern.reserve(widthDigits.size());
    for (std::size_t i = 0; i < widthDigits.size(); ++i) {
        const bool isBar = i % 2 == 0; // 1-based odd positions are bars
        pattern += static_cast<char>(widthDigits[i] - 1 + (isBar ? 5 : 0));
    }
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
