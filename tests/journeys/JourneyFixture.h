#pragma once
// The journeys' fixture: the local test servers for the whole suite, the client's settings pointed
// at them, and the first user's real ZEL.exe.
#include <winsock2.h>

#include <gtest/gtest.h>

#include <sstream>

#include <windows.h>

#include "core/AppControl.h"
#include "core/LogRecords.h"
#include "resources/resource.h"
#include "tests/journeys/DisplayPicture.h"
#include "tests/journeys/JourneySupport.h"
#include "tests/journeys/UserDriver.h"

namespace journey {


enum { PORT_TAS, PORT_PUSH, PORT_TDS, PORT_VOICE, PORT_HTTP, PORT_CONTROL };

inline std::wstring BinFolder() { return zeltest::BinaryDir() + L"\\bin\\"; }
inline std::wstring Screenshot(const wchar_t* name)
{
    const std::wstring folder = zeltest::BinaryDir() + L"\\screenshots";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    return folder + L"\\" + name + L".png";
}

inline HWND LogService() { return ::FindWindowW(LOG_SERVICE_WINDOW_CLASS, nullptr); }

class JourneyTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        WSADATA wsa;
        ::WSAStartup(MAKEWORD(2, 2), &wsa);
        s_pServers = new zeltest::PythonFixture();
        ASSERT_TRUE(s_pServers->Start(L"tests/servers/run_servers.py")) << "the test servers did not start";
        s_ports.clear();
        std::istringstream in(s_pServers->ReadyLine());
        for (int p; in >> p;) s_ports.push_back(p);
        ASSERT_GE(s_ports.size(), 6u);
        journey::RemoveServerSettings();
        ASSERT_TRUE(journey::WriteServerSettings(s_ports[PORT_TAS], s_ports[PORT_PUSH], s_ports[PORT_HTTP]));
    }
    static void TearDownTestSuite()
    {
        journey::RemoveServerSettings();
        delete s_pServers;
        s_pServers = nullptr;
        if (HWND h = LogService()) ::SendMessageTimeoutW(h, UWM_APP_CONTROL, APP_CONTROL_QUIT, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
        ::WSACleanup();
    }
    void SetUp() override
    {
        // Every journey starts with the window where the program first puts it: a placement an
        // earlier journey left (its full view, say) would move every point the journey clicks.
        ::DeleteFileW((journey::ClientDataFolder() + L"MainRect.ini").c_str());
        ASSERT_TRUE(m_control.Connect(s_ports[PORT_CONTROL]));
        m_control.Command("clear_rules");
        m_control.Command("clear_log");
    }
    void TearDown() override
    {
        if (m_client.IsRunning()) {
            if (m_hMain) ::PostMessageW(m_hMain, UWM_APP_CONTROL, APP_CONTROL_QUIT, 0);
            if (!m_client.Wait(20000)) m_client.Kill();
        }
    }

    // Starts the client and waits for its login window.
    HWND StartClient()
    {
        // The strings and the skin speak one language only for a Korean user (LC_ALL=ko_KR.UTF-8
        // under Wine, as ctest and scripts/run.sh set it).
        EXPECT_EQ(::GetUserDefaultLangID(), 1042) << "the journeys' user language is not Korean";
        if (!m_client.Start(L"\"" + BinFolder() + L"ZEL.exe\"", BinFolder())) return nullptr;
        return journey::WaitForDialogWithChild(m_client.Pid(), IDC_LOGIN_ID, 60000);
    }

    // Starts the client, logs in as the demo user and waits until the list has asked for its page.
    void LogInToTheList()
    {
        HWND login = StartClient();
        ASSERT_NE(login, nullptr) << "no login window";
        ASSERT_TRUE(journey::LogIn(login, L"kim", L"1234"));
        ASSERT_TRUE(journey::WaitUntil(
            [&] { return (m_hMain = journey::FindMainWindow(m_client.Pid(), login)) != nullptr; }, 30000))
            << "no main dialog after the login";
        ASSERT_TRUE(m_control.WaitForFrames("tas", "M00000003", 1, 20000)) << "the list asked for no page";
    }

    // The screen as the display shows it and as the program paints it, saved under the name; every
    // shown window of the client must be on the display as painted.
    void ExpectShownAsPainted(const wchar_t* name)
    {
        ::CreateDirectoryW((zeltest::BinaryDir() + L"\\screenshots").c_str(), nullptr);
        const std::string faults =
            journey::ShootAndJudge(m_client.Pid(), zeltest::BinaryDir() + L"\\screenshots", name);
        EXPECT_EQ(faults, "") << "on the display in " << zeltest::Narrow(name);
    }

    // The same two pictures where an open fault of the palette shows (it goes blank or under the
    // main window once the main window has been clicked in the meeting): what differs is printed
    // with the pictures' names, and the journey goes on.
    void ReportShown(const wchar_t* name)
    {
        const std::string faults =
            journey::ShootAndJudge(m_client.Pid(), zeltest::BinaryDir() + L"\\screenshots", name);
        if (!faults.empty()) std::printf("not shown as painted in %s:\n%s", zeltest::Narrow(name).c_str(), faults.c_str());
    }

    // Outside start-up the window keeps answering. How long its stalls are is measured by the
    // benchmarks against their floor: on a busy test machine a 100 ms bound failed a different
    // step on every run, so here only a window that stops answering fails.
    static void ExpectNoStall(journey::StallProbe& probe)
    {
        probe.Mark("idle");
        ::Sleep(500);
        probe.Stop();
        std::printf("longest stall: %lu ms in step '%s'\n", probe.LongestMs(), probe.LongestStep().c_str());
        EXPECT_LT(probe.LongestMs(), 2000u) << "the window did not answer for " << probe.LongestMs()
                                           << " ms in step " << probe.LongestStep();
    }

    static inline zeltest::PythonFixture* s_pServers = nullptr;
    static inline std::vector<int> s_ports;
    journey::ControlLink m_control;
    zeltest::ChildProcess m_client;
    HWND m_hMain = nullptr;
};

}  // namespace journey
