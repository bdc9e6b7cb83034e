// The sheet geometry set up on the print report as the window's controls set it, shared by the
// window's print command and quillon-cli.
#pragma once

#include <QSizeF>
#include <optional>
#include <string>

#include "label/sheet/LabelStock.h"
#include "label/sheet/PrintBarForm.h"
#include "label/sheet/SheetLimits.h"
#include "report/PreparedReport.h"

namespace quillon {

// What the columns, rows and stretch controls and the design panel hold, margins and spacing in
// whole millimetres; the paper, the label stock and the start position of the sheet.
struct TSheetSettings {
    int Columns = limits::kColumns.Initial;
    int Rows = limits::kRows.Initial;
    int TopMm = limits::kDesignedMarginMm;
    int RightMm = limits::kDesignedMarginMm;
    int BottomMm = limits::kDesignedMarginMm;
    int LeftMm = limits::kDesignedMarginMm;
    int SpacingMm = limits::kDesignedSpacingMm;
    bool Stretch = false;
    TPaperSize Paper = TPaperSize::A4; // A4 or Letter; a stock brings its own
    // Labels at the stock's places, its columns and rows instead of the ones above; none ("Custom")
    // lays the cells out by the margins and spacing.
    std::optional<TStockGeometry> Stock{};
    std::string StockId{}; // the stock's name, for messages
    // The length of each label on a tape, 5 to 1000 mm; 0 keeps the tape's own. Other stocks ignore it.
    double TapeLengthMm = 0.0;
    // Cells of the first page left empty, in the order the cells fill: a partly used sheet goes on
    // at cell SkipCells + 1 ("Start at label N" skips N - 1).
    int SkipCells = 0;
    // Across the rows, as people count labels on a sheet; down the columns remains a choice.
    TCellOrder Order = TCellOrder::AcrossRows;
    // The label centred or at the top-left of its cell, kept clear of the cuts by its quiet zones and
    // an inset; none keeps it at the cell's corner, as the grid has always had it.
    std::optional<TCellPlacing> Placing{};
    QMarginsF LabelQuietMm{}; // the quiet zones the label's drawing lacks
    bool Footer = true;       // the maker's line at the foot of a sheet by margins (a stock has none)
};

// The stock the labels are placed on, a tape cut to the settings' length; none for a sheet by margins.
std::optional<TStockGeometry> SheetStock(const TSheetSettings& settings);

// The columns and rows of one sheet: the stock's, or the settings' own.
int SheetColumns(const TSheetSettings& settings);
int SheetRows(const TSheetSettings& settings);
int SheetCellCount(const TSheetSettings& settings); // columns x rows

// The row height in design pixels, which is also the label's bar height: for a sheet by margins
// the tallest row that lets every row fit one column (SheetRowHeight), for a stock its label's
// height in whole design pixels.
int SheetRowHeight(const TSheetSettings& settings);

// The cell a label of the sheet must fit, by the sheet's first cell (CellSizeMm) and its placing.
TCellRoom CellRoomOf(const TSheetSettings& settings, QSizeF cellMm);

// Raises for a value outside its control's range, a paper other than A4 or Letter, a stock that
// does not fit its paper ("Label stock Avery-L7651: columns out of range: 5 (1 to 4)"), a tape length
// outside 5 to 1000 mm, a start position outside the sheet ("Cells to skip out of range: 21
// (0 to 20)") or an inset outside 0 to 20 mm, naming the range.
void CheckSheetSettings(const TSheetSettings& settings);

// Applies margins and spacing to the page (in the design panel's order), then the paper, the
// columns, the row height that the rows, the paper and the top and bottom margins give (recomputed
// whenever margins change), the stock, the stretch, the placing and the start position. Checks the settings
// first and then changes nothing on a refusal.
void ApplySheetSettings(TPrintBarForm& form, const TSheetSettings& settings);

// The paper of the sheet, a stock's own size when it has one: a roll's or a tape's page is the label's.
void ApplyPaperOf(TPrintBarForm& form, const TSheetSettings& settings);

// Prepares the pages of the sheet for labelCount cells, one per picture-table row, by the page flow.
TPreparedReport PrepareSheet(TPrintBarForm& form, int labelCount);

// The size of the sheet's first label cell in millimetres, what a label has to fit; empty when the
// sheet has no cell.
QSizeF CellSizeMm(const TPreparedReport& sheet);

} // namespace quillon
