#include "core/CrashReportManager.h"

#include <dbghelp.h>
#include <shlwapi.h>

CString CCrashReportManager::s_strBaseFolder;
CCrashReportManager::PFN_LOCALTIME CCrashReportManager::s_pfnLocalTime = nullptr;

namespace {
typedef BOOL(WINAPI* PFN_MINIDUMPWRITEDUMP)(HANDLE, DWORD, HANDLE, MINIDUMP_TYPE,
                                            PMINIDUMP_EXCEPTION_INFORMATION,
                                            PMINIDUMP_USER_STREAM_INFORMATION,
                                            PMINIDUMP_CALLBACK_INFORMATION);
}

CCrashReportManager::CCrashReportManager() : m_bErrorFolderCreated(0), m_bOldDumpFound(0) {}

CCrashReportManager::~CCrashReportManager() {}

BOOL CCrashReportManager::Init(CString strBaseFolder)
{
    s_strBaseFolder = strBaseFolder;
    SetUnhandledExceptionFilter(&CCrashReportManager::UnhandledExceptionFilter);
    CString strErrorFolder;
    strErrorFolder.Format(L"%s%s", (LPCTSTR)s_strBaseFolder, L"Error");
    if (!PathIsDirectoryW(strErrorFolder)) {
        m_bErrorFolderCreated = CreateDirectoryW(strErrorFolder, nullptr);
        if (!m_bErrorFolderCreated)
            OutputDebugStringW(L"CCrashReportManager::Init: the Error folder cannot be created\n");
    } else {
        m_bOldDumpFound = PathFileExistsW(strErrorFolder + L"\\CrashDump");
    }
    return TRUE;
}

LONG WINAPI CCrashReportManager::UnhandledExceptionFilter(EXCEPTION_POINTERS* pExceptionInfo)
{
    try {
        WriteMiniDump(pExceptionInfo);
    } catch (...) {
        // Nothing more can be done for a process that is already dying.
    }
    return EXCEPTION_EXECUTE_HANDLER;
}

CString CCrashReportManager::MakeDumpPath(const SYSTEMTIME& st)
{
    CString strFolder, strStamp, strPath;
    strFolder.Format(L"%s%s", (LPCTSTR)s_strBaseFolder, L"Error");
    strStamp.Format(L"%04d%02d%02d%02d%02d%02d", st.wYear, st.wMonth, st.wDay, st.wHour,
                    st.wMinute, st.wSecond);
    strPath.Format(L"%s\\%s_%s.dmp", (LPCTSTR)strFolder, L"CrashDump", (LPCTSTR)strStamp);
    return strPath;
}

void CCrashReportManager::WriteMiniDump(EXCEPTION_POINTERS* pExceptionInfo)
{
    SYSTEMTIME st;
    if (s_pfnLocalTime) s_pfnLocalTime(&st);
    else GetLocalTime(&st);
    CString strPath = MakeDumpPath(st);
    HANDLE hFile = CreateFileW(strPath, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    HMODULE hDbgHelp = LoadLibraryW(L"DbgHelp.dll");
    PFN_MINIDUMPWRITEDUMP pfnWrite =
        hDbgHelp ? reinterpret_cast<PFN_MINIDUMPWRITEDUMP>(GetProcAddress(hDbgHelp, "MiniDumpWriteDump"))
                 : nullptr;
    if (hFile == INVALID_HANDLE_VALUE) return;
    if (pfnWrite) {
        MINIDUMP_EXCEPTION_INFORMATION info;
        info.ThreadId = GetCurrentThreadId();
        info.ExceptionPointers = pExceptionInfo;
        info.ClientPointers = TRUE;
        pfnWrite(GetCurrentProcess(), GetCurrentProcessId(), hFile, MiniDumpNormal,
                 pExceptionInfo ? &info : nullptr, nullptr, nullptr);
    }
    CloseHandle(hFile);
}
