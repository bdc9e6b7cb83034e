#include "WindowDrag.h"

#include <algorithm>
#include <limits>

namespace quillon {
namespace {

// edge + pointer - start, worked out in 64 bits and kept inside the int range, so that a wild
// pointer position cannot overflow.
int Follow(int edge, int pointer, std::int32_t start)
{
    const std::int64_t moved = std::int64_t{edge} + pointer - start;
    return static_cast<int>(
        std::clamp<std::int64_t>(moved, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

} // namespace

void TWindowDrag::Press(int x, int y)
{
    if (FDragStartX != 0)
        return;
    FDragStartX = x;
    FDragStartY = y;
}

QPoint TWindowDrag::Move(bool leftButtonDown, int x, int y, QPoint windowTopLeft) const
{
    if (!leftButtonDown)
        return windowTopLeft;
    return {Follow(windowTopLeft.x(), x, FDragStartX), Follow(windowTopLeft.y(), y, FDragStartY)};
}

void TWindowDrag::Release()
{
    FDragStartX = 0;
    FDragStartY = 0;
}

} // namespace quillon
