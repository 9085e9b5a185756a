#pragma once
// The log service's application object: one instance per session (mutex "TALVORA_LOG_APP"), the
// command words "show" and "close", and the main dialog that runs until the service ends.
#include "platform/UI.h"

class CTessivarApp : public CWinApp {
public:
    CTessivarApp();
    ~CTessivarApp() override;

    BOOL InitInstance() override;

    // False when another instance held the mutex first (or it could not be made).
    bool IsFirstInstance() const { return m_hMutex != nullptr; }

    CString m_strTitle;

private:
    HANDLE m_hMutex = nullptr;
    DWORD m_dwMutexError = 0;   // why the mutex could not be made, 0 when it could
};
