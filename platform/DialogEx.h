#pragma once
// CDialogEx: the dialog base with a background colour of its own.
#include "platform/Dialog.h"

class CDialogEx : public CDialog {
    DECLARE_DYNAMIC(CDialogEx)
public:
    CDialogEx() = default;
    explicit CDialogEx(UINT nIDTemplate, CWnd* pParentWnd = nullptr) : CDialog(nIDTemplate, pParentWnd) {}
    explicit CDialogEx(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr) : CDialog(lpszTemplateName, pParentWnd) {}
    ~CDialogEx() override;

    // A colour other than (COLORREF)-1 paints the dialog's background and the backgrounds of
    // its static texts; bRepaint redraws at once.
    void SetBackgroundColor(COLORREF color, BOOL bRepaint = TRUE);

protected:
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()

private:
    HBRUSH m_hBackground = nullptr;
    COLORREF m_clrBackground = (COLORREF)-1;
};
