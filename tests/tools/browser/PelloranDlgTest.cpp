// The test form: its boxes, its buttons' hand-offs, its font check and its About entry.
#include "tools/browser/PelloranDlg.h"

#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

CPelloranDlg* g_pForm = nullptr;
std::function<void(HWND)>* g_pWhileOpen = nullptr;

void CALLBACK WatchForm(HWND, UINT, UINT_PTR, DWORD)
{
    if (!g_pForm || !g_pForm->GetSafeHwnd() || !g_pWhileOpen) return;
    auto* whileOpen = g_pWhileOpen;
    g_pWhileOpen = nullptr;
    HWND hWnd = g_pForm->GetSafeHwnd();
    (*whileOpen)(hWnd);
    PostMessageW(hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

void Click(HWND hDlg, int id)
{
    SendMessageW(hDlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(hDlg, id));
}

TEST(PelloranDlg, HandsItsBoxesToTheBrowserWindowAndTheShell)
{
    CPelloranDlg dlg;
    std::vector<std::wstring> runs, opened;
    dlg.SetBrowserRunner([&](const CString& url, const CString& folder) { runs.push_back(std::wstring(url) + L"|" + folder.GetString()); });
    dlg.SetFolderOpener([&](const CString& folder) { opened.push_back(folder.GetString()); });
    std::wstring aboutItem;
    std::function<void(HWND)> whileOpen = [&](HWND hDlg) {
        Click(hDlg, 1000);
        SetDlgItemTextW(hDlg, 1002, L"http://localhost:2/x y");
        SetDlgItemTextW(hDlg, 1003, L"C:\\data\\");
        Click(hDlg, 1000);
        Click(hDlg, 1001);
        Click(hDlg, 1004);   // the font check draws and returns
        wchar_t sz[128] = {};
        GetMenuStringW(GetSystemMenu(hDlg, FALSE), 0x0010, sz, 128, MF_BYCOMMAND);
        aboutItem = sz;
    };
    g_pForm = &dlg;
    g_pWhileOpen = &whileOpen;
    UINT_PTR timer = SetTimer(nullptr, 0, 30, WatchForm);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    KillTimer(nullptr, timer);
    g_pForm = nullptr;
    EXPECT_EQ(runs, (std::vector<std::wstring>{L"http://localhost:17000/agency/list|", L"http://localhost:2/x y|C:\\data\\"}));
    EXPECT_EQ(opened, std::vector<std::wstring>{L"C:\\data\\"});
    EXPECT_EQ(aboutItem, L"Pelloran \xC815\xBCF4(&A)...");
}

}  // namespace
