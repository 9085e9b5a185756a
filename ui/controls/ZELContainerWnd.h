#pragma once
// CZELContainerWnd: a layer pane with a title, a collapse toggle and a painted frame (the meeting
// screen's right-hand pane derives from it). Every toggle tells the parent WM_CONTAINER_TOGGLED
// and, when the pane opens, stops the title bar's chat blinking; every option click tells it
// WM_CONTAINER_OPTION (the option button itself stays hidden and disabled). Near the bottom and
// right edges it shows resize cursors and computes resize hit codes, unless the main window is
// maximised.
//
// The meeting state and the title bar belong to other screens: a derived pane answers
// IsMeetingEnded and StopChatBlink (the base: not ended, nothing to stop).
#include "platform/Bitmap.h"
#include "ui/controls/ZELWnd.h"
#include "ui/controls/xSkinButton.h"

class CZELContainerWnd : public CZELWnd {
public:
    enum { ID_TOGGLE = 34730, ID_OPTION = 34740 };

    CZELContainerWnd() = default;

    void SetTitle(const CString& strTitle) { m_strTitle = strTitle; }
    const CString& GetTitle() const { return m_strTitle; }
    BOOL IsCollapsed() const { return m_bCollapsed != 0; }
    BOOL GetOption() const { return m_bOption != 0; }
    CxSkinButton& ToggleButton() { return m_btnToggle; }
    CxSkinButton& OptionButton() { return m_btnOption; }

    virtual void OnToggle();

    // Where a point of the client lies for resizing: HTBOTTOM, HTRIGHT, HTBOTTOMRIGHT, or
    // HTNOWHERE; and the cursor shown there (0: none of the edges).
    static LRESULT EdgeHitCode(CPoint point, const CRect& rcClient);
    static LPCTSTR EdgeCursor(CPoint point, const CRect& rcClient);
    // The last hit code a press gave (HTNOWHERE when none).
    LRESULT GetLastEdgeHit() const { return m_nLastEdgeHit; }

protected:
    virtual BOOL IsMeetingEnded() const { return FALSE; }
    virtual void StopChatBlink() {}

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnToggleClicked();
    afx_msg void OnOptionClicked();
    DECLARE_MESSAGE_MAP()

    CxSkinButton m_btnToggle;
    CBitmap m_bmpBack;
    int m_bCollapsed = 0;
    CString m_strTitle;
    CxSkinButton m_btnOption;
    int m_bOption = 0;

private:
    void UpdateOptionButton(int bFlag);
    void SkinToggle();
    static BOOL IsMainMaximised();
    LRESULT m_nLastEdgeHit = HTNOWHERE;
};
