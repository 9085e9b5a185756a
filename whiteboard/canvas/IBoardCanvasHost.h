#pragma once
// What the drawing canvas needs of the board layer and meeting screen around it beyond the
// listener's two reports: the meeting's state, the board-wide page operations, the bars' buttons
// and the server. The board layer implements it; tests give a stand-in.
#include <windows.h>

#include "platform/CString.h"

struct S_BOARD_CONTENT;

class IBoardCanvasHost {
public:
    virtual ~IBoardCanvasHost() = default;
    virtual CString GetMeetingId() = 0;
    virtual CString GetCurrentDocumentId() = 0;
    // The user presents the meeting / page synchronisation is on.
    virtual BOOL IsPresenting() = 0;
    virtual BOOL IsPageSync() = 0;
    // userIdnfr of the meeting's presenter (remote pointer reports are taken only from him).
    virtual int GetPresenterIdnfr() = 0;
    // The information bar's zoom choice follows a zoom made on the canvas.
    virtual void SetZoomCombo(float zoom) = 0;
    // Board-wide drawing of the given board view.
    virtual void ClearPagesLayer(int boardView) = 0;
    virtual BOOL HasDrawingOnPages(int boardView) = 0;
    virtual void MoveNextPage() = 0;
    virtual void MovePrevPage() = 0;
    // Confirmation pop-up with a string of the language library.
    virtual void ShowConfirmPopup(UINT stringId) = 0;
    // The tool bars' undo/redo and clear buttons.
    virtual void UpdateHistoryButtons(BOOL canUndo, BOOL canRedo) = 0;
    virtual void EnableClearButtons(BOOL pageDrawing, BOOL anyDrawing) = 0;
    // Sends one drawing event (request M00000030, drawing type 1). Called on the sharing thread.
    virtual void SendDrawing(const S_BOARD_CONTENT& content) = 0;
};

// The memo editor and viewer over the canvas.
class IMemoLayerView {
public:
    virtual ~IMemoLayerView() = default;
    virtual BOOL IsShown() = 0;
    virtual void Hide() = 0;
    virtual void OpenEditor(const RECT& rc, const CString& text, int bgColor, int textColor, BOOL isNew) = 0;
    virtual void OpenView(const RECT& rc, const CString& text, int bgColor, int textColor) = 0;
};
