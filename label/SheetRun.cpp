#include "label/SheetRun.h"

#include "report/PageModel.h"

namespace quillon {

namespace {

// The ranges of the window's controls: the columns and rows spin edits and the design panel's.
constexpr int kMaxColumns = 4;
constexpr int kMaxRows = 20;
constexpr int kMaxMarginMm = 50;

void CheckSettings(const TSheetSettings& s)
{
    CheckRange("Columns", s.Columns, 1, kMaxColumns);
    CheckRange("Rows", s.Rows, 1, kMaxRows);
    CheckRange("Top margin", s.TopMm, 0, kMaxMarginMm);
    CheckRange("Right margin", s.RightMm, 0, kMaxMarginMm);
    CheckRange("Bottom margin", s.BottomMm, 0, kMaxMarginMm);
    CheckRange("Left margin", s.LeftMm, 0, kMaxMarginMm);
    CheckRange("Column space", s.SpacingMm, 0, kMaxMarginMm);
}

} // namespace

void ApplySheetSettings(TPrintBarForm& form, const TSheetSettings& settings)
{
    CheckSettings(settings); // before any change, so that a refused setting leaves the report whole
    TPageModel& page = form.qr().Page();
    page.SetValueMm(TPageValue::LeftMargin, settings.LeftMm);
    page.SetValueMm(TPageValue::RightMargin, settings.RightMm);
    page.SetValueMm(TPageValue::TopMargin, settings.TopMm);
    page.SetValueMm(TPageValue::BottomMargin, settings.BottomMm);
    page.SetValueMm(TPageValue::ColumnSpace, settings.SpacingMm);
    form.ApplyColumns(settings.Columns);
    // The row height comes from the margins as the design panel holds them, not from the page.
    form.ApplyRowHeight(SheetRowHeight(settings.TopMm, settings.BottomMm, settings.Rows));
    form.ApplyStretch(settings.Stretch);
}

TPreparedReport PrepareSheet(TPrintBarForm& form, int labelCount)
{
    return form.qr().PrepareRun(labelCount); // refuses a negative count
}

} // namespace quillon
