#include "ui/controls/ZELEditCtrl.h"

#include <cstdlib>

#include "core/DrawHelpers.h"
#include "ui/controls/ZELScrollBar.h"

// ---- CZELEditCtrl ----

RECT CenteredLineClient(const RECT& rcWindow, int nLineHeight)
{
    const int kLeft = 4, kRight = 2;
    RECT rc = rcWindow;
    const int height = rc.bottom - rc.top;
    if (nLineHeight > 0 && height > nLineHeight) {
        rc.top += (height - nLineHeight) / 2;
        rc.bottom = rc.top + nLineHeight;
    }
    if (rc.right - rc.left > kLeft + kRight + 1) {
        rc.left += kLeft;
        rc.right -= kRight;
    }
    return rc;
}

BEGIN_MESSAGE_MAP(CZELEditCtrl, CEdit)
    ON_CONTROL_REFLECT(EN_UPDATE, &CZELEditCtrl::OnUpdateReflect)
END_MESSAGE_MAP()

void CZELEditCtrl::SetText(const CString& strText)
{
    // Cleared first: setting an empty text reflects an update that puts the hint in, and the
    // flag has to say so afterwards, or the hint would later be read back as the user's input.
    m_bHintShown = FALSE;
    SetWindowText(strText);
}

void CZELEditCtrl::OnUpdateReflect()
{
    wchar_t chPassword = L'*';
    if (GetWindowTextLength() == 0 && !m_bHintShown) {
        SetWindowText(m_strHint);
        m_bHintShown = TRUE;
        chPassword = 0;   // the hint reads in clear
    }
    if (m_bPassword)
        SendMessage(EM_SETPASSWORDCHAR, chPassword);
    if (m_pNotifyWnd->GetSafeHwnd())
        m_pNotifyWnd->SendMessage(WM_MYEDIT_INPUT, 0, 0);
}

void CZELEditCtrl::DropHint()
{
    SetWindowText(L"");
    m_bHintShown = FALSE;
}

BOOL CZELEditCtrl::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->hwnd == m_hWnd) {
        switch (pMsg->message) {
        case WM_CHAR:
        case WM_IME_COMPOSITION:
            // The first real character replaces the hint.
            if (m_bHintShown && pMsg->wParam > 32)
                DropHint();
            break;
        case WM_KEYDOWN:
            if (pMsg->wParam == 'V' && ::GetKeyState(VK_CONTROL) < 0 && m_bHintShown) {
                DropHint();   // the paste replaces the hint
                break;
            }
            if (pMsg->wParam == VK_SPACE)
                return TRUE;   // no spaces in these fields
            if (m_bHintShown) {
                switch (pMsg->wParam) {
                case VK_BACK:
                case VK_DELETE:
                case VK_END:
                case VK_LEFT:
                case VK_UP:
                case VK_RIGHT:
                case VK_DOWN:
                    return TRUE;   // the hint is not text to edit
                default:
                    break;
                }
            }
            break;
        default:
            break;
        }
    }
    return CEdit::PreTranslateMessage(pMsg);
}

int CZELEditCtrl::LineHeight()
{
    HDC dc = ::GetDC(m_hWnd);
    if (!dc)
        return 0;
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(::SendMessageW(m_hWnd, WM_GETFONT, 0, 0));
    HGDIOBJ old = ::SelectObject(dc, font ? font : ::GetStockObject(SYSTEM_FONT));
    TEXTMETRICW tm = {};
    ::GetTextMetricsW(dc, &tm);
    ::SelectObject(dc, old);
    ::ReleaseDC(m_hWnd, dc);
    return tm.tmHeight;
}

void CZELEditCtrl::PaintMargins()
{
    // The band around the client area takes the field's own background (the parent's answer to
    // WM_CTLCOLOREDIT), so the text sits in the middle of one white field.
    HDC dc = ::GetWindowDC(m_hWnd);
    if (!dc)
        return;
    RECT window, client;
    ::GetWindowRect(m_hWnd, &window);
    ::GetClientRect(m_hWnd, &client);
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
    ::OffsetRect(&client, -window.left, -window.top);
    ::OffsetRect(&window, -window.left, -window.top);
    HWND parent = ::GetParent(m_hWnd);
    HBRUSH brush = parent ? reinterpret_cast<HBRUSH>(::SendMessageW(parent, ::IsWindowEnabled(m_hWnd) ? WM_CTLCOLOREDIT
                                                                                                       : WM_CTLCOLORSTATIC,
                                                                    reinterpret_cast<WPARAM>(dc),
                                                                    reinterpret_cast<LPARAM>(m_hWnd)))
                          : nullptr;
    if (!brush)
        brush = ::GetSysColorBrush(COLOR_WINDOW);
    ::ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
    ::FillRect(dc, &window, brush);
    ::ReleaseDC(m_hWnd, dc);
}

LRESULT CZELEditCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PASTE:
        if (m_bHintShown)
            return 1;
        break;
    case WM_NCCALCSIZE: {
        const LRESULT result = CEdit::WindowProc(message, wParam, lParam);
        RECT& rc = wParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : *reinterpret_cast<RECT*>(lParam);
        if (!(GetStyle() & ES_MULTILINE))
            rc = CenteredLineClient(rc, LineHeight());
        return result;
    }
    case WM_NCPAINT: {
        const LRESULT result = CEdit::WindowProc(message, wParam, lParam);
        PaintMargins();
        return result;
    }
    case WM_SETFONT: {
        const LRESULT result = CEdit::WindowProc(message, wParam, lParam);
        // The line's height changed: the client area is worked out again.
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        return result;
    }
    default:
        break;
    }
    return CEdit::WindowProc(message, wParam, lParam);
}

// ---- CEditBody ----

BEGIN_MESSAGE_MAP(CEditBody, CEdit)
    ON_WM_CREATE()
    ON_WM_MOUSEWHEEL()
    ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

CEditBody::~CEditBody() = default;

int CEditBody::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CEdit::OnCreate(lpCreateStruct) == -1)
        return -1;
    CClientDC dc(this);
    m_font.CreateFont(-MulDiv(GetDefaultFontSize() - 2, dc.GetDeviceCaps(LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL, 0, 0,
                      0, HANGUL_CHARSET, 0, 0, 0, FF_SWISS, GetDefaultFontName());
    SetFont(&m_font, TRUE);
    SetUpTouch();
    return 0;
}

void CEditBody::SetUpTouch()
{
    OSVERSIONINFOEXW versionEx = {};
    versionEx.dwOSVersionInfoSize = sizeof(versionEx);
    DWORD major = 0, minor = 0;
    if (::GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&versionEx))) {
        major = versionEx.dwMajorVersion;
        minor = versionEx.dwMinorVersion;
    } else {
        OSVERSIONINFOW version = {};
        version.dwOSVersionInfoSize = sizeof(version);
        if (!::GetVersionExW(&version))
            return;
        major = version.dwMajorVersion;
        minor = version.dwMinorVersion;
    }
    // Windows 7 and later (the program is told 6.2 on anything newer).
    if (major < 6 || (major == 6 && minor == 0))
        return;
    if (!(::GetSystemMetrics(SM_DIGITIZER) & (NID_READY | NID_MULTI_INPUT)))
        return;
    CreateTouchTracker();
    RegisterTouchWindow(TRUE, 0);
}

void CEditBody::CreateTouchTracker()
{
    if (!m_pTouch)
        m_pTouch.reset(new CTouchDragTracker);
}

BOOL CEditBody::OnTouchInput(CPoint pt, int, int, PTOUCHINPUT pInput)
{
    if (!m_pTouch)
        return FALSE;
    return m_pTouch->ScrollByTouch(m_hWnd, pt, *pInput, 3);
}

BOOL CEditBody::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    if (m_pScrollBar && ::IsWindow(m_pScrollBar->GetSafeHwnd())) {
        int nPos = m_pScrollBar->GetPos() + (zDelta > 0 ? -15 : 15);
        nPos = nPos < 0 ? 0 : (nPos > 100 ? 100 : nPos);
        // The owner places the text where the bar says; the edit's own wheel scrolling would
        // move it three lines further and leave text and bar apart.
        m_pScrollBar->SetPos(nPos, TRUE);
        return TRUE;
    }
    return CEdit::OnMouseWheel(nFlags, zDelta, pt);
}

void CEditBody::OnMouseMove(UINT nFlags, CPoint point)
{
    ::HideCaret(m_hWnd);
    CEdit::OnMouseMove(nFlags, point);
}

BOOL CEditBody::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->hwnd == m_hWnd && pMsg->message == WM_LBUTTONDOWN) {
        ::HideCaret(m_hWnd);
        return TRUE;   // no caret and no selection by mouse
    }
    return CEdit::PreTranslateMessage(pMsg);
}
