#include "label/PrintBarForm.h"

#include "label/SheetLimits.h"

namespace quillon {

namespace {

// 297 mm of A4 paper; 464/277 turns millimetres into the report's layout pixels.
constexpr int kPaperLengthMm = 297;
constexpr int kLayoutPixels = 464;
constexpr int kLayoutMillimetres = 277;

constexpr const char* kCreditLine = "Quillon  \u0643\u0648\u064a\u0644\u0648\u0646  www.quillon.example";

} // namespace

int SheetRowHeight(int topMarginMm, int bottomMarginMm, int rows)
{
    const int safeRows = rows < limits::kRows.Min ? limits::kRows.Min : rows; // the rows control's floor
    return ((kPaperLengthMm - topMarginMm) - bottomMarginMm) * kLayoutPixels /
           (safeRows * kLayoutMillimetres);
}

void SetDesignedSheetPage(TPageModel& page)
{
    page.SetPaperSize(TPaperSize::A4);
    page.SetOrientation(TOrientation::Portrait);
    page.SetValueMm(TPageValue::BottomMargin, limits::kDesignedMarginMm);
    page.SetValueMm(TPageValue::TopMargin, limits::kDesignedMarginMm);
    page.SetValueMm(TPageValue::LeftMargin, limits::kDesignedMarginMm);
    page.SetValueMm(TPageValue::RightMargin, limits::kDesignedMarginMm);
    page.SetValueMm(TPageValue::ColumnSpace, limits::kDesignedSpacingMm);
}

TPrintBarForm::TPrintBarForm()
{
    TPageModel& page = FReport.Page();
    SetDesignedSheetPage(page);
    page.SetColumns(kInitialColumns);
    page.SetZoomPercent(kZoomPercent);
    FReport.SetLastPageFooter(true);
    FReport.SetPrintIfEmpty(true);

    // One label cell per row of the picture table.
    FBand1 = &FReport.AddBand(TBandKind::SubDetail);
    FBand1->SetHeight(400);
    FImage = &FBand1->AddImage();
    FImage->SetWidth(137);
    FImage->SetHeight(169);

    FFooter = &FReport.AddBand(TBandKind::PageFooter);
    FFooter->SetHeight(6);
    FCreditLine = &FFooter->AddLabel();
    FCreditLine->SetText(kCreditLine);
    FCreditLine->SetFont({.Family = "Arabic Transparent", .PointSize = 8.0});
    FCreditLine->SetWordWrap(true);
    FCreditLine->SetWidth(FFooter->Width()); // one line across the page between the margins
    FCreditLine->SetHeight(FFooter->Height());
}

void TPrintBarForm::ApplyColumns(int columns)
{
    FReport.Page().SetColumns(columns);
    FImage->SetWidth(FBand1->Width());
}

void TPrintBarForm::ApplyRowHeight(int designPixels)
{
    FBand1->SetHeight(designPixels);
    FImage->SetHeight(designPixels);
}

} // namespace quillon
