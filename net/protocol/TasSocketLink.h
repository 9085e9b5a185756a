#pragma once
// The way from a socket's callbacks (on its worker thread) to its client. The client detaches the
// link when it gives the socket up and before it is deleted; a callback already under way on
// another thread is waited for, so a client is never deleted under its own callback. The one
// exception is a client deleted while its callback waits for the deleting thread (a reply being
// delivered by SendMessage): that callback checks the link after the delivery and touches the
// client no more.
#include <winsock2.h>
#include <windows.h>

#include <functional>
#include <map>
#include <mutex>

class CTasClient;

class CTasSocketLink {
public:
    explicit CTasSocketLink(CTasClient* pClient) : m_pClient(pClient) {}
    CTasSocketLink(const CTasSocketLink&) = delete;
    CTasSocketLink& operator=(const CTasSocketLink&) = delete;

    // Runs fn with the client; false (fn not run) once the link is detached.
    bool Call(const std::function<void(CTasClient&)>& fn);
    // Stops further calls. With bWait it also waits (at most dwMaxWait, handling messages sent
    // to this thread meanwhile) for calls under way on other threads.
    void Detach(bool bWait, DWORD dwMaxWait = 15000);
    bool IsAttached() const;
    // A call is under way on some thread.
    bool IsBusy() const;

private:
    bool BusyElsewhere() const;

    mutable std::mutex m_mutex;
    CTasClient* m_pClient;
    std::map<DWORD, int> m_mapInFlight;   // calls under way, per thread
};
