// The board's bars as real windows over a real board: the tool bar's choices reach the canvas,
// the option bar pages and jumps by its slider and page number, the information bar zooms, and
// the mini-map's rectangle follows what the canvas shows.
#include <gtest/gtest.h>

#include "tests/support/TestSupport.h"
#include "tests/whiteboard/tools/ToolsTestSupport.h"
#include "ui/controls/PopupAnswer.h"
#include "whiteboard/MMFigure.h"
#include "whiteboard/tools/BoardDrawToolCtrl.h"
#include "whiteboard/tools/BoardInfoCtrl.h"
#include "whiteboard/tools/BoardNavigationDlg.h"
#include "whiteboard/tools/BoardOptCtrl.h"
#include "whiteboard/tools/ToolMakers.h"

using namespace toolstest;

namespace {

class BarsFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        b.reset(new BoardWithBars());
        b->Open(3);
        tools = dynamic_cast<CBoardDrawToolCtrl*>(b->Board()->GetDrawToolBar());
        opt = dynamic_cast<CBoardOptCtrl*>(b->Board()->GetOptBar());
        info = dynamic_cast<CBoardInfoCtrl*>(b->Board()->GetInfoBar());
        map = dynamic_cast<CBoardNavigationDlg*>(b->Board()->GetNavigator());
        ASSERT_TRUE(tools && opt && info && map);
        tools->ShowWindow(SW_SHOW);
    }
    void TearDown() override
    {
        SetPopupAnswerHook(PopupAnswerHook());
        b.reset();
    }
    void Click(UINT id) { ClickCentre(tools->Button(id)); }

    std::unique_ptr<BoardWithBars> b;
    CBoardDrawToolCtrl* tools = nullptr;
    CBoardOptCtrl* opt = nullptr;
    CBoardInfoCtrl* info = nullptr;
    CBoardNavigationDlg* map = nullptr;
};

TEST_F(BarsFixture, ToolBarChoicesReachTheCanvas)
{
    CBoardDrawCtrl* canvas = b->Canvas();
    Click(32800);
    EXPECT_LT(canvas->GetOpacity(), 1.0f) << "highlighter";
    EXPECT_EQ(canvas->GetMode(), CBoardDrawCtrl::kFreeLine);
    EXPECT_TRUE(tools->IsChecked(32800));
    EXPECT_FALSE(tools->IsChecked(32790));
    Click(32790);
    EXPECT_FLOAT_EQ(canvas->GetOpacity(), 1.0f);
    // Colours by grid position: the first red, the bottom-right black.
    Click(1014);
    EXPECT_EQ(canvas->GetLineColor(), RGB(0, 0, 0));
    Click(1000);
    EXPECT_EQ(canvas->GetLineColor(), RGB(233, 0, 0));
    Click(1010);
    EXPECT_EQ(canvas->GetLineColor(), RGB(255, 255, 255));
    Click(32813);
    EXPECT_EQ(canvas->GetLineWidth(), 7);
    Click(32831);
    EXPECT_EQ(canvas->GetMode(), CBoardDrawCtrl::kRect);
    Click(32833);
    EXPECT_EQ(canvas->GetMode(), CBoardDrawCtrl::kEllipse);
    EXPECT_TRUE(tools->IsChecked(32833));
    // A tool choice closes the option bar's tool pop-ups.
    EXPECT_FALSE(opt->Button(CBoardOptCtrl::kPen)->IsWindowVisible());
    // The public selections the main dialog uses for the floating palette.
    tools->SetWidth(4);
    EXPECT_EQ(canvas->GetLineWidth(), 4);
    EXPECT_FALSE(tools->IsChecked(32811) || tools->IsChecked(32812) || tools->IsChecked(32813));
    tools->SelectShape(0);
    tools->SelectShape(7);
    EXPECT_EQ(canvas->GetMode(), CBoardDrawCtrl::kEllipse);
    tools->SelectShape(1);
    EXPECT_EQ(canvas->GetMode(), CBoardDrawCtrl::kFreeLine);
    // The clear panel: the eraser, and the bar lays out its short panel.
    Click(32810);
    EXPECT_EQ(canvas->GetMode(), CBoardDrawCtrl::kEraser);
    EXPECT_EQ(tools->GetPanel(), 3);
    RECT rc;
    tools->GetWindowRect(&rc);
    EXPECT_EQ(rc.bottom - rc.top, 171);
    tools->LayoutPanel(5, 1);
    RECT rcCanvas, rcRaised;
    canvas->GetWindowRect(&rcCanvas);
    tools->GetWindowRect(&rcRaised);
    EXPECT_EQ(rcRaised.bottom, rcCanvas.bottom - 28);
    EXPECT_EQ(rcRaised.bottom - rcRaised.top, 171);
}

TEST_F(BarsFixture, ClearingThePageAsksFirstAndHidesTheBar)
{
    const auto page = b->Board()->GetPageManager().GetPage(1);
    page->m_ownLayer.Add(std::make_shared<CMMFigure>(Gdiplus::PointF(10, 10), Gdiplus::PointF(90, 90), 0, 3, 1, 1.0f,
                                                     L"1"));
    Click(32810);
    b->main.answer = IDCANCEL;
    Click(32893);
    EXPECT_EQ(b->main.questions.size(), 1u);
    EXPECT_TRUE(page->m_ownLayer.HasFigures()) << "declined: nothing cleared";
    EXPECT_FALSE(tools->IsWindowVisible());
    EXPECT_FALSE(tools->IsWindowEnabled());
    tools->EnableWindow(TRUE);
    tools->ShowWindow(SW_SHOW);
    b->main.answer = IDOK;
    Click(32893);
    EXPECT_FALSE(page->m_ownLayer.HasFigures());
    EXPECT_TRUE(tools->IsChecked(32892));
}

TEST_F(BarsFixture, OptionBarPagesAndJumpsBySliderAndPageNumber)
{
    EXPECT_STREQ(opt->GetTotalText().GetString(), L"/ 3");
    EXPECT_FALSE(opt->Button(CBoardOptCtrl::kPrevPage)->IsWindowEnabled());
    ClickCentre(opt->Button(CBoardOptCtrl::kNextPage));
    EXPECT_EQ(b->Board()->GetCurrentPage(), 2);
    CString shown;
    opt->PageEdit()->GetWindowText(shown);
    EXPECT_STREQ(shown.GetString(), L"2");
    EXPECT_TRUE(opt->Button(CBoardOptCtrl::kPrevPage)->IsWindowEnabled());
    // The slider dragged to its right end: the last page.
    ZELSlideBar* slider = opt->Slider();
    RECT rc;
    slider->GetClientRect(&rc);
    slider->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rc.right - 1, rc.bottom / 2));
    slider->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(rc.right - 1, rc.bottom / 2));
    EXPECT_EQ(b->Board()->GetCurrentPage(), 3);
    EXPECT_FALSE(opt->Button(CBoardOptCtrl::kNextPage)->IsWindowEnabled());
    // A typed page number and Enter.
    opt->PageEdit()->SetWindowText(L"1");
    MSG enter = {opt->PageEdit()->GetSafeHwnd(), WM_KEYDOWN, VK_RETURN, 0};
    EXPECT_TRUE(opt->PreTranslateMessage(&enter));
    EXPECT_EQ(b->Board()->GetCurrentPage(), 1);
    // Out of range: told, nothing moves, the edit shows the page again.
    std::vector<CString> told;
    SetPopupAnswerHook([&](const POPUP_QUESTION& q) {
        told.push_back(q.strText);
        return 1;
    });
    for (const wchar_t* typed : {L"0", L"4", L""}) {
        opt->PageEdit()->SetWindowText(typed);
        EXPECT_TRUE(opt->PreTranslateMessage(&enter));
        opt->PageEdit()->GetWindowText(shown);
        EXPECT_STREQ(shown.GetString(), L"1") << typed;
    }
    EXPECT_EQ(told.size(), 3u);
    EXPECT_EQ(b->Board()->GetCurrentPage(), 1);
}

// The option bar's mode follows the meeting's state; in the sharing modes its one visible mode
// button starts (5) or stops (4) presenting or following.
TEST(OptionBarShareState, ModeByMeetingState)
{
    struct Case { int status, type; BOOL report, sharing, sync; int want; } cases[] = {
        {2, 1, FALSE, FALSE, FALSE, 5}, {2, 1, FALSE, TRUE, TRUE, 4}, {1, 1, FALSE, FALSE, FALSE, 6},
        {1, 2, FALSE, TRUE, FALSE, 0}, {1, 2, FALSE, FALSE, FALSE, 1}, {4, 1, FALSE, TRUE, FALSE, 0},
        {9, 1, FALSE, FALSE, FALSE, 3}, {11, 1, TRUE, FALSE, FALSE, 6}, {12, 1, TRUE, FALSE, TRUE, 4},
        {13, 1, TRUE, FALSE, FALSE, 5}, {14, 1, TRUE, FALSE, FALSE, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CBoardOptCtrl::ShareStateMode(c.status, c.type, c.report, c.sharing, c.sync, 3), c.want)
            << "status " << c.status << " type " << c.type << " report " << c.report << " sharing " << c.sharing;
}

TEST_F(BarsFixture, TheOpenDocumentOffersSharingAndAFollowerCannotTurnPages)
{
    // A running meeting without synchronisation: the start button.
    EXPECT_EQ(opt->GetMode(), 5);
    EXPECT_TRUE(opt->Button(32700)->IsWindowVisible());
    b->meeting.sync = TRUE;
    b->meeting.live = TRUE;
    b->meeting.canShare = FALSE;
    b->Board()->SetShareMode(1);
    EXPECT_EQ(opt->GetMode(), 4);
    EXPECT_TRUE(opt->Button(32701)->IsWindowVisible());
    EXPECT_FALSE(opt->Button(CBoardOptCtrl::kNextPage)->IsWindowEnabled()) << "a follower turned the page";
    b->meeting.presenter = TRUE;
    b->Board()->SetShareMode(1);
    EXPECT_TRUE(opt->Button(CBoardOptCtrl::kNextPage)->IsWindowEnabled());
}

TEST_F(BarsFixture, InfoBarZoomChoicesReachTheCanvas)
{
    auto choose = [&](int item) {
        info->ZoomCombo()->SetCurSel(item);
        info->SendMessage(WM_COMMAND, MAKEWPARAM(CBoardInfoCtrl::kZoomCombo, CBN_SELCHANGE),
                          (LPARAM)info->ZoomCombo()->GetSafeHwnd());
    };
    EXPECT_EQ(info->GetZoomState(), 11);
    choose(3);
    EXPECT_FLOAT_EQ(b->Canvas()->GetZoom(), 2.0f);
    choose(11);
    EXPECT_FLOAT_EQ(b->Canvas()->GetZoom(), 0.0f);
    // A typed factor shown, then item 0 still sends 100 %.
    info->SetZoom(1.37f);
    EXPECT_STREQ(info->ZoomCombo()->GetShownText().GetString(), L"137 %");
    EXPECT_EQ(info->GetZoomState(), 12);
    choose(0);
    EXPECT_FLOAT_EQ(b->Canvas()->GetZoom(), 1.0f);
    EXPECT_EQ(info->GetZoomState(), 0);
}

TEST_F(BarsFixture, MiniMapRectangleFollowsTheCanvasView)
{
    CBoardDrawCtrl* canvas = b->Canvas();
    // 1200 x 900 page: a 120 x 90 thumbnail.
    for (float zoom : {0.0f, 1.0f, 2.0f, 3.0f}) {
        b->Board()->OnZoom(zoom);
        map->ShowView();
        const CCanvasView& view = canvas->View();
        const float scale = view.Zoom();
        const int visibleW = std::min(1200, (int)(view.ClientWidth() / scale + 0.5f));
        const int visibleH = std::min(900, (int)(view.ClientHeight() / scale + 0.5f));
        const RECT rc = map->GetViewRect();
        EXPECT_NEAR(rc.right - rc.left, visibleW * 120 / 1200, 2) << zoom;
        EXPECT_NEAR(rc.bottom - rc.top, visibleH * 90 / 900, 2) << zoom;
        // Inside the thumbnail.
        const POINT origin = map->GetThumbnailOrigin();
        EXPECT_GE(rc.left, origin.x - 1) << zoom;
        EXPECT_LE(rc.right, origin.x + 121) << zoom;
        EXPECT_TRUE(map->IsWindowVisible());
    }
    RECT rcMap, rcCanvas;
    map->GetWindowRect(&rcMap);
    canvas->GetWindowRect(&rcCanvas);
    EXPECT_EQ(rcMap.right, rcCanvas.right);
    EXPECT_EQ(rcMap.bottom, rcCanvas.bottom);
}

TEST_F(BarsFixture, Screenshot)
{
    b->Board()->OnZoom(1.5f);
    map->ShowView();
    Click(32790);
    tools->ShowWindow(SW_SHOW);
    Settle(400);
    EXPECT_TRUE(canvastest::SaveScreenshot(b->host.GetSafeHwnd(), L"board_with_bars"));
}

// The approval selector against a board-less listener that records what it is sent.
class RecordingInfo : public IBoardInfoCtrlEventListener {
public:
    void OnSave(int flag) override { saves.push_back(flag); }
    void OnZoom(float zoom) override { zooms.push_back(zoom); }
    void OnApproval(int kind, const CString&) override { approvals.push_back(kind); }
    void OnFavorite(BOOL on) override { favourites.push_back(on); }
    std::vector<int> saves, approvals, favourites;
    std::vector<float> zooms;
};

TEST(InfoBarApproval, NeedsAPendingApprovalAndASignatureFile)
{
    StandInMainDlg main;
    SetMainDlg(&main);
    canvastest::HostWindow host;
    ASSERT_TRUE(host.Open(700, 80));
    RecordingInfo listener;
    CBoardInfoCtrl bar(&listener);
    ASSERT_TRUE(bar.Create(&host));
    bar.ShowApprovalCombo(TRUE);
    std::vector<CString> told;
    SetPopupAnswerHook([&](const POPUP_QUESTION& q) {
        told.push_back(q.strText);
        return 1;
    });
    auto choose = [&](int item) {
        bar.ApprovalCombo()->SetCurSel(item);
        bar.SendMessage(WM_COMMAND, MAKEWPARAM(CBoardInfoCtrl::kApprovalCombo, CBN_SELCHANGE), 0);
    };
    choose(1);
    EXPECT_EQ(told.size(), 1u) << "no pending approval";
    EXPECT_EQ(bar.ApprovalCombo()->GetCurSel(), 0);
    bar.m_isApprovalPending = [] { return TRUE; };
    zeltest::TempDir dir;
    main.signPath = dir.File(L"signdata").c_str();
    ::CreateDirectoryW(main.signPath, nullptr);
    choose(1);
    EXPECT_EQ(told.size(), 2u) << "a folder is no signature";
    EXPECT_TRUE(listener.approvals.empty());
    ::RemoveDirectoryW(main.signPath);
    ASSERT_TRUE(zeltest::WriteFileBytes(main.signPath.GetString(), "PNG"));
    choose(2);
    EXPECT_EQ(told.size(), 2u);
    ASSERT_EQ(listener.approvals.size(), 1u);
    EXPECT_EQ(listener.approvals[0], 2);
    // Save: enabled sends 0; a click on the disabled button asks why (1).
    bar.EnableSaveButton(TRUE);
    bar.SaveButton()->ShowWindow(SW_SHOW);
    ClickCentre(bar.SaveButton());
    bar.EnableSaveButton(FALSE);
    RECT rc;
    bar.SaveButton()->GetWindowRect(&rc);
    bar.ScreenToClient(&rc);
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rc.left + 3, rc.top + 3));
    bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(rc.left + 3, rc.top + 3));
    EXPECT_EQ(listener.saves, (std::vector<int>{0, 1}));
    // The favourite check disables itself until the board enables it again.
    bar.EnableFavorite(TRUE);
    bar.FavoriteButton()->ShowWindow(SW_SHOW);
    ClickCentre(bar.FavoriteButton());
    EXPECT_EQ(listener.favourites, (std::vector<int>{1}));
    EXPECT_FALSE(bar.FavoriteButton()->IsWindowEnabled());
    SetPopupAnswerHook(PopupAnswerHook());
    bar.DestroyWindow();
    host.DestroyWindow();
    SetMainDlg(nullptr);
}

}  // namespace

namespace {

// The board asks for the document's sticky notes once its pages exist.
class StickyRecordingServer : public boardtest::RecordingServer {
public:
    void RequestStickyNotes(const CString& mtngId, const CString& docId, int page, int user) override
    {
        asked.push_back(zeltest::Narrow((mtngId + L"/" + docId).GetString()) + "/" + std::to_string(page) + "/" +
                        std::to_string(user));
    }
    std::vector<std::string> asked;
};

TEST(BoardStickyNotes, TheFirstPageImageReplyAsksForTheDocumentsNotes)
{
    StandInMainDlg main;
    SetMainDlg(&main);
    SetBoardBarMakers(WhiteboardToolMakers());
    canvastest::HostWindow host;
    ASSERT_TRUE(host.Open(800, 600));
    boardtest::StandInMeeting meeting;
    StickyRecordingServer server;
    {
        CBoardLayer board(&meeting, &server);
        ASSERT_TRUE(board.Create(&host, RECT{0, 0, 800, 600}));
        board.OpenDocument(L"MT1", L"D1", L"doc", L"", 1);
        Json::Value body;
        body["mtngId"] = "MT1";
        body["attcFileId"] = "D1";
        body["page"] = 1;
        body["totalPage"] = 2;
        body["imageUrl"] = "";
        board.OnReceiveM00000024(body, 0);
        board.OnReceiveM00000024(body, 0);
        EXPECT_EQ(server.asked, (std::vector<std::string>{"MT1/D1/0/0"}));
        board.DestroyWindow();
    }
    host.DestroyWindow();
    SetBoardBarMakers(S_BOARD_BAR_MAKERS());
    SetMainDlg(nullptr);
}

}  // namespace
