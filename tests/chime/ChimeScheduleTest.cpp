#include <string>

#include <gtest/gtest.h>

#include "chime/ChimeSchedule.h"
#include "support/TestTime.h"

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

struct Check {
    WORD hour, minute;
    bool due;
    LONG repeatCount = 0;   // when due
    bool hourSound = false;  // when due: the hour's file, else the half hour's
};

void RunChecks(int nextMinute, std::initializer_list<Check> checks, const ClockSettings& settings = ClockSettings())
{
    for (const Check& c : checks) {
        SCOPED_TRACE(std::to_string(c.hour) + ":" + std::to_string(c.minute));
        const int before = nextMinute;
        ChimeEvent event = {-99, nullptr};
        ASSERT_EQ(TakeDueChime(&nextMinute, MakeTime(2026, 12, 6, 0, c.hour, c.minute, 1), settings, &event), c.due);
        const char* sound = c.hourSound ? settings.ChimeHourSound : settings.ChimeHalfSound;
        EXPECT_EQ(nextMinute, c.due ? 30 - before : before);
        EXPECT_EQ(event.soundPath, c.due ? sound : nullptr);
        EXPECT_EQ(event.repeatCount, c.due ? c.repeatCount : -99);
    }
}

TEST(TakeDueChime, AlternatesAndSoundsOncePerChimeMinute)
{
    // By default it strikes the hour and chimes once at the half.
    RunChecks(30, {{9, 10, false}, {9, 29, false}, {9, 30, true, 1, false}, {9, 30, false}, {9, 31, false},
                   {10, 0, true, 10, true}, {10, 0, false}, {10, 30, true, 1, false}, {0, 0, true, 12, true}});
    // The half hour's count is used as stored.
    ClockSettings settings;
    for (LONG half : {0, 3, -1}) {
        settings.ChimeHalf = half;
        RunChecks(30, {{8, 30, true, half, false}}, settings);
    }
}

}  // namespace
