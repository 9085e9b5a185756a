// How worker windows route messages to sockets, and how sockets are deleted, timed and blocked.
#include "net/socket/GenericThread.h"
#include "net/socket/SocketThreadManagerImp.h"
#include "tests/net/socket/SocketTestSupport.h"

#include <atomic>
#include <thread>

using namespace sockettest;

namespace {

// Records the event slots themselves (not the user callbacks behind them); each returns 7.
class SlotRecorder : public RecordingTcpSocket {
public:
    using RecordingTcpSocket::RecordingTcpSocket;
    BOOL SocketConnected(int error, BOOL) override { return Slot("slot-connected", error); }
    BOOL SocketClosed(int error, BOOL) override { return Slot("slot-closed", error); }
    BOOL SocketWrite(int error) override { return Slot("slot-write", error); }
    BOOL SocketReceive(int error, BOOL) override { return Slot("slot-receive", error); }
    BOOL SocketAccept(int error, BOOL) override { return Slot("slot-accept", error); }
    BOOL OnSocketOOB(int error) override { return Slot("oob", error); }
    BOOL OnSocketTimeout() override { return Slot("timeout", 0); }
    void SystemTimeout() override { Slot("system-timeout", 0); }
    BOOL OnSocketReceive(int error) override
    {
        Slot("receive", error);
        if (m_iReceiveSleep) {
            Sleep(m_iReceiveSleep);
            Slot("receive-end", 0);
        }
        if (m_bDeleteInReceive) {
            Close();
            OnSocketDelete();
            ++m_iTouched;  // the object is still in use here
            Slot("after-delete", m_iTouched);
        }
        return 7;
    }

    bool CreateHandleOnly() { return CTCPSocket::Create(); }
    bool Attach() { return AttachToWorker(); }
    void Closing() { SocketClosing(); }

    DWORD m_iReceiveSleep = 0;
    bool m_bDeleteInReceive = false;
    int m_iTouched = 0;

private:
    BOOL Slot(const char* name, int code)
    {
        Record(name, code);
        return 7;
    }
};

class CapturingLog : public CErrorHandler::CErrorLog {
public:
    void WriteError(const std::string& line) override { lines.push_back(line); }
    std::vector<std::string> lines;
};

class AsyncSocketTest : public SocketLibraryTest {
protected:
    unsigned long WorkerCount() const override { return 1; }
    std::shared_ptr<CallbackLog> m_log = std::make_shared<CallbackLog>();

    SlotRecorder* NewSocket()
    {
        SlotRecorder* socket = new SlotRecorder(m_log);
        EXPECT_TRUE(socket->Create());
        // The socket's activation travels through the worker's queue first.
        Sleep(50);
        return socket;
    }
    DWORD WorkerThreadId()
    {
        return CVantrelAsyncSocket::GetGlobalThreadManager()->GetWorker(1)->pThread->GetThreadID();
    }
};

// Each socket message reaches the slot its event names, with the error of the notification; a
// message whose event does not belong to it reaches nothing.
TEST_F(AsyncSocketTest, RoutingTable)
{
    struct Case {
        UINT message;
        int event;
        int error;
        const char* expected;
        LRESULT result;
    } cases[] = {
        {WM_SOCKET_NOTIFY, FD_READ, 0, "slot-receive(0) ", 7},
        {WM_SOCKET_NOTIFY, FD_WRITE, 0, "slot-write(0) ", 7},
        {WM_SOCKET_NOTIFY, FD_OOB, 0, "oob(0) ", 7},
        {WM_SOCKET_NOTIFY, FD_CLOSE, 10053, "slot-closed(10053) ", 7},
        {WM_SOCKET_NOTIFY, FD_ACCEPT, 0, "", 1},
        {WM_SOCKET_ACCEPT, FD_ACCEPT, 0, "slot-accept(0) ", 7},
        {WM_SOCKET_ACCEPT, FD_READ, 0, "", 1},
        {WM_SOCKET_CONNECT, FD_CONNECT, 10061, "slot-connected(10061) ", 7},
        {WM_SOCKET_CONNECT, FD_WRITE, 0, "", 1},
        {WM_SOCKET_FORCE_RECEIVE, 0, 0, "receive(0) ", 7},
        {WM_TIMER, 0, 0, "", 0},  // the socket's timer is not armed
    };
    for (const Case& c : cases) {
        auto log = std::make_shared<CallbackLog>();
        SlotRecorder* socket = new SlotRecorder(log);
        ASSERT_TRUE(socket->Create());
        LRESULT result = CSocketThreadManagerImp::SocketMessageHandler(
            socket->GetWindowHandle(), c.message, (WPARAM)static_cast<CVantrelAsyncSocket*>(socket), WSAMAKESELECTREPLY(c.event, c.error));
        EXPECT_EQ(result, c.result) << c.message << "/" << c.event;
        EXPECT_EQ(log->Names(), c.expected) << c.message << "/" << c.event;
        delete socket;
    }
}

TEST_F(AsyncSocketTest, ArmedTimerReachesTimeoutCallback)
{
    SlotRecorder* socket = NewSocket();
    ASSERT_NE(socket->SetTimeout(100000), 0u);
    EXPECT_EQ(CSocketThreadManagerImp::SocketMessageHandler(socket->GetWindowHandle(), WM_TIMER, (WPARAM)static_cast<CVantrelAsyncSocket*>(socket), 0), 7);
    EXPECT_EQ(m_log->Names(), "timeout(0) ");
    socket->KillTimer();
    delete socket;
}

// A closing socket gets nothing but its deletion; a socket whose window is another worker's is
// not served ("Received loose message!").
TEST_F(AsyncSocketTest, ClosingAndLooseMessagesAreAbsorbed)
{
    CapturingLog errors;
    CErrorHandler::SetGlobalLog(&errors);
    SlotRecorder* socket = NewSocket();
    HWND other = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    CSocketThreadManagerImp::SocketMessageHandler(other, WM_SOCKET_NOTIFY, (WPARAM)static_cast<CVantrelAsyncSocket*>(socket), WSAMAKESELECTREPLY(FD_READ, 0));
    EXPECT_EQ(m_log->Names(), "");
    ASSERT_FALSE(errors.lines.empty());
    EXPECT_EQ(errors.lines.back(), "*** Error *** in CAsyncSocketClass::SocketMessageHandler - Received loose message!");
    socket->Closing();
    CSocketThreadManagerImp::SocketMessageHandler(socket->GetWindowHandle(), WM_SOCKET_NOTIFY, (WPARAM)static_cast<CVantrelAsyncSocket*>(socket),
                                                  WSAMAKESELECTREPLY(FD_READ, 0));
    EXPECT_EQ(m_log->Names(), "");
    CErrorHandler::SetGlobalLog(nullptr);
    DestroyWindow(other);
    delete socket;
}

// OnSocketDelete returns at once; the socket dies on its worker after the messages queued before,
// which it no longer receives.
TEST_F(AsyncSocketTest, DeletionRunsOnWorkerAfterQueuedMessages)
{
    SlotRecorder* socket = NewSocket();
    {
        WorkerBlocker blocker(socket->GetWindowHandle());
        socket->ForceReceiveEvent();
        socket->SetTimeout(1);
        socket->OnSocketDelete();
        EXPECT_EQ(m_log->Count("deleted"), 0);
    }
    ASSERT_TRUE(m_log->WaitForEvent("deleted", 5000));
    EXPECT_EQ(m_log->Names(), "deleted(0) ");
    EXPECT_EQ(m_log->Events()[0].thread, WorkerThreadId());
}

// A message queued for a handle before a new socket took the handle over is not the new
// socket's: it never reaches it, while the socket's own messages do.
TEST_F(AsyncSocketTest, MessageQueuedForPreviousOwnerOfHandleIsDropped)
{
    SlotRecorder* first = NewSocket();
    HWND window = first->GetWindowHandle();
    SlotRecorder* socket = new SlotRecorder(m_log);
    {
        WorkerBlocker blocker(window);
        ASSERT_TRUE(socket->CreateHandleOnly());
        PostMessageA(window, WM_SOCKET_NOTIFY, (WPARAM)socket->GetHandle(), WSAMAKESELECTREPLY(FD_CLOSE, 0));
        ASSERT_TRUE(socket->Attach());
        ASSERT_EQ(socket->GetWindowHandle(), window);
        socket->ForceReceiveEvent();
    }
    ASSERT_TRUE(m_log->WaitForEvent("receive", 5000));
    // The worker takes its messages in order: the stale close, posted first, is behind it.
    EXPECT_EQ(m_log->Names(), "receive(0) ");
    socket->OnSocketDelete();
    first->OnSocketDelete();
    EXPECT_TRUE(m_log->WaitForCount("deleted", 2, 5000));
    EXPECT_EQ(m_log->Names(), "receive(0) deleted(0) deleted(0) ");
}

// Deleting from another thread while the worker runs one of the socket's callbacks waits for
// that callback: the object goes afterwards, on the worker.
TEST_F(AsyncSocketTest, DeleteDuringCallbackWaitsForIt)
{
    SlotRecorder* socket = NewSocket();
    socket->m_iReceiveSleep = 500;
    socket->ForceReceiveEvent();
    ASSERT_TRUE(m_log->WaitForEvent("receive", 5000));
    socket->OnSocketDelete();
    ASSERT_TRUE(m_log->WaitForEvent("deleted", 5000));
    EXPECT_EQ(m_log->Names(), "receive(0) receive-end(0) deleted(0) ");
    EXPECT_EQ(m_log->Events().back().thread, WorkerThreadId());
}

// A socket that closes and deletes itself inside its own callback is deleted once the callback
// has returned, not while it still runs.
TEST_F(AsyncSocketTest, SelfDeleteInsideCallbackIsDeferred)
{
    SlotRecorder* socket = NewSocket();
    socket->m_bDeleteInReceive = true;
    socket->ForceReceiveEvent();
    ASSERT_TRUE(m_log->WaitForEvent("deleted", 5000));
    EXPECT_EQ(m_log->Names(), "receive(0) after-delete(1) deleted(0) ");
}

// Closing from another thread while a callback of the socket runs returns once it has ended, so
// the owner may delete the socket right after.
TEST_F(AsyncSocketTest, CloseFromOtherThreadWaitsForRunningCallback)
{
    SlotRecorder* socket = NewSocket();
    socket->m_iReceiveSleep = 400;
    socket->ForceReceiveEvent();
    ASSERT_TRUE(m_log->WaitForEvent("receive", 5000));
    EXPECT_TRUE(socket->Close());
    EXPECT_EQ(m_log->Count("receive-end"), 1);
    socket->OnSocketDelete();
    EXPECT_EQ(m_log->Count("deleted"), 1);
}

TEST_F(AsyncSocketTest, DeleteSocketFromThreadWaitReturnsAfterDeletion)
{
    SlotRecorder* socket = NewSocket();
    socket->DeleteSocketFromThreadWait();
    ASSERT_EQ(m_log->Count("deleted"), 1);
    EXPECT_EQ(m_log->Events()[0].thread, WorkerThreadId());
}

TEST_F(AsyncSocketTest, DelayedDeletionStopsEventsAtOnce)
{
    SlotRecorder* socket = NewSocket();
    DWORD start = GetTickCount();
    socket->DeleteSocketFromThread(300);
    EXPECT_TRUE(socket->IsClosing());
    socket->ForceReceiveEvent();
    ASSERT_TRUE(m_log->WaitForEvent("deleted", 5000));
    EXPECT_GE(GetTickCount() - start, 250u);
    EXPECT_EQ(m_log->Names(), "deleted(0) ");
}

TEST_F(AsyncSocketTest, TimersRepeatAndOneShot)
{
    SlotRecorder* socket = NewSocket();
    ASSERT_NE(socket->SetTimeout(50), 0u);
    ASSERT_TRUE(m_log->WaitForCount("timeout", 2, 5000)) << "the timer repeats";
    socket->KillTimer();
    // A tick that was under way when the timer was killed has ended once the worker has run a
    // later message.
    socket->ForceReceiveEvent();
    ASSERT_TRUE(m_log->WaitForEvent("receive", 5000));
    int ticks = m_log->Count("timeout");
    // Four periods without a tick.
    Sleep(200);
    EXPECT_EQ(m_log->Count("timeout"), ticks) << "ticks after KillTimer";

    EXPECT_TRUE(socket->SetSystemTimeout(50));
    EXPECT_FALSE(socket->SetSystemTimeout(50)) << "a second system timer";
    ASSERT_TRUE(m_log->WaitForEvent("system-timeout", 5000));
    EXPECT_FALSE(socket->IsSystemTimerArmed());
    EXPECT_TRUE(socket->SetSystemTimeout(10000));
    EXPECT_TRUE(socket->KillSystemTimer());
    EXPECT_EQ(m_log->Count("system-timeout"), 1);
    socket->OnSocketDelete();
}

TEST_F(AsyncSocketTest, ReBlockAndReAsyncRestoreSelection)
{
    SlotRecorder* socket = NewSocket();
    EXPECT_TRUE(socket->ReAsync()) << "not blocked";
    ASSERT_TRUE(socket->SetAsync());
    unsigned int message = socket->GetAsyncMessage();
    long events = socket->GetAsyncEvents();
    EXPECT_TRUE(socket->ReBlock());
    EXPECT_TRUE(socket->IsBlocking());
    EXPECT_TRUE(socket->ReBlock());
    EXPECT_TRUE(socket->ReAsync());
    EXPECT_FALSE(socket->IsBlocking());
    EXPECT_EQ(socket->GetAsyncMessage(), message);
    EXPECT_EQ(socket->GetAsyncEvents(), events);
    EXPECT_EQ(events, FD_READ | FD_WRITE | FD_OOB | FD_CLOSE);
    socket->OnSocketDelete();
}

// Library shutdown deletes the sockets still registered, on the thread that shuts down, after
// their worker has ended.
TEST_F(AsyncSocketTest, ShutdownDeletesRegisteredSockets)
{
    SlotRecorder* socket = NewSocket();
    SOCKET handle = socket->GetHandle();
    ASSERT_TRUE(CSocketBase::ShutdownSockets());
    ASSERT_EQ(m_log->Count("deleted"), 1);
    EXPECT_EQ(m_log->Events()[0].thread, GetCurrentThreadId());
    EXPECT_EQ(CVantrelAsyncSocket::GetGlobalThreadManager(), nullptr);
    (void)handle;
}

// The asynchronous layer starts with the first socket after the library was started, not before.
TEST(AsyncSocketLayer, NoWorkersBeforeLibraryStart)
{
    auto log = std::make_shared<CallbackLog>();
    RecordingTcpSocket* socket = new RecordingTcpSocket(log);
    EXPECT_EQ(CVantrelAsyncSocket::GetGlobalThreadManager(), nullptr);
    EXPECT_FALSE(socket->Create());
    socket->OnSocketDelete();
    EXPECT_EQ(log->Count("deleted"), 1);
}

}  // namespace

// Sockets made on other threads while the library shuts down: each is either taken by a worker
// before the shutdown, which then deletes it, or refused (its maker deletes it); no worker layer is
// left running behind the shutdown, and the next start begins afresh. The overlap is narrow, hence
// the many rounds.
TEST(AsyncSocketLayer, SocketsMadeWhileTheLibraryShutsDown)
{
    auto log = std::make_shared<CallbackLog>();
    std::atomic<int> made{0};
    for (int round = 0; round < 400; ++round) {
        SCOPED_TRACE(round);
        ASSERT_TRUE(CSocketBase::InitializeSockets(true, 2));
        std::atomic<bool> stop{false};
        std::atomic<int> taken{0};
        std::vector<std::thread> makers;
        for (int i = 0; i < 3; ++i)
            makers.emplace_back([&] {
                while (!stop) {
                    RecordingTcpSocket* socket = new RecordingTcpSocket(log);
                    ++made;
                    // A socket a worker took belongs to the library from here on.
                    if (socket->Create())
                        ++taken;
                    else
                        socket->OnSocketDelete();
                }
            });
        while (taken < 3 && made < 1000000) std::this_thread::yield();
        EXPECT_GE(taken.load(), 3) << "no socket was taken while the library ran";
        EXPECT_TRUE(CSocketBase::ShutdownSockets());
        stop = true;
        for (std::thread& maker : makers) maker.join();
        EXPECT_EQ(CVantrelAsyncSocket::GetGlobalThreadManager(), nullptr) << "a worker layer outlived the shutdown";
        ASSERT_EQ(log->Count("deleted"), made.load()) << "sockets neither deleted nor refused";
    }
}
