#pragma once
// Ini-file access. Every key is lower-cased first, so the keys the client writes are lower case
// (the platform reads keys without regard to case).
#include <windows.h>
#include "platform/CString.h"

// Reads an integer; a missing key keeps nValue, a text that is not a number gives 0.
// Returns the number of characters read.
DWORD ReadIniInt(LPCTSTR pszSection, LPCTSTR pszKey, int& nValue, LPCTSTR pszFile);
DWORD ReadIniIntAsString(LPCTSTR pszSection, LPCTSTR pszKey, int& nValue, LPCTSTR pszFile);
// Reads a text; a missing key keeps strValue.
DWORD ReadIniString(LPCTSTR pszSection, LPCTSTR pszKey, CString& strValue, LPCTSTR pszFile);
BOOL WriteIniString(LPCTSTR pszSection, LPCTSTR pszKey, LPCTSTR pszValue, LPCTSTR pszFile);
BOOL WriteIniInt(LPCTSTR pszSection, LPCTSTR pszKey, int nValue, LPCTSTR pszFile);
