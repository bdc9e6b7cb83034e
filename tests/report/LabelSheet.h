// Test helpers: a label-sheet report set up the way the label application sets up its print report.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "report/PageFlow.h"
#include "report/Report.h"
#include "tests/support/ExpectMessage.h" // MessageOf, for the tests that use these sheets
#include "tests/support/PlacedCells.h"

namespace quillon::testing {

struct TSheetSetup {
    int Columns = 1;
    int Rows = 1;
    int TopMm = 10;
    int BottomMm = 10;
    TPaperSize Paper = TPaperSize::A4;
};

struct TLabelSheet {
    TReport Report;
    TBand* Cell = nullptr;
    TImageElement* Image = nullptr;
};

// A sub-detail band per row whose picture fills the column, `Rows` to a column and as high as lets
// them all fit above the footer by the flow's rounding, and a 6 design-pixel footer with a text label.
inline std::unique_ptr<TLabelSheet> MakeLabelSheet(const TSheetSetup& setup)
{
    auto sheet = std::make_unique<TLabelSheet>();
    TPageModel& page = sheet->Report.Page();
    page.SetZoomPercent(45);
    page.SetPaperSize(setup.Paper);
    page.SetValueMm(TPageValue::TopMargin, setup.TopMm);
    page.SetValueMm(TPageValue::BottomMargin, setup.BottomMm);
    page.SetColumns(setup.Columns);
    const std::int32_t room = EmptyColumnRoomTenths(page.ValueTenths(TPageValue::Length), setup.TopMm * 10.0,
                                                    setup.BottomMm * 10.0, page.DesignPixelsToTenths(6));
    const int height = TallestBandFitting(page.Scale(), room, setup.Rows);
    sheet->Report.SetCellsPerColumn(setup.Rows);
    sheet->Cell = &sheet->Report.AddBand(TBandKind::SubDetail);
    sheet->Cell->SetHeight(height);
    sheet->Image = &sheet->Cell->AddImage();
    sheet->Image->SetWidth(sheet->Cell->Width());
    sheet->Image->SetHeight(height);
    TBand& footer = sheet->Report.AddBand(TBandKind::PageFooter);
    footer.SetHeight(6);
    footer.AddLabel().SetText("Quillon label sheet");
    return sheet;
}

} // namespace quillon::testing
