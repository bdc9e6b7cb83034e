#include "report/Report.h"

#include <algorithm>
#include <string>

#include "barcode/Exception.h"
#include "report/PageFlow.h"

namespace quillon {

namespace {

void CheckDesignPixels(const char* what, int v)
{
    CheckRange(what, v, 0, kMaxDesignPixels);
}

// Bands that span the width between the margins; the others are one column wide.
bool SpansPage(TBandKind kind)
{
    return kind == TBandKind::Title || kind == TBandKind::PageHeader || kind == TBandKind::PageFooter ||
           kind == TBandKind::Summary || kind == TBandKind::Overlay;
}

void CheckGridLength(const char* what, double tenths)
{
    CheckRange(what, tenths, 0.0, TPageModel::kMaxValueTenths);
}

} // namespace

void CheckCellGrid(const TCellGrid& grid)
{
    CheckRange("Grid columns", grid.Columns, 1, TPageModel::kMaxColumns);
    CheckRange("Grid rows", grid.Rows, 1, kMaxGridRows);
    CheckGridLength("Grid left in tenths of a mm", grid.Left);
    CheckGridLength("Grid top in tenths of a mm", grid.Top);
    CheckGridLength("Grid column pitch in tenths of a mm", grid.ColumnPitch);
    CheckGridLength("Grid row pitch in tenths of a mm", grid.RowPitch);
    CheckGridLength("Grid cell width in tenths of a mm", grid.Width);
    CheckGridLength("Grid cell height in tenths of a mm", grid.Height);
}

void TReportElement::SetLeft(int v)
{
    CheckDesignPixels("Element left", v);
    FLeft = v;
}

void TReportElement::SetTop(int v)
{
    CheckDesignPixels("Element top", v);
    FTop = v;
}

void TReportElement::SetWidth(int v)
{
    CheckDesignPixels("Element width", v);
    FWidth = v;
}

void TReportElement::SetHeight(int v)
{
    CheckDesignPixels("Element height", v);
    FHeight = v;
}

TPlacedElement TImageElement::Place(const TRectTenths& frame, std::int64_t row) const
{
    return TPlacedElement{.Frame = frame,
                          .Content = TPlacedImage{.Row = row,
                                                  .Stretch = FStretch,
                                                  .Align = FPictureAlign,
                                                  .InsetTenths = FInsetTenths,
                                                  .QuietTenths = FQuietTenths}};
}

void TTextLabel::SetFont(TFontSpec v)
{
    CheckRange("Font point size", v.PointSize, 1.0, 1000.0);
    FFont = std::move(v);
}

TPlacedElement TTextLabel::Place(const TRectTenths& frame, std::int64_t) const
{
    return TPlacedElement{
        .Frame = frame,
        .Content = TPlacedText{.Text = FText,
                               .Font = FFont,
                               .Alignment = FAlignment,
                               .WordWrap = FWordWrap,
                               .AutoSize = FAutoSize},
    };
}

void TBand::SetWidth(int v)
{
    CheckDesignPixels("Band width", v);
    FWidth = v;
    if (FChild)
        FChild->SetWidth(v); // a child band is as wide as its parent
}

void TBand::SetHeight(int v)
{
    CheckDesignPixels("Band height", v);
    FHeight = v;
}

TImageElement& TBand::AddImage()
{
    auto element = std::make_unique<TImageElement>();
    TImageElement& result = *element;
    FElements.push_back(std::move(element));
    return result;
}

TTextLabel& TBand::AddLabel()
{
    auto element = std::make_unique<TTextLabel>();
    TTextLabel& result = *element;
    FElements.push_back(std::move(element));
    return result;
}

TBand& TBand::AddChild()
{
    if (!FChild) {
        FChild = std::make_unique<TBand>(TBandKind::Child);
        FChild->SetWidth(FWidth);
    }
    return *FChild;
}

std::int64_t OrderedPosition(std::int64_t slot, int columns, int rows, TCellOrder order)
{
    if (order == TCellOrder::DownColumns || rows <= 0)
        return slot;
    const std::int64_t column = slot / rows;
    const std::int64_t line = slot % rows;
    return line * columns + column;
}

TReport::TReport()
{
    FPage.SetOnChange([this] { LayOutBands(); });
}

void TReport::SetCellsPerColumn(int v)
{
    CheckRange("Cells per column", v, 0, kMaxDesignPixels);
    FCellsPerColumn = v;
}

void TReport::SetCellGrid(std::optional<TCellGrid> v)
{
    if (v)
        CheckCellGrid(*v);
    FCellGrid = v;
}

void TReport::SetSkipRows(std::int64_t v)
{
    if (v < 0 || v > kMaxRows)
        throw Exception("Rows to skip out of range: " + std::to_string(v) + " (0 to " +
                        std::to_string(kMaxRows) + ")");
    FSkipRows = v;
}

TBand& TReport::AddBand(TBandKind kind)
{
    FBands.push_back(std::make_unique<TBand>(kind));
    LayOutBands();
    return *FBands.back();
}

int TReport::PageWidthDesignPixels() const
{
    const std::int64_t paper =
        RoundHalfEven(FPage.TenthsToDesignPixels(FPage.ValueTenths(TPageValue::Width)));
    const std::int64_t margins = RoundHalfEven(FPage.TenthsToDesignPixels(
        FPage.ValueTenths(TPageValue::LeftMargin) + FPage.ValueTenths(TPageValue::RightMargin)));
    return static_cast<int>(std::clamp<std::int64_t>(paper - margins, 0, kMaxDesignPixels));
}

int TReport::ColumnWidthDesignPixels() const
{
    // Margins and spacing are rounded to whole design pixels before the integer division.
    const std::int64_t spacing =
        RoundHalfEven(FPage.TenthsToDesignPixels(FPage.ValueTenths(TPageValue::ColumnSpace)));
    const std::int64_t columns = FPage.Columns();
    const std::int64_t width = (PageWidthDesignPixels() - (columns - 1) * spacing) / columns;
    return static_cast<int>(std::clamp<std::int64_t>(width, 0, kMaxDesignPixels));
}

void TReport::LayOutBands()
{
    const int column = ColumnWidthDesignPixels();
    const int page = PageWidthDesignPixels();
    for (const auto& band : FBands) {
        band->SetWidth(SpansPage(band->Kind()) ? page : column);
    }
}

void TReport::PlaceRow(TPageFlow& flow, std::int64_t row) const
{
    for (TBandKind kind : {TBandKind::Detail, TBandKind::SubDetail}) {
        for (const auto& band : FBands) {
            if (band->Enabled() && band->Kind() == kind) {
                if (row < 0)
                    flow.SkipBand(*band);
                else
                    flow.PlaceBand(*band, row);
            }
        }
    }
}

std::optional<std::pair<int, int>> TReport::OrderedShape() const
{
    const auto cellBands = std::count_if(FBands.begin(), FBands.end(), [](const auto& band) {
        return band->Enabled() && (band->Kind() == TBandKind::Detail || band->Kind() == TBandKind::SubDetail);
    });
    if (cellBands != 1)
        return std::nullopt;
    if (FCellGrid)
        return std::pair(FCellGrid->Columns, FCellGrid->Rows);
    if (FCellsPerColumn > 0)
        return std::pair(FPage.Columns(), FCellsPerColumn);
    return std::nullopt;
}

void TReport::PlaceInOrder(TPageFlow& flow, std::int64_t rowCount, int columns, int rows) const
{
    const std::int64_t perPage = std::int64_t{columns} * rows;
    const std::int64_t filled = FSkipRows + rowCount; // the places taken, skipped or printed
    for (std::int64_t first = 0; first < filled; first += perPage) {
        // The flow goes as far as the last slot whose place is taken; the last `columns` places hold it.
        const std::int64_t onPage = std::min(perPage, filled - first);
        std::int64_t lastSlot = 0;
        for (std::int64_t place = std::max<std::int64_t>(0, onPage - columns); place < onPage; ++place)
            lastSlot = std::max(lastSlot, (place % columns) * rows + place / columns);
        for (std::int64_t slot = 0; slot <= lastSlot; ++slot) {
            const std::int64_t place = first + OrderedPosition(slot, columns, rows, FCellOrder);
            PlaceRow(flow, place >= FSkipRows && place < filled ? place - FSkipRows : -1);
        }
    }
}

void TReport::SanitiseMargins()
{
    // Margins that leave no paper between them are both dropped to 0.
    auto sanitise = [this](TPageValue paper, TPageValue first, TPageValue second) {
        if (FPage.ValueTenths(paper) - FPage.ValueTenths(first) - FPage.ValueTenths(second) < 0.0) {
            FPage.SetValueTenths(first, 0.0);
            FPage.SetValueTenths(second, 0.0);
        }
    };
    sanitise(TPageValue::Width, TPageValue::LeftMargin, TPageValue::RightMargin);
    sanitise(TPageValue::Length, TPageValue::TopMargin, TPageValue::BottomMargin);
}

TPreparedReport TReport::PrepareRun(std::int64_t rowCount)
{
    if (rowCount < 0 || rowCount > kMaxRows)
        throw Exception("Row count out of range: " + std::to_string(rowCount) + " (0 to " +
                        std::to_string(kMaxRows) + ")");
    SanitiseMargins();
    TPageFlow flow(*this);
    if (rowCount == 0 && !FPrintIfEmpty)
        return flow.TakePrepared();
    const std::optional<std::pair<int, int>> shape = OrderedShape();
    if (FCellOrder == TCellOrder::AcrossRows && shape && shape->first > 1) {
        PlaceInOrder(flow, rowCount, shape->first, shape->second);
    } else {
        for (std::int64_t skipped = 0; skipped < FSkipRows; ++skipped)
            PlaceRow(flow, -1);
        for (std::int64_t row = 0; row < rowCount; ++row)
            PlaceRow(flow, row);
    }
    if (flow.PageCount() == 0)
        flow.NewColumn(); // an empty run still gets its one page
    for (const auto& band : FBands) {
        if (band->Enabled() && band->Kind() == TBandKind::Summary)
            flow.PlaceBand(*band);
    }
    flow.Finish();
    return flow.TakePrepared();
}

} // namespace quillon
