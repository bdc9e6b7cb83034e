// The GS1 Application Identifiers as GS1's Barcode Syntax Dictionary defines them: each AI or run of
// AIs with its flags, its components (character set, length, linters), the AIs it requires and
// excludes, and its title. The table itself is generated from the dictionary (label/gs1/Gs1Table.inc).
// Plain C++.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "label/gs1/Gs1Linters.h"

namespace quillon {

// The character sets of GS1 values.
enum class TGs1Cset : std::uint8_t {
    Numeric,   // N: digits
    Cset82,    // X: the GS1 AI encodable character set 82
    Cset39,    // Y: the GS1 character set 39 (# - / 0-9 A-Z)
    Base64Url, // Z: the GS1 character set 64, file-safe base 64 with "=" padding
};

inline constexpr std::size_t kGs1MaxLinters = 3;    // per component
inline constexpr std::size_t kGs1MaxComponents = 5; // per AI
inline constexpr std::size_t kGs1MaxRequisites = 2; // req= attributes per AI

// One component of an AI's value: MinLength == MaxLength for a fixed length; a variable one has a
// least length of 1 and is always the last that is not optional.
struct TGs1Component {
    TGs1Cset Cset = TGs1Cset::Numeric;
    std::uint8_t MinLength = 0;
    std::uint8_t MaxLength = 0;
    bool Optional = false;
    std::array<TGs1Linter, kGs1MaxLinters> Linters{}; // the first None ends them

    constexpr bool FixedLength() const { return MinLength == MaxLength; }
};

struct TGs1AiEntry {
    std::string_view First; // the AI, or the first of a run such as 3100-3105
    std::string_view Last;
    bool PredefinedLength = false;     // "*": no separator needs to follow it
    bool DigitalLinkAttribute = false; // "?": allowed as a GS1 Digital Link data attribute
    std::array<TGs1Component, kGs1MaxComponents> Components{};
    std::uint8_t ComponentCount = 0;
    // Each requisite: alternatives separated by ",", each a set of AIs or patterns ("31nn") joined by
    // "+". Every requisite must be met by one of its alternatives.
    std::array<std::string_view, kGs1MaxRequisites> Requires{};
    std::string_view Excludes{};   // AIs or patterns ("394n") that must not stand with it, by ","
    bool PrimaryKey = false;       // a GS1 Digital Link primary key
    std::string_view Qualifiers{}; // its qualifiers' sequences, "22,10,21|235"
    std::string_view Title{};

    constexpr std::span<const TGs1Component> Parts() const { return {Components.data(), ComponentCount}; }
};

// The dictionary release the table was generated from, such as "2026-01-27".
extern const std::string_view kGs1DictionaryRelease;

// Every entry, in the dictionary's (lexical) order.
std::span<const TGs1AiEntry> Gs1AiTable();

// The entry of an AI of 2 to 4 digits, or null when it is no Application Identifier.
const TGs1AiEntry* FindGs1Ai(std::string_view ai);

} // namespace quillon
