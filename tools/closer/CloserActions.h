#pragma once
// The outside effects of ZELClose's run, one call each, so that the order of a run can be checked
// without closing or starting real programs.
#include "platform/Base.h"

class ICloserActions {
public:
    virtual ~ICloserActions() = default;
    // Posts the registered broadcast message to every top-level window.
    virtual void Broadcast() = 0;
    // Asks the program to quit through its window, ending it by name when it does not (1: it quit).
    virtual int CloseRunningProgram(LPCTSTR lpszExeName, LPCTSTR lpszWindowClass) = 0;
    virtual void Sleep(DWORD dwMs) = 0;
    // Starts the program through the shell with these parameters; does not wait.
    virtual BOOL ShellStart(const CString& strExePath, const CString& strParameters) = 0;
    // Starts the program without a command line and waits up to dwWaitMs for it to end.
    virtual BOOL StartAndWait(const CString& strExePath, DWORD dwWaitMs) = 0;
    // Runs the uninstall dialog modally.
    virtual void RunUninstall() = 0;
};

// The real effects, except the uninstall dialog, which the application object supplies.
class CCloserActions : public ICloserActions {
public:
    CCloserActions();

    void Broadcast() override;
    int CloseRunningProgram(LPCTSTR lpszExeName, LPCTSTR lpszWindowClass) override;
    void Sleep(DWORD dwMs) override { ::Sleep(dwMs); }
    BOOL ShellStart(const CString& strExePath, const CString& strParameters) override;
    BOOL StartAndWait(const CString& strExePath, DWORD dwWaitMs) override;
    void RunUninstall() override {}

    // The id registered for "KOV_BROADCAST_MESSAGE".
    UINT GetBroadcastMessage() const { return m_nBroadcastMessage; }

private:
    UINT m_nBroadcastMessage;
};
