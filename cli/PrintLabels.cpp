#include "PrintLabels.h"

#include <QString>
#include <utility>
#include <variant>

#include "Commands.h"
#include "SymbolCommands.h"
#include "barcode/KindTraits.h"
#include "data/Escape.h"
#include "label/input/TypedChange.h"
#include "report/Units.h"

namespace quillon::cli {

namespace {

static_assert(kDpi.Min == kMinLabelDpi && kDpi.Max == kMaxLabelDpi, "--dpi takes what the layout takes");
static_assert(kDpi.Min == kMinVerifyDpi && kDpi.Max == kMaxVerifyDpi, "--dpi takes what verification takes");
static_assert(kBarWidthReductionDots.Max == kMaxBarWidthReductionDots);

// The settings the label library composes by, from the command line.
TComposeSettings ComposeSettingsFrom(const CliOptions& options, std::optional<QSizeF> cellMm)
{
    const bool standard = options.layout == Layout::Standard;
    // A symbol's module is the kind's own unless --x-dimension names one.
    const double moduleMm = options.symbol && !options.xDimensionGiven
                                ? KindInfo(*options.symbol).DefaultModuleMm
                                : options.xDimensionMm;
    return {.Layout = standard ? TLabelLayout::Standard : TLabelLayout::Classic,
            .Symbol = options.symbol,
            .SymbolOptions = options.symbolOptions,
            .ModulePixels = options.modul,
            .BarColor = options.barColor,
            .ModuleMm = moduleMm,
            .Ratio = options.ratio,
            .Dpi = options.dpi,
            .BarHeightMm = options.barHeightMm,
            .BarWidthReductionDots = options.barWidthReductionDots,
            .Stretch = options.stretch,
            .PixelsPerInch = options.dpi,
            .Picture = false,
            .CellMm = cellMm.value_or(QSizeF()),
            .Placing = PlacingFrom(options),
            .StockId = options.stock.value_or(std::string())};
}

} // namespace

std::string TypedChangeReport(const CliOptions& options, const PrintLabel& label)
{
    if (options.acceptChanges || options.symbol)
        return {};
    const std::optional<TTypedChange> change = TypedChange(options.text, label.barcode);
    return change ? TypedChangeMessage(*change) : std::string();
}

TLabelCaptions CaptionsFrom(const CliOptions& options)
{
    const auto text = [](const std::optional<std::string>& caption) {
        return caption ? QString::fromLocal8Bit(caption->data(), static_cast<qsizetype>(caption->size()))
                       : QString();
    };
    return {.UpperOn = options.upper.has_value(),
            .Upper = text(options.upper),
            .LowerOn = options.lower.has_value(),
            .Lower = text(options.lower),
            .MarkOn = options.mark};
}

TStandardSettings StandardSettingsFrom(const CliOptions& options)
{
    return {.XDimensionMm = options.xDimensionMm,
            .Dpi = options.dpi,
            .BarHeightMm = options.barHeightMm,
            .BarWidthReductionDots = options.barWidthReductionDots,
            .Ratio = options.ratio};
}

std::optional<TCellPlacing> PlacingFrom(const CliOptions& options)
{
    if (options.stretch || !(options.stock || options.align || options.insetMm))
        return std::nullopt;
    return TCellPlacing{.Align = options.align.value_or(TPictureAlign::Centre),
                        .InsetMm = options.insetMm.value_or(kDefaultInsetMm)};
}

QMarginsF LabelQuietMm(const CliOptions& options)
{
    if (options.symbol || options.layout == Layout::Standard)
        return {}; // their labels keep their quiet zones inside
    return ClassicQuietZonesMm(MakeBarcode(options));
}

PrintLabel MakePrintLabel(const CliOptions& options, std::optional<QSizeF> cellMm, bool picture)
{
    CliOptions labelOptions = options;
    labelOptions.show = options.show.value_or(bcoCode);
    TBarcode barcode = MakeBarcode(labelOptions);
    // Unless asked for, the classic barcode stays at (0, 0) unturned, as the window starts.
    if (options.angle && !options.symbol && options.layout == Layout::Classic)
        PlaceForAngle(barcode, *options.angle);
    TComposeSettings settings = ComposeSettingsFrom(options, cellMm);
    settings.Picture = picture;
    TComposedLabel composed = ComposeLabelFor(barcode, settings, options.text, CaptionsFrom(options));
    if (settings.Placing && !composed.Fit.Fits)
        throw Exception(EnglishText(composed.Fit.Message)); // refused: a placed label is never cut
    return {.barcode = std::move(barcode),
            .symbol = std::move(composed.Symbol),
            .drawing = std::move(composed.Drawing),
            .picture = std::move(composed.Picture),
            .expected = std::move(composed.Expected),
            .notes = EnglishTexts(composed.Notes),
            .fit = std::move(composed.Fit)};
}

void ProofReport::Note(const std::string& note)
{
    if (FSaid.insert("note: " + note).second)
        FErr << "quillon-cli: " << EscapeForMessage(note) << '\n';
}

void ProofReport::Fail(const std::string& where, const std::string& reason)
{
    FFailed = true;
    if (FSaid.insert(where + reason).second)
        FErr << "quillon-cli: " << where << EscapeForMessage(reason) << '\n';
}

std::string NoReaderNote(TBarcodeType kind)
{
    return "no scan check for " + std::string(KindTraits(kind).ListEntry) +
           ": the decoder has no reader for it";
}

std::string NoReaderNote(const CliOptions& options)
{
    return options.symbol ? SymbolNoReaderNote(*options.symbol) : NoReaderNote(options.kind);
}

} // namespace quillon::cli
