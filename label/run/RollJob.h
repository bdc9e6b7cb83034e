// A label printer's job of ZPL, one roll label at a time: the label placed on the roll's label as a
// sheet's cell places it, written as one ^XA..^XZ block with its copies, and read back from the block
// written before it may join the job. quillon-cli and the window make their jobs through it.
#pragma once

#include <QSizeF>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "barcode/Barcode.h"
#include "label/compose/LabelComposer.h"
#include "label/compose/SymbolLabel.h"
#include "label/render/LabelZpl.h"
#include "label/words/LabelMessage.h"
#include "report/PreparedReport.h"

namespace quillon {

// The label a roll prints on: the stock's label with the label placed on it as a sheet places it, or
// without a stock the label's own size.
struct TRollMedia {
    std::optional<QSizeF> LabelMm{}; // none: the label's own size
    std::optional<TPlacedImage> Placing{};
};

// One composed label as the job needs it, both pointers given: its drawing and the barcode it was composed
// from (which a native barcode command writes, and by which an engine label is read); and the symbol for
// the kinds libzint encodes.
struct TRollLabel {
    const TLabelDrawing* Drawing = nullptr;
    const TBarcode* Barcode = nullptr;
    const TSymbolLabel* Symbol = nullptr; // null for the engine's kinds
    std::string KindName{};               // as the kind list names it, for the notes
};

// One label as ZPL and what writing and reading it found.
struct TZplBlock {
    std::string Zpl{};                // ^XA..^XZ
    std::vector<std::string> Notes{}; // why the bars went as a graphic, in English for quillon-cli
    TLabelMessage Failure{};          // why it would not read as typed; empty when it reads
    bool NoReader = false;            // no reader reads its kind: it was not read
};

// Whether a block is read back before it may join the job.
enum class TBlockProof : std::uint8_t { Read, Skip };

// The label as one block printed `copies` times and, unless skipped, read back from the block as the
// printer prints it: its inked part on white paper, one pixel a dot. Raises what drawing raises.
TZplBlock MakeZplBlock(const TRollLabel& label, const TRollMedia& media, const TZplSettings& settings,
                       int copies, TBlockProof proof);

} // namespace quillon
