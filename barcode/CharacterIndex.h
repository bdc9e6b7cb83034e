// TCharacterIndex: where each byte stands in a symbology's character table, found in one step.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace quillon {

// A 256-entry lookup from a byte to the row of a character table that holds it, built once at
// compile time from one column of the table. Code 39, Code 93, Code 128 and Codabar share it.
class TCharacterIndex {
public:
    // For every byte, the first row whose `column` holds it; searching from row 0 means that a
    // character listed twice (such as Code 128's blank placeholders) is found at its first row.
    template <class Row, std::size_t N>
    static constexpr TCharacterIndex Of(const std::array<Row, N>& table, char Row::*column)
    {
        static_assert(N <= std::numeric_limits<std::int8_t>::max(), "rows must fit the index");
        TCharacterIndex index;
        index.FRows.fill(kNone);
        for (std::size_t row = N; row-- > 0;)
            index.FRows[static_cast<unsigned char>(table[row].*column)] = static_cast<std::int8_t>(row);
        return index;
    }

    // The row that holds c, or -1 when the table has no such character.
    constexpr int operator()(char c) const { return FRows[static_cast<unsigned char>(c)]; }

private:
    static constexpr std::int8_t kNone = -1;
    std::array<std::int8_t, 256> FRows{};
};

} // namespace quillon
