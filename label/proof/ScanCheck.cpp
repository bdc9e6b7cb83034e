// Scan verification of a composed label with ZXing-cpp: the reading the engine says it drew, the
// label on white paper as a grey image, and the status line.
#include "label/proof/ScanCheck.h"

#include <cmath>
#include <cstddef>
#include <utility>

namespace quillon {
namespace {

// A printed label needs a quiet zone of ten modules before and after the bars; ten wide modules
// cover it at every ratio.
constexpr int kQuietZoneWideModules = 10;
// The largest grey image handed to the decoder; a bigger label is sampled down to it.
constexpr long long kMaxScanPixels = 4LL * 1024 * 1024;
// Bars turned further than this from the image's rows are read across its columns.
constexpr double kTurnedFromDegrees = 45.0;

const QColor kMatchColor(0, 128, 0);
const QColor kFailColor(192, 0, 0); // not the window's key maroon, which would be cut out
const QColor kNoCheckColor(128, 128, 128);

bool IsTurned(double angleDegrees)
{
    if (!std::isfinite(angleDegrees))
        return false;
    const double halfTurn = std::fmod(std::fabs(angleDegrees), 180.0);
    return halfTurn > kTurnedFromDegrees && halfTurn < 180.0 - kTurnedFromDegrees;
}

// The same text but for a different last character.
bool DiffersInLastOnly(const std::string& drawn, const std::string& checked)
{
    return drawn.size() == checked.size() && !drawn.empty() && drawn.back() != checked.back() &&
           drawn.compare(0, drawn.size() - 1, checked, 0, checked.size() - 1) == 0;
}

// The reading of the barcode with the engine's check digit in place of the drawn last one. The kinds
// differ in what the typed text holds when the engine appends the digit (EAN-13 and EAN-8 take the
// digits before it, UPC-A replaces the last of twelve), so both are tried on copies.
std::optional<char> EngineCheckDigit(const TBarcode& barcode, const std::string& reading)
{
    const std::string& text = barcode.Text();
    const std::string candidates[] = {text.substr(0, text.empty() ? 0 : text.size() - 1), text};
    for (const std::string& candidate : candidates) {
        TBarcode checked = barcode;
        checked.SetText(candidate);
        checked.SetChecksum(true);
        checked.SetCheckSumMethod(csmModulo10);
        try {
            checked.BuildPattern();
        } catch (const Exception&) {
            continue; // this form of the text is not one the kind takes with a check digit
        }
        const TScanText& checkedReading = checked.LastEncoding()->ScanText;
        if (checkedReading && DiffersInLastOnly(reading, *checkedReading))
            return checkedReading->back();
    }
    return std::nullopt;
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

std::optional<char> RightCheckDigit(const TBarcode& barcode)
{
    if (barcode.Checksum() && barcode.CheckSumMethod() != csmNone)
        return std::nullopt; // the engine appends it already
    const std::optional<std::string> reading = ExpectedScanText(barcode);
    if (!reading || reading->empty() || reading->back() < '0' || reading->back() > '9')
        return std::nullopt;
    return EngineCheckDigit(barcode, *reading);
}

TScanExpectation ExpectScan(const TBarcode& barcode)
{
    TScanExpectation expected{.Typ = barcode.Typ(),
                              .Checksum = barcode.Checksum(),
                              .Turned = IsTurned(barcode.Angle()),
                              .Text = ExpectedScanText(barcode),
                              .RightCheckDigit = {}};
    if (expected.Text)
        expected.RightCheckDigit = RightCheckDigit(barcode);
    return expected;
}

TScanResult JudgeReading(const std::optional<TReading>& reading, const TScanExpectation& expected)
{
    TScanResult result{.Outcome = TScanOutcome::NoReader,
                       .Decoded = {},
                       .Format = {},
                       .Expected = expected.Text.value_or(std::string()),
                       .RightCheckDigit = {}};
    if (!expected.Text)
        return result;
    result.Outcome = TScanOutcome::DoesNotScan;
    if (!reading)
        return result;
    if (reading->CheckDigitFails) {
        // Only the check digit stands between this symbol and a reading, and the engine knows the right one.
        if (SameReading(expected.Typ, *expected.Text, *reading))
            result.RightCheckDigit = expected.RightCheckDigit;
        return result;
    }
    result.Decoded = reading->Text;
    result.Format = reading->Format;
    result.Outcome = SameReading(expected.Typ, *expected.Text, *reading) ? TScanOutcome::Matches
                                                                         : TScanOutcome::ReadsOther;
    return result;
}

TScanResult CheckScan(const QImage& label, const TBarcode& barcode)
{
    const TScanExpectation expected = ExpectScan(barcode);
    if (!expected.Text)
        return JudgeReading(std::nullopt, expected);
    const int quietZone = kQuietZoneWideModules * barcode.ModuleWidths()[1];
    const QImage paper = OnWhitePaper(label, quietZone);
    const TGreyView view{.Pixels = paper.constBits(),
                         .Width = paper.width(),
                         .Height = paper.height(),
                         .BytesPerLine = static_cast<int>(paper.bytesPerLine())};
    // Any linear symbology, as a scanner that was not told the kind would read the label.
    const TReaderSetup setup{.Typ = expected.Typ,
                             .Checksum = expected.Checksum,
                             .Turned = false,
                             .Formats = TReaderFormats::AnyLinear};
    return JudgeReading(paper.isNull() ? std::nullopt : ReadGrey(view, setup), expected);
}

QString ScanStatusText(const TScanResult& result, std::string_view kindName)
{
    const QString decoded = QString::fromStdString(result.Decoded);
    switch (result.Outcome) {
    case TScanOutcome::Matches: return QStringLiteral("Scans as %1").arg(decoded);
    case TScanOutcome::ReadsOther: return QStringLiteral("Scans as %1 (not the typed code)").arg(decoded);
    case TScanOutcome::DoesNotScan:
        if (result.RightCheckDigit)
            return QString::fromStdString(CheckDigitMessage(*result.RightCheckDigit));
        return QStringLiteral("Does not scan");
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
