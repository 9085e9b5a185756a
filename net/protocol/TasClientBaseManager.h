#pragma once
// Common base of the server-client managers: the interface through which a CTasClient reports to
// its manager (a reply, the connection coming up, the idle timer, the connection ending) and what
// every manager keeps about its connection. The handlers run on the socket's worker thread.
#include <winsock2.h>
#include <windows.h>

#include <atomic>
#include <memory>
#include <string>

#include "net/protocol/TasResponse.h"

class CTasClient;

// Time-outs and delays of a manager. The shipped values are set by each manager's constructor;
// tests shorten them.
struct _CLIENT_TIMINGS {
    DWORD dwConnectTimeout = 30000;
    DWORD dwIdleTimeout = 30000;
    // Milliseconds per second of a keep-alive interval that a server names.
    DWORD dwKeepAliveUnit = 1000;
    // Pause before a re-login after an expired session.
    DWORD dwReloginDelay = 1000;
    // Reconnects after a close: the first at once, then after dwBackoffFirst, doubling up to
    // dwBackoffMax, until a session is up again.
    DWORD dwBackoffFirst = 1000;
    DWORD dwBackoffMax = 30000;
};

class CTasClientBaseManager {
public:
    CTasClientBaseManager();
    virtual ~CTasClientBaseManager();
    CTasClientBaseManager(const CTasClientBaseManager&) = delete;
    CTasClientBaseManager& operator=(const CTasClientBaseManager&) = delete;

    virtual void OnResponse(std::shared_ptr<CTasResponse> pResponse) = 0;
    virtual void OnConnect() {}
    virtual void OnTimeout(CTasClient* pClient) {}
    // 0 for an orderly close by the peer; a Winsock or socket-library code otherwise.
    virtual void OnDisconnect(int nErrorCode) {}

    // The window told about connection events; the last call wins.
    void SetEventWindow(HWND hWnd) { m_hEventWnd = hWnd; }
    template <class W>
    void SetEventWindow(W* pWnd)
    {
        SetEventWindow(pWnd ? pWnd->GetSafeHwnd() : (HWND) nullptr);
    }
    HWND GetEventWindow() const { return m_hEventWnd; }

    void SetTimings(const _CLIENT_TIMINGS& timings);
    _CLIENT_TIMINGS GetTimings() const;
    std::string GetHost() const;
    int GetPort() const { return m_nPort; }
    int IsConnecting() const { return m_bConnecting; }
    int IsSessionOpen() const { return m_bSession; }

protected:
    void SetHostAndPort(const std::string& strHost, int nPort);
    // Posts to the event window when one is set and is a window.
    void PostEventMessage(UINT uMsg, WPARAM wParam, LPARAM lParam);
    // Sends to the event window when one is set and is a window; 0 otherwise.
    LRESULT SendEventMessage(UINT uMsg, WPARAM wParam, LPARAM lParam);
    // The wait before the next reconnect: 0 the first time, then growing; and its reset.
    DWORD NextReconnectDelay();
    void ResetReconnectDelay() { m_nReconnectAttempts = 0; }

    std::atomic<int> m_bConnecting{0};
    std::atomic<int> m_bSession{0};

private:
    mutable CRITICAL_SECTION m_csFields;   // host and timings, written on one thread, read on others
    std::string m_strHost;
    std::atomic<int> m_nPort{0};
    std::atomic<HWND> m_hEventWnd{nullptr};
    _CLIENT_TIMINGS m_timings;
    std::atomic<int> m_nReconnectAttempts{0};
};
