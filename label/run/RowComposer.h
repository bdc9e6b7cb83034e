// The one way a label is made from a code and its captions: classic, standard or symbol, fitted to its
// cell by one rule. The window's preview and lists and every quillon-cli command compose through it.
#pragma once

#include <QImage>
#include <QSizeF>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "barcode/Barcode.h"
#include "label/compose/LabelComposer.h"
#include "label/compose/StandardLayout.h"
#include "label/compose/SymbolLabel.h"
#include "label/proof/ScanCheck.h"
#include "report/PreparedReport.h"
#include "report/Units.h"

namespace quillon {

// How the label is laid out: the classic label in screen pixels, or the standard one in millimetres on
// the printer's dots.
enum class TLabelLayout : std::uint8_t { Classic, Standard };

// What sets every label besides the barcode's own settings, the code and the captions.
struct TComposeSettings {
    TLabelLayout Layout = TLabelLayout::Classic;
    std::optional<TSymbolKind> Symbol{}; // a kind after the engine's 23; none for the engine's kinds
    TSymbolOptions SymbolOptions{};
    int ModulePixels = 1;                // the zoom: a symbol's module in the classic layout
    TColor BarColor = 0;                 // a symbol's dark modules
    double ModuleMm = 0.33;              // the standard layout's X-dimension, or a matrix symbol's module
    double Ratio = 2.0;                  // the standard layout's wide-to-narrow ratio
    int Dpi = kDefaultGridDpi;           // the printer the standard layout's dots and the scan check are for
    std::optional<double> BarHeightMm{}; // the standard layout's bars; none: the symbology's own height
    int BarWidthReductionDots = 0;       // taken off every bar of the standard layout for ink spread
    bool Stretch = false;                // a stretched label fills its cell whatever its size
    int PixelsPerInch = 96;              // the picture table's bitmap of a standard label
    bool Picture = true;                 // whether the bitmap is made at all
    QSizeF CellMm{};                     // the cell the label has to fit; empty for a label alone
    // Placed in its cell (on a stock), the label fits the cell less its quiet zones and the inset.
    std::optional<TCellPlacing> Placing{};
    std::string StockId{}; // named when a placed label does not fit
};

struct TComposedLabel {
    std::shared_ptr<const TLabelDrawing> Drawing{};
    std::shared_ptr<const TSymbolLabel> Symbol{}; // the kinds libzint encodes; null for the engine's
    QImage Picture{};                             // the bitmap the picture table receives
    TCellFit Fit{};                               // fits always when there is no cell
    std::vector<TLabelMessage> Notes{};           // what the standard layout changed from the settings
    TScanExpectation Expected{};                  // what its printed cells should read as
    std::optional<TScanResult> Scan{};
};

// Composes `code` with `captions` on `barcode`, which carries the kind, module, ratio, colour, height,
// check digit and angle: its Text becomes the code and is encoded. The standard layout is fitted to the
// cell (a smaller module, shorter bars) stretched or not, so that it is never cut silently; the classic
// label is checked against it unless stretched. With `checkOn`, the label is read back as it prints in
// the cells of that sheet. Raises the engine's errors and SymbolException.
TComposedLabel ComposeLabelFor(TBarcode& barcode, const TComposeSettings& settings, const std::string& code,
                               const TLabelCaptions& captions, const TPreparedReport* checkOn = nullptr);

} // namespace quillon
