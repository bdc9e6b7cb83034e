#include "label/sheet/PrintBarForm.h"

#include <algorithm>

#include "label/sheet/SheetLimits.h"
#include "report/PageFlow.h"

namespace quillon {

namespace {

constexpr const char* kCreditLine = "Quillon  \u0643\u0648\u064a\u0644\u0648\u0646  www.quillon.example";

// The print report's design pixels: its zoom on a screen of 96 pixels per inch.
constexpr TDesignScale kSheetScale{.ZoomPercent = TPrintBarForm::kZoomPercent};

// A stock's places in the report's tenths of a millimetre.
TCellGrid GridOf(const TStockGeometry& stock)
{
    return TCellGrid{.Columns = stock.Columns,
                     .Rows = stock.Rows,
                     .Left = stock.LeftMargin / 10.0,
                     .Top = stock.TopMargin / 10.0,
                     .ColumnPitch = stock.HorizontalPitch / 10.0,
                     .RowPitch = stock.VerticalPitch / 10.0,
                     .Width = stock.LabelWidth / 10.0,
                     .Height = stock.LabelHeight / 10.0};
}

} // namespace

int SheetRowHeight(int topMarginMm, int bottomMarginMm, int rows, TPaperSize paper)
{
    // The room is the flow's own: from the rounded top margin down to the footer reserve, so that
    // the rounding of every cell's height can never push the last row into the next column.
    const double footerReserve = kSheetScale.DesignPixelsToTenths(TPrintBarForm::kFooterHeight);
    const std::int32_t room = EmptyColumnRoomTenths(PaperTenths(paper).Length, topMarginMm * 10.0,
                                                    bottomMarginMm * 10.0, footerReserve);
    return TallestBandFitting(kSheetScale, room, std::max(rows, limits::kRows.Min));
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
    FFooter->SetHeight(kFooterHeight);
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

void TPrintBarForm::ApplyRows(int rows, int designPixels)
{
    ApplyRowHeight(designPixels);
    FReport.SetCellsPerColumn(rows);
}

void TPrintBarForm::ApplyCustomPaper(double widthTenths, double lengthTenths)
{
    TPageModel& page = FReport.Page();
    page.SetPaperSize(TPaperSize::Custom);
    page.SetValueTenths(TPageValue::Width, widthTenths);
    page.SetValueTenths(TPageValue::Length, lengthTenths);
}

void TPrintBarForm::ApplyStock(const std::optional<TStockGeometry>& stock)
{
    if (stock)
        CheckStock("", *stock);
    FReport.SetCellGrid(stock ? std::optional(GridOf(*stock)) : std::nullopt);
    FImage->SetAlign(stock ? TElementAlign::Client : TElementAlign::None);
    FFooter->SetEnabled(!stock);
}

// Off, the line is blank and its band stays: the rows keep their places.
void TPrintBarForm::ApplyFooter(bool shown)
{
    FCreditLine->SetText(shown ? kCreditLine : "");
}

void TPrintBarForm::ApplyPlacing(const std::optional<TCellPlacing>& placing, const QMarginsF& quietMm)
{
    const TPlacedImage placed = placing ? PlacedImageOf(*placing, quietMm) : TPlacedImage{};
    FImage->SetPictureAlign(placed.Align);
    FImage->SetInsetTenths(placed.InsetTenths);
    FImage->SetQuietTenths(placed.QuietTenths);
}

} // namespace quillon
