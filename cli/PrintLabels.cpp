#include "PrintLabels.h"

#include <QString>
#include <algorithm>
#include <cmath>
#include <map>
#include <utility>
#include <variant>

#include "Commands.h"
#include "SymbolCommands.h"
#include "barcode/KindTraits.h"
#include "data/Escape.h"
#include "label/TypedChange.h"
#include "report/Units.h"

namespace quillon::cli {

namespace {

static_assert(kDpi.Min == kMinLabelDpi && kDpi.Max == kMaxLabelDpi, "--dpi takes what the layout takes");
static_assert(kDpi.Min == kMinVerifyDpi && kDpi.Max == kMaxVerifyDpi, "--dpi takes what verification takes");
static_assert(kBarWidthReductionDots.Max == kMaxBarWidthReductionDots);

PrintLabel ClassicLabel(const CliOptions& options, std::optional<QSizeF> cellMm)
{
    TBarcode barcode = MakeBarcode(options);
    // Unless asked for, the barcode stays at (0, 0) unturned, as the window starts.
    if (options.angle)
        PlaceForAngle(barcode, *options.angle);
    auto drawing = std::make_shared<const TLabelDrawing>(RecordLabel(barcode, CaptionsFrom(options)));
    TCellFit fit;
    if (cellMm && !options.stretch)
        fit = CheckLabelFits(LabelSizeMm(*drawing), *cellMm);
    TScanExpectation expected = ExpectScan(barcode);
    return {.barcode = std::move(barcode),
            .symbol = nullptr,
            .drawing = std::move(drawing),
            .expected = std::move(expected),
            .notes = {},
            .fit = std::move(fit)};
}

// A stretched label is scaled to its cell whatever its size, so it is not fitted first.
PrintLabel StandardLabel(const CliOptions& options, std::optional<QSizeF> cellMm)
{
    TBarcode barcode = MakeBarcode(options);
    const TStandardSettings settings = StandardSettingsFrom(options);
    TStandardLabel label;
    TCellFit fit;
    if (cellMm && !options.stretch) {
        TFittedLabel fitted = FitStandardLabel(barcode, CaptionsFrom(options), settings, *cellMm);
        label = std::move(fitted.Label);
        fit = std::move(fitted.Fit);
    } else {
        label = ComposeStandardLabel(barcode, CaptionsFrom(options), settings);
    }
    TScanExpectation expected = ExpectScan(barcode);
    return {.barcode = std::move(barcode),
            .symbol = nullptr,
            .drawing = std::make_shared<const TLabelDrawing>(std::move(label.Drawing)),
            .expected = std::move(expected),
            .notes = std::move(label.Notes),
            .fit = std::move(fit)};
}

// The drawing is the symbol label's own, shared with it rather than copied.
PrintLabel SymbolLabel(const CliOptions& options, std::optional<QSizeF> cellMm)
{
    TFittedSymbolLabel made = MakeSymbolLabel(options, cellMm);
    auto symbol = std::make_shared<const TSymbolLabel>(std::move(made.Label));
    std::shared_ptr<const TLabelDrawing> drawing(symbol, &symbol->Drawing);
    return {.barcode = {},
            .symbol = symbol,
            .drawing = std::move(drawing),
            .expected = {.Symbol = std::make_shared<const TSymbolExpectation>(ExpectSymbolScan(*symbol))},
            .notes = symbol->Notes,
            .fit = std::move(made.Fit)};
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

PrintLabel MakePrintLabel(const CliOptions& options, std::optional<QSizeF> cellMm)
{
    CliOptions labelOptions = options;
    labelOptions.show = options.show.value_or(bcoCode);
    std::optional<TCellRoom> room;
    if (cellMm)
        room = TCellRoom{.CellMm = *cellMm,
                         .Placing = PlacingFrom(options),
                         .QuietMm = LabelQuietMm(options),
                         .StockId = options.stock.value_or(std::string())};
    const std::optional<QSizeF> roomMm = room ? std::optional(RoomMm(*room)) : std::nullopt;
    PrintLabel label = options.symbol                       ? SymbolLabel(labelOptions, roomMm)
                       : options.layout == Layout::Standard ? StandardLabel(labelOptions, roomMm)
                                                            : ClassicLabel(labelOptions, roomMm);
    if (room) {
        label.fit = PlacedFit(label.fit, LabelSizeMm(*label.drawing), *room);
        if (room->Placing && !label.fit.Fits)
            throw Exception(label.fit.Message); // refused: a placed label is never cut
    }
    return label;
}

// The size the page renderer gives a row's bitmap: the label at its true size in the report's pixels,
// as the proof of the sheet sizes it too.
std::vector<QImage> PictureSizes(const TSheetLabels& labels, int pixelsPerInch)
{
    std::map<std::pair<int, int>, QImage> shared;
    std::vector<QImage> pictures;
    pictures.reserve(labels.size());
    for (const std::shared_ptr<const TLabelDrawing>& label : labels) {
        const double scale = pixelsPerInch / (label->UnitsPerInch > 0 ? label->UnitsPerInch : pixelsPerInch);
        const std::pair size{std::max(1, static_cast<int>(std::lround(label->Size.width() * scale))),
                             std::max(1, static_cast<int>(std::lround(label->Size.height() * scale)))};
        QImage& picture = shared[size];
        if (picture.isNull()) {
            picture = QImage(size.first, size.second, QImage::Format_Mono);
            picture.fill(1); // white, should a cell ever fall back to its bitmap
        }
        pictures.push_back(picture);
    }
    return pictures;
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
