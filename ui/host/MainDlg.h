#pragma once
// The main dialog as every screen and panel sees it. The screens live in libraries below the
// main dialog's window, so they reach it through this interface and GetMainDlg(), never through
// its class. Every call is made on the user-interface thread.
//
// A method added here for a screen gets a harmless default body, so that the main dialog and the
// stand-ins of other screens' tests keep building until they implement it.
#include <winsock2.h>
#include <windows.h>

#include "platform/CString.h"
#include "platform/Geometry.h"

class CWnd;
class IMeetingScreen;
class IListScreen;
class IDetailScreen;
class ITitleBar;

// Screen modes of SetScreenMode.
enum : int { ZEL_MODE_LIST = 0, ZEL_MODE_DETAIL = 1, ZEL_MODE_MEETING = 2 };

class IZELMainDlg {
public:
    virtual ~IZELMainDlg() = default;

    // The main dialog's own window (parent and owner of the screens and pop-ups).
    virtual CWnd* GetWnd() = 0;

    // ---- Screens and modes ----
    // The only way to switch screens: 0 list, 1 detail, 2 meeting screen.
    virtual void SetScreenMode(int nMode, const CString& strMeetingId) = 0;
    virtual int GetScreenMode() = 0;
    // ---- Main dialog window: the shown screen's meeting ----
    // The meeting id of the last SetScreenMode: the detail and meeting screens read it when the
    // main dialog shows them (RefreshDetail, StartMeeting) to learn which meeting to ask for.
    virtual CString GetScreenMeetingId() { return CString(); }
    virtual IListScreen* GetMainLayer() { return nullptr; }
    virtual IDetailScreen* GetDetailLayer() { return nullptr; }
    virtual IMeetingScreen* GetMeetingLayer() { return nullptr; }
    virtual ITitleBar* GetTitleLayer() { return nullptr; }
    // Mode 0 asks the list again, mode 1 the detail, mode 2 the meeting screen (keepPage: at the
    // current page).
    virtual void ReloadScreen(BOOL bKeepPage, int nPage) { (void)bKeepPage; (void)nPage; }
    virtual void RefreshCurrentScreen() {}
    // Full view: the meeting screen fills the monitor without the title bar.
    virtual BOOL IsKeyNavigationMode() { return FALSE; }
    virtual void EnterFullView(BOOL bKeepRect) { (void)bKeepRect; }
    virtual void LeaveFullView() {}

    // ---- Pop-ups, toasts and notices ----
    // Modal question: IDOK when confirmed, IDCANCEL when declined or closed. An empty caption
    // takes the common caption; height 137 or 157; owner null: the main dialog.
    virtual int ShowMessagePopup(const CString& strCaption, const CString& strText, int nHeight = 137,
                                 CWnd* pOwner = nullptr, BOOL bTwoButtons = TRUE) = 0;
    // Modal one-button confirmation; with a headline.
    virtual int ShowConfirmPopup(const CString& strText) = 0;
    virtual int ShowTitledConfirm(const CString& strTitle, const CString& strText) {
        (void)strTitle;
        return ShowConfirmPopup(strText);
    }
    // Toast over the client area; an alert is a toast when the window is shown, a tray note
    // otherwise.
    virtual void ShowToast(const CString& strText) = 0;
    virtual void ShowAlert(const CString& strText) { ShowToast(strText); }
    virtual void ShowTrayPopup(const CString& strText, const CString& strSecond, const CString& strBracketTitle,
                               int nId, const CString& strExtra, int nFlag) {
        (void)strSecond; (void)strBracketTitle; (void)nId; (void)strExtra; (void)nFlag;
        ShowToast(strText);
    }
    virtual void CloseOpenPopups() {}
    // While the meeting screen follows the presenter: the toast that says so, and TRUE.
    virtual BOOL CheckPageSyncBlocked() { return FALSE; }

    // ---- Title bar ----
    virtual void SetTitleText(const CString& strText) { (void)strText; }
    virtual void SetRemainTime(const CString& strMinutes) { (void)strMinutes; }
    virtual void ClearRemainTime() {}
    virtual void CheckRemainTime() {}
    virtual void EnableRefreshButton(BOOL bEnable) { (void)bEnable; }
    virtual void EnableBackButton(BOOL bEnable) { (void)bEnable; }
    // Timer 1600 (enable) or 1601 (disable) of the refresh button after nMs.
    virtual void ScheduleRefreshButton(BOOL bEnable, UINT nMs) { (void)bEnable; (void)nMs; }
    virtual void SetTitleCounter(int nValue, BOOL bHide) { (void)nValue; (void)bHide; }
    virtual void SetVoicePermission(const CString& strYn) { (void)strYn; }

    // ---- Window ----
    // showCmd of the placement (1 normal, 2 minimised, 3 maximised), 0 when unreadable.
    virtual int GetShowCmd() { return 1; }
    virtual BOOL IsHiddenOrMinimized() { return FALSE; }
    virtual void OnCmdRestoreWindow() {}
    virtual CRect GetMonitorRect() { return CRect(0, 0, 0, 0); }

    // ---- Session and meeting services ----
    virtual void RequestLogout(BOOL bQuit) { (void)bQuit; }
    virtual BOOL IsPageSyncOn() { return FALSE; }
    virtual void SetPageSync(const CString& strYn) { (void)strYn; }
    virtual void SetWatchMeetingId(const CString& strMeetingId) { (void)strMeetingId; }
    // The user's signature folder: app data + user id + "\signdata".
    virtual CString GetSignDataPath() { return CString(); }
    virtual CString GetWatermarkText() { return CString(); }
    virtual void PlayMeetingStartSound() {}
    // Asks the meeting's documents ("20": the private file box) again for whoever lists them.
    virtual void RefreshDocumentList(const CString& strKind, int nArg) { (void)strKind; (void)nArg; }
    virtual void RequestDocumentList(const CString& strFileType) { (void)strFileType; }
    virtual void OpenDocumentOnBoard(const CString& strDocumentId) { (void)strDocumentId; }
    virtual void OpenDataBox() {}
    virtual void ShowChangePassword() {}
    virtual void RefreshChatRecipients() {}
    virtual int LaunchVideoProcess(const CString& strCommandLine) { (void)strCommandLine; return 0; }
    // Saves unsaved board changes without asking (pending action code as the meeting screen
    // takes it); 1 when a save was started.
    virtual int SaveBoardSilently(int nAction) { (void)nAction; return 0; }
    // The board of the meeting screen: its window and pages.
    virtual HWND GetBoardLayerHwnd() { return nullptr; }
    virtual int GetBoardCurrentPage() { return 0; }
    virtual int GetBoardOptPageIndex() { return 0; }
    virtual void EnableBoardInfoButton(BOOL bEnable) { (void)bEnable; }
    virtual void ForceScreenShare(BOOL bOn) { (void)bOn; }

    // ---- Title bar ----
    // The floating drawing-tool palette, which the title bar places in the meeting mode; null
    // when there is none.
    virtual CWnd* GetDrawToolWnd() { return nullptr; }
};

// The running main dialog, null before it exists (tests set a stand-in).
IZELMainDlg* GetMainDlg();
void SetMainDlg(IZELMainDlg* pMainDlg);
