#pragma once
// The attendee panel as its hosts see it (the meeting screen's side panel and the detail screen).
// A host creates the panel for a meeting or a report, gives it the meeting id, asks for the
// attendee list ("M00000004") and hands the application server's attendee replies to
// OnServerReply; the panel itself asks for profiles ("M00000006"), hands the presentation over
// ("M00000018") and adds attendees ("M00000038").
#include <windows.h>

#include <functional>

#include "platform/CString.h"

class CWnd;
class CTasResponse;

class IAttendeePanel {
public:
    virtual ~IAttendeePanel() = default;
    virtual CWnd* GetWnd() = 0;
    virtual void SetMeetingId(const CString& strMtngId) = 0;
    // TRUE when the reply was one of the attendee panel's ("M00000004" with status 0,
    // "M00000006", "M00000018").
    virtual BOOL OnServerReply(UINT nMessage, const CTasResponse* pReply) = 0;
    // The detail screen's pushes: the new presenter; a change of presence.
    virtual void SetPresenter(int nUserIdnfr) = 0;
    virtual void SetPresence(int nUserIdnfr, int nPresent) = 0;
    // Hides the profile card (on layout changes); its window rectangle, FALSE without a card.
    virtual void ClosePopups() = 0;
    virtual BOOL GetProfileRect(RECT* pRect) = 0;
    // 1 while the logged-in user has not answered the meeting's confirmation.
    virtual int IsApprovalPending() = 0;
    // Told the own pending flag each time an attendee list arrives (the side panel's mark and the
    // board info bar's kept value follow it).
    virtual void SetApprovalListener(std::function<void(int nPending)> listener) = 0;
};

// Creates the panel (a skinned child dialog, hidden until the host shows it) for a meeting or,
// with bReport, a report. The window deletes itself when it is destroyed; null on failure.
CWnd* CreateAttendeePanel(CWnd* pParent, BOOL bReport);
IAttendeePanel* AsAttendeePanel(CWnd* pWnd);
