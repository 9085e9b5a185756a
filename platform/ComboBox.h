#pragma once
// CComboBox: a combo box. Owner-drawn combos are drawn by the object (DrawItem/MeasureItem).
#include "platform/Wnd.h"

class CComboBox : public CWnd {
    DECLARE_DYNAMIC(CComboBox)
public:
    CComboBox() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) { return CWnd::Create(L"COMBOBOX", nullptr, dwStyle, rect, pParentWnd, nID); }
    int GetCount() const { return (int)::SendMessageW(m_hWnd, CB_GETCOUNT, 0, 0); }
    int AddString(LPCTSTR lpszString) { return (int)::SendMessageW(m_hWnd, CB_ADDSTRING, 0, (LPARAM)lpszString); }
    int InsertString(int nIndex, LPCTSTR lpszString) { return (int)::SendMessageW(m_hWnd, CB_INSERTSTRING, (WPARAM)nIndex, (LPARAM)lpszString); }
    int DeleteString(UINT nIndex) { return (int)::SendMessageW(m_hWnd, CB_DELETESTRING, nIndex, 0); }
    void ResetContent() { ::SendMessageW(m_hWnd, CB_RESETCONTENT, 0, 0); }
    int GetCurSel() const { return (int)::SendMessageW(m_hWnd, CB_GETCURSEL, 0, 0); }
    int SetCurSel(int nSelect) { return (int)::SendMessageW(m_hWnd, CB_SETCURSEL, (WPARAM)nSelect, 0); }
    int GetLBTextLen(int nIndex) const { return (int)::SendMessageW(m_hWnd, CB_GETLBTEXTLEN, (WPARAM)nIndex, 0); }
    int GetLBText(int nIndex, LPTSTR lpszText) const { return (int)::SendMessageW(m_hWnd, CB_GETLBTEXT, (WPARAM)nIndex, (LPARAM)lpszText); }
    void GetLBText(int nIndex, CString& rString) const;
    DWORD_PTR GetItemData(int nIndex) const { return (DWORD_PTR)::SendMessageW(m_hWnd, CB_GETITEMDATA, (WPARAM)nIndex, 0); }
    int SetItemData(int nIndex, DWORD_PTR dwItemData) { return (int)::SendMessageW(m_hWnd, CB_SETITEMDATA, (WPARAM)nIndex, (LPARAM)dwItemData); }
    int FindString(int nStartAfter, LPCTSTR lpszString) const { return (int)::SendMessageW(m_hWnd, CB_FINDSTRING, (WPARAM)nStartAfter, (LPARAM)lpszString); }
    int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const { return (int)::SendMessageW(m_hWnd, CB_FINDSTRINGEXACT, (WPARAM)nIndexStart, (LPARAM)lpszFind); }
    int SelectString(int nStartAfter, LPCTSTR lpszString) { return (int)::SendMessageW(m_hWnd, CB_SELECTSTRING, (WPARAM)nStartAfter, (LPARAM)lpszString); }
    void ShowDropDown(BOOL bShowIt = TRUE) { ::SendMessageW(m_hWnd, CB_SHOWDROPDOWN, bShowIt, 0); }
    BOOL GetDroppedState() const { return (BOOL)::SendMessageW(m_hWnd, CB_GETDROPPEDSTATE, 0, 0); }
    int SetDroppedWidth(UINT nWidth) { return (int)::SendMessageW(m_hWnd, CB_SETDROPPEDWIDTH, nWidth, 0); }
    int GetDroppedWidth() const { return (int)::SendMessageW(m_hWnd, CB_GETDROPPEDWIDTH, 0, 0); }
    int SetItemHeight(int nIndex, UINT cyItemHeight) { return (int)::SendMessageW(m_hWnd, CB_SETITEMHEIGHT, (WPARAM)nIndex, cyItemHeight); }
    int GetItemHeight(int nIndex) const { return (int)::SendMessageW(m_hWnd, CB_GETITEMHEIGHT, (WPARAM)nIndex, 0); }
    BOOL LimitText(int nMaxChars) { return (BOOL)::SendMessageW(m_hWnd, CB_LIMITTEXT, (WPARAM)nMaxChars, 0); }
    BOOL SetEditSel(int nStartChar, int nEndChar) { return (BOOL)::SendMessageW(m_hWnd, CB_SETEDITSEL, 0, MAKELPARAM(nStartChar, nEndChar)); }
    DWORD GetEditSel() const { return (DWORD)::SendMessageW(m_hWnd, CB_GETEDITSEL, 0, 0); }

    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
