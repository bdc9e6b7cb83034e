// The kinds libzint encodes on the command line: the symbol label in either layout from the options
// (label, sheet and the bulk runs make it through MakePrintLabel), its image, why it would not read,
// and verify.
#pragma once

#include <QImage>
#include <QSizeF>
#include <optional>
#include <ostream>
#include <string>

#include "CliOptions.h"
#include "label/SymbolLabel.h"
#include "label/SymbolScan.h"

namespace quillon::cli {

// The symbol label's settings from the command line: the kind and its options, --modul, --height (the
// linear kinds' bars), --show (code or type, default code), --bar-color and --angle.
TSymbolSettings SymbolSettingsFrom(const CliOptions& options);
// The standard layout's: --x-dim when given (else the kind's own module), --dpi, --bar-height.
TSymbolStandardSettings SymbolStandardSettingsFrom(const CliOptions& options);

// The label of options.text in the chosen layout, fitted to cellMm when given and not --stretch (a
// smaller module, down to the kind's least). Raises SymbolException for data the kind cannot hold.
// Needs a QGuiApplication.
TFittedSymbolLabel MakeSymbolLabel(const CliOptions& options, std::optional<QSizeF> cellMm);

// The PNG label writes: the classic label as the preview composes it, the standard one a pixel a dot.
QImage SymbolLabelImage(const TSymbolLabel& label, const CliOptions& options);

// Why a reading fails, in the words of the engine's labels: "Does not scan", "Reads X, not Y", or GS1
// data read without its symbology identifier.
std::string SymbolFailureOf(const TScanResult& scan, const TSymbolExpectation& expected);
// "no scan check for DataBarExpanded carrying (01) alone: the decoder cannot read it".
std::string SymbolNoReaderNote(TSymbolKind kind);

// verify for a symbol kind: the label read back as printed alone at --dpi; line 1 the text read (GS1
// data with its AIs in brackets), line 2 the symbology ("Code128 ]C1" for GS1 data). Returns 0, 3 or 4
// as verify does.
int RunSymbolVerify(const CliOptions& options, std::ostream& out, std::ostream& err);

} // namespace quillon::cli
