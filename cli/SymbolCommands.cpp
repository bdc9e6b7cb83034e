#include "SymbolCommands.h"

#include "Commands.h"
#include "PrintLabels.h"
#include "data/Escape.h"
#include "label/render/LabelPainter.h"

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

int RunSymbolVerify(const CliOptions& options, std::ostream& out, std::ostream& err)
{
    const PrintLabel made = MakePrintLabel(options, std::nullopt);
    const TSymbolLabel& label = *made.symbol;
    const TScanResult scan = CheckSymbolScan(label, options.dpi);
    switch (scan.Outcome) {
    case TScanOutcome::Matches: out << scan.Decoded << '\n' << scan.Format << '\n'; return 0;
    case TScanOutcome::ReadsOther:
        out << scan.Decoded << '\n' << scan.Format << '\n';
        err << "quillon-cli: " << EscapeForMessage(SymbolFailureOf(scan, ExpectSymbolScan(label))) << '\n';
        return kExitDoesNotScan;
    case TScanOutcome::DoesNotScan:
        err << "quillon-cli: the label does not scan; it should read '" << EscapeForMessage(scan.Expected)
            << "'\n";
        return kExitDoesNotScan;
    case TScanOutcome::NoReader: break;
    }
    err << "quillon-cli: " << SymbolNoReaderNote(label.Kind) << '\n';
    return kExitNoReader;
}

} // namespace quillon::cli
