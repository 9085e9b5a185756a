#include "platform/DialogEx.h"

IMPLEMENT_DYNAMIC(CDialogEx, CDialog)

BEGIN_MESSAGE_MAP(CDialogEx, CDialog)
    ON_WM_ERASEBKGND()
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CDialogEx::~CDialogEx()
{
    if (m_hBackground) ::DeleteObject(m_hBackground);
}

void CDialogEx::SetBackgroundColor(COLORREF color, BOOL bRepaint)
{
    if (m_hBackground) ::DeleteObject(m_hBackground);
    m_hBackground = nullptr;
    m_clrBackground = color;
    if (color != (COLORREF)-1) m_hBackground = ::CreateSolidBrush(color);
    if (bRepaint && m_hWnd) Invalidate();
}

BOOL CDialogEx::OnEraseBkgnd(CDC* pDC)
{
    if (!m_hBackground) return CDialog::OnEraseBkgnd(pDC);
    RECT client;
    GetClientRect(&client);
    ::FillRect(pDC->GetSafeHdc(), &client, m_hBackground);
    return TRUE;
}

HBRUSH CDialogEx::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (!m_hBackground || (nCtlColor != CTLCOLOR_DLG && nCtlColor != CTLCOLOR_STATIC))
        return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    // A control that chooses its own colours keeps them.
    LRESULT brush = 0;
    if (pWnd && ReflectLastMsg(pWnd->m_hWnd, &brush) && brush) return (HBRUSH)brush;
    pDC->SetBkColor(m_clrBackground);
    return m_hBackground;
}
