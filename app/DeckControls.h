// The control deck's input widgets: the capitalising code edit, spin edits and the colour list.
#pragma once

#include <QComboBox>
#include <QIcon>
#include <QLineEdit>
#include <QSpinBox>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>

#include "barcode/Canvas.h"
#include "label/sheet/SheetLimits.h"

class QColor;

namespace quillon {

// The code field: its letters become capitals as they are typed or pasted, unless it keeps lowercase
// for a kind that encodes it; the cursor stays where it was and each change still signals once. Text
// set from code is capitalised too.
class TUpperCaseEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TUpperCaseEdit(QWidget* parent = nullptr);

    bool KeepsLowercase() const { return FKeepsLowercase; }
    // Turning lowercase off shows what the field holds in capitals at once (one change signal), as the
    // kind prints it; turning it back on gives back the text as it was typed, unless it was edited since.
    void SetKeepsLowercase(bool keeps);

private:
    bool FKeepsLowercase = false;
    QString FTyped{}; // the text before it was capitalised
};

// The kinds whose code field keeps lowercase: Code 128 and EAN-128 code sets A and B, the full-ASCII
// forms of Code 39 and Code 93, and the symbol kinds after the engine's 23. Any other index, -1
// included, takes capitals.
bool KindKeepsLowercase(int kindIndex);

// The print button's picture: a small printer drawn for the screen's pixel ratios.
QIcon PrinterIcon();

// Every letter of text as its capital, one for one, so the length and any cursor position stay.
QString Capitalised(QString text);

// How a spin edit's value is entered: typed (and stepped), or only stepped by the arrows.
enum class TSpinEntry : std::uint8_t { Typed, ArrowsOnly };

// A spin box that keeps its value inside its range; valueChanged fires only when the value
// really changes. An empty typed text reads as the minimum at once.
class TSpinEdit : public QSpinBox {
    Q_OBJECT

public:
    // A spin edit kept in `range`, showing its initial value.
    TSpinEdit(const limits::TRange& range, TSpinEntry entry, QWidget* parent = nullptr);

    bool ArrowsOnly() const;
    void SetArrowsOnly(bool v);

protected:
    QValidator::State validate(QString& text, int& pos) const override;
    int valueFromText(const QString& text) const override;
};

// A colour as the deck stores it: red in the low byte. Alpha is dropped.
TColor ToTColor(const QColor& color);

// The colour list: named swatches of the standard, extended and system colours and a "Custom..."
// entry that asks for any colour and then shows it. Starts on Black.
class TColorBox : public QComboBox {
    Q_OBJECT

public:
    // Asks the user for a colour, starting from `initial`; nothing when the user cancels.
    using TColorPicker = std::function<std::optional<TColor>(TColor initial, QWidget* parent)>;

    static constexpr int kCustomIndex = 0;
    static constexpr int kEnglishNameRole = Qt::UserRole + 1; // an entry's name as the catalogue knows it

    explicit TColorBox(QWidget* parent = nullptr);

    TColor Selected() const;
    // Selects the first entry of that colour, or shows it in the custom entry; no signal.
    void SetSelected(TColor color);
    TColor CustomColor() const { return FCustomColor; }

    // The list's own background colour, kept exactly as set so that it round-trips through the
    // options file, system colours included.
    TColor ControlColor() const { return FControlColor; }
    void SetControlColor(TColor color);

    // Words each entry as `word` gives its English name (the catalogue's "Colours").
    void CaptionEntries(const std::function<QString(const QString& english)>& word);

    // Replaces the colour dialog that the custom entry opens.
    void SetColorPicker(TColorPicker picker) { FColorPicker = std::move(picker); }

signals:
    // A user's choice that changed the selected colour.
    void selectedChanged(TColor color);

private:
    void OnCurrentIndexChanged(int index);
    void OnActivated(int index);
    void SetCustomColor(TColor color);
    void Settle(); // takes what is shown now as the settled choice
    TColor ColorAt(int index) const;

    TColor FControlColor = syscolor::Window;
    TColor FCustomColor = 0x000000;
    int FShownIndex = -1;
    TColor FShownColor = 0x000000;
    int FPreviousIndex = -1;
    TColor FPreviousColor = 0x000000;
    TColorPicker FColorPicker;
};

} // namespace quillon
