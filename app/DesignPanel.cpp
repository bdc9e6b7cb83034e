#include "DesignPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStringListModel>
#include <QStyle>
#include <algorithm>

#include "app/DeckControls.h"
#include "label/sheet/PrintBarForm.h"

namespace quillon {

namespace {

const QColor kFuchsia(255, 0, 255);

// The papers a custom sheet is laid out on, as the paper list shows them.
struct TPaperEntry {
    TPaperSize Paper = TPaperSize::A4;
    const char* Name = "";
};
constexpr TPaperEntry kPapers[] = {
    {TPaperSize::A4, "A4"},            // 210 x 297 mm
    {TPaperSize::Letter, "US Letter"}, // 8.5 x 11 in
};
constexpr char kCustomStock[] = "Custom";
// The placings in the align list's order; the captions are the window's.
constexpr TPictureAlign kAligns[] = {TPictureAlign::Centre, TPictureAlign::TopLeft};
constexpr const char* kAlignNames[] = {"Centred", "Top-left"};
// The fill orders in the order list's order.
constexpr TCellOrder kOrders[] = {TCellOrder::AcrossRows, TCellOrder::DownColumns};
constexpr const char* kOrderNames[] = {"Across rows", "Down columns"};
static_assert(std::size(kOrders) == std::size(kOrderNames));
// A skipped cell: paper already used, shown hatched.
const QColor kSkippedCell(255, 255, 255);

QLabel* PanelLabel(QWidget* parent, const char* text, int left, int top, const char* name = nullptr)
{
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    if (name != nullptr)
        label->setObjectName(QString::fromLatin1(name)); // its caption is switched with the language
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
    // The same paper and margins as the print report, at its own zoom.
    SetDesignedSheetPage(FPage);
    FPage.SetZoomPercent(kZoomPercent);
}

void TDesignSample::SetGrid(int columns, int rows, int skipCells, TCellOrder order)
{
    FColumns = std::max(1, columns);
    FRows = std::max(1, rows);
    FSkipCells = std::max(0, skipCells);
    FOrder = order;
    update();
}

bool TDesignSample::CellSkipped(int column, int row) const
{
    const int columns = FStock ? FStock->Columns : FColumns;
    const int rows = FStock ? FStock->Rows : FRows;
    const std::int64_t slot = std::int64_t{column} * rows + row;
    return OrderedPosition(slot, columns, rows, FOrder) < FSkipCells;
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

QRect TDesignSample::CellRect(int column, int row) const
{
    if (FStock) {
        const auto pixels = [this](int hundredths) { return FPage.TenthsToDesignPixels(hundredths / 10.0); };
        return QRectF(pixels(FStock->LeftMargin + column * FStock->HorizontalPitch),
                      pixels(FStock->TopMargin + row * FStock->VerticalPitch), pixels(FStock->LabelWidth),
                      pixels(FStock->LabelHeight))
            .toRect();
    }
    auto pixels = [this](TPageValue value) { return FPage.TenthsToDesignPixels(FPage.ValueTenths(value)); };
    const double left = pixels(TPageValue::LeftMargin);
    const double top = pixels(TPageValue::TopMargin);
    const double width = pixels(TPageValue::Width) - left - pixels(TPageValue::RightMargin);
    const double height = pixels(TPageValue::Length) - top - pixels(TPageValue::BottomMargin);
    const double spacing = pixels(TPageValue::ColumnSpace);
    const double columnWidth = (width - (FColumns - 1) * spacing) / FColumns;
    const double rowHeight = height / FRows;
    return QRectF(left + column * (columnWidth + spacing), top + row * rowHeight, columnWidth, rowHeight)
        .toRect();
}

void TDesignSample::SetPaper(TPaperSize paper)
{
    if (FPage.PaperSize() == paper)
        return;
    FPage.SetPaperSize(paper);
    update();
}

void TDesignSample::SetStock(const std::optional<TStockGeometry>& stock)
{
    FStock = stock;
    if (stock && stock->Paper == TPaperSize::Custom) {
        // A roll's or tape's page is its label; another paper of a template keeps its own size.
        FPage.SetPaperSize(TPaperSize::Custom);
        FPage.SetValueTenths(TPageValue::Width, StockPaperWidth(*stock) / 10.0);
        FPage.SetValueTenths(TPageValue::Length, StockPaperLength(*stock) / 10.0);
    }
    update();
}

double TDesignSample::FitScale() const
{
    const double paperPixels = FPage.TenthsToDesignPixels(FPage.ValueTenths(TPageValue::Width));
    return paperPixels > width() ? width() / paperPixels : 1.0;
}

void TDesignSample::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.scale(FitScale(), FitScale());
    const double paperWidth = FPage.TenthsToDesignPixels(FPage.ValueTenths(TPageValue::Width));
    const double paperLength = FPage.TenthsToDesignPixels(FPage.ValueTenths(TPageValue::Length));
    const QRectF paper(0, 0, paperWidth, paperLength);
    painter.fillRect(paper, Qt::white);
    painter.setPen(Qt::black);
    painter.drawLine(paper.topLeft(), paper.bottomLeft());
    painter.drawLine(paper.topRight(), paper.bottomRight());
    PaintCells(painter);
}

// Every cell where it lies on the paper: the labels still to print dark, the skipped ones hatched.
void TDesignSample::PaintCells(QPainter& painter) const
{
    const int columns = FStock ? FStock->Columns : FColumns;
    const int rows = FStock ? FStock->Rows : FRows;
    for (int column = 0; column < columns; ++column)
        for (int row = 0; row < rows; ++row) {
            const bool skipped = CellSkipped(column, row);
            painter.setBrush(skipped ? QBrush(kSkippedCell) : QBrush(palette().color(QPalette::Dark)));
            const QRect cell = CellRect(column, row);
            painter.drawRect(cell);
            if (skipped)
                painter.drawLine(cell.topLeft(), cell.bottomRight());
        }
}

TDesignPanel::TDesignPanel(QWidget* parent) : TPanel(kFuchsia, parent)
{
    setGeometry(16, 8, 537, 233);
    DesQR = new TDesignSample(this);
    DesQR->setGeometry(2, 2, 278, 393);
    PanelLabel(this, "Top Margin", 361, 1, "Label1");
    TM = MarginSpin(this, "TM", 360, 15);
    PanelLabel(this, "mm", 412, 19);
    PanelLabel(this, "Left Margin", 286, 39, "Label2");
    LM = MarginSpin(this, "LM", 286, 53);
    PanelLabel(this, "mm", 338, 58);
    PanelLabel(this, "Column Space", 348, 39, "Label3");
    CS = MarginSpin(this, "CS", 360, 53);
    PanelLabel(this, "mm", 412, 59);
    PanelLabel(this, "Right Margin", 445, 39, "Label4");
    RM = MarginSpin(this, "RM", 448, 53);
    PanelLabel(this, "mm", 500, 59);
    PanelLabel(this, "Bottom Margin", 356, 86, "Label5");
    BM = MarginSpin(this, "BM", 360, 99);
    PanelLabel(this, "mm", 412, 102);
    BitBtn1 = DialogButton(this, "BitBtn1", QStyle::SP_DialogOkButton, "OK", 320);
    BitBtn3 = DialogButton(this, "BitBtn3", QStyle::SP_DialogCancelButton, "Cancel", 424);
    BuildSheetChoices();

    const std::pair<TSpinEdit*, void (TDesignPanel::*)()> handlers[] = {
        {TM, &TDesignPanel::TMChange}, {RM, &TDesignPanel::RMChange}, {BM, &TDesignPanel::BMChange},
        {LM, &TDesignPanel::LMChange}, {CS, &TDesignPanel::CSChange},
    };
    for (const auto& [spin, handler] : handlers)
        connect(spin, &QSpinBox::valueChanged, this, handler);
    hide();
}

// The stock and paper lists and the calibration button, under the margins.
void TDesignPanel::BuildSheetChoices()
{
    lbStock = PanelLabel(this, "Label stock", 286, 128);
    lbStock->setObjectName(QStringLiteral("lbStock"));
    lbStock->resize(62, 15);
    StockBox = new QComboBox(this);
    StockBox->setObjectName(QStringLiteral("StockBox"));
    StockBox->setGeometry(350, 125, 182, 22);
    // Typing searches the stocks, near 1,800 with glabels' templates: each entry whose ID or description
    // holds the text, in any letter case; picking one chooses its stock.
    StockBox->setEditable(true);
    StockBox->setInsertPolicy(QComboBox::NoInsert);
    FStockFinder = new QCompleter(new QStringListModel(this), this);
    FStockFinder->setFilterMode(Qt::MatchContains);
    FStockFinder->setCaseSensitivity(Qt::CaseInsensitive);
    FStockFinder->setCompletionMode(QCompleter::PopupCompletion);
    StockBox->setCompleter(FStockFinder);
    connect(FStockFinder, qOverload<const QString&>(&QCompleter::activated), this,
            [this](const QString& entry) { ChooseStock(entry.section(' ', 0, 0).toStdString()); });
    // A text that names no stock gives way to the stock chosen.
    connect(StockBox->lineEdit(), &QLineEdit::editingFinished, this,
            [this] { StockBox->setEditText(StockBox->itemText(StockBox->currentIndex())); });
    lbPaper = PanelLabel(this, "Paper", 286, 153);
    lbPaper->setObjectName(QStringLiteral("lbPaper"));
    lbPaper->resize(62, 15);
    PaperBox = new QComboBox(this);
    PaperBox->setObjectName(QStringLiteral("PaperBox"));
    PaperBox->setGeometry(350, 150, 90, 22);
    for (const TPaperEntry& entry : kPapers)
        PaperBox->addItem(QString::fromLatin1(entry.Name), static_cast<int>(entry.Paper));
    CalibrationBtn = new QPushButton(QStringLiteral("Calibration..."), this);
    CalibrationBtn->setObjectName(QStringLiteral("CalibrationBtn"));
    CalibrationBtn->setGeometry(446, 150, 86, 22);
    BuildPlacing();
    BuildOrder();
    BuildMakersMarks();
    SetStocks({}, {});
    connect(StockBox, &QComboBox::currentIndexChanged, this, &TDesignPanel::StockChange);
    connect(PaperBox, &QComboBox::currentIndexChanged, this, &TDesignPanel::PaperChange);
}

// Where the label sits on each label of a stock, under the stock and paper lists.
void TDesignPanel::BuildPlacing()
{
    lbPlacing = PanelLabel(this, "Placing", 286, 208);
    lbPlacing->setObjectName(QStringLiteral("lbPlacing"));
    lbPlacing->resize(62, 15);
    AlignBox = new QComboBox(this);
    AlignBox->setObjectName(QStringLiteral("AlignBox"));
    AlignBox->setGeometry(350, 205, 90, 22);
    for (const char* name : kAlignNames)
        AlignBox->addItem(QString::fromLatin1(name));
    InsetSpin = new QDoubleSpinBox(this);
    InsetSpin->setObjectName(QStringLiteral("InsetSpin"));
    InsetSpin->setGeometry(446, 205, 58, 22);
    InsetSpin->setRange(0.0, kMaxInsetMm);
    InsetSpin->setDecimals(1);
    InsetSpin->setSingleStep(0.5);
    InsetSpin->setValue(kDefaultInsetMm);
    PanelLabel(this, "mm", 508, 209);
}

// The order the cells fill in, right of the top margin.
void TDesignPanel::BuildOrder()
{
    lbOrder = PanelLabel(this, "Fill order", 448, 1);
    lbOrder->setObjectName(QStringLiteral("lbOrder"));
    OrderBox = new QComboBox(this);
    OrderBox->setObjectName(QStringLiteral("OrderBox"));
    OrderBox->setGeometry(446, 15, 88, 22);
    for (const char* name : kOrderNames)
        OrderBox->addItem(QString::fromLatin1(name));
    connect(OrderBox, &QComboBox::currentIndexChanged, this,
            [this] { DesQR->SetGrid(DesQR->Columns(), DesQR->Rows(), FSkipShown, ChosenOrder()); });
}

// The maker's marks, on by default, right of the bottom margin.
void TDesignPanel::BuildMakersMarks()
{
    MarkChk = new QCheckBox(QStringLiteral("Maker's mark"), this);
    MarkChk->setObjectName(QStringLiteral("MarkChk"));
    MarkChk->setGeometry(446, 86, 90, 18);
    MarkChk->setChecked(true);
    FooterChk = new QCheckBox(QStringLiteral("Sheet footer"), this);
    FooterChk->setObjectName(QStringLiteral("FooterChk"));
    FooterChk->setGeometry(446, 104, 90, 18);
    FooterChk->setChecked(true);
}

TCellOrder TDesignPanel::ChosenOrder() const
{
    const int index = std::clamp(OrderBox->currentIndex(), 0, static_cast<int>(std::size(kOrders)) - 1);
    return kOrders[index];
}

void TDesignPanel::ChooseOrder(TCellOrder order)
{
    const auto* found = std::find(std::begin(kOrders), std::end(kOrders), order);
    OrderBox->setCurrentIndex(found != std::end(kOrders) ? static_cast<int>(found - std::begin(kOrders)) : 0);
}

void TDesignPanel::ShowGrid(int columns, int rows, int skipCells)
{
    FSkipShown = skipCells;
    DesQR->SetGrid(columns, rows, skipCells, ChosenOrder());
}

TCellPlacing TDesignPanel::ChosenPlacing() const
{
    const int index = std::clamp(AlignBox->currentIndex(), 0, static_cast<int>(std::size(kAligns)) - 1);
    return {.Align = kAligns[index], .InsetMm = InsetSpin->value()};
}

void TDesignPanel::ChoosePlacing(const TCellPlacing& placing)
{
    const auto* found = std::find(std::begin(kAligns), std::end(kAligns), placing.Align);
    AlignBox->setCurrentIndex(found != std::end(kAligns) ? static_cast<int>(found - std::begin(kAligns)) : 0);
    InsetSpin->setValue(placing.InsetMm);
}

void TDesignPanel::SetStocks(std::vector<TLabelStock> stocks, const QStringList& listings)
{
    const QSignalBlocker quiet(StockBox);
    const QString custom = StockBox->count() > 0 ? StockBox->itemText(0) : QString::fromLatin1(kCustomStock);
    StockBox->clear();
    StockBox->addItem(custom);
    for (const TLabelStock& stock : stocks)
        StockBox->addItem(QString::fromStdString(stock.Id));
    FStocks = std::move(stocks);
    SetStockListings(listings);
    StockChange();
}

void TDesignPanel::SetStockListings(const QStringList& listings)
{
    QStringList found;
    for (std::size_t index = 0; index < FStocks.size(); ++index) {
        const QString id = QString::fromStdString(FStocks[index].Id);
        const QString listing = listings.value(static_cast<qsizetype>(index));
        StockBox->setItemData(static_cast<int>(index) + 1, listing, Qt::ToolTipRole);
        found << id + QStringLiteral(" \u2014 ") + listing;
    }
    static_cast<QStringListModel*>(FStockFinder->model())->setStringList(found);
}

const TLabelStock* TDesignPanel::ChosenStock() const
{
    const int index = StockBox->currentIndex() - 1;
    return index >= 0 && index < static_cast<int>(FStocks.size()) ? &FStocks[static_cast<std::size_t>(index)]
                                                                  : nullptr;
}

void TDesignPanel::ChooseStock(const std::optional<std::string>& id)
{
    int index = 0;
    for (std::size_t i = 0; id && i < FStocks.size() && index == 0; ++i)
        if (SameStockId(FStocks[i].Id, *id))
            index = static_cast<int>(i) + 1;
    StockBox->setCurrentIndex(index);
}

void TDesignPanel::ChooseCustomPaper(TPaperSize paper)
{
    FCustomPaper = paper;
    StockChange(); // the paper list shows it unless a stock shows its own
}

void TDesignPanel::SetCustomCaption(const QString& caption)
{
    StockBox->setItemText(0, caption);
}

void TDesignPanel::StockChange()
{
    const TLabelStock* stock = ChosenStock();
    for (QWidget* unused : std::initializer_list<QWidget*>{TM, LM, CS, RM, BM})
        unused->setEnabled(stock == nullptr);
    PaperBox->setEnabled(stock == nullptr);
    // Labels are placed on a stock's labels; a custom sheet keeps them at their cells' corners.
    AlignBox->setEnabled(stock != nullptr);
    InsetSpin->setEnabled(stock != nullptr);
    const TPaperSize paper = stock != nullptr ? stock->Geometry.Paper : FCustomPaper;
    {
        const QSignalBlocker quiet(PaperBox);
        PaperBox->setCurrentIndex(std::max(0, PaperBox->findData(static_cast<int>(paper))));
    }
    DesQR->SetPaper(paper);
    DesQR->SetStock(stock != nullptr ? std::optional(stock->Geometry) : std::nullopt);
}

void TDesignPanel::PaperChange()
{
    if (ChosenStock() == nullptr)
        ChooseCustomPaper(static_cast<TPaperSize>(PaperBox->currentData().toInt()));
}

int TDesignPanel::ShownValue(const TSpinEdit* spin)
{
    bool isNumber = false;
    const int typed = spin->cleanText().trimmed().toInt(&isNumber);
    return isNumber ? typed : 0;
}

} // namespace quillon
