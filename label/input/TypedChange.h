// Whether a label prints what was typed: the one rule that the window's status line, its runs of many
// labels and quillon-cli's bulk runs apply to every code.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "barcode/Barcode.h"

namespace quillon {

// Why the printed text differs from the typed one.
enum class TChangeWhy : std::uint8_t {
    ZerosPadded,        // the kind takes more digits: zeros were put in front
    DigitsLeftOut,      // the kind takes fewer digits: the rest were left out
    CheckDigitReplaced, // the typed check digit is wrong, and the right one prints in its place
    PairsPadded,        // the kind takes pairs of digits: a 0 was put in front
    BlanksLeftOut,      // blanks and control characters were left out
    Other,              // the kind changed what was typed otherwise
};

struct TTypedChange {
    std::string Typed{};   // as typed
    std::string Printed{}; // what the bars encode, as a scanner reads them (or the code line)
    TChangeWhy Why = TChangeWhy::Other;
};

// Nothing when `barcode`, whose Text was set to `typed`, prints the typed code under the changes the
// kinds document, which are no changes of the number: a check digit added when the switch asks for one,
// and a UPC-E shown in full (its number system in front, and the check digit its parities always carry).
// Else what prints and why. What should print is worked out from the typed text and the kind, never
// taken from the engine's rewrite of it. Encodes a copy when the barcode changed since it was drawn, so the
// engine's errors propagate.
std::optional<TTypedChange> TypedChange(std::string_view typed, const TBarcode& barcode);

// "prints 00123457, not 0123456 as typed": quillon-cli's words for a change.
std::string TypedChangeMessage(const TTypedChange& change);

} // namespace quillon
