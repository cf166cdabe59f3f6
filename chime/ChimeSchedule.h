// What a chime event plays, apart from any window or thread, so the rules
// can be tested at every hour.
#pragma once

#include "framework/WinTypes.h"

// Repeat count at the full hour: 3 strikes the hour on a twelve-hour dial
// (midnight and noon give 12); any other value plays its bit 0 (so 2,
// "strike" without "chime", is silent).
inline LONG HourRepeatCount(LONG chimeHour, WORD hour)
{
    if (chimeHour == 3)
        return (hour + 11) % 12 + 1;
    return chimeHour & 1;
}
