#include "ColorKey.h"

#include <QBitmap>
#include <cmath>
#include <vector>

namespace quillon {
namespace {

// The device pixels [first, last) that a window pixel covers at a pixel ratio.
std::pair<int, int> Footprint(int windowPixel, qreal ratio, int deviceSize)
{
    const int first = static_cast<int>(std::floor(windowPixel * ratio));
    const int last = static_cast<int>(std::ceil((windowPixel + 1) * ratio));
    return {std::min(first, deviceSize), std::min(std::max(last, first + 1), deviceSize)};
}

// A window-pixel image that is key-coloured wherever any of the device pixels under a window pixel is:
// a mask in window pixels can only keep or cut whole window pixels, and keeping one that is partly
// maroon on the screen would show a maroon fringe.
QImage KeyInWindowPixels(const QImage& device, qreal ratio)
{
    const int width = static_cast<int>(std::ceil(device.width() / ratio));
    const int height = static_cast<int>(std::ceil(device.height() / ratio));
    std::vector<char> keyed(static_cast<std::size_t>(device.width()) * device.height());
    for (int y = 0; y < device.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(device.constScanLine(y));
        for (int x = 0; x < device.width(); ++x)
            keyed[static_cast<std::size_t>(y) * device.width() + x] = (line[x] | 0xFF000000u) == kColorKey;
    }
    QImage window(width, height, QImage::Format_RGB32);
    window.fill(Qt::white);
    for (int y = 0; y < height; ++y) {
        const auto [top, bottom] = Footprint(y, ratio, device.height());
        for (int x = 0; x < width; ++x) {
            const auto [left, right] = Footprint(x, ratio, device.width());
            bool key = false;
            for (int dy = top; dy < bottom && !key; ++dy)
                for (int dx = left; dx < right && !key; ++dx)
                    key = keyed[static_cast<std::size_t>(dy) * device.width() + dx] != 0;
            if (key)
                window.setPixel(x, y, kColorKey);
        }
    }
    return window;
}

} // namespace

QRegion ColorKeyRegion(const QImage& paintedWindow)
{
    if (paintedWindow.isNull())
        return {};
    // Compare opaque RGB values only, so the key matches however the grab was stored.
    QImage opaque = paintedWindow.format() == QImage::Format_RGB32
                        ? paintedWindow
                        : paintedWindow.convertToFormat(QImage::Format_RGB32);
    const qreal ratio = paintedWindow.devicePixelRatio();
    if (ratio != 1.0)
        opaque = KeyInWindowPixels(opaque, ratio);
    // MaskInColor sets the key-coloured pixels to colour 0 of the bitmap, which the region leaves
    // out; MaskOutColor would keep only them.
    QBitmap bitmap = QBitmap::fromImage(opaque.createMaskFromColor(kColorKey, Qt::MaskInColor));
    bitmap.setDevicePixelRatio(1.0);
    return QRegion(bitmap);
}

} // namespace quillon
