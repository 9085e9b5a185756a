#include "core/Singleton.h"

#include <gtest/gtest.h>

#include <thread>

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

