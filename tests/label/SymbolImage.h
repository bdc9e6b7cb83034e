// Test support: a module grid drawn as a printer would, with the kind's quiet zones, to read it back.
#pragma once

#include <QImage>
#include <cmath>

#include "label/proof/MatrixReader.h"

namespace quillon::testing {

// Modules of `modulePixels` square pixels (rows as tall as their heights in modules), black on white.
inline QImage DrawGrid(const TModuleGrid& grid, const TSymbolKindInfo& info, int modulePixels)
{
    double height = 0;
    for (const double rowHeight : grid.RowHeights)
        height += std::round(rowHeight * modulePixels);
    QImage image((grid.Columns + 2 * info.QuietModulesX) * modulePixels,
                 static_cast<int>(height) + 2 * info.QuietModulesY * modulePixels, QImage::Format_Grayscale8);
    image.fill(255);
    int top = info.QuietModulesY * modulePixels;
    for (int row = 0; row < grid.Rows; ++row) {
        const int rowPixels = static_cast<int>(std::round(grid.RowHeights[row] * modulePixels));
        for (int column = 0; column < grid.Columns; ++column)
            for (int y = top; y < top + rowPixels && grid.IsDark(row, column); ++y)
                for (int x = 0; x < modulePixels; ++x)
                    image.scanLine(y)[(info.QuietModulesX + column) * modulePixels + x] = 0;
        top += rowPixels;
    }
    return image;
}

inline TGreyView GreyViewOf(const QImage& grey8)
{
    return {.Pixels = grey8.constBits(),
            .Width = grey8.width(),
            .Height = grey8.height(),
            .BytesPerLine = static_cast<int>(grey8.bytesPerLine())};
}

} // namespace quillon::testing
