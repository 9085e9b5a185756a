// The upgrade download dialog on a real window, downloading from the local web server.
#include <winsock2.h>

#include <gtest/gtest.h>

#include <gdiplus.h>

#include <algorithm>
#include <functional>
#include <string>

#include "app/main/UpgradeDlg.h"
#include "platform/ResourceHandle.h"
#include "tests/net/protocol/EndToEndSupport.h"
#include "tests/ui/skin/SkinTestSupport.h"
#include "ui/skin/ImageSave.h"

using prototest::EndToEndTest;

namespace {

// Runs on a thread timer inside the dialog's modal loop, as a user's actions would.
std::function<void()> g_onTick;
void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_onTick) g_onTick();
}

// A picture of the window as the display shows it (printing a window gives nothing under Wine).
bool SaveWindowPicture(HWND hWnd, const wchar_t* pszName)
{
    RECT rc;
    GetWindowRect(hWnd, &rc);
    const int w = rc.right - rc.left, h = rc.bottom - rc.top;
    HDC hScreen = GetDC(nullptr);
    HDC hMem = CreateCompatibleDC(hScreen);
    HBITMAP hBmp = CreateCompatibleBitmap(hScreen, w, h);
    HGDIOBJ old = SelectObject(hMem, hBmp);
    BitBlt(hMem, 0, 0, w, h, hScreen, rc.left, rc.top, SRCCOPY);
    SelectObject(hMem, old);
    DeleteDC(hMem);
    ReleaseDC(nullptr, hScreen);
    const std::wstring folder = zeltest::BinaryDir() + L"\\screenshots";
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring path = folder + L"\\" + pszName + L".png";
    bool ok = false;
    {
        Gdiplus::Bitmap bitmap(hBmp, nullptr);
        CLSID clsid;
        ok = GetEncoderClsid(L"image/png", &clsid) >= 0 && bitmap.Save(path.c_str(), &clsid, nullptr) == Gdiplus::Ok;
    }
    DeleteObject(hBmp);
    return ok;
}

class UpgradeDlgTest : public EndToEndTest {
protected:
    void SetUp() override
    {
        EndToEndTest::SetUp();
        skintest::EnsureGdiplus();
        // The shipped skin with the face the client asks for (the test prefix maps it onto a
        // font with Hangul).
        skintest::ResetSkin();
        g_SkinManager.SetProgramFolder((zeltest::BinaryDir() + L"\\bin\\").c_str());
        ASSERT_TRUE(g_SkinManager.LoadSkin(L"ZEL.kor.skin", 1.0f, L"맑은 고딕"));
        m_hRes = LoadLibraryW((zeltest::BinaryDir() + L"\\bin\\Res_Kor.dll").c_str());
        ASSERT_NE(m_hRes, nullptr);
        m_hPrevious = AfxGetResourceHandle();
        AfxSetResourceHandle(m_hRes);
        DeleteFileW(CUpgradeDownload::TargetPath());
    }
    void TearDown() override
    {
        g_onTick = nullptr;
        AfxSetResourceHandle(m_hPrevious);
        FreeLibrary(m_hRes);
        skintest::ResetSkin();
        EndToEndTest::TearDown();
    }
    CString Url(const char* pathAndQuery)
    {
        CString url;
        url.Format(L"http://127.0.0.1:%d%hs", ServerPort(PORT_HTTP), pathAndQuery);
        return url;
    }
    // Runs the dialog modally with a 20 ms tick calling onTick(dialog).
    INT_PTR Run(CUpgradeDlg& dlg, const std::function<void(CUpgradeDlg&)>& onTick)
    {
        g_onTick = [&dlg, onTick] {
            if (::IsWindow(dlg.GetSafeHwnd())) onTick(dlg);
        };
        const UINT_PTR timer = SetTimer(nullptr, 0, 20, &Tick);
        const INT_PTR answer = dlg.DoModal();
        KillTimer(nullptr, timer);
        g_onTick = nullptr;
        return answer;
    }
    static CString Text(UINT id)
    {
        CString s;
        s.LoadString(id);
        return s;
    }
    static CString WindowText(CWnd& w)
    {
        wchar_t sz[256] = {};
        ::GetWindowTextW(w.GetSafeHwnd(), sz, 256);
        return sz;
    }

    HMODULE m_hRes = nullptr;
    HINSTANCE m_hPrevious = nullptr;
};

TEST_F(UpgradeDlgTest, DownloadsTheInstallerWithProgressAndReportsIt)
{
    CString strPath = L"untouched";
    int nResult = 0;
    CUpgradeDlg dlg(Url("/upgrade/600000?pace=2"), &strPath, &nResult, nullptr);
    bool pictured = false;
    int nMaxPos = 0;
    CString strSeen;
    const INT_PTR answer = Run(dlg, [&](CUpgradeDlg& d) {
        const int pos = d.GetProgress().GetPos();
        nMaxPos = std::max(nMaxPos, pos);
        if (pos > 0 && pos < 100 && strSeen.IsEmpty()) strSeen = WindowText(d.GetStatus());
        if (!pictured && pos >= 20) pictured = SaveWindowPicture(d.GetSafeHwnd(), L"UpgradeDlg");
    });
    EXPECT_EQ(answer, IDOK);
    EXPECT_EQ(nResult, CUpgradeDlg::RESULT_DOWNLOADED);
    EXPECT_EQ(strPath, CUpgradeDownload::TargetPath());
    EXPECT_EQ(strPath.Right(16), L"\\zel_upgrade.exe");
    EXPECT_GT(nMaxPos, 0);
    EXPECT_TRUE(pictured);
    // The status shows the two sizes in the progress format ("... / ... 다운로드 중").
    EXPECT_NE(strSeen.Find(L" / "), -1) << (LPCTSTR) strSeen;
    EXPECT_NE(strSeen.Find(L"다운로드 중"), -1);
    // Success is not a cancel.
    EXPECT_NE(WindowText(dlg.GetStatus()), Text(IDS_DOWNLOAD_CANCELLED));
    std::string bytes;
    ASSERT_TRUE(zeltest::ReadFileBytes((LPCTSTR) strPath, bytes));
    ASSERT_EQ(bytes.size(), 600000u);
    for (size_t i : {size_t(0), size_t(250), size_t(251), size_t(599999)})
        EXPECT_EQ((unsigned char) bytes[i], i % 251) << i;
}

TEST_F(UpgradeDlgTest, WithoutALengthTheBarStaysAndTheStatusSaysDownloading)
{
    // An older file of that name is replaced.
    ASSERT_TRUE(zeltest::WriteFileBytes((LPCTSTR) CUpgradeDownload::TargetPath(), "old installer"));
    CString strPath;
    int nResult = 0;
    CUpgradeDlg dlg(Url("/upgrade/120000?nolength=1&pace=2"), &strPath, &nResult, nullptr);
    int nMaxPos = 0;
    std::vector<CString> statuses;
    Run(dlg, [&](CUpgradeDlg& d) {
        nMaxPos = std::max(nMaxPos, d.GetProgress().GetPos());
        if (nMaxPos < 100) statuses.push_back(WindowText(d.GetStatus()));
    });
    EXPECT_EQ(nResult, CUpgradeDlg::RESULT_DOWNLOADED);
    ASSERT_FALSE(statuses.empty());
    EXPECT_NE(std::find(statuses.begin(), statuses.end(), Text(IDS_DOWNLOAD_NO_LENGTH)), statuses.end());
    std::string bytes;
    ASSERT_TRUE(zeltest::ReadFileBytes((LPCTSTR) strPath, bytes));
    EXPECT_EQ(bytes.size(), 120000u);
}

TEST_F(UpgradeDlgTest, CancelStopsTheDownloadAndLeavesTheCallersVariables)
{
    CString strPath = L"keep";
    int nResult = -7;
    CUpgradeDlg dlg(Url("/upgrade/4000000?pace=20"), &strPath, &nResult, nullptr);
    CString strAfterCancel;
    bool clicked = false;
    const INT_PTR answer = Run(dlg, [&](CUpgradeDlg& d) {
        if (!clicked && d.GetProgress().GetPos() > 0) {
            // The user presses the skin's cancel button.
            SKIN_OBJECT* pButton = d.m_Screen.FindObject(L"btnCancel");
            ASSERT_NE(pButton, nullptr);
            const CPoint pt = pButton->m_rcObject.CenterPoint();
            d.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
            d.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
            clicked = true;
            strAfterCancel = WindowText(d.GetStatus());
        }
    });
    EXPECT_TRUE(clicked);
    EXPECT_EQ(answer, IDCANCEL);
    EXPECT_EQ(strAfterCancel, Text(IDS_DOWNLOAD_CANCELLED));
    EXPECT_EQ(nResult, -7);
    EXPECT_EQ(strPath, L"keep");
    // The server saw the transfer end early.
    Json::Value records;
    ASSERT_TRUE(PumpUntil([&records] {
        Json::Value command;
        command["cmd"] = "log";
        command["server"] = "http";
        command["kind"] = "request";
        records = Control(command)["records"];
        return records.size() > 0;
    }, 10000));
    EXPECT_LT(records[records.size() - 1]["bytes"].asInt(), 4000000);
}

TEST(UpgradeDownloadTest, StatusTextAndPercent)
{
    EXPECT_EQ(CUpgradeDownload::Percent(0, 0), -1);
    EXPECT_EQ(CUpgradeDownload::Percent(1, 3), 33);
    EXPECT_EQ(CUpgradeDownload::Percent(3, 3), 100);
    EXPECT_EQ(CUpgradeDownload::StatusText(10, 0, L"%s of %s", L"no length"), L"no length");
    const CString text = CUpgradeDownload::StatusText(1024, 2048, L"[%s|%s]", L"");
    EXPECT_EQ(text.Left(1), L"[");
    EXPECT_NE(text.Find(L"|"), -1);
    EXPECT_NE(text.Find(L"1"), -1);
}

}  // namespace
