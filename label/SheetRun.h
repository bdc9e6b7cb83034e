// The sheet geometry set up on the print report as the window's controls set it, shared by the
// window's print command and quillon-cli.
#pragma once

#include "label/PrintBarForm.h"
#include "label/SheetLimits.h"
#include "report/PreparedReport.h"

namespace quillon {

// What the columns, rows and stretch controls and the design panel hold, margins and spacing in
// whole millimetres.
struct TSheetSettings {
    int Columns = limits::kColumns.Initial;
    int Rows = limits::kRows.Initial;
    int TopMm = limits::kDesignedMarginMm;
    int RightMm = limits::kDesignedMarginMm;
    int BottomMm = limits::kDesignedMarginMm;
    int LeftMm = limits::kDesignedMarginMm;
    int SpacingMm = limits::kDesignedSpacingMm;
    bool Stretch = false;
};

// Applies margins and spacing to the page (in the design panel's order), then the columns, the row
// height that the rows and the top and bottom margins give, and the stretch. Raises for a value
// outside its control's range and then changes nothing.
void ApplySheetSettings(TPrintBarForm& form, const TSheetSettings& settings);

// Prepares the pages of the sheet for labelCount cells, one per picture-table row, by the page flow.
TPreparedReport PrepareSheet(TPrintBarForm& form, int labelCount);

} // namespace quillon
