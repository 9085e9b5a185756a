#pragma once
// System queries, program start and the application-data folder.
#include <windows.h>
#include "platform/CString.h"

// The system's message for the code, with its trailing line break; empty for an unknown code.
CString GetSystemErrorText(DWORD dwCode);

// TRUE when the system reports a connection that is not flagged offline; also kept in
// g_bInternetConnected.
BOOL IsInternetConnected();
extern BOOL g_bInternetConnected;
// Replaces InternetGetConnectedState (null restores it), so the offline answer can be tested.
typedef BOOL (WINAPI* PFN_CONNECTED_STATE)(LPDWORD lpdwFlags, DWORD dwReserved);
PFN_CONNECTED_STATE SetConnectedStateFunction(PFN_CONNECTED_STATE pfn);

// Touch is taken where the system is at least version 6.1 (compared as a pair, so 6.2 and 10.0
// count) and the digitiser is ready or takes several inputs (SM_DIGITIZER bits 0xC0).
BOOL IsTouchSupported(DWORD dwMajor, DWORD dwMinor, int nDigitizer);
// The same for this machine; the version comes from the kernel, which reports it whatever the
// program's compatibility settings say.
BOOL IsSystemTouchSupported();

// ProductVersion of the module's version resource, or "0.0.0.0".
CString GetProductVersion(HMODULE hModule);
// The executable's folder with a trailing backslash.
CString GetModuleFolder();
// 0 started, -1 ShellExecuteEx failed, -2 started without a process handle.
int RunProgram(LPCTSTR pszFile, LPCTSTR pszParameters, BOOL bWait);

// Appends "Log : [yy/mm/dd HH:MM:SS] text\n" to C:\Temp\yyyymmdd.txt (UTF-16 units).
void AppendDebugLog(LPCTSTR pszFormat, ...);

// The local application-data folder + company + product with a trailing backslash, created when
// missing; empty (after a message box) on failure.
CString MakeAppDataFolder(LPCTSTR pszCompany, LPCTSTR pszProduct);
// The same, with the caller's message texts: pszNoFolderText when the local application-data
// folder is unknown, pszCreateFailFormat (one %s: the folder) when it cannot be created.
CString LocateAppDataFolder(LPCTSTR pszCompany, LPCTSTR pszProduct, LPCTSTR pszNoFolderText,
                            LPCTSTR pszCreateFailFormat);
