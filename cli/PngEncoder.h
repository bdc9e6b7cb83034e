// Black-and-white labels straight to PNG: one pass over the pixels and one deflate, for bulk runs.
#pragma once

#include <QByteArray>
#include <QImage>
#include <optional>

namespace quillon::cli {

// The PNG file of `image` (RGB32) as a 1-bit image with the palette black, white, when every pixel is
// black or white: byte for byte what the toolkit's PNG writer makes of CompactImage(image), in a
// fraction of its time. Nothing for any other image, which the toolkit's writer then takes.
std::optional<QByteArray> BlackAndWhitePng(const QImage& image);

} // namespace quillon::cli
