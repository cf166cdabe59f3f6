// When the clock wakes and what a reading of the time means: the timer is
// set for the next boundary the text needs, and a reading that is not that
// boundary (a sleep, a clock set, a daylight-saving change) starts the chime
// schedule afresh. No window code, so it runs at any simulated time.
#pragma once

#include "chime/ChimeSchedule.h"
#include "core/WinTypes.h"
#include "settings/ClockSettings.h"

// Local time in milliseconds on one line (days of the proleptic Gregorian
// calendar), so readings compare across a change of day, month or year.
inline long long TimeLine(const SYSTEMTIME& t)
{
    // A SYSTEMTIME year is at least 1601: no era before year 0.
    const long long m = t.wMonth, y = static_cast<long long>(t.wYear) - (m <= 2);
    const long long era = y / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + t.wDay - 1;
    const long long days = era * 146097 + yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return ((days * 24 + t.wHour) * 60 + t.wMinute) * 60000LL + t.wSecond * 1000LL + t.wMilliseconds;
}

// The text shows seconds, or minutes at the finest; the whole date and time
// are compared, so a jump of whole hours or days rebuilds too.
inline bool NeedsRebuild(const SYSTEMTIME& now, const SYSTEMTIME& last, LONG secondsUsed)
{
    const long long unit = secondsUsed ? 1000 : 60000;
    return (TimeLine(now) - now.wMilliseconds) / unit != (TimeLine(last) - last.wMilliseconds) / unit;
}

// Milliseconds from `now` to the next second, or to the next minute when no
// seconds are shown; never 0, so the timer always waits.
inline UINT DelayToBoundary(const SYSTEMTIME& now, LONG secondsUsed)
{
    const long long ms = now.wMilliseconds % 1000, s = now.wSecond % 60;
    const long long delay = secondsUsed ? 1000 - ms : 60000 - s * 1000 - ms;
    return static_cast<UINT>(delay);
}

// The start-up minute never chimes: the first event is in the other half.
inline int FirstChimeMinute(WORD minute) { return minute < 30 ? 30 : 0; }

// A reading taken this much after the boundary the timer was set for is a
// jump, not a late tick.
const long long kLateTickMs = 2000;

class ClockPace {
public:
    enum Reading { kOnTime, kChime, kJump };

    // The start-up reading, or a known change of time: the chime schedule
    // starts from `now`, and nothing missed is made up.
    void Restart(const SYSTEMTIME& now)
    {
        m_nextChimeMinute = FirstChimeMinute(now.wMinute);
        m_last = m_due = TimeLine(now);
    }

    // Each tick's reading. kJump when it is earlier than the last one or
    // well after the boundary the timer was set for (the schedule then
    // restarts from it); else kChime with `event` filled when a chime is
    // due, else kOnTime.
    Reading Read(const SYSTEMTIME& now, const ClockSettings& settings, ChimeEvent* event)
    {
        const long long t = TimeLine(now);
        if (t < m_last || t > m_due + kLateTickMs) {
            Restart(now);
            return kJump;
        }
        m_last = t;
        return TakeDueChime(&m_nextChimeMinute, now, settings, event) ? kChime : kOnTime;
    }

    // The timer's delay for the boundary after `now`, which the next
    // reading is then held to.
    UINT Arm(const SYSTEMTIME& now, LONG secondsUsed)
    {
        const UINT delay = DelayToBoundary(now, secondsUsed);
        m_due = TimeLine(now) + delay;
        return delay;
    }

private:
    int m_nextChimeMinute = 0;
    long long m_last = 0, m_due = 0;
};
