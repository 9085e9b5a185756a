#pragma once
// CPenCanvas: a small drawing surface over a rectangle of another window (the signature area of
// the approval dialog, the content of a sticky note). Not a window: its owner forwards the mouse
// and asks it to paint. It turns mouse paths into figures kept in a pointer list, erases them with
// a 10 x 10 box, posts WM_USER+1027 (1, 0) to the owner whenever its strokes change, and writes
// them as an SVG document or a PNG picture.
#include <windows.h>
#include <gdiplus.h>

#include "platform/CString.h"
#include "platform/List.h"
#include "platform/Wnd.h"

class CMMFigure;

// The floating drawing palette as the canvases see it: where the pen comes from when the palette
// option is set, and the undo and redo buttons that show the board's history.
class IPenPalette {
public:
    virtual ~IPenPalette() = default;
    virtual int GetToolMode() = 0;   // 0 move, 1 pen, 2 highlighter, 3 eraser
    virtual int GetColor() = 0;
    virtual int GetThickness() = 0;
    virtual int GetLineType() = 0;   // 1-6: the figure type plus one
    virtual void EnableUndoRedo(BOOL undo, BOOL redo) = 0;
    // The palette shows its tool again and announces it (pen input on: the pen at least), so a
    // board whose tools were reset draws with what the palette shows.
    virtual void ApplyCurrent(BOOL penInput) = 0;
};

#define WM_PEN_CANVAS_CHANGED (WM_USER + 1027)

class CPenCanvas {
public:
    CPenCanvas(CWnd* pOwner, const RECT& rc);
    ~CPenCanvas();
    CPenCanvas(const CPenCanvas&) = delete;
    CPenCanvas& operator=(const CPenCanvas&) = delete;

    void SetPaletteOption(int flag) { m_bPaletteOption = flag; }
    void SetPalette(IPenPalette* pPalette) { m_pPalette = pPalette; }
    // Draw into another list (of CMMFigure*), or the canvas' own for null. The canvas deletes the
    // strokes of whatever list it points at when it goes: point it back first.
    void SetStrokeList(CPtrList* pList) { m_pStrokes = pList ? pList : &m_ownStrokes; }
    CPtrList* GetStrokeList() const { return m_pStrokes; }
    void Resize(const RECT& rc);
    const RECT& GetRect() const { return m_rc; }

    void OnLButtonDown(POINT point);
    void OnMouseMove(POINT point);
    void OnLButtonUp(POINT point);
    // Paints the strokes over what the owner has painted under the rectangle.
    void Draw(CDC* pDC);

    BOOL HasStrokes() const { return !m_pStrokes->IsEmpty(); }
    BOOL IsModified() const { return m_bModified; }
    // Deletes every stroke and empties the list; FALSE when it was empty. Clears the modified flag.
    BOOL Clear();
    void RemoveAllStrokes();
    CString ToSvg(const CPtrList& strokes) const;
    // Writes the last painted picture of the rectangle as a PNG; 0 on success, else the image
    // library's status.
    int SaveAsPng(const CString& path) const;

private:
    void CreateBuffer();
    void ReleaseBuffer();
    void ShowOverMemory(const CMMFigure* figure, const RECT* eraser);
    void EraseAt(POINT relative);
    void Notify();

    CWnd* m_pOwner;
    RECT m_rc;
    HDC m_memDC = nullptr;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOldBitmap = nullptr;
    CMMFigure* m_pCurrent = nullptr;
    CPtrList m_ownStrokes{10};
    CPtrList* m_pStrokes;
    POINT m_ptStart = {0, 0};
    POINT m_ptLast = {0, 0};
    int m_bDrawing = 0;
    int m_bPaletteOption = 0;
    IPenPalette* m_pPalette = nullptr;
    int m_bModified = 0;
    int m_nTool = 1;
    int m_nColor = 0, m_nWidth = 2, m_nFigureType = 0;
    float m_fOpacity = 1.0f;
};
