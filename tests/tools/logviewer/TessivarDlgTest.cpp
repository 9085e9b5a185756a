#include <gtest/gtest.h>

#include <string>

#include "core/LogRecords.h"
#include "core/MyLogFile.h"
#include "platform/UI.h"
#include "tests/platform/UiTestSupport.h"
#include "tests/tools/logviewer/LogViewerTestSupport.h"
#include "tools/logviewer/TessivarDlg.h"
#include "tools/logviewer/resource.h"

namespace {

// The main dialog, modeless, with the client's logger (viewer mode) as the sender.
class TessivarDlgTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CTessivarDlg::RegisterWindowClass());
        ASSERT_TRUE(m_dlg.Create(IDD_TESSIVAR_DIALOG, nullptr));
    }
    void TearDown() override
    {
        if (m_dlg.m_hWnd) m_dlg.DestroyWindow();
        CTessivarDlg::SetPopupMenuHook(nullptr);
    }
    // A logger of the client that hands its lines to the dialog.
    ::CMyLogFile* Sender(const std::wstring& name, int minLevel = 1)
    {
        m_senders.emplace_back(new ::CMyLogFile(m_dir.File(L"no-LOG.ini").c_str()));
        m_senders.back()->Init(m_dir.File(L"Log").c_str(), m_dir.File(name).c_str(), 30, 1, minLevel, 0);
        return m_senders.back().get();
    }
    LRESULT SendRecord(ULONG_PTR kind, const std::string& bytes)
    {
        COPYDATASTRUCT cds = {kind, (DWORD)bytes.size(), bytes.empty() ? nullptr : (void*)bytes.data()};
        return ::SendMessageW(m_dlg.m_hWnd, WM_COPYDATA, 0, (LPARAM)&cds);
    }
    std::vector<std::wstring> DisplayLines()
    {
        std::vector<std::wstring> lines;
        for (int i = 0; i < m_dlg.GetDisplayList().GetCount(); ++i) {
            CString s;
            m_dlg.GetDisplayList().GetText(i, s);
            lines.push_back((LPCTSTR)s);
        }
        return lines;
    }
    void SetDisplay(bool on)
    {
        bool now = false;
        CTessivarDlg::SetPopupMenuHook([&](CMenu* menu) {
            now = (menu->GetMenuState(ID_MENU_DISPLAY, MF_BYCOMMAND) & MF_CHECKED) != 0;
            return now == on ? 0u : (UINT)ID_MENU_DISPLAY;
        });
        m_dlg.SendMessage(WM_COMMAND, IDC_MENU_BUTTON, 0);
        CTessivarDlg::SetPopupMenuHook(nullptr);
    }

    uitest::Watchdog m_watchdog{60000};
    zeltest::TempDir m_dir;
    CTessivarDlg m_dlg;
    std::vector<std::unique_ptr<::CMyLogFile>> m_senders;
};

TEST_F(TessivarDlgTest, EachRegisteredLogGetsItsLinesAndARepeatedRegistrationChangesNothing)
{
    ::CMyLogFile* app = Sender(L"ZELLog.txt");
    ::CMyLogFile* tas = Sender(L"TASLog.txt", 3);
    EXPECT_EQ(m_dlg.GetLoggerCount(), 2);
    EXPECT_EQ(app->Log(2, L"first %d", 1), 1);
    tas->Log(2, L"below the minimum");
    tas->Log(4, L"server error");
    // The same log in other letters, with a higher minimum level: the first values stay.
    SendRecord(LOGCOPY_REGISTER, logtest::RegistrationRecord(m_dir.File(L"Log"), m_dir.File(L"zellog.TXT"), 1, 1, 4, 0));
    EXPECT_EQ(m_dlg.GetLoggerCount(), 2);
    SendRecord(LOGCOPY_SHORTLINE, logtest::ShortLineRecord(1, m_dir.File(L"ZELLOG.txt"), L"debug still written"));
    SendRecord(LOGCOPY_LINE, logtest::FullLineRecord(2, m_dir.File(L"ZELLog.txt"), L"a full line"));
    m_dlg.DestroyWindow();   // the writers write what they have queued

    auto appLines = logtest::ReadLogLines(m_dir.File(L"ZELLog.txt"));
    ASSERT_EQ(appLines.size(), 4u);
    EXPECT_NE(appLines[0].find(L"<<Create log file>> <<CRYPTO>>"), std::wstring::npos);
    EXPECT_NE(appLines[1].find(L" [INFO] first 1"), std::wstring::npos);
    EXPECT_NE(appLines[2].find(L" [DEBUG] debug still written"), std::wstring::npos);
    EXPECT_NE(appLines[3].find(L" [INFO] a full line"), std::wstring::npos);
    auto tasLines = logtest::ReadLogLines(m_dir.File(L"TASLog.txt"));
    ASSERT_EQ(tasLines.size(), 2u);
    EXPECT_NE(tasLines[1].find(L" [ERROR] server error"), std::wstring::npos);
}

TEST_F(TessivarDlgTest, MalformedRecordsAreDroppedAndTheServiceGoesOn)
{
    ::CMyLogFile* app = Sender(L"ZELLog.txt");
    std::string reg = logtest::RegistrationRecord(m_dir.File(L"Log"), m_dir.File(L"Other.txt"), 1, 1, 1, 0);
    std::string line = logtest::ShortLineRecord(2, m_dir.File(L"ZELLog.txt"), L"intact");
    SendRecord(LOGCOPY_REGISTER, reg.substr(0, 600));                       // cut short
    SendRecord(LOGCOPY_SHORTLINE, line.substr(0, line.size() - 2));         // text without its end
    SendRecord(LOGCOPY_SHORTLINE, line.substr(0, 101));                     // odd and short
    SendRecord(LOGCOPY_LINE, std::string(1056, 'x'));
    SendRecord(LOGCOPY_SHORTLINE, "");
    SendRecord(12345, line);
    EXPECT_EQ(m_dlg.GetLoggerCount(), 1);
    app->Log(2, L"after the bad ones");
    m_dlg.DestroyWindow();
    auto lines = logtest::ReadLogLines(m_dir.File(L"ZELLog.txt"));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[1].find(L"after the bad ones"), std::wstring::npos);
    EXPECT_FALSE(logtest::FileExists(m_dir.File(L"Other.txt")));
}

TEST_F(TessivarDlgTest, ALineForAnUnknownLogIsShownOnlyWithDisplayOn)
{
    SendRecord(LOGCOPY_SHORTLINE, logtest::ShortLineRecord(2, L"C:\\nowhere\\x.txt", L"lost"));
    EXPECT_TRUE(DisplayLines().empty());
    SetDisplay(true);
    SendRecord(LOGCOPY_SHORTLINE, logtest::ShortLineRecord(2, L"C:\\nowhere\\x.txt", L"lost"));
    auto lines = DisplayLines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], L"pp is null 200 [C:\\nowhere\\x.txt]\\n");
    EXPECT_FALSE(logtest::FileExists(L"C:\\nowhere\\x.txt"));
}

TEST_F(TessivarDlgTest, WrittenLinesReachTheDisplayFromTheWriterThreadFilteredByLevel)
{
    SetDisplay(true);
    CTessivarDlg::SetPopupMenuHook([](CMenu*) { return (UINT)ID_MENU_LEVEL_USE; });
    m_dlg.SendMessage(WM_COMMAND, IDC_MENU_BUTTON, 0);
    CTessivarDlg::SetPopupMenuHook([](CMenu*) { return (UINT)ID_MENU_LEVEL_DEBUG; });
    m_dlg.SendMessage(WM_COMMAND, IDC_MENU_BUTTON, 0);
    m_dlg.GetDisplayList().ResetContent();
    ::CMyLogFile* app = Sender(L"ZELLog.txt");
    app->Log(1, L"hidden debug");
    app->Log(2, L"shown\nin two lines");
    app->Log(4, L"error");
    ASSERT_TRUE(zeltest::PumpUntil([&] { return DisplayLines().size() >= 4; }, 5000));
    auto lines = DisplayLines();
    ASSERT_EQ(lines.size(), 4u);   // the registration, the header and two lines
    EXPECT_EQ(lines[0].find(L"OnCopyData : 9056 : "), 0u);
    EXPECT_EQ(lines[1].find(L"ZELLog\t"), 0u);
    EXPECT_NE(lines[1].find(L"<<Create log file>>"), std::wstring::npos);
    EXPECT_NE(lines[2].find(L"[INFO] shown\\nin two lines\\n"), std::wstring::npos);
    EXPECT_NE(lines[3].find(L"[ERROR] error\\n"), std::wstring::npos);

    // The selected lines go to the edit with real line breaks.
    m_dlg.GetDisplayList().SetSel(2, TRUE);
    m_dlg.GetDisplayList().SetSel(3, TRUE);
    m_dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_DISPLAY_LIST, LBN_SELCHANGE), (LPARAM)m_dlg.GetDisplayList().m_hWnd);
    CString edit;
    m_dlg.GetDlgItemText(IDC_TEXT_EDIT, edit);
    EXPECT_NE(edit.Find(L"shown\r\nin two lines\r\nZELLog\t"), -1);
}

TEST_F(TessivarDlgTest, TheDisplayListKeepsTheLatestTenThousandLines)
{
    SetDisplay(true);
    for (int i = 0; i < 10005; ++i) m_dlg.FilterDisplayLine(L"N", (L"line " + std::to_wstring(i)).c_str());
    auto lines = DisplayLines();
    ASSERT_EQ(lines.size(), 10000u);
    EXPECT_EQ(lines.front(), L"N\tline 5");
    EXPECT_EQ(lines.back(), L"N\tline 10004");
}

TEST_F(TessivarDlgTest, StoppingWritersThatHandLinesToTheDisplayWritesThemAllWithoutWaitingLong)
{
    SetDisplay(true);
    ::CMyLogFile* app = Sender(L"ZELLog.txt");
    for (int i = 0; i < 3000; ++i) app->Log(2, L"line %d", i);
    DWORD start = GetTickCount();
    m_dlg.DestroyWindow();
    EXPECT_LT(GetTickCount() - start, 4000u);
    EXPECT_EQ(logtest::ReadLogLines(m_dir.File(L"ZELLog.txt")).size(), 3001u);
}

TEST_F(TessivarDlgTest, TheWindowShowsOnlyWhileItsVisibleFlagIsSet)
{
    m_dlg.ShowWindow(SW_SHOW);
    EXPECT_FALSE(m_dlg.IsWindowVisible());
    m_dlg.SendMessage(UWM_APP_CONTROL, APP_CONTROL_VISIBLE, 1);
    m_dlg.ShowWindow(SW_SHOW);
    EXPECT_TRUE(m_dlg.IsWindowVisible());
    m_dlg.SendMessage(WM_CLOSE);
    EXPECT_FALSE(m_dlg.IsWindowVisible());
    EXPECT_FALSE(m_dlg.GetVisibleFlag());
    m_dlg.ShowWindow(SW_SHOW);
    EXPECT_FALSE(m_dlg.IsWindowVisible());
    // Esc, Enter and the close commands never end the service.
    m_dlg.SendMessage(WM_COMMAND, IDCANCEL, 0);
    m_dlg.SendMessage(WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(::IsWindow(m_dlg.m_hWnd));
}

TEST_F(TessivarDlgTest, TheMenuShowsTheSwitchesAndGreysTheLevelsUntilLevelFilteringIsOn)
{
    UINT debugState = 0, useState = 0, scrollState = 0;
    CTessivarDlg::SetPopupMenuHook([&](CMenu* menu) {
        debugState = menu->GetMenuState(ID_MENU_LEVEL_DEBUG, MF_BYCOMMAND);
        useState = menu->GetMenuState(ID_MENU_LEVEL_USE, MF_BYCOMMAND);
        scrollState = menu->GetMenuState(ID_MENU_SCROLL, MF_BYCOMMAND);
        return (UINT)ID_MENU_LEVEL_DEBUG;   // greyed: nothing happens
    });
    m_dlg.SendMessage(WM_COMMAND, IDC_MENU_BUTTON, 0);
    EXPECT_TRUE(debugState & MF_GRAYED);
    EXPECT_TRUE(debugState & MF_CHECKED);
    EXPECT_FALSE(useState & MF_CHECKED);
    EXPECT_FALSE(scrollState & MF_CHECKED);
    CTessivarDlg::SetPopupMenuHook([&](CMenu*) { return (UINT)ID_MENU_LEVEL_USE; });
    m_dlg.SendMessage(WM_COMMAND, IDC_MENU_BUTTON, 0);
    CTessivarDlg::SetPopupMenuHook([&](CMenu* menu) {
        debugState = menu->GetMenuState(ID_MENU_LEVEL_DEBUG, MF_BYCOMMAND);
        return 0u;
    });
    m_dlg.SendMessage(WM_COMMAND, IDC_MENU_BUTTON, 0);
    EXPECT_FALSE(debugState & MF_GRAYED);
    EXPECT_TRUE(debugState & MF_CHECKED);
}

TEST_F(TessivarDlgTest, TheUnlockRequestAsksForThePasswordUntilItIsRight)
{
    HWND password = nullptr;
    std::vector<std::wstring> boxes;
    // A wrong word first; the answer to the message box types the right one.
    CWnd::SetModalLoopHook([&](CWnd* wnd) {
        password = wnd->m_hWnd;
        ::SetDlgItemTextW(password, IDC_PASSWORD, L"VARK482$%^");
        ::PostMessageW(password, WM_COMMAND, IDOK, 0);
    });
    zel::SetMessageBoxHook([&](LPCTSTR text, LPCTSTR, UINT) {
        boxes.push_back(text);
        ::SetDlgItemTextW(password, IDC_PASSWORD, L"vark482$%^");
        ::PostMessageW(password, WM_COMMAND, IDOK, 0);
        return IDOK;
    });
    m_dlg.SendMessage(UWM_APP_CONTROL, APP_CONTROL_UNLOCK, 1);
    CWnd::SetModalLoopHook(nullptr);
    zel::SetMessageBoxHook(nullptr);
    EXPECT_EQ(boxes, std::vector<std::wstring>{L"Invalid password !"});
    EXPECT_TRUE(m_dlg.GetVisibleFlag());
}

TEST_F(TessivarDlgTest, OpenGivesAViewerThatTheMainDialogFreesWhenItCloses)
{
    zeltest::WriteFileBytes(m_dir.File(L"view.txt"), "header\r\nd [INFO] row\r\n");
    CFileDialog::SetTestHook([&](CFileDialog& dlg) {
        wcscpy(dlg.m_ofn.lpstrFile, m_dir.File(L"view.txt").c_str());
        return (INT_PTR)IDOK;
    });
    m_dlg.SendMessage(WM_COMMAND, ID_MENU_OPEN, 0);
    m_dlg.SendMessage(WM_COMMAND, ID_MENU_OPEN, 0);
    CFileDialog::SetTestHook(nullptr);
    ASSERT_EQ(m_dlg.GetViewerCount(), 2);
    CLogViewerDlg* first = m_dlg.GetViewer(0);
    POSITION firstPos = first->GetPosition();
    ASSERT_TRUE(zeltest::PumpUntil([&] { return !first->IsLoading(); }, 5000));
    EXPECT_EQ(first->GetList().GetItemCount(), 1);
    first->SendMessage(WM_CLOSE);
    first->SendMessage(WM_CLOSE);   // asks only once
    ASSERT_TRUE(zeltest::PumpUntil([&] { return m_dlg.GetViewerCount() == 1; }, 5000));
    // A notice about a viewer that is gone is ignored.
    m_dlg.SendMessage(UWM_VIEWER_CLOSED, (WPARAM)firstPos, 0);
    EXPECT_EQ(m_dlg.GetViewerCount(), 1);
}

}  // namespace

namespace {

// Holds the Control key down in this thread's key state while it lives.
class ControlHeld {
public:
    explicit ControlHeld(bool down)
    {
        ::GetKeyboardState(m_saved);
        BYTE state[256];
        memcpy(state, m_saved, sizeof state);
        state[VK_CONTROL] = down ? 0x80 : 0;
        ::SetKeyboardState(state);
    }
    ~ControlHeld() { ::SetKeyboardState(m_saved); }
private:
    BYTE m_saved[256];
};

void PressKey(HWND hWnd, WPARAM key)
{
    ::PostMessageW(hWnd, WM_KEYDOWN, key, 1);
    MSG msg;
    while (::PeekMessageW(&msg, hWnd, WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE)) AfxPumpMessage();
}

TEST_F(TessivarDlgTest, CtrlXEmptiesTheDisplayListOnlyWhileControlIsHeld)
{
    SetDisplay(true);
    m_dlg.FilterDisplayLine(L"N", L"kept");
    {
        ControlHeld up(false);
        PressKey(m_dlg.GetDisplayList().m_hWnd, 'X');
    }
    EXPECT_EQ(DisplayLines().size(), 1u);
    {
        ControlHeld down(true);
        PressKey(m_dlg.GetDisplayList().m_hWnd, 'X');
    }
    EXPECT_TRUE(DisplayLines().empty());
}

TEST_F(TessivarDlgTest, CtrlASelectsAllOfTheEdit)
{
    CEdit* edit = static_cast<CEdit*>(m_dlg.GetDlgItem(IDC_TEXT_EDIT));
    edit->SetWindowText(L"all of this");
    edit->SetSel(0, 0);
    {
        ControlHeld down(true);
        PressKey(edit->m_hWnd, 'A');
    }
    int start = -1, end = -1;
    edit->GetSel(start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 11);
}

TEST_F(TessivarDlgTest, TheSystemMenuOpensTheAboutBox)
{
    CMenu* sysMenu = m_dlg.GetSystemMenu(FALSE);
    ASSERT_NE(sysMenu, nullptr);
    CString item;
    sysMenu->GetMenuString(IDM_ABOUTBOX, item, MF_BYCOMMAND);
    EXPECT_EQ(item, L"Tessivar 정보(&A)...");
    CString version;
    CWnd::SetModalLoopHook([&](CWnd* wnd) {
        wnd->GetDlgItemText(IDC_VERSION, version);
        wnd->PostMessage(WM_COMMAND, IDOK, 0);
    });
    m_dlg.SendMessage(WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    CWnd::SetModalLoopHook(nullptr);
    EXPECT_EQ(version, L"2015123001");
}

}  // namespace
