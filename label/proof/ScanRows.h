// The proof's own renderer of scan rows: a proof reads a cell on a few rows of its image, so it fills
// the bars and glyph outlines of a label on those rows alone, straight into the image, while the
// painter replay keeps everything else.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <span>
#include <utility>
#include <vector>

#include "label/render/LabelPainter.h"

namespace quillon {

class TScanRowInk final : public TInkRows {
public:
    // Fills rows of `image`, which must outlive it, when a label is painted on it.
    explicit TScanRowInk(QImage& image) : FImage(image) {}

    bool Takes(const QPainter& painter, const QRegion& clip) override;
    void FillRect(const QRect& pixels, QRgb ink) override;
    void FillOutline(const QPainterPath& outline, QPointF pen, QRgb ink) override;

private:
    // The rows shown, in the painter's coordinates, from the first at or below `top`.
    std::span<const int> RowsFrom(double top) const;
    void Fill(int left, int top, int right, int bottom, QRgb ink);

    QImage& FImage;
    QPoint FToDevice{};
    std::vector<QRect> FPieces{}; // one row high, by row and from the left, in pixels of the image
    std::vector<int> FRows{};     // the rows of the pieces, each once, in the painter's coordinates
    std::vector<std::pair<double, int>> FCrossings{};
    std::vector<std::pair<double, double>> FSpans{};
};

} // namespace quillon
