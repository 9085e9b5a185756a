#include "screens/meeting/panels/InfoLayer.h"

#include <algorithm>

#include "ui/host/MainDlg.h"
#include "core/ClientMessages.h"
#include "core/MeetingManager.h"
#include "platform/DC.h"
#include "screens/meeting/panels/InfoBookMarkCtrl.h"
#include "screens/meeting/panels/InfoHideCtrl.h"
#include "screens/meeting/panels/InfoLayerSettings.h"
#include "screens/meeting/panels/InfoLayerTabDlg.h"
#include "screens/meeting/panels/InfoShowCtrl.h"
#include "screens/meeting/panels/InfoThumbnailCtrl.h"
#include "screens/meeting/panels/PanelEdge.h"
#include "ui/controls/MemoryDC.h"

namespace {

InfoMemberPanelMaker& MemberPanelMaker()
{
    static InfoMemberPanelMaker s_maker;
    return s_maker;
}

}  // namespace

void SetInfoMemberPanelMaker(InfoMemberPanelMaker maker)
{
    MemberPanelMaker() = std::move(maker);
}

const InfoMemberPanelMaker& GetInfoMemberPanelMaker()
{
    return MemberPanelMaker();
}

CWnd* CreateInfoLayer(CWnd* pParent, const CRect& rc)
{
    std::unique_ptr<CInfoLayer> pLayer(new CInfoLayer());
    if (!pLayer->Create(pParent, rc))
        return nullptr;
    return pLayer.release();
}

BEGIN_MESSAGE_MAP(CInfoLayer, CZELWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_SETCURSOR()
    ON_WM_LBUTTONDOWN()
    ON_BN_CLICKED(CInfoShowCtrl::ID_CLOSE, &CInfoLayer::OnInfoViewClose)
END_MESSAGE_MAP()

CInfoLayer::CInfoLayer() = default;

CInfoLayer::~CInfoLayer()
{
    // Children in the order information view, handle, thumbnails, bookmarks, attendee panel,
    // tab bar, then the panel itself.
    m_pInfoShow.reset();
    m_pHide.reset();
    m_pThumbnails.reset();
    m_pBookmarks.reset();
    if (m_pMemberPanel && m_pMemberPanel->GetWnd() && m_pMemberPanel->GetWnd()->GetSafeHwnd())
        m_pMemberPanel->GetWnd()->DestroyWindow();
    m_pMemberPanel.reset();
    if (m_pTabBar && m_pTabBar->GetSafeHwnd())
        m_pTabBar->DestroyWindow();
    m_pTabBar.reset();
    if (GetSafeHwnd())
        DestroyWindow();
}

BOOL CInfoLayer::Create(CWnd* pParent, const CRect& rc, UINT nId)
{
    return CWnd::CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW)), L"",
                          WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rc, pParent, nId);
}

BOOL CInfoLayer::IsReportMeeting()
{
    CMeetingManager* pMeetings = CMeetingManager::GetInstance();
    return pMeetings && pMeetings->GetCurrentMeeting() && pMeetings->GetCurrentMeeting()->GetKind() == 30;
}

int CInfoLayer::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CZELWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    const CRect rc(0, 0, 10, 10);   // WM_SIZE places them
    m_pInfoShow.reset(new CInfoShowCtrl());
    m_pInfoShow->Create(this, rc, CInfoShowCtrl::kControlId);
    m_pInfoShow->ShowWindow(SW_HIDE);
    m_pHide.reset(new CInfoHideCtrl(this));
    m_pHide->Create(this, rc);
    m_pThumbnails.reset(new CInfoThumbnailCtrl());
    m_pThumbnails->Create(this, rc, CInfoThumbnailCtrl::kControlId, 0);
    m_pBookmarks.reset(new CInfoBookMarkCtrl());
    m_pBookmarks->Create(this, rc, CInfoBookMarkCtrl::kControlId, 0);
    m_pBookmarks->Reset();
    // A thumbnail arrives from the renderer after its bookmark row may have been made.
    m_pThumbnails->SetThumbListener([this](int nPage, const std::shared_ptr<S_PAGE_THUMB>& thumb) {
        if (m_pBookmarks)
            m_pBookmarks->UpdateThumb(nPage, thumb);
    });
    if (const InfoMemberPanelMaker& maker = GetInfoMemberPanelMaker())
        m_pMemberPanel = maker(this, FALSE);
    m_pTabBar.reset(new CInfoLayerTabDlg(this));
    m_pTabBar->CreateBar();
    m_pTabBar->ShowWindow(SW_SHOW);
    return 0;
}

CWnd* CInfoLayer::MemberPage() const
{
    if (m_pMemberPanel && m_pMemberPanel->GetWnd() && m_pMemberPanel->GetWnd()->GetSafeHwnd())
        return m_pMemberPanel->GetWnd();
    return m_pInfoShow.get();
}

void CInfoLayer::OnSize(UINT nType, int cx, int cy)
{
    CZELWnd::OnSize(nType, cx, cy);
    RecalcLayout();
}

void CInfoLayer::RecalcLayout()
{
    if (!m_pTabBar || !m_pTabBar->GetSafeHwnd())
        return;
    CRect R;
    GetClientRect(&R);
    const int W = R.Width(), H = R.Height();
    if (CWnd* pPage = MemberPage())
        pPage->MoveWindow(0, kTabBarHeight, W, std::max(0, H - kTabBarHeight));
    m_pThumbnails->MoveWindow(3, kTabBarHeight, std::max(0, W - 3), std::max(0, H - 3 - kTabBarHeight));
    m_pBookmarks->MoveWindow(3, kTabBarHeight, std::max(0, W - 3), std::max(0, H - 3 - kTabBarHeight));
    m_pTabBar->MoveWindow(3, 0, std::max(0, (int)R.right - 3), kTabBarHeight);
    m_pHide->MoveWindow(0, 0, W, H);
}

void CInfoLayer::ShowPages(int nTab)
{
    CWnd* pMember = MemberPage();
    if (m_pInfoShow.get() != pMember)
        m_pInfoShow->ShowWindow(SW_HIDE);
    pMember->ShowWindow(nTab == 0 ? SW_SHOW : SW_HIDE);
    m_pThumbnails->ShowWindow(nTab == 1 ? SW_SHOW : SW_HIDE);
    m_pBookmarks->ShowWindow(nTab == 2 ? SW_SHOW : SW_HIDE);
}

void CInfoLayer::TellParent()
{
    if (CWnd* pParent = GetParent())
        pParent->SendMessage(WM_SIDEPANEL_LAYOUT, 0, 0);
}

void CInfoLayer::ShowPanel(BOOL bShow, BOOL bSave)
{
    m_bShown = bShow;
    if (bShow) {
        const int nTab = GetCurrentTab();
        ShowPages(nTab);
        m_pTabBar->SetSelectedTab(nTab);
    } else {
        ShowPages(-1);
    }
    m_pTabBar->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
    m_pHide->ShowWindow(bShow ? SW_HIDE : SW_SHOW);
    TellParent();
    if (bSave)
        SaveInfoLayerShow(bShow);
}

void CInfoLayer::SwitchTab(int nTab)
{
    // Neither the shown flag nor the tab bar's or the handle's visibility changes.
    if (m_bShown)
        ShowPages(nTab);
    m_pTabBar->SetSelectedTab(nTab);
    TellParent();
    SaveInfoLayerTab(nTab);
}

void CInfoLayer::ShowMainTab()
{
    m_bThumbnailTab = FALSE;
    m_bBookmarkTab = FALSE;
    SwitchTab(INFOLAYER_TAB_MEMBERS);
}

void CInfoLayer::ShowThumbnailTab(BOOL bValue)
{
    m_bThumbnailTab = bValue;
    m_bBookmarkTab = !bValue;
    SwitchTab(INFOLAYER_TAB_THUMBNAILS);
}

void CInfoLayer::ShowBookmarkTab(BOOL bValue)
{
    m_bBookmarkTab = bValue;
    m_bThumbnailTab = !bValue;
    SwitchTab(INFOLAYER_TAB_BOOKMARKS);
}

void CInfoLayer::SetWhiteboardMode(BOOL bWhiteboard)
{
    if (bWhiteboard) {
        ShowMainTab();
        m_pTabBar->HidePageTabs(TRUE);
    } else {
        m_pTabBar->HidePageTabs(FALSE);
    }
}

BOOL CInfoLayer::IsMemberPanelVisible() const
{
    CWnd* pPage = MemberPage();
    return pPage && pPage->IsWindowVisible();
}

void CInfoLayer::LoadSettings()
{
    m_pInfoShow->ResetView();
    RecreateMemberPanel();
    const S_INFOLAYER_STATE state = LoadInfoLayerState();
    m_bThumbnailTab = state.nTab == INFOLAYER_TAB_THUMBNAILS;
    m_bBookmarkTab = state.nTab == INFOLAYER_TAB_BOOKMARKS;
    ShowPanel(state.bShow, FALSE);
    m_pTabBar->HidePageTabs(FALSE);
}

void CInfoLayer::RecreateMemberPanel()
{
    const BOOL bPending = IsApprovalPending();
    if (m_pMemberPanel) {
        if (m_pMemberPanel->GetWnd() && m_pMemberPanel->GetWnd()->GetSafeHwnd())
            m_pMemberPanel->GetWnd()->DestroyWindow();
        m_pMemberPanel.reset();
    }
    if (const InfoMemberPanelMaker& maker = GetInfoMemberPanelMaker())
        m_pMemberPanel = maker(this, IsReportMeeting());
    if (m_pMemberPanel) {
        m_pMemberPanel->SetApprovalPending(bPending);
        CMeetingManager* pMeetings = CMeetingManager::GetInstance();
        CMeeting* pMeeting = pMeetings ? pMeetings->GetCurrentMeeting() : nullptr;
        m_pMemberPanel->ResetSearch(pMeeting ? pMeeting->GetMeetingId() : CString());
    }
    RecalcLayout();
    if (m_bShown && GetCurrentTab() == 0)
        ShowPages(0);
}

void CInfoLayer::OnAttendeeList(const Json::Value& reply)
{
    // The information view keeps the attendees for the chat recipients and the add-attendee
    // check, whether or not it shows.
    m_pInfoShow->OnAttendeeList(reply);
    if (m_pMemberPanel)
        m_pMemberPanel->OnAttendeeList(reply);
}

void CInfoLayer::OnUserProfile(const Json::Value& reply, const char* pPhoto, int nPhotoLength)
{
    if (m_pMemberPanel)
        m_pMemberPanel->OnUserProfile(reply, pPhoto, nPhotoLength);
}

void CInfoLayer::OnAttendeeConfirmReply(const Json::Value& reply)
{
    if (m_pMemberPanel)
        m_pMemberPanel->OnAttendeeConfirmReply(reply);
}

void CInfoLayer::EnableMemberPanel(BOOL bEnable)
{
    if (CWnd* pPage = MemberPage())
        pPage->EnableWindow(bEnable);
}

void CInfoLayer::CloseProfileIfOutside(int x, int y)
{
    CRect rc;
    if (m_pMemberPanel && m_pMemberPanel->GetProfileRect(rc) && !rc.PtInRect(CPoint(x, y)))
        m_pMemberPanel->ClosePopups();
}

void CInfoLayer::SetApprovalPending(BOOL bPending)
{
    m_bApprovalPending = bPending;
    if (m_pMemberPanel)
        m_pMemberPanel->SetApprovalPending(bPending);
}

BOOL CInfoLayer::IsApprovalPending() const
{
    return m_pMemberPanel ? m_pMemberPanel->IsApprovalPending() : m_bApprovalPending;
}

void CInfoLayer::RefreshAttendeeView(int nValue)
{
    m_pInfoShow->OnSyncStateChanged(nValue);
}

void CInfoLayer::SetMeetingDetail(const Json::Value& detail)
{
    m_pInfoShow->SetMeetingDetail(detail);
}

// ---------------------------------------------------------------------------------------------

int CInfoLayer::OnThumbnailBatch(const S_THUMBNAIL_BATCH& batch)
{
    if (batch.nStartIdx <= 1) {
        m_pThumbnails->ClearItems();
        m_pThumbnails->InitPages(batch.nTotalPage);
        m_pBookmarks->Reset();
    }
    int nLastPage = 0;
    for (const S_THUMBNAIL_PAGE& page : batch.pages) {
        m_pThumbnails->SetPageImage(page.nPage, page.pData, page.nSize, page.bFavorite);
        if (page.bFavorite)
            m_pBookmarks->AddBookmark(page.nPage, m_pThumbnails->GetThumb(page.nPage));
        nLastPage = std::max(nLastPage, page.nPage);
    }
    const BOOL bComplete = nLastPage >= batch.nTotalPage;
    if (bComplete || batch.bTruncated || batch.pages.empty()) {
        m_pThumbnails->SelectCurrentPage(TRUE);
        m_pBookmarks->SortByPage();
        IZELMainDlg* pMain = GetMainDlg();
        const int nPending = m_pBookmarks->GetPendingPage();
        m_pBookmarks->SelectPage(nPending ? nPending : (pMain ? pMain->GetBoardCurrentPage() : 1));
        return 0;
    }
    return nLastPage + 1;
}

void CInfoLayer::ClearThumbnails()
{
    m_pThumbnails->ClearItems();
    m_pBookmarks->Reset();
}

void CInfoLayer::OnBoardPageMoved(int nPage)
{
    m_pThumbnails->SelectPage(nPage);
    m_pBookmarks->SelectPage(nPage);
}

void CInfoLayer::OnPageFavoriteChanged(int nPage, BOOL bFavorite)
{
    m_pThumbnails->SetItemImage(nPage, bFavorite);
    m_pBookmarks->OnFavouriteChanged(nPage, bFavorite, m_pThumbnails->GetThumb(nPage));
}

// ---------------------------------------------------------------------------------------------

BOOL CInfoLayer::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CInfoLayer::OnPaint()
{
    CPaintDC paint(this);
    CRect rc;
    GetClientRect(&rc);
    CMemoryDC dc(&paint, &rc);
    PaintInfoLayerBands(&dc, rc);
}

BOOL CInfoLayer::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (PanelEdgeSetCursor(this))
        return TRUE;
    return CZELWnd::OnSetCursor(pWnd, nHitTest, message);
}

void CInfoLayer::OnLButtonDown(UINT nFlags, CPoint point)
{
    PanelEdgeButtonDown(this, point);
    CZELWnd::OnLButtonDown(nFlags, point);
}

void CInfoLayer::OnInfoViewClose()
{
    ShowPanel(FALSE, TRUE);
}
