// The label of a two-dimensional or GS1 symbol, drawn as the engine's labels are (captions, maker's
// mark, bar colour, white stroke): the classic layout in screen pixels for the preview, the standard
// layout in millimetres on a printer's dots; both as recorded drawing calls for the label painter.
#pragma once

#include <QImage>
#include <QRect>
#include <QSizeF>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "barcode/Exception.h"
#include "label/compose/LabelComposer.h"
#include "label/compose/StandardLayout.h"
#include "label/compose/ZintSymbol.h"

namespace quillon {

// What the deck sets for a symbol label, in either layout.
struct TSymbolSettings {
    TSymbolKind Kind = TSymbolKind::QRCode;
    TSymbolOptions Options{};
    int ModulePixels = 1;              // classic: the deck's modul, screen pixels per module (1 to 49)
    int BarHeightPixels = 64;          // classic: the bar height of GS1-128 and DataBar
    TBarcodeOption ShowText = bcoCode; // classic: code shows a GS1 kind's AIs, type the kind's name
    TColor BarColor = 0x000000;        // the dark modules
    double AngleDegrees = 0.0;         // drawn at the nearest quarter turn, with a note when that differs
};

// The standard layout's sizes; anything out of range raises with a message naming the range.
struct TSymbolStandardSettings {
    std::optional<double> ModuleMm{};    // none: the kind's default (KindInfo)
    int Dpi = 600;                       // the printer's resolution, kMinLabelDpi to kMaxLabelDpi
    std::optional<double> BarHeightMm{}; // GS1-128 and DataBar only; none: the standard's height
};

// EncodeSymbol's refusal as an exception, so that nothing half drawn reaches a preview or a sheet; the
// window words its reason in the interface language.
class SymbolException : public Exception {
public:
    explicit SymbolException(const TSymbolFailure& failure)
        : Exception(failure.Message), FError(failure.Error), FGs1Fault(failure.Gs1Fault)
    {
    }
    TSymbolError Error() const { return FError; }
    const std::optional<TGs1Error>& Gs1Fault() const { return FGs1Fault; }

private:
    TSymbolError FError = TSymbolError::Other;
    std::optional<TGs1Error> FGs1Fault;
};

// The symbol, or SymbolException with the encoder's sentence.
TSymbol EncodeSymbolOrThrow(TSymbolKind kind, std::string_view data, const TSymbolOptions& options);

// A composed symbol label and what was decided for it.
struct TSymbolLabel {
    TLabelDrawing Drawing{};
    TSymbolKind Kind = TSymbolKind::QRCode;
    TSymbol Symbol{};      // what a reader should give back, and the human-readable line
    int ModuleUnits = 1;   // a module in the drawing's units: label pixels, or printer dots
    double ModuleMm = 0.0; // standard: the module as printed, whole dots
    int QuarterTurns = 0;  // counter-clockwise, 0 to 3
    QRect SymbolRect{};    // the symbol without its quiet zones, as turned, in drawing units
    QRect QuietRect{};     // the symbol with its quiet zones, kept white
    QSizeF SizeMm{};
    std::vector<TLabelMessage> Notes{}; // what differs from the settings
};

// The classic label: modules of ModulePixels (at least 2 for a two-dimensional kind, as no decoder
// reads one-pixel modules from an image), the kind's quiet zones, a row above the symbol for the
// upper caption and the mark (so neither covers a module), the human-readable lines below it, the
// lower caption's band and the white stroke as the engine's label has them. Raises SymbolException
// for data the kind cannot hold and Exception for settings out of range or a label too large.
TSymbolLabel RecordSymbolLabel(std::string_view data, const TSymbolSettings& settings,
                               const TLabelCaptions& captions);

// The classic label as the preview shows it: the recorded calls drawn on the canvas the engine's label
// is composed on, one pixel per label pixel (printing paints the same calls through label/LabelPainter).
// Raises as RecordSymbolLabel does.
QImage ComposeSymbolLabel(std::string_view data, const TSymbolSettings& settings,
                          const TLabelCaptions& captions);
QImage ComposeSymbolLabel(const TSymbolLabel& label);

// The standard label in the dots of a printer of standard.Dpi: the module in millimetres snapped to
// whole dots (never below the kind's LeastModuleMm), the quiet zones inside the label, the GS1 kinds'
// AIs in brackets below the symbol, the captions and the mark outside the symbol and its quiet zones.
// ModulePixels, BarHeightPixels and ShowText are the classic layout's and do not apply. Measures
// text, so a QGuiApplication must exist. Raises as RecordSymbolLabel does.
TSymbolLabel ComposeStandardSymbolLabel(std::string_view data, const TSymbolSettings& settings,
                                        const TLabelCaptions& captions,
                                        const TSymbolStandardSettings& standard);

struct TFittedSymbolLabel {
    TSymbolLabel Label{};
    TCellFit Fit{};
};

// The standard label made to fit a cell of cellMm: a label too large takes a smaller module, down to
// the kind's LeastModuleMm; below that it is refused with CheckLabelFits' message, at the least module.
TFittedSymbolLabel FitStandardSymbolLabel(std::string_view data, const TSymbolSettings& settings,
                                          const TLabelCaptions& captions,
                                          const TSymbolStandardSettings& standard, QSizeF cellMm);

} // namespace quillon
