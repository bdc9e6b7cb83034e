#include "CompactImage.h"

#include <QList>
#include <cstdint>

namespace quillon::cli {

namespace {

constexpr qsizetype kMaxPaletteColours = 256;

// RGB32 is opaque whatever its fourth byte holds.
QRgb Opaque(QRgb pixel)
{
    return pixel | 0xFF000000u;
}

// Calls visit(x, y, index into the palette) for every pixel, building the palette as it goes;
// false as soon as there are more colours than a palette holds.
template <typename Visit> bool ForEachIndex(const QImage& image, QList<QRgb>& palette, Visit visit)
{
    QRgb last = 0;
    qsizetype lastIndex = -1;
    const int width = image.width();
    const int height = image.height();
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            if (lastIndex < 0 || Opaque(row[x]) != last) {
                last = Opaque(row[x]);
                lastIndex = palette.indexOf(last);
                if (lastIndex < 0 && palette.size() == kMaxPaletteColours)
                    return false;
                if (lastIndex < 0) {
                    palette.append(last);
                    lastIndex = palette.size() - 1;
                }
            }
            visit(x, y, static_cast<std::uint8_t>(lastIndex));
        }
    }
    return true;
}

// A 1-bit image's colour table is black, white: the PDF writer embeds such an image as it stands,
// one bit a pixel. White, black it sends through its lossy JPEG path, and it would write any other
// pair of colours as grey levels, so those take a palette.
constexpr QRgb kWhite = 0xFFFFFFFFu;
constexpr QRgb kBlack = 0xFF000000u;

// The common label, checked first in one quick pass.
bool IsBlackAndWhite(const QImage& image)
{
    const int width = image.width();
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x)
            if (Opaque(row[x]) != kWhite && Opaque(row[x]) != kBlack)
                return false;
    }
    return true;
}

QImage ToMono(const QImage& image)
{
    QImage mono(image.size(), QImage::Format_Mono); // the most significant bit is the leftmost pixel
    if (mono.isNull())
        return mono;
    mono.setColorTable({kBlack, kWhite});
    mono.fill(0);
    const int width = image.width();
    for (int y = 0; y < image.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        std::uint8_t* out = mono.scanLine(y);
        for (int x = 0; x < width; ++x)
            if (Opaque(in[x]) == kWhite)
                out[x >> 3] |= static_cast<std::uint8_t>(0x80u >> (x & 7));
    }
    return mono;
}

QImage ToIndexed8(const QImage& image, const QList<QRgb>& palette)
{
    QImage indexed(image.size(), QImage::Format_Indexed8);
    if (indexed.isNull())
        return indexed;
    indexed.setColorTable(palette);
    QList<QRgb> again; // the second pass meets the colours in the same order: the same palette
    std::uint8_t* bits = indexed.bits();
    const qsizetype bytesPerLine = indexed.bytesPerLine();
    ForEachIndex(image, again, [&](int x, int y, std::uint8_t index) { bits[y * bytesPerLine + x] = index; });
    return indexed;
}

} // namespace

QImage CompactImage(const QImage& image)
{
    if (image.isNull() || image.format() != QImage::Format_RGB32)
        return image;
    QImage compact;
    QList<QRgb> palette;
    if (IsBlackAndWhite(image))
        compact = ToMono(image);
    else if (ForEachIndex(image, palette, [](int, int, std::uint8_t) {}))
        compact = ToIndexed8(image, palette);
    return compact.isNull() ? image : compact; // too many colours, or too large to allocate
}

} // namespace quillon::cli
