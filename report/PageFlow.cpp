#include "report/PageFlow.h"

#include <utility>

namespace quillon {

namespace {

bool IsKind(const TBand& band, TBandKind kind)
{
    return band.Enabled() && band.Kind() == kind;
}

} // namespace

TPageFlow::TPageFlow(const TReport& report) : FReport(report)
{
    const TPageModel& page = report.Page();
    FCurrentX = RoundToInt32(Value(TPageValue::LeftMargin));
    FCurrentColumn = page.Columns();
    for (const auto& band : report.Bands()) {
        if (IsKind(*band, TBandKind::PageFooter))
            FFooterReserve += BandHeightTenths(*band) + ChildHeightTenths(*band);
    }
    FPrepared.PaperSize = page.PaperSize();
    FPrepared.Orientation = page.Orientation();
    FPrepared.PaperWidthTenths = Value(TPageValue::Width);
    FPrepared.PaperLengthTenths = Value(TPageValue::Length);
    FPrepared.PixelsPerInch = page.PixelsPerInch();
}

std::int64_t TPageFlow::ColumnWidthTenths() const
{
    // 64-bit, the division truncating toward zero.
    const std::int64_t between = RoundHalfEven(
        Value(TPageValue::Width) - (Value(TPageValue::RightMargin) + Value(TPageValue::LeftMargin)));
    const std::int64_t spacing = RoundHalfEven(Value(TPageValue::ColumnSpace));
    const std::int64_t columns = FReport.Page().Columns();
    return (between - spacing * (columns - 1)) / columns;
}

double TPageFlow::PrintableHeightTenths() const
{
    return Value(TPageValue::Length) - (Value(TPageValue::TopMargin) + Value(TPageValue::BottomMargin));
}

double TPageFlow::BandHeightTenths(const TBand& band) const
{
    return FReport.Page().DesignPixelsToTenths(band.Height());
}

double TPageFlow::ChildHeightTenths(const TBand& band) const
{
    return band.Child() && band.Child()->Enabled() ? BandHeightTenths(*band.Child()) : 0.0;
}

std::int32_t TPageFlow::RoundedHeightWithChild(const TBand& band) const
{
    return RoundToInt32(BandHeightTenths(band) + ChildHeightTenths(band));
}

void TPageFlow::PlaceBand(const TBand& band, std::int64_t row)
{
    if (band.Kind() != TBandKind::PageFooter) {
        const std::int32_t height = RoundedHeightWithChild(band);
        const bool tallerThanPage = height > PrintableHeightTenths();
        if (height > AvailableSpace() && !tallerThanPage)
            NewColumn();
        else if (FPageCount == 0)
            NewColumn();
        else if (tallerThanPage && ColumnHoldsBands())
            NewColumn(); // an oversized band starts an empty column rather than landing below the paper
    }
    PrintBand(band, row);
}

std::int32_t TPageFlow::AvailableSpace() const
{
    if (FPageCount == 0)
        return 0;
    return RoundToInt32(Value(TPageValue::Length) - Value(TPageValue::BottomMargin) - FFooterReserve -
                        FCurrentY);
}

void TPageFlow::NewColumn()
{
    if (FCurrentColumn != FReport.Page().Columns()) {
        const std::int64_t step = ColumnWidthTenths() + RoundHalfEven(Value(TPageValue::ColumnSpace));
        FCurrentX = ClampToInt32(FCurrentX + step);
        FCurrentY = FColumnTop;
        FCurrentColumn += 1;
        BeginColumnBody();
        return;
    }
    FCurrentColumn = 1;
    FCurrentX = RoundToInt32(Value(TPageValue::LeftMargin));
    NewPage();
}

void TPageFlow::NewPage()
{
    EndPage();
    FPageCount = ClampToInt32(std::int64_t{FPageCount} + 1);
    FPrepared.Pages.emplace_back();
    FPageOpen = true;
    FCurrentY = RoundToInt32(Value(TPageValue::TopMargin));
    if (FPageCount > 1 || FReport.FirstPageHeader())
        PrintEnabledBands(TBandKind::PageHeader);
    if (FPageCount == 1)
        PrintEnabledBands(TBandKind::Title); // the columns begin below the title
    FColumnTop = FCurrentY;
    BeginColumnBody();
}

void TPageFlow::EndPage()
{
    if (!FPageOpen)
        return;
    FCurrentY = RoundToInt32(Value(TPageValue::Length) - Value(TPageValue::BottomMargin) - FFooterReserve);
    FCurrentX = RoundToInt32(Value(TPageValue::LeftMargin));
    if (!FLastPage || FReport.LastPageFooter())
        PrintEnabledBands(TBandKind::PageFooter);
    FPageOpen = false;
}

void TPageFlow::Finish()
{
    FCurrentX = RoundToInt32(Value(TPageValue::LeftMargin));
    FLastPage = true;
    EndPage();
}

void TPageFlow::BeginColumnBody()
{
    PrintEnabledBands(TBandKind::ColumnHeader);
    FColumnBodyTop = FCurrentY;
}

void TPageFlow::PrintEnabledBands(TBandKind kind)
{
    for (const auto& band : FReport.Bands()) {
        if (IsKind(*band, kind))
            PrintBand(*band, -1);
    }
}

void TPageFlow::PrintBand(const TBand& band, std::int64_t row)
{
    if (FPrepared.Pages.empty())
        return; // only a caller driving the flow by hand can print before the first page
    TPreparedPage& page = FPrepared.Pages.back();
    const TPageModel& model = FReport.Page();
    const double left = FCurrentX;
    const double top = FCurrentY;
    const double height = BandHeightTenths(band);
    page.Bands.push_back(TPlacedBand{
        .Kind = band.Kind(),
        .Frame =
            {.Left = left, .Top = top, .Width = model.DesignPixelsToTenths(band.Width()), .Height = height},
        .Row = row,
    });
    for (const auto& element : band.Elements()) {
        const TRectTenths frame{
            .Left = left + model.DesignPixelsToTenths(element->Left()),
            .Top = top + model.DesignPixelsToTenths(element->Top()),
            .Width = model.DesignPixelsToTenths(element->Width()),
            .Height = model.DesignPixelsToTenths(element->Height()),
        };
        page.Elements.push_back(element->Place(frame, row));
    }
    // Elements never grow, so the band advances by its own height.
    AdvanceY(height);
    if (band.Child() && band.Child()->Enabled())
        PrintBand(*band.Child(), row);
}

void TPageFlow::AdvanceY(double tenths)
{
    FCurrentY = ClampToInt32(FCurrentY + RoundHalfEven(tenths));
}

} // namespace quillon
