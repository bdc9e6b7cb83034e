// ZPL II for Zebra-compatible label printers: a placed label written as one ^XA..^XZ block, its bars
// either as the printer's own barcode command (where that draws exactly our modules) or, with
// everything else on the label, as a ^GF graphic at the printer's dots.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "barcode/Barcode.h"
#include "label/compose/LabelComposer.h"

namespace quillon {

enum class TZplMode : std::uint8_t {
    Native,  // the printer's barcode command where it draws our modules, else the graphic
    Graphic, // the whole label as a ^GF graphic
};

inline constexpr int kMaxZplDarkness = 30; // ~SD takes 00 to 30
inline constexpr int kMinZplSpeedIps = 1;  // ^PR takes 1 to 14 inches a second
inline constexpr int kMaxZplSpeedIps = 14;

struct TZplSettings {
    int Dpi = 203; // the printer's resolution: the label is drawn on its dots
    TZplMode Mode = TZplMode::Native;
    std::optional<int> Darkness{}; // ~SD, once at the head of the file; none: the printer's own
    std::optional<int> SpeedIps{}; // ^PR in every label; none: the printer's own
};

// Dots of a printer, one bit each, rows packed from the left, 1 for a dark dot (as ^GF takes them).
struct TDotBitmap {
    int Width = 0;
    int Height = 0;
    int BytesPerRow = 0;
    std::vector<std::uint8_t> Bits{};

    TDotBitmap() = default;
    TDotBitmap(int width, int height);
    bool Dark(int x, int y) const
    {
        return (Bits[static_cast<std::size_t>(y * BytesPerRow + x / 8)] & (0x80 >> (x % 8))) != 0;
    }
    void SetDark(int x, int y)
    {
        Bits[static_cast<std::size_t>(y * BytesPerRow + x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
};

// The dark pixels of an image (grey below half), and an image of dots (white ground, black ink).
TDotBitmap DotsOf(const QImage& image);
QImage ImageOfDots(const TDotBitmap& dots);

// The smallest rectangle holding every dark dot, or an empty one; the dots inside a rectangle of them.
QRect InkBox(const TDotBitmap& dots);
TDotBitmap Cropped(const TDotBitmap& dots, const QRect& box);

enum class TDotMark : std::uint8_t { Dark, Clear };
// Darkens (or clears) onto's dots under the dark dots of `dots` placed at `at`; what falls past onto's
// right or bottom edge is dropped, and nothing is marked from a corner left of or above it.
void MarkDots(TDotBitmap& onto, const TDotBitmap& dots, QPoint at, TDotMark mark);

// ZPL's ASCII hex compression of ^GFA data: runs as G..Y (1 to 19) and g..z (20 to 400) counts, ','
// for a row that ends in white, ':' for a row that repeats the one above. A row that ends in black is
// written out, not as '!', which the expansion below reads as Zebra documents it (black to the end).
std::string CompressedGraphicHex(const TDotBitmap& dots);
// The dots of ^GFA data, plain or compressed, with bytesPerRow bytes a row; none when it is malformed.
std::optional<TDotBitmap> ExpandGraphicHex(std::string_view data, int bytesPerRow, int totalBytes);

// The printer's barcode commands we write, each for the kinds whose bars it draws exactly as the engine.
enum class TZplBarCommand : std::uint8_t {
    Ean13,           // ^BE: twelve digits, the printer adds the check digit
    Ean8,            // ^B8: seven digits
    UpcA,            // ^BU: eleven digits
    Code128,         // ^BC: a start code and the code set given by invocation codes, no automatic mode
    Code39,          // ^B3: with or without its modulo 43 check character
    Code93,          // ^BA: the printer adds both check characters
    Interleaved2Of5, // ^B2: an even number of digits
};

// One native barcode field: where, how large, and the data as ^FD carries it.
struct TZplBars {
    TZplBarCommand Command = TZplBarCommand::Code128;
    QPoint At{};                 // ^FO, in dots
    int ModuleDots = 1;          // ^BY's narrow module
    int RatioTenths = 30;        // ^BY's wide-to-narrow ratio, 20 to 30, for the two-width kinds
    int HeightDots = 1;          // the bars' height
    bool CheckCharacter = false; // Code 39's modulo 43 check character
    std::string Data{};          // ^FD, ASCII
};

// The bars the command draws, as the printer's encoder draws them (our engine, from the command's
// parameters), on dots from the field origin; none when the parameters are not a symbol it can draw.
std::optional<TDotBitmap> DrawZplBars(const TZplBars& bars);
// "^FO..^BY..^B..^FD..^FS".
std::string ZplBarsField(const TZplBars& bars);

// A label at the printer's dots, ready to be written: its dots, the bars a native command draws instead
// of the graphic, and why the bars go as a graphic when native was asked for (an English sentence).
struct TZplArtwork {
    TDotBitmap Dots{};
    std::optional<TZplBars> Bars{};
    std::string GraphicNote{};
};

// The label drawn at settings.Dpi as every writer places it (RenderLabelImage), in black and white. For
// the engine's kinds `barcode` is the barcode the drawing was composed from; null for the other kinds.
// Raises what RenderLabelImage raises.
TZplArtwork ZplArtwork(const TLabelDrawing& label, const TBarcode* barcode, const TZplSettings& settings);

// The head of a ZPL file: what is set once for all its labels (darkness), possibly empty.
std::string ZplFileHead(const TZplSettings& settings);
// One ^XA..^XZ block: a label of labelDots with the artwork's top-left corner at `at`, printed `copies`
// times.
std::string ZplLabel(const TZplArtwork& artwork, QSize labelDots, QPoint at, int copies,
                     const TZplSettings& settings);

} // namespace quillon
