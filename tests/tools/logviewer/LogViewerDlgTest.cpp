#include <gtest/gtest.h>

#include <string>

#include "platform/UI.h"
#include "tests/platform/UiTestSupport.h"
#include "tests/tools/logviewer/LogViewerTestSupport.h"
#include "tools/logviewer/LogViewerDlg.h"
#include "tools/logviewer/MyLogFile.h"
#include "tools/logviewer/resource.h"

namespace {

class LogViewerDlgTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        for (auto& viewer : m_viewers)
            if (viewer && viewer->m_hWnd) viewer->DestroyWindow();
    }
    // A hexadecimal log written by the service's own logger.
    std::wstring WriteHexLog()
    {
        logtest::FakeClock clock(2024, 1, 5, 9);
        zellog::CMyLogFile log(logtest::WriteLogIni(m_ini, 0, 1).c_str());
        std::wstring path = m_dir.File(L"ZELLog.txt");
        log.Open(m_dir.File(L"Log").c_str(), path.c_str(), 30, 1, 1, 0);
        log.WriteLine(1, L"debug one");
        log.WriteLine(2, L"has abc inside");
        log.WriteLine(3, L"has ABC only");
        log.WriteLine(1, L"debug two");
        log.WriteLine(4, L"an error\nover two lines");
        return path;
    }
    CLogViewerDlg* Open(const std::wstring& path, bool wait = true)
    {
        m_viewers.emplace_back(new CLogViewerDlg(nullptr));
        CLogViewerDlg* viewer = m_viewers.back().get();
        viewer->SetLevelFlags(1, 1, 1, 1);
        viewer->SetPath(path.c_str());
        EXPECT_TRUE(viewer->Create(IDD_LOG_VIEWER, nullptr));
        if (wait) WaitLoaded(viewer);
        return viewer;
    }
    void WaitLoaded(CLogViewerDlg* viewer)
    {
        EXPECT_TRUE(zeltest::PumpUntil([&] { return !viewer->IsLoading(); }, 20000));
    }
    std::vector<std::wstring> Column(CLogViewerDlg* viewer, int column)
    {
        std::vector<std::wstring> cells;
        for (int i = 0; i < viewer->GetList().GetItemCount(); ++i)
            cells.push_back((LPCTSTR)viewer->GetList().GetItemText(i, column));
        return cells;
    }
    void Click(CLogViewerDlg* viewer, UINT id) { viewer->SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    void ClickColumn(CLogViewerDlg* viewer, int column)
    {
        NMLISTVIEW nm = {};
        nm.hdr.hwndFrom = viewer->GetList().m_hWnd;
        nm.hdr.idFrom = IDC_LOG_LIST;
        nm.hdr.code = LVN_COLUMNCLICK;
        nm.iItem = -1;
        nm.iSubItem = column;
        viewer->SendMessage(WM_NOTIFY, IDC_LOG_LIST, (LPARAM)&nm);
    }

    uitest::Watchdog m_watchdog{60000};
    zeltest::TempDir m_dir;
    zeltest::TempDir m_ini;
    std::vector<std::unique_ptr<CLogViewerDlg>> m_viewers;
};

TEST_F(LogViewerDlgTest, AHexLogLoadsWithoutItsHeaderAndIsFilteredByLevelOnTheNextLoad)
{
    std::wstring path = WriteHexLog();
    CLogViewerDlg* viewer = Open(path);
    CString title;
    viewer->GetWindowText(title);
    EXPECT_EQ(std::wstring((LPCTSTR)title), path + L" - 5");
    EXPECT_EQ(Column(viewer, 2), (std::vector<std::wstring>{L"[DEBUG]", L"[INFO]", L"[WARNING]", L"[DEBUG]", L"[ERROR]"}));
    EXPECT_EQ(Column(viewer, 3)[4], L" an error\nover two lines\n");
    EXPECT_EQ(Column(viewer, 1)[0], L"2024-01-05 AM 09:00:00.000 ");
    EXPECT_EQ(Column(viewer, 0)[0], L"");

    viewer->CheckDlgButton(IDC_CHECK_DEBUG, BST_UNCHECKED);
    Click(viewer, IDC_CHECK_DEBUG);
    EXPECT_EQ(viewer->GetList().GetItemCount(), 5);   // applies from the next load
    Click(viewer, IDC_REFRESH);
    WaitLoaded(viewer);
    EXPECT_EQ(Column(viewer, 2), (std::vector<std::wstring>{L"[INFO]", L"[WARNING]", L"[ERROR]"}));
}

TEST_F(LogViewerDlgTest, SearchNeedsThreeCharactersAndRefreshForgetsIt)
{
    CLogViewerDlg* viewer = Open(WriteHexLog());
    viewer->SetDlgItemText(IDC_SEARCH_TEXT, L"ab");
    Click(viewer, IDC_SEARCH);
    EXPECT_FALSE(viewer->IsLoading());
    EXPECT_EQ(viewer->GetList().GetItemCount(), 5);
    viewer->SetDlgItemText(IDC_SEARCH_TEXT, L"abc");
    Click(viewer, IDC_SEARCH);
    WaitLoaded(viewer);
    EXPECT_EQ(Column(viewer, 3), std::vector<std::wstring>{L" has abc inside\n"});
    Click(viewer, IDC_REFRESH);
    WaitLoaded(viewer);
    EXPECT_EQ(viewer->GetList().GetItemCount(), 5);
    CString box;
    viewer->GetDlgItemText(IDC_SEARCH_TEXT, box);
    EXPECT_EQ(box, L"abc");
}

TEST_F(LogViewerDlgTest, APlainLogHidesLevelsInAnyLetterCaseButNeverLinesWithoutBrackets)
{
    std::wstring path = m_dir.File(L"plain.txt");
    zeltest::WriteFileBytes(path, "2024-01-05 header\r\na [debug] one\r\nno brackets\r\nb [Info] two\r\n");
    CLogViewerDlg* viewer = Open(path);
    viewer->CheckDlgButton(IDC_CHECK_DEBUG, BST_UNCHECKED);
    Click(viewer, IDC_CHECK_DEBUG);
    Click(viewer, IDC_REFRESH);
    WaitLoaded(viewer);
    EXPECT_EQ(Column(viewer, 3), (std::vector<std::wstring>{L"no brackets\n", L" two\n"}));
    EXPECT_EQ(Column(viewer, 2), (std::vector<std::wstring>{L"", L"[Info]"}));
}

TEST_F(LogViewerDlgTest, SelectedRowsGoToTheEditWithRealLineBreaks)
{
    CLogViewerDlg* viewer = Open(WriteHexLog());
    viewer->GetList().SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    viewer->GetList().SetItemState(4, LVIS_SELECTED, LVIS_SELECTED);
    CString edit;
    viewer->GetDlgItemText(IDC_TEXT_EDIT, edit);
    EXPECT_EQ(std::wstring((LPCTSTR)edit),
              L"2024-01-05 AM 09:00:00.000 [INFO] has abc inside\r\n"
              L"2024-01-05 AM 09:00:00.000 [ERROR] an error\r\nover two lines\r\n");
}

TEST_F(LogViewerDlgTest, ColumnClicksSortUpThenDownAndTheDirectionIsSharedByEveryList)
{
    std::wstring path = WriteHexLog();
    CLogViewerDlg* first = Open(path);
    CLogViewerDlg* second = Open(path);
    for (int& direction : CSortListCtrl::s_nSortDirections) direction = 0;
    ClickColumn(first, 3);
    auto up = Column(first, 3);
    EXPECT_TRUE(std::is_sorted(up.begin(), up.end()));
    EXPECT_EQ(up.front(), L" an error\nover two lines\n");
    // The other list goes on from the shared direction: down.
    ClickColumn(second, 3);
    auto down = Column(second, 3);
    EXPECT_TRUE(std::is_sorted(down.rbegin(), down.rend()));
    // ... and the first list's next click goes on from there: up again, not down.
    ClickColumn(first, 3);
    EXPECT_EQ(Column(first, 3), up);
}

TEST_F(LogViewerDlgTest, ClosingOrReloadingWhileALargeFileLoadsStopsTheLoaderAtOnce)
{
    std::wstring path = m_dir.File(L"big.txt");
    std::string bytes = "header\r\n";
    for (int i = 0; i < 200000; ++i) bytes += "2024-01-05 AM 09:00:00.000 [INFO] row " + std::to_string(i) + "\r\n";
    bytes += "2024-01-05 AM 09:00:00.000 [INFO] the zzz row\r\n";
    zeltest::WriteFileBytes(path, bytes);

    CLogViewerDlg* viewer = Open(path, false);
    // A new search while the first load runs: no row of the first load may land afterwards.
    viewer->SetDlgItemText(IDC_SEARCH_TEXT, L"zzz");
    Click(viewer, IDC_SEARCH);
    WaitLoaded(viewer);
    EXPECT_EQ(Column(viewer, 3), std::vector<std::wstring>{L" the zzz row\n"});

    Click(viewer, IDC_REFRESH);
    DWORD start = GetTickCount();
    EXPECT_TRUE(viewer->StopLoader(GetTickCount() + 5000));
    m_viewers.back().reset();   // the viewer goes while rows may be on their way
    EXPECT_LT(GetTickCount() - start, 3000u);
    zeltest::PumpFor(100);
}

struct NumberCase {
    const wchar_t* cell;
    __int64 value;
};

class SortNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(SortNumber, ReadsTheCell)
{
    EXPECT_EQ(CSortListCtrl::ParseNumber(GetParam().cell), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Table, SortNumber,
                         ::testing::Values(NumberCase{L"1,024 KB", 1024}, NumberCase{L"abc", 0}, NumberCase{L"", 0},
                                           NumberCase{L"  -5", -5}, NumberCase{L"+7x", 7},
                                           NumberCase{L"1,000,000", 1000000}, NumberCase{L"12KB3", 123}));

TEST(SortListCtrl, NumbersCompareSignedAndEqualNumbersAreEqual)
{
    CSortListCtrl::S_SORT_RECORD minus, one, alsoOne;
    minus.bTextMode = one.bTextMode = alsoOne.bTextMode = 0;
    minus.nNumber = -5;
    one.nNumber = alsoOne.nNumber = 1;
    auto cmp = [](const CSortListCtrl::S_SORT_RECORD& a, const CSortListCtrl::S_SORT_RECORD& b, int dir) {
        return CSortListCtrl::CompareItems((LPARAM)&a, (LPARAM)&b, dir);
    };
    EXPECT_EQ(cmp(one, alsoOne, 1), 0);
    EXPECT_EQ(cmp(one, alsoOne, 0), 0);
    EXPECT_EQ(cmp(minus, one, 1), 1);    // the first direction puts the larger first
    EXPECT_EQ(cmp(one, minus, 1), -1);
    EXPECT_EQ(cmp(minus, one, 0), -1);
    CSortListCtrl::S_SORT_RECORD a, b;
    a.strText = L"B";
    b.strText = L"a";
    EXPECT_EQ(CSortListCtrl::CompareItems((LPARAM)&a, (LPARAM)&b, 1), -1);   // ordinal: upper case first
    EXPECT_EQ(CSortListCtrl::CompareItems((LPARAM)&a, (LPARAM)&a, 1), 0);
}

}  // namespace
