#pragma once
// What the drawing tool bar asks of the canvas, in fixed slot order.
#include <windows.h>

class IDrawToolCtrlEventListener {
public:
    virtual ~IDrawToolCtrlEventListener() = default;
    virtual void OnRedo() = 0;                                // 0
    virtual void OnUndo() = 0;                                // 1
    virtual void OnPenMode() = 0;                             // 2
    virtual void OnHighlighterMode() = 0;                     // 3
    virtual void OnPointerMode() = 0;                         // 4
    virtual void OnClearPanel() = 0;                          // 5
    virtual void OnLineWidth(int width) = 0;                  // 6
    virtual void OnLineColor(int index, COLORREF color) = 0;  // 7
    virtual void OnPointerSize(int size) = 0;                 // 8
    virtual void OnFreeLineMode() = 0;                        // 9
    virtual void OnShapeMode6() = 0;                          // 10 straight line
    virtual void OnShapeMode7() = 0;                          // 11 check mark
    virtual void OnShapeMode8() = 0;                          // 12 rectangle
    virtual void OnShapeMode9() = 0;                          // 13 rounded rectangle
    virtual void OnShapeMode10() = 0;                         // 14 ellipse
};
