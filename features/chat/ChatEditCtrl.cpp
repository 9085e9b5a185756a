#include "features/chat/ChatEditCtrl.h"

#include "core/ClientMessages.h"
#include "core/DrawHelpers.h"
#include "features/chat/ChatRules.h"

IMPLEMENT_DYNAMIC(CChatEditCtrl, CEdit)

BEGIN_MESSAGE_MAP(CChatEditCtrl, CEdit)
    ON_WM_CREATE()
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEWHEEL()
    ON_WM_MOUSEMOVE()
    ON_CONTROL_REFLECT(EN_UPDATE, &CChatEditCtrl::OnTextUpdate)
END_MESSAGE_MAP()

int CChatEditCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CEdit::OnCreate(lpCreateStruct) == -1) return -1;
    HDC hdc = ::GetDC(m_hWnd);
    const int nHeight = -MulDiv(GetDefaultFontSize(), ::GetDeviceCaps(hdc, LOGPIXELSY), 72);
    ::ReleaseDC(m_hWnd, hdc);
    m_font.CreateFont(nHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, HANGEUL_CHARSET, 0, 0, 0, FF_SWISS,
                      GetDefaultFontName());
    SetFont(&m_font, TRUE);
    LimitText(1000);
    return 0;
}

void CChatEditCtrl::SetInputEnabled(BOOL bEnable)
{
    m_bInputEnabled = bEnable ? 1 : 0;
    if (!m_hWnd) return;
    if (bEnable) {
        SetFocus();
    } else {
        SetWindowText(L"");
        SendMessage(WM_KILLFOCUS, 0, 0);
        if (::GetFocus() == m_hWnd) ::SetFocus(GetParent() ? GetParent()->m_hWnd : nullptr);
    }
}

void CChatEditCtrl::Clear()
{
    if (m_hWnd) SetWindowText(L"");
    if (!(m_isEnded && m_isEnded())) SetInputEnabled(TRUE);
}

BOOL CChatEditCtrl::PreTranslateMessage(MSG* pMsg)
{
    if (!m_bInputEnabled && pMsg->message == WM_LBUTTONDOWN && pMsg->hwnd == m_hWnd) {
        ::HideCaret(m_hWnd);
        return TRUE;
    }
    return CEdit::PreTranslateMessage(pMsg);
}

void CChatEditCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    // The same refusal when the press comes straight to the window procedure (no loop of ours
    // translated it): while chat is off no caret is placed.
    if (!m_bInputEnabled) {
        ::HideCaret(m_hWnd);
        return;
    }
    Default();
}

void CChatEditCtrl::ReportLine(int nPercent, int nLine)
{
    if (CWnd* pParent = GetParent()) pParent->SendMessage(WM_CHAT_INPUT_LINE, (WPARAM)nPercent, (LPARAM)nLine);
}

void CChatEditCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    const BOOL bShift = ::GetKeyState(VK_SHIFT) < 0;
    const BOOL bCtrl = ::GetKeyState(VK_CONTROL) < 0;
    if (nChar == VK_UP || nChar == VK_DOWN) {
        const int nIndex = LineFromChar(LineIndex(-1));
        const int nLine = InputArrowLine(nIndex, nChar == VK_DOWN);
        ReportLine(InputArrowPercent(nLine, GetLineCount()), nLine);
    } else if (nChar == VK_RETURN && !bCtrl) {
        if (bShift) {
            int nStart = 0, nEnd = 0;
            GetSel(nStart, nEnd);
            SetSel(nEnd, nEnd);
            ReplaceSel(L"\r\n", FALSE);
        } else if (GetWindowTextLength() > 0) {
            if (CWnd* pParent = GetParent()) pParent->SendMessage(WM_CHAT_INPUT_ENTER, 0, 0);
        }
    }
    Default();
}

void CChatEditCtrl::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    // The character of Enter follows its key-down: the key-down has already sent the text (or,
    // with Shift, put the line break in), so the character must not leave a line break behind.
    if (nChar == L'\r') return;
    if (!m_bInputEnabled) return;
    Default();
}

BOOL CChatEditCtrl::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    if (CWnd* pParent = GetParent())
        pParent->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(nFlags, (WORD)zDelta), MAKELPARAM(pt.x, pt.y));
    Default();
    return TRUE;
}

void CChatEditCtrl::OnMouseMove(UINT nFlags, CPoint point)
{
    Default();
}

void CChatEditCtrl::OnTextUpdate()
{
    int nStart = 0, nEnd = 0;
    GetSel(nStart, nEnd);
    const int nLine = LineFromChar(nStart) + 1;
    ReportLine(InputTypingPercent(nLine, GetLineCount()), nLine);
}
