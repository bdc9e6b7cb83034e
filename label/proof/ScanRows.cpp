#include "label/proof/ScanRows.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <algorithm>
#include <cmath>

namespace quillon {
namespace {

// Where a line across an outline of straight edges at height y lies inside it, by its fill rule, as
// pairs of left and right ends in `spans`; `crossings` is room to work in.
void InsideSpans(const QPainterPath& outline, double y, std::vector<std::pair<double, int>>& crossings,
                 std::vector<std::pair<double, double>>& spans)
{
    crossings.clear();
    spans.clear();
    const auto cross = [&](QPointF a, QPointF b) {
        if ((a.y() <= y) != (b.y() <= y))
            crossings.emplace_back(a.x() + (y - a.y()) * (b.x() - a.x()) / (b.y() - a.y()),
                                   b.y() > a.y() ? 1 : -1);
    };
    QPointF start;
    QPointF last;
    for (int i = 0; i < outline.elementCount(); ++i) {
        const QPainterPath::Element element = outline.elementAt(i);
        const QPointF point(element.x, element.y);
        if (element.isMoveTo()) {
            cross(last, start); // each figure closes on its start
            start = point;
        } else {
            cross(last, point);
        }
        last = point;
    }
    cross(last, start);
    std::ranges::sort(crossings);
    const bool winding = outline.fillRule() == Qt::WindingFill;
    const auto inside = [winding](int turns) { return winding ? turns != 0 : (turns & 1) != 0; };
    int turns = 0;
    double from = 0.0;
    for (const auto& [x, direction] : crossings) {
        const bool was = inside(turns);
        turns += direction;
        if (!was && inside(turns))
            from = x;
        else if (was && !inside(turns))
            spans.emplace_back(from, x);
    }
}

} // namespace

// Only this image, painted plainly with its coordinates on whole pixels, and only a clip of lines: an
// area the toolkit fills as fast.
bool TScanRowInk::Takes(const QPainter& painter, const QRegion& clip)
{
    FPieces.clear();
    FRows.clear();
    const QTransform& toDevice = painter.deviceTransform();
    if (clip.isEmpty() || painter.device() != &FImage || toDevice.type() > QTransform::TxTranslate ||
        toDevice.dx() != std::round(toDevice.dx()) || toDevice.dy() != std::round(toDevice.dy()) ||
        painter.compositionMode() != QPainter::CompositionMode_SourceOver || painter.opacity() != 1.0)
        return false;
    const QImage::Format format = FImage.format();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
        format != QImage::Format_ARGB32_Premultiplied)
        return false;
    FToDevice = QPoint(static_cast<int>(toDevice.dx()), static_cast<int>(toDevice.dy()));
    for (const QRect& rect : clip.translated(FToDevice)) {
        const QRect shown = rect.intersected(FImage.rect());
        for (int y = shown.top(); y <= shown.bottom(); ++y)
            FPieces.emplace_back(shown.left(), y, shown.width(), 1);
    }
    std::ranges::sort(FPieces, [](const QRect& a, const QRect& b) {
        return std::pair(a.top(), a.left()) < std::pair(b.top(), b.left());
    });
    for (const QRect& piece : FPieces)
        if (FRows.empty() || FRows.back() != piece.top() - FToDevice.y())
            FRows.push_back(piece.top() - FToDevice.y());
    if (static_cast<int>(FRows.size()) >= clip.boundingRect().height()) {
        FPieces.clear();
        FRows.clear();
        return false;
    }
    return true;
}

void TScanRowInk::FillRect(const QRect& pixels, QRgb ink)
{
    Fill(pixels.left(), pixels.top(), pixels.right() + 1, pixels.bottom() + 1, ink);
}

// Every dot of the shown rows whose centre lies inside the glyph: filling all of it, to show a few of
// its rows, would cost most of a proof.
void TScanRowInk::FillOutline(const QPainterPath& outline, QPointF pen, QRgb ink)
{
    const QRectF box = outline.boundingRect().translated(pen);
    for (const int row : RowsFrom(box.top())) {
        if (row >= box.bottom())
            break;
        InsideSpans(outline, row + 0.5 - pen.y(), FCrossings, FSpans);
        for (const auto& [from, to] : FSpans)
            Fill(static_cast<int>(std::ceil(pen.x() + from - 0.5)), row,
                 static_cast<int>(std::ceil(pen.x() + to - 0.5)), row + 1, ink);
    }
}

std::span<const int> TScanRowInk::RowsFrom(double top) const
{
    const auto first = std::ranges::lower_bound(FRows, static_cast<int>(std::floor(top)));
    return {first, FRows.end()};
}

void TScanRowInk::Fill(int left, int top, int right, int bottom, QRgb ink)
{
    const QRect area = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)).translated(FToDevice);
    const auto first = std::ranges::lower_bound(FPieces, area.top(), {}, &QRect::top);
    for (auto piece = first; piece != FPieces.end() && piece->top() <= area.bottom(); ++piece) {
        const int from = std::max(area.left(), piece->left());
        const int to = std::min(area.right(), piece->right()) + 1;
        if (to > from) {
            auto* line = reinterpret_cast<QRgb*>(FImage.scanLine(piece->top()));
            std::fill(line + from, line + to, ink);
        }
    }
}

} // namespace quillon
