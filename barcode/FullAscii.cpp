#include "FullAscii.h"

namespace quillon {

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

} // namespace quillon
