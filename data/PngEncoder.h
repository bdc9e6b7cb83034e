// Labels straight to PNG: one pass over the pixels and one deflate, several times quicker than the
// toolkit's writer, whose libpng tries every row filter, for runs of thousands of labels.
#pragma once

#include <QByteArray>
#include <QImage>
#include <cstdint>
#include <optional>

namespace quillon {

// How hard deflate works: as the toolkit's writer has it, or at its quickest, for the thousands of
// labels of a list, whose bitmaps are a few hundred bytes whichever way.
enum class TPngDeflate : std::uint8_t { AsTheToolkit, Quickest };

// The PNG file of `image` (RGB32) as a 1-bit image with the palette black, white, when every pixel is
// black or white: as the toolkit's writer deflates, byte for byte what it makes of
// CompactImage(image), in a fraction of its time. Nothing for any other image, which the toolkit's
// writer then takes.
std::optional<QByteArray> BlackAndWhitePng(const QImage& image,
                                           TPngDeflate deflate = TPngDeflate::AsTheToolkit);

// The PNG file of an RGB32 image as 8-bit RGB, with its resolution: each row less the one above it and
// deflated in runs, which labels (their bars the same from row to row) barely notice in size and which
// takes a fraction of the time. Nothing for any other format.
std::optional<QByteArray> RgbPng(const QImage& image);

// Whether the bytes begin as every PNG file does, with its signature.
bool IsPng(const QByteArray& bytes);

} // namespace quillon
