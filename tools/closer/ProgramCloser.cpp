#include "tools/closer/ProgramCloser.h"

#include "core/AppControl.h"

#include <tlhelp32.h>

int CProgramCloser::CloseRunningProgram(LPCTSTR lpszExeName, LPCTSTR lpszWindowClass) const
{
    m_nLastSends = 0;
    HWND hWnd = ::FindWindow(lpszWindowClass, nullptr);
    if (!hWnd) return 0;
    for (int i = 0; i < m_timing.nMaxSends; ++i) {
        DWORD_PTR dwResult = 0;
        ++m_nLastSends;
        ::SendMessageTimeout(hWnd, UWM_APP_CONTROL, APP_CONTROL_QUIT, 0, SMTO_ABORTIFHUNG | SMTO_NORMAL,
                             m_timing.uSendTimeoutMs, &dwResult);
        ::Sleep(m_timing.dwPauseMs);
        hWnd = ::FindWindow(lpszWindowClass, nullptr);
        if (!hWnd) return 1;
    }
    TerminateProcessesByName(lpszExeName);
    return 0;
}

int CProgramCloser::TerminateProcessesByName(LPCTSTR lpszExeName)
{
    HANDLE hSnap = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (hSnap == INVALID_HANDLE_VALUE) return 0;
    int nEnded = 0;
    PROCESSENTRY32 pe = {};
    pe.dwSize = sizeof(pe);
    for (BOOL bMore = ::Process32First(hSnap, &pe); bMore; bMore = ::Process32Next(hSnap, &pe)) {
        if (::lstrcmpi(pe.szExeFile, lpszExeName) != 0) continue;
        HANDLE hProcess = ::OpenProcess(PROCESS_ALL_ACCESS, FALSE, pe.th32ProcessID);
        if (!hProcess) continue;
        DWORD dwCode = 1;
        // A running process reports STILL_ACTIVE; ending it with that code would make it look alive
        // to anyone who reads its exit code afterwards.
        if (!::GetExitCodeProcess(hProcess, &dwCode) || dwCode == STILL_ACTIVE) dwCode = 1;
        BOOL bEnded = ::TerminateProcess(hProcess, dwCode);
        ::CloseHandle(hProcess);
        if (!bEnded) break;
        ++nEnded;
    }
    ::CloseHandle(hSnap);
    return nEnded;
}
