// When the clock wakes and when its text is rebuilt: the timer is set from
// each reading for the next boundary the text needs, so a late, early or
// jumped reading is simply the time it is. No window code, so it runs at
// any simulated time.
#pragma once

#include "core/WinTypes.h"

// The text shows seconds, or minutes at the finest; the whole date and time
// are compared, so a jump of whole hours or days rebuilds too.
inline bool NeedsRebuild(const SYSTEMTIME& now, const SYSTEMTIME& last, LONG secondsUsed)
{
    return now.wMinute != last.wMinute || now.wHour != last.wHour || now.wDay != last.wDay ||
           now.wMonth != last.wMonth || now.wYear != last.wYear || (secondsUsed && now.wSecond != last.wSecond);
}

// Milliseconds from `now` to the next second, or to the next minute when no
// seconds are shown; never 0, so the timer always waits.
inline UINT DelayToBoundary(const SYSTEMTIME& now, LONG secondsUsed)
{
    const long long ms = now.wMilliseconds % 1000, s = now.wSecond % 60;
    const long long delay = secondsUsed ? 1000 - ms : 60000 - s * 1000 - ms;
    return static_cast<UINT>(delay);
}

// A wake from sleep, of whatever kind, is a reading of its own; the question
// before a sleep, or any other power event, is not.
inline bool IsWake(UINT powerEvent)
{
    return powerEvent == PBT_APMRESUMESUSPEND || powerEvent == PBT_APMRESUMECRITICAL ||
           powerEvent == PBT_APMRESUMEAUTOMATIC;
}
