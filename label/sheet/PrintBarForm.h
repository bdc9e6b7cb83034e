// TPrintBarForm: holds the print report `qr` of the label sheet and applies the sheet geometry to it.
#pragma once

#include <optional>

#include "label/compose/StandardLayout.h"
#include "label/sheet/LabelStock.h"
#include "report/Report.h"

namespace quillon {

// The height of one label row in design pixels of the print report, from the design panel's top
// and bottom margins in millimetres and the row count (1 to 20): the tallest row of which `rows`
// fill a column between the margins above the page footer, by the page flow's own rounding.
int SheetRowHeight(int topMarginMm, int bottomMarginMm, int rows, TPaperSize paper = TPaperSize::A4);

// The sheet's designed page, shared by the print report and the design sample: A4 portrait,
// margins of 10 mm all round, 2 mm between columns.
void SetDesignedSheetPage(TPageModel& page);

class TPrintBarForm {
public:
    static constexpr int kInitialColumns = 2;
    static constexpr int kZoomPercent = 45;
    static constexpr int kFooterHeight = 6; // design pixels: the credit line's band

    TPrintBarForm();
    TPrintBarForm(const TPrintBarForm&) = delete;
    TPrintBarForm& operator=(const TPrintBarForm&) = delete;

    TReport& qr() { return FReport; }
    const TReport& qr() const { return FReport; }
    TBand& Band1() { return *FBand1; }
    TImageElement& QRImage1() { return *FImage; }
    TBand& PageFooterBand1() { return *FFooter; }
    TTextLabel& QRLabel1() { return *FCreditLine; }

    // The sheet geometry that the columns, rows and stretch controls apply.
    void ApplyColumns(int columns);
    void ApplyRowHeight(int designPixels);
    // `rows` cells to each column, each designPixels high, and never more, even where the height
    // would leave room for another.
    void ApplyRows(int rows, int designPixels);
    void ApplyStretch(bool stretch) { FImage->SetStretch(stretch); }
    void ApplyPaper(TPaperSize paper) { FReport.Page().SetPaperSize(paper); }
    // Paper of its own size, upright: a roll's or tape's page, or a template's paper.
    void ApplyCustomPaper(double widthTenths, double lengthTenths);
    // Labels at the stock's own places, the picture filling each label, and no credit line, since
    // the stock's labels own the page; none returns to cells laid out by the margins. Raises for a
    // stock that does not fit its paper and then changes nothing.
    void ApplyStock(const std::optional<TStockGeometry>& stock);
    // The label centred or at the top-left of each cell, its quiet zones (those its drawing lacks) and
    // the inset kept clear of the cuts; none keeps it at the cell's corner.
    void ApplyPlacing(const std::optional<TCellPlacing>& placing, const QMarginsF& quietMm);
    // Cells left empty at the start of the first page (0 to 1000000).
    void ApplySkip(int cells) { FReport.SetSkipRows(cells); }
    // The order the cells fill in, and so the cells a start position skips.
    void ApplyOrder(TCellOrder order) { FReport.SetCellOrder(order); }
    void ApplyFooter(bool shown);

private:
    TReport FReport;
    TBand* FBand1 = nullptr;
    TImageElement* FImage = nullptr;
    TBand* FFooter = nullptr;
    TTextLabel* FCreditLine = nullptr;
};

} // namespace quillon
