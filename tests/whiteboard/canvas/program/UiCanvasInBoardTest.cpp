// The canvas inside a board made with the program's own bar makers, driven by the window messages
// a user's mouse causes: the loading indicator while a page has no picture, the presenter's bars
// of the full view, the drawing tool bar, and the history buttons of the tool bar and of the
// main dialog's floating palette.
#include <gtest/gtest.h>

#include <json/json.h>

#include "tests/support/TestSupport.h"
#include "tests/whiteboard/canvas/program/CanvasProgramSupport.h"
#include "tests/whiteboard/tools/ToolsTestSupport.h"
#include "ui/controls/ZELLoadingBG.h"
#include "whiteboard/MMFigure.h"
#include "whiteboard/tools/BoardDrawToolCtrl.h"
#include "whiteboard/tools/DrawToolPalette.h"
#include "whiteboard/tools/PresentationBars.h"

using namespace toolstest;
using namespace canvasprogram;

namespace {

class CanvasInBoard : public ::testing::Test {
protected:
    void SetUp() override
    {
        b.reset(new BoardWithBars());
        SetMainDlg(&main);
        canvas = b->Canvas();
        hwnd = canvas->GetSafeHwnd();
        bars = b->Board()->GetPresenterBars();
        ASSERT_NE(bars, nullptr) << "the program's makers make the presenter's bars";
        tools = dynamic_cast<CBoardDrawToolCtrl*>(b->Board()->GetDrawToolBar());
        ASSERT_NE(tools, nullptr);
        banner = FindChild(CPresentationInfoCtrl::kLeave);
        ASSERT_NE(banner, nullptr);
    }
    void TearDown() override
    {
        SetMainDlg(&b->main);
        b.reset();
        SetMainDlg(nullptr);
    }
    // The canvas' child window that holds a control of the id (the banner holds the leave button).
    HWND FindChild(UINT buttonId)
    {
        for (HWND child = ::GetWindow(hwnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
            if (::GetDlgItem(child, buttonId))
                return child;
        return nullptr;
    }
    HWND Toolbar() { return FindChild(CPresentationOptCtrl::kSticky); }
    RECT CanvasClient()
    {
        RECT rc;
        ::GetClientRect(hwnd, &rc);
        return rc;
    }
    // The mouse moving over the canvas without a button.
    void Hover(int x, int y) { ::SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }
    static int Height(HWND w)
    {
        RECT rc;
        ::GetWindowRect(w, &rc);
        return rc.bottom - rc.top;
    }
    static BOOL Visible(HWND w) { return (::GetWindowLongW(w, GWL_STYLE) & WS_VISIBLE) != 0; }

    std::unique_ptr<BoardWithBars> b;
    ProgramMainDlg main;
    CBoardDrawCtrl* canvas = nullptr;
    HWND hwnd = nullptr;
    IPresenterBars* bars = nullptr;
    CBoardDrawToolCtrl* tools = nullptr;
    HWND banner = nullptr;
};

TEST_F(CanvasInBoard, LoadingIndicatorCoversTheCanvasUntilThePictureComes)
{
    // The document's pages are there, their pictures not yet.
    b->Board()->OpenDocument(L"MT1", L"D1", L"Plan.pdf", L"url", 1);
    b->Board()->CreatePages(2);
    b->Board()->MovePage(1);
    Settle();
    ZELLoadingBG* loading = canvas->GetLoading();
    ASSERT_NE(loading, nullptr);
    EXPECT_TRUE(canvas->IsLoadingShown());
    RECT rcLoading;
    loading->GetClientRect(&rcLoading);
    const RECT rcCanvas = CanvasClient();
    EXPECT_TRUE(::EqualRect(&rcLoading, &rcCanvas)) << "over the whole canvas";
    EXPECT_EQ(loading->GetMessageMode(), 0) << "the spinner";
    EXPECT_FALSE(tools->IsWindowVisible());
    // No painted text of the canvas' own: what shows is the indicator's background.
    EXPECT_EQ(canvastest::ScreenPixel(hwnd, 20, 20), RGB(246, 247, 251));

    // A reply that says the document has no pages: the indicator shows its waiting text.
    Json::Value reply;
    reply["mtngId"] = "MT1";
    reply["attcFileId"] = "D1";
    reply["page"] = 1;
    reply["totalPage"] = 0;
    b->Board()->OnReceiveM00000024(reply, 0);
    EXPECT_EQ(loading->GetMessageMode(), 1);
    EXPECT_EQ(loading->GetState(), 0);
    EXPECT_TRUE(canvas->IsLoadingShown());
    EXPECT_TRUE(canvastest::SaveScreenshot(hwnd, L"CanvasLoadingWaitingText"));

    // What the meeting screen asks of it: blank, then a progress state.
    canvas->ShowLoading();
    EXPECT_EQ(loading->GetMessageMode(), 1);
    EXPECT_EQ(loading->GetState(), 2);
    canvas->SetLoadingProgress(7);
    EXPECT_EQ(loading->GetState(), 7);

    // The picture arrives: the indicator goes, the page shows.
    const std::string png = canvastest::MakePagePng(800, 600);
    b->Board()->GetPageManager().GetPage(1)->SetImage(reinterpret_cast<const BYTE*>(png.data()), png.size());
    canvas->SetPage(b->Board()->GetPageManager().GetPage(1));
    Settle();
    EXPECT_FALSE(canvas->IsLoadingShown());
    EXPECT_NE(canvastest::ScreenPixel(hwnd, rcCanvas.right / 2, rcCanvas.bottom / 2), RGB(246, 247, 251));
}

TEST_F(CanvasInBoard, PresenterBarsOpenAtTheEdgesOfTheFullViewAndCloseAfterASecond)
{
    b->Open(3);
    const RECT rc = CanvasClient();
    const HWND toolbar = Toolbar();
    ASSERT_NE(toolbar, nullptr);

    // Outside the full view the edges open nothing.
    Hover(rc.right / 2, 0);
    Settle(700);
    EXPECT_FALSE(Visible(banner));
    EXPECT_FALSE(canvas->IsPresentationBarCollapsed());

    main.fullView = TRUE;
    // The floating palette rides on the banner while the title bar is gone.
    HeldPalette palette(&b->host, main);
    ASSERT_TRUE(palette.IsOpen());
    struct Edge {
        int y;
        const char* what;
    };
    for (const Edge& edge : {Edge{0, "top edge"}, Edge{(int)rc.bottom - 1, "bottom edge"}}) {
        Hover(rc.right / 2, edge.y);
        EXPECT_TRUE(canvas->IsPresentationBarCollapsed()) << edge.what;
        Settle(800);
        EXPECT_TRUE(Visible(banner)) << edge.what;
        EXPECT_EQ(Height(banner), 34) << edge.what;
        EXPECT_TRUE(Visible(toolbar)) << edge.what;
        EXPECT_EQ(Height(toolbar), 34) << edge.what;
        RECT rcToolbar, rcCanvas;
        ::GetWindowRect(toolbar, &rcToolbar);
        ::GetWindowRect(hwnd, &rcCanvas);
        EXPECT_EQ(rcToolbar.bottom, rcCanvas.bottom) << "the toolbar grows from the bottom edge";
        RECT rcPalette, rcBanner;
        palette->GetWindowRect(&rcPalette);
        ::GetWindowRect(banner, &rcBanner);
        EXPECT_TRUE(palette->IsWindowVisible()) << edge.what;
        EXPECT_EQ(rcPalette.top, rcBanner.top) << edge.what;
        EXPECT_NEAR((rcPalette.left + rcPalette.right) / 2, (rcBanner.left + rcBanner.right) / 2, 1) << edge.what;
        // Away from the edges: a second later both slide closed.
        Hover(rc.right / 2, rc.bottom / 2);
        Settle(400);
        EXPECT_TRUE(Visible(banner)) << "not before the second is over";
        Settle(1400);
        EXPECT_FALSE(canvas->IsPresentationBarCollapsed()) << edge.what;
        EXPECT_FALSE(Visible(banner)) << edge.what;
        EXPECT_FALSE(Visible(toolbar)) << edge.what;
    }

    // Back at the edge before the second is over: they stay open.
    Hover(rc.right / 2, 0);
    Settle(700);
    Hover(rc.right / 2, rc.bottom / 2);
    Settle(300);
    Hover(rc.right / 2, 0);
    Settle(1200);
    EXPECT_TRUE(Visible(banner));
    // The banner names the open document.
    b->Board()->OpenDocument(L"MT1", L"D2", L"Budget 2027.pdf", L"url", 1);
    EXPECT_STREQ(static_cast<CPresentationInfoCtrl*>(CWnd::FromHandlePermanent(banner))->GetText().GetString(),
                 L"Budget 2027.pdf");
    b->Open(3);
    Settle();
    RECT rcShot;
    ::GetWindowRect(hwnd, &rcShot);
    EXPECT_TRUE(SaveScreenArea(rcShot, L"CanvasPresenterBarsOpen"));

    // The banner's leave button: the full view ends and the bars are gone at once.
    CWnd* leave = CWnd::FromHandle(::GetDlgItem(banner, CPresentationInfoCtrl::kLeave));
    ClickCentre(leave);
    EXPECT_EQ(main.leaves, 1);
    EXPECT_FALSE(Visible(banner));
    EXPECT_FALSE(Visible(toolbar));
    EXPECT_FALSE(canvas->IsPresentationBarCollapsed());
}

TEST_F(CanvasInBoard, ToolBarShowsOnlyOverAPictureAndRisesAboveTheOpenToolbar)
{
    b->Open(2);
    tools->ShowWindow(SW_HIDE);
    canvas->UpdateToolBarVisibility(TRUE);
    EXPECT_TRUE(tools->IsWindowVisible());
    EXPECT_TRUE(tools->IsWindowEnabled());
    RECT rcBar, rcCanvas;
    tools->GetWindowRect(&rcBar);
    canvas->GetWindowRect(&rcCanvas);
    EXPECT_EQ(rcBar.bottom, rcCanvas.bottom);
    // Asked to show while it is shown: it goes (the tool buttons toggle it).
    canvas->UpdateToolBarVisibility(TRUE);
    EXPECT_FALSE(tools->IsWindowVisible());
    EXPECT_FALSE(tools->IsWindowEnabled());
    canvas->ShowPresentationOpt();
    EXPECT_FALSE(tools->IsWindowVisible()) << "a hidden bar stays hidden";

    // With the presenter's toolbar open the tool bar sits above it.
    main.fullView = TRUE;
    Hover(100, 0);
    canvas->UpdateToolBarVisibility(TRUE);
    tools->GetWindowRect(&rcBar);
    EXPECT_EQ(rcBar.bottom, rcCanvas.bottom - 28);
    canvas->ShowPresentationOpt();
    EXPECT_TRUE(tools->IsWindowVisible());

    // A page without its picture: no tool bar, and none on asking.
    canvas->SetPage(std::make_shared<CMMPage>(9));
    EXPECT_FALSE(tools->IsWindowVisible());
    canvas->UpdateToolBarVisibility(TRUE);
    EXPECT_FALSE(tools->IsWindowVisible());
}

TEST_F(CanvasInBoard, HistoryButtonsOfBarAndPaletteAreOffAndUndoRefusedWhilePagesFollowThePresenter)
{
    HeldPalette palette(&b->host, main);
    ASSERT_TRUE(palette.IsOpen());
    b->Open(2);
    const auto page = b->Board()->GetPageManager().GetPage(1);

    // A stroke of the user's own.
    canvas->SetMode(CBoardDrawCtrl::kFreeLine);
    const RECT rcPage = canvas->View().Page();
    const int y = (rcPage.top + rcPage.bottom) / 2;
    canvastest::Drag(hwnd, {{rcPage.left + 50, y}, {rcPage.left + 150, y}, {rcPage.left + 250, y + 40}});
    ASSERT_EQ(page->m_ownLayer.GetCount(), 1);
    EXPECT_TRUE(palette->Object(L"btnUndo")->IsEnabledForClick());
    EXPECT_FALSE(palette->Object(L"btnRedo")->IsEnabledForClick());
    EXPECT_TRUE(tools->Button(32780)->IsWindowEnabled());

    // The presenter shares with page sync on: nobody steps the history.
    b->meeting.sync = TRUE;
    b->meeting.live = TRUE;
    b->Board()->SetShareMode(1);
    EXPECT_FALSE(palette->Object(L"btnUndo")->IsEnabledForClick());
    EXPECT_FALSE(tools->Button(32780)->IsWindowEnabled());
    // The undo command reaches the canvas all the same (the palette relays to the tool bar): it is
    // refused.
    tools->StepHistory(TRUE);
    EXPECT_EQ(page->m_ownLayer.GetCount(), 1);

    // Sync off: the buttons come back and undo works.
    b->meeting.sync = FALSE;
    b->Board()->SetShareMode(0);
    EXPECT_TRUE(palette->Object(L"btnUndo")->IsEnabledForClick());
    tools->StepHistory(TRUE);
    EXPECT_EQ(page->m_ownLayer.GetCount(), 0);
    EXPECT_FALSE(palette->Object(L"btnUndo")->IsEnabledForClick());
    EXPECT_TRUE(palette->Object(L"btnRedo")->IsEnabledForClick());
}

}  // namespace
