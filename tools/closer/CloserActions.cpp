#include "tools/closer/CloserActions.h"

#include "tools/closer/ProgramCloser.h"

#include <shellapi.h>

CCloserActions::CCloserActions() : m_nBroadcastMessage(::RegisterWindowMessage(_T("KOV_BROADCAST_MESSAGE"))) {}

void CCloserActions::Broadcast()
{
    ::PostMessage(HWND_BROADCAST, m_nBroadcastMessage, 16, 0);
}

int CCloserActions::CloseRunningProgram(LPCTSTR lpszExeName, LPCTSTR lpszWindowClass)
{
    CProgramCloser closer;
    return closer.CloseRunningProgram(lpszExeName, lpszWindowClass);
}

BOOL CCloserActions::ShellStart(const CString& strExePath, const CString& strParameters)
{
    SHELLEXECUTEINFO sei = {};
    sei.cbSize = sizeof(sei);
    sei.fMask = SEE_MASK_NOCLOSEPROCESS;
    sei.lpFile = strExePath;
    sei.lpParameters = strParameters;
    sei.nShow = SW_SHOWNORMAL;
    if (!::ShellExecuteEx(&sei)) return FALSE;
    if (sei.hProcess) ::CloseHandle(sei.hProcess);
    return TRUE;
}

BOOL CCloserActions::StartAndWait(const CString& strExePath, DWORD dwWaitMs)
{
    STARTUPINFO si = {};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_SHOW;
    PROCESS_INFORMATION pi = {};
    if (!::CreateProcess(strExePath, nullptr, nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS, nullptr, nullptr,
                         &si, &pi))
        return FALSE;
    ::WaitForSingleObject(pi.hProcess, dwWaitMs);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return TRUE;
}
