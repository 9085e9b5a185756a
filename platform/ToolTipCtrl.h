#pragma once
// CToolTipCtrl: a tooltip window for tools (child windows, or rectangles of a window). Tools
// are not subclassed: the owner passes its mouse messages on with RelayEvent.
#include "platform/Wnd.h"

class CToolTipCtrl : public CWnd {
    DECLARE_DYNAMIC(CToolTipCtrl)
public:
    CToolTipCtrl() = default;
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);

    // nIDTool 0: the tool is the window pWnd itself; otherwise a rectangle of pWnd named nIDTool.
    BOOL AddTool(CWnd* pWnd, LPCTSTR lpszText = LPSTR_TEXTCALLBACKW, LPCRECT lpRectTool = nullptr, UINT_PTR nIDTool = 0);
    BOOL AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool = nullptr, UINT_PTR nIDTool = 0);
    void DelTool(CWnd* pWnd, UINT_PTR nIDTool = 0);
    void UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
    void UpdateTipText(UINT nIDText, CWnd* pWnd, UINT_PTR nIDTool = 0);
    void SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect);
    BOOL GetToolInfo(TTTOOLINFOW& toolInfo, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
    void SetToolInfo(TTTOOLINFOW* pToolInfo) { ::SendMessageW(m_hWnd, TTM_SETTOOLINFOW, 0, (LPARAM)pToolInfo); }
    void GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
    int GetToolCount() const { return (int)::SendMessageW(m_hWnd, TTM_GETTOOLCOUNT, 0, 0); }

    void RelayEvent(LPMSG lpMsg) { ::SendMessageW(m_hWnd, TTM_RELAYEVENT, 0, (LPARAM)lpMsg); }
    void Activate(BOOL bActivate) { ::SendMessageW(m_hWnd, TTM_ACTIVATE, bActivate, 0); }
    void Pop() { ::SendMessageW(m_hWnd, TTM_POP, 0, 0); }
    void Update() { ::SendMessageW(m_hWnd, TTM_UPDATE, 0, 0); }
    int SetMaxTipWidth(int iWidth) { return (int)::SendMessageW(m_hWnd, TTM_SETMAXTIPWIDTH, 0, iWidth); }
    int GetMaxTipWidth() const { return (int)::SendMessageW(m_hWnd, TTM_GETMAXTIPWIDTH, 0, 0); }
    void SetDelayTime(UINT nDelay) { ::SendMessageW(m_hWnd, TTM_SETDELAYTIME, TTDT_AUTOMATIC, (LPARAM)nDelay); }
    void SetDelayTime(DWORD dwDuration, int iTime) { ::SendMessageW(m_hWnd, TTM_SETDELAYTIME, dwDuration, MAKELPARAM(iTime, 0)); }
    int GetDelayTime(DWORD dwDuration) const { return (int)::SendMessageW(m_hWnd, TTM_GETDELAYTIME, dwDuration, 0); }
    void SetTipTextColor(COLORREF clr) { ::SendMessageW(m_hWnd, TTM_SETTIPTEXTCOLOR, clr, 0); }
    COLORREF GetTipTextColor() const { return (COLORREF)::SendMessageW(m_hWnd, TTM_GETTIPTEXTCOLOR, 0, 0); }
    void SetTipBkColor(COLORREF clr) { ::SendMessageW(m_hWnd, TTM_SETTIPBKCOLOR, clr, 0); }
    COLORREF GetTipBkColor() const { return (COLORREF)::SendMessageW(m_hWnd, TTM_GETTIPBKCOLOR, 0, 0); }

private:
    static void FillInToolInfo(TTTOOLINFOW& toolInfo, CWnd* pWnd, UINT_PTR nIDTool);
};
