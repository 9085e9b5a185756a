#pragma once
// The attendee page of the side panel is another area's panel. The side panel creates it through
// a maker the program sets and talks to it through this interface; without a maker the meeting
// information view stands in its place.
#include <functional>
#include <memory>

#include <json/json.h>

#include "platform/CString.h"
#include "platform/Geometry.h"

class CWnd;

class IInfoMemberPanel {
public:
    virtual ~IInfoMemberPanel() = default;
    // The panel's window, a child of the side panel.
    virtual CWnd* GetWnd() = 0;
    // Replies of the application server: attendee list, one user's profile, an approval.
    virtual void OnAttendeeList(const Json::Value& reply) = 0;
    virtual void OnUserProfile(const Json::Value& reply, const char* pPhoto, int nPhotoLength) = 0;
    virtual void OnAttendeeConfirmReply(const Json::Value& reply) = 0;
    // TRUE while a profile pop-up is open, with its rectangle in screen coordinates.
    virtual BOOL GetProfileRect(CRect& rcScreen) = 0;
    virtual void ClosePopups() = 0;
    // The logged-in user has not confirmed (approved) yet.
    virtual void SetApprovalPending(BOOL bPending) = 0;
    virtual BOOL IsApprovalPending() = 0;
    // A new meeting: its id, the search emptied.
    virtual void ResetSearch(const CString& strMeetingId) = 0;
};

// Makes the attendee panel as a visible child of pParent; bReport: its report (approvers) form.
using InfoMemberPanelMaker = std::function<std::unique_ptr<IInfoMemberPanel>(CWnd* pParent, BOOL bReport)>;
void SetInfoMemberPanelMaker(InfoMemberPanelMaker maker);
const InfoMemberPanelMaker& GetInfoMemberPanelMaker();
