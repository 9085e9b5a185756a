#include "ui/controls/CommonDlg.h"

#include "core/ClientMessages.h"
#include "core/DrawHelpers.h"
#include "platform/DataExchange.h"
#include "resources/resource.h"
#include "ui/controls/PopupAnswer.h"
#include "ui/controls/PopupMessage.h"

BEGIN_MESSAGE_MAP(CCommonDlg, CDialog)
    ON_WM_CREATE()
    ON_WM_TIMER()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CCommonDlg::CCommonDlg(CWnd* pParent) : CDialog(IDD_COMMON_DLG, pParent), m_pParent(pParent), m_nSlideOut(107)
{
    m_strCaption.LoadString(IDS_COMMON_CAPTION);
}

CCommonDlg::CCommonDlg(CWnd* pParent, const CString& strText, const CString& strCaption, const CString& strLabel,
                       BOOL bModal, BOOL bNotice)
    : CDialog(IDD_COMMON_DLG, pParent), m_pParent(pParent), m_bModal(bModal), m_bNotice(bNotice),
      m_strCaption(strCaption), m_strLabel(strLabel), m_strSubject(strCaption), m_strText(strText), m_nSlideOut(107)
{
}

CCommonDlg::CCommonDlg(CWnd* pParent, int nWidth, int nHeight, const CString& strText, const CString& strCaption,
                       BOOL bModal, BOOL bNotice)
    : CDialog(IDD_COMMON_DLG, pParent), m_pParent(pParent), m_bModal(bModal), m_bNotice(bNotice),
      m_strCaption(strCaption), m_strText(strText), m_nSlideOut(nHeight), m_nWidth(nWidth), m_nHeight(nHeight)
{
}

void CCommonDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDOK, m_btnOK);
}

int CCommonDlg::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CDialog::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_bmpBack.LoadBitmap(IDB_NOTICE_BACK);
    m_bmpLogo.LoadBitmap(IDB_NOTICE_HEADER);
    m_btnClose.Create(L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(m_nWidth - 25, 7, m_nWidth - 10, 22), this,
                      IDC_POPUP_CLOSE);
    m_btnClose.LoadBitmaps(IDB_NOTICE_CLOSE, IDB_NOTICE_CLOSE_DOWN, IDB_NOTICE_CLOSE_HOVER, IDB_NOTICE_CLOSE_DISABLED);
    m_btnClose.SizeToContent();
    CRect parent;
    if (m_pParent && ::IsWindow(m_pParent->GetSafeHwnd()))
        m_pParent->GetWindowRect(&parent);
    else
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &parent, 0);
    MoveWindow(parent.CenterPoint().x - m_nWidth / 2, parent.CenterPoint().y - m_nHeight / 2, m_nWidth, m_nHeight);
    ModifyStyleEx(0, WS_EX_LAYERED);
    ::SetLayeredWindowAttributes(m_hWnd, RGB(255, 0, 255), 255, LWA_COLORKEY | LWA_ALPHA);
    return 0;
}

BOOL CCommonDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_btnOK.SetSkin(IDB_OK, IDB_OK_DOWN, IDB_OK_HOVER, IDB_OK_DISABLED, IDB_OK, IDB_BUTTON_MASK, 0, 0, 0);
    CRect client;
    GetClientRect(&client);
    m_btnOK.MoveWindow(client.Width() / 2 - 45, client.Height() - 40, 90, 27);
    if (m_bModal) {
        // Centred over the parent's client area, in screen coordinates.
        CRect parent(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
        if (m_pParent && ::IsWindow(m_pParent->GetSafeHwnd())) {
            m_pParent->GetClientRect(&parent);
            m_pParent->ClientToScreen(&parent);
        }
        ::SetWindowPos(m_hWnd, nullptr, parent.left + (parent.Width() - m_nWidth) / 2,
                       parent.top + (parent.Height() - m_nHeight) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    } else {
        m_nDisplayTimer = SetTimer(TIMER_DISPLAY, m_nDisplayTime);
        if (m_bNotice) {
            ::SetWindowPos(m_hWnd, nullptr, ::GetSystemMetrics(SM_CXSCREEN) - m_nWidth, ::GetSystemMetrics(SM_CYSCREEN),
                           0, 0, SWP_NOSIZE | SWP_NOZORDER);
            m_nSlideInTimer = SetTimer(TIMER_SLIDE_IN, 10);
        }
    }
    if (m_bNotice)
        m_btnOK.ShowWindow(SW_HIDE);

    POPUP_QUESTION question;
    question.kind = POPUP_COMMON;
    question.strTitle = m_strCaption;
    question.strText = m_strText;
    question.nButtons = m_bNotice ? 0 : 1;
    question.bModal = m_bModal;
    question.pPopup = this;
    AskPopupAnswerLater(m_hWnd, question);
    return TRUE;
}

void CCommonDlg::Close()
{
    if (m_bModal)
        CDialog::OnOK();
    else
        DestroyWindow();
}

void CCommonDlg::OnOK()
{
    Close();
}

BOOL CCommonDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == IDC_POPUP_CLOSE && HIWORD(wParam) == BN_CLICKED) {
        Close();
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

LRESULT CCommonDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_POPUP_ANSWER) {
        ApplyPopupAnswer(m_hWnd, (int)wParam, IDC_POPUP_CLOSE);
        return 0;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

void CCommonDlg::OnTimer(UINT_PTR nIDEvent)
{
    const int cxScreen = ::GetSystemMetrics(SM_CXSCREEN);
    const int cyScreen = ::GetSystemMetrics(SM_CYSCREEN);
    if (nIDEvent == TIMER_SLIDE_IN) {
        if (m_nSlideIn <= m_nHeight) {
            ::SetWindowPos(m_hWnd, nullptr, cxScreen - m_nWidth, cyScreen - m_nSlideIn, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            m_nSlideIn += 2;
        } else {
            KillTimer(TIMER_SLIDE_IN);
            m_nSlideInTimer = 0;
            m_btnOK.Invalidate();
        }
    } else if (nIDEvent == TIMER_DISPLAY) {
        KillTimer(TIMER_DISPLAY);
        m_nDisplayTimer = 0;
        m_nSlideOutTimer = SetTimer(TIMER_SLIDE_OUT, 10);
    } else if (nIDEvent == TIMER_SLIDE_OUT) {
        if (m_nDisplayTimer) { KillTimer(TIMER_DISPLAY); m_nDisplayTimer = 0; }
        if (m_nSlideInTimer) { KillTimer(TIMER_SLIDE_IN); m_nSlideInTimer = 0; }
        if (m_nSlideOut > 0) {
            CRect window;
            GetWindowRect(&window);
            ::SetWindowPos(m_hWnd, nullptr, window.left, cyScreen - m_nSlideOut, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            m_nSlideOut -= 2;
        } else {
            KillTimer(TIMER_SLIDE_OUT);
            m_nSlideOutTimer = 0;
            CDialog::OnTimer(nIDEvent);
            DestroyWindow();
            return;
        }
    }
    CDialog::OnTimer(nIDEvent);
}

LRESULT CCommonDlg::HitCodeFor(CPoint p, const CRect& r)
{
    const bool left = p.x >= r.left && p.x <= 9, top = p.y >= r.top && p.y <= 9;
    const bool right = p.x > r.right - 10 && p.x <= r.right, bottom = p.y > r.bottom - 10 && p.y <= r.bottom;
    if (left && top) return HTTOPLEFT;
    if (right && top) return HTTOPRIGHT;
    if (left && bottom) return HTBOTTOMLEFT;
    if (right && bottom) return HTBOTTOMRIGHT;
    return HTCAPTION;
}

void CCommonDlg::OnLButtonDown(UINT nFlags, CPoint point)
{
    CRect client;
    GetClientRect(&client);
    const LRESULT hit = HitCodeFor(point, client);
    if (hit != HTCAPTION)
        ModifyStyle(WS_SYSMENU, 0);
    PostMessage(WM_NCLBUTTONDOWN, hit, MAKELPARAM(point.x, point.y));
    CDialog::OnLButtonDown(nFlags, point);
}

BOOL CCommonDlg::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CCommonDlg::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    m_nWidth = client.Width();
    m_nHeight = client.Height();
    CDC mem;
    mem.CreateCompatibleDC(&dc);
    if (m_bmpBack.GetSafeHandle()) {
        BITMAP bm = {};
        m_bmpBack.GetBitmap(&bm);
        CBitmap* old = mem.SelectObject(&m_bmpBack);
        dc.BitBlt(0, 0, bm.bmWidth, bm.bmHeight, &mem, 0, 0, SRCCOPY);
        mem.SelectObject(old);
    }
    CFont bold, normal;
    CreateNoticeFonts(dc, (HFONT)SendMessage(WM_GETFONT), bold, normal);
    dc.SetBkMode(TRANSPARENT);
    CFont* oldFont = dc.SelectObject(&bold);
    CRect rcText;
    if (m_bNotice) {
        if (m_bmpLogo.GetSafeHandle()) {
            CBitmap* old = mem.SelectObject(&m_bmpLogo);
            dc.BitBlt(6, 5, 164, 20, &mem, 0, 0, SRCCOPY);
            mem.SelectObject(old);
        }
        dc.SetTextColor(RGB(245, 105, 2));
        CRect rcLabel(10, 45, 137, 60);
        dc.DrawText(m_strLabel, &rcLabel, DT_VCENTER | DT_SINGLELINE);
        dc.SetTextColor(RGB(0, 0, 0));
        CRect rcSubject(138, 45, 270, 60);
        dc.DrawText(m_strSubject, &rcSubject, DT_VCENTER | DT_SINGLELINE | DT_WORD_ELLIPSIS);
        rcText = CRect(77, 76, 270, 91);
        dc.SelectObject(&normal);
    } else {
        dc.SetTextColor(RGB(128, 128, 128));
        CRect rcCaption(15, 9, 200, 25);
        dc.DrawText(m_strCaption, &rcCaption, DT_VCENTER | DT_SINGLELINE);
        dc.SelectObject(&normal);
        CRect measured = rcCaption;
        dc.DrawText(m_strText, &measured, DT_CALCRECT | DT_VCENTER);
        rcText = CRect((m_nWidth - measured.Width()) / 2, 45, (m_nWidth + measured.Width()) / 2, 94);
    }
    dc.SetTextColor(RGB(51, 51, 51));
    dc.DrawText(m_strText, &rcText, DT_VCENTER);
    dc.SelectObject(oldFont);
}

void CCommonDlg::OnDestroy()
{
    CDialog::OnDestroy();
    if (!m_bModal && m_nDisplayTimer) KillTimer(TIMER_DISPLAY);
    if (m_nSlideInTimer) KillTimer(TIMER_SLIDE_IN);
    if (m_nSlideOutTimer) KillTimer(TIMER_SLIDE_OUT);
    m_nDisplayTimer = m_nSlideInTimer = m_nSlideOutTimer = 0;
}

void CCommonDlg::PostNcDestroy()
{
    if (!m_bModal)
        delete this;
}
