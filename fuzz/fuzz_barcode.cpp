// Fuzzes the barcode engine: any symbology byte, text and geometry. Measuring and drawing must agree,
// encoding must be repeatable, and every refusal must be one of the engine's own messages.
//
// Input: Typ (1 byte), flags (1), ratio pick (1), angle pick (1), Modul (int32), Ratio (double),
// Angle (double), Height, Left, Top (int32 each), then the Text bytes.
// Flags: bit 0 Checksum, bit 1 csmModulo10, bits 2-3 ShowText, bit 4 raw Ratio, bit 5 raw Angle.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "barcode/Barcode.h"
#include "barcode/Canvas.h"
#include "barcode/RecordingCanvas.h"
#include "fuzz/FuzzInput.h"

namespace quillon::fuzz {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// Ratios random bytes seldom hit: the clamping bounds, the zero-width corner and the non-numbers.
constexpr std::array<double, 16> kRatioPicks{
    2.0, 3.0, 2.25, 2.5, 1.0, 0.0, -1.0, -2.5, 0.5, 0.25, 10.0, 1e300, kNaN, kInf, -kInf, 64.0,
};
// Angles: the four upright ones, an oblique one, and values with no direction.
constexpr std::array<double, 12> kAnglePicks{
    0.0, 90.0, 180.0, 270.0, 45.0, -90.0, 360.0, 1e300, kNaN, kInf, -kInf, 123.456,
};

struct TSetting {
    std::uint8_t Typ = 0;
    bool Checksum = false;
    TCheckSumMethod Method = csmNone;
    TBarcodeOption Show = bcoNone;
    int Modul = 1;
    double Ratio = 2.0;
    double Angle = 0.0;
    int Height = 0;
    int Left = 0;
    int Top = 0;
    std::string Text;
};

TSetting ReadSetting(TFuzzInput& in)
{
    TSetting s;
    s.Typ = in.Byte();
    const std::uint8_t flags = in.Byte();
    const std::uint8_t ratioPick = in.Byte();
    const std::uint8_t anglePick = in.Byte();
    s.Checksum = (flags & 1) != 0;
    s.Method = (flags & 2) != 0 ? csmModulo10 : csmNone;
    s.Show = static_cast<TBarcodeOption>((flags >> 2) & 3);
    s.Modul = in.I32();
    const double rawRatio = in.Double();
    const double rawAngle = in.Double();
    s.Ratio = (flags & 16) != 0 ? rawRatio : kRatioPicks[ratioPick % kRatioPicks.size()];
    s.Angle = (flags & 32) != 0 ? rawAngle : kAnglePicks[anglePick % kAnglePicks.size()];
    s.Height = in.I32();
    s.Left = in.I32();
    s.Top = in.I32();
    s.Text = in.Rest();
    return s;
}

// Distinct colours, so that every recorded polygon tells whether it was drawn as a bar or a space.
constexpr TColor kSpaceColor = 0x00C0FFEE;
constexpr TColor kBarColor = 0x00123456;

void Configure(TBarcode& barcode, const TSetting& s)
{
    barcode.SetTyp(static_cast<TBarcodeType>(s.Typ));
    barcode.SetText(s.Text);
    barcode.SetModul(s.Modul);
    barcode.SetRatio(s.Ratio);
    barcode.SetChecksum(s.Checksum);
    barcode.SetCheckSumMethod(s.Method);
    barcode.SetShowText(s.Show);
    barcode.SetHeight(s.Height);
    barcode.SetColor(kSpaceColor);
    barcode.SetColorBar(kBarColor);
}

// A canvas whose state differs from everything Draw sets, so that a missed restore shows.
TRecordingCanvas PreparedCanvas()
{
    TRecordingCanvas canvas;
    canvas.SetFont({.Name = "Fuzz", .Size = 11, .Color = 0x00ABCDEF});
    canvas.SetPen({.Color = 0x00777777, .Width = 3, .Mode = pmCopy});
    canvas.SetBrush({.Color = 0x00654321, .Style = bsClear});
    return canvas;
}

bool StateRestored(const TRecordingCanvas& canvas)
{
    const TRecordingCanvas fresh = PreparedCanvas();
    return canvas.Font() == fresh.Font() && canvas.Pen() == fresh.Pen() && canvas.Brush() == fresh.Brush();
}

bool StartsWith(std::string_view s, std::string_view prefix)
{
    return s.substr(0, prefix.size()) == prefix;
}
bool EndsWith(std::string_view s, std::string_view suffix)
{
    return s.size() >= suffix.size() && s.substr(s.size() - suffix.size()) == suffix;
}

bool IsNumericOnly(std::uint8_t typ)
{
    return KindTraits(typ).Text.NumericOnly;
}

// A message as what() hands it over: an exception's text ends at its first NUL byte.
std::string AsWhat(const std::string& message)
{
    return message.substr(0, message.find('\0'));
}

// "TBarcode:<family> bad Data <Text>", raised only by the encoders of that family.
bool IsBadDataOf(std::string_view message, std::string_view family, std::initializer_list<int> types, int typ,
                 const std::string& text)
{
    const std::string expected =
        std::string(kBarcodeClassName) + ":" + std::string(family) + " bad Data <" + text + ">";
    return message == AsWhat(expected) && std::find(types.begin(), types.end(), typ) != types.end();
}

// The string-to-integer conversion error of the check-digit steps, naming one character or the
// whole text; a NUL character cuts it right after its opening quote.
bool IsConversionError(std::string_view message, const std::string& text)
{
    if (StartsWith(message, "'") && EndsWith(message, "' is not a valid integer value"))
        return true;
    return message == "'" && text.find('\0') != std::string::npos;
}

// The messages the engine may raise for this symbology and text.
bool IsEngineMessage(std::string_view message, std::uint8_t typ, const std::string& text)
{
    const std::string cls = kBarcodeClassName;
    if (message == cls + ": wrong BarcodeType")
        return typ >= kBarcodeTypeCount;
    if (message == "Barcode must be numeric")
        return IsNumericOnly(typ);
    if (message == cls + ": barcode too wide")
        return true;
    // A full UPC-E (eight digits) is refused by the digit that does not hold.
    const bool upcE = typ == bcCodeUPC_E0 || typ == bcCodeUPC_E1;
    for (const std::string_view start : {"Check digit should be ", "Number system should be "})
        if (StartsWith(message, start))
            return upcE && message.size() == start.size() + 1 && message.back() >= '0' &&
                   message.back() <= '9';
    // "TBarcode: internal Error" is deliberately absent: an encoder that writes a character outside
    // the bar-pattern alphabet is a fault of the engine, not of the input.
    return IsConversionError(message, text) ||
           IsBadDataOf(message, "Code39", {bcCode39, bcCode39Extended}, typ, text) ||
           IsBadDataOf(message, "Code93", {bcCode93, bcCode93Extended}, typ, text) ||
           IsBadDataOf(message, "Code128", {bcCode128A, bcCode128B, bcCodeEAN128A, bcCodeEAN128B}, typ,
                       text) ||
           IsBadDataOf(message, "Codabar", {bcCodeCodabar}, typ, text);
}

bool HasNonDigitAfterTrim(const std::string& text)
{
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    const auto first = std::find_if_not(text.begin(), text.end(), blank);
    const auto last = std::find_if_not(text.rbegin(), std::make_reverse_iterator(first), blank).base();
    return std::any_of(first, last, [](char c) { return c < '0' || c > '9'; });
}

// A refused setting: the right message, Text kept where it must be, and Draw refusing the same way
// before it touches the canvas.
void CheckRefusal(TBarcode& barcode, const TSetting& s, const std::string& message)
{
    FUZZ_REQUIRE(IsEngineMessage(message, s.Typ, barcode.Text()));
    if (s.Typ >= kBarcodeTypeCount)
        FUZZ_REQUIRE(barcode.Text() == s.Text);
    else if (IsNumericOnly(s.Typ) && HasNonDigitAfterTrim(s.Text))
        FUZZ_REQUIRE(message == "Barcode must be numeric");
    TRecordingCanvas canvas = PreparedCanvas();
    try {
        barcode.Draw(canvas);
    } catch (const Exception& again) {
        FUZZ_REQUIRE(again.what() == message);
        FUZZ_REQUIRE(canvas.Calls().empty() && StateRestored(canvas));
        return;
    }
    FUZZ_FAIL("measured as refused, drawn as accepted");
}

// At angle 0 from (0, 0) the polygons lie side by side along x: element i covers exactly its own
// width, in the colour and height of its kind, and together they cover Width pixels.
void CheckUprightDrawing(TBarcode& barcode, const std::string& pattern, int width)
{
    TRecordingCanvas canvas = PreparedCanvas();
    barcode.Draw(canvas);
    FUZZ_REQUIRE(StateRestored(canvas));
    const std::vector<TRecordedPolygon> polygons = canvas.Polygons();
    FUZZ_REQUIRE(polygons.size() == pattern.size());
    std::int64_t x = 0;
    for (std::size_t i = 0; i < polygons.size(); ++i) {
        const TBarElement element = barcode.DecodeElement(pattern[i]);
        const TPolygonPoints& p = polygons[i].Points;
        FUZZ_REQUIRE(element.Width >= 1);
        FUZZ_REQUIRE(p.size() == 4);
        FUZZ_REQUIRE(p[0].X == x && p[1].X == x && p[2].X == x + element.Width - 1 && p[3].X == p[2].X);
        const int h =
            element.Kind == bekShortBar ? static_cast<int>(2LL * barcode.Height() / 5) : barcode.Height();
        FUZZ_REQUIRE(p[0].Y == 0 && p[1].Y == h && p[2].Y == h && p[3].Y == 0);
        const TColor color = element.Kind == bekSpace ? kSpaceColor : kBarColor;
        FUZZ_REQUIRE(polygons[i].Pen.Color == color && polygons[i].Brush.Color == color);
        x += element.Width;
    }
    FUZZ_REQUIRE(x == width);
}

void CheckTextLines(const TBarcode& barcode, const TRecordingCanvas& canvas)
{
    const std::vector<TRecordedText> texts = canvas.Texts();
    const TBarcodeOption show = barcode.ShowText();
    const std::size_t expected = show == bcoBoth ? 2 : (show == bcoNone ? 0 : 1);
    FUZZ_REQUIRE(texts.size() == expected);
    // The code line shows what the bars encode: Text, or a UPC-E in full with its number system and
    // check digit.
    const std::optional<TEncoding>& encoding = barcode.LastEncoding();
    const std::string shown = encoding ? encoding->DrawnText : barcode.Text();
    if (show == bcoCode || show == bcoBoth)
        FUZZ_REQUIRE(texts[0].Text == "* " + shown + " *");
    if (show == bcoTyp || show == bcoBoth)
        FUZZ_REQUIRE(texts.back().Text == barcode.GetTypeName());
}

// The same barcode turned and moved as the input says: the same elements, the text lines, no UB.
void CheckPlacedDrawing(TBarcode& barcode, const TSetting& s, std::size_t elements)
{
    barcode.SetAngle(s.Angle);
    barcode.SetLeft(s.Left);
    barcode.SetTop(s.Top);
    TRecordingCanvas canvas = PreparedCanvas();
    barcode.Draw(canvas);
    FUZZ_REQUIRE(StateRestored(canvas));
    FUZZ_REQUIRE(canvas.Polygons().size() == elements);
    CheckTextLines(barcode, canvas);
}

void CheckModuleWidths(const TBarcode& barcode)
{
    for (int w : barcode.ModuleWidths())
        FUZZ_REQUIRE(w >= 1);
}

void Run(const TSetting& s)
{
    TBarcode barcode;
    Configure(barcode, s);
    int width = 0;
    try {
        width = barcode.Width();
    } catch (const Exception& e) {
        CheckRefusal(barcode, s, e.what());
        return;
    }
    CheckModuleWidths(barcode);
    FUZZ_REQUIRE(width >= 0);
    // Measuring, drawing and measuring again encode the same setting: the same Text, the same width.
    const std::string measuredText = barcode.Text();
    const std::string pattern = barcode.BuildPattern();
    FUZZ_REQUIRE(barcode.Text() == measuredText);
    CheckUprightDrawing(barcode, pattern, width);
    FUZZ_REQUIRE(barcode.Text() == measuredText);
    FUZZ_REQUIRE(barcode.Width() == width);
    CheckPlacedDrawing(barcode, s, pattern.size());
    FUZZ_REQUIRE(barcode.Text() == measuredText);
}

} // namespace
} // namespace quillon::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    quillon::fuzz::TFuzzInput in(data, size);
    // Any exception other than quillon::Exception escapes and ends the run as a crash.
    quillon::fuzz::Run(quillon::fuzz::ReadSetting(in));
    return 0;
}
