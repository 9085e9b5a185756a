#include "screens/login/LoginEdit.h"

BEGIN_MESSAGE_MAP(CLoginEdit, CEdit)
    ON_CONTROL_REFLECT(EN_UPDATE, &CLoginEdit::OnUpdateReflect)
END_MESSAGE_MAP()

void CLoginEdit::SetText(const CString& strText)
{
    m_bHintShown = FALSE;
    SetWindowText(strText);
    // An empty text shows the hint, whether or not the system reported the (unchanged) text.
    if (strText.IsEmpty() && !m_bHintShown) OnUpdateReflect();
}

void CLoginEdit::ClearHint()
{
    // The emptied box must not take its hint back before the key that cleared it is typed.
    m_bClearing = TRUE;
    SetWindowText(L"");
    m_bClearing = FALSE;
    m_bHintShown = FALSE;
    if (m_bPassword) SetPasswordChar(L'*');
}

void CLoginEdit::OnUpdateReflect()
{
    if (m_bClearing) return;
    TCHAR chPassword = L'*';
    if (GetWindowTextLength() == 0 && !m_bHintShown) {
        // Setting the hint updates the text again; the flag is set first so that the nested
        // update neither puts the hint back twice nor masks it.
        m_bHintShown = TRUE;
        SetWindowText(m_strHint);
    }
    if (m_bHintShown) chPassword = 0;
    if (m_bPassword) {
        SetPasswordChar(chPassword);
        Invalidate();
    }
    if (m_pNotifyWnd && ::IsWindow(m_pNotifyWnd->GetSafeHwnd()))
        m_pNotifyWnd->SendMessage(WM_LOGIN_EDIT_CHANGED, 0, 0);
}

BOOL CLoginEdit::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->hwnd == m_hWnd) {
        switch (pMsg->message) {
        case WM_CHAR:
        case WM_IME_COMPOSITION:
            if (m_bHintShown && pMsg->wParam > 32) ClearHint();
            break;
        case WM_KEYDOWN:
            if (pMsg->wParam == 'V' && (::GetKeyState(VK_CONTROL) & 0x8000) && m_bHintShown) ClearHint();
            if (pMsg->wParam == VK_SPACE) return TRUE;
            if (m_bHintShown) {
                switch (pMsg->wParam) {
                case VK_BACK: case VK_DELETE: case VK_END: case VK_LEFT: case VK_UP: case VK_RIGHT: case VK_DOWN:
                    return TRUE;
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

LRESULT CLoginEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PASTE && m_bHintShown) return 1;
    return CEdit::WindowProc(message, wParam, lParam);
}
