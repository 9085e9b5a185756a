// The uninstall dialog in this process, against a prepared installation: it ends by itself when
// nothing is removed and otherwise shows the steps until OK.
#include "tools/closer/DunmorelDlg.h"

#include "tests/support/MessageBoxRecorder.h"
#include "tests/tools/closer/CloserTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using closertest::CTempRegKey;

class DunmorelDlg : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_target.hRoot = HKEY_LOCAL_MACHINE;
        m_target.strKey = m_key.Path();
        m_target.strDesktopFolder = m_dir.Path().c_str();
        m_target.strStartupFolder = m_dir.Path().c_str();
        m_target.strProgramsFolder = m_dir.Path().c_str();
    }

    // Runs the dialog; onOpen sees it once its steps have run (or never, when it ended by itself).
    INT_PTR RunDialog(const std::function<void(HWND)>& onOpen)
    {
        CDunmorelDlg dlg;
        dlg.SetTarget(m_target);
        m_onOpen = onOpen;
        m_pDlg = &dlg;
        UINT_PTR timer = SetTimer(nullptr, 0, 50, &DunmorelDlg::Watch);
        s_pCurrent = this;
        INT_PTR result = dlg.DoModal();
        KillTimer(nullptr, timer);
        s_pCurrent = nullptr;
        return result;
    }

    static void CALLBACK Watch(HWND, UINT, UINT_PTR, DWORD)
    {
        DunmorelDlg* self = s_pCurrent;
        if (!self || !self->m_pDlg->GetSafeHwnd() || !self->m_onOpen) return;
        HWND hDlg = self->m_pDlg->GetSafeHwnd();
        if (SendDlgItemMessageW(hDlg, IDC_LIST_STEPS, LB_GETCOUNT, 0, 0) == 0) return;
        auto onOpen = std::move(self->m_onOpen);
        self->m_onOpen = nullptr;
        onOpen(hDlg);
    }

    static DunmorelDlg* s_pCurrent;
    zeltest::TempDir m_dir;
    CTempRegKey m_key;
    SUninstallTarget m_target;
    std::function<void(HWND)> m_onOpen;
    CDunmorelDlg* m_pDlg = nullptr;
    zeltest::MessageBoxRecorder m_boxes{IDYES};
};

DunmorelDlg* DunmorelDlg::s_pCurrent = nullptr;

TEST_F(DunmorelDlg, EndsAtOnceWhenNothingIsInstalledOrTheUserSaysNo)
{
    bool bSeen = false;
    EXPECT_EQ(RunDialog([&](HWND) { bSeen = true; }), IDOK);
    EXPECT_TRUE(m_boxes.Captions().empty());

    ASSERT_TRUE(m_key.SetString(L"Path", L"C:\\ZEL"));
    m_boxes.SetAnswer(IDNO);
    EXPECT_EQ(RunDialog([&](HWND) { bSeen = true; }), IDOK);
    EXPECT_EQ(m_boxes.Captions(), std::vector<std::wstring>{L"Confirm Uninstall"});
    EXPECT_TRUE(m_key.HasValue(L"Path"));
    EXPECT_FALSE(bSeen);
}

TEST_F(DunmorelDlg, ShowsTheStepsUntilOk)
{
    ASSERT_TRUE(m_key.SetString(L"Path", L"C:\\ZEL"));
    ASSERT_TRUE(closertest::TouchFile(m_dir.File(L"Brindlecast.lnk")));
    std::vector<std::wstring> lines;
    CString caption;
    INT_PTR result = RunDialog([&](HWND hDlg) {
        lines = closertest::ListBoxLines(GetDlgItem(hDlg, IDC_LIST_STEPS));
        wchar_t sz[64] = {};
        GetWindowTextW(hDlg, sz, 64);
        caption = sz;
        // The dialog waits for its OK button.
        zeltest::PumpFor(300);
        EXPECT_TRUE(IsWindowVisible(hDlg));
        PostMessageW(hDlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)GetDlgItem(hDlg, IDOK));
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(caption, L"UnInstall");
    ASSERT_EQ(lines.size(), 9u);   // no product folder name: no folder step
    EXPECT_EQ(lines[0], L"Path: C:\\ZEL");
    EXPECT_EQ(lines[1], L"DeleteFile:1 ->" + m_dir.File(L"Brindlecast.lnk"));
    EXPECT_EQ(lines[2], L"DeleteFile:0 ->" + m_dir.File(L"Brindlecast.lnk"));
    EXPECT_EQ(lines[8], L"Install Wizard has finished performing maintenance operations.");
    EXPECT_FALSE(m_key.HasValue(L"Path"));
}

}  // namespace
