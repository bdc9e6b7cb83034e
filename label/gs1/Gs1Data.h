// GS1 data: the bracketed "(AI)value" form people type, judged as GS1's Barcode Syntax Dictionary
// judges it (label/gs1/Gs1Table.h), and the element string a GS1 symbol carries. Plain C++.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "label/gs1/Gs1Linters.h"

namespace quillon {

struct TGs1Element {
    std::string Ai;    // "01", "10", "3103", ...
    std::string Value; // as it follows the AI, a typed "\(" as "("
    friend bool operator==(const TGs1Element&, const TGs1Element&) = default;
};

// What is wrong, as a value: the fault and its arguments; Message words it in English.
struct TGs1Error {
    TGs1Fault Fault = TGs1Fault::Syntax;
    std::string Ai{};         // the AI at fault; for Excludes the first of the two
    int Component = 0;        // 1-based, in an AI of several components; 0: the value as a whole
    std::string Text{};       // what is at fault: the component, a character, the text in brackets,
                              // the other AI of Excludes
    std::string Detail{};     // the rule's argument: the check digit due, the AIs required, ...
    int Length = 0;           // for the length faults: the length due, least or most
    std::size_t Position = 0; // for Syntax: where in the typed text
    std::string Message{};    // "(01): check digit should be 3"
};

// Either the elements, in the order given, or what is wrong.
struct TGs1Result {
    std::vector<TGs1Element> Elements{};
    std::optional<TGs1Error> Error{};
};

// Every fault of the data, not only the first: a fault in the brackets ends the reading, a fault in a
// value is noted and the reading goes on, then the AIs are checked against each other.
struct TGs1Check {
    std::vector<TGs1Element> Elements{};
    std::vector<TGs1Error> Faults{};
};

// Reads "(01)09501101530003(17)250101(10)ABC123": every AI known to GS1's syntax dictionary, each
// component of its value of its character set and length and passing its linters, every AI with the
// AIs it requires and none it excludes. "\(" stands for a "(" inside a value. An AI given again with
// the same value is taken once, as GS1 processing does (the GenSpecs let an element
// repeat only with identical data); with another value it is refused.
TGs1Check CheckGs1(std::string_view bracketed);
// The same, with the first fault only.
TGs1Result ParseGs1(std::string_view bracketed);

// A GTIN alone, as GS1 DataBar Omnidirectional carries it: "(01)" and 14 digits, or the 8, 12, 13 or 14
// digits of a GTIN with its check digit, set right in the 14 digits of AI (01).
TGs1Result ParseGtin(std::string_view text);

// The English sentence of a fault.
std::string Gs1Message(const TGs1Error& error);

// The title GS1 gives an AI ("BATCH/LOT"), or "" for none.
std::string_view Gs1Title(std::string_view ai);

// "(01)09501101530003(10)ABC123": the human-readable line, a "(" inside a value written "\(" so that
// ParseGs1 reads it back as it was.
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
