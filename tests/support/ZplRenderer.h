// The independent ZPL renderer of the tests: zpl-renderer-js (a wrapper of the Zebrash renderer), run by
// node through tests/zpl/render.cjs, renders every label of a written ZPL file to an image.
#pragma once

#include <QImage>
#include <QProcess>
#include <QStringList>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace quillon::testing {

struct ZplRendering {
    std::vector<QImage> labels{}; // grey, one pixel a printer dot, with a white margin all round
    std::string error{};          // why nothing was rendered
};

// Renders the file at a printer resolution of dpi (203, 300 or 600: 8, 12 or 24 dots a millimetre),
// each label at the ^PW x ^LL size of the file's first label.
inline ZplRendering RenderZpl(const std::string& path, int dpi)
{
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    const std::string zpl = text.str();
    std::smatch width;
    std::smatch height;
    if (!std::regex_search(zpl, width, std::regex(R"(\^PW(\d+))")) ||
        !std::regex_search(zpl, height, std::regex(R"(\^LL(\d+))")))
        return {.error = "no ^PW and ^LL in " + path};
    const double dotsPerMm = dpi == 203 ? 8 : dpi == 300 ? 12 : 24;
    const QString prefix = QString::fromStdString(path) + ".render";
    QProcess node;
    node.start("node", QStringList{QUILLON_ZPL_RENDERER, QString::fromStdString(path),
                                   QString::number(std::stod(width[1]) / dotsPerMm),
                                   QString::number(std::stod(height[1]) / dotsPerMm),
                                   QString::number(dotsPerMm), prefix});
    constexpr int kRenderTimeoutMs = 600'000;
    if (!node.waitForFinished(kRenderTimeoutMs) || node.exitCode() != 0)
        return {.error = "zpl-renderer-js failed (run scripts/setup): " +
                         node.readAllStandardError().toStdString()};
    const int count = node.readAllStandardOutput().trimmed().toInt();
    ZplRendering rendering;
    constexpr int kMarginDots = 40; // the quiet zone a label's bars at its edge lack on a roll
    for (int i = 0; i < count; ++i) {
        const QImage label(prefix + "-" + QString::number(i) + ".png");
        QImage grey(label.width() + 2 * kMarginDots, label.height() + 2 * kMarginDots,
                    QImage::Format_Grayscale8);
        grey.fill(255);
        const QImage source = label.convertToFormat(QImage::Format_Grayscale8);
        for (int y = 0; y < source.height(); ++y)
            std::copy_n(source.constScanLine(y), source.width(),
                        grey.scanLine(y + kMarginDots) + kMarginDots);
        rendering.labels.push_back(grey);
    }
    return rendering;
}

} // namespace quillon::testing
