#pragma once
// The viewer's page-download threads. Each thread serves one opening of one document: it carries
// that opening's generation in everything it hands to the viewer window and has its own stop
// request, so a thread that is still finishing a page for a document the user left can neither
// stop the next document's thread nor put its page into the next document.
//
// The thread talks to the window only by SendMessage(WM_DOCVIEWER_DOWNLOADED), wParam:
//   -1   which page next?       lParam the thread's S_DOCVIEWER_RESULT; returns the page's index
//                               plus 1, or 0 when none is left (or the window is gone)
//    0   this page is loading   lParam the record with nPageIndex set
//  100   this page is done      lParam the record: bSuccess, the bytes (valid during the call) and
//                               the picture read from them, which the window takes (it clears
//                               pImage); the thread deletes a picture left in the record
// The first page, the one on screen, is chosen and marked loading by the window when it starts
// the thread, so that its download starts at once. Pictures are read on the thread, off the
// window's.
#include <windows.h>

#include <memory>
#include <vector>

#include "features/DocViewerDownload.h"
#include "platform/CString.h"

class CWinThread;

namespace Gdiplus {
class Image;
}

// A download result with the opening it belongs to and the picture read from it.
struct S_DOCVIEWER_RESULT : S_DOCVIEWER_DOWNLOAD {
    UINT nGeneration;
    Gdiplus::Image* pImage;
};

struct S_DOCVIEWER_THREAD_PARAM {
    HWND hViewer = nullptr;
    CWnd* pViewer = nullptr;
    CString strAttcFileId;
    int nTotalPage = 0;
    CString strPrefixUrl;
    UINT nGeneration = 0;
    int nFirstIndex = -1;   // already marked loading by the window; -1 to ask
    BOOL bIgnoreCertificateErrors = TRUE;
    volatile LONG bStop = 0;
};

UINT __cdecl gDocViewerDownloadThreadProc(LPVOID pParam);

// The threads of one viewer. Everything here runs on the viewer's thread.
class CDocDownloadThreads {
public:
    CDocDownloadThreads() = default;
    ~CDocDownloadThreads();
    CDocDownloadThreads(const CDocDownloadThreads&) = delete;
    CDocDownloadThreads& operator=(const CDocDownloadThreads&) = delete;

    // Starts a thread for the parameters (taken over); FALSE when it could not start.
    BOOL Start(std::unique_ptr<S_DOCVIEWER_THREAD_PARAM> param);
    // Asks every thread to end after the page it is fetching.
    void RequestStopAll();
    // A thread of that generation is still running.
    BOOL IsRunning(UINT nGeneration);
    int CountRunning();
    // Asks every thread to end and waits for them, handling the messages they send meanwhile
    // (they SendMessage to this thread). A thread still running after nTimeoutMs is let go: it
    // owns what it uses and ends on its own.
    BOOL StopAndJoin(DWORD nTimeoutMs);

private:
    struct Job;
    void Reap();
    std::vector<std::shared_ptr<Job>> m_jobs;
};
