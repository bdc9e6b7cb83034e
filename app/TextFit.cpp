// Captions that fit their controls, measured with the font's metrics and the style's geometry.
#include "app/TextFit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>

namespace quillon {
namespace {

// What a button's or an edit field's text keeps clear of its frame on each side.
constexpr int kTextInsetPx = 2;
constexpr int kStretchStep = 5;

QRect ButtonTextRoom(const QAbstractButton* button, QStyle::SubElement element)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    return button->style()->subElementRect(element, &option, button);
}

QRect ComboTextRoom(const QComboBox* box)
{
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.editable = box->isEditable();
    option.currentText = box->currentText();
    option.currentIcon = box->itemIcon(box->currentIndex());
    option.iconSize = box->iconSize();
    QRect room =
        box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box);
    if (!option.currentIcon.isNull())
        room.setLeft(room.left() + box->iconSize().width() + 2 * kTextInsetPx);
    return room.adjusted(kTextInsetPx, 0, -kTextInsetPx, 0);
}

} // namespace

QString DrawnText(const QString& caption)
{
    QString drawn;
    drawn.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size())
            ++i; // "&x" draws x underlined, "&&" draws "&"
        drawn += caption[i];
    }
    return drawn;
}

QRect CaptionRoom(const QWidget* control)
{
    if (const auto* box = qobject_cast<const QCheckBox*>(control))
        return ButtonTextRoom(box, QStyle::SE_CheckBoxContents);
    if (const auto* radio = qobject_cast<const QRadioButton*>(control))
        return ButtonTextRoom(radio, QStyle::SE_RadioButtonContents);
    if (const auto* button = qobject_cast<const QPushButton*>(control))
        return ButtonTextRoom(button, QStyle::SE_PushButtonContents)
            .adjusted(kTextInsetPx, 0, -kTextInsetPx, 0);
    if (const auto* combo = qobject_cast<const QComboBox*>(control))
        return ComboTextRoom(combo);
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        const int inset = std::max(0, label->indent()) + label->margin();
        return label->contentsRect().adjusted(inset, label->margin(), -label->margin(), -label->margin());
    }
    return control->contentsRect();
}

bool TextFits(const QFont& font, const QString& text, QSize room)
{
    const QFontMetrics metrics(font);
    const QRect ink = metrics.boundingRect(text);
    if (metrics.horizontalAdvance(text) > room.width() || ink.width() > room.width())
        return false;
    // The line is centred in the room; its ink, accents and marks included, must stay inside.
    const int baseline = (room.height() - metrics.height()) / 2 + metrics.ascent();
    return baseline + ink.top() >= 0 && baseline + ink.bottom() < room.height();
}

QFont FittedFont(const QFont& base, const QString& text, QSize room)
{
    QFont font = base;
    const int designed = QFontInfo(base).pixelSize();
    for (int pixels = designed; pixels >= kMinCaptionPixels; --pixels) {
        font.setPixelSize(pixels);
        if (TextFits(font, text, room))
            return font;
    }
    // Smaller letters would not read: squeeze the smallest ones instead.
    for (int stretch = 100 - kStretchStep; stretch >= kMinCaptionStretch; stretch -= kStretchStep) {
        font.setStretch(stretch);
        if (TextFits(font, text, room))
            return font;
    }
    return font;
}

void FitCaption(QWidget* control, const QString& caption, const QFont& base)
{
    const QFont fitted = FittedFont(base, DrawnText(caption), CaptionRoom(control).size());
    if (control->font() != fitted)
        control->setFont(fitted);
}

} // namespace quillon
