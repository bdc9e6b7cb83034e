// The full-ASCII forms of Code 39 and Code 93: every ASCII character as one or two characters of
// the basic set, some of them behind one of four shift characters.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quillon {

// The full-ASCII table of ISO/IEC 16388: each code 0..127 as one or two
// characters of the basic set, with "$", "%", "/" and "+" as shift characters. "-" and "." take their
// shifted forms /M and /N too, which every full-ASCII reader turns back into themselves.
inline constexpr std::array<std::string_view, 128> Code39ExtendedTable{{
    "%U", //   0 NUL
    "$A", //   1 SOH
    "$B", //   2 STX
    "$C", //   3 ETX
    "$D", //   4 EOT
    "$E", //   5 ENQ
    "$F", //   6 ACK
    "$G", //   7 BEL
    "$H", //   8 BS
    "$I", //   9 HT
    "$J", //  10 LF
    "$K", //  11 VT
    "$L", //  12 FF
    "$M", //  13 CR
    "$N", //  14 SO
    "$O", //  15 SI
    "$P", //  16 DLE
    "$Q", //  17 DC1
    "$R", //  18 DC2
    "$S", //  19 DC3
    "$T", //  20 DC4
    "$U", //  21 NAK
    "$V", //  22 SYN
    "$W", //  23 ETB
    "$X", //  24 CAN
    "$Y", //  25 EM
    "$Z", //  26 SUB
    "%A", //  27 ESC
    "%B", //  28 FS
    "%C", //  29 GS
    "%D", //  30 RS
    "%E", //  31 US
    " ",  //  32 blank
    "/A", //  33 !
    "/B", //  34 "
    "/C", //  35 #
    "/D", //  36 $
    "/E", //  37 %
    "/F", //  38 &
    "/G", //  39 '
    "/H", //  40 (
    "/I", //  41 )
    "/J", //  42 *
    "/K", //  43 +
    "/L", //  44 ,
    "/M", //  45 -
    "/N", //  46 .
    "/O", //  47 /
    "0",  //  48 0
    "1",  //  49 1
    "2",  //  50 2
    "3",  //  51 3
    "4",  //  52 4
    "5",  //  53 5
    "6",  //  54 6
    "7",  //  55 7
    "8",  //  56 8
    "9",  //  57 9
    "/Z", //  58 :
    "%F", //  59 ;
    "%G", //  60 <
    "%H", //  61 =
    "%I", //  62 >
    "%J", //  63 ?
    "%V", //  64 @
    "A",  //  65 A
    "B",  //  66 B
    "C",  //  67 C
    "D",  //  68 D
    "E",  //  69 E
    "F",  //  70 F
    "G",  //  71 G
    "H",  //  72 H
    "I",  //  73 I
    "J",  //  74 J
    "K",  //  75 K
    "L",  //  76 L
    "M",  //  77 M
    "N",  //  78 N
    "O",  //  79 O
    "P",  //  80 P
    "Q",  //  81 Q
    "R",  //  82 R
    "S",  //  83 S
    "T",  //  84 T
    "U",  //  85 U
    "V",  //  86 V
    "W",  //  87 W
    "X",  //  88 X
    "Y",  //  89 Y
    "Z",  //  90 Z
    "%K", //  91 [
    "%L", //  92 backslash
    "%M", //  93 ]
    "%N", //  94 ^
    "%O", //  95 _
    "%W", //  96 `
    "+A", //  97 a
    "+B", //  98 b
    "+C", //  99 c
    "+D", // 100 d
    "+E", // 101 e
    "+F", // 102 f
    "+G", // 103 g
    "+H", // 104 h
    "+I", // 105 i
    "+J", // 106 j
    "+K", // 107 k
    "+L", // 108 l
    "+M", // 109 m
    "+N", // 110 n
    "+O", // 111 o
    "+P", // 112 p
    "+Q", // 113 q
    "+R", // 114 r
    "+S", // 115 s
    "+T", // 116 t
    "+U", // 117 u
    "+V", // 118 v
    "+W", // 119 w
    "+X", // 120 x
    "+Y", // 121 y
    "+Z", // 122 z
    "%P", // 123 {
    "%Q", // 124 |
    "%R", // 125 }
    "%S", // 126 ~
    "%T", // 127 DEL
}};

// The four shift characters as a symbology writes them. Code 39 uses "$", "%", "/" and "+" themselves;
// Code 93 has dedicated shift characters, written "[", "]", "{" and "}", and its full-ASCII table is
// Code 39's with those substituted.
struct ShiftCharacters {
    char dollar = '$';
    char percent = '%';
    char slash = '/';
    char plus = '+';
};
inline constexpr ShiftCharacters kCode39Shifts{};
inline constexpr ShiftCharacters kCode93Shifts{.dollar = '[', .percent = ']', .slash = '{', .plus = '}'};

// A character of a full-ASCII entry as the symbology writes it.
constexpr char WithShifts(char c, ShiftCharacters shifts)
{
    switch (c) {
    case '$': return shifts.dollar;
    case '%': return shifts.percent;
    case '/': return shifts.slash;
    case '+': return shifts.plus;
    default: return c;
    }
}

// `text` rewritten in full-ASCII form, or nothing when it holds a character of code 128 or above.
std::optional<std::string> ToFullAscii(std::string_view text, ShiftCharacters shifts);

// What a full-ASCII reader makes of `text`: each shift character and its follower read as the character
// the table gives them; nothing when a shift has no follower or one the table does not pair it with.
std::optional<std::string> ReadFullAscii(std::string_view text, ShiftCharacters shifts);

} // namespace quillon
