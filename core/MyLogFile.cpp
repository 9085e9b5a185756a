#include "core/MyLogFile.h"

#include <cstdarg>

#include "core/IniFileHelpers.h"
#include "core/LogRecords.h"
#include "core/SystemHelpers.h"

CMyLogFile g_ApplicationLog;
CMyLogFile g_TasLog;

namespace {

// A hung log service must not hang every thread that logs.
const UINT kSendTimeoutMs = 3000;

bool DeliverRecord(HWND hWnd, ULONG_PTR dwData, const void* pRecord, size_t cbRecord)
{
    COPYDATASTRUCT cds;
    cds.dwData = dwData;
    cds.cbData = static_cast<DWORD>(cbRecord);
    cds.lpData = const_cast<void*>(pRecord);
    DWORD_PTR dwResult = 0;
    // SMTO_BLOCK: while it waits, the logging thread must not run messages other threads send it.
    // Lines are logged with locks held (a request being written); a socket worker's reply handled
    // inside the wait would take the same lock and the thread would wait for itself.
    return SendMessageTimeoutW(hWnd, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds),
                               SMTO_ABORTIFHUNG | SMTO_BLOCK, kSendTimeoutMs, &dwResult) != 0;
}

}  // namespace

CMyLogFile::CMyLogFile()
{
    Construct(GetModuleFolder() + L"LOG.ini");
}

CMyLogFile::CMyLogFile(LPCTSTR pszModeIniPath)
{
    Construct(pszModeIniPath ? pszModeIniPath : L"");
}

void CMyLogFile::Construct(const CString& strModeIniPath)
{
    m_bInitialised = 0;
    m_nFileDayKey = 0;
    m_strBackupFolder = L"LOG";
    m_strLogPath = GetModuleFolder() + L"log.txt";
    m_nKeepDays = 30;
    m_bFileFlag = 1;
    m_nMinLevel = 0;
    m_bDebugFlag = 1;
    InitializeCriticalSection(&m_csFile);
    InitializeCriticalSection(&m_csQueue);
    m_dwThreadId = 0;
    m_hWakeEvent = nullptr;
    m_hStoppedEvent = nullptr;
    m_hThread = nullptr;
    m_bThreadStarted = 0;
    m_nThreadUse = 1;
    m_nAppUse = 1;
    m_bRegistered = false;
    m_pfnLocalTime = nullptr;
    if (!strModeIniPath.IsEmpty()) {
        ReadIniInt(L"CMyLogFile", L"ThreadUse", m_nThreadUse, strModeIniPath);
        ReadIniInt(L"CMyLogFile", L"AppUse", m_nAppUse, strModeIniPath);
    }
}

CMyLogFile::~CMyLogFile()
{
    // Queued lines are written before the process goes.
    StopWriterThread();
    if (!m_bThreadStarted) DeleteCriticalSection(&m_csQueue);
    DeleteCriticalSection(&m_csFile);
}

DWORD CMyLogFile::ReadIniInt(LPCTSTR pszSection, LPCTSTR pszKey, int& nValue, LPCTSTR pszIniPath)
{
    return ::ReadIniInt(pszSection, pszKey, nValue, pszIniPath);
}

BOOL CMyLogFile::InitAppData(CString strCompany, CString strProduct)
{
    CString strFolder = LocateAppDataFolder(strCompany, strProduct, L"CMyLogFile::InitAppData fail",
                                            L"CSettingManager::InitAppData CreateDirectories : %s");
    if (strFolder.IsEmpty()) return FALSE;
    m_strAppDataFolder = strFolder;
    return TRUE;
}

void CMyLogFile::Init(CString strFolder, CString strPath, int nKeepDays, int nFileFlag,
                      int nMinLevel, int nDebugFlag)
{
    m_strBackupFolder = strFolder;
    m_strLogPath = strPath;
    m_nKeepDays = nKeepDays;
    m_bFileFlag = nFileFlag;
    m_nMinLevel = nMinLevel;
    m_bDebugFlag = nDebugFlag;
    m_bInitialised = 1;
    CString strName = strPath.Mid(strPath.ReverseFind(L'\\') + 1);
    int nDot = strName.ReverseFind(L'.');
    m_strFileTitle = nDot < 0 ? strName : strName.Left(nDot);
    m_strFileExt = nDot < 0 ? CString() : strName.Mid(nDot + 1);

    if (m_nAppUse) {
        if (strPath.GetLength() >= LOG_RECORD_PATH_CHARS || strFolder.GetLength() >= LOG_RECORD_PATH_CHARS)
            OutputDebugStringW(L"CMyLogFile::Init: path longer than the log service's field; it is cut\n");
        SendRegistration(strFolder, strPath, nKeepDays, nFileFlag, nMinLevel, nDebugFlag);
        return;
    }
    EnterCriticalSection(&m_csFile);
    BOOL bStart = TRUE;
    if (PathExists(m_strLogPath, FALSE)) {
        SetFileDate(ReadFileDate());
        bStart = Rotate();
    }
    if (bStart) WriteHeader(m_strLogPath);
    LeaveCriticalSection(&m_csFile);
    if (m_nThreadUse) StartWriterThread();
}

int CMyLogFile::LogArgs(int nLevel, LPCTSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    int nResult = LogV(nLevel, pszFormat, args);
    va_end(args);
    return nResult;
}

int CMyLogFile::LogV(int nLevel, LPCTSTR pszFormat, va_list args)
{
    if (pszFormat == nullptr) pszFormat = L"";
    if (m_nAppUse) {
        if (m_nMinLevel == 0 || nLevel < m_nMinLevel) return 0;
        CString strText;
        strText.FormatV(pszFormat, args);
        return SendLine(nLevel, strText);
    }
    if (!m_bInitialised || m_nMinLevel == 0 || nLevel < m_nMinLevel) return 0;
    RollOverIfNewDay();
    CString strText, strLine;
    strText.FormatV(pszFormat, args);
    SYSTEMTIME st;
    Now(&st);
    strLine.Format(L"%s [%s] %s\n", (LPCTSTR)FormatTimeText(st), GetLevelName(nLevel),
                   (LPCTSTR)strText);
    return WriteLine(strLine);
}

bool CMyLogFile::Takes(int nLevel) const
{
    if (m_nMinLevel == 0 || nLevel < m_nMinLevel) return false;
    return m_nAppUse || m_bInitialised;
}

int CMyLogFile::LogText(int nLevel, LPCTSTR pszText)
{
    if (pszText == nullptr) pszText = L"";
    if (m_nAppUse) {
        if (m_nMinLevel == 0 || nLevel < m_nMinLevel) return 0;
        return SendLine(nLevel, pszText);
    }
    if (!m_bInitialised || m_nMinLevel == 0 || nLevel < m_nMinLevel) return 0;
    RollOverIfNewDay();
    SYSTEMTIME st;
    Now(&st);
    CString strLine;
    strLine.Format(L"%s [%s] %s\n", (LPCTSTR)FormatTimeText(st), GetLevelName(nLevel), pszText);
    int nResult = m_bFileFlag ? WriteLine(strLine) : 0;
    if (m_bDebugFlag) OutputDebugStringW(strLine);
    return nResult;
}

void CMyLogFile::SendRegistration(LPCTSTR pszFolder, LPCTSTR pszPath, int nKeepDays, int nFileFlag,
                                  int nMinLevel, int nDebugFlag)
{
    HWND hWnd = FindWindowW(LOG_SERVICE_WINDOW_CLASS, nullptr);
    if (!hWnd) return;
    std::unique_ptr<LogRegistration> rec =
        BuildLogRegistration(pszFolder, pszPath, nKeepDays, nFileFlag, nMinLevel, nDebugFlag);
    if (!rec) return;
    bool bDelivered = DeliverRecord(hWnd, LOGCOPY_REGISTER, rec.get(), sizeof(LogRegistration));
    if (bDelivered && m_strLogPath == pszPath) m_bRegistered = true;
}

int CMyLogFile::SendLine(int nLevel, LPCTSTR pszText)
{
    HWND hWnd = FindWindowW(LOG_SERVICE_WINDOW_CLASS, nullptr);
    if (!hWnd) return 0;
    if (m_bInitialised && !m_bRegistered)
        SendRegistration(m_strBackupFolder, m_strLogPath, m_nKeepDays, m_bFileFlag, m_nMinLevel,
                         m_bDebugFlag);
    if (pszText == nullptr) pszText = L"";
    size_t cbRecord = 0;
    std::unique_ptr<BYTE[]> rec =
        BuildLogShortLine(nLevel, m_strLogPath, pszText, wcslen(pszText), &cbRecord);
    if (!rec) return 0;
    return DeliverRecord(hWnd, LOGCOPY_SHORTLINE, rec.get(), cbRecord) ? 1 : 0;
}

LPCTSTR CMyLogFile::GetLevelName(int nLevel)
{
    switch (nLevel) {
    case 1: return L"DEBUG";
    case 2: return L"INFO";
    case 3: return L"WARNING";
    case 4: return L"ERROR";
    default: return L"";
    }
}

CString CMyLogFile::FormatDateText(const SYSTEMTIME& st)
{
    CString str;
    str.Format(L"%04d-%02d-%02d", st.wYear, st.wMonth, st.wDay);
    return str;
}

CString CMyLogFile::FormatTimeText(const SYSTEMTIME& st)
{
    int nHour12 = st.wHour % 12;
    if (nHour12 == 0) nHour12 = 12;
    CString str;
    str.Format(L"%04d-%02d-%02d %s %02d:%02d:%02d.%03d", st.wYear, st.wMonth, st.wDay,
               st.wHour >= 12 ? L"PM" : L"AM", nHour12, st.wMinute, st.wSecond, st.wMilliseconds);
    return str;
}

void CMyLogFile::Now(SYSTEMTIME* pst) const
{
    if (m_pfnLocalTime) m_pfnLocalTime(pst);
    else GetLocalTime(pst);
}
