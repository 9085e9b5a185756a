#pragma once
// The main dialog as every screen and panel sees it. The screens live in libraries below the
// main dialog's window, so they reach it through this interface and GetMainDlg(), never through
// its class. Every call is made on the user-interface thread.
//
// Every method is pure: the compiler then names whatever the main dialog lacks, instead of a
// default body quietly doing nothing in the program.
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
    virtual CString GetScreenMeetingId() = 0;
    virtual IListScreen* GetMainLayer() = 0;
    virtual IDetailScreen* GetDetailLayer() = 0;
    virtual IMeetingScreen* GetMeetingLayer() = 0;
    virtual ITitleBar* GetTitleLayer() = 0;
    // Mode 0 asks the list again, mode 1 the detail, mode 2 the meeting screen (keepPage: at the
    // current page).
    virtual void ReloadScreen(BOOL bKeepPage, int nPage) = 0;
    virtual void RefreshCurrentScreen() = 0;
    // Full view: the meeting screen fills the monitor without the title bar.
    virtual BOOL IsKeyNavigationMode() = 0;
    virtual void EnterFullView(BOOL bKeepRect) = 0;
    virtual void LeaveFullView() = 0;

    // ---- Pop-ups, toasts and notices ----
    // Modal question: IDOK when confirmed, IDCANCEL when declined or closed. An empty caption
    // takes the common caption; height 137 or 157; owner null: the main dialog.
    virtual int ShowMessagePopup(const CString& strCaption, const CString& strText, int nHeight = 137,
                                 CWnd* pOwner = nullptr, BOOL bTwoButtons = TRUE) = 0;
    // Modal one-button confirmation; with a headline.
    virtual int ShowConfirmPopup(const CString& strText) = 0;
    virtual int ShowTitledConfirm(const CString& strTitle, const CString& strText) = 0;
    // Toast over the client area; an alert is a toast when the window is shown, a tray note
    // otherwise.
    virtual void ShowToast(const CString& strText) = 0;
    virtual void ShowAlert(const CString& strText) = 0;
    virtual void ShowTrayPopup(const CString& strText, const CString& strSecond, const CString& strBracketTitle,
                               int nId, const CString& strExtra, int nFlag) = 0;
    virtual void CloseOpenPopups() = 0;
    // While the meeting screen follows the presenter: the toast that says so, and TRUE.
    virtual BOOL CheckPageSyncBlocked() = 0;

    // ---- Title bar ----
    virtual void SetTitleText(const CString& strText) = 0;
    virtual void SetRemainTime(const CString& strMinutes) = 0;
    virtual void ClearRemainTime() = 0;
    virtual void CheckRemainTime() = 0;
    virtual void EnableRefreshButton(BOOL bEnable) = 0;
    virtual void EnableBackButton(BOOL bEnable) = 0;
    // Timer 1600 (enable) or 1601 (disable) of the refresh button after nMs.
    virtual void ScheduleRefreshButton(BOOL bEnable, UINT nMs) = 0;
    virtual void SetTitleCounter(int nValue, BOOL bHide) = 0;
    virtual void SetVoicePermission(const CString& strYn) = 0;

    // ---- Window ----
    // showCmd of the placement (1 normal, 2 minimised, 3 maximised), 0 when unreadable.
    virtual int GetShowCmd() = 0;
    virtual BOOL IsHiddenOrMinimized() = 0;
    virtual void OnCmdRestoreWindow() = 0;
    virtual CRect GetMonitorRect() = 0;

    // ---- Session and meeting services ----
    virtual void RequestLogout(BOOL bQuit) = 0;
    virtual BOOL IsPageSyncOn() = 0;
    virtual void SetPageSync(const CString& strYn) = 0;
    virtual void SetWatchMeetingId(const CString& strMeetingId) = 0;
    // The user's signature folder: app data + user id + "\signdata".
    virtual CString GetSignDataPath() = 0;
    virtual CString GetWatermarkText() = 0;
    virtual void PlayMeetingStartSound() = 0;
    // Asks the meeting's documents ("20": the private file box) again for whoever lists them.
    virtual void RefreshDocumentList(const CString& strKind, int nArg) = 0;
    virtual void RequestDocumentList(const CString& strFileType) = 0;
    // While following the presenter, asks whether to stop following first; TRUE when the caller
    // may open the document (FALSE: the user declined, nothing changed).
    virtual BOOL OpenDocumentOnBoard(const CString& strDocumentId) = 0;
    virtual void OpenDataBox() = 0;
    virtual void ShowChangePassword() = 0;
    virtual void RefreshChatRecipients() = 0;
    virtual int LaunchVideoProcess(const CString& strCommandLine) = 0;
    // Saves unsaved board changes without asking (pending action code as the meeting screen
    // takes it); 1 when a save was started.
    virtual int SaveBoardSilently(int nAction) = 0;
    // The board of the meeting screen: its window and pages.
    virtual HWND GetBoardLayerHwnd() = 0;
    virtual int GetBoardCurrentPage() = 0;
    virtual int GetBoardOptPageIndex() = 0;
    virtual void EnableBoardInfoButton(BOOL bEnable) = 0;

    // ---- Title bar ----
    // The floating drawing-tool palette, which the title bar places in the meeting mode; null
    // when there is none.
    virtual CWnd* GetDrawToolWnd() = 0;
};

// The running main dialog, null before it exists (tests set a stand-in).
IZELMainDlg* GetMainDlg();
void SetMainDlg(IZELMainDlg* pMainDlg);
