#pragma once
// CFileDialog: the system's open and save dialogs. The filter is written the usual way,
// "Text (*.txt)|*.txt|All Files (*.*)|*.*||". Tests answer it through SetTestHook.
#include "platform/CString.h"

#include <commdlg.h>

#include <functional>
#include <vector>

class CWnd;

class CFileDialog {
public:
    explicit CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = nullptr, LPCTSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR lpszFilter = nullptr,
                         CWnd* pParentWnd = nullptr, DWORD dwSize = 0, BOOL bVistaStyle = TRUE);
    virtual ~CFileDialog() = default;
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;

    // lpstrFile points at the dialog's own buffer (m_ofn.nMaxFile characters).
    OPENFILENAMEW m_ofn;

    // IDOK when the user chose a file, IDCANCEL otherwise (also when the dialog failed).
    virtual INT_PTR DoModal();
    CString GetPathName() const { return CString(m_ofn.lpstrFile); }
    CString GetFileName() const;
    CString GetFileExt() const;
    CString GetFileTitle() const;
    CString GetFolderPath() const;

    // Test seam: when set, DoModal calls the hook instead of showing a dialog; the hook may
    // write a path into m_ofn.lpstrFile and returns what DoModal returns. Empty removes it.
    static void SetTestHook(std::function<INT_PTR(CFileDialog&)> hook);

private:
    BOOL m_bOpenFileDialog;
    CString m_strDefExt;
    std::vector<wchar_t> m_filter;
    std::vector<wchar_t> m_fileBuffer;
};
