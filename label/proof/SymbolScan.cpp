// Reading symbol labels back: the image laid on white paper in the scanner's red light, the drawing
// printed at a resolution, and the reading judged against the symbol's expected text.
#include "label/proof/SymbolScan.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "label/gs1/Gs1Data.h"
#include "label/render/LabelPainter.h"

namespace quillon {
namespace {

// White paper around the label, in modules: more than any kind's quiet zone.
constexpr int kPaperModules = 10;
// The largest image handed to the decoder; a larger printed label is read at a lower resolution.
constexpr double kMaxScanPixels = 16.0 * 1024 * 1024;
// Ink is what reflects less than half the red light.
constexpr int kInkBelow = 128;

// How much red light a premultiplied pixel laid over white paper reflects. Scanners light the label in
// red, and verifiers measure at 660 nm (ISO/IEC 15416), so red or yellow modules vanish like white.
std::uint8_t ReflectanceOnWhite(QRgb pixel)
{
    const int reflectance = qRed(pixel) + 255 - qAlpha(pixel);
    return static_cast<std::uint8_t>(reflectance > 255 ? 255 : reflectance);
}

// The label as grey paper with a white border; in black and white when `oneBit`, as a printer without
// grey prints it.
QImage OnWhitePaper(const QImage& label, int border, bool oneBit)
{
    const QImage source = label.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage paper(source.width() + 2 * border, source.height() + 2 * border, QImage::Format_Grayscale8);
    if (source.isNull() || paper.isNull())
        throw Exception("Label image of " + std::to_string(label.width()) + " x " +
                        std::to_string(label.height()) + " pixels cannot be read back");
    paper.fill(0xFF);
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        std::uint8_t* out = paper.scanLine(y + border) + border;
        for (int x = 0; x < source.width(); ++x) {
            const std::uint8_t grey = ReflectanceOnWhite(in[x]);
            out[x] = oneBit ? (grey < kInkBelow ? 0 : 0xFF) : grey;
        }
    }
    return paper;
}

TScanResult Read(const QImage& paper, const TSymbolExpectation& expected)
{
    const TGreyView view{.Pixels = paper.constBits(),
                         .Width = paper.width(),
                         .Height = paper.height(),
                         .BytesPerLine = static_cast<int>(paper.bytesPerLine())};
    return JudgeSymbolReading(ReadSymbol(view, expected.Kind), expected);
}

// DataBar Expanded carrying a GTIN alone.
bool IsGtinAlone(TSymbolKind kind, const TExpectedReading& reading)
{
    if (kind != TSymbolKind::DataBarExpanded)
        return false;
    const TGs1Result parsed = ParseGs1(reading.Text);
    return !parsed.Error && parsed.Elements.size() == 1 && parsed.Elements.front().Ai == "01";
}

// The resolution the printed label is read at: the printer's, or a whole fraction of it for a label so
// large that its image would exceed the decoder's budget.
int ReadingDpi(const TLabelDrawing& drawing, int dpi)
{
    const double inches =
        drawing.Size.width() / drawing.UnitsPerInch * (drawing.Size.height() / drawing.UnitsPerInch);
    int divisor = 1;
    while (inches * (dpi / divisor) * (dpi / divisor) > kMaxScanPixels && dpi / (divisor + 1) >= 1)
        ++divisor;
    return dpi / divisor;
}

} // namespace

TSymbolExpectation ExpectSymbolScan(const TSymbolLabel& label)
{
    return {.Kind = label.Kind,
            .Reading = label.Symbol.Expected,
            .HasReader = !IsGtinAlone(label.Kind, label.Symbol.Expected)};
}

TScanResult JudgeSymbolReading(const std::optional<TSymbolReading>& reading,
                               const TSymbolExpectation& expected)
{
    TScanResult result{.Outcome = TScanOutcome::NoReader,
                       .Decoded = {},
                       .Format = {},
                       .Expected = expected.Reading.Text,
                       .RightCheckDigit = {}};
    if (!expected.HasReader)
        return result;
    result.Outcome = TScanOutcome::DoesNotScan;
    if (!reading)
        return result;
    result.Decoded = reading->Text;
    result.Format = reading->Format;
    if (!expected.Reading.SymbologyIdentifier.empty())
        result.Format += " " + reading->SymbologyIdentifier;
    result.Outcome =
        ReadsAsExpected(*reading, expected.Reading) ? TScanOutcome::Matches : TScanOutcome::ReadsOther;
    return result;
}

TScanResult CheckSymbolImage(const QImage& image, const TSymbolLabel& label)
{
    const TSymbolExpectation expected = ExpectSymbolScan(label);
    if (!expected.HasReader)
        return JudgeSymbolReading(std::nullopt, expected);
    const double scale =
        label.Drawing.Size.width() > 0 ? double(image.width()) / label.Drawing.Size.width() : 1.0;
    const int border = static_cast<int>(std::ceil(kPaperModules * label.ModuleUnits * scale));
    return Read(OnWhitePaper(image, border, false), expected);
}

TScanResult CheckSymbolScan(const TSymbolLabel& label, int dpi)
{
    if (dpi < kMinLabelDpi || dpi > kMaxLabelDpi)
        throw Exception("Verification at " + std::to_string(dpi) + " dpi is outside " +
                        std::to_string(kMinLabelDpi) + "-" + std::to_string(kMaxLabelDpi) + " dpi");
    const TSymbolExpectation expected = ExpectSymbolScan(label);
    if (!expected.HasReader)
        return JudgeSymbolReading(std::nullopt, expected);
    const int readingDpi = ReadingDpi(label.Drawing, dpi);
    const QImage printed = RenderLabelImage(label.Drawing, readingDpi, readingDpi);
    const double dotsPerModule = label.ModuleUnits * readingDpi / label.Drawing.UnitsPerInch;
    return Read(OnWhitePaper(printed, static_cast<int>(std::ceil(kPaperModules * dotsPerModule)), true),
                expected);
}

} // namespace quillon
