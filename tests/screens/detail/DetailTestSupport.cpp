#include "tests/host/DetailHooksStandIn.h"
#include "tests/screens/detail/DetailTestSupport.h"

#include "core/LoginManager.h"
#include "core/MeetingManager.h"
#include "core/SettingManager.h"
#include "net/protocol/TasClientManager.h"
#include "platform/DC.h"
#include "screens/detail/DetailListCtrl.h"
#include "screens/detail/DetailScreenMaker.h"
#include "tests/support/TestSupport.h"
#include "tests/ui/skin/SkinTestSupport.h"
#include "core/JsonHelpers.h"

namespace detailtest {

namespace {

// Paints the lines, one below the other, on white.
void PaintLines(HWND hWnd, const wchar_t* pszHeader, const std::vector<CString>& lines, int nFont, int nStep,
                UINT nFormat)
{
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(hWnd, &ps);
    RECT rc;
    ::GetClientRect(hWnd, &rc);
    ::FillRect(dc, &rc, (HBRUSH)::GetStockObject(WHITE_BRUSH));
    ::SetBkMode(dc, TRANSPARENT);
    HFONT font = ::CreateFontW(-nFont, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"\xB9D1\xC740 \xACE0\xB515");
    HGDIOBJ old = ::SelectObject(dc, font);
    int y = 10;
    if (pszHeader) {
        RECT head = {16, 12, rc.right, 40};
        ::DrawTextW(dc, pszHeader, -1, &head, DT_SINGLELINE);
        y = 48;
    }
    for (const CString& l : lines) {
        RECT line = {pszHeader ? 16 : 10, y, rc.right - 8, y + nStep - 4};
        ::DrawTextW(dc, l, -1, &line, nFormat);
        y += nStep;
    }
    ::SelectObject(dc, old);
    ::DeleteObject(font);
    ::EndPaint(hWnd, &ps);
}

// The attendee panel: the names of the last attendee list, one a line.
class StandInMemberPanel : public CWnd, public IDetailMemberPanel {
public:
    void ResetSearch(const CString& strId) override { strMeetingId = strId; }
    void OnAttendeeList(const CTasResponse& reply) override
    {
        names.clear();
        if (const Json::Value* body = reply.GetBody()) {
            for (const Json::Value& a : (*body)["list"]) {
                CString line = GetJsonString(a, "name") + L"  " + GetJsonString(a, "position") + L" / " +
                               GetJsonString(a, "deptName");
                if (a["processYn"].asBool())
                    line += L"  (\xBC1C\xD45C\xC790)";
                names.push_back(line);
            }
        }
        if (GetSafeHwnd())
            Invalidate();
    }
    void OnUserProfile(const CTasResponse&) override {}
    void OnAttendeeConfirmReply(const CTasResponse&) override {}
    void ClosePopups() override { ++nClosed; }
    BOOL GetProfileRect(CRect&) override { return FALSE; }
    void SetPresenter(int n) override { nPresenter = n; }
    void SetAttendance(int n, BOOL b) override { attendance.push_back(n * 10 + (b ? 1 : 0)); }

    CString strMeetingId;
    std::vector<CString> names;
    int nClosed = 0;
    int nPresenter = 0;
    std::vector<int> attendance;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_PAINT) {
            PaintLines(m_hWnd, L"\xCC38\xC11D\xC790", names, 14, 32, DT_SINGLELINE | DT_END_ELLIPSIS);
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// The meeting chat: the messages it was given.
class StandInChat : public CWnd, public CDetailChatControlStandIn {
public:
    void SetMeeting(const CString& strId, int n) override { meetings.push_back(strId); nUser = n; lines.clear(); }
    void EnableChat(BOOL b) override { enabled.push_back(b); }
    void AddMessage(const CString& name, const CString&, const CString& time, const CString& text, int) override
    {
        lines.push_back(name + L" " + time + L": " + text);
        if (GetSafeHwnd())
            Invalidate();
    }
    void OnChatList(const Json::Value& body) override
    {
        for (const Json::Value& c : body["list"])
            lines.insert(lines.begin(), GetJsonString(c, "senderName") + L": " + GetJsonString(c, "message"));
        if (GetSafeHwnd())
            Invalidate();
    }
    int GetPageNum() override { return 1; }
    int GetPageSize() override { return 10; }
    int GetItemCount() override { return (int)lines.size(); }

    std::vector<CString> meetings;
    std::vector<BOOL> enabled;
    std::vector<CString> lines;
    int nUser = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_PAINT) {
            PaintLines(m_hWnd, nullptr, lines, 13, 44, DT_WORDBREAK);
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

CWnd* MakeChild(CWnd* pWnd, CWnd* pParent, const CRect& rc, UINT nId)
{
    pWnd->CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW)), L"", WS_CHILD | WS_VISIBLE, rc,
                   pParent, nId);
    return pWnd;
}

}  // namespace

doctest::KoreanResources* DetailScreenTest::s_pResources = nullptr;

void StandInMainDlg::SetScreenMode(int n, const CString& strId)
{
    nMode = n;
    CString line;
    line.Format(L"mode %d [%s]", n, (LPCTSTR)strId);
    Log(line);
}

int StandInMainDlg::ShowMessagePopup(const CString&, const CString& strText, int, CWnd*, BOOL)
{
    Log(L"question " + strText);
    if (answers.empty())
        return IDCANCEL;
    const int n = answers.front();
    answers.pop_front();
    return n;
}

int StandInMainDlg::ShowConfirmPopup(const CString& strText)
{
    Log(L"confirm " + strText);
    return IDOK;
}

void StandInMainDlg::ShowToast(const CString& strText)
{
    toasts.push_back(strText);
    Log(L"toast " + strText);
}

void StandInMainDlg::ShowTrayPopup(const CString& strText, const CString&, const CString&, int, const CString& strExtra,
                                   int)
{
    Log(L"tray " + strExtra + L": " + strText);
}

bool StandInMainDlg::Has(const CString& strLine) const
{
    for (const CString& c : calls)
        if (c == strLine)
            return true;
    return false;
}

int StandInMainDlg::IndexOf(const CString& strPrefix) const
{
    for (size_t i = 0; i < calls.size(); ++i)
        if (calls[i].Find(strPrefix) == 0)
            return (int)i;
    return -1;
}

void DetailScreenTest::SetUpTestSuite()
{
    EndToEndTest::SetUpTestSuite();
    s_pResources = new doctest::KoreanResources();
}

void DetailScreenTest::TearDownTestSuite()
{
    delete s_pResources;
    s_pResources = nullptr;
    EndToEndTest::TearDownTestSuite();
}

void DetailScreenTest::SetUp()
{
    EndToEndTest::SetUp();
    ASSERT_TRUE(s_pResources && s_pResources->Loaded());
    ASSERT_TRUE(doctest::LoadShippedSkinKorean());
    for (UINT msg = WM_USER + 99; msg <= WM_USER + 200; ++msg)
        m_listener.Expect(msg, prototest::RecordingWindow::LPARAM_REPLY);
    CSettingManager* settings = CSettingManager::GetInstance();
    settings->SetTMSAddress(L"127.0.0.1");
    settings->SetTMSPort(ServerPort(PORT_HTTP));
    settings->SetUseHttps(0);
    CTasClientManager* tas = CTasClientManager::GetInstance();
    ASSERT_TRUE(tas->Init(zeltest::SourcePath(L"protocols/protocol.xml").c_str()));
    tas->SetListener(m_listener.Handle());
    tas->Connect(CString(L"127.0.0.1"), ServerPort(PORT_TAS));
    tas->RequestM00000001(L"", L"kim", L"1234");
    ASSERT_TRUE(m_listener.WaitFor(WM_USER + 100, 1, 15000)) << "no login reply";
    const prototest::RecordingWindow::Record reply = m_listener.RecordsOf(WM_USER + 100)[0];
    ASSERT_EQ(reply.status, 0);
    CLoginManager::GetInstance()->SetSessionFromReply(reply.json, true);
    CLoginManager::GetInstance()->SetLoginId(L"kim");
    m_listener.Clear();
    Command("clear_log");
    // The meetings as the list screen knows them before it opens one.
    Json::Value list(Json::arrayValue);
    const char* known[][4] = {{"101", "02", "10", "01"}, {"102", "01", "10", "01"}, {"103", "04", "10", "01"},
                              {"104", "01", "10", "01"}, {"105", "12", "30", "01"}, {"106", "02", "10", "13"},
                              {"107", "01", "10", "01"}};
    for (const auto& k : known) {
        Json::Value e;
        e["mtngId"] = k[0];
        e["mtngStatus"] = k[1];
        e["mtngType"] = k[2];
        e["mtngMeetingType"] = k[3];
        list.append(e);
    }
    CMeetingManager::GetInstance()->FillFromList(1, 1, list);

    SDetailScreenHooks hooks;
    hooks.makeMemberPanel = [](CWnd* pParent, BOOL, IDetailMemberPanel** pp) {
        StandInMemberPanel* p = new StandInMemberPanel();
        *pp = p;
        return MakeChild(p, pParent, CRect(0, 0, 10, 10), 0);
    };
    hooks.makeChatControl = [](CWnd* pParent, const CRect& rc, UINT nId, IDetailChatControl** pp) {
        StandInChat* p = new StandInChat();
        *pp = p;
        return MakeChild(p, pParent, rc, nId);
    };
    SetDetailScreenHooks(hooks);

    ASSERT_TRUE(m_host.Open(1280, 720, 0, 0));
    m_main.pWnd = &m_host;
    SetMainDlg(&m_main);
    MakeScreen();
}

void DetailScreenTest::MakeScreen()
{
    IDetailScreen* pScreen = nullptr;
    CWnd* pWnd = MakeDetailScreen(&m_host, &pScreen);
    ASSERT_NE(pWnd, nullptr);
    m_pScreen = static_cast<CDetailLayer*>(pWnd);
    m_pScreen->MoveWindow(0, 0, 1280, 720);
    m_pScreen->ShowWindow(SW_SHOW);
}

void DetailScreenTest::TearDown()
{
    CWnd::SetModalLoopHook(nullptr);
    CFileDialog::SetTestHook(nullptr);
    if (m_pScreen) {
        m_pScreen->DestroyWindow();
        delete m_pScreen;
        m_pScreen = nullptr;
    }
    if (m_host.GetSafeHwnd())
        m_host.DestroyWindow();
    SetMainDlg(nullptr);
    SetDetailScreenHooks(SDetailScreenHooks());
    CMeetingManager::DestroyInstance();
    CTasClientManager::DestroyInstance();
    CSettingManager::DestroyInstance();
    EndToEndTest::TearDown();
}

void DetailScreenTest::Show(const char* mtngId, int nPrevMode)
{
    m_main.calls.clear();
    m_pScreen->SetPreviousMode(nPrevMode);
    m_pScreen->ShowMeeting(CString(mtngId));
    ASSERT_TRUE(WaitForLoad()) << "the detail did not load";
}

bool DetailScreenTest::WaitForLoad(DWORD ms)
{
    return PumpUntil([&] { return !m_pScreen->IsLoading() && CTasClientManager::GetInstance()->GetPendingCount() == 0; },
                     ms) &&
           (Pump(150), true);
}

void DetailScreenTest::ClickObject(const wchar_t* name)
{
    const SKIN_OBJECT* pObject = m_pScreen->GetSkinObject(name);
    ASSERT_NE(pObject, nullptr);
    skintest::Click(m_pScreen->GetSafeHwnd(), pObject->m_rcObject.CenterPoint().x, pObject->m_rcObject.CenterPoint().y);
}

void DetailScreenTest::ClickRowObject(int nRow, const wchar_t* name)
{
    CDetailListCtrl* pList = m_pScreen->GetList();
    pList->UpdateWindow();
    MYLIST_ITEM* pItem = pList->FindItem(nRow);
    ASSERT_NE(pItem, nullptr);
    const SKIN_OBJECT* pObject = pItem->pScreen->FindObject(name);
    ASSERT_NE(pObject, nullptr);
    const CPoint c = pObject->m_rcObject.CenterPoint();
    skintest::Click(pList->GetSafeHwnd(), pItem->rcItem.left + c.x, pItem->rcItem.top + c.y);
}

Json::Value DetailScreenTest::LastBody(const char* msg)
{
    const Json::Value frames = Requests(msg);
    return frames.empty() ? Json::Value() : frames[frames.size() - 1]["body"];
}

Json::Value DetailScreenTest::HttpRequests()
{
    Json::Value command;
    command["cmd"] = "log";
    command["server"] = "http";
    command["kind"] = "request";
    return Control(command)["records"];
}

void DetailScreenTest::Rule(const char* msg, int status, const Json::Value& body)
{
    Json::Value rule;
    rule["cmd"] = "rule";
    rule["server"] = "tas";
    rule["msg"] = msg;
    rule["status"] = status;
    if (!body.isNull())
        rule["body"] = body;
    Control(rule);
}

}  // namespace detailtest
