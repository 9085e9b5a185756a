#include "tools/logviewer/LogFileStore.h"

#include "core/FileHelpers.h"
#include "core/HexText.h"
#include "core/LogFileRotation.h"
#include "core/MyLogFile.h"
#include "core/TextHelpers.h"
#include "platform/Convert.h"

namespace {

const DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

}  // namespace

void CLogFileStore::Init(const CString& strCopyFolder, const CString& strPath, BOOL bCrypto)
{
    m_strCopyFolder = strCopyFolder;
    m_strPath = strPath;
    m_strNameExt = GetFileNameFromPath(strPath);
    m_bCrypto = bCrypto;
}

void CLogFileStore::Prepare(const SYSTEMTIME& stNow)
{
    if (FileExists(m_strPath, FALSE)) {
        m_strFileDate = ReadFileDate();
        if (Rotate(stNow)) WriteHeader(stNow);
    } else {
        WriteHeader(stNow);
    }
}

size_t CLogFileStore::AppendLines(const std::vector<S_LOG_QUEUED_LINE>& lines, BOOL bHeaderIfMissing,
                                  const CAppendDeadline* pDeadline)
{
    if (lines.empty()) return 0;
    if (bHeaderIfMissing && !FileExists(m_strPath, FALSE)) WriteHeader(lines.front().stStamp);
    int nFileDay = LogDayKeyOfText(m_strFileDate);
    // A day whose copy could not be made is not tried again for every line of the batch.
    int nFailedDay = -1;
    std::string bytes;
    size_t nDone = 0;
    for (const S_LOG_QUEUED_LINE& item : lines) {
        if (pDeadline && pDeadline->Passed()) break;
        int nDay = LogDayKey(item.stStamp);
        if (nDay != nFileDay && nDay != nFailedDay) {
            AppendBytes(bytes);
            bytes.clear();
            if (Rotate(item.stStamp)) {
                WriteHeader(item.stStamp);
                nFileDay = nDay;
            } else {
                nFailedDay = nDay;
            }
        }
        Observe(item.strLine);
        bytes += EncodeLine(item.strLine, TRUE);
        ++nDone;
    }
    AppendBytes(bytes);
    return nDone;
}

BOOL CLogFileStore::Rotate(const SYSTEMTIME& stNow)
{
    if (m_strFileDate.Left(10) == CMyLogFile::FormatDateText(stNow)) return FALSE;
    CreateDirectoryTree(m_strCopyFolder);
    if (!FileExists(m_strPath, FALSE)) return TRUE;
    if (!CopyFileW(m_strPath, MakeLogCopyPath(m_strCopyFolder, m_strFileDate, m_strPath), FALSE)) {
        // Emptying the file without its copy would lose the day's lines: they stay, and the
        // roll-over is tried again with a later line.
        OutputDebugStringW(L"CLogFileStore::Rotate: the dated copy failed; the log is kept\n");
        return FALSE;
    }
    DeleteOldCopies(stNow, m_nKeepDays);
    Truncate();
    return TRUE;
}

BOOL CLogFileStore::WriteHeader(const SYSTEMTIME& stStamp)
{
    Truncate();
    m_strFileDate = CMyLogFile::FormatDateText(stStamp);
    CString strLine;
    strLine.Format(L"%s <<Create log file>> %s\n", (LPCTSTR)CMyLogFile::FormatTimeText(stStamp),
                   m_bCrypto ? L"<<CRYPTO>>" : L"");
    Observe(strLine);
    // The header stays readable, so that a reader can tell a hexadecimal file by it.
    return AppendBytes(EncodeLine(strLine, FALSE));
}

void CLogFileStore::DeleteOldCopies(const SYSTEMTIME& stToday, int nKeepDays)
{
    DeleteOldLogCopies(m_strCopyFolder, m_strNameExt, stToday, nKeepDays);
}

std::string CLogFileStore::EncodeLine(const CString& strLine, BOOL bEncode) const
{
    std::string utf8 = WideToUtf8(strLine);
    if (bEncode && m_bCrypto) {
        std::string hex(utf8.size() * 2 + 1, '\0');
        BytesToHex(reinterpret_cast<const unsigned char*>(utf8.data()), &hex[0], utf8.size());
        hex.resize(utf8.size() * 2);
        utf8 = hex + "\n";
    }
    return ToTextModeBytes(utf8);
}

CString CLogFileStore::ReadFileDate() const
{
    return ReadLogFileDate(m_strPath);
}

BOOL CLogFileStore::AppendBytes(const std::string& bytes)
{
    if (bytes.empty()) return TRUE;
    HANDLE h = CreateFileW(m_strPath, GENERIC_WRITE, kShareAll, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        // The lines are lost; the next append tries again.
        OutputDebugStringW(L"CLogFileStore::AppendBytes: the log cannot be opened\n");
        return FALSE;
    }
    DWORD dwWritten = 0;
    BOOL bOk = SetFilePointer(h, 0, nullptr, FILE_END) != INVALID_SET_FILE_POINTER &&
               WriteFile(h, bytes.data(), (DWORD)bytes.size(), &dwWritten, nullptr) &&
               dwWritten == bytes.size();
    CloseHandle(h);
    return bOk;
}

BOOL CLogFileStore::Truncate()
{
    HANDLE h = CreateFileW(m_strPath, GENERIC_WRITE, kShareAll, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return FALSE;
    BOOL bOk = SetFilePointer(h, 0, nullptr, FILE_BEGIN) != INVALID_SET_FILE_POINTER && SetEndOfFile(h);
    CloseHandle(h);
    return bOk;
}
