#include "RecordingCanvas.h"

#include <algorithm>

namespace quillon {

TPolygonPoints::TPolygonPoints(std::span<const TPoint> points) : FSize(points.size())
{
    if (points.size() <= FInline.size())
        std::copy(points.begin(), points.end(), FInline.begin());
    else
        FMore.assign(points.begin(), points.end());
}

bool operator==(const TPolygonPoints& a, const TPolygonPoints& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

void TRecordingCanvas::Polygon(std::span<const TPoint> points)
{
    FCalls.emplace_back(TRecordedPolygon{.Points = TPolygonPoints(points), .Pen = Pen(), .Brush = Brush()});
}

void TRecordingCanvas::TextOut(TPoint topLeft, std::string_view utf8Text)
{
    FCalls.emplace_back(
        TRecordedText{.TopLeft = topLeft, .Text = std::string(utf8Text), .Font = Font(), .Brush = Brush()});
}

void TRecordingCanvas::LineTo(TPoint p)
{
    FCalls.emplace_back(TRecordedLine{.From = PenPos(), .To = p, .Pen = Pen()});
    MoveTo(p);
}

void TRecordingCanvas::Ellipse(TPoint topLeft, TPoint bottomRight)
{
    FCalls.emplace_back(
        TRecordedEllipse{.TopLeft = topLeft, .BottomRight = bottomRight, .Pen = Pen(), .Brush = Brush()});
}

} // namespace quillon
