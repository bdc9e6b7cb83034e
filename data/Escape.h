// Escaping of names for messages: a file name is bytes, and a message must not let them steer the terminal.
#pragma once

#include <string>
#include <string_view>

namespace quillon {

// The bytes of `text` with control bytes (below 0x20, 0x7f, the C1 controls U+0080 to U+009F) and bytes
// that are not well-formed UTF-8 written as \xNN; everything else, including valid UTF-8, is kept.
std::string EscapeForMessage(std::string_view text);

// The value of a hexadecimal digit, either case, or -1 for any other character.
inline int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace quillon
