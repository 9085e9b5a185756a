#pragma once
// What the main dialog asks of the meeting detail screen (mode 1). The push operations take the
// screen's part of a push for the meeting it shows; the main dialog has already checked the id.
#include "platform/CString.h"

struct tagRAWINPUT;

class IDetailScreen {
public:
    virtual ~IDetailScreen() = default;
    virtual CString GetMeetingId() = 0;
    // Asks the server for the shown meeting's attendees and documents again.
    virtual void RefreshDetail() = 0;
    virtual void OnPushBroadcast01() = 0;                 // started: status "02", start controls
    virtual void OnPushBroadcast02() = 0;                 // ended: refresh, start controls off
    virtual void OnPushBroadcast03() = 0;                 // synchronisation switched: attendees again
    virtual void OnPushBroadcast05(int nUserId) = 0;      // the new presenter
    virtual void OnPushBroadcast08() = 0;                 // a document changed: refresh
    virtual void OnPushBroadcast10() = 0;                 // started again
    virtual void OnPushBroadcast14() = 0;                 // attendees changed: ask again
    virtual void OnPushBroadcast19() = 0;
    virtual void OnPushBroadcast20() = 0;
    virtual void OnPushBroadcast23(int nUserId, const CString& strAttendanceYn) = 0;
    virtual void OnPushBroadcast25() = 0;                 // documents converted: detail again
    virtual void OnPushBroadcast28() = 0;
    // A chat message for the meeting the detail shows.
    virtual void OnPushSync03(const CString& strUserName, const CString& strSentDate,
                              const CString& strTime, const CString& strMessage) = 0;

    // ---- Title bar ----
    // Whether the chat pop-up is open (the title bar's chat button then does not blink).
    virtual BOOL IsChatPopupVisible() = 0;
    // ---- Meeting detail screen ----
    // The main dialog's mode shown before the detail (0 list, 2 meeting screen); set before
    // every ShowMeeting.
    virtual void SetPreviousMode(int nMode) = 0;
    // Shows the meeting: makes it current, becomes the reply window and asks for its detail.
    virtual void ShowMeeting(const CString& strMeetingId) = 0;
    // Leaving the detail for the list: rows, pop-ups, attendance and current meeting cleared.
    virtual void LeaveDetail() = 0;
    // Leaving the detail for the meeting screen: the chat pop-up, profile and report dialogs.
    virtual void ClosePopups() = 0;
    // The title bar's chat button in the detail mode.
    virtual void ToggleChatPopup() = 0;
    // Raw mouse input of the main window while the detail is shown.
    virtual void OnRawMouseInput(const tagRAWINPUT* pRaw) = 0;
};
