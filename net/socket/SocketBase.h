#pragma once
// The common (virtual) base of every socket class: error reporting, the last Winsock error, and
// the library's process-wide state (start-up, threading mode, DNS cache, global locks).
#include <winsock2.h>
#include <windows.h>

#include <map>
#include <string>

#include "net/socket/ErrorHandler.h"

class CGenericCriticalSection;

class CSocketBase : public CErrorHandler {
public:
    CSocketBase();
    ~CSocketBase() override;

    virtual void NotifyShutdown() {}

    static bool InitializeSockets(bool multiThreaded, unsigned long numberOfThreads);
    static bool ShutdownSockets();
    static bool IsInitialized() { return m_bInitialized; }
    static bool IsMultiThreaded() { return m_bMultiThreaded; }
    static unsigned long GetNumberOfThreads() { return m_dwNumberOfThreads; }

    // Takes ownership; an object registered before is deleted.
    static void SetAsyncShutdown(CSocketBase* shutdown);

    // Dotted text of an address in network order: Winsock's own buffer, copy it at once.
    static char* LongToString(unsigned long address);
    // Address in network order of a dotted text or host name; 0 when it cannot be resolved.
    static unsigned long StringToLong(const std::string& address);
    static unsigned long ResolveDNS(const std::string& host);
    static sockaddr_in InternalResolveDNS(const char* host);

    // The system lookup behind the DNS cache; tests count or fake lookups through it.
    typedef hostent* (WINAPI* HostLookup)(const char* name);
    static void SetHostLookup(HostLookup lookup);

    // Makes the lock around address conversion when there is none yet (the asynchronous layer
    // asks at its start); it then stays for the life of the process.
    static void RenewAddressLock();

    int GetLastSocketError() const { return m_iLastError; }
    void SetLastError(const std::string& method);

protected:
    // Guards the library's start and stop against sockets made on other threads at the same time;
    // made once, kept for the life of the process, recursive for its owner.
    static CGenericCriticalSection& LibraryLock();

    int m_iLastError;

private:
    static bool m_bInitialized;
    static bool m_bMultiThreaded;
    static unsigned long m_dwNumberOfThreads;
    static CGenericCriticalSection* m_pAddressLock;
    static CGenericCriticalSection* m_pDNSLock;
    static std::map<std::string, sockaddr_in> m_aDNSCache;
    static CSocketBase* m_pShutdown;
    static HostLookup m_pHostLookup;
};
