// The worker-thread pool on its own: sizes, the choice of a worker, one-shot timeouts, workers
// without a window, and shutdown while a worker is busy.
#include "net/socket/GenericThread.h"
#include "net/socket/SocketThreadManagerImp.h"
#include "tests/net/socket/SocketTestSupport.h"

#include <atomic>

using namespace sockettest;

namespace {

typedef CSocketThreadManager::WorkerRecord Worker;
typedef CSocketThreadManager::TimerID TimerID;

TEST(SocketThreadManager, InitializeChecksThreadCount)
{
    struct Case {
        unsigned long threads;
        BOOL result;
    } cases[] = {{0, FALSE}, {201, FALSE}, {1, TRUE}, {200, TRUE}};
    for (const Case& c : cases) {
        CSocketThreadManagerImp manager;
        EXPECT_EQ(manager.Initialize(c.threads), c.result) << c.threads;
        EXPECT_EQ(manager.GetThreadCount(), c.result ? c.threads : (c.threads > 200 || !c.threads ? 0 : c.threads));
        if (c.result) {
            EXPECT_FALSE(manager.Initialize(1)) << "a second Initialize";
            for (unsigned long i = 1; i <= c.threads; ++i) EXPECT_TRUE(manager.GetWorker((int)i)->hWindow);
        }
    }
}

class WorkerChoice : public ::testing::Test {
protected:
    CSocketThreadManagerImp m_manager;
    void SetUp() override { ASSERT_TRUE(m_manager.Initialize(3)); }
    void Set(int index, int sockets, int timeouts, BOOL passOver)
    {
        Worker* worker = m_manager.GetWorker(index);
        worker->nSockets = sockets;
        worker->nTimeouts = timeouts;
        worker->bPassOver = passOver;
    }
};

// The least-loaded worker wins, a tie goes to the lowest index, and a worker that just lost a
// socket is passed over once.
TEST_F(WorkerChoice, LeastLoadedWithPassOver)
{
    struct Case {
        int load[3][3];  // sockets, timeouts, pass-over flag per worker
        int first;
        int second;
    } cases[] = {
        {{{2, 0, 0}, {1, 0, 0}, {0, 1, 0}}, 2, 2},
        {{{1, 0, 0}, {1, 0, 0}, {1, 0, 0}}, 1, 1},
        {{{2, 0, 0}, {1, 0, 1}, {2, 0, 0}}, 1, 2},
        {{{1, 0, 1}, {1, 0, 1}, {1, 0, 1}}, 1, 1},
        {{{0, 0, 1}, {3, 0, 0}, {3, 0, 0}}, 2, 1},
    };
    for (const Case& c : cases) {
        for (int i = 0; i < 3; ++i) Set(i + 1, c.load[i][0], c.load[i][1], c.load[i][2]);
        EXPECT_EQ(m_manager.GetMostAvailableThread(), c.first);
        EXPECT_EQ(m_manager.GetMostAvailableThread(), c.second);
    }
    for (int i = 1; i <= 3; ++i) Set(i, 0, 0, FALSE);
}

TEST_F(WorkerChoice, DecreaseSocketCountStopsAtZero)
{
    Worker* worker = m_manager.GetWorker(2);
    m_manager.DecreaseSocketCount(worker->hWindow, TRUE);
    EXPECT_EQ(worker->nSockets, 0);
    EXPECT_FALSE(worker->bPassOver);
    worker->nSockets = 1;
    m_manager.DecreaseSocketCount(worker->hWindow, TRUE);
    EXPECT_EQ(worker->nSockets, 0);
    EXPECT_TRUE(worker->bPassOver);
    worker->bPassOver = FALSE;
}

struct TimeoutProbe {
    std::atomic<int> calls{0};
    std::atomic<DWORD> thread{0};
    std::atomic<unsigned int> idSeenInCallback{1};
    TimerID timer = {0, 0, 0};
    HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    ~TimeoutProbe() { CloseHandle(done); }
    static void Fire(LPVOID data)
    {
        TimeoutProbe* probe = static_cast<TimeoutProbe*>(data);
        probe->idSeenInCallback = probe->timer.uTimerID;
        probe->thread = GetCurrentThreadId();
        ++probe->calls;
        SetEvent(probe->done);
    }
};

// A timeout fires once on the worker that owns the window; the caller's identification is zero
// by then, so removing it afterwards is refused.
TEST_F(WorkerChoice, OneShotTimeoutOnItsWorker)
{
    TimeoutProbe probe;
    Worker* worker = m_manager.GetWorker(3);
    TimerID id = m_manager.RegisterTimeout(50, TimeoutProbe::Fire, &probe, worker->hWindow, &probe.timer);
    EXPECT_GE(id.uTimerID, 1000000u);
    EXPECT_EQ(id.iWorkerIndex, 3);
    EXPECT_EQ(id.dwTimeout, 50u);
    ASSERT_EQ(WaitForSingleObject(probe.done, 5000), WAIT_OBJECT_0);
    Sleep(200);
    EXPECT_EQ(probe.calls, 1);
    EXPECT_EQ(probe.idSeenInCallback, 0u);
    EXPECT_EQ(probe.thread, worker->pThread->GetThreadID());
    EXPECT_FALSE(m_manager.RemoveTimeout(probe.timer));
    EXPECT_EQ(worker->nTimeouts, 0);

    TimeoutProbe second;
    TimerID next = m_manager.RegisterTimeout(100, TimeoutProbe::Fire, &second, nullptr, &second.timer);
    EXPECT_EQ(next.uTimerID, id.uTimerID + 1);
    EXPECT_TRUE(m_manager.RemoveTimeout(second.timer));
    EXPECT_EQ(second.timer.uTimerID, 0u);
    Sleep(300);
    EXPECT_EQ(second.calls, 0) << "a removed timeout fired";

    TimerID none = m_manager.RegisterTimeout(10, TimeoutProbe::Fire, &second, (HWND)0x1234, nullptr);
    EXPECT_EQ(none.uTimerID, 0u);
}

// A worker whose window could not be made is never chosen; with no window at all there is no pool.
class FailingWindows : public CSocketThreadManagerImp {
public:
    explicit FailingWindows(int failIndex) : m_iFailIndex(failIndex) {}
    ~FailingWindows() override { Uninitialize(); }

protected:
    HWND CreateWorkerWindow(Worker* worker) override
    {
        if (m_iFailIndex == 0 || worker->iIndex == m_iFailIndex) return nullptr;
        return CSocketThreadManagerImp::CreateWorkerWindow(worker);
    }

private:
    int m_iFailIndex;
};

TEST(SocketThreadManager, WorkerWithoutWindowIsNeverChosen)
{
    FailingWindows manager(1);
    ASSERT_TRUE(manager.Initialize(3));
    EXPECT_EQ(manager.GetWorker(1)->hWindow, nullptr);
    for (int i = 0; i < 12; ++i) {
        HWND window = manager.GetWindowHandle();
        ASSERT_NE(window, nullptr);
        EXPECT_NE(manager.GetIndexByHWND(window), 1);
    }
    EXPECT_EQ(manager.GetWorker(1)->nSockets, 0);

    FailingWindows none(0);
    EXPECT_FALSE(none.Initialize(2));
}

// Shutdown does not terminate a worker that is still inside a callback (it may hold a lock); the
// callback runs to its end and gives the lock back.
struct BusyCallback {
    CRITICAL_SECTION lock;
    HANDLE entered = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::atomic<bool> finished{false};
    BusyCallback() { InitializeCriticalSection(&lock); }
    ~BusyCallback()
    {
        DeleteCriticalSection(&lock);
        CloseHandle(entered);
    }
    static void Run(LPVOID data)
    {
        BusyCallback* busy = static_cast<BusyCallback*>(data);
        EnterCriticalSection(&busy->lock);
        SetEvent(busy->entered);
        Sleep(1500);
        busy->finished = true;
        LeaveCriticalSection(&busy->lock);
    }
};

TEST(SocketThreadManager, ShutdownLeavesBusyWorkerRunning)
{
    static BusyCallback busy;  // the abandoned worker may still use it after the test
    CSocketThreadManagerImp* manager = new CSocketThreadManagerImp();
    ASSERT_TRUE(manager->Initialize(2));
    manager->SetThreadExitTimeout(200);
    manager->RegisterTimeout(10, BusyCallback::Run, &busy, manager->GetWorker(1)->hWindow);
    ASSERT_EQ(WaitForSingleObject(busy.entered, 5000), WAIT_OBJECT_0);
    DWORD start = GetTickCount();
    delete manager;
    EXPECT_LT(GetTickCount() - start, 1400u) << "shutdown waited for the busy worker";
    EXPECT_FALSE(busy.finished);
    EnterCriticalSection(&busy.lock);  // would hang for ever had the worker been terminated
    EXPECT_TRUE(busy.finished);
    LeaveCriticalSection(&busy.lock);
}

// A worker that sends a message to the thread shutting the pool down still gets its answer: the
// shutdown keeps handling sent messages while it waits.
LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_USER + 100) return 42;
    return DefWindowProcA(window, message, wParam, lParam);
}

struct SendingCallback {
    HWND target;
    HANDLE started = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::atomic<LRESULT> answer{0};
    ~SendingCallback() { CloseHandle(started); }
    static void Run(LPVOID data)
    {
        SendingCallback* callback = static_cast<SendingCallback*>(data);
        SetEvent(callback->started);
        Sleep(300);
        callback->answer = SendMessageA(callback->target, WM_USER + 100, 0, 0);
    }
};

TEST(SocketThreadManager, ShutdownAnswersMessagesSentByWorkers)
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = CountingProc;
    windowClass.lpszClassName = "SocketShutdownProbe";
    RegisterClassA(&windowClass);
    HWND target = CreateWindowExA(0, "SocketShutdownProbe", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_TRUE(target);
    SendingCallback callback;
    callback.target = target;
    CSocketThreadManagerImp* manager = new CSocketThreadManagerImp();
    ASSERT_TRUE(manager->Initialize(1));
    manager->SetThreadExitTimeout(5000);
    manager->RegisterTimeout(10, SendingCallback::Run, &callback, nullptr);
    ASSERT_EQ(WaitForSingleObject(callback.started, 5000), WAIT_OBJECT_0);
    DWORD start = GetTickCount();
    delete manager;
    EXPECT_LT(GetTickCount() - start, 3000u);
    EXPECT_EQ(callback.answer, 42);
    DestroyWindow(target);
}

}  // namespace
