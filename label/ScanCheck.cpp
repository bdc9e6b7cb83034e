// Scan verification of a composed label with ZXing-cpp: the reading the engine says it drew, the
// label on white paper as a grey image, and the status line.
#include "label/ScanCheck.h"

#include <ZXing/BarcodeFormat.h>
#include <ZXing/DecodeHints.h>
#include <ZXing/ImageView.h>
#include <ZXing/ReadBarcode.h>
#include <cstddef>

namespace quillon {
namespace {

// The linear symbologies the engine draws that the decoder reads; nothing else is searched for.
constexpr ZXing::BarcodeFormat kScannedFormats[] = {
    ZXing::BarcodeFormat::Codabar, ZXing::BarcodeFormat::Code39, ZXing::BarcodeFormat::Code93,
    ZXing::BarcodeFormat::Code128, ZXing::BarcodeFormat::EAN8,   ZXing::BarcodeFormat::EAN13,
    ZXing::BarcodeFormat::ITF,     ZXing::BarcodeFormat::UPCA,   ZXing::BarcodeFormat::UPCE,
};

// A printed label needs a quiet zone of ten modules before and after the bars; ten wide modules
// cover it at every ratio.
constexpr int kQuietZoneWideModules = 10;
// The largest grey image handed to the decoder; a bigger label is sampled down to it.
constexpr long long kMaxScanPixels = 4LL * 1024 * 1024;

const QColor kMatchColor(0, 128, 0);
const QColor kFailColor(192, 0, 0); // not the window's key maroon, which would be cut out
const QColor kNoCheckColor(128, 128, 128);

// A scanner reports an EAN-13 with a leading 0 as the UPC-A symbol it is, without that 0.
bool SameReading(TBarcodeType typ, const std::string& expected, const std::string& decoded,
                 ZXing::BarcodeFormat format)
{
    if (decoded == expected)
        return true;
    return typ == bcCodeEAN13 && format == ZXing::BarcodeFormat::UPCA && expected.size() == 13 &&
           expected[0] == '0' && std::string_view(expected).substr(1) == decoded;
}

ZXing::DecodeHints HintsFor(const TBarcode& barcode)
{
    ZXing::BarcodeFormats formats;
    for (ZXing::BarcodeFormat format : kScannedFormats)
        formats |= format;
    ZXing::DecodeHints hints;
    hints.setFormats(formats);
    hints.setTryHarder(false); // the label is flat, level and sharp: the rows near the middle suffice
    hints.setTryRotate(false);
    hints.setTryDownscale(false);
    // A scanner set up for the symbology: full ASCII only where the label encodes it.
    const bool fullAscii = barcode.Typ() == bcCode39Extended;
    hints.setTryCode39ExtendedMode(fullAscii);
    // A check character of "$", "/", "+" or "%" would read as a dangling shift, so a full-ASCII reader
    // checks it and takes it off first (AIM modifier 7 of the Code 39 symbology identifier).
    hints.setValidateCode39CheckSum(fullAscii && barcode.Checksum());
    return hints;
}

// Every how many pixels the label is sampled so that the bordered image stays within the budget.
int SamplingStep(long long width, long long height)
{
    int step = 1;
    while (((width + step - 1) / step) * ((height + step - 1) / step) > kMaxScanPixels)
        ++step;
    return step;
}

// How much red light a premultiplied pixel laid over white paper reflects. Scanners light the label in
// red, and verifiers measure at 660 nm (ISO/IEC 15416), so red or yellow bars vanish like white.
std::uint8_t ReflectanceOnWhite(QRgb pixel)
{
    const int reflectance = qRed(pixel) + 255 - qAlpha(pixel);
    return static_cast<std::uint8_t>(reflectance > 255 ? 255 : reflectance);
}

// The label as grey paper with a white border of `quietZone` pixels; one pass, no intermediate copy
// for the RGB32 images that ComposeLabel makes. A null label gives a null image.
QImage OnWhitePaper(const QImage& label, int quietZone)
{
    if (label.isNull())
        return {};
    // RGB32 is opaque whatever its fourth byte holds.
    const QRgb opaque = label.format() == QImage::Format_RGB32 ? 0xFF000000u : 0u;
    const QImage source =
        label.format() == QImage::Format_RGB32 || label.format() == QImage::Format_ARGB32_Premultiplied
            ? label
            : label.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int step = SamplingStep(source.width() + 2LL * quietZone, source.height() + 2LL * quietZone);
    const int border = (quietZone + step - 1) / step;
    const int width = (source.width() + step - 1) / step;
    const int height = (source.height() + step - 1) / step;
    QImage paper(width + 2 * border, height + 2 * border, QImage::Format_Grayscale8);
    if (paper.isNull())
        return paper;
    paper.fill(0xFF);
    for (int y = 0; y < height; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y * step));
        std::uint8_t* out = paper.scanLine(y + border) + border;
        for (int x = 0; x < width; ++x)
            out[x] = ReflectanceOnWhite(in[x * step] | opaque);
    }
    return paper;
}

std::optional<ZXing::Result> Decode(const QImage& paper, const TBarcode& barcode)
{
    if (paper.isNull())
        return std::nullopt;
    const ZXing::ImageView view(paper.constBits(), paper.width(), paper.height(), ZXing::ImageFormat::Lum,
                                static_cast<int>(paper.bytesPerLine()));
    ZXing::Result result = ZXing::ReadBarcode(view, HintsFor(barcode));
    if (!result.isValid())
        return std::nullopt;
    return result;
}

} // namespace

std::optional<std::string> ExpectedScanText(const TBarcode& barcode)
{
    if (const std::optional<TEncoding>& last = barcode.LastEncoding())
        return last->ScanText;
    // Changed since it was drawn: the engine tells what the setting draws now, on a copy.
    TBarcode encoded = barcode;
    encoded.BuildPattern();
    return encoded.LastEncoding()->ScanText;
}

TScanResult CheckScan(const QImage& label, const TBarcode& barcode)
{
    const std::optional<std::string> expected = ExpectedScanText(barcode);
    if (!expected)
        return {.Outcome = TScanOutcome::NoReader, .Decoded = {}, .Format = {}, .Expected = {}};
    const int quietZone = kQuietZoneWideModules * barcode.ModuleWidths()[1];
    const std::optional<ZXing::Result> result = Decode(OnWhitePaper(label, quietZone), barcode);
    if (!result)
        return {.Outcome = TScanOutcome::DoesNotScan, .Decoded = {}, .Format = {}, .Expected = *expected};
    std::string decoded = result->text();
    const TScanOutcome outcome = SameReading(barcode.Typ(), *expected, decoded, result->format())
                                     ? TScanOutcome::Matches
                                     : TScanOutcome::ReadsOther;
    return {.Outcome = outcome,
            .Decoded = std::move(decoded),
            .Format = ZXing::ToString(result->format()),
            .Expected = *expected};
}

QString ScanStatusText(const TScanResult& result, std::string_view kindName)
{
    const QString decoded = QString::fromStdString(result.Decoded);
    switch (result.Outcome) {
    case TScanOutcome::Matches: return QStringLiteral("Scans as %1").arg(decoded);
    case TScanOutcome::ReadsOther: return QStringLiteral("Scans as %1 (not the typed code)").arg(decoded);
    case TScanOutcome::DoesNotScan: return QStringLiteral("Does not scan");
    case TScanOutcome::NoReader: break;
    }
    return QStringLiteral("No scan check for %1")
        .arg(QString::fromUtf8(kindName.data(), static_cast<qsizetype>(kindName.size())));
}

QColor ScanStatusColor(TScanOutcome outcome)
{
    switch (outcome) {
    case TScanOutcome::Matches: return kMatchColor;
    case TScanOutcome::ReadsOther:
    case TScanOutcome::DoesNotScan: return kFailColor;
    case TScanOutcome::NoReader: break;
    }
    return kNoCheckColor;
}

} // namespace quillon
