// The kinds libzint encodes on the command line (their labels are made by MakePrintLabel): why one
// would not read.
#pragma once

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

} // namespace quillon::cli
