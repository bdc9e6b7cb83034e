// The reader's settings for a symbology and the one call into ZXing-cpp.
#include "label/proof/ScanReader.h"

#include <ZXing/DecodeHints.h>
#include <ZXing/ImageView.h>
#include <ZXing/ReadBarcode.h>
#include <algorithm>
#include <cstdint>
#include <string_view>

#include "label/proof/DecoderParts.h"

namespace quillon {
namespace {

ZXing::BarcodeFormats AnyLinearFormat()
{
    ZXing::BarcodeFormats formats;
    for (int kind = 0; kind < kBarcodeTypeCount; ++kind)
        formats |= DecoderFormats(KindTraits(kind).Reader);
    return formats;
}

ZXing::DecodeHints HintsFor(const TReaderSetup& setup)
{
    ZXing::DecodeHints hints;
    hints.setFormats(setup.Formats == TReaderFormats::AnyLinear
                         ? AnyLinearFormat()
                         : DecoderFormats(KindTraits(setup.Typ).Reader));
    // The label is flat, level and sharp: the rows near the middle of a picture suffice.
    hints.setTryHarder(setup.EveryLine);
    if (setup.EveryLine)
        hints.setMinLineCount(1);
    hints.setTryRotate(setup.Turned);
    hints.setTryDownscale(false);
    // ZXing's fixed threshold takes a pixel of 127 or less for black: below half, as the scanner sees it.
    if (setup.TwoLevels)
        hints.setBinarizer(ZXing::Binarizer::FixedThreshold);
    // A scanner set up for the symbology: full ASCII only where the label encodes it.
    const bool fullAscii = setup.Typ == bcCode39Extended;
    hints.setTryCode39ExtendedMode(fullAscii);
    // A check character of "$", "/", "+" or "%" would read as a dangling shift, so a full-ASCII reader
    // checks it and takes it off first (AIM modifier 7 of the Code 39 symbology identifier).
    hints.setValidateCode39CheckSum(fullAscii && setup.Checksum);
    return hints;
}

// The text read: its bytes when they are all ASCII, which is what the reader's conversion to UTF-8
// would give them, at a fraction of its cost (it looks up a character set for every reading).
std::string TextOf(const ZXing::Result& result)
{
    const ZXing::ByteArray& bytes = result.bytes();
    if (std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t byte) { return byte < 0x80; }))
        return std::string(bytes.begin(), bytes.end());
    return result.text();
}

TReading ReadingOf(const ZXing::Result& result)
{
    const TReadExtent extent = ExtentOf(result.position());
    return {.Text = TextOf(result),
            .Format = ZXing::ToString(result.format()),
            .CheckDigitFails = result.error().type() == ZXing::Error::Type::Checksum,
            .Left = extent.Left,
            .Right = extent.Right,
            .Top = extent.Top,
            .Bottom = extent.Bottom};
}

} // namespace

bool HasReader(TBarcodeType typ)
{
    return KindTraits(typ).Reader != TReaderFormat::None;
}

std::optional<TReading> ReadGrey(const TGreyView& image, const TReaderSetup& setup)
{
    if (image.Pixels == nullptr || image.Width <= 0 || image.Height <= 0 || image.BytesPerPixel <= 0 ||
        !HasReader(setup.Typ))
        return std::nullopt;
    const ZXing::ImageView view(image.Pixels, image.Width, image.Height, ZXing::ImageFormat::Lum,
                                image.BytesPerLine, image.BytesPerPixel);
    ZXing::DecodeHints hints = HintsFor(setup);
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    if (result.isValid())
        return ReadingOf(result);
    // Asked again only for a label that does not read, so a good one costs one pass: a symbol whose
    // every character reads but whose check digit fails is told apart from one that is not there.
    hints.setReturnErrors(true);
    const ZXing::Result refused = ZXing::ReadBarcode(view, hints);
    if (refused.error().type() != ZXing::Error::Type::Checksum)
        return std::nullopt;
    return ReadingOf(refused);
}

bool SameReading(TBarcodeType typ, const std::string& expected, const TReading& reading)
{
    if (reading.Text == expected)
        return true;
    return typ == bcCodeEAN13 && reading.Format == "UPC-A" && expected.size() == 13 && expected[0] == '0' &&
           std::string_view(expected).substr(1) == reading.Text;
}

} // namespace quillon
