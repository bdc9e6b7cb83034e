#include "label/sheet/SheetRun.h"

#include <cmath>
#include <variant>

#include "barcode/Exception.h"
#include "label/sheet/SheetLimits.h"
#include "report/PageModel.h"
#include "report/Units.h"

namespace quillon {

namespace {

void CheckSetting(const char* name, int value, const limits::TRange& range)
{
    CheckRange(name, value, range.Min, range.Max);
}

// The ranges of the window's controls: the columns and rows spin edits and the design panel's.
void CheckControls(const TSheetSettings& s)
{
    CheckSetting("Columns", s.Columns, limits::kColumns);
    CheckSetting("Rows", s.Rows, limits::kRows);
    CheckSetting("Top margin", s.TopMm, limits::kMarginMm);
    CheckSetting("Right margin", s.RightMm, limits::kMarginMm);
    CheckSetting("Bottom margin", s.BottomMm, limits::kMarginMm);
    CheckSetting("Left margin", s.LeftMm, limits::kMarginMm);
    CheckSetting("Column space", s.SpacingMm, limits::kMarginMm);
}

} // namespace

void ApplyPaperOf(TPrintBarForm& form, const TSheetSettings& s)
{
    const std::optional<TStockGeometry> stock = SheetStock(s);
    if (stock && stock->Paper == TPaperSize::Custom)
        form.ApplyCustomPaper(stock->PaperWidth / 10.0, stock->PaperLength / 10.0);
    else
        form.ApplyPaper(stock ? stock->Paper : s.Paper);
}

std::optional<TStockGeometry> SheetStock(const TSheetSettings& settings)
{
    if (!settings.Stock || settings.Stock->Media != TStockMedia::Tape || settings.TapeLengthMm == 0.0)
        return settings.Stock;
    return TapeGeometry(settings.Stock->LabelWidth,
                        static_cast<int>(std::lround(settings.TapeLengthMm * 100.0)));
}

int SheetColumns(const TSheetSettings& settings)
{
    return settings.Stock ? settings.Stock->Columns : settings.Columns;
}

int SheetRows(const TSheetSettings& settings)
{
    return settings.Stock ? settings.Stock->Rows : settings.Rows;
}

int SheetCellCount(const TSheetSettings& settings)
{
    return SheetColumns(settings) * SheetRows(settings);
}

int SheetRowHeight(const TSheetSettings& settings)
{
    const std::optional<TStockGeometry> stock = SheetStock(settings);
    if (!stock)
        return SheetRowHeight(settings.TopMm, settings.BottomMm, settings.Rows, settings.Paper);
    const TDesignScale scale{.ZoomPercent = TPrintBarForm::kZoomPercent};
    return static_cast<int>(std::floor(scale.TenthsToDesignPixels(stock->LabelHeight / 10.0)));
}

void CheckSheetSettings(const TSheetSettings& settings)
{
    CheckControls(settings);
    if (settings.Paper != TPaperSize::A4 && settings.Paper != TPaperSize::Letter)
        throw Exception("Paper out of range: custom (a4, letter)");
    if (settings.TapeLengthMm != 0.0)
        CheckRange("Tape length in mm", settings.TapeLengthMm, kMinRollMm, kMaxRollMm);
    if (settings.Stock)
        CheckStock(settings.StockId, *SheetStock(settings));
    CheckSetting("Cells to skip", settings.SkipCells,
                 {.Min = 0, .Max = SheetCellCount(settings) - 1, .Initial = 0});
    if (settings.Placing)
        CheckRange("Inset", settings.Placing->InsetMm, 0.0, kMaxInsetMm);
}

TCellRoom CellRoomOf(const TSheetSettings& settings, QSizeF cellMm)
{
    return {.CellMm = cellMm,
            .Placing = settings.Stretch ? std::nullopt : settings.Placing,
            .QuietMm = settings.LabelQuietMm,
            .StockId = settings.Stock ? settings.StockId : std::string()};
}

void ApplySheetSettings(TPrintBarForm& form, const TSheetSettings& settings)
{
    CheckSheetSettings(settings); // before any change, so that a refused setting leaves the report whole
    TPageModel& page = form.qr().Page();
    page.SetValueMm(TPageValue::LeftMargin, settings.LeftMm);
    page.SetValueMm(TPageValue::RightMargin, settings.RightMm);
    page.SetValueMm(TPageValue::TopMargin, settings.TopMm);
    page.SetValueMm(TPageValue::BottomMargin, settings.BottomMm);
    page.SetValueMm(TPageValue::ColumnSpace, settings.SpacingMm);
    ApplyPaperOf(form, settings);
    form.ApplyColumns(SheetColumns(settings));
    // The row height comes from the margins as the design panel holds them, not from the page.
    form.ApplyRows(SheetRows(settings), SheetRowHeight(settings));
    form.ApplyStock(SheetStock(settings));
    form.ApplyStretch(settings.Stretch);
    form.ApplyPlacing(settings.Placing, settings.LabelQuietMm);
    form.ApplySkip(settings.SkipCells);
    form.ApplyOrder(settings.Order);
    form.ApplyFooter(settings.Footer);
}

TPreparedReport PrepareSheet(TPrintBarForm& form, int labelCount)
{
    return form.qr().PrepareRun(labelCount); // refuses a negative count
}

QSizeF CellSizeMm(const TPreparedReport& sheet)
{
    for (const TPreparedPage& page : sheet.Pages)
        for (const TPlacedElement& element : page.Elements)
            if (std::holds_alternative<TPlacedImage>(element.Content))
                return {element.Frame.Width / kTenthsPerMm, element.Frame.Height / kTenthsPerMm};
    return {};
}

} // namespace quillon
