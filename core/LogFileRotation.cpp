#include "core/LogFileRotation.h"

#include <string>

#include "core/FileHelpers.h"
#include "core/MyLogFile.h"
#include "platform/CivilDate.h"
#include "platform/Convert.h"
#include "platform/OleDateTime.h"

namespace {

bool IsDigitAt(const CString& s, int i)
{
    return i < s.GetLength() && s[i] >= L'0' && s[i] <= L'9';
}

}  // namespace

bool ParseLogDate(const CString& strText, SYSTEMTIME* pstDate)
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
    *pstDate = st;
    return true;
}

int LogDayKey(const SYSTEMTIME& st)
{
    return st.wYear * 10000 + st.wMonth * 100 + st.wDay;
}

int LogDayKeyOfText(const CString& strText)
{
    SYSTEMTIME st;
    return ParseLogDate(strText.Left(10), &st) ? LogDayKey(st) : 0;
}

CString ReadLogFileDate(const CString& strPath)
{
    HANDLE h = CreateFileW(strPath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return CString();
    BYTE buf[512];
    DWORD dwRead = 0;
    if (!ReadFile(h, buf, sizeof buf, &dwRead, nullptr)) dwRead = 0;
    CloseHandle(h);
    CString strLine;
    if (dwRead >= 2 && buf[0] == 0xFF && buf[1] == 0xFE) {
        strLine = CString(reinterpret_cast<const wchar_t*>(buf + 2), (int)((dwRead - 2) / 2));
    } else if (dwRead > 0) {
        strLine = Utf8ToWide(std::string(reinterpret_cast<const char*>(buf), dwRead));
    }
    int nEnd = strLine.Find(L'\n');
    if (nEnd >= 0) strLine = strLine.Left(nEnd);
    strLine.Remove(L'\r');
    return strLine.Left(10);
}

CString MakeLogCopyPath(const CString& strFolder, const CString& strFileDate, const CString& strLogPath)
{
    CString strDate = strFileDate.Left(10);
    SYSTEMTIME st;
    if (!ParseLogDate(strDate, &st)) {
        WIN32_FILE_ATTRIBUTE_DATA data;
        FILETIME local;
        if (GetFileAttributesExW(strLogPath, GetFileExInfoStandard, &data) &&
            FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) && FileTimeToSystemTime(&local, &st)) {
            OutputDebugStringW(L"MakeLogCopyPath: the log carries no date; its copy is named by its last write\n");
            strDate = CMyLogFile::FormatDateText(st);
        }
    }
    CString strCopy;
    strCopy.Format(L"%s\\%s_%s", (LPCTSTR)strFolder, (LPCTSTR)strDate,
                   (LPCTSTR)GetFileNameFromPath(strLogPath));
    return strCopy;
}

bool ParseLogCopyName(const CString& strFileName, const CString& strNameExt, SYSTEMTIME* pstDate)
{
    if (strFileName.GetLength() != 11 + strNameExt.GetLength() || strFileName[10] != L'_') return false;
    if (strFileName.Mid(11).CompareNoCase(strNameExt) != 0) return false;
    return ParseLogDate(strFileName.Left(10), pstDate);
}

void DeleteOldLogCopies(const CString& strFolder, const CString& strNameExt, const SYSTEMTIME& stToday,
                        int nKeepDays)
{
    const long long nToday = zel::DaysFromCivil(stToday.wYear, stToday.wMonth, stToday.wDay);
    CString strPattern;
    strPattern.Format(L"%s\\*_%s", (LPCTSTR)strFolder, (LPCTSTR)strNameExt);
    WIN32_FIND_DATAW fd;
    HANDLE hFind = FindFirstFileW(strPattern, &fd);
    if (hFind == INVALID_HANDLE_VALUE) return;
    do {
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        SYSTEMTIME stCopy;
        if (!ParseLogCopyName(fd.cFileName, strNameExt, &stCopy)) continue;
        if (nToday - zel::DaysFromCivil(stCopy.wYear, stCopy.wMonth, stCopy.wDay) > nKeepDays)
            DeleteFileW(strFolder + L"\\" + fd.cFileName);
    } while (FindNextFileW(hFind, &fd));
    FindClose(hFind);
}
