// File mode of CMyLogFile: appending, the daily roll-over and the writer thread.
#include "core/MyLogFile.h"

#include <string>

#include "core/FileHelpers.h"
#include "core/LogFileRotation.h"
#include "core/TextHelpers.h"
#include "platform/Convert.h"

namespace {

// Text-mode bytes of a line: UTF-8, with every LF written as CR LF.
std::string ToFileBytes(const CString& strLine)
{
    return ToTextModeBytes(WideToUtf8(strLine));
}

HANDLE OpenForAppend(LPCTSTR pszPath)
{
    return CreateFileW(pszPath, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

int CMyLogFile::Write(LPCTSTR pszPath, const CString& strLine)
{
    return WriteBytes(pszPath, ToFileBytes(strLine));
}

int CMyLogFile::WriteBytes(LPCTSTR pszPath, const std::string& bytes)
{
    EnterCriticalSection(&m_csFile);
    int nResult = 0;
    HANDLE h = OpenForAppend(pszPath);
    if (h != INVALID_HANDLE_VALUE) {
        DWORD dwWritten = 0;
        if (SetFilePointer(h, 0, nullptr, FILE_END) != INVALID_SET_FILE_POINTER &&
            WriteFile(h, bytes.data(), (DWORD)bytes.size(), &dwWritten, nullptr) &&
            dwWritten == bytes.size())
            nResult = 1;
        CloseHandle(h);
    }
    LeaveCriticalSection(&m_csFile);
    return nResult;
}

int CMyLogFile::WriteLine(const CString& strLine)
{
    if (m_nThreadUse && m_bThreadStarted) return PushLine(strLine);
    // Without a running writer thread the line is written here rather than dropped.
    return Write(m_strLogPath, strLine);
}

void CMyLogFile::SetFileDate(const CString& strDate)
{
    m_strFileDate = strDate;
    m_nFileDayKey = LogDayKeyOfText(strDate);
}

// The date check runs on every line without the file lock; only a day change takes it.
void CMyLogFile::RollOverIfNewDay()
{
    SYSTEMTIME st;
    Now(&st);
    if (m_nFileDayKey == LogDayKey(st)) return;
    EnterCriticalSection(&m_csFile);
    if (Rotate()) WriteHeader(m_strLogPath);
    LeaveCriticalSection(&m_csFile);
}

int CMyLogFile::Rotate()
{
    SYSTEMTIME st;
    Now(&st);
    // The date is read under the lock: a writer on another thread may be starting the new file.
    EnterCriticalSection(&m_csFile);
    if (m_strFileDate.Left(10) == FormatDateText(st)) {
        LeaveCriticalSection(&m_csFile);
        return 0;
    }
    int nResult = 1;
    // With no file there is nothing to keep: a new one is started.
    if (PathExists(m_strLogPath, FALSE)) {
        CreateFolders(m_strBackupFolder);
        if (CopyFileW(m_strLogPath, MakeLogCopyPath(m_strBackupFolder, m_strFileDate, m_strLogPath), FALSE)) {
            DeleteOldCopies(m_strBackupFolder, GetFileNameFromPath(m_strLogPath));
            TruncateFile(m_strLogPath);
        } else {
            // Emptying the file now would lose the day's lines: keep appending and try again
            // with the next line.
            OutputDebugStringW(L"CMyLogFile::Rotate: the dated copy failed; the log is kept\n");
            nResult = 0;
        }
    }
    LeaveCriticalSection(&m_csFile);
    return nResult;
}

int CMyLogFile::WriteHeader(LPCTSTR pszPath)
{
    SYSTEMTIME st;
    Now(&st);
    EnterCriticalSection(&m_csFile);
    TruncateFile(pszPath);
    SetFileDate(FormatDateText(st));
    int nResult = Write(pszPath, FormatTimeText(st) + L" <<Create log file>> \n");
    LeaveCriticalSection(&m_csFile);
    return nResult;
}

CString CMyLogFile::ReadFileDate()
{
    return ReadLogFileDate(m_strLogPath);
}

int CMyLogFile::DeleteOldCopies(const CString& strFolder, const CString& strName)
{
    SYSTEMTIME st;
    Now(&st);
    DeleteOldLogCopies(strFolder, strName, st, m_nKeepDays);
    return 0;
}

int CMyLogFile::TruncateFile(LPCTSTR pszPath)
{
    if (!PathExists(pszPath, FALSE)) return 1;
    EnterCriticalSection(&m_csFile);
    HANDLE h = OpenForAppend(pszPath);
    if (h != INVALID_HANDLE_VALUE) {
        SetFilePointer(h, 0, nullptr, FILE_BEGIN);
        SetEndOfFile(h);
        CloseHandle(h);
    }
    LeaveCriticalSection(&m_csFile);
    return 1;
}

BOOL CMyLogFile::CreateFolders(const CString& strPath)
{
    return CreateDirectoryTree(strPath);
}

BOOL CMyLogFile::PathExists(const CString& strPath, BOOL bFolder)
{
    CString strTrimmed = strPath;
    if (!strTrimmed.IsEmpty() && strTrimmed[strTrimmed.GetLength() - 1] == L'\\')
        strTrimmed = strTrimmed.Left(strTrimmed.GetLength() - 1);
    return FileExists(strTrimmed, bFolder);
}

void CMyLogFile::StartWriterThread()
{
    if (m_bThreadStarted) return;
    m_hWakeEvent = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    m_hStoppedEvent = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    DWORD dwId = 0;
    m_dwThreadId = 1;   // non-zero before the thread looks at it
    m_hThread = m_hWakeEvent && m_hStoppedEvent
                    ? CreateThread(nullptr, 0, WriterThreadProc, this, 0, &dwId)
                    : nullptr;
    if (!m_hThread) {
        m_dwThreadId = 0;
        if (m_hWakeEvent) CloseHandle(m_hWakeEvent);
        if (m_hStoppedEvent) CloseHandle(m_hStoppedEvent);
        m_hWakeEvent = m_hStoppedEvent = nullptr;
        return;
    }
    m_dwThreadId = dwId;
    m_bThreadStarted = 1;
}

int CMyLogFile::PushLine(const CString& strLine)
{
    if (!m_bThreadStarted) return 0;
    EnterCriticalSection(&m_csQueue);
    bool bWasEmpty = m_vecQueue.empty();
    m_vecQueue.push_back(strLine);
    LeaveCriticalSection(&m_csQueue);
    // The thread takes the whole queue and looks again before it waits, so only a line into an
    // empty queue needs to wake it; a burst of lines costs one signal.
    if (bWasEmpty) SetEvent(m_hWakeEvent);
    return 1;
}

// Takes the whole queue at once and appends it with one open of the file, oldest line first.
void CMyLogFile::DrainQueue()
{
    for (;;) {
        std::vector<CString> vecLines;
        EnterCriticalSection(&m_csQueue);
        vecLines.swap(m_vecQueue);
        LeaveCriticalSection(&m_csQueue);
        if (vecLines.empty()) return;
        std::string bytes;
        for (const CString& strLine : vecLines) bytes += ToFileBytes(strLine);
        WriteBytes(m_strLogPath, bytes);
    }
}

DWORD WINAPI CMyLogFile::WriterThreadProc(LPVOID pParam)
{
    CMyLogFile* pThis = static_cast<CMyLogFile*>(pParam);
    try {
        while (pThis->m_dwThreadId != 0) {
            WaitForSingleObject(pThis->m_hWakeEvent, INFINITE);
            pThis->DrainQueue();
        }
        pThis->DrainQueue();
    } catch (...) {
        OutputDebugStringW(L"CMyLogFile writer thread: exception, the thread ends\n");
    }
    SetEvent(pThis->m_hStoppedEvent);
    return 0;
}

void CMyLogFile::StopWriterThread()
{
    if (!m_bThreadStarted || m_dwThreadId == 0) return;
    m_dwThreadId = 0;
    SetEvent(m_hWakeEvent);
    // A long queue may take more than one wait to drain; give up only when it stops shrinking.
    INT_PTR nLeft = -1;
    for (;;) {
        if (WaitForSingleObject(m_hStoppedEvent, 5000) == WAIT_OBJECT_0) break;
        EnterCriticalSection(&m_csQueue);
        INT_PTR nNow = (INT_PTR)m_vecQueue.size();
        LeaveCriticalSection(&m_csQueue);
        if (nLeft >= 0 && nNow >= nLeft) {
            // The thread is stuck: leave its handles and lock to it.
            OutputDebugStringW(L"CMyLogFile::StopWriterThread: the writer thread does not end\n");
            return;
        }
        nLeft = nNow;
    }
    WaitForSingleObject(m_hThread, 5000);
    CloseHandle(m_hThread);
    CloseHandle(m_hWakeEvent);
    CloseHandle(m_hStoppedEvent);
    m_hThread = m_hWakeEvent = m_hStoppedEvent = nullptr;
    m_bThreadStarted = 0;
}
