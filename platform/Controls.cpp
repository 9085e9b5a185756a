// The small control classes' out-of-line members and run-time classes.
#include "platform/Controls.h"

#include "platform/OwnerDraw.h"

IMPLEMENT_DYNAMIC(CEdit, CWnd)
IMPLEMENT_DYNAMIC(CStatic, CWnd)
IMPLEMENT_DYNAMIC(CListBox, CWnd)
IMPLEMENT_DYNAMIC(CComboBox, CWnd)
IMPLEMENT_DYNAMIC(CScrollBar, CWnd)
IMPLEMENT_DYNAMIC(CProgressCtrl, CWnd)

namespace {

// Reads an item text of a list or combo box whose length the box reports first.
void ReadItemText(HWND hWnd, UINT lengthMessage, UINT textMessage, int index, CString& text)
{
    text.Empty();
    const int length = (int)::SendMessageW(hWnd, lengthMessage, (WPARAM)index, 0);
    if (length <= 0) return;
    const int got = (int)::SendMessageW(hWnd, textMessage, (WPARAM)index, (LPARAM)text.GetBuffer(length + 1));
    text.ReleaseBuffer(got < 0 ? 0 : (got > length ? length : got));
}

} // namespace

void CListBox::GetText(int nIndex, CString& rString) const
{
    ReadItemText(m_hWnd, LB_GETTEXTLEN, LB_GETTEXT, nIndex, rString);
}

void CListBox::DrawItem(LPDRAWITEMSTRUCT) {}
void CListBox::MeasureItem(LPMEASUREITEMSTRUCT) {}
int CListBox::CompareItem(LPCOMPAREITEMSTRUCT) { return 0; }
void CListBox::DeleteItem(LPDELETEITEMSTRUCT) {}

BOOL CListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (zel::OwnerDrawNotify(this, message, lParam, pResult)) return TRUE;
    if (message == WM_COMPAREITEM) {
        const int order = CompareItem(reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam));
        if (pResult) *pResult = order;
        return TRUE;
    }
    if (message == WM_DELETEITEM) {
        DeleteItem(reinterpret_cast<LPDELETEITEMSTRUCT>(lParam));
        if (pResult) *pResult = TRUE;
        return TRUE;
    }
    return CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

void CComboBox::GetLBText(int nIndex, CString& rString) const
{
    ReadItemText(m_hWnd, CB_GETLBTEXTLEN, CB_GETLBTEXT, nIndex, rString);
}

void CComboBox::DrawItem(LPDRAWITEMSTRUCT) {}
void CComboBox::MeasureItem(LPMEASUREITEMSTRUCT) {}

BOOL CComboBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (zel::OwnerDrawNotify(this, message, lParam, pResult)) return TRUE;
    return CWnd::OnChildNotify(message, wParam, lParam, pResult);
}
