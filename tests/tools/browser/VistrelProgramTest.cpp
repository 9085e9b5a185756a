// Vistrel.exe itself under Wine, which has no WebView2 runtime: the window opens empty, and what
// its command line names is neither opened nor run.
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

TEST(VistrelProgram, WithoutTheRuntimeTheWindowStaysEmptyAndClosesOnWmCloseFromAnotherProcess)
{
    // Command lines that another program would open or run: a batch file that leaves a mark, and
    // an address of a scheme that no program handles.
    zeltest::TempDir dir;
    const std::wstring marker = dir.File(L"ran.txt");
    const std::wstring script = dir.File(L"leave mark.bat");
    ASSERT_TRUE(zeltest::WriteFileBytes(script, "@echo ran> \"" + zeltest::Narrow(marker) + "\"\r\n"));
    const std::wstring lines[] = {script, L"zeltest-nohandler://localhost:1/agency/list?a=1  b=\"two words\" &c"};
    for (const std::wstring& line : lines) {
        SCOPED_TRACE(zeltest::Narrow(line));
        zeltest::ChildProcess vistrel;
        ASSERT_TRUE(vistrel.Start(L"\"" + VistrelPath() + L"\" " + line));
        HWND hWnd = WaitForTopWindow(L"Talvora_Vistrel_Class", nullptr, 20000);
        ASSERT_NE(hWnd, nullptr);
        EXPECT_EQ(TextOf(hWnd), L"BrindlecastWeb*");
        EXPECT_EQ(GetWindow(hWnd, GW_CHILD), nullptr) << "the window shows something";
        PostMessageW(hWnd, WM_CLOSE, 0, 0);
        EXPECT_TRUE(vistrel.Wait(10000));
    }
    // A program started by the shell would have left its mark by now.
    EXPECT_FALSE(zeltest::PumpUntil([&] { return GetFileAttributesW(marker.c_str()) != INVALID_FILE_ATTRIBUTES; }, 2000))
        << "the command line was run";

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
