#include "tests/screens/meeting/MeetingTestSupport.h"

#include <algorithm>
#include <memory>

#include "core/JsonHelpers.h"
#include "core/LoginManager.h"
#include "core/MyLogFile.h"
#include "core/SettingManager.h"
#include "net/protocol/TasClientManager.h"
#include "tests/support/TestSupport.h"
#include "platform/Convert.h"
#include "screens/meeting/MeetingLayer.h"

namespace meetingtest {

std::string S(const CString& text)
{
    return WideToUtf8(text);
}

bool LogInAs(const char* user, int nTasPort, prototest::RecordingWindow& listener, HWND hEvents)
{
    CTasClientManager* tas = CTasClientManager::GetInstance();
    if (!tas->Init(zeltest::SourcePath(L"protocols/protocol.xml").c_str())) return false;
    tas->SetEventWindow(hEvents);
    tas->SetListener(listener.Handle());
    listener.Expect(WM_USER + 100, prototest::RecordingWindow::LPARAM_REPLY);
    tas->Connect(CString(L"127.0.0.1"), nTasPort);
    tas->RequestM00000001(L"", CString(user), L"1234");
    if (!listener.WaitFor(WM_USER + 100, 1, 15000)) return false;
    const auto reply = listener.RecordsOf(WM_USER + 100)[0];
    if (reply.status != 0) return false;
    CLoginManager* login = CLoginManager::GetInstance();
    login->SetLoginId(CString(user));
    login->SetSawonNo(CString(user));
    login->SetSessionFromReply(reply.json, true);
    return true;
}

void StandInMain::SetScreenMode(int nMode, const CString& strMeetingId)
{
    calls.push_back("SetScreenMode(" + std::to_string(nMode) + "," + S(strMeetingId) + ")");
    mode = nMode;
}

int StandInMain::ShowMessagePopup(const CString& strCaption, const CString& strText, int, CWnd*, BOOL)
{
    calls.push_back("ShowMessagePopup(" + S(strText) + ")");
    return messageAnswer;
}

int StandInMain::ShowConfirmPopup(const CString& strText)
{
    calls.push_back("ShowConfirmPopup(" + S(strText) + ")");
    return IDOK;
}

void StandInMain::ShowToast(const CString& strText)
{
    calls.push_back("ShowToast(" + S(strText) + ")");
}

BOOL StandInMain::CheckPageSyncBlocked()
{
    calls.push_back("CheckPageSyncBlocked");
    return TRUE;
}

void StandInMain::RequestLogout(BOOL bQuit)
{
    calls.push_back("RequestLogout(" + std::to_string(bQuit) + ")");
}

void StandInMain::RequestDocumentList(const CString& strFileType)
{
    calls.push_back("RequestDocumentList(" + S(strFileType) + ")");
    if (g_pMeetingLayer) g_pMeetingLayer->RequestDocumentList(strFileType);
}

void StandInMain::RefreshDocumentList(const CString& strKind, int nArg)
{
    calls.push_back("RefreshDocumentList(" + S(strKind) + ")");
    if (g_pMeetingLayer) g_pMeetingLayer->RefreshDocumentList(strKind, nArg);
}

bool StandInMain::Called(const std::string& call) const
{
    return std::find(calls.begin(), calls.end(), call) != calls.end();
}

std::vector<std::string> StandInMain::Take()
{
    std::vector<std::string> out;
    out.swap(calls);
    return out;
}

BOOL MainWindow::Open(int w, int h)
{
    return CreateEx(0, nullptr, L"meeting host", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, w, h, nullptr, nullptr);
}

bool OpenMeetingHost(const wchar_t* pszLogName, int nHttpPort, MainWindow& window, StandInMain& main, int w, int h)
{
    if (!g_ApplicationLog.InitAppData(L"ZelTest", pszLogName)) return false;
    CSettingManager* settings = CSettingManager::GetInstance();
    settings->Load();
    settings->SetTMSAddress(L"127.0.0.1");
    settings->SetTMSPort(nHttpPort);
    settings->SetUseHttps(0);
    if (!window.Open(w, h)) return false;
    main.pWnd = &window;
    window.pMain = &main;
    SetMainDlg(&main);
    return true;
}

CMeetingLayer* MakeMeetingScreen(MainWindow& window)
{
    std::unique_ptr<CMeetingLayer> pScreen(new CMeetingLayer());
    CRect rc;
    window.GetClientRect(&rc);
    if (!pScreen->Create(&window, rc)) return nullptr;
    pScreen->ShowWindow(SW_SHOW);
    pScreen->GetSeams().sleep = [](DWORD) {};
    return pScreen.release();
}

LRESULT MainWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_USER + 11001 && lParam && g_pMeetingLayer && pMain) {
        const Json::Value& data = *reinterpret_cast<const Json::Value*>(lParam);
        g_pMeetingLayer->OnSyncPagePush(GetJsonString(data, "mtngId"), GetJsonString(data, "attachId"),
                                        GetJsonInt(data, "page"), pMain->GetShowCmd());
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

}  // namespace meetingtest
