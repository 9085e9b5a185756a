#pragma once
// What the board's option bar (and the presenter tool bar, through the canvas) asks of the board
// layer, in fixed slot order.
#include <windows.h>

class IBoardOptCtrlEventListener {
public:
    virtual ~IBoardOptCtrlEventListener() = default;
    virtual void OnPrevPage() = 0;                              // 0
    virtual void OnNextPage() = 0;                              // 1
    virtual void OnOpenDocument(WPARAM wParam, LPARAM lParam) = 0;  // 2
    virtual void OnSliderPage(int percent) = 0;                 // 3
    virtual void OnSliderPreview(int percent) = 0;              // 4
    virtual void OnStickyNote() = 0;                            // 5
    virtual void OnMemoTool() = 0;                              // 6
    virtual void OnPenTool() = 0;                               // 7
    virtual void OnEraserTool() = 0;                            // 8
    virtual void OnHighlighterTool() = 0;                       // 9
    virtual void OnPointerTool() = 0;                           // 10
    virtual void OnPanTool() = 0;                               // 11
    virtual void OnStartMeeting() = 0;                          // 12
    virtual void OnEndMeeting() = 0;                            // 13
    virtual void OnRestartMeeting() = 0;                        // 14
    virtual void OnSyncCommand(int code) = 0;                   // 15
    virtual void OnGoToPage(int page) = 0;                      // 16
    virtual void OnFavorite(BOOL on) = 0;                       // 17
    virtual void OnWhiteboardMode(BOOL on, BOOL notify) = 0;    // 18
    virtual void OnReportStatus13() = 0;                        // 19
    virtual void OnReportStatus14() = 0;                        // 20
};
