#include "data/PngEncoder.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>
#include <zlib.h>

namespace quillon {

namespace {

// The file layout of ISO/IEC 15948 (PNG): the signature, then chunks of a 4-byte big-endian length,
// a 4-letter type, the data and the CRC-32 of type and data.
constexpr std::uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::uint8_t kBitDepth = 1;
constexpr std::uint8_t kPaletteColourType = 3;
constexpr std::uint8_t kRgbBitDepth = 8;
constexpr std::uint8_t kRgbColourType = 2;
constexpr int kBytesPerRgb = 3;
constexpr std::uint8_t kFilterNone = 0; // the filter byte that starts every row
constexpr std::uint8_t kFilterUp = 2;   // each byte less the one above it
constexpr std::uint8_t kPerMetre = 1;   // the unit of the pHYs chunk
constexpr std::uint8_t kPalette[] = {
    0x00, 0x00, 0x00, // 0 black
    0xFF, 0xFF, 0xFF, // 1 white
};
constexpr QRgb kBlack = 0xFF000000u;
constexpr QRgb kWhite = 0xFFFFFFFFu;

// The compression the toolkit's writer gets from libpng: zlib's default level and memory, a window
// narrowed to the image for small images, and the data cut into IDAT chunks of libpng's buffer size.
constexpr int kMaxWindowBits = 15;
constexpr int kMemoryLevel = 8;
constexpr std::size_t kIdatChunkBytes = 8192;
constexpr std::size_t kSmallImageBytes = 16384; // up to this much row data the window is narrowed
constexpr std::size_t kMinLookahead = 262;      // the bytes deflate reads ahead of a match

struct Chunk {
    const char* type = nullptr;
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;
};

void AppendBigEndian(QByteArray& out, std::uint32_t value)
{
    const char bytes[] = {static_cast<char>(value >> 24), static_cast<char>(value >> 16),
                          static_cast<char>(value >> 8), static_cast<char>(value)};
    out.append(bytes, sizeof bytes);
}

void AppendChunk(QByteArray& out, const Chunk& chunk)
{
    const auto* type = reinterpret_cast<const Bytef*>(chunk.type);
    uLong crc = crc32(0, type, 4);
    if (chunk.size > 0) // zlib takes a null buffer as a request for the initial value
        crc = crc32(crc, chunk.data, static_cast<uInt>(chunk.size));
    AppendBigEndian(out, static_cast<std::uint32_t>(chunk.size));
    out.append(chunk.type, 4);
    out.append(reinterpret_cast<const char*>(chunk.data), static_cast<qsizetype>(chunk.size));
    AppendBigEndian(out, static_cast<std::uint32_t>(crc));
}

std::vector<std::uint8_t> BigEndianFields(std::initializer_list<std::uint32_t> fields)
{
    std::vector<std::uint8_t> bytes;
    for (const std::uint32_t field : fields)
        for (int shift = 24; shift >= 0; shift -= 8)
            bytes.push_back(static_cast<std::uint8_t>(field >> shift));
    return bytes;
}

// True when every pixel of the row is black or white. A loop the compiler can vectorise: nearly every
// label is black and white, and every pixel is looked at.
bool IsBlackAndWhite(const QRgb* row, int width)
{
    unsigned otherColour = 0;
    for (int x = 0; x < width; ++x) {
        const QRgb opaque = row[x] | 0xFF000000u; // RGB32 is opaque whatever its fourth byte
        otherColour |= static_cast<unsigned>(opaque != kWhite) & static_cast<unsigned>(opaque != kBlack);
    }
    return otherColour == 0;
}

// Each row as PNG stores it: the filter byte, then the pixels 8 to a byte, the leftmost in the high
// bit, 1 for white (the lowest bit of a black or white pixel); the bits past the right edge stay 0.
// False when some pixel is neither black nor white.
bool PackRows(const QImage& image, std::vector<std::uint8_t>& rows)
{
    const int width = image.width();
    const std::size_t rowBytes = (static_cast<std::size_t>(width) + 7) / 8;
    rows.resize(static_cast<std::size_t>(image.height()) * (rowBytes + 1));
    std::uint8_t* out = rows.data();
    for (int y = 0; y < image.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        if (!IsBlackAndWhite(in, width))
            return false;
        *out++ = kFilterNone;
        for (int x = 0; x < width; x += 8) {
            const int count = std::min(8, width - x);
            unsigned byte = 0;
            for (int i = 0; i < count; ++i)
                byte |= (in[x + i] & 1u) << (7 - i);
            *out++ = static_cast<std::uint8_t>(byte);
        }
    }
    return true;
}

// libpng narrows the deflate window to the smallest that still holds the whole image and its lookahead.
int WindowBits(std::size_t dataBytes)
{
    int bits = kMaxWindowBits;
    if (dataBytes > kSmallImageBytes)
        return bits;
    for (std::size_t half = std::size_t{1} << (bits - 1); dataBytes + kMinLookahead <= half; half >>= 1)
        --bits;
    return bits;
}

// ... and states in the stream's header the smallest window that holds the image, which may be smaller
// still (RFC 1950: CINFO in the high half of CMF, and FLG chosen so that CMF FLG is a multiple of 31).
void NarrowHeader(std::uint8_t* stream, std::size_t dataBytes)
{
    unsigned cmf = stream[0];
    if (dataBytes > kSmallImageBytes || (cmf & 0x0Fu) != Z_DEFLATED || (cmf & 0xF0u) > 0x70u)
        return;
    unsigned info = cmf >> 4;
    std::size_t half = std::size_t{1} << (info + 7);
    if (dataBytes > half)
        return;
    do {
        half >>= 1;
        --info;
    } while (info > 0 && dataBytes <= half);
    cmf = (cmf & 0x0Fu) | (info << 4);
    unsigned flg = stream[1] & 0xE0u;
    flg += 0x1Fu - ((cmf << 8) + flg) % 0x1Fu;
    stream[0] = static_cast<std::uint8_t>(cmf);
    stream[1] = static_cast<std::uint8_t>(flg);
}

// One deflate stream per thread, kept between labels: a bulk run's labels are mostly of one size, and
// a reset costs far less than setting a stream up.
class Deflater {
public:
    Deflater() = default;
    Deflater(const Deflater&) = delete;
    Deflater& operator=(const Deflater&) = delete;
    ~Deflater()
    {
        if (FWindowBits != 0)
            deflateEnd(&FStream);
    }

    bool Compress(const std::vector<std::uint8_t>& data, int level, int strategy, int windowBits,
                  std::vector<std::uint8_t>& out)
    {
        if (!Prepare(level, strategy, windowBits))
            return false;
        out.resize(deflateBound(&FStream, static_cast<uLong>(data.size())));
        FStream.next_in = const_cast<Bytef*>(data.data());
        FStream.avail_in = static_cast<uInt>(data.size());
        FStream.next_out = out.data();
        FStream.avail_out = static_cast<uInt>(out.size());
        const bool done = deflate(&FStream, Z_FINISH) == Z_STREAM_END;
        out.resize(FStream.total_out);
        return done;
    }

private:
    bool Prepare(int level, int strategy, int windowBits)
    {
        if (FWindowBits == windowBits && FLevel == level && FStrategy == strategy)
            return deflateReset(&FStream) == Z_OK;
        if (FWindowBits != 0)
            deflateEnd(&FStream);
        FStream = {};
        FWindowBits = 0;
        if (deflateInit2(&FStream, level, Z_DEFLATED, windowBits, kMemoryLevel, strategy) != Z_OK)
            return false;
        FWindowBits = windowBits;
        FLevel = level;
        FStrategy = strategy;
        return true;
    }

    z_stream FStream{};
    int FWindowBits = 0; // 0: no stream set up
    int FLevel = Z_DEFAULT_COMPRESSION;
    int FStrategy = Z_DEFAULT_STRATEGY;
};

// The file around the deflated rows: its header, the palette when there is one, the resolution when
// the image has one (as the toolkit writes it), and the data in IDAT chunks of libpng's buffer size.
QByteArray PngFile(const QImage& image, std::uint8_t bitDepth, std::uint8_t colourType,
                   std::span<const std::uint8_t> palette, const std::vector<std::uint8_t>& stream)
{
    std::vector<std::uint8_t> header = BigEndianFields(
        {static_cast<std::uint32_t>(image.width()), static_cast<std::uint32_t>(image.height())});
    header.insert(header.end(), {bitDepth, colourType, 0, 0, 0}); // deflate, adaptive, no interlace
    QByteArray png;
    png.reserve(static_cast<qsizetype>(stream.size() + 128));
    png.append(reinterpret_cast<const char*>(kSignature), sizeof kSignature);
    AppendChunk(png, {.type = "IHDR", .data = header.data(), .size = header.size()});
    if (!palette.empty())
        AppendChunk(png, {.type = "PLTE", .data = palette.data(), .size = palette.size()});
    if (image.dotsPerMeterX() > 0 || image.dotsPerMeterY() > 0) {
        std::vector<std::uint8_t> resolution =
            BigEndianFields({static_cast<std::uint32_t>(image.dotsPerMeterX()),
                             static_cast<std::uint32_t>(image.dotsPerMeterY())});
        resolution.push_back(kPerMetre);
        AppendChunk(png, {.type = "pHYs", .data = resolution.data(), .size = resolution.size()});
    }
    for (std::size_t at = 0; at < stream.size(); at += kIdatChunkBytes)
        AppendChunk(png, {.type = "IDAT",
                          .data = stream.data() + at,
                          .size = std::min(kIdatChunkBytes, stream.size() - at)});
    AppendChunk(png, {.type = "IEND", .data = nullptr, .size = 0});
    return png;
}

// The rows as PNG takes them, each less the row above it (filter Up): a label's bars repeat row after
// row, so most rows become zeros, which deflate takes in long runs.
void RgbRows(const QImage& image, std::vector<std::uint8_t>& rows)
{
    const auto width = static_cast<std::size_t>(image.width());
    const std::size_t rowBytes = kBytesPerRgb * width;
    rows.resize(static_cast<std::size_t>(image.height()) * (1 + rowBytes));
    std::uint8_t* out = rows.data();
    const QRgb* above = nullptr;
    for (int y = 0; y < image.height(); ++y) {
        *out++ = above == nullptr ? kFilterNone : kFilterUp;
        const auto* pixel = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (std::size_t x = 0; x < width; ++x) {
            const QRgb up = above == nullptr ? 0 : above[x];
            *out++ = static_cast<std::uint8_t>(qRed(pixel[x]) - qRed(up));
            *out++ = static_cast<std::uint8_t>(qGreen(pixel[x]) - qGreen(up));
            *out++ = static_cast<std::uint8_t>(qBlue(pixel[x]) - qBlue(up));
        }
        above = pixel;
    }
}

thread_local std::vector<std::uint8_t> tRows;
thread_local std::vector<std::uint8_t> tStream;
thread_local Deflater tDeflater;

} // namespace

std::optional<QByteArray> BlackAndWhitePng(const QImage& image, TPngDeflate deflate)
{
    if (image.isNull() || image.format() != QImage::Format_RGB32)
        return std::nullopt;
    const int level = deflate == TPngDeflate::AsTheToolkit ? Z_DEFAULT_COMPRESSION : Z_BEST_SPEED;
    if (!PackRows(image, tRows) ||
        !tDeflater.Compress(tRows, level, Z_DEFAULT_STRATEGY, WindowBits(tRows.size()), tStream))
        return std::nullopt;
    NarrowHeader(tStream.data(), tRows.size());
    return PngFile(image, kBitDepth, kPaletteColourType, kPalette, tStream);
}

std::optional<QByteArray> RgbPng(const QImage& image)
{
    if (image.isNull() || image.format() != QImage::Format_RGB32)
        return std::nullopt;
    RgbRows(image, tRows);
    if (!tDeflater.Compress(tRows, Z_BEST_SPEED, Z_RLE, kMaxWindowBits, tStream))
        return std::nullopt;
    return PngFile(image, kRgbBitDepth, kRgbColourType, {}, tStream);
}

bool IsPng(const QByteArray& bytes)
{
    return bytes.startsWith(QByteArrayView(reinterpret_cast<const char*>(kSignature), sizeof kSignature));
}

} // namespace quillon
