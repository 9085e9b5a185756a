#pragma once
#include "platform/Brush.h"
#include "platform/Edit.h"

// CMyFullEdit: an edit that keeps its selection across focus changes and keeps Tab to itself.
class CMyFullEdit : public CEdit {
public:
    CMyFullEdit();
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void SetTextColor(COLORREF clr) { m_clrText = clr; }

protected:
    afx_msg void OnKillFocusReflect();
    afx_msg void OnSetFocusReflect();
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()

private:
    int m_nSelStart = 0;
    int m_nSelEnd = 0;
    COLORREF m_clrText = 0;
    COLORREF m_clrBack = RGB(255, 255, 255);
    CBrush m_brush;
};
