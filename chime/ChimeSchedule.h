// When a chime event is due and what it plays, apart from any window or
// thread, so the rules can be run at every time of day.
#pragma once

#include <cstring>

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

// Each full and half hour of the wall clock chimes once, at the first
// reading in its minute however late it comes (a busy machine delivers
// timer ticks seconds late), unless that minute of that day has chimed
// already or the clock started in it. Only the minute a reading is in
// counts, never how it got there: a clock set forward or back, a sleep or
// a daylight-saving change neither makes up a minute that passed unread
// nor repeats one that chimed, so the hour that repeats when daylight
// saving ends is silent the second time.
class ChimeSchedule {
public:
    // The clock starts, or starts over, in the minute of `now`: that
    // minute never chimes.
    void Start(const SYSTEMTIME& now) { Remember(MinuteOf(now)); }

    // Each reading of the clock. When it is in an event's minute that has
    // not chimed, fills `event` from the settings of this moment and
    // returns true.
    bool Take(const SYSTEMTIME& now, const ClockSettings& settings, ChimeEvent* event)
    {
        if (now.wMinute != 0 && now.wMinute != 30)
            return false;
        const Minute minute = MinuteOf(now);
        for (const Minute& done : m_done)
            if (std::memcmp(&done, &minute, sizeof(minute)) == 0)
                return false;
        Remember(minute);
        const bool fullHour = now.wMinute == 0;
        event->repeatCount = fullHour ? HourRepeatCount(settings.ChimeHour, now.wHour) : settings.ChimeHalf;
        event->soundPath = fullHour ? settings.ChimeHourSound : settings.ChimeHalfSound;
        return true;
    }

private:
    // The minute of a reading: its date, hour and minute.
    struct Minute {
        WORD year, month, day, hour, minute;
    };
    static Minute MinuteOf(const SYSTEMTIME& t) { return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute}; }
    void Remember(const Minute& minute)
    {
        m_done[m_next] = minute;
        m_next = (m_next + 1) % kRemembered;
    }

    // A day of events and the start: a clock set back by up to a day
    // repeats none.
    static const int kRemembered = 49;
    Minute m_done[kRemembered] = {};  // no reading is in year 0
    int m_next = 0;
};
