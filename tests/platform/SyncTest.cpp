#include "platform/CriticalSection.h"
#include "platform/SingleLock.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

bool OtherThreadCanEnter(CCriticalSection& cs)
{
    bool entered = false;
    std::thread other([&] {
        entered = TryEnterCriticalSection(cs) != FALSE;
        if (entered)
            LeaveCriticalSection(cs);
    });
    other.join();
    return entered;
}

TEST(SyncTest, SingleLockHoldsForItsScope)
{
    CCriticalSection cs;
    {
        CSingleLock lock(&cs, TRUE);
        EXPECT_TRUE(lock.IsLocked());
        EXPECT_FALSE(OtherThreadCanEnter(cs));
        EXPECT_TRUE(lock.Lock());  // already held: not taken twice
        EXPECT_TRUE(lock.Unlock());
        EXPECT_FALSE(lock.IsLocked());
        EXPECT_TRUE(OtherThreadCanEnter(cs));
        lock.Lock();
        EXPECT_FALSE(OtherThreadCanEnter(cs));
    }
    EXPECT_TRUE(OtherThreadCanEnter(cs));
}

TEST(SyncTest, LockIsReleasedWhenTheScopeThrows)
{
    CCriticalSection cs;
    try {
        CSingleLock lock(&cs, TRUE);
        throw 1;
    } catch (int) {
    }
    EXPECT_TRUE(OtherThreadCanEnter(cs));
}

} // namespace
