#include "label/send/PrinterAddress.h"

#include <charconv>
#include <stdexcept>

namespace quillon {

namespace {

constexpr int kMaxPort = 65535;

} // namespace

std::string RawPrinterAddress::Name() const
{
    const bool v6 = host.find(':') != std::string::npos;
    return (v6 ? "[" + host + "]" : host) + ":" + std::to_string(port);
}

RawPrinterAddress ParseRawPrinterAddress(const std::string& text)
{
    RawPrinterAddress address;
    std::string_view portText;
    if (text.starts_with('[')) { // [IPv6]:PORT
        const std::size_t close = text.find(']');
        if (close == std::string::npos)
            throw std::invalid_argument("an IPv6 address needs its closing ]");
        address.host = text.substr(1, close - 1);
        const std::string_view rest = std::string_view(text).substr(close + 1);
        if (!rest.empty() && rest[0] != ':')
            throw std::invalid_argument("expected :PORT after ]");
        portText = rest.empty() ? rest : rest.substr(1);
    } else {
        const std::size_t colon = text.rfind(':');
        address.host = text.substr(0, colon);
        if (colon != std::string::npos)
            portText = std::string_view(text).substr(colon + 1);
        if (colon != std::string::npos && text.find(':') != colon)
            throw std::invalid_argument("write an IPv6 address in brackets, as [::1]:9100");
    }
    if (address.host.empty())
        throw std::invalid_argument("no host");
    if (!portText.empty() || text.ends_with(':')) {
        int port = 0;
        const auto [end, error] = std::from_chars(portText.data(), portText.data() + portText.size(), port);
        if (portText.empty() || error != std::errc() || end != portText.data() + portText.size() ||
            port < 1 || port > kMaxPort)
            throw std::invalid_argument("the port is a whole number from 1 to 65535");
        address.port = port;
    }
    return address;
}

bool IsIppUri(const std::string& printer)
{
    return printer.starts_with("ipp://") || printer.starts_with("ipps://");
}

bool NamesRawPort(const std::string& printer)
{
    // CUPS queue names never hold a colon or a bracket.
    return !IsIppUri(printer) && (printer.find(':') != std::string::npos || printer.starts_with('['));
}

} // namespace quillon
