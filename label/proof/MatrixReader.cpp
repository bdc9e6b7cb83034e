// The one call into ZXing-cpp for the symbol kinds, and GS1 readings put in brackets.
#include "label/proof/MatrixReader.h"

#include <ZXing/DecodeHints.h>
#include <ZXing/ImageView.h>
#include <ZXing/ReadBarcode.h>
#include <algorithm>

#include "label/gs1/Gs1Data.h"
#include "label/gs1/Gs1Table.h"
#include "label/proof/DecoderParts.h"

namespace quillon {
namespace {

using ZXing::BarcodeFormat;

bool AllDigits(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The decoder's own bracketed form, which writes a "(" inside a value bare: a "(" opens an AI only
// where the digits up to its ")" are an Application Identifier, as the escaped form then says.
std::string EscapedBrackets(const std::string& bracketed)
{
    std::string text;
    for (std::size_t at = 0; at < bracketed.size(); ++at) {
        const std::size_t close = bracketed.find(')', at);
        const bool opensAi = bracketed[at] == '(' && close != std::string::npos &&
                             FindGs1Ai(std::string_view(bracketed).substr(at + 1, close - at - 1)) != nullptr;
        text += bracketed[at] == '(' && at > 0 && !opensAi ? "\\(" : std::string(1, bracketed[at]);
    }
    return text;
}

// GS1 data in brackets. The decoder gives the element string with GS separators for GS1-128, Data
// Matrix and QR Code; for DataBar the GTIN's 14 digits alone; for DataBar Expanded the bracketed form
// itself.
std::string Gs1Text(const std::string& bytes)
{
    if (!bytes.empty() && bytes.front() == '(')
        return EscapedBrackets(bytes);
    const std::string elementString = bytes.size() == 14 && AllDigits(bytes) ? "01" + bytes : bytes;
    const std::optional<std::vector<TGs1Element>> elements = ParseElementString(elementString);
    return elements ? BracketedText(*elements) : bytes;
}

TSymbolReading ReadingOf(const ZXing::Result& result)
{
    const TReadExtent extent = ExtentOf(result.position());
    const ZXing::ByteArray& bytes = result.bytes();
    TSymbolReading reading{.Bytes = std::string(bytes.begin(), bytes.end()),
                           .Text = {},
                           .SymbologyIdentifier = result.symbologyIdentifier(),
                           .Format = ZXing::ToString(result.format()),
                           .ErrorCorrection = result.ecLevel(),
                           .Left = extent.Left,
                           .Top = extent.Top,
                           .Right = extent.Right,
                           .Bottom = extent.Bottom};
    const bool gs1 = result.contentType() == ZXing::ContentType::GS1 ||
                     result.format() == BarcodeFormat::DataBar ||
                     result.format() == BarcodeFormat::DataBarExpanded;
    reading.Text = gs1 ? Gs1Text(reading.Bytes) : reading.Bytes;
    return reading;
}

} // namespace

std::optional<TSymbolReading> ReadSymbol(const TGreyView& image, TSymbolKind kind)
{
    if (image.Pixels == nullptr || image.Width <= 0 || image.Height <= 0)
        return std::nullopt;
    const ZXing::ImageView view(image.Pixels, image.Width, image.Height, ZXing::ImageFormat::Lum,
                                image.BytesPerLine);
    ZXing::DecodeHints hints;
    hints.setFormats(DecoderFormats(KindInfo(kind).Reader));
    hints.setTryRotate(true); // a label may be turned in steps of 90 degrees
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    if (!result.isValid())
        return std::nullopt;
    return ReadingOf(result);
}

bool ReadsAsExpected(const TSymbolReading& reading, const TExpectedReading& expected)
{
    if (!expected.SymbologyIdentifier.empty() && reading.SymbologyIdentifier != expected.SymbologyIdentifier)
        return false;
    return reading.Text == expected.Text;
}

} // namespace quillon
