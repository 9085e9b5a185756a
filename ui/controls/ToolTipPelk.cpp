#include "ui/controls/ToolTipPelk.h"

#include "platform/ResourceHandle.h"

IMPLEMENT_DYNAMIC(CToolTipPelk, CToolTipCtrl)

BEGIN_MESSAGE_MAP(CToolTipPelk, CToolTipCtrl)
END_MESSAGE_MAP()

CToolTipPelk::~CToolTipPelk() = default;

BOOL CToolTipPelk::AddWindowTool(CWnd* pTool, LPCWSTR pszText)
{
    TTTOOLINFOW info = {};
    // The full record of this platform (sizeof, not a fixed byte count: the layout differs
    // between 32- and 64-bit builds).
    info.cbSize = sizeof(info);
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.uId = (UINT_PTR)pTool->GetSafeHwnd();
    info.hwnd = ::GetParent(pTool->GetSafeHwnd());
    info.hinst = AfxGetResourceHandle();
    info.lpszText = const_cast<LPWSTR>(pszText);
    return (BOOL)SendMessage(TTM_ADDTOOLW, 0, (LPARAM)&info);
}

BOOL CToolTipPelk::CreateTip(CWnd* pParent, CWnd* pTool, const CString& strText)
{
    if (!Create(pParent, TTS_ALWAYSTIP | TTS_NOPREFIX))
        return FALSE;
    Activate(TRUE);
    SetMaxTipWidth(400);
    SetDelayTime(TTDT_AUTOMATIC, 200);
    SetDelayTime(TTDT_AUTOPOP, 5000);
    return AddWindowTool(pTool, strText);
}
