#pragma once
// CToastPopup: a translucent teal box with white text, centred over a rectangle of the main
// window, shown for a display time (1500 ms); texts that come while one shows wait in a queue
// and follow in turn. Created with new and Create(IDD_TOAST) by its owner; it deletes itself
// when its window is destroyed. Every text shown is told to the pop-up test hook
// (SetPopupAnswerHook, kind POPUP_TOAST).
#include <deque>
#include <utility>

#include "platform/Brush.h"
#include "platform/Dialog.h"

class CToastPopup : public CDialog {
public:
    enum { TIMER_DISPLAY = 1234 };

    explicit CToastPopup(CWnd* pParent = nullptr);

    // Centres the toast on the rectangle (screen coordinates) and shows the text, or queues it
    // while another one shows.
    void Show(int left, int top, int right, int bottom, const CString& strText);
    // Shows (or queues) a text 22 pixels lower that stays for the display time given, or until a
    // call with display time 0 ends it early; texts queued behind it follow either way.
    void ShowUntilClosed(const RECT& rc, const CString& strText, UINT nDisplayTime);
    void SetDisplayTime(UINT nMilliseconds) { m_nDisplayTime = nMilliseconds; }
    void SetTitledText(const CString& strValue);

    BOOL IsShowing() const { return m_bShowing; }
    const CString& GetText() const { return m_strText; }
    const CString& GetTitle() const { return m_strTitle; }
    size_t QueuedCount() const { return m_queue.size(); }
    // Top of the text when no title shows: 12 px above the middle for a text that fits on one
    // line, 24 px for a wider one.
    static int TextTop(int nClientHeight, int nTextWidth, int nClientWidth);

    BOOL OnInitDialog() override;

protected:
    void PostNcDestroy() override;
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnPaint();
    afx_msg void OnDestroy();
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()

private:
    void MoveOver(const RECT& rc, int nLower);
    // Shows the text for the time (0: the ordinary display time).
    void StartShow(const CString& strText, UINT nTime = 0);
    void ShowNextOrHide();

    // Each waiting text with its own time (0: the ordinary display time).
    std::deque<std::pair<CString, UINT>> m_queue;
    BOOL m_bShowing = FALSE;
    UINT m_nDisplayTime = 1500;
    CString m_strTitle;
    CString m_strText;
    CBrush m_brBack;
};
