// The standard label: a barcode laid out as its published standard prints it, sized in millimetres and
// drawn in the dots of the printer it is made for, with its quiet zones, its human-readable line, the
// captions and the maker's mark around it; and whether a label fits the cell it is printed in.
#pragma once

#include <QMarginsF>
#include <QRect>
#include <QSizeF>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "label/compose/LabelComposer.h"
#include "label/words/LabelMessage.h"
#include "report/PreparedReport.h"

namespace quillon {

// What a standard label can be asked for; anything else raises with a message naming the range.
inline constexpr int kMinLabelDpi = 72;
inline constexpr int kMaxLabelDpi = 2400;
inline constexpr double kMinBarHeightMm = 1.0;
inline constexpr double kMaxBarHeightMm = 300.0;
inline constexpr int kMaxBarWidthReductionDots = 99;

struct TStandardSettings {
    double XDimensionMm = 0.33;          // the narrow module asked for
    int Dpi = 600;                       // the printer's resolution
    std::optional<double> BarHeightMm{}; // none: the symbology's own default
    int BarWidthReductionDots = 0;       // taken off every bar for ink spread, given to the spaces
    double Ratio = 2.0;                  // the wide/narrow ratio asked for; the standard may raise it
};

struct TMmRange {
    double Low = 0.0;
    double High = 0.0;
};

// How the kind's wide elements stand to its narrow module: counted in modules (EAN/UPC and their
// add-ons, Code 128, Code 93, EAN-128: elements of 1 to 4 modules, the wide one exactly 2), narrow and
// wide (the wide one at least twice the narrow), or in USPS's fixed sizes (PostNet).
enum class TWidthRule : std::uint8_t { Modules, NarrowWide, Fixed };
TWidthRule WidthRuleOf(TBarcodeType typ);

// The X-dimensions the symbology's standard allows (EAN/UPC 0.264-0.660 mm; the others from 0.19 mm).
TMmRange XDimensionRange(TBarcodeType typ);

// A composed standard label and what was decided for it.
struct TStandardLabel {
    TLabelDrawing Drawing{}; // in printer dots: UnitsPerInch is the dpi
    int ModuleDots = 0;
    double ModuleMm = 0.0; // as printed: whole dots
    int WideDots = 0;      // the wide element; two modules for the kinds counted in modules
    int BarHeightDots = 0;
    double BarHeightMm = 0.0;
    double MinBarHeightMm = 0.0;   // the least the symbology's bars should be at this module
    int BarWidthReductionDots = 0; // as applied
    int QuietLeftDots = 0;         // the standard's quiet zones, kept white inside the label
    int QuietRightDots = 0;
    QRect SymbolDots{}; // the bars at their normal height, without quiet zones, in label dots
    QSizeF SizeMm{};
    std::vector<TLabelMessage> Notes{}; // what was changed from the settings
};

// Composes the standard label, unturned, with the human-readable line in the standard's place whatever
// ShowText says: EAN/UPC digits under their symbol characters with the guard bars extended, an add-on's
// digits over it, the drawn text centred under the others (none under PostNet, whose ZIP Code the
// address carries). Encodes the barcode's Text (which may rewrite it) and leaves its Modul and Ratio as
// they were; the engine's errors propagate, as do settings out of range. Measures text, so a
// QGuiApplication must exist.
TStandardLabel ComposeStandardLabel(TBarcode& barcode, const TLabelCaptions& captions,
                                    const TStandardSettings& settings);

// Whether a label fits its cell, and if not, why: "Label 50.3 mm wide, cell 45.9 mm: it would be cut
// off", or the same with "high".
struct TCellFit {
    bool Fits = true;
    TLabelMessage Message{};
};

// A drawing's true size in millimetres.
QSizeF LabelSizeMm(const TLabelDrawing& label);

// The plain check, for any label: its size against the cell's, both in millimetres.
TCellFit CheckLabelFits(QSizeF labelMm, QSizeF cellMm);

// Where a label sits in its cell when it is placed there rather than kept at the cell's corner: centred
// or at the top-left, never closer to a cut than its quiet zones and InsetMm.
inline constexpr double kDefaultInsetMm = 1.0;
inline constexpr double kMaxInsetMm = 20.0;
struct TCellPlacing {
    TPictureAlign Align = TPictureAlign::Centre;
    double InsetMm = kDefaultInsetMm;
};

// The cell a label is printed in and how it is placed there.
struct TCellRoom {
    QSizeF CellMm{};
    std::optional<TCellPlacing> Placing{}; // none: at the cell's corner, as the grid has always put it
    QMarginsF QuietMm{};                   // the quiet zones the label's drawing lacks, kept white beside it
    std::string StockId{};                 // the stock whose labels the cells are; empty for the grid
};

// The quiet zones of the classic label, whose bars start at its edge: the symbology's least, in its
// modules, on the sides its bars face (all round when turned at a slant).
QMarginsF ClassicQuietZonesMm(const TBarcode& barcode);

// The size a label may take in its cell: the whole cell when kept at its corner, else the cell less
// the inset on every side and the quiet zones the label lacks.
QSizeF RoomMm(const TCellRoom& room);

// A placed label that did not fit its room is refused by the cell's own measure: "Label 75.4 x 30.1 mm
// with its quiet zones and 1 mm inset does not fit the 63.5 x 38.1 mm labels of a4-3x7-63.5x38.1"
// (the label's size with what is kept clear around it); a fit, or a label kept at the corner, as it is.
TCellFit PlacedFit(const TCellFit& fitInRoom, QSizeF labelMm, const TCellRoom& room);

// The placement a sheet's picture elements take for a placed label, in the report's tenths.
TPlacedImage PlacedImageOf(const TCellPlacing& placing, const QMarginsF& quietMm);

struct TFittedLabel {
    TStandardLabel Label{};
    TCellFit Fit{};
};

// The standard label made to fit a cell of cellMm: a label too large takes a smaller module, down to
// the symbology's least, and bars taller than their minimum give up what the cell lacks; below those
// it is refused ("... its bars cannot reach their minimum height of 18.3 mm" when the height is short).
TFittedLabel FitStandardLabel(TBarcode& barcode, const TLabelCaptions& captions,
                              const TStandardSettings& settings, QSizeF cellMm);

} // namespace quillon
