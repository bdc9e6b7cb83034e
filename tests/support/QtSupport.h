// Test support for Qt-based tests: images as the decoder takes them, the dark runs along a row of an
// image, pictures that show any change, whole files read and written, and waiting with the event loop
// running.
#pragma once

#include <QByteArray>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QString>
#include <QTimer>
#include <vector>

#include "tests/support/PatternDecoder.h"

namespace quillon::testing {

// An image as the decoder takes it: 8-bit grey, row by row.
inline GreyImage ToGrey(const QImage& image)
{
    const QImage grey8 = image.convertToFormat(QImage::Format_Grayscale8);
    GreyImage grey{.width = grey8.width(), .height = grey8.height(), .pixels = {}};
    for (int y = 0; y < grey8.height(); ++y)
        grey.pixels.insert(grey.pixels.end(), grey8.constScanLine(y), grey8.constScanLine(y) + grey8.width());
    return grey;
}

struct TRun {
    int Start = 0;
    int Length = 0;
};

// The dark runs (bars, ticks) along pixel row y, left to right.
inline std::vector<TRun> DarkRuns(const QImage& image, int y)
{
    std::vector<TRun> runs;
    for (int x = 0; x < image.width(); ++x) {
        if (qGray(image.pixel(x, y)) >= 128)
            continue;
        if (!runs.empty() && runs.back().Start + runs.back().Length == x)
            ++runs.back().Length;
        else
            runs.push_back({x, 1});
    }
    return runs;
}

// A picture whose pixels all differ from their neighbours, so that any change to a stored copy shows.
inline QImage NoiseImage(int width, int height, quint32 seed, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, seed = seed * 1664525u + 1013904223u); // Numerical Recipes LCG
    return image.convertToFormat(format);
}

inline QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

inline bool WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// Lets the event loop run for `ms` milliseconds, so that timers (such as a delayed save) fire.
inline void Wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace quillon::testing
