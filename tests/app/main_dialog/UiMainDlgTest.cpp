// The main dialog as the program runs it: the real login window logs in against the local test
// servers, then the main dialog opens with stand-in screens (the makers a program sets), connects
// the push and synchronisation clients and serves the session until it ends.
#include <winsock2.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/host/ListScreenStandIn.h"
#include "tests/host/DetailScreenStandIn.h"
#include "tests/host/MeetingScreenStandIn.h"
#include "tests/host/TitleBarStandIn.h"
#include "app/ProgramScreens.h"
#include "app/TitleLayer.h"
#include "app/TimeKeeperDlg.h"
#include "features/documents/DocViewerDlg.h"
#include "app/TitleLayerMaker.h"
#include "features/documents/DocumentListCtrl.h"
#include "features/documents/MeetingDocListCtrl.h"
#include "screens/detail/DetailHooks.h"
#include "screens/detail/DetailLayer.h"
#include "screens/detail/DetailListCtrl.h"
#include "screens/meeting/MeetingPanelMakers.h"
#include "screens/meeting/RightContainerWnd.h"
#include "screens/meeting/PrivateDocListCtrl.h"
#include "features/chat/ChatEditCtrl.h"
#include "features/chat/ChatViewCtrl.h"
#include "features/chat/MeetingChatCtrl.h"
#include "screens/meeting/panels/InfoLayer.h"
#include "screens/meeting/panels/InfoBookMarkCtrl.h"
#include "screens/meeting/panels/InfoShowCtrl.h"
#include "screens/meeting/panels/InfoThumbnailCtrl.h"
#include "app/ZELDlg.h"
#include "app/SettingPages.h"
#include "app/SettingDlg.h"
#include "app/main/BoardDrawing.h"
#include "app/panels/ProgramPanels.h"
#include "features/approvals/ApprovalDialogs.h"
#include "features/documents/WebPageViews.h"
#include "screens/meeting/MeetingLayer.h"
#include "screens/meeting/MeetingScreenMaker.h"
#include "whiteboard/board/BoardLayer.h"
#include "whiteboard/canvas/BoardDrawCtrl.h"
#include "whiteboard/canvas/PenCanvas.h"
#include "whiteboard/tools/BoardInfoCtrl.h"
#include "whiteboard/tools/BoardOptCtrl.h"
#include "whiteboard/tools/DrawToolPalette.h"
#include "whiteboard/tools/StickyNoteDlg.h"
#include "whiteboard/tools/ToolMakers.h"
#include "app/main/ScreenMakers.h"
#include "core/AppControl.h"
#include "core/ClientMessages.h"
#include "core/LoginManager.h"
#include "core/MyLogFile.h"
#include "core/Meeting.h"
#include "core/MeetingDocument.h"
#include "core/MeetingManager.h"
#include "core/SettingManager.h"
#include "net/protocol/NetworkStop.h"
#include "net/protocol/TDSClientManager.h"
#include "net/protocol/TPCClientManager.h"
#include "net/protocol/TasClientManager.h"
#include "app/ResourceText.h"
#include "resources/resource.h"
#include "screens/login/LoginDlgLayer.h"
#include "tests/app/AppTestSupport.h"
#include "tests/platform/UiTestSupport.h"
#include "tests/screens/login/LoginInput.h"
#include "tests/support/TestSupport.h"
#include "tests/ui/skin/SkinTestSupport.h"
#include "ui/controls/PopupAnswer.h"
#include "ui/controls/ToastPopup.h"
#include "ui/controls/ZELLoadingBG.h"
#include "ui/controls/YesNoPopup.h"
#include "ui/skin/MonitorInfo.h"
#include "platform/FileDialog.h"

using logintest::Click;
using logintest::Drive;
using logintest::DriveFor;
using logintest::Type;

namespace {

std::vector<std::string> g_calls;
std::vector<int> g_titleModes;   // the title bar's modes, in order

std::string Utf8(const CString& s) { return zeltest::Narrow(s.GetString()); }

bool Called(const std::string& call)
{
    return std::find(g_calls.begin(), g_calls.end(), call) != g_calls.end();
}


// One stand-in for the title bar and every screen: a coloured child window with its name that
// records each call the main dialog makes ("name.Method(args)").
class CStandIn : public CWnd, public CTitleBarStandIn, public CListScreenStandIn, public CDetailScreenStandIn, public CMeetingScreenStandIn,
                 public IBoardLayer {
public:
    CStandIn(const char* pszName, COLORREF clr) : m_name(pszName), m_clr(clr) {}

    CWnd* Make(CWnd* pParent, UINT nId)
    {
        CreateEx(0, nullptr, zeltest::Widen(m_name).c_str(), WS_CHILD, CRect(0, 0, 10, 10), pParent, nId);
        return this;
    }
    void Rec(const std::string& call) { g_calls.push_back(m_name + "." + call); }

    // ITitleBar
    void SetChatButtonState(int on, int) override { Rec("SetChatButtonState(" + std::to_string(on) + ")"); }
    void SetChatBlink(int on) override { Rec("SetChatBlink(" + std::to_string(on) + ")"); }
    void SetTitleText(const CString& t) override { Rec("SetTitleText(" + Utf8(t) + ")"); }
    void SetMode(int nMode) override { g_titleModes.push_back(nMode); }
    // IListScreen
    void RefreshList() override { Rec("RefreshList()"); }
    // IDetailScreen: the meeting it shows is the one the main dialog names when it shows it.
    CString GetMeetingId() override { return m_meetingId; }
    void RefreshDetail() override
    {
        m_meetingId = GetMainDlg()->GetScreenMeetingId();
        Rec("RefreshDetail(" + Utf8(m_meetingId) + ")");
    }
    void OnPushBroadcast01() override { Rec("OnPushBroadcast01()"); }
    void OnPushBroadcast02() override { Rec("OnPushBroadcast02()"); }
    void OnPushBroadcast03() override { Rec("OnPushBroadcast03()"); }
    void OnPushBroadcast05(int) override { Rec("OnPushBroadcast05()"); }
    void OnPushBroadcast08() override { Rec("OnPushBroadcast08()"); }
    void OnPushBroadcast10() override { Rec("OnPushBroadcast10()"); }
    void OnPushBroadcast14() override { Rec("OnPushBroadcast14()"); }
    void OnPushBroadcast19() override { Rec("OnPushBroadcast19()"); }
    void OnPushBroadcast20() override { Rec("OnPushBroadcast20()"); }
    void OnPushBroadcast23(int, const CString&) override { Rec("OnPushBroadcast23()"); }
    void OnPushBroadcast25() override { Rec("OnPushBroadcast25()"); }
    void OnPushBroadcast28() override { Rec("OnPushBroadcast28()"); }
    void OnPushSync03(const CString&, const CString&, const CString&, const CString& m) override
    {
        Rec("OnPushSync03(" + Utf8(m) + ")");
    }
    void SetPreviousMode(int nMode) override { Rec("SetPreviousMode(" + std::to_string(nMode) + ")"); }
    void ShowMeeting(const CString& id) override
    {
        m_meetingId = id;
        Rec("ShowMeeting(" + Utf8(id) + ")");
    }
    void LeaveDetail() override { Rec("LeaveDetail()"); }
    void ClosePopups() override { Rec("ClosePopups()"); }
    void ToggleChatPopup() override { Rec("ToggleChatPopup()"); }
    void OnRawMouseInput(const tagRAWINPUT* pRaw) override
    {
        if (pRaw && pRaw->data.mouse.usButtonFlags == RI_MOUSE_LEFT_BUTTON_DOWN) Rec("OnRawMouseInput(down)");
    }
    // IMeetingScreen
    CString GetCurrentDocumentId() override { return L"D1011"; }
    CString GetMeetingType() override { return L"10"; }
    CString GetCurrentMeetingType() override { return m_strCurrentMeetingType; }
    BOOL IsMeetingType12() override { return FALSE; }
    BOOL IsMeetingRunning() override { return TRUE; }
    BOOL IsPageSync() override { return m_bPageSync; }
    BOOL IsWhiteboardDocument() override { return FALSE; }
    BOOL IsEmbeddedDocument(const CString&) override { return FALSE; }
    void MarkMeetingEntered() override { Rec("MarkMeetingEntered()"); }
    void OnMeetingStatusChanged(int s) override { Rec("OnMeetingStatusChanged(" + std::to_string(s) + ")"); }
    int SaveBoardChanges(int a, int, int) override
    {
        Rec("SaveBoardChanges(" + std::to_string(a) + ")");
        return 0;
    }
    void StartMeeting(int a, int b) override
    {
        m_meetingId = GetMainDlg()->GetScreenMeetingId();
        Rec("StartMeeting(" + std::to_string(a) + "," + std::to_string(b) + ")");
    }
    void RequestPresenceAndSync(int keep) override { Rec("RequestPresenceAndSync(" + std::to_string(keep) + ")"); }
    void RequestPresence() override { Rec("RequestPresence()"); }
    void RequestDocumentList(const CString& t) override { Rec("RequestDocumentList(" + Utf8(t) + ")"); }
    void RefreshDocumentList(const CString& t, int) override { Rec("RefreshDocumentList(" + Utf8(t) + ")"); }
    void SetFollowPresenter(const CString& m, const CString& d, int o, int on) override
    {
        Rec("SetFollowPresenter(" + Utf8(m) + "," + Utf8(d) + "," + std::to_string(o) + "," + std::to_string(on) + ")");
    }
    void SetPendingFollow(const CString&, const CString&, int) override { Rec("SetPendingFollow()"); }
    void ClearOtherMeetingDocument() override { Rec("ClearOtherMeetingDocument()"); }
    void OnSyncPagePush(const CString& m, const CString& d, int page, int show) override
    {
        Rec("OnSyncPagePush(" + Utf8(m) + "," + Utf8(d) + "," + std::to_string(page) + "," + std::to_string(show) + ")");
    }
    void ApplyPageCommand(const CString& d, int c, int page, int t, int r) override
    {
        Rec("ApplyPageCommand(" + Utf8(d) + "," + std::to_string(c) + "," + std::to_string(page) + "," +
            std::to_string(t) + "," + std::to_string(r) + ")");
    }
    void OpenBuiltInWhiteboard(BOOL) override { Rec("OpenBuiltInWhiteboard()"); }
    void CloseMinutesViewer() override { Rec("CloseMinutesViewer()"); }
    void EnableChat(BOOL on) override { Rec("EnableChat(" + std::to_string(on) + ")"); }
    void OnChatPush(const CString&, const CString&, const CString&, const CString& m) override
    {
        Rec("OnChatPush(" + Utf8(m) + ")");
    }
    void EnterMeeting(const CString& id) override
    {
        m_meetingId = id;
        Rec("EnterMeeting(" + Utf8(id) + ")");
    }
    void LeaveMeeting() override { Rec("LeaveMeeting()"); }
    // As the contract has them: with nothing unsaved they leave and log out themselves.
    void LeaveMeetingByTitle() override
    {
        Rec("LeaveMeetingByTitle()");
        LeaveMeeting();
        GetMainDlg()->RequestLogout(TRUE);
    }
    void LeaveMeetingByCommand(BOOL bReadBoard) override
    {
        Rec("LeaveMeetingByCommand(" + std::to_string(bReadBoard) + ")");
        LeaveMeeting();
        GetMainDlg()->RequestLogout(FALSE);
    }
    void ToggleChat() override { Rec("ToggleChat()"); }
    void OnRawMouseInput(POINT, USHORT flags) override
    {
        if (flags == RI_MOUSE_LEFT_BUTTON_DOWN) Rec("OnRawMouseInput(down)");
    }
    // IBoardLayer: the meeting screen's board.
    void OnOptShare(int on, int) override { Rec("OnOptShare(" + std::to_string(on) + ")"); }
    int GetCurrentPage() override { return 1; }
    HWND GetBoardWindow() override { return nullptr; }
    int GetOptPageIndex() override { return 0; }
    void EnableInfoSync(BOOL) override {}
    void AddRemoteLine(int page, const Json::Value& line) override
    {
        if (::GetCurrentThreadId() != m_uiThread) Rec("OffTheUserInterfaceThread");
        Rec("AddRemoteLine(" + std::to_string(page) + "," + line.get("lineId", "").asString() + ")");
    }
    void RemoveLine(int page, const CString& id) override { Rec("RemoveLine(" + std::to_string(page) + "," + Utf8(id) + ")"); }
    void ClearAllOverlays() override { Rec("ClearAllOverlays()"); }
    void QueueRemoteZoom(float, int, int) override { Rec("QueueRemoteZoom()"); }
    void ShowRemotePointer(const CString&, int, const CString&, int, const CString&, const CString&, const CString&,
                           const CString&, const CString&) override
    {
        Rec("ShowRemotePointer()");
    }

    BOOL m_bPageSync = FALSE;
    CString m_strCurrentMeetingType = L"10";
    const DWORD m_uiThread = ::GetCurrentThreadId();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_ERASEBKGND) return TRUE;
        if (message == WM_MAIN_TO_MEETING_BACK) {
            Rec("Back()");
            GetMainDlg()->SetScreenMode(ZEL_MODE_DETAIL, m_meetingId);
            return 0;
        }
        if (message == WM_PAINT) {
            PAINTSTRUCT ps;
            HDC hdc = ::BeginPaint(m_hWnd, &ps);
            RECT rc;
            ::GetClientRect(m_hWnd, &rc);
            HBRUSH hBrush = ::CreateSolidBrush(m_clr);
            ::FillRect(hdc, &rc, hBrush);
            ::DeleteObject(hBrush);
            ::SetBkMode(hdc, TRANSPARENT);
            ::SetTextColor(hdc, RGB(255, 255, 255));
            const std::wstring text = L"stand-in: " + zeltest::Widen(m_name);
            ::DrawTextW(hdc, text.c_str(), -1, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            ::EndPaint(m_hWnd, &ps);
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }

private:
    std::string m_name;
    COLORREF m_clr;
    CString m_meetingId;
};

CStandIn* g_pMeeting = nullptr;

// The meeting screen's board as the drawing palette reaches it: each call recorded as "board.Call".
class CBoardDrawingStandIn : public IBoardDrawing {
public:
    void SelectPanTool() override { Rec("SelectPanTool()"); }
    void SelectPenTool() override { Rec("SelectPenTool()"); }
    void SelectHighlighterTool() override { Rec("SelectHighlighterTool()"); }
    void SelectEraserTool() override { Rec("SelectEraserTool()"); }
    void SelectPointerTool() override { Rec("SelectPointerTool()"); }
    void SetColor(COLORREF c) override { Rec("SetColor(" + std::to_string(c) + ")"); }
    void SetThickness(int w) override { Rec("SetThickness(" + std::to_string(w) + ")"); }
    void SetLineType(int t) override { Rec("SetLineType(" + std::to_string(t) + ")"); }
    void StepHistory(BOOL undo) override { Rec("StepHistory(" + std::to_string(undo) + ")"); }
    void ClearCurrentPage() override { Rec("ClearCurrentPage()"); }

private:
    static void Rec(const std::string& call) { g_calls.push_back("board." + call); }
};

SScreenMakers StandInMakers(bool bWithDetail = true)
{
    SScreenMakers makers;
    makers.makeTitleBar = [](CWnd* p, ITitleBar** pp) -> CWnd* {
        CStandIn* s = new CStandIn("title", RGB(36, 64, 110));
        *pp = s;
        return s->Make(p, ZEL_TITLE_LAYER_ID);
    };
    makers.makeList = [](CWnd* p, IListScreen** pp) -> CWnd* {
        CStandIn* s = new CStandIn("list", RGB(90, 140, 200));
        *pp = s;
        return s->Make(p, 0);
    };
    if (bWithDetail)
        makers.makeDetail = [](CWnd* p, IDetailScreen** pp) -> CWnd* {
            CStandIn* s = new CStandIn("detail", RGB(80, 160, 110));
            *pp = s;
            return s->Make(p, 0);
        };
    makers.makeMeeting = [](CWnd* p, IMeetingScreen** pp) -> CWnd* {
        CStandIn* s = new CStandIn("meeting", RGB(170, 110, 60));
        g_pMeeting = s;
        *pp = s;
        return s->Make(p, ZEL_MEETING_LAYER_ID);
    };
    return makers;
}

bool QuitPending()
{
    MSG msg;
    return ::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != FALSE;
}

// Pumps until the session has ended (its quit message is left for the main dialog's loop).
bool DriveUntilQuit(DWORD ms = 15000)
{
    bool bQuit = false;
    Drive([&] { return bQuit = bQuit || QuitPending(); }, ms);
    return bQuit || QuitPending();
}

RECT ChildRect(CWnd* pChild, HWND hParent)
{
    RECT rc{};
    ::GetWindowRect(pChild->GetSafeHwnd(), &rc);
    ::MapWindowPoints(nullptr, hParent, (POINT*)&rc, 2);
    return rc;
}

class UiMainDlgTest : public prototest::EndToEndTest {
protected:
    void SetUp() override
    {
        EndToEndTest::SetUp();
        g_bNetworkStop = FALSE;
        m_pLanguage = new apptest::LanguageLibrary(L"Kor");
        ASSERT_TRUE(m_pLanguage->IsLoaded());
        ASSERT_TRUE(skintest::LoadShippedSkin(1.0f));
        ClearSavedLogin();
        CSettingManager* s = CSettingManager::GetInstance();
        s->SetZELAddress(L"127.0.0.1");
        s->SetZELPort(ServerPort(PORT_TAS));
        s->SetTMSAddress(L"127.0.0.1");
        s->SetTMSPort(ServerPort(PORT_HTTP));
        s->SetTPCAddress(L"127.0.0.1");
        s->SetTPCPort(ServerPort(PORT_PUSH));
        s->SetUseHttps(0);
        ASSERT_TRUE(CTasClientManager::GetInstance()->Init(zeltest::SourcePath(L"protocols/protocol.xml").c_str()));
        ASSERT_TRUE(CTPCClientManager::GetInstance()->Init(zeltest::SourcePath(L"protocols/pps_protocol.xml").c_str()));
        ASSERT_TRUE(CTDSClientManager::GetInstance()->Init(zeltest::SourcePath(L"protocols/tds_protocol.xml").c_str()));
        // The placement file lies in the application-data folder of a test product.
        g_ApplicationLog.InitAppData(L"TALVORA", L"ZELMainDialogTest");
        m_strPlacementFile = (g_ApplicationLog.GetAppDataFolder() + L"MainRect.ini").GetString();
        ::DeleteFileW(m_strPlacementFile.c_str());
        SetPlacementPath(g_ApplicationLog.GetAppDataFolder());
        SetScreenMakers(StandInMakers());
        SetBoardDrawingMaker([]() -> IBoardDrawing* { return new CBoardDrawingStandIn(); });
        g_calls.clear();
        SetPopupAnswerHook([this](const POPUP_QUESTION& q) {
            m_popups.push_back(q);
            if (q.kind == POPUP_TOAST || q.kind == POPUP_TRAY_NOTICE) return 0;
            return m_popupAnswer ? m_popupAnswer(q) : 1;
        });
    }
    void TearDown() override
    {
        SetPopupAnswerHook(nullptr);
        CWnd::SetModalLoopHook(nullptr);
        CZELDlg::SetReloginRunnerForTest(nullptr);
        SetScreenMakers(SScreenMakers());
        SetBoardDrawingMaker(nullptr);
        CTDSClientManager::DestroyInstance();
        CTPCClientManager::DestroyInstance();
        CTasClientManager::DestroyInstance();
        CLoginManager::DestroyInstance();
        CMeetingManager::DestroyInstance();
        CSettingManager::DestroyInstance();
        g_bNetworkStop = FALSE;
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        delete m_pLanguage;
        EndToEndTest::TearDown();
    }

    // Logs in as the user through the real login window, then runs the main dialog with the
    // script inside its loop; the script ends the session. The main dialog's result.
    INT_PTR Run(const std::function<void(CZELDlg&)>& script)
    {
        uitest::Watchdog watchdog(90000);
        bool bRan = false;
        CWnd::SetModalLoopHook([&](CWnd* pWnd) {
            if (CLoginDlgLayer* pLogin = dynamic_cast<CLoginDlgLayer*>(pWnd)) {
                if (m_onLoginWindow) m_onLoginWindow();
                LogIn(*pLogin);
                return;
            }
            CZELDlg* pDlg = dynamic_cast<CZELDlg*>(pWnd);
            if (!pDlg || bRan) return;
            bRan = true;
            script(*pDlg);
        });
        const SLoginRunResult login = RunLoginWindow(nullptr);
        EXPECT_EQ(login.result, ELoginResult::Success);
        INT_PTR nResult = -2;
        if (login.result == ELoginResult::Success) {
            CZELDlg dlg(nullptr);
            nResult = dlg.DoModal();
            EXPECT_TRUE(bRan);
            EXPECT_EQ(GetMainDlg(), nullptr) << "the main dialog is forgotten when it closes";
        }
        CWnd::SetModalLoopHook(nullptr);
        EXPECT_FALSE(watchdog.Fired()) << "the session hung";
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        return nResult;
    }
    void LogIn(CLoginDlgLayer& dlg)
    {
        ++m_nLogins;
        Type(::GetDlgItem(dlg.GetSafeHwnd(), IDC_LOGIN_ID), m_strUser.c_str());
        Type(::GetDlgItem(dlg.GetSafeHwnd(), IDC_LOGIN_PASSWORD), L"1234");
        Click(::GetDlgItem(dlg.GetSafeHwnd(), IDC_LOGIN_BUTTON));
        Drive([&] { return !dlg.ContinueModal(); }, 15000);
    }
    static bool WaitFrames(const char* server, const char* app, const char* msg, size_t count)
    {
        bool bDone = false;
        Drive([&] { return bDone = Frames(server, app, msg).size() >= count; }, 15000);
        return bDone;
    }
    // The connections the application server has taken so far.
    static size_t TasConnects()
    {
        Json::Value command;
        command["cmd"] = "log";
        command["server"] = "tas";
        command["kind"] = "connect";
        return Control(command)["records"].size();
    }
    std::vector<std::wstring> PopupTexts(POPUP_KIND kind) const
    {
        std::vector<std::wstring> out;
        for (const POPUP_QUESTION& q : m_popups)
            if (q.kind == kind) out.push_back(q.strText.GetString());
        return out;
    }

    std::wstring m_strPlacementFile;
    apptest::LanguageLibrary* m_pLanguage = nullptr;
    std::wstring m_strUser = L"kim";
    int m_nLogins = 0;
    std::vector<POPUP_QUESTION> m_popups;
    std::function<int(const POPUP_QUESTION&)> m_popupAnswer;
    // Called when a login window shows, before the user types.
    std::function<void()> m_onLoginWindow;
};

TEST_F(UiMainDlgTest, AfterTheLoginTheMainDialogShowsTheListConnectsAndEndsInOrder)
{
    bool bShot = false;
    Run([&](CZELDlg& dlg) {
        const HWND hDlg = dlg.GetSafeHwnd();
        EXPECT_EQ(GetMainDlg(), &dlg);
        EXPECT_TRUE(::IsWindowVisible(hDlg));
        wchar_t title[64] = {};
        ::GetWindowTextW(hDlg, title, 64);
        EXPECT_STREQ(title, L"Brindlecast");
        // No saved placement: the top-left corner at the minimum size.
        RECT rcWindow;
        ::GetWindowRect(hDlg, &rcWindow);
        EXPECT_EQ(rcWindow.left, 0);
        EXPECT_EQ(rcWindow.top, 0);
        EXPECT_EQ(rcWindow.right - rcWindow.left, ZEL_MIN_WIDTH);
        EXPECT_EQ(rcWindow.bottom - rcWindow.top, ZEL_MIN_HEIGHT);
        // The title bar over the top 80 pixels, the list screen under it, the others hidden.
        RECT rcClient;
        ::GetClientRect(hDlg, &rcClient);
        const RECT rcTitle = ChildRect(dlg.GetTitleWnd(), hDlg);
        EXPECT_EQ(rcTitle.top, 0);
        EXPECT_EQ(rcTitle.bottom, ZEL_TITLE_HEIGHT);
        EXPECT_EQ(rcTitle.right, rcClient.right);
        const RECT rcList = ChildRect(dlg.GetListWnd(), hDlg);
        EXPECT_EQ(rcList.top, ZEL_TITLE_HEIGHT);
        EXPECT_EQ(rcList.bottom, rcClient.bottom);
        EXPECT_TRUE(::IsWindowVisible(dlg.GetListWnd()->GetSafeHwnd()));
        EXPECT_FALSE(::IsWindowVisible(dlg.GetDetailWnd()->GetSafeHwnd()));
        EXPECT_FALSE(::IsWindowVisible(dlg.GetMeetingWnd()->GetSafeHwnd()));
        EXPECT_EQ(g_calls, std::vector<std::string>{"list.RefreshList()"});
        // The push key goes to the application server and opens the push session; the
        // synchronisation server named by the login reply is connected.
        EXPECT_TRUE(WaitFrames("push", "PPSE", "M00000001", 1)) << "no push session";
        EXPECT_TRUE(WaitFrames("tas", nullptr, "M00000034", 2)) << "the push key was not registered";
        EXPECT_TRUE(WaitFrames("tds", nullptr, "M00000001", 1)) << "no synchronisation session";
        // Enter and Esc never end the session.
        logintest::PressKey(hDlg, VK_RETURN);
        logintest::PressKey(hDlg, VK_ESCAPE);
        EXPECT_TRUE(dlg.ContinueModal());
        DriveFor(300);
        bShot = apptest::SaveScreenshot(hDlg, L"main_dialog");
        // The close box asks, then logs out and quits on the server's answer.
        dlg.PostMessage(WM_CLOSE);
        EXPECT_TRUE(DriveUntilQuit());
    });
    EXPECT_TRUE(bShot);
    ASSERT_EQ(PopupTexts(POPUP_OK_CANCEL).size(), 1u);
    EXPECT_EQ(PopupTexts(POPUP_OK_CANCEL)[0], LoadResourceText(IDS_EXIT_QUESTION).GetString());
    EXPECT_EQ(Frames("tas", nullptr, "M00000023").size(), 1u);
    EXPECT_GE(Frames("tds", nullptr, "M00000002").size(), 1u);
    RECT rcSaved{};
    EXPECT_GT(ReadWindowRectEntry(L"Rect", L"CZELDlg", &rcSaved, m_strPlacementFile.c_str()), 0)
        << "the placement is saved for the next start";
    EXPECT_EQ(rcSaved.right - rcSaved.left, ZEL_MIN_WIDTH);
}

TEST_F(UiMainDlgTest, ScreensSwitchByModeAndFullViewGivesTheMeetingTheWholeWindow)
{
    Run([&](CZELDlg& dlg) {
        const HWND hDlg = dlg.GetSafeHwnd();
        auto shown = [&](CWnd* p) { return ::IsWindowVisible(p->GetSafeHwnd()) != FALSE; };
        g_calls.clear();
        g_titleModes.clear();
        dlg.SetScreenMode(ZEL_MODE_DETAIL, L"101");
        EXPECT_EQ(dlg.GetScreenMode(), ZEL_MODE_DETAIL);
        EXPECT_TRUE(shown(dlg.GetDetailWnd()));
        EXPECT_FALSE(shown(dlg.GetListWnd()));
        EXPECT_FALSE(shown(dlg.GetMeetingWnd()));
        // The detail learns where it was entered from before it shows the meeting.
        EXPECT_EQ(g_calls, (std::vector<std::string>{"detail.ClosePopups()", "detail.SetPreviousMode(0)",
                                                      "detail.ShowMeeting(101)"}));
        // The title bar's chat button: the detail's chat pop-up.
        g_calls.clear();
        dlg.OnTitleChat();
        EXPECT_EQ(g_calls, std::vector<std::string>{"detail.ToggleChatPopup()"});

        g_calls.clear();
        dlg.SetScreenMode(ZEL_MODE_MEETING, L"101");
        EXPECT_TRUE(shown(dlg.GetMeetingWnd()));
        EXPECT_FALSE(shown(dlg.GetDetailWnd()));
        // The detail's pop-ups do not stay over the meeting screen, which enters the meeting.
        EXPECT_EQ(g_calls, (std::vector<std::string>{"detail.ClosePopups()", "meeting.EnterMeeting(101)"}));
        g_calls.clear();
        dlg.OnTitleChat();
        EXPECT_EQ(g_calls, std::vector<std::string>{"meeting.ToggleChat()"});
        EXPECT_EQ(dlg.GetMeetingLayer()->GetMeetingId(), CString(L"101"));
        EXPECT_EQ(g_titleModes, (std::vector<int>{ZEL_MODE_DETAIL, ZEL_MODE_MEETING}));
        apptest::SaveScreenshot(hDlg, L"main_dialog_meeting");

        // Full view: the meeting screen takes the whole client area without the title bar;
        // toggled again, the window gets its rectangle back.
        RECT rcBefore;
        ::GetWindowRect(hDlg, &rcBefore);
        dlg.OnTitleFullScreen();
        EXPECT_TRUE(dlg.IsKeyNavigationMode());
        EXPECT_FALSE(shown(dlg.GetTitleWnd()));
        RECT rcClient;
        ::GetClientRect(hDlg, &rcClient);
        RECT rcMeeting = ChildRect(dlg.GetMeetingWnd(), hDlg);
        EXPECT_EQ(rcMeeting.top, 0);
        EXPECT_EQ(rcMeeting.bottom, rcClient.bottom);
        // Esc's hide command only leaves full view.
        dlg.SendMessage(WM_COMMAND, ID_CMD_HIDE_WINDOW);
        EXPECT_FALSE(dlg.IsKeyNavigationMode());
        EXPECT_TRUE(::IsWindowVisible(hDlg));
        RECT rcAfter;
        ::GetWindowRect(hDlg, &rcAfter);
        EXPECT_TRUE(::EqualRect(&rcBefore, &rcAfter));
        rcMeeting = ChildRect(dlg.GetMeetingWnd(), hDlg);
        EXPECT_EQ(rcMeeting.top, ZEL_TITLE_HEIGHT);
        EXPECT_TRUE(shown(dlg.GetTitleWnd()));

        // The window is never tracked smaller than its minimum.
        MINMAXINFO mmi{};
        dlg.SendMessage(WM_GETMINMAXINFO, 0, (LPARAM)&mmi);
        EXPECT_EQ(mmi.ptMinTrackSize.x, ZEL_MIN_WIDTH);
        EXPECT_EQ(mmi.ptMinTrackSize.y, ZEL_MIN_HEIGHT);

        // Back from the meeting screen to the detail, from the detail to the list.
        g_calls.clear();
        dlg.OnTitleBack();
        EXPECT_EQ(dlg.GetScreenMode(), ZEL_MODE_DETAIL);
        dlg.OnTitleBack();
        EXPECT_EQ(dlg.GetScreenMode(), ZEL_MODE_LIST);
        EXPECT_TRUE(shown(dlg.GetListWnd()));
        // The meeting screen leaves its meeting before the detail shows it again; the detail is
        // left before the list shows.
        EXPECT_EQ(g_calls, (std::vector<std::string>{"meeting.Back()", "detail.ClosePopups()", "meeting.LeaveMeeting()",
                                                      "detail.SetPreviousMode(2)", "detail.ShowMeeting(101)",
                                                      "meeting.MarkMeetingEntered()", "detail.ClosePopups()",
                                                      "detail.LeaveDetail()", "list.RefreshList()"}));
        // The chat button on the list does nothing.
        g_calls.clear();
        dlg.OnTitleChat();
        EXPECT_TRUE(g_calls.empty());
        // A second refresh within half a second is ignored.
        g_calls.clear();
        dlg.OnTitleRefresh();
        dlg.OnTitleRefresh();
        EXPECT_EQ(g_calls, std::vector<std::string>{"list.RefreshList()"});

        // The wait cursor follows the screens' messages.
        dlg.SendMessage(WM_MAIN_WAIT_CURSOR_ON);
        EXPECT_EQ(dlg.GetWaitCursorCount(), 1);
        dlg.SendMessage(UWM_END_WAIT_CURSOR, 0, 0);
        EXPECT_EQ(dlg.GetWaitCursorCount(), 0);
        dlg.RequestLogout(TRUE);
        EXPECT_TRUE(DriveUntilQuit());
    });
}

TEST_F(UiMainDlgTest, QuittingInFullViewKeepsTheWindowsOwnRectangle)
{
    RECT rcBefore{};
    Run([&](CZELDlg& dlg) {
        dlg.SetScreenMode(ZEL_MODE_MEETING, L"101");
        ::GetWindowRect(dlg.GetSafeHwnd(), &rcBefore);
        dlg.OnTitleFullScreen();
        ASSERT_TRUE(dlg.IsKeyNavigationMode());
        dlg.RequestLogout(TRUE);
        EXPECT_TRUE(DriveUntilQuit());
    });
    RECT rcSaved{};
    ASSERT_GT(ReadWindowRectEntry(L"Rect", L"CZELDlg", &rcSaved, m_strPlacementFile.c_str()), 0);
    EXPECT_TRUE(::EqualRect(&rcSaved, &rcBefore)) << "saved " << rcSaved.right - rcSaved.left << " x "
                                                   << rcSaved.bottom - rcSaved.top << ", not the screen's size";
}

TEST_F(UiMainDlgTest, AScreenWithoutAMakerIsAnEmptyArea)
{
    SetScreenMakers(StandInMakers(false));
    Run([&](CZELDlg& dlg) {
        EXPECT_EQ(dlg.GetDetailLayer(), nullptr);
        dlg.SetScreenMode(ZEL_MODE_DETAIL, L"101");
        EXPECT_EQ(dlg.GetScreenMode(), ZEL_MODE_DETAIL);
        EXPECT_FALSE(::IsWindowVisible(dlg.GetListWnd()->GetSafeHwnd()));
        EXPECT_FALSE(::IsWindowVisible(dlg.GetMeetingWnd()->GetSafeHwnd()));
        dlg.RequestLogout(TRUE);
        EXPECT_TRUE(DriveUntilQuit());
    });
}

// Every push of the push table sent by the push server reaches the meeting screen shown, and
// the presenter's strokes from the synchronisation server reach its board.
TEST_F(UiMainDlgTest, PushesOfTheTableAndPresenterStrokesReachTheShownScreen)
{
    Run([&](CZELDlg& dlg) {
        ASSERT_TRUE(WaitFrames("push", "PPSE", "M00000001", 1)) << "no push session";
        ASSERT_TRUE(WaitFrames("tds", nullptr, "M00000001", 1)) << "no synchronisation session";
        dlg.SetScreenMode(ZEL_MODE_MEETING, L"101");
        g_calls.clear();
        Json::Value command;
        command["cmd"] = "push_sample";
        command["ids"].append("all");
        command["mtngId"] = "101";
        command["ids"] = Json::Value(Json::arrayValue);
        const char* ids[] = {"broadcasting:01", "broadcasting:02", "broadcasting:05", "broadcasting:06",
                             "broadcasting:18", "broadcasting:29", "synchronization:01", "synchronization:03",
                             "broadcasting:26"};
        for (const char* id : ids) command["ids"].append(id);
        Control(command);
        EXPECT_TRUE(Drive([&] { return dlg.GetScreenMode() == ZEL_MODE_LIST; }, 15000)) << "the last push leaves";
        EXPECT_TRUE(Called("meeting.OnMeetingStatusChanged(2)"));
        EXPECT_TRUE(Called("meeting.OnMeetingStatusChanged(4)"));
        EXPECT_TRUE(Called("meeting.OnSyncPagePush(101,D1011,3,1)"));
        EXPECT_TRUE(Called("meeting.ApplyPageCommand(D1011,1,2,3,2)"));
        EXPECT_TRUE(Called("meeting.EnableChat(0)"));
        EXPECT_TRUE(Called("meeting.OnChatPush(안녕하세요)"));
        EXPECT_TRUE(Called("title.SetChatBlink(1)"));
        // The forced share's question was answered: the screen follows the presenter.
        EXPECT_EQ(std::count_if(g_calls.begin(), g_calls.end(),
                                [](const std::string& c) { return c.rfind("meeting.SetFollowPresenter(101,", 0) == 0; }),
                  1);
        EXPECT_FALSE(PopupTexts(POPUP_TOAST).empty());
        EXPECT_FALSE(PopupTexts(POPUP_TRAY_NOTICE).empty());

        // Strokes: the shown meeting's page only, while the attendee follows the presenter.
        dlg.SetScreenMode(ZEL_MODE_MEETING, L"101");
        g_pMeeting->m_bPageSync = TRUE;
        g_calls.clear();
        const char* lines[] = {
            R"({"mtngId":"8","attachId":"D1011","page":"1","metaType":"1","content":"{\"line\":{\"lineId\":\"OTHER\"}}"})",
            R"({"mtngId":"101","attachId":"D1011","page":"1","metaType":"1","content":"{\"line\":{\"lineId\":\"L1\"}}"})",
            R"({"mtngId":"101","attachId":"D1011","page":"1","metaType":"1","content":"{\"line\":{\"lineId\":\"L1\",\"mode\":\"delete\"}}"})",
        };
        for (const char* data : lines) {
            Json::Value tds;
            tds["cmd"] = "tds";
            tds["action"] = "lines";
            tds["data"] = data;
            Control(tds);
        }
        Drive([&] { return g_calls.size() >= 2; }, 10000);
        DriveFor(300);
        EXPECT_EQ(g_calls, (std::vector<std::string>{"meeting.AddRemoteLine(1,L1)", "meeting.RemoveLine(1,L1)"}));
        dlg.RequestLogout(TRUE);
        EXPECT_TRUE(DriveUntilQuit());
    });
}

TEST_F(UiMainDlgTest, DuplicateLoginTellsTheUserLogsOutAndEnds)
{
    Run([&](CZELDlg& dlg) {
        ASSERT_TRUE(WaitFrames("push", "PPSE", "M00000001", 1)) << "no push session";
        g_calls.clear();
        Json::Value command;
        command["cmd"] = "push_sample";
        command["ids"].append("broadcasting:16");
        Control(command);
        EXPECT_TRUE(DriveUntilQuit());
        EXPECT_FALSE(dlg.IsPushBlocked()) << "the log-out reply lets pushes through again";
    });
    ASSERT_EQ(PopupTexts(POPUP_CONFIRM).size(), 1u);
    EXPECT_EQ(PopupTexts(POPUP_CONFIRM)[0], LoadResourceText(IDS_DUPLICATE_LOGIN).GetString());
    EXPECT_EQ(Frames("tas", nullptr, "M00000023").size(), 1u);
}

// J5: the lost connection's question (asked again while open), the reconnect, and the log-out
// that shows the login window again inside the running main dialog.
TEST_F(UiMainDlgTest, ReconnectQuestionThenLogOutAndLogInAgainInTheSameWindow)
{
    Run([&](CZELDlg& dlg) {
        const HWND hDlg = dlg.GetSafeHwnd();
        ASSERT_TRUE(WaitFrames("push", "PPSE", "M00000001", 1)) << "no push session";
        const size_t nTasConnects = TasConnects();
        // The first question stays open until the same question comes again; the second is
        // answered "reconnect", and the replaced first one must not end the program.
        int nAsked = 0;
        m_popupAnswer = [&](const POPUP_QUESTION& q) {
            if (q.strText != LoadResourceText(IDS_RECONNECT_QUESTION)) return 1;
            if (++nAsked == 1) {
                ::PostMessageW(hDlg, WM_TAS_CONNECTION_LOST, 0, 0);
                return 0;
            }
            return 1;
        };
        dlg.SendMessage(WM_TAS_CONNECTION_LOST);
        EXPECT_EQ(nAsked, 2);
        DriveFor(500);
        EXPECT_FALSE(QuitPending()) << "the replaced question ended the program";
        EXPECT_EQ(dlg.GetCurrentPopup(), nullptr);
        EXPECT_TRUE(Drive([&] { return TasConnects() > nTasConnects; }, 10000)) << "no new connection";

        // Log-out by the menu: the login window comes back, another user logs in, and the same
        // main dialog shows the list with fresh connections.
        m_popupAnswer = nullptr;
        m_strUser = L"lee";
        g_calls.clear();
        dlg.SetScreenMode(ZEL_MODE_DETAIL, L"101");
        dlg.SendMessage(WM_COMMAND, ID_CMD_LOGOUT);
        EXPECT_TRUE(Drive([&] { return m_nLogins == 2 && !dlg.IsLoggingOut() && ::IsWindowVisible(hDlg); }, 30000));
        EXPECT_EQ(dlg.GetScreenMode(), ZEL_MODE_LIST);
        EXPECT_TRUE(::IsWindowVisible(dlg.GetListWnd()->GetSafeHwnd()));
        EXPECT_EQ(dlg.GetUserId(), CString(L"1002"));
        EXPECT_TRUE(Called("list.RefreshList()"));
        EXPECT_TRUE(WaitFrames("push", "PPSE", "M00000001", 2)) << "no new push session";
        EXPECT_EQ(Frames("tas", nullptr, "M00000023").size(), 1u);
        EXPECT_FALSE(QuitPending());
        dlg.RequestLogout(TRUE);
        EXPECT_TRUE(DriveUntilQuit());
    });
    EXPECT_EQ(m_nLogins, 2);
    EXPECT_EQ(Frames("tas", nullptr, "M00000023").size(), 2u);
}

// The fatal notices: a socket error of code 0 is no error, the first real one is told once with
// a clear text and ends the session; the lost connection declined ends it too.
TEST_F(UiMainDlgTest, SocketErrorIsToldOnceAndEndsTheSession)
{
    apptest::BoxRecorder boxes;
    Run([&](CZELDlg& dlg) {
        dlg.SendMessage(WM_TAS_SOCKET_ERROR, 0, 0);
        EXPECT_FALSE(dlg.HadSocketError());
        EXPECT_TRUE(boxes.boxes.empty());
        dlg.PostMessage(WM_TAS_SOCKET_ERROR, 0, WSAECONNREFUSED);
        dlg.PostMessage(WM_TAS_SOCKET_ERROR, 0, WSAECONNRESET);
        EXPECT_TRUE(DriveUntilQuit());
        EXPECT_TRUE(dlg.HadSocketError());
        // After the error the close box ends the window without asking.
        dlg.SendMessage(WM_CLOSE);
    });
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, LoadResourceText(IDS_SOCKET_TIMEOUT).GetString());
    EXPECT_TRUE(PopupTexts(POPUP_OK_CANCEL).empty());
}

TEST_F(UiMainDlgTest, DecliningToReconnectEndsTheSession)
{
    m_popupAnswer = [](const POPUP_QUESTION&) { return 2; };
    Run([&](CZELDlg& dlg) {
        dlg.PostMessage(WM_TAS_CONNECTION_LOST);
        EXPECT_TRUE(DriveUntilQuit());
    });
    ASSERT_EQ(PopupTexts(POPUP_YES_NO).size(), 1u);
    EXPECT_EQ(PopupTexts(POPUP_YES_NO)[0], LoadResourceText(IDS_RECONNECT_QUESTION).GetString());
}

// The full view's button asks the private file box's document list again when the board shows one
// of its documents, on the way in and out; a meeting document asks nothing.
TEST_F(UiMainDlgTest, FullViewOfAFileBoxDocumentAsksItsListAgain)
{
    Run([&](CZELDlg& dlg) {
        dlg.SetScreenMode(ZEL_MODE_MEETING, L"101");
        for (const wchar_t* type : {L"20", L"10"}) {
            SCOPED_TRACE(Utf8(type));
            g_pMeeting->m_strCurrentMeetingType = type;
            g_calls.clear();
            dlg.OnTitleFullScreen();
            EXPECT_TRUE(dlg.IsKeyNavigationMode());
            dlg.OnTitleFullScreen();
            EXPECT_FALSE(dlg.IsKeyNavigationMode());
            const auto asked = std::count(g_calls.begin(), g_calls.end(), "meeting.RefreshDocumentList(20)");
            EXPECT_EQ(asked, CString(type) == L"20" ? 2 : 0);
        }
        g_pMeeting->m_strCurrentMeetingType = L"10";
        dlg.RequestLogout(TRUE);
        EXPECT_TRUE(DriveUntilQuit());
    });
}

// A reconnect question that another pop-up or a screen change closes is asked again: the answer
// still decides between connecting again and ending (before, nothing happened at all and the
// connection stayed down).
TEST_F(UiMainDlgTest, AReconnectQuestionClosedByAnotherIsAskedAgain)
{
    Run([&](CZELDlg& dlg) {
        const HWND hDlg = dlg.GetSafeHwnd();
        const size_t nTasConnects = TasConnects();
        int nAsked = 0;
        m_popupAnswer = [&](const POPUP_QUESTION& q) {
            if (q.strText != LoadResourceText(IDS_RECONNECT_QUESTION)) return 1;
            // The first time the user hides the window meanwhile, which closes what is open.
            if (++nAsked == 1) {
                ::PostMessageW(hDlg, WM_COMMAND, ID_CMD_HIDE_WINDOW, 0);
                return 0;
            }
            return 1;
        };
        dlg.SendMessage(WM_TAS_CONNECTION_LOST);
        EXPECT_EQ(nAsked, 2) << "the closed question was not asked again";
        DriveFor(300);
        EXPECT_FALSE(QuitPending());
        EXPECT_TRUE(Drive([&] { return TasConnects() > nTasConnects; }, 10000)) << "no new connection";
        m_popupAnswer = nullptr;
        dlg.SendMessage(WM_COMMAND, ID_CMD_RESTORE_WINDOW);
        dlg.RequestLogout(TRUE);
        EXPECT_TRUE(DriveUntilQuit());
    });
}

// The requests that end the session from outside: the close program's quit and the machine's
// suspend log out and end the program when the server has answered; the suspend is denied.
TEST_F(UiMainDlgTest, QuitRequestAndSuspendLogOutAndEnd)
{
    struct Row {
        UINT message;
        WPARAM wParam;
        LRESULT answer;
    };
    const Row rows[] = {{UWM_APP_CONTROL, APP_CONTROL_QUIT, 0}, {WM_POWERBROADCAST, PBT_APMSUSPEND, BROADCAST_QUERY_DENY}};
    size_t nLogouts = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.message);
        Run([&](CZELDlg& dlg) {
            // What does not end the session.
            EXPECT_EQ(dlg.SendMessage(UWM_APP_CONTROL, 0x605, 0), 0);
            EXPECT_EQ(dlg.SendMessage(WM_POWERBROADCAST, PBT_APMQUERYSUSPEND, 0), BROADCAST_QUERY_DENY);
            EXPECT_EQ(dlg.SendMessage(WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0), TRUE);
            DriveFor(300);
            EXPECT_FALSE(QuitPending());
            EXPECT_EQ(dlg.SendMessage(row.message, row.wParam, 0), row.answer);
            EXPECT_TRUE(DriveUntilQuit());
        });
        EXPECT_EQ(Frames("tas", nullptr, "M00000023").size(), ++nLogouts);
    }
}

// Hiding keeps the program in the tray and closes what is open; the restore command brings it
// back. The upgrade offer declined ends the program: the upgrade is not optional.
TEST_F(UiMainDlgTest, HideRestoreAndTheDeclinedUpgrade)
{
    m_popupAnswer = [](const POPUP_QUESTION& q) {
        return q.strText == LoadResourceText(IDS_UPGRADE_TEXT) ? 2 : 0;
    };
    Run([&](CZELDlg& dlg) {
        const HWND hDlg = dlg.GetSafeHwnd();
        dlg.SendMessage(WM_COMMAND, ID_CMD_HIDE_WINDOW);
        EXPECT_FALSE(::IsWindowVisible(hDlg));
        EXPECT_TRUE(dlg.IsHiddenOrMinimized());
        // A notice while hidden goes to the tray only.
        m_popups.clear();
        dlg.ShowAlert(L"숨긴 창의 알림");
        EXPECT_TRUE(PopupTexts(POPUP_TOAST).empty());
        ASSERT_EQ(PopupTexts(POPUP_TRAY_NOTICE).size(), 1u);
        dlg.SendMessage(WM_COMMAND, ID_CMD_RESTORE_WINDOW);
        EXPECT_TRUE(::IsWindowVisible(hDlg));
        m_popups.clear();
        dlg.ShowAlert(L"보이는 창의 알림");
        EXPECT_EQ(PopupTexts(POPUP_TOAST), std::vector<std::wstring>{L"보이는 창의 알림"});
        // The toast stands in the middle of the client area, wherever the window is.
        ::SetWindowPos(hDlg, nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        dlg.ShowAlert(L"옮긴 창의 알림");
        DriveFor(1700);
        RECT rcToast, rcClient;
        ::GetWindowRect(dlg.GetToast()->GetSafeHwnd(), &rcToast);
        ::GetClientRect(hDlg, &rcClient);
        ::MapWindowPoints(hDlg, nullptr, (POINT*)&rcClient, 2);
        EXPECT_NEAR((rcToast.left + rcToast.right) / 2, (rcClient.left + rcClient.right) / 2, 2);
        EXPECT_NEAR((rcToast.top + rcToast.bottom) / 2, (rcClient.top + rcClient.bottom) / 2, 30);

        // While the meeting screen follows the presenter, what would leave the page is refused.
        EXPECT_FALSE(dlg.CheckPageSyncBlocked());
        g_pMeeting->m_bPageSync = TRUE;
        m_popups.clear();
        EXPECT_TRUE(dlg.CheckPageSyncBlocked());
        EXPECT_EQ(PopupTexts(POPUP_TOAST), std::vector<std::wstring>{LoadResourceText(IDS_SYNC_BLOCKED).GetString()});
        g_pMeeting->m_bPageSync = FALSE;

        // The forced share's question shows the time without its date; a short time shows none.
        std::vector<std::wstring> contexts;
        m_popupAnswer = [&](const POPUP_QUESTION& q) {
            if (CYesNoPopup* p = dynamic_cast<CYesNoPopup*>(q.pPopup)) contexts.push_back(p->GetContext().GetString());
            return 1;
        };
        dlg.ShowForcedSharePopup(CString(), L"진행자 화면을 공유합니다.", L"202612101400", 0);
        dlg.ShowForcedSharePopup(CString(), L"진행자 화면을 공유합니다.", L"20261210", 0);
        EXPECT_EQ(contexts, (std::vector<std::wstring>{L"1400", L""}));
        m_popupAnswer = [](const POPUP_QUESTION& q) {
            return q.strText == LoadResourceText(IDS_UPGRADE_TEXT) ? 2 : 0;
        };

        CString strUrl = L"http://127.0.0.1:1/zel_upgrade.exe";
        dlg.SendMessage(WM_TAS_UPGRADE, 0, (LPARAM)&strUrl);
        EXPECT_TRUE(DriveUntilQuit());
    });
    ASSERT_FALSE(PopupTexts(POPUP_YES_NO).empty());
    EXPECT_EQ(PopupTexts(POPUP_YES_NO).back(), LoadResourceText(IDS_UPGRADE_TEXT).GetString());
}


// The floating drawing palette: hidden until the meeting screen shows, placed by the real title
// bar over the meeting screen's top row, and its buttons reach the meeting screen's board; on
// another screen, and while the window is hidden, it is out of sight and acts on nothing.
TEST_F(UiMainDlgTest, ThePaletteShowsOnTheMeetingScreenAndItsButtonsReachTheBoard)
{
    SScreenMakers makers = StandInMakers();
    makers.makeTitleBar = MakeTitleLayer;
    SetScreenMakers(makers);
    bool bShot = false;
    Run([&](CZELDlg& dlg) {
        const HWND hDlg = dlg.GetSafeHwnd();
        CDrawToolMain* pPalette = dlg.GetDrawToolMain();
        ASSERT_NE(pPalette, nullptr);
        ASSERT_TRUE(::IsWindow(pPalette->GetSafeHwnd()));
        EXPECT_EQ(dlg.GetDrawToolWnd(), pPalette);
        EXPECT_FALSE(pPalette->IsWindowVisible()) << "no palette over the list";

        dlg.SetScreenMode(ZEL_MODE_MEETING, L"101");
        DriveFor(100);
        EXPECT_TRUE(pPalette->IsWindowVisible());
        // In the title bar's lower row, inside the window.
        RECT rcPalette, rcDlg;
        pPalette->GetWindowRect(&rcPalette);
        ::GetWindowRect(hDlg, &rcDlg);
        EXPECT_GE(rcPalette.left, rcDlg.left);
        EXPECT_LE(rcPalette.right, rcDlg.right);
        EXPECT_GE(rcPalette.top, rcDlg.top + 40);
        EXPECT_LE(rcPalette.top, rcDlg.top + ZEL_TITLE_HEIGHT);
        // What the display shows once the window is painted and the palette put on top of it
        // again (under this test system a repaint of the see-through main window covers the
        // windows it owns).
        ::RedrawWindow(hDlg, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
        DriveFor(150);
        pPalette->ShowWindow(SW_HIDE);
        pPalette->ShowWindow(SW_SHOWNOACTIVATE);
        DriveFor(150);
        bShot = zeltest::SaveScreenPng(zeltest::BinaryDir() + L"\\screenshots\\main_dialog_palette.png", hDlg);

        struct Row {
            const wchar_t* button;
            std::vector<std::string> calls;
        };
        const std::string strPen = std::to_string(pPalette->Object(L"btnPen")->m_clrColor);
        const std::string strGreen = std::to_string(pPalette->Object(L"btnSelectedColor2")->m_clrColor);
        const Row rows[] = {
            {L"btnPen", {"board.SelectPenTool()", "board.SetColor(" + strPen + ")", "board.SetThickness(5)"}},
            {L"btnSelectedColor2", {"board.SetColor(" + strGreen + ")"}},
            {L"btnUndo", {"board.StepHistory(1)"}},
            {L"btnRedo", {"board.StepHistory(0)"}},
            {L"btnEraser", {"board.SelectEraserTool()"}},
            {L"btnMovemode", {"board.SelectPanTool()"}},
        };
        for (const Row& row : rows) {
            SCOPED_TRACE(Utf8(row.button));
            g_calls.clear();
            apptest::ClickObject(pPalette, pPalette->Object(row.button));
            DriveFor(50);
            EXPECT_EQ(g_calls, row.calls);
        }

        // Clearing the page from the eraser's pop-up asks first; declined, nothing is cleared.
        apptest::ClickObject(pPalette, pPalette->Object(L"btnEraser"));
        apptest::ClickObject(pPalette, pPalette->Object(L"btnEraser"));
        DriveFor(50);
        ASSERT_NE(pPalette->EraserPopup(), nullptr);
        int nAnswer = IDCANCEL;
        m_popupAnswer = [&](const POPUP_QUESTION&) { return nAnswer; };
        m_popups.clear();
        g_calls.clear();
        apptest::ClickObject(pPalette->EraserPopup(), pPalette->EraserPopup()->Object(L"btnOK"));
        DriveFor(100);
        EXPECT_EQ(PopupTexts(POPUP_YES_NO),
                  std::vector<std::wstring>{LoadResourceText(IDS_WBT_CLEAR_PAGE).GetString()});
        EXPECT_TRUE(g_calls.empty());
        // Confirmed by an attendee who does not lead: only this board's page is cleared.
        nAnswer = IDOK;
        g_calls.clear();
        dlg.OnClearPage(0);
        EXPECT_EQ(g_calls, std::vector<std::string>{"board.ClearCurrentPage()"});
        // The presenter who leads the others clears their copy of the page as well.
        CMeeting* pMeeting = CMeetingManager::GetInstance()->SetCurrentMeeting(L"101");
        Json::Value attendees(Json::arrayValue);
        attendees[0u]["userIdnfr"] = CLoginManager::GetInstance()->GetUserIdNumber();
        pMeeting->SetAttendees(attendees);
        pMeeting->SetPresenterById(CLoginManager::GetInstance()->GetUserIdNumber());
        ASSERT_TRUE(CMeetingManager::GetInstance()->IsPresenterMe());
        g_pMeeting->m_bPageSync = TRUE;
        dlg.OnClearPage(0);
        g_pMeeting->m_bPageSync = FALSE;
        EXPECT_TRUE(WaitFrames("tas", nullptr, "M00000030", 1)) << "the others' page was not cleared";
        const Json::Value clears = Frames("tas", nullptr, "M00000030");
        ASSERT_EQ(clears.size(), 1u);
        // The page of the document shown, with its drawing emptied.
        const std::string strClear = clears[0u].toStyledString();
        EXPECT_NE(strClear.find("D1011"), std::string::npos) << strClear;
        EXPECT_NE(strClear.find("101"), std::string::npos) << strClear;
        m_popupAnswer = nullptr;

        // Hidden with the window, back with it.
        dlg.SendMessage(WM_COMMAND, ID_CMD_HIDE_WINDOW);
        EXPECT_FALSE(pPalette->IsWindowVisible());
        dlg.SendMessage(WM_COMMAND, ID_CMD_RESTORE_WINDOW);
        DriveFor(50);
        EXPECT_TRUE(pPalette->IsWindowVisible());

        // Logging out from the meeting screen: no palette over the login window; after the log-in
        // the list shows without it.
        bool bPaletteOverLogin = true;
        m_onLoginWindow = [&] { bPaletteOverLogin = pPalette->IsWindowVisible() != FALSE; };
        dlg.SendMessage(WM_COMMAND, ID_CMD_LOGOUT);
        EXPECT_TRUE(Drive([&] { return m_nLogins == 2 && !dlg.IsLoggingOut() && ::IsWindowVisible(hDlg); }, 30000));
        m_onLoginWindow = nullptr;
        EXPECT_FALSE(bPaletteOverLogin);
        EXPECT_EQ(dlg.GetScreenMode(), ZEL_MODE_LIST);
        EXPECT_FALSE(pPalette->IsWindowVisible());

        // On the detail there is neither a palette nor a board to draw on.
        dlg.SetScreenMode(ZEL_MODE_DETAIL, L"101");
        DriveFor(50);
        EXPECT_FALSE(pPalette->IsWindowVisible());
        dlg.SendMessage(WM_COMMAND, ID_CMD_HIDE_WINDOW);
        dlg.SendMessage(WM_COMMAND, ID_CMD_RESTORE_WINDOW);
        EXPECT_FALSE(pPalette->IsWindowVisible()) << "restoring brings the palette back on the meeting screen only";
        g_calls.clear();
        pPalette->Click(L"btnPen");
        EXPECT_TRUE(std::none_of(g_calls.begin(), g_calls.end(),
                                 [](const std::string& c) { return c.rfind("board.", 0) == 0; }));
        dlg.RequestLogout(TRUE);
        EXPECT_TRUE(DriveUntilQuit());
    });
    EXPECT_TRUE(bShot);
}

// The signature command opens the signature window over the main dialog, in drawing mode while
// the user has no signature; a drawn signature confirmed becomes the user's signature file, and
// the next opening starts from that file.
TEST_F(UiMainDlgTest, TheSignatureCommandOpensTheSignatureWindowThatKeepsTheDrawnSignature)
{
    Run([&](CZELDlg& dlg) {
        const CString strSign = dlg.GetSignDataPath();
        ::DeleteFileW(strSign);
        dlg.SetScreenMode(ZEL_MODE_MEETING, L"101");
        dlg.SendMessage(WM_COMMAND, ID_CMD_SIGNATURE);
        CApprovalSignDlg* pSign = dlg.GetApprovalSignDlg();
        ASSERT_NE(pSign, nullptr);
        EXPECT_TRUE(pSign->IsWindowVisible());
        EXPECT_EQ(::GetWindow(pSign->GetSafeHwnd(), GW_OWNER), dlg.GetSafeHwnd());
        EXPECT_EQ(pSign->IsDrawingMode(), 1);
        // A stroke across the signature area, then OK.
        ASSERT_NE(pSign->GetCanvas(), nullptr);
        const RECT rc = pSign->GetCanvas()->GetRect();
        const HWND hSign = pSign->GetSafeHwnd();
        ::SendMessageW(hSign, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rc.left + 10, rc.top + 10));
        for (int i = 1; i <= 10; ++i)
            ::SendMessageW(hSign, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(rc.left + 10 + i * 8, rc.top + 10 + i * 3));
        ::SendMessageW(hSign, WM_LBUTTONUP, 0, MAKELPARAM(rc.left + 90, rc.top + 40));
        EXPECT_TRUE(pSign->GetCanvas()->HasStrokes());
        apptest::SaveScreenshot(hSign, L"main_dialog_signature");
        apptest::ClickObject(pSign, pSign->m_Screen.FindObject(L"btnOK"));
        DriveFor(50);
        EXPECT_FALSE(pSign->IsWindowVisible());
        EXPECT_NE(::GetFileAttributesW(strSign), INVALID_FILE_ATTRIBUTES) << "no signature file";

        // Opened again: a new window that shows the stored signature.
        dlg.SendMessage(WM_COMMAND, ID_CMD_SIGNATURE);
        CApprovalSignDlg* pAgain = dlg.GetApprovalSignDlg();
        ASSERT_NE(pAgain, nullptr);
        EXPECT_FALSE(::IsWindow(hSign)) << "the earlier window stays";
        EXPECT_TRUE(pAgain->IsWindowVisible());
        EXPECT_EQ(pAgain->IsDrawingMode(), 0);
        const HWND hAgain = pAgain->GetSafeHwnd();
        // A screen change closes it: it opens afresh the next time.
        dlg.SetScreenMode(ZEL_MODE_LIST, CString());
        EXPECT_EQ(dlg.GetApprovalSignDlg(), nullptr);
        EXPECT_FALSE(::IsWindow(hAgain));
        ::DeleteFileW(strSign);
        dlg.RequestLogout(TRUE);
        EXPECT_TRUE(DriveUntilQuit());
    });
}

// Opening the signature window again (or anything that closes the pop-ups) while its file chooser
// runs does not free the window under the chooser: it hides at once and goes once the chooser has
// returned, and the file chosen there reaches neither the new window nor the signature file.
TEST_F(UiMainDlgTest, TheSignatureWindowOutlivesItsFileChooser)
{
    Run([&](CZELDlg& dlg) {
        const CString strSign = dlg.GetSignDataPath();
        ::DeleteFileW(strSign);
        const std::wstring picture = zeltest::BinaryDir() + L"\\chosen_signature.png";
        ASSERT_TRUE(zeltest::WriteFileBytes(picture, "not read"));
        dlg.SetScreenMode(ZEL_MODE_MEETING, L"101");
        dlg.SendMessage(WM_COMMAND, ID_CMD_SIGNATURE);
        CApprovalSignDlg* pFirst = dlg.GetApprovalSignDlg();
        ASSERT_NE(pFirst, nullptr);
        const HWND hFirst = pFirst->GetSafeHwnd();
        bool bChose = false;
        CFileDialog::SetTestHook([&](CFileDialog& chooser) {
            bChose = true;
            dlg.SendMessage(WM_COMMAND, ID_CMD_SIGNATURE);
            EXPECT_TRUE(::IsWindow(hFirst)) << "the window was destroyed under its chooser";
            EXPECT_FALSE(::IsWindowVisible(hFirst));
            wcsncpy(chooser.m_ofn.lpstrFile, picture.c_str(), chooser.m_ofn.nMaxFile - 1);
            return (INT_PTR)IDOK;
        });
        apptest::ClickObject(pFirst, pFirst->m_Screen.FindObject(L"btnAdd"));
        CFileDialog::SetTestHook(nullptr);
        EXPECT_TRUE(bChose);
        Drive([&] { return !::IsWindow(hFirst); }, 2000);
        EXPECT_FALSE(::IsWindow(hFirst)) << "the retired window stays";
        CApprovalSignDlg* pSecond = dlg.GetApprovalSignDlg();
        ASSERT_NE(pSecond, nullptr);
        EXPECT_NE(pSecond->GetSafeHwnd(), hFirst);
        EXPECT_TRUE(pSecond->IsWindowVisible());
        EXPECT_EQ(pSecond->IsDrawingMode(), 1);
        EXPECT_EQ(pSecond->IsPicked(), 0);
        EXPECT_EQ(::GetFileAttributesW(strSign), INVALID_FILE_ATTRIBUTES);
        ::DeleteFileW(picture.c_str());
        dlg.RequestLogout(TRUE);
        EXPECT_TRUE(DriveUntilQuit());
    });
}

// The data box opens for the meeting of the screen shown (its page names it); the page's reload
// refreshes that screen. Ctrl+Q asks whether to end the program, as the close box does.
TEST_F(UiMainDlgTest, TheDataBoxOpensForTheShownMeetingAndCtrlQAsksToQuit)
{
    Run([&](CZELDlg& dlg) {
        std::vector<CString> urls;
        CWnd::SetModalLoopHook([&](CWnd* pWnd) {
            if (CINoteFileAdd* pBox = dynamic_cast<CINoteFileAdd*>(pWnd)) {
                urls.push_back(pBox->GetUrl());
                pBox->EndDialog(IDCANCEL);
            }
        });
        dlg.SetScreenMode(ZEL_MODE_DETAIL, L"101");
        dlg.SendMessage(WM_COMMAND, ID_CMD_ADD_DATA_BOX);
        dlg.SetScreenMode(ZEL_MODE_MEETING, L"102");
        dlg.OpenDataBox();
        ASSERT_EQ(urls.size(), 2u);
        EXPECT_GE(urls[0].Find(L"mtngId=101&"), 0) << Utf8(urls[0]);
        EXPECT_GE(urls[1].Find(L"mtngId=102&"), 0) << Utf8(urls[1]);
        CWnd::SetModalLoopHook(nullptr);

        dlg.SetScreenMode(ZEL_MODE_LIST, CString());
        m_popups.clear();
        m_popupAnswer = [](const POPUP_QUESTION&) { return IDCANCEL; };
        BYTE keys[256];
        ::GetKeyboardState(keys);
        const BYTE before = keys[VK_CONTROL];
        keys[VK_CONTROL] = 0x80;
        ::SetKeyboardState(keys);
        logintest::PressKey(dlg.GetSafeHwnd(), 'Q');
        keys[VK_CONTROL] = before;
        ::SetKeyboardState(keys);
        DriveFor(100);
        EXPECT_EQ(PopupTexts(POPUP_OK_CANCEL), std::vector<std::wstring>{LoadResourceText(IDS_EXIT_QUESTION).GetString()});
        // Without Ctrl the key is only a key.
        m_popups.clear();
        logintest::PressKey(dlg.GetSafeHwnd(), 'Q');
        EXPECT_TRUE(PopupTexts(POPUP_OK_CANCEL).empty());
        m_popupAnswer = nullptr;
        dlg.RequestLogout(TRUE);
        EXPECT_TRUE(DriveUntilQuit());
    });
}

// The program's wiring: the palette's buttons set the tool, colour, width and line type of the
// real meeting screen's board canvas (through its own drawing tool bar).
TEST_F(UiMainDlgTest, ThePalettesButtonsSetTheToolsOfTheRealMeetingBoard)
{
    SScreenMakers makers = StandInMakers();
    makers.makeTitleBar = MakeTitleLayer;
    makers.makeMeeting = MakeMeetingScreen;
    SetScreenMakers(makers);
    SetBoardBarMakers(WhiteboardToolMakers());
    SetMainDialogTools();
    Run([&](CZELDlg& dlg) {
        dlg.SetScreenMode(ZEL_MODE_MEETING, L"101");
        DriveFor(500);
        ASSERT_NE(g_pMeetingLayer, nullptr);
        CBoardLayer* pBoard = g_pMeetingLayer->GetBoardLayer();
        ASSERT_NE(pBoard, nullptr);
        CBoardDrawCtrl* pCanvas = pBoard->GetCanvas();
        ASSERT_NE(pCanvas, nullptr);
        CDrawToolMain* pPalette = dlg.GetDrawToolMain();
        ASSERT_NE(pPalette, nullptr);
        EXPECT_TRUE(pPalette->IsWindowVisible());

        apptest::ClickObject(pPalette, pPalette->Object(L"btnPen"));
        DriveFor(50);
        EXPECT_EQ(pCanvas->GetMode(), (int)CBoardDrawCtrl::kFreeLine);
        EXPECT_EQ(pCanvas->GetLineColor(), pPalette->Object(L"btnPen")->m_clrColor);
        EXPECT_EQ(pCanvas->GetLineWidth(), 5);
        const COLORREF blue = pPalette->Object(L"btnSelectedColor3")->m_clrColor;
        apptest::ClickObject(pPalette, pPalette->Object(L"btnSelectedColor3"));
        DriveFor(50);
        EXPECT_EQ(pCanvas->GetLineColor(), blue);
        // The thickness and line-type pop-ups report to the palette as their OK does.
        pPalette->SendMessage(WM_DRAWTOOL_POPUP_RESULT, 2, 7);
        EXPECT_EQ(pCanvas->GetLineWidth(), 7);
        pPalette->SendMessage(WM_DRAWTOOL_POPUP_RESULT, 3, 4);
        EXPECT_EQ(pCanvas->GetMode(), (int)CBoardDrawCtrl::kRect);
        apptest::ClickObject(pPalette, pPalette->Object(L"btnEraser"));
        DriveFor(50);
        EXPECT_EQ(pCanvas->GetMode(), (int)CBoardDrawCtrl::kEraser);
        apptest::ClickObject(pPalette, pPalette->Object(L"btnMovemode"));
        DriveFor(50);
        EXPECT_EQ(pCanvas->GetMode(), (int)CBoardDrawCtrl::kPan);
        dlg.RequestLogout(TRUE);
        EXPECT_TRUE(DriveUntilQuit());
    });
    SetBoardBarMakers(S_BOARD_BAR_MAKERS());
}

// A mouse press anywhere reaches the detail or the meeting screen shown (their pop-ups close on
// a press outside them); the list takes none.
TEST_F(UiMainDlgTest, MousePressesReachTheDetailAndTheMeetingScreen)
{
    Run([&](CZELDlg& dlg) {
        auto press = [&] {
            g_calls.clear();
            INPUT in[2] = {};
            in[0].type = in[1].type = INPUT_MOUSE;
            in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
            in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
            ::SetCursorPos(500, 300);
            ::SendInput(2, in, sizeof(INPUT));
            DriveFor(200);
            std::vector<std::string> raw;
            for (const std::string& c : g_calls)
                if (c.find("OnRawMouseInput") != std::string::npos) raw.push_back(c);
            return raw;
        };
        EXPECT_TRUE(press().empty());
        dlg.SetScreenMode(ZEL_MODE_DETAIL, L"101");
        EXPECT_EQ(press(), std::vector<std::string>{"detail.OnRawMouseInput(down)"});
        dlg.SetScreenMode(ZEL_MODE_MEETING, L"101");
        EXPECT_EQ(press(), std::vector<std::string>{"meeting.OnRawMouseInput(down)"});
        dlg.RequestLogout(TRUE);
        EXPECT_TRUE(DriveUntilQuit());
    });
}

// ---- The program as ZEL.exe composes it: real screens, panels, bars and hooks ----

// A rule for the application server's next answer(s) to a message (members of the answer's body
// set by "merge", the answer held back by "hold" ...).
Json::Value TasRule(const char* pszMessage)
{
    Json::Value rule;
    rule["cmd"] = "rule";
    rule["server"] = "tas";
    rule["msg"] = pszMessage;
    return rule;
}

// A click on a row of a side-panel strip, as a user's mouse would give it.
void ClickStripRow(CInfoPageStripCtrl* pStrip, int nRow)
{
    CRect rc;
    ListView_GetItemRect(pStrip->GetList()->GetSafeHwnd(), nRow, &rc, LVIR_BOUNDS);
    const CPoint pt(rc.left + 40, rc.top + rc.Height() / 2);
    skintest::PostMouse(pStrip->GetList()->GetSafeHwnd(), WM_LBUTTONDOWN, pt.x, pt.y, MK_LBUTTON);
    skintest::PostMouse(pStrip->GetList()->GetSafeHwnd(), WM_LBUTTONUP, pt.x, pt.y, 0);
    DriveFor(100);
}

using uitest::FindDescendant;

bool IsChecked(HWND bar, int id)
{
    return ::SendMessageW(::GetDlgItem(bar, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// The full view's presenter toolbar over the meeting board, slid open by the pointer at the
// canvas' top edge as a user opens it; null when it did not open.
HWND OpenPresenterToolbar(CZELDlg& dlg, CBoardDrawCtrl* pCanvas)
{
    HWND fullView = FindDescendant(dlg.GetSafeHwnd(), 34580);
    if (!uitest::IsShown(fullView)) return nullptr;
    Click(fullView);
    DriveFor(500);
    HWND toolbar = ::GetParent(FindDescendant(pCanvas->GetSafeHwnd(), 32712));
    RECT rc;
    pCanvas->GetClientRect(&rc);
    skintest::SendMouse(pCanvas->GetSafeHwnd(), WM_MOUSEMOVE, rc.right / 2, 0);
    Drive([&] {
        RECT bar;
        return uitest::IsShown(toolbar) && ::GetWindowRect(toolbar, &bar) && bar.bottom - bar.top == 34;
    }, 5000);
    return uitest::IsShown(toolbar) ? toolbar : nullptr;
}

class UiProgramTest : public UiMainDlgTest {
protected:
    void SetUp() override
    {
        UiMainDlgTest::SetUp();
        SetProgramScreens();
    }
    void TearDown() override
    {
        SetLoginShellHooks(SLoginShellHooks());
        SetMeetingPanelMakers(SMeetingPanelMakers());
        SetDetailScreenHooks(SDetailScreenHooks());
        SetBoardBarMakers(S_BOARD_BAR_MAKERS());
        UiMainDlgTest::TearDown();
    }
    // Logs in, opens the meeting from the list as a user does (its detail, then the meeting screen),
    // waits for its first document on the board, runs the script and logs out.
    void InMeeting(const wchar_t* pszMeeting, const wchar_t* pszDocument,
                   const std::function<void(CZELDlg&, CMeetingLayer*)>& script)
    {
        Run([&](CZELDlg& dlg) {
            Drive([&] { return CMeetingManager::GetInstance()->FindMeeting(pszMeeting) != nullptr; }, 15000);
            dlg.SetScreenMode(ZEL_MODE_DETAIL, pszMeeting);
            DriveFor(500);
            dlg.SetScreenMode(ZEL_MODE_MEETING, pszMeeting);
            CMeetingLayer* pMeeting = dynamic_cast<CMeetingLayer*>(dlg.GetMeetingLayer());
            if (pMeeting) Drive([&] { return BoardShows(pMeeting, pszDocument, 1); }, 30000);
            EXPECT_TRUE(pMeeting && BoardShows(pMeeting, pszDocument, 1)) << "the meeting's first page did not come";
            if (pMeeting && BoardShows(pMeeting, pszDocument, 1)) script(dlg, pMeeting);
            dlg.RequestLogout(TRUE);
            EXPECT_TRUE(DriveUntilQuit());
        });
    }
    // An approval meeting (type 14) with the user's own approval pending and his signature file
    // written: the script gets the board's information bar with its approval selector shown.
    void InApprovalMeeting(const std::function<void(CZELDlg&, CMeetingLayer*, CBoardInfoCtrl*, ZELComboBox*)>& script)
    {
        Json::Value rule;
        rule["cmd"] = "rule";
        rule["msg"] = "M00000005";
        rule["merge"]["mtngMeetingType"] = "14";
        rule["count"] = 50;
        Control(rule);
        InMeeting(L"101", L"D1011", [&](CZELDlg& dlg, CMeetingLayer* pMeeting) {
            CBoardInfoCtrl* pBar = dynamic_cast<CBoardInfoCtrl*>(pMeeting->GetBoardLayer()->GetInfoBar());
            ASSERT_NE(pBar, nullptr);
            ZELComboBox* pCombo = pBar->ApprovalCombo();
            Drive([&] { return pCombo->IsWindowVisible() != FALSE; }, 15000);
            ASSERT_TRUE(pCombo->IsWindowVisible()) << "the pending approval did not reach the information bar";
            const CString strSign = dlg.GetSignDataPath();
            ::CreateDirectoryW(strSign.Left(strSign.ReverseFind(L'\\')), nullptr);
            ASSERT_TRUE(zeltest::WriteFileBytes(strSign.GetString(), "the user's signature picture"));
            script(dlg, pMeeting, pBar, pCombo);
            ::DeleteFileW(strSign);
        });
        Command("clear_rules");
    }
    // The selection as Windows reports a choice in the drop-down list.
    static void ChooseApproval(CBoardInfoCtrl* pBar, ZELComboBox* pCombo, int nItem)
    {
        pCombo->SetCurSel(nItem);
        pBar->SendMessage(WM_COMMAND, MAKEWPARAM(CBoardInfoCtrl::kApprovalCombo, CBN_SELCHANGE), (LPARAM)pCombo->GetSafeHwnd());
    }
    static bool BoardShows(CMeetingLayer* pMeeting, const wchar_t* pszDocument, int nPage)
    {
        CBoardLayer* pBoard = pMeeting->GetBoardLayer();
        const auto pPage = pBoard ? pBoard->GetPageManager().GetPage(nPage) : nullptr;
        return pMeeting->GetCurrentDocumentId() == pszDocument && pPage && pPage->HasImage() &&
               pBoard->GetCanvas()->GetPageNumber() == nPage;
    }
};

// What ZEL.exe sets before its first window: no screen, panel, bar or dialog of the login window
// is left to "absent".
TEST_F(UiProgramTest, TheProgramsCompositionLeavesNoMakerOrHookEmpty)
{
    const SScreenMakers& screens = GetScreenMakers();
    EXPECT_TRUE(screens.makeTitleBar && screens.makeList && screens.makeDetail && screens.makeMeeting);
    const SLoginShellHooks& login = GetLoginShellHooks();
    EXPECT_TRUE(login.runServerSettings);
    EXPECT_TRUE(login.showAnnouncement);
    EXPECT_TRUE(login.runUpgrade);
    const SMeetingPanelMakers& panels = GetMeetingPanelMakers();
    EXPECT_TRUE(panels.makeInfoLayer && panels.makeChatPanel && panels.makeMinutesList);
    const SDetailScreenHooks& detail = GetDetailScreenHooks();
    EXPECT_TRUE(detail.makeMemberPanel && detail.makeChatControl);
    const S_BOARD_BAR_MAKERS& bars = GetBoardBarMakers();
    EXPECT_TRUE(bars.makeInfoBar && bars.makeOptBar && bars.makeDrawToolBar && bars.makeMemoLayer &&
                bars.makeNavigator && bars.makeStickyNote && bars.confirmApproval);
    std::unique_ptr<IBoardDrawing> pDrawing(MakeBoardDrawing());
    EXPECT_NE(pDrawing, nullptr);
}

// The side panel's thumbnails and bookmarks reach the board only through the main dialog: a
// click on a thumbnail turns the board's page, and the main dialog answers the board's page.
TEST_F(UiProgramTest, AThumbnailClickTurnsTheMeetingBoardsPage)
{
    InMeeting(L"101", L"D1011", [&](CZELDlg& dlg, CMeetingLayer* pMeeting) {
        CBoardLayer* pBoard = pMeeting->GetBoardLayer();
        EXPECT_EQ(dlg.GetBoardLayerHwnd(), pBoard->GetSafeHwnd());
        EXPECT_EQ(dlg.GetBoardCurrentPage(), 1);
        CInfoLayer* pInfo = dynamic_cast<CInfoLayer*>(pMeeting->GetInfoWnd());
        ASSERT_NE(pInfo, nullptr);
        CInfoThumbnailCtrl* pThumbs = pInfo->GetThumbnailCtrl();
        Drive([&] { return pThumbs->GetRowPages().size() >= 3; }, 15000);
        ASSERT_GE(pThumbs->GetRowPages().size(), 3u);
        ClickStripRow(pThumbs, 2);
        Drive([&] { return BoardShows(pMeeting, L"D1011", 3); }, 15000);
        EXPECT_TRUE(BoardShows(pMeeting, L"D1011", 3));
        EXPECT_EQ(dlg.GetBoardCurrentPage(), 3);
        EXPECT_EQ(dlg.GetBoardOptPageIndex(), 3);
    });
}

// The option bar's favourite check asks the server, and its answer reaches the board and the side
// panel: the page changes its mark and its bookmark row comes or goes. A second click undoes it.
TEST_F(UiProgramTest, TheFavouriteCheckMarksTheBoardsPageAndItsBookmark)
{
    InMeeting(L"101", L"D1011", [&](CZELDlg&, CMeetingLayer* pMeeting) {
        CBoardLayer* pBoard = pMeeting->GetBoardLayer();
        CBoardOptCtrl* pOpt = dynamic_cast<CBoardOptCtrl*>(pBoard->GetOptBar());
        ASSERT_NE(pOpt, nullptr);
        CInfoLayer* pInfo = dynamic_cast<CInfoLayer*>(pMeeting->GetInfoWnd());
        ASSERT_NE(pInfo, nullptr);
        CInfoBookMarkCtrl* pMarks = pInfo->GetBookmarkCtrl();
        CxSkinButton* pCheck = pOpt->Button(CBoardOptCtrl::kFavorite);
        ASSERT_TRUE(pCheck && pCheck->IsWindowVisible() && pCheck->IsWindowEnabled());
        const auto pPage = pBoard->GetPageManager().GetPage(1);
        ASSERT_NE(pPage, nullptr);
        // The server keeps favourites between runs: each click turns the page's mark over.
        for (int nClick = 0; nClick < 2; ++nClick) {
            SCOPED_TRACE(nClick);
            const BOOL bWas = pPage->IsFavorite();
            const size_t nAsked = Frames("tas", nullptr, "M00000078").size();
            DriveFor(200);   // page moves and favourite toggles closer than 100 ms are dropped
            Click(pCheck->GetSafeHwnd());
            ASSERT_TRUE(WaitFrames("tas", nullptr, "M00000078", nAsked + 1));
            const Json::Value asked = Frames("tas", nullptr, "M00000078")[(Json::ArrayIndex)nAsked];
            EXPECT_EQ(asked["body"]["favoriteYn"].asString(), bWas ? "N" : "Y");
            EXPECT_EQ(asked["body"]["attcFileId"].asString(), "D1011");
            const auto hasRow = [&] {
                const std::vector<int> rows = pMarks->GetRowPages();
                return std::find(rows.begin(), rows.end(), 1) != rows.end();
            };
            Drive([&] { return pPage->IsFavorite() != bWas && hasRow() != (bWas != FALSE); }, 10000);
            EXPECT_NE(pPage->IsFavorite(), bWas) << "the answer did not reach the board";
            EXPECT_NE(hasRow(), bWas != FALSE) << "the bookmarks did not follow";
            EXPECT_EQ(pCheck->GetCheck() == BST_CHECKED, pPage->IsFavorite() != FALSE);
            EXPECT_TRUE(pCheck->IsWindowEnabled());
        }
    });
}

// A page reply that brings its picture (M00000011) reaches the board: the page takes the picture
// and then asks for the page's image reply, which brings its stored drawing. A reply of another
// document asks nothing; one with an error text says it.
TEST_F(UiProgramTest, APageWithItsPictureReachesTheBoard)
{
    InMeeting(L"101", L"D1011", [&](CZELDlg&, CMeetingLayer* pMeeting) {
        CBoardLayer* pBoard = pMeeting->GetBoardLayer();
        Drive([&] { return !pBoard->IsLoadingImages(); }, 20000);
        const auto pageAsks = [](const char* doc, int nPage) {
            size_t n = 0;
            for (const Json::Value& f : Frames("tas", nullptr, "M00000024"))
                if (f["body"]["attcFileId"].asString() == doc && f["body"]["page"].asInt() == nPage) ++n;
            return n;
        };
        const size_t nAsked = pageAsks("D1011", 5);
        CTasClientManager::GetInstance()->RequestM00000011(L"101", L"D1011", L"", L"", L"0", 5);
        EXPECT_TRUE(Drive([&] { return pageAsks("D1011", 5) == nAsked + 1; }, 10000))
            << "the page reply did not reach the board";
        EXPECT_TRUE(pBoard->GetPageManager().GetPage(5)->HasImage());

        // Another document's reply is old: nothing is asked for it.
        CTasClientManager::GetInstance()->RequestM00000011(L"101", L"D1012", L"", L"", L"0", 2);
        ASSERT_TRUE(WaitFrames("tas", nullptr, "M00000011", 2));
        DriveFor(500);
        EXPECT_EQ(pageAsks("D1012", 2), 0u);

        // An error text is told in the main dialog's pop-up.
        Json::Value rule = TasRule("M00000011");
        rule["body"]["errMsg"] = "문서를 찾을 수 없습니다.";
        Control(rule);
        m_popups.clear();
        CTasClientManager::GetInstance()->RequestM00000011(L"101", L"D1011", L"", L"", L"0", 6);
        Drive([&] { return !PopupTexts(POPUP_CONFIRM).empty(); }, 10000);
        EXPECT_EQ(PopupTexts(POPUP_CONFIRM), std::vector<std::wstring>{L"문서를 찾을 수 없습니다."});
    });
}

// A meeting the server answers as ended: its detail and attendee replies say status 04.
class UiEndedMeetingTest : public UiProgramTest {
protected:
    void SetUp() override
    {
        UiProgramTest::SetUp();
        for (const char* msg : {"M00000004", "M00000005"}) {
            Json::Value rule = TasRule(msg);
            rule["merge"]["mtngStatus"] = "04";
            rule["count"] = 100;
            Control(rule);
        }
    }
};

// In an ended meeting the option bar's mode button goes through the user's own drawing, the
// shared one and the bare page. Choosing the bare page (or, from the full view's bar, a report
// receiver's drawing) ends the sharing and keeps the chosen view on the canvas and the option bar;
// the receiver's view also shows the page's favourite mark.
TEST_F(UiEndedMeetingTest, ChoosingTheBarePageKeepsItOnTheCanvasAndTheOptionBar)
{
    InMeeting(L"101", L"D1011", [&](CZELDlg&, CMeetingLayer* pMeeting) {
        ASSERT_TRUE(pMeeting->IsMeetingClosed());
        CBoardLayer* pBoard = pMeeting->GetBoardLayer();
        CBoardOptCtrl* pOpt = dynamic_cast<CBoardOptCtrl*>(pBoard->GetOptBar());
        ASSERT_NE(pOpt, nullptr);
        CBoardDrawCtrl* pCanvas = pBoard->GetCanvas();
        ASSERT_EQ(pOpt->GetMode(), 1) << "an ended meeting opens on the user's own drawing";
        const auto clickMode = [&](int nMode) {
            CxSkinButton* pButton = pOpt->Button(CBoardOptCtrl::kModeIds[nMode]);
            ASSERT_TRUE(pButton && pButton->IsWindowVisible() && pButton->IsWindowEnabled()) << nMode;
            Click(pButton->GetSafeHwnd());
            DriveFor(200);
        };
        clickMode(1);
        EXPECT_EQ(pOpt->GetMode(), 0);
        EXPECT_EQ(pCanvas->GetBoardView(), CBoardDrawCtrl::kViewShared);
        clickMode(0);
        EXPECT_EQ(pOpt->GetMode(), 2) << "the bar went back to the user's own drawing";
        EXPECT_TRUE(pOpt->Button(CBoardOptCtrl::kModeIds[2])->IsWindowVisible());
        EXPECT_EQ(pCanvas->GetBoardView(), CBoardDrawCtrl::kViewImage) << "the canvas shows a drawing";
        EXPECT_FALSE(pMeeting->IsPageSync());

        // The receiver's drawing, as the full view's bar asks for it: the favourite check shows
        // the page's mark again (here turned over behind the bar's back).
        const auto pPage = pBoard->GetPageManager().GetPage(pBoard->GetCurrentPage());
        ASSERT_NE(pPage, nullptr);
        pPage->SetFavorite(!pPage->IsFavorite());
        pBoard->OnSyncCommand(3);
        DriveFor(100);
        EXPECT_EQ(pOpt->GetMode(), 3);
        EXPECT_EQ(pCanvas->GetBoardView(), CBoardDrawCtrl::kViewThird);
        EXPECT_EQ(pOpt->Button(CBoardOptCtrl::kFavorite)->GetCheck() == BST_CHECKED, pPage->IsFavorite() != FALSE);
        pPage->SetFavorite(!pPage->IsFavorite());
    });
}

// An ended meeting opens on the user's own drawing with his tools; entered from a document's
// feedback on the detail screen it is only looked at: the receiver's drawing, the mode buttons and
// the palette disabled, the sticky notes read-only.
TEST_F(UiEndedMeetingTest, AnEndedMeetingEnteredForAFeedbackIsOnlyLookedAt)
{
    const struct {
        int nEntry;
        int nMode;
        int nView;
        BOOL bUsable;
    } cases[] = {
        {0, 1, CBoardDrawCtrl::kViewOwn, TRUE},
        {1, 3, CBoardDrawCtrl::kViewThird, FALSE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nEntry);
        Run([&](CZELDlg& dlg) {
            Drive([&] { return CMeetingManager::GetInstance()->FindMeeting(L"101") != nullptr; }, 15000);
            dlg.SetScreenMode(ZEL_MODE_DETAIL, L"101");
            DriveFor(500);
            dlg.GetMeetingLayer()->SetEntryDocument(CString(L"D1011"), c.nEntry);
            dlg.SetScreenMode(ZEL_MODE_MEETING, L"101");
            CMeetingLayer* pMeeting = dynamic_cast<CMeetingLayer*>(dlg.GetMeetingLayer());
            ASSERT_NE(pMeeting, nullptr);
            Drive([&] { return BoardShows(pMeeting, L"D1011", 1); }, 30000);
            ASSERT_TRUE(BoardShows(pMeeting, L"D1011", 1));
            DriveFor(200);
            CBoardLayer* pBoard = pMeeting->GetBoardLayer();
            CBoardOptCtrl* pOpt = dynamic_cast<CBoardOptCtrl*>(pBoard->GetOptBar());
            ASSERT_NE(pOpt, nullptr);
            EXPECT_EQ(pOpt->GetMode(), c.nMode);
            EXPECT_EQ(pBoard->GetCanvas()->GetBoardView(), c.nView);
            EXPECT_EQ(pOpt->Button(CBoardOptCtrl::kModeIds[c.nMode])->IsWindowEnabled(), c.bUsable);
            CDrawToolMain* pPalette = dynamic_cast<CDrawToolMain*>(dlg.GetDrawToolWnd());
            ASSERT_NE(pPalette, nullptr);
            EXPECT_EQ(pPalette->AreToolsEnabled(), c.bUsable);
            CStickyNoteDlg* pNotes = dynamic_cast<CStickyNoteDlg*>(pBoard->GetStickyNote());
            ASSERT_NE(pNotes, nullptr);
            EXPECT_EQ(pNotes->IsLocked(), !c.bUsable);
            dlg.RequestLogout(TRUE);
            EXPECT_TRUE(DriveUntilQuit());
        });
    }
}

// An ended meeting without documents tells so on the canvas instead of waiting for a page.
TEST_F(UiEndedMeetingTest, AnEndedMeetingWithoutDocumentsSaysThereIsNothingToShow)
{
    Command("clear_rules");
    for (const char* msg : {"M00000004", "M00000005", "M00000008"}) {
        Json::Value rule = TasRule(msg);
        rule["merge"]["mtngStatus"] = "04";
        rule["merge"]["list"] = Json::Value(Json::arrayValue);
        rule["count"] = 100;
        if (std::string(msg) == "M00000004") rule["merge"].removeMember("list");
        Control(rule);
    }
    Run([&](CZELDlg& dlg) {
        Drive([&] { return CMeetingManager::GetInstance()->FindMeeting(L"101") != nullptr; }, 15000);
        dlg.SetScreenMode(ZEL_MODE_DETAIL, L"101");
        DriveFor(500);
        dlg.SetScreenMode(ZEL_MODE_MEETING, L"101");
        CMeetingLayer* pMeeting = dynamic_cast<CMeetingLayer*>(dlg.GetMeetingLayer());
        ASSERT_NE(pMeeting, nullptr);
        CBoardDrawCtrl* pCanvas = pMeeting->GetBoardLayer()->GetCanvas();
        Drive([&] { return pMeeting->IsMeetingClosed() && pCanvas->GetLoading()->GetState() == 7; }, 15000);
        EXPECT_TRUE(pMeeting->IsMeetingClosed());
        EXPECT_TRUE(pMeeting->GetCurrentDocumentId().IsEmpty());
        EXPECT_TRUE(pCanvas->IsLoadingShown());
        EXPECT_EQ(pCanvas->GetLoading()->GetState(), 7);
        dlg.RequestLogout(TRUE);
        EXPECT_TRUE(DriveUntilQuit());
    });
}

// The side panel's information view shows the meeting the detail reply describes: its title,
// place and summary.
TEST_F(UiProgramTest, TheInformationViewShowsTheMeetingsDetail)
{
    InMeeting(L"101", L"D1011", [&](CZELDlg&, CMeetingLayer* pMeeting) {
        CInfoLayer* pInfo = dynamic_cast<CInfoLayer*>(pMeeting->GetInfoWnd());
        ASSERT_NE(pInfo, nullptr);
        pInfo->ShowPanel(TRUE, FALSE);
        pInfo->ShowMainTab();
        DriveFor(300);
        const S_MEETING_INFO& info = pInfo->GetInfoShowCtrl()->GetRecords().m_info;
        EXPECT_EQ(info.strTitle, CString(L"2분기 업무보고 회의"));
        EXPECT_EQ(info.strRoom, CString(L"본관 3층 대회의실"));
        EXPECT_FALSE(info.strStartYmd.IsEmpty());
    });
}

// The presenter's sharing as the page-sync answers steer it: the share button's answer starts it
// (string 144, the bar in mode 4), and an answer that names no page ends it (string 143, mode 5).
TEST_F(UiProgramTest, ThePresentersShareStartsOnItsAnswerAndEndsOnAnAnswerWithoutPage)
{
    InMeeting(L"101", L"D1011", [&](CZELDlg&, CMeetingLayer* pMeeting) {
        ASSERT_TRUE(CMeetingManager::GetInstance()->IsPresenterMe());
        CBoardLayer* pBoard = pMeeting->GetBoardLayer();
        CBoardOptCtrl* pOpt = dynamic_cast<CBoardOptCtrl*>(pBoard->GetOptBar());
        ASSERT_NE(pOpt, nullptr);
        ASSERT_EQ(pOpt->GetMode(), 5);
        const size_t nAsked = Frames("tas", nullptr, "M00000015").size();
        m_popups.clear();
        Click(pOpt->Button(CBoardOptCtrl::kModeIds[7])->GetSafeHwnd());
        Drive([&] { return pMeeting->IsPageSync() != FALSE; }, 10000);
        EXPECT_TRUE(pMeeting->IsPageSync());
        EXPECT_EQ(pOpt->GetMode(), 4);
        EXPECT_EQ(PopupTexts(POPUP_TOAST), std::vector<std::wstring>{LoadResourceText(IDS_SHARE_STARTED).GetString()});
        // The share's request first (the page it shows may be shared after it).
        const Json::Value asked = Frames("tas", nullptr, "M00000015");
        ASSERT_GT(asked.size(), nAsked);
        EXPECT_TRUE(asked[(Json::ArrayIndex)nAsked]["body"]["syncYn"].asBool());
        EXPECT_TRUE(asked[(Json::ArrayIndex)nAsked]["body"]["startShareYn"].asBool());

        // The next page is shared; the server answers with page 0.
        Json::Value rule = TasRule("M00000015");
        rule["merge"]["page"] = 0;
        Control(rule);
        m_popups.clear();
        DriveFor(200);
        Click(pOpt->Button(CBoardOptCtrl::kNextPage)->GetSafeHwnd());
        Drive([&] { return !pMeeting->IsPageSync(); }, 10000);
        EXPECT_FALSE(pMeeting->IsPageSync());
        EXPECT_EQ(pOpt->GetMode(), 5);
        EXPECT_EQ(PopupTexts(POPUP_TOAST), std::vector<std::wstring>{LoadResourceText(IDS_SHARE_NO_PAGE).GetString()});
        // The server still has the share the answer ended here: it ends there too, or the next
        // entry into the meeting would find the presenter sharing.
        const size_t nSent = Frames("tas", nullptr, "M00000015").size();
        CTasClientManager::GetInstance()->RequestM00000015(L"101", L"D1011", FALSE, 0, FALSE, FALSE, FALSE);
        EXPECT_TRUE(WaitFrames("tas", nullptr, "M00000015", nSent + 1));
        DriveFor(300);
    });
}

// A follower whom the presenter takes to the meeting's whiteboard gets the whiteboard's buttons on
// the option bar (close and add page instead of open and favourite) with the side panel's
// whiteboard view.
TEST_F(UiProgramTest, FollowingThePresenterOntoTheWhiteboardShowsTheWhiteboardsButtons)
{
    m_strUser = L"lee";
    InMeeting(L"101", L"D1011", [&](CZELDlg&, CMeetingLayer* pMeeting) {
        CBoardLayer* pBoard = pMeeting->GetBoardLayer();
        CBoardOptCtrl* pOpt = dynamic_cast<CBoardOptCtrl*>(pBoard->GetOptBar());
        ASSERT_NE(pOpt, nullptr);
        ASSERT_EQ(pOpt->GetMode(), 5);
        EXPECT_TRUE(pOpt->Button(CBoardOptCtrl::kFavorite)->IsWindowVisible());
        Json::Value rule = TasRule("M00000021");
        rule["merge"]["attcFileId"] = "W1011";
        rule["merge"]["page"] = 1;
        Control(rule);
        Click(pOpt->Button(CBoardOptCtrl::kModeIds[7])->GetSafeHwnd());
        Drive([&] { return BoardShows(pMeeting, L"W1011", 1) && pMeeting->IsPageSync(); }, 15000);
        ASSERT_TRUE(BoardShows(pMeeting, L"W1011", 1)) << "the follower did not reach the whiteboard";
        EXPECT_TRUE(pOpt->Button(CBoardOptCtrl::kWhiteboardClose)->IsWindowVisible());
        EXPECT_TRUE(pOpt->Button(CBoardOptCtrl::kAddPage)->IsWindowVisible());
        EXPECT_FALSE(pOpt->Button(CBoardOptCtrl::kWhiteboardOpen)->IsWindowVisible());
        EXPECT_FALSE(pOpt->Button(CBoardOptCtrl::kFavorite)->IsWindowVisible());
        CInfoLayer* pInfo = dynamic_cast<CInfoLayer*>(pMeeting->GetInfoWnd());
        ASSERT_NE(pInfo, nullptr);
        EXPECT_EQ(pInfo->GetCurrentTab(), 0) << "the whiteboard's side panel shows the attendees";
    });
}

// The attendee view follows every change of the sync state: when the meeting ends, the chairman's
// add button goes with the detail that says so, before any attendee list comes.
TEST_F(UiProgramTest, TheAttendeeViewFollowsTheSyncStateWhenTheMeetingEnds)
{
    InMeeting(L"101", L"D1011", [&](CZELDlg&, CMeetingLayer* pMeeting) {
        CInfoLayer* pInfo = dynamic_cast<CInfoLayer*>(pMeeting->GetInfoWnd());
        ASSERT_NE(pInfo, nullptr);
        CxSkinButton& add = pInfo->GetInfoShowCtrl()->GetButton(CInfoShowCtrl::ID_ADD);
        ASSERT_TRUE(add.GetStyle() & WS_VISIBLE) << "the chairman of a running meeting adds attendees";
        Json::Value ended = TasRule("M00000005");
        ended["merge"]["mtngStatus"] = "04";
        Control(ended);
        Json::Value hold = TasRule("M00000004");
        hold["hold"] = true;
        hold["count"] = 5;
        Control(hold);
        Json::Value push;
        push["cmd"] = "push_sample";
        push["id"] = "broadcasting:02";
        push["mtngId"] = "101";
        Control(push);
        Drive([&] { return pMeeting->IsMeetingClosed() != FALSE; }, 15000);
        ASSERT_TRUE(pMeeting->IsMeetingClosed());
        DriveFor(200);
        EXPECT_FALSE(add.GetStyle() & WS_VISIBLE) << "the ended meeting still offers to add attendees";
        Command("release");
        DriveFor(300);
    });
}

// While the user follows the presenter, a document list that opens another document asks through
// the main dialog whether to stop following: "no" changes nothing, "yes" stops following.
TEST_F(UiProgramTest, OpeningAnotherDocumentWhileFollowingAsksFirst)
{
    InMeeting(L"101", L"D1011", [&](CZELDlg& dlg, CMeetingLayer* pMeeting) {
        // Following: the question is asked through the main dialog, and "no" keeps following.
        m_popups.clear();
        m_popupAnswer = [](const POPUP_QUESTION&) { return 2; };   // the second button: no
        pMeeting->SetPageSync(TRUE);
        EXPECT_FALSE(dlg.OpenDocumentOnBoard(L"D1011"));
        EXPECT_TRUE(pMeeting->IsPageSync());
        ASSERT_EQ(m_popups.size(), 1u);
        EXPECT_EQ(m_popups[0].strText, LoadResourceText(IDS_OPEN_ENDS_SYNC_ASK));
        // "Yes" stops following before the document opens.
        m_popupAnswer = [](const POPUP_QUESTION&) { return 1; };
        EXPECT_TRUE(dlg.OpenDocumentOnBoard(L"D1011"));
        EXPECT_FALSE(pMeeting->IsPageSync());
    });
}

// The title bar asks the meeting screen whether the chat is in view (it does not blink then):
// only while the right-hand pane is open on the shown meeting screen.
TEST_F(UiProgramTest, TheChatButtonStaysStillWhileTheChatPaneIsOpen)
{
    InMeeting(L"101", L"D1011", [&](CZELDlg& dlg, CMeetingLayer* pMeeting) {
        CRightContainerWnd* pRight = pMeeting->GetRightContainer();
        if (pRight->IsCollapsed()) pRight->OnToggle();
        DriveFor(100);
        EXPECT_TRUE(dlg.GetMeetingLayer()->IsChatOpen());
        pRight->OnToggle();   // collapsed: the pane is out of view
        DriveFor(100);
        EXPECT_FALSE(dlg.GetMeetingLayer()->IsChatOpen());
        pRight->OnToggle();
        dlg.SetScreenMode(ZEL_MODE_LIST, CString());
        DriveFor(100);
        EXPECT_FALSE(dlg.GetMeetingLayer()->IsChatOpen());
    });
}

// A chat message the server has not answered when the connection is lost shows as not sent while
// the main dialog asks whether to connect again.
TEST_F(UiProgramTest, AChatMessageUnansweredWhenTheConnectionDropsShowsAsNotSent)
{
    InMeeting(L"101", L"D1011", [&](CZELDlg& dlg, CMeetingLayer* pMeeting) {
        CRightContainerWnd* pRight = pMeeting->GetRightContainer();
        if (pRight->IsCollapsed()) pRight->OnToggle();
        CMeetingChatCtrl* pChat = dynamic_cast<CMeetingChatCtrl*>(
            CWnd::FromHandlePermanent(::GetDlgItem(pRight->GetSafeHwnd(), CRightContainerWnd::ID_CHAT)));
        ASSERT_NE(pChat, nullptr);
        Drive([&] { return pChat->GetSendButton().IsWindowEnabled() != FALSE; }, 15000);
        Json::Value hold = TasRule("M00000031");
        hold["hold"] = true;
        Control(hold);
        HWND hEdit = pChat->GetEdit()->GetSafeHwnd();
        for (const wchar_t c : std::wstring(L"끊기기 전 메시지")) ::SendMessageW(hEdit, WM_CHAR, c, 1);
        ::SendMessageW(hEdit, WM_KEYDOWN, VK_RETURN, 0x001C0001);
        ::SendMessageW(hEdit, WM_CHAR, L'\r', 0x001C0001);
        ::SendMessageW(hEdit, WM_KEYUP, VK_RETURN, 0xC01C0001);
        CChatViewCtrl* pView = pChat->GetChatView();
        ASSERT_GT(pView->GetItemCount(), 0);
        const int nLast = pView->GetItemCount() - 1;
        ASSERT_EQ(pView->GetItem(nLast).message, CString(L"끊기기 전 메시지"));
        EXPECT_EQ(pView->GetItem(nLast).sendFailed, 0);
        int nMarkWhenAsked = -1;
        m_popupAnswer = [&](const POPUP_QUESTION& q) {
            if (q.strText == LoadResourceText(IDS_RECONNECT_QUESTION)) nMarkWhenAsked = pView->GetItem(nLast).sendFailed;
            return 1;
        };
        dlg.SendMessage(WM_TAS_CONNECTION_LOST);
        EXPECT_EQ(nMarkWhenAsked, 1) << "the unanswered message did not show as not sent";
        m_popupAnswer = nullptr;
        Json::Value release;
        release["cmd"] = "release";
        Control(release);
        DriveFor(500);
    });
}

// The program's own screens: every way out of a session from the meeting screen, while the user
// leads the others' pages, first ends the leading (the sync-off M00000015 before the log-out's
// M00000023) and leaves the meeting, so that nothing of it runs on (its presence timer asks
// nothing). The log-out's new session starts with the side panel on its attendees.
TEST_F(UiProgramTest, EveryWayOutOfTheMeetingScreenEndsTheSharingAndLeavesTheMeetingFirst)
{
    struct Exit {
        const char* name;
        UINT message;
        WPARAM wParam;
        bool bLogInAgain;
    } exits[] = {
        {"the close box", WM_CLOSE, 0, false},
        {"the menu's log-out", WM_COMMAND, ID_CMD_LOGOUT, true},
        {"the close program's quit", UWM_APP_CONTROL, APP_CONTROL_QUIT, false},
        {"the suspend", WM_POWERBROADCAST, PBT_APMSUSPEND, false},
    };
    for (const Exit& exit : exits) {
        SCOPED_TRACE(exit.name);
        m_nLogins = 0;
        Run([&](CZELDlg& dlg) {
            // Entered, once the list has its page, as the detail's document row enters it.
            EXPECT_TRUE(WaitFrames("tas", nullptr, "M00000003", 1));
            DriveFor(1000);
            ASSERT_NE(dlg.GetMeetingLayer(), nullptr);
            dlg.GetMeetingLayer()->SetEntryDocument(CString(L"D1011"), 0);
            dlg.SetScreenMode(ZEL_MODE_MEETING, L"101");
            ASSERT_NE(g_pMeetingLayer, nullptr);
            ASSERT_TRUE(Drive([&] { return !g_pMeetingLayer->GetCurrentDocumentId().IsEmpty(); }, 10000))
                << "no document on the meeting screen";
            DriveFor(300);
            CInfoLayer* pInfo = dynamic_cast<CInfoLayer*>(g_pMeetingLayer->GetInfoWnd());
            ASSERT_NE(pInfo, nullptr);
            pInfo->ShowThumbnailTab(TRUE);
            // The user leads the others' pages.
            g_pMeetingLayer->SetPageSync(TRUE);
            const size_t nSyncs = Frames("tas", nullptr, "M00000015").size();
            const size_t nLogouts = Frames("tas", nullptr, "M00000023").size();

            dlg.SendMessage(exit.message, exit.wParam, 0);
            if (exit.bLogInAgain)
                EXPECT_TRUE(Drive([&] { return m_nLogins == 2 && !dlg.IsLoggingOut(); }, 30000));
            else
                EXPECT_TRUE(DriveUntilQuit());
            const Json::Value syncs = Frames("tas", nullptr, "M00000015");
            const Json::Value logouts = Frames("tas", nullptr, "M00000023");
            ASSERT_EQ(syncs.size(), nSyncs + 1) << "the leading was not ended";
            ASSERT_EQ(logouts.size(), nLogouts + 1);
            const Json::Value& off = syncs[syncs.size() - 1];
            EXPECT_FALSE(off["body"]["syncYn"].asBool());
            EXPECT_EQ(off["body"]["mtngId"].asString(), "101");
            EXPECT_LT(off["seq"].asInt(), logouts[logouts.size() - 1]["seq"].asInt()) << "ended after the log-out";
            EXPECT_EQ(g_pMeetingLayer->GetMeeting(), nullptr) << "the meeting was not left";
            EXPECT_FALSE(g_pMeetingLayer->IsPageSync());
            const size_t nPresence = Frames("tas", nullptr, "M00000004").size();
            g_pMeetingLayer->SendMessage(WM_TIMER, CMeetingLayer::TIMER_PRESENCE);
            DriveFor(300);
            EXPECT_EQ(Frames("tas", nullptr, "M00000004").size(), nPresence) << "the left meeting asks on";
            if (!exit.bLogInAgain) return;
            EXPECT_EQ(dlg.GetScreenMode(), ZEL_MODE_LIST);
            EXPECT_EQ(pInfo->GetCurrentTab(), 0) << "the new session's side panel is not on its attendees";
            dlg.RequestLogout(TRUE);
            EXPECT_TRUE(DriveUntilQuit());
        });
    }
}

// The detail's chat: the title bar shows its chat button on the detail screen, and a click on it
// opens the meeting's chat pop-up (the button stayed hidden there before, and nothing opened it).
TEST_F(UiProgramTest, TheDetailsChatButtonShowsAndOpensTheChatPopUp)
{
    Run([&](CZELDlg& dlg) {
        Drive([&] { return CMeetingManager::GetInstance()->FindMeeting(L"101") != nullptr; }, 15000);
        dlg.SetScreenMode(ZEL_MODE_DETAIL, L"101");
        DriveFor(500);
        const HWND hChat = ::GetDlgItem(dlg.GetTitleWnd()->GetSafeHwnd(), IDC_TITLE_CHAT);
        ASSERT_NE(hChat, nullptr);
        EXPECT_TRUE(::IsWindowVisible(hChat)) << "no chat button on the detail";
        CDetailLayer* pDetail = dynamic_cast<CDetailLayer*>(dlg.GetDetailLayer());
        ASSERT_NE(pDetail, nullptr);
        EXPECT_FALSE(pDetail->IsChatPopupVisible());
        RECT rc;
        ::GetClientRect(hChat, &rc);
        skintest::PostMouse(hChat, WM_LBUTTONDOWN, rc.right / 2, rc.bottom / 2, MK_LBUTTON);
        skintest::PostMouse(hChat, WM_LBUTTONUP, rc.right / 2, rc.bottom / 2, 0);
        EXPECT_TRUE(Drive([&] { return pDetail->IsChatPopupVisible() != FALSE; }, 5000)) << "no chat pop-up";
        dlg.RequestLogout(TRUE);
        EXPECT_TRUE(DriveUntilQuit());
    });
}

// Esc on the list is the main window's hide command: the window goes to the tray and what was open
// closes with it (the list used to hide the window itself and left the signature window open).
TEST_F(UiProgramTest, EscOnTheListHidesTheWindowAndClosesWhatIsOpen)
{
    Run([&](CZELDlg& dlg) {
        EXPECT_TRUE(WaitFrames("tas", nullptr, "M00000003", 1));
        DriveFor(300);
        dlg.SendMessage(WM_COMMAND, ID_CMD_SIGNATURE);
        ASSERT_NE(dlg.GetApprovalSignDlg(), nullptr);
        // What the dialog manager sends the list for the Esc key.
        dlg.GetListWnd()->SendMessage(WM_COMMAND, IDCANCEL, 0);
        DriveFor(100);
        EXPECT_FALSE(::IsWindowVisible(dlg.GetSafeHwnd()));
        EXPECT_EQ(dlg.GetApprovalSignDlg(), nullptr) << "the signature window stayed open";
        dlg.SendMessage(WM_COMMAND, ID_CMD_RESTORE_WINDOW);
        EXPECT_TRUE(::IsWindowVisible(dlg.GetSafeHwnd()));
        dlg.RequestLogout(TRUE);
        EXPECT_TRUE(DriveUntilQuit());
    });
}

// The settings' pen option reaches the program: turned on while the palette is on the move tool,
// the palette takes the pen and the board draws (before, the option was only stored).
TEST_F(UiProgramTest, ThePenOptionTakesThePenOnTheMeetingBoard)
{
    CSettingManager::GetInstance()->SetUsePen(0);
    InMeeting(L"101", L"D1011", [&](CZELDlg& dlg, CMeetingLayer* pMeeting) {
        CDrawToolMain* pPalette = dlg.GetDrawToolMain();
        ASSERT_NE(pPalette, nullptr);
        apptest::ClickObject(pPalette, pPalette->Object(L"btnMovemode"));
        DriveFor(50);
        CBoardDrawCtrl* pCanvas = pMeeting->GetBoardLayer()->GetCanvas();
        ASSERT_EQ(pCanvas->GetMode(), (int)CBoardDrawCtrl::kPan);
        bool bShown = false;
        CWnd::SetModalLoopHook([&](CWnd* pWnd) {
            CSettingDlg* pSettings = dynamic_cast<CSettingDlg*>(pWnd);
            if (!pSettings || bShown) return;
            bShown = true;
            RECT row;
            pSettings->m_pList->GetItemRect(&row, 1);
            skintest::Click(pSettings->m_pList->m_hWnd, (row.left + row.right) / 2, (row.top + row.bottom) / 2);
            apptest::ClickObject(pSettings->m_pTouchPage, pSettings->m_pTouchPage->m_pBtnPen);
            DriveFor(100);
            pSettings->EndDialog(IDOK);
        });
        dlg.SendMessage(WM_COMMAND, ID_CMD_SETTINGS);
        CWnd::SetModalLoopHook(nullptr);
        EXPECT_TRUE(bShown);
        EXPECT_EQ(CSettingManager::GetInstance()->m_bUsePen, 1);
        EXPECT_EQ(pCanvas->GetMode(), (int)CBoardDrawCtrl::kFreeLine) << "the board did not take the pen";
    });
    CSettingManager::GetInstance()->SetUsePen(0);
}

// A user's click on a document's row in the right-hand pane (its left part, away from the viewer
// button) selects the row and opens that document on the board.
TEST_F(UiProgramTest, ClickingADocumentsRowOpensItOnTheBoard)
{
    InMeeting(L"101", L"D1011", [&](CZELDlg&, CMeetingLayer* pMeeting) {
        CRightContainerWnd* pRight = pMeeting->GetRightContainer();
        if (pRight->IsCollapsed()) pRight->OnToggle();
        DriveFor(200);
        CDocumentListCtrl* pList = pRight->GetDocumentList()->GetList();
        int nRow = -1;
        for (int i = 0; i < pList->GetItemCount(); ++i) {
            const auto* pDocument = reinterpret_cast<const CMeetingDocument*>(pList->GetItemData(i));
            if (pDocument && pDocument->GetFileId() == L"D1012") nRow = i;
        }
        ASSERT_GE(nRow, 0) << "D1012 has no row";
        CRect rcRow;
        ASSERT_TRUE(pList->GetItemRect(nRow, &rcRow, LVIR_BOUNDS));
        CPoint pt(20, rcRow.top + rcRow.Height() / 2);
        pList->ClientToScreen(&pt);
        ASSERT_EQ(::WindowFromPoint(pt), pList->GetSafeHwnd());
        ::SetCursorPos(pt.x, pt.y);
        INPUT in[2] = {};
        in[0].type = in[1].type = INPUT_MOUSE;
        in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        ::SendInput(2, in, sizeof(INPUT));
        Drive([&] { return BoardShows(pMeeting, L"D1012", 1); }, 15000);
        EXPECT_TRUE(BoardShows(pMeeting, L"D1012", 1));
        EXPECT_TRUE(pList->GetItemState(nRow, LVIS_SELECTED));
        EXPECT_EQ(pList->GetSelectedDocumentId(), CString(L"D1012"));
    });
}

// A document whose viewing period is over is not shown: the canvas says it cannot be loaded, the
// bars offer no page of it, and the loading ends.
TEST_F(UiProgramTest, ADocumentWhoseViewingPeriodIsOverSaysSoOnTheCanvas)
{
    InMeeting(L"101", L"D1011", [&](CZELDlg&, CMeetingLayer* pMeeting) {
        CBoardLayer* pBoard = pMeeting->GetBoardLayer();
        CBoardDrawCtrl* pCanvas = pBoard->GetCanvas();
        Json::Value rule = TasRule("M00000070");
        rule["merge"]["attcFileId"] = "D1012";
        rule["merge"]["result"] = false;
        Control(rule);
        // The screen asks for the period when the user opens a document; here the test asks.
        CTasClientManager::GetInstance()->SetListener(pMeeting);
        CTasClientManager::GetInstance()->RequestM00000070(L"101", L"D1012", L"");
        DriveFor(500);
        CMeeting* pDocs = pMeeting->GetMeeting();
        ASSERT_NE(pDocs, nullptr);
        ASSERT_GE(pDocs->GetDocumentIndex(L"D1012"), 0);
        pMeeting->SendMessage(WM_MEETING_OPEN_DOCUMENT, (WPARAM)pDocs->GetDocumentIndex(L"D1012"), 0);
        Drive([&] { return !pMeeting->IsLoading(); }, 10000);
        EXPECT_FALSE(pMeeting->IsLoading()) << "the loading did not end";
        EXPECT_TRUE(pCanvas->IsLoadingShown());
        EXPECT_EQ(pCanvas->GetLoading()->GetState(), 1) << "the canvas does not say the document cannot be loaded";
        EXPECT_EQ(pCanvas->GetPageNumber(), -1);
        EXPECT_EQ(pBoard->GetOptBar()->GetCurrentPage(), 0) << "the option bar still offers a page";
        EXPECT_FALSE(pBoard->GetOptBar()->GetBarWnd()->IsWindowEnabled());
        EXPECT_TRUE(pCanvas->IsWindowEnabled());
        // The full view's banner and toolbar offer nothing either.
        for (int nId : {32752, 32753}) {
            const HWND hBar = ::GetDlgItem(pCanvas->GetSafeHwnd(), nId);
            ASSERT_NE(hBar, nullptr) << nId;
            EXPECT_FALSE(::IsWindowEnabled(hBar)) << "the full view's bar " << nId << " still takes input";
        }
        Command("clear_rules");
    });
}

// The floating palette's tool outlives a meeting: entering the next one, the board draws with the
// pen and colour the palette shows instead of panning under it.
TEST_F(UiProgramTest, TheNextMeetingsBoardDrawsWithThePalettesTool)
{
    InMeeting(L"101", L"D1011", [&](CZELDlg& dlg, CMeetingLayer* pMeeting) {
        CDrawToolMain* pPalette = dlg.GetDrawToolMain();
        ASSERT_NE(pPalette, nullptr);
        apptest::ClickObject(pPalette, pPalette->Object(L"btnPen"));
        apptest::ClickObject(pPalette, pPalette->Object(L"btnSelectedColor3"));
        DriveFor(50);
        const COLORREF blue = pPalette->Object(L"btnSelectedColor3")->m_clrColor;
        CBoardDrawCtrl* pCanvas = pMeeting->GetBoardLayer()->GetCanvas();
        ASSERT_EQ(pCanvas->GetMode(), (int)CBoardDrawCtrl::kFreeLine);
        dlg.SetScreenMode(ZEL_MODE_DETAIL, L"101");
        DriveFor(500);
        dlg.SetScreenMode(ZEL_MODE_MEETING, L"101");
        Drive([&] { return BoardShows(pMeeting, L"D1011", 1); }, 30000);
        ASSERT_TRUE(BoardShows(pMeeting, L"D1011", 1));
        pCanvas = pMeeting->GetBoardLayer()->GetCanvas();
        EXPECT_EQ(pPalette->GetToolMode(), 1);
        EXPECT_EQ(pCanvas->GetMode(), (int)CBoardDrawCtrl::kFreeLine) << "the board pans under a palette showing the pen";
        EXPECT_EQ(pCanvas->GetLineColor(), blue);
        EXPECT_EQ(pCanvas->GetLineWidth(), 5);
    });
}

// Paging back past a document's first page opens the document before it on its last page (the
// test servers' ids are not numbers, so here it opens on its first). That way of opening is
// forgotten when the user goes back to the detail: entering the meeting again opens the document
// where it was left, not on its last page again.
TEST_F(UiProgramTest, GoingBackToTheDetailForgetsHowTheLastDocumentWasReached)
{
    InMeeting(L"101", L"D1011", [&](CZELDlg& dlg, CMeetingLayer* pMeeting) {
        CMeeting* pData = CMeetingManager::GetInstance()->FindMeeting(L"101");
        ASSERT_NE(pData, nullptr);
        pMeeting->SendMessage(WM_MEETING_OPEN_DOCUMENT, (WPARAM)pData->GetDocumentIndex(L"D1012"), 0);
        ASSERT_TRUE(Drive([&] { return BoardShows(pMeeting, L"D1012", 1); }, 15000));
        DriveFor(200);   // page moves closer than 100 ms are dropped
        pMeeting->MovePrevPage();
        ASSERT_TRUE(Drive([&] { return pMeeting->GetCurrentDocumentId() == L"D1011"; }, 15000))
            << "paging back did not open the document before";
        EXPECT_EQ(pMeeting->GetDocumentSource(), (int)CBoardLayer::kCodePrevDocument);

        dlg.OnTitleBack();
        ASSERT_TRUE(Drive([&] { return dlg.GetScreenMode() == ZEL_MODE_DETAIL; }, 10000));
        EXPECT_EQ(pMeeting->GetDocumentSource(), 0) << "the next entry would open its document on the last page";
        DriveFor(300);
    });
}

// The main window closes what is open when it hides (Esc, the menu): a running approval
// confirmation ends as cancelled, so nothing is signed or sent and the choice is offered again.
// (Before the test that gives the approval: the server keeps it given.)
CApprovalConfirmDlg* g_pLateConfirmation = nullptr;
HWND g_hLateConfirmation = nullptr;
void CALLBACK ConfirmLate(HWND, UINT, UINT_PTR nId, DWORD)
{
    ::KillTimer(nullptr, nId);
    if (::IsWindow(g_hLateConfirmation))
        apptest::ClickObject(g_pLateConfirmation, g_pLateConfirmation->m_Screen.FindObject(L"btnOK"));
}

TEST_F(UiProgramTest, HidingTheWindowEndsAnOpenApprovalConfirmationWithNothingSent)
{
    InApprovalMeeting([&](CZELDlg& dlg, CMeetingLayer*, CBoardInfoCtrl* pBar, ZELComboBox* pCombo) {
        int nAsked = 0;
        CWnd::SetModalLoopHook([&](CWnd* pWnd) {
            if (!dynamic_cast<CApprovalConfirmDlg*>(pWnd)) return;
            ++nAsked;
            dlg.PostMessage(WM_COMMAND, ID_CMD_HIDE_WINDOW, 0);
            // Left open, the user would confirm it a little later.
            g_pLateConfirmation = dynamic_cast<CApprovalConfirmDlg*>(pWnd);
            g_hLateConfirmation = pWnd->GetSafeHwnd();
            ::SetTimer(nullptr, 0, 3000, ConfirmLate);
        });
        ChooseApproval(pBar, pCombo, 1);
        CWnd::SetModalLoopHook(nullptr);
        g_hLateConfirmation = nullptr;
        EXPECT_EQ(nAsked, 1);
        EXPECT_FALSE(::IsWindowVisible(dlg.GetSafeHwnd()));
        DriveFor(500);
        EXPECT_TRUE(Frames("tas", nullptr, "M00000076").empty()) << "the hidden window's confirmation was sent";
        EXPECT_EQ(pCombo->GetCurSel(), 0);
        dlg.SendMessage(WM_COMMAND, ID_CMD_RESTORE_WINDOW);
    });
}

// An approver of an approval meeting (type 14) whose own approval is pending finds it on the
// board's information bar. Choosing "approve" asks with his signature; a cancel sends nothing and
// puts the selector back; a confirmation sends the signature picture to the web server and the
// decision with the stored path to the application server, and the selector goes away.
TEST_F(UiProgramTest, AnApprovalChosenOnTheInformationBarIsConfirmedSignedAndSent)
{
    InApprovalMeeting([&](CZELDlg&, CMeetingLayer* pMeeting, CBoardInfoCtrl* pBar, ZELComboBox* pCombo) {
        EXPECT_TRUE(pCombo->IsWindowEnabled());
        apptest::SaveScreenshot(pMeeting->GetBoardLayer()->GetSafeHwnd(), L"program_approval_selector");

        const wchar_t* pszAnswer = L"btnCancel";
        int nAsked = 0;
        CWnd::SetModalLoopHook([&](CWnd* pWnd) {
            CApprovalConfirmDlg* pConfirm = dynamic_cast<CApprovalConfirmDlg*>(pWnd);
            if (!pConfirm) return;
            ++nAsked;
            apptest::ClickObject(pConfirm, pConfirm->m_Screen.FindObject(pszAnswer));
        });
        auto choose = [&](int nItem) { ChooseApproval(pBar, pCombo, nItem); };
        choose(1);
        EXPECT_EQ(nAsked, 1);
        EXPECT_EQ(pCombo->GetCurSel(), 0) << "a cancelled confirmation leaves the choice on";
        DriveFor(300);
        EXPECT_TRUE(Frames("tas", nullptr, "M00000076").empty());

        pszAnswer = L"btnOK";
        m_popups.clear();
        choose(1);
        EXPECT_EQ(nAsked, 2);
        ASSERT_TRUE(WaitFrames("tas", nullptr, "M00000076", 1));
        const Json::Value decision = Frames("tas", nullptr, "M00000076")[0]["body"];
        EXPECT_EQ(decision["mtngId"].asString(), "101");
        EXPECT_EQ(decision["attcFileId"].asString(), "D1011");
        EXPECT_EQ(decision["confirmYn"].asString(), "Y");
        EXPECT_EQ(decision["path"].asString().rfind("/sign/", 0), 0u) << decision["path"].asString();
        Json::Value log;
        log["cmd"] = "log";
        log["server"] = "http";
        log["kind"] = "request";
        const Json::Value requests = Control(log)["records"];
        ASSERT_GE(requests.size(), 1u);
        EXPECT_EQ(requests[requests.size() - 1]["path"].asString(), "/brindlecast/rest/fileRestService/sign");
        CWnd::SetModalLoopHook(nullptr);
        EXPECT_FALSE(pMeeting->IsApprovalPending());
        EXPECT_FALSE(pCombo->IsWindowVisible()) << "the approval given is still offered";
        EXPECT_EQ(PopupTexts(POPUP_TOAST), std::vector<std::wstring>{LoadResourceText(IDS_WBT_APPROVED).GetString()});
    });
}

// The hide command (Esc, the menu) sends the program to the tray with nothing of the meeting left
// on the desktop: the separate document viewer closes and a shown sticky note hides; the restore
// command brings back the note it hid, not a note the user had closed, and not the viewer.
TEST_F(UiProgramTest, HidingTheWindowTakesTheViewerAndTheNoteAlongAndRestoringBringsTheNoteBack)
{
    InMeeting(L"101", L"D1011", [&](CZELDlg& dlg, CMeetingLayer* pMeeting) {
        CBoardLayer* pBoard = pMeeting->GetBoardLayer();
        CBoardOptCtrl* pOpt = dynamic_cast<CBoardOptCtrl*>(pBoard->GetOptBar());
        IStickyNoteView* pNote = pBoard->GetStickyNote();
        CDocViewerDlg* pViewer = pMeeting->GetDocViewer();
        ASSERT_TRUE(pOpt && pNote && pViewer);
        CxSkinButton* pNoteButton = pOpt->Button(CBoardOptCtrl::kSticky);
        ASSERT_TRUE(pNoteButton && pNoteButton->IsWindowVisible());
        const struct {
            const char* name;
            bool bNoteOpen;
        } cases[] = {{"note open", true}, {"note closed by the user", false}};
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            // What the right-hand pane's viewer button asks of the meeting screen.
            CMeeting* pMeetingData = CMeetingManager::GetInstance()->FindMeeting(L"101");
            ASSERT_NE(pMeetingData, nullptr);
            pMeeting->SendMessage(WM_MEETING_VIEWER_REQUEST, 514, (LPARAM)pMeetingData->GetDocumentIndex(L"D1012"));
            Drive([&] { return pViewer->IsWindowVisible() != FALSE; }, 5000);
            ASSERT_TRUE(pViewer->IsWindowVisible()) << "the viewer did not open";
            if (pNote->IsShown() != (c.bNoteOpen ? TRUE : FALSE)) Click(pNoteButton->GetSafeHwnd());
            DriveFor(100);
            ASSERT_EQ(pNote->IsShown() != FALSE, c.bNoteOpen);

            dlg.SendMessage(WM_COMMAND, ID_CMD_HIDE_WINDOW);
            DriveFor(100);
            EXPECT_FALSE(::IsWindowVisible(dlg.GetSafeHwnd()));
            EXPECT_FALSE(pViewer->IsWindowVisible()) << "the viewer stayed on the desktop";
            EXPECT_FALSE(pViewer->IsOpen());
            EXPECT_FALSE(pNote->IsShown()) << "the note stayed on the desktop";

            dlg.SendMessage(WM_COMMAND, ID_CMD_RESTORE_WINDOW);
            DriveFor(100);
            EXPECT_TRUE(::IsWindowVisible(dlg.GetSafeHwnd()));
            EXPECT_EQ(pNote->IsShown() != FALSE, c.bNoteOpen) << "the note did not come back as it was";
            EXPECT_FALSE(pViewer->IsWindowVisible()) << "the closed viewer came back";
        }
    });
}

// OK in the time keeper takes the meeting's remaining time from the board's option bar to the title
// bar at once (it waited for the next minute); Cancel changes nothing.
TEST_F(UiProgramTest, OkInTheTimeKeeperShowsTheMeetingsRemainingTimeAtOnce)
{
    InMeeting(L"101", L"D1011", [&](CZELDlg& dlg, CMeetingLayer* pMeeting) {
        CBoardOptCtrl* pOpt = dynamic_cast<CBoardOptCtrl*>(pMeeting->GetBoardLayer()->GetOptBar());
        CTitleLayer* pTitle = dynamic_cast<CTitleLayer*>(dlg.GetTitleWnd());
        ASSERT_TRUE(pOpt && pTitle);
        // The meeting ends in about 90 minutes.
        CTime end = CTime::GetCurrentTime() + CTimeSpan(0, 1, 30, 30);
        Json::Value detail;
        detail["mtngEndYmd"] = Utf8(end.Format(L"%Y%m%d"));
        detail["mtngEndHour"] = Utf8(end.Format(L"%H"));
        detail["mtngEndMin"] = Utf8(end.Format(L"%M"));
        pOpt->SetMeetingTime(detail);
        const int nRemain = _wtoi(pOpt->GetRemainMinutes());
        ASSERT_GE(nRemain, 88);
        const struct {
            const char* name;
            UINT nButton;
            int nExpected;
        } cases[] = {{"cancel", IDCANCEL, 7}, {"ok", IDOK, nRemain}};
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            dlg.SetRemainTime(L"7");
            ASSERT_EQ(pTitle->GetRemainMinutes(), 7);
            bool bShown = false;
            CWnd::SetModalLoopHook([&](CWnd* pWnd) {
                if (bShown || !dynamic_cast<CTimeKeeperDlg*>(pWnd)) return;
                bShown = true;
                pWnd->PostMessage(WM_COMMAND, c.nButton, 0);   // its button, as the dialog manager sends it
            });
            dlg.SendMessage(WM_COMMAND, ID_CMD_TIME_KEEPER);
            CWnd::SetModalLoopHook(nullptr);
            EXPECT_TRUE(bShown);
            EXPECT_NEAR(pTitle->GetRemainMinutes(), c.nExpected, 1);
        }
    });
}

// In the full view the presenter's toolbar drives the board's tools as the option bar does: its
// pen, highlighter and eraser show the canvas' drawing tool bar (a second press of a tool while
// the bar is open closes it), the move tool hides it, and every choice, the tool bar's own
// included, shows on both bars. Behind the tool bar's colour grid lies a plain panel.
TEST_F(UiProgramTest, TheFullViewToolbarsToolsShowTheDrawingToolBarAndEveryBarShowsTheTool)
{
    InMeeting(L"101", L"D1011", [&](CZELDlg& dlg, CMeetingLayer* pMeeting) {
        CBoardLayer* pBoard = pMeeting->GetBoardLayer();
        CBoardDrawCtrl* pCanvas = pBoard->GetCanvas();
        HWND optBar = pBoard->GetOptBar()->GetBarWnd()->GetSafeHwnd();
        HWND toolBar = pBoard->GetDrawToolBar()->GetBarWnd()->GetSafeHwnd();
        HWND toolbar = OpenPresenterToolbar(dlg, pCanvas);
        ASSERT_NE(toolbar, nullptr) << "the full view's toolbar did not open";
        ASSERT_FALSE(uitest::IsShown(toolBar));

        struct Step {
            int presenterId;     // the full view toolbar's radio pressed
            bool toolBarShown;   // the canvas' drawing tool bar afterwards
            int optId;           // the option bar's radio checked afterwards
        };
        const Step steps[] = {
            {32724, true, 32720},    // pen: the bar opens
            {32724, false, 32720},   // pen again: it closes
            {32725, true, 32721},    // highlighter
            {32727, false, 32723},   // eraser while open: closes
            {32727, true, 32723},    // eraser
            {32731, false, 32730},   // move: hidden
        };
        for (const Step& step : steps) {
            Click(::GetDlgItem(toolbar, step.presenterId));
            DriveFor(100);
            EXPECT_EQ(uitest::IsShown(toolBar), step.toolBarShown) << step.presenterId;
            EXPECT_EQ(::IsWindowEnabled(toolBar) != FALSE, step.toolBarShown) << step.presenterId;
            EXPECT_TRUE(IsChecked(toolbar, step.presenterId)) << step.presenterId;
            EXPECT_TRUE(IsChecked(optBar, step.optId)) << step.presenterId;
        }
        EXPECT_EQ(pCanvas->GetMode(), (int)CBoardDrawCtrl::kPan);

        // The tool bar's own choices show on the other two bars: its highlighter is tool 2.
        Click(::GetDlgItem(toolbar, 32724));
        DriveFor(100);
        ASSERT_TRUE(uitest::IsShown(toolBar));
        Click(::GetDlgItem(toolBar, 32800));
        DriveFor(100);
        EXPECT_TRUE(IsChecked(optBar, 32721));
        EXPECT_TRUE(IsChecked(toolbar, 32725));
        EXPECT_FALSE(IsChecked(optBar, 32730)) << "the tool bar's highlighter showed as the move tool";

        // The colour grid's panel: one colour wherever no colour button lies.
        ::RedrawWindow(toolBar, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        DriveFor(100);
        HDC dc = ::GetDC(toolBar);
        const COLORREF panel = ::GetPixel(dc, 45, 84);
        int odd = 0;
        for (int x : {45, 77, 109, 141})
            for (int y = 80; y <= 170; y += 2)
                if (::GetPixel(dc, x, y) != panel) ++odd;
        ::ReleaseDC(toolBar, dc);
        EXPECT_EQ(odd, 0) << "something is painted over the colour grid's panel";
        dlg.LeaveFullView();
        DriveFor(200);
    });
}

// The thumbnails of a document the screen opened itself end with the strip selecting the board's
// page; while the user leads, that selection is the screen's, not a page to send the others again.
// The opening shares the document's page once, and the user's next click on a thumbnail is shared.
TEST_F(UiProgramTest, AnOpeningWhileLeadingSharesItsPageOnceAndTheNextThumbnailClickAgain)
{
    InMeeting(L"101", L"D1011", [&](CZELDlg&, CMeetingLayer* pMeeting) {
        CInfoLayer* pInfo = dynamic_cast<CInfoLayer*>(pMeeting->GetInfoWnd());
        ASSERT_NE(pInfo, nullptr);
        CInfoThumbnailCtrl* pThumbs = pInfo->GetThumbnailCtrl();
        const auto thumbsLoaded = [&](size_t n) {
            return pThumbs->GetRowPages().size() == n && pThumbs->GetThumb((int)n) != nullptr;
        };
        // Another document first, while nobody leads.
        pMeeting->SendMessage(WM_MEETING_OPEN_DOCUMENT, 1, 0);
        ASSERT_TRUE(Drive([&] { return BoardShows(pMeeting, L"D1012", 1) && thumbsLoaded(4); }, 20000));
        DriveFor(300);
        // The user leads and opens the meeting's first document again.
        pMeeting->SetPageSync(TRUE);
        const Json::ArrayIndex nBefore = Frames("tas", nullptr, "M00000015").size();
        pMeeting->SendMessage(WM_MEETING_OPEN_DOCUMENT, 0, 0);
        ASSERT_TRUE(Drive([&] { return BoardShows(pMeeting, L"D1011", 1) && thumbsLoaded(12); }, 20000));
        DriveFor(500);
        Json::Value syncs = Frames("tas", nullptr, "M00000015");
        ASSERT_EQ(syncs.size(), nBefore + 1) << "the opening's page went out more than once (or not at all)";
        EXPECT_EQ(syncs[nBefore]["body"]["attcFileId"].asString(), "D1011");
        EXPECT_TRUE(pMeeting->IsPageSync());
        // The user's own choice of a page is shared.
        ClickStripRow(pThumbs, 2);
        EXPECT_TRUE(Drive([&] { return Frames("tas", nullptr, "M00000015").size() == nBefore + 2; }, 10000))
            << "the user's thumbnail click was not shared";
        syncs = Frames("tas", nullptr, "M00000015");
        ASSERT_EQ(syncs.size(), nBefore + 2);
        EXPECT_EQ(syncs[nBefore + 1]["body"]["page"].asInt(), 3);
        EXPECT_TRUE(syncs[nBefore + 1]["body"]["syncYn"].asBool());
        EXPECT_TRUE(BoardShows(pMeeting, L"D1011", 3));
        // The meeting is left unshared for the tests after this one.
        pMeeting->EndPageSync(pMeeting->GetCurrentDocumentId());
        EXPECT_TRUE(Drive([&] { return Frames("tas", nullptr, "M00000015").size() == nBefore + 3; }, 10000));
        DriveFor(200);
    });
}

// The meeting's detail gives the option bar the meeting's end: it counts the minutes to it (the
// count the main dialog's end-of-meeting questions read).
TEST_F(UiProgramTest, TheOptionBarCountsTheMinutesToTheMeetingsEnd)
{
    InMeeting(L"101", L"D1011", [&](CZELDlg&, CMeetingLayer* pMeeting) {
        IBoardOptBar* pBar = pMeeting->GetBoardLayer()->GetOptBar();
        ASSERT_NE(pBar, nullptr);
        SYSTEMTIME now;
        ::GetLocalTime(&now);
        // Meeting 101 ends at 11:30 today.
        const int nExpected = (11 * 60 + 30) - (now.wHour * 60 + now.wMinute);
        EXPECT_NEAR(_wtoi(pBar->GetRemainMinutes()), nExpected, 1);
    });
}

// A finished report shows what its receiver drew on each page and the receiver's notes: the board
// asks for the receiver's drawing of every page it shows (once a page) and for the receiver's notes
// once, and the option bar's receiver mode shows that drawing on the page.
TEST_F(UiProgramTest, AFinishedReportShowsItsReceiversDrawingAndNotes)
{
    CTasClientManager* pTas = CTasClientManager::GetInstance();
    Run([&](CZELDlg& dlg) {
        EXPECT_TRUE(WaitFrames("tas", nullptr, "M00000003", 1));
        // The receiver (user 1001, the report's approver) drew on page 1 and wrote a note there,
        // and the report ended.
        pTas->SetListener(m_listener.GetSafeHwnd());
        pTas->RequestM00000010(L"105", L"30", L"D1051", 1,
                               L"<svg width=\"1000\" height=\"1414\"><path d=\"M 10 20 L 300 400 L 500 600\" "
                               L"stroke=\"rgb(255,0,0)\" stroke-width=\"4\" stroke-opacity=\"1\" figuretype=\"0\"/></svg>",
                               std::vector<CString>());
        pTas->RequestM00000064(L"105", L"D1051", L"", 0,
                               {CString(L"{\"page\":1,\"message\":\"수정 후 재보고 바랍니다.\",\"meta\":\"\"}")});
        pTas->RequestM00000017(L"105", L"30", L"14", FALSE, L"", FALSE, FALSE);
        ASSERT_TRUE(WaitFrames("tas", nullptr, "M00000017", 1));
        // The list refreshes on the report's end; the report is opened as a notice names it.
        Drive([&] { return Frames("tas", nullptr, "M00000003").size() >= 2; }, 3000);
        DriveFor(500);
        CMeetingManager::GetInstance()->FindOrCreateMeeting(L"105", L"30");
        const Json::ArrayIndex nDrawings = Frames("tas", nullptr, "M00000024").size();

        // (Its detail would first show the report's opinion.)
        dlg.SetScreenMode(ZEL_MODE_MEETING, L"105");
        CMeetingLayer* pMeeting = dynamic_cast<CMeetingLayer*>(dlg.GetMeetingLayer());
        ASSERT_NE(pMeeting, nullptr);
        ASSERT_TRUE(Drive([&] { return BoardShows(pMeeting, L"D1051", 1); }, 30000)) << "the report's page did not come";
        CBoardLayer* pBoard = pMeeting->GetBoardLayer();
        const auto receiverAsked = [&](int nPage) {
            int n = 0;
            const Json::Value frames = Frames("tas", nullptr, "M00000024");
            for (Json::ArrayIndex i = nDrawings; i < frames.size(); ++i)
                if (frames[i]["body"]["userIdnfr"].asString() == "1001" && frames[i]["body"]["page"].asInt() == nPage)
                    ++n;
            return n;
        };
        const auto receiverNotesAsked = [&] {
            int n = 0;
            const Json::Value frames = Frames("tas", nullptr, "M00000063");
            for (const Json::Value& f : frames)
                if (f["body"]["mtngId"].asString() == "105" && f["body"]["userIdnfr"].asString() == "1001") ++n;
            return n;
        };
        const auto page1 = pBoard->GetPageManager().GetPage(1);
        EXPECT_TRUE(Drive([&] { return page1->m_bOtherDrawingLoaded && page1->m_thirdLayer.HasFigures(); }, 10000))
            << "the receiver's drawing of page 1 did not come";
        EXPECT_EQ(receiverAsked(1), 1);
        EXPECT_EQ(receiverNotesAsked(), 1);
        CStickyNoteDlg* pNotes = dynamic_cast<CStickyNoteDlg*>(pBoard->GetStickyNote());
        ASSERT_NE(pNotes, nullptr);
        EXPECT_TRUE(Drive([&] {
            CStickyObject* p = CStickyNoteBook::Find(pNotes->Book().Receiver(), 1);
            return p && p->m_strText == CString(L"수정 후 재보고 바랍니다.");
        }, 10000)) << "the receiver's note did not come";

        // The option bar's receiver mode shows the receiver's drawing; the bare page shows none.
        pMeeting->SetOptMode(3);
        EXPECT_EQ(pBoard->GetCanvas()->GetBoardView(), (int)CBoardDrawCtrl::kViewThird);
        DriveFor(200);
        apptest::SaveScreenshot(dlg.GetSafeHwnd(), L"program_finished_report_receiver_view");
        pMeeting->SetOptMode(2);
        EXPECT_EQ(pBoard->GetCanvas()->GetBoardView(), (int)CBoardDrawCtrl::kViewImage);

        // The next page asks for its receiver's drawing; the notes are not asked again.
        pBoard->MovePage(2);
        EXPECT_TRUE(Drive([&] { return receiverAsked(2) == 1; }, 10000));
        pBoard->MovePage(1);
        DriveFor(300);
        EXPECT_EQ(receiverAsked(1), 1) << "a page whose receiver's drawing is here asked again";
        EXPECT_EQ(receiverNotesAsked(), 1);

        // The report goes on for the other tests.
        dlg.SetScreenMode(ZEL_MODE_LIST, CString());
        DriveFor(300);
        pTas->SetListener(m_listener.GetSafeHwnd());
        pTas->RequestM00000017(L"105", L"30", L"12", FALSE, L"", FALSE, FALSE);
        WaitFrames("tas", nullptr, "M00000017", 2);
        DriveFor(300);
        dlg.RequestLogout(TRUE);
        EXPECT_TRUE(DriveUntilQuit());
    });
}

// Starting to lead from free mode: the server's answer to the page sync empties what was shared on
// the pages before (asked for again as the pages show), and leaves the user's own unsaved drawing
// marked for saving (the answer used to unmark it, so it was never saved).
TEST_F(UiProgramTest, ThePageSyncAnswerEmptiesTheOldSharedDrawingAndKeepsTheOwnUnsaved)
{
    InMeeting(L"101", L"D1011", [&](CZELDlg&, CMeetingLayer* pMeeting) {
        CBoardLayer* pBoard = pMeeting->GetBoardLayer();
        const CMMPageManager& pages = pBoard->GetPageManager();
        ASSERT_TRUE(Drive([&] { return pages.GetPageCount() == 12; }, 10000));
        // What the page showed of an earlier sharing.
        const auto stale = pages.GetPage(2);
        stale->m_sharedLayer.Add(std::make_shared<CMMFigure>(Gdiplus::PointF(10, 10), Gdiplus::PointF(90, 90), 255, 3,
                                                             1, 1.0f, CString(L"stale-line")));
        stale->m_bFiguresLoaded = TRUE;
        pMeeting->SetOptMode(5);
        const Json::ArrayIndex nSyncs = Frames("tas", nullptr, "M00000015").size();
        const Json::ArrayIndex nFigures = Frames("tas", nullptr, "M00000039").size();
        // The presenter's share button (nothing unsaved yet, so the request goes at once) ...
        pMeeting->SendMessage(WM_BOARD_SYNC_COMMAND, 4, 0);
        ASSERT_EQ(Frames("tas", nullptr, "M00000015").size(), nSyncs + 1);
        // ... and the user draws on page 3 before the answer comes.
        const auto own = pages.GetPage(3);
        own->m_ownLayer.Add(std::make_shared<CMMFigure>(Gdiplus::PointF(20, 20), Gdiplus::PointF(60, 60), 255, 3, 1,
                                                        1.0f, CString(L"own-line")));
        own->SetModified(TRUE);
        ASSERT_TRUE(Drive([&] { return pMeeting->GetOptMode() == 4; }, 10000)) << "the answer did not come";
        EXPECT_TRUE(pMeeting->IsPageSync());
        EXPECT_FALSE(stale->m_sharedLayer.HasFigures()) << "the earlier shared drawing stayed";
        EXPECT_FALSE(stale->m_bFiguresLoaded);
        EXPECT_TRUE(own->GetModified()) << "the own unsaved drawing was unmarked";
        EXPECT_TRUE(pMeeting->HasUnsavedDrawing());
        // The shown page's shared drawing is asked for again.
        EXPECT_TRUE(Drive([&] { return Frames("tas", nullptr, "M00000039").size() > nFigures; }, 10000));
        // The meeting is left unshared, and the drawing is not left to the log-out.
        own->SetModified(FALSE);
        pMeeting->EndPageSync(pMeeting->GetCurrentDocumentId());
        EXPECT_TRUE(Drive([&] { return Frames("tas", nullptr, "M00000015").size() == nSyncs + 2; }, 10000));
        DriveFor(200);
    });
}

// A save asked for with the question (not the program's silent form): "no" gives the changes up,
// the note back to its saved text and no page marked for saving; "yes" saves both.
TEST_F(UiProgramTest, TheSaveQuestionsNoGivesTheChangesUpAndYesSavesThem)
{
    InMeeting(L"101", L"D1011", [&](CZELDlg&, CMeetingLayer* pMeeting) {
        CBoardLayer* pBoard = pMeeting->GetBoardLayer();
        CStickyNoteDlg* pNotes = dynamic_cast<CStickyNoteDlg*>(pBoard->GetStickyNote());
        ASSERT_NE(pNotes, nullptr);
        ASSERT_TRUE(Drive([&] { return pBoard->GetPageManager().GetPageCount() == 12; }, 10000));
        struct Case {
            const char* name;
            int answer;
            bool bSaved;
        } cases[] = {{"no", 2, false}, {"yes", 1, true}};
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            CStickyObject* pNote = CStickyNoteBook::FindOrAdd(pNotes->Book().Own(), 1);
            pNote->m_strText = L"저장할지 묻는 메모";
            pNote->m_bChanged = 1;
            const auto page = pBoard->GetPageManager().GetPage(2);
            page->SetModified(TRUE);
            const Json::ArrayIndex nNotes = Frames("tas", nullptr, "M00000064").size();
            const Json::ArrayIndex nPages = Frames("tas", nullptr, "M00000010").size();
            m_popups.clear();
            m_popupAnswer = [&](const POPUP_QUESTION&) { return c.answer; };
            const int r = pMeeting->SaveBoardChanges(0, TRUE, FALSE);
            m_popupAnswer = nullptr;
            ASSERT_EQ(m_popups.size(), 1u);
            EXPECT_EQ(m_popups[0].strText, LoadResourceText(IDS_BOARD_SAVE_ASK));
            EXPECT_EQ(r, c.bSaved ? 1 : 0);
            if (c.bSaved) {
                EXPECT_TRUE(WaitFrames("tas", nullptr, "M00000064", nNotes + 1));
                EXPECT_TRUE(WaitFrames("tas", nullptr, "M00000010", nPages + 1));
                Drive([&] { return !pMeeting->HasUnsavedMemos(); }, 10000);
            } else {
                DriveFor(300);
                EXPECT_EQ(Frames("tas", nullptr, "M00000064").size(), nNotes);
                EXPECT_EQ(Frames("tas", nullptr, "M00000010").size(), nPages);
                EXPECT_NE(pNote->m_strText, CString(L"저장할지 묻는 메모")) << "the note kept the given-up text";
            }
            EXPECT_FALSE(pMeeting->HasUnsavedMemos());
            EXPECT_FALSE(pMeeting->HasUnsavedDrawing());
            DriveFor(300);
        }
    });
}

// The presenter's page push tells the bars whether the page shown is a whiteboard; it leaves the
// board's sharing alone: a follower goes on seeing the presenter's strokes after it (the push used
// to end the sharing of every follower on a document's page).
TEST_F(UiProgramTest, ThePresentersPagePushKeepsAFollowersBoardShared)
{
    InMeeting(L"101", L"D1011", [&](CZELDlg&, CMeetingLayer* pMeeting) {
        CBoardLayer* pBoard = pMeeting->GetBoardLayer();
        pMeeting->ApplySyncState(1);   // the user follows the presenter
        ASSERT_TRUE(pBoard->IsSharing());
        Json::Value push;
        push["cmd"] = "push_sample";
        push["id"] = "broadcasting:11";
        push["mtngId"] = "101";
        push["attachId"] = "D1011";
        Control(push);
        EXPECT_TRUE(Drive([&] { return BoardShows(pMeeting, L"D1011", 2); }, 10000)) << "the push did not turn the page";
        EXPECT_TRUE(pBoard->IsSharing()) << "the push ended the sharing";
        EXPECT_EQ(pBoard->GetCanvas()->GetBoardView(), (int)CBoardDrawCtrl::kViewShared);
        pMeeting->ApplySyncState(0);
    });
}

// The detail's whiteboard button (its attachments row) enters the meeting on the meeting's own
// whiteboard in the program's screens: the board shows the whiteboard with the option bar's
// whiteboard buttons (close, add page) and the side panel on its whiteboard tab, and the board is
// not put into sharing, which only the page synchronisation starts.
TEST_F(UiProgramTest, TheDetailsWhiteboardButtonEntersTheMeetingOnItsWhiteboard)
{
    Run([&](CZELDlg& dlg) {
        Drive([&] { return CMeetingManager::GetInstance()->FindMeeting(L"101") != nullptr; }, 15000);
        dlg.SetScreenMode(ZEL_MODE_DETAIL, L"101");
        CDetailLayer* pDetail = dynamic_cast<CDetailLayer*>(dlg.GetDetailLayer());
        ASSERT_NE(pDetail, nullptr);
        MYLIST_ITEM* pRow = nullptr;
        ASSERT_TRUE(Drive([&] { return (pRow = pDetail->GetList()->FindRowOfKind(DETAIL_ROW_ATTACHMENTS)) != nullptr; },
                          15000));
        DriveFor(300);
        pRow = pDetail->GetList()->FindRowOfKind(DETAIL_ROW_ATTACHMENTS);
        ASSERT_NE(pRow, nullptr);
        const SKIN_OBJECT* pButton = pRow->pScreen->FindObject(L"btnWb");
        ASSERT_NE(pButton, nullptr);
        pDetail->GetList()->UpdateWindow();
        const CPoint c = pButton->m_rcObject.CenterPoint();
        skintest::Click(pDetail->GetList()->GetSafeHwnd(), pRow->rcItem.left + c.x, pRow->rcItem.top + c.y);
        ASSERT_TRUE(Drive([&] { return dlg.GetScreenMode() == ZEL_MODE_MEETING; }, 5000)) << "the meeting was not entered";
        CMeetingLayer* pMeeting = dynamic_cast<CMeetingLayer*>(dlg.GetMeetingLayer());
        ASSERT_NE(pMeeting, nullptr);
        CBoardLayer* pBoard = pMeeting->GetBoardLayer();
        const auto shown = [&](UINT nId) {
            const HWND h = ::GetDlgItem(pBoard->GetOptBar()->GetBarWnd()->GetSafeHwnd(), nId);
            return h && (::GetWindowLongW(h, GWL_STYLE) & WS_VISIBLE) != 0;
        };
        EXPECT_TRUE(Drive([&] { return BoardShows(pMeeting, L"W1011", 1); }, 20000)) << "the whiteboard is not on the board";
        DriveFor(300);
        EXPECT_TRUE(pMeeting->IsWhiteboardDocument());
        EXPECT_FALSE(pBoard->IsSharing()) << "entering on the whiteboard started sharing";
        EXPECT_TRUE(shown(32732)) << "no whiteboard close button";
        EXPECT_TRUE(shown(32734)) << "no add-page button";
        EXPECT_FALSE(shown(32733)) << "the whiteboard open button stays";
        CInfoLayer* pInfo = dynamic_cast<CInfoLayer*>(pMeeting->GetInfoWnd());
        ASSERT_NE(pInfo, nullptr);
        EXPECT_EQ(pInfo->GetCurrentTab(), 0);
        apptest::SaveScreenshot(dlg.GetSafeHwnd(), L"program_detail_whiteboard_entry");
        dlg.RequestLogout(TRUE);
        EXPECT_TRUE(DriveUntilQuit());
    });
}

// The private file box's back button shows the meeting's documents again and nothing more: the
// user's unsaved drawing is saved first, and the meeting is not loaded again after that save. The
// pane's list is 253 pixels wide with the bottom edge picture under it.
TEST_F(UiProgramTest, ThePrivateListsBackButtonReloadsTheDocumentListOnly)
{
    InMeeting(L"101", L"D1011", [&](CZELDlg& dlg, CMeetingLayer* pMeeting) {
        CRightContainerWnd* pRight = pMeeting->GetRightContainer();
        if (pRight->IsCollapsed()) pRight->OnToggle();
        CDrawToolMain* pPalette = dlg.GetDrawToolMain();
        ASSERT_NE(pPalette, nullptr);
        apptest::ClickObject(pPalette, pPalette->Object(L"btnPen"));
        DriveFor(50);
        const HWND hCanvas = pMeeting->GetBoardLayer()->GetCanvas()->GetSafeHwnd();
        RECT rcCanvas;
        ::GetClientRect(hCanvas, &rcCanvas);
        const int cx = rcCanvas.right / 2, cy = rcCanvas.bottom / 2;
        ::SendMessageW(hCanvas, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(cx, cy));
        for (int i = 1; i <= 10; ++i) ::SendMessageW(hCanvas, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(cx + i * 6, cy + i * 4));
        ::SendMessageW(hCanvas, WM_LBUTTONUP, 0, MAKELPARAM(cx + 60, cy + 40));
        DriveFor(100);
        ASSERT_TRUE(pMeeting->HasUnsavedDrawing()) << "the stroke did not reach the board";

        // The file box's documents in the pane, as an M00000008 reply of kind "20" shows them.
        pRight->ShowDocumentPane(L"20", TRUE);
        CPrivateDocListCtrl* pPrivate = pRight->GetPrivateList();
        ASSERT_TRUE(pPrivate->IsWindowVisible());
        pPrivate->Invalidate();
        CRect rcList;
        pPrivate->GetList()->GetWindowRect(&rcList);
        EXPECT_EQ(rcList.Width(), CPrivateDocListCtrl::kListWidth);
        CRect rcPane;
        pPrivate->GetClientRect(&rcPane);
        EXPECT_EQ(uitest::PixelWhenSettled(pPrivate->GetSafeHwnd(), 20, rcPane.bottom - 3, RGB(190, 200, 205)),
                  RGB(190, 200, 205))
            << "no bottom edge";
        apptest::SaveScreenshot(pPrivate->GetSafeHwnd(), L"program_private_list");

        const size_t nDetails = Frames("tas", nullptr, "M00000005").size();
        const size_t nChats = Frames("tas", nullptr, "M00000032").size();
        const size_t nLists = Frames("tas", nullptr, "M00000008").size();
        const HWND hBack = ::GetDlgItem(pPrivate->GetSafeHwnd(), CPrivateDocListCtrl::ID_BACK);
        ASSERT_NE(hBack, nullptr);
        RECT rcBack;
        ::GetClientRect(hBack, &rcBack);
        skintest::PostMouse(hBack, WM_LBUTTONDOWN, rcBack.right / 2, rcBack.bottom / 2, MK_LBUTTON);
        skintest::PostMouse(hBack, WM_LBUTTONUP, rcBack.right / 2, rcBack.bottom / 2, 0);
        ASSERT_TRUE(WaitFrames("tas", nullptr, "M00000010", 1)) << "the drawing was not saved first";
        ASSERT_TRUE(WaitFrames("tas", nullptr, "M00000008", nLists + 1));
        EXPECT_EQ(Frames("tas", nullptr, "M00000008")[(Json::ArrayIndex)nLists]["body"]["fileType"].asString(), "10");
        Drive([&] { return pRight->GetDocumentList()->IsWindowVisible() != FALSE; }, 5000);
        EXPECT_TRUE(pRight->GetDocumentList()->IsWindowVisible());
        EXPECT_FALSE(pPrivate->IsWindowVisible());
        DriveFor(1500);
        EXPECT_EQ(Frames("tas", nullptr, "M00000005").size(), nDetails) << "the meeting was loaded again";
        EXPECT_EQ(Frames("tas", nullptr, "M00000032").size(), nChats) << "the meeting was loaded again";
    });
}


// The meeting screen's sharing reaches the full view's bars: the presenter keeps paging, modes and
// drawing (not the laser pointer and memo radios of this bar) and cannot save while he shares;
// someone following him watches with the move tool, cannot page or draw, and may save. When the
// sharing ends everything is open again.
TEST_F(UiProgramTest, TheFullViewBarsFollowTheSharingForThePresenterAndTheOthers)
{
    InMeeting(L"101", L"D1011", [&](CZELDlg& dlg, CMeetingLayer* pMeeting) {
        CBoardDrawCtrl* pCanvas = pMeeting->GetBoardLayer()->GetCanvas();
        HWND toolbar = OpenPresenterToolbar(dlg, pCanvas);
        ASSERT_NE(toolbar, nullptr) << "the full view's toolbar did not open";
        HWND save = FindDescendant(pCanvas->GetSafeHwnd(), 35041);
        ASSERT_NE(save, nullptr);
        CMeeting* pCurrent = CMeetingManager::GetInstance()->GetCurrentMeeting();
        const int me = CLoginManager::GetInstance()->GetUserIdNumber();
        int other = 0;
        for (CUser* pUser : pCurrent->GetUsers())
            if (pUser->GetUserIdnfr() != me) other = pUser->GetUserIdnfr();
        ASSERT_NE(other, 0);
        auto enabled = [&](int id) { return ::IsWindowEnabled(::GetDlgItem(toolbar, id)) != FALSE; };

        struct Case {
            bool presenter;
            bool canPage, canDraw, canSave;
        };
        for (const Case& c : {Case{true, true, true, false}, Case{false, false, false, true}}) {
            pCurrent->SetPresenterById(c.presenter ? me : other);
            // The user had drawn with the pen before the sharing began.
            Click(::GetDlgItem(toolbar, 32724));
            DriveFor(50);
            pMeeting->ApplySyncState(1);
            DriveFor(100);
            EXPECT_EQ(enabled(35011), c.canPage) << c.presenter;
            EXPECT_EQ(enabled(32724), c.canDraw) << c.presenter;
            EXPECT_EQ(enabled(32727), c.canDraw) << c.presenter;
            EXPECT_FALSE(enabled(32726)) << c.presenter;
            EXPECT_EQ(::IsWindowEnabled(save) != FALSE, c.canSave) << c.presenter;
            // A follower watches: the move tool on every bar and on the canvas.
            EXPECT_EQ(IsChecked(toolbar, 32731), !c.presenter) << c.presenter;
            EXPECT_EQ(pCanvas->GetMode() == CBoardDrawCtrl::kPan, !c.presenter) << c.presenter;
            // The running meeting's board mode: following (4), not its own drawing buttons.
            EXPECT_TRUE(uitest::IsShown(::GetDlgItem(toolbar, 32704))) << c.presenter;

            pMeeting->ApplySyncState(0);
            DriveFor(100);
            for (int id : {35011, 32724, 32725, 32726, 32727, 32712})
                EXPECT_TRUE(enabled(id)) << c.presenter << " " << id;
            EXPECT_TRUE(::IsWindowEnabled(save)) << c.presenter;
            EXPECT_TRUE(uitest::IsShown(::GetDlgItem(toolbar, 32703))) << c.presenter;
        }
        dlg.LeaveFullView();
        DriveFor(200);
    });
}

// The full view gives the board the whole screen without its information and option bars (their
// place goes to the presenter's bars at the edges) and hides the floating palette until the banner
// opens with it; leaving it by the banner's button brings the board's bars back and closes the
// presenter's at once.
TEST_F(UiProgramTest, TheFullViewTradesTheBoardsBarsForThePresentersBars)
{
    InMeeting(L"101", L"D1011", [&](CZELDlg& dlg, CMeetingLayer* pMeeting) {
        CBoardLayer* pBoard = pMeeting->GetBoardLayer();
        CBoardDrawCtrl* pCanvas = pBoard->GetCanvas();
        HWND info = pBoard->GetInfoBar()->GetBarWnd()->GetSafeHwnd();
        HWND opt = pBoard->GetOptBar()->GetBarWnd()->GetSafeHwnd();
        HWND palette = dlg.GetDrawToolWnd()->GetSafeHwnd();
        ASSERT_TRUE(uitest::IsShown(info) && uitest::IsShown(opt));
        ASSERT_TRUE(uitest::IsShown(palette));

        HWND fullView = FindDescendant(dlg.GetSafeHwnd(), 34580);
        ASSERT_TRUE(uitest::IsShown(fullView));
        Click(fullView);
        DriveFor(500);
        EXPECT_FALSE(uitest::IsShown(info));
        EXPECT_FALSE(uitest::IsShown(opt));
        EXPECT_FALSE(uitest::IsShown(palette)) << "the palette stayed where the title bar was";
        RECT rcBoard, rcCanvas;
        pBoard->GetClientRect(&rcBoard);
        pCanvas->GetClientRect(&rcCanvas);
        EXPECT_EQ(rcCanvas.right, rcBoard.right);
        EXPECT_EQ(rcCanvas.bottom, rcBoard.bottom) << "the canvas did not take the bars' place";
        // The window keeps no frame: the pointer pushed to the screen's top lies on the canvas.
        RECT rcWindow, rcScreen;
        dlg.GetWindowRect(&rcWindow);
        pCanvas->GetWindowRect(&rcScreen);
        EXPECT_EQ(rcScreen.top, rcWindow.top);
        EXPECT_EQ(rcScreen.left, rcWindow.left);

        HWND toolbar = ::GetParent(FindDescendant(pCanvas->GetSafeHwnd(), 32712));
        HWND leave = FindDescendant(pCanvas->GetSafeHwnd(), 35060);
        HWND banner = ::GetParent(leave);
        skintest::SendMouse(pCanvas->GetSafeHwnd(), WM_MOUSEMOVE, rcCanvas.right / 2, 0);
        Drive([&] { return uitest::IsShown(banner) && uitest::IsShown(palette); }, 3000);
        EXPECT_TRUE(uitest::IsShown(banner));
        EXPECT_TRUE(uitest::IsShown(palette)) << "the banner did not bring the palette";

        Click(leave);
        DriveFor(300);
        EXPECT_FALSE(dlg.IsKeyNavigationMode());
        EXPECT_TRUE(uitest::IsShown(info));
        EXPECT_TRUE(uitest::IsShown(opt));
        EXPECT_FALSE(uitest::IsShown(banner));
        EXPECT_FALSE(uitest::IsShown(toolbar));
        EXPECT_FALSE(pCanvas->IsPresentationBarCollapsed());
        pCanvas->GetClientRect(&rcCanvas);
        pBoard->GetClientRect(&rcBoard);
        EXPECT_EQ(rcCanvas.bottom, rcBoard.bottom - CBoardLayer::kInfoBarHeight - CBoardLayer::kOptBarHeight);
    });
}

// The side panel's thumbnail strip follows every page the board turns to, whichever way the user
// turns it: the option bar's buttons and the Page Down key (before, only a thumbnail click or the
// presenter's page moved its selection).
TEST_F(UiProgramTest, TheThumbnailStripFollowsEveryPageTurnOfTheBoard)
{
    InMeeting(L"101", L"D1011", [&](CZELDlg& dlg, CMeetingLayer* pMeeting) {
        CBoardLayer* pBoard = pMeeting->GetBoardLayer();
        CInfoLayer* pInfo = dynamic_cast<CInfoLayer*>(pMeeting->GetInfoWnd());
        ASSERT_NE(pInfo, nullptr);
        CInfoThumbnailCtrl* pThumbs = pInfo->GetThumbnailCtrl();
        Drive([&] { return pThumbs->GetRowPages().size() >= 3; }, 15000);
        ASSERT_GE(pThumbs->GetRowPages().size(), 3u);
        const HWND hOpt = pBoard->GetOptBar()->GetBarWnd()->GetSafeHwnd();
        auto clickBar = [&](int nId) {
            const HWND hButton = ::GetDlgItem(hOpt, nId);
            ASSERT_NE(hButton, nullptr);
            RECT rc;
            ::GetClientRect(hButton, &rc);
            skintest::PostMouse(hButton, WM_LBUTTONDOWN, rc.right / 2, rc.bottom / 2, MK_LBUTTON);
            skintest::PostMouse(hButton, WM_LBUTTONUP, rc.right / 2, rc.bottom / 2, 0);
        };
        auto pageDown = [&] {
            dlg.SetForegroundWindow();
            ::keybd_event(VK_NEXT, 0, 0, 0);
            DriveFor(50);
            ::keybd_event(VK_NEXT, 0, KEYEVENTF_KEYUP, 0);
        };
        struct Turn {
            const char* name;
            std::function<void()> act;
            int page;
        } turns[] = {
            {"the option bar's next page", [&] { clickBar(CBoardOptCtrl::kNextPage); }, 2},
            {"Page Down", pageDown, 3},
            {"the option bar's previous page", [&] { clickBar(CBoardOptCtrl::kPrevPage); }, 2},
        };
        for (const Turn& turn : turns) {
            SCOPED_TRACE(turn.name);
            DriveFor(150);   // past the board's guard against a double step
            turn.act();
            Drive([&] { return pBoard->GetCurrentPage() == turn.page; }, 5000);
            ASSERT_EQ(pBoard->GetCurrentPage(), turn.page);
            Drive([&] { return pThumbs->GetSelectedRow() == turn.page - 1; }, 2000);
            EXPECT_EQ(pThumbs->GetSelectedRow(), turn.page - 1) << "the strip stayed on another page";
        }
    });
}

// The thumbnails of a long document come ten pages a time. While pages are still missing the
// page's favourite checks wait (a page's mark is not known before its batch); the strip's slide
// bar moved to pages not here yet has those pages come next; once every page is here the checks
// come back, showing the shown page's mark.
TEST_F(UiProgramTest, ThumbnailsComeWhereTheSlideBarPointsAndTheFavouriteChecksWaitForThem)
{
    Json::Value hold = TasRule("M00000067");
    hold["hold"] = true;
    hold["where"]["attcFileId"] = "D1022";
    hold["where"]["startIdx"] = "11";
    Control(hold);
    InMeeting(L"102", L"D1021", [&](CZELDlg&, CMeetingLayer* pMeeting) {
        // The long document's first page is a favourite of the user (its answer, for a page the
        // board does not show, changes nothing there).
        const size_t nMarks = Frames("tas", nullptr, "M00000078").size();
        CTasClientManager::GetInstance()->RequestM00000078(L"102", L"D1022", L"1", L"Y");
        ASSERT_TRUE(WaitFrames("tas", nullptr, "M00000078", nMarks + 1));
        DriveFor(300);
        CMeeting* pData = CMeetingManager::GetInstance()->FindMeeting(L"102");
        ASSERT_NE(pData, nullptr);
        const auto batchStarts = [] {
            std::vector<int> starts;
            for (const Json::Value& f : Frames("tas", nullptr, "M00000067"))
                if (f["body"]["attcFileId"].asString() == "D1022") starts.push_back(f["body"]["startIdx"].asInt());
            return starts;
        };
        pMeeting->SendMessage(WM_MEETING_OPEN_DOCUMENT, (WPARAM)pData->GetDocumentIndex(L"D1022"), 0);
        ASSERT_TRUE(Drive([&] { return BoardShows(pMeeting, L"D1022", 1); }, 15000));
        CInfoLayer* pInfo = dynamic_cast<CInfoLayer*>(pMeeting->GetInfoWnd());
        ASSERT_NE(pInfo, nullptr);
        pInfo->ShowPanel(TRUE, FALSE);
        pInfo->ShowThumbnailTab(TRUE);
        CInfoThumbnailCtrl* pThumbs = pInfo->GetThumbnailCtrl();
        ASSERT_TRUE(Drive([&] { return pThumbs->GetThumb(10) != nullptr && batchStarts().size() >= 2; }, 15000));
        EXPECT_EQ(pThumbs->GetRowPages().size(), 50u);
        CBoardOptCtrl* pOpt = dynamic_cast<CBoardOptCtrl*>(pMeeting->GetBoardLayer()->GetOptBar());
        CBoardInfoCtrl* pBar = dynamic_cast<CBoardInfoCtrl*>(pMeeting->GetBoardLayer()->GetInfoBar());
        ASSERT_TRUE(pOpt && pBar);
        CxSkinButton* pCheck = pOpt->Button(CBoardOptCtrl::kFavorite);
        DriveFor(300);
        EXPECT_FALSE(pCheck->IsWindowEnabled()) << "a page's mark could be toggled before it is known";
        EXPECT_FALSE(pBar->FavoriteButton()->IsWindowEnabled());

        // The user turns the wheel over the strip until its slide bar points at page 35.
        CRect rcList;
        pThumbs->GetList()->GetWindowRect(&rcList);
        for (int n = 0; n < 80 && pThumbs->GetSlidePage() < 35; ++n)
            pThumbs->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(short)-WHEEL_DELTA),
                                 MAKELPARAM(rcList.CenterPoint().x, rcList.CenterPoint().y));
        const int nSlide = pThumbs->GetSlidePage();
        ASSERT_GE(nSlide, 35);
        Command("release");
        ASSERT_TRUE(Drive([&] { return batchStarts().size() >= 3; }, 15000));
        EXPECT_EQ(batchStarts()[2], nSlide) << "the batch after the held one did not start at the slide bar's page";
        ASSERT_TRUE(Drive([&] { return pThumbs->GetThumb(50) != nullptr && pThumbs->GetThumb(21) != nullptr; }, 20000));
        Drive([&] { return pCheck->IsWindowEnabled() && pCheck->GetCheck() == BST_CHECKED; }, 5000);
        EXPECT_TRUE(pCheck->IsWindowEnabled());
        EXPECT_TRUE(pBar->FavoriteButton()->IsWindowEnabled());
        EXPECT_EQ(pCheck->GetCheck(), BST_CHECKED) << "the shown page's mark is not on the option bar";
        EXPECT_EQ(pBar->FavoriteButton()->GetCheck(), BST_CHECKED);
        EXPECT_TRUE(pMeeting->GetBoardLayer()->GetPageManager().GetPage(1)->IsFavorite());
        CTasClientManager::GetInstance()->RequestM00000078(L"102", L"D1022", L"1", L"N");
        WaitFrames("tas", nullptr, "M00000078", nMarks + 2);
    });
    Command("clear_rules");
}

}  // namespace
