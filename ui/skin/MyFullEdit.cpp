#include "ui/skin/MyFullEdit.h"

#include "platform/DC.h"

BEGIN_MESSAGE_MAP(CMyFullEdit, CEdit)
    ON_CONTROL_REFLECT(EN_KILLFOCUS, &CMyFullEdit::OnKillFocusReflect)
    ON_CONTROL_REFLECT(EN_SETFOCUS, &CMyFullEdit::OnSetFocusReflect)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

CMyFullEdit::CMyFullEdit()
{
    m_brush.CreateSolidBrush(RGB(255, 255, 255));
}

void CMyFullEdit::OnKillFocusReflect()
{
    GetSel(m_nSelStart, m_nSelEnd);
}

void CMyFullEdit::OnSetFocusReflect()
{
    SetSel(m_nSelStart, m_nSelEnd, FALSE);
}

HBRUSH CMyFullEdit::CtlColor(CDC* pDC, UINT)
{
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(m_clrText);
    return (HBRUSH)m_brush.GetSafeHandle();
}

BOOL CMyFullEdit::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_TAB)
        return TRUE;
    return CEdit::PreTranslateMessage(pMsg);
}
