#pragma once
// CEdit: an edit control.
#include "platform/Wnd.h"

class CEdit : public CWnd {
    DECLARE_DYNAMIC(CEdit)
public:
    CEdit() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) { return CWnd::Create(L"EDIT", nullptr, dwStyle, rect, pParentWnd, nID); }
    void SetLimitText(UINT nMax) { ::SendMessageW(m_hWnd, EM_SETLIMITTEXT, nMax, 0); }
    void LimitText(int nChars = 0) { ::SendMessageW(m_hWnd, EM_LIMITTEXT, (WPARAM)nChars, 0); }
    UINT GetLimitText() const { return (UINT)::SendMessageW(m_hWnd, EM_GETLIMITTEXT, 0, 0); }
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
    void SetSel(DWORD dwSelection, BOOL bNoScroll = FALSE) { SetSel((int)(short)LOWORD(dwSelection), (int)(short)HIWORD(dwSelection), bNoScroll); }
    DWORD GetSel() const { return (DWORD)::SendMessageW(m_hWnd, EM_GETSEL, 0, 0); }
    void GetSel(int& nStartChar, int& nEndChar) const { ::SendMessageW(m_hWnd, EM_GETSEL, (WPARAM)&nStartChar, (LPARAM)&nEndChar); }
    void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE) { ::SendMessageW(m_hWnd, EM_REPLACESEL, bCanUndo, (LPARAM)lpszNewText); }
    void SetPasswordChar(TCHAR ch) { ::SendMessageW(m_hWnd, EM_SETPASSWORDCHAR, ch, 0); }
    TCHAR GetPasswordChar() const { return (TCHAR)::SendMessageW(m_hWnd, EM_GETPASSWORDCHAR, 0, 0); }
    BOOL SetReadOnly(BOOL bReadOnly = TRUE) { return (BOOL)::SendMessageW(m_hWnd, EM_SETREADONLY, bReadOnly, 0); }
    void SetRect(LPCRECT lpRect) { ::SendMessageW(m_hWnd, EM_SETRECT, 0, (LPARAM)lpRect); }
    void SetRectNP(LPCRECT lpRect) { ::SendMessageW(m_hWnd, EM_SETRECTNP, 0, (LPARAM)lpRect); }
    void GetRect(LPRECT lpRect) const { ::SendMessageW(m_hWnd, EM_GETRECT, 0, (LPARAM)lpRect); }
    void SetMargins(UINT nLeft, UINT nRight) { ::SendMessageW(m_hWnd, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(nLeft, nRight)); }
    int GetLineCount() const { return (int)::SendMessageW(m_hWnd, EM_GETLINECOUNT, 0, 0); }
    int LineIndex(int nLine = -1) const { return (int)::SendMessageW(m_hWnd, EM_LINEINDEX, (WPARAM)nLine, 0); }
    int LineFromChar(int nIndex = -1) const { return (int)::SendMessageW(m_hWnd, EM_LINEFROMCHAR, (WPARAM)nIndex, 0); }
    int LineLength(int nLine = -1) const { return (int)::SendMessageW(m_hWnd, EM_LINELENGTH, (WPARAM)nLine, 0); }
    void LineScroll(int nLines, int nChars = 0) { ::SendMessageW(m_hWnd, EM_LINESCROLL, (WPARAM)nChars, nLines); }
    int GetFirstVisibleLine() const { return (int)::SendMessageW(m_hWnd, EM_GETFIRSTVISIBLELINE, 0, 0); }
    int CharFromPos(CPoint pt) const { return (int)::SendMessageW(m_hWnd, EM_CHARFROMPOS, 0, MAKELPARAM(pt.x, pt.y)); }
    CPoint PosFromChar(UINT nChar) const { return CPoint((LPARAM)::SendMessageW(m_hWnd, EM_POSFROMCHAR, nChar, 0)); }
    BOOL GetModify() const { return (BOOL)::SendMessageW(m_hWnd, EM_GETMODIFY, 0, 0); }
    void SetModify(BOOL bModified = TRUE) { ::SendMessageW(m_hWnd, EM_SETMODIFY, bModified, 0); }
    BOOL CanUndo() const { return (BOOL)::SendMessageW(m_hWnd, EM_CANUNDO, 0, 0); }
    BOOL Undo() { return (BOOL)::SendMessageW(m_hWnd, EM_UNDO, 0, 0); }
    void EmptyUndoBuffer() { ::SendMessageW(m_hWnd, EM_EMPTYUNDOBUFFER, 0, 0); }
    void Clear() { ::SendMessageW(m_hWnd, WM_CLEAR, 0, 0); }
    void Copy() { ::SendMessageW(m_hWnd, WM_COPY, 0, 0); }
    void Cut() { ::SendMessageW(m_hWnd, WM_CUT, 0, 0); }
    void Paste() { ::SendMessageW(m_hWnd, WM_PASTE, 0, 0); }
    BOOL SetCueBanner(LPCWSTR lpszText) { return (BOOL)::SendMessageW(m_hWnd, EM_SETCUEBANNER, 0, (LPARAM)lpszText); }
};

inline void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll)
{
    ::SendMessageW(m_hWnd, EM_SETSEL, (WPARAM)nStartChar, (LPARAM)nEndChar);
    if (!bNoScroll) ::SendMessageW(m_hWnd, EM_SCROLLCARET, 0, 0);
}
