#include "platform/DataExchange.h"

#include "platform/Wnd.h"

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    HWND control = ::GetDlgItem(m_pDlgWnd->GetSafeHwnd(), nIDC);
    if (!control) Fail();
    m_hWndLastControl = control;
    return control;
}

void CDataExchange::Fail()
{
    // Put the user back on the control whose value was refused.
    if (m_bSaveAndValidate && m_hWndLastControl) ::SetFocus(m_hWndLastControl);
    throw zel::DataExchangeFailure();
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd) return;
    HWND control = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(control)) pDX->Fail();
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND control = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        CWnd::FromHandle(control)->GetWindowText(value);
    } else {
        ::SetWindowTextW(control, value);
    }
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    HWND control = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        CString text;
        CWnd::FromHandle(control)->GetWindowText(text);
        text.Trim();
        wchar_t* end = nullptr;
        long parsed = wcstol(text, &end, 10);
        if (text.IsEmpty() || (end && *end)) pDX->Fail();
        value = (int)parsed;
    } else {
        wchar_t buffer[16];
        _snwprintf(buffer, 15, L"%d", value);
        buffer[15] = 0;
        ::SetWindowTextW(control, buffer);
    }
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND control = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) value = (int)::SendMessageW(control, BM_GETCHECK, 0, 0);
    else ::SendMessageW(control, BM_SETCHECK, (WPARAM)value, 0);
}
