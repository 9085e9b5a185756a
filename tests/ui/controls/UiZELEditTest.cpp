// The hint edit and the read-only text body on a real window, driven through the thread's
// message loop (so each key passes the controls' PreTranslateMessage as a user's would).
#include <cstdlib>

#include "UiControlsSupport.h"
#include "core/DrawHelpers.h"
#include "platform/WinThread.h"
#include "ui/controls/ZELEditCtrl.h"
#include "ui/controls/ZELScrollBar.h"

namespace {

const wchar_t kHint[] = L"\uc544\uc774\ub514\ub97c \uc785\ub825\ud558\uc138\uc694";   // "enter your ID"

void Pump() { ctltest::PumpTranslated(); }

void Key(CWnd& wnd, UINT vk)
{
    wnd.PostMessage(WM_KEYDOWN, vk, 1);
    wnd.PostMessage(WM_KEYUP, vk, 0xC0000001);
    Pump();
}

void Type(CWnd& wnd, wchar_t ch)
{
    wnd.PostMessage(WM_CHAR, ch, 1);
    Pump();
}

CString Text(CWnd& wnd)
{
    CString text;
    wnd.GetWindowText(text);
    return text;
}

class HintEdit : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.Open(360, 260));
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(10, 10, 250, 36), &host, 20130));
        edit.SetHintText(kHint);
        edit.SetNotifyWnd(&host);
        edit.SetWindowText(L"");   // an empty field shows its hint
        edit.SetFocus();
        host.reports.clear();
    }
    int Notices() const { return host.Count(WM_MYEDIT_INPUT); }
    ctltest::CHostWnd host;
    CZELEditCtrl edit;
};

TEST_F(HintEdit, FirstKeyReplacesTheHintAndAnEmptyFieldShowsItAgain)
{
    EXPECT_TRUE(edit.IsHintShown());
    EXPECT_EQ(Text(edit), CString(kHint));
    Type(edit, L'a');
    EXPECT_FALSE(edit.IsHintShown());
    EXPECT_EQ(Text(edit), CString(L"a"));
    EXPECT_GE(Notices(), 1);
    Type(edit, L'b');
    EXPECT_EQ(Text(edit), CString(L"ab"));
    const int before = Notices();
    Key(edit, VK_BACK);
    Key(edit, VK_BACK);
    EXPECT_TRUE(edit.IsHintShown());
    EXPECT_EQ(Text(edit), CString(kHint));
    EXPECT_GT(Notices(), before);
    EXPECT_EQ(host.Only(WM_MYEDIT_INPUT).back().wParam, 0u);
    EXPECT_EQ(host.Only(WM_MYEDIT_INPUT).back().lParam, 0);
}

// The field's text line sits in its middle, a little in from the left, whatever its font: a
// one-line edit draws from its client area's corner, and the login's hint touched the top edge.
TEST_F(HintEdit, TheTextLineSitsInTheMiddleOfTheField)
{
    for (int points : {8, 10, 12}) {
        CFont font;
        CClientDC dc(&edit);
        font.CreateFont(-MulDiv(points, dc.GetDeviceCaps(LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL, 0, 0, 0,
                        DEFAULT_CHARSET, 0, 0, 0, FF_SWISS, L"Tahoma");
        edit.SetFont(&font, TRUE);
        CFont* old = dc.SelectObject(&font);
        TEXTMETRICW tm = {};
        ::GetTextMetricsW(dc.GetSafeHdc(), &tm);
        dc.SelectObject(old);
        CRect window, client;
        edit.GetWindowRect(&window);
        edit.GetClientRect(&client);
        edit.ClientToScreen(&client);
        const int above = client.top - window.top, below = window.bottom - client.bottom;
        EXPECT_EQ(client.Height(), tm.tmHeight) << points << " pt";
        EXPECT_LE(std::abs(above - below), 1) << points << " pt: " << above << " above, " << below << " below";
        EXPECT_GE(client.left - window.left, 4) << points << " pt";
        edit.SetFont(nullptr, FALSE);
    }
}

TEST(CenteredLineClient, KeepsWhatCannotBeCentred)
{
    const struct { RECT window; int line; RECT client; } cases[] = {
        {{0, 0, 100, 22}, 14, {4, 4, 98, 18}},
        {{10, 10, 110, 33}, 14, {14, 14, 108, 28}},   // an odd spare pixel goes below
        {{0, 0, 100, 12}, 14, {4, 0, 98, 12}},        // lower than its line: the whole height
        {{0, 0, 100, 22}, 0, {4, 0, 98, 22}},         // no font measured yet
        {{0, 0, 5, 22}, 14, {0, 4, 5, 18}},           // too narrow for the margins
    };
    for (const auto& c : cases) {
        const RECT r = CenteredLineClient(c.window, c.line);
        EXPECT_TRUE(::EqualRect(&r, &c.client)) << r.left << "," << r.top << "," << r.right << "," << r.bottom;
    }
}

TEST_F(HintEdit, KeysThatWouldEditTheHintDoNothing)
{
    for (UINT vk : {VK_BACK, VK_DELETE, VK_END, VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN}) {
        Key(edit, vk);
        EXPECT_TRUE(edit.IsHintShown()) << vk;
        EXPECT_EQ(Text(edit), CString(kHint)) << vk;
    }
    Type(edit, L'x');
    Key(edit, VK_SPACE);   // never a space, hint or not
    Type(edit, L'y');
    EXPECT_EQ(Text(edit), CString(L"xy"));
    Key(edit, VK_LEFT);   // with input the arrows work again
    Type(edit, L'z');
    EXPECT_EQ(Text(edit), CString(L"xzy"));
}

TEST_F(HintEdit, PasswordFieldShowsItsHintInClear)
{
    edit.SetPassword(TRUE);
    Type(edit, L'p');
    EXPECT_EQ(edit.SendMessage(EM_GETPASSWORDCHAR), L'*');
    EXPECT_EQ(Text(edit), CString(L"p"));
    Key(edit, VK_BACK);
    EXPECT_TRUE(edit.IsHintShown());
    EXPECT_EQ(Text(edit), CString(kHint));
    EXPECT_EQ(edit.SendMessage(EM_GETPASSWORDCHAR), 0);   // the hint reads in clear
    Type(edit, L'q');
    EXPECT_EQ(edit.SendMessage(EM_GETPASSWORDCHAR), L'*');
}

TEST_F(HintEdit, PasteReplacesTheHintOnlyFromTheKeyboard)
{
    ASSERT_TRUE(::OpenClipboard(host.m_hWnd));
    ::EmptyClipboard();
    HGLOBAL mem = ::GlobalAlloc(GMEM_MOVEABLE, 8 * sizeof(wchar_t));
    wcscpy(static_cast<wchar_t*>(::GlobalLock(mem)), L"kim01");
    ::GlobalUnlock(mem);
    ::SetClipboardData(CF_UNICODETEXT, mem);
    ::CloseClipboard();

    edit.SendMessage(WM_PASTE);   // the context menu's paste
    EXPECT_TRUE(edit.IsHintShown());
    EXPECT_EQ(Text(edit), CString(kHint));

    BYTE keys[256];
    ::GetKeyboardState(keys);
    BYTE saved[256];
    memcpy(saved, keys, sizeof(keys));
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    edit.PostMessage(WM_KEYDOWN, 'V', 1);
    Pump();
    ::SetKeyboardState(saved);
    EXPECT_FALSE(edit.IsHintShown());
    EXPECT_EQ(Text(edit), CString(L"kim01"));
}

TEST_F(HintEdit, SetTextIsRealInput)
{
    edit.SetText(L"server01");
    EXPECT_FALSE(edit.IsHintShown());
    EXPECT_EQ(Text(edit), CString(L"server01"));
    // A notify window that is gone is not written to.
    CWnd gone;
    edit.SetNotifyWnd(&gone);
    edit.SetText(L"a");
    Pump();
}

TEST_F(HintEdit, SetTextEmptyShowsTheHintAndKnowsIt)
{
    edit.SetText(L"server01");
    edit.SetText(L"");
    EXPECT_TRUE(edit.IsHintShown());
    EXPECT_EQ(Text(edit), CString(kHint));
    // The next key replaces the hint instead of being added to it.
    Type(edit, L'x');
    EXPECT_FALSE(edit.IsHintShown());
    EXPECT_EQ(Text(edit), CString(L"x"));
}

class EditBody : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(resources.Ok());
        ASSERT_TRUE(host.Open(360, 260));
        ASSERT_TRUE(body.CreateEx(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_READONLY,
                                  CRect(10, 50, 300, 250), &host, 20131));
        ASSERT_TRUE(bar.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(302, 50, 316, 250), &host, 20132));
        bar.SetThumbSize(30);
        bar.SetPos(0, FALSE);
        body.SetScrollBar(&bar);
        body.SetWindowText(L"\ud68c\uc758 \uc548\ub0b4\r\n\uc77c\uc2dc: 12\uc6d4 10\uc77c 14:00\r\n"
                           L"\uc7a5\uc18c: \ubcf8\uad00 3\uce35 \ub300\ud68c\uc758\uc2e4");
    }
    void Wheel(int notches, short delta)
    {
        for (int i = 0; i < notches; ++i)
            body.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)delta), MAKELPARAM(100, 100));
    }
    ctltest::ShippedResources resources;
    ctltest::CHostWnd host;
    CEditBody body;
    ZELScrollBar bar;
};

TEST_F(EditBody, WheelStepsTheScrollBarByFifteen)
{
    Wheel(5, -WHEEL_DELTA);
    EXPECT_EQ(bar.GetPos(), 75);
    Wheel(2, -WHEEL_DELTA);
    EXPECT_EQ(bar.GetPos(), 100);
    Wheel(1, 1);   // only the sign counts
    EXPECT_EQ(bar.GetPos(), 85);
    const auto reports = host.Only(WM_SCROLLBAR_POS);
    ASSERT_EQ(reports.size(), 8u);
    EXPECT_EQ(reports[0].wParam, 15u);
    EXPECT_EQ(reports[6].wParam, 100u);
    EXPECT_EQ(reports[0].lParam, 20132);
    Wheel(9, WHEEL_DELTA);
    EXPECT_EQ(bar.GetPos(), 0);
    // Only the bar moves: the owner places the text from the bar's report (here nobody does).
    CString lines;
    for (int i = 0; i < 40; ++i)
        lines.AppendFormat(L"%d \uc904\r\n", i);
    body.SetWindowText(lines);
    Wheel(2, -WHEEL_DELTA);
    EXPECT_EQ(bar.GetPos(), 30);
    EXPECT_EQ(body.SendMessage(EM_GETFIRSTVISIBLELINE), 0);
    body.SetWindowText(L"\ud68c\uc758 \uc548\ub0b4\r\n\uc77c\uc2dc: 12\uc6d4 10\uc77c 14:00");
    EXPECT_TRUE(ctltest::SaveScreenshot(&host, L"EditBody"));
}

TEST_F(EditBody, NoCaretNoSelectionAndTheBodysFont)
{
    MSG press = {body.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 10), 0, {0, 0}};
    EXPECT_TRUE(AfxPreTranslateMessage(&press));
    MSG other = {body.m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(20, 10), 0, {0, 0}};
    EXPECT_FALSE(AfxPreTranslateMessage(&other));
    LOGFONT lf = {};
    ASSERT_TRUE(::GetObjectW((HFONT)body.SendMessage(WM_GETFONT), sizeof(lf), &lf));
    EXPECT_EQ(lf.lfCharSet, HANGUL_CHARSET);
    HDC dc = ::GetDC(body.m_hWnd);
    EXPECT_EQ(lf.lfHeight, -MulDiv(GetDefaultFontSize() - 2, ::GetDeviceCaps(dc, LOGPIXELSY), 72));
    ::ReleaseDC(body.m_hWnd, dc);
    EXPECT_FALSE(body.HasTouch());   // no digitizer here
}

TEST_F(EditBody, OneFingerDragsStepLikeTheWheel)
{
    body.CreateTouchTracker();
    bar.SetPos(50, FALSE);
    auto touch = [&](DWORD flags, DWORD id, int x, int y) {
        TOUCHINPUT input = {};
        input.dwFlags = flags;
        input.dwID = id;
        return body.OnTouchInput(CPoint(x, y), 0, 1, &input);
    };
    EXPECT_TRUE(touch(TOUCHEVENTF_DOWN, 1, 50, 100));
    touch(TOUCHEVENTF_MOVE, 1, 50, 97);   // 3 px: nothing
    zeltest::PumpFor(30);
    EXPECT_EQ(bar.GetPos(), 50);
    touch(TOUCHEVENTF_MOVE, 1, 50, 80);   // the finger goes up: the text goes on, like a wheel turned down
    zeltest::PumpFor(30);
    EXPECT_EQ(bar.GetPos(), 65);
    touch(TOUCHEVENTF_MOVE, 1, 50, 120);
    zeltest::PumpFor(30);
    EXPECT_EQ(bar.GetPos(), 50);
    // Two fingers: a pinch, never a scroll.
    EXPECT_TRUE(touch(TOUCHEVENTF_DOWN, 2, 150, 100));
    touch(TOUCHEVENTF_MOVE, 1, 50, 60);
    zeltest::PumpFor(30);
    EXPECT_EQ(bar.GetPos(), 50);
    EXPECT_TRUE(touch(TOUCHEVENTF_UP, 2, 150, 100));
    EXPECT_TRUE(touch(TOUCHEVENTF_UP, 1, 50, 60));
    EXPECT_FALSE(touch(TOUCHEVENTF_UP, 1, 50, 60));
}

} // namespace
