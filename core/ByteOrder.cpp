#include "core/ByteOrder.h"

#include <winsock2.h>

uint64_t HostToNetwork64(uint64_t value)
{
    uint32_t hi = htonl(static_cast<uint32_t>(value >> 32));
    uint32_t lo = htonl(static_cast<uint32_t>(value & 0xFFFFFFFFu));
    // The high half's bytes come first in memory.
    return (static_cast<uint64_t>(lo) << 32) | hi;
}

uint64_t NetworkToHost64(uint64_t value)
{
    // Swapping is its own inverse.
    return HostToNetwork64(value);
}
