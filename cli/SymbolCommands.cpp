#include "SymbolCommands.h"

#include "label/compose/SymbolKinds.h"

namespace quillon::cli {

std::string SymbolFailureOf(const TScanResult& scan, const TSymbolExpectation& expected)
{
    if (scan.Outcome != TScanOutcome::ReadsOther)
        return EnglishText({TMessageCode::DoesNotScan, {}});
    if (scan.Decoded == scan.Expected)
        return EnglishText(
            {TMessageCode::ReadsNotGs1, {scan.Decoded, scan.Format, expected.Reading.SymbologyIdentifier}});
    return EnglishText({TMessageCode::ReadsOther, {scan.Decoded, scan.Expected}});
}

std::string SymbolNoReaderNote(TSymbolKind kind)
{
    return "no scan check for " + std::string(KindInfo(kind).Name) +
           " carrying (01) alone: the decoder cannot read it";
}

} // namespace quillon::cli
