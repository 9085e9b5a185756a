#pragma once
// CMinutesViewer: a small borderless window with one meeting's minutes: when and by whom they
// were registered, the meeting's period with its duration, and the minutes text in a read-only
// edit. It draws its own frame (nine pictures, magenta transparent), title and table. The
// minutes panel creates it without parent, places and shows it, and closes and deletes it.
#include "platform/Array.h"
#include "platform/Bitmap.h"
#include "platform/Brush.h"
#include "platform/Dialog.h"
#include "platform/Edit.h"
#include "ui/controls/xSkinButton.h"

class CMinutesViewer : public CDialog {
public:
    explicit CMinutesViewer(CWnd* pParent = nullptr);
    ~CMinutesViewer() override;

    static constexpr int VIEWER_WIDTH = 584;
    static constexpr int VIEWER_HEIGHT = 490;

    // Before the window is created: initialisation formats them.
    void SetMinutesInfo(const CString& strRegDate, const CString& strRegUserName, const CString& strStartDate,
                        const CString& strEndDate, const CString& strDuration, const CString& strContent);

    const CString& GetPeriodText() const { return m_strPeriod; }
    const CString& GetRegistrationText() const { return m_strRegistration; }
    const CStringArray& GetTexts() const { return m_texts; }
    CEdit& GetContentEdit() { return m_editContent; }
    BOOL IsContentScrollBarShown() const { return m_bScrollBarShown; }
    // The resize or move code of a client point: corners resize, anything else moves.
    LRESULT HitTest(CPoint pt) const;

    BOOL OnInitDialog() override;

protected:
    void OnOK() override { ShowWindow(SW_HIDE); }
    void OnCancel() override { ShowWindow(SW_HIDE); }

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnCloseButton();
    DECLARE_MESSAGE_MAP()

private:
    void UpdateContentScrollBar(const CString& strContent);
    void PlaceContentEdit();
    void DrawCellText(CDC* pDC, CRect rc, const CString& strText, int nHeight, UINT nFormat, BOOL bBold);

    CxSkinButton m_btnClose;
    CBitmap m_frame[9];
    CEdit m_editContent;
    CBrush m_brushWhite;
    CString m_labels[4];
    CString m_strPeriod;
    CString m_strRegistration;
    CStringArray m_texts;
    CString m_strRegDate, m_strRegUserName, m_strStartDate, m_strEndDate, m_strDuration, m_strContent;
    BOOL m_bScrollBarShown = FALSE;
};
