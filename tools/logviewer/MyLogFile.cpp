#include "tools/logviewer/MyLogFile.h"

#include "core/FileHelpers.h"
#include "core/IniFileHelpers.h"
#include "core/MyLogFile.h"
#include "core/SystemHelpers.h"
#include "tools/logviewer/ThreadWait.h"

namespace zellog {

namespace {

std::atomic<CMyLogFile::PFN_LOCALTIME> g_pfnLocalTime{nullptr};

// How long the writer lets lines gather after the first one before it opens the file.
const DWORD kGatherMs = 10;

}  // namespace

CMyLogFile::CMyLogFile()
{
    Construct(GetModuleFolder() + L"LOG.ini");
}

CMyLogFile::CMyLogFile(LPCTSTR pszIniPath)
{
    Construct(pszIniPath ? pszIniPath : L"");
}

void CMyLogFile::Construct(const CString& strIniPath)
{
    InitializeCriticalSection(&m_csDisplay);
    InitializeCriticalSection(&m_csQueue);
    if (!strIniPath.IsEmpty()) {
        ReadIniInt(L"CMyLogFile", L"ThreadUse", m_nThreadUse, strIniPath);
        ReadIniInt(L"CMyLogFile", L"Crypto", m_nCrypto, strIniPath);
    }
}

CMyLogFile::~CMyLogFile()
{
    if (m_eWriter == WRITER_RUNNING) StopWriter(5000);
    if (IsWriterRunning()) {
        // The thread uses this object: freeing it now would crash the thread, so the end of the
        // thread is awaited however long it takes. Owners keep a stuck writer's logger instead.
        OutputDebugStringW(L"zellog::CMyLogFile: destroyed while its writer runs; waiting for it\n");
        while (!WaitHandlingSentMessages(m_hThread, GetTickCount() + 1000)) {}
    }
    if (m_hThread) CloseHandle(m_hThread);
    if (m_hWorkEvent) CloseHandle(m_hWorkEvent);
    if (m_hStopEvent) CloseHandle(m_hStopEvent);
    DeleteCriticalSection(&m_csQueue);
    DeleteCriticalSection(&m_csDisplay);
}

void CMyLogFile::SetLocalTimeSource(PFN_LOCALTIME pfn)
{
    g_pfnLocalTime = pfn;
}

void CMyLogFile::Now(SYSTEMTIME* pst)
{
    PFN_LOCALTIME pfn = g_pfnLocalTime;
    if (pfn) pfn(pst);
    else GetLocalTime(pst);
}

LPCTSTR CMyLogFile::GetLevelName(int nLevel)
{
    return ::CMyLogFile::GetLevelName(nLevel);
}

void CMyLogFile::Open(const CString& strCopyFolder, const CString& strPath, int nKeepDays, int nFileFlag,
                      int nMinLevel, int nDebugFlag)
{
    m_bOpened = 1;
    m_strPath = strPath;
    CString strName = GetFileNameFromPath(strPath);
    int nDot = strName.ReverseFind(L'.');
    m_strFileTitle = nDot < 0 ? strName : strName.Left(nDot);
    m_nKeepDays = nKeepDays;
    m_nFileFlag = nFileFlag;
    m_nMinLevel = nMinLevel;
    m_nDebugFlag = nDebugFlag;
    m_store.Init(strCopyFolder, strPath, m_nCrypto);
    m_store.SetKeepDays(nKeepDays);
    m_store.SetAppendObserver([this](const CString& strLine) { ShowLine(strLine); });
    // With a writer, the first look at the file is the writer's too.
    if (m_nThreadUse && m_eWriter == WRITER_NONE && StartWriter()) return;
    SYSTEMTIME st;
    Now(&st);
    m_store.Prepare(st);
}

BOOL CMyLogFile::StartWriter()
{
    m_hWorkEvent = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    m_hStopEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (m_hWorkEvent && m_hStopEvent) m_hThread = CreateThread(nullptr, 0, WriterThreadProc, this, 0, nullptr);
    if (!m_hThread) {
        OutputDebugStringW(L"zellog::CMyLogFile: no writer thread; lines are written on arrival\n");
        if (m_hWorkEvent) CloseHandle(m_hWorkEvent);
        if (m_hStopEvent) CloseHandle(m_hStopEvent);
        m_hWorkEvent = m_hStopEvent = nullptr;
        return FALSE;
    }
    m_eWriter = WRITER_RUNNING;
    return TRUE;
}

int CMyLogFile::WriteLine(int nLevel, LPCTSTR pszText)
{
    if (!m_bOpened || m_nMinLevel == 0 || nLevel < m_nMinLevel) return 0;
    S_LOG_QUEUED_LINE item;
    Now(&item.stStamp);
    item.strLine.Format(L"%s [%s] %s\n", (LPCTSTR)::CMyLogFile::FormatTimeText(item.stStamp),
                        GetLevelName(nLevel), pszText ? pszText : L"");
    int nResult = 0;
    if (m_nFileFlag) {
        if (m_eWriter == WRITER_RUNNING || m_eWriter == WRITER_STOPPING) {
            EnterCriticalSection(&m_csQueue);
            m_vecQueue.push_back(item);
            LeaveCriticalSection(&m_csQueue);
            SetEvent(m_hWorkEvent);
            nResult = 1;
        } else if (m_eWriter != WRITER_ABANDONED) {
            // No writer (any more): this thread owns the file.
            m_store.AppendLines(std::vector<S_LOG_QUEUED_LINE>(1, item), FALSE);
            nResult = 1;
        }
    }
    if (m_nDebugFlag) OutputDebugStringW(item.strLine);
    return nResult;
}

void CMyLogFile::SetDisplay(ILogLineDisplay* pDisplay)
{
    EnterCriticalSection(&m_csDisplay);
    m_pDisplay = pDisplay;
    LeaveCriticalSection(&m_csDisplay);
}

void CMyLogFile::ShowLine(const CString& strLine)
{
    EnterCriticalSection(&m_csDisplay);
    if (m_pDisplay) m_pDisplay->FilterDisplayLine(m_strFileTitle, strLine);
    LeaveCriticalSection(&m_csDisplay);
}

DWORD WINAPI CMyLogFile::WriterThreadProc(LPVOID pParam)
{
    try {
        static_cast<CMyLogFile*>(pParam)->RunWriter();
    } catch (...) {
        OutputDebugStringW(L"zellog::CMyLogFile writer thread: exception, the writer ends\n");
    }
    return 0;
}

void CMyLogFile::RunWriter()
{
    SYSTEMTIME st;
    Now(&st);
    m_store.Prepare(st);
    for (;;) {
        WaitForSingleObject(m_hWorkEvent, INFINITE);
        bool bStopping = m_stopDeadline.IsSet();
        // Lines come one at a time; letting a few gather first spares a file open per line.
        if (!bStopping) WaitForSingleObject(m_hStopEvent, kGatherMs);
        bStopping = m_stopDeadline.IsSet();
        WriteQueued();
        if (bStopping) return;
    }
}

void CMyLogFile::WriteQueued()
{
    for (;;) {
        std::vector<S_LOG_QUEUED_LINE> batch;
        EnterCriticalSection(&m_csQueue);
        batch.swap(m_vecQueue);
        LeaveCriticalSection(&m_csQueue);
        if (batch.empty()) return;
        size_t nDone = m_store.AppendLines(batch, TRUE, &m_stopDeadline);
        if (nDone < batch.size()) {
            CString strMsg;
            strMsg.Format(L"zellog::CMyLogFile: %u queued lines of %s dropped at exit\n",
                          (unsigned)(batch.size() - nDone), (LPCTSTR)m_strPath);
            OutputDebugStringW(strMsg);
            return;
        }
    }
}

void CMyLogFile::RequestStop(DWORD dwDeadline)
{
    if (m_eWriter != WRITER_RUNNING) return;
    m_stopDeadline.Set(dwDeadline);
    m_eWriter = WRITER_STOPPING;
    SetEvent(m_hStopEvent);
    SetEvent(m_hWorkEvent);
}

BOOL CMyLogFile::WaitForStop(DWORD dwDeadline)
{
    if (m_eWriter != WRITER_STOPPING && m_eWriter != WRITER_ABANDONED) return !IsWriterRunning();
    if (!WaitHandlingSentMessages(m_hThread, dwDeadline)) {
        // The thread still uses this object: it keeps it, its lock and its handles.
        OutputDebugStringW(L"zellog::CMyLogFile: the writer does not end; it is left running\n");
        m_eWriter = WRITER_ABANDONED;
        return FALSE;
    }
    m_eWriter = WRITER_ENDED;
    // Lines that arrived while the writer made its last pass; the file is this thread's now.
    std::vector<S_LOG_QUEUED_LINE> rest;
    EnterCriticalSection(&m_csQueue);
    rest.swap(m_vecQueue);
    LeaveCriticalSection(&m_csQueue);
    m_store.AppendLines(rest, TRUE);
    return TRUE;
}

DWORD CMyLogFile::DrainDeadline(DWORD dwStart, DWORD dwTimeoutMs)
{
    // The writer stops writing a little before the wait for it ends.
    DWORD dwMargin = dwTimeoutMs / 5 < 1000 ? dwTimeoutMs / 5 : 1000;
    return dwStart + dwTimeoutMs - dwMargin;
}

BOOL CMyLogFile::StopWriter(DWORD dwTimeoutMs)
{
    DWORD dwStart = GetTickCount();
    RequestStop(DrainDeadline(dwStart, dwTimeoutMs));
    return WaitForStop(dwStart + dwTimeoutMs);
}

BOOL CMyLogFile::IsWriterRunning() const
{
    return m_hThread != nullptr && WaitForSingleObject(m_hThread, 0) == WAIT_TIMEOUT;
}

}  // namespace zellog
