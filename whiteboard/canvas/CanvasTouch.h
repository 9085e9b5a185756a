#pragma once
// The canvas' rules for pen and finger input, without a window: where a mouse message came from,
// which drawing mode the palette gives the pen, what a finger does while the pen draws (it pans,
// and a quick horizontal flick turns the page), and which finger moves a stroke takes (every few
// moves, and only past a small trembling). The canvas feeds it its input and acts on the answers.
#include <windows.h>

// Where a mouse message came from.
enum { kMouseFromTouch = 2, kMouseFromPen = 3, kMouseFromMouse = 4 };

// The pointer kind the canvas keeps: none (mouse), a finger or a pen.
enum { kPointerNone = 0, kPointerTouch = 2, kPointerPen = 3 };

class CCanvasTouch {
public:
    // A flick: at most this long from the finger's touch down, and farther than this sideways.
    static const DWORD kFlickMs = 300;
    static const int kFlickDistance = 80;

    // By the message's extra information: the pen and touch signature with its touch bit means a
    // finger, without it a pen; anything else is the mouse.
    static int MouseEventSource(ULONG_PTR extraInfo);
    // The canvas mode the palette gives the pen: 0 without pen input, 11 for the eraser, else by
    // the line type 1..6 (free line, line, check mark, rectangle, rounded rectangle, ellipse).
    static int PaletteMode(BOOL penInput, int tool, int lineType);
    // The page turn a finger flick asks for (timer 4001 next, 4002 previous, 0 none): a flick to
    // the left needs the page's right edge inside the canvas, one to the right its left edge.
    static UINT_PTR FlickTimer(int direction, const RECT& page, int clientWidth);

    // Touch move skipping and trembling: the first of every (skip + 1) moves is looked at, and
    // taken when it moved more than 'trembling' pixels on an axis.
    void SetSensitivity(int skip, int trembling)
    {
        m_nSensitive = skip < 0 ? 0 : skip;
        m_nTrembling = trembling < 0 ? 0 : trembling;
    }
    int PointerType() const { return m_nPointerType; }
    void SetPointerType(int type) { m_nPointerType = type; }
    BOOL IsMultiTouch() const { return m_bMultiTouch; }

    // Pen input (the setting and the palette's pen mode on). Each returns FALSE when the point is
    // refused (it then goes on as ordinary input); mode is the canvas' mode, changed in place.
    // A pen contact draws with the palette's mode, a lone finger pans.
    BOOL PenInputDown(int count, BOOL pen, POINT point, DWORD now, int paletteMode, int& mode);
    // A lone finger whose touch down was not seen (it came from the pen) takes the palette's mode
    // again; while several fingers are down only panning takes them.
    BOOL PenInputMove(int count, int paletteMode, int& mode);
    // flickTimer: the page turn of a quick lone finger (FlickTimer's timers), 0 otherwise.
    BOOL PenInputUp(int count, POINT point, DWORD now, int mode, UINT_PTR& flickTimer);

    // A free-line stroke by finger starts where the finger went down (a finger resting there
    // draws nothing); whether a move point goes into it.
    void StartStroke(POINT down) { m_ptLast = down; m_nSkip = 0; }
    BOOL TakeStrokePoint(POINT point) { return TakePoint(point, m_nTrembling); }
    // A pinch step: the same skipping, and an unchanged point ends it.
    BOOL TakeZoomPoint(POINT point) { return TakePoint(point, -1); }

private:
    // The skip count; TRUE when this move is to be looked at.
    BOOL PassSkip();
    // trembling -1: any changed point is taken.
    BOOL TakePoint(POINT point, int trembling);

    int m_nPointerType = kPointerNone;
    BOOL m_bMultiTouch = FALSE;
    BOOL m_bTouchDown = FALSE;
    DWORD m_dwTouchDownTick = 0;
    POINT m_ptTouchDown = {0, 0};
    int m_nSensitive = 5;
    int m_nTrembling = 3;
    int m_nSkip = 0;
    POINT m_ptLast = {-1, -1};
};
