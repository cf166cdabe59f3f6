#include <gtest/gtest.h>

#include "chime/ChimeSchedule.h"

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

}  // namespace
