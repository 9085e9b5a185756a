#pragma once
// Dialog data exchange: DoDataExchange lists the dialog's controls and values; UpdateData(FALSE)
// fills the controls (and binds control objects), UpdateData(TRUE) reads them back.
#include "platform/CString.h"

#include <stdexcept>

class CWnd;

namespace zel {
// Thrown by CDataExchange::Fail; UpdateData turns it into FALSE.
class DataExchangeFailure : public std::runtime_error {
public:
    DataExchangeFailure() : std::runtime_error("data exchange failed") {}
};
} // namespace zel

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}
    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
    // The control's window; fails the exchange when the dialog has no such control.
    HWND PrepareCtrl(int nIDC);
    [[noreturn]] void Fail();
private:
    HWND m_hWndLastControl = nullptr;
};

// Binds a control object to the dialog's control (subclassing it) the first time.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
