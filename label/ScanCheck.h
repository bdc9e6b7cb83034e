// Scan verification: reads a composed label back with a real decoder, as a scanner would see it printed.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "barcode/Barcode.h"

namespace quillon {

enum class TScanOutcome : std::uint8_t {
    Matches,     // the decoder reads the text the symbol should carry
    ReadsOther,  // the decoder reads something else
    DoesNotScan, // the decoder reads nothing
    NoReader,    // the decoder has no reader for this symbology
};

struct TScanResult {
    TScanOutcome Outcome = TScanOutcome::NoReader;
    std::string Decoded;  // what the decoder reported, UTF-8; empty when nothing was read
    std::string Format;   // the decoder's name of the symbology it read, such as "EAN-13"
    std::string Expected; // the text the symbol should carry; empty for a kind without a reader
};

// What a scanner reports for the barcode as the engine says it drew it (TEncoding::ScanText), or
// nothing for the kinds the decoder does not read (MSI, PostNet, industrial and matrix two of five, the
// add-ons). A barcode changed since its last encoding is encoded anew on a copy, which raises what
// encoding raises.
std::optional<std::string> ExpectedScanText(const TBarcode& barcode);

// Decodes the label as printed on white paper: a white quiet zone of ten wide modules is added on every
// side. The label is the image ComposeLabel made for `barcode`, which must not have changed since.
TScanResult CheckScan(const QImage& label, const TBarcode& barcode);

// The status line: "Scans as X", "Scans as X (not the typed code)", "Does not scan" or
// "No scan check for <kind name>".
QString ScanStatusText(const TScanResult& result, std::string_view kindName);

// Green for a match, red when the label reads otherwise or not at all, grey when nothing was checked.
QColor ScanStatusColor(TScanOutcome outcome);

} // namespace quillon
