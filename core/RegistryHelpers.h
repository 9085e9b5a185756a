#pragma once
// Registry access for single values.
#include <windows.h>
#include "platform/CString.h"

// The REG_SZ text of the value; empty when the key or value is missing or is not a text.
CString ReadRegistryString(HKEY hRoot, LPCTSTR pszSubKey, LPCTSTR pszName);
// The REG_DWORD value; dwDefault when the key cannot be opened, 0 when the value cannot be read
// as a DWORD.
DWORD ReadRegistryDword(HKEY hRoot, LPCTSTR pszSubKey, LPCTSTR pszName, DWORD dwDefault);
void WriteRegistryDword(HKEY hRoot, LPCTSTR pszSubKey, LPCTSTR pszName, DWORD dwValue);
// Writes REG_SZ with its terminator; returns the Win32 error.
LONG WriteRegistryString(HKEY hRoot, LPCTSTR pszSubKey, LPCTSTR pszName, LPCTSTR pszValue);
