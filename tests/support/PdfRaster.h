// Test support: the pages of a PDF rendered back by poppler's pdftoppm, in grey or in black and white
// as a printer driver dithers them.
#pragma once

#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace quillon::testing {

enum class TRaster : std::uint8_t { Grey, Mono };

inline bool HavePdftoppm()
{
    return !QStandardPaths::findExecutable("pdftoppm").isEmpty();
}

inline std::vector<QImage> RenderPdf(const QString& pdf, int dpi, TRaster raster = TRaster::Grey)
{
    QTemporaryDir dir;
    const QString mode = raster == TRaster::Mono ? "-mono" : "-gray";
    QProcess::execute("pdftoppm", {mode, "-r", QString::number(dpi), pdf, dir.filePath("page")});
    QImageReader::setAllocationLimit(512); // MB: an A4 page at 600 dpi is read as 140 MB
    std::vector<QImage> pages;
    for (const QString& name : QDir(dir.path()).entryList({"page-*"}, QDir::Files, QDir::Name))
        pages.emplace_back(dir.filePath(name));
    return pages;
}

// Pixels plainly ink in one grey picture and paper in the other, with no edge of both within a dot: a
// bar or a glyph more than a dot from where the other puts it. Smoothed edges, partly inked, agree.
inline int FarDifferences(const QImage& a, const QImage& b)
{
    const auto ink = [](const QImage& image, int x, int y) { return image.constScanLine(y)[x] < 128; };
    const auto nearEdge = [&](const QImage& image, int x, int y) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (image.rect().contains(x + dx, y + dy) && ink(image, x + dx, y + dy) != ink(image, x, y))
                    return true;
        return false;
    };
    // Where one page is a dot larger (paper rounded otherwise), only the part both cover is compared.
    int far = 0;
    for (int y = 0; y < std::min(a.height(), b.height()); ++y)
        for (int x = 0; x < std::min(a.width(), b.width()); ++x)
            far += std::abs(a.constScanLine(y)[x] - b.constScanLine(y)[x]) > 192 &&
                   !(nearEdge(a, x, y) && nearEdge(b, x, y));
    return far;
}

} // namespace quillon::testing
