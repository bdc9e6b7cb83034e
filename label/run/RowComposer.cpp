#include "label/run/RowComposer.h"

#include "label/proof/PrintCheck.h"
#include "label/proof/SymbolScan.h"
#include "label/render/LabelPainter.h"

namespace quillon {

namespace {

// The cell the label has to fit; the quiet zones are the classic engine label's, the only one whose
// drawing lacks them. A stretched label is scaled into the whole cell, so it has no placing.
std::optional<TCellRoom> RoomOf(const TComposeSettings& settings, const QMarginsF& quietMm)
{
    if (settings.CellMm.isEmpty())
        return std::nullopt;
    return TCellRoom{.CellMm = settings.CellMm,
                     .Placing = settings.Stretch ? std::nullopt : settings.Placing,
                     .QuietMm = quietMm,
                     .StockId = settings.StockId};
}

// The fit of a label made without fitting (the classic layout): a stretched one fills its cell whatever
// its size.
TCellFit ClassicFit(const TComposeSettings& settings, const std::optional<TCellRoom>& room, QSizeF labelMm)
{
    if (!room || settings.Stretch)
        return {};
    return PlacedFit(CheckLabelFits(labelMm, RoomMm(*room)), labelMm, *room);
}

QImage StandardPicture(const TComposeSettings& settings, const TLabelDrawing& drawing)
{
    return settings.Picture ? RenderLabelImage(drawing, settings.PixelsPerInch, drawing.UnitsPerInch)
                            : QImage();
}

TComposedLabel ComposeEngineLabel(TBarcode& barcode, const TComposeSettings& settings,
                                  const std::string& code, const TLabelCaptions& captions)
{
    barcode.SetText(code);
    TComposedLabel composed;
    TLabelDrawing drawing;
    if (settings.Layout == TLabelLayout::Standard) {
        const TStandardSettings standard{.XDimensionMm = settings.ModuleMm,
                                         .Dpi = settings.Dpi,
                                         .BarHeightMm = settings.BarHeightMm,
                                         .BarWidthReductionDots = settings.BarWidthReductionDots,
                                         .Ratio = settings.Ratio};
        const std::optional<TCellRoom> room = RoomOf(settings, {});
        TStandardLabel label;
        if (room) {
            TFittedLabel fitted = FitStandardLabel(barcode, captions, standard, RoomMm(*room));
            composed.Fit = PlacedFit(fitted.Fit, LabelSizeMm(fitted.Label.Drawing), *room);
            label = std::move(fitted.Label);
        } else {
            label = ComposeStandardLabel(barcode, captions, standard);
        }
        drawing = std::move(label.Drawing);
        composed.Notes = std::move(label.Notes);
        composed.Picture = StandardPicture(settings, drawing);
    } else if (settings.Picture) {
        TLabelBitmapAndDrawing label = ComposeAndRecordLabel(barcode, captions);
        composed.Picture = std::move(label.Bitmap);
        drawing = std::move(label.Drawing);
    } else {
        drawing = RecordLabel(barcode, captions);
    }
    if (settings.Layout == TLabelLayout::Classic)
        composed.Fit =
            ClassicFit(settings, RoomOf(settings, ClassicQuietZonesMm(barcode)), LabelSizeMm(drawing));
    composed.Expected = ExpectScan(barcode);
    composed.Drawing = std::make_shared<const TLabelDrawing>(std::move(drawing));
    return composed;
}

// The classic label in screen pixels with the deck's zoom, bar height, colour and the barcode's angle,
// or the standard one at its true size on the printer's dots.
TComposedLabel ComposeSymbolLabel(TSymbolKind kind, const TBarcode& barcode, const TComposeSettings& settings,
                                  const std::string& code, const TLabelCaptions& captions)
{
    const TSymbolSettings symbol{.Kind = kind,
                                 .Options = settings.SymbolOptions,
                                 .ModulePixels = settings.ModulePixels,
                                 .BarHeightPixels = barcode.Height(),
                                 .ShowText = barcode.ShowText(),
                                 .BarColor = settings.BarColor,
                                 .AngleDegrees = barcode.Angle()};
    const std::optional<TCellRoom> room = RoomOf(settings, {});
    TComposedLabel composed;
    TSymbolLabel label;
    if (settings.Layout == TLabelLayout::Standard) {
        const TSymbolStandardSettings standard{
            .ModuleMm = settings.ModuleMm, .Dpi = settings.Dpi, .BarHeightMm = settings.BarHeightMm};
        if (room) {
            TFittedSymbolLabel fitted =
                FitStandardSymbolLabel(code, symbol, captions, standard, RoomMm(*room));
            composed.Fit = PlacedFit(fitted.Fit, fitted.Label.SizeMm, *room);
            label = std::move(fitted.Label);
        } else {
            label = ComposeStandardSymbolLabel(code, symbol, captions, standard);
        }
        composed.Picture = StandardPicture(settings, label.Drawing);
    } else {
        label = RecordSymbolLabel(code, symbol, captions);
        if (settings.Picture)
            composed.Picture = quillon::ComposeSymbolLabel(label);
        composed.Fit = ClassicFit(settings, room, label.SizeMm);
    }
    composed.Expected = {.Symbol = std::make_shared<const TSymbolExpectation>(ExpectSymbolScan(label))};
    composed.Notes = label.Notes;
    // The drawing is the symbol label's own, shared with it rather than copied.
    auto shared = std::make_shared<const TSymbolLabel>(std::move(label));
    composed.Drawing = std::shared_ptr<const TLabelDrawing>(shared, &shared->Drawing);
    composed.Symbol = std::move(shared);
    return composed;
}

} // namespace

TComposedLabel ComposeLabelFor(TBarcode& barcode, const TComposeSettings& settings, const std::string& code,
                               const TLabelCaptions& captions, const TPreparedReport* checkOn)
{
    TComposedLabel composed = settings.Symbol
                                  ? ComposeSymbolLabel(*settings.Symbol, barcode, settings, code, captions)
                                  : ComposeEngineLabel(barcode, settings, code, captions);
    // Read back as the printer prints it in its cell.
    if (checkOn != nullptr)
        composed.Scan =
            composed.Symbol
                ? VerifyLabelOnSheet(*composed.Drawing, composed.Expected, *checkOn, settings.Dpi).Scan
                : CheckScanOnSheet(*composed.Drawing, barcode, *checkOn, settings.Dpi);
    return composed;
}

} // namespace quillon
