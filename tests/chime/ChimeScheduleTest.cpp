#include <gtest/gtest.h>

#include "chime/ChimeSchedule.h"

namespace {

TEST(HourRepeatCount, StrikingGivesTheHourOnATwelveHourDial)
{
    const LONG expected[24] = {12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    for (WORD hour = 0; hour < 24; ++hour)
        EXPECT_EQ(HourRepeatCount(3, hour), expected[hour]) << "at " << hour << ":00";
}

TEST(HourRepeatCount, OtherValuesPlayTheirLowestBit)
{
    // 2 ("strike" without "chime") is silent; registry-only values keep the rule.
    const struct {
        LONG chimeHour;
        LONG count;
    } cases[] = {{0, 0}, {1, 1}, {2, 0}, {4, 0}, {5, 1}, {-1, 1}, {-2, 0}};
    for (const auto& c : cases)
        for (WORD hour : {0, 7, 12, 23})
            EXPECT_EQ(HourRepeatCount(c.chimeHour, hour), c.count) << "ChimeHour " << c.chimeHour;
}

}  // namespace
