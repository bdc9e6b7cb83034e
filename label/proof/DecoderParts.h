// What the two readers share of ZXing-cpp: the decoder's symbologies for the kinds' reader formats,
// the one place where its names meet ours, and where in the image a reading lies. Only the readers
// include it, so ZXing stays out of every other header.
#pragma once

#include <ZXing/BarcodeFormat.h>
#include <ZXing/Result.h>
#include <algorithm>

#include "barcode/KindTraits.h"

namespace quillon {

inline ZXing::BarcodeFormats DecoderFormats(TReaderFormat format)
{
    using ZXing::BarcodeFormat;
    switch (format) {
    case TReaderFormat::None: return BarcodeFormat::None;
    case TReaderFormat::Itf: return BarcodeFormat::ITF;
    case TReaderFormat::Code39: return BarcodeFormat::Code39;
    case TReaderFormat::Code93: return BarcodeFormat::Code93;
    case TReaderFormat::Code128: return BarcodeFormat::Code128;
    case TReaderFormat::Codabar: return BarcodeFormat::Codabar;
    case TReaderFormat::Ean8: return BarcodeFormat::EAN8;
    // An EAN-13 with a leading 0 is the UPC-A symbol, and scanners report it so.
    case TReaderFormat::Ean13: return BarcodeFormat::EAN13 | BarcodeFormat::UPCA;
    case TReaderFormat::UpcA: return BarcodeFormat::UPCA;
    case TReaderFormat::UpcE: return BarcodeFormat::UPCE;
    case TReaderFormat::QrCode: return BarcodeFormat::QRCode;
    case TReaderFormat::DataMatrix: return BarcodeFormat::DataMatrix;
    case TReaderFormat::Pdf417: return BarcodeFormat::PDF417;
    case TReaderFormat::Aztec: return BarcodeFormat::Aztec;
    case TReaderFormat::DataBar: return BarcodeFormat::DataBar;
    case TReaderFormat::DataBarExpanded: return BarcodeFormat::DataBarExpanded;
    }
    return BarcodeFormat::None;
}

// The reading's corners as the smallest upright rectangle around them, in pixels.
struct TReadExtent {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};
inline TReadExtent ExtentOf(const ZXing::Position& position)
{
    const auto [left, right] = std::minmax(
        {position.topLeft().x, position.topRight().x, position.bottomLeft().x, position.bottomRight().x});
    const auto [top, bottom] = std::minmax(
        {position.topLeft().y, position.topRight().y, position.bottomLeft().y, position.bottomRight().y});
    return {.Left = left, .Top = top, .Right = right, .Bottom = bottom};
}

} // namespace quillon
