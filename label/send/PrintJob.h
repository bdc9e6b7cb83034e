// Hands a finished job to a printer: raw bytes over TCP to a label printer's raw port, or a document
// through CUPS. Each sender either hands over the whole job or raises PrintFailure saying why.
#pragma once

#include <chrono>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "label/send/PrinterAddress.h"

namespace quillon {

// Why a job was not handed over whole, for a caller that words it in its own language.
enum class TSendFault : std::uint8_t {
    NoJob,          // the job could not be made ready; nothing was sent
    UnknownPrinter, // no such queue or printer; nothing was sent
    NotReached,     // unknown host, connection refused, no scheduler; nothing was sent
    NoAnswer,       // no answer to the connection within the time-out; nothing was sent
    Refused,        // the printer refused the job; nothing was sent
    Incomplete,     // the connection stalled or ended part-way; the job is incomplete
    Cancelled,      // the printer took part of the document, and the job was cancelled
};

// A job that could not be handed over: what() is the English sentence quillon-cli prints (exit 1);
// Fault(), Printer() and Detail() let the window say it in the user's language.
class PrintFailure : public std::runtime_error {
public:
    explicit PrintFailure(const std::string& message) : std::runtime_error(message) {}
    PrintFailure(TSendFault fault, std::string printer, std::string detail, const std::string& message)
        : std::runtime_error(message), FFault(fault), FPrinter(std::move(printer)), FDetail(std::move(detail))
    {
    }
    TSendFault Fault() const { return FFault; }
    const std::string& Printer() const { return FPrinter; } // as messages name it
    const std::string& Detail() const { return FDetail; }   // the system's or the printer's reason
    bool NothingSent() const { return FFault != TSendFault::Incomplete && FFault != TSendFault::Cancelled; }

private:
    TSendFault FFault = TSendFault::NoJob;
    std::string FPrinter{};
    std::string FDetail{};
};

// Connects within `timeout`, writes every byte, each write within `timeout`, and closes the sending
// side. Raises PrintFailure naming the address: unknown host, refused, timed out, cut off.
void SendRaw(const RawPrinterAddress& address, std::string_view job, std::chrono::milliseconds timeout);

// What a CUPS job carries.
enum class PrintDocument { Pdf, RawZpl };

// The names of the CUPS queues this machine knows, the default first as CUPS lists them; none when no
// scheduler answers.
std::vector<std::string> CupsPrinterNames();

// Sends one document through CUPS to `printer`: a destination's name, or an ipp:// or ipps:// URI for
// a printer reached without a scheduler. Returns only when the printer accepted the job and all its
// data. Raises PrintFailure for an unknown printer or a refusal, with CUPS's reason.
void SendCups(const std::string& printer, std::string_view job, PrintDocument document,
              const std::string& title, std::chrono::milliseconds timeout);

} // namespace quillon
