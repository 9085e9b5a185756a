#pragma once
// The machine's network identity: the MAC address that every server message header carries and
// the local IPv4 address.
#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>

#include "platform/CString.h"

// The first adapter's hardware address as upper-case hex digits without separators; cached once
// it is non-empty (an empty answer is asked again next time). Safe on any thread: one lookup
// fills the cache while other callers wait for it.
CString GetMacAddress();
extern CString g_strMacAddress;
// The first address of the host name in dotted form, or empty.
CString GetLocalIPAddress();
// A new[] 256-byte text with the first adapter's first six address bytes, or an empty text.
char* GetMacAddressA();

// Replaces GetAdaptersInfo (null restores it), so that the formatting can be tested with a known
// adapter list.
typedef ULONG(WINAPI* PFN_GETADAPTERSINFO)(PIP_ADAPTER_INFO pInfo, PULONG pcbInfo);
PFN_GETADAPTERSINFO SetAdaptersInfoFunction(PFN_GETADAPTERSINFO pfn);
