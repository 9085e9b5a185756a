#include "net/socket/SocketBase.h"

#include <cstring>

#include "net/socket/CriticalAutoRelease.h"
#include "net/socket/Win32CriticalSection.h"

bool CSocketBase::m_bInitialized = false;
bool CSocketBase::m_bMultiThreaded = false;
unsigned long CSocketBase::m_dwNumberOfThreads = 0;
CGenericCriticalSection* CSocketBase::m_pAddressLock = nullptr;
CGenericCriticalSection* CSocketBase::m_pDNSLock = nullptr;
std::map<std::string, sockaddr_in> CSocketBase::m_aDNSCache;
CSocketBase* CSocketBase::m_pShutdown = nullptr;
CSocketBase::HostLookup CSocketBase::m_pHostLookup = nullptr;

namespace {

hostent* WINAPI SystemHostLookup(const char* name)
{
    return gethostbyname(name);
}

const unsigned long kMaxThreads = 50;

}  // namespace

CSocketBase::CSocketBase() : m_iLastError(0)
{
    try {
        SetName("CSocketBase");
    } catch (...) {
        ReportLastError("CSocketBase");
    }
}

CSocketBase::~CSocketBase() {}

CGenericCriticalSection& CSocketBase::LibraryLock()
{
    static CWin32CriticalSection s_lock;
    return s_lock;
}

bool CSocketBase::InitializeSockets(bool multiThreaded, unsigned long numberOfThreads)
{
    try {
        CCriticalAutoRelease library(&LibraryLock());
        if (m_bInitialized) {
            ReportStaticError("CSocketBase", "InitializeSockets", "Already initialized!");
            return true;
        }
        if (numberOfThreads > kMaxThreads) {
            ReportStaticError("CSocketBase", "InitializeSockets", "Too many threads!");
            return false;
        }
        if (multiThreaded && numberOfThreads == 0) {
            ReportStaticError("CSocketBase", "InitializeSockets", "Didn't receive any threads!");
            return false;
        }
        WSADATA data;
        if (WSAStartup(MAKEWORD(2, 2), &data) != 0) return false;
        if (LOBYTE(data.wVersion) != 2 || HIBYTE(data.wVersion) != 2) {
            WSACleanup();
            return false;
        }
        m_bMultiThreaded = multiThreaded;
        m_dwNumberOfThreads = numberOfThreads;
        RenewAddressLock();
        if (!m_pDNSLock) m_pDNSLock = new CWin32CriticalSection();
        m_bInitialized = true;
        return true;
    } catch (...) {
        ReportStaticLastError("CSocketBase", "InitializeSockets");
        return false;
    }
}

bool CSocketBase::ShutdownSockets()
{
    try {
        CSocketBase* shutdown;
        {
            // From here on a socket made on another thread finds the library stopped and is
            // refused, and cannot start a worker layer that nothing would stop.
            CCriticalAutoRelease library(&LibraryLock());
            if (!m_bInitialized) return true;
            m_bInitialized = false;
            shutdown = m_pShutdown;
            m_pShutdown = nullptr;
        }
        // The address and DNS locks stay for the life of the process: a socket made or resolving
        // on another thread while the library shuts down still finds them.
        {
            CCriticalAutoRelease guard(m_pDNSLock);
            m_aDNSCache.clear();
        }
        // Outside the library lock: the layer waits for its workers, and a worker may be making a
        // socket (an accepted connection) that asks for that lock.
        if (shutdown) {
            shutdown->NotifyShutdown();
            delete shutdown;
        }
        return WSACleanup() != SOCKET_ERROR;
    } catch (...) {
        ReportStaticLastError("CSocketBase", "ShutdownSockets");
        return false;
    }
}

void CSocketBase::SetAsyncShutdown(CSocketBase* shutdown)
{
    CCriticalAutoRelease library(&LibraryLock());
    if (m_pShutdown && m_pShutdown != shutdown) delete m_pShutdown;
    m_pShutdown = shutdown;
}

void CSocketBase::RenewAddressLock()
{
    // Made once and kept: replacing it would pull it from under a thread that holds it.
    if (!m_pAddressLock) m_pAddressLock = new CWin32CriticalSection();
}

void CSocketBase::SetHostLookup(HostLookup lookup)
{
    m_pHostLookup = lookup;
}

char* CSocketBase::LongToString(unsigned long address)
{
    try {
        CCriticalAutoRelease guard(m_pAddressLock);
        in_addr in;
        in.s_addr = address;
        return inet_ntoa(in);
    } catch (...) {
        ReportStaticLastError("CSocketBase", "LongToString");
        return nullptr;
    }
}

unsigned long CSocketBase::StringToLong(const std::string& address)
{
    unsigned long value = inet_addr(address.c_str());
    if (value == INADDR_NONE) return ResolveDNS(address);
    return value;
}

unsigned long CSocketBase::ResolveDNS(const std::string& host)
{
    try {
        std::string name(host.c_str());
        return InternalResolveDNS(name.c_str()).sin_addr.s_addr;
    } catch (...) {
        ReportStaticLastError("CSocketBase", "ResolveDNS");
        return 0;
    }
}

sockaddr_in CSocketBase::InternalResolveDNS(const char* host)
{
    sockaddr_in address;
    std::memset(&address, 0, sizeof address);
    try {
        std::string name(host ? host : "");
        {
            CCriticalAutoRelease guard(m_pDNSLock);
            auto it = m_aDNSCache.find(name);
            if (it != m_aDNSCache.end()) return it->second;
        }
        // The system lookup may take long: it runs outside the lock.
        hostent* entry = (m_pHostLookup ? m_pHostLookup : SystemHostLookup)(name.c_str());
        if (!entry || !entry->h_addr_list || !entry->h_addr_list[0]) return address;
        size_t length = entry->h_length > 0 ? (size_t)entry->h_length : 0;
        if (length > sizeof address.sin_addr) length = sizeof address.sin_addr;
        std::memcpy(&address.sin_addr, entry->h_addr_list[0], length);
        CCriticalAutoRelease guard(m_pDNSLock);
        m_aDNSCache.insert(std::make_pair(name, address));
        return address;
    } catch (...) {
        ReportStaticLastError("CSocketBase", "InternalResolveDNS");
        return address;
    }
}

void CSocketBase::SetLastError(const std::string& method)
{
    try {
        m_iLastError = WSAGetLastError();
        if (m_iLastError != 0) ReportSocketError(method, "Through SetLastError", m_iLastError);
    } catch (...) {
        ReportLastError("SetLastError");
    }
}
