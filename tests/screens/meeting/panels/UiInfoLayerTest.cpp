// The side panel of the meeting screen as a user meets it: real windows on the display, a plain
// window standing in for the meeting screen (it records the panel's messages) and another for
// the board layer, page pictures from the local web server of tests/servers.
#include <winsock2.h>

#include <gtest/gtest.h>

#include <json/json.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/host/MainDlgStandIn.h"
#include "ui/host/MainDlg.h"
#include "core/ClientMessages.h"
#include "core/HttpDownload.h"
#include "core/IniFileHelpers.h"
#include "core/Meeting.h"
#include "core/MeetingManager.h"
#include "core/MyLogFile.h"
#include "core/SettingManager.h"
#include "features/DocViewerDownload.h"
#include "platform/ListCtrl.h"
#include "screens/meeting/panels/InfoBookMarkCtrl.h"
#include "screens/meeting/panels/InfoHideCtrl.h"
#include "screens/meeting/panels/InfoLayer.h"
#include "screens/meeting/panels/InfoLayerSettings.h"
#include "screens/meeting/panels/InfoLayerTabDlg.h"
#include "screens/meeting/panels/InfoShowCtrl.h"
#include "screens/meeting/panels/InfoThumbnailCtrl.h"
#include "tests/core/CoreTestHelpers.h"
#include "tests/support/TestSupport.h"
#include "tests/ui/controls/UiControlsSupport.h"
#include "tests/ui/skin/SkinTestSupport.h"

namespace {

using ctltest::CHostWnd;

// The main dialog as the panel sees it: the board's window and page, following or not.
class StandInMain : public CZELMainDlgStandIn {
public:
    CWnd* GetWnd() override { return pMainWnd; }
    void SetScreenMode(int, const CString&) override {}
    int GetScreenMode() override { return ZEL_MODE_MEETING; }
    int ShowMessagePopup(const CString&, const CString&, int, CWnd*, BOOL) override { return IDOK; }
    int ShowConfirmPopup(const CString&) override { return IDOK; }
    void ShowToast(const CString&) override {}
    BOOL IsPageSyncOn() override { return bPageSync; }
    HWND GetBoardLayerHwnd() override { return pBoard ? pBoard->GetSafeHwnd() : nullptr; }
    int GetBoardCurrentPage() override { return nCurrentPage; }
    void EnableBoardInfoButton(BOOL) override { ++nInfoButtonEnabled; }

    CWnd* pMainWnd = nullptr;
    CWnd* pBoard = nullptr;
    BOOL bPageSync = FALSE;
    int nCurrentPage = 1;
    int nInfoButtonEnabled = 0;
};

// An attendee panel of the other area, as far as the side panel talks to it.
class FakeMemberPanel : public IInfoMemberPanel {
public:
    FakeMemberPanel(CWnd* pParent, BOOL bReport) : bReportForm(bReport)
    {
        wnd.CreateEx(0, nullptr, L"members", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, pParent->GetSafeHwnd(), nullptr);
    }
    CWnd* GetWnd() override { return &wnd; }
    void OnAttendeeList(const Json::Value&) override { ++nAttendeeLists; }
    void OnUserProfile(const Json::Value&, const char*, int) override {}
    void OnAttendeeConfirmReply(const Json::Value&) override {}
    BOOL GetProfileRect(CRect& rc) override
    {
        rc = CRect(100, 100, 200, 200);
        return bProfileOpen;
    }
    void ClosePopups() override { bProfileOpen = FALSE; }
    void SetApprovalPending(BOOL b) override { bPending = b; }
    BOOL IsApprovalPending() override { return bPending; }
    void ResetSearch(const CString& strId) override { strMeetingId = strId; }

    CWnd wnd;
    BOOL bReportForm;
    BOOL bProfileOpen = TRUE;
    BOOL bPending = FALSE;
    int nAttendeeLists = 0;
    CString strMeetingId;
};

class SidePanel : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(resources.Ok());
        ASSERT_TRUE(g_ApplicationLog.InitAppData(appData.Company().c_str(), appData.Product().c_str()));
        CSettingManager::DestroyInstance();
        CSettingManager::GetInstance()->Load();
        ASSERT_TRUE(skintest::LoadShippedSkin(1.0f));
        ASSERT_TRUE(host.Open(900, 720));
        ASSERT_TRUE(board.Open(50, 50, 1000, 40));
        main.pMainWnd = &host;
        main.pBoard = &board;
        SetMainDlg(&main);
    }
    void TearDown() override
    {
        layer.reset();
        CMeetingManager::GetInstance()->ClearCurrentMeeting();
        CMeetingManager::GetInstance()->ClearMeetings();
        SetInfoMemberPanelMaker(nullptr);
        SetMainDlg(nullptr);
        board.DestroyWindow();
        host.DestroyWindow();
        CSettingManager::DestroyInstance();
    }
    void MakeLayer()
    {
        layer.reset(static_cast<CInfoLayer*>(CreateInfoLayer(&host, CRect(0, 0, CInfoLayer::kShownWidth, 700))));
        ASSERT_TRUE(layer && layer->GetSafeHwnd());
        ctltest::PumpTranslated();
    }
    std::wstring Ini() const { return appData.Folder() + L"setting.ini"; }
    int IniInt(const wchar_t* key, int def = -1) const
    {
        int n = def;
        ReadIniInt(L"INFOLAYER", key, n, Ini().c_str());
        return n;
    }
    void WriteState(int show, int tab)
    {
        ::CreateDirectoryW(appData.Folder().c_str(), nullptr);
        WriteIniInt(L"INFOLAYER", L"show", show, Ini().c_str());
        WriteIniInt(L"INFOLAYER", L"tab_index", tab, Ini().c_str());
    }
    static bool Visible(CWnd* p) { return p && ::IsWindowVisible(p->GetSafeHwnd()); }
    // A click on a row of a strip's list, through the windows' filters as a user's would go.
    static void ClickRow(CInfoPageStripCtrl* pStrip, int nRow)
    {
        CRect rc;
        ListView_GetItemRect(pStrip->GetList()->GetSafeHwnd(), nRow, &rc, LVIR_BOUNDS);
        const CPoint pt(rc.left + 120, rc.top + rc.Height() / 2);
        skintest::PostMouse(pStrip->GetList()->GetSafeHwnd(), WM_LBUTTONDOWN, pt.x, pt.y, MK_LBUTTON);
        skintest::PostMouse(pStrip->GetList()->GetSafeHwnd(), WM_LBUTTONUP, pt.x, pt.y, 0);
        ctltest::PumpTranslated();
    }

    ctltest::ShippedResources resources;
    coretest::ScopedAppData appData;
    CHostWnd host;    // the meeting screen
    CHostWnd board;   // the board layer
    StandInMain main;
    std::unique_ptr<CInfoLayer> layer;
};

// ---- Page pictures from the local web server ----

class PagePictures {
public:
    bool Start()
    {
        if (!servers.Start(L"tests/servers/run_servers.py"))
            return false;
        const std::vector<int> ports = servers.Ports();
        if (ports.size() < 5)
            return false;
        httpPort = ports[4];
        return true;
    }
    std::string Get(const std::string& doc, int page)
    {
        CString url;
        url.Format(L"http://127.0.0.1:%d/img/%S/%d.png", httpPort, doc.c_str(), page);
        S_DOCVIEWER_DOWNLOAD record = {};
        record.nMode = 1;
        if (!HttpGetToMemory(url, &record) || !record.pBody)
            return std::string();
        std::string bytes((const char*)record.pBody, (size_t)record.nBodyLength);
        delete[] record.pBody;
        return bytes;
    }
    zeltest::PythonFixture servers;
    int httpPort = 0;
};

// A thumbnail reply as the application server sends it: the list and the pictures one after the
// other.
struct ThumbReply {
    Json::Value json;
    std::string raw;
};

ThumbReply MakeReply(const std::vector<std::string>& pictures, int first, int count, int total,
                     const std::vector<int>& favourites)
{
    ThumbReply r;
    r.json["attcFileId"] = "D1";
    r.json["totalPage"] = total;
    r.json["startIdx"] = first;
    r.json["list"] = Json::Value(Json::arrayValue);
    for (int page = first; page < first + count && page <= total; ++page) {
        Json::Value item;
        item["page"] = page;
        item["size"] = (int)pictures[page - 1].size();
        item["isFavorite"] = std::find(favourites.begin(), favourites.end(), page) != favourites.end() ? "Y" : "N";
        r.json["list"].append(item);
        r.raw += pictures[page - 1];
    }
    return r;
}

// Hands the reply to the panel as it arrives (its thumbnails are rendered afterwards).
int Arrive(CInfoLayer* pLayer, const ThumbReply& reply)
{
    S_THUMBNAIL_BATCH batch;
    if (!ParseThumbnailBatch(reply.json, (const BYTE*)reply.raw.data(), reply.raw.size(), batch))
        return -1;
    return pLayer->OnThumbnailBatch(batch);
}

// The thumbnails rendered off the window's thread are in the strip.
void WaitForThumbnails(CInfoLayer* pLayer)
{
    EXPECT_TRUE(zeltest::PumpUntil([&] { return pLayer->GetThumbnailCtrl()->GetPendingThumbCount() == 0; }, 10000));
    ctltest::PumpTranslated();
}

// The reply arrives and the panel has taken it whole, its thumbnails rendered.
int Feed(CInfoLayer* pLayer, const ThumbReply& reply)
{
    const int next = Arrive(pLayer, reply);
    WaitForThumbnails(pLayer);
    return next;
}

}  // namespace

// ---------------------------------------------------------------------------------------------

TEST_F(SidePanel, AFirstStartShowsTheHandleAndItsButtonExpandsOnTheAttendeeTab)
{
    MakeLayer();
    layer->LoadSettings();
    EXPECT_FALSE(layer->IsShown());
    EXPECT_TRUE(Visible(layer->GetHideCtrl()));
    EXPECT_FALSE(Visible(layer->GetTabBar()));
    EXPECT_FALSE(Visible(layer->GetThumbnailCtrl()));
    EXPECT_GE(host.Count(WM_SIDEPANEL_LAYOUT), 1);
    // The collapsed handle in its colours.
    EXPECT_EQ(ctltest::Pixel(layer.get(), 20, 100), RGB(233, 233, 241));

    host.reports.clear();
    CxSkinButton& expand = layer->GetHideCtrl()->GetExpandButton();
    expand.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    expand.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    ctltest::PumpTranslated();
    EXPECT_TRUE(layer->IsShown());
    EXPECT_EQ(layer->GetCurrentTab(), 0);
    EXPECT_FALSE(Visible(layer->GetHideCtrl()));
    EXPECT_TRUE(Visible(layer->GetTabBar()));
    // Without an attendee panel the meeting information stands in its place.
    EXPECT_TRUE(layer->IsMemberPanelVisible());
    EXPECT_TRUE(Visible(layer->GetInfoShowCtrl()));
    EXPECT_EQ(IniInt(L"show"), 1);
    EXPECT_EQ(host.Count(WM_SIDEPANEL_LAYOUT), 1);

    // The tab bar's collapse button folds it again and remembers that.
    CInfoLayerTabDlg* pBar = layer->GetTabBar();
    ASSERT_NE(pBar->m_pBtnHide, nullptr);
    const CRect rcHide = pBar->m_pBtnHide->m_rcObject;
    skintest::Click(pBar->GetSafeHwnd(), rcHide.CenterPoint().x, rcHide.CenterPoint().y);
    ctltest::PumpTranslated();
    EXPECT_FALSE(layer->IsShown());
    EXPECT_EQ(IniInt(L"show"), 0);
}

TEST_F(SidePanel, TheRememberedStateReopensTheNextMeeting)
{
    struct Case {
        int show, tab;
        bool shown;
        int currentTab;
    };
    const Case cases[] = {
        {1, 2, true, 2}, {1, 1, true, 1}, {1, 0, true, 0}, {1, 7, true, 0}, {1, -1, true, 0}, {0, 2, false, 2},
    };
    MakeLayer();
    for (const Case& c : cases) {
        WriteState(c.show, c.tab);
        layer->LoadSettings();
        EXPECT_EQ(!!layer->IsShown(), c.shown) << c.show << "/" << c.tab;
        EXPECT_EQ(layer->GetCurrentTab(), c.currentTab) << c.show << "/" << c.tab;
        EXPECT_EQ(Visible(layer->GetBookmarkCtrl()), c.shown && c.currentTab == 2) << c.tab;
        EXPECT_EQ(Visible(layer->GetThumbnailCtrl()), c.shown && c.currentTab == 1) << c.tab;
        EXPECT_EQ(!!layer->IsMemberPanelVisible(), c.shown && c.currentTab == 0) << c.tab;
        if (c.shown)
            EXPECT_EQ(layer->GetTabBar()->GetSelectedTab(), c.currentTab);
        // Loading does not write the state back.
        EXPECT_EQ(IniInt(L"show"), c.show);
    }
}

TEST_F(SidePanel, TabButtonsSwitchPagesAndTheWhiteboardHidesThePageTabs)
{
    MakeLayer();
    layer->LoadSettings();
    layer->ShowPanel(TRUE, TRUE);
    CInfoLayerTabDlg* pBar = layer->GetTabBar();
    ASSERT_NE(pBar->m_pBtnThumbnail, nullptr);
    const CRect rcThumb = pBar->m_pBtnThumbnail->m_rcObject;
    skintest::Click(pBar->GetSafeHwnd(), rcThumb.CenterPoint().x, rcThumb.CenterPoint().y);
    ctltest::PumpTranslated();
    EXPECT_EQ(layer->GetCurrentTab(), 1);
    EXPECT_TRUE(Visible(layer->GetThumbnailCtrl()));
    EXPECT_FALSE(layer->IsMemberPanelVisible());
    EXPECT_EQ(IniInt(L"tab_index"), 1);
    EXPECT_EQ(pBar->m_pBtnThumbnail->m_nState, SKINSTATE_DOWN);

    layer->SetWhiteboardMode(TRUE);
    EXPECT_EQ(layer->GetCurrentTab(), 0);
    EXPECT_EQ(IniInt(L"tab_index"), 0);
    EXPECT_FALSE(pBar->m_pBtnThumbnail->m_nVisible);
    EXPECT_FALSE(pBar->m_pBtnBookmark->m_nVisible);
    EXPECT_TRUE(layer->IsMemberPanelVisible());
    layer->SetWhiteboardMode(FALSE);
    EXPECT_TRUE(pBar->m_pBtnThumbnail->m_nVisible);
    EXPECT_TRUE(pBar->m_pBtnBookmark->m_nVisible);
    EXPECT_EQ(layer->GetCurrentTab(), 0);
}

TEST_F(SidePanel, AnAttendeePanelFromTheMakerTakesTheAttendeeTabAndHearsTheReplies)
{
    FakeMemberPanel* pMade = nullptr;
    SetInfoMemberPanelMaker([&](CWnd* pParent, BOOL bReport) {
        auto p = std::make_unique<FakeMemberPanel>(pParent, bReport);
        pMade = p.get();
        return std::unique_ptr<IInfoMemberPanel>(std::move(p));
    });
    MakeLayer();
    WriteState(1, 0);
    layer->SetApprovalPending(TRUE);
    layer->LoadSettings();
    ASSERT_NE(pMade, nullptr);
    EXPECT_TRUE(pMade->bPending);   // carried over to the panel made anew
    EXPECT_TRUE(Visible(&pMade->wnd));
    EXPECT_FALSE(Visible(layer->GetInfoShowCtrl()));
    Json::Value reply;
    reply["list"] = Json::Value(Json::arrayValue);
    layer->OnAttendeeList(reply);
    EXPECT_EQ(pMade->nAttendeeLists, 1);
    layer->CloseProfileIfOutside(150, 150);
    EXPECT_TRUE(pMade->bProfileOpen);
    layer->CloseProfileIfOutside(300, 150);
    EXPECT_FALSE(pMade->bProfileOpen);
    CRect rc;
    pMade->wnd.GetWindowRect(&rc);
    layer->ScreenToClient(&rc);
    EXPECT_EQ(rc.top, CInfoLayer::kTabBarHeight);
    EXPECT_EQ(rc.Width(), CInfoLayer::kShownWidth);
}

TEST_F(SidePanel, AReportShowsTheAttendeeTabUnderItsReportCaptionAndMakesTheReportPanel)
{
    BOOL bMadeReport = -1;
    SetInfoMemberPanelMaker([&](CWnd* pParent, BOOL bReport) {
        bMadeReport = bReport;
        return std::unique_ptr<IInfoMemberPanel>(new FakeMemberPanel(pParent, bReport));
    });
    CMeetingManager::GetInstance()->FindOrCreateMeeting(L"RP1", L"30");
    CMeetingManager::GetInstance()->SetCurrentMeeting(L"RP1");
    MakeLayer();
    EXPECT_FALSE(bMadeReport);   // the panel made with the side panel is the meeting form
    WriteState(1, 0);
    layer->LoadSettings();
    EXPECT_TRUE(bMadeReport);
    EXPECT_STREQ(static_cast<FakeMemberPanel*>(layer->GetMemberPanel())->strMeetingId, L"RP1");
    CInfoLayerTabDlg* pBar = layer->GetTabBar();
    EXPECT_TRUE(pBar->m_pBtnReporting->m_nVisible);
    EXPECT_FALSE(pBar->m_pBtnMeeting->m_nVisible);
    EXPECT_EQ(pBar->m_pBtnReporting->m_nState, SKINSTATE_DOWN);

    CMeetingManager::GetInstance()->FindOrCreateMeeting(L"MT1", L"10");
    CMeetingManager::GetInstance()->SetCurrentMeeting(L"MT1");
    layer->LoadSettings();
    EXPECT_FALSE(bMadeReport);
    EXPECT_FALSE(pBar->m_pBtnReporting->m_nVisible);
    EXPECT_TRUE(pBar->m_pBtnMeeting->m_nVisible);
    EXPECT_EQ(pBar->m_pBtnMeeting->m_nState, SKINSTATE_DOWN);
}

TEST_F(SidePanel, ThumbnailsOfADocumentFromTheWebServerMoveTheBoard)
{
    PagePictures web;
    ASSERT_TRUE(web.Start());
    std::vector<std::string> pictures;
    for (int page = 1; page <= 12; ++page) {
        pictures.push_back(web.Get("D1", page));
        ASSERT_FALSE(pictures.back().empty()) << page;
    }
    MakeLayer();
    WriteState(1, 1);
    layer->LoadSettings();
    main.nCurrentPage = 1;
    // Two batches, as the meeting screen asks them.
    EXPECT_EQ(Feed(layer.get(), MakeReply(pictures, 1, 10, 12, {2, 5})), 11);
    CInfoThumbnailCtrl* pThumbs = layer->GetThumbnailCtrl();
    EXPECT_EQ(pThumbs->GetRowPages().size(), 12u);   // every page at once, placeholders first
    EXPECT_EQ(pThumbs->GetThumb(11), nullptr);
    EXPECT_EQ(Feed(layer.get(), MakeReply(pictures, 11, 10, 12, {})), 0);
    ASSERT_NE(pThumbs->GetThumb(12), nullptr);
    EXPECT_EQ(pThumbs->GetThumb(12)->box.nBoxWidth, 150);
    EXPECT_EQ(pThumbs->GetSelectedRow(), 0);
    EXPECT_TRUE(pThumbs->IsPageFavorite(5));
    EXPECT_EQ(layer->GetBookmarkCtrl()->GetRowPages(), (std::vector<int>{2, 5}));
    // Nothing of that went to the board.
    EXPECT_EQ(board.Count(WM_SIDEPANEL_SELECT_PAGE), 0);

    // The user picks page 3: the board goes there.
    ClickRow(pThumbs, 2);
    ASSERT_EQ(board.Count(WM_SIDEPANEL_SELECT_PAGE), 1);
    EXPECT_EQ(board.Only(WM_SIDEPANEL_SELECT_PAGE)[0].wParam, 2u);

    // The board's page moves select the row without sending the board anywhere (the focused row
    // selected again included), and tell it the page's favourite flag.
    board.reports.clear();
    layer->OnBoardPageMoved(3);
    ctltest::PumpTranslated();
    EXPECT_EQ(board.Count(WM_SIDEPANEL_SELECT_PAGE), 0);
    board.reports.clear();
    layer->OnBoardPageMoved(5);
    ctltest::PumpTranslated();
    EXPECT_EQ(pThumbs->GetSelectedRow(), 4);
    EXPECT_EQ(board.Count(WM_SIDEPANEL_SELECT_PAGE), 0);
    ASSERT_EQ(board.Count(WM_SIDEPANEL_PAGE_FAVORITE), 1);
    EXPECT_EQ(board.Only(WM_SIDEPANEL_PAGE_FAVORITE)[0].wParam, 5u);
    EXPECT_EQ(board.Only(WM_SIDEPANEL_PAGE_FAVORITE)[0].lParam, 1);
    layer->OnBoardPageMoved(5);   // the same page again
    ctltest::PumpTranslated();
    EXPECT_EQ(board.Count(WM_SIDEPANEL_SELECT_PAGE), 0);

    // The wheel and the bar: position p shows row p - 1.
    layer->OnBoardPageMoved(3);
    ctltest::PumpTranslated();
    EXPECT_EQ(pThumbs->GetScrollBar()->GetPos(), 2);   // a lower page scrolls to page - 1
    layer->OnBoardPageMoved(4);
    EXPECT_EQ(pThumbs->GetScrollBar()->GetPos(), 4);

    // The wheel over the rows moves the bar one row, no further than the last.
    {
        CRect rcList;
        pThumbs->GetList()->GetWindowRect(&rcList);
        const int nBefore = pThumbs->GetScrollBar()->GetPos();
        pThumbs->GetList()->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(short)-120),
                                        MAKELPARAM(rcList.left + 20, rcList.top + 20));
        EXPECT_EQ(pThumbs->GetScrollBar()->GetPos(), nBefore + 1);
        for (int i = 0; i < 20; ++i)
            pThumbs->GetList()->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(short)-120),
                                            MAKELPARAM(rcList.left + 20, rcList.top + 20));
        EXPECT_EQ(pThumbs->GetScrollBar()->GetPos(), 12);
        pThumbs->GetList()->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), MAKELPARAM(rcList.left + 20, rcList.top + 20));
        EXPECT_EQ(pThumbs->GetScrollBar()->GetPos(), 11);
        // Position 11 keeps row 10 wholly in view.
        const int nTop = pThumbs->GetList()->GetTopIndex();
        EXPECT_LE(nTop, 10);
        EXPECT_GE(nTop + pThumbs->GetList()->GetCountPerPage(), 11);
    }

    // While another user presents and this one follows, clicks do nothing.
    board.reports.clear();
    main.bPageSync = TRUE;
    ClickRow(pThumbs, 7);
    EXPECT_EQ(board.Count(WM_SIDEPANEL_SELECT_PAGE), 0);
    EXPECT_EQ(pThumbs->GetSelectedRow(), 3);
    main.bPageSync = FALSE;

    layer->OnBoardPageMoved(3);
    ctltest::PumpTranslated();
    // Page 3 selected: its row in the selection colour, the thumbnail drawn.
    CRect rcRow;
    ListView_GetItemRect(pThumbs->GetList()->GetSafeHwnd(), 2, &rcRow, LVIR_BOUNDS);
    EXPECT_EQ(ctltest::Pixel(pThumbs->GetList(), 10, rcRow.top + 60), RGB(224, 250, 253));
    EXPECT_NE(ctltest::Pixel(pThumbs->GetList(), 145, rcRow.top + 50), RGB(224, 250, 253));
    EXPECT_TRUE(ctltest::SaveScreenshot(layer.get(), L"side_panel_thumbnails"));
}

// The thumbnails are rendered off the window's thread: the batch's rows and marks are there when
// the reply has been handled, the pictures follow. Rows made again meanwhile (another document)
// take none of the pictures asked for the rows before, and a strip closed meanwhile takes none.
TEST_F(SidePanel, ThumbnailsAreRenderedOffTheWindowsThreadForTheRowsOfNowOnly)
{
    PagePictures web;
    ASSERT_TRUE(web.Start());
    std::vector<std::string> pictures;
    for (int page = 1; page <= 4; ++page)
        pictures.push_back(web.Get("D1", page));
    MakeLayer();
    WriteState(1, 1);
    layer->LoadSettings();
    CInfoThumbnailCtrl* pThumbs = layer->GetThumbnailCtrl();

    EXPECT_EQ(Arrive(layer.get(), MakeReply(pictures, 1, 4, 4, {3})), 0);
    EXPECT_EQ(pThumbs->GetRowPages().size(), 4u);
    EXPECT_TRUE(pThumbs->IsPageFavorite(3));
    EXPECT_EQ(pThumbs->GetThumb(1), nullptr);
    WaitForThumbnails(layer.get());
    for (int page = 1; page <= 4; ++page)
        EXPECT_NE(pThumbs->GetThumb(page), nullptr) << page;

    // Another document of three pages without pictures replaces the rows while the first
    // document's pictures are still being rendered.
    Arrive(layer.get(), MakeReply(pictures, 1, 4, 4, {}));
    ThumbReply bare = MakeReply(pictures, 1, 3, 3, {});
    for (Json::Value& item : bare.json["list"])
        item["size"] = 0;
    bare.raw.clear();
    Arrive(layer.get(), bare);
    WaitForThumbnails(layer.get());
    EXPECT_EQ(pThumbs->GetRowPages().size(), 3u);
    for (int page = 1; page <= 3; ++page)
        EXPECT_EQ(pThumbs->GetThumb(page), nullptr) << page;

    // Closed while rendering: nothing is taken by the strip that is gone.
    Arrive(layer.get(), MakeReply(pictures, 1, 4, 4, {}));
    layer.reset();
    zeltest::PumpFor(300);
    EXPECT_TRUE(::IsWindow(host.GetSafeHwnd()));
}

TEST_F(SidePanel, ShortOrCorruptAttachmentsKeepPlaceholdersAndEndTheBatch)
{
    PagePictures web;
    ASSERT_TRUE(web.Start());
    std::vector<std::string> pictures;
    for (int page = 1; page <= 4; ++page)
        pictures.push_back(web.Get("D2", page));
    MakeLayer();
    WriteState(1, 1);
    layer->LoadSettings();

    // The list claims four pictures, the attachment holds two and a half.
    ThumbReply reply = MakeReply(pictures, 1, 4, 4, {});
    reply.raw.resize(pictures[0].size() + pictures[1].size() + pictures[2].size() / 2);
    EXPECT_EQ(Feed(layer.get(), reply), 0);   // nothing more is asked for
    CInfoThumbnailCtrl* pThumbs = layer->GetThumbnailCtrl();
    EXPECT_EQ(pThumbs->GetRowPages().size(), 4u);
    EXPECT_NE(pThumbs->GetThumb(1), nullptr);
    EXPECT_NE(pThumbs->GetThumb(2), nullptr);
    EXPECT_EQ(pThumbs->GetThumb(3), nullptr);
    EXPECT_EQ(pThumbs->GetThumb(4), nullptr);

    // Bytes that are no picture, and a page without bytes: placeholders, no harm.
    ThumbReply corrupt = MakeReply(pictures, 1, 3, 3, {2});
    corrupt.json["list"][1]["size"] = 0;
    corrupt.raw = pictures[0] + std::string(pictures[2].size(), '\x5a');
    corrupt.json["list"][2]["size"] = (int)pictures[2].size();
    EXPECT_EQ(Feed(layer.get(), corrupt), 0);
    EXPECT_EQ(pThumbs->GetRowPages().size(), 3u);
    EXPECT_NE(pThumbs->GetThumb(1), nullptr);
    EXPECT_EQ(pThumbs->GetThumb(2), nullptr);
    EXPECT_EQ(pThumbs->GetThumb(3), nullptr);
    EXPECT_TRUE(pThumbs->IsPageFavorite(2));
    ctltest::PumpTranslated();
    EXPECT_TRUE(::IsWindow(layer->GetSafeHwnd()));
}

TEST_F(SidePanel, BookmarksFollowFavouritesInPageOrderAndUnmarkingRemovesThatPagesRow)
{
    PagePictures web;
    ASSERT_TRUE(web.Start());
    std::vector<std::string> pictures;
    for (int page = 1; page <= 9; ++page)
        pictures.push_back(web.Get("D3", page));
    MakeLayer();
    WriteState(1, 2);
    layer->LoadSettings();
    EXPECT_EQ(Feed(layer.get(), MakeReply(pictures, 1, 10, 9, {})), 0);
    CInfoBookMarkCtrl* pMarks = layer->GetBookmarkCtrl();
    EXPECT_TRUE(pMarks->GetRowPages().empty());
    EXPECT_FALSE(Visible(pMarks->GetList()));   // the empty text shows instead
    EXPECT_EQ(ctltest::Pixel(pMarks, 5, 5), RGB(233, 233, 241));

    for (int page : {7, 3, 5})
        layer->OnPageFavoriteChanged(page, TRUE);
    EXPECT_EQ(pMarks->GetRowPages(), (std::vector<int>{3, 5, 7}));
    EXPECT_TRUE(Visible(pMarks->GetList()));
    EXPECT_EQ(pMarks->GetScrollBar()->GetPos(), 0);   // three rows never move the bar
    EXPECT_TRUE(layer->GetThumbnailCtrl()->IsPageFavorite(7));
    layer->OnPageFavoriteChanged(5, TRUE);   // already there
    EXPECT_EQ(pMarks->GetRowPages(), (std::vector<int>{3, 5, 7}));

    // With row 7 selected, unmarking page 5 removes page 5's row, not the selected one.
    layer->OnBoardPageMoved(7);
    EXPECT_EQ(pMarks->GetSelectedRow(), 2);
    layer->OnPageFavoriteChanged(5, FALSE);
    EXPECT_EQ(pMarks->GetRowPages(), (std::vector<int>{3, 7}));
    EXPECT_EQ(pMarks->GetRenderedCount(), 2);
    // Unmarking a page without a row changes nothing.
    layer->OnPageFavoriteChanged(9, FALSE);
    EXPECT_EQ(pMarks->GetRowPages(), (std::vector<int>{3, 7}));
    EXPECT_EQ(pMarks->GetRenderedCount(), 2);

    // A click on a bookmark sends the board to its page.
    board.reports.clear();
    ClickRow(pMarks, 0);
    ASSERT_EQ(board.Count(WM_SIDEPANEL_SELECT_PAGE), 1);
    EXPECT_EQ(board.Only(WM_SIDEPANEL_SELECT_PAGE)[0].wParam, 2u);

    layer->OnPageFavoriteChanged(5, TRUE);
    layer->OnBoardPageMoved(5);
    ctltest::PumpTranslated();
    EXPECT_TRUE(ctltest::SaveScreenshot(layer.get(), L"side_panel_bookmarks"));

    for (int page : {3, 5, 7})
        layer->OnPageFavoriteChanged(page, FALSE);
    EXPECT_TRUE(pMarks->GetRowPages().empty());
    EXPECT_FALSE(Visible(pMarks->GetList()));
    EXPECT_EQ(pMarks->GetRenderedCount(), 0);
}

TEST_F(SidePanel, ABatchOfFavouritesIsSortedByPageAndTheComparatorHasASign)
{
    PagePictures web;
    ASSERT_TRUE(web.Start());
    std::vector<std::string> pictures;
    for (int page = 1; page <= 6; ++page)
        pictures.push_back(web.Get("D4", page));
    MakeLayer();
    WriteState(1, 2);
    layer->LoadSettings();
    // The second batch brings lower pages than... the first: rows come in arrival order.
    EXPECT_EQ(Feed(layer.get(), MakeReply(pictures, 4, 3, 6, {6, 4})), 0);
    EXPECT_EQ(layer->GetBookmarkCtrl()->GetRowPages(), (std::vector<int>{4, 6}));
    struct Case {
        LPARAM a, b;
        int sign;
    };
    for (const Case& c : {Case{3, 5, -1}, Case{5, 3, 1}, Case{4, 4, 0}})
        EXPECT_EQ(CInfoBookMarkCtrl::ComparePages(c.a, c.b, (LPARAM)layer->GetBookmarkCtrl()), c.sign);
}

// ---------------------------------------------------------------------------------------------

namespace {

const char kDemoAttendees[] = R"({"mtngId":"MT1","presenceTotal":4,"list":[
  {"userIdnfr":101,"name":"김민준","position":"부장","deptName":"경영기획팀","mainYn":true,"presenceYn":true},
  {"userIdnfr":102,"name":"이서연","position":"과장","deptName":"경영기획팀","processYn":true,"presenceYn":true},
  {"userIdnfr":103,"name":"박지훈","position":"대리","deptName":"영업1팀","presenceYn":true},
  {"userIdnfr":104,"name":"최유진","position":"주임","deptName":"인사팀","presenceYn":false},
  {"userIdnfr":105,"name":"정하늘","position":"사원","deptName":"재무팀","presenceYn":true},
  {"userIdnfr":106,"name":"강도윤","position":"차장","deptName":"전략팀","presenceYn":false}]})";

const char kDemoDetail[] = R"({"mtngTitl":"2026년 4분기 경영 전략 회의","mtngRoomTilt":"본관 3층 대회의실",
  "mtngSmmrCntn":"4분기 실적 점검과 내년도 사업 계획 초안을 검토합니다.","mtngStrtYmd":"20261210",
  "mtngStrtHour":"14","mtngStrtMin":"00","mtngEndHour":"16","mtngEndMin":"00","mtngType":"10"})";

}  // namespace

TEST_F(SidePanel, TheInformationViewHoldsTheMeetingsAttendeesAndSearchesThem)
{
    CInfoShowCtrl view;
    ASSERT_TRUE(view.Create(&host, CRect(0, 0, CInfoLayer::kShownWidth, 700), CInfoShowCtrl::kControlId));
    EXPECT_EQ(CInfoShowCtrl::GetInstance(), &view);
    // Nothing before the replies: no recipients for the chat, nobody for the add check.
    EXPECT_TRUE(view.GetAttendeeArray().empty());
    EXPECT_EQ(view.CheckOtherTarget(101), 0);

    Json::Value attendees, detail;
    ASSERT_TRUE(Json::Reader().parse(kDemoAttendees, attendees));
    ASSERT_TRUE(Json::Reader().parse(kDemoDetail, detail));
    view.ResetView();
    view.OnAttendeeList(attendees);
    view.SetMeetingDetail(detail);
    EXPECT_EQ(view.GetAttendeeArray().size(), 6u);
    EXPECT_EQ(view.CheckOtherTarget(101), 1);
    EXPECT_EQ(view.GetAttendeeList()->GetItemCount(), 5);
    EXPECT_STREQ(view.GetCountText(), L"(4)");
    EXPECT_STREQ(view.GetHostLine(), L"경영기획팀 / 부장");
    EXPECT_TRUE(view.GetSearchBox().IsHintShown());
    EXPECT_FALSE(view.GetButton(CInfoShowCtrl::ID_SEARCH_CLEAR).IsWindowEnabled());
    ctltest::PumpTranslated();
    EXPECT_TRUE(ctltest::SaveScreenshot(&view, L"meeting_info_view"));

    // A search shows the matching rows in place of the list.
    view.GetSearchBox().SetText(L"서연");
    ctltest::PumpTranslated();
    EXPECT_TRUE(Visible(view.GetSearchList()));
    EXPECT_FALSE(Visible(view.GetAttendeeList()));
    EXPECT_EQ(view.GetSearchList()->GetItemCount(), 1);
    EXPECT_TRUE(view.GetButton(CInfoShowCtrl::ID_SEARCH_CLEAR).IsWindowEnabled());

    // More than 50 characters lose the last one, the caret at the end.
    view.GetSearchBox().SetText(CString(L'가', 51));
    ctltest::PumpTranslated();
    CString text;
    view.GetSearchBox().GetWindowText(text);
    EXPECT_EQ(text.GetLength(), 50);
    DWORD selStart = 0, selEnd = 0;
    view.GetSearchBox().SendMessage(EM_GETSEL, (WPARAM)&selStart, (LPARAM)&selEnd);
    EXPECT_EQ(selEnd, 50u);

    // A new meeting: everything emptied, the hint back, the attendee rows shown.
    view.ResetView();
    ctltest::PumpTranslated();
    EXPECT_TRUE(view.GetAttendeeArray().empty());
    EXPECT_TRUE(view.GetSearchBox().IsHintShown());
    EXPECT_TRUE(Visible(view.GetAttendeeList()));
    EXPECT_FALSE(Visible(view.GetSearchList()));
    EXPECT_EQ(view.GetAttendeeList()->GetItemCount(), 0);
    view.DestroyWindow();
}

TEST_F(SidePanel, ThePanelsEdgesSizeTheMainWindowUnlessItIsMaximised)
{
    MakeLayer();
    layer->LoadSettings();
    host.reports.clear();
    CRect rc;
    layer->GetClientRect(&rc);
    // 20 pixels from the left, 3 above the bottom: a vertical resize.
    layer->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, rc.bottom - 3));
    MSG msg;
    ASSERT_TRUE(::PeekMessageW(&msg, host.GetSafeHwnd(), WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE));
    EXPECT_EQ(msg.wParam, (WPARAM)HTBOTTOM);
    layer->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 300));
    ASSERT_TRUE(::PeekMessageW(&msg, host.GetSafeHwnd(), WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE));
    EXPECT_EQ(msg.wParam, (WPARAM)HTLEFT);
    layer->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 300));
    EXPECT_FALSE(::PeekMessageW(&msg, host.GetSafeHwnd(), WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE));
}

namespace {

// The add button of the information view: someone who is neither the host nor the presenter sees
// it only to join an open meeting he has not joined yet, while it is on.
TEST_F(SidePanel, AnAttendeeWhoIsNeitherHostNorPresenterSeesTheAddButtonOnlyToJoinAnOpenMeeting)
{
    struct Case {
        const char* type;
        const char* status;
        const char* presence;
        bool shown;
    } cases[] = {{"13", "02", "N", true},  {"13", "01", "N", true},  {"13", "02", "Y", false},
                 {"01", "02", "N", false}, {"13", "04", "N", false}};
    CInfoShowCtrl view;
    ASSERT_TRUE(view.Create(&host, CRect(0, 0, CInfoLayer::kShownWidth, 700), CInfoShowCtrl::kControlId));
    Json::Value attendees;
    ASSERT_TRUE(Json::Reader().parse(kDemoAttendees, attendees));
    int n = 0;
    for (const Case& c : cases) {
        const CString id = CString(L"OPEN") + CString(std::to_wstring(++n).c_str());
        CMeetingManager::GetInstance()->FindOrCreateMeeting(id, L"10");
        CMeetingManager::GetInstance()->SetCurrentMeeting(id);
        CMeeting* meeting = CMeetingManager::GetInstance()->GetCurrentMeeting();
        ASSERT_NE(meeting, nullptr);
        Json::Value record;
        record["mtngMeetingType"] = c.type;
        record["mtngStatus"] = c.status;
        record["mainYn"] = "N";
        record["presenceYn"] = c.presence;
        meeting->LoadFromJson(record);
        view.ResetView();
        view.OnAttendeeList(attendees);
        EXPECT_EQ((view.GetButton(CInfoShowCtrl::ID_ADD).GetStyle() & WS_VISIBLE) != 0, c.shown)
            << "type " << c.type << ", status " << c.status << ", joined " << c.presence;
    }
    view.DestroyWindow();
}

}  // namespace
