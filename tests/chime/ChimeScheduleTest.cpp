#include "app/ClockPace.h"
#include "chime/ChimeSchedule.h"
#include "support/Prelude.h"

namespace {

TEST(HourRepeatCount, StrikingGivesTheTwelveHourDialOtherValuesTheirLowestBit)
{
    // 2 ("strike" without "chime") is silent; registry-only values keep the rule.
    const struct { LONG chimeHour; WORD hour; LONG count; } cases[] = {
        {3, 0, 12}, {3, 1, 1}, {3, 11, 11}, {3, 12, 12}, {3, 13, 1}, {3, 23, 11}, {0, 7, 0},
        {1, 7, 1},  {2, 12, 0}, {4, 0, 0},  {5, 23, 1}, {-1, 7, 1}, {-2, 7, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HourRepeatCount(c.chimeHour, c.hour), c.count) << "ChimeHour " << c.chimeHour << " at " << c.hour;
}

// Milliseconds from midnight of 6 December 2026.
long long T(int h, int m, int s = 0, int ms = 0) { return ((h * 60LL + m) * 60 + s) * 1000 + ms; }
const long long kSecond = 1000, kMinute = 60 * kSecond, kHour = 60 * kMinute;

// The clock as its timer runs it: each tick comes `late` ms after the
// boundary the last reading set the timer for, and the local time can be
// stepped (the time service, daylight saving, a sleep), with the clock told
// or not. What it chimes is heard as "h:mm sound count ".
struct Clock {
    ChimeSchedule chimes;
    ClockSettings settings;
    bool seconds;
    long long now, due = 0;
    std::string heard;

    Clock(long long start, bool secondsShown) : seconds(secondsShown), now(start)
    {
        settings.ChimeHour = 3;
        settings.ChimeHalf = 3;
        std::strcpy(settings.ChimeHourSound, "hour");
        std::strcpy(settings.ChimeHalfSound, "half");
        chimes.Start(Local());
        Arm();
    }
    SYSTEMTIME Local() const
    {
        const long long day = now / (24 * kHour), in = now % (24 * kHour);
        return {2026, 12, 0, static_cast<WORD>(6 + day), static_cast<WORD>(in / kHour),
                static_cast<WORD>(in / kMinute % 60), static_cast<WORD>(in / kSecond % 60),
                static_cast<WORD>(in % kSecond)};
    }
    void Arm() { due = now + DelayToBoundary(Local(), seconds); }
    void Read()
    {
        ChimeEvent e;
        const SYSTEMTIME t = Local();
        if (chimes.Take(t, settings, &e))
            heard += std::to_string(t.wHour) + ":" + (t.wMinute ? "30 " : "00 ") + e.soundPath + " " +
                     std::to_string(e.repeatCount) + " ";
        Arm();
    }
    void Tick(long long late = 0)
    {
        now = due + late;
        Read();
    }
    void TicksUntil(long long t)
    {
        while (due <= t)
            Tick();
    }
    // The timer keeps its interval: it fires as much later (or earlier) by
    // the clock as the clock was moved.
    void Step(long long by, bool told)
    {
        now += by;
        due += by;
        if (told)
            Read();
    }
};

// Each event of the wall clock once, whatever way the readings come: ticks
// until `before`, the clock stepped `by` (and told of it or not), ticks
// until `until`.
TEST(ChimeSchedule, EachEventChimesOnceHoweverLateOrMovedTheClockIs)
{
    const long long kNone = 0;
    const struct { const char* what; long long start, before, by; bool told; long long until; const char* heard; } cases[] = {
        {"started on the hour", T(13, 0), T(13, 0), kNone, false, T(13, 31), "13:30 half 3 "},
        {"started a moment before", T(12, 59, 59, 900), T(13, 1), kNone, false, T(13, 1), "13:00 hour 1 "},
        {"+1 s just before", T(12, 59), T(12, 59, 59, 500), kSecond, false, T(13, 1), "13:00 hour 1 "},
        {"+1 s just after", T(12, 59), T(13, 0, 0, 500), kSecond, true, T(13, 1), "13:00 hour 1 "},
        {"-1 s just before", T(12, 59), T(12, 59, 59, 500), -kSecond, true, T(13, 1), "13:00 hour 1 "},
        {"-1 s just after", T(12, 59), T(13, 0, 0, 500), -kSecond, false, T(13, 1), "13:00 hour 1 "},
        {"set back across an event", T(12, 25), T(12, 45), -20 * kMinute, true, T(13, 1), "12:30 half 3 13:00 hour 1 "},
        {"set back across two", T(12, 25), T(13, 5), -40 * kMinute, false, T(13, 31),
         "12:30 half 3 13:00 hour 1 13:30 half 3 "},
        {"asleep 12:20 to 12:45", T(12, 10), T(12, 20), 25 * kMinute, true, T(13, 1), "13:00 hour 1 "},
        {"woken 20 s into 13:00", T(12, 10), T(12, 20), T(0, 40, 20), true, T(13, 1), "13:00 hour 1 "},
        {"set forward over events", T(12, 40), T(12, 40), 150 * kMinute, true, T(15, 31), "15:30 half 3 "},
        {"summer time begins", T(1, 50), T(1, 59, 59), kHour, false, T(3, 1), "3:00 hour 3 "},
        // Each minute of the wall clock chimes once: the repeated hour is silent.
        {"summer time ends", T(1, 50), T(2, 59, 59), -kHour, true, T(3, 1), "2:00 hour 2 2:30 half 3 3:00 hour 3 "},
        {"midnight", T(23, 59), T(24, 1), kNone, false, T(24, 1), "0:00 hour 12 "},
    };
    for (bool seconds : {true, false}) {
        for (const auto& k : cases) {
            Clock c(k.start, seconds);
            c.TicksUntil(k.before);
            c.Step(k.by, k.told);
            c.TicksUntil(k.until);
            EXPECT_EQ(c.heard, k.heard) << k.what << ", seconds " << seconds;
        }
        // A tick this late into the event's minute (a busy machine) still chimes it.
        for (long long late : {2500LL, 3000LL, 10000LL, 59000LL, 59999LL, 60000LL}) {
            Clock c(T(13, 28, 30), seconds);
            c.TicksUntil(T(13, 29, 59));
            c.Tick(late);
            c.TicksUntil(T(13, 32));
            EXPECT_EQ(c.heard, late < kMinute ? "13:30 half 3 " : "") << late << " ms late, seconds " << seconds;
        }
    }
    // Started on an event's minute, a day's 48 events, then the clock set back
    // to just before that minute: none of them again, nor the start.
    Clock day(T(12, 0), false);
    day.TicksUntil(T(36, 10));
    const std::string once = day.heard;
    day.Step(-24 * kHour - 11 * kMinute, true);
    day.TicksUntil(T(12, 31));
    EXPECT_EQ(day.heard, once);
    EXPECT_EQ(std::count(once.begin(), once.end(), ':'), 48);
}

}  // namespace
