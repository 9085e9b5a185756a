#pragma once
// The single client of the document-synchronisation server (TDS): it identifies the machine, keeps
// the session alive and receives what the presenter does to the shared document (page, zoom,
// lines, pointer). The page change goes to the listener as a window message, the other three to
// the listener's handlers; all four reach the user-interface thread in the order they arrived, as
// copies, and never run on the socket worker.
#include <winsock2.h>
#include <windows.h>

#include <json/json.h>

#include "core/Singleton.h"
#include "net/protocol/SessionClientManager.h"

const UINT WM_TDS_CONNECTED = WM_USER + 11000;   // wParam 0, lParam 0
const UINT WM_TDS_PAGE = WM_USER + 11001;        // lParam: Json::Value* of the "data" object, during the call

// The listener's handlers of the presenter's lines, zoom and pointer ("data" objects).
class ITDSSyncListener {
public:
    virtual ~ITDSSyncListener() = default;
    virtual void OnSyncLine(const Json::Value& data) = 0;
    virtual void OnSyncZoom(const Json::Value& data) = 0;
    virtual void OnSyncPointer(const Json::Value& data) = 0;
};

class CTDSClientManager : public CSingleton<CTDSClientManager>, public CSessionClientManager {
public:
    CTDSClientManager();
    ~CTDSClientManager() override { StopClients(); }

    BOOL Init(const wchar_t* pszDefinitionPath = L".\\protocols\\tds_protocol.xml");
    // The listener window and its handlers: the main dialog.
    void SetListener(HWND hWnd, ITDSSyncListener* pSyncListener);
    template <class W>
    void SetListener(W* pWnd)
    {
        SetListener(pWnd ? pWnd->GetSafeHwnd() : (HWND) nullptr, dynamic_cast<ITDSSyncListener*>(pWnd));
    }
    // Leaves the session (sent whether or not connected).
    void RequestDisconnect();
    void RequestM00000002() { RequestDisconnect(); }
    int GetKeepAliveTime() const { return m_nKeepAliveTime; }

    void OnResponse(std::shared_ptr<CTasResponse> pResponse) override;
    void OnConnect() override;

    static std::vector<_REQUIRED_MESSAGE> RequiredMessages();

protected:
    void SendKeepAlive() override;
    void OnListenerCleared() override { m_pSyncListener = nullptr; }

private:
    enum SyncKind { SYNC_LINE, SYNC_ZOOM, SYNC_PAGE, SYNC_POINTER };

    void RequestConnect();
    void SendTdsRequest(const char* pszApplicationId, const char* pszMessageId, Json::Value* pBody);
    // Parses the reply's "data" text and hands a copy to the user-interface thread.
    void HandOver(SyncKind kind, const CTasResponse& reply);
    void Dispatch(SyncKind kind, Json::Value& data);

    std::atomic<ITDSSyncListener*> m_pSyncListener{nullptr};
    std::atomic<int> m_nKeepAliveTime{0};
};
