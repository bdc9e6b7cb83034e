// The one error class of Quillon: a message meant to be shown to the user as it stands.
#pragma once

#include <stdexcept>
#include <string>

namespace quillon {

class Exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The name the engine's messages carry in place of the class-name placeholder.
inline constexpr const char* kBarcodeClassName = "TBarcode";

} // namespace quillon
