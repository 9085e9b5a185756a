#pragma once
// CZELDlg: the one top-level window of a logged-in session. It hosts the title bar and the three
// screens (made by the program's makers, app/main/ScreenMakers.h), switches them by mode, serves
// every screen with pop-ups, toasts and notices, receives the push and synchronisation clients'
// deliveries and connection notices, and logs out and in again without ending. The application
// object runs it modally; the session ends when its modal loop ends.
#include <winsock2.h>
#include <windows.h>

#include <functional>
#include <memory>

#include "app/AboutDlg.h"
#include "app/NotifySetDlg.h"
#include "app/SettingDlg.h"
#include "app/TimeKeeperDlg.h"
#include "app/TitleLayerEventListener.h"
#include "app/main/BoardDrawing.h"
#include "app/main/MainDialogServices.h"
#include "ui/host/MainDlg.h"
#include "app/main/PushDispatcher.h"
#include "app/main/PushHost.h"
#include "app/main/SyncRelay.h"
#include "platform/DialogEx.h"
#include "screens/login/LoginWindow.h"
#include "ui/controls/TrayPopup.h"
#include "ui/skin/SkinScreen.h"
#include "whiteboard/tools/DrawToolPalette.h"

class CApprovalSignDlg;
class CSystemTray;
class CToastPopup;

// Child window ids and sizes of the main dialog.
enum : int {
    ZEL_TITLE_LAYER_ID = 22690,
    ZEL_MEETING_LAYER_ID = 22720,
    ZEL_TITLE_HEIGHT = 80,
    ZEL_MIN_WIDTH = 1024,
    ZEL_MIN_HEIGHT = 600,
};

class CZELDlg : public CDialogEx,
                public IDrawToolEventListener,
                public ITitleLayerEventListener,
                public IZELMainDlg,
                public IPushHost {
public:
    // Timers of the dialog itself (the push handlers' timers are CPushDispatcher's).
    enum { TIMER_REFRESH_ON = 1600, TIMER_REFRESH_OFF = 1601, TIMER_KEEP_AWAKE = 1100 };

    explicit CZELDlg(CWnd* pParent = nullptr);
    ~CZELDlg() override;

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Builds the window and its screens, hidden, while the login window waits for the user: the
    // session (clients, tray icon, list requests) starts only in RunSession. FALSE when the
    // window could not be made.
    BOOL CreateAhead();
    // Runs the session modally, in the window built ahead when there is one (DoModal otherwise).
    INT_PTR RunSession();
    // Neither Enter, Esc nor the dialog manager's cancel ends the session.
    void OnOK() override {}
    void OnCancel() override {}

    // ---- IZELMainDlg ----
    CWnd* GetWnd() override { return this; }
    void SetScreenMode(int nMode, const CString& strMeetingId) override;
    int GetScreenMode() override { return m_nMode; }
    IListScreen* GetMainLayer() override { return m_pList; }
    IDetailScreen* GetDetailLayer() override { return m_pDetail; }
    IMeetingScreen* GetMeetingLayer() override { return m_pMeeting; }
    ITitleBar* GetTitleLayer() override { return m_pTitleBar; }
    void ReloadScreen(BOOL bKeepPage, int nPage) override;
    void RefreshCurrentScreen() override;
    BOOL IsKeyNavigationMode() override { return m_bFullView; }
    void EnterFullView(BOOL bKeepRect) override;
    void LeaveFullView() override;
    int ShowMessagePopup(const CString& strCaption, const CString& strText, int nHeight = 137,
                         CWnd* pOwner = nullptr, BOOL bTwoButtons = TRUE) override;
    int ShowConfirmPopup(const CString& strText) override;
    int ShowTitledConfirm(const CString& strTitle, const CString& strText) override;
    void ShowToast(const CString& strText) override;
    void ShowAlert(const CString& strText) override;
    void ShowTrayPopup(const CString& strText, const CString& strSecond, const CString& strBracketTitle, int nId,
                       const CString& strExtra, int nFlag) override;
    void CloseOpenPopups() override;
    BOOL CheckPageSyncBlocked() override;
    void SetTitleText(const CString& strText) override;
    void SetRemainTime(const CString& strMinutes) override;
    void ClearRemainTime() override;
    void CheckRemainTime() override;
    void EnableBackButton(BOOL bEnable) override;
    void ScheduleRefreshButton(BOOL bEnable, UINT nMs) override;
    void SetTitleCounter(int nValue, BOOL bHide) override;
    int GetShowCmd() override;
    BOOL IsHiddenOrMinimized() override;
    void OnCmdRestoreWindow() override;
    CRect GetMonitorRect() override;
    void RequestLogout(BOOL bQuit) override;
    BOOL IsPageSyncOn() override;
    void SetWatchMeetingId(const CString& strMeetingId) override { m_push.SetWatchMeetingId(strMeetingId); }
    CString GetSignDataPath() override;
    CString GetWatermarkText() override;
    void PlayMeetingStartSound() override;
    void RefreshDocumentList(const CString& strKind, int nArg) override;
    void RequestDocumentList(const CString& strFileType) override;
    void ShowChangePassword() override;
    int LaunchVideoProcess(const CString& strCommandLine) override;
    int SaveBoardSilently(int nAction) override;
    void EnableRefreshButton(BOOL bEnable) override;
    CString GetScreenMeetingId() override { return m_strMeetingId; }
    CWnd* GetDrawToolWnd() override { return m_pDrawToolMain; }
    void OpenDataBox() override;
    // Forwarders to the meeting screen and its board.
    void SetPageSync(const CString& strYn) override;
    void SetVoicePermission(const CString& strYn) override;
    BOOL OpenDocumentOnBoard(const CString& strDocumentId) override;
    void RefreshChatRecipients() override;
    HWND GetBoardLayerHwnd() override;
    int GetBoardCurrentPage() override;
    int GetBoardOptPageIndex() override;
    void EnableBoardInfoButton(BOOL bEnable) override;

    // ---- IPushHost ----
    int GetMode() override { return m_nMode; }
    IListScreen* GetListScreen() override { return m_pList; }
    IDetailScreen* GetDetailScreen() override { return m_pDetail; }
    IMeetingScreen* GetMeetingScreen() override { return m_pMeeting; }
    IBoardLayer* GetBoardLayer() override;
    IInfoLayer* GetInfoLayer() override;
    void ShowNotice(const CString& strHeadline, const CString& strText, int bToast, int nTray) override;
    int ShowForcedSharePopup(const CString& strCaption, const CString& strText, const CString& strDateTime,
                             int nFlag) override;
    void CloseCurrentPopupWithText(const CString& strText) override;
    void StartTimer(UINT_PTR nId, UINT nMs) override { SetTimer(nId, nMs, nullptr); }
    void StopTimer(UINT_PTR nId) override { KillTimer(nId); }
    BOOL IsMainWindowVisible() override { return ::IsWindowVisible(m_hWnd); }
    void RestoreMinimizedWindow() override;
    CString GetUserId() override { return m_strUserId; }
    int IsObserver() override;
    int IsPresenterMe() override;
    BOOL IsCurrentMeetingType12() override;
    void EnsureMeeting(const CString& strType, const CString& strMeetingId) override;
    CString LoadText(UINT nId) override;
    void Log(int nLevel, const CString& strText) override;

    // ---- ITitleLayerEventListener ----
    void OnTitleBack() override;
    void OnTitleRefresh() override;
    void OnTitleClose() override;
    void OnTitleFullScreen() override;
    void OnTitleVideoTest() override {}
    void OnTitleVideo() override;
    void OnTitleChat() override;
    void OnTitleReserved() override {}

    // ---- IDrawToolEventListener: the palette's choices go to the meeting screen's board ----
    void OnMoveMode() override;
    void OnPen() override;
    void OnHighlighter() override;
    void OnEraser() override;
    void OnPointerTool() override;
    void OnColor(COLORREF color) override;
    void OnClearPage(int nFlag) override;
    void OnThickness(int nWidth) override;
    void OnLineType(int nLineType) override;
    void OnHistory(BOOL bUndo) override;

    // ---- State, for the program's diagnostics and tests ----
    BOOL IsInitialized() const { return m_bInitialized; }
    BOOL IsLoggingOut() const { return m_bLoggingOut; }
    BOOL HadSocketError() const { return m_bSocketError; }
    BOOL IsPushBlocked() const { return m_push.IsPushBlocked(); }
    int GetWaitCursorCount() const { return m_nWaitCursor; }
    CWnd* GetTitleWnd() const { return m_pTitleWnd; }
    CWnd* GetListWnd() const { return m_pListWnd; }
    CWnd* GetDetailWnd() const { return m_pDetailWnd; }
    CWnd* GetMeetingWnd() const { return m_pMeetingWnd; }
    CWnd* GetCurrentPopup() const { return m_pCurPopup; }
    CToastPopup* GetToast() const { return m_pToast; }
    CTrayPopup& GetTrayPopup() { return m_trayPopup; }
    CPushDispatcher& GetPushDispatcher() { return m_push; }
    CDrawToolMain* GetDrawToolMain() const { return m_pDrawToolMain; }
    CApprovalSignDlg* GetApprovalSignDlg() const { return m_pApprovalSignDlg; }

    // The login window of a log-in again; the program's by default (tests replace it).
    static void SetReloginRunnerForTest(std::function<ELoginResult()> runner);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Start-up: the window and its screens, then what needs the logged-in session.
    void BuildWindow();
    void StartSession();
    void CreateLayers();
    void CreateTrayIcon();
    void ConnectSessionClients();
    void PlaceWindow();
    // Layout.
    void LayoutChildren();
    void ShowOnly(CWnd* pVisible);
    // Frame and painting.
    void PaintFrame();
    LRESULT OnNcCalcSize(WPARAM wParam, LPARAM lParam);
    void OnGetMinMaxInfo(MINMAXINFO* pInfo);
    void OnLButtonDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcLButtonDown(WPARAM wParam, LPARAM lParam);
    // Connection notices, log-out and shut-down.
    LRESULT OnSocketError(LPARAM lParam);
    LRESULT OnConnectionLost();
    LRESULT OnUpgradeNotice(LPARAM lParam);
    LRESULT OnLogoutReply();
    LRESULT OnRelogin();
    LRESULT OnQuitRequest(WPARAM wParam);
    // The quit request's and the suspend's way out of a meeting: no question, no save.
    void LeaveMeetingForExit();
    LRESULT OnPowerBroadcast(WPARAM wParam);
    void OnClose();
    void OnDestroy();
    // Commands, timers and service messages.
    BOOL OnCommandId(UINT nId);
    void OnCmdHideWindow();
    void OnCmdLogout();
    void OnCmdTimeKeeper();
    void OnCmdManual();
    void OnCmdSettings(int nStartKey);
    void OnCmdSignature();
    void DestroySignWindow();
    void OnCmdAddDataBox();
    // The palette shows over the title bar of the meeting screen only.
    void ShowDrawToolForMode();
    // Raw mouse input of the whole window for the screen shown (pop-ups close on a click outside).
    void RegisterRawInput();
    void UnregisterRawInput();
    void OnRawInput(LPARAM lParam);
    void OnTimerTick(UINT_PTR nId);
    LRESULT OnRegisterPushKey();
    LRESULT OnShareAnswer(WPARAM wParam);
    // Pop-ups: the running modal pop-up and whether a later one with its text replaced it.
    struct SPopupTrack {
        CWnd* pPopup = nullptr;
        CString strText;
        bool bReplaced = false;     // closed by the program, not answered by the user
        bool bAskedAgain = false;   // closed because the same question was asked again
        SPopupTrack* pOuter = nullptr;
    };
    int RunTracked(CDialog& popup, const CString& strText, bool* pbReplaced, bool* pbAskedAgain = nullptr);
    int RunMessagePopup(const CString& strCaption, const CString& strText, int nHeight, CWnd* pOwner,
                        BOOL bTwoButtons, bool* pbReplaced, bool* pbAskedAgain = nullptr);
    BOOL IsShownForNotices();

    int m_nClientX = 0;
    int m_nClientY = 0;
    SKIN_SCREEN m_skinScreen;
    HICON m_hIcon = nullptr;
    HACCEL m_hAccel = nullptr;
    int m_nMode = ZEL_MODE_LIST;
    CWnd* m_pTitleWnd = nullptr;
    ITitleBar* m_pTitleBar = nullptr;
    CWnd* m_pListWnd = nullptr;
    IListScreen* m_pList = nullptr;
    CWnd* m_pDetailWnd = nullptr;
    IDetailScreen* m_pDetail = nullptr;
    CWnd* m_pMeetingWnd = nullptr;
    IMeetingScreen* m_pMeeting = nullptr;
    CDrawToolMain* m_pDrawToolMain = nullptr;
    std::unique_ptr<IBoardDrawing> m_pBoardDrawing;
    CApprovalSignDlg* m_pApprovalSignDlg = nullptr;
    CWnd* m_pCurPopup = nullptr;
    SPopupTrack* m_pTrack = nullptr;
    BOOL m_bSocketError = FALSE;
    CToastPopup* m_pToast = nullptr;
    CSystemTray* m_pSystemTray = nullptr;
    CTrayPopup m_trayPopup;
    UINT m_nTrayMessage = 0;
    CSettingDlg m_settingDlg;
    CNotifySetDlg m_notifySetDlg;
    CAboutDlg m_aboutDlg;
    CTimeKeeperDlg m_timeKeeperDlg;
    BOOL m_bInitialized = FALSE;
    BOOL m_bBuiltAhead = FALSE;
    BOOL m_bLayersCreated = FALSE;
    BOOL m_bLoggingOut = FALSE;
    BOOL m_bFullView = FALSE;
    CRect m_rcBeforeFullView;
    BOOL m_bQuitAfterLogout = FALSE;
    // The next log-out command came from a screen that asks the board for its changes itself.
    BOOL m_bLeaveByCommand = FALSE;
    CString m_strUserId;
    DWORD m_dwLastTitleClick = 0;
    CString m_strMeetingId;
    int m_nWaitCursor = 0;
    CPushDispatcher m_push{*this};
    CSyncRelay m_sync{*this};
    std::unique_ptr<MainDialogServices::CVideoLauncher> m_pVideo;
    CString m_strVideoProgram;
};
