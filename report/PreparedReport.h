// The outcome of a report run: pages of placed bands and elements, positioned in tenths of a millimetre.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "report/PageModel.h"

namespace quillon {

struct TRectTenths {
    double Left = 0.0;
    double Top = 0.0;
    double Width = 0.0;
    double Height = 0.0;
};

struct TFontSpec {
    std::string Family = "MS Sans Serif";
    double PointSize = 8.0;
};

enum class TTextAlignment : std::uint8_t { Left, Center, Right };

// Where an unscaled picture sits in its frame.
enum class TPictureAlign : std::uint8_t { TopLeft, Centre };

struct TMarginsTenths {
    double Left = 0.0;
    double Top = 0.0;
    double Right = 0.0;
    double Bottom = 0.0;
};

// An image element shows the picture of one data row. Unscaled, the picture with its quiet zones stands
// at the frame's corner or in its centre, InsetTenths from the frame's edges; nothing set leaves it
// at the frame's top-left corner.
struct TPlacedImage {
    std::int64_t Row = 0;
    bool Stretch = false; // scaled to fill the frame, width and height independently
    TPictureAlign Align = TPictureAlign::TopLeft;
    double InsetTenths = 0.0;     // kept clear between the frame and the quiet zones
    TMarginsTenths QuietTenths{}; // white the picture's symbol needs beside it that the picture lacks
};

struct TPlacedText {
    std::string Text; // UTF-8
    TFontSpec Font{};
    TTextAlignment Alignment = TTextAlignment::Left;
    bool WordWrap = false;
    bool AutoSize = true; // never cut at the frame
};

struct TPlacedElement {
    TRectTenths Frame{};
    std::variant<TPlacedImage, TPlacedText> Content{};
};

enum class TBandKind : std::uint8_t {
    Title,
    PageHeader,
    Detail,
    PageFooter,
    Summary,
    GroupHeader, // held, not printed: reports here have no groups
    GroupFooter, // held, not printed
    SubDetail,
    ColumnHeader,
    Overlay, // held, not printed
    Child,
};

struct TPlacedBand {
    TBandKind Kind{};
    TRectTenths Frame{};
    std::int64_t Row = -1; // the data row it printed, -1 for none
};

struct TPreparedPage {
    std::vector<TPlacedBand> Bands;
    std::vector<TPlacedElement> Elements;
};

struct TPreparedReport {
    std::vector<TPreparedPage> Pages;
    TPaperSize PaperSize = TPaperSize::A4;
    TOrientation Orientation = TOrientation::Portrait;
    double PaperWidthTenths = TPageModel::kA4WidthTenths;
    double PaperLengthTenths = TPageModel::kA4LengthTenths;
    // The screen resolution at which an unscaled picture is printed at its screen size.
    int PixelsPerInch = 96;
};

} // namespace quillon
