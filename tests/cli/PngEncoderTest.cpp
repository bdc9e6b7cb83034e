// The direct PNG encoder of black-and-white labels: the same bytes as the toolkit's writer, for every
// size of image and stream (small images narrow the deflate window; long streams take several IDAT chunks).
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <random>
#include <vector>

#include "cli/Commands.h"
#include "cli/CompactImage.h"
#include "data/PngEncoder.h"

namespace quillon::cli {
namespace {

QByteArray ToolkitPng(const QImage& image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    CompactImage(image).save(&buffer, "PNG");
    return png;
}

// Black and white at random, `blackShare` 256ths of it black: noise compresses badly, so a large
// image makes a long stream.
QImage Noise(int width, int height, int blackShare, std::mt19937& random)
{
    QImage image(width, height, QImage::Format_RGB32);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, byte(random) < blackShare ? 0xFF000000u : 0xFFFFFFFFu);
    return image;
}

TEST(PngEncoder, SameBytesAsTheToolkitsWriter)
{
    struct Row {
        int line;
        int width, height, blackShare;
    } rows[] = {
        {1, 1, 1, 0},       // the smallest image: the narrowest window
        {2, 9, 3, 128},     // a row of two bytes, the last one mostly padding
        {3, 95, 66, 96},    // an EAN-13 label's size
        {4, 640, 200, 8},   // 16,200 bytes of rows: just below the narrowing limit
        {5, 1016, 129, 8},  // 16,512 bytes: just above it, the full window
        {6, 400, 400, 128}, // a stream of about 20 KB: three IDAT chunks
        {7, 2000, 30, 255}, // all black
    };
    std::mt19937 random(11);
    for (const Row& row : rows) {
        const QImage image = Noise(row.width, row.height, row.blackShare, random);
        const std::optional<QByteArray> png = BlackAndWhitePng(image);
        ASSERT_TRUE(png.has_value()) << "row " << row.line;
        EXPECT_EQ(*png, ToolkitPng(image)) << "row " << row.line;
    }
}

TEST(PngEncoder, LabelsAsTheLabelCommandWritesThem)
{
    struct Row {
        int line;
        TBarcodeType kind;
        std::string text;
        int modul;
        TColor barColor;
        bool direct; // black and white, so written by the direct encoder
    } rows[] = {
        {1, bcCodeEAN13, "6212236011840", 1, 0, true},
        {2, bcCode128B, "Quillon 0123456789 ABCDEFGHIJKLMNOPQRSTUVWXYZ", 3, 0, true},
        {3, bcCode39, "WIDE", 20, 0, true},
        {4, bcCodeEAN13, "4006381333931", 1, 0xFF0000, false}, // blue bars: the toolkit's palette image
    };
    for (const Row& row : rows) {
        CliOptions options;
        options.kind = row.kind, options.text = row.text, options.modul = row.modul;
        options.barColor = row.barColor;
        const QImage label = MakeLabelFile(options).image;
        EXPECT_EQ(BlackAndWhitePng(label).has_value(), row.direct) << "row " << row.line;
        EXPECT_EQ(EncodePng(label, "label.png"), ToolkitPng(label)) << "row " << row.line;
    }
}

} // namespace
} // namespace quillon::cli
