// A label printed on its own, read back from its dots: the proof of a label file (PNG) and of each label of
// a label printer's job, whatever wrote it.
#pragma once

#include <QImage>

#include "barcode/Barcode.h"
#include "label/compose/LabelComposer.h"
#include "label/compose/SymbolLabel.h"
#include "label/proof/ScanCheck.h"
#include "label/proof/SymbolScan.h"
#include "label/words/LabelMessage.h"

namespace quillon {

// Why the label would not read as typed (empty when it does, or when no reader reads its kind), and
// whether no reader reads its kind.
struct TLabelReading {
    TLabelMessage Failure{};
    bool NoReader = false;
};

// The label's dots as printed, one pixel a dot, on white paper all round. `barcode` is the barcode the
// drawing was composed from; `symbol` the symbol for the kinds libzint encodes, null otherwise. An upright
// label is read from the image; a turned one through its drawing, which the reader turns back; a symbol
// in whichever quarter turn it stands.
TLabelReading ReadPrintedLabel(const QImage& image, const TLabelDrawing& drawing, const TBarcode& barcode,
                               const TSymbolLabel* symbol);

// Why a symbol's reading fails, in the words of the engine's labels: "Does not scan", "Reads X, not Y",
// or GS1 data read without its symbology identifier.
TLabelMessage SymbolFailure(const TScanResult& scan, const TSymbolExpectation& expected);

} // namespace quillon
