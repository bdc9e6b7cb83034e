// TPrintBarForm: holds the print report `qr` of the label sheet and applies the sheet geometry to it.
#pragma once

#include "report/Report.h"

namespace quillon {

// The height of one label row in design pixels of the print report, from the design panel's top
// and bottom margins in millimetres and the row count (1 to 20).
int SheetRowHeight(int topMarginMm, int bottomMarginMm, int rows);

// The sheet's designed page, shared by the print report and the design sample: A4 portrait,
// margins of 10 mm all round, 2 mm between columns.
void SetDesignedSheetPage(TPageModel& page);

class TPrintBarForm {
public:
    static constexpr int kInitialColumns = 2;
    static constexpr int kZoomPercent = 45;

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
    void ApplyStretch(bool stretch) { FImage->SetStretch(stretch); }

private:
    TReport FReport;
    TBand* FBand1 = nullptr;
    TImageElement* FImage = nullptr;
    TBand* FFooter = nullptr;
    TTextLabel* FCreditLine = nullptr;
};

} // namespace quillon
