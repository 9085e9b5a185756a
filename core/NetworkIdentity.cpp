#include "core/NetworkIdentity.h"

#include <cstdio>
#include <vector>

#include "platform/CriticalSection.h"
#include "platform/SingleLock.h"

CString g_strMacAddress;

namespace {

PFN_GETADAPTERSINFO g_pfnGetAdaptersInfo = nullptr;

// The cache is filled on first use, which may happen on the user-interface thread and on socket
// workers (every frame header carries the address) at the same time.
CCriticalSection& MacAddressLock()
{
    static CCriticalSection s_lock;
    return s_lock;
}

// The adapter list in a buffer of the size the system asks for; empty when there is none.
std::vector<BYTE> ReadAdapters()
{
    PFN_GETADAPTERSINFO pfn = g_pfnGetAdaptersInfo ? g_pfnGetAdaptersInfo : GetAdaptersInfo;
    ULONG cb = 0;
    if (pfn(nullptr, &cb) != ERROR_BUFFER_OVERFLOW || cb < sizeof(IP_ADAPTER_INFO)) return {};
    std::vector<BYTE> buffer(cb);
    if (pfn(reinterpret_cast<PIP_ADAPTER_INFO>(buffer.data()), &cb) != ERROR_SUCCESS) return {};
    return buffer;
}

}  // namespace

PFN_GETADAPTERSINFO SetAdaptersInfoFunction(PFN_GETADAPTERSINFO pfn)
{
    PFN_GETADAPTERSINFO old = g_pfnGetAdaptersInfo;
    g_pfnGetAdaptersInfo = pfn;
    return old;
}

CString GetMacAddress()
{
    CSingleLock lock(&MacAddressLock(), TRUE);
    if (!g_strMacAddress.IsEmpty()) return g_strMacAddress;
    std::vector<BYTE> buffer = ReadAdapters();
    if (buffer.empty()) return CString();
    const IP_ADAPTER_INFO* pInfo = reinterpret_cast<const IP_ADAPTER_INFO*>(buffer.data());
    UINT nLength = pInfo->AddressLength;
    if (nLength > MAX_ADAPTER_ADDRESS_LENGTH) nLength = MAX_ADAPTER_ADDRESS_LENGTH;
    CString strMac;
    for (UINT i = 0; i < nLength; ++i) {
        CString strByte;
        strByte.Format(L"%02X", pInfo->Address[i]);
        strMac += strByte;
    }
    if (!strMac.IsEmpty()) g_strMacAddress = strMac;
    return strMac;
}

CString GetLocalIPAddress()
{
    char szHost[256] = {};
    if (gethostname(szHost, 255) != 0) return CString();
    hostent* pHost = gethostbyname(szHost);
    if (!pHost || !pHost->h_addr_list || !pHost->h_addr_list[0]) return CString();
    in_addr addr;
    memcpy(&addr, pHost->h_addr_list[0], sizeof addr);
    return CString(inet_ntoa(addr));
}

char* GetMacAddressA()
{
    char* pszMac = new char[256];
    pszMac[0] = 0;
    std::vector<BYTE> buffer = ReadAdapters();
    if (!buffer.empty()) {
        const BYTE* a = reinterpret_cast<const IP_ADAPTER_INFO*>(buffer.data())->Address;
        _snprintf(pszMac, 256, "%02X%02X%02X%02X%02X%02X", a[0], a[1], a[2], a[3], a[4], a[5]);
        pszMac[255] = 0;
    }
    return pszMac;
}
