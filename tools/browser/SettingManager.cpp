#include "tools/browser/SettingManager.h"

#include "platform/MessageBox.h"

#include <shlobj.h>
#include <shlwapi.h>

CString g_strUserDataFolder;

bool CSettingManager::InitAppData(LPCTSTR lpszCompany, LPCTSTR lpszProduct)
{
    TCHAR szBase[MAX_PATH] = {};
    CString strBase;
    if (SUCCEEDED(::SHGetFolderPath(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, szBase)))
        strBase = szBase;
    return InitAppDataUnder(strBase, lpszCompany, lpszProduct);
}

bool CSettingManager::InitAppDataUnder(const CString& strBase, LPCTSTR lpszCompany, LPCTSTR lpszProduct)
{
    if (strBase.IsEmpty()) {
        AfxMessageBox(_T("InitAppData fail"));
        return false;
    }
    TCHAR szPath[MAX_PATH] = {};
    ::lstrcpyn(szPath, strBase, MAX_PATH);
    if (!::PathAppend(szPath, lpszCompany) || !::PathAppend(szPath, lpszProduct)) {
        CString strMessage;
        strMessage.Format(_T("CSettingManager::InitAppData CreateDirectories : %s"), szPath);
        AfxMessageBox(strMessage);
        return false;
    }
    CString strPath = szPath;
    DWORD dwAttributes = ::GetFileAttributes(strPath);
    if (dwAttributes == INVALID_FILE_ATTRIBUTES || !(dwAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        CString strLevels = strPath;
        if (strLevels.Right(1) != _T("\\")) strLevels += _T("\\");
        BOOL bCreated = FALSE;
        for (int nSlash = strLevels.Find(_T('\\')); nSlash >= 0; nSlash = strLevels.Find(_T('\\'), nSlash + 1))
            bCreated = ::CreateDirectory(strLevels.Left(nSlash + 1), nullptr);
        if (!bCreated) {
            CString strMessage;
            strMessage.Format(_T("CSettingManager::InitAppData CreateDirectories : %s"), strPath.GetString());
            AfxMessageBox(strMessage);
            return false;
        }
    }
    if (strPath.Right(1) != _T("\\")) strPath += _T("\\");
    g_strUserDataFolder = strPath;
    return true;
}
