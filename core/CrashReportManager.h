#pragma once
// Writes a minidump into the application-data folder's "Error" folder when the process dies of
// an exception that nothing handles, and ends the process without the system's crash dialog.
#include <windows.h>

#include "core/Singleton.h"
#include "platform/CString.h"

class CCrashReportManager : public CSingleton<CCrashReportManager> {
public:
    typedef void (*PFN_LOCALTIME)(SYSTEMTIME* pst);

    CCrashReportManager();
    ~CCrashReportManager() override;

    // Arms the filter; the dumps go to strBaseFolder + "Error". Always TRUE.
    BOOL Init(CString strBaseFolder);

    static LONG WINAPI UnhandledExceptionFilter(EXCEPTION_POINTERS* pExceptionInfo);
    // Writes one dump of this process; pExceptionInfo may be null.
    static void WriteMiniDump(EXCEPTION_POINTERS* pExceptionInfo);
    // "<base>Error\CrashDump_yyyymmddhhmmss.dmp" for the given local time.
    static CString MakeDumpPath(const SYSTEMTIME& st);

    // Replaces the clock of the dump names (null restores GetLocalTime).
    static void SetLocalTimeSource(PFN_LOCALTIME pfn) { s_pfnLocalTime = pfn; }
    static CString GetBaseFolder() { return s_strBaseFolder; }

private:
    CString m_strUnused;
    int m_bErrorFolderCreated;
    int m_bOldDumpFound;

    static CString s_strBaseFolder;
    static PFN_LOCALTIME s_pfnLocalTime;
};
