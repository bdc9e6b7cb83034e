#include "label/render/LabelZpl.h"

#include <QPalette>
#include <algorithm>
#include <array>
#include <cmath>

#include "barcode/CheckDigits.h"
#include "label/render/LabelPainter.h"

namespace quillon {

namespace {

// The engine's kinds whose bars a printer's command draws, and the command. EAN-128 is Code 128 with
// FNC1 after the start code (ZPL's >8). Left out until an independent renderer draws them as we do:
// code set A (read back as other characters), EAN-8 and UPC-A (their fields did not read), Code 93.
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
    for (int x = 0; x < row.Width; ++x)
        if (row.Dark(x, 0) != dots.Dark(left + x, y))
            return false;
    return true;
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

bool SameDots(const TDotBitmap& dots, const TDotBitmap& bars, QPoint at)
{
    if (at.x() < 0 || at.y() < 0 || at.x() + bars.Width > dots.Width || at.y() + bars.Height > dots.Height)
        return false;
    for (int y = 0; y < bars.Height; ++y)
        for (int x = 0; x < bars.Width; ++x)
            if (bars.Dark(x, y) != dots.Dark(at.x() + x, at.y() + y))
                return false;
    return true;
}

// The native field for the barcode's bars on the label's dots, or why there is none.
std::optional<TZplBars> NativeBars(const TLabelDrawing& label, const TBarcode& barcode,
                                   const TDotBitmap& dots, const TZplSettings& settings, std::string& why)
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
    const std::optional<TDotBitmap> row = DrawZplBars(bars);
    const std::optional<std::pair<int, int>> rows =
        row ? TallestMatchingRows(dots, *box, *row) : std::nullopt;
    if (rows) {
        bars.At.setY(rows->first);
        bars.HeightDots = rows->second;
    }
    const std::optional<TDotBitmap> drawn = DrawZplBars(bars);
    if (!rows || !drawn || !SameDots(dots, *drawn, bars.At)) {
        why = "the printer's command would draw other bars than ours";
        return std::nullopt;
    }
    return bars;
}

// The smallest rectangle holding every dark dot, or an empty one.
QRect InkBox(const TDotBitmap& dots)
{
    int top = dots.Height;
    int bottom = -1;
    int left = dots.Width;
    int right = -1;
    for (int y = 0; y < dots.Height; ++y) {
        const std::uint8_t* row = &dots.Bits[static_cast<std::size_t>(y * dots.BytesPerRow)];
        if (std::all_of(row, row + dots.BytesPerRow, [](std::uint8_t b) { return b == 0; }))
            continue;
        top = std::min(top, y);
        bottom = y;
        for (int x = 0; x < dots.Width; ++x)
            if (dots.Dark(x, y)) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    }
    return bottom < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

TDotBitmap Cropped(const TDotBitmap& dots, const QRect& box)
{
    TDotBitmap out(box.width(), box.height());
    for (int y = 0; y < box.height(); ++y)
        for (int x = 0; x < box.width(); ++x)
            if (dots.Dark(box.left() + x, box.top() + y))
                out.SetDark(x, y);
    return out;
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

QImage ImageOfDots(const TDotBitmap& dots)
{
    QImage image(dots.Width, dots.Height, QImage::Format_Grayscale8);
    for (int y = 0; y < dots.Height; ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < dots.Width; ++x)
            line[x] = dots.Dark(x, y) ? 0 : 255;
    }
    return image;
}

std::string CompressedGraphicHex(const TDotBitmap& dots)
{
    std::string out;
    std::string previous;
    std::string row;
    for (int y = 0; y < dots.Height; ++y) {
        row.clear();
        for (int i = 0; i < dots.BytesPerRow; ++i) {
            const std::uint8_t byte = dots.Bits[static_cast<std::size_t>(y * dots.BytesPerRow + i)];
            row += kHexDigits[byte >> 4];
            row += kHexDigits[byte & 0xF];
        }
        if (y > 0 && row == previous) {
            out += kRowRepeats;
            continue;
        }
        previous = row;
        std::size_t end = row.size();
        while (end > 0 && row[end - 1] == '0')
            --end;
        char tail = end < row.size() ? kRowEndsWhite : '\0';
        if (tail == '\0') {
            while (end > 0 && row[end - 1] == 'F')
                --end;
            tail = end < row.size() ? kRowEndsBlack : '\0';
        }
        for (std::size_t i = 0; i < end;) {
            std::size_t j = i;
            while (j < end && row[j] == row[i])
                ++j;
            AppendRun(out, row[i], static_cast<int>(j - i));
            i = j;
        }
        if (tail != '\0')
            out += tail;
    }
    return out;
}

std::optional<TDotBitmap> ExpandGraphicHex(std::string_view data, int bytesPerRow, int totalBytes)
{
    if (bytesPerRow <= 0 || totalBytes <= 0 || totalBytes % bytesPerRow != 0)
        return std::nullopt;
    const int rows = totalBytes / bytesPerRow;
    const auto rowDigits = static_cast<std::size_t>(bytesPerRow) * 2;
    TDotBitmap dots(bytesPerRow * 8, rows);
    std::string row;
    std::string previous;
    int y = 0;
    int repeat = 0;
    const auto endRow = [&] {
        for (std::size_t i = 0; i < rowDigits; ++i) {
            const char c = row[i];
            const int nibble = c <= '9' ? c - '0' : c - 'A' + 10;
            dots.Bits[static_cast<std::size_t>(y) * static_cast<std::size_t>(bytesPerRow) + i / 2] |=
                static_cast<std::uint8_t>(i % 2 == 0 ? nibble << 4 : nibble);
        }
        previous = row;
        row.clear();
        ++y;
    };
    for (const char c : data) {
        if (y >= rows)
            return c == '\n' || c == '\r' ? std::optional(dots) : std::nullopt;
        if (c >= 'G' && c <= 'Y') {
            repeat += c - 'F';
        } else if (c >= 'g' && c <= 'z') {
            repeat += (c - 'f') * kLargeRepeatStep;
        } else if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')) {
            row.append(static_cast<std::size_t>(std::max(1, repeat)), c);
            repeat = 0;
            if (row.size() > rowDigits)
                return std::nullopt;
            if (row.size() == rowDigits)
                endRow();
        } else if (c == kRowEndsWhite || c == kRowEndsBlack) {
            row.resize(rowDigits, c == kRowEndsWhite ? '0' : 'F');
            endRow();
        } else if (c == kRowRepeats) {
            if (!row.empty() || y == 0)
                return std::nullopt;
            row = previous;
            endRow();
        } else if (c != '\n' && c != '\r') {
            return std::nullopt;
        }
    }
    if (y != rows || repeat != 0)
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
            for (int y = 0; y < bars.HeightDots; ++y)
                for (int i = 0; i < element.Width; ++i)
                    dots.SetDark(x + i, y);
        x += element.Width;
    }
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
    artwork.Bars = NativeBars(label, *barcode, artwork.Dots, settings, why);
    if (!artwork.Bars) {
        artwork.GraphicNote = why;
        return artwork;
    }
    // The printer draws these dots itself.
    const std::optional<TDotBitmap> drawn = DrawZplBars(*artwork.Bars);
    for (int y = 0; y < drawn->Height; ++y)
        for (int x = 0; x < drawn->Width; ++x)
            artwork.Dots.Clear(artwork.Bars->At.x() + x, artwork.Bars->At.y() + y);
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
