#pragma once
// The installation's registry values: reading a text value and deleting a value, under a root key
// (HKEY_LOCAL_MACHINE for the installed product) with the access the installer's key grants.
#include "platform/Base.h"

// KEY_READ | KEY_SET_VALUE | KEY_CREATE_SUB_KEY
const REGSAM CLOSER_KEY_ACCESS = 0x2001F;

// The value as text; empty when the key or value is missing, not REG_SZ/REG_EXPAND_SZ, longer than
// 2048 bytes, of an odd byte count or without its terminating zero. Stricter than the client's
// general registry reader, and named apart from it so that both can live in one program.
CString ReadInstallationString(HKEY hRoot, LPCTSTR lpszKey, LPCTSTR lpszValue);
CString ReadLocalMachineString(LPCTSTR lpszKey, LPCTSTR lpszValue);

// TRUE when the value was there and is gone.
BOOL DeleteRegistryValue(HKEY hRoot, LPCTSTR lpszKey, LPCTSTR lpszValue);
