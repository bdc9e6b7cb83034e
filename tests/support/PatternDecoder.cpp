#include "PatternDecoder.h"

#include <ZXing/BarcodeFormat.h>
#include <ZXing/ReadBarcode.h>

namespace quillon::testing {

GreyImage RasterisePattern(const TBarcode& barcode, const std::string& pattern, int quietZone, int rows)
{
    std::vector<std::uint8_t> row(static_cast<std::size_t>(quietZone), 255);
    for (char c : pattern) {
        const TBarElement element = barcode.DecodeElement(c);
        row.insert(row.end(), static_cast<std::size_t>(element.Width), element.Kind == bekSpace ? 255 : 0);
    }
    row.insert(row.end(), static_cast<std::size_t>(quietZone), 255);

    GreyImage image{.width = static_cast<int>(row.size()), .height = rows, .pixels = {}};
    image.pixels.reserve(row.size() * static_cast<std::size_t>(rows));
    for (int y = 0; y < rows; ++y)
        image.pixels.insert(image.pixels.end(), row.begin(), row.end());
    return image;
}

std::optional<Decoded> DecodeImage(const GreyImage& image, DecodeOptions options)
{
    const ZXing::ImageView view(image.pixels.data(), image.width, image.height, ZXing::ImageFormat::Lum);
    ZXing::DecodeHints hints;
    hints.setFormats(ZXing::BarcodeFormat::LinearCodes);
    hints.setTryHarder(true);
    hints.setTryCode39ExtendedMode(options.code39FullAscii);
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    if (!result.isValid())
        return std::nullopt;
    return Decoded{.text = result.text(), .format = ZXing::ToString(result.format())};
}

std::optional<Decoded> DecodeBarcode(TBarcode& barcode, DecodeOptions options)
{
    const std::string pattern = barcode.BuildPattern();
    return DecodeImage(RasterisePattern(barcode, pattern), options);
}

} // namespace quillon::testing
