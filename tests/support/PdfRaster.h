// Test support: the pages of a PDF rendered back by poppler's pdftoppm, in grey or in black and white
// as a printer driver dithers them.
#pragma once

#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdint>
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

} // namespace quillon::testing
