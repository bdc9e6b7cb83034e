// TBarForm: composing the label preview from the control deck.
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSignalBlocker>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "app/BarForm.h"
#include "app/DeckControls.h"
#include "app/DesignPanel.h"
#include "app/SymbolDeck.h"
#include "app/TextFit.h"
#include "label/render/LabelPainter.h"
#include "report/PrintPreview.h"

namespace quillon {

namespace {

// The preview's place in the preview area, and what it keeps clear of the status line.
constexpr QPoint kPreviewOrigin(10, 27);
constexpr int kPreviewMargin = 10;
constexpr int kStatusGap = 2;
// The status line: its left edge, width and bottom in the preview area, and how many lines it may take.
constexpr int kStatusLeft = 20;
constexpr int kStatusWidth = 538;
constexpr int kStatusBottom = 256;
constexpr int kStatusMaxLines = 2;

// The largest font no larger than `base` in which `text` wraps into at most kStatusMaxLines lines of
// `width`; the line count it then takes.
std::pair<QFont, int> StatusFont(const QFont& base, const QString& text, int width)
{
    const QSize oneLine(width, QFontMetrics(base).height() + kStatusGap);
    QFont font = FittedFont(base, text, oneLine);
    if (TextFits(font, text, oneLine) && font.stretch() == QFont::AnyStretch)
        return {font, 1};
    font = base;
    for (int pixels = QFontInfo(base).pixelSize(); pixels >= kMinCaptionPixels; --pixels) {
        font.setPixelSize(pixels);
        const QFontMetrics metrics(font);
        const QRect wrapped = metrics.boundingRect(QRect(0, 0, width, 1 << 16), Qt::TextWordWrap, text);
        if (wrapped.height() <= kStatusMaxLines * metrics.height())
            break;
    }
    return {font, kStatusMaxLines};
}

} // namespace

void TBarForm::BarEdChange()
{
    // Any engine error empties the preview until the input can be encoded again; it is never a
    // message box, only a line under the preview.
    TDeckPresenter& presenter = Presenter();
    try {
        const auto [code, captions] = CurrentLabel();
        presenter.Compose(code, captions);
    } catch (const std::exception& e) {
        presenter.Fail(e);
    }
    ShowComposed();
    ScheduleColorKey(); // a label of another size leaves or covers key-coloured ground
    RecheckIfChanged();
}

void TBarForm::ShowComposed()
{
    const std::shared_ptr<const TLabelDrawing>& drawing = FPresenter.Label().Drawing;
    if (drawing && !SymbolKind())
        DBImage1->resize(FBCode.Width(), FBCode.Height());
    ShowPreviewStatus(FPresenter.Status());
    if (!drawing) {
        FShownLabel = QImage();
        BarImage->clear();
        PreviewScale->hide();
        return;
    }
    // The standard label at its true size on the screen; the classic one pixel for pixel.
    FShownLabel = LabelLayout() == TLabelLayout::Standard
                      ? RenderLabelImage(*drawing, logicalDpiX(), drawing->UnitsPerInch)
                      : FPresenter.Label().Picture;
    ShowLabel(FShownLabel);
}

TDeckState TBarForm::DeckFromControls() const
{
    return {.Kind = KindIndex(),
            .SymbolOptions = SymbolOptions(),
            .Layout = LabelLayout(),
            .ModulePixels = ZomSpn->value(),
            .BarColor = ColorBox1->Selected(),
            .ModuleMm = XDimSpn->value(),
            .Ratio = RatioSpn->value(),
            .Dpi = PrintDpi(),
            .Captions = {.UpperOn = UChk->isChecked(),
                         .Upper = UEd->text(),
                         .LowerOn = DChk->isChecked(),
                         .Lower = DEd->text(),
                         .MarkOn = FMarkOn},
            .Columns = CSpn->value(),
            .Rows = RSpn->value(),
            .Stretch = StChk->isChecked(),
            .StartAt = StartSpn->value(),
            .Paper = FPaper,
            .Stock = FStock,
            .Placing = FPlacing,
            .Order = FOrder,
            .Footer = FFooterOn,
            .Language = Language()};
}

TDeckPresenter& TBarForm::Presenter() const
{
    FPresenter.SetDeck(DeckFromControls());
    return FPresenter;
}

TLabelLayout TBarForm::LabelLayout() const
{
    return LayoutChk->isChecked() ? TLabelLayout::Standard : TLabelLayout::Classic;
}

int TBarForm::PrintDpi() const
{
    if (!FPrintDpi) {
        const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
        FPrintDpi =
            printer.isNull() ? kDefaultGridDpi : GridDpiOf(QPrinter(printer, QPrinter::HighResolution));
    }
    return *FPrintDpi;
}

void TBarForm::SetPrintDpi(int dpi)
{
    FPrintDpi = dpi;
    BarEdChange();
}

void TBarForm::ShowLabel(const QImage& label)
{
    const QRect room = PreviewRoom();
    const double scale = std::min({1.0, static_cast<double>(room.width()) / label.width(),
                                   static_cast<double>(room.height()) / label.height()});
    FPreviewPercent = scale < 1.0 ? std::max(1, static_cast<int>(std::floor(scale * 100))) : 100;
    if (FPreviewPercent == 100) {
        BarImage->setPixmap(QPixmap::fromImage(label));
        BarImage->resize(label.size());
    } else {
        // Scaled at the screen's own pixel ratio, so that a 2x screen shows twice the detail.
        const QSize shown(std::max(1, static_cast<int>(label.width() * scale)),
                          std::max(1, static_cast<int>(label.height() * scale)));
        const qreal ratio = devicePixelRatioF();
        QImage scaled = label.scaled(shown * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        scaled.setDevicePixelRatio(ratio);
        BarImage->setPixmap(QPixmap::fromImage(scaled));
        BarImage->resize(shown);
    }
    PreviewScale->setText(PreviewScaleText(FPreviewPercent, Language()));
    FitCaption(PreviewScale, PreviewScale->text(), FDeckFont);
    PreviewScale->setVisible(FPreviewPercent < 100);
}

void TBarForm::ShowPreviewStatus(const TLabelStatus& status)
{
    QPalette palette = FPreviewStatus->palette();
    palette.setColor(QPalette::WindowText, StatusColor(status.Level));
    FPreviewStatus->setPalette(palette);
    FPreviewStatus->setText(status.Text);
    FPreviewStatus->setToolTip(status.Details.isEmpty() ? status.Text
                                                        : status.Text + "\n\n" + status.Details);
    FPreviewStatus->setVisible(!status.Text.isEmpty());
    LayOutStatusLine();
}

// One line at the bottom of the preview area, or two when the sentence needs them.
void TBarForm::LayOutStatusLine()
{
    const auto [font, lines] = StatusFont(FDeckFont, FPreviewStatus->text(),
                                          kStatusWidth - 2 * kStatusGap - FPreviewStatus->indent());
    FPreviewStatus->setFont(font);
    const int height = lines * QFontMetrics(font).height() + kStatusGap;
    FPreviewStatus->setGeometry(kStatusLeft, kStatusBottom - height, kStatusWidth, height);
}

// Rebuilds the status line in the interface language from what the last composition found.
void TBarForm::RefreshStatus()
{
    ShowPreviewStatus(Presenter().Status());
    if (!FShownLabel.isNull())
        ShowLabel(FShownLabel);
}

QString TBarForm::PreviewStatus() const
{
    return FPreviewStatus->text();
}

QColor TBarForm::PreviewStatusColor() const
{
    return FPreviewStatus->palette().color(QPalette::WindowText);
}

QRect TBarForm::PreviewStatusGeometry() const
{
    return FPreviewStatus->geometry();
}

QRect TBarForm::PreviewRoom() const
{
    const int bottom =
        FPreviewStatus->isHidden() ? QrPanel->height() - kPreviewMargin : FPreviewStatus->y() - kStatusGap;
    // A list or a run keeps its panel beside the label.
    const int right = SourcePanel->isHidden() ? QrPanel->width() : SourcePanel->x();
    return QRect(kPreviewOrigin, QPoint(right - kPreviewMargin, bottom - 1));
}

int TBarForm::KindIndex() const
{
    const int index = BarKindSp->currentIndex();
    if (index < 0 || BarKindSp->currentText() != BarKindSp->itemText(index))
        return -1;
    return index;
}

void TBarForm::BarKindSpChange()
{
    if (BarKindSp->isEditable()) {
        // Typed text that names an entry selects it.
        const int named = BarKindSp->findText(BarKindSp->currentText(), Qt::MatchExactly);
        if (named >= 0 && named != BarKindSp->currentIndex()) {
            const QString typed = BarKindSp->currentText();
            BarKindSp->setCurrentIndex(named);
            BarKindSp->setEditText(typed);
        }
    }
    FBCode.SetTyp(static_cast<TBarcodeType>(KindIndex() & 0xFF));
    SyncCodeCase();
    ApplyRatio();
    FitXDimRange();
    ShowKindControls();
    BarEdChange();
}

// The Bar Width shown is the one used: a kind that takes a narrower range of ratios moves the spin edit
// into it (to a whole ratio), and the barcode always takes the spin edit's value, whatever kind it had.
void TBarForm::ApplyRatio()
{
    // The kind the deck shows: while the options load, the barcode may not have taken it yet.
    const TRatioRange range = RatioRangeOf(static_cast<TBarcodeType>(KindIndex() & 0xFF));
    int shown = RatioSpn->value();
    if (range.Clamped && !SymbolKind())
        shown = std::clamp(shown, static_cast<int>(std::ceil(range.Low)),
                           static_cast<int>(std::floor(range.High)));
    if (shown != RatioSpn->value()) {
        const QSignalBlocker quiet(RatioSpn);
        RatioSpn->setValue(shown);
    }
    FBCode.SetRatio(static_cast<double>(shown));
}

void TBarForm::SyncCodeCase()
{
    BarEd->SetKeepsLowercase(KindKeepsLowercase(KindIndex()));
}

// At start-up every value the deck shows reaches the barcode, the preview and the print report,
// including those that equal the control's initial value and so ran no handler when loaded.
void TBarForm::ApplyDeck()
{
    FBCode.SetTyp(static_cast<TBarcodeType>(KindIndex() & 0xFF));
    SyncCodeCase();
    FBCode.SetModul(ZomSpn->value());
    ApplyRatio();
    FBCode.SetColorBar(ColorBox1->Selected());
    ApplyCheckDigit();
    FitXDimRange();
    ShowLayoutControls();
    ShowKindControls();
    UEd->setVisible(UChk->isChecked());
    DEd->setVisible(DChk->isChecked());
    ApplySheet(); // sets the bar height from the rows and composes the preview
}

void TBarForm::ZomSpnChange()
{
    FBCode.SetModul(ZomSpn->value());
    BarEdChange();
}

void TBarForm::RatioSpnChange()
{
    ApplyRatio();
    BarEdChange();
}

void TBarForm::ColorBox1Change()
{
    FBCode.SetColorBar(ColorBox1->Selected());
    BarEdChange();
}

void TBarForm::UChkClick()
{
    UEd->setVisible(UChk->isChecked());
    BarEdChange();
}

void TBarForm::DChkClick()
{
    DEd->setVisible(DChk->isChecked());
    BarEdChange();
}

// Stretch, columns and rows change the cell the label must fit, so each applies the whole sheet and
// checks the label again.
void TBarForm::StChkClick()
{
    ApplySheet();
}

void TBarForm::CSpnChange()
{
    ApplySheet();
}

void TBarForm::RSpnChange()
{
    ApplySheet();
}

void TBarForm::LayoutChkClick()
{
    ShowLayoutControls();
    BarEdChange();
}

void TBarForm::CheckDigitChkClick()
{
    ApplyCheckDigit();
    BarEdChange();
}

// The designed method, none, would add nothing to EAN and UPC: the switch brings the modulo 10 method
// with it, and off, the designed barcode again.
void TBarForm::ApplyCheckDigit()
{
    const bool on = CheckDigitChk->isChecked() || Source() == TLabelSource::Serial;
    FBCode.SetChecksum(on);
    FBCode.SetCheckSumMethod(on ? csmModulo10 : csmNone);
}

void TBarForm::XDimSpnChange()
{
    BarEdChange();
}

// The zoom is the classic label's module in screen pixels; the standard label's is the X-dimension.
void TBarForm::ShowLayoutControls()
{
    const bool standard = LabelLayout() == TLabelLayout::Standard;
    ZomSpn->setVisible(!standard);
    lb8->setVisible(!standard);
    XDimSpn->setVisible(standard);
    lbX->setVisible(standard);
}

// The kind's published range; a value outside it is brought in, without composing twice. Between a
// matrix kind and a linear one the spin changes over to the other's module.
void TBarForm::FitXDimRange()
{
    const int kind = KindIndex();
    if (kind < 0)
        return;
    const std::optional<TSymbolKind> symbol = SymbolKind();
    const TMmRange range =
        symbol ? SymbolModuleRange(*symbol) : XDimensionRange(static_cast<TBarcodeType>(kind));
    const bool matrix = symbol && IsTwoDimensional(*symbol);
    const QSignalBlocker quiet(XDimSpn);
    if (matrix == FXDimShowsMatrix) {
        const bool raised = XDimSpn->value() < range.Low;
        XDimSpn->setRange(range.Low, range.High);
        if (raised && XDimSpn->isVisible())
            NoteRaisedXDim();
        return;
    }
    const double shown = XDimSpn->value();
    XDimSpn->setRange(range.Low, range.High);
    XDimSpn->setValue(FHiddenModuleMm);
    FHiddenModuleMm = shown;
    FXDimShowsMatrix = matrix;
}

// Said beside the spin box, which shows the value now used.
void TBarForm::NoteRaisedXDim()
{
    FXDimNote = CaptionText(XDimRaisedCaptions, Language()).arg(XDimSpn->text());
    QToolTip::showText(XDimSpn->mapToGlobal(QPoint(0, XDimSpn->height())), FXDimNote, XDimSpn);
}

void TBarForm::BCodeAngSpnChange()
{
    DrawLogoBackground();
    // The engine cannot measure a symbol kind to place its barcode; the angle waits for an engine kind.
    if (SymbolKind()) {
        BarEdChange();
        return;
    }
    // Placing the origin measures the barcode, which raises for a text it cannot encode: the preview
    // then says so, as for any other input it cannot compose.
    try {
        PlaceForAngle(FBCode, static_cast<double>(BCodeAngSpn->value()));
    } catch (const std::exception& e) {
        Presenter().Fail(e);
        ShowComposed();
        return;
    }
    BarEdChange();
}

} // namespace quillon
