// The edit window of EDIT objects: Enter and change events, the hint state, text line breaks,
// the format rectangle and the alignment style.
#include <gtest/gtest.h>

#include "tests/ui/skin/SkinTestSupport.h"

namespace {

const wchar_t kScreen[] = LR"(<SCREEN NAME="E" RECT="0,0,400,300" VISIBLE="1" BGCOLOR="FFFFFF">
    <OBJECT ID="1" INDEX="1" NAME="single" TYPE="EDIT" RECT="10,10,200,30" VISIBLE="1" ALWAYS_SHOW="1" HINT_TEXT="type">
        <FONT NAME="EDIT_" SIZE="14" COLOR="102030" ALIGN="2" FACENAME="Tahoma"/></OBJECT>
    <OBJECT ID="2" INDEX="2" NAME="multi" TYPE="EDIT" RECT="10,50,200,100" VISIBLE="1" ALWAYS_SHOW="1" ES_MULTILINE="1"
            ES_WANTRETURN="1" WS_VSCROLL="1" PADDING="5"/>
    <OBJECT ID="3" INDEX="3" NAME="readonly" TYPE="EDIT" RECT="10,160,200,30" VISIBLE="1" ALWAYS_SHOW="1" ES_READONLY="1" MAX_LEN="4"/>
    <OBJECT ID="4" INDEX="4" NAME="hidden" TYPE="EDIT" RECT="10,200,200,30" VISIBLE="1" PADDING="4" MARGIN="2" BORDERSIZE="1"/>
    </SCREEN>)";

class SkinEdit : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(skintest::LoadFixtureSkin(kScreen));
        dlg.reset(new skintest::CTestSkinDialog(L"E"));
        ASSERT_TRUE(dlg->Open());
    }
    void TearDown() override
    {
        dlg->DestroyWindow();
        dlg.reset();
    }
    CMySkinEdit& Edit(const wchar_t* name) { return dlg->m_Screen.FindObject(name)->m_edit.m_edit; }
    void Key(CMySkinEdit& edit, UINT vk)
    {
        MSG msg = {edit.m_hWnd, WM_KEYDOWN, vk, 1, 0, {0, 0}};
        if (!edit.PreTranslateMessage(&msg))
            edit.SendMessage(WM_KEYDOWN, vk, 1);
    }
    void Type(CMySkinEdit& edit, wchar_t ch) { edit.SendMessage(WM_CHAR, ch, 1); }
    std::unique_ptr<skintest::CTestSkinDialog> dlg;
};

TEST_F(SkinEdit, EnterIsReportedUnlessTheEditWantsIt)
{
    CMySkinEdit& single = Edit(L"single");
    Key(single, VK_RETURN);
    zeltest::PumpFor(30);
    EXPECT_EQ(dlg->CountEvents(SKINEVENT_EDIT_ENTER), 1);
    EXPECT_EQ(dlg->events.back().object, dlg->m_Screen.FindObject(L"single"));
    Key(Edit(L"multi"), VK_RETURN);
    zeltest::PumpFor(30);
    EXPECT_EQ(dlg->CountEvents(SKINEVENT_EDIT_ENTER), 1);
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    MSG msg = {single.m_hWnd, WM_KEYDOWN, VK_RETURN, 1, 0, {0, 0}};
    EXPECT_TRUE(single.PreTranslateMessage(&msg));   // swallowed
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
    zeltest::PumpFor(30);
    EXPECT_EQ(dlg->CountEvents(SKINEVENT_EDIT_ENTER), 1);
}

TEST_F(SkinEdit, ChangesAreReportedOnceInputHasStarted)
{
    CMySkinEdit& single = Edit(L"single");
    EXPECT_TRUE(single.IsHintState());
    single.SetWindowText(L"x");   // still in its hint state: not reported
    zeltest::PumpFor(30);
    EXPECT_EQ(dlg->CountEvents(SKINEVENT_EDIT_CHANGE), 0);
    single.SetWindowText(L"");
    single.SetFocus();
    EXPECT_FALSE(single.IsHintState());
    zeltest::PumpFor(30);
    EXPECT_EQ(dlg->CountEvents(SKINEVENT_EDIT_CHANGE), 0);
    Type(single, L'a');
    Type(single, L'b');
    zeltest::PumpFor(30);
    EXPECT_EQ(dlg->CountEvents(SKINEVENT_EDIT_CHANGE), 2);
    EXPECT_EQ(dlg->m_Screen.FindObject(L"single")->m_edit.GetText(), CString(L"ab"));
    EXPECT_TRUE(single.GetStyle() & ES_RIGHT);   // the font's alignment, applied when input began
}

TEST_F(SkinEdit, TextLineBreaksAndTheHint)
{
    SKIN_OBJECT* multi = dlg->m_Screen.FindObject(L"multi");
    multi->m_edit.SetText(L"");
    EXPECT_TRUE(multi->m_edit.m_edit.IsHintState());
    EXPECT_TRUE(multi->m_edit.GetText().IsEmpty());
    multi->m_edit.SetText(L"a\r\nb\nc\r");
    EXPECT_FALSE(multi->m_edit.m_edit.IsHintState());
    CString text;
    multi->m_edit.m_edit.GetWindowText(text);
    EXPECT_EQ(text, CString(L"a\r\nb\r\nc"));
    SKIN_OBJECT* ro = dlg->m_Screen.FindObject(L"readonly");
    ro->m_edit.m_edit.SetFocus();
    EXPECT_TRUE(ro->m_edit.m_edit.IsHintState());   // a read-only edit keeps its hint state
    ro->m_edit.SetText(L"abcdef");
    EXPECT_FALSE(ro->m_edit.m_edit.IsHintState());
    EXPECT_EQ(ro->m_edit.m_edit.GetLimitText(), 4u);
}

TEST_F(SkinEdit, FormatRectangleOfAMultiLineEdit)
{
    CMySkinEdit& multi = Edit(L"multi");
    CRect client;
    multi.GetWindowRect(&client);
    multi.ScreenToClient(&client);
    CRect format;
    multi.GetRect(&format);
    // The edit keeps its own margins inside the rectangle it was given.
    const DWORD margins = DWORD(multi.SendMessage(EM_GETMARGINS));
    EXPECT_EQ(format.left - client.left - LOWORD(margins), 5);
    EXPECT_EQ(format.top - client.top, 5);
    EXPECT_EQ(client.right - format.right - HIWORD(margins), 25);
    EXPECT_LE(client.bottom - format.bottom, 5 + 20);   // the edit rounds its height to whole lines
    EXPECT_TRUE(CRect(client).EqualRect(CRect(0, 0, 200, 100)) || client.Width() == 200);
}

TEST_F(SkinEdit, EditRectangleAndWindowsOfEditsThatHide)
{
    SKIN_OBJECT* hidden = dlg->m_Screen.FindObject(L"hidden");
    CMySkinEdit& edit = hidden->m_edit.m_edit;
    EXPECT_TRUE(CMySkinEdit::GetEditRect(hidden, hidden->m_rcObject).EqualRect(CRect(10 + 2 + 1 + 4, 200 + 2 + 1 + 4,
                                                                                       210 - 2 - 1 - 4, 230 - 2 - 1 - 4)));
    EXPECT_FALSE(edit.IsWindowVisible());
    skintest::Click(dlg->m_hWnd, 100, 215);   // a click on the object opens its edit
    EXPECT_TRUE(edit.IsWindowVisible());
    EXPECT_EQ(CWnd::GetFocus(), &edit);
    Edit(L"single").SetFocus();
    EXPECT_FALSE(edit.IsWindowVisible());   // it hides when it loses the focus
    EXPECT_TRUE(Edit(L"single").IsWindowVisible());
    EXPECT_EQ(UINT(edit.GetDlgCtrlID()), 1004u);
}

} // namespace
