// TReport: a banded report (page model, bands and their elements) and the run that prepares its pages.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "report/PageModel.h"
#include "report/PreparedReport.h"

namespace quillon {

class TPageFlow;

// Band and element sizes are design pixels; each accepts 0 to this.
inline constexpr int kMaxDesignPixels = 100000;

// An element keeps its own place and size in its band, or takes the band's whole frame as printed
// (a label's picture filling a cell of a fixed grid, whose size no whole design pixel can give).
enum class TElementAlign : std::uint8_t { None, Client };

// Detail cells at fixed places: cell `index` of a page lies in column index / Rows and row
// index % Rows, at (Left + column * ColumnPitch, Top + row * RowPitch), Width x Height. Every
// position is computed from its index, so no rounding adds up down a column. Tenths of a
// millimetre from the paper's top-left corner.
struct TCellGrid {
    int Columns = 1;
    int Rows = 1;
    double Left = 0.0;
    double Top = 0.0;
    double ColumnPitch = 0.0;
    double RowPitch = 0.0;
    double Width = 0.0;
    double Height = 0.0;

    int CellsPerPage() const { return Columns * Rows; }
};
inline constexpr int kMaxGridRows = 1000;
// Raises unless the grid has 1 to 100 columns, 1 to 1000 rows and every length within 0 to 10 m.
void CheckCellGrid(const TCellGrid& grid);

// The order in which a sheet's cells take the data rows: down the columns, the report's own flow, or
// across the rows, left to right and top to bottom, as people count the labels on a sheet.
enum class TCellOrder : std::uint8_t { DownColumns, AcrossRows };

// The place, counted in `order`, of the cell that the flow fills `slot`-th on a page of `columns` x
// `rows` cells; the flow fills down the columns.
std::int64_t OrderedPosition(std::int64_t slot, int columns, int rows, TCellOrder order);

class TReportElement {
public:
    virtual ~TReportElement() = default;

    // Position inside the band and size, in design pixels.
    int Left() const { return FLeft; }
    void SetLeft(int v);
    int Top() const { return FTop; }
    void SetTop(int v);
    int Width() const { return FWidth; }
    void SetWidth(int v);
    int Height() const { return FHeight; }
    void SetHeight(int v);
    TElementAlign Align() const { return FAlign; }
    void SetAlign(TElementAlign v) { FAlign = v; }

    // The element as printed for one data row, its frame already in tenths of a millimetre.
    virtual TPlacedElement Place(const TRectTenths& frame, std::int64_t row) const = 0;

private:
    int FLeft = 0;
    int FTop = 0;
    int FWidth = 0;
    int FHeight = 0;
    TElementAlign FAlign = TElementAlign::None;
};

// Shows the picture of the data row being printed.
class TImageElement : public TReportElement {
public:
    bool Stretch() const { return FStretch; }
    void SetStretch(bool v) { FStretch = v; }
    // Where the unscaled picture sits in each frame (see TPlacedImage).
    TPictureAlign PictureAlign() const { return FPictureAlign; }
    void SetPictureAlign(TPictureAlign v) { FPictureAlign = v; }
    double InsetTenths() const { return FInsetTenths; }
    void SetInsetTenths(double v) { FInsetTenths = v; }
    const TMarginsTenths& QuietTenths() const { return FQuietTenths; }
    void SetQuietTenths(const TMarginsTenths& v) { FQuietTenths = v; }

    TPlacedElement Place(const TRectTenths& frame, std::int64_t row) const override;

private:
    bool FStretch = false;
    TPictureAlign FPictureAlign = TPictureAlign::TopLeft;
    double FInsetTenths = 0.0;
    TMarginsTenths FQuietTenths{};
};

class TTextLabel : public TReportElement {
public:
    const std::string& Text() const { return FText; } // UTF-8
    void SetText(std::string v) { FText = std::move(v); }
    const TFontSpec& Font() const { return FFont; }
    void SetFont(TFontSpec v); // a point size of 1 to 1000
    TTextAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TTextAlignment v) { FAlignment = v; }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool v) { FWordWrap = v; }
    // A label sized to its text is never cut at its frame.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool v) { FAutoSize = v; }

    TPlacedElement Place(const TRectTenths& frame, std::int64_t row) const override;

private:
    std::string FText;
    TFontSpec FFont{};
    TTextAlignment FAlignment = TTextAlignment::Left;
    bool FWordWrap = false;
    bool FAutoSize = true;
};

class TBand {
public:
    explicit TBand(TBandKind kind) : FKind(kind) {}
    TBand(const TBand&) = delete;
    TBand& operator=(const TBand&) = delete;

    TBandKind Kind() const { return FKind; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool v) { FEnabled = v; }
    // Size in design pixels. The report lays the width out from its columns; a child takes its
    // parent's width.
    int Width() const { return FWidth; }
    void SetWidth(int v);
    int Height() const { return FHeight; }
    void SetHeight(int v);

    TImageElement& AddImage();
    TTextLabel& AddLabel();
    const std::vector<std::unique_ptr<TReportElement>>& Elements() const { return FElements; }

    // The band that prints right after this one; created on first use, owned by this band.
    TBand& AddChild();
    const TBand* Child() const { return FChild.get(); }

private:
    TBandKind FKind = TBandKind::Detail;
    bool FEnabled = true;
    int FWidth = 0;
    int FHeight = 0;
    std::vector<std::unique_ptr<TReportElement>> FElements;
    std::unique_ptr<TBand> FChild;
};

class TReport {
public:
    // Guards the memory of a run: every row becomes placed bands and elements.
    static constexpr std::int64_t kMaxRows = 1000000;

    TReport();
    TReport(const TReport&) = delete;
    TReport& operator=(const TReport&) = delete;

    // Every change of the page model lays the bands out again at once.
    TPageModel& Page() { return FPage; }
    const TPageModel& Page() const { return FPage; }

    bool FirstPageHeader() const { return FFirstPageHeader; }
    void SetFirstPageHeader(bool v) { FFirstPageHeader = v; }
    bool LastPageFooter() const { return FLastPageFooter; }
    void SetLastPageFooter(bool v) { FLastPageFooter = v; }
    // With no rows, still print one page with its headers and footers.
    bool PrintIfEmpty() const { return FPrintIfEmpty; }
    void SetPrintIfEmpty(bool v) { FPrintIfEmpty = v; }

    // Detail and sub-detail bands to a column at most; 0 for as many as fit. A sheet whose row height
    // leaves room for one more cell still starts the next column after its rows.
    int CellsPerColumn() const { return FCellsPerColumn; }
    void SetCellsPerColumn(int v); // 0 to 100000
    // Detail and sub-detail bands placed in a fixed grid instead of flowing down the columns; the
    // page header, title, footer and summary still flow. None by default.
    const std::optional<TCellGrid>& CellGrid() const { return FCellGrid; }
    void SetCellGrid(std::optional<TCellGrid> v); // raises for a broken grid and keeps the old one
    // Rows left blank at the start of the first page, as if printed: a partly used sheet goes on
    // from the first unused cell.
    std::int64_t SkipRows() const { return FSkipRows; }
    void SetSkipRows(std::int64_t v); // 0 to kMaxRows
    // The order the cells take the rows and the skipped places; across the rows only where every row
    // takes one cell of a page with a fixed count of cells per column (a grid, or CellsPerColumn).
    TCellOrder CellOrder() const { return FCellOrder; }
    void SetCellOrder(TCellOrder v) { FCellOrder = v; }

    TBand& AddBand(TBandKind kind);
    const std::vector<std::unique_ptr<TBand>>& Bands() const { return FBands; }

    // Column layout in design pixels: the width between the margins shared by Columns columns.
    int ColumnWidthDesignPixels() const;
    int PageWidthDesignPixels() const; // between the margins
    void LayOutBands();

    // Prepares the pages of a run over rowCount data rows (0 to kMaxRows).
    TPreparedReport PrepareRun(std::int64_t rowCount);

private:
    void SanitiseMargins();
    // Places the detail bands of one data row; row -1 takes their places and prints nothing.
    void PlaceRow(TPageFlow& flow, std::int64_t row) const;
    // The columns and rows of cells on a page, when the cells can be counted across the rows.
    std::optional<std::pair<int, int>> OrderedShape() const;
    // The skipped places and the rows in the cell order, page by page, blank places taking their cells.
    void PlaceInOrder(TPageFlow& flow, std::int64_t rowCount, int columns, int rows) const;

    TPageModel FPage;
    bool FFirstPageHeader = true;
    bool FLastPageFooter = true;
    bool FPrintIfEmpty = true;
    int FCellsPerColumn = 0;
    std::optional<TCellGrid> FCellGrid{};
    std::int64_t FSkipRows = 0;
    TCellOrder FCellOrder = TCellOrder::DownColumns;
    std::vector<std::unique_ptr<TBand>> FBands;
};

} // namespace quillon
