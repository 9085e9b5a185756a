#pragma once
// The meeting screen's test bench: a stand-in main dialog that records what the screen asks of
// it, a main window that relays the synchronisation server's page pushes as the main dialog does,
// and a recording information panel made through the screen's panel maker.
#include <winsock2.h>
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "tests/host/MainDlgStandIn.h"
#include "ui/host/MainDlg.h"
#include "platform/Wnd.h"
#include "screens/meeting/MeetingPanelMakers.h"
#include "tests/net/protocol/RecordingWindow.h"

class CMeetingLayer;

namespace meetingtest {

std::string S(const CString& text);

// Logs the program's application-server client in as a user of the test servers' data set (the
// login reply goes to 'listener'), and keeps the session as the login window would.
bool LogInAs(const char* user, int nTasPort, prototest::RecordingWindow& listener, HWND hEvents);

class StandInMain;
class MainWindow;

// The settings of a meeting screen under test (its log folder, page images from the test
// servers' web port) and the stand-in main dialog on its own 1280 x 800 window, set as the main
// dialog.
bool OpenMeetingBench(const wchar_t* logName, int nHttpPort, MainWindow& window, StandInMain& main);
// The meeting screen over the whole window, shown, its waits not waiting; null when it cannot be made.
CMeetingLayer* CreateMeetingScreen(MainWindow& window);
// Undoes the bench after the screen went: pop-up hooks, the client and meetings, the main dialog.
void CloseMeetingBench(MainWindow& window);

class StandInMain : public CZELMainDlgStandIn {
public:
    CWnd* GetWnd() override { return pWnd; }
    void SetScreenMode(int nMode, const CString& strMeetingId) override;
    int GetScreenMode() override { return mode; }
    int ShowMessagePopup(const CString& strCaption, const CString& strText, int, CWnd*, BOOL) override;
    int ShowConfirmPopup(const CString& strText) override;
    void ShowToast(const CString& strText) override;
    BOOL CheckPageSyncBlocked() override;
    void RequestLogout(BOOL bQuit) override;
    int GetShowCmd() override { return showCmd; }
    void RequestDocumentList(const CString& strFileType) override;
    void RefreshDocumentList(const CString& strKind, int nArg) override;
    BOOL IsKeyNavigationMode() override { return fullView; }
    void ShowTrayPopup(const CString& strText, const CString&, const CString&, int, const CString& strExtra,
                       int) override
    {
        calls.push_back("ShowTrayPopup(" + S(strText) + "," + S(strExtra) + ")");
    }

    bool Called(const std::string& call) const;
    std::vector<std::string> Take();

    CWnd* pWnd = nullptr;
    int mode = ZEL_MODE_MEETING;
    int showCmd = 1;
    int messageAnswer = IDOK;
    BOOL fullView = FALSE;
    std::vector<std::string> calls;
};

// The main dialog's window: WM_USER+11001 from the synchronisation client goes to the meeting
// screen's page-push handler, as the main dialog relays it.
class MainWindow : public CWnd {
public:
    BOOL Open(int w, int h);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    StandInMain* pMain = nullptr;
};

class RecordingInfoPanel : public CWnd, public IMeetingInfoPanel {
public:
    BOOL IsShown() override { return shown; }
    void LoadSettings() override { calls.push_back("LoadSettings"); }
    void SetWhiteboardMode(BOOL b) override { calls.push_back("SetWhiteboardMode(" + std::to_string(b) + ")"); }
    void ShowMainTab() override { calls.push_back("ShowMainTab"); }
    void OnAttendeeList(const Json::Value& body) override { attendees = (int)body["list"].size(); }
    void OnUserProfile(const Json::Value&, const char*, int) override {}
    void OnAttendeeConfirm(const Json::Value&, BOOL) override {}
    void OnSyncStateChanged(BOOL bLocked, int nState) override
    {
        calls.push_back("Sync(" + std::to_string(bLocked) + "," + std::to_string(nState) + ")");
    }
    void ClearThumbnails() override { thumbnails.clear(); }
    void InitThumbnails(int nTotal) override { total = nTotal; }
    void SetThumbnail(int nPage, const std::string& image, BOOL) override
    {
        if (!image.empty()) thumbnails.push_back(nPage);
        images[nPage] = image;
    }
    void SelectPage(int nPage) override { selected = nPage; }
    int GetThumbnailSlidePage() override { return slidePage; }
    int slidePage = 0;
    void ResetBookmarks() override { bookmarks.clear(); }
    void AddBookmark(int nPage, const std::string&) override { bookmarks.push_back(nPage); }
    void SortBookmarks() override {}
    void ClosePopupsOutside(POINT) override {}
    void SetMeetingDetail(const Json::Value&) override { calls.push_back("SetMeetingDetail"); }
    void OnPageFavoriteChanged(int nPage, BOOL bFavorite) override { favourites[nPage] = bFavorite; }
    BOOL IsApprovalPending() override { return approvalPending; }
    void SetApprovalPending(BOOL bPending) override { approvalPending = bPending; }
    std::map<int, BOOL> favourites;
    BOOL approvalPending = FALSE;

    BOOL shown = TRUE;
    int attendees = 0;
    int total = 0;
    int selected = 0;
    std::vector<int> thumbnails;
    std::vector<int> bookmarks;
    std::map<int, std::string> images;
    std::vector<std::string> calls;
};

}  // namespace meetingtest
