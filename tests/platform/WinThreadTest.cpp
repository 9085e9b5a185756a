// Worker threads started with AfxBeginThread.
#include "platform/WinThread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>

namespace {

std::atomic<int> g_ran{0};

UINT __cdecl CountingProc(LPVOID param)
{
    g_ran += *static_cast<int*>(param);
    return 7;
}

UINT __cdecl ThrowingProc(LPVOID)
{
    throw std::runtime_error("worker failed");
}

TEST(WinThread, KeptThreadCanBeWaitedForAndGivesItsExitCode)
{
    int amount = 3;
    g_ran = 0;
    CWinThread* thread = AfxBeginThread(CountingProc, &amount, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    ASSERT_NE(thread, nullptr);
    thread->m_bAutoDelete = FALSE;
    EXPECT_NE(thread->m_nThreadID, 0u);
    thread->ResumeThread();
    ASSERT_EQ(::WaitForSingleObject(thread->m_hThread, 5000), WAIT_OBJECT_0);
    DWORD code = 0;
    ::GetExitCodeThread(thread->m_hThread, &code);
    EXPECT_EQ(code, 7u);
    EXPECT_EQ(g_ran.load(), 3);
    delete thread;
}

TEST(WinThread, AnExceptionEndsOnlyTheThread)
{
    CWinThread* thread = AfxBeginThread(ThrowingProc, nullptr, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    ASSERT_NE(thread, nullptr);
    thread->m_bAutoDelete = FALSE;
    thread->ResumeThread();
    ASSERT_EQ(::WaitForSingleObject(thread->m_hThread, 5000), WAIT_OBJECT_0);
    DWORD code = 0;
    ::GetExitCodeThread(thread->m_hThread, &code);
    EXPECT_EQ(code, (DWORD)-1);
    delete thread;
}

TEST(WinThread, SelfDeletingThreadRuns)
{
    int amount = 5;
    g_ran = 0;
    ASSERT_NE(AfxBeginThread(CountingProc, &amount), nullptr);
    for (int i = 0; i < 500 && g_ran.load() == 0; ++i) Sleep(5);
    EXPECT_EQ(g_ran.load(), 5);
}

}  // namespace
