// Scan verification: reads a composed label back with a real decoder, as a scanner would see it printed.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "barcode/Barcode.h"
#include "barcode/CheckDigits.h"
#include "label/proof/ScanReader.h"

namespace quillon {

struct TSymbolExpectation; // label/proof/SymbolScan.h

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
    // Set when the label does not scan only because its check digit is wrong: every character read,
    // the reader refused the check, and this is the digit the engine computes in its place.
    std::optional<char> RightCheckDigit{};
};

// What a label should read as, asked of its barcode once, so that every printed cell of a sheet can be
// judged without it.
struct TScanExpectation {
    TBarcodeType Typ = bcCodeEAN13;
    bool Checksum = false;             // the Checksum switch: a full-ASCII Code 39 reader checks it
    bool Turned = false;               // the bars are drawn at an angle nearer a quarter turn
    std::optional<std::string> Text{}; // none: the decoder has no reader for this kind
    std::optional<char> RightCheckDigit{};
    // A two-dimensional or GS1 symbol drawn by libzint: read and judged as the symbol says, not by the
    // fields above.
    std::shared_ptr<const TSymbolExpectation> Symbol{};
};

// What a scanner reports for the barcode as the engine says it drew it (TEncoding::ScanText), or
// nothing for the kinds the decoder does not read (MSI, PostNet, industrial and matrix two of five, the
// add-ons). A barcode changed since its last encoding is encoded anew on a copy, which raises what
// encoding raises.
std::optional<std::string> ExpectedScanText(const TBarcode& barcode);

// The check digit the engine computes for the code as it is drawn, when the drawn one differs: the
// kinds that carry a check digit the engine can append (EAN-8, EAN-13, UPC-A, EAN-128), typed with the
// Checksum switch off. It says nothing of whether a reader checks that digit: EAN-128 data need not
// end in one. Encodes copies of the barcode, so the engine's errors propagate.
std::optional<char> RightCheckDigit(const TBarcode& barcode);

// The reading, the reader's settings and the right check digit of the barcode as drawn.
TScanExpectation ExpectScan(const TBarcode& barcode);

// Compares a reading with the expectation: a match, another text, or no symbol; a symbol the reader
// refused only for its check digit does not scan and names the right digit.
TScanResult JudgeReading(const std::optional<TReading>& reading, const TScanExpectation& expected);

// Decodes the label as printed on white paper: a white quiet zone of ten wide modules is added on every
// side. The label is the image ComposeLabel made for `barcode`, which must not have changed since.
TScanResult CheckScan(const QImage& label, const TBarcode& barcode);

// The status line: "Scans as X", "Scans as X (not the typed code)", "Does not scan", "Check digit
// should be N" or "No scan check for <kind name>".
QString ScanStatusText(const TScanResult& result, std::string_view kindName);

// Green for a match, red when the label reads otherwise or not at all, grey when nothing was checked.
QColor ScanStatusColor(TScanOutcome outcome);

} // namespace quillon
