// Captions that fit their controls: the room a control gives its text, and the largest font in which a
// text fits that room whole, measured with the font's own metrics, in both scripts.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QWidget;

namespace quillon {

// The smallest pixel size a caption is set in before it is squeezed instead, and the narrowest squeeze.
inline constexpr int kMinCaptionPixels = 8;
inline constexpr int kMinCaptionStretch = 70;

// The text as drawn: an accelerator's "&" is not drawn, "&&" draws one "&".
QString DrawnText(const QString& caption);

// Where a control draws its caption: a label's contents, the text beside a check box's or radio
// button's indicator, a button's contents inside its frame, the edit field of a list box (less its
// icon).
QRect CaptionRoom(const QWidget* control);

// True when the text, laid out on one line and centred vertically in `room`, keeps all its ink (accents
// and marks included) inside the room.
bool TextFits(const QFont& font, const QString& text, QSize room);

// The largest font no larger than `base` in which the text fits `room`; below kMinCaptionPixels it
// is squeezed horizontally, down to kMinCaptionStretch percent.
QFont FittedFont(const QFont& base, const QString& text, QSize room);

// Gives the control the fitted font for its caption.
void FitCaption(QWidget* control, const QString& caption, const QFont& base);

} // namespace quillon
