#include "ui/skin/MyEdit.h"

#include "platform/DC.h"

BEGIN_MESSAGE_MAP(CMyEdit, CEdit)
    ON_CONTROL_REFLECT(EN_SETFOCUS, &CMyEdit::OnSetFocusReflect)
    ON_CONTROL_REFLECT(EN_KILLFOCUS, &CMyEdit::OnKillFocusReflect)
    ON_CONTROL_REFLECT(EN_UPDATE, &CMyEdit::OnUpdateReflect)
    ON_WM_KEYDOWN()
    ON_WM_MOUSEWHEEL()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_NCCALCSIZE()
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

CMyEdit::CMyEdit(COLORREF clrBack)
{
    m_brushText.CreateSolidBrush(clrBack);
    m_brushHint.CreateSolidBrush(clrBack);
}

void CMyEdit::ApplyFont(CFont* pFont)
{
    if (pFont && ::IsWindow(m_hWnd))
        SetFont(pFont, TRUE);
}

void CMyEdit::SetHint(const CString& strHint, CFont* pTextFont, COLORREF clrText, CFont* pHintFont, COLORREF clrHint,
                      BOOL bShowHint)
{
    m_strHint = strHint;
    m_pTextFont = pTextFont;
    m_clrText = clrText;
    m_pHintFont = pHintFont;
    m_clrHint = clrHint;
    if (bShowHint && ::IsWindow(m_hWnd))
        SetWindowText(m_strHint);
    m_bHint = bShowHint;
    ApplyFont(bShowHint ? m_pHintFont : m_pTextFont);
}

void CMyEdit::SetText(const CString& strText)
{
    m_bHint = strText.IsEmpty();
    if (!::IsWindow(m_hWnd))
        return;
    if (m_bHint && ::GetFocus() != m_hWnd)
        SetWindowText(m_strHint);
    else
        SetWindowText(strText);
}

void CMyEdit::SetReadOnly(BOOL bReadOnly)
{
    m_bReadOnly = bReadOnly;
    CEdit::SetReadOnly(bReadOnly);
}

void CMyEdit::RefreshHintState()
{
    if (m_bFocused) {
        CString text;
        GetWindowText(text);
        text.Trim();
        m_bHint = text.IsEmpty();
    }
    Invalidate(TRUE);
}

void CMyEdit::OnSetFocusReflect()
{
    if (m_bReadOnly)
        return;
    m_bFocused = 1;
    if (m_bHint) {
        SetWindowText(L"");
        ApplyFont(m_pTextFont);
    }
}

void CMyEdit::OnKillFocusReflect()
{
    if (m_bReadOnly)
        return;
    m_bFocused = 0;
    if (m_bHint) {
        SetWindowText(m_strHint);
        m_bHint = 1;
        ApplyFont(m_pHintFont);
    }
}

void CMyEdit::NotifyParent()
{
    if (HWND parent = ::GetParent(m_hWnd))
        ::PostMessageW(parent, WM_MYEDIT_INPUT, 0, 0);
}

void CMyEdit::OnUpdateReflect()
{
    NotifyParent();
}

void CMyEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    NotifyParent();
    CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}

BOOL CMyEdit::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    NotifyParent();
    return CEdit::OnMouseWheel(nFlags, zDelta, pt);
}

void CMyEdit::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bPressed)
        NotifyParent();
    CEdit::OnMouseMove(nFlags, point);
}

void CMyEdit::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (HWND parent = ::GetParent(m_hWnd)) {
        POINT pt;
        ::GetCursorPos(&pt);
        ::ScreenToClient(parent, &pt);
        ::PostMessageW(parent, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    }
    m_bPressed = 1;
    CEdit::OnLButtonDown(nFlags, point);
}

void CMyEdit::OnLButtonUp(UINT nFlags, CPoint point)
{
    m_bPressed = 0;
    CEdit::OnLButtonUp(nFlags, point);
}

void CMyEdit::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*)
{
    // No border: the whole window is the edit area.
}

HBRUSH CMyEdit::CtlColor(CDC* pDC, UINT)
{
    pDC->SetBkMode(TRANSPARENT);
    if (!m_bFocused && m_bHint) {
        pDC->SetTextColor(m_clrHint);
        return (HBRUSH)m_brushHint.GetSafeHandle();
    }
    pDC->SetTextColor(m_clrText);
    return (HBRUSH)m_brushText.GetSafeHandle();
}
