#pragma once
// The meeting detail screen against the local test servers: a logged-in session, a stand-in main
// dialog (records what the screen asks of it and answers its questions), stand-in attendee and
// chat panels, and the screen in a host window.
#include <winsock2.h>
#include <windows.h>

#include <deque>
#include <string>
#include <vector>

#include "tests/host/MainDlgStandIn.h"
#include "tests/host/MeetingScreenStandIn.h"
#include "tests/host/TitleBarStandIn.h"
#include "ui/host/MainDlg.h"
#include "ui/host/MeetingScreen.h"
#include "ui/host/TitleBar.h"
#include "screens/detail/DetailHooks.h"
#include "screens/detail/DetailLayer.h"
#include "tests/features/documents/DocViewerTestSupport.h"
#include "tests/net/protocol/EndToEndSupport.h"
#include "tests/ui/controls/UiControlsSupport.h"

namespace detailtest {

class StandInMeetingScreen : public CMeetingScreenStandIn {
public:
    CString GetMeetingId() override { return CString(); }
    CString GetCurrentDocumentId() override { return CString(); }
    CString GetMeetingType() override { return L"10"; }
    CString GetCurrentMeetingType() override { return L"10"; }
    BOOL IsMeetingType12() override { return FALSE; }
    BOOL IsMeetingRunning() override { return FALSE; }
    BOOL IsPageSync() override { return FALSE; }
    BOOL IsWhiteboardDocument() override { return FALSE; }
    BOOL IsEmbeddedDocument(const CString&) override { return FALSE; }
    void MarkMeetingEntered() override {}
    void OnMeetingStatusChanged(int) override {}
    int SaveBoardChanges(int, int, int) override { return 0; }
    void StartMeeting(int, int) override {}
    void RequestPresenceAndSync(int) override {}
    void RequestPresence() override {}
    void RequestDocumentList(const CString&) override {}
    void SetFollowPresenter(const CString&, const CString&, int, int) override {}
    void SetPendingFollow(const CString&, const CString&, int) override {}
    void ClearOtherMeetingDocument() override {}
    void OnSyncPagePush(const CString&, const CString&, int, int) override {}
    void ApplyPageCommand(const CString&, int, int, int, int) override {}
    void OpenBuiltInWhiteboard(BOOL) override {}
    void CloseMinutesViewer() override {}
    void EnableChat(BOOL) override {}
    void OnChatPush(const CString&, const CString&, const CString&, const CString&) override {}
    void SetFollowOnEntry(BOOL b) override { bFollowOnEntry = b; }
    void SetEntryDocument(const CString& id, int n) override { strEntryDocument = id; nEntry = n; }
    void EnterWithWhiteboard() override { ++nWhiteboardEntries; }
    void ShowWhiteboardShare() override { ++nWhiteboardShares; }
    void ClearDocumentPages() override { ++nPagesCleared; }
    void ClearThumbnails() override { ++nThumbnailsCleared; }
    void EnableBoard(BOOL b) override { boardStates.push_back(b); }

    BOOL bFollowOnEntry = FALSE;
    CString strEntryDocument;
    int nEntry = -1;
    int nWhiteboardEntries = 0;
    int nWhiteboardShares = 0;
    int nPagesCleared = 0;
    int nThumbnailsCleared = 0;
    std::vector<BOOL> boardStates;
};

class StandInTitleBar : public CTitleBarStandIn {
public:
    void SetChatButtonState(int bOn, int) override { chatStates.push_back(bOn); }
    void SetChatBlink(int) override {}
    void SetTitleText(const CString&) override {}
    std::vector<int> chatStates;
};

// What the screen asked of the main dialog, in order ("mode 2 [101]", "question ...", ...).
class StandInMainDlg : public CZELMainDlgStandIn {
public:
    CWnd* GetWnd() override { return pWnd; }
    void SetScreenMode(int nMode, const CString& strId) override;
    int GetScreenMode() override { return nMode; }
    IMeetingScreen* GetMeetingLayer() override { return &meeting; }
    ITitleBar* GetTitleLayer() override { return &title; }
    int ShowMessagePopup(const CString& strCaption, const CString& strText, int nHeight, CWnd* pOwner,
                         BOOL bTwoButtons) override;
    int ShowConfirmPopup(const CString& strText) override;
    void ShowToast(const CString& strText) override;
    void ShowTrayPopup(const CString& strText, const CString&, const CString&, int, const CString& strExtra,
                       int) override;
    void SetRemainTime(const CString& strMinutes) override { Log(L"remain " + strMinutes); }
    void ClearRemainTime() override { Log(L"clear remain"); }
    void SetWatchMeetingId(const CString& strId) override { Log(L"watch " + strId); }
    void OpenDataBox() override { Log(L"data box"); }
    void Log(const CString& strLine) { calls.push_back(strLine); }
    bool Has(const CString& strLine) const;
    int IndexOf(const CString& strPrefix) const;

    CWnd* pWnd = nullptr;
    int nMode = ZEL_MODE_DETAIL;
    std::deque<int> answers;     // IDOK / IDCANCEL for the next questions (IDCANCEL when empty)
    std::vector<CString> calls;
    std::vector<CString> toasts;
    StandInMeetingScreen meeting;
    StandInTitleBar title;
};

class DetailScreenTest : public prototest::EndToEndTest {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // The screen, made through its maker with the hooks set now, in the host window.
    void MakeScreen();
    // The detail of that meeting, as the main dialog shows it (previous mode given), loaded.
    void Show(const char* mtngId, int nPrevMode = ZEL_MODE_LIST);
    // Pumps until the screen has asked and heard back for what it needed.
    bool WaitForLoad(DWORD ms = 10000);
    void ClickObject(const wchar_t* name);
    // A row's object, clicked where it is drawn.
    void ClickRowObject(int nRow, const wchar_t* name);
    // Requests of one message id the application server received.
    Json::Value Requests(const char* msg) { return Frames("tas", nullptr, msg); }
    Json::Value LastBody(const char* msg);
    // What the web server received.
    static Json::Value HttpRequests();
    static void Rule(const char* msg, int status, const Json::Value& body = Json::Value());
    void Pump(DWORD ms = 200) { zeltest::PumpFor(ms); }

    ctltest::CHostWnd m_host;
    StandInMainDlg m_main;
    CDetailLayer* m_pScreen = nullptr;
    static doctest::KoreanResources* s_pResources;
};

}  // namespace detailtest
