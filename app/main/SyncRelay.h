#pragma once
// The presenter's strokes, view, pointer and page from the document-synchronisation server,
// passed to the meeting screen's board when they belong to what it shows and the attendee follows
// the presenter. The synchronisation client calls it on the user-interface thread (its listener
// contract), so the screen state it reads is never read from a socket worker.
#include <winsock2.h>
#include <windows.h>

#include <json/json.h>

#include "app/main/PushHost.h"
#include "net/protocol/TDSClientManager.h"

class CSyncRelay : public ITDSSyncListener {
public:
    explicit CSyncRelay(IPushHost& host) : m_host(host) {}

    void OnSyncLine(const Json::Value& data) override;
    void OnSyncZoom(const Json::Value& data) override;
    void OnSyncPointer(const Json::Value& data) override;
    // WM_USER+11001: lParam the "data" object, valid during the call. Always 0.
    LRESULT OnTdsPage(WPARAM wParam, LPARAM lParam);

private:
    // The meeting screen and its board while mode 2 shows mtngId and follows the presenter.
    BOOL Following(const CString& strMeetingId, IMeetingScreen** ppMeeting, IBoardLayer** ppBoard);

    IPushHost& m_host;
};
