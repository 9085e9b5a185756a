#include "app/FramedDialog.h"

#include "app/ResourceText.h"
#include "app/ZELApp.h"
#include "platform/DC.h"
#include "platform/WinApp.h"

namespace {
const UINT IDB_CANCEL_DISABLED = 416, IDB_CANCEL_HOVER = 417, IDB_CANCEL = 418, IDB_CANCEL_DOWN = 419;
const UINT IDB_OK_DISABLED = 428, IDB_OK_HOVER = 429, IDB_OK = 430, IDB_OK_DOWN = 431;
const UINT IDB_CLOSE_DISABLED = 1154, IDB_CLOSE_HOVER = 1156, IDB_CLOSE = 1157, IDB_CLOSE_DOWN = 1158;
const UINT IDB_BUTTON_MASK = 681;
} // namespace

BEGIN_MESSAGE_MAP(CFramedDialog, CDialog)
    ON_WM_CREATE()
END_MESSAGE_MAP()

CFramedDialog::CFramedDialog(UINT nIDTemplate, CWnd* pParent, int nWidth, int nHeight)
    : CDialog(nIDTemplate, pParent), m_nWidth(nWidth), m_nHeight(nHeight)
{
}

int CFramedDialog::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CDialog::OnCreate(lpCreateStruct) == -1)
        return -1;
    ModifyStyleEx(0, WS_EX_LAYERED);
    ::SetLayeredWindowAttributes(m_hWnd, RGB(255, 0, 255), 255, LWA_COLORKEY | LWA_ALPHA);
    OnCreateControls();
    CRect rcParent;
    HWND hParent = ::GetParent(m_hWnd);
    ::GetWindowRect(hParent ? hParent : ::GetDesktopWindow(), &rcParent);
    MoveWindow(rcParent.left + (rcParent.Width() - m_nWidth) / 2, rcParent.top + (rcParent.Height() - m_nHeight) / 2,
               m_nWidth, m_nHeight);
    return 0;
}

void CFramedDialog::SkinButtons()
{
    m_frame.Load();
    m_btnClose.SetSkin(IDB_CLOSE, IDB_CLOSE_DOWN, IDB_CLOSE_HOVER, IDB_CLOSE_DISABLED, IDB_CLOSE, 0, 0, 0, 0);
    m_btnOK.SetSkin(IDB_OK, IDB_OK_DOWN, IDB_OK_HOVER, IDB_OK_DISABLED, IDB_OK, IDB_BUTTON_MASK, 0, 0, 0);
    m_btnCancel.SetSkin(IDB_CANCEL, IDB_CANCEL_DOWN, IDB_CANCEL_HOVER, IDB_CANCEL_DISABLED, IDB_CANCEL, IDB_BUTTON_MASK,
                        0, 0, 0);
}

void CFramedDialog::DrawFrame(CDC* pDC, UINT nTitleId)
{
    DrawFrame(pDC, LoadResourceText(nTitleId));
}

void CFramedDialog::DrawFrame(CDC* pDC, const CString& strTitle)
{
    CRect rc;
    GetClientRect(&rc);
    m_frame.Draw(pDC, rc.Width(), rc.Height(), FALSE, FALSE);

    CString strFace = L"맑은 고딕";
    int nSize = 10;
    if (CZELApp* pApp = dynamic_cast<CZELApp*>(AfxGetApp())) {
        strFace = pApp->GetDefaultFontName();
        nSize = pApp->GetDefaultFontSize();
    }
    LOGFONT lf = {};
    if (CFont* pDlgFont = GetFont())
        pDlgFont->GetLogFont(&lf);
    lstrcpynW(lf.lfFaceName, strFace, LF_FACESIZE);
    const int nDpi = pDC->GetDeviceCaps(LOGPIXELSY);
    m_fontTitle.DeleteObject();
    m_fontText.DeleteObject();
    lf.lfWeight = 900;
    lf.lfHeight = -MulDiv(nSize + 1, nDpi, 72);
    m_fontTitle.CreateFontIndirect(&lf);
    lf.lfWeight = 400;
    lf.lfHeight = -MulDiv(nSize - 1, nDpi, 72);
    m_fontText.CreateFontIndirect(&lf);

    pDC->SetBkMode(TRANSPARENT);
    CFont* pOld = pDC->SelectObject(&m_fontTitle);
    pDC->SetTextColor(RGB(255, 255, 255));
    RECT rcTitle = {16, 12, 200, 32};
    pDC->DrawText(strTitle, &rcTitle, DT_VCENTER);
    pDC->SelectObject(pOld);
}

void CFramedDialog::DrawGreyText(CDC* pDC, UINT nTextId, const RECT& rc, COLORREF clr)
{
    DrawGreyText(pDC, LoadResourceText(nTextId), rc, clr);
}

void CFramedDialog::DrawGreyText(CDC* pDC, const CString& strText, const RECT& rc, COLORREF clr, UINT nFormat)
{
    CFont* pOld = pDC->SelectObject(&m_fontText);
    pDC->SetTextColor(clr);
    RECT r = rc;
    pDC->DrawText(strText, &r, nFormat);
    pDC->SelectObject(pOld);
}

LRESULT CFramedDialog::HitCodeAt(CPoint point, const CRect& rc)
{
    const bool bLeft = point.x < rc.left + 10, bTop = point.y < rc.top + 10;
    const bool bRight = point.x > rc.right - 10, bBottom = point.y > rc.bottom - 10;
    if (bLeft && bTop) return HTTOPLEFT;
    if (bRight && bTop) return HTTOPRIGHT;
    if (bLeft && bBottom) return HTBOTTOMLEFT;
    if (bRight && bBottom) return HTBOTTOMRIGHT;
    return HTCAPTION;
}

void CFramedDialog::StartDrag(CPoint point, BOOL bDropSysMenu)
{
    CRect rc;
    GetClientRect(&rc);
    const LRESULT nHit = HitCodeAt(point, rc);
    if (bDropSysMenu && nHit != HTCAPTION) {
        ModifyStyle(WS_SYSMENU, 0);
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    PostMessage(WM_NCLBUTTONDOWN, nHit, MAKELPARAM(point.x, point.y));
}
