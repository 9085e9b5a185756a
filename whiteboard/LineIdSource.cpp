#include "whiteboard/LineIdSource.h"

#include <windows.h>
#include <mutex>

namespace {

std::mutex g_lock;
std::function<int64_t()> g_clock;
bool g_issued = false;
int64_t g_last = 0;

}  // namespace

int64_t CLineIdSource::SystemMilliseconds()
{
    FILETIME ft;
    GetSystemTimeAsFileTime(&ft);
    const uint64_t ticks = ((uint64_t)ft.dwHighDateTime << 32) | ft.dwLowDateTime;  // 100 ns since 1601
    const uint64_t unixMicros = ticks / 10 - 11644473600000000ULL;
    return (int64_t)(unixMicros / 1000);
}

long CLineIdSource::NextId()
{
    std::lock_guard<std::mutex> guard(g_lock);
    int64_t now = g_clock ? g_clock() : SystemMilliseconds();
    // Compared on the full count, so the 32-bit wrap of the written form does not matter.
    if (g_issued && now <= g_last)
        now = g_last + 1;
    g_last = now;
    g_issued = true;
    return (long)(int32_t)(uint32_t)(uint64_t)now;
}

void CLineIdSource::SetClockForTest(std::function<int64_t()> clock)
{
    std::lock_guard<std::mutex> guard(g_lock);
    g_clock = std::move(clock);
    g_issued = false;
    g_last = 0;
}
