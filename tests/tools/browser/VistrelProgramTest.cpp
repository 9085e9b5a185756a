// Vistrel.exe itself under Wine, which has no embedded browser: the page goes to the default
// browser and the window says so. The tests use an address of a scheme that no program handles,
// so that nothing is started outside.
#include "tools/browser/ShellBrowserEngine.h"

#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <shlobj.h>

namespace {

std::wstring VistrelPath() { return zeltest::BinaryDir() + L"\\bin\\Vistrel.exe"; }

// GetWindowText does not ask a window of another process for its text; WM_GETTEXT does.
std::wstring TextOf(HWND h)
{
    wchar_t sz[2048] = {};
    SendMessageW(h, WM_GETTEXT, 2048, (LPARAM)sz);
    return sz;
}

HWND WaitForTopWindow(LPCWSTR cls, LPCWSTR title, DWORD ms)
{
    HWND h = nullptr;
    zeltest::PumpUntil([&] { return (h = FindWindowW(cls, title)) != nullptr && IsWindowVisible(h); }, ms);
    return h;
}

TEST(VistrelProgram, ShowsTheWholeCommandLineAsTheUrlAndClosesOnWmCloseFromAnotherProcess)
{
    const std::wstring url = L"zeltest-nohandler://localhost:1/agency/list?a=1  b=\"two words\" &c";
    zeltest::ChildProcess vistrel;
    ASSERT_TRUE(vistrel.Start(L"\"" + VistrelPath() + L"\" " + url));
    HWND hWnd = WaitForTopWindow(L"Talvora_Vistrel_Class", nullptr, 20000);
    ASSERT_NE(hWnd, nullptr);
    EXPECT_EQ(TextOf(hWnd), L"BrindlecastWeb*");
    HWND hNote = GetWindow(hWnd, GW_CHILD);
    ASSERT_NE(hNote, nullptr);
    std::wstring note = TextOf(hNote);
    EXPECT_TRUE(note == CShellBrowserEngine::FailedText(url.c_str()))
        << zeltest::Narrow(note);
    // The note fills the client area.
    RECT rcClient, rcNote;
    GetClientRect(hWnd, &rcClient);
    GetWindowRect(hNote, &rcNote);
    EXPECT_EQ(rcNote.right - rcNote.left, rcClient.right);
    EXPECT_EQ(rcNote.bottom - rcNote.top, rcClient.bottom);

    PostMessageW(hWnd, WM_CLOSE, 0, 0);
    EXPECT_TRUE(vistrel.Wait(10000));

    wchar_t szLocal[MAX_PATH] = {};
    ASSERT_TRUE(SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, szLocal)));
    DWORD attributes = GetFileAttributesW((std::wstring(szLocal) + L"\\TALVORA\\PelloranWebView2").c_str());
    EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY));
}

TEST(VistrelProgram, WithoutACommandLineShowsTheTestFormWithANeutralAddress)
{
    zeltest::ChildProcess vistrel;
    ASSERT_TRUE(vistrel.Start(L"\"" + VistrelPath() + L"\""));
    HWND hForm = WaitForTopWindow(L"#32770", L"Pelloran", 20000);
    ASSERT_NE(hForm, nullptr);
    std::wstring url = TextOf(GetDlgItem(hForm, 1002));
    EXPECT_EQ(url, L"http://localhost:17000/agency/list");
    EXPECT_EQ(url.find(L"token"), std::wstring::npos);
    EXPECT_EQ(TextOf(GetDlgItem(hForm, 1003)), L"");
    PostMessageW(hForm, WM_CLOSE, 0, 0);
    EXPECT_TRUE(vistrel.Wait(10000));
}

}  // namespace
