#pragma once
// What the push and document-synchronisation managers share: one connection whose server accepts
// a session and is kept alive by keep-alives at the interval the server names. An idle timer with
// a keep-alive still unanswered, or with no session yet, reconnects; a close or error reconnects
// too, except the three network errors that go to the event window. Reconnects after the first
// wait longer and longer until a session is up again. Log-out parks the client (marked closed) and
// makes a fresh one.
#include <winsock2.h>
#include <windows.h>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "net/protocol/ProtocolCheck.h"
#include "net/protocol/ProtocolDef.h"
#include "net/protocol/TasClient.h"
#include "net/protocol/TasClientBaseManager.h"
#include "net/protocol/TasRequest.h"
#include "net/protocol/UiThreadQueue.h"
#include "net/socket/Win32CriticalSection.h"
#include "platform/CString.h"

// Posted to the event window: a network error that no reconnect can repair.
const UINT WM_CLIENT_SOCKET_ERROR = WM_USER + 9999;

class CSessionClientManager : public CTasClientBaseManager {
public:
    // pszServerName names the server in the log ("TDS", "TPC").
    CSessionClientManager(const wchar_t* pszServerName, int bJson, DWORD dwIdleTimeout);
    ~CSessionClientManager() override;

    void Connect(const CString& strHost, int nPort);
    // Nothing while connected or while the connecting flag is set.
    void Connect(const std::string& strHost, int nPort);
    HWND GetListener() const { return m_hListener; }
    void ResetClient();
    void FreeParkedClient();
    void DeleteRetiredClient() { FreeParkedClient(); }

    void OnTimeout(CTasClient* pClient) override;
    void OnDisconnect(int nErrorCode) override;

    CTasClient* GetClient() const { return m_pClient; }
    CTasClient* GetParkedClient() const { return m_pParkedClient; }
    bool IsKeepAliveSent() const { return m_bKeepAliveSent != 0; }
    const CProtocolDef* GetProtocolDef() const { return m_pProtocolDef.get(); }
    const std::vector<std::string>& GetMissingMessages() const { return m_vecMissing; }

protected:
    // Ends the clients, waiting for a socket callback still under way in this manager. The
    // most derived class calls it first in its destructor: a keep-alive time-out running on the
    // worker calls back into that class, which must not be half destroyed under it.
    void StopClients();
    // Loads and checks the definitions and makes the client; FALSE when something is missing.
    BOOL InitClient(const wchar_t* pszDefinitionPath, const std::vector<_REQUIRED_MESSAGE>& required);
    virtual void SendKeepAlive() = 0;
    // The listener is gone (log-out): forget whatever belongs to it.
    virtual void OnListenerCleared() {}
    void SetListenerWindow(HWND hWnd) { m_hListener = hWnd; }
    // Hands the request (deleted afterwards) to the current client.
    void SendThroughClient(CTasRequest* pRequest);
    // The session is open with the server's keep-alive interval (seconds; 0 keeps the timer).
    void OnSessionOpened(int nKeepAliveSeconds);
    void ScheduleReconnect();
    void Reconnect();
    CUiThreadQueue& Queue() { return *m_pQueue; }
    const wchar_t* ServerName() const { return m_pszServerName; }

    std::atomic<HWND> m_hListener{nullptr};
    std::atomic<int> m_bKeepAliveSent{0};

private:
    CTasClient* NewClient();

    const wchar_t* m_pszServerName;
    const int m_bJson;
    std::unique_ptr<CProtocolDef> m_pProtocolDef;
    CWin32CriticalSection m_csClients;   // the client pointers: replaced on one thread, used on others
    CTasClient* m_pClient = nullptr;
    CTasClient* m_pParkedClient = nullptr;
    std::unique_ptr<CUiThreadQueue> m_pQueue;
    std::vector<std::string> m_vecMissing;
};
