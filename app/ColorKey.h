// The main window's colour key: the window shows only where it is not painted in maroon.
#pragma once

#include <QImage>
#include <QRegion>
#include <QRgb>

namespace quillon {

// Maroon, RGB(128, 0, 0): the colour of the window and its panels, which lets the desktop show
// through.
inline constexpr QRgb kColorKey = qRgb(128, 0, 0);

// The window mask, in window (device-independent) pixels, for a grab of the painted window: every pixel
// that is not exactly the key colour. A grab made at a device pixel ratio above 1 keeps only the window
// pixels none of whose device pixels is key-coloured. The grab is taken as opaque (its alpha is
// ignored); a null image gives an empty region.
QRegion ColorKeyRegion(const QImage& paintedWindow);

} // namespace quillon
