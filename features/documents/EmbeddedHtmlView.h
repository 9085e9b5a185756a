#pragma once
// CEmbeddedHtmlView: a page of the organisation's web server inside one of the client's windows,
// shown by the system's HTML control, with a window.external of the view's own through which the
// page hands choices back. Where the system cannot show HTML the view says so in its area, and the
// rest of the window goes on working.
#include <windows.h>
#include <oaidl.h>

#include "features/documents/ScriptExternal.h"
#include "platform/Collections.h"
#include "platform/Wnd.h"

class CEmbeddedHtmlView : public CWnd {
public:
    CEmbeddedHtmlView();
    ~CEmbeddedHtmlView() override;

    BOOL Create(CWnd* pParent, const CRect& rc, UINT nId);
    // FALSE when the page cannot be shown here (the view then shows its notice).
    BOOL Navigate(const CString& strUrl);
    BOOL HasBrowser() const { return m_bBrowser; }
    HRESULT GetBrowserResult() const { return m_hrBrowser; }
    const CString& GetUrl() const { return m_strUrl; }
    // The page's window.external; its methods are added by the window that owns the view.
    CScriptExternal& External() { return *m_pExternal; }
    // Calls a named function of the page's script with texts, as the script would call it.
    BOOL CallJScript(const CString& strFunction, const CStringArray& args);
    // Script errors of the page are not shown to the user.
    void SetSilent(BOOL bSilent);

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    CScriptExternal* m_pExternal;
    HWND m_hHost = nullptr;
    CString m_strUrl;
    BOOL m_bBrowser = FALSE;
    HRESULT m_hrBrowser = S_OK;
};
