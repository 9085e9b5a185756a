#pragma once
// CZELWnd: the base of the main window's layers (title bar, meeting screen, board and its bars,
// side panel, containers): plain child windows that share one keyboard rule, Escape hides the
// main window, and a message map every layer's map chains to.
#include "platform/Wnd.h"

// The main window's command that hides it (to the tray).
const UINT ZEL_CMD_HIDE_WINDOW = 32779;

class CZELWnd : public CWnd {
    DECLARE_DYNAMIC(CZELWnd)
public:
    CZELWnd() = default;
    ~CZELWnd() override;

    // Escape, wherever the focus is inside a layer, hides the main window and goes no further.
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    afx_msg LRESULT OnNcHitTest(CPoint point);
    DECLARE_MESSAGE_MAP()
};
