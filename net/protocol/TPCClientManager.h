#pragma once
// The single client of the push server (TPC): it registers the machine for a push key, opens a
// push session with it, keeps the session alive, and hands every delivered item to the listener
// (the main dialog), acknowledging each delivery as a whole.
#include <winsock2.h>
#include <windows.h>

#include <json/json.h>

#include "core/Singleton.h"
#include "net/protocol/SessionClientManager.h"

const UINT WM_TPC_SESSION_OPEN = WM_USER + 9000;   // wParam 0, lParam 0
const UINT WM_TPC_PUSH_ITEM = WM_USER + 9001;      // lParam: _PUSH_ITEM*, during the call
const UINT WM_TPC_PUSH_KEY = WM_USER + 9002;       // wParam 0, lParam 0

// One delivered item: its "data" text parsed (the object whose "messageId" selects the handler).
struct _PUSH_ITEM {
    Json::Value data;
};
typedef _PUSH_ITEM CPushItem;

class CTPCClientManager : public CSingleton<CTPCClientManager>, public CSessionClientManager {
public:
    // The access key of the push-key registration and the session connect.
    static const char kAccessKey[];

    CTPCClientManager();
    ~CTPCClientManager() override { StopClients(); }

    BOOL Init(const wchar_t* pszDefinitionPath = L".\\protocols\\pps_protocol.xml");
    void SetListener(HWND hWnd) { SetListenerWindow(hWnd); }
    template <class W>
    void SetListener(W* pWnd)
    {
        SetListener(pWnd ? pWnd->GetSafeHwnd() : (HWND) nullptr);
    }
    CString GetPushKey();
    // Opens the push session with the current key.
    void RequestConnect();
    void RequestRegister() { RequestConnect(); }
    int GetKeepAliveInterval() const { return m_nKeepAliveInterval; }

    void OnResponse(std::shared_ptr<CTasResponse> pResponse) override;
    void OnConnect() override;

    static std::vector<_REQUIRED_MESSAGE> RequiredMessages();

protected:
    void SendKeepAlive() override;

private:
    void RequestPushKey();
    void SendPushResults(const Json::Value& results);
    void SendPushRequest(const char* pszApplicationId, const char* pszMessageId, Json::Value* pBody);
    std::vector<uint8_t> MakePlatformHeader(const char* pszApplicationId, const char* pszMessageId);
    void Deliver(const Json::Value& body);

    std::atomic<int> m_nKeepAliveInterval{0};
    std::mutex m_csPushKey;
    CString m_strPushKey;
};
