#include "platform/ToolTipCtrl.h"

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle)
{
    return CreateEx(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | dwStyle, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, pParentWnd->GetSafeHwnd(), nullptr);
}

void CToolTipCtrl::FillInToolInfo(TTTOOLINFOW& toolInfo, CWnd* pWnd, UINT_PTR nIDTool)
{
    toolInfo = {};
    // The record without its last (reserved) member: every version of the common controls
    // accepts this size.
    toolInfo.cbSize = TTTOOLINFOW_V2_SIZE;
    HWND hWnd = pWnd->GetSafeHwnd();
    if (nIDTool == 0) {
        toolInfo.hwnd = ::GetParent(hWnd);
        toolInfo.uFlags = TTF_IDISHWND;
        toolInfo.uId = (UINT_PTR)hWnd;
    } else {
        toolInfo.hwnd = hWnd;
        toolInfo.uId = nIDTool;
    }
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCTSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
    TTTOOLINFOW toolInfo;
    FillInToolInfo(toolInfo, pWnd, nIDTool);
    if (lpRectTool) toolInfo.rect = *lpRectTool;
    toolInfo.lpszText = const_cast<LPWSTR>(lpszText);
    return (BOOL)::SendMessageW(m_hWnd, TTM_ADDTOOLW, 0, (LPARAM)&toolInfo);
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
    CString text;
    text.LoadString(nIDText);
    return AddTool(pWnd, text, lpRectTool, nIDTool);
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool)
{
    TTTOOLINFOW toolInfo;
    FillInToolInfo(toolInfo, pWnd, nIDTool);
    ::SendMessageW(m_hWnd, TTM_DELTOOLW, 0, (LPARAM)&toolInfo);
}

void CToolTipCtrl::UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool)
{
    TTTOOLINFOW toolInfo;
    FillInToolInfo(toolInfo, pWnd, nIDTool);
    toolInfo.lpszText = const_cast<LPWSTR>(lpszText);
    ::SendMessageW(m_hWnd, TTM_UPDATETIPTEXTW, 0, (LPARAM)&toolInfo);
}

void CToolTipCtrl::UpdateTipText(UINT nIDText, CWnd* pWnd, UINT_PTR nIDTool)
{
    CString text;
    text.LoadString(nIDText);
    UpdateTipText(text, pWnd, nIDTool);
}

void CToolTipCtrl::SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect)
{
    TTTOOLINFOW toolInfo;
    FillInToolInfo(toolInfo, pWnd, nIDTool);
    toolInfo.rect = *lpRect;
    ::SendMessageW(m_hWnd, TTM_NEWTOOLRECTW, 0, (LPARAM)&toolInfo);
}

BOOL CToolTipCtrl::GetToolInfo(TTTOOLINFOW& toolInfo, CWnd* pWnd, UINT_PTR nIDTool) const
{
    FillInToolInfo(toolInfo, pWnd, nIDTool);
    // Without a text buffer the control would write the text through a null pointer.
    toolInfo.lpszText = nullptr;
    return (BOOL)::SendMessageW(m_hWnd, TTM_GETTOOLINFOW, 0, (LPARAM)&toolInfo);
}

void CToolTipCtrl::GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool) const
{
    // The control copies at most 80 characters for this request.
    TTTOOLINFOW toolInfo;
    FillInToolInfo(toolInfo, pWnd, nIDTool);
    wchar_t buffer[256] = {};
    toolInfo.lpszText = buffer;
    ::SendMessageW(m_hWnd, TTM_GETTEXTW, 0, (LPARAM)&toolInfo);
    str = buffer;
}
