#include "platform/WinThread.h"

#include "platform/UiState.h"
#include "platform/WinApp.h"
#include "platform/Wnd.h"

#include <process.h>

#include <exception>

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

namespace zel {

MessageLoopScope::MessageLoopScope() : m_depth(++ThreadState().loopDepth) {}

MessageLoopScope::~MessageLoopScope()
{
    --ThreadState().loopDepth;
}

void MessageLoopScope::OnIdle()
{
    // Only the outermost loop: a nested loop runs inside some handler that may still hold a
    // temporary object.
    if (m_depth == 1) ThreadState().DeleteTempObjects();
}

} // namespace zel

CWinThread::CWinThread() = default;

CWinThread::CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam)
    : m_pfnThreadProc(pfnThreadProc), m_pThreadParams(pParam)
{
}

CWinThread::~CWinThread()
{
    if (m_hThread) ::CloseHandle(m_hThread);
    zel::UiThreadState& state = zel::ThreadState();
    if (state.pThread == this) state.pThread = nullptr;
}

unsigned __stdcall ZelThreadEntry(void* param)
{
    CWinThread* thread = static_cast<CWinThread*>(param);
    zel::ThreadState().pThread = thread;
    UINT code = (UINT)-1;
    try {
        if (thread->m_pfnThreadProc) {
            code = thread->m_pfnThreadProc(thread->m_pThreadParams);
        } else if (thread->InitInstance()) {
            code = (UINT)thread->Run();
        } else {
            code = (UINT)thread->ExitInstance();
        }
    } catch (const std::exception& e) {
        zel::TraceError(L"thread", zel::ToWideString(e.what(), -1, CP_UTF8).c_str());
    } catch (...) {
        zel::TraceError(L"thread", L"unknown exception");
    }
    zel::ThreadState().pThread = nullptr;
    zel::ThreadState().DeleteTempObjects();
    thread->Delete();
    return code;
}

BOOL CWinThread::CreateThread(DWORD dwCreateFlags, UINT nStackSize, LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    unsigned id = 0;
    // Always suspended first, so that the handle and id are stored before the thread runs.
    m_hThread = (HANDLE)_beginthreadex(lpSecurityAttrs, nStackSize, ZelThreadEntry, this,
                                       dwCreateFlags | CREATE_SUSPENDED, &id);
    if (!m_hThread) return FALSE;
    m_nThreadID = id;
    if (!(dwCreateFlags & CREATE_SUSPENDED)) ::ResumeThread(m_hThread);
    return TRUE;
}

BOOL CWinThread::InitInstance()
{
    return FALSE;
}

int CWinThread::ExitInstance()
{
    return (int)m_msgCur.wParam;
}

CWnd* CWinThread::GetMainWnd()
{
    return m_pMainWnd;
}

void CWinThread::Delete()
{
    if (m_bAutoDelete) delete this;
}

BOOL CWinThread::OnIdle(LONG)
{
    return FALSE;
}

BOOL CWinThread::PumpMessage()
{
    if (!::GetMessageW(&m_msgCur, nullptr, 0, 0)) return FALSE;
    if (!AfxPreTranslateMessage(&m_msgCur)) {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessageW(&m_msgCur);
    }
    return TRUE;
}

int CWinThread::Run()
{
    zel::MessageLoopScope loop;
    MSG peek;
    for (;;) {
        LONG idleCount = 0;
        while (!::PeekMessageW(&peek, nullptr, 0, 0, PM_NOREMOVE)) {
            loop.OnIdle();
            if (!OnIdle(idleCount++)) break;
        }
        do {
            if (!PumpMessage()) return ExitInstance();
        } while (::PeekMessageW(&peek, nullptr, 0, 0, PM_NOREMOVE));
    }
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    CWnd* mainWnd = GetMainWnd();
    HWND hMain = mainWnd->GetSafeHwnd();
    if (CWnd::WalkPreTranslateTree(hMain, pMsg)) return TRUE;
    // A message for another top-level window still passes the main window (its accelerators),
    // when the main window is this thread's.
    if (hMain && pMsg->hwnd && ::GetAncestor(pMsg->hwnd, GA_ROOT) != hMain &&
        ::GetWindowThreadProcessId(hMain, nullptr) == ::GetCurrentThreadId())
        return mainWnd->PreTranslateMessage(pMsg);
    return FALSE;
}

CWinThread* AfxGetThread()
{
    if (CWinThread* thread = zel::ThreadState().pThread) return thread;
    CWinApp* app = AfxGetApp();
    if (app && app->m_nThreadID == ::GetCurrentThreadId()) return app;
    return nullptr;
}

BOOL AfxPreTranslateMessage(MSG* pMsg)
{
    if (CWinThread* thread = AfxGetThread()) return thread->PreTranslateMessage(pMsg);
    return CWnd::WalkPreTranslateTree(nullptr, pMsg);
}

BOOL AfxPumpMessage()
{
    MSG msg;
    if (!::GetMessageW(&msg, nullptr, 0, 0)) return FALSE;
    if (!AfxPreTranslateMessage(&msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return TRUE;
}

CWinThread* AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam, int nPriority,
                           UINT nStackSize, DWORD dwCreateFlags, LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    CWinThread* thread = new CWinThread(pfnThreadProc, pParam);
    if (!thread->CreateThread(dwCreateFlags | CREATE_SUSPENDED, nStackSize, lpSecurityAttrs)) {
        delete thread;
        return nullptr;
    }
    thread->SetThreadPriority(nPriority);
    if (!(dwCreateFlags & CREATE_SUSPENDED)) thread->ResumeThread();
    return thread;
}
