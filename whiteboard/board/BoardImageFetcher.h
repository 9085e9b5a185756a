#pragma once
// Fetches one page image at a time over HTTP on a worker thread, with a connect and a read
// time-out, so that a slow or stalled web server never holds the user-interface thread. The bytes
// are posted as soon as they are in, as a heap record the window takes over: the pages load one
// after the other, so decoding here would hold the next download back (the board's decoder
// decodes the pages that are wanted, beside the next download).
#include <windows.h>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "platform/CString.h"

class CPagePicture;
class CWinThread;

struct S_BOARD_IMAGE {
    CString url;
    CString docId;
    int page = 0;
    BOOL ok = FALSE;
    std::string bytes;
    // Carried along for the reply handler: the page's stored drawing and whose it is.
    std::string meta;
    BOOL receiver = FALSE;
    // The image decoded by the board's decoder (null when it is not one), and which of the page's
    // images it was decoded from.
    std::shared_ptr<const CPagePicture> picture;
    unsigned serial = 0;
    // The size the canvas fits the page to (0 x 0: none), and the picture scaled to it.
    SIZE fit = {0, 0};
    std::shared_ptr<const CPagePicture> fitted;
};

class CBoardImageFetcher {
public:
    CBoardImageFetcher() = default;
    ~CBoardImageFetcher();
    CBoardImageFetcher(const CBoardImageFetcher&) = delete;
    CBoardImageFetcher& operator=(const CBoardImageFetcher&) = delete;

    void SetTimeouts(DWORD connectMs, DWORD readMs);
    // Starts fetching the record's URL; the filled record is posted to the window with the message
    // (lParam: S_BOARD_IMAGE*, deleted by the receiver). One at a time: a fetch still under way is
    // waited for first (one whose result is posted is not: its thread is freed once it has ended).
    // FALSE when no thread could be started.
    BOOL Fetch(HWND target, UINT message, S_BOARD_IMAGE* record);
    // Waits for a fetch under way to end (at most the time-outs).
    void Stop();
    // Downloads that did not end within their time-outs, still running.
    size_t GetAbandonedCount() const { return m_abandoned.size(); }
    // Frees the records of results posted to the window that it will not handle any more (it is
    // being destroyed); call after Stop.
    static void DropPosted(HWND target, UINT message);

    // A GET of the whole body of a 200 answer; FALSE for any other status, a failed or cut-short
    // read or a time-out.
    static BOOL HttpGet(const CString& url, DWORD connectMs, DWORD readMs, std::string& out);

private:
    static UINT __cdecl ThreadProc(LPVOID pParam);
    void ReapAbandoned(DWORD waitMs);

    struct Job {
        HWND target;
        UINT message;
        S_BOARD_IMAGE* record;
        DWORD connectMs, readMs;
        // Set by the thread once its result is posted (or dropped).
        std::shared_ptr<std::atomic<bool>> posted;
    };
    std::shared_ptr<std::atomic<bool>> m_spPosted;
    CWinThread* m_pThread = nullptr;
    // Threads given up on by Stop: freed once they have ended, never under a running thread.
    std::vector<CWinThread*> m_abandoned;
    DWORD m_dwConnectMs = 2000;
    DWORD m_dwReadMs = 10000;
};
