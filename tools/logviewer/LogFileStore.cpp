#include "tools/logviewer/LogFileStore.h"

#include "core/FileHelpers.h"
#include "core/HexText.h"
#include "core/MyLogFile.h"
#include "platform/Convert.h"
#include "platform/OleDateTime.h"

namespace {

const DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

int DayKey(const SYSTEMTIME& st)
{
    return st.wYear * 10000 + st.wMonth * 100 + st.wDay;
}

bool IsDigitAt(const CString& s, int i)
{
    return i < s.GetLength() && s[i] >= L'0' && s[i] <= L'9';
}

// "yyyy-mm-dd" naming a real calendar day.
bool ParseDateText(const CString& strText, SYSTEMTIME* pst)
{
    static const int kDigits[] = {0, 1, 2, 3, 5, 6, 8, 9};
    if (strText.GetLength() != 10 || strText[4] != L'-' || strText[7] != L'-') return false;
    for (int i : kDigits)
        if (!IsDigitAt(strText, i)) return false;
    int nYear = _wtoi(strText.Mid(0, 4));
    int nMonth = _wtoi(strText.Mid(5, 2));
    int nDay = _wtoi(strText.Mid(8, 2));
    if (COleDateTime(nYear, nMonth, nDay, 0, 0, 0).GetStatus() != COleDateTime::valid) return false;
    SYSTEMTIME st = {};
    st.wYear = (WORD)nYear;
    st.wMonth = (WORD)nMonth;
    st.wDay = (WORD)nDay;
    *pst = st;
    return true;
}

// 0 when the text does not begin with a date.
int DayKeyOfText(const CString& strText)
{
    SYSTEMTIME st;
    return ParseDateText(strText.Left(10), &st) ? DayKey(st) : 0;
}

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
    int nFileDay = DayKeyOfText(m_strFileDate);
    // A day whose copy could not be made is not tried again for every line of the batch.
    int nFailedDay = -1;
    std::string bytes;
    size_t nDone = 0;
    for (const S_LOG_QUEUED_LINE& item : lines) {
        if (pDeadline && pDeadline->Passed()) break;
        int nDay = DayKey(item.stStamp);
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
    CString strCopy;
    strCopy.Format(L"%s\\%s_%s", (LPCTSTR)m_strCopyFolder, (LPCTSTR)CopyDateText(), (LPCTSTR)m_strNameExt);
    if (!CopyFileW(m_strPath, strCopy, FALSE)) {
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
    COleDateTime today(stToday.wYear, stToday.wMonth, stToday.wDay, 0, 0, 0);
    CString strPattern;
    strPattern.Format(L"%s\\*_%s", (LPCTSTR)m_strCopyFolder, (LPCTSTR)m_strNameExt);
    WIN32_FIND_DATAW fd;
    HANDLE hFind = FindFirstFileW(strPattern, &fd);
    if (hFind == INVALID_HANDLE_VALUE) return;
    do {
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        SYSTEMTIME stCopy;
        // Only the copies this writer makes are aged; any other file matching the pattern is
        // someone else's and stays.
        if (!ParseCopyName(fd.cFileName, m_strNameExt, &stCopy)) continue;
        COleDateTime copyDay(stCopy.wYear, stCopy.wMonth, stCopy.wDay, 0, 0, 0);
        if ((today - copyDay).GetDays() > nKeepDays)
            DeleteFileW(m_strCopyFolder + L"\\" + fd.cFileName);
    } while (FindNextFileW(hFind, &fd));
    FindClose(hFind);
}

bool CLogFileStore::ParseCopyName(const CString& strFileName, const CString& strNameExt, SYSTEMTIME* pstDate)
{
    if (strFileName.GetLength() != 11 + strNameExt.GetLength() || strFileName[10] != L'_') return false;
    if (strFileName.Mid(11).CompareNoCase(strNameExt) != 0) return false;
    return ParseDateText(strFileName.Left(10), pstDate);
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
    // Text mode: every line break is written as CR LF.
    std::string bytes;
    bytes.reserve(utf8.size() + 8);
    for (char c : utf8) {
        if (c == '\n') bytes += '\r';
        bytes += c;
    }
    return bytes;
}

CString CLogFileStore::ReadFileDate() const
{
    HANDLE h = CreateFileW(m_strPath, GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return CString();
    char buf[512];
    DWORD dwRead = 0;
    if (!ReadFile(h, buf, sizeof buf, &dwRead, nullptr)) dwRead = 0;
    CloseHandle(h);
    CString strLine;
    if (dwRead >= 2 && (BYTE)buf[0] == 0xFF && (BYTE)buf[1] == 0xFE) {
        std::wstring w((dwRead - 2) / 2, L'\0');
        if (!w.empty()) memcpy(&w[0], buf + 2, w.size() * 2);
        strLine = CString(w.c_str(), (int)w.size());
    } else {
        strLine = Utf8ToWide(std::string(buf, dwRead));
    }
    int nEnd = strLine.FindOneOf(L"\r\n");
    if (nEnd >= 0) strLine = strLine.Left(nEnd);
    return strLine.Left(10);
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

// The date in the copy's name. A file whose first line carries no date is named after the day it
// was last written, so that the copy has a name that can be made and is aged like any other.
CString CLogFileStore::CopyDateText() const
{
    SYSTEMTIME st;
    if (ParseDateText(m_strFileDate.Left(10), &st)) return m_strFileDate.Left(10);
    WIN32_FILE_ATTRIBUTE_DATA data;
    FILETIME local;
    if (!GetFileAttributesExW(m_strPath, GetFileExInfoStandard, &data) ||
        !FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) || !FileTimeToSystemTime(&local, &st))
        return m_strFileDate.Left(10);
    return CMyLogFile::FormatDateText(st);
}
