#pragma once
// 64-bit byte order of the server message headers.
#include <cstdint>

// The value with its memory bytes in big-endian order (high 32 bits first).
uint64_t HostToNetwork64(uint64_t value);
uint64_t NetworkToHost64(uint64_t value);
