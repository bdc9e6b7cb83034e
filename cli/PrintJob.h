// Hands a finished job to a printer: raw bytes over TCP to a label printer's raw port, or a document
// through CUPS. Each sender either hands over the whole job or raises PrintFailure saying why.
#pragma once

#include <chrono>
#include <stdexcept>
#include <string>
#include <string_view>

#include "PrinterAddress.h"

namespace quillon::cli {

// A job that could not be handed over; main prints the message and exits with status 1.
class PrintFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Connects within `timeout`, writes every byte, each write within `timeout`, and closes the sending
// side. Raises PrintFailure naming the address: unknown host, refused, timed out, cut off.
void SendRaw(const RawPrinterAddress& address, std::string_view job, std::chrono::milliseconds timeout);

// What a CUPS job carries.
enum class PrintDocument { Pdf, RawZpl };

// Sends one document through CUPS to `printer`: a destination's name, or an ipp:// or ipps:// URI for
// a printer reached without a scheduler. Returns only when the printer accepted the job and all its
// data. Raises PrintFailure for an unknown printer or a refusal, with CUPS's reason.
void SendCups(const std::string& printer, std::string_view job, PrintDocument document,
              const std::string& title, std::chrono::milliseconds timeout);

} // namespace quillon::cli
