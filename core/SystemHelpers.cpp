#include "core/SystemHelpers.h"

#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>
#include <wininet.h>
#include <cstdarg>
#include <cstdio>
#include <vector>

#include "core/FileHelpers.h"
#include "platform/MessageBox.h"

BOOL g_bInternetConnected = FALSE;

namespace {
PFN_CONNECTED_STATE g_pfnConnectedState = nullptr;
}

CString GetSystemErrorText(DWORD dwCode)
{
    LPWSTR pszText = nullptr;
    DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                 FORMAT_MESSAGE_IGNORE_INSERTS,
                             nullptr, dwCode, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
                             reinterpret_cast<LPWSTR>(&pszText), 0, nullptr);
    CString strText;
    if (n > 0 && pszText) strText = CString(pszText, (int)n);
    if (pszText) LocalFree(pszText);
    return strText;
}

PFN_CONNECTED_STATE SetConnectedStateFunction(PFN_CONNECTED_STATE pfn)
{
    PFN_CONNECTED_STATE old = g_pfnConnectedState;
    g_pfnConnectedState = pfn;
    return old;
}

BOOL IsInternetConnected()
{
    DWORD dwFlags = 0;
    PFN_CONNECTED_STATE pfn = g_pfnConnectedState ? g_pfnConnectedState : InternetGetConnectedState;
    BOOL bConnected = pfn(&dwFlags, 0) && (dwFlags & INTERNET_CONNECTION_OFFLINE) == 0;
    g_bInternetConnected = bConnected;
    return bConnected;
}

CString GetProductVersion(HMODULE hModule)
{
    const CString strNone = L"0.0.0.0";
    HRSRC hInfo = FindResourceW(hModule, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(16) /*RT_VERSION*/);
    if (!hInfo) return strNone;
    HGLOBAL hData = LoadResource(hModule, hInfo);
    void* pData = hData ? LockResource(hData) : nullptr;
    DWORD cb = SizeofResource(hModule, hInfo);
    if (!pData || cb == 0) return strNone;
    // VerQueryValue may write into the block: work on a copy.
    std::vector<BYTE> block((const BYTE*)pData, (const BYTE*)pData + cb);
    CString strSubBlock;
    WORD* pTranslation = nullptr;
    UINT cbTranslation = 0;
    if (VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", (LPVOID*)&pTranslation,
                       &cbTranslation) &&
        cbTranslation == 4) {
        strSubBlock.Format(L"\\StringFileInfo\\%02X%02X%02X%02X\\ProductVersion",
                           HIBYTE(pTranslation[0]), LOBYTE(pTranslation[0]),
                           HIBYTE(pTranslation[1]), LOBYTE(pTranslation[1]));
    } else {
        strSubBlock.Format(L"\\StringFileInfo\\%04X04B0\\ProductVersion", GetUserDefaultLangID());
    }
    LPWSTR pszVersion = nullptr;
    UINT nChars = 0;
    CString strVersion = strNone;
    if (VerQueryValueW(block.data(), strSubBlock, (LPVOID*)&pszVersion, &nChars) && pszVersion &&
        nChars > 0)
        strVersion = pszVersion;
    FreeResource(hData);
    return strVersion;
}

CString GetModuleFolder()
{
    wchar_t szPath[1024] = {};
    GetModuleFileNameW(nullptr, szPath, 1024);
    CString strPath = szPath;
    return strPath.Left(strPath.ReverseFind(L'\\') + 1);
}

int RunProgram(LPCTSTR pszFile, LPCTSTR pszParameters, BOOL bWait)
{
    SHELLEXECUTEINFOW sei = {};
    sei.cbSize = sizeof sei;
    // The caller reports a failure itself: no system error box that would wait for a click.
    sei.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    sei.lpFile = pszFile;
    sei.lpParameters = pszParameters;
    sei.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExW(&sei)) return -1;
    if (!sei.hProcess) return -2;
    if (bWait) WaitForSingleObject(sei.hProcess, INFINITE);
    CloseHandle(sei.hProcess);
    return 0;
}

void AppendDebugLog(LPCTSTR pszFormat, ...)
{
    CString strText;
    va_list args;
    va_start(args, pszFormat);
    strText.FormatV(pszFormat, args);
    va_end(args);

    SYSTEMTIME st;
    GetLocalTime(&st);
    CString strLine, strFile;
    strLine.Format(L"Log : [%02d/%02d/%02d %02d:%02d:%02d] %s\n", st.wYear % 100, st.wMonth,
                   st.wDay, st.wHour, st.wMinute, st.wSecond, (LPCTSTR)strText);
    strFile.Format(L"C:\\Temp\\%04d%02d%02d.txt", st.wYear, st.wMonth, st.wDay);
    FILE* pFile = _wfopen(strFile, L"ab");
    if (!pFile) return;
    fwrite((LPCTSTR)strLine, sizeof(wchar_t), (size_t)strLine.GetLength(), pFile);
    fclose(pFile);
}

CString LocateAppDataFolder(LPCTSTR pszCompany, LPCTSTR pszProduct, LPCTSTR pszNoFolderText,
                            LPCTSTR pszCreateFailFormat)
{
    wchar_t szPath[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0,
                                szPath)) ||
        !PathAppendW(szPath, pszCompany ? pszCompany : L"") ||
        !PathAppendW(szPath, pszProduct ? pszProduct : L"")) {
        AfxMessageBox(pszNoFolderText);
        return CString();
    }
    CString strFolder = szPath;
    if (!FileExists(strFolder, TRUE)) {
        CreateDirectoryTree(strFolder);
        if (!FileExists(strFolder, TRUE)) {
            CString strText;
            strText.Format(pszCreateFailFormat, (LPCTSTR)strFolder);
            AfxMessageBox(strText);
            return CString();
        }
    }
    if (strFolder.IsEmpty() || strFolder[strFolder.GetLength() - 1] != L'\\') strFolder += L'\\';
    return strFolder;
}

CString MakeAppDataFolder(LPCTSTR pszCompany, LPCTSTR pszProduct)
{
    return LocateAppDataFolder(pszCompany, pszProduct, L"MakeAppData fail",
                               L"Dumpfile CreateDirectories : %s");
}

BOOL IsTouchSupported(DWORD dwMajor, DWORD dwMinor, int nDigitizer)
{
    const bool bVersion = dwMajor > 6 || (dwMajor == 6 && dwMinor >= 1);
    return bVersion && (nDigitizer & 0xC0) != 0;
}

BOOL IsSystemTouchSupported()
{
    RTL_OSVERSIONINFOW version = {};
    version.dwOSVersionInfoSize = sizeof version;
    using RtlGetVersionFn = LONG(WINAPI*)(RTL_OSVERSIONINFOW*);
    const auto rtlGetVersion =
        reinterpret_cast<RtlGetVersionFn>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion"));
    if (!rtlGetVersion || rtlGetVersion(&version) != 0)
        return FALSE;
    return IsTouchSupported(version.dwMajorVersion, version.dwMinorVersion, ::GetSystemMetrics(SM_DIGITIZER));
}
