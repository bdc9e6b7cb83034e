// Steps shared by several symbologies: the modulo-10 check digit, width digits, digit sums.
#pragma once

#include <string>
#include <string_view>

namespace quillon {

// The digits followed by their modulo-10 check digit (weights 3 and 1, the rightmost digit weighing 3).
// A non-digit raises "'c' is not a valid integer value".
std::string AppendModulo10(std::string_view digits);

// Width digits "1".."4", bar first and alternating, to bar-pattern characters of width class 0..3.
std::string WidthDigitsToPattern(std::string_view widthDigits);
// The same, appended to a pattern under construction.
void AppendWidthDigits(std::string& pattern, std::string_view widthDigits);

// The sum of the decimal digits of n; 0 when n is below 1.
int DigitSum(long long n);

// "Check digit should be 0": a check digit typed wrong, as the engine refuses it and the proof of a
// printed label names it.
std::string CheckDigitMessage(char digit);

// Raises the integer conversion error, "'c' is not a valid integer value".
[[noreturn]] void ThrowNotAnInteger(char c);

// The value of one decimal digit character; raises the integer conversion error for anything else.
// Inline: the encoders call it for every digit they draw.
inline int DigitValue(char c)
{
    if (c < '0' || c > '9')
        ThrowNotAnInteger(c);
    return c - '0';
}

} // namespace quillon
