// Scan verification of a composed label with ZXing-cpp: the expected reading per symbology, the
// label on white paper as a grey image, and the status line.
#include "label/ScanCheck.h"

#include <ZXing/BarcodeFormat.h>
#include <ZXing/DecodeHints.h>
#include <ZXing/ImageView.h>
#include <ZXing/ReadBarcode.h>
#include <array>
#include <cstddef>

#include "barcode/CheckDigits.h"
#include "barcode/FullAscii.h"

namespace quillon {
namespace {

// The 43 Code 39 data characters in the order of their check values 0 to 42 (ISO/IEC 16388,
// modulo-43 check character).
constexpr std::string_view kCode39CheckAlphabet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";
constexpr int kCode39CheckModulus = 43;
static_assert(kCode39CheckAlphabet.size() == kCode39CheckModulus);

// UPC-E zero suppression (ISO/IEC 15420): the ten digits after the number system of the UPC-A number
// that six UPC-E digits stand for, chosen by the sixth digit. "a" to "f" are the six digits.
constexpr std::array<std::string_view, 10> kUpcEExpansion{
    "abf0000cde", // 0: manufacturer ab000, product 00cde
    "abf0000cde", // 1: manufacturer ab100, product 00cde
    "abf0000cde", // 2: manufacturer ab200, product 00cde
    "abc00000de", // 3: manufacturer abc00, product 000de
    "abcd00000e", // 4: manufacturer abcd0, product 0000e
    "abcde0000f", // 5: manufacturer abcde, product 0000f
    "abcde0000f", // 6
    "abcde0000f", // 7
    "abcde0000f", // 8
    "abcde0000f", // 9
};

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

std::string PadWithZeros(std::string_view digits, std::size_t length)
{
    std::string padded(length > digits.size() ? length - digits.size() : 0, '0');
    padded.append(digits);
    return padded;
}

bool AppendsCheckDigit(const TBarcode& barcode)
{
    return barcode.Checksum() && barcode.CheckSumMethod() != csmNone;
}

// The EAN-8 and EAN-13 digits as the encoders draw them, the check digit included.
std::string Ean8Digits(const TBarcode& barcode)
{
    if (!AppendsCheckDigit(barcode))
        return PadWithZeros(barcode.Text(), 8).substr(0, 8);
    const std::string padded = PadWithZeros(barcode.Text(), 7);
    return barcode.ApplyCheckSum(padded.substr(padded.size() - 7));
}

std::string Ean13Digits(const TBarcode& barcode)
{
    const std::string digits = AppendsCheckDigit(barcode)
                                   ? barcode.ApplyCheckSum(PadWithZeros(barcode.Text(), 12))
                                   : PadWithZeros(barcode.Text(), 13);
    return digits.substr(0, 13);
}

// Number system, the six drawn digits and the check digit of the UPC-A number they expand to, which
// the parities of the six digits carry.
std::string UpcEDigits(const TBarcode& barcode, char numberSystem)
{
    const std::string six = PadWithZeros(barcode.Text(), 7).substr(0, 6);
    std::string expanded(1, numberSystem);
    for (char c : kUpcEExpansion[static_cast<std::size_t>(DigitValue(six[5]))])
        expanded += c == '0' ? '0' : six[static_cast<std::size_t>(c - 'a')];
    return numberSystem + six + AppendModulo10(expanded).back();
}

// The modulo-43 check character over the characters of the basic set.
char Code39CheckCharacter(std::string_view basic)
{
    int sum = 0;
    for (char c : basic) {
        const std::size_t value = kCode39CheckAlphabet.find(c);
        if (value != std::string_view::npos)
            sum = (sum + static_cast<int>(value)) % kCode39CheckModulus;
    }
    return kCode39CheckAlphabet[static_cast<std::size_t>(sum)];
}

// A plain Code 39 reader passes the check character on as the last character of the data.
std::string Code39Reading(const TBarcode& barcode)
{
    if (!barcode.Checksum())
        return barcode.Text();
    return barcode.Text() + Code39CheckCharacter(barcode.Text());
}

// The character a shift character and its follower stand for in the full-ASCII table, or nothing.
std::optional<char> FullAsciiCharacter(char shift, char follower, ShiftCharacters shifts)
{
    for (std::size_t code = 0; code < Code39ExtendedTable.size(); ++code) {
        const std::string_view entry = Code39ExtendedTable[code];
        if (entry.size() == 2 && WithShifts(entry[0], shifts) == shift && entry[1] == follower)
            return static_cast<char>(code);
    }
    return std::nullopt;
}

bool IsShift(char c, ShiftCharacters shifts)
{
    return c == shifts.dollar || c == shifts.percent || c == shifts.slash || c == shifts.plus;
}

// Plain Code 93 draws "[", "]", "{" and "}" as its four shift characters, so a scanner reads the
// typed text through the full-ASCII table; a shift without a valid follower reads as typed.
std::string Code93Reading(const std::string& text)
{
    std::string reading;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!IsShift(text[i], kCode93Shifts)) {
            reading += text[i];
            continue;
        }
        const std::optional<char> c =
            i + 1 < text.size() ? FullAsciiCharacter(text[i], text[i + 1], kCode93Shifts) : std::nullopt;
        if (!c)
            return text;
        reading += *c;
        ++i;
    }
    return reading;
}

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
    switch (barcode.Typ()) {
    case bcCode_2_5_interleaved: // Text holds the leading 0 that an odd count gets
    case bcCode128A:
    case bcCode128B:
    case bcCode128C:
    case bcCode39Extended: // a check character is verified and stripped before the shifts are read
    case bcCode93Extended:
    case bcCodeCodabar: // the start and stop characters are not data
    case bcCodeEAN128A: // FNC1 only marks the data structure
    case bcCodeEAN128B:
    case bcCodeEAN128C: return barcode.Text();
    case bcCode39: return Code39Reading(barcode);
    case bcCode93: return Code93Reading(barcode.Text());
    case bcCodeEAN8: return Ean8Digits(barcode);
    case bcCodeEAN13: return Ean13Digits(barcode);
    case bcCodeUPC_A: return PadWithZeros(barcode.Text(), 12).substr(0, 12);
    case bcCodeUPC_E0: return UpcEDigits(barcode, '0');
    case bcCodeUPC_E1: return UpcEDigits(barcode, '1');
    default: return std::nullopt; // MSI, PostNet, industrial and matrix two of five, the add-ons
    }
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
