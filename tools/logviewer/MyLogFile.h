#pragma once
// The log service's logger: one per registered log. It stamps each line on arrival and, with
// "ThreadUse", hands it to a writer thread of its own that is the only one to touch the log's
// file (appending, the daily copy, the header); without it the receiving thread writes.
//
// The client has a logger class of the same name (core/MyLogFile.h) that sends its lines here;
// this one lives in its own namespace so that both can be in one program (the tests).
#include <windows.h>

#include <atomic>
#include <vector>

#include "platform/CString.h"
#include "tools/logviewer/LogFileStore.h"

namespace zellog {

// Where every written line is offered for the display list. Called on the writing thread.
class ILogLineDisplay {
public:
    virtual void FilterDisplayLine(const CString& strName, const CString& strLine) = 0;

protected:
    ~ILogLineDisplay() = default;
};

class CMyLogFile {
public:
    // Source of the local time; replaceable so that day changes can be tested.
    typedef void (*PFN_LOCALTIME)(SYSTEMTIME* pst);

    // Reads "ThreadUse" and "Crypto" from "LOG.ini" beside the program.
    CMyLogFile();
    // ... or from the given ini file.
    explicit CMyLogFile(LPCTSTR pszIniPath);
    // Stops a writer that was not stopped yet.
    ~CMyLogFile();
    CMyLogFile(const CMyLogFile&) = delete;
    CMyLogFile& operator=(const CMyLogFile&) = delete;

    // The values of a registration record.
    void Open(const CString& strCopyFolder, const CString& strPath, int nKeepDays, int nFileFlag,
              int nMinLevel, int nDebugFlag);
    // One line; 1 when it was queued or written, else 0.
    int WriteLine(int nLevel, LPCTSTR pszText);
    static LPCTSTR GetLevelName(int nLevel);

    // Thread-safe; null stops the offering.
    void SetDisplay(ILogLineDisplay* pDisplay);

    // Stopping at exit: the writer goes on writing what is queued until the deadline (a
    // GetTickCount value) and then ends; lines still queued after it are dropped.
    void RequestStop(DWORD dwDrainDeadline);
    // The drain deadline that leaves the writer time to end within dwTimeoutMs of dwStart.
    static DWORD DrainDeadline(DWORD dwStart, DWORD dwTimeoutMs);
    // Waits for the writer to end, at most until the deadline, handling sent messages. TRUE when
    // no writer runs any more; FALSE leaves a writer that still runs, and the object must then
    // be kept alive (it is never freed under a running thread).
    BOOL WaitForStop(DWORD dwDeadline);
    // Both, with the deadline dwTimeoutMs from now.
    BOOL StopWriter(DWORD dwTimeoutMs);
    BOOL IsWriterRunning() const;

    const CString& GetLogPath() const { return m_strPath; }
    int GetKeepDays() const { return m_nKeepDays; }
    int GetFileFlag() const { return m_nFileFlag; }
    int GetMinLevel() const { return m_nMinLevel; }
    int GetDebugFlag() const { return m_nDebugFlag; }
    int GetThreadUse() const { return m_nThreadUse; }
    int GetCrypto() const { return m_nCrypto; }

    static void SetLocalTimeSource(PFN_LOCALTIME pfn);
    static void Now(SYSTEMTIME* pst);

private:
    enum WriterState { WRITER_NONE, WRITER_RUNNING, WRITER_STOPPING, WRITER_ENDED, WRITER_ABANDONED };

    void Construct(const CString& strIniPath);
    BOOL StartWriter();
    static DWORD WINAPI WriterThreadProc(LPVOID pParam);
    void RunWriter();
    // Writes the queued lines; once asked to stop, only until the deadline.
    void WriteQueued();
    void ShowLine(const CString& strLine);

    int m_bOpened = 0;
    CString m_strPath;
    CString m_strFileTitle;
    int m_nKeepDays = 0;
    int m_nFileFlag = 0;
    int m_nMinLevel = 0;
    int m_nDebugFlag = 0;
    int m_nThreadUse = 1;
    int m_nCrypto = 1;
    CLogFileStore m_store;

    CRITICAL_SECTION m_csDisplay;
    ILogLineDisplay* m_pDisplay = nullptr;

    CRITICAL_SECTION m_csQueue;
    std::vector<S_LOG_QUEUED_LINE> m_vecQueue;   // oldest first
    HANDLE m_hWorkEvent = nullptr;
    HANDLE m_hStopEvent = nullptr;   // set once, when the writer is asked to stop
    HANDLE m_hThread = nullptr;
    WriterState m_eWriter = WRITER_NONE;   // changed only by the owning (receiving) thread
    CAppendDeadline m_stopDeadline;   // set when the writer is asked to stop
};

}  // namespace zellog
