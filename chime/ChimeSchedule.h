// When a chime event is due and what it plays, apart from any window or
// thread, so the rules can be run at every time of day.
#pragma once

#include "core/WinTypes.h"
#include "settings/ClockSettings.h"

// Repeat count at the full hour: 3 strikes the hour on a twelve-hour dial
// (midnight and noon give 12); any other value plays its bit 0 (so 2,
// "strike" without "chime", is silent).
inline LONG HourRepeatCount(LONG chimeHour, WORD hour)
{
    if (chimeHour == 3)
        return (hour + 11) % 12 + 1;
    return chimeHour & 1;
}

struct ChimeEvent {
    LONG repeatCount;
    const char* soundPath;  // a field of the settings
};

// The check made at each new second. When `now` is in the minute of the
// next event (`*nextMinute`, 0 or 30), fills `event` from the settings of
// this moment, points `*nextMinute` at the other half hour and returns true.
// Otherwise it is one comparison and changes nothing, so an event whose
// minute passes unseen is not made up.
inline bool TakeDueChime(int* nextMinute, const SYSTEMTIME& now, const ClockSettings& settings, ChimeEvent* event)
{
    if (now.wMinute != *nextMinute)
        return false;
    const bool fullHour = *nextMinute == 0;
    event->repeatCount = fullHour ? HourRepeatCount(settings.ChimeHour, now.wHour) : settings.ChimeHalf;
    event->soundPath = fullHour ? settings.ChimeHourSound : settings.ChimeHalfSound;
    *nextMinute = 30 - *nextMinute;
    return true;
}
