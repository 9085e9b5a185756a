#pragma once
// The bars that live over the canvas and that the canvas shows, hides and lays out: the drawing
// tool bar in its bottom-right corner and the presenter's banner and toolbar of the full view.
// Their classes live in a library above the canvas; the board makes them with the program's
// makers and hands them over. Every call is made on the user-interface thread.
#include <windows.h>

#include "platform/CString.h"

class CWnd;

// The drawing tool bar as the canvas drives it.
class ICanvasToolBar {
public:
    virtual ~ICanvasToolBar() = default;
    virtual CWnd* GetBarWnd() = 0;
    virtual void Reset() = 0;
    // Lays the bar out for a sub-panel; raised: the presenter toolbar is open below it.
    virtual void LayoutPanel(int panel, int raised) = 0;
    virtual int GetPanel() = 0;
};

// The mini-map at the canvas' bottom-right corner while the page is panned.
class ICanvasNavigator {
public:
    virtual ~ICanvasNavigator() = default;
    // Shows the map (at the canvas' corner) with the part of the page the canvas shows.
    virtual void ShowView() = 0;
    virtual void HideView() = 0;
    virtual BOOL IsViewShown() = 0;
};

// The presenter's banner along the canvas' top edge and his toolbar along its bottom edge. They
// slide open and closed together.
class IPresenterBars {
public:
    static const int kHeight = 34;

    virtual ~IPresenterBars() = default;
    // Both slide open to the height, or closed (at once: hidden without sliding).
    virtual void SlideOpen(int height) = 0;
    virtual void SlideClosed(BOOL atOnce) = 0;
    // The banner's height now (0 closed, kHeight open).
    virtual int GetOpenHeight() = 0;
    // The canvas was resized: the banner keeps the top edge, the toolbar the bottom edge.
    virtual void Place(int cx, int cy) = 0;
    virtual void SetBannerText(const CString& text) = 0;
    // Between documents: the toolbar's navigation and tools back to their start.
    virtual void Reset() = 0;
    // What the board tells the full view's toolbar: the shown page of the total, the open
    // document among the meeting's, the tool in use (0 pan, 1 pen, 2 highlighter, 3 pointer,
    // 4 eraser, 5 memo) and whether the board takes input.
    virtual void SetPage(int current, int total) = 0;
    virtual void SetDocuments(int index, int count) = 0;
    virtual void SelectTool(int tool) = 0;
    virtual void EnableBars(BOOL enable) = 0;
    // The board's sharing started (1) or ended (0).
    virtual void SetShareState(int share) = 0;
};
