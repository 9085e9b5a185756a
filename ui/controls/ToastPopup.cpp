#include "ui/controls/ToastPopup.h"

#include "core/DrawHelpers.h"
#include "platform/WinApp.h"
#include "resources/resource.h"
#include "ui/controls/NoticeSlide.h"
#include "ui/controls/PopupAnswer.h"
#include "ui/controls/PopupMessage.h"

BEGIN_MESSAGE_MAP(CToastPopup, CDialog)
    ON_WM_TIMER()
    ON_WM_PAINT()
    ON_WM_DESTROY()
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CToastPopup::CToastPopup(CWnd* pParent) : CDialog(IDD_TOAST, pParent) {}

BOOL CToastPopup::OnInitDialog()
{
    CDialog::OnInitDialog();
    ModifyStyleEx(0, WS_EX_LAYERED);
    ::SetLayeredWindowAttributes(m_hWnd, 0, 204, LWA_ALPHA);
    return TRUE;
}

void CToastPopup::MoveOver(const RECT& rc, int nLower)
{
    CRect client;
    GetClientRect(&client);
    const int x = (rc.left + rc.right) / 2 - client.Width() / 2;
    const int y = (rc.top + rc.bottom) / 2 + nLower - client.Height() / 2;
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

void CToastPopup::StartShow(const CString& strText, UINT nTime)
{
    m_strText = strText;
    Invalidate(TRUE);
    SetTimer(TIMER_DISPLAY, nTime ? nTime : m_nDisplayTime);
}

void CToastPopup::ShowNextOrHide()
{
    if (!m_queue.empty()) {
        const std::pair<CString, UINT> next = m_queue.front();
        m_queue.pop_front();
        StartShow(next.first, next.second);
        return;
    }
    m_bShowing = FALSE;
    KillTimer(TIMER_DISPLAY);
    EndDialog(IDCANCEL);
}

void CToastPopup::Show(int left, int top, int right, int bottom, const CString& strText)
{
    POPUP_QUESTION told;
    told.kind = POPUP_TOAST;
    told.strTitle = m_strTitle;
    told.strText = strText;
    told.nButtons = 0;
    told.bModal = FALSE;
    told.pPopup = this;
    AskPopupAnswer(told);
    // Before its window exists (or after it went) there is nothing to show it on.
    if (!::IsWindow(m_hWnd))
        return;

    MoveOver(CRect(left, top, right, bottom), 0);
    if (m_bShowing) {
        m_queue.push_back({strText, 0});
        return;
    }
    m_bShowing = TRUE;
    StartShow(strText);
    ShowWindow(SW_SHOWNOACTIVATE);
}

void CToastPopup::ShowUntilClosed(const RECT& rc, const CString& strText, UINT nDisplayTime)
{
    if (!::IsWindow(m_hWnd))
        return;
    // The long text ends now; whatever waited behind it follows.
    if (nDisplayTime == 0) {
        KillTimer(TIMER_DISPLAY);
        if (m_bShowing) ShowNextOrHide();
        return;
    }
    MoveOver(rc, 22);
    if (m_bShowing) {
        m_queue.push_back({strText, nDisplayTime});
        return;
    }
    m_bShowing = TRUE;
    // It ends by itself too: a toast that waited only for a close call held every later text
    // back for good when the call never came.
    StartShow(strText, nDisplayTime);
    ShowWindow(SW_SHOWNOACTIVATE);
}

void CToastPopup::SetTitledText(const CString& strValue)
{
    SplitTitledText(strValue, m_strTitle, m_strText);
}

void CToastPopup::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == TIMER_DISPLAY) ShowNextOrHide();
    CDialog::OnTimer(nIDEvent);
}

int CToastPopup::TextTop(int nClientHeight, int nTextWidth, int nClientWidth)
{
    return nTextWidth < nClientWidth ? nClientHeight / 2 - 12 : nClientHeight / 2 - 24;
}

void CToastPopup::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    // The measuring font: half the default size in the main window's font.
    CFont measure;
    CFont* oldFont = nullptr;
    CWnd* pMain = AfxGetMainWnd();
    if (pMain && ::IsWindow(pMain->GetSafeHwnd())) {
        LOGFONT lf = {};
        HFONT hFont = (HFONT)::SendMessageW(pMain->GetSafeHwnd(), WM_GETFONT, 0, 0);
        if (!hFont || !::GetObjectW(hFont, sizeof(lf), &lf))
            ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
        lstrcpynW(lf.lfFaceName, GetDefaultFontName().GetString(), LF_FACESIZE);
        lf.lfHeight = -::MulDiv(GetDefaultFontSize(), dc.GetDeviceCaps(LOGPIXELSY), 144);
        lf.lfWeight = 700;
        if (measure.CreateFontIndirect(&lf))
            oldFont = dc.SelectObject(&measure);
    }
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(255, 255, 255));
    const UINT format = DT_CENTER | DT_WORDBREAK;
    if (!m_strTitle.IsEmpty()) {
        CRect rcTitle(client.left, client.Height() / 2 - 24, client.right, client.bottom);
        DrawTextWithFont(&dc, &rcTitle, m_strTitle, RGB(255, 255, 255), 0, TRUE, 12, format, 1);
        CRect rcText(client.left, client.Height() / 2 + 24, client.right, client.bottom);
        DrawTextWithFont(&dc, &rcText, m_strText, RGB(255, 255, 255), 0, TRUE, 12, format, 1);
    } else {
        const CSize extent = dc.GetTextExtent(m_strText);
        CRect rcText(client.left, TextTop(client.Height(), extent.cx, client.Width()), client.right, client.bottom);
        DrawTextWithFont(&dc, &rcText, m_strText, RGB(255, 255, 255), 0, TRUE, 12, format, 1);
    }
    if (oldFont)
        dc.SelectObject(oldFont);
}

HBRUSH CToastPopup::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (nCtlColor == CTLCOLOR_DLG) {
        if (!m_brBack.GetSafeHandle())
            m_brBack.CreateSolidBrush(RGB(0, 188, 212));
        return (HBRUSH)m_brBack.GetSafeHandle();
    }
    return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
}

void CToastPopup::OnDestroy()
{
    KillTimer(TIMER_DISPLAY);
    CDialog::OnDestroy();
}

void CToastPopup::PostNcDestroy()
{
    delete this;
}
