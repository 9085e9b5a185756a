// ZELClose.exe itself, run from a folder where stand-ins play ZEL.exe and ZELLog.exe.
#include "core/AppControl.h"

#include "tests/tools/closer/CloserTestSupport.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <vector>

namespace {

using closertest::ExitCodeOf;
using closertest::FileExists;
using closertest::TouchFile;

const DWORD kCleanExit = 7;

std::wstring BuildFile(const wchar_t* relative) { return zeltest::BinaryDir() + relative; }

std::vector<std::string> Lines(const std::wstring& file)
{
    std::string text;
    zeltest::ReadFileBytes(file, text);
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t nl; (nl = text.find('\n', start)) != std::string::npos; start = nl + 1)
        lines.push_back(text.substr(start, nl - start));
    return lines;
}

// An installation folder with ZELClose.exe and stand-ins named ZEL.exe and ZELLog.exe.
class ZELCloseProgram : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CopyFileW(BuildFile(L"\\bin\\ZELClose.exe").c_str(), m_dir.File(L"ZELClose.exe").c_str(), FALSE));
        for (const wchar_t* name : {L"ZEL.exe", L"ZELLog.exe"})
            ASSERT_TRUE(CopyFileW(BuildFile(L"\\tests\\closer_fixture.exe").c_str(), m_dir.File(name).c_str(), FALSE));
    }

    void TearDown() override
    {
        // A ZEL started by ZELClose is asked to quit like any other.
        if (HWND h = FindWindowW(L"ZEL_Talvora_Class", nullptr)) PostMessageW(h, UWM_APP_CONTROL, APP_CONTROL_QUIT, 0);
        zeltest::PumpUntil([] { return !FindWindowW(L"ZEL_Talvora_Class", nullptr); }, 5000);
    }

    bool StartStandIn(zeltest::ChildProcess& child, const wchar_t* exe, const wchar_t* cls, const wchar_t* args)
    {
        return child.Start(L"\"" + m_dir.File(exe) + L"\" " + args) &&
               zeltest::PumpUntil([cls] { return FindWindowW(cls, nullptr) != nullptr; }, 15000);
    }

    bool StartClose(zeltest::ChildProcess& closer, const std::wstring& args)
    {
        return closer.Start(L"\"" + m_dir.File(L"ZELClose.exe") + L"\" " + args, m_dir.Path());
    }

    std::vector<std::string> Starts() { return Lines(m_dir.File(L"started.txt")); }

    zeltest::TempDir m_dir;
};

TEST_F(ZELCloseProgram, RestartClosesBothWithoutForceAndStartsZelAgain)
{
    zeltest::ChildProcess zel, log, closer;
    ASSERT_TRUE(StartStandIn(zel, L"ZEL.exe", L"ZEL_Talvora_Class", L"delay=300"));
    ASSERT_TRUE(StartStandIn(log, L"ZELLog.exe", L"Talvora_Log_Class", L""));
    ASSERT_TRUE(StartClose(closer, L"RESTART"));
    ASSERT_TRUE(closer.Wait(20000));
    ASSERT_TRUE(zel.Wait(1000));
    ASSERT_TRUE(log.Wait(1000));
    EXPECT_EQ(ExitCodeOf(zel), kCleanExit);
    EXPECT_EQ(ExitCodeOf(log), kCleanExit);
    std::vector<std::string> starts = Starts();
    ASSERT_EQ(starts.size(), 3u);
    // Started again without a command line: only the program's own path.
    std::string restarted = starts[2];
    restarted.erase(std::remove(restarted.begin(), restarted.end(), '"'), restarted.end());
    while (!restarted.empty() && restarted.back() == ' ') restarted.pop_back();
    EXPECT_EQ(restarted, zeltest::Narrow(m_dir.File(L"ZEL.exe")));
    EXPECT_NE(FindWindowW(L"ZEL_Talvora_Class", nullptr), nullptr);
}

TEST_F(ZELCloseProgram, OtherCommandLinesOnlyClose)
{
    for (const wchar_t* args : {L"restart now", L"", L"show"}) {
        SCOPED_TRACE(zeltest::Narrow(args));
        DeleteFileW(m_dir.File(L"started.txt").c_str());
        zeltest::ChildProcess zel, log, closer;
        ASSERT_TRUE(StartStandIn(zel, L"ZEL.exe", L"ZEL_Talvora_Class", L""));
        ASSERT_TRUE(StartStandIn(log, L"ZELLog.exe", L"Talvora_Log_Class", L""));
        ASSERT_TRUE(StartClose(closer, args));
        ASSERT_TRUE(closer.Wait(10000));
        EXPECT_TRUE(zel.Wait(1000));
        EXPECT_TRUE(log.Wait(1000));
        EXPECT_EQ(Starts().size(), 2u);
        EXPECT_EQ(FindWindowW(L"ZEL_Talvora_Class", nullptr), nullptr);
    }
}

TEST_F(ZELCloseProgram, SingleSignOnLineIsPassedToZelUnchanged)
{
    const std::wstring line = L"id=Kim START_ZAD_Parlewyn_SSO \"Seoul  HQ\" Token=AbC";
    zeltest::ChildProcess closer;
    ASSERT_TRUE(StartClose(closer, line));
    ASSERT_TRUE(closer.Wait(10000));
    ASSERT_TRUE(zeltest::PumpUntil([this] { return Starts().size() == 1; }, 15000));
    std::string started = Starts()[0];
    std::string expected = " " + zeltest::Narrow(line);
    ASSERT_GE(started.size(), expected.size());
    EXPECT_EQ(started.substr(started.size() - expected.size()), expected) << started;
}

TEST_F(ZELCloseProgram, HungZelIsEndedByName)
{
    zeltest::ChildProcess zel, closer;
    ASSERT_TRUE(StartStandIn(zel, L"ZEL.exe", L"ZEL_Talvora_Class", L"mode=hung"));
    DWORD t0 = GetTickCount();
    ASSERT_TRUE(StartClose(closer, L""));
    ASSERT_TRUE(closer.Wait(60000)) << "ZELClose waits for a hung program";
    EXPECT_LT(GetTickCount() - t0, 30000u);
    ASSERT_TRUE(zel.Wait(2000));
    EXPECT_EQ(ExitCodeOf(zel), 1u);
}

// The machine's installation traces in the test prefix: the registry values under
// HKEY_LOCAL_MACHINE and the links in the common shell folders. Restores the values it found.
class CMachineInstallation {
public:
    CMachineInstallation()
    {
        for (const wchar_t* name : kValues) m_saved.push_back(Read(name));
        m_desktop = Folder(CSIDL_COMMON_DESKTOPDIRECTORY);
        m_startup = Folder(CSIDL_COMMON_STARTUP);
        m_programs = Folder(CSIDL_COMMON_PROGRAMS);
    }
    ~CMachineInstallation()
    {
        for (size_t i = 0; i < 3; ++i) {
            if (m_saved[i].first) RegSetKeyValueW(HKEY_LOCAL_MACHINE, kKey, kValues[i], REG_SZ, m_saved[i].second.c_str(),
                                                  (DWORD)((m_saved[i].second.size() + 1) * sizeof(wchar_t)));
            else RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kKey, kValues[i]);
        }
    }
    bool Set(const wchar_t* name, const std::wstring& value)
    {
        return RegSetKeyValueW(HKEY_LOCAL_MACHINE, kKey, name, REG_SZ, value.c_str(),
                               (DWORD)((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
    }
    bool Has(const wchar_t* name) { return Read(name).first; }

    static constexpr const wchar_t* kKey = L"Software\\TALVORA\\Brindlecast";
    static constexpr const wchar_t* kValues[3] = {L"Path", L"CurrentVersion", L"SHELL_OBJECT_FOLDER"};
    std::wstring m_desktop, m_startup, m_programs;

private:
    static std::pair<bool, std::wstring> Read(const wchar_t* name)
    {
        wchar_t buf[1024] = {};
        DWORD cb = sizeof buf;
        bool ok = RegGetValueW(HKEY_LOCAL_MACHINE, kKey, name, RRF_RT_REG_SZ, nullptr, buf, &cb) == ERROR_SUCCESS;
        return {ok, ok ? std::wstring(buf) : std::wstring()};
    }
    static std::wstring Folder(int csidl)
    {
        wchar_t path[MAX_PATH] = {};
        SHGetSpecialFolderPathW(nullptr, path, csidl, TRUE);
        return path;
    }
    std::vector<std::pair<bool, std::wstring>> m_saved;
};

TEST_F(ZELCloseProgram, UninstallRemovesTheMachinesLinksFolderAndValues)
{
    CMachineInstallation machine;
    const std::wstring product = machine.m_programs + L"\\ZELTest Brindlecast " + std::to_wstring(GetCurrentProcessId());
    ASSERT_TRUE(machine.Set(L"Path", m_dir.Path()));
    ASSERT_TRUE(machine.Set(L"CurrentVersion", L"4.2.0.0"));
    ASSERT_TRUE(machine.Set(L"SHELL_OBJECT_FOLDER", product.substr(machine.m_programs.size() + 1)));
    ASSERT_TRUE(CreateDirectoryW(product.c_str(), nullptr));
    for (const std::wstring& f : {machine.m_desktop + L"\\Brindlecast.lnk", machine.m_startup + L"\\Brindlecast.lnk",
                                  product + L"\\Brindlecast.lnk", product + L"\\Brindlecast UnInstall.lnk"})
        ASSERT_TRUE(TouchFile(f));

    zeltest::ChildProcess closer;
    ASSERT_TRUE(StartClose(closer, L"uninstall"));
    HWND hBox = nullptr;
    ASSERT_TRUE(zeltest::PumpUntil([&] { return (hBox = FindWindowW(L"#32770", L"Confirm Uninstall")) != nullptr; }, 15000));
    PostMessageW(hBox, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED), (LPARAM)GetDlgItem(hBox, IDYES));
    HWND hDlg = nullptr;
    std::vector<std::wstring> lines;
    ASSERT_TRUE(zeltest::PumpUntil([&] {
        hDlg = FindWindowW(L"#32770", L"UnInstall");
        lines = hDlg ? closertest::ListBoxLines(GetDlgItem(hDlg, 1000)) : std::vector<std::wstring>();
        return lines.size() == 10;
    }, 15000));
    std::vector<std::wstring> expected = {
        L"Path: " + m_dir.Path(),
        L"DeleteFile:1 ->" + machine.m_desktop + L"\\Brindlecast.lnk",
        L"DeleteFile:1 ->" + machine.m_startup + L"\\Brindlecast.lnk",
        L"DeleteFile:1 ->" + product + L"\\Brindlecast.lnk",
        L"DeleteFile:1 ->" + product + L"\\Brindlecast UnInstall.lnk",
        L"RemoveDirectory:1 ->" + product,
        L"DelRegValue:1 ->Software\\TALVORA\\Brindlecast Path ",
        L"DelRegValue:1 ->Software\\TALVORA\\Brindlecast CurrentVersion ",
        L"DelRegValue:1 ->Software\\TALVORA\\Brindlecast SHELL_OBJECT_FOLDER ",
        L"Install Wizard has finished performing maintenance operations.",
    };
    EXPECT_EQ(lines, expected);
    // The dialog stays until OK.
    zeltest::PumpFor(300);
    EXPECT_TRUE(closer.IsRunning());
    PostMessageW(hDlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)GetDlgItem(hDlg, IDOK));
    EXPECT_TRUE(closer.Wait(10000));
    EXPECT_FALSE(FileExists(product));
    EXPECT_FALSE(FileExists(machine.m_desktop + L"\\Brindlecast.lnk"));
    EXPECT_FALSE(machine.Has(L"Path"));
    EXPECT_TRUE(FileExists(m_dir.File(L"ZEL.exe")));
}

TEST_F(ZELCloseProgram, UninstallWithoutAnInstallationEndsByItself)
{
    CMachineInstallation machine;
    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, CMachineInstallation::kKey, L"Path");
    zeltest::ChildProcess closer;
    ASSERT_TRUE(StartClose(closer, L"UNINSTALL"));
    EXPECT_TRUE(closer.Wait(15000));
    EXPECT_EQ(FindWindowW(L"#32770", L"Confirm Uninstall"), nullptr);
}

}  // namespace
