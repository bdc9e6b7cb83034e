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

// The sum of the decimal digits of n; 0 when n is below 1.
int DigitSum(long long n);

// The value of one decimal digit character; raises the integer conversion error for anything else.
int DigitValue(char c);

} // namespace quillon
