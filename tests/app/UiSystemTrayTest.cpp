// The tray icon against a recording stand-in for the shell: the client's start-up sequence, the
// icon put back when the taskbar restarts, the tooltip's length, and the mouse turned into the
// main dialog's commands with the tray menu's hidden commands left out.
#include <winsock2.h>

#include <gtest/gtest.h>

#include <vector>

#include "app/SystemTray.h"
#include "tests/app/AppTestSupport.h"

namespace {

struct ShellCall {
    DWORD message;
    UINT flags;
    DWORD state;
};
std::vector<ShellCall> g_calls;
bool g_shellUp = true;

BOOL FakeShell(DWORD message, NOTIFYICONDATAW* data)
{
    g_calls.push_back({message, data->uFlags, data->dwState});
    return g_shellUp ? TRUE : FALSE;
}

std::vector<UINT> g_menuItems;
void RecordMenu(HMENU hMenu, HWND)
{
    g_menuItems.clear();
    for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i) g_menuItems.push_back(::GetMenuItemID(hMenu, i));
}

const UINT kCallback = WM_USER + 21000;

// The main dialog's place: a window that keeps the commands it gets.
class CommandRecorder : public CWnd {
public:
    CommandRecorder() { CreateEx(0, AfxRegisterWndClass(0), L"target", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr); }
    ~CommandRecorder() override { DestroyWindow(); }
    std::vector<WPARAM> commands;
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND) commands.push_back(wParam);
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class SystemTrayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(language.IsLoaded());
        g_calls.clear();
        g_shellUp = true;
        CSystemTray::SetNotifyFunctionForTest(FakeShell);
        CSystemTray::SetMenuTrackerForTest(RecordMenu);
    }
    void TearDown() override
    {
        CSystemTray::SetNotifyFunctionForTest(nullptr);
        CSystemTray::SetMenuTrackerForTest(nullptr);
    }
    // As the main dialog does at its initialisation.
    void StartAsTheClient(CSystemTray& tray)
    {
        CString tip;
        tip.LoadString(120);
        tray.CreateIcon(nullptr, kCallback, tip, nullptr, 140, TRUE);
        tray.LoadIconResource(556);
        tray.AddTrayIcon();
        tray.ShowTrayIcon();
    }
    apptest::LanguageLibrary language{L"Kor"};
};

TEST_F(SystemTrayTest, ShownAtStartWithTheProductTipAndIcon)
{
    CSystemTray tray;
    StartAsTheClient(tray);
    EXPECT_FALSE(tray.IsIconHidden());
    EXPECT_FALSE(tray.IsIconRemoved());
    EXPECT_STREQ(tray.GetNotifyData().szTip, L"브린들캐스트");
    EXPECT_NE(tray.GetCurrentIcon(), nullptr);
    ASSERT_FALSE(g_calls.empty());
    EXPECT_EQ(g_calls.back().message, (DWORD)NIM_ADD);
    EXPECT_EQ(g_calls.back().flags, (UINT)(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_TRUE(tray.RemoveTrayIcon());
    EXPECT_EQ(g_calls.back().message, (DWORD)NIM_DELETE);
}

TEST_F(SystemTrayTest, TheIconGoesBackWhenTheTaskbarRestarts)
{
    CSystemTray tray;
    StartAsTheClient(tray);
    g_calls.clear();
    tray.SendMessage(g_uTaskbarCreatedMsg, 0, 0);
    ASSERT_EQ(g_calls.size(), 1u) << "an icon that was shown is added to the new taskbar";
    EXPECT_EQ(g_calls[0].message, (DWORD)NIM_ADD);
    EXPECT_TRUE(g_calls[0].flags & NIF_ICON);

    // An icon whose add failed waits for the taskbar and is added when it comes.
    CSystemTray late;
    g_shellUp = false;
    late.CreateIcon(nullptr, kCallback, L"tip", nullptr, 141, FALSE);
    EXPECT_TRUE(late.IsAddPending());
    g_shellUp = true;
    g_calls.clear();
    late.SendMessage(g_uTaskbarCreatedMsg, 0, 0);
    ASSERT_EQ(g_calls.size(), 1u);
    EXPECT_EQ(g_calls[0].message, (DWORD)NIM_ADD);
    EXPECT_FALSE(late.IsIconHidden());

    // A removed icon stays away.
    tray.RemoveTrayIcon();
    g_calls.clear();
    tray.SendMessage(g_uTaskbarCreatedMsg, 0, 0);
    EXPECT_TRUE(g_calls.empty());
}

TEST_F(SystemTrayTest, LongTipIsCutTo127Characters)
{
    CSystemTray tray;
    StartAsTheClient(tray);
    const CString longTip(L'가', 200);
    EXPECT_TRUE(tray.SetTipText(longTip));
    EXPECT_EQ(wcslen(tray.GetNotifyData().szTip), 127u);
    EXPECT_EQ(g_calls.back().message, (DWORD)NIM_MODIFY);
}

TEST_F(SystemTrayTest, MouseMessagesBecomeTheMainDialogsCommands)
{
    CommandRecorder target;
    CSystemTray tray;
    StartAsTheClient(tray);
    tray.SetCommandTarget(&target);

    EXPECT_EQ(tray.SendMessage(kCallback, 99, WM_LBUTTONDBLCLK), 0) << "another icon's message is ignored";
    EXPECT_TRUE(target.commands.empty());
    EXPECT_EQ(tray.SendMessage(kCallback, 140, WM_LBUTTONDBLCLK), 1);
    ASSERT_EQ(target.commands.size(), 1u);
    EXPECT_EQ(target.commands[0], (WPARAM)32781) << "the tray menu's first item";

    EXPECT_EQ(tray.SendMessage(kCallback, 140, WM_RBUTTONUP), 1);
    ASSERT_FALSE(g_menuItems.empty());
    for (UINT hidden : {32777u, 32786u, 32787u, 32804u})
        EXPECT_EQ(std::count(g_menuItems.begin(), g_menuItems.end(), hidden), 0) << hidden;
    EXPECT_EQ(std::count(g_menuItems.begin(), g_menuItems.end(), 32785u), 1);
}

}  // namespace
