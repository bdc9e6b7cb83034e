// TDeckPresenter: the deck's settings turned into the sheet and the label, and the label's status line.
#include "app/DeckPresenter.h"

#include <QStringList>
#include <cmath>

#include "app/FilePhrases.h"
#include "app/SymbolDeck.h"
#include "label/compose/StandardLayout.h"
#include "report/Units.h"

namespace quillon {

namespace {

int RoundedMm(const TPageModel& page, TPageValue value)
{
    return static_cast<int>(std::nearbyint(page.ValueMm(value))); // halves to the even number
}

// The size of the sheet's first cell, what the label has to fit; the paper's for a sheet without one.
QSizeF FirstCellSizeMm(const TPreparedReport& sheet)
{
    const QSizeF cell = CellSizeMm(sheet);
    return cell.isEmpty()
               ? QSizeF(sheet.PaperWidthTenths / kTenthsPerMm, sheet.PaperLengthTenths / kTenthsPerMm)
               : cell;
}

} // namespace

TSheetSettings TDeckPresenter::Sheet() const
{
    const TPageModel& page = FPrintForm.qr().Page();
    const std::optional<TLabelStock>& stock = FDeck.Stock;
    return {.Columns = FDeck.Columns,
            .Rows = FDeck.Rows,
            .TopMm = RoundedMm(page, TPageValue::TopMargin),
            .RightMm = RoundedMm(page, TPageValue::RightMargin),
            .BottomMm = RoundedMm(page, TPageValue::BottomMargin),
            .LeftMm = RoundedMm(page, TPageValue::LeftMargin),
            .SpacingMm = RoundedMm(page, TPageValue::ColumnSpace),
            .Stretch = FDeck.Stretch,
            .Paper = FDeck.Paper,
            .Stock = stock ? std::optional(stock->Geometry) : std::nullopt,
            .StockId = stock ? stock->Id : std::string(),
            .SkipCells = FDeck.StartAt - 1,
            .Order = FDeck.Order,
            // Without a stock the document's own placement: the label at its cell's corner.
            .Placing = stock ? std::optional(FDeck.Placing) : std::nullopt,
            .LabelQuietMm = FDeck.Layout == TLabelLayout::Classic && !Symbol() ? ClassicQuietZonesMm(FBarcode)
                                                                               : QMarginsF(),
            .Footer = FDeck.Footer};
}

// The row height comes from the margins the report has, not from edits the design panel was left
// with by Cancel: a row height for other margins would put fewer rows in a column than shown.
QString TDeckPresenter::ApplySheet(TLanguage language)
{
    const TSheetSettings sheet = Sheet();
    const int height = SheetRowHeight(sheet);
    FBarcode.SetHeight(height);
    try {
        ApplyPaperOf(FPrintForm, sheet); // a roll's page is its label's size
        FPrintForm.ApplyColumns(SheetColumns(sheet));
        FPrintForm.ApplyRows(SheetRows(sheet), height); // and at most that many cells in a column
        FPrintForm.ApplyStock(sheet.Stock);
        FPrintForm.ApplyStretch(sheet.Stretch);
        FPrintForm.ApplySkip(sheet.SkipCells);
        FPrintForm.ApplyOrder(sheet.Order);
    } catch (const std::exception& e) {
        return ReasonText(e, language);
    }
    return {};
}

// The quiet zones follow the deck's kind and zoom, so the placing is applied before each sheet is laid.
TPreparedReport TDeckPresenter::PrepareSheet(int labels)
{
    const TSheetSettings sheet = Sheet();
    FPrintForm.ApplyPlacing(sheet.Placing, sheet.LabelQuietMm);
    return FPrintForm.qr().PrepareRun(labels);
}

TComposeSettings TDeckPresenter::ComposeSettings(const TPreparedReport& sheet) const
{
    return {.Layout = FDeck.Layout,
            .Symbol = Symbol(),
            .SymbolOptions = FDeck.SymbolOptions,
            .ModulePixels = FDeck.ModulePixels,
            .BarColor = FDeck.BarColor,
            .ModuleMm = FDeck.ModuleMm,
            .Ratio = static_cast<double>(FDeck.Ratio),
            .Dpi = FDeck.Dpi,
            .Stretch = FDeck.Stretch,
            .PixelsPerInch = sheet.PixelsPerInch,
            .CellMm = FirstCellSizeMm(sheet),
            .Placing = Sheet().Placing,
            .StockId = FDeck.Stock ? FDeck.Stock->Id : std::string()};
}

void TDeckPresenter::Compose(const std::string& code, const TLabelCaptions& captions)
{
    try {
        const TPreparedReport sheet = SheetProbe();
        const TComposeSettings settings = ComposeSettings(sheet);
        FLabel = ComposeLabelFor(FBarcode, settings, code, captions, &sheet);
        FAdvice = {};
        if (FLabel.Scan && FLabel.Scan->Outcome == TScanOutcome::DoesNotScan && !Symbol())
            FAdvice = AdviseScan({.Barcode = FBarcode,
                                  .Drawing = *FLabel.Drawing,
                                  .Scan = *FLabel.Scan,
                                  .Settings = settings,
                                  .Sheet = sheet});
        FCode = code;
        FFailure.reset();
    } catch (const std::exception& e) {
        Fail(e);
    }
}

void TDeckPresenter::Fail(const std::exception& error)
{
    FLabel = {};
    FAdvice = {};
    const auto* symbol = dynamic_cast<const SymbolException*>(&error);
    const auto* refusal = dynamic_cast<const Exception*>(&error);
    FFailure = symbol != nullptr ? TFailure{error.what(), symbol->Error(), symbol->Gs1Fault()}
                                 : TFailure{.Message = error.what()};
    if (refusal != nullptr)
        FFailure->Fault = refusal->Fault(), FFailure->Detail = refusal->Detail();
}

TLabelStatus TDeckPresenter::Status() const
{
    if (FFailure)
        return FailureStatus();
    return FLabel.Scan ? ComposedStatus() : TLabelStatus{};
}

// A label its cell would cut off is said first, in red; then how it scans, and what the standard layout
// changed to fit the cell.
TLabelStatus TDeckPresenter::ComposedStatus() const
{
    const TLanguage language = FDeck.Language;
    if (!FLabel.Fit.Fits)
        return {.Text = MessageText(FLabel.Fit.Message, language) +
                        CutRemedyText(FDeck.Layout, FDeck.Stock.has_value(), language),
                .Level = TStatusLevel::Error};
    const std::optional<TSymbolKind> symbol = Symbol();
    TLabelStatus status = symbol ? SymbolScanStatus(*FLabel.Scan, *symbol, language)
                                 : LabelStatusOf(FCode, FBarcode, *FLabel.Scan, language, FAdvice);
    QStringList notes; // every change the standard layout made, for the tooltip
    for (const TLabelMessage& note : FLabel.Notes) {
        notes << MessageText(note, language);
        // A symbol's few notes each say that it prints other than asked (a quarter turn, a larger
        // module, more columns): all are said.
        if (!symbol && !FitsTheCell(note))
            continue;
        status.Text += "; " + notes.last();
        if (status.Level == TStatusLevel::Good)
            status.Level = TStatusLevel::Warning;
    }
    status.Details = notes.join('\n');
    return status;
}

TLabelStatus TDeckPresenter::FailureStatus() const
{
    const std::optional<TSymbolKind> symbol = Symbol();
    const TFailure& failure = *FFailure;
    if (failure.SymbolError && symbol)
        return {.Text = SymbolErrorText(*failure.SymbolError, failure.Message, *symbol, FDeck.Language,
                                        failure.Gs1Fault ? &*failure.Gs1Fault : nullptr),
                .Level = TStatusLevel::Error,
                .Details = FromUtf8(failure.Message)};
    return {.Text = PlainError(failure.Fault, failure.Detail, failure.Message, FDeck.Kind, FDeck.Language),
            .Level = TStatusLevel::Error};
}

} // namespace quillon
