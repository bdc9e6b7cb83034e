#include "label/SheetRun.h"

#include "label/SheetLimits.h"
#include "report/PageModel.h"

namespace quillon {

namespace {

void CheckSetting(const char* name, int value, const limits::TRange& range)
{
    CheckRange(name, value, range.Min, range.Max);
}

// The ranges of the window's controls: the columns and rows spin edits and the design panel's.
void CheckSettings(const TSheetSettings& s)
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
