#include "FullAscii.h"

namespace quillon {
namespace {

bool IsShift(char c, ShiftCharacters shifts)
{
    return c == shifts.dollar || c == shifts.percent || c == shifts.slash || c == shifts.plus;
}

// The character a shift character and its follower stand for in the full-ASCII table, or nothing.
std::optional<char> FullAsciiCharacter(char shift, char follower, ShiftCharacters shifts)
{
    for (std::size_t code = 0; code < Code39ExtendedTable.size(); ++code) {
        const std::string_view entry = Code39ExtendedTable[code];
        if (entry.size() == 2 && WithShifts(entry[0], shifts) == shift && entry[1] == follower)
            return static_cast<char>(code);
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> ToFullAscii(std::string_view text, ShiftCharacters shifts)
{
    std::string rewritten;
    rewritten.reserve(text.size() * 2);
    for (char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (code >= Code39ExtendedTable.size())
            return std::nullopt;
        for (char basic : Code39ExtendedTable[code])
            rewritten += WithShifts(basic, shifts);
    }
    return rewritten;
}

std::optional<std::string> ReadFullAscii(std::string_view text, ShiftCharacters shifts)
{
    std::string reading;
    reading.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!IsShift(text[i], shifts)) {
            reading += text[i];
            continue;
        }
        const std::optional<char> c =
            i + 1 < text.size() ? FullAsciiCharacter(text[i], text[i + 1], shifts) : std::nullopt;
        if (!c)
            return std::nullopt;
        reading += *c;
        ++i;
    }
    return reading;
}

} // namespace quillon
