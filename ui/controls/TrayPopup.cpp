#include "ui/controls/TrayPopup.h"

#include "core/DrawHelpers.h"
#include "platform/WinApp.h"
#include "resources/resource.h"
#include "ui/controls/PopupAnswer.h"
#include "ui/controls/PopupMessage.h"

BEGIN_MESSAGE_MAP(CTrayPopup, CWnd)
    ON_WM_CREATE()
    ON_WM_TIMER()
    ON_WM_PAINT()
    ON_WM_LBUTTONUP()
    ON_WM_SETCURSOR()
    ON_WM_DESTROY()
    ON_BN_CLICKED(IDC_POPUP_CLOSE, &CTrayPopup::OnCloseButton)
END_MESSAGE_MAP()

namespace {
const wchar_t kTrayPopupClass[] = L"ZELTrayNotice";
}

CTrayPopup::CTrayPopup()
{
    m_slide.nWidth = 275;
    m_slide.nHeight = 107;
}

BOOL CTrayPopup::CreatePopup(CWnd* pOwner)
{
    WNDCLASSW wc = {};
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    if (!::GetClassInfoW(instance, kTrayPopupClass, &wc)) {
        wc.lpfnWndProc = ::DefWindowProcW;
        wc.hInstance = instance;
        wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
        wc.lpszClassName = kTrayPopupClass;
        if (!::RegisterClassW(&wc))
            return FALSE;
    }
    return CreateEx(0, kTrayPopupClass, L"", WS_POPUP, 0, 0, 0, 0, pOwner->GetSafeHwnd(), nullptr);
}

int CTrayPopup::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    ModifyStyleEx(0, WS_EX_LAYERED);
    ::SetLayeredWindowAttributes(m_hWnd, RGB(255, 0, 255), 255, LWA_COLORKEY | LWA_ALPHA);
    m_bmpBack.LoadBitmap(IDB_NOTICE_BACK);
    m_bmpHeader.LoadBitmap(IDB_NOTICE_HEADER);
    m_btnClose.Create(L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(250, 7, 265, 22), this, IDC_POPUP_CLOSE);
    m_btnClose.SetSkin(IDB_NOTICE_CLOSE, IDB_NOTICE_CLOSE_DOWN, IDB_NOTICE_CLOSE_HOVER, IDB_NOTICE_CLOSE_DISABLED,
                       IDB_NOTICE_CLOSE, 0, 0, 0, 0);
    m_hHand = ::LoadCursorW(nullptr, IDC_HAND);
    return 0;
}

void CTrayPopup::Notify(const CString& strDescription, const CString& strText, const CString& strTitle,
                        int nMessageId, const CString& strAltText, BOOL bAlt)
{
    m_strDescription = strDescription;
    m_strText = strText;
    m_strTitle = strTitle;
    m_nMessageId = nMessageId;
    m_strAltText = strAltText;
    m_bAlt = bAlt;
    DeriveNoticeTitle(m_nMessageId, m_strTitle, m_strText);
    m_slide.nWidth = 275;
    m_slide.nHeight = 107;

    POPUP_QUESTION told;
    told.kind = POPUP_TRAY_NOTICE;
    told.strTitle = m_strTitle;
    told.strText = m_bAlt ? m_strAltText : m_strText;
    told.nButtons = 0;
    told.bModal = FALSE;
    told.pPopup = this;
    AskPopupAnswer(told);
    if (!::IsWindow(m_hWnd))
        return;

    if (m_nState == STATE_APPEARING)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    else
        Show(500, 3000, 500);
}

void CTrayPopup::Show(UINT nShowTime, UINT nStayTime, UINT nHideTime)
{
    m_nShowTime = nShowTime;
    m_nStayTime = nStayTime;
    m_nHideTime = nHideTime;
    RECT work = {};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int edge = NoticeEdge(work, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    switch (m_nState) {
    case STATE_HIDDEN:
        ShowWindow(SW_SHOWNOACTIVATE);
        m_slide.Begin(work, edge, m_slide.nWidth, m_slide.nHeight, nShowTime, nHideTime);
        SetTimer(TIMER_APPEAR, m_slide.nAppearInterval);
        break;
    case STATE_APPEARING:
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        break;
    case STATE_WAITING:
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        KillTimer(TIMER_STAY);
        SetTimer(TIMER_STAY, m_nStayTime);
        break;
    default:
        // Sliding out: back in full view, and wait again.
        KillTimer(TIMER_DISAPPEAR);
        SetTimer(TIMER_STAY, m_nStayTime);
        m_slide.JumpShown(work);
        PlaceNow();
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        break;
    }
}

void CTrayPopup::PlaceNow()
{
    const CRect rc = m_slide.WindowRect();
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, rc.left, rc.top, rc.Width(), rc.Height(),
                   SWP_NOOWNERZORDER | SWP_NOACTIVATE);
}

void CTrayPopup::OnTimer(UINT_PTR nIDEvent)
{
    switch (nIDEvent) {
    case TIMER_APPEAR:
        m_nState = STATE_APPEARING;
        if (!m_slide.StepIn()) {
            KillTimer(TIMER_APPEAR);
            SetTimer(TIMER_STAY, m_nStayTime);
            m_nState = STATE_WAITING;
        }
        BringToFront();
        PlaceNow();
        break;
    case TIMER_STAY:
        KillTimer(TIMER_STAY);
        SetTimer(TIMER_DISAPPEAR, m_slide.nDisappearInterval);
        break;
    case TIMER_DISAPPEAR:
        m_nState = STATE_DISAPPEARING;
        if (!m_slide.StepOut()) {
            KillTimer(TIMER_DISAPPEAR);
            Hide();
            break;
        }
        BringToFront();
        PlaceNow();
        break;
    default:
        break;
    }
    CWnd::OnTimer(nIDEvent);
}

void CTrayPopup::Hide()
{
    // Every timer, not only the state's own: the stay timer also runs while sliding out again.
    KillTimer(TIMER_APPEAR);
    KillTimer(TIMER_STAY);
    KillTimer(TIMER_DISAPPEAR);
    MoveWindow(0, 0, 0, 0);
    ShowWindow(SW_HIDE);
    m_nState = STATE_HIDDEN;
}

void CTrayPopup::BringToFront()
{
    HWND foreground = ::GetForegroundWindow();
    if (!foreground || foreground == m_hWnd)
        return;
    const DWORD theirs = ::GetWindowThreadProcessId(foreground, nullptr);
    const DWORD ours = ::GetCurrentThreadId();
    if (theirs == ours)
        return;
    if (!::AttachThreadInput(ours, theirs, TRUE))
        return;
    ::BringWindowToTop(m_hWnd);
    ::AttachThreadInput(ours, theirs, FALSE);
}

BOOL CTrayPopup::IsMainHiddenOrMinimized()
{
    CWnd* pMain = AfxGetMainWnd();
    HWND main = pMain ? pMain->GetSafeHwnd() : nullptr;
    return main && ::IsWindow(main) && (!::IsWindowVisible(main) || ::IsIconic(main));
}

void CTrayPopup::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (IsMainHiddenOrMinimized())
        ::SendMessageW(AfxGetMainWnd()->GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(32781, 0), 0);
    CWnd::OnLButtonUp(nFlags, point);
}

BOOL CTrayPopup::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest == HTCLIENT && IsMainHiddenOrMinimized() && m_hHand) {
        ::SetCursor(m_hHand);
        return TRUE;
    }
    return CWnd::OnSetCursor(pWnd, nHitTest, message);
}

void CTrayPopup::OnCloseButton()
{
    Hide();
}

void CTrayPopup::OnDestroy()
{
    KillTimer(TIMER_APPEAR);
    KillTimer(TIMER_STAY);
    KillTimer(TIMER_DISAPPEAR);
    CWnd::OnDestroy();
}

void CTrayPopup::OnPaint()
{
    CPaintDC dc(this);
    CDC mem;
    mem.CreateCompatibleDC(&dc);
    if (m_bmpBack.GetSafeHandle()) {
        BITMAP bm = {};
        m_bmpBack.GetBitmap(&bm);
        CBitmap* old = mem.SelectObject(&m_bmpBack);
        dc.BitBlt(0, 0, bm.bmWidth, bm.bmHeight, &mem, 0, 0, SRCCOPY);
        mem.SelectObject(old);
    }
    CWnd* pMain = AfxGetMainWnd();
    HFONT hMainFont = pMain ? (HFONT)::SendMessageW(pMain->GetSafeHwnd(), WM_GETFONT, 0, 0) : nullptr;
    CFont bold, normal;
    CreateNoticeFonts(dc, hMainFont, bold, normal);
    dc.SetBkMode(TRANSPARENT);
    CFont* oldFont = dc.SelectObject(&bold);
    if (m_bmpHeader.GetSafeHandle()) {
        CBitmap* old = mem.SelectObject(&m_bmpHeader);
        dc.BitBlt(15, 8, 164, 20, &mem, 0, 0, SRCCOPY);
        mem.SelectObject(old);
    }
    const COLORREF accent = RGB(9, 199, 223);
    if (m_bAlt) {
        dc.SetTextColor(accent);
        CRect rc(15, 50, 270, 70);
        dc.DrawText(m_strAltText, &rc, DT_VCENTER | DT_SINGLELINE | DT_WORD_ELLIPSIS);
    } else {
        CRect rcText(15, 50, 270, 70);
        if (!m_strTitle.IsEmpty()) {
            dc.SetTextColor(accent);
            CRect rcTitle(15, 50, 130, 70);
            dc.DrawText(m_strTitle, &rcTitle, DT_VCENTER | DT_SINGLELINE);
            rcText.left = 131;
        }
        dc.SetTextColor(RGB(0, 0, 0));
        dc.DrawText(m_strText, &rcText, DT_VCENTER | DT_SINGLELINE | DT_WORD_ELLIPSIS);
    }
    dc.SelectObject(&normal);
    dc.SetTextColor(RGB(91, 91, 91));
    CRect rcDesc(15, 76, 270, 91);
    // A chat notice names its sender on the first line and brings no description: the message
    // itself goes on the second line, or the user learns who wrote but never what.
    const CString& strSecond = m_bAlt && m_strDescription.IsEmpty() ? m_strText : m_strDescription;
    dc.DrawText(strSecond, &rcDesc, DT_VCENTER | DT_SINGLELINE | DT_WORD_ELLIPSIS);
    dc.SelectObject(oldFont);
}
