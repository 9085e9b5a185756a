#include "platform/FileDialog.h"

#include "platform/WinApp.h"
#include "platform/Wnd.h"

#include <mutex>

namespace {
std::mutex g_hookLock;
std::function<INT_PTR(CFileDialog&)> g_hook;

// Enough for long paths; the system's own limit for one name is far below.
const DWORD kFileBufferChars = 32768;
} // namespace

void CFileDialog::SetTestHook(std::function<INT_PTR(CFileDialog&)> hook)
{
    std::lock_guard<std::mutex> guard(g_hookLock);
    g_hook = std::move(hook);
}

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName, DWORD dwFlags,
                         LPCTSTR lpszFilter, CWnd* pParentWnd, DWORD, BOOL)
    : m_ofn(), m_bOpenFileDialog(bOpenFileDialog), m_strDefExt(lpszDefExt), m_fileBuffer(kFileBufferChars, 0)
{
    if (lpszFileName) wcsncpy(m_fileBuffer.data(), lpszFileName, kFileBufferChars - 1);
    // "a|b||" becomes the system's "a\0b\0\0".
    if (lpszFilter) {
        for (const wchar_t* p = lpszFilter; *p; ++p) m_filter.push_back(*p == L'|' ? L'\0' : *p);
        m_filter.push_back(L'\0');
        m_filter.push_back(L'\0');
    }
    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.hwndOwner = pParentWnd->GetSafeHwnd();
    m_ofn.hInstance = AfxGetInstanceHandle();
    m_ofn.lpstrFilter = m_filter.empty() ? nullptr : m_filter.data();
    m_ofn.lpstrFile = m_fileBuffer.data();
    m_ofn.nMaxFile = kFileBufferChars;
    m_ofn.lpstrDefExt = m_strDefExt.IsEmpty() ? nullptr : m_strDefExt.GetString();
    m_ofn.Flags = dwFlags | OFN_EXPLORER | OFN_ENABLESIZING;
}

INT_PTR CFileDialog::DoModal()
{
    std::function<INT_PTR(CFileDialog&)> hook;
    {
        std::lock_guard<std::mutex> guard(g_hookLock);
        hook = g_hook;
    }
    if (hook) return hook(*this);
    if (!m_ofn.hwndOwner) {
        if (CWnd* main = AfxGetMainWnd()) m_ofn.hwndOwner = ::GetLastActivePopup(main->GetSafeHwnd());
    }
    const BOOL chosen = m_bOpenFileDialog ? ::GetOpenFileNameW(&m_ofn) : ::GetSaveFileNameW(&m_ofn);
    return chosen ? IDOK : IDCANCEL;
}

CString CFileDialog::GetFileName() const
{
    CString path = GetPathName();
    return path.Mid(path.ReverseFind(L'\\') + 1);
}

CString CFileDialog::GetFileExt() const
{
    CString name = GetFileName();
    const int dot = name.ReverseFind(L'.');
    return dot < 0 ? CString() : name.Mid(dot + 1);
}

CString CFileDialog::GetFileTitle() const
{
    CString name = GetFileName();
    const int dot = name.ReverseFind(L'.');
    return dot < 0 ? name : name.Left(dot);
}

CString CFileDialog::GetFolderPath() const
{
    CString path = GetPathName();
    const int slash = path.ReverseFind(L'\\');
    return slash < 0 ? CString() : path.Left(slash);
}
