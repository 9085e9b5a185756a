#pragma once
// The meeting detail screen hosts two panels of other parts of the client - the attendee panel
// on its left and the meeting chat inside its chat pop-up. The program sets the makers of the
// panels: it links their libraries, and this one cannot name their classes.
//
// (The file to upload comes from the class library's open-file dialog, which tests answer
// through its own seam.)
//
// A maker creates its window as a child of the given parent and returns it with the interface
// the detail screen talks to (usually the same object). The detail screen owns what a maker
// returns: it destroys the window and deletes the window object. Without a maker the panel is
// simply absent.
#include <windows.h>

#include <json/json.h>

#include <functional>

#include "platform/CString.h"
#include "platform/Geometry.h"

class CWnd;
class CTasResponse;

// The attendee panel of the detail screen.
class IDetailMemberPanel {
public:
    virtual ~IDetailMemberPanel() = default;
    // Keeps the meeting id and empties the search box.
    virtual void ResetSearch(const CString& strMeetingId) = 0;
    // The attendee list reply (M00000004): the rows again.
    virtual void OnAttendeeList(const CTasResponse& reply) = 0;
    // A user profile reply (M00000006): the profile pop-up next to the panel.
    virtual void OnUserProfile(const CTasResponse& reply) = 0;
    // The attendee confirmation reply (M00000018), accepted or refused: the panel is enabled again.
    virtual void OnAttendeeConfirmReply(const CTasResponse& reply) = 0;
    virtual void ClosePopups() = 0;
    // The open profile pop-up in screen coordinates; FALSE when none is open.
    virtual BOOL GetProfileRect(CRect& rc) = 0;
    virtual void SetPresenter(int nUserId) = 0;
    virtual void SetAttendance(int nUserId, BOOL bAttending) = 0;
};

// The meeting chat inside the detail chat pop-up.
class IDetailChatControl {
public:
    virtual ~IDetailChatControl() = default;
    // Binds the chat to the meeting and resets its view and paging.
    virtual void SetMeeting(const CString& strMeetingId, int nUserNumber) = 0;
    virtual void EnableChat(BOOL bEnable) = 0;
    virtual void AddMessage(const CString& strName, const CString& strDate, const CString& strTime,
                            const CString& strText, int nFlag) = 0;
    // One page of history (the M00000032 reply body).
    virtual void OnChatList(const Json::Value& body) = 0;
    virtual int GetPageNum() = 0;
    virtual int GetPageSize() = 0;
    // The messages the chat view holds.
    virtual int GetItemCount() = 0;
    // The answer to the user's own message (M00000031): a non-zero status marks it as not sent.
    virtual void OnSendReply(int /*nStatus*/, const Json::Value* /*pBody*/) = 0;
    // A history page (M00000032) was refused: nothing is waiting for it any more.
    virtual void OnHistoryFailed() = 0;
};

struct SDetailScreenHooks {
    std::function<CWnd*(CWnd* pParent, BOOL bReport, IDetailMemberPanel** ppPanel)> makeMemberPanel;
    std::function<CWnd*(CWnd* pParent, const CRect& rc, UINT nId, IDetailChatControl** ppChat)> makeChatControl;
};

void SetDetailScreenHooks(const SDetailScreenHooks& hooks);
const SDetailScreenHooks& GetDetailScreenHooks();
