#pragma once
// Runs calls, at once or after a delay, on the thread that created the queue (the user-interface
// thread), through a message-only window of that thread. The server clients use it for what must
// not run on a socket worker: pauses before a re-login or a reconnect, and handing received
// synchronisation data to the user interface.
#include <winsock2.h>
#include <windows.h>

#include <deque>
#include <functional>
#include <map>
#include <mutex>

class CUiThreadQueue {
public:
    CUiThreadQueue();
    // On the creating thread; calls still waiting are dropped.
    ~CUiThreadQueue();
    CUiThreadQueue(const CUiThreadQueue&) = delete;
    CUiThreadQueue& operator=(const CUiThreadQueue&) = delete;

    // From any thread: fn runs on the queue's thread, in the order posted.
    void Post(std::function<void()> fn);
    // From any thread: fn runs once on the queue's thread after ms; a call still waiting under
    // the same id is replaced.
    void PostDelayed(UINT_PTR uId, DWORD ms, std::function<void()> fn);
    void Cancel(UINT_PTR uId);
    bool IsPending(UINT_PTR uId);
    HWND GetWindow() const { return m_hWnd; }

private:
    struct Delayed {
        DWORD ms;
        std::function<void()> fn;
        bool armed;
    };
    static LRESULT CALLBACK WindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    void RunPosted();
    void ArmTimers();
    void RunTimer(UINT_PTR uId);

    HWND m_hWnd;
    std::mutex m_mutex;
    std::deque<std::function<void()>> m_posted;
    std::map<UINT_PTR, Delayed> m_delayed;
};
