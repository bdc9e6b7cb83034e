#include "SymbolCommands.h"

#include "Commands.h"
#include "PrintLabels.h"
#include "data/Escape.h"
#include "label/LabelPainter.h"

namespace quillon::cli {

namespace {

constexpr int kDefaultBarHeightPixels = 64;

} // namespace

TSymbolSettings SymbolSettingsFrom(const CliOptions& options)
{
    return {.Kind = options.symbol.value_or(TSymbolKind::QRCode),
            .Options = options.symbolOptions,
            .ModulePixels = options.modul,
            .BarHeightPixels = options.height.value_or(kDefaultBarHeightPixels),
            .ShowText = options.show.value_or(bcoCode),
            .BarColor = options.barColor,
            .AngleDegrees = options.angle.value_or(0.0)};
}

TSymbolStandardSettings SymbolStandardSettingsFrom(const CliOptions& options)
{
    return {.ModuleMm = options.xDimensionGiven ? std::optional<double>(options.xDimensionMm) : std::nullopt,
            .Dpi = options.dpi,
            .BarHeightMm = options.barHeightMm};
}

TFittedSymbolLabel MakeSymbolLabel(const CliOptions& options, std::optional<QSizeF> cellMm)
{
    const TSymbolSettings settings = SymbolSettingsFrom(options);
    const TLabelCaptions captions = CaptionsFrom(options);
    if (options.layout == Layout::Standard) {
        const TSymbolStandardSettings standard = SymbolStandardSettingsFrom(options);
        if (cellMm && !options.stretch)
            return FitStandardSymbolLabel(options.text, settings, captions, standard, *cellMm);
        return {.Label = ComposeStandardSymbolLabel(options.text, settings, captions, standard), .Fit = {}};
    }
    TFittedSymbolLabel made{.Label = RecordSymbolLabel(options.text, settings, captions), .Fit = {}};
    if (cellMm && !options.stretch)
        made.Fit = CheckLabelFits(made.Label.SizeMm, *cellMm);
    return made;
}

QImage SymbolLabelImage(const TSymbolLabel& label, const CliOptions& options)
{
    return options.layout == Layout::Standard ? RenderLabelImage(label.Drawing, options.dpi, options.dpi)
                                              : ComposeSymbolLabel(label);
}

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
    const TSymbolLabel label = MakeSymbolLabel(options, std::nullopt).Label;
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
