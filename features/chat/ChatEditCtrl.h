#pragma once
// CChatEditCtrl: the chat panel's multi-line input. Enter over text asks the panel to send,
// Shift+Enter starts a new line, the caret's line goes to the panel so that its thin scroll bar
// follows the text, and while chat is off the box ignores clicks and stays empty.
#include <functional>

#include "platform/Edit.h"
#include "platform/Font.h"

class CChatEditCtrl : public CEdit {
    DECLARE_DYNAMIC(CChatEditCtrl)
public:
    CChatEditCtrl() = default;
    ~CChatEditCtrl() override = default;

    // On: focus to the box. Off: the box is emptied and loses the focus.
    void SetInputEnabled(BOOL bEnable);
    BOOL IsInputEnabled() const { return m_bInputEnabled; }
    // Empties the box; input goes on unless the meeting has ended.
    void Clear();
    // Whether the meeting has ended (asked by Clear); the panel sets it.
    void SetEndedQuery(std::function<BOOL()> isEnded) { m_isEnded = std::move(isEnded); }

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnTextUpdate();
    DECLARE_MESSAGE_MAP()

private:
    void ReportLine(int nPercent, int nLine);

    CFont m_font;
    int m_bInputEnabled = 0;
    std::function<BOOL()> m_isEnded;
};
