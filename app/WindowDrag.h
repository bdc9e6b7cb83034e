// Moving the frameless main window by dragging its painted surfaces.
#pragma once

#include <QPoint>
#include <cstdint>

namespace quillon {

// The press point is kept in the pressed control's own coordinates; a stored x of 0 means that
// no drag is under way, so a press at x = 0 leaves the next press free to overwrite it.
class TWindowDrag {
public:
    std::int32_t DragStartX() const { return FDragStartX; }
    std::int32_t DragStartY() const { return FDragStartY; }

    // Any mouse button: remembers the press point unless a drag is already under way.
    void Press(int x, int y);
    // The window's new top-left corner for a pointer at (x, y) in the pressed control's
    // coordinates, so that the grabbed point stays under the pointer; the window stays where it is
    // unless the left button is held.
    QPoint Move(bool leftButtonDown, int x, int y, QPoint windowTopLeft) const;
    // Any mouse button: the drag ends.
    void Release();

private:
    std::int32_t FDragStartX = 0;
    std::int32_t FDragStartY = 0;
};

} // namespace quillon
