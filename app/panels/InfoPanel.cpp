#include "app/panels/ProgramPanels.h"

#include <memory>

#include "app/panels/AttendeeChatAdapters.h"
#include "screens/meeting/MeetingPanelMakers.h"
#include "screens/meeting/panels/InfoBookMarkCtrl.h"
#include "screens/meeting/panels/InfoLayer.h"
#include "screens/meeting/panels/InfoThumbnailCtrl.h"

namespace {

// The side panel as the meeting screen talks to it: one object, the panel's window with the
// screen's interface on top, which the meeting screen destroys and deletes as its window.
class CInfoPanelAdapter : public CInfoLayer, public IMeetingInfoPanel {
public:
    BOOL IsShown() override { return CInfoLayer::IsShown(); }
    void LoadSettings() override { CInfoLayer::LoadSettings(); }
    void SetWhiteboardMode(BOOL bWhiteboard) override { CInfoLayer::SetWhiteboardMode(bWhiteboard); }
    void ShowMainTab() override { CInfoLayer::ShowMainTab(); }
    void OnAttendeeList(const Json::Value& body) override { CInfoLayer::OnAttendeeList(body); }
    void OnUserProfile(const Json::Value& body, const char* pPhoto, int nPhotoLength) override
    {
        CInfoLayer::OnUserProfile(body, pPhoto, nPhotoLength);
    }
    void OnAttendeeConfirm(const Json::Value& body, BOOL bOk) override
    {
        if (bOk)
            CInfoLayer::OnAttendeeConfirmReply(body);
        else
            EnableMemberPanel(TRUE);
    }
    void SetMeetingDetail(const Json::Value& detail) override { CInfoLayer::SetMeetingDetail(detail); }
    void OnSyncStateChanged(BOOL, int nState) override
    {
        if (CInfoThumbnailCtrl* p = GetThumbnailCtrl()) p->OnSyncStateChanged(nState);
        RefreshAttendeeView(nState);
    }
    void ClearThumbnails() override { CInfoLayer::ClearThumbnails(); }
    void InitThumbnails(int nTotalPage) override
    {
        if (CInfoThumbnailCtrl* p = GetThumbnailCtrl()) p->InitPages(nTotalPage);
    }
    void SetThumbnail(int nPage, const std::string& image, BOOL bFavorite) override
    {
        if (CInfoThumbnailCtrl* p = GetThumbnailCtrl())
            p->SetPageImage(nPage, reinterpret_cast<const BYTE*>(image.data()), image.size(), bFavorite);
    }
    void SelectPage(int nPage) override { OnBoardPageMoved(nPage); }
    int GetThumbnailSlidePage() override
    {
        CInfoThumbnailCtrl* p = GetThumbnailCtrl();
        return p ? p->GetSlidePage() : 0;
    }
    void ResetBookmarks() override
    {
        if (CInfoBookMarkCtrl* p = GetBookmarkCtrl()) p->Reset();
    }
    void AddBookmark(int nPage, const std::string&) override
    {
        // The bookmark shows the page's thumbnail, which the thumbnail strip already holds.
        CInfoBookMarkCtrl* pMarks = GetBookmarkCtrl();
        CInfoThumbnailCtrl* pThumbs = GetThumbnailCtrl();
        if (pMarks) pMarks->AddBookmark(nPage, pThumbs ? pThumbs->GetThumb(nPage) : nullptr);
    }
    void SortBookmarks() override
    {
        if (CInfoBookMarkCtrl* p = GetBookmarkCtrl()) p->SortByPage();
    }
    void OnPageFavoriteChanged(int nPage, BOOL bFavorite) override
    {
        CInfoLayer::OnPageFavoriteChanged(nPage, bFavorite);
    }
    void ClosePopupsOutside(POINT ptScreen) override { CloseProfileIfOutside(ptScreen.x, ptScreen.y); }
    BOOL IsApprovalPending() override { return CInfoLayer::IsApprovalPending(); }
    void SetApprovalPending(BOOL bPending) override { CInfoLayer::SetApprovalPending(bPending); }
};

CWnd* MakeInfoPanel(CWnd* pParent, UINT nId, const CRect& rc, IMeetingInfoPanel** ppPanel)
{
    std::unique_ptr<CInfoPanelAdapter> pPanel(new CInfoPanelAdapter());
    if (!pPanel->Create(pParent, rc, nId)) return nullptr;
    if (ppPanel) *ppPanel = pPanel.get();
    return pPanel.release();
}

}  // namespace

void SetInfoPanelMaker()
{
    SMeetingPanelMakers makers = GetMeetingPanelMakers();
    makers.makeInfoLayer = MakeInfoPanel;
    SetMeetingPanelMakers(makers);
    SetInfoMemberPanelMaker(MakeInfoMemberPanel);
}
