#pragma once
// CView: a child window that paints through OnDraw. Views are made with new (often through
// their run-time class) and delete themselves with their window.
#include "platform/Wnd.h"

// Sent to a view once its window exists; it calls OnInitialUpdate.
#ifndef WM_INITIALUPDATE
#define WM_INITIALUPDATE 0x0364
#endif

struct CPrintInfo;

class CView : public CWnd {
    DECLARE_DYNAMIC(CView)
public:
    CView() = default;
    ~CView() override;

    virtual void OnDraw(CDC* pDC) = 0;
    virtual void OnInitialUpdate();
    virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr);

protected:
    void PostNcDestroy() override;
    afx_msg void OnPaint();
    afx_msg LRESULT OnInitialUpdateMessage(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()
};
