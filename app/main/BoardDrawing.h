#pragma once
// What the main dialog's floating drawing palette does to the board of the meeting screen. The
// board and its tool bars live in libraries the main dialog does not name; the program sets a
// maker that reaches them (tests set a stand-in). Every call is made on the user-interface thread
// and acts on the board the meeting screen shows; without one it does nothing.
#include <windows.h>

#include <functional>

class IBoardDrawing {
public:
    virtual ~IBoardDrawing() = default;
    // Tools: select and pan; pen, highlighter and eraser (the board and its own tool bar follow);
    // the pointer (the palette's eraser mode).
    virtual void SelectPanTool() = 0;
    virtual void SelectPenTool() = 0;
    virtual void SelectHighlighterTool() = 0;
    virtual void SelectEraserTool() = 0;
    virtual void SelectPointerTool() = 0;
    virtual void SetColor(COLORREF color) = 0;
    virtual void SetThickness(int nWidth) = 0;
    // Line type 1..6 (free line, straight line, check mark, rectangle, rounded rectangle, ellipse).
    virtual void SetLineType(int nLineType) = 0;
    virtual void StepHistory(BOOL bUndo) = 0;
    // Clears this user's drawing on the page shown.
    virtual void ClearCurrentPage() = 0;
};

// The maker of the board access; the main dialog owns what it returns. Not set: no board access.
void SetBoardDrawingMaker(std::function<IBoardDrawing*()> maker);
IBoardDrawing* MakeBoardDrawing();
