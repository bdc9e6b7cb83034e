// TBarForm: the symbol kinds after the engine's 23 (QR Code, Data Matrix, PDF417, Aztec and the GS1
// carriers): their options in the deck, their label in the preview and what their printed cells read as.
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QSignalBlocker>

#include "app/BarForm.h"
#include "app/DeckControls.h"
#include "label/LabelPainter.h"
#include "label/SymbolLabel.h"
#include "label/SymbolScan.h"

namespace quillon {

namespace {

// QR Code's levels by TQrErrorCorrection, with the share of the symbol each restores (ISO/IEC 18004).
constexpr std::array<std::string_view, 4> kQrLevelEntries{"L 7%", "M 15%", "Q 25%", "H 30%"};
static_assert(static_cast<std::size_t>(TQrErrorCorrection::H) + 1 == kQrLevelEntries.size());
static_assert(static_cast<std::size_t>(TDataMatrixShape::Rectangular) + 1 == DataMatrixShapeCaptions.size());

// Sets a list's entries to `texts`, keeping its choice and saying nothing of it.
void SetEntries(QComboBox* box, const QStringList& texts)
{
    const QSignalBlocker quiet(box);
    const int chosen = box->currentIndex();
    if (box->count() != texts.size()) {
        box->clear();
        box->addItems(texts);
    }
    for (int i = 0; i < texts.size(); ++i)
        box->setItemText(i, texts[i]);
    box->setCurrentIndex(chosen);
}

} // namespace

std::optional<TSymbolKind> TBarForm::SymbolKind() const
{
    return SymbolKindOf(KindIndex());
}

TSymbolOptions TBarForm::SymbolOptions() const
{
    return {.QrErrorCorrection = static_cast<TQrErrorCorrection>(std::max(0, EccBox->currentIndex())),
            .DataMatrixShape = static_cast<TDataMatrixShape>(std::max(0, ShapeBox->currentIndex())),
            .Pdf417Columns = ColumnsSpn->value()};
}

void TBarForm::SymbolOptionChange()
{
    BarEdChange();
}

void TBarForm::CaptionSymbolOptions()
{
    QStringList levels;
    for (const std::string_view entry : kQrLevelEntries)
        levels << QString::fromLatin1(entry.data(), static_cast<qsizetype>(entry.size()));
    SetEntries(EccBox, levels);
    QStringList shapes;
    for (const CaptionPair& shape : DataMatrixShapeCaptions)
        shapes << CaptionText(shape, Language());
    SetEntries(ShapeBox, shapes);
    ColumnsSpn->setSpecialValueText(CaptionText(AutoColumnsCaptions, Language()));
}

// A symbol kind shows the option it takes in the bar width's place; the bar width and the check digit
// switch, which only the engine's kinds use, give way or go grey.
void TBarForm::ShowKindControls()
{
    const std::optional<TSymbolKind> symbol = SymbolKind();
    const TSymbolOption option = symbol ? KindInfo(*symbol).Option : TSymbolOption::None;
    RatioSpn->setVisible(!symbol);
    lb9->setVisible(!symbol);
    const std::pair<QWidget*, QWidget*> controls[] = {
        {lbEcc, EccBox}, {lbShape, ShapeBox}, {lbColumns417, ColumnsSpn}};
    const TSymbolOption shownBy[] = {TSymbolOption::QrErrorCorrection, TSymbolOption::DataMatrixShape,
                                     TSymbolOption::Pdf417Columns};
    for (std::size_t i = 0; i < std::size(controls); ++i) {
        controls[i].first->setVisible(option == shownBy[i]);
        controls[i].second->setVisible(option == shownBy[i]);
    }
    CheckDigitChk->setEnabled(!symbol);
    ScheduleColorKey(); // the deck's painted ground changes under the controls
}

void TBarForm::SetModuleMm(bool matrix, double mm)
{
    if (matrix == FXDimShowsMatrix)
        XDimSpn->setValue(mm);
    else
        FHiddenModuleMm = mm;
}

double TBarForm::ModuleMm(bool matrix) const
{
    return matrix == FXDimShowsMatrix ? XDimSpn->value() : FHiddenModuleMm;
}

// The classic label in screen pixels with the deck's zoom, bar height and colour and the barcode's angle
// (the engine's labels turn by it too), or the
// standard one at its true size on the printer's dots; read back as the printer prints it.
void TBarForm::ComposeSymbolPreview(TSymbolKind kind, const std::string& typed,
                                    const TLabelCaptions& captions, const TPreparedReport& sheet,
                                    QSizeF cellMm)
{
    const TSymbolSettings settings{.Kind = kind,
                                   .Options = SymbolOptions(),
                                   .ModulePixels = ZomSpn->value(),
                                   .BarHeightPixels = FBCode.Height(),
                                   .ShowText = FBCode.ShowText(),
                                   .BarColor = ColorBox1->Selected(),
                                   .AngleDegrees = FBCode.Angle()};
    TSymbolLabel label;
    QImage image; // the bitmap the picture table receives
    QImage shown;
    if (LabelLayout() == TLabelLayout::Standard) {
        const TSymbolStandardSettings standard{
            .ModuleMm = XDimSpn->value(), .Dpi = PrintDpi(), .BarHeightMm = {}};
        TFittedSymbolLabel fitted = FitStandardSymbolLabel(typed, settings, captions, standard, cellMm);
        label = std::move(fitted.Label);
        FCellFit = std::move(fitted.Fit);
        image = RenderLabelImage(label.Drawing, sheet.PixelsPerInch, label.Drawing.UnitsPerInch);
        shown = RenderLabelImage(label.Drawing, logicalDpiX(), label.Drawing.UnitsPerInch);
    } else {
        label = RecordSymbolLabel(typed, settings, captions);
        image = ComposeSymbolLabel(label);
        FCellFit = StChk->isChecked() ? TCellFit{} : CheckLabelFits(label.SizeMm, cellMm);
        shown = image;
    }
    FLastScan = CheckSymbolScan(label, PrintDpi());
    FSymbolExpectation = std::make_shared<const TSymbolExpectation>(ExpectSymbolScan(label));
    FLabelNotes = std::move(label.Notes);
    FLabelDrawing = std::make_shared<const TLabelDrawing>(std::move(label.Drawing));
    FStatusIsError = false;
    ShowComposedStatus(typed);
    FShownLabel = std::move(shown);
    ShowLabel(FShownLabel);
    FLabelImage = std::move(image);
}

// A symbol label's cells are read by the symbol reader, the engine's by the expectation of its barcode.
TScanExpectation TBarForm::PrintedExpectation() const
{
    if (SymbolKind() && FSymbolExpectation)
        return {.Symbol = FSymbolExpectation};
    return ExpectScan(FBCode);
}

} // namespace quillon
