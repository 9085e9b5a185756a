#pragma once
// The client's own edit fields outside the skin: CZELEditCtrl, the one-line input with a hint
// shown (in its normal colour) while it is empty, an optional password mask, no spaces, and a
// WM_MYEDIT_INPUT to a chosen window after every change; CEditBody, the read-only multi-line
// text of the information panel, without caret or selection, scrolled through a companion
// bitmap scroll bar by the wheel and one-finger drags.
#include <memory>

#include "platform/Edit.h"
#include "platform/Font.h"
#include "ui/controls/TouchDragTracker.h"
#include "ui/skin/MyEdit.h"

class ZELScrollBar;

// The client area of a one-line field of that window size whose text line is that high: the line
// in the middle, a few pixels in from the left (a one-line edit draws from its client area's
// top-left corner, so the text would touch the field's edges).
RECT CenteredLineClient(const RECT& rcWindow, int nLineHeight);

class CZELEditCtrl : public CEdit {
public:
    CZELEditCtrl() = default;

    void SetNotifyWnd(CWnd* pWnd) { m_pNotifyWnd = pWnd; }
    void SetHintText(const CString& strHint) { m_strHint = strHint; }
    void SetPassword(BOOL bPassword) { m_bPassword = bPassword; }
    // Real input, never the hint.
    void SetText(const CString& strText);
    // While TRUE the field holds the hint and counts as empty.
    BOOL IsHintShown() const { return m_bHintShown; }

    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    afx_msg void OnUpdateReflect();
    DECLARE_MESSAGE_MAP()

private:
    void DropHint();
    int LineHeight();
    void PaintMargins();

    CWnd* m_pNotifyWnd = nullptr;
    BOOL m_bHintShown = FALSE;
    CString m_strHint;
    BOOL m_bPassword = FALSE;
};

class CEditBody : public CEdit {
public:
    CEditBody() = default;
    ~CEditBody() override;

    void SetScrollBar(ZELScrollBar* pBar) { m_pScrollBar = pBar; }
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnTouchInput(CPoint pt, int nInputNumber, int nInputsCount, PTOUCHINPUT pInput) override;
    BOOL HasTouch() const { return m_pTouch != nullptr; }
    // Registers for touch input where the system has a ready touch digitizer (Windows 7 on).
    void SetUpTouch();
    // The drag tracker alone, without asking the system (machines without a digitizer).
    void CreateTouchTracker();

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    ZELScrollBar* m_pScrollBar = nullptr;
    CFont m_font;
    std::unique_ptr<CTouchDragTracker> m_pTouch;
};
