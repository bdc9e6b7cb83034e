// TBarForm: the symbol kinds after the engine's 23 (QR Code, Data Matrix, PDF417, Aztec and the GS1
// carriers): their options in the deck (their label is composed in app/RowLabel.cpp).
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QSignalBlocker>

#include "app/BarForm.h"
#include "app/DeckControls.h"
#include "label/compose/SymbolLabel.h"

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

} // namespace quillon
