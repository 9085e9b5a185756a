#include "tools/closer/UninstallSteps.h"

#include "tools/closer/RegistryString.h"

#include <shlobj.h>

namespace {

CString SpecialFolder(int nCsidl)
{
    TCHAR szPath[MAX_PATH] = {};
    if (!::SHGetSpecialFolderPath(nullptr, szPath, nCsidl, FALSE)) return CString();
    return CString(szPath);
}

CString WithoutTrailingSlash(const CString& strPath)
{
    CString strResult = strPath;
    if (!strResult.IsEmpty() && strResult.Right(1) == _T("\\")) strResult.Truncate(strResult.GetLength() - 1);
    return strResult;
}

// True when the folder holds nothing but "." and "..", also when it cannot be listed.
bool FolderHasNoEntries(const CString& strFolder)
{
    CString strPattern = strFolder;
    if (strPattern.Right(1) != _T("\\")) strPattern += _T("\\");
    strPattern += _T("*.*");
    WIN32_FIND_DATA fd;
    HANDLE hFind = ::FindFirstFile(strPattern, &fd);
    if (hFind == INVALID_HANDLE_VALUE) return true;
    bool bEmpty = true;
    do {
        if (::lstrcmp(fd.cFileName, _T(".")) != 0 && ::lstrcmp(fd.cFileName, _T("..")) != 0) bEmpty = false;
    } while (bEmpty && ::FindNextFile(hFind, &fd));
    ::FindClose(hFind);
    return bEmpty;
}

}  // namespace

SUninstallTarget SUninstallTarget::ForThisMachine()
{
    SUninstallTarget target;
    target.hRoot = HKEY_LOCAL_MACHINE;
    target.strKey = _T("Software\\TALVORA\\Brindlecast");
    target.strDesktopFolder = SpecialFolder(CSIDL_COMMON_DESKTOPDIRECTORY);
    target.strStartupFolder = SpecialFolder(CSIDL_COMMON_STARTUP);
    target.strProgramsFolder = SpecialFolder(CSIDL_COMMON_PROGRAMS);
    return target;
}

int CUninstallSteps::Run()
{
    CString strPath = ReadInstallationString(m_target.hRoot, m_target.strKey, _T("Path"));
    Add(_T("Path: ") + strPath);
    if (strPath.IsEmpty()) return 0;
    if (!m_confirm || m_confirm(_T("Do you want to completely remove the selected application and all of its components?"),
                                _T("Confirm Uninstall"), MB_YESNO) != IDYES)
        return 0;

    DeleteLink(m_target.strDesktopFolder, _T("Brindlecast.lnk"));
    DeleteLink(m_target.strStartupFolder, _T("Brindlecast.lnk"));

    CString strShellFolder = ReadInstallationString(m_target.hRoot, m_target.strKey, _T("SHELL_OBJECT_FOLDER"));
    CString strProductFolder;
    strProductFolder.Format(_T("%s\\%s"), m_target.strProgramsFolder.GetString(), strShellFolder.GetString());
    DeleteLink(strProductFolder, _T("Brindlecast.lnk"));
    DeleteLink(strProductFolder, _T("Brindlecast UnInstall.lnk"));
    // Without a product folder name the folder is the Programs menu itself, which is never ours
    // to remove, empty or not.
    if (!strShellFolder.IsEmpty()) RemoveFolderWhenEmpty(strProductFolder);

    DeleteValue(_T("Path"));
    DeleteValue(_T("CurrentVersion"));
    DeleteValue(_T("SHELL_OBJECT_FOLDER"));
    Add(_T("Install Wizard has finished performing maintenance operations."));
    return 1;
}

void CUninstallSteps::DeleteLink(const CString& strFolder, LPCTSTR lpszName)
{
    CString strFile = WithoutTrailingSlash(strFolder) + _T("\\") + lpszName;
    BOOL bDeleted = ::DeleteFile(strFile);
    CString strLine;
    strLine.Format(_T("DeleteFile:%d ->%s"), bDeleted ? 1 : 0, strFile.GetString());
    Add(strLine);
}

void CUninstallSteps::RemoveFolderWhenEmpty(const CString& strFolder)
{
    if (!FolderHasNoEntries(strFolder)) return;
    CString strTarget = WithoutTrailingSlash(strFolder);
    BOOL bRemoved = ::RemoveDirectory(strTarget);
    CString strLine;
    strLine.Format(_T("RemoveDirectory:%d ->%s"), bRemoved ? 1 : 0, strTarget.GetString());
    Add(strLine);
}

void CUninstallSteps::DeleteValue(LPCTSTR lpszValue)
{
    BOOL bDeleted = DeleteRegistryValue(m_target.hRoot, m_target.strKey, lpszValue);
    CString strLine;
    strLine.Format(_T("DelRegValue:%d ->%s %s "), bDeleted ? 1 : 0, m_target.strKey.GetString(), lpszValue);
    Add(strLine);
}
