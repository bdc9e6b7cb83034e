// The kinds libzint encodes on the command line (their labels are made by MakePrintLabel): why one
// would not read, and verify.
#pragma once

#include <ostream>
#include <string>

#include "CliOptions.h"
#include "label/compose/SymbolLabel.h"
#include "label/proof/SymbolScan.h"

namespace quillon::cli {

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
