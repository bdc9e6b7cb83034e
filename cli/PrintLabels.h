// The labels quillon-cli prints, in the classic or the standard layout, and their proof: each label
// fitted to its cell and read back as the printer prints it at --dpi.
#pragma once

#include <QImage>
#include <QSizeF>
#include <cstddef>
#include <memory>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "CliOptions.h"
#include "label/compose/StandardLayout.h"
#include "label/compose/SymbolLabel.h"
#include "label/proof/PrintCheck.h"
#include "label/run/RowComposer.h"
#include "report/PreparedReport.h"

namespace quillon::cli {

// A label as it prints: its drawing, the barcode or the symbol it was drawn from, what its cells should
// read as, what the layout changed from the settings, and whether it fits the cell it prints in.
struct PrintLabel {
    TBarcode barcode;                             // the engine's kinds: its Text encoded
    std::shared_ptr<const TSymbolLabel> symbol{}; // the kinds libzint encodes; null for the engine's
    std::shared_ptr<const TLabelDrawing> drawing;
    QImage picture{}; // the label's own pixels, when asked for
    TScanExpectation expected{};
    std::vector<std::string> notes; // "X-dimension 0.2 mm is outside ...", one sentence each
    TCellFit fit;                   // always fits when no cell was given or the label is stretched
};

// "prints 00123457, not 0123456 as typed: ...", for a row of a bulk run whose engine label prints
// another text than options.text; empty when it prints what was typed, for the kinds libzint encodes,
// and under --accept-changes.
std::string TypedChangeReport(const CliOptions& options, const PrintLabel& label);

// The captions of the command line, in the locale's encoding: they are shown, never encoded.
TLabelCaptions CaptionsFrom(const CliOptions& options);

// The settings of the standard layout from the command line.
TStandardSettings StandardSettingsFrom(const CliOptions& options);

// Where the label sits in its sheet's cells: centred 1 mm in on a stock, or as --align and --inset say;
// none (at the cell's corner) in the grid unless either is given, and for a stretched label.
std::optional<TCellPlacing> PlacingFrom(const CliOptions& options);
// The quiet zones the label's drawing lacks: the classic engine label's, whose bars start at its edge.
QMarginsF LabelQuietMm(const CliOptions& options);

// The label of options.text as the window composes it (label/RowComposer), in a cell of cellMm when given,
// with its pixels when `picture` asks for them (the classic label's as the preview shows them, the
// standard label's at --dpi). The engine's errors and libzint's refusals (SymbolException) propagate, and
// a placed label that does not fit its cell is refused (Exception) naming the sizes. Needs a
// QGuiApplication; safe in several threads.
PrintLabel MakePrintLabel(const CliOptions& options, std::optional<QSizeF> cellMm, bool picture = false);

// The messages of a run about its labels, in the order of the codes, and whether any label fails.
class ProofReport {
public:
    explicit ProofReport(std::ostream& err) : FErr(err) {}

    // A note of the layout, said once however many labels it concerns.
    void Note(const std::string& note);
    // A label that would not read as typed; `where` is "line N: " in a bulk run, else empty. Each
    // message is said once.
    void Fail(const std::string& where, const std::string& reason);
    bool Failed() const { return FFailed; }

private:
    std::ostream& FErr;
    std::set<std::string> FSaid;
    bool FFailed = false;
};

// "no scan check for CodeMSI: the decoder has no reader for it".
std::string NoReaderNote(TBarcodeType kind);
// The same for the kind the options name, the engine's or a symbol kind.
std::string NoReaderNote(const CliOptions& options);

} // namespace quillon::cli
