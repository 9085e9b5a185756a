#pragma once
// The main dialog as the push dispatcher sees it: its mode and screens, its pop-up and notice
// services, its timers and window, and the session facts the handlers need. Every call is made
// on the user-interface thread.
#include <windows.h>

#include "ui/host/BoardScreen.h"
#include "ui/host/DetailScreen.h"
#include "ui/host/ListScreen.h"
#include "ui/host/MeetingScreen.h"
#include "ui/host/TitleBar.h"
#include "platform/CString.h"

class IPushHost {
public:
    virtual ~IPushHost() = default;

    // 0 meeting list, 1 meeting detail, 2 meeting screen.
    virtual int GetMode() = 0;
    // The screens; any may be null while it does not exist.
    virtual IListScreen* GetListScreen() = 0;
    virtual IDetailScreen* GetDetailScreen() = 0;
    virtual IMeetingScreen* GetMeetingScreen() = 0;
    virtual IBoardLayer* GetBoardLayer() = 0;
    virtual IInfoLayer* GetInfoLayer() = 0;
    virtual ITitleBar* GetTitleLayer() = 0;

    // Joins headline and text; a toast (bToast) or a confirm pop-up when the window is shown,
    // the tray note in every case.
    virtual void ShowNotice(const CString& strHeadline, const CString& strText, int bToast, int nTray) = 0;
    virtual void ShowToast(const CString& strText) = 0;
    // Modal: returns when the user has acknowledged it.
    virtual int ShowConfirmPopup(const CString& strText) = 0;
    // The one-button forced-share pop-up, modal; IDOK when its button was pressed.
    virtual int ShowForcedSharePopup(const CString& strCaption, const CString& strText,
                                     const CString& strDateTime, int nFlag) = 0;
    // Closes the current modal pop-up when its text is strText.
    virtual void CloseCurrentPopupWithText(const CString& strText) = 0;
    virtual void CloseOpenPopups() = 0;

    virtual void SetScreenMode(int nMode, const CString& strMeetingId) = 0;
    virtual void ClearRemainTime() = 0;
    virtual void PlayMeetingStartSound() = 0;
    virtual void RefreshDocumentList(const CString& strKind, int nArg) = 0;
    virtual void RequestLogout(int bQuit) = 0;

    // One-shot timers of the main dialog; their expiry comes back through
    // CPushDispatcher::OnTimer.
    virtual void StartTimer(UINT_PTR nId, UINT nMs) = 0;
    virtual void StopTimer(UINT_PTR nId) = 0;

    // SW_SHOWMAXIMIZED (3), SW_SHOWMINIMIZED (2), SW_SHOWNORMAL (1) of the window's placement.
    virtual int GetShowCmd() = 0;
    virtual BOOL IsMainWindowVisible() = 0;
    // ShowWindow(SW_RESTORE) on a minimised window.
    virtual void RestoreMinimizedWindow() = 0;
    // The tray's restore command: restore and show the window.
    virtual void OnCmdRestoreWindow() = 0;

    virtual CString GetUserId() = 0;
    virtual int IsObserver() = 0;
    virtual int IsPresenterMe() = 0;
    // Whether the meeting model's current meeting is of type 12.
    virtual BOOL IsCurrentMeetingType12() = 0;
    // The meeting list holds a meeting of that id afterwards.
    virtual void EnsureMeeting(const CString& strType, const CString& strMeetingId) = 0;

    // A resource string of the language library.
    virtual CString LoadText(UINT nId) = 0;
    // A line of the application log.
    virtual void Log(int nLevel, const CString& strText) = 0;
};
