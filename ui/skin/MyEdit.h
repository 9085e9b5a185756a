#pragma once
// CMyEdit: a borderless edit in the skin's colours that shows a hint in its own colour and font
// while it is empty and unfocused, and tells its parent of input (WM_USER + 5000) and presses.
#include "platform/Brush.h"
#include "platform/Edit.h"

const UINT WM_MYEDIT_INPUT = WM_USER + 5000;

class CMyEdit : public CEdit {
public:
    explicit CMyEdit(COLORREF clrBack);

    void SetHint(const CString& strHint, CFont* pTextFont, COLORREF clrText, CFont* pHintFont, COLORREF clrHint,
                 BOOL bShowHint);
    void SetText(const CString& strText);
    void SetReadOnly(BOOL bReadOnly);
    void RefreshHintState();
    BOOL IsHintShown() const { return m_bHint; }

protected:
    afx_msg void OnSetFocusReflect();
    afx_msg void OnKillFocusReflect();
    afx_msg void OnUpdateReflect();
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()

private:
    void ApplyFont(CFont* pFont);
    void NotifyParent();

    int m_bPressed = 0;
    int m_bReadOnly = 0;
    int m_bHint = 1;
    int m_bFocused = 0;
    CString m_strHint;
    COLORREF m_clrText = 0;
    COLORREF m_clrHint = RGB(255, 0, 0);
    CFont* m_pTextFont = nullptr;
    CFont* m_pHintFont = nullptr;
    CBrush m_brushText;
    CBrush m_brushHint;
};
