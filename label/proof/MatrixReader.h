// Reading the symbol kinds back from a grey image with ZXing-cpp: the bytes as read, and for GS1 data
// the symbology identifier and the AIs in brackets, so a check compares them with what was encoded.
#pragma once

#include <optional>
#include <string>

#include "label/compose/SymbolKinds.h"
#include "label/compose/ZintSymbol.h"
#include "label/proof/ScanReader.h"

namespace quillon {

struct TSymbolReading {
    std::string Bytes;               // the data as the symbol carries it (GS1: separated by GS, 29)
    std::string Text;                // Bytes, or for GS1 data its AIs in brackets
    std::string SymbologyIdentifier; // "]Q1", "]d2", "]C1", ...
    std::string Format;              // the decoder's name of the symbology, such as "QRCode"
    std::string ErrorCorrection;     // the level the symbol was made with, such as "M" for QR Code
    int Left = 0;                    // the symbol's extent in the image, in pixels
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

// The symbol of the kind's symbology that the reader finds, in any of the four right-angle turns, or
// nothing.
std::optional<TSymbolReading> ReadSymbol(const TGreyView& image, TSymbolKind kind);

// Whether a reading is what the symbol was made to carry: the same text, and for GS1 kinds the same
// symbology identifier, so GS1 data read as plain text does not pass.
bool ReadsAsExpected(const TSymbolReading& reading, const TExpectedReading& expected);

} // namespace quillon
