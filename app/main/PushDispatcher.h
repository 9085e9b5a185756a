#pragma once
// The main dialog's push handling: every item the push client delivers (WM_USER+9001) is logged,
// looked up by its "messageId" and handed to the handler of that id, which acts on whatever the
// main dialog shows at that moment. Runs on the user-interface thread only: the push client
// delivers by SendMessage to the main dialog's window.
#include <winsock2.h>
#include <windows.h>

#include <json/json.h>

#include <map>

#include "app/main/PushHost.h"
#include "platform/CString.h"
#include "resources/resource.h"

class CPushDispatcher {
public:
    // The main dialog's timers that handlers start (one-shot: killed on expiry).
    enum {
        TIMER_FORCE_SHARE = 1000,   // 5000 ms: enter the meeting and follow the presenter
        TIMER_BACK_TO_LIST = 1010,  // 1000 ms: the meeting list
        TIMER_REFRESH_LIST = 1200,  // 100 ms: the list asks the server again
        TIMER_RELOAD = 1300,        // 100 ms: detail refreshed / meeting entered again
    };

    explicit CPushDispatcher(IPushHost& host);

    // WM_USER+9001: lParam the push client's item, valid during the call. Always 0.
    LRESULT OnPushMessage(WPARAM wParam, LPARAM lParam);
    // Dispatches one payload (what OnPushMessage does with the item's object).
    void Dispatch(const Json::Value& payload);
    // WM_TIMER of the main dialog: TRUE when the timer was one of the handlers' (then killed
    // and acted on).
    BOOL OnTimer(UINT_PTR nId);
    // Mode 1: the detail asks again; mode 2: unsaved board changes are stored and the meeting
    // entered again (by the screen itself once a started save has finished); mode 0: nothing.
    void ReloadScreen(BOOL bKeepPage, int nPage);

    // Duplicate login: every push is dropped from the "broadcasting:16" handler until the
    // log-out reply clears the block.
    BOOL IsPushBlocked() const { return m_bPushBlocked; }
    void ClearPushBlock() { m_bPushBlocked = FALSE; }
    // The meeting this user is ending himself from the detail screen (set just before the end
    // request).
    void SetWatchMeetingId(const CString& strId) { m_strWatchMeetingId = strId; }
    CString GetWatchMeetingId() const { return m_strWatchMeetingId; }
    // The last forced-share target.
    CString GetShareMeetingId() const { return m_strShareMeetingId; }
    CString GetShareAttachId() const { return m_strShareAttachId; }
    CString GetSharePage() const { return m_strSharePage; }

    // Whether a handler is known for the id (exact, case-sensitive).
    BOOL HasHandler(const CString& strMessageId) const;
    // The chat time text of a "sentDate" (yyyyMMddHHmm...): day half, hour on a 12-hour clock,
    // two-digit minutes. Empty when the date is shorter than 14 characters.
    CString ChatTimeText(const CString& strSentDate);
    // Whether an id list names the id as a whole entry.
    static BOOL IdListContains(const CString& strList, const CString& strId);

private:
    typedef void (CPushDispatcher::*Handler)(const Json::Value&);
    void BuildPushTable();

    // The payload's meeting is the one the detail (mode 1) or meeting screen (mode 2) shows.
    BOOL IsSameMeeting(const CString& strMeetingId);
    BOOL IsWindowShown();
    void Notice(const Json::Value& payload, int bToast, int nTray);
    // Whether the meeting screen shall go on following the presenter after a state request.
    int KeepFollowing(const Json::Value& payload);
    CString FollowNoticeText(const Json::Value& payload, BOOL bSync, int bKeep);
    void ForceScreenShare();

    void OnPushNothing(const Json::Value& payload);
    void OnPushBroadcast01(const Json::Value& payload);
    void OnPushBroadcast02(const Json::Value& payload);
    void OnPushBroadcast03(const Json::Value& payload);
    void OnPushBroadcast05(const Json::Value& payload);
    void OnPushBroadcast06(const Json::Value& payload);
    void OnPushBroadcast07(const Json::Value& payload);
    void OnPushBroadcast08(const Json::Value& payload);
    void OnPushBroadcast09(const Json::Value& payload);
    void OnPushBroadcast10(const Json::Value& payload);
    void OnPushBroadcast11(const Json::Value& payload);
    void OnPushBroadcast14(const Json::Value& payload);
    void OnPushBroadcast15(const Json::Value& payload);
    void OnPushBroadcast16(const Json::Value& payload);
    void OnPushBroadcast17(const Json::Value& payload);
    void OnPushBroadcast18(const Json::Value& payload);
    void OnPushBroadcast19(const Json::Value& payload);
    void OnPushBroadcast20(const Json::Value& payload);
    void OnPushBroadcast23(const Json::Value& payload);
    void OnPushBroadcast24(const Json::Value& payload);
    void OnPushBroadcast25(const Json::Value& payload);
    void OnPushBroadcast26(const Json::Value& payload);
    void OnPushBroadcast27(const Json::Value& payload);
    void OnPushBroadcast28(const Json::Value& payload);
    void OnPushBroadcast29(const Json::Value& payload);
    void OnPushSync01(const Json::Value& payload);
    void OnPushSync02(const Json::Value& payload);
    void OnPushSync03(const Json::Value& payload);
    // The shared body of the meeting-started pushes.
    void MeetingStarted(const Json::Value& payload, BOOL bMarkEntered);
    // The shared body of the report state pushes (19, 20).
    void ReportState(const Json::Value& payload, int nStatus);

    IPushHost& m_host;
    std::map<CString, Handler> m_mapPush;
    BOOL m_bPushBlocked;
    CString m_strWatchMeetingId;
    CString m_strShareMeetingId;
    CString m_strShareAttachId;
    CString m_strSharePage;
};
