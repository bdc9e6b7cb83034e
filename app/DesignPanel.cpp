#include "DesignPanel.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>

#include "app/DeckControls.h"
#include "label/PrintBarForm.h"

namespace quillon {

namespace {

const QColor kFuchsia(255, 0, 255);

QLabel* PanelLabel(QWidget* parent, const char* text, int left, int top)
{
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->move(left, top);
    label->adjustSize();
    return label;
}

TSpinEdit* MarginSpin(QWidget* parent, const char* name, int left, int top)
{
    auto* spin = new TSpinEdit(limits::kMarginMm, TSpinEntry::Typed, parent);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setGeometry(left, top, 49, 22);
    return spin;
}

QPushButton* DialogButton(QWidget* parent, const char* name, QStyle::StandardPixmap icon, const char* text,
                          int left)
{
    auto* button = new QPushButton(parent->style()->standardIcon(icon), QString::fromLatin1(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(left, 176, 75, 25);
    return button;
}

} // namespace

TDesignSample::TDesignSample(QWidget* parent) : QWidget(parent)
{
    // The same paper and margins as the print report, at its own zoom and with four columns.
    SetDesignedSheetPage(FPage);
    FPage.SetColumns(kColumns);
    FPage.SetZoomPercent(kZoomPercent);
}

void TDesignSample::SetValueMm(TPageValue index, int mm)
{
    try {
        FPage.SetValueMm(index, mm);
    } catch (const std::exception&) {
        return; // the sample keeps its previous value
    }
    update();
}

QRect TDesignSample::BandRect(int column) const
{
    auto pixels = [this](TPageValue value) { return FPage.TenthsToDesignPixels(FPage.ValueTenths(value)); };
    const double left = pixels(TPageValue::LeftMargin);
    const double width = pixels(TPageValue::Width) - left - pixels(TPageValue::RightMargin);
    const double spacing = pixels(TPageValue::ColumnSpace);
    const double columnWidth = (width - (kColumns - 1) * spacing) / kColumns;
    const double x = left + column * (columnWidth + spacing);
    return QRect(static_cast<int>(x), static_cast<int>(pixels(TPageValue::TopMargin)),
                 static_cast<int>(columnWidth), kBandHeight);
}

void TDesignSample::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(Qt::black);
    painter.drawLine(0, 0, 0, height() - 1);
    painter.drawLine(width() - 1, 0, width() - 1, height() - 1);
    const QColor workspace = palette().color(QPalette::Dark);
    for (int column = 0; column < kColumns; ++column) {
        const QRect band = BandRect(column);
        painter.fillRect(band, workspace);
        painter.drawLine(band.topLeft(), band.bottomLeft());
        painter.drawLine(band.topRight(), band.bottomRight());
    }
}

TDesignPanel::TDesignPanel(QWidget* parent) : TPanel(kFuchsia, parent)
{
    setGeometry(16, 8, 537, 233);
    DesQR = new TDesignSample(this);
    DesQR->setGeometry(2, 2, 278, 393);
    PanelLabel(this, "Top Margin", 361, 1);
    TM = MarginSpin(this, "TM", 360, 15);
    PanelLabel(this, "MM", 412, 19);
    PanelLabel(this, "Left Margin", 286, 39);
    LM = MarginSpin(this, "LM", 286, 53);
    PanelLabel(this, "MM", 338, 58);
    PanelLabel(this, "Column Space", 348, 39);
    CS = MarginSpin(this, "CS", 360, 53);
    PanelLabel(this, "MM", 412, 59);
    PanelLabel(this, "Right Margin", 445, 39);
    RM = MarginSpin(this, "RM", 448, 53);
    PanelLabel(this, "MM", 500, 59);
    PanelLabel(this, "Bottom Margin", 356, 86);
    BM = MarginSpin(this, "BM", 360, 99);
    PanelLabel(this, "MM", 412, 102);
    BitBtn1 = DialogButton(this, "BitBtn1", QStyle::SP_DialogOkButton, "OK", 320);
    BitBtn3 = DialogButton(this, "BitBtn3", QStyle::SP_DialogCancelButton, "Cancel", 424);

    const std::pair<TSpinEdit*, void (TDesignPanel::*)()> handlers[] = {
        {TM, &TDesignPanel::TMChange}, {RM, &TDesignPanel::RMChange}, {BM, &TDesignPanel::BMChange},
        {LM, &TDesignPanel::LMChange}, {CS, &TDesignPanel::CSChange},
    };
    for (const auto& [spin, handler] : handlers)
        connect(spin, &QSpinBox::valueChanged, this, handler);
    hide();
}

int TDesignPanel::ShownValue(const TSpinEdit* spin)
{
    bool isNumber = false;
    const int typed = spin->cleanText().trimmed().toInt(&isNumber);
    return isNumber ? typed : 0;
}

} // namespace quillon
