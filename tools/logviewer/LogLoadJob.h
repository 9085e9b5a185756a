#pragma once
// One loading of a log file on a thread of its own. The thread touches no window: it collects
// the rows here and posts a notice to the viewer, whose thread takes them. The job is shared by
// the viewer and the thread, so that a viewer that goes while a thread still runs leaves the
// thread nothing freed to touch.
#include <windows.h>

#include <atomic>
#include <memory>
#include <vector>

#include "tools/logviewer/LogFileLoader.h"

class CLogLoadJob {
public:
    // The notice posted to hNotify: wParam is the job's number, lParam 0.
    CLogLoadJob(HWND hNotify, UINT nNotifyMessage, UINT nJob, const CString& strPath, const S_LOG_FILTER& filter);
    ~CLogLoadJob();
    CLogLoadJob(const CLogLoadJob&) = delete;
    CLogLoadJob& operator=(const CLogLoadJob&) = delete;

    // Starts the thread; false when it could not be made.
    static bool Start(const std::shared_ptr<CLogLoadJob>& pJob);

    void RequestStop() { m_nStop = 1; }
    // Waits for the thread until the deadline (sent messages are handled meanwhile); true when
    // it has ended or never ran.
    bool WaitForEnd(DWORD dwDeadline);
    bool IsRunning() const;

    // The rows loaded since the last call; pbDone is set once the thread has loaded them all.
    void TakeRows(std::vector<S_LOG_ROW>* pRows, bool* pbDone);
    UINT GetJobNumber() const { return m_nJob; }

private:
    static DWORD WINAPI ThreadProc(LPVOID pParam);
    void Run();
    void Hand(std::vector<S_LOG_ROW>* pRows, bool bDone);

    const HWND m_hNotify;
    const UINT m_nNotifyMessage;
    const UINT m_nJob;
    const CString m_strPath;
    const S_LOG_FILTER m_filter;
    std::atomic<int> m_nStop{0};
    HANDLE m_hThread = nullptr;

    CRITICAL_SECTION m_csRows;
    std::vector<S_LOG_ROW> m_vecRows;
    bool m_bDone = false;
    bool m_bNoticePosted = false;
};
