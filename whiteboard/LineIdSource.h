#pragma once
// Identifiers of new figures: the millisecond clock since 1970 reduced to a signed 32-bit number,
// which is the form every client writes ("%ld", may be negative). Two figures made within the same
// millisecond (quick strokes, a page read from the server in one go) would share a clock value,
// and a shared identifier makes the figure list skip the second figure and a delete event remove
// both; so an identifier is never handed out twice in this process: a clock value at or before the
// last one issued is replaced by the next unused number.
#include <cstdint>
#include <functional>

class CLineIdSource {
public:
    // The next identifier, as the signed 32-bit number to be written with "%ld".
    static long NextId();

    // Milliseconds since 1970-01-01 00:00 UTC from the system clock.
    static int64_t SystemMilliseconds();

    // Replaces the clock (tests); an empty function restores the system clock. Also forgets the
    // last identifier issued.
    static void SetClockForTest(std::function<int64_t()> clock);
};
