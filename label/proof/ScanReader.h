// Reading a grey image back with ZXing-cpp as a scanner set up for one symbology would: shared by the
// scan check of a composed label and the verification of printed cells. ZXing stays out of this header.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "barcode/Barcode.h"

namespace quillon {

// Which symbologies the reader looks for.
enum class TReaderFormats : std::uint8_t {
    KindOnly,  // the kind's own symbology: a scanner set up for it, and no time spent on the others
    AnyLinear, // every linear symbology the engine draws
};

struct TReaderSetup {
    TBarcodeType Typ = bcCodeEAN13;
    bool Checksum = false; // Code 39 full ASCII: the check character is verified and taken off
    bool Turned = false;   // the bars may run across the image: the reader tries it turned
    TReaderFormats Formats = TReaderFormats::KindOnly;
    // The pixels are black or white only, as a printer's dots: they are cut at half grey, the cheapest
    // reading, instead of by the light around them.
    bool TwoLevels = false;
    // Every row is a scan line of its own, tried until one reads, instead of a few about the middle of a
    // picture of which two must agree.
    bool EveryLine = false;
};

// 8-bit grey pixels, 0 black to 255 white, row after row: one channel of a colour image when each
// pixel takes more than a byte, and every few rows of an image when a line is more than its pixels.
struct TGreyView {
    const std::uint8_t* Pixels = nullptr;
    int Width = 0;
    int Height = 0;
    int BytesPerLine = 0;
    int BytesPerPixel = 1;
};

struct TReading {
    std::string Text;   // UTF-8
    std::string Format; // the decoder's name of the symbology, such as "EAN-13"
    // Every character was read, but the symbol's check digit does not hold: the reader refuses it.
    bool CheckDigitFails = false;
    int Left = 0; // the symbol's extent along the image's rows, in pixels
    int Right = 0;
    int Top = 0; // the first and the last row it was read on
    int Bottom = 0;
};

// Whether the decoder reads the kind at all (not MSI, PostNet, industrial and matrix two of five or the
// add-ons on their own).
bool HasReader(TBarcodeType typ);

// The symbol the reader finds; when it finds none that reads, the one it refuses only for its check
// digit (CheckDigitFails); else nothing.
std::optional<TReading> ReadGrey(const TGreyView& image, const TReaderSetup& setup);

// Whether a reading is the expected text: a scanner reports an EAN-13 with a leading 0 as the UPC-A
// symbol it is, without that 0.
bool SameReading(TBarcodeType typ, const std::string& expected, const TReading& reading);

} // namespace quillon
