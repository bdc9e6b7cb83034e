#include "ColorKey.h"

#include <QBitmap>

namespace quillon {

QRegion ColorKeyRegion(const QImage& paintedWindow)
{
    if (paintedWindow.isNull())
        return {};
    // Compare opaque RGB values only, so the key matches however the grab was stored.
    const QImage opaque = paintedWindow.format() == QImage::Format_RGB32
                              ? paintedWindow
                              : paintedWindow.convertToFormat(QImage::Format_RGB32);
    // MaskInColor sets the key-coloured pixels to colour 0 of the bitmap, which the region leaves
    // out; MaskOutColor would keep only them.
    return QRegion(QBitmap::fromImage(opaque.createMaskFromColor(kColorKey, Qt::MaskInColor)));
}

} // namespace quillon
