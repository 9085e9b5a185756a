#pragma once
// CScrollView: a view larger than its window. SetScrollSizes gives the size of the whole
// drawing; the view keeps its scroll bars, scroll position and the DC origin (OnPrepareDC) in
// step, and scrolls by scroll bar, keyboard-free wheel and ScrollToPosition.
#include "platform/View.h"

class CScrollView : public CView {
    DECLARE_DYNAMIC(CScrollView)
public:
    CScrollView() = default;

    static const SIZE sizeDefault;
    // MM_TEXT sizes are pixels. A default page is a tenth of the total, a default line a tenth
    // of the page.
    void SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage = sizeDefault,
                        const SIZE& sizeLine = sizeDefault);
    CPoint GetScrollPosition() const;
    CPoint GetDeviceScrollPosition() const;
    CSize GetTotalSize() const { return m_totalLog; }
    void GetDeviceScrollSizes(int& nMapMode, SIZE& sizeTotal, SIZE& sizePage, SIZE& sizeLine) const;
    // Clamped to the scrollable range.
    void ScrollToPosition(POINT pt);
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;
    virtual BOOL OnScrollBy(CSize sizeScroll, BOOL bDoScroll = TRUE);

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    void UpdateBars();
    DECLARE_MESSAGE_MAP()

    int m_nMapMode = MM_TEXT;
    CSize m_totalLog;
    CSize m_totalDev;
    CSize m_pageDev;
    CSize m_lineDev;

private:
    void ScrollByCode(int bar, UINT code);
    CSize MaxPosition() const;
    bool m_bUpdatingBars = false;
};
