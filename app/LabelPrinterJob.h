// The window's label-printer destination without widgets: the printer chosen and kept in the settings
// file, and the job made at the printer's dots from the window's labels, each label read back from what
// was written, and handed over only when every one reads.
#pragma once

#include <QPromise>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "barcode/Barcode.h"
#include "data/SettingsFile.h"
#include "label/run/RollJob.h"
#include "label/run/RowComposer.h"
#include "label/send/PrintJob.h"
#include "label/sheet/LabelStock.h"
#include "label/sheet/SheetRun.h"

namespace quillon {

// What the printer takes: ZPL (raw, to a port or a raw queue), or PDF that its driver prints.
enum class TPrinterSpeaks : std::uint8_t { Zpl, Pdf };

// The resolutions label printers come in.
inline constexpr int kLabelPrinterDpis[] = {203, 300, 600};
// How long a printer may take to answer or to take data before the job is given up.
inline constexpr std::chrono::milliseconds kLabelPrinterTimeout{10'000};

// The destination as the dialog shows it and the settings file keeps it ([label printer]).
struct TLabelPrinterChoice {
    std::string Printer{}; // a CUPS queue, an ipp:// URI, or HOST:PORT of a raw port
    TPrinterSpeaks Speaks = TPrinterSpeaks::Zpl;
    int Dpi = 203;
    std::string StockId{}; // a roll or a tape
};

// The choice kept in the settings, each value that cannot be read left at its default.
TLabelPrinterChoice LabelPrinterChoiceOf(const TSettings& settings);
void KeepLabelPrinterChoice(TSettings& settings, const TLabelPrinterChoice& choice);

// Whether a stock prints one label a page, as a label printer does.
bool IsRollStock(const TLabelStock& stock);

// One label of the job: the code, its captions and how many times it prints.
struct TLabelJobRow {
    std::size_t Line = 0; // where it comes from, from 1; 0 for the code field
    std::string Code{};
    TLabelCaptions Captions{};
    int Copies = 1;
};

// Everything the job is made from, copied, so that the window may change while it is made and sent.
struct TLabelJobRequest {
    TBarcode Barcode{};         // the deck's, its height the roll label's row height
    TComposeSettings Compose{}; // at the printer's dots, for the roll's label
    TSheetSettings RollSheet{}; // the roll, one label a page, for a PDF job
    TRollMedia Media{};
    TZplSettings Zpl{};
    std::vector<TLabelJobRow> Rows{};
    std::string Printer{};
    TPrinterSpeaks Speaks = TPrinterSpeaks::Zpl;
    std::string KindName{};
    std::string Title{}; // the job's name on the printer
    std::chrono::milliseconds Timeout = kLabelPrinterTimeout;
};

enum class TLabelJobStatus : std::uint8_t {
    Sent,       // the whole job was handed over
    Refused,    // a label could not be made or would not read: nothing was sent
    NotSent,    // the printer could not be reached or refused the job: nothing was sent
    Incomplete, // the printer took part of the job
};

struct TLabelJobOutcome {
    TLabelJobStatus Status = TLabelJobStatus::Sent;
    int Labels = 0;           // the labels made (a row's copies count once)
    std::uint64_t Prints = 0; // with their copies
    // A refused label: its row, and why (a message of the label library, or the engine's own words).
    std::optional<TLabelJobRow> Row{};
    TLabelMessage Reason{};
    // A job not handed over whole: what went wrong, with the printer's or the system's reason.
    std::optional<TSendFault> Fault{};
    std::string Printer{};
    std::string Detail{};
    std::chrono::milliseconds Timeout{}; // the one the job was sent with
};

// Makes the job, proves every label from the bytes written, and sends it only when all read. Runs on a
// thread of its own (see RunBeside); never raises: every outcome is a value.
void RunLabelJob(QPromise<TLabelJobOutcome>& promise, const TLabelJobRequest& request);
TLabelJobOutcome MakeAndSendLabelJob(const TLabelJobRequest& request);

} // namespace quillon
