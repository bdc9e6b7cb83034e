#include "data/Escape.h"

#include <cstddef>
#include <cstdint>

namespace quillon {
namespace {

// Well-formed UTF-8 byte sequences, The Unicode Standard, Table 3-7: the lead byte range, the range of the
// second byte and the sequence length; the bytes after the second are always 0x80 to 0xBF.
struct TUtf8Row {
    std::uint8_t LeadFirst = 0;
    std::uint8_t LeadLast = 0;
    std::uint8_t SecondFirst = 0;
    std::uint8_t SecondLast = 0;
    std::size_t Length = 0;
};
constexpr TUtf8Row kUtf8Sequences[] = {
    {0xC2, 0xDF, 0x80, 0xBF, 2}, // U+0080..U+07FF
    {0xE0, 0xE0, 0xA0, 0xBF, 3}, // U+0800..U+0FFF, no overlong forms
    {0xE1, 0xEC, 0x80, 0xBF, 3}, // U+1000..U+CFFF
    {0xED, 0xED, 0x80, 0x9F, 3}, // U+D000..U+D7FF, no surrogates
    {0xEE, 0xEF, 0x80, 0xBF, 3}, // U+E000..U+FFFF
    {0xF0, 0xF0, 0x90, 0xBF, 4}, // U+10000..U+3FFFF, no overlong forms
    {0xF1, 0xF3, 0x80, 0xBF, 4}, // U+40000..U+FFFFF
    {0xF4, 0xF4, 0x80, 0x8F, 4}, // U+100000..U+10FFFF, nothing beyond
};

std::uint8_t ByteAt(std::string_view text, std::size_t index)
{
    return static_cast<std::uint8_t>(text[index]);
}

// The length of the well-formed sequence that starts at `index`, or 0 when there is none.
std::size_t SequenceLength(std::string_view text, std::size_t index)
{
    const std::uint8_t lead = ByteAt(text, index);
    for (const TUtf8Row& row : kUtf8Sequences) {
        if (lead < row.LeadFirst || lead > row.LeadLast)
            continue;
        if (index + row.Length > text.size())
            return 0;
        const std::uint8_t second = ByteAt(text, index + 1);
        if (second < row.SecondFirst || second > row.SecondLast)
            return 0;
        for (std::size_t next = index + 2; next < index + row.Length; ++next)
            if (ByteAt(text, next) < 0x80 || ByteAt(text, next) > 0xBF)
                return 0;
        return row.Length;
    }
    return 0;
}

bool IsControl(std::string_view text, std::size_t index, std::size_t length)
{
    const std::uint8_t lead = ByteAt(text, index);
    if (length == 1)
        return lead < 0x20 || lead == 0x7F;
    return lead == 0xC2 && ByteAt(text, index + 1) < 0xA0; // C1 controls, such as the CSI U+009B
}

void AppendEscaped(std::string& out, std::uint8_t byte)
{
    constexpr char kHexDigits[] = "0123456789ABCDEF";
    out += "\\x";
    out += kHexDigits[byte >> 4];
    out += kHexDigits[byte & 0x0F];
}

} // namespace

std::string EscapeForMessage(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t index = 0; index < text.size();) {
        std::size_t length = ByteAt(text, index) < 0x80 ? 1 : SequenceLength(text, index);
        if (length == 0 || IsControl(text, index, length)) {
            AppendEscaped(out, ByteAt(text, index));
            ++index;
            continue;
        }
        out.append(text.substr(index, length));
        index += length;
    }
    return out;
}

} // namespace quillon
