// The address of a label printer's raw port, as --to takes it.
#pragma once

#include <string>

namespace quillon::cli {

// The raw port label printers listen on.
inline constexpr int kRawPrinterPort = 9100;

// HOST:PORT, HOST alone (port 9100) or [IPv6]:PORT.
struct RawPrinterAddress {
    std::string host;
    int port = kRawPrinterPort;

    std::string Name() const; // "HOST:PORT", as messages name it
};
// Raises std::invalid_argument with the reason for anything else.
RawPrinterAddress ParseRawPrinterAddress(const std::string& text);

} // namespace quillon::cli
