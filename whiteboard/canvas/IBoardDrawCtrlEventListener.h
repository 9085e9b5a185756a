#pragma once
// What the drawing canvas reports to the board layer that owns it. The slot order is fixed: the
// meeting screen's other panels call the board through the same table.
class IBoardDrawCtrlEventListener {
public:
    virtual ~IBoardDrawCtrlEventListener() = default;
    // Slot 0: the view moved or zoomed (zoom 0 while a fit mode is active); origin is the page
    // point at the centre of the canvas.
    virtual void OnZoomChanged(float zoom, int originX, int originY) = 0;
    // Slot 1: the laser pointer moved to a page point, or left the page (-1, -1).
    virtual void OnPointer(int x, int y, int color, int size, int shape) = 0;
};
