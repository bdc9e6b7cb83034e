// TPageFlow: the run state of one report run, placing bands in columns and pages in tenths of a millimetre.
#pragma once

#include <cstdint>
#include <utility>

#include "report/PreparedReport.h"
#include "report/Report.h"

namespace quillon {

// The room an empty column has from the top margin down to the page footer, rounded as
// AvailableSpace rounds it, on a page without page header, title or column header. Tenths of a mm.
std::int32_t EmptyColumnRoomTenths(double paperLength, double topMargin, double bottomMargin,
                                   double footerReserve);

// The tallest band, in whole design pixels, of which `count` fit one below the other in `room`
// tenths of a millimetre as the flow places them, each advancing by its rounded height:
// count * round(height in tenths) <= room. 0 when not even that fits; count is at least 1.
int TallestBandFitting(const TDesignScale& scale, std::int32_t room, int count);

class TPageFlow {
public:
    // Reads the report's page values as they stand; the report must outlive the flow.
    explicit TPageFlow(const TReport& report);

    // Prints one band at the current place, moving to a new column or page first when needed. Detail
    // and sub-detail bands take the next cell of the report's grid when it has one.
    void PlaceBand(const TBand& band, std::int64_t row = -1);
    // Takes the place that PlaceBand would give the band and prints nothing there: a blank cell.
    void SkipBand(const TBand& band);
    // The room left above the page footer; 0 before the first page.
    std::int32_t AvailableSpace() const;
    void NewColumn();
    void NewPage();
    // Closes the page in hand with its footer; does nothing when no page is open.
    void EndPage();
    // After the last row: the last page gets its footer.
    void Finish();

    std::int32_t CurrentX() const { return FCurrentX; }
    std::int32_t CurrentY() const { return FCurrentY; }
    std::int32_t ColumnTop() const { return FColumnTop; }
    std::int32_t CurrentColumn() const { return FCurrentColumn; }
    std::int32_t PageCount() const { return FPageCount; }
    double FooterReserve() const { return FFooterReserve; }
    bool LastPage() const { return FLastPage; }
    std::int64_t ColumnWidthTenths() const;
    double PrintableHeightTenths() const;

    TPreparedReport TakePrepared() { return std::move(FPrepared); }

private:
    enum class TPrinting : std::uint8_t { Print, Blank };

    double Value(TPageValue index) const { return FReport.Page().ValueTenths(index); }
    double BandHeightTenths(const TBand& band) const;
    double ChildHeightTenths(const TBand& band) const; // 0 without an enabled child
    std::int32_t RoundedHeightWithChild(const TBand& band) const;
    bool ColumnHoldsBands() const { return FCurrentY > FColumnBodyTop; }
    bool ColumnIsFull(const TBand& band) const;
    // The space check: a new column or page when the band does not fit where the flow stands.
    void MakeRoom(const TBand& band);
    void PutBand(const TBand& band, std::int64_t row, TPrinting printing);
    void PutInGrid(const TBand& band, std::int64_t row, TPrinting printing);
    // Steps that print: the band's rectangle and elements at (CurrentX, CurrentY), then its child.
    void PrintBand(const TBand& band, std::int64_t row, TPrinting printing = TPrinting::Print);
    // The band's rectangle and its elements at `frame`.
    void Emit(const TBand& band, std::int64_t row, const TRectTenths& frame);
    void PrintEnabledBands(TBandKind kind);
    void BeginColumnBody();
    void BeginNextPage();
    void AdvanceY(double tenths);

    const TReport& FReport;
    std::int32_t FCurrentX = 0;
    std::int32_t FCurrentY = -1;
    std::int32_t FColumnTop = 0;
    std::int32_t FColumnBodyTop = 0; // below the column headers
    std::int32_t FCurrentColumn = 1;
    std::int32_t FColumnCells = 0; // detail and sub-detail bands in the current column
    std::int64_t FGridCells = 0;   // cells of the grid taken on the current page
    std::int32_t FPageCount = 0;
    double FFooterReserve = 0.0;
    bool FLastPage = false;
    bool FPageOpen = false;
    TPreparedReport FPrepared{};
};

} // namespace quillon
