#include "features/documents/DocDownloadThread.h"

#include <objidl.h>
#include <gdiplus.h>

#include "core/HttpDownload.h"
#include "core/MyLogFile.h"
#include "features/documents/DocViewerPages.h"
#include "platform/WinThread.h"

// What a thread and the viewer share: the thread holds its own reference, so a thread the viewer
// stops waiting for still has its parameters.
struct CDocDownloadThreads::Job {
    std::unique_ptr<S_DOCVIEWER_THREAD_PARAM> param;
    CWinThread* pThread = nullptr;
    volatile LONG bLetGo = 0;   // the thread object deletes itself when its thread ends
    ~Job()
    {
        if (pThread && !bLetGo) delete pThread;
    }
};

namespace {

struct ThreadStart {
    std::shared_ptr<void> keepAlive;
    S_DOCVIEWER_THREAD_PARAM* param;
};

LRESULT AskViewer(const S_DOCVIEWER_THREAD_PARAM& p, WPARAM wParam, S_DOCVIEWER_RESULT& rec)
{
    return ::SendMessageW(p.hViewer, WM_DOCVIEWER_DOWNLOADED, wParam, reinterpret_cast<LPARAM>(&rec));
}

}  // namespace

UINT __cdecl gDocViewerDownloadThreadProc(LPVOID pStart)
{
    std::unique_ptr<ThreadStart> start(static_cast<ThreadStart*>(pStart));
    S_DOCVIEWER_THREAD_PARAM& p = *start->param;
    try {
        g_ApplicationLog.Log(1, L"CDocViewerDlg::gDocViewerDownloadThreadProc start total:%d, %s\n", p.nTotalPage,
                             (LPCTSTR)p.strPrefixUrl);
        if (p.bIgnoreCertificateErrors)
            g_ApplicationLog.Log(2, L"CDocViewerDlg::gDocViewerDownloadThreadProc certificate errors of page images are ignored (setting)\n");
        S_DOCVIEWER_RESULT rec = {};
        rec.nMode = 1;
        rec.pOwnerWnd = p.pViewer;
        rec.nGeneration = p.nGeneration;
        for (;;) {
            if (InterlockedCompareExchange(&p.bStop, 0, 0)) {
                g_ApplicationLog.Log(1, L"CDocViewerDlg::gDocViewerDownloadThreadProc m_bStopThread TRUE\n");
                break;
            }
            int nIndex = p.nFirstIndex;
            p.nFirstIndex = -1;
            const bool bAsked = nIndex < 0;
            if (bAsked) {
                rec.nPageIndex = -1;
                const LRESULT nNext = AskViewer(p, (WPARAM)-1, rec);
                if (nNext <= 0) break;
                nIndex = (int)nNext - 1;
            }
            rec.nPageIndex = nIndex;
            CString strUrl;
            strUrl.Format(L"%s%d", (LPCTSTR)p.strPrefixUrl, nIndex + 1);
            g_ApplicationLog.Log(1, L"CDocViewerDlg::gDocViewerDownloadThreadProc GetHTTPDownload index:%d, %s\n", nIndex,
                                 (LPCTSTR)strUrl);
            if (bAsked) AskViewer(p, 0, rec);
            rec.bSuccess = (BYTE)HttpGetToMemory(strUrl, &rec, p.bIgnoreCertificateErrors);
            rec.pImage = rec.bSuccess ? S_DOCVIEWER_PAGE::LoadDocImage(rec.pBody, rec.nBodyLength) : nullptr;
            AskViewer(p, 100, rec);
            delete rec.pImage;   // not taken: the window is gone or the page belongs to no opening
            rec.pImage = nullptr;
            delete[] rec.pBody;
            rec.pBody = nullptr;
            rec.nBodyLength = 0;
        }
    } catch (...) {
        g_ApplicationLog.Log(4, L"CDocViewerDlg::gDocViewerDownloadThreadProc exception\n");
    }
    g_ApplicationLog.Log(1, L"CDocViewerDlg::gDocViewerDownloadThreadProc end\n");
    return 0;
}

CDocDownloadThreads::~CDocDownloadThreads()
{
    StopAndJoin(0);
}

BOOL CDocDownloadThreads::Start(std::unique_ptr<S_DOCVIEWER_THREAD_PARAM> param)
{
    Reap();
    auto job = std::make_shared<Job>();
    job->param = std::move(param);
    auto* start = new ThreadStart{job, job->param.get()};
    CWinThread* pThread = AfxBeginThread(gDocViewerDownloadThreadProc, start, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    if (!pThread) {
        delete start;
        g_ApplicationLog.Log(4, L"CDocViewerDlg: the page download thread did not start\n");
        return FALSE;
    }
    pThread->m_bAutoDelete = FALSE;
    job->pThread = pThread;
    m_jobs.push_back(job);
    pThread->ResumeThread();
    return TRUE;
}

void CDocDownloadThreads::RequestStopAll()
{
    for (auto& job : m_jobs) InterlockedExchange(&job->param->bStop, 1);
}

void CDocDownloadThreads::Reap()
{
    for (size_t i = 0; i < m_jobs.size();) {
        if (WaitForSingleObject(m_jobs[i]->pThread->m_hThread, 0) == WAIT_OBJECT_0)
            m_jobs.erase(m_jobs.begin() + (ptrdiff_t)i);
        else
            ++i;
    }
}

BOOL CDocDownloadThreads::IsRunning(UINT nGeneration)
{
    Reap();
    for (auto& job : m_jobs)
        if (job->param->nGeneration == nGeneration && !job->param->bStop) return TRUE;
    return FALSE;
}

int CDocDownloadThreads::CountRunning()
{
    Reap();
    return (int)m_jobs.size();
}

BOOL CDocDownloadThreads::StopAndJoin(DWORD nTimeoutMs)
{
    RequestStopAll();
    const DWORD dwStart = GetTickCount();
    for (;;) {
        Reap();
        if (m_jobs.empty()) return TRUE;
        const DWORD dwElapsed = GetTickCount() - dwStart;
        if (dwElapsed >= nTimeoutMs) break;
        HANDLE h = m_jobs.front()->pThread->m_hThread;
        const DWORD r = MsgWaitForMultipleObjects(1, &h, FALSE, nTimeoutMs - dwElapsed, QS_SENDMESSAGE);
        if (r == WAIT_OBJECT_0 + 1) {
            // Handles only the messages other threads send; posted input waits for later.
            MSG msg;
            PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        }
    }
    if (nTimeoutMs > 0)
        g_ApplicationLog.Log(3, L"CDocViewerDlg: %d page download thread(s) still running are let go\n", (int)m_jobs.size());
    // Each thread keeps its own reference to its job; dropping ours leaves it to end alone, and
    // its thread object then goes with the thread.
    for (auto& job : m_jobs) {
        if (WaitForSingleObject(job->pThread->m_hThread, 0) == WAIT_OBJECT_0) continue;
        InterlockedExchange(&job->bLetGo, 1);
        job->pThread->m_bAutoDelete = TRUE;
    }
    m_jobs.clear();
    return FALSE;
}
