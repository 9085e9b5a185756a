#pragma once
// What the application object (and the main dialog, after a log-out) needs of the login window:
// run it, and learn whether a log-in succeeded (the session values are then stored in
// CLoginManager), the user gave up, or the program has to end (connection failure, upgrade).
#include <windows.h>

#include <functional>

#include "platform/CString.h"

class CWnd;

enum class ELoginResult {
    Success,   // a log-in reply of status 0: session values stored
    Cancel,    // closed by the user, server settings refused, another signer's ID
    Exit,      // the connection failed or an upgrade was offered: the program ends
};

// The dialogs of the application shell that the login window opens. Each is optional: without
// one the login window behaves as if the dialog had been cancelled (and shows no announcement).
struct SLoginShellHooks {
    // The server address dialog, modal; its result (IDOK when settings were saved).
    std::function<INT_PTR(BOOL bDefaultsButtonEnabled)> runServerSettings;
    // The upgrade download of the address; the downloaded installer's path, empty when none.
    std::function<CString(const CString& strUrl)> runUpgrade;
    // The announcement dialog with its text; TRUE when it was closed with "do not show again".
    std::function<BOOL(const CString& strContent)> showAnnouncement;
};
void SetLoginShellHooks(const SLoginShellHooks& hooks);
const SLoginShellHooks& GetLoginShellHooks();

struct SLoginRunResult {
    ELoginResult result = ELoginResult::Cancel;
    int nThirdCheck = 0;   // state of the window's third check box at a successful log-in
};
// whileWaiting, when given, runs once on this thread after the window has been shown and painted,
// while it waits for the user's input.
SLoginRunResult RunLoginWindow(CWnd* pParent = nullptr, std::function<void()> whileWaiting = nullptr);

// Forgets the saved ID and password (the main dialog calls it before it shows the login window
// again after a log-out).
void ClearSavedLogin();

// Every message box of the login window goes through here.
int ShowLoginMessage(const CString& strText, UINT nType = MB_OK);
