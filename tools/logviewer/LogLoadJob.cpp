#include "tools/logviewer/LogLoadJob.h"

#include "tools/logviewer/ThreadWait.h"

namespace {

// Rows collected before they are handed over.
const size_t kRowsPerHand = 512;

}  // namespace

CLogLoadJob::CLogLoadJob(HWND hNotify, UINT nNotifyMessage, UINT nJob, const CString& strPath,
                         const S_LOG_FILTER& filter)
    : m_hNotify(hNotify), m_nNotifyMessage(nNotifyMessage), m_nJob(nJob), m_strPath(strPath), m_filter(filter)
{
    InitializeCriticalSection(&m_csRows);
}

CLogLoadJob::~CLogLoadJob()
{
    if (m_hThread) CloseHandle(m_hThread);
    DeleteCriticalSection(&m_csRows);
}

bool CLogLoadJob::Start(const std::shared_ptr<CLogLoadJob>& pJob)
{
    // The thread holds its own share of the job until it ends.
    auto* pShare = new std::shared_ptr<CLogLoadJob>(pJob);
    pJob->m_hThread = CreateThread(nullptr, 0, ThreadProc, pShare, 0, nullptr);
    if (!pJob->m_hThread) {
        delete pShare;
        return false;
    }
    return true;
}

DWORD WINAPI CLogLoadJob::ThreadProc(LPVOID pParam)
{
    std::unique_ptr<std::shared_ptr<CLogLoadJob>> pShare(static_cast<std::shared_ptr<CLogLoadJob>*>(pParam));
    try {
        (*pShare)->Run();
    } catch (...) {
        OutputDebugStringW(L"CLogLoadJob thread: exception, the loading ends\n");
        std::vector<S_LOG_ROW> none;
        (*pShare)->Hand(&none, true);
    }
    return 0;
}

void CLogLoadJob::Run()
{
    std::vector<S_LOG_ROW> rows;
    CLogFileLoader::LoadFile(m_strPath, m_filter, m_nStop, [&](const S_LOG_ROW& row) {
        rows.push_back(row);
        if (rows.size() >= kRowsPerHand) Hand(&rows, false);
    });
    Hand(&rows, true);
}

void CLogLoadJob::Hand(std::vector<S_LOG_ROW>* pRows, bool bDone)
{
    bool bPost = false;
    EnterCriticalSection(&m_csRows);
    if (m_vecRows.empty()) m_vecRows.swap(*pRows);
    else m_vecRows.insert(m_vecRows.end(), pRows->begin(), pRows->end());
    pRows->clear();
    if (bDone) m_bDone = true;
    if (!m_bNoticePosted) {
        m_bNoticePosted = true;
        bPost = true;
    }
    LeaveCriticalSection(&m_csRows);
    // One notice at a time: the viewer takes everything there is when it gets it.
    if (bPost) PostMessageW(m_hNotify, m_nNotifyMessage, m_nJob, 0);
}

void CLogLoadJob::TakeRows(std::vector<S_LOG_ROW>* pRows, bool* pbDone)
{
    EnterCriticalSection(&m_csRows);
    pRows->swap(m_vecRows);
    m_vecRows.clear();
    *pbDone = m_bDone;
    m_bNoticePosted = false;
    LeaveCriticalSection(&m_csRows);
}

bool CLogLoadJob::WaitForEnd(DWORD dwDeadline)
{
    if (!m_hThread) return true;
    return WaitHandlingSentMessages(m_hThread, dwDeadline) != FALSE;
}

bool CLogLoadJob::IsRunning() const
{
    return m_hThread && WaitForSingleObject(m_hThread, 0) == WAIT_TIMEOUT;
}
