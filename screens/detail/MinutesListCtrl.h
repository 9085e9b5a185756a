#pragma once
// CMinutesListCtrl: the minutes panel (see MinutesList.h).
#include <winsock2.h>
#include <windows.h>

#include <memory>

#include "features/documents/DocumentListCtrl.h"
#include "platform/Wnd.h"
#include "screens/detail/MinutesList.h"
#include "ui/controls/ZELScrollBar.h"
#include "ui/controls/xSkinButton.h"

class CMinutesViewer;

class CMinutesListCtrl : public CWnd, public IMinutesList {
public:
    CMinutesListCtrl();
    ~CMinutesListCtrl() override;

    static const UINT VIEW_BUTTON_ID = 32883;
    static const UINT SCROLLBAR_ID = 2000;

    BOOL Create(CWnd* pParent, const CRect& rc, UINT nId);

    void SetMinutes(const Json::Value& body, int bViewerAllowed) override;
    void SetDocuments(const std::vector<CMeetingDocument*>& documents) override;
    void ClearList() override;
    void SelectDocument(const CString& strDocumentId) override;
    void EnableList(BOOL bEnable) override;
    void CloseViewer() override;

    // The header button's command: the viewer on or off.
    void OnViewMinutes();
    // "%d h %d min %d s" of the meeting's span.
    CString FormatDuration() const;

    BOOL IsMinutesLoaded() const { return m_bLoaded; }
    BOOL IsViewerAllowed() const { return m_bViewerAllowed; }
    CMinutesViewer* GetViewer() const { return m_pViewer; }
    CDocumentListCtrl* GetRows() const { return m_pRows.get(); }
    ZELScrollBar* GetScrollBar() const { return m_pScrollBar.get(); }
    int GetRememberedPos() const { return m_nScrollPos; }
    const CString& GetMinutesText(int nIndex) const { return m_minutes[nIndex]; }

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg LRESULT OnScrollPos(WPARAM wParam, LPARAM lParam);
    afx_msg void OnItemChanged(NMHDR* pNotify, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    void UpdateScrollBar();
    void SyncScrollToSelection(BOOL bNotify);
    void DestroyViewer();

    // regDate, regUserName, mtngStartDate, mtngEndDate, mtngContent, mtngId.
    CString m_minutes[6];
    int m_nScrollPos = 0;
    CxSkinButton m_btnView;
    BOOL m_bLoaded = FALSE;
    BOOL m_bViewerAllowed = TRUE;
    std::unique_ptr<CDocumentListCtrl> m_pRows;
    std::unique_ptr<ZELScrollBar> m_pScrollBar;
    CMinutesViewer* m_pViewer = nullptr;
};
