#pragma once
// CWinThread: a thread with an optional message loop, and AfxBeginThread for worker threads.
// Every message loop of the library (the application's, modal dialogs') offers each message to
// PreTranslateMessage before it is translated and dispatched; AfxPumpMessage does the same for
// code that pumps by hand.
#include "platform/CmdTarget.h"

class CWnd;

typedef UINT(__cdecl* AFX_THREADPROC)(LPVOID);

class CWinThread : public CCmdTarget {
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread();
    CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam);
    ~CWinThread() override;
    CWinThread(const CWinThread&) = delete;
    CWinThread& operator=(const CWinThread&) = delete;

    CWnd* m_pMainWnd = nullptr;
    CWnd* m_pActiveWnd = nullptr;
    // The object deletes itself (closing m_hThread) when the thread ends. Set it to FALSE,
    // before the thread runs (CREATE_SUSPENDED), to wait on m_hThread afterwards.
    BOOL m_bAutoDelete = TRUE;
    HANDLE m_hThread = nullptr;
    DWORD m_nThreadID = 0;

    operator HANDLE() const { return m_hThread; }
    BOOL CreateThread(DWORD dwCreateFlags = 0, UINT nStackSize = 0,
                      LPSECURITY_ATTRIBUTES lpSecurityAttrs = nullptr);
    DWORD ResumeThread() { return ::ResumeThread(m_hThread); }
    DWORD SuspendThread() { return ::SuspendThread(m_hThread); }
    int GetThreadPriority() const { return ::GetThreadPriority(m_hThread); }
    BOOL SetThreadPriority(int nPriority) { return ::SetThreadPriority(m_hThread, nPriority); }

    virtual BOOL InitInstance();
    virtual int Run();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL PumpMessage();
    virtual BOOL OnIdle(LONG lCount);
    virtual int ExitInstance();
    virtual CWnd* GetMainWnd();
    virtual void Delete();

protected:
    AFX_THREADPROC m_pfnThreadProc = nullptr;
    LPVOID m_pThreadParams = nullptr;
    MSG m_msgCur = {};
    friend unsigned __stdcall ZelThreadEntry(void*);
};

// Starts a worker thread running pfnThreadProc(pParam); the thread procedure has an exception
// barrier. Null when the thread could not be created.
CWinThread* AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam,
                           int nPriority = THREAD_PRIORITY_NORMAL, UINT nStackSize = 0,
                           DWORD dwCreateFlags = 0, LPSECURITY_ATTRIBUTES lpSecurityAttrs = nullptr);
// The thread object of the calling thread (the application object on its own thread), or null.
CWinThread* AfxGetThread();
// Retrieves and handles one message as the library's loops do; FALSE on WM_QUIT (which it
// leaves consumed, as GetMessage does).
BOOL AfxPumpMessage();
// Offers a message to the PreTranslateMessage chain of the calling thread.
BOOL AfxPreTranslateMessage(MSG* pMsg);

namespace zel {
// Counts the library's message loops on this thread; the outermost one frees the temporary
// objects (FromHandle wrappers) when it goes idle.
class MessageLoopScope {
public:
    MessageLoopScope();
    ~MessageLoopScope();
    MessageLoopScope(const MessageLoopScope&) = delete;
    MessageLoopScope& operator=(const MessageLoopScope&) = delete;
    // Call when the queue is empty.
    void OnIdle();
private:
    int m_depth;
};
} // namespace zel
