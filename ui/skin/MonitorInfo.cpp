#include "ui/skin/MonitorInfo.h"

#include <cwchar>

#include "core/SettingManager.h"
#include "platform/Wnd.h"

namespace {

CMonitorInfo::MonitorSource& Source()
{
    static CMonitorInfo::MonitorSource source;
    return source;
}

BOOL CALLBACK CollectMonitor(HMONITOR hMonitor, HDC, LPRECT, LPARAM lParam)
{
    MONITORINFOEXW info;
    ZeroMemory(&info, sizeof(info));
    info.cbSize = sizeof(info);
    if (::GetMonitorInfoW(hMonitor, &info))
        reinterpret_cast<CArray<MONITORINFOEXW>*>(lParam)->Add(info);
    return TRUE;
}

bool Intersects(const RECT& a, const RECT& b)
{
    RECT r;
    return ::IntersectRect(&r, &a, &b) != FALSE;
}

const wchar_t kSection[] = L"Rect";

} // namespace

void CMonitorInfo::SetMonitorSource(MonitorSource source)
{
    Source() = std::move(source);
}

int CMonitorInfo::Refresh()
{
    m_nScreenWidth = ::GetSystemMetrics(SM_CXSCREEN);
    m_nScreenHeight = ::GetSystemMetrics(SM_CYSCREEN);
    m_nVirtualWidth = ::GetSystemMetrics(SM_CXVIRTUALSCREEN);
    m_nVirtualHeight = ::GetSystemMetrics(SM_CYVIRTUALSCREEN);
    m_nMonitorCount = ::GetSystemMetrics(SM_CMONITORS);
    m_nMegaPixels = m_nScreenWidth * m_nScreenHeight / 1000000;
    if (m_nMegaPixels < 1)
        m_nMegaPixels = 1;
    m_nSameDisplayFormat = ::GetSystemMetrics(SM_SAMEDISPLAYFORMAT);
    m_nVirtualLeft = ::GetSystemMetrics(SM_XVIRTUALSCREEN);
    m_nVirtualTop = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
    m_nVirtualRight = m_nVirtualLeft + m_nVirtualWidth;
    m_nVirtualBottom = m_nVirtualTop + m_nVirtualHeight;
    if (Source()) {
        CArray<MONITORINFOEXW> monitors;
        if (!Source()(monitors))
            return -1;
        m_monitors.Copy(monitors);
        return 0;
    }
    HDC hdc = ::CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr);
    if (!hdc)
        return -1;
    m_monitors.RemoveAll();
    ::EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&m_monitors));
    m_nBitsPerPixel = ::GetDeviceCaps(hdc, BITSPIXEL);
    m_nRefreshRate = ::GetDeviceCaps(hdc, VREFRESH);
    ::DeleteDC(hdc);
    return 0;
}

BOOL CMonitorInfo::FindMonitor(RECT* pOut, const RECT& rc, BOOL bWorkArea) const
{
    for (INT_PTR i = 0; i < m_monitors.GetSize(); ++i) {
        const MONITORINFOEXW& m = m_monitors[i];
        if (Intersects(m.rcMonitor, rc)) {
            if (pOut)
                *pOut = bWorkArea ? m.rcWork : m.rcMonitor;
            return TRUE;
        }
    }
    return FALSE;
}

BOOL CMonitorInfo::FindMonitorContaining(int l, int t, int r, int b, RECT* pOut) const
{
    for (INT_PTR i = 0; i < m_monitors.GetSize(); ++i) {
        const RECT& m = m_monitors[i].rcMonitor;
        if (l >= m.left && t >= m.top && r <= m.right && b <= m.bottom) {
            if (pOut)
                *pOut = m;
            return TRUE;
        }
    }
    return FALSE;
}

BOOL CMonitorInfo::FitToWorkArea(RECT& rc)
{
    if (Refresh() != 0)
        return FALSE;
    RECT W;
    if (!FindMonitor(&W, rc, TRUE))
        return FALSE;
    const LONG width = rc.right - rc.left, height = rc.bottom - rc.top;
    LONG left = rc.left, top = rc.top;
    if (rc.left < W.left)
        left = W.left;
    else if (rc.right > W.right)
        left = width > W.right - W.left ? W.left : W.right - width;
    if (rc.top < W.top)
        top = W.top;
    else if (rc.bottom > W.bottom)
        top = height > W.bottom - W.top ? W.top : W.bottom - height;
    rc.left = left;
    rc.top = top;
    rc.right = left + width;
    rc.bottom = top + height;
    return TRUE;
}

BOOL CMonitorInfo::GetWorkArea(RECT& rc)
{
    if (Refresh() != 0)
        return FALSE;
    RECT W;
    if (!FindMonitor(&W, rc, TRUE))
        return FALSE;
    rc = W;
    return TRUE;
}

BOOL CMonitorInfo::GetWindowWorkArea(CWnd* pWnd, RECT* pOut)
{
    if (!pWnd || !::IsWindow(pWnd->GetSafeHwnd()) || !pOut)
        return FALSE;
    CRect r;
    pWnd->GetWindowRect(&r);
    const DWORD style = pWnd->GetStyle();
    if (style & WS_BORDER) {
        r.DeflateRect(1, 1);
        if (style & WS_THICKFRAME)
            r.DeflateRect(7, 7);
    }
    if (!GetWorkArea(r))
        return FALSE;
    *pOut = r;
    return TRUE;
}

BOOL CMonitorInfo::GetPrimaryMonitorRect(RECT* pOut, BOOL bWorkArea) const
{
    for (INT_PTR i = 0; i < m_monitors.GetSize(); ++i) {
        const MONITORINFOEXW& m = m_monitors[i];
        if (m.dwFlags & MONITORINFOF_PRIMARY) {
            if (pOut)
                *pOut = bWorkArea ? m.rcWork : m.rcMonitor;
            return TRUE;
        }
    }
    return FALSE;
}

CMonitorInfo& GetMonitorInfoStore()
{
    static CMonitorInfo store;
    return store;
}

void SetPlacementPath(const CString& strPath)
{
    GetMonitorInfoStore().m_strPath = strPath;
}

int ReadWindowRectEntry(LPCTSTR pszSection, LPCTSTR pszName, RECT* pOut, LPCTSTR pszFile)
{
    const CString key = CString(pszName) + L"(xywh)";
    wchar_t buffer[4096] = {0};
    const int n = int(::GetPrivateProfileStringW(pszSection, key.GetString(), L"", buffer, 4096, pszFile));
    int l = 0, t = 0, w = 0, h = 0;
    swscanf(buffer, L"%d,%d,%d,%d", &l, &t, &w, &h);
    if (pOut)
        *pOut = CRect(l, t, l + w, t + h);
    return n;
}

BOOL WriteWindowRectEntry(LPCTSTR pszSection, LPCTSTR pszName, const RECT& rc, LPCTSTR pszFile)
{
    const CString key = CString(pszName) + L"(xywh)";
    CString value;
    value.Format(L"%d,%d,%d,%d", int(rc.left), int(rc.top), int(rc.right - rc.left), int(rc.bottom - rc.top));
    return ::WritePrivateProfileStringW(pszSection, key.GetString(), value.GetString(), pszFile);
}

namespace {

// "MainRect.ini" of the settings store. Without an application-data folder the name alone
// would land in the system's folder: no file then.
CString PlacementFile()
{
    const CString path = CSettingManager::GetInstance()->GetMainRectIniPath();
    return path.Find(L'\\') >= 0 ? path : CString();
}

bool CanPlace(LPCTSTR pszName, CWnd* pWnd)
{
    return pWnd && ::IsWindow(pWnd->GetSafeHwnd()) && pszName && *pszName && !GetMonitorInfoStore().m_strPath.IsEmpty();
}

BOOL Restore(LPCTSTR pszName, CWnd* pWnd, bool bFit)
{
    if (!CanPlace(pszName, pWnd))
        return FALSE;
    const CString file = PlacementFile();
    RECT rc;
    if (file.IsEmpty() || ReadWindowRectEntry(kSection, pszName, &rc, file.GetString()) == 0)
        return FALSE;
    CMonitorInfo& store = GetMonitorInfoStore();
    if (store.Refresh() != 0 || !store.FindMonitor(nullptr, rc, TRUE))
        return FALSE;
    if (bFit) {
        CMonitorInfo fresh;
        fresh.FitToWorkArea(rc);
    }
    pWnd->MoveWindow(&rc, TRUE);
    return TRUE;
}

} // namespace

BOOL SaveWindowRect(LPCTSTR pszName, CWnd* pWnd)
{
    if (!CanPlace(pszName, pWnd))
        return FALSE;
    const CString file = PlacementFile();
    if (file.IsEmpty())
        return FALSE;
    CRect rc;
    pWnd->GetWindowRect(&rc);
    return WriteWindowRectEntry(kSection, pszName, rc, file.GetString());
}

BOOL SaveWindowRect(const CString& strName, CWnd* pWnd)
{
    return SaveWindowRect(strName.GetString(), pWnd);
}

BOOL RestoreWindowRect(LPCTSTR pszName, CWnd* pWnd)
{
    return Restore(pszName, pWnd, false);
}

BOOL RestoreWindowRectFitted(LPCTSTR pszName, CWnd* pWnd)
{
    return Restore(pszName, pWnd, true);
}

CPoint ComputePlaceNear(const RECT& A, const RECT& B, const RECT& W, UINT nFlags)
{
    const int bw = B.right - B.left, bh = B.bottom - B.top;
    const int aw = A.right - A.left, ah = A.bottom - A.top;
    int x;
    switch (nFlags & 0xFF) {
    case 0: x = B.left; break;
    case 1: x = A.left; break;
    case 2: x = A.right + 5; break;
    case 4: x = A.left - bw - 5; break;
    case 8: x = A.right - bw; break;
    case 16: x = A.left + (aw - bw) / 2; break;
    default: x = 0; break;
    }
    if (x + bw > W.right)
        x = W.right - bw;
    if (x < W.left)
        x = W.left;
    int y;
    switch (nFlags & 0xFF00) {
    case 0: y = B.top; break;
    case 256: y = A.top; break;
    case 512: y = A.bottom + 5; break;
    case 1024: y = A.top - bh - 5; break;
    case 2048: y = A.bottom - bh; break;
    case 4096: y = A.top + (ah - bh) / 2; break;
    default: y = 0; break;
    }
    if (y + bh > W.bottom)
        y = W.bottom - bh;
    if (y < W.top)
        y = W.top;
    return CPoint(x, y);
}

void PlaceWindowNear(CWnd* pAnchor, CWnd* pWnd, UINT nFlags)
{
    if (!pAnchor || !pWnd || GetMonitorInfoStore().Refresh() != 0)
        return;
    CRect A, B;
    pAnchor->GetWindowRect(&A);
    pWnd->GetWindowRect(&B);
    RECT W;
    if (!GetMonitorInfoStore().FindMonitor(&W, A, TRUE)) {
        pWnd->MoveWindow(&B, TRUE);
        pWnd->CenterWindow();
        return;
    }
    const CPoint at = ComputePlaceNear(A, B, W, nFlags);
    pWnd->MoveWindow(at.x, at.y, B.Width(), B.Height(), TRUE);
}
