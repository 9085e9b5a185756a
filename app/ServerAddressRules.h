#pragma once
// Checks of the server address dialog's fields, apart from its window.
#include "platform/CString.h"

// Only digits and dots.
BOOL IsDottedText(const CString& str);
// 7..15 characters, not starting with '0', four groups of 1..3 digits below 256 and three dots.
BOOL IsValidIPv4(const CString& str);
// Digits only, 1..65535 (no sign, no blanks; long digit strings do not wrap around).
BOOL IsValidPort(const CString& str);
// A dotted text must be a valid IPv4 address; anything else is a host name that must resolve.
// The resolver is the socket library's unless a test gives one (returns "0.0.0.0" for a failure).
typedef CString (*PFN_RESOLVE_HOST)(const CString& strHost);
BOOL IsValidAddress(const CString& str, PFN_RESOLVE_HOST pfnResolve = nullptr);
CString ResolveHostToDottedText(const CString& strHost);
