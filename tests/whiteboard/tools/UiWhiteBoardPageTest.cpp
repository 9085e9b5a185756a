// The whiteboard's pages as a user adds and deletes them: the option bar's add-page button opens
// the page pop-up, the user's choice goes to the meeting screen (which asks the server), and the
// server's answer puts in or takes out that one page while every other page keeps its drawing and
// its note.
#include <gtest/gtest.h>

#include "tests/support/TestSupport.h"
#include "tests/ui/skin/SkinTestSupport.h"
#include "tests/whiteboard/tools/ToolsTestSupport.h"
#include "whiteboard/MMFigure.h"
#include "whiteboard/tools/BoardOptCtrl.h"
#include "whiteboard/tools/StickyNoteDlg.h"
#include "whiteboard/tools/WhiteBoardPage.h"

using namespace toolstest;

namespace {

class PagesFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The whiteboard pictures the build draws beside the program, beside this test program too.
        const std::wstring bin = zeltest::BinaryDir() + L"\\bin\\image\\whiteboard\\";
        const std::wstring here = zeltest::BinaryDir() + L"\\tests\\image\\whiteboard\\";
        ::CreateDirectoryW((zeltest::BinaryDir() + L"\\tests\\image").c_str(), nullptr);
        ::CreateDirectoryW(here.c_str(), nullptr);
        for (const wchar_t* name : {L"pwb.png", L"swb.png"})
            ASSERT_TRUE(::CopyFileW((bin + name).c_str(), (here + name).c_str(), FALSE)) << CW2A(name);
        b.reset(new BoardWithBars());
        b->meeting.whiteboard = TRUE;
        b->meeting.personal = TRUE;
    }
    void TearDown() override { b.reset(); }
    // A whiteboard of 'total' pages shown at 'current', its add-page button visible.
    void OpenWhiteboard(int total, int current)
    {
        b->Open(total, current, 400, 300);
        opt = dynamic_cast<CBoardOptCtrl*>(b->Board()->GetOptBar());
        ASSERT_NE(opt, nullptr);
        b->Board()->OnWhiteboardMode(TRUE, FALSE);
        ASSERT_TRUE(opt->Button(CBoardOptCtrl::kAddPage)->IsWindowVisible());
    }
    CWhiteBoardPage* OpenPopup()
    {
        ClickCentre(opt->Button(CBoardOptCtrl::kAddPage));
        Settle();
        CWhiteBoardPage* popup = opt->GetPagePopup();
        return popup && popup->IsWindowVisible() ? popup : nullptr;
    }
    // A mouse click on the pop-up's button; the choice is posted, so the queue is let run.
    void ClickButton(CWhiteBoardPage* popup, const wchar_t* name)
    {
        SKIN_OBJECT* button = popup->FindObject(name);
        ASSERT_NE(button, nullptr) << CW2A(name);
        skintest::Click(popup->GetSafeHwnd(), button->m_rcObject.CenterPoint().x, button->m_rcObject.CenterPoint().y);
        Settle(50);
    }
    void AddFigure(int page)
    {
        b->Board()->GetPageManager().GetPage(page)->m_ownLayer.Add(std::make_shared<CMMFigure>(
            Gdiplus::PointF(10, 10), Gdiplus::PointF(90, 90), 0, 3, 1, 1.0f, CString()));
    }
    int OwnFigures(int page) { return (int)b->Board()->GetPageManager().GetPage(page)->m_ownLayer.GetCount(); }

    std::unique_ptr<BoardWithBars> b;
    CBoardOptCtrl* opt = nullptr;
};

TEST_F(PagesFixture, PopupChoicesReachTheMeetingScreen)
{
    struct Case {
        int total, current;
        const wchar_t* button;
        const char* sent;  // what the meeting screen is asked; nullptr: nothing
    } cases[] = {
        {3, 2, L"btnPrev", "100:1:2"},
        {3, 2, L"btnNext", "100:1:3"},
        {3, 2, L"btnDel", "100:2:2"},
        {1, 1, L"btnNext", "100:1:2"},
        {99, 99, L"btnNext", "100:1:100"},
        {100, 40, L"btnDel", "100:2:40"},
        {100, 40, L"btnPrev", nullptr},
        {100, 40, L"btnNext", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.total << " pages, page " << c.current << ", " << CW2A(c.button));
        b.reset();
        b.reset(new BoardWithBars());
        b->meeting.whiteboard = TRUE;
        OpenWhiteboard(c.total, c.current);
        CWhiteBoardPage* popup = OpenPopup();
        ASSERT_NE(popup, nullptr);
        EXPECT_EQ(popup->FindObject(L"btnDel") != nullptr, c.total > 1) << "a single page cannot be deleted";
        ClickButton(popup, c.button);
        if (c.sent) {
            ASSERT_EQ(b->meeting.calls.size(), 1u);
            EXPECT_EQ(b->meeting.calls[0], c.sent);
            EXPECT_FALSE(popup->IsWindowVisible());
        } else {
            EXPECT_TRUE(b->meeting.calls.empty());
            ASSERT_EQ(b->main.toasts.size(), 1u);
            EXPECT_NE(b->main.toasts[0].Find(L"100"), -1) << CW2A(b->main.toasts[0].GetString());
            EXPECT_EQ(b->main.toasts[0].Find(L"%MAX%"), -1);
            EXPECT_TRUE(popup->IsWindowVisible()) << "the user may still delete a page";
        }
    }
}

TEST_F(PagesFixture, PopupSitsAboveTheBarAndShowsItsChoices)
{
    OpenWhiteboard(3, 2);
    CWhiteBoardPage* popup = OpenPopup();
    ASSERT_NE(popup, nullptr);
    RECT rcPopup, rcBar;
    popup->GetWindowRect(&rcPopup);
    opt->GetWindowRect(&rcBar);
    EXPECT_LE(rcPopup.bottom, rcBar.top + 10);
    EXPECT_GT(rcPopup.bottom - rcPopup.top, 100);
    Settle(200);
    RECT rc = rcPopup;
    rc.top -= 10;
    rc.left -= 60;
    rc.bottom = rcBar.bottom;
    rc.right = rcBar.right;
    EXPECT_TRUE(SaveScreenArea(rc, L"WhiteBoardPagePopup"));
    // The same button again makes it anew; Esc hides it.
    ClickCentre(opt->Button(CBoardOptCtrl::kAddPage));
    popup = opt->GetPagePopup();
    ASSERT_TRUE(popup && popup->IsWindowVisible());
    popup->SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    popup->OnCancel();
    EXPECT_FALSE(popup->IsWindowVisible());
}

TEST_F(PagesFixture, AnsweredPageChangesMoveOnlyThatPage)
{
    OpenWhiteboard(3, 2);
    AddFigure(1);
    AddFigure(3);
    AddFigure(3);
    auto* note = dynamic_cast<CStickyNoteDlg*>(b->Board()->GetStickyNote());
    ASSERT_NE(note, nullptr);
    note->Book().UpdateText(3, L"셋째 쪽 메모");
    const auto third = b->Board()->GetPageManager().GetPage(3);

    // A page put in before page 2: page 3 and its drawing and note become page 4.
    b->Board()->AddWhiteBoardPage(2, 4, 2);
    EXPECT_EQ(b->Board()->GetTotalPage(), 4);
    EXPECT_EQ(b->Board()->GetCurrentPage(), 2);
    EXPECT_EQ(OwnFigures(1), 1);
    EXPECT_EQ(OwnFigures(2), 0);
    EXPECT_EQ(OwnFigures(4), 2);
    EXPECT_EQ(b->Board()->GetPageManager().GetPage(4), third);
    EXPECT_EQ(b->Board()->GetCanvas()->GetPageNumber(), 2);
    EXPECT_NE(CStickyNoteBook::Find(note->Book().Own(), 4), nullptr);
    EXPECT_EQ(CStickyNoteBook::Find(note->Book().Own(), 4)->m_strText, CString(L"셋째 쪽 메모"));
    // The same answer again (its push after the reply) changes nothing.
    b->Board()->AddWhiteBoardPage(2, 4, 2);
    EXPECT_EQ(b->Board()->GetTotalPage(), 4);
    EXPECT_EQ(OwnFigures(4), 2);

    // Deleting the shown page 2: the canvas shows the page now numbered 2, never the deleted one.
    const auto deleted = b->Board()->GetPageManager().GetPage(2);
    b->Board()->DelWhiteBoardPage(2, 3, 2);
    EXPECT_EQ(b->Board()->GetTotalPage(), 3);
    EXPECT_EQ(b->Board()->GetPageManager().GetPage(3), third);
    EXPECT_EQ(OwnFigures(3), 2);
    EXPECT_EQ(OwnFigures(1), 1);
    EXPECT_EQ(b->Board()->GetPageManager().GetPage(2)->m_nPageNumber, 2);
    EXPECT_EQ(b->Board()->GetCanvas()->GetPage(), b->Board()->GetPageManager().GetPage(2));
    EXPECT_NE(b->Board()->GetCanvas()->GetPage(), deleted);
    EXPECT_EQ(CStickyNoteBook::Find(note->Book().Own(), 3)->m_strText, CString(L"셋째 쪽 메모"));
}

TEST_F(PagesFixture, WhiteboardPagesTakeThePicturesBesideTheProgram)
{
    struct Case {
        BOOL personal;
        int width;
    } cases[] = {{TRUE, 1280}, {FALSE, 1280}};
    for (const Case& c : cases) {
        b.reset();
        b.reset(new BoardWithBars());
        b->meeting.whiteboard = TRUE;
        b->meeting.personal = c.personal;
        OpenWhiteboard(2, 1);
        b->server.log.clear();
        b->Board()->AddWhiteBoardPage(3, 3, 3);
        const auto added = b->Board()->GetPageManager().GetPage(3);
        ASSERT_NE(added, nullptr);
        EXPECT_TRUE(added->HasImage()) << "no wait for a download";
        EXPECT_EQ(added->m_nImageWidth, c.width);
        EXPECT_TRUE(b->server.log.empty() || b->server.log[0].rfind("24:", 0) != 0);
    }
    // A document that is not the meeting's whiteboard never takes them.
    b->meeting.whiteboard = FALSE;
    b->Board()->AddWhiteBoardPage(4, 4, 4);
    EXPECT_FALSE(b->Board()->GetPageManager().GetPage(4)->HasImage());
}

}  // namespace

namespace {

// A page that gets its picture while shown takes the view of the option bar's mode: the shared
// drawing while following or on the shared whiteboard, the bare original, a report receiver's.
TEST_F(PagesFixture, APageShownWhenItsPictureArrivesTakesTheViewOfTheBarsMode)
{
    struct Case {
        int mode;
        int view;
    } cases[] = {{0, CBoardDrawCtrl::kViewShared}, {4, CBoardDrawCtrl::kViewShared}, {2, CBoardDrawCtrl::kViewImage},
                 {3, CBoardDrawCtrl::kViewThird}, {1, CBoardDrawCtrl::kViewOwn}, {5, CBoardDrawCtrl::kViewOwn}};
    OpenWhiteboard(1, 1);
    int total = 1;
    for (const Case& c : cases) {
        opt->SetMode(c.mode);
        ++total;
        b->Board()->AddWhiteBoardPage(total, total, total);
        const auto added = b->Board()->GetPageManager().GetPage(total);
        ASSERT_TRUE(added->HasImage());
        // The canvas takes the page's view once the decoder has its picture.
        ASSERT_TRUE(zeltest::PumpUntil([&] { return added->GetPicture() != nullptr; }, 5000)) << "mode " << c.mode;
        EXPECT_EQ(b->Canvas()->GetPage(), added) << "mode " << c.mode;
        EXPECT_EQ(b->Canvas()->GetBoardView(), c.view) << "mode " << c.mode;
    }
}

}  // namespace
