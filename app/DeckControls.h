// The control deck's input widgets: the capitalising code edit, spin edits and the colour list.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <functional>
#include <optional>
#include <utility>

#include "barcode/Canvas.h"

class QColor;

namespace quillon {

// An edit box whose letters become capitals as they are typed or pasted; the cursor stays where
// it was and each change still signals once. Text set from code is capitalised too.
class TUpperCaseEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TUpperCaseEdit(QWidget* parent = nullptr);
};

// Every letter of text as its capital, one for one, so the length and any cursor position stay.
QString Capitalised(QString text);

// Range, starting value and entry mode of a spin edit.
struct TSpinSettings {
    int MinValue = 0;
    int MaxValue = 100;
    int Value = 0;
    bool ArrowsOnly = false; // the text cannot be typed; the value only steps up or down
};

// The spin edits as the window is designed.
namespace designed {
inline constexpr TSpinSettings ZomSpn{.MinValue = 1, .MaxValue = 10, .Value = 2};
inline constexpr TSpinSettings RatioSpn{.MinValue = 0, .MaxValue = 10, .Value = 1};
inline constexpr TSpinSettings CSpn{.MinValue = 1, .MaxValue = 4, .Value = 1, .ArrowsOnly = true};
inline constexpr TSpinSettings RSpn{.MinValue = 1, .MaxValue = 20, .Value = 1, .ArrowsOnly = true};
inline constexpr TSpinSettings BCodeAngSpn{.MinValue = 0, .MaxValue = 360, .Value = 30};
// TM, RM, BM, LM and CS of the sheet design panel.
inline constexpr TSpinSettings MarginSpn{.MinValue = 0, .MaxValue = 50, .Value = 0};
} // namespace designed

// A spin box that keeps its value inside its range; valueChanged fires only when the value
// really changes. An empty typed text reads as the minimum at once.
class TSpinEdit : public QSpinBox {
    Q_OBJECT

public:
    explicit TSpinEdit(QWidget* parent = nullptr);
    explicit TSpinEdit(const TSpinSettings& settings, QWidget* parent = nullptr);

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

    explicit TColorBox(QWidget* parent = nullptr);

    TColor Selected() const;
    // Selects the first entry of that colour, or shows it in the custom entry; no signal.
    void SetSelected(TColor color);
    TColor CustomColor() const { return FCustomColor; }

    // The list's own background colour, kept exactly as set so that it round-trips through the
    // options file, system colours included.
    TColor ControlColor() const { return FControlColor; }
    void SetControlColor(TColor color);

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
