#pragma once
// CDialog: dialogs from templates of the language resource library (AfxGetResourceHandle) or
// from memory. DoModal runs the library's own modal loop rather than the system's, so that
// PreTranslateMessage of the dialog and its controls sees every message; it disables the owner
// while it runs and nests freely.
#include "platform/Wnd.h"

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog();
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Modeless.
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    virtual BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    virtual BOOL CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr,
                                void* lpDialogInit = nullptr);
    // Modal. -1 when the template cannot be found or the dialog cannot be created, and when the
    // loop ended on WM_QUIT (which is passed on).
    BOOL InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr,
                           void* lpDialogInit = nullptr);
    virtual INT_PTR DoModal();
    // Runs a dialog made ahead with Create (and not shown yet) as DoModal runs one: shown once the
    // queue is idle, modal until EndDialog, then hidden and destroyed. -1 when there is no window.
    INT_PTR RunModalCreated();
    void EndDialog(int nResult);

    // Overridables: OnInitDialog binds DoDataExchange's controls; TRUE lets the system put the
    // focus on the first control. Enter gives OnOK (IDOK), Esc and the close box OnCancel.
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    BOOL PreTranslateMessage(MSG* pMsg) override;

    void NextDlgCtrl() const { ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, 0, 0); }
    void PrevDlgCtrl() const { ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, 1, 0); }
    void GotoDlgCtrl(CWnd* pWndCtrl) { ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, (WPARAM)pWndCtrl->GetSafeHwnd(), 1); }
    void SetDefID(UINT nID) { ::SendMessageW(m_hWnd, DM_SETDEFID, nID, 0); }
    DWORD GetDefID() const { return (DWORD)::SendMessageW(m_hWnd, DM_GETDEFID, 0, 0); }
    BOOL MapDialogRect(LPRECT lpRect) const { return ::MapDialogRect(m_hWnd, lpRect); }

protected:
    LPCTSTR m_lpszTemplateName = nullptr;   // a name or MAKEINTRESOURCE(id)
    LPCDLGTEMPLATE m_lpDialogTemplate = nullptr;
    CWnd* m_pParentWnd = nullptr;

    // Keyboard and mouse messages for the dialog or its controls go to IsDialogMessage.
    BOOL PreTranslateInput(MSG* pMsg);
    afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    LPCDLGTEMPLATE FindTemplate(LPCTSTR name) const;
    BOOL CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, HWND hWndParent, HINSTANCE hInst);
    HWND FindModalOwner() const;
    // DoModal's loop, around a window made from the template (or the window already there when
    // the template is null).
    INT_PTR RunModalAround(HWND owner, LPCDLGTEMPLATE lpDialogTemplate);
};
