// GS1 data: the bracketed "(AI)value" form people type, checked against each Application Identifier's
// format, and the element string a GS1 symbol carries. Plain C++.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

struct TGs1Element {
    std::string Ai;    // "01", "10", "3103", ...
    std::string Value; // as it follows the AI
    friend bool operator==(const TGs1Element&, const TGs1Element&) = default;
};

// What is wrong with GS1 data; the message says it in full.
enum class TGs1Fault : std::uint8_t {
    Syntax,     // not "(AI)value" pairs
    UnknownAi,  // a number in brackets that is no Application Identifier
    Format,     // wrong length, or letters where digits belong
    Character,  // a character outside the GS1 set of 82
    CheckDigit, // the check digit of a GTIN, SSCC, GLN, ... does not hold
    Date,       // not a date (YYMMDD), or not a time of day
    Repeated,   // the same AI twice
};

struct TGs1Error {
    TGs1Fault Fault = TGs1Fault::Syntax;
    std::string Message; // "(01): check digit should be 3"
};

// Either the elements, in the order given, or what is wrong.
struct TGs1Result {
    std::vector<TGs1Element> Elements{};
    std::optional<TGs1Error> Error{};
};

// Reads "(01)09501101530003(17)250101(10)ABC123". A "(" always opens an AI, so values cannot hold one.
TGs1Result ParseGs1(std::string_view bracketed);

// A GTIN alone, as GS1 DataBar Omnidirectional carries it: "(01)" and 14 digits, or the 8, 12, 13 or 14
// digits of a GTIN with its check digit, set right in the 14 digits of AI (01).
TGs1Result ParseGtin(std::string_view text);

// "(01)09501101530003(10)ABC123": the human-readable line.
std::string BracketedText(const std::vector<TGs1Element>& elements);

// The element string a symbol carries after its leading FNC1: AIs and values, with a GS (29) ending
// each element whose length is not predefined by its AI, except the last.
std::string ElementString(const std::vector<TGs1Element>& elements);

// The elements of an element string read from a symbol, or nothing when it does not divide into AIs.
// Lengths and separators are followed; the values are not checked.
std::optional<std::vector<TGs1Element>> ParseElementString(std::string_view elementString);

// Whether the AI's element has a length the AI itself fixes, so no separator needs to follow it.
bool HasPredefinedLength(std::string_view ai);

} // namespace quillon
