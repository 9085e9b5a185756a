#pragma once
// One logger per log file. In viewer mode (the default) every line goes to the log service
// window as a WM_COPYDATA record; in file mode the logger writes the file itself, on the calling
// thread or through a writer thread, and rolls it over on the first line of a new day.
// "LOG.ini" beside the executable ([CMyLogFile] AppUse, ThreadUse) chooses the mode.
#include <windows.h>
#include <atomic>
#include <string>
#include <vector>

#include "platform/CString.h"

class CMyLogFile {
public:
    // Source of the local time; replaceable so that day changes can be tested.
    typedef void (*PFN_LOCALTIME)(SYSTEMTIME* pst);

    CMyLogFile();
    // Reads the mode switches from the given ini file instead of the executable's "LOG.ini".
    explicit CMyLogFile(LPCTSTR pszModeIniPath);
    ~CMyLogFile();
    CMyLogFile(const CMyLogFile&) = delete;
    CMyLogFile& operator=(const CMyLogFile&) = delete;

    static DWORD ReadIniInt(LPCTSTR pszSection, LPCTSTR pszKey, int& nValue, LPCTSTR pszIniPath);

    // Finds (and creates) the local application-data folder + company + product.
    BOOL InitAppData(CString strCompany, CString strProduct);
    CString GetAppDataFolder() const { return m_strAppDataFolder; }

    void Init(CString strFolder, CString strPath, int nKeepDays, int nFileFlag, int nMinLevel,
              int nDebugFlag);

    // Returns 1 when the line was handed on or written, 0 otherwise. The arguments are those of
    // CString::Format: CString objects may be passed as they are.
    template <typename... A>
    int Log(int nLevel, LPCTSTR pszFormat, const A&... args)
    {
        return LogArgs(nLevel, pszFormat, zel::detail::FormatArg(args)...);
    }
    int LogV(int nLevel, LPCTSTR pszFormat, va_list args);
    // Whether a line of this level is handed on or written at all: a caller that would build a
    // costly text for it (a whole frame's dump) skips that when nobody takes it.
    bool Takes(int nLevel) const;
    int LogText(int nLevel, LPCTSTR pszText);

    // Ends the writer thread after it has written every queued line.
    void StopWriterThread();

    // Viewer mode: the records to the log service window.
    void SendRegistration(LPCTSTR pszFolder, LPCTSTR pszPath, int nKeepDays, int nFileFlag,
                          int nMinLevel, int nDebugFlag);
    int SendLine(int nLevel, LPCTSTR pszText);

    // File mode pieces.
    int Rotate();
    int WriteHeader(LPCTSTR pszPath);
    CString ReadFileDate();
    int DeleteOldCopies(const CString& strFolder, const CString& strName);
    int TruncateFile(LPCTSTR pszPath);
    int Write(LPCTSTR pszPath, const CString& strLine);
    int PushLine(const CString& strLine);

    static BOOL CreateFolders(const CString& strPath);
    static BOOL PathExists(const CString& strPath, BOOL bFolder);
    static LPCTSTR GetLevelName(int nLevel);
    // "yyyy-mm-dd AM hh:mm:ss.mmm" with a 12-hour clock.
    static CString FormatTimeText(const SYSTEMTIME& st);
    static CString FormatDateText(const SYSTEMTIME& st);

    void SetLocalTimeSource(PFN_LOCALTIME pfn) { m_pfnLocalTime = pfn; }
    BOOL IsViewerMode() const { return m_nAppUse != 0; }
    BOOL IsWriterThreadRunning() const { return m_bThreadStarted; }
    CString GetLogPath() const { return m_strLogPath; }
    CString GetFileDate() const { return m_strFileDate; }

private:
    int LogArgs(int nLevel, LPCTSTR pszFormat, ...);
    void Construct(const CString& strModeIniPath);
    void Now(SYSTEMTIME* pst) const;
    int WriteLine(const CString& strLine);
    int WriteBytes(LPCTSTR pszPath, const std::string& bytes);
    void RollOverIfNewDay();
    void SetFileDate(const CString& strDate);
    void StartWriterThread();
    static DWORD WINAPI WriterThreadProc(LPVOID pParam);
    void DrainQueue();

    int m_bInitialised;
    CString m_strBackupFolder;
    CString m_strFileDate;
    std::atomic<int> m_nFileDayKey;   // yyyymmdd of m_strFileDate, 0 when it is not a date
    CString m_strLogPath;
    CString m_strFileTitle;
    CString m_strFileExt;
    int m_nKeepDays;
    int m_bFileFlag;
    int m_nMinLevel;
    int m_bDebugFlag;
    CString m_strAppDataFolder;
    CRITICAL_SECTION m_csFile;   // held around roll-over and every append
    CRITICAL_SECTION m_csQueue;
    std::atomic<DWORD> m_dwThreadId;
    HANDLE m_hWakeEvent;
    HANDLE m_hStoppedEvent;
    HANDLE m_hThread;
    std::vector<CString> m_vecQueue;   // oldest first
    std::atomic<int> m_bThreadStarted;
    int m_nThreadUse;
    int m_nAppUse;
    // Whether the log service has this log; a registration lost while the service was absent
    // is sent again with the next line that reaches it.
    std::atomic<bool> m_bRegistered;
    PFN_LOCALTIME m_pfnLocalTime;
};

// The application log ("ZELLog.txt") and the server conversation log ("TASLog.txt").
extern CMyLogFile g_ApplicationLog;
extern CMyLogFile g_TasLog;
