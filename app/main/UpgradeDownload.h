#pragma once
// Downloads the client's installer with URL Moniker on a worker thread of its own. The worker
// never touches a window: it keeps the latest byte counts here and posts WM_UPGRADE_PROGRESS and,
// last, WM_UPGRADE_DONE to the window that started it, which reads what it needs on its own
// thread. A cancel makes the next progress call abort the transfer.
#include <winsock2.h>
#include <windows.h>

#include <memory>

#include "platform/CString.h"

class CUpgradeDownload {
public:
    // The installer's place: the user's temporary folder + "zel_upgrade.exe"; empty when the
    // temporary folder cannot be read.
    static CString TargetPath();
    // "done / total" in the system's byte-size form with the format (two %s), or the text for
    // a server that sends no length.
    static CString StatusText(ULONGLONG nDone, ULONGLONG nTotal, const CString& strFormat,
                              const CString& strNoLength);
    // The whole percent done; -1 without a total.
    static int Percent(ULONGLONG nDone, ULONGLONG nTotal);

    CUpgradeDownload();
    ~CUpgradeDownload();
    CUpgradeDownload(const CUpgradeDownload&) = delete;
    CUpgradeDownload& operator=(const CUpgradeDownload&) = delete;

    // Forgets any cached copy of the URL and starts the worker. FALSE when it could not start
    // (then nothing will be posted).
    BOOL Start(const CString& strUrl, const CString& strPath, HWND hNotify);
    // From the user-interface thread; the worker stops at its next progress call.
    void Cancel();
    BOOL IsCancelled() const;
    // Waits for the worker to finish (it only posts, so the caller need not pump).
    BOOL Wait(DWORD dwMs);
    BOOL IsFinished() const;

    void GetProgress(ULONGLONG& nDone, ULONGLONG& nTotal);
    // Whether the file arrived whole and the download was not cancelled.
    BOOL Succeeded() const;
    HRESULT GetResult() const;

private:
    class CCallback;
    struct Shared;
    static UINT __cdecl ThreadProc(LPVOID pParam);

    // Everything the worker uses; it outlives this object while a worker that was given up on
    // still runs.
    std::shared_ptr<Shared> m_pShared;
};
