#include "ui/controls/PopupDialogTemplate.h"

#include "platform/MessageBox.h"
#include "platform/Wnd.h"

bool IsOutsideWindow(const CWnd* pWnd, POINT ptClient)
{
    CPoint screen = ptClient;
    pWnd->ClientToScreen(&screen);
    CRect window;
    pWnd->GetWindowRect(&window);
    return !window.PtInRect(screen);
}

CPopupDialogTemplate::CPopupDialogTemplate()
{
    const SIZE_T bytes = 24;   // DLGTEMPLATE and three empty words: no menu, class or title
    m_hMemory = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
    BYTE* p = m_hMemory ? static_cast<BYTE*>(::GlobalLock(m_hMemory)) : nullptr;
    if (!p) {
        if (m_hMemory)
            ::GlobalFree(m_hMemory);
        m_hMemory = nullptr;
        AfxMessageBox(L"System Out of Memory.", MB_ICONEXCLAMATION);
        return;
    }
    DLGTEMPLATE* t = reinterpret_cast<DLGTEMPLATE*>(p);
    t->style = WS_POPUP;
    t->dwExtendedStyle = 0;
    t->cdit = 0;
    t->x = 0;
    t->y = 0;
    t->cx = 40;
    t->cy = 80;
    m_pTemplate = t;
}

CPopupDialogTemplate::~CPopupDialogTemplate()
{
    if (m_hMemory) {
        ::GlobalUnlock(m_hMemory);
        ::GlobalFree(m_hMemory);
    }
}
