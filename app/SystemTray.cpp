#include "app/SystemTray.h"

#include "platform/ResourceHandle.h"
#include "platform/WinApp.h"
#include "ui/controls/MenuEx.h"

namespace {
CSystemTray::PFN_NOTIFY s_pfnNotify = nullptr;
CSystemTray::PFN_TRACK s_pfnTrack = nullptr;
const UINT kHiddenCommands[] = {32777, 32786, 32787, 32804};

void CopyTruncated(wchar_t* pDest, size_t nSize, LPCTSTR pszSource)
{
    lstrcpynW(pDest, pszSource ? pszSource : L"", (int)nSize);
}
} // namespace

void CSystemTray::SetNotifyFunctionForTest(PFN_NOTIFY pfn) { s_pfnNotify = pfn; }
void CSystemTray::SetMenuTrackerForTest(PFN_TRACK pfn) { s_pfnTrack = pfn; }

CSystemTray::CSystemTray()
{
    ZeroMemory(&m_nid, sizeof(m_nid));
}

CSystemTray::~CSystemTray()
{
    RemoveTrayIcon();
    if (m_nid.hIcon)
        ::DestroyIcon(m_nid.hIcon);
    if (m_hWnd)
        DestroyWindow();
}

BOOL CSystemTray::Notify(DWORD dwMessage)
{
    return s_pfnNotify ? s_pfnNotify(dwMessage, &m_nid) : ::Shell_NotifyIconW(dwMessage, &m_nid);
}

BOOL CSystemTray::CreateIcon(CWnd* pParent, UINT uCallbackMessage, LPCTSTR pszTip, HICON hIcon, UINT uID, BOOL bHidden,
                             LPCTSTR pszBalloonTip, LPCTSTR pszBalloonTitle, DWORD dwBalloonIcon, UINT uBalloonTimeout)
{
    m_bShellOk = TRUE;   // every supported Windows has a shell with notification icons
    LPCTSTR pszClass = AfxRegisterWndClass(0);
    if (!CreateEx(0, pszClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr))
        return FALSE;
    // The record's size on this platform (the 32-bit full size is smaller than x64's).
    m_nid.cbSize = sizeof(NOTIFYICONDATAW);
    m_nid.hWnd = pParent && pParent->GetSafeHwnd() ? pParent->GetSafeHwnd() : m_hWnd;
    m_nid.uID = uID;
    m_nid.hIcon = hIcon;
    m_nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    m_nid.uCallbackMessage = uCallbackMessage;
    CopyTruncated(m_nid.szTip, 128, pszTip);
    if (m_bNewShell && pszBalloonTip && *pszBalloonTip) {
        m_nid.uFlags |= NIF_INFO;
        CopyTruncated(m_nid.szInfo, 256, pszBalloonTip);
        CopyTruncated(m_nid.szInfoTitle, 64, pszBalloonTitle);
        m_nid.uTimeout = uBalloonTimeout * 1000;
        m_nid.dwInfoFlags = dwBalloonIcon;
    }
    m_bIconHidden = bHidden;
    if (m_bNewShell && bHidden) {
        m_nid.uFlags = NIF_STATE;
        m_nid.dwState = NIS_HIDDEN;
        m_nid.dwStateMask = NIS_HIDDEN;
    }
    m_nAddFlags = m_nid.uFlags;
    BOOL bResult = TRUE;
    if (!bHidden || m_bNewShell) {
        bResult = Notify(NIM_ADD);
        m_bAddPending = m_bIconHidden = m_bIconRemoved = !bResult;
    }
    if (m_bNewShell && pszBalloonTip && *pszBalloonTip)
        m_nid.szInfo[0] = 0;
    return bResult;
}

BOOL CSystemTray::SetTipText(LPCTSTR pszTip)
{
    if (!m_bShellOk)
        return FALSE;
    m_nid.uFlags = NIF_TIP;
    CopyTruncated(m_nid.szTip, 128, pszTip);
    return m_bIconHidden ? TRUE : Notify(NIM_MODIFY);
}

BOOL CSystemTray::SetTipText(UINT nID)
{
    CString str;
    str.LoadString(nID);
    return SetTipText(str);
}

CString CSystemTray::GetTipText() const
{
    return m_bShellOk ? CString(m_nid.szTip) : CString();
}

BOOL CSystemTray::ReplaceIcon(HICON hIcon)
{
    if (!m_bShellOk)
        return FALSE;
    HICON hOld = m_nid.hIcon;
    m_nid.uFlags = NIF_ICON;
    m_nid.hIcon = hIcon;
    const BOOL bResult = m_bIconHidden ? TRUE : Notify(NIM_MODIFY);
    if (hOld && hOld != hIcon)
        ::DestroyIcon(hOld);
    return bResult;
}

BOOL CSystemTray::LoadIconResource(UINT nIDResource)
{
    HICON hIcon = (HICON)::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nIDResource), IMAGE_ICON, 0, 0,
                                      LR_DEFAULTCOLOR);
    return hIcon ? ReplaceIcon(hIcon) : FALSE;
}

BOOL CSystemTray::RemoveTrayIcon()
{
    if (!m_bShellOk)
        return TRUE;
    m_bAddPending = FALSE;
    if (m_bIconRemoved)
        return TRUE;
    m_nid.uFlags = 0;
    if (Notify(NIM_DELETE))
        m_bIconHidden = m_bIconRemoved = TRUE;
    return m_bIconRemoved;
}

BOOL CSystemTray::AddTrayIcon()
{
    if (!m_bShellOk)
        return !m_bIconRemoved;
    if (!m_bIconRemoved)
        RemoveTrayIcon();
    m_nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    if (Notify(NIM_ADD))
        m_bIconHidden = m_bIconRemoved = FALSE;
    else
        m_bAddPending = TRUE;
    return !m_bIconRemoved;
}

BOOL CSystemTray::HideTrayIcon()
{
    if (!m_bShellOk || m_bIconRemoved || m_bIconHidden)
        return TRUE;
    if (m_bNewShell) {
        m_nid.uFlags = NIF_STATE;
        m_nid.dwState = NIS_HIDDEN;
        m_nid.dwStateMask = NIS_HIDDEN;
        m_bIconHidden = Notify(NIM_MODIFY);
    } else {
        RemoveTrayIcon();
    }
    return m_bIconHidden;
}

BOOL CSystemTray::ShowTrayIcon()
{
    if (m_bIconRemoved)
        return AddTrayIcon();
    if (!m_bIconHidden)
        return TRUE;
    if (m_bNewShell) {
        m_nid.uFlags = NIF_STATE;
        m_nid.dwState = 0;
        m_nid.dwStateMask = NIS_HIDDEN;
        if (Notify(NIM_MODIFY))
            m_bIconHidden = FALSE;
    } else {
        AddTrayIcon();
    }
    return !m_bIconHidden;
}

BOOL CSystemTray::ReAddTrayIcon()
{
    RemoveTrayIcon();
    return AddTrayIcon();
}

BOOL CSystemTray::RefreshTrayIcon()
{
    m_nid.uFlags = 0;
    return Notify(NIM_MODIFY) ? TRUE : ReAddTrayIcon();
}

BOOL CSystemTray::ShowBalloonTip(LPCTSTR pszText, LPCTSTR pszTitle, DWORD dwIcon, UINT uTimeout)
{
    if (!m_bNewShell)
        return FALSE;
    m_nid.uFlags = NIF_INFO;
    CopyTruncated(m_nid.szInfo, 256, pszText);
    CopyTruncated(m_nid.szInfoTitle, 64, pszTitle);
    m_nid.dwInfoFlags = dwIcon;
    m_nid.uTimeout = uTimeout * 1000;
    const BOOL bResult = Notify(NIM_MODIFY);
    m_nid.szInfo[0] = 0;
    return bResult;
}

CWnd* CSystemTray::GetCommandTarget() const
{
    return m_pCommandTarget ? m_pCommandTarget : AfxGetMainWnd();
}

BOOL CSystemTray::SetDefaultMenuItem(UINT uItem, BOOL bByPos)
{
    m_nDefaultItem = uItem;
    m_bDefaultItemByPos = bByPos;
    return TRUE;
}

void CSystemTray::ReAddIfPending()
{
    if (!m_bAddPending || m_bIconHidden)
        return;
    m_nid.uFlags = m_nAddFlags;
    const BOOL bAdded = Notify(NIM_ADD);
    m_bIconHidden = !bAdded;
    m_bAddPending = !bAdded;
    if (bAdded)
        m_bIconRemoved = FALSE;
}

LRESULT CSystemTray::OnTrayMessage(WPARAM wParam, LPARAM lParam)
{
    if (wParam != m_nid.uID)
        return 0;
    CWnd* pTarget = GetCommandTarget();
    if (!pTarget || !pTarget->GetSafeHwnd())
        return 0;
    const UINT uMouse = LOWORD(lParam);
    if (uMouse == WM_RBUTTONUP) {
        CMenuEx menu(pTarget);
        if (!m_bShellOk || !menu.LoadMenu(m_nid.uID))
            return 0;
        HMENU hSub = ::GetSubMenu(menu.m_hMenu, 0);
        if (!hSub)
            return 0;
        ::SetMenuDefaultItem(hSub, m_nDefaultItem, m_bDefaultItemByPos);
        POINT pt;
        ::GetCursorPos(&pt);
        ::SetForegroundWindow(pTarget->m_hWnd);
        for (UINT id : kHiddenCommands)
            ::DeleteMenu(hSub, id, MF_BYCOMMAND);
        if (s_pfnTrack)
            s_pfnTrack(hSub, pTarget->m_hWnd);
        else
            ::TrackPopupMenu(hSub, TPM_RIGHTBUTTON, pt.x, pt.y, 0, pTarget->m_hWnd, nullptr);
        pTarget->PostMessage(WM_NULL, 0, 0);
        return 1;
    }
    if (uMouse == WM_LBUTTONDBLCLK) {
        ::SetForegroundWindow(pTarget->m_hWnd);
        UINT uCommand = m_nDefaultItem;
        if (m_bDefaultItemByPos) {
            HMENU hMenu = ::LoadMenuW(AfxGetResourceHandle(), MAKEINTRESOURCEW(m_nid.uID));
            HMENU hSub = hMenu ? ::GetSubMenu(hMenu, 0) : nullptr;
            if (!hSub) {
                if (hMenu) ::DestroyMenu(hMenu);
                return 0;
            }
            uCommand = ::GetMenuItemID(hSub, (int)m_nDefaultItem);
            ::DestroyMenu(hMenu);
        }
        pTarget->SendMessage(WM_COMMAND, uCommand, 0);
    }
    return 1;
}

LRESULT CSystemTray::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_nid.uCallbackMessage && message == m_nid.uCallbackMessage)
        return OnTrayMessage(wParam, lParam);
    if (g_uTaskbarCreatedMsg && message == g_uTaskbarCreatedMsg) {
        // A new taskbar knows none of the icons the old one had: an icon that was in the
        // notification area goes back there, as well as one whose add is still pending.
        if (m_bShellOk && !m_bIconRemoved && !m_bAddPending) {
            m_nid.uFlags = m_nAddFlags | NIF_MESSAGE | NIF_ICON | NIF_TIP;
            if (m_bIconHidden && m_bNewShell) {
                m_nid.uFlags |= NIF_STATE;
                m_nid.dwState = NIS_HIDDEN;
                m_nid.dwStateMask = NIS_HIDDEN;
            }
            if (!Notify(NIM_ADD)) {
                m_bAddPending = TRUE;
                m_bIconRemoved = TRUE;
            }
        } else if (m_bShellOk && m_bAddPending) {
            // An add that failed (the taskbar was not there yet) counts as hidden; the new
            // taskbar is the moment it was waiting for.
            m_nid.uFlags = m_nAddFlags;
            const BOOL bAdded = Notify(NIM_ADD);
            m_bAddPending = !bAdded;
            if (bAdded) {
                m_bIconRemoved = FALSE;
                m_bIconHidden = m_nAddFlags == NIF_STATE;   // added in its hidden state
            }
        }
        return 0;
    }
    const LRESULT result = CWnd::WindowProc(message, wParam, lParam);
    if (message == WM_SETTINGCHANGE && wParam == SPI_SETWORKAREA)
        ReAddIfPending();
    return result;
}
