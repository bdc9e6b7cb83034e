// Test support: paints a bar pattern as a printed label would look and reads it back with ZXing-cpp.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "barcode/Barcode.h"

namespace quillon::testing {

struct GreyImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels; // row-major, 0 black to 255 white
};

// One pixel column per pattern pixel (widths from the barcode's ModuleWidths), bars black, spaces
// white, with a white quiet zone of `quietZone` pixels on both sides.
GreyImage RasterisePattern(const TBarcode& barcode, const std::string& pattern, int quietZone = 40,
                           int rows = 40);

struct Decoded {
    std::string text;
    std::string format; // ZXing-cpp's name of the symbology, such as "EAN-13"
};

struct DecodeOptions {
    bool code39FullAscii = false;
};

std::optional<Decoded> DecodeImage(const GreyImage& image, DecodeOptions options = {});

// Builds the barcode's pattern, rasterises it and decodes it.
std::optional<Decoded> DecodeBarcode(TBarcode& barcode, DecodeOptions options = {});

} // namespace quillon::testing
