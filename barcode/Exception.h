// The one error class of Quillon: a message meant to be shown to the user as it stands.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>

namespace quillon {

// What an engine or label refusal is about, for a caller that words it in the user's language (the
// window); the message stays the English the command line prints.
enum class TFault : std::uint8_t {
    Other,        // worded by its message alone
    NotNumeric,   // the kind takes digits only
    BadCharacter, // a character the kind cannot carry
    WrongKind,    // a kind outside the table
    TooWide,      // too wide to draw
    Internal,
    NotAnInteger, // a digit was expected
    CheckDigit,   // Detail: the digit that should stand
    NumberSystem, // Detail: the digit that should stand
    LabelTooLarge,
    LabelEmpty,
    OutOfMemory,
};

class Exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    Exception(TFault fault, const std::string& message, std::string detail = {})
        : std::runtime_error(message), FFault(fault), FDetail(std::move(detail))
    {
    }

    TFault Fault() const { return FFault; }
    const std::string& Detail() const { return FDetail; }

private:
    TFault FFault = TFault::Other;
    std::string FDetail{};
};

// The name the engine's messages carry in place of the class-name placeholder.
inline constexpr const char* kBarcodeClassName = "TBarcode";

} // namespace quillon
