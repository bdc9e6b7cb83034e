// TDesignPanel: the sheet design panel, with the margins and column spacing in whole millimetres, the
// label stock, the paper and the printer calibration beside a miniature sample page.
#pragma once

#include <QStringList>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "app/Shapes.h"
#include "label/compose/StandardLayout.h"
#include "label/sheet/LabelStock.h"
#include "report/PageModel.h"
#include "report/Report.h"

class QCheckBox;
class QComboBox;
class QCompleter;
class QDoubleSpinBox;
class QLabel;
class QPushButton;

namespace quillon {

class TSpinEdit;

// DesQR: a sample A4 page at zoom 35 with the sheet's cells between its margins (or a stock's labels),
// the cells a start position skips marked.
class TDesignSample : public QWidget {
public:
    static constexpr int kZoomPercent = 35;

    explicit TDesignSample(QWidget* parent);

    TPageModel& Page() { return FPage; }
    const TPageModel& Page() const { return FPage; }
    // Sets one page value in millimetres; a value the page refuses keeps the previous one.
    void SetValueMm(TPageValue index, int mm);
    // The sheet's columns and rows, the cells skipped at its start and the order they are counted in.
    void SetGrid(int columns, int rows, int skipCells, TCellOrder order);
    int Columns() const { return FColumns; }
    int Rows() const { return FRows; }
    // Where the cell of a column and row lands, in the page's pixels at the sample's zoom, before FitScale.
    QRect CellRect(int column, int row) const;
    // True for a cell that a start position leaves empty.
    bool CellSkipped(int column, int row) const;
    // The paper shown; a stock shows its own labels in place of the column bands.
    void SetPaper(TPaperSize paper);
    void SetStock(const std::optional<TStockGeometry>& stock);
    // The page is drawn smaller than its zoom when the widget is narrower than the paper (Letter).
    double FitScale() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PaintCells(QPainter& painter) const;

    TPageModel FPage;
    std::optional<TStockGeometry> FStock{};
    int FColumns = 1;
    int FRows = 1;
    int FSkipCells = 0;
    TCellOrder FOrder = TCellOrder::AcrossRows;
};

class TDesignPanel : public TPanel {
public:
    explicit TDesignPanel(QWidget* parent);

    TSpinEdit* TM = nullptr;
    TSpinEdit* LM = nullptr;
    TSpinEdit* CS = nullptr;
    TSpinEdit* RM = nullptr;
    TSpinEdit* BM = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn3 = nullptr;
    TDesignSample* DesQR = nullptr;
    QLabel* lbStock = nullptr;
    QComboBox* StockBox = nullptr; // "Custom" first, then every stock of the catalogue by its ID
    QLabel* lbPaper = nullptr;
    QComboBox* PaperBox = nullptr; // a custom sheet's paper; a stock shows its own, unchangeable
    QPushButton* CalibrationBtn = nullptr;
    QLabel* lbPlacing = nullptr;
    QComboBox* AlignBox = nullptr;       // Centred, Top-left: where a label sits on its stock label
    QDoubleSpinBox* InsetSpin = nullptr; // mm kept clear between the cut and the label's quiet zones
    QLabel* lbOrder = nullptr;
    QComboBox* OrderBox = nullptr;  // Across rows, Down columns: the order the cells fill in
    QCheckBox* MarkChk = nullptr;   // the maker's "Q" on each label
    QCheckBox* FooterChk = nullptr; // the maker's line at the foot of a custom sheet

    TCellOrder ChosenOrder() const;
    void ChooseOrder(TCellOrder order);
    // The deck's columns and rows and the cells its start position skips, for the sample.
    void ShowGrid(int columns, int rows, int skipCells);
    // Where labels sit on the stock's labels, as the panel shows it.
    TCellPlacing ChosenPlacing() const;
    void ChoosePlacing(const TCellPlacing& placing);

    // The stocks the list offers after "Custom", each with its listing (description, and why it cannot be
    // used) in the interface language; the choice returns to Custom.
    void SetStocks(std::vector<TLabelStock> stocks, const QStringList& listings);
    // The listings again, in another language; the choice stays.
    void SetStockListings(const QStringList& listings);
    // The chosen stock; nullptr for Custom.
    const TLabelStock* ChosenStock() const;
    // Chooses the stock of that ID, or Custom for none or an ID the list does not hold.
    void ChooseStock(const std::optional<std::string>& id);
    // The paper of a custom sheet, kept while a stock shows its own.
    TPaperSize CustomPaper() const { return FCustomPaper; }
    void ChooseCustomPaper(TPaperSize paper);
    // The first entry's caption in the interface language.
    void SetCustomCaption(const QString& caption);

    // The live sample update of each margin spin edit.
    void TMChange() { DesQR->SetValueMm(TPageValue::TopMargin, ShownValue(TM)); }
    void RMChange() { DesQR->SetValueMm(TPageValue::RightMargin, ShownValue(RM)); }
    void BMChange() { DesQR->SetValueMm(TPageValue::BottomMargin, ShownValue(BM)); }
    void LMChange() { DesQR->SetValueMm(TPageValue::LeftMargin, ShownValue(LM)); }
    void CSChange() { DesQR->SetValueMm(TPageValue::ColumnSpace, ShownValue(CS)); }

    // The value a margin field reads as: its whole number, or 0 while its text is not one.
    static int ShownValue(const TSpinEdit* spin);

private:
    QCompleter* FStockFinder = nullptr; // every stock as "ID, dash, description", for the search
    void BuildSheetChoices();
    void BuildPlacing();
    void BuildOrder();
    void BuildMakersMarks();
    // A stock places its labels itself: the margins, spacing and paper are shown but not used.
    void StockChange();
    void PaperChange();

    std::vector<TLabelStock> FStocks{};
    TPaperSize FCustomPaper = TPaperSize::A4;
    int FSkipShown = 0;
};

} // namespace quillon
