// ApplySheetSettings refuses what the window's controls cannot give and then leaves the report whole.
// (The geometry it sets shows in the sheet command's pages and cells.)
#include <gtest/gtest.h>

#include "barcode/Exception.h"
#include "label/SheetRun.h"

namespace quillon {
namespace {

TEST(SheetSetup, ValuesOutsideTheControlsRangesChangeNothing)
{
    struct Row {
        int line;
        TSheetSettings settings;
        std::string message;
    } rows[] = {
        {1, {.Columns = 5}, "Columns out of range: 5 (1 to 4)"},
        {2, {.Rows = 0}, "Rows out of range: 0 (1 to 20)"},
        {3, {.BottomMm = 51}, "Bottom margin out of range: 51 (0 to 50)"},
    };
    for (const Row& row : rows) {
        TPrintBarForm form;
        try {
            ApplySheetSettings(form, row.settings);
            ADD_FAILURE() << "row " << row.line << ": no error";
        } catch (const Exception& e) {
            EXPECT_EQ(std::string(e.what()), row.message) << "row " << row.line;
        }
        // The report's own layout stays: 2 columns, Band1 400 high, margins 10 mm.
        EXPECT_EQ(form.qr().Page().Columns(), TPrintBarForm::kInitialColumns) << "row " << row.line;
        EXPECT_EQ(form.Band1().Height(), 400) << "row " << row.line;
        EXPECT_EQ(form.qr().Page().ValueMm(TPageValue::BottomMargin), 10) << "row " << row.line;
    }
}

} // namespace
} // namespace quillon
