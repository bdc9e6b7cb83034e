#include "SymbolCommands.h"

#include "label/compose/SymbolKinds.h"
#include "label/proof/PrintedLabel.h"

namespace quillon::cli {

std::string SymbolFailureOf(const TScanResult& scan, const TSymbolExpectation& expected)
{
    return EnglishText(SymbolFailure(scan, expected));
}

std::string SymbolNoReaderNote(TSymbolKind kind)
{
    return "no scan check for " + std::string(KindInfo(kind).Name) +
           " carrying (01) alone: the decoder cannot read it";
}

} // namespace quillon::cli
