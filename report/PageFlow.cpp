#include "report/PageFlow.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace quillon {

namespace {

bool IsKind(const TBand& band, TBandKind kind)
{
    return band.Enabled() && band.Kind() == kind;
}

// The bands printed once per data row: the cells of a label sheet.
bool IsCell(const TBand& band)
{
    return band.Kind() == TBandKind::Detail || band.Kind() == TBandKind::SubDetail;
}

} // namespace

std::int32_t EmptyColumnRoomTenths(double paperLength, double topMargin, double bottomMargin,
                                   double footerReserve)
{
    // The column begins at the rounded top margin, as NewPage sets CurrentY.
    return RoundToInt32(paperLength - bottomMargin - footerReserve - RoundToInt32(topMargin));
}

int TallestBandFitting(const TDesignScale& scale, std::int32_t room, int count)
{
    const int bands = std::max(count, 1);
    const auto fits = [&](int height) {
        return std::int64_t{bands} * RoundHalfEven(scale.DesignPixelsToTenths(height)) <= room;
    };
    // From just above the share of the room down to the first height whose rounding fits.
    const double share = scale.TenthsToDesignPixels(static_cast<double>(room) / bands);
    int height = static_cast<int>(std::clamp(std::floor(share) + 1.0, 0.0, double{kMaxDesignPixels}));
    while (height > 0 && !fits(height))
        --height;
    return fits(height) ? height : 0;
}

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
    PutBand(band, row, TPrinting::Print);
}

void TPageFlow::SkipBand(const TBand& band)
{
    PutBand(band, -1, TPrinting::Blank);
}

void TPageFlow::PutBand(const TBand& band, std::int64_t row, TPrinting printing)
{
    if (IsCell(band) && FReport.CellGrid()) {
        PutInGrid(band, row, printing);
        return;
    }
    if (band.Kind() != TBandKind::PageFooter)
        MakeRoom(band);
    PrintBand(band, row, printing);
    if (IsCell(band))
        ++FColumnCells;
}

bool TPageFlow::ColumnIsFull(const TBand& band) const
{
    const int cap = FReport.CellsPerColumn();
    return FPageCount > 0 && IsCell(band) && cap > 0 && FColumnCells >= cap;
}

void TPageFlow::MakeRoom(const TBand& band)
{
    const std::int32_t height = RoundedHeightWithChild(band);
    const bool tallerThanPage = height > PrintableHeightTenths();
    if (ColumnIsFull(band))
        NewColumn();
    else if (height > AvailableSpace() && !tallerThanPage)
        NewColumn();
    else if (FPageCount == 0)
        NewColumn();
    else if (tallerThanPage && ColumnHoldsBands())
        NewColumn(); // an oversized band starts an empty column rather than landing below the paper
}

// Each cell's place comes from its index on the page alone; the flow's position only follows, so
// that a summary after the cells prints below the lowest of them.
void TPageFlow::PutInGrid(const TBand& band, std::int64_t row, TPrinting printing)
{
    const TCellGrid& grid = *FReport.CellGrid();
    if (FPageCount == 0 || FGridCells >= grid.CellsPerPage())
        BeginNextPage();
    const std::int64_t column = FGridCells / grid.Rows;
    const std::int64_t line = FGridCells % grid.Rows;
    ++FGridCells;
    const TRectTenths frame{.Left = grid.Left + static_cast<double>(column) * grid.ColumnPitch,
                            .Top = grid.Top + static_cast<double>(line) * grid.RowPitch,
                            .Width = grid.Width,
                            .Height = grid.Height};
    double bottom = frame.Top + frame.Height;
    if (printing == TPrinting::Print)
        Emit(band, row, frame);
    if (band.Child() && band.Child()->Enabled()) {
        const double childHeight = BandHeightTenths(*band.Child());
        if (printing == TPrinting::Print)
            Emit(*band.Child(), row,
                 {.Left = frame.Left, .Top = bottom, .Width = frame.Width, .Height = childHeight});
        bottom += childHeight;
    }
    FCurrentY = std::max(FCurrentY, RoundToInt32(bottom));
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
    BeginNextPage();
}

void TPageFlow::BeginNextPage()
{
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
    FGridCells = 0;
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
    FColumnCells = 0;
}

void TPageFlow::PrintEnabledBands(TBandKind kind)
{
    for (const auto& band : FReport.Bands()) {
        if (IsKind(*band, kind))
            PrintBand(*band, -1);
    }
}

void TPageFlow::PrintBand(const TBand& band, std::int64_t row, TPrinting printing)
{
    if (FPrepared.Pages.empty())
        return; // only a caller driving the flow by hand can print before the first page
    const double height = BandHeightTenths(band);
    if (printing == TPrinting::Print) {
        Emit(band, row,
             {.Left = static_cast<double>(FCurrentX),
              .Top = static_cast<double>(FCurrentY),
              .Width = FReport.Page().DesignPixelsToTenths(band.Width()),
              .Height = height});
    }
    // Elements never grow, so the band advances by its own height.
    AdvanceY(height);
    if (band.Child() && band.Child()->Enabled())
        PrintBand(*band.Child(), row, printing);
}

void TPageFlow::Emit(const TBand& band, std::int64_t row, const TRectTenths& frame)
{
    TPreparedPage& page = FPrepared.Pages.back();
    const TPageModel& model = FReport.Page();
    page.Bands.push_back(TPlacedBand{.Kind = band.Kind(), .Frame = frame, .Row = row});
    for (const auto& element : band.Elements()) {
        const TRectTenths own{
            .Left = frame.Left + model.DesignPixelsToTenths(element->Left()),
            .Top = frame.Top + model.DesignPixelsToTenths(element->Top()),
            .Width = model.DesignPixelsToTenths(element->Width()),
            .Height = model.DesignPixelsToTenths(element->Height()),
        };
        page.Elements.push_back(element->Place(element->Align() == TElementAlign::Client ? frame : own, row));
    }
}

void TPageFlow::AdvanceY(double tenths)
{
    FCurrentY = ClampToInt32(FCurrentY + RoundHalfEven(tenths));
}

} // namespace quillon
