#include "label/render/LabelZpl.h"

#include <QPalette>
#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <iterator>
#include <utility>

#include "barcode/CheckDigits.h"
#include "label/render/LabelPainter.h"

namespace quillon {

namespace {

// The engine's kinds whose bars a printer's command draws, and the command. EAN-128 is Code 128 with
// FNC1 after the start code (ZPL's >8). Left out until an independent renderer draws them as we do, so
// that what we prove is what prints: EAN-8 (^B8), UPC-A (^BU), UPC-E (^B9), Code 93 (^BA) and Codabar
// (^BK), which zpl-renderer-js 3.4.0 prints as their field data in text, no bars; code set A (^BC with
// >9), which it draws as another symbol ("ABC-12" reads ","); and the two-dimensional kinds, whose
// printer encoders choose their own encodation, size and mask, so the modules need not be libzint's.
struct TNativeKind {
    TBarcodeType Typ = bcCodeEAN13;
    TZplBarCommand Command = TZplBarCommand::Ean13;
};
constexpr TNativeKind kNativeKinds[] = {
    {bcCodeEAN13, TZplBarCommand::Ean13},
    {bcCode128B, TZplBarCommand::Code128},
    {bcCode128C, TZplBarCommand::Code128},
    {bcCodeEAN128B, TZplBarCommand::Code128},
    {bcCodeEAN128C, TZplBarCommand::Code128},
    {bcCode39, TZplBarCommand::Code39},
    {bcCode_2_5_interleaved, TZplBarCommand::Interleaved2Of5},
};

// ZPL II ^BC invocation codes (Zebra's ZPL II programming guide, ^BC): the start codes, FNC1, and the
// three characters a field cannot hold as themselves, as their code set B values (30 '>', 62 '^',
// 94 '~').
constexpr std::string_view kStartA = ">9";
constexpr std::string_view kStartB = ">:";
constexpr std::string_view kStartC = ">;";
constexpr std::string_view kFnc1 = ">8";
struct TEscapedCharacter {
    char Character = '>';
    std::string_view Code;
};
constexpr TEscapedCharacter kEscaped[] = {{'>', ">0"}, {'^', "><"}, {'~', ">="}};

// ^GF's ASCII hex compression: G..Y repeat 1 to 19 times, g..z 20 to 400 times in steps of 20.
constexpr int kMaxSmallRepeat = 19;
constexpr int kLargeRepeatStep = 20;
constexpr int kMaxRepeat = 400 + kMaxSmallRepeat;
constexpr char kRowEndsWhite = ',';
constexpr char kRowEndsBlack = '!';
constexpr char kRowRepeats = ':';
constexpr char kHexDigits[] = "0123456789ABCDEF";

// The dots of a row are handled eight at a time: a byte of a row at any dot, and the mask of a row's
// last byte, whose dots past the width stay white.
std::uint8_t* RowOf(TDotBitmap& dots, int y)
{
    return &dots.Bits[static_cast<std::size_t>(y) * static_cast<std::size_t>(dots.BytesPerRow)];
}
const std::uint8_t* RowOf(const TDotBitmap& dots, int y)
{
    return &dots.Bits[static_cast<std::size_t>(y) * static_cast<std::size_t>(dots.BytesPerRow)];
}
std::uint8_t LastByteMask(int width)
{
    return width % 8 == 0 ? 0xFF : static_cast<std::uint8_t>(0xFF << (8 - width % 8));
}
// The eight dots of row y from dot x on (x inside the row), those past its last byte white.
std::uint8_t ByteAt(const TDotBitmap& dots, int x, int y)
{
    const std::uint8_t* row = RowOf(dots, y);
    const int i = x / 8;
    const int shift = x % 8;
    unsigned byte = static_cast<unsigned>(row[i]) << shift;
    if (shift != 0 && i + 1 < dots.BytesPerRow)
        byte |= static_cast<unsigned>(row[i + 1]) >> (8 - shift);
    return static_cast<std::uint8_t>(byte);
}

bool IsTwoWidth(TZplBarCommand command)
{
    return command == TZplBarCommand::Code39 || command == TZplBarCommand::Interleaved2Of5;
}

std::optional<TZplBarCommand> NativeCommandOf(TBarcodeType typ)
{
    for (const TNativeKind& kind : kNativeKinds)
        if (kind.Typ == typ)
            return kind.Command;
    return std::nullopt;
}

// The start code of an engine Code 128 kind, which keeps one code set throughout.
std::string_view Code128StartOf(TBarcodeType typ)
{
    switch (typ) {
    case bcCode128A:
    case bcCodeEAN128A: return kStartA;
    case bcCode128C:
    case bcCodeEAN128C: return kStartC;
    default: return kStartB;
    }
}

bool IsEan128(TBarcodeType typ)
{
    return typ == bcCodeEAN128A || typ == bcCodeEAN128B || typ == bcCodeEAN128C;
}

bool AllDigits(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// ^FD ends at the next '^' and treats '~' as a command: neither may stand in the data.
bool FieldSafe(std::string_view text)
{
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return c >= ' ' && c < 127 && c != '^' && c != '~'; });
}

// The field data that makes the printer draw the barcode's symbol characters, or none.
std::optional<std::string> NativeData(const TBarcode& barcode, TZplBarCommand command)
{
    const std::string& text = barcode.Text();
    const auto digits = [&](std::size_t count) -> std::optional<std::string> {
        if (text.size() < count || !AllDigits(text))
            return std::nullopt;
        return text.substr(0, count);
    };
    switch (command) {
    case TZplBarCommand::Ean13: return digits(12);
    case TZplBarCommand::Ean8: return digits(7);
    case TZplBarCommand::UpcA: return digits(11);
    case TZplBarCommand::Code128: {
        std::string data(Code128StartOf(barcode.Typ()));
        if (IsEan128(barcode.Typ()))
            data += kFnc1;
        for (char c : text) {
            const auto* escaped = std::find_if(std::begin(kEscaped), std::end(kEscaped),
                                               [c](const TEscapedCharacter& e) { return e.Character == c; });
            if (escaped != std::end(kEscaped))
                data += escaped->Code;
            else if (c >= ' ' && c < 127)
                data += c;
            else
                return std::nullopt;
        }
        return data;
    }
    case TZplBarCommand::Interleaved2Of5:
        if (!AllDigits(text) || text.size() % 2 != 0)
            return std::nullopt;
        return text;
    case TZplBarCommand::Code39:
    case TZplBarCommand::Code93:
        if (!FieldSafe(text))
            return std::nullopt;
        return text;
    }
    return std::nullopt;
}

// The engine barcode that draws what the command's field asks the printer for.
std::optional<TBarcode> EngineBarcodeOf(const TZplBars& bars)
{
    TBarcode barcode;
    barcode.SetModul(bars.ModuleDots);
    barcode.SetRatio(IsTwoWidth(bars.Command) ? bars.RatioTenths / 10.0 : 2.0);
    barcode.SetCheckSumMethod(csmNone);
    const std::string& data = bars.Data;
    const auto digitsWithCheck = [&](TBarcodeType typ, std::size_t count) -> std::optional<TBarcode> {
        if (data.size() != count || !AllDigits(data))
            return std::nullopt;
        barcode.SetTyp(typ);
        barcode.SetText(AppendModulo10(data));
        return barcode;
    };
    switch (bars.Command) {
    case TZplBarCommand::Ean13: return digitsWithCheck(bcCodeEAN13, 12);
    case TZplBarCommand::Ean8: return digitsWithCheck(bcCodeEAN8, 7);
    case TZplBarCommand::UpcA: return digitsWithCheck(bcCodeUPC_A, 11);
    case TZplBarCommand::Code128: {
        // One start code, FNC1 after it or not, then one code set throughout: all we write.
        const std::string_view start = std::string_view(data).substr(0, 2);
        std::string_view rest = std::string_view(data).substr(std::min<std::size_t>(2, data.size()));
        const bool fnc1 = rest.starts_with(kFnc1);
        if (fnc1)
            rest.remove_prefix(kFnc1.size());
        std::string text;
        for (std::size_t i = 0; i < rest.size(); ++i) {
            if (rest[i] != '>') {
                text += rest[i];
                continue;
            }
            const std::string_view code = rest.substr(i, 2);
            const auto* escaped = std::find_if(std::begin(kEscaped), std::end(kEscaped),
                                               [code](const TEscapedCharacter& e) { return e.Code == code; });
            if (escaped == std::end(kEscaped))
                return std::nullopt;
            text += escaped->Character;
            ++i;
        }
        if (start == kStartA)
            barcode.SetTyp(fnc1 ? bcCodeEAN128A : bcCode128A);
        else if (start == kStartB)
            barcode.SetTyp(fnc1 ? bcCodeEAN128B : bcCode128B);
        else if (start == kStartC && AllDigits(text) && text.size() % 2 == 0)
            barcode.SetTyp(fnc1 ? bcCodeEAN128C : bcCode128C);
        else
            return std::nullopt;
        barcode.SetText(text);
        return barcode;
    }
    case TZplBarCommand::Code39:
        barcode.SetTyp(bcCode39);
        barcode.SetChecksum(bars.CheckCharacter);
        barcode.SetText(data);
        return barcode;
    case TZplBarCommand::Code93:
        barcode.SetTyp(bcCode93);
        barcode.SetText(data);
        return barcode;
    case TZplBarCommand::Interleaved2Of5:
        if (!AllDigits(data) || data.size() % 2 != 0)
            return std::nullopt;
        barcode.SetTyp(bcCode_2_5_interleaved);
        barcode.SetText(data);
        return barcode;
    }
    return std::nullopt;
}

// The printer's dot rectangle the label's bars were placed on: every dark bar of the drawing.
std::optional<QRect> PlacedBars(const TLabelDrawing& label, const TLabelPlacement& placement)
{
    const QPalette palette;
    QRectF bars;
    for (const TRecordedCall& call : label.Calls) {
        const auto* polygon = std::get_if<TRecordedPolygon>(&call);
        if (polygon == nullptr || !PolygonInk(*polygon, palette))
            continue;
        if (const std::optional<QRect> bar = BarPixels(polygon->Points))
            bars |= placement.Snapped(bar->left(), bar->top(), bar->right() + 1, bar->bottom() + 1);
    }
    if (bars.isEmpty())
        return std::nullopt;
    return QRect(
        QPoint(static_cast<int>(std::lround(bars.left())), static_cast<int>(std::lround(bars.top()))),
        QPoint(static_cast<int>(std::lround(bars.right())) - 1,
               static_cast<int>(std::lround(bars.bottom())) - 1));
}

// The widest dark run along the middle row of the box: a wide bar of a two-width kind.
int WidestBar(const TDotBitmap& dots, const QRect& box)
{
    const int y = box.top() + box.height() / 2;
    int widest = 0;
    int run = 0;
    for (int x = box.left(); x <= box.right(); ++x) {
        run = dots.Dark(x, y) ? run + 1 : 0;
        widest = std::max(widest, run);
    }
    return widest;
}

bool RowMatches(const TDotBitmap& dots, int y, const TDotBitmap& row, int left)
{
    const int last = row.BytesPerRow - 1;
    for (int i = 0; i < last; ++i)
        if (ByteAt(dots, left + 8 * i, y) != row.Bits[static_cast<std::size_t>(i)])
            return false;
    return (ByteAt(dots, left + 8 * last, y) & LastByteMask(row.Width)) ==
           row.Bits[static_cast<std::size_t>(last)];
}

// The tallest run of the box's rows that are the command's row of bars: the field the printer draws.
// Rows that differ stay in the graphic, such as the guard bars of EAN and UPC below their short bars,
// or bars the maker's mark covers at the top.
std::optional<std::pair<int, int>> TallestMatchingRows(const TDotBitmap& dots, const QRect& box,
                                                       const TDotBitmap& row)
{
    if (box.left() + row.Width > dots.Width)
        return std::nullopt;
    std::pair<int, int> best{0, 0}; // first row, count
    int runStart = 0;
    int run = 0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        if (!RowMatches(dots, y, row, box.left())) {
            run = 0;
            continue;
        }
        if (run++ == 0)
            runStart = y;
        if (run > best.second)
            best = {runStart, run};
    }
    if (best.second == 0)
        return std::nullopt;
    return best;
}

// The native field for the barcode's bars on the label's dots, or why there is none.
// `row` takes the field's row of bars, which it repeats down its height.
std::optional<TZplBars> NativeBars(const TLabelDrawing& label, const TBarcode& barcode,
                                   const TDotBitmap& dots, const TZplSettings& settings, TDotBitmap& row,
                                   std::string& why)
{
    const std::optional<TZplBarCommand> command = NativeCommandOf(barcode.Typ());
    if (!command) {
        why = "ZPL has no command that draws it";
        return std::nullopt;
    }
    if (barcode.Angle() != 0.0) {
        why = "it is turned";
        return std::nullopt;
    }
    const std::optional<std::string> data = NativeData(barcode, *command);
    if (!data) {
        why = "its data holds characters the printer's command cannot carry";
        return std::nullopt;
    }
    const TLabelPlacement placement = LabelImagePlacement(label, settings.Dpi, settings.Dpi);
    const std::optional<QRect> box = PlacedBars(label, placement);
    if (!box || !QRect(0, 0, dots.Width, dots.Height).contains(*box)) {
        why = "its bars could not be found on the label";
        return std::nullopt;
    }
    TZplBars bars{.Command = *command,
                  .At = box->topLeft(),
                  .ModuleDots = placement.DotsPerModule,
                  .RatioTenths = 20,
                  .HeightDots = 1,
                  .CheckCharacter = *command == TZplBarCommand::Code39 && barcode.Checksum(),
                  .Data = *data};
    if (IsTwoWidth(*command)) {
        const int wide = WidestBar(dots, *box);
        const int tenths = wide * 10 / bars.ModuleDots;
        if (tenths * bars.ModuleDots != wide * 10 || tenths < 20 || tenths > 30) {
            why = "its wide bars of " + std::to_string(wide) + " dots to a narrow of " +
                  std::to_string(bars.ModuleDots) + " are no ratio ZPL takes (2.0 to 3.0 in tenths)";
            return std::nullopt;
        }
        bars.RatioTenths = tenths;
    }
    // Every row of the field is this one: the rows found are the very dots the printer draws.
    std::optional<TDotBitmap> drawn = DrawZplBars(bars);
    const std::optional<std::pair<int, int>> rows =
        drawn ? TallestMatchingRows(dots, *box, *drawn) : std::nullopt;
    if (!rows) {
        why = "the printer's command would draw other bars than ours";
        return std::nullopt;
    }
    bars.At.setY(rows->first);
    bars.HeightDots = rows->second;
    row = std::move(*drawn);
    return bars;
}

void AppendRun(std::string& out, char digit, int count)
{
    while (count > 0) {
        const int take = std::min(count, kMaxRepeat);
        if (take > 1) {
            if (take / kLargeRepeatStep > 0)
                out += static_cast<char>('f' + take / kLargeRepeatStep);
            if (take % kLargeRepeatStep > 0)
                out += static_cast<char>('F' + take % kLargeRepeatStep);
        }
        out += digit;
        count -= take;
    }
}

std::string FieldOrigin(QPoint at)
{
    return "^FO" + std::to_string(at.x()) + "," + std::to_string(at.y());
}

} // namespace

TDotBitmap::TDotBitmap(int width, int height)
    : Width(width), Height(height), BytesPerRow((width + 7) / 8),
      Bits(static_cast<std::size_t>(BytesPerRow) * static_cast<std::size_t>(std::max(0, height)), 0)
{
}

TDotBitmap DotsOf(const QImage& image)
{
    // A one-bit image is our rows already, or their inverse, by its colour table.
    if (image.format() == QImage::Format_Mono && image.colorCount() == 2) {
        const bool darkOne = qGray(image.color(1)) < 128;
        if (darkOne != (qGray(image.color(0)) < 128)) {
            TDotBitmap dots(image.width(), image.height());
            const std::uint8_t invert = darkOne ? 0x00 : 0xFF;
            const std::uint8_t lastMask = LastByteMask(dots.Width);
            for (int y = 0; y < dots.Height; ++y) {
                const uchar* line = image.constScanLine(y);
                std::uint8_t* row = RowOf(dots, y);
                for (int i = 0; i < dots.BytesPerRow; ++i)
                    row[i] = line[i] ^ invert;
                row[dots.BytesPerRow - 1] &= lastMask;
            }
            return dots;
        }
    }
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    TDotBitmap dots(grey.width(), grey.height());
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* line = grey.constScanLine(y);
        for (int x = 0; x < grey.width(); ++x)
            if (line[x] < 128)
                dots.SetDark(x, y);
    }
    return dots;
}

QRect InkBox(const TDotBitmap& dots)
{
    int top = dots.Height;
    int bottom = -1;
    int left = dots.Width;
    int right = -1;
    const auto inked = [](std::uint8_t b) { return b != 0; };
    for (int y = 0; y < dots.Height; ++y) {
        const std::uint8_t* row = RowOf(dots, y);
        const std::uint8_t* end = row + dots.BytesPerRow;
        const std::uint8_t* first = std::find_if(row, end, inked);
        if (first == end)
            continue;
        const std::uint8_t* last =
            std::find_if(std::make_reverse_iterator(end), std::make_reverse_iterator(first), inked).base() -
            1;
        top = std::min(top, y);
        bottom = y;
        left = std::min(left, static_cast<int>(first - row) * 8 + std::countl_zero(*first));
        right = std::max(right, static_cast<int>(last - row) * 8 + 7 - std::countr_zero(*last));
    }
    return bottom < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

TDotBitmap Cropped(const TDotBitmap& dots, const QRect& box)
{
    TDotBitmap out(box.width(), box.height());
    const std::uint8_t lastMask = LastByteMask(out.Width);
    for (int y = 0; y < out.Height; ++y) {
        std::uint8_t* row = RowOf(out, y);
        for (int i = 0; i < out.BytesPerRow; ++i)
            row[i] = ByteAt(dots, box.left() + 8 * i, box.top() + y);
        row[out.BytesPerRow - 1] &= lastMask;
    }
    return out;
}

void MarkDots(TDotBitmap& onto, const TDotBitmap& dots, QPoint at, TDotMark mark)
{
    const int height = std::min(dots.Height, onto.Height - at.y());
    const int width = std::min(dots.Width, onto.Width - at.x());
    if (at.x() < 0 || at.y() < 0 || width <= 0)
        return;
    const int bytes = (width + 7) / 8;
    const std::uint8_t lastMask = LastByteMask(width);
    const int shift = at.x() % 8;
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* from = RowOf(dots, y);
        std::uint8_t* to = RowOf(onto, at.y() + y) + at.x() / 8;
        for (int i = 0; i < bytes; ++i) {
            const unsigned byte = i + 1 < bytes ? from[i] : from[i] & lastMask;
            const auto high = static_cast<std::uint8_t>(byte >> shift);
            const auto low = static_cast<std::uint8_t>(byte << (8 - shift));
            if (mark == TDotMark::Dark) {
                to[i] |= high;
                if (shift != 0 && low != 0)
                    to[i + 1] |= low;
            } else {
                to[i] &= static_cast<std::uint8_t>(~high);
                if (shift != 0 && low != 0)
                    to[i + 1] &= static_cast<std::uint8_t>(~low);
            }
        }
    }
}

QImage ImageOfDots(const TDotBitmap& dots)
{
    // RGB32, which the scan checks read without converting it first; a byte of dots at a time.
    static const auto kPixelsOfByte = [] {
        std::array<std::array<QRgb, 8>, 256> pixels{};
        for (std::size_t byte = 0; byte < pixels.size(); ++byte)
            for (std::size_t bit = 0; bit < 8; ++bit)
                pixels[byte][bit] = (byte << bit) & 0x80 ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
        return pixels;
    }();
    QImage image(dots.Width, dots.Height, QImage::Format_RGB32);
    for (int y = 0; y < dots.Height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const std::uint8_t* row = RowOf(dots, y);
        for (int x = 0; x < dots.Width; x += 8)
            std::copy_n(kPixelsOfByte[row[x / 8]].begin(), std::min(8, dots.Width - x), line + x);
    }
    return image;
}

std::string CompressedGraphicHex(const TDotBitmap& dots)
{
    std::string out;
    const auto digits = static_cast<std::size_t>(dots.BytesPerRow) * 2;
    for (int y = 0; y < dots.Height; ++y) {
        const std::uint8_t* row = RowOf(dots, y);
        if (y > 0 && std::equal(row, row + dots.BytesPerRow, RowOf(dots, y - 1))) {
            out += kRowRepeats;
            continue;
        }
        const auto digit = [row](std::size_t i) {
            return static_cast<int>(i % 2 == 0 ? row[i / 2] >> 4 : row[i / 2] & 0xF);
        };
        // A row that ends in black spells its F digits out: renderers read '!' as a fill of 1 digits
        // (zpl-renderer-js does), which would cut the last bars of a label that ends in them.
        std::size_t end = digits;
        while (end > 0 && digit(end - 1) == 0)
            --end;
        for (std::size_t i = 0; i < end;) {
            std::size_t j = i;
            while (j < end && digit(j) == digit(i))
                ++j;
            AppendRun(out, kHexDigits[digit(i)], static_cast<int>(j - i));
            i = j;
        }
        if (end < digits)
            out += kRowEndsWhite;
    }
    return out;
}

std::optional<TDotBitmap> ExpandGraphicHex(std::string_view data, int bytesPerRow, int totalBytes)
{
    if (bytesPerRow <= 0 || totalBytes <= 0 || totalBytes % bytesPerRow != 0)
        return std::nullopt;
    const int rowDigits = 2 * bytesPerRow;
    TDotBitmap dots(bytesPerRow * 8, totalBytes / bytesPerRow);
    int y = 0;
    int filled = 0; // hex digits of row y so far
    int repeat = 0; // a count given for the next digit
    // Puts `count` digits on the row, ending it when it is full; false when they overflow it.
    const auto put = [&](int nibble, int count) {
        if (count > rowDigits - filled)
            return false;
        std::uint8_t* row = RowOf(dots, y);
        for (; count > 0; --count, ++filled)
            row[filled / 2] |= static_cast<std::uint8_t>(filled % 2 == 0 ? nibble << 4 : nibble);
        if (filled == rowDigits) {
            ++y;
            filled = 0;
        }
        return true;
    };
    for (const char c : data) {
        if (c == '\n' || c == '\r')
            continue;
        if (y == dots.Height)
            return std::nullopt; // data past the last row
        bool fits = true;
        if (c >= 'G' && c <= 'Y') {
            repeat += c - 'F';
        } else if (c >= 'g' && c <= 'z') {
            repeat += (c - 'f') * kLargeRepeatStep;
        } else if (c >= '0' && c <= '9') {
            fits = put(c - '0', std::max(1, std::exchange(repeat, 0)));
        } else if (c >= 'A' && c <= 'F') {
            fits = put(c - 'A' + 10, std::max(1, std::exchange(repeat, 0)));
        } else if ((c == kRowEndsWhite || c == kRowEndsBlack) && repeat == 0) {
            fits = put(c == kRowEndsWhite ? 0 : 0xF, rowDigits - filled);
        } else if (c == kRowRepeats && repeat == 0 && filled == 0 && y > 0) {
            std::copy_n(RowOf(dots, y - 1), bytesPerRow, RowOf(dots, y));
            ++y;
        } else {
            return std::nullopt;
        }
        if (!fits || repeat > rowDigits)
            return std::nullopt;
    }
    if (y != dots.Height)
        return std::nullopt;
    return dots;
}

std::optional<TDotBitmap> DrawZplBars(const TZplBars& bars)
{
    if (bars.ModuleDots < 1 || bars.ModuleDots > 10 || bars.HeightDots < 1 || bars.RatioTenths < 20 ||
        bars.RatioTenths > 30)
        return std::nullopt;
    std::optional<TBarcode> barcode = EngineBarcodeOf(bars);
    if (!barcode)
        return std::nullopt;
    std::string pattern;
    try {
        pattern = barcode->BuildPattern();
    } catch (const Exception&) {
        return std::nullopt; // data the command cannot draw: the printer would refuse it too
    }
    int width = 0;
    for (const char c : pattern)
        width += barcode->DecodeElement(c).Width;
    TDotBitmap dots(width, bars.HeightDots);
    int x = 0;
    for (const char c : pattern) {
        const TBarElement element = barcode->DecodeElement(c);
        if (element.Kind != bekSpace)
            for (int i = 0; i < element.Width; ++i)
                dots.SetDark(x + i, 0);
        x += element.Width;
    }
    for (int y = 1; y < dots.Height; ++y)
        std::copy_n(RowOf(dots, 0), dots.BytesPerRow, RowOf(dots, y));
    return dots;
}

std::string ZplBarsField(const TZplBars& bars)
{
    const std::string height = std::to_string(bars.HeightDots);
    std::string field = FieldOrigin(bars.At) + "^BY" + std::to_string(bars.ModuleDots) + "," +
                        std::to_string(bars.RatioTenths / 10) + "." + std::to_string(bars.RatioTenths % 10) +
                        "," + height;
    // Orientation N, the interpretation line off (our own line is in the graphic), none above.
    switch (bars.Command) {
    case TZplBarCommand::Ean13: field += "^BEN," + height + ",N,N"; break;
    case TZplBarCommand::Ean8: field += "^B8N," + height + ",N,N"; break;
    case TZplBarCommand::UpcA: field += "^BUN," + height + ",N,N,Y"; break;
    case TZplBarCommand::Code128: field += "^BCN," + height + ",N,N,N,N"; break; // no UCC check, no mode
    case TZplBarCommand::Code39:
        field += std::string("^B3N,") + (bars.CheckCharacter ? "Y" : "N") + "," + height + ",N,N";
        break;
    case TZplBarCommand::Code93: field += "^BAN," + height + ",N,N,N"; break;
    case TZplBarCommand::Interleaved2Of5: field += "^B2N," + height + ",N,N,N"; break;
    }
    return field + "^FD" + bars.Data + "^FS";
}

TZplArtwork ZplArtwork(const TLabelDrawing& label, const TBarcode* barcode, const TZplSettings& settings)
{
    TZplArtwork artwork{.Dots =
                            DotsOf(RenderLabelImage(label, settings.Dpi, settings.Dpi, TImageDepth::OneBit))};
    if (settings.Mode == TZplMode::Graphic)
        return artwork;
    if (barcode == nullptr) {
        artwork.GraphicNote = "no ZPL command is known to draw its modules as ours";
        return artwork;
    }
    std::string why;
    TDotBitmap row;
    artwork.Bars = NativeBars(label, *barcode, artwork.Dots, settings, row, why);
    if (!artwork.Bars) {
        artwork.GraphicNote = why;
        return artwork;
    }
    // The printer draws these dots itself.
    for (int y = 0; y < artwork.Bars->HeightDots; ++y)
        MarkDots(artwork.Dots, row, artwork.Bars->At + QPoint(0, y), TDotMark::Clear);
    return artwork;
}

std::string ZplFileHead(const TZplSettings& settings)
{
    if (!settings.Darkness)
        return {};
    const int darkness = std::clamp(*settings.Darkness, 0, kMaxZplDarkness);
    return std::string("~SD") + (darkness < 10 ? "0" : "") + std::to_string(darkness) + "\n";
}

std::string ZplLabel(const TZplArtwork& artwork, QSize labelDots, QPoint at, int copies,
                     const TZplSettings& settings)
{
    std::string zpl = "^XA\n";
    if (artwork.Bars)
        zpl += "^CI28\n"; // field data as UTF-8
    zpl += "^PW" + std::to_string(labelDots.width()) + "\n^LL" + std::to_string(labelDots.height()) +
           "\n^LH0,0\n";
    if (settings.SpeedIps)
        zpl += "^PR" + std::to_string(*settings.SpeedIps) + "\n";
    const QRect ink = InkBox(artwork.Dots);
    if (!ink.isEmpty()) {
        const TDotBitmap graphic = Cropped(artwork.Dots, ink);
        const std::string total = std::to_string(graphic.BytesPerRow * graphic.Height);
        zpl += FieldOrigin(at + ink.topLeft()) + "^GFA," + total + "," + total + "," +
               std::to_string(graphic.BytesPerRow) + "," + CompressedGraphicHex(graphic) + "^FS\n";
    }
    if (artwork.Bars) {
        TZplBars bars = *artwork.Bars;
        bars.At += at;
        zpl += ZplBarsField(bars) + "\n";
    }
    return zpl + "^PQ" + std::to_string(std::max(1, copies)) + "\n^XZ\n";
}

} // namespace quillon
