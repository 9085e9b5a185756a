#include "core/FileHelpers.h"

#include <shlwapi.h>
#include <new>

BOOL FileExists(const CString& strPath, BOOL bFolder)
{
    if (strPath.IsEmpty()) return FALSE;
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW(strPath, &fd);
    if (h == INVALID_HANDLE_VALUE) return FALSE;
    FindClose(h);
    BOOL bIsFolder = (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    return bFolder ? bIsFolder : !bIsFolder;
}

BOOL CreateDirectoryTree(const CString& strPath)
{
    CString strFull = strPath;
    if (strFull.IsEmpty()) return FALSE;
    if (strFull[strFull.GetLength() - 1] != L'\\') strFull += L'\\';
    BOOL bResult = FALSE;
    for (int nPos = strFull.Find(L'\\'); nPos >= 0; nPos = strFull.Find(L'\\', nPos + 1)) {
        CString strPrefix = strFull.Left(nPos + 1);
        bResult = CreateDirectoryW(strPrefix, nullptr);
    }
    return bResult;
}

BOOL EnsureDirectory(const CString& strPath)
{
    if (FileExists(strPath, TRUE)) return TRUE;
    return CreateDirectoryTree(strPath);
}

BOOL CopyFileCreatingFolder(const CString& strSource, const CString& strDest, BOOL bFailIfExists)
{
    if (!FileExists(strSource, FALSE)) return FALSE;
    CString strFolder = GetParentPath(strDest);
    if (!strFolder.IsEmpty() && !FileExists(strFolder, TRUE) && !CreateDirectoryTree(strFolder))
        return FALSE;
    return CopyFileW(strSource, strDest, bFailIfExists);
}

CString GetParentPath(const CString& strPath)
{
    int nPos = strPath.ReverseFind(L'\\');
    return nPos < 0 ? CString() : strPath.Left(nPos);
}

CString GetFileExtension(const CString& strPath)
{
    int nPos = strPath.ReverseFind(L'.');
    return nPos < 0 ? strPath : strPath.Mid(nPos + 1);
}

CString GetFileNameFromPath(const CString& strPath)
{
    return strPath.Mid(strPath.ReverseFind(L'\\') + 1);
}

CString GetExtensionFromPath(const CString& strPath)
{
    int nPos = strPath.ReverseFind(L'.');
    return nPos < 0 ? CString() : strPath.Mid(nPos + 1);
}

BYTE* ReadWholeFile(const CString& strPath, DWORD* pdwLength)
{
    HANDLE h = CreateFileW(strPath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return nullptr;
    LARGE_INTEGER size;
    BYTE* pData = nullptr;
    // A buffer length is a DWORD: larger files are refused rather than cut.
    if (GetFileSizeEx(h, &size) && size.QuadPart < MAXDWORD) {
        DWORD dwSize = (DWORD)size.QuadPart;
        pData = new (std::nothrow) BYTE[dwSize + 1];
        DWORD dwRead = 0;
        if (pData && (!ReadFile(h, pData, dwSize, &dwRead, nullptr) || dwRead != dwSize)) {
            delete[] pData;
            pData = nullptr;
        }
        if (pData) {
            pData[dwSize] = 0;
            if (pdwLength) *pdwLength = dwSize;
        }
    }
    CloseHandle(h);
    return pData;
}

CString CompactPathText(const CString& strPath, int nChars)
{
    wchar_t szOut[MAX_PATH] = {};
    if (nChars < 1 || nChars > MAX_PATH) nChars = MAX_PATH;
    if (!PathCompactPathExW(szOut, strPath, (UINT)nChars, 0)) return strPath.Left(nChars - 1);
    return CString(szOut);
}
