#include "SymbolCommands.h"

#include "label/compose/SymbolKinds.h"

namespace quillon::cli {

std::string SymbolFailureOf(const TScanResult& scan, const TSymbolExpectation& expected)
{
    if (scan.Outcome != TScanOutcome::ReadsOther)
        return "Does not scan";
    if (scan.Decoded == scan.Expected)
        return "Reads " + scan.Decoded + " as " + scan.Format + ", not as GS1 data (" +
               expected.Reading.SymbologyIdentifier + ")";
    return "Reads " + scan.Decoded + ", not " + scan.Expected;
}

std::string SymbolNoReaderNote(TSymbolKind kind)
{
    return "no scan check for " + std::string(KindInfo(kind).Name) +
           " carrying (01) alone: the decoder cannot read it";
}

} // namespace quillon::cli
