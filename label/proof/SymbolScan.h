// The scan check of a symbol label: its image, or its drawing printed at a printer's resolution, read
// back with ZXing-cpp and judged against what the symbol was made to carry, as a TScanResult like the
// engine's labels.
#pragma once

#include <QImage>
#include <optional>

#include "label/compose/SymbolLabel.h"
#include "label/proof/MatrixReader.h"
#include "label/proof/ScanCheck.h"

namespace quillon {

// What a symbol label should read as, asked of it once, so that printed cells can be judged without it.
struct TSymbolExpectation {
    TSymbolKind Kind = TSymbolKind::QRCode;
    TExpectedReading Reading{};
    // False where the decoder cannot read what the symbol carries, though the symbol is right: ZXing-cpp
    // 1.4 reads no GS1 DataBar Expanded that carries (01) alone.
    bool HasReader = true;
};

TSymbolExpectation ExpectSymbolScan(const TSymbolLabel& label);

// A reading against the expectation: Matches, ReadsOther (another text, or GS1 data under another
// symbology identifier), DoesNotScan, or NoReader. Format is the decoder's name of the symbology, with
// the symbology identifier after it for GS1 data: "Code128 ]C1".
TScanResult JudgeSymbolReading(const std::optional<TSymbolReading>& reading,
                               const TSymbolExpectation& expected);

// The label's image as it stands (the preview's pixels, or a file written from them) on white paper,
// read as a scanner facing it in red light reads it.
TScanResult CheckSymbolImage(const QImage& image, const TSymbolLabel& label);

// The label printed alone on white paper by a printer of dpi: its drawing painted with the modules on
// whole dots, in black and white as the scanner sees it. Raises for a dpi outside
// kMinLabelDpi..kMaxLabelDpi.
TScanResult CheckSymbolScan(const TSymbolLabel& label, int dpi);

} // namespace quillon
