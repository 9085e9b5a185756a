#pragma once
// What the main dialog asks of the meeting detail screen (mode 1). The push operations take the
// screen's part of a push for the meeting it shows; the main dialog has already checked the id.
#include "platform/CString.h"

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
    virtual BOOL IsChatPopupVisible() { return FALSE; }
};
