#include "tests/screens/list/ListScreenTestSupport.h"

#include <clocale>

#include "core/LoginManager.h"
#include "core/MeetingManager.h"
#include "core/SettingManager.h"
#include "net/protocol/TasClientManager.h"
#include "platform/ResourceHandle.h"
#include "screens/list/ListScreenMaker.h"
#include "tests/screens/login/LoginInput.h"
#include "tests/ui/skin/SkinTestSupport.h"
#include "ui/skin/SkinManager.h"

namespace listtest {

namespace {

logintest::ResourceLibrary* s_pResources = nullptr;

}  // namespace

void ListScreenTest::SetUpTestSuite()
{
    EndToEndTest::SetUpTestSuite();
    s_pResources = new logintest::ResourceLibrary(L"Res_Kor.dll");
    // The program runs in the Korean locale: weekdays in the rows read as a Korean user reads them.
    _wsetlocale(LC_ALL, L"korean");
}

void ListScreenTest::TearDownTestSuite()
{
    delete s_pResources;
    s_pResources = nullptr;
    _wsetlocale(LC_ALL, L"C");
    EndToEndTest::TearDownTestSuite();
}

void ListScreenTest::SetUp()
{
    EndToEndTest::SetUp();
    ASSERT_TRUE(s_pResources && s_pResources->Module()) << "Res_Kor.dll did not load";
    ASSERT_TRUE(skintest::LoadShippedSkin(1.0f));
    CSettingManager* settings = CSettingManager::GetInstance();
    settings->SetZELAddress(L"127.0.0.1");
    settings->SetZELPort(ServerPort(PORT_TAS));
    CTasClientManager* tas = CTasClientManager::GetInstance();
    ASSERT_TRUE(tas->Init(zeltest::SourcePath(L"protocols/protocol.xml").c_str()));
    m_listener.Expect(WM_USER + 100, prototest::RecordingWindow::LPARAM_REPLY);
    tas->SetListener(m_listener.Handle());
    tas->Connect(CString(L"127.0.0.1"), ServerPort(PORT_TAS));
    tas->RequestM00000001(L"", L"kim", L"1234");
    ASSERT_TRUE(m_listener.WaitFor(WM_USER + 100, 1, 15000)) << "no login reply";
    const prototest::RecordingWindow::Record reply = m_listener.RecordsOf(WM_USER + 100)[0];
    ASSERT_EQ(reply.status, 0);
    CLoginManager* login = CLoginManager::GetInstance();
    login->SetLoginId(L"kim");
    login->SetPassword(L"1234");
    login->SetSessionFromReply(reply.json, true);
    login->SetSawonNo(L"kim");

    ASSERT_TRUE(m_host.CreateEx(0, nullptr, L"ZEL", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 1100, 720,
                                nullptr, nullptr));
    m_main.m_pWnd = &m_host;
    SetMainDlg(&m_main);
}

void ListScreenTest::TearDown()
{
    if (m_pScreen) {
        m_pScreen->DestroyWindow();
        delete m_pScreen;
        m_pScreen = nullptr;
    }
    m_host.DestroyWindow();
    SetMainDlg(nullptr);
    SetListClock(nullptr);
    CTasClientManager::DestroyInstance();
    CMeetingManager::DestroyInstance();
    CSettingManager::DestroyInstance();
    skintest::ResetSkin();
    EndToEndTest::TearDown();
}

void ListScreenTest::OpenScreen(bool bRefresh)
{
    CWnd* wnd = MakeListScreen(&m_host, &m_pInterface);
    ASSERT_NE(wnd, nullptr);
    m_pScreen = dynamic_cast<CMainLayer*>(wnd);
    ASSERT_NE(m_pScreen, nullptr);
    ASSERT_EQ(static_cast<IListScreen*>(m_pScreen), m_pInterface);
    m_pScreen->MoveWindow(0, 0, 1100, 720);
    m_pScreen->ShowWindow(SW_SHOW);
    if (!bRefresh) return;
    m_pInterface->RefreshList();
    // The refresh asks a page; the counts reply, which comes first, finds the screen busy.
    ASSERT_TRUE(WaitForPages(1)) << "the first list did not come";
    ASSERT_TRUE(PumpUntil([&] { return !m_pScreen->GetBusyFlag(); }));
}

bool ListScreenTest::WaitForPages(size_t nPages, DWORD ms)
{
    return PumpUntil([&] { return PageFrames().size() >= nPages && !m_pScreen->GetBusyFlag(); }, ms) &&
           PumpUntil([] { return false; }, 200) == false;
}

void ListScreenTest::Click(HWND hWnd, CPoint down, CPoint up)
{
    ::SendMessageW(hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(down.x, down.y));
    ::SendMessageW(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(down.x, down.y));
    ::SendMessageW(hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(up.x, up.y));
    ::SendMessageW(hWnd, WM_LBUTTONUP, 0, MAKELPARAM(up.x, up.y));
}

void ListScreenTest::ClickCalendarButton(UINT nId)
{
    HWND button = ::GetDlgItem(m_pScreen->GetCalendar().GetSafeHwnd(), nId);
    ASSERT_NE(button, nullptr);
    ::SendMessageW(button, BM_CLICK, 0, 0);
}

void ListScreenTest::ClickDay(const CTime& day, bool bWait)
{
    CMeetingCalendar& cal = m_pScreen->GetCalendar();
    for (int i = 0; i < 24; ++i) {
        const CTime shown = cal.GetSelectedDate();
        const int diff = (day.GetYear() - shown.GetYear()) * 12 + day.GetMonth() - shown.GetMonth();
        if (diff == 0) break;
        const size_t before = PageFrames().size();
        ClickCalendarButton(diff > 0 ? IDC_CAL_NEXT_MONTH : IDC_CAL_PREV_MONTH);
        ASSERT_TRUE(WaitForPages(before + 1)) << "a month step loads the month's first day";
    }
    const CCalendarModel& model = cal.GetModel();
    const CRect cell = model.GetCellRect(model.CellOfDay(day.GetDay()));
    Click(cal.GetSafeHwnd(), cell.CenterPoint());
    if (bWait) {
        PumpUntil([] { return false; }, 100);
        ASSERT_TRUE(PumpUntil([&] { return !m_pScreen->GetBusyFlag(); })) << "the day's list did not come";
    }
}

void ListScreenTest::ClickRow(int nIndex)
{
    CMainListCtrl* list = m_pScreen->GetList();
    list->EnsureVisible(nIndex);
    list->UpdateWindow();
    MYLIST_ITEM* row = list->FindItem(nIndex);
    ASSERT_NE(row, nullptr);
    const CRect rc(row->rcItem);
    Click(list->GetSafeHwnd(), CPoint(rc.left + 100, rc.top + 30));
}

void ListScreenTest::ClickTab(int nId)
{
    HWND tab = ::GetDlgItem(m_pScreen->GetSafeHwnd(), nId);
    ASSERT_NE(tab, nullptr);
    // A static with SS_NOTIFY reports a click to its parent as STN_CLICKED.
    Click(tab, CPoint(20, 10));
}

std::vector<std::wstring> ListScreenTest::RowIds()
{
    std::vector<std::wstring> ids;
    CMainListCtrl* list = m_pScreen->GetList();
    for (int i = 0; i < list->GetItemCount(); ++i) {
        MYLIST_ITEM* row = list->FindItem(i);
        if (row && row->nType == MAINLIST_ROW_MEETING)
            ids.push_back(reinterpret_cast<CMeeting*>(row->dwData)->GetMeetingId().GetString());
    }
    return ids;
}

bool ListScreenTest::EndsWithMore()
{
    CMainListCtrl* list = m_pScreen->GetList();
    MYLIST_ITEM* last = list->FindItem(list->GetItemCount() - 1);
    return last && last->nType == MAINLIST_ROW_MORE;
}

Json::Value ListScreenTest::LastPage()
{
    const Json::Value frames = PageFrames();
    return frames.empty() ? Json::Value() : frames[frames.size() - 1]["body"];
}

COLORREF ListScreenTest::Pixel(HWND hWnd, int x, int y)
{
    ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    HDC dc = ::GetDC(hWnd);
    const COLORREF clr = ::GetPixel(dc, x, y);
    ::ReleaseDC(hWnd, dc);
    return clr;
}

bool ListScreenTest::SaveScreenshot(HWND hWnd, const wchar_t* pszName)
{
    ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    return logintest::SaveScreenshot(hWnd, pszName);
}

CString ListScreenTest::Today()
{
    return DayText(ListNow());
}

}  // namespace listtest
