#pragma once
// The meeting's chat panel as its hosts see it (the meeting screen's right-hand container and
// the detail screen's chat pop-up). A host creates the panel, binds it to its meeting, asks for
// the first page of history, hands it the application server's chat replies and the chat
// messages the main dialog receives, and switches sending on and off.
//
// Replies: the host stays the application server's reply window and passes every reply to
// OnServerReply, which takes the chat's own ("M00000032" history pages, "M00000031" send
// answers) and returns FALSE for the others.
#include <windows.h>

#include <json/json.h>

#include <functional>

#include "platform/CString.h"

class CWnd;
class CTasResponse;

class IChatPanel {
public:
    virtual ~IChatPanel() = default;
    virtual CWnd* GetWnd() = 0;

    // Binds the panel to the meeting and the logged-in user's number (CLoginManager's
    // GetUserIdNumber): empty history, page size 10, input emptied.
    virtual void SetMeeting(const CString& strMtngId, int nUserId) = 0;
    // Asks for the newest page of history ("M00000032" with the panel's cursor and page size).
    virtual void RequestHistory() = 0;
    // TRUE when the reply was the chat's.
    virtual BOOL OnServerReply(UINT nMessage, const CTasResponse* pReply) = 0;
    // A history reply body with status 0.
    virtual void OnChatList(const Json::Value& body) = 0;
    // A chat message the server pushed (the main dialog's OnChatPush): sender's name (with the
    // mark for a message to this user), its "sentDate", its time text and the text.
    virtual void OnChatPush(const CString& strUserName, const CString& strSentDate, const CString& strTime,
                            const CString& strMessage) = 0;
    virtual void AddMessage(const CString& strName, const CString& strStamp, const CString& strTime,
                            const CString& strMessage, int nOwn) = 0;
    // The answer to a sent message; a non-zero status marks the oldest unanswered own message as
    // not sent.
    virtual void OnSendReply(int nStatus, const Json::Value* pBody) = 0;
    // The connection to the server was lost: every own message still unanswered is marked.
    virtual void MarkPendingSendsFailed() = 0;
    // Sending on or off (always off once the meeting has ended); returns TRUE.
    virtual BOOL EnableChat(BOOL bEnable) = 0;
    virtual void ResetChat(BOOL bClear) = 0;
    // After the host re-laid out its panes.
    virtual void Relayout() = 0;

    virtual int GetPageNum() = 0;
    virtual int GetPageSize() = 0;
    virtual CString GetLastMessageId() = 0;
    virtual int GetMessageCount() = 0;
};

// Creates the panel as a child (WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 255 x 10 at the
// origin, laid out by the host afterwards) with sending off. The window deletes itself when it is
// destroyed; null when the window cannot be made.
CWnd* CreateChatPanel(CWnd* pParent, UINT nId);
// The panel behind a window CreateChatPanel made; null for any other window.
IChatPanel* AsChatPanel(CWnd* pWnd);

// What the panel asks about the open meeting. Unset questions take the meeting model's answers:
// a current meeting must exist, "can share" is a type-13 meeting where the user is neither main
// person nor present; the meeting has ended only when the host says so.
struct SChatMeetingFacts {
    std::function<BOOL()> hasMeeting;
    std::function<BOOL()> canShare;
    std::function<BOOL()> isMeetingEnded;
};
void SetChatMeetingFacts(const SChatMeetingFacts& facts);
