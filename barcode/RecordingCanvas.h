// TRecordingCanvas: a canvas that draws nothing and records every drawing call with the state it used.
#pragma once

#include <array>
#include <initializer_list>
#include <span>
#include <utility>
#include <variant>
#include <vector>

#include "Canvas.h"

namespace quillon {

// A polygon's corners. A bar's four stay inside the call: a sheet records millions of bars, and a heap
// block for each was a tenth of a bulk sheet's time.
class TPolygonPoints {
public:
    TPolygonPoints() = default;
    TPolygonPoints(std::initializer_list<TPoint> points)
        : TPolygonPoints(std::span(points.begin(), points.size()))
    {
    }
    explicit TPolygonPoints(std::span<const TPoint> points);

    const TPoint* begin() const { return FMore.empty() ? FInline.data() : FMore.data(); }
    const TPoint* end() const { return begin() + FSize; }
    std::size_t size() const { return FSize; }
    bool empty() const { return FSize == 0; }
    const TPoint& operator[](std::size_t i) const { return begin()[i]; }
    friend bool operator==(const TPolygonPoints& a, const TPolygonPoints& b);

private:
    std::array<TPoint, 4> FInline{};
    std::vector<TPoint> FMore{};
    std::size_t FSize = 0;
};

struct TRecordedPolygon {
    TPolygonPoints Points;
    TPen Pen;
    TBrush Brush;
};

struct TRecordedText {
    TPoint TopLeft;
    std::string Text;
    TFont Font;
    TBrush Brush;
};

struct TRecordedLine {
    TPoint From;
    TPoint To;
    TPen Pen;
};

struct TRecordedEllipse {
    TPoint TopLeft;
    TPoint BottomRight;
    TPen Pen;
    TBrush Brush;
};

using TRecordedCall = std::variant<TRecordedPolygon, TRecordedText, TRecordedLine, TRecordedEllipse>;

class TRecordingCanvas : public TCanvas {
public:
    void Polygon(std::span<const TPoint> points) override;
    void TextOut(TPoint topLeft, std::string_view utf8Text) override;
    void LineTo(TPoint p) override;
    void Ellipse(TPoint topLeft, TPoint bottomRight) override;

    // Every drawing call in order.
    const std::vector<TRecordedCall>& Calls() const { return FCalls; }
    // The calls handed over, leaving the canvas empty: a label's drawing keeps them without a copy.
    std::vector<TRecordedCall> TakeCalls() { return std::exchange(FCalls, {}); }
    // The calls of one kind, in order.
    std::vector<TRecordedPolygon> Polygons() const { return Only<TRecordedPolygon>(); }
    std::vector<TRecordedText> Texts() const { return Only<TRecordedText>(); }
    std::vector<TRecordedLine> Lines() const { return Only<TRecordedLine>(); }
    std::vector<TRecordedEllipse> Ellipses() const { return Only<TRecordedEllipse>(); }
    void Clear() { FCalls.clear(); }

private:
    template <class T> std::vector<T> Only() const
    {
        std::vector<T> result;
        for (const TRecordedCall& call : FCalls)
            if (const T* item = std::get_if<T>(&call))
                result.push_back(*item);
        return result;
    }

    std::vector<TRecordedCall> FCalls;
};

} // namespace quillon
