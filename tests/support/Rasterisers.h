// Test support: a written PDF drawn by independent rasterisers (Ghostscript, poppler, mupdf) at a
// printer's resolution, and the pixels read by two independent decoders (ZXing-cpp in process, zbar's
// zbarimg over many images in one call).
#pragma once

#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QRect>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <ZXing/ReadBarcode.h>
#include <algorithm>
#include <array>
#include <map>
#include <regex>
#include <string>
#include <vector>

namespace quillon::testing {

struct TRasteriser {
    const char* Name;
    const char* Program;
    bool AntiAliased; // its grey edges place a line to a fraction of a dot
};

// How printers' drivers and viewers draw a page: Ghostscript's one-bit device, poppler's one-bit and
// its grey without smoothing, and mupdf's grey with its own smoothing.
constexpr std::array kRasterisers = {
    TRasteriser{.Name = "ghostscript-pngmono", .Program = "gs", .AntiAliased = false},
    TRasteriser{.Name = "poppler-mono", .Program = "pdftoppm", .AntiAliased = false},
    TRasteriser{.Name = "poppler-grey", .Program = "pdftoppm", .AntiAliased = false},
    TRasteriser{.Name = "mupdf-grey", .Program = "mutool", .AntiAliased = true},
};

// The first of the programs that this machine lacks, or empty when it has them all.
inline QString MissingProgram(const QStringList& programs)
{
    for (const QString& program : programs)
        if (QStandardPaths::findExecutable(program).isEmpty())
            return program;
    return {};
}

inline QStringList RasteriserArguments(const TRasteriser& rasteriser, const QString& pdf, int dpi,
                                       const QString& prefix)
{
    const QString resolution = QString::number(dpi);
    const std::string name = rasteriser.Name;
    if (name == "ghostscript-pngmono")
        return {"-q",
                "-dSAFER",
                "-dBATCH",
                "-dNOPAUSE",
                "-sDEVICE=pngmono",
                "-r" + resolution,
                "-o",
                prefix + "-%03d.png",
                pdf};
    if (name == "poppler-mono")
        return {"-mono", "-r", resolution, pdf, prefix};
    if (name == "poppler-grey")
        return {"-gray", "-aa", "no", "-aaVector", "no", "-r", resolution, pdf, prefix};
    return {"draw", "-q", "-r", resolution, "-c", "gray", "-o", prefix + "-%03d.png", pdf};
}

// The pages each rasteriser draws of the PDF, as 8-bit grey, in the order of kRasterisers; the four run
// side by side. A rasteriser that fails draws no pages.
inline std::vector<std::vector<QImage>> RasterisePdf(const QString& pdf, int dpi, const QString& workDir)
{
    std::vector<std::unique_ptr<QProcess>> processes;
    QStringList prefixes;
    for (const TRasteriser& rasteriser : kRasterisers) {
        const QString prefix = QDir(workDir).filePath(rasteriser.Name);
        prefixes << prefix;
        auto& process = processes.emplace_back(std::make_unique<QProcess>());
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(rasteriser.Program, RasteriserArguments(rasteriser, pdf, dpi, prefix));
    }
    constexpr int kRasterTimeoutMs = 240'000;
    QImageReader::setAllocationLimit(1024); // MB: an A4 page at 600 dpi is read as 140 MB
    std::vector<std::vector<QImage>> pages(kRasterisers.size());
    for (std::size_t i = 0; i < processes.size(); ++i) {
        if (!processes[i]->waitForFinished(kRasterTimeoutMs) || processes[i]->exitCode() != 0)
            continue;
        const QFileInfo prefix(prefixes[i]);
        for (const QString& name :
             QDir(prefix.path()).entryList({prefix.fileName() + "-*"}, QDir::Files, QDir::Name))
            pages[i].push_back(
                QImage(prefix.dir().filePath(name)).convertToFormat(QImage::Format_Grayscale8));
    }
    return pages;
}

constexpr int kHalfReflectance = 128;

inline bool Dark(const QImage& grey, int x, int y)
{
    return grey.constScanLine(y)[x] < kHalfReflectance;
}

// The dark pixels inside an area of a grey page, as a box; empty when it is blank.
inline QRect InkIn(const QImage& grey, const QRect& area)
{
    const QRect inside = area.intersected(grey.rect());
    int left = inside.right() + 1, right = inside.left() - 1, top = inside.bottom() + 1,
        bottom = inside.top() - 1;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        const uchar* line = grey.constScanLine(y);
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (line[x] >= kHalfReflectance)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    return left > right ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// Each label's ink with half the white to its neighbours' ink (all of it towards the paper's edge):
// what a scanner held over that label sees, its quiet zones wherever the label put them and no part of
// another label. `inks` are the labels' ink boxes; an empty one gets an empty cut.
inline std::vector<QRect> ScannerCuts(const QRect& page, const std::vector<QRect>& inks)
{
    std::vector<QRect> cuts;
    for (std::size_t i = 0; i < inks.size(); ++i) {
        if (inks[i].isEmpty()) {
            cuts.emplace_back();
            continue;
        }
        int left = page.left(), right = page.right(), top = page.top(), bottom = page.bottom();
        for (std::size_t j = 0; j < inks.size(); ++j) {
            const QRect& other = inks[j];
            if (j == i || other.isEmpty())
                continue;
            const bool sameRow = other.bottom() >= inks[i].top() && other.top() <= inks[i].bottom();
            const bool sameColumn = other.right() >= inks[i].left() && other.left() <= inks[i].right();
            if (sameRow && other.right() < inks[i].left())
                left = std::max(left, (other.right() + inks[i].left()) / 2 + 1);
            if (sameRow && other.left() > inks[i].right())
                right = std::min(right, (inks[i].right() + other.left()) / 2);
            if (sameColumn && other.bottom() < inks[i].top())
                top = std::max(top, (other.bottom() + inks[i].top()) / 2 + 1);
            if (sameColumn && other.top() > inks[i].bottom())
                bottom = std::min(bottom, (inks[i].bottom() + other.top()) / 2);
        }
        cuts.emplace_back(QPoint(left, top), QPoint(right, bottom));
    }
    return cuts;
}

struct TZxingReading {
    std::string Text;
    std::string Format;
};

// The symbol ZXing-cpp finds in a grey image, any kind it knows, as a scanner with every symbology on;
// empty when it finds none. (ZXing-cpp 1.4's ReadBarcodes asserts on two readings of one linear symbol
// along different lines, so the first reading is the one taken.)
inline std::vector<TZxingReading> ReadWithZxing(const QImage& grey)
{
    const ZXing::ImageView view(grey.constBits(), grey.width(), grey.height(), ZXing::ImageFormat::Lum,
                                static_cast<int>(grey.bytesPerLine()));
    ZXing::DecodeHints hints;
    hints.setTryHarder(true);
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    if (!result.isValid())
        return {};
    return {{.Text = result.text(), .Format = ZXing::ToString(result.format())}};
}

// What zbar reads in each image, by file path, all images in one run of zbarimg. An image in which zbar
// finds nothing has no entry.
inline std::map<QString, std::vector<std::string>> ReadWithZbar(const QStringList& images)
{
    std::map<QString, std::vector<std::string>> readings;
    if (images.isEmpty())
        return readings;
    QProcess zbar;
    zbar.start("zbarimg", QStringList{"--xml", "-q"} + images);
    constexpr int kZbarTimeoutMs = 240'000;
    zbar.waitForFinished(kZbarTimeoutMs);
    const std::string xml = zbar.readAllStandardOutput().toStdString();
    static const std::regex item(R"(<source href='([^']*)'>|<data><!\[CDATA\[([\s\S]*?)\]\]></data>)");
    QString source;
    for (auto match = std::sregex_iterator(xml.begin(), xml.end(), item); match != std::sregex_iterator();
         ++match) {
        if ((*match)[1].matched)
            source = QString::fromStdString((*match)[1].str());
        else
            readings[source].push_back((*match)[2].str());
    }
    return readings;
}

} // namespace quillon::testing
