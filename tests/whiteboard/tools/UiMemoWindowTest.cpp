// The memo windows over a real canvas: write a memo with a background and text colour, read it,
// edit it and delete it (the question answered through the main dialog's stand-in).
#include <gtest/gtest.h>

#include "tests/support/TestSupport.h"
#include "tests/whiteboard/tools/ToolsTestSupport.h"
#include "whiteboard/tools/MemoLayer.h"

using namespace toolstest;

namespace {

class MemoFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        b.reset(new BoardWithBars());
        b->Open(2);
        layer = dynamic_cast<CMemoLayer*>(static_cast<IMemoLayerView*>(MemoOf()));
        ASSERT_NE(layer, nullptr);
        b->Canvas()->SetMode(CBoardDrawCtrl::kMemo);
    }
    void TearDown() override { b.reset(); }
    IMemoLayerView* MemoOf()
    {
        // The board hands the canvas the memo layer its maker made; find it among the canvas' children.
        for (HWND child = ::GetWindow(b->Canvas()->GetSafeHwnd(), GW_CHILD); child;
             child = ::GetWindow(child, GW_HWNDNEXT)) {
            if (auto* memo = dynamic_cast<CMemoLayer*>(CWnd::FromHandlePermanent(child)))
                return memo;
        }
        return nullptr;
    }
    // A click on the page in memo mode opens the editor.
    void ClickPage()
    {
        canvastest::Down(b->Canvas()->GetSafeHwnd(), 300, 250);
        canvastest::Up(b->Canvas()->GetSafeHwnd(), 300, 250);
        Settle(50);
    }
    std::shared_ptr<CMMPage> Page() { return b->Board()->GetPageManager().GetPage(1); }

    std::unique_ptr<BoardWithBars> b;
    CMemoLayer* layer = nullptr;
};

TEST_F(MemoFixture, WriteColourEditAndDelete)
{
    ClickPage();
    ASSERT_TRUE(layer->IsShown());
    CMemoEditCtrl* editor = layer->Editor();
    ASSERT_TRUE(editor->IsWindowVisible());
    RECT rc;
    layer->GetWindowRect(&rc);
    EXPECT_EQ(rc.right - rc.left, 399);
    EXPECT_EQ(rc.bottom - rc.top, 220);
    // Background 3 and text colour 4, by their buttons.
    ClickCentre(editor->Button(35220));
    EXPECT_EQ(editor->GetBackground(), 3);
    EXPECT_EQ(editor->GetPicture(), 516u);
    EXPECT_EQ(editor->GetBackColor(), RGB(170, 225, 255));
    ClickCentre(editor->Button(35330));
    EXPECT_EQ(editor->GetTextColorIndex(), 4);
    EXPECT_EQ(editor->GetTextColor(), RGB(0, 138, 10));
    editor->Edit()->SetWindowText(L"예산안 검토 필요\r\n다음 회의까지");
    ClickCentre(editor->Button(34910));
    EXPECT_FALSE(layer->IsShown());
    ASSERT_EQ(Page()->m_memos.GetCount(), 1);
    const auto memo = Page()->m_memos.GetMemos()[0];
    EXPECT_STREQ(memo->GetText().GetString(), L"예산안 검토 필요\r\n다음 회의까지");
    EXPECT_EQ(memo->GetBGColor(), 3);
    EXPECT_EQ(memo->GetTextColor(), 4);

    // The viewer with the memo, then its edit button leads back to the editor with its values.
    b->Canvas()->OpenMemoEditor(memo->GetText(), memo->GetBGColor(), memo->GetTextColor());
    layer->ShowViewer(memo->GetText(), memo->GetBGColor(), memo->GetTextColor());
    CMemoViewCtrl* viewer = layer->Viewer();
    EXPECT_TRUE(viewer->IsWindowVisible());
    layer->GetWindowRect(&rc);
    EXPECT_EQ(rc.right - rc.left, 299);
    EXPECT_EQ(viewer->GetPicture(), 575u);
    // The 1001st character is refused.
    editor->Edit()->SetWindowText(CString(L'가', 1000));
    editor->Edit()->SendMessage(WM_CHAR, L'x', 0);
    EXPECT_EQ(editor->Edit()->GetWindowTextLength(), 1000);
}

TEST_F(MemoFixture, ScrollBarOnlyForLongMemos)
{
    CString nine, twenty;
    for (int i = 1; i <= 9; ++i)
        nine.AppendFormat(i < 9 ? L"줄 %d\r\n" : L"줄 %d", i);
    for (int i = 1; i <= 20; ++i)
        twenty.AppendFormat(i < 20 ? L"줄 %d\r\n" : L"줄 %d", i);
    layer->ShowEditor(nine, 1, 1);
    EXPECT_FALSE(layer->Editor()->ScrollBar()->IsWindowVisible());
    layer->ShowViewer(nine, 1, 1);
    EXPECT_TRUE(layer->Viewer()->ScrollBar()->IsWindowVisible());
    layer->ShowEditor(twenty, 2, 1);
    EXPECT_TRUE(layer->Editor()->ScrollBar()->IsWindowVisible());
}

TEST_F(MemoFixture, DeleteAsksAndADeclineKeepsTheMemo)
{
    ClickPage();
    layer->Editor()->Edit()->SetWindowText(L"지울 메모");
    ClickCentre(layer->Editor()->Button(34910));
    ASSERT_EQ(Page()->m_memos.GetCount(), 1);
    // Select the memo as a click on it does, then the viewer's delete.
    const auto memo = Page()->m_memos.GetMemos()[0];
    const POINT at = b->Canvas()->View().PageToScreen(memo->GetPosition());
    canvastest::Down(b->Canvas()->GetSafeHwnd(), at.x + 20, at.y + 20);
    canvastest::Up(b->Canvas()->GetSafeHwnd(), at.x + 20, at.y + 20);
    Settle(50);
    ASSERT_TRUE(layer->Viewer()->IsWindowVisible());
    b->main.answer = IDCANCEL;
    ClickCentre(layer->Viewer()->Button(35100));
    EXPECT_EQ(Page()->m_memos.GetCount(), 1);
    EXPECT_TRUE(layer->IsShown());
    b->main.answer = IDOK;
    ClickCentre(layer->Viewer()->Button(35100));
    EXPECT_EQ(Page()->m_memos.GetCount(), 0);
    EXPECT_FALSE(layer->IsShown());
    EXPECT_EQ(b->main.questions.size(), 2u);
}

TEST_F(MemoFixture, Screenshot)
{
    ClickPage();
    layer->ShowEditor(L"3분기 예산안 검토\r\n- 인건비 재확인\r\n- 다음 회의 전까지 공유", 2, 5);
    Settle(300);
    EXPECT_TRUE(canvastest::SaveScreenshot(b->host.GetSafeHwnd(), L"memo_window"));
}

}  // namespace
