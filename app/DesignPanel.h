// TDesignPanel: the sheet design panel, with the margins and column spacing in whole millimetres
// beside a miniature sample page.
#pragma once

#include <QWidget>

#include "app/Shapes.h"
#include "report/PageModel.h"

class QPushButton;

namespace quillon {

class TSpinEdit;

// DesQR: a sample A4 page at zoom 35, four columns of column-header bands between its margins.
class TDesignSample : public QWidget {
public:
    static constexpr int kZoomPercent = 35;
    static constexpr int kColumns = 4;
    static constexpr int kBandWidth = 60;  // design pixels
    static constexpr int kBandHeight = 28; // design pixels

    explicit TDesignSample(QWidget* parent);

    TPageModel& Page() { return FPage; }
    const TPageModel& Page() const { return FPage; }
    // Sets one page value in millimetres; a value the page refuses keeps the previous one.
    void SetValueMm(TPageValue index, int mm);
    // Where the band of each column lands, in the widget's pixels.
    QRect BandRect(int column) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TPageModel FPage;
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

    // The live sample update of each margin spin edit.
    void TMChange() { DesQR->SetValueMm(TPageValue::TopMargin, ShownValue(TM)); }
    void RMChange() { DesQR->SetValueMm(TPageValue::RightMargin, ShownValue(RM)); }
    void BMChange() { DesQR->SetValueMm(TPageValue::BottomMargin, ShownValue(BM)); }
    void LMChange() { DesQR->SetValueMm(TPageValue::LeftMargin, ShownValue(LM)); }
    void CSChange() { DesQR->SetValueMm(TPageValue::ColumnSpace, ShownValue(CS)); }

    // The value a margin field reads as: its whole number, or 0 while its text is not one.
    static int ShownValue(const TSpinEdit* spin);
};

} // namespace quillon
