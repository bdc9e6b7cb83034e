// Fuzzes the report page flow: any page values, zoom, resolution, columns, bands and row count.
// Setters refuse exactly the values outside their ranges with quillon::Exception; a run places every
// row once, at finite positions, and where the bands fit it needs at most one page per row plus one.
//
// Input, fixed width: options (1 byte), 7 page values (mode byte + 8 bytes each), columns, zoom and
// pixels per inch (mode byte + int32 each), rows (mode byte + int64), then 7 band slots of 31 bytes:
// flags, height (mode byte + int32), child height (mode byte + int32), width (int32), and the left,
// top, width and height of the band's elements (int32 each; its image and its label share them);
// then, all off when the input ends before them: cells per column and rows to skip (mode byte +
// int32 each), and a cell grid (mode byte, columns and rows int32, six doubles).
#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "barcode/Exception.h"
#include "fuzz/FuzzInput.h"
#include "report/PageModel.h"
#include "report/PreparedReport.h"
#include "report/Report.h"

namespace quillon::fuzz {
namespace {

constexpr std::int64_t kMaxFuzzRows = 10000; // enough for many pages, small enough for many runs

// The slots, one band of each kind that takes part in a run.
constexpr std::array<TBandKind, 7> kBandKinds{
    TBandKind::Title,        // slot 0
    TBandKind::PageHeader,   // slot 1
    TBandKind::Detail,       // slot 2
    TBandKind::PageFooter,   // slot 3
    TBandKind::Summary,      // slot 4
    TBandKind::SubDetail,    // slot 5
    TBandKind::ColumnHeader, // slot 6
};

// Page values in tenths of a millimetre that raw doubles seldom hit.
constexpr std::array<double, 12> kTenthsPicks{
    0.0, 100.0, 500.0, 2100.0, 2970.0, 20.0, 1.0, 0.5, 100000.0, 100000.5, -1.0, 1e300,
};
constexpr std::array<int, 8> kHeightPicks{0, 29, 464, 100000, 100001, -1, 1, 2728};

// Runs a setter and checks that it refuses exactly when the value is out of range.
template <class Set> void ExpectAccepted(bool accepted, Set set)
{
    try {
        set();
    } catch (const Exception&) {
        FUZZ_REQUIRE(!accepted);
        return;
    }
    FUZZ_REQUIRE(accepted);
}

bool PageValueInRange(TPageValue index, double tenths)
{
    const bool paper = index == TPageValue::Length || index == TPageValue::Width;
    return tenths >= 0.0 && tenths <= TPageModel::kMaxValueTenths && (!paper || tenths > 0.0);
}

double ReadTenths(TFuzzInput& in, std::uint8_t mode)
{
    const double raw = in.Double();
    const auto bits = std::bit_cast<std::uint64_t>(raw);
    switch (mode % 4) {
    case 0: return kTenthsPicks[bits % kTenthsPicks.size()];
    case 1: return static_cast<double>(bits % 501) * 10.0; // whole millimetres, 0 to 500
    case 2: return static_cast<double>(bits % 100001);     // any tenth within range
    default: return raw;
    }
}

void ApplyPageValues(TFuzzInput& in, TPageModel& page)
{
    for (int i = 0; i < kPageValueCount; ++i) {
        const std::uint8_t mode = in.Byte();
        const double tenths = ReadTenths(in, mode);
        if ((mode & 0x80) != 0)
            continue; // keep the page's own value
        const TPageValue index = TPageModel::PageValueFromIndex(i);
        const double before = page.ValueTenths(index);
        const bool accepted = PageValueInRange(index, tenths);
        ExpectAccepted(accepted, [&] { page.SetValueTenths(index, tenths); });
        FUZZ_REQUIRE(page.ValueTenths(index) == (accepted ? tenths : before));
    }
}

// A small choice most of the time, any int32 when the mode's top bit is set.
int ReadChoice(TFuzzInput& in, int low, int count)
{
    const std::uint8_t mode = in.Byte();
    const std::int32_t raw = in.I32();
    if ((mode & 0x80) != 0)
        return raw;
    return low + static_cast<int>(static_cast<std::uint32_t>(raw) % static_cast<std::uint32_t>(count));
}

void ApplyPageSetup(TFuzzInput& in, TPageModel& page)
{
    const int columns = ReadChoice(in, 1, 4);
    ExpectAccepted(columns >= 1 && columns <= TPageModel::kMaxColumns, [&] { page.SetColumns(columns); });
    const int zoom = ReadChoice(in, 10, 991);
    ExpectAccepted(zoom >= TPageModel::kMinZoomPercent && zoom <= TPageModel::kMaxZoomPercent,
                   [&] { page.SetZoomPercent(zoom); });
    const int ppi = ReadChoice(in, 72, 529);
    ExpectAccepted(ppi >= TPageModel::kMinPixelsPerInch && ppi <= TPageModel::kMaxPixelsPerInch,
                   [&] { page.SetPixelsPerInch(ppi); });
}

int ReadHeight(TFuzzInput& in)
{
    const std::uint8_t mode = in.Byte();
    const std::int32_t raw = in.I32();
    const auto u = static_cast<std::uint32_t>(raw);
    switch (mode % 4) {
    case 0: return static_cast<int>(u % 1001);
    case 1: return kHeightPicks[u % kHeightPicks.size()];
    case 2: return static_cast<int>(u % (kMaxDesignPixels + 1));
    default: return raw;
    }
}

bool DesignPixelsInRange(int v)
{
    return v >= 0 && v <= kMaxDesignPixels;
}

void SetSize(TReportElement& element, const std::array<std::int32_t, 4>& box)
{
    ExpectAccepted(DesignPixelsInRange(box[0]), [&] { element.SetLeft(box[0]); });
    ExpectAccepted(DesignPixelsInRange(box[1]), [&] { element.SetTop(box[1]); });
    ExpectAccepted(DesignPixelsInRange(box[2]), [&] { element.SetWidth(box[2]); });
    ExpectAccepted(DesignPixelsInRange(box[3]), [&] { element.SetHeight(box[3]); });
}

// Flags: bit 0 present, 1 enabled, 2 child, 3 child enabled, 4 image, 5 label, 6 set the width.
void AddBand(TFuzzInput& in, TReport& report, TBandKind kind)
{
    const std::uint8_t flags = in.Byte();
    const int height = ReadHeight(in);
    const int childHeight = ReadHeight(in);
    const std::int32_t width = in.I32();
    const std::array<std::int32_t, 4> box{in.I32() % 2000, in.I32() % 2000, in.I32(), in.I32() % 2000};
    if ((flags & 1) == 0)
        return;
    TBand& band = report.AddBand(kind);
    band.SetEnabled((flags & 2) != 0);
    ExpectAccepted(DesignPixelsInRange(height), [&] { band.SetHeight(height); });
    if ((flags & 4) != 0) {
        TBand& child = band.AddChild();
        child.SetEnabled((flags & 8) != 0);
        ExpectAccepted(DesignPixelsInRange(childHeight), [&] { child.SetHeight(childHeight); });
    }
    if ((flags & 64) != 0)
        ExpectAccepted(DesignPixelsInRange(width), [&] { band.SetWidth(width); });
    if ((flags & 16) != 0)
        SetSize(band.AddImage(), box);
    if ((flags & 32) != 0)
        SetSize(band.AddLabel(), box);
}

// A grid of cells for the detail bands: a few columns and rows at whole-tenth places most of the
// time, any values when the mode's top bit is set.
void ApplyCellGrid(TFuzzInput& in, TReport& report)
{
    const std::uint8_t mode = in.Byte();
    const std::int32_t columns = in.I32();
    const std::int32_t rows = in.I32();
    std::array<double, 6> lengths{};
    for (double& length : lengths)
        length = in.Double();
    if ((mode & 1) == 0)
        return;
    TCellGrid grid{.Columns = columns, .Rows = rows};
    if ((mode & 0x80) == 0) {
        grid.Columns = 1 + static_cast<int>(static_cast<std::uint32_t>(columns) % 4);
        grid.Rows = 1 + static_cast<int>(static_cast<std::uint32_t>(rows) % 20);
        for (double& length : lengths)
            length = static_cast<double>(std::bit_cast<std::uint64_t>(length) % 3001);
    }
    grid.Left = lengths[0];
    grid.Top = lengths[1];
    grid.ColumnPitch = lengths[2];
    grid.RowPitch = lengths[3];
    grid.Width = lengths[4];
    grid.Height = lengths[5];
    const auto length = [](double v) { return v >= 0.0 && v <= TPageModel::kMaxValueTenths; };
    const bool accepted = grid.Columns >= 1 && grid.Columns <= TPageModel::kMaxColumns && grid.Rows >= 1 &&
                          grid.Rows <= kMaxGridRows && std::all_of(lengths.begin(), lengths.end(), length);
    ExpectAccepted(accepted, [&] { report.SetCellGrid(grid); });
    FUZZ_REQUIRE(report.CellGrid().has_value() == accepted);
}

// Cells per column and rows to skip, then the grid.
void ApplyCellOptions(TFuzzInput& in, TReport& report)
{
    const int cap = ReadChoice(in, 0, 21);
    ExpectAccepted(cap >= 0 && cap <= kMaxDesignPixels, [&] { report.SetCellsPerColumn(cap); });
    const int skip = ReadChoice(in, 0, 200);
    ExpectAccepted(skip >= 0 && skip <= TReport::kMaxRows, [&] { report.SetSkipRows(skip); });
    if (report.SkipRows() > kMaxFuzzRows)
        report.SetSkipRows(kMaxFuzzRows); // accepted, but more than a run here should place
    ApplyCellGrid(in, report);
}

std::int64_t ReadRows(TFuzzInput& in)
{
    const std::uint8_t mode = in.Byte();
    const std::int64_t raw = in.I64();
    if ((mode & 0x80) == 0)
        return static_cast<std::int64_t>(static_cast<std::uint64_t>(raw) % (kMaxFuzzRows + 1));
    // Raw counts test the refusal; those the run would accept are kept small enough to run quickly.
    if (raw >= 0 && raw <= TReport::kMaxRows)
        return raw % (kMaxFuzzRows + 1);
    return raw;
}

// ---- What a run must produce ----

bool Finite(const TRectTenths& r)
{
    return std::isfinite(r.Left) && std::isfinite(r.Top) && std::isfinite(r.Width) && std::isfinite(r.Height);
}

const TBand* FindEnabled(const TReport& report, TBandKind kind)
{
    for (const auto& band : report.Bands())
        if (band->Kind() == kind && band->Enabled())
            return band.get();
    return nullptr;
}

// A band with its enabled child, each rounded as the flow advances by it.
std::int64_t RoundedHeight(const TReport& report, const TBand* band)
{
    if (band == nullptr)
        return 0;
    std::int64_t h = RoundHalfEven(report.Page().DesignPixelsToTenths(band->Height()));
    if (band->Child() && band->Child()->Enabled())
        h += RoundHalfEven(report.Page().DesignPixelsToTenths(band->Child()->Height()));
    return h;
}

// The room in an empty column on any page: below the top margin, the page header, the title and
// the column header, above the footer reserve. Negative when the page has none.
std::int64_t EmptyColumnRoom(const TReport& report)
{
    const TPageModel& page = report.Page();
    double reserve = 0.0;
    for (const auto& band : report.Bands())
        if (band->Kind() == TBandKind::PageFooter && band->Enabled()) {
            reserve += page.DesignPixelsToTenths(band->Height());
            if (band->Child() && band->Child()->Enabled())
                reserve += page.DesignPixelsToTenths(band->Child()->Height());
        }
    const double bottom =
        page.ValueTenths(TPageValue::Length) - page.ValueTenths(TPageValue::BottomMargin) - reserve;
    std::int64_t heads = 0;
    for (TBandKind kind : {TBandKind::PageHeader, TBandKind::Title, TBandKind::ColumnHeader})
        heads += RoundedHeight(report, FindEnabled(report, kind));
    return static_cast<std::int64_t>(std::floor(bottom)) -
           RoundHalfEven(page.ValueTenths(TPageValue::TopMargin)) - heads;
}

// The bands of one row and the summary fit together into an empty column (with a pixel of rounding
// to spare for each), so every column but the last holds at least a row's worth.
bool BandsFit(const TReport& report)
{
    std::int64_t need = 4;
    for (TBandKind kind : {TBandKind::Detail, TBandKind::SubDetail, TBandKind::Summary})
        if (const TBand* band = FindEnabled(report, kind))
            need += RoundedHeight(report, band) + 2;
    return need <= EmptyColumnRoom(report);
}

struct TRunFacts {
    bool BandsFit = false;
    bool PrintIfEmpty = true;
    bool LastPageFooter = true;
    std::size_t Footers = 0; // enabled page-footer bands
    bool Detail = false;
    bool SubDetail = false;
    bool Grid = false;
    bool Capped = false; // a column holds at most so many cells
    std::int64_t Skipped = 0;
};

TRunFacts FactsOf(const TReport& report)
{
    TRunFacts facts{.BandsFit = BandsFit(report),
                    .PrintIfEmpty = report.PrintIfEmpty(),
                    .LastPageFooter = report.LastPageFooter(),
                    .Detail = FindEnabled(report, TBandKind::Detail) != nullptr,
                    .SubDetail = FindEnabled(report, TBandKind::SubDetail) != nullptr,
                    .Grid = report.CellGrid().has_value(),
                    .Capped = report.CellsPerColumn() > 0,
                    .Skipped = report.SkipRows()};
    for (const auto& band : report.Bands())
        facts.Footers += band->Kind() == TBandKind::PageFooter && band->Enabled() ? 1 : 0;
    return facts;
}

void CheckRows(const TPreparedReport& prepared, TBandKind kind, bool enabled, std::int64_t rows)
{
    std::int64_t next = 0;
    for (const TPreparedPage& page : prepared.Pages)
        for (const TPlacedBand& band : page.Bands)
            if (band.Kind == kind)
                FUZZ_REQUIRE(band.Row == next++); // each row once, in order
    FUZZ_REQUIRE(next == (enabled ? rows : 0));
}

// Where the bands fit, every band stays between the top margin and the bottom margin.
void CheckInsidePage(const TReport& report, const TPreparedPage& page)
{
    const TPageModel& model = report.Page();
    const double top = static_cast<double>(RoundHalfEven(model.ValueTenths(TPageValue::TopMargin)));
    const double foot = model.ValueTenths(TPageValue::Length) - model.ValueTenths(TPageValue::BottomMargin);
    for (const TPlacedBand& band : page.Bands) {
        FUZZ_REQUIRE(band.Frame.Top >= top - 1.0);
        FUZZ_REQUIRE(band.Frame.Top + band.Frame.Height <= foot + 2.0);
    }
}

std::size_t CountKind(const TPreparedPage& page, TBandKind kind)
{
    std::size_t n = 0;
    for (const TPlacedBand& band : page.Bands)
        n += band.Kind == kind ? 1 : 0;
    return n;
}

void CheckRun(const TReport& report, const TRunFacts& facts, const TPreparedReport& prepared,
              std::int64_t rows)
{
    const std::size_t pages = prepared.Pages.size();
    FUZZ_REQUIRE(rows == 0 && !facts.PrintIfEmpty ? pages == 0 : pages >= 1);
    for (std::size_t i = 0; i < pages; ++i) {
        const TPreparedPage& page = prepared.Pages[i];
        for (const TPlacedBand& band : page.Bands)
            FUZZ_REQUIRE(Finite(band.Frame));
        for (const TPlacedElement& element : page.Elements)
            FUZZ_REQUIRE(Finite(element.Frame));
        // Every page carries the footer; the last one only when the report asks for it.
        const bool last = i + 1 == pages;
        FUZZ_REQUIRE(CountKind(page, TBandKind::PageFooter) ==
                     (last && !facts.LastPageFooter ? 0 : facts.Footers));
        if (facts.BandsFit && !facts.Grid) // a grid's cells lie where the grid says
            CheckInsidePage(report, page);
    }
    CheckRows(prepared, TBandKind::Detail, facts.Detail, rows);
    CheckRows(prepared, TBandKind::SubDetail, facts.SubDetail, rows);
    // A column or a grid page holds at least one cell, so every row's cells can end one; where the
    // bands fit and no cap splits them, a row's cells share a column. A summary after a grid's cells
    // may need a page of its own.
    const auto placed = static_cast<std::size_t>(rows + facts.Skipped);
    const std::size_t cells = placed * ((facts.Detail ? 1 : 0) + (facts.SubDetail ? 1 : 0));
    if (facts.Grid)
        FUZZ_REQUIRE(pages <= cells + 2);
    else if (facts.BandsFit)
        FUZZ_REQUIRE(pages <= (facts.Capped ? cells : placed) + 1);
}

void Run(TFuzzInput& in)
{
    TReport report;
    const std::uint8_t options = in.Byte();
    report.SetFirstPageHeader((options & 1) != 0);
    report.SetLastPageFooter((options & 2) != 0);
    report.SetPrintIfEmpty((options & 4) != 0);
    if ((options & 8) != 0)
        report.Page().SetOrientation(TOrientation::Landscape);
    ApplyPageValues(in, report.Page());
    ApplyPageSetup(in, report.Page());
    const std::int64_t rows = ReadRows(in);
    for (TBandKind kind : kBandKinds)
        AddBand(in, report, kind);
    ApplyCellOptions(in, report);

    const bool rowsAccepted = rows >= 0 && rows <= TReport::kMaxRows;
    TPreparedReport prepared;
    try {
        prepared = report.PrepareRun(rows);
    } catch (const Exception&) {
        FUZZ_REQUIRE(!rowsAccepted);
        return;
    }
    FUZZ_REQUIRE(rowsAccepted);
    // The run sanitised the margins in place, so the page as it stands now is the one it laid out.
    CheckRun(report, FactsOf(report), prepared, rows);
}

} // namespace
} // namespace quillon::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    quillon::fuzz::TFuzzInput in(data, size);
    quillon::fuzz::Run(in);
    return 0;
}
