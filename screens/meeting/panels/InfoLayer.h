#pragma once
// CInfoLayer: the collapsible information panel on the left of the meeting screen. Under a tab
// bar it shows the attendee page (another area's panel, see MemberPanelHost.h; the meeting
// information view stands in without it), the thumbnails of the open document's pages, or its
// bookmarked pages. Collapsed, only a narrow handle shows. It remembers whether it was shown and
// its tab in "setting.ini" [INFOLAYER], and tells its parent (the meeting screen) to lay out
// again (WM_SIDEPANEL_LAYOUT) whenever it changes: 283 pixels wide shown, 28 collapsed.
//
// The meeting screen is the application server's reply window: it hands the panel the parsed
// replies through the methods below. Everything runs on the user-interface thread.
#include <memory>

#include <json/json.h>

#include "platform/CString.h"
#include "screens/meeting/panels/MemberPanelHost.h"
#include "screens/meeting/panels/ThumbnailBatch.h"
#include "ui/controls/ZELWnd.h"

class CInfoShowCtrl;
class CInfoHideCtrl;
class CInfoThumbnailCtrl;
class CInfoBookMarkCtrl;
class CInfoLayerTabDlg;

class CInfoLayer : public CZELWnd {
public:
    enum : UINT { kControlId = 22730 };
    static constexpr int kShownWidth = 283;
    static constexpr int kCollapsedWidth = 28;
    static constexpr int kTabBarHeight = 40;

    CInfoLayer();
    ~CInfoLayer() override;

    BOOL Create(CWnd* pParent, const CRect& rc, UINT nId = kControlId);

    // ---- Shown, collapsed, tabs ----
    void ShowPanel(BOOL bShow, BOOL bSave);
    void ShowMainTab();
    void ShowThumbnailTab(BOOL bValue);
    void ShowBookmarkTab(BOOL bValue);
    // TRUE while the plain whiteboard is on the board: attendee tab, no page tabs.
    void SetWhiteboardMode(BOOL bWhiteboard);
    BOOL IsShown() const { return m_bShown; }
    // 0 attendees, 1 thumbnails, 2 bookmarks.
    int GetCurrentTab() const { return m_bThumbnailTab ? 1 : (m_bBookmarkTab ? 2 : 0); }
    BOOL IsMemberPanelVisible() const;
    // Before a meeting shows: the information view emptied, the attendee panel made anew for the
    // meeting's kind, the remembered state applied.
    void LoadSettings();
    void RecreateMemberPanel();
    void RecalcLayout();

    // ---- Attendees (application server replies) ----
    void OnAttendeeList(const Json::Value& reply);
    void OnUserProfile(const Json::Value& reply, const char* pPhoto, int nPhotoLength);
    void OnAttendeeConfirmReply(const Json::Value& reply);
    void EnableMemberPanel(BOOL bEnable);
    // A click at the screen point closes an open profile pop-up it is outside of.
    void CloseProfileIfOutside(int x, int y);
    void SetApprovalPending(BOOL bPending);
    BOOL IsApprovalPending() const;
    // The meeting screen's page-synchronisation state changed.
    void RefreshAttendeeView(int nValue);
    // The meeting detail reply (fills the information view).
    void SetMeetingDetail(const Json::Value& detail);
    void OnAttendeeAddReply(const Json::Value&) {}
    void Refresh() {}
    void OnDocumentClosed(const CString&) {}

    // ---- Pages of the open document ----
    // One thumbnail reply: the first batch (start index 1) starts the strips anew; after the last
    // page the board's page is selected and the bookmarks sorted. Returns the start index of the
    // next batch to ask for, 0 when the document is complete or the batch was cut short.
    int OnThumbnailBatch(const S_THUMBNAIL_BATCH& batch);
    // Leaving the document: both strips empty.
    void ClearThumbnails();
    // The board moved to the page (1-based).
    void OnBoardPageMoved(int nPage);
    // The board stored the page's favourite flag (the favourite reply).
    void OnPageFavoriteChanged(int nPage, BOOL bFavorite);

    CInfoShowCtrl* GetInfoShowCtrl() const { return m_pInfoShow.get(); }
    CInfoHideCtrl* GetHideCtrl() const { return m_pHide.get(); }
    CInfoThumbnailCtrl* GetThumbnailCtrl() const { return m_pThumbnails.get(); }
    CInfoBookMarkCtrl* GetBookmarkCtrl() const { return m_pBookmarks.get(); }
    CInfoLayerTabDlg* GetTabBar() const { return m_pTabBar.get(); }
    IInfoMemberPanel* GetMemberPanel() const { return m_pMemberPanel.get(); }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnInfoViewClose();
    DECLARE_MESSAGE_MAP()

private:
    CWnd* MemberPage() const;
    void ShowPages(int nTab);
    void SwitchTab(int nTab);
    void TellParent();
    static BOOL IsReportMeeting();

    BOOL m_bShown = FALSE;
    BOOL m_bThumbnailTab = FALSE;
    BOOL m_bBookmarkTab = FALSE;
    BOOL m_bApprovalPending = FALSE;
    std::unique_ptr<CInfoShowCtrl> m_pInfoShow;
    std::unique_ptr<CInfoHideCtrl> m_pHide;
    std::unique_ptr<CInfoThumbnailCtrl> m_pThumbnails;
    std::unique_ptr<CInfoBookMarkCtrl> m_pBookmarks;
    std::unique_ptr<IInfoMemberPanel> m_pMemberPanel;
    std::unique_ptr<CInfoLayerTabDlg> m_pTabBar;
};

// The meeting screen's maker of its side panel: a visible child of pParent with control id 22730.
CWnd* CreateInfoLayer(CWnd* pParent, const CRect& rc);
