#pragma once
// The client's icon in the notification area: its shell state (added, removed, hidden, waiting
// to be added) kept as the shell accepted it, re-added when the taskbar comes back, and its
// mouse messages turned into the main dialog's commands (right click: the tray menu; double
// click: the menu's default command).
#include <windows.h>
#include <shellapi.h>

#include "platform/Wnd.h"

extern UINT g_uTaskbarCreatedMsg;

class CSystemTray : public CWnd {
public:
    CSystemTray();
    ~CSystemTray() override;

    BOOL CreateIcon(CWnd* pParent, UINT uCallbackMessage, LPCTSTR pszTip, HICON hIcon, UINT uID, BOOL bHidden = FALSE,
                    LPCTSTR pszBalloonTip = nullptr, LPCTSTR pszBalloonTitle = nullptr, DWORD dwBalloonIcon = 0,
                    UINT uBalloonTimeout = 10);
    void SetShellEnabled(BOOL bEnabled) { m_bShellOk = bEnabled; }
    BOOL SetTipText(LPCTSTR pszTip);
    BOOL SetTipText(UINT nID);
    CString GetTipText() const;
    BOOL ReplaceIcon(HICON hIcon);
    BOOL LoadIconResource(UINT nIDResource);
    HICON GetCurrentIcon() const { return m_bShellOk ? m_nid.hIcon : nullptr; }
    BOOL HideTrayIcon();
    BOOL ShowTrayIcon();
    BOOL AddTrayIcon();
    BOOL RemoveTrayIcon();
    BOOL ReAddTrayIcon();
    BOOL RefreshTrayIcon();
    BOOL ShowBalloonTip(LPCTSTR pszText, LPCTSTR pszTitle, DWORD dwIcon, UINT uTimeout);
    void SetCommandTarget(CWnd* pTarget) { m_pCommandTarget = pTarget; }
    CWnd* GetCommandTarget() const;
    BOOL SetDefaultMenuItem(UINT uItem, BOOL bByPos);
    virtual LRESULT OnTrayMessage(WPARAM wParam, LPARAM lParam);

    BOOL IsIconHidden() const { return m_bIconHidden; }
    BOOL IsIconRemoved() const { return m_bIconRemoved; }
    BOOL IsAddPending() const { return m_bAddPending; }
    const NOTIFYICONDATAW& GetNotifyData() const { return m_nid; }

    // Seams: the shell call, and the menu tracking (the commands the menu offers are handed to
    // it; it returns nothing, the chosen command reaches the owner as WM_COMMAND).
    typedef BOOL (*PFN_NOTIFY)(DWORD dwMessage, NOTIFYICONDATAW* pData);
    static void SetNotifyFunctionForTest(PFN_NOTIFY pfn);
    typedef void (*PFN_TRACK)(HMENU hMenu, HWND hOwner);
    static void SetMenuTrackerForTest(PFN_TRACK pfn);

    BOOL m_bShellOk = FALSE;
    BOOL m_bNewShell = TRUE;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    BOOL Notify(DWORD dwMessage);
    void ReAddIfPending();

    NOTIFYICONDATAW m_nid;
    BOOL m_bIconHidden = TRUE;
    BOOL m_bIconRemoved = TRUE;
    BOOL m_bAddPending = FALSE;
    CWnd* m_pCommandTarget = nullptr;
    UINT m_nDefaultItem = 0;
    BOOL m_bDefaultItemByPos = TRUE;
    UINT m_nAddFlags = 0;
};
