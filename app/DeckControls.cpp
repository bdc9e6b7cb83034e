#include "DeckControls.h"

#include <QColorDialog>
#include <QPainter>
#include <QPixmap>
#include <QValidator>
#include <algorithm>
#include <array>
#include <string_view>

#include "barcode/Barcode.h"
#include "label/compose/SymbolKinds.h"
#include "report/PainterCanvas.h"

namespace quillon {
namespace {

struct TNamedColor {
    std::string_view Name;
    TColor Color = 0; // red in the low byte; a set high byte names a system colour
};

// The sixteen standard colours, with the names and values of the HTML 4.01 colour keywords
// (section 6.5), which are also the sixteen colours of the VGA palette.
constexpr std::array<TNamedColor, 16> kStandardColors{{
    {QT_TRANSLATE_NOOP("Colours", "Black"), 0x000000},   // RGB(0, 0, 0)
    {QT_TRANSLATE_NOOP("Colours", "Maroon"), 0x000080},  // RGB(128, 0, 0)
    {QT_TRANSLATE_NOOP("Colours", "Green"), 0x008000},   // RGB(0, 128, 0)
    {QT_TRANSLATE_NOOP("Colours", "Olive"), 0x008080},   // RGB(128, 128, 0)
    {QT_TRANSLATE_NOOP("Colours", "Navy"), 0x800000},    // RGB(0, 0, 128)
    {QT_TRANSLATE_NOOP("Colours", "Purple"), 0x800080},  // RGB(128, 0, 128)
    {QT_TRANSLATE_NOOP("Colours", "Teal"), 0x808000},    // RGB(0, 128, 128)
    {QT_TRANSLATE_NOOP("Colours", "Gray"), 0x808080},    // RGB(128, 128, 128)
    {QT_TRANSLATE_NOOP("Colours", "Silver"), 0xC0C0C0},  // RGB(192, 192, 192)
    {QT_TRANSLATE_NOOP("Colours", "Red"), 0x0000FF},     // RGB(255, 0, 0)
    {QT_TRANSLATE_NOOP("Colours", "Lime"), 0x00FF00},    // RGB(0, 255, 0)
    {QT_TRANSLATE_NOOP("Colours", "Yellow"), 0x00FFFF},  // RGB(255, 255, 0)
    {QT_TRANSLATE_NOOP("Colours", "Blue"), 0xFF0000},    // RGB(0, 0, 255)
    {QT_TRANSLATE_NOOP("Colours", "Fuchsia"), 0xFF00FF}, // RGB(255, 0, 255)
    {QT_TRANSLATE_NOOP("Colours", "Aqua"), 0xFFFF00},    // RGB(0, 255, 255)
    {QT_TRANSLATE_NOOP("Colours", "White"), 0xFFFFFF},   // RGB(255, 255, 255)
}};

// The four further static colours of the Windows 20-colour default palette.
constexpr std::array<TNamedColor, 4> kExtendedColors{{
    {QT_TRANSLATE_NOOP("Colours", "Money Green"), 0xC0DCC0}, // RGB(192, 220, 192)
    {QT_TRANSLATE_NOOP("Colours", "Sky Blue"), 0xF0CAA6},    // RGB(166, 202, 240)
    {QT_TRANSLATE_NOOP("Colours", "Cream"), 0xF0FBFF},       // RGB(255, 251, 240)
    {QT_TRANSLATE_NOOP("Colours", "Medium Gray"), 0xA4A0A0}, // RGB(160, 160, 164)
}};

// The desktop's system colours by their Windows COLOR_* numbers (GetSysColor); number 25 is
// unused. The painter canvas maps each to the palette colour that plays its part.
constexpr std::array<TNamedColor, 30> kSystemColors{{
    {QT_TRANSLATE_NOOP("Colours", "Scroll Bar"), SystemColor(0)},               // COLOR_SCROLLBAR
    {QT_TRANSLATE_NOOP("Colours", "Background"), SystemColor(1)},               // COLOR_BACKGROUND
    {QT_TRANSLATE_NOOP("Colours", "Active Caption"), SystemColor(2)},           // COLOR_ACTIVECAPTION
    {QT_TRANSLATE_NOOP("Colours", "Inactive Caption"), SystemColor(3)},         // COLOR_INACTIVECAPTION
    {QT_TRANSLATE_NOOP("Colours", "Menu"), SystemColor(4)},                     // COLOR_MENU
    {QT_TRANSLATE_NOOP("Colours", "Window"), SystemColor(5)},                   // COLOR_WINDOW
    {QT_TRANSLATE_NOOP("Colours", "Window Frame"), SystemColor(6)},             // COLOR_WINDOWFRAME
    {QT_TRANSLATE_NOOP("Colours", "Menu Text"), SystemColor(7)},                // COLOR_MENUTEXT
    {QT_TRANSLATE_NOOP("Colours", "Window Text"), SystemColor(8)},              // COLOR_WINDOWTEXT
    {QT_TRANSLATE_NOOP("Colours", "Caption Text"), SystemColor(9)},             // COLOR_CAPTIONTEXT
    {QT_TRANSLATE_NOOP("Colours", "Active Border"), SystemColor(10)},           // COLOR_ACTIVEBORDER
    {QT_TRANSLATE_NOOP("Colours", "Inactive Border"), SystemColor(11)},         // COLOR_INACTIVEBORDER
    {QT_TRANSLATE_NOOP("Colours", "Application Workspace"), SystemColor(12)},   // COLOR_APPWORKSPACE
    {QT_TRANSLATE_NOOP("Colours", "Highlight"), SystemColor(13)},               // COLOR_HIGHLIGHT
    {QT_TRANSLATE_NOOP("Colours", "Highlight Text"), SystemColor(14)},          // COLOR_HIGHLIGHTTEXT
    {QT_TRANSLATE_NOOP("Colours", "Button Face"), SystemColor(15)},             // COLOR_BTNFACE
    {QT_TRANSLATE_NOOP("Colours", "Button Shadow"), SystemColor(16)},           // COLOR_BTNSHADOW
    {QT_TRANSLATE_NOOP("Colours", "Gray Text"), SystemColor(17)},               // COLOR_GRAYTEXT
    {QT_TRANSLATE_NOOP("Colours", "Button Text"), SystemColor(18)},             // COLOR_BTNTEXT
    {QT_TRANSLATE_NOOP("Colours", "Inactive Caption Text"), SystemColor(19)},   // COLOR_INACTIVECAPTIONTEXT
    {QT_TRANSLATE_NOOP("Colours", "Button Highlight"), SystemColor(20)},        // COLOR_BTNHIGHLIGHT
    {QT_TRANSLATE_NOOP("Colours", "3D Dark Shadow"), SystemColor(21)},          // COLOR_3DDKSHADOW
    {QT_TRANSLATE_NOOP("Colours", "3D Light"), SystemColor(22)},                // COLOR_3DLIGHT
    {QT_TRANSLATE_NOOP("Colours", "Info Text"), SystemColor(23)},               // COLOR_INFOTEXT
    {QT_TRANSLATE_NOOP("Colours", "Info Background"), SystemColor(24)},         // COLOR_INFOBK
    {QT_TRANSLATE_NOOP("Colours", "Hot Light"), SystemColor(26)},               // COLOR_HOTLIGHT
    {QT_TRANSLATE_NOOP("Colours", "Gradient Active Caption"), SystemColor(27)}, // COLOR_GRADIENTACTIVECAPTION
    {QT_TRANSLATE_NOOP("Colours", "Gradient Inactive Caption"),
     SystemColor(28)},                                                 // COLOR_GRADIENTINACTIVECAPTION
    {QT_TRANSLATE_NOOP("Colours", "Menu Highlight"), SystemColor(29)}, // COLOR_MENUHILIGHT
    {QT_TRANSLATE_NOOP("Colours", "Menu Bar"), SystemColor(30)},       // COLOR_MENUBAR
}};

constexpr int kColorRole = Qt::UserRole;
constexpr int kPrinterIconPx = 16;
constexpr QSize kSwatchSize{16, 12};

// Changes letters one code point at a time; the validator's edit of the text keeps the cursor
// and lets the line edit signal the change once.
class TCapitalsValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& /*pos*/) const override
    {
        const auto* edit = qobject_cast<const TUpperCaseEdit*>(parent());
        if (edit == nullptr || !edit->KeepsLowercase())
            input = Capitalised(std::move(input));
        return Acceptable;
    }
};

// A printer seen from the front in a 16-unit square: paper in, the body with its slot, paper out.
void DrawPrinter(QPainter& painter)
{
    painter.setPen(QPen(QColor(40, 40, 40), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(4.5, 1.5, 7, 5)); // the sheet going in
    painter.setBrush(QColor(120, 120, 128));
    painter.drawRoundedRect(QRectF(1.5, 5.5, 13, 6), 1.5, 1.5); // the body
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(4.5, 9.5, 7, 5)); // the printed sheet coming out
    painter.setPen(QPen(QColor(40, 40, 40), 1));
    painter.drawLine(QPointF(6, 11.5), QPointF(10, 11.5)); // a line of print
    painter.drawLine(QPointF(6, 13), QPointF(9, 13));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 170, 0));
    painter.drawEllipse(QPointF(12.5, 7.5), 0.9, 0.9); // the power light
}

QIcon Swatch(TColor color)
{
    QPixmap pixmap(kSwatchSize);
    pixmap.fill(ToQColor(color));
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, kSwatchSize.width() - 1, kSwatchSize.height() - 1);
    return QIcon(pixmap);
}

std::optional<TColor> PickWithDialog(TColor initial, QWidget* parent)
{
    const QColor picked = QColorDialog::getColor(ToQColor(initial), parent);
    if (!picked.isValid())
        return std::nullopt; // cancelled
    return ToTColor(picked);
}

} // namespace

// --- TUpperCaseEdit --------------------------------------------------------------------------

QString Capitalised(QString text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            const char32_t upper = QChar::toUpper(QChar::surrogateToUcs4(c, text.at(i + 1)));
            if (QChar::requiresSurrogates(upper)) { // a capital of another length is left alone
                text[i] = QChar(QChar::highSurrogate(upper));
                text[i + 1] = QChar(QChar::lowSurrogate(upper));
            }
            ++i;
        } else {
            text[i] = c.toUpper(); // the simple one-for-one mapping: "ß" stays "ß"
        }
    }
    return text;
}

TUpperCaseEdit::TUpperCaseEdit(QWidget* parent) : QLineEdit(parent)
{
    setValidator(new TCapitalsValidator(this));
}

void TUpperCaseEdit::SetKeepsLowercase(bool keeps)
{
    if (keeps == FKeepsLowercase)
        return;
    FKeepsLowercase = keeps;
    if (!keeps) {
        FTyped = text();
        if (Capitalised(FTyped) != FTyped)
            setText(Capitalised(FTyped));
    } else if (text() == Capitalised(FTyped) && text() != FTyped) {
        setText(FTyped);
    }
}

bool KindKeepsLowercase(int kindIndex)
{
    // The symbol kinds carry any text, or GS1 values whose character set has lowercase.
    return SymbolKindOf(kindIndex).has_value() || KindTraits(kindIndex).Text.Lowercase;
}

QIcon PrinterIcon()
{
    QIcon icon;
    for (const qreal ratio : {1.0, 2.0}) {
        QPixmap pixmap(QSize(kPrinterIconPx, kPrinterIconPx) * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        DrawPrinter(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

// --- TSpinEdit -------------------------------------------------------------------------------

TSpinEdit::TSpinEdit(const limits::TRange& range, TSpinEntry entry, QWidget* parent) : QSpinBox(parent)
{
    setRange(range.Min, range.Max);
    setValue(range.Initial);
    SetArrowsOnly(entry == TSpinEntry::ArrowsOnly);
}

bool TSpinEdit::ArrowsOnly() const
{
    return lineEdit()->isReadOnly();
}

// Only the text is read-only: the arrows, the up and down keys and the wheel still step.
void TSpinEdit::SetArrowsOnly(bool v)
{
    lineEdit()->setReadOnly(v);
}

QValidator::State TSpinEdit::validate(QString& text, int& pos) const
{
    if (text.trimmed().isEmpty())
        return QValidator::Acceptable; // reads as the minimum until something is typed
    return QSpinBox::validate(text, pos);
}

int TSpinEdit::valueFromText(const QString& text) const
{
    if (text.trimmed().isEmpty())
        return minimum();
    return QSpinBox::valueFromText(text);
}

// --- TColorBox -------------------------------------------------------------------------------

TColor ToTColor(const QColor& color)
{
    const QRgb rgb = color.rgb();
    return static_cast<TColor>(qRed(rgb)) | static_cast<TColor>(qGreen(rgb)) << 8 |
           static_cast<TColor>(qBlue(rgb)) << 16;
}

TColorBox::TColorBox(QWidget* parent) : QComboBox(parent), FColorPicker(PickWithDialog)
{
    setIconSize(kSwatchSize);
    addItem(Swatch(FCustomColor), QStringLiteral(QT_TRANSLATE_NOOP("Colours", "Custom...")),
            QVariant::fromValue(FCustomColor));
    const auto addAll = [this](const auto& colors) {
        for (const TNamedColor& entry : colors)
            addItem(Swatch(entry.Color), QString::fromLatin1(entry.Name.data(), entry.Name.size()),
                    QVariant::fromValue(entry.Color));
    };
    addAll(kStandardColors);
    addAll(kExtendedColors);
    addAll(kSystemColors);
    for (int i = 0; i < count(); ++i)
        setItemData(i, itemText(i), kEnglishNameRole);
    SetSelected(0x000000); // Black
    SetControlColor(FControlColor);
    connect(this, &QComboBox::currentIndexChanged, this, &TColorBox::OnCurrentIndexChanged);
    connect(this, &QComboBox::activated, this, &TColorBox::OnActivated);
}

TColor TColorBox::ColorAt(int index) const
{
    const QVariant data = itemData(index, kColorRole);
    return data.isValid() ? data.value<TColor>() : 0x000000;
}

void TColorBox::CaptionEntries(const std::function<QString(const QString& english)>& word)
{
    for (int i = 0; i < count(); ++i)
        setItemText(i, word(itemData(i, kEnglishNameRole).toString()));
}

TColor TColorBox::Selected() const
{
    return ColorAt(currentIndex());
}

void TColorBox::SetSelected(TColor color)
{
    int index = kCustomIndex;
    for (int i = kCustomIndex + 1; i < count() && index == kCustomIndex; ++i)
        if (ColorAt(i) == color)
            index = i;
    if (index == kCustomIndex)
        SetCustomColor(color);
    setCurrentIndex(index);
    Settle();
}

void TColorBox::SetCustomColor(TColor color)
{
    FCustomColor = color;
    setItemIcon(kCustomIndex, Swatch(color));
    setItemData(kCustomIndex, QVariant::fromValue(color), kColorRole);
}

// The list's background in the popup and in the closed box, which styles paint from Base or
// Button.
void TColorBox::SetControlColor(TColor color)
{
    FControlColor = color;
    const QColor background = ToQColor(color);
    QPalette palette = this->palette();
    for (const QPalette::ColorRole role : {QPalette::Base, QPalette::Button, QPalette::Window})
        palette.setColor(role, background);
    setPalette(palette);
}

// The box moves to the activated entry before it reports the activation, so what was shown
// before is kept here: a cancelled custom choice goes back to it.
void TColorBox::OnCurrentIndexChanged(int index)
{
    FPreviousIndex = FShownIndex;
    FPreviousColor = FShownColor;
    FShownIndex = index;
    FShownColor = ColorAt(index);
}

void TColorBox::Settle()
{
    FShownIndex = FPreviousIndex = currentIndex();
    FShownColor = FPreviousColor = Selected();
}

void TColorBox::OnActivated(int index)
{
    if (index == kCustomIndex) {
        const std::optional<TColor> picked = FColorPicker ? FColorPicker(FCustomColor, this) : std::nullopt;
        if (!picked) {
            setCurrentIndex(FPreviousIndex); // cancelled: the previous choice stands
            Settle();
            return;
        }
        SetCustomColor(*picked);
    }
    const TColor before = FPreviousColor;
    Settle();
    if (Selected() != before)
        emit selectedChanged(Selected());
}

} // namespace quillon
