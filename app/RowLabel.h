// One label made from the deck's settings and a code with its captions: the preview's label, and the
// label of each row of a list or a serial run, composed the same way on whichever thread.
#pragma once

#include <QImage>
#include <QSizeF>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "barcode/Barcode.h"
#include "label/LabelComposer.h"
#include "label/LabelList.h"
#include "label/ScanCheck.h"
#include "label/StandardLayout.h"
#include "label/SymbolKinds.h"
#include "label/ZintSymbol.h"
#include "report/PreparedReport.h"
#include "report/PrintPreview.h"

namespace quillon {

// How the label is laid out: the classic label in screen pixels, or the standard one in millimetres on
// the printer's dots.
enum class TLabelLayout : std::uint8_t { Classic, Standard };

// What the deck sets for every label besides the barcode's own settings, the code and the captions.
struct TComposeSettings {
    TLabelLayout Layout = TLabelLayout::Classic;
    std::optional<TSymbolKind> Symbol{}; // a kind after the engine's 23; none for the engine's kinds
    TSymbolOptions SymbolOptions{};
    int ModulePixels = 1;      // the zoom: a symbol's module in the classic layout
    TColor BarColor = 0;       // a symbol's dark modules
    double ModuleMm = 0.33;    // the standard layout's X-dimension, or a matrix symbol's module
    double Ratio = 2.0;        // the standard layout's wide-to-narrow ratio
    int Dpi = kDefaultGridDpi; // the printer the standard layout's dots and the scan check are for
    bool Stretch = false;      // a stretched label fills its cell whatever its size
    int PixelsPerInch = 96;    // the sheet's: the picture table's bitmap of a standard label
    QSizeF CellMm{};           // the cell the label has to fit
    // Placed in its cell (on a stock), the label fits the cell less its quiet zones and the inset.
    std::optional<TCellPlacing> Placing{};
    std::string StockId{}; // named when a placed label does not fit
};

struct TComposedLabel {
    std::shared_ptr<const TLabelDrawing> Drawing{};
    QImage Picture{}; // the bitmap the picture table receives
    TCellFit Fit{};
    std::vector<std::string> Notes{}; // what the standard layout changed from the settings
    TScanExpectation Expected{};      // what its printed cells should read as
    std::optional<TScanResult> Scan{};
};

// Composes `code` with `captions` on `barcode`, which carries the deck's kind, module, ratio, colour,
// height, check digit and angle: its Text becomes the code and is encoded. With `checkOn`, the label is
// read back as it prints in the cells of that sheet. Raises the engine's errors and SymbolException.
TComposedLabel ComposeLabelFor(TBarcode& barcode, const TComposeSettings& settings, const std::string& code,
                               const TLabelCaptions& captions, const TPreparedReport* checkOn = nullptr);

// The deck's captions for a row of a list: the row's upper and lower texts, where the list has them,
// take the place of the deck's; the deck's switches still decide whether captions show.
TLabelCaptions RowCaptions(const TLabelCaptions& deck, const TListRow& row);

} // namespace quillon
