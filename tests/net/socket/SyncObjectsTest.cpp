// Events, locks, guards, wait lists and threads of the library's thread layer.
#include "net/socket/CriticalAutoRelease.h"
#include "net/socket/SyncFactory.h"
#include "net/socket/WaitList.h"
#include "net/socket/Win32CriticalSection.h"
#include "net/socket/Win32Event.h"
#include "net/socket/Win32Mutex.h"
#include "net/socket/Win32ReadWriteLock.h"
#include "net/socket/Win32Thread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <vector>

namespace {

TEST(SyncObjects, AutoResetEvent)
{
    std::unique_ptr<CGenericEvent> event(NewEvent());
    EXPECT_TRUE(event->Wait(0)) << "a new event is signalled";
    event->Set();
    EXPECT_FALSE(event->Wait(100));
    EXPECT_TRUE(event->Wait(20)) << "the event did not reset itself";
}

TEST(SyncObjects, WaitListHoldsAtMost64)
{
    CWaitList empty;
    DWORD index = 0;
    EXPECT_FALSE(empty.Wait(index, 1000));
    EXPECT_EQ(index, 64u);

    std::vector<std::unique_ptr<CWin32Event>> events;
    CWaitList list;
    for (int i = 0; i < 65; ++i) {
        events.emplace_back(new CWin32Event());
        list.AddObject(events.back().get());
    }
    EXPECT_EQ(list.GetCount(), 64);
    for (int i = 0; i < 63; ++i) events[i]->Set();
    EXPECT_TRUE(list.Wait(index, 50)) << "waited for all but one";
    events[63]->Set();
    EXPECT_FALSE(list.Wait(index, 1000)) << "the 65th object was waited for";
    EXPECT_LT(index, 64u);
}

// A guard leaves the section as often as it entered it, and not at all when it never entered.
TEST(SyncObjects, CriticalGuardCounts)
{
    CWin32CriticalSection section;
    {
        CCriticalAutoRelease guard(&section, false);
    }
    {
        CCriticalAutoRelease guard(&section);
        guard.Enter();
        guard.Exit();
        guard.Enter();
    }
    std::atomic<bool> entered{false};
    HANDLE thread = CreateThread(nullptr, 0, [](LPVOID p) -> DWORD {
        CWin32CriticalSection* s = static_cast<CWin32CriticalSection*>(p);
        bool got = s->TryEnter();
        if (got) s->Exit();
        return got ? 1 : 0;
    }, &section, 0, nullptr);
    WaitForSingleObject(thread, 5000);
    DWORD code = 0;
    GetExitCodeThread(thread, &code);
    CloseHandle(thread);
    EXPECT_EQ(code, 1u) << "the section stayed entered";
    (void)entered;
}

std::atomic<int> g_runs{0};
DWORD WINAPI CountRun(LPVOID data)
{
    g_runs += data ? *static_cast<int*>(data) : 1;
    return 0;
}

// Status: 0 created suspended, 1 running, 2 stopped; a stopped thread starts again.
TEST(SyncObjects, ThreadStates)
{
    g_runs = 0;
    CWin32Thread thread(CountRun);
    EXPECT_EQ(thread.GetThreadStatus(), 0);
    EXPECT_NE(thread.GetThreadID(), 0u);
    int two = 2;
    EXPECT_TRUE(thread.Start(&two));
    for (int i = 0; i < 200 && thread.GetThreadStatus() != 2; ++i) Sleep(5);
    EXPECT_EQ(thread.GetThreadStatus(), 2);
    int three = 3;
    EXPECT_TRUE(thread.Start(&three)) << "restart after the procedure returned";
    for (int i = 0; i < 200 && g_runs != 5; ++i) Sleep(5);
    EXPECT_EQ(g_runs, 5);

    CWin32Thread never(CountRun);
    EXPECT_TRUE(never.Stop());
    EXPECT_EQ(never.GetThreadStatus(), 2);
    EXPECT_FALSE(never.Stop());
    EXPECT_EQ(never.GetPriority(), CGenericThread::tpNormal);

    CWin32Thread prioritised(CountRun);
    EXPECT_TRUE(prioritised.SetPriority(CGenericThread::tpHighest));
    EXPECT_EQ(prioritised.GetPriority(), CGenericThread::tpHighest);
    EXPECT_THROW(CWin32Thread(nullptr), const char*);
}

TEST(SyncObjects, ReadWriteLock)
{
    CWin32ReadWriteLock lock(2);
    EXPECT_TRUE(lock.LockRead(100));
    EXPECT_TRUE(lock.LockRead(100));
    EXPECT_FALSE(lock.LockRead(50)) << "a third reader";
    EXPECT_FALSE(lock.TryLockWrite());
    lock.UnlockRead();
    lock.UnlockRead();
    EXPECT_TRUE(lock.LockWrite(1, 3));
    EXPECT_FALSE(lock.LockRead(10));
    lock.UnlockWrite();
    EXPECT_TRUE(lock.LockRead(10));
    lock.UnlockRead();

    CWin32Mutex mutex;
    EXPECT_FALSE(mutex.Wait(0));
    EXPECT_TRUE(mutex.Unlock());
}

}  // namespace
