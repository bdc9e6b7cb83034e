// Where a label printer is: the address of its raw port, as --to takes it, or a CUPS destination.
#pragma once

#include <string>

namespace quillon {

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

// A CUPS destination given by an ipp:// or ipps:// URI rather than by a queue's name.
bool IsIppUri(const std::string& printer);
// A printer named in one field: an ipp URI or a queue's name goes to CUPS; anything with a colon, or in
// brackets, is HOST:PORT of a raw port.
bool NamesRawPort(const std::string& printer);

} // namespace quillon
