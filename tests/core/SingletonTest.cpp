#include "core/Singleton.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

namespace {

int g_constructed = 0;
int g_destroyed = 0;

class CCounted : public CSingleton<CCounted> {
public:
    CCounted() { ++g_constructed; }
    ~CCounted() override { ++g_destroyed; }
    int m_nValue = 7;
};

// A second class must get its own instance pointer.
class COther : public CSingleton<COther> {
public:
    int m_nValue = 1;
};

// Its destructor poisons every field, so a thread reading an instance that was destroyed under it
// sees the poison (or the heap's own reuse of the block) instead of living values.
const uint32_t kAlive = 0x600DF00Du;
const uint32_t kDead = 0xDEADDEADu;
std::atomic<int> g_poisonedDestroyed{0};

class CPoisoned : public CSingleton<CPoisoned> {
public:
    CPoisoned()
    {
        for (auto& v : m_values) v = kAlive;
    }
    ~CPoisoned() override
    {
        for (auto& v : m_values) v = kDead;
        ++g_poisonedDestroyed;
    }
    bool IsAlive() const
    {
        for (const auto& v : m_values)
            if (v != kAlive) return false;
        return true;
    }

private:
    volatile uint32_t m_values[16];
};

struct CEventHandle {
    HANDLE h = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ~CEventHandle() { ::CloseHandle(h); }
};

}  // namespace

TEST(Singleton, GetInstanceIsLazyAndStable)
{
    CCounted::DestroyInstance();
    g_constructed = g_destroyed = 0;

    CCounted* a = CCounted::GetInstance();
    CCounted* b = CCounted::GetInstance();
    EXPECT_EQ(a, b);
    EXPECT_EQ(1, g_constructed);
    CCounted::DestroyInstance();
    EXPECT_EQ(1, g_destroyed);
}

TEST(Singleton, DestroyThenGetGivesFreshObject)
{
    CCounted::GetInstance()->m_nValue = 99;
    CCounted::DestroyInstance();
    CCounted* fresh = CCounted::GetInstance();
    EXPECT_EQ(7, fresh->m_nValue);
    CCounted::DestroyInstance();
}

TEST(Singleton, DestroyWithoutInstanceDoesNothing)
{
    CCounted::DestroyInstance();
    g_destroyed = 0;
    CCounted::DestroyInstance();
    CCounted::DestroyInstance();
    EXPECT_EQ(0, g_destroyed);
}

TEST(Singleton, EachClassHasItsOwnInstance)
{
    COther::GetInstance()->m_nValue = 5;
    CCounted::GetInstance();
    EXPECT_EQ(5, COther::GetInstance()->m_nValue);
    COther::DestroyInstance();
    CCounted::DestroyInstance();
    EXPECT_EQ(1, COther::GetInstance()->m_nValue);
    COther::DestroyInstance();
}

// A worker that comes late, after the main thread destroyed the instance at shut-down, gets none
// instead of building one that nobody would destroy; the main thread builds it again.
TEST(Singleton, AfterDestroyOnlyTheDestroyingThreadBuildsAgain)
{
    CCounted::GetInstance();
    CCounted::DestroyInstance();
    g_constructed = 0;
    CCounted* fromWorker = reinterpret_cast<CCounted*>(1);
    std::thread([&] { fromWorker = CCounted::GetInstance(); }).join();
    EXPECT_EQ(fromWorker, nullptr);
    EXPECT_EQ(g_constructed, 0);

    CCounted* fresh = CCounted::GetInstance();
    ASSERT_NE(fresh, nullptr);
    std::thread([&] { fromWorker = CCounted::GetInstance(); }).join();
    EXPECT_EQ(fromWorker, fresh) << "once built again, every thread reaches it";
    EXPECT_EQ(g_constructed, 1);
    CCounted::DestroyInstance();
    CCounted::GetInstance();
    CCounted::DestroyInstance();
}

// A worker took the instance and is still using it when the main thread destroys it at shut-down:
// what it holds stays a living object, and it gets none from then on.
TEST(Singleton, InstanceHeldByALiveThreadOutlivesDestroy)
{
    CPoisoned::DestroyInstance();
    ASSERT_NE(CPoisoned::GetInstance(), nullptr);
    CEventHandle taken, destroyed;
    bool bAliveAfterDestroy = false;
    CPoisoned* pLater = reinterpret_cast<CPoisoned*>(1);
    std::thread worker([&] {
        CPoisoned* p = CPoisoned::GetInstance();
        ::SetEvent(taken.h);
        ::WaitForSingleObject(destroyed.h, INFINITE);
        bAliveAfterDestroy = p && p->IsAlive();
        pLater = CPoisoned::GetInstance();
    });
    ::WaitForSingleObject(taken.h, INFINITE);
    CPoisoned::DestroyInstance();
    ::SetEvent(destroyed.h);
    worker.join();
    EXPECT_TRUE(bAliveAfterDestroy) << "the worker's instance was destroyed under it";
    EXPECT_EQ(pLater, nullptr);
}

// Shut-down work in destructors (closing sockets, stopping threads) still happens at
// DestroyInstance when no other thread that used the instance is still running.
TEST(Singleton, DestroyRunsTheDestructorAtOnceWhenNoOtherUserRuns)
{
    CPoisoned::DestroyInstance();
    ASSERT_NE(CPoisoned::GetInstance(), nullptr);
    for (int nThreads : {0, 1, 4}) {
        SCOPED_TRACE(nThreads);
        std::vector<std::thread> users;
        for (int i = 0; i < nThreads; ++i)
            users.emplace_back([] { EXPECT_TRUE(CPoisoned::GetInstance()->IsAlive()); });
        for (auto& t : users) t.join();
        g_poisonedDestroyed = 0;
        CPoisoned::DestroyInstance();
        EXPECT_EQ(g_poisonedDestroyed, 1);
        CPoisoned::DestroyInstance();
        EXPECT_EQ(g_poisonedDestroyed, 1) << "a second destroy does nothing";
        ASSERT_NE(CPoisoned::GetInstance(), nullptr);
    }
    CPoisoned::DestroyInstance();
}

// Many workers use the instance while the main thread destroys and builds it again, round after
// round: none of them ever reads a destroyed instance.
TEST(Singleton, WorkersNeverUseAnInstanceDestroyedUnderThem)
{
    CPoisoned::DestroyInstance();
    const int kWorkers = 6;
    const int kRounds = 100;
    std::atomic<bool> bStop{false};
    std::atomic<int> nTaken{0};
    std::atomic<int> nBad{0};
    std::vector<std::thread> workers;
    for (int i = 0; i < kWorkers; ++i) {
        workers.emplace_back([&] {
            while (!bStop) {
                CPoisoned* p = CPoisoned::GetInstance();
                if (!p) {
                    std::this_thread::yield();
                    continue;
                }
                ++nTaken;
                for (int k = 0; k < 200; ++k) {
                    if (!p->IsAlive()) ++nBad;
                    if (k % 50 == 0) std::this_thread::yield();
                }
            }
        });
    }
    for (int r = 0; r < kRounds; ++r) {
        ASSERT_NE(CPoisoned::GetInstance(), nullptr);
        // Let the workers take this round's instance before it goes.
        const int nBefore = nTaken;
        for (int spin = 0; spin < 100000 && nTaken < nBefore + kWorkers; ++spin) std::this_thread::yield();
        CPoisoned::DestroyInstance();
    }
    bStop = true;
    for (auto& t : workers) t.join();
    EXPECT_EQ(nBad, 0);
    EXPECT_GT(nTaken, 0);
}
