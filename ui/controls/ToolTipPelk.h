#pragma once
// CToolTipPelk: the tooltip of the client's own controls.
#include "platform/ToolTipCtrl.h"

class CToolTipPelk : public CToolTipCtrl {
    DECLARE_DYNAMIC(CToolTipPelk)
public:
    CToolTipPelk() = default;
    ~CToolTipPelk() override;

    // Adds a window as a tool the tooltip watches by itself (subclassed, keyed by its handle).
    BOOL AddWindowTool(CWnd* pTool, LPCWSTR pszText);
    // Creates the tooltip under the parent (always shown, text as given), quick to show and
    // gone after five seconds, and adds the tool with its text.
    BOOL CreateTip(CWnd* pParent, CWnd* pTool, const CString& strText);

protected:
    DECLARE_MESSAGE_MAP()
};
