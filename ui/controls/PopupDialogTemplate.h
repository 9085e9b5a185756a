#pragma once
// The in-memory dialog template of the skin's pop-ups (pickers and drop-downs): a plain WS_POPUP
// dialog of 40 x 80 dialog units without controls, in locked global memory for the pop-up's
// life.
#include <windows.h>

class CWnd;

// True when a point in the window's client coordinates lies outside its window rectangle (the
// pop-ups hold the mouse capture, so they see points anywhere).
bool IsOutsideWindow(const CWnd* pWnd, POINT ptClient);

class CPopupDialogTemplate {
public:
    // Builds the template; on failure the box "System Out of Memory." is shown and Get gives
    // null, so that the pop-up is never run.
    CPopupDialogTemplate();
    ~CPopupDialogTemplate();
    CPopupDialogTemplate(const CPopupDialogTemplate&) = delete;
    CPopupDialogTemplate& operator=(const CPopupDialogTemplate&) = delete;

    LPCDLGTEMPLATE Get() const { return m_pTemplate; }

private:
    HGLOBAL m_hMemory = nullptr;
    LPCDLGTEMPLATE m_pTemplate = nullptr;
};
