// One label from the deck's settings, a code and its captions, in either layout.
#include "app/RowLabel.h"

#include "label/LabelPainter.h"
#include "label/PrintCheck.h"
#include "label/SymbolLabel.h"
#include "label/SymbolScan.h"

namespace quillon {

namespace {

// The cell the label has to fit; the quiet zones are the classic engine label's, the only one whose
// drawing lacks them.
TCellRoom RoomOf(const TComposeSettings& settings, const QMarginsF& quietMm)
{
    return {.CellMm = settings.CellMm,
            .Placing = settings.Stretch ? std::nullopt : settings.Placing,
            .QuietMm = quietMm,
            .StockId = settings.StockId};
}

TComposedLabel ComposeEngineLabel(TBarcode& barcode, const TComposeSettings& settings,
                                  const std::string& code, const TLabelCaptions& captions,
                                  const TPreparedReport* checkOn)
{
    barcode.SetText(code);
    TComposedLabel composed;
    TLabelDrawing drawing;
    if (settings.Layout == TLabelLayout::Standard) {
        const TStandardSettings standard{.XDimensionMm = settings.ModuleMm,
                                         .Dpi = settings.Dpi,
                                         .BarHeightMm = {},
                                         .BarWidthReductionDots = 0,
                                         .Ratio = settings.Ratio};
        const TCellRoom room = RoomOf(settings, {});
        TFittedLabel fitted = FitStandardLabel(barcode, captions, standard, RoomMm(room));
        drawing = std::move(fitted.Label.Drawing);
        composed.Fit = PlacedFit(fitted.Fit, LabelSizeMm(drawing), room);
        composed.Notes = std::move(fitted.Label.Notes);
        composed.Picture = RenderLabelImage(drawing, settings.PixelsPerInch, drawing.UnitsPerInch);
    } else {
        TLabelBitmapAndDrawing label = ComposeAndRecordLabel(barcode, captions);
        composed.Picture = std::move(label.Bitmap);
        drawing = std::move(label.Drawing);
        const TCellRoom room = RoomOf(settings, ClassicQuietZonesMm(barcode));
        composed.Fit = settings.Stretch ? TCellFit{}
                                        : PlacedFit(CheckLabelFits(LabelSizeMm(drawing), RoomMm(room)),
                                                    LabelSizeMm(drawing), room);
    }
    // The label is read back as the printer prints it in its cell.
    if (checkOn != nullptr)
        composed.Scan = CheckScanOnSheet(drawing, barcode, *checkOn, settings.Dpi);
    composed.Expected = ExpectScan(barcode);
    composed.Drawing = std::make_shared<const TLabelDrawing>(std::move(drawing));
    return composed;
}

// The classic label in screen pixels with the deck's zoom, bar height, colour and the barcode's angle,
// or the standard one at its true size on the printer's dots.
TComposedLabel ComposeSymbolLabel(TSymbolKind kind, const TBarcode& barcode, const TComposeSettings& settings,
                                  const std::string& code, const TLabelCaptions& captions,
                                  const TPreparedReport* checkOn)
{
    const TSymbolSettings symbol{.Kind = kind,
                                 .Options = settings.SymbolOptions,
                                 .ModulePixels = settings.ModulePixels,
                                 .BarHeightPixels = barcode.Height(),
                                 .ShowText = barcode.ShowText(),
                                 .BarColor = settings.BarColor,
                                 .AngleDegrees = barcode.Angle()};
    TComposedLabel composed;
    TSymbolLabel label;
    if (settings.Layout == TLabelLayout::Standard) {
        const TSymbolStandardSettings standard{
            .ModuleMm = settings.ModuleMm, .Dpi = settings.Dpi, .BarHeightMm = {}};
        const TCellRoom room = RoomOf(settings, {});
        TFittedSymbolLabel fitted = FitStandardSymbolLabel(code, symbol, captions, standard, RoomMm(room));
        label = std::move(fitted.Label);
        composed.Fit = PlacedFit(fitted.Fit, label.SizeMm, room);
        composed.Picture =
            RenderLabelImage(label.Drawing, settings.PixelsPerInch, label.Drawing.UnitsPerInch);
    } else {
        label = RecordSymbolLabel(code, symbol, captions);
        composed.Picture = quillon::ComposeSymbolLabel(label);
        const TCellRoom room = RoomOf(settings, {});
        composed.Fit = settings.Stretch
                           ? TCellFit{}
                           : PlacedFit(CheckLabelFits(label.SizeMm, RoomMm(room)), label.SizeMm, room);
    }
    composed.Expected = {.Symbol = std::make_shared<const TSymbolExpectation>(ExpectSymbolScan(label))};
    // Read back as the printer prints it in its cell, as the engine's labels are.
    if (checkOn != nullptr)
        composed.Scan = VerifyLabelOnSheet(label.Drawing, composed.Expected, *checkOn, settings.Dpi).Scan;
    composed.Notes = std::move(label.Notes);
    composed.Drawing = std::make_shared<const TLabelDrawing>(std::move(label.Drawing));
    return composed;
}

} // namespace

TLabelCaptions RowCaptions(const TLabelCaptions& deck, const TListRow& row)
{
    TLabelCaptions captions = deck;
    const auto text = [](const std::string& bytes) {
        return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    };
    if (row.Upper)
        captions.Upper = text(*row.Upper);
    if (row.Lower)
        captions.Lower = text(*row.Lower);
    return captions;
}

TComposedLabel ComposeLabelFor(TBarcode& barcode, const TComposeSettings& settings, const std::string& code,
                               const TLabelCaptions& captions, const TPreparedReport* checkOn)
{
    if (settings.Symbol)
        return ComposeSymbolLabel(*settings.Symbol, barcode, settings, code, captions, checkOn);
    return ComposeEngineLabel(barcode, settings, code, captions, checkOn);
}

} // namespace quillon
