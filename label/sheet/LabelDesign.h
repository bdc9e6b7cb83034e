// A label design: one text file that holds everything that makes a label sheet, as the window saves and
// opens it and as quillon-cli sheet --design prints it. Plain C++; read and written through the safe file
// layer, its lines read by the settings file's reader.
//
// The format, "Quillon label design 1", UTF-8 text:
//   line 1   Quillon label design 1
//   then     one setting a line, "key = value"; blank lines and lines starting with ";" or "#" are skipped.
//            A value keeps its bytes but for the escapes \\, \n, \r, \t and \xHH (blanks at either end of a
//            value are written \x20). Each key at most once, in any order; a key left out takes the default.
//
//   key               value                                                       default
//   kind              a kind as quillon-cli kinds names it (CodeEAN13, QRCode...)  CodeEAN13
//   code              the code of a single label                                  (empty)
//   source            one, list or serial: the code, the list file or the run      one
//   list_file         the list file (one code a line, or CSV), read when printed   (empty)
//   list_text         the list's rows themselves, when pasted or changed in the    (empty)
//                     window: they take the file's place, which only names them
//   serial_start      a serial run: the first number, up to 18 digits              1
//   serial_step       the step, up to 18 digits                                    1
//   serial_count      how many numbers, 1 to 1000000                               1
//   serial_width      the least digits, zeros in front, 1 to 18                    1
//   serial_prefix     written before each number                                   (empty)
//   serial_suffix     written after it                                             (empty)
//   upper_caption_on  0 or 1                                                       0
//   upper_caption     the text above the bars                                      (empty)
//   lower_caption_on  0 or 1                                                       0
//   lower_caption     the text below the bars                                      (empty)
//   layout            classic (screen pixels) or standard (millimetres)            classic
//   zoom              the classic layout's narrow module in pixels, 1 to 10        1
//   ratio             the wide-to-narrow ratio (Bar Width), 0 to 10                2
//   x_dim_mm          the standard layout's X-dimension of linear kinds, 0.1 to 2  0.33
//   module_mm         the standard layout's module of matrix kinds, 0.1 to 5       0.50
//   bar_color         #RRGGBB, or system:N for the desktop's system colour N       #000000
//   check_digit       0 or 1: the kind's check digit worked out and added          0
//   qr_ecc            QR Code's error correction, L, M, Q or H                     M
//   dm_shape          Data Matrix's shape, square or rect                          square
//   pdf417_columns    PDF417's data columns, 0 (automatic) to 30                   0
//   stock             a label stock's ID (quillon-cli stocks), or custom           custom
//   paper             a custom sheet's paper, a4 or letter                         a4
//   columns           a custom sheet's label columns, 1 to 4                       1
//   rows              a custom sheet's label rows, 1 to 20                         1
//   margins_mm        a custom sheet's margins T,R,B,L, each 0 to 50               10,10,10,10
//   spacing_mm        a custom sheet's column spacing, 0 to 50                     2
//   stretch           0 or 1: each label stretched to fill its cell                0
//   order             across (the rows) or down (the columns)                      across
//   start             the first cell of the first sheet to print on, from 1        1
//   align             on a stock, centre or top-left in each label                  centre
//   inset_mm          on a stock, kept clear of each label's cut, 0 to 20          1.0
//   mark              0 or 1: the maker's "Q" at each label's top right               1
//   footer            0 or 1: the maker's line at the foot of a custom sheet           1
//
// A file whose first line is not that line, a line that is not a setting, an unknown key, a key given twice
// or a value its key does not take is refused, naming the line. A kind or a stock this build does not have
// is read as the default (CodeEAN13, custom) and noted.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "barcode/Barcode.h"
#include "label/compose/ZintSymbol.h"
#include "label/sheet/LabelStock.h"
#include "report/PreparedReport.h"
#include "report/Report.h"

namespace quillon {

inline constexpr std::string_view kDesignFormatName = "Quillon label design";
inline constexpr int kDesignFormatVersion = 1;
// The file name ending the window offers, and the most of a design file that is read.
inline constexpr std::string_view kDesignFileSuffix = ".qld";
inline constexpr std::size_t kMaxDesignFileBytes = 256 * 1024;
// The stock ID of a sheet laid out by its margins.
inline constexpr std::string_view kCustomStock = "custom";

// Where the labels come from: the code, the rows of a list file, or a serial run.
enum class TDesignSource : std::uint8_t { OneLabel, List, Serial };
enum class TDesignLayout : std::uint8_t { Classic, Standard };

struct TDesignSerial {
    std::string Start = "1"; // digits, as the window's field holds them
    std::string Step = "1";
    int Count = 1;
    int Width = 1;
    std::string Prefix{};
    std::string Suffix{};
    bool operator==(const TDesignSerial&) const = default;
};

struct TDesignCaption {
    bool On = false;
    std::string Text{}; // UTF-8
    bool operator==(const TDesignCaption&) const = default;
};

struct TDesignMargins {
    int Top = 10;
    int Right = 10;
    int Bottom = 10;
    int Left = 10;
    bool operator==(const TDesignMargins&) const = default;
};

// Everything that makes the sheet, with the defaults a key left out takes.
struct TLabelDesign {
    int Kind = bcCodeEAN13; // a label kind's ordinal, 0 to 31
    std::string Code{};
    TDesignSource Source = TDesignSource::OneLabel;
    std::string ListFile{};
    std::string ListText{}; // UTF-8, lines ending in \n
    TDesignSerial Serial{};
    TDesignCaption Upper{};
    TDesignCaption Lower{};
    TDesignLayout Layout = TDesignLayout::Classic;
    int Zoom = 1;
    int Ratio = 2;
    double XDimensionMm = 0.33;
    double ModuleMm = 0.5;
    TColor BarColor = 0;
    bool CheckDigit = false;
    TSymbolOptions Symbol{};
    std::string Stock{kCustomStock};
    TPaperSize Paper = TPaperSize::A4;
    int Columns = 1;
    int Rows = 1;
    TDesignMargins Margins{};
    int SpacingMm = 2;
    bool Stretch = false;
    TCellOrder Order = TCellOrder::AcrossRows;
    int Start = 1;
    TPictureAlign Align = TPictureAlign::Centre;
    double InsetMm = 1.0;
    bool Mark = true;
    bool Footer = true;

    bool CustomSheet() const;
    bool operator==(const TLabelDesign& other) const;
};

// Why a design file is refused, as a value that each caller words in its own language.
enum class TDesignFault : std::uint8_t {
    Empty,       // no first line at all
    NotADesign,  // the first line names no label design
    LaterFormat, // a later version of the format; Value holds the line
    NotASetting, // a line that is not "key = value"
    Section,     // a "[section]" line: a design has none
    UnknownKey,  // Key
    SecondValue, // Key, given before on FirstLine
    BadValue,    // Key, Value, and Takes: what the key takes ("1..10", "classic|standard")
};

struct TDesignProblem {
    int Line = 0; // from 1
    TDesignFault Fault = TDesignFault::NotASetting;
    std::string Key{};
    std::string Value{};
    std::string Takes{};
    int FirstLine = 0;
    bool operator==(const TDesignProblem&) const = default;
};

// What was read as a default because this build lacks it.
enum class TDesignNoteKind : std::uint8_t { UnknownKind, UnknownStock };
struct TDesignNote {
    int Line = 0;
    TDesignNoteKind Kind = TDesignNoteKind::UnknownKind;
    std::string Value{}; // the kind or stock named
    bool operator==(const TDesignNote&) const = default;
};

// A refused design, its problem as a value and its message in English: "FILE:LINE: reason".
class EDesignError : public Exception {
public:
    EDesignError(std::string fileName, TDesignProblem problem);
    const std::string& FileName() const { return FFileName; }
    const TDesignProblem& Problem() const { return FProblem; }

private:
    std::string FFileName;
    TDesignProblem FProblem;
};

struct TReadDesign {
    TLabelDesign Design{};
    std::vector<TDesignNote> Notes{};
};

// Reads design text; a stock the catalogue lacks is read as custom and noted. Raises EDesignError for
// the first fault, naming `fileName`.
TReadDesign ParseLabelDesign(std::string_view bytes, const TStockCatalogue& stocks,
                             const std::string& fileName);
// The design as text, every key in the order of the table above.
std::string FormatLabelDesign(const TLabelDesign& design);

// The file through the safe file layer: raises EFileError when it cannot be read, EDesignError when it
// is refused.
TReadDesign ReadLabelDesignFile(const std::string& path, const TStockCatalogue& stocks);
// Replaces the file atomically; on failure the previous file stays whole.
void WriteLabelDesignFile(const std::string& path, const TLabelDesign& design);

// The reason and the note in English, without the file and line: "zoom takes 1..10, not '12'",
// "kind Foo is not one this build makes: CodeEAN13 instead".
std::string DesignProblemText(const TDesignProblem& problem);
std::string DesignNoteText(const TDesignNote& note);

// The names the file writes, shared with the readers of the command line.
std::string_view DesignSourceName(TDesignSource source);
std::string FormatDesignColor(TColor color);
std::optional<TColor> ParseDesignColor(std::string_view text);

} // namespace quillon
